#!/usr/bin/env bash
# Screenshots of the real windows for the README: the main window of both editions
# and the German ephemeris window of comet C/2017 K2 over 15 days. Builds the
# program in Release, starts it under a virtual X server on a copy of the shipped
# data directory and writes docs/hauptfenster.png, docs/hauptfenster-en.png and
# docs/ausgabe.png.
set -euo pipefail
cd "$(dirname "$0")/.."
wurzel=$PWD

if [ "${1:-}" != "--im-x-server" ]; then
    # Only the screenshots need the X tools to click and to grab a window.
    bash tools/abhaengigkeiten.sh xdotool imagemagick
    cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DZENARO_TESTS=OFF
    cmake --build build/release --target zenarowin zenarowin-en
    mkdir -p docs
    exec xvfb-run -a -s "-screen 0 1280x1024x24" bash "$0" --im-x-server
fi

arbeit=$(mktemp -d)
programm=""
aufraeumen() {
    [ -n "$programm" ] && kill "$programm" 2>/dev/null || true
    rm -rf "$arbeit"
}
trap aufraeumen EXIT

# The settings record (128 bytes) for 24.08.2022 22:00 to 07.09.2022 22:00 in daily
# steps, zone MESZ, the other values the program's defaults.
einstellungen() {
    python3 - "$1" <<'EOF'
import math, struct, sys

def extended(x):
    if x == 0:
        return bytes(10)
    m, e = math.frexp(abs(x))
    return int(m * 2**64).to_bytes(8, "little") + struct.pack("<H", e - 1 + 16383 | (0x8000 if x < 0 else 0))

def text(s, n):
    return bytes([len(s)]) + s.encode("cp1252").ljust(n, b"\0")

satz = bytearray(128)
satz[0:11] = text("24.08.2022", 10)
satz[11:22] = text("07.09.2022", 10)
satz[22:28] = text("22:00", 5)
satz[28:34] = text("22:00", 5)
satz[36:40] = struct.pack("<i", 1)           # step in days
satz[40:50] = extended(0.0)                  # step in hours
satz[52:56] = struct.pack("<i", 28)          # zone MESZ
satz[56] = 1                                 # deep-sky passages
satz[64:74] = extended(2.0)                  # their radius
satz[80:90] = extended(12.0)                 # magnitude limit
satz[96:106] = extended(2.0)                 # conjunction radius
satz[112:122] = extended(12.0)               # conjunction magnitude limit
satz[122] = 0                                # all objects
satz[123] = 1                                # only visible ones
satz[124:128] = struct.pack("<i", -18)       # altitude of the Sun for night
open(sys.argv[1], "wb").write(satz)
EOF
}

# Waits for a window of the program with this title; prints its id.
fenster() {
    local id=""
    for _ in $(seq 1 100); do
        id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | tail -n 1 || true)
        [ -n "$id" ] && break
        sleep 0.2
    done
    [ -n "$id" ] || { echo "window \"$1\" did not appear" >&2; exit 1; }
    sleep 1
    echo "$id"
}

# Grabs the window $1 into $2 once it stands still, so that a rerun writes the same
# bytes: the keyboard focus goes to the root window first, so no text cursor
# blinks in an edit field, and the grab is repeated until three in a row agree.
foto() {
    xdotool windowfocus "$(xdotool search --maxdepth 0 --class "")"
    local gleich=0
    rm -f "$arbeit/vorher.png"
    for _ in $(seq 1 50); do
        sleep 0.3
        import -window "$1" "$2"
        convert "$2" -strip "$2"
        if cmp -s "$2" "$arbeit/vorher.png"; then gleich=$((gleich + 1)); else gleich=0; fi
        [ "$gleich" -ge 2 ] && break
        cp "$2" "$arbeit/vorher.png"
    done
    [ "$gleich" -ge 2 ] || { echo "window $1 did not stand still" >&2; exit 1; }
    echo "$2: $(identify -format '%wx%h' "$2"), $(stat -c %s "$2") bytes"
}

komet="PANSTARRS C/2017 K2"
for ausgabe in zenarowin zenarowin-en; do
    verzeichnis="$arbeit/$ausgabe"
    cp -rp "$wurzel/data" "$verzeichnis"
    einstellungen "$verzeichnis/ZenaroWin.ini"
    (cd "$verzeichnis" && exec "$wurzel/build/release/$ausgabe") &
    programm=$!
    haupt=$(fenster "Zenaro for Windows 2.5")
    # A comet that was bright in those weeks, chosen from the opened object list by
    # typing its name there.
    xdotool mousemove --window "$haupt" 269 36 click 1
    sleep 1
    xdotool type --delay 20 "$komet"
    xdotool key Return
    sleep 1
    if [ "$ausgabe" = zenarowin ]; then
        foto "$haupt" "$wurzel/docs/hauptfenster.png"
        # "Ephemeride berechnen": after the small progress window the ephemeris
        # window opens, titled with the object's name.
        xdotool mousemove --window "$haupt" 75 384 click 1
        ausgabefenster=""
        for _ in $(seq 1 100); do
            sleep 0.2
            for id in $(xdotool search --onlyvisible --name . 2>/dev/null); do
                WIDTH=0
                eval "$(xdotool getwindowgeometry --shell "$id" 2>/dev/null)"
                [ "$id" != "$haupt" ] && [ "$WIDTH" -gt 700 ] && ausgabefenster=$id
            done
            [ -n "$ausgabefenster" ] && break
        done
        [ -n "$ausgabefenster" ] || { echo "no ephemeris window" >&2; exit 1; }
        sleep 2
        foto "$ausgabefenster" "$wurzel/docs/ausgabe.png"
    else
        foto "$haupt" "$wurzel/docs/hauptfenster-en.png"
    fi
    kill "$programm"
    wait "$programm" 2>/dev/null || true
    programm=""
done
