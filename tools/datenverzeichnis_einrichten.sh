#!/usr/bin/env bash
# Prepares the user's data directory, $XDG_DATA_HOME/zenarowin
# (~/.local/share/zenarowin when XDG_DATA_HOME is unset), and prints its path.
#
# The first start creates it as a copy of the shipped data/ (built beside it and
# renamed into place, so an interrupted copy never counts as a data directory).
# Afterwards it belongs to the user and nothing in it is replaced: a later start
# only adds a catalogue or its source text that is missing (a newer checkout may
# ship one), never the elements, locations, brightness sets or settings. Names
# are compared without regard to case, as the program finds its files.
#
# The first copy of Bahnelem.dat is dated as the comet list it holds (the date
# data/QUELLEN.txt gives as "list of YYYY-MM-DD"), since the program shows that
# file's date as the date of the elements.
#
# The temporary entries of a start that was killed (a directory
# .zenarowin.tmpXXXXXX beside the data directory, a file .ngc.dta.tmpXXXXXX and
# the like in it) are removed by a later start once they have been unchanged for
# ten minutes, the age after which the program removes its own temporary files:
# a start running at the same moment is never disturbed.
set -euo pipefail
shopt -s nullglob

fehler() {
  echo "datenverzeichnis_einrichten: $*" >&2
  exit 1
}

quelle="$(cd -- "$(dirname -- "$0")/../data" && pwd)"
# A relative or empty XDG_DATA_HOME is not valid and is ignored; HOME must then
# be an absolute path, or the directory would land below the current one.
basis="${XDG_DATA_HOME-}"
if [[ "$basis" != /* ]]; then
  [ -n "${HOME-}" ] || fehler "neither XDG_DATA_HOME nor HOME is set"
  [[ "$HOME" == /* ]] ||
    fehler "HOME is not an absolute path ($HOME), and XDG_DATA_HOME does not name one"
  basis="$HOME/.local/share"
fi
ziel="$basis/zenarowin"
ergaenzbar=(ngc.dta ic.dta bsc4.dta CC-BY-SA-4.0.txt QUELLEN.txt)
# New files and the new directory get the permissions the user's umask gives.
dateimodus="$(printf '%o' $((0666 & ~0$(umask))))"
ordnermodus="$(printf '%o' $((0777 & ~0$(umask))))"
# The mark mktemp puts into the names of the temporary entries (six letters or
# digits after "tmp"), and the age in seconds after which one is a leftover.
zeichen='[abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789]'
marke="tmp$zeichen$zeichen$zeichen$zeichen$zeichen$zeichen"
mindestalter=600
jetzt="$(date +%s)"

# Removes the entry $2 when it is of the kind $1 (-d a directory, -f a regular
# file; never a link) and has been unchanged for longer than the minimum age. One
# that cannot be removed is left for a later start.
uebrig_entfernen() {
  local zeit
  if test "$1" "$2" && ! test -L "$2" && zeit="$(stat -c %Y -- "$2" 2>/dev/null)" &&
    [ $((jetzt - zeit)) -gt "$mindestalter" ]; then
    rm -rf -- "$2" 2>/dev/null || true
  fi
}

# Copies the file $1 to $2 through a hidden temporary file in the target's
# directory, writable by the user whatever the permissions of the source.
kopieren() {
  local tmp
  tmp="$(mktemp -- "$(dirname -- "$2")/.$(basename -- "$2").tmpXXXXXX")" || return 1
  if cp -- "$1" "$tmp" && chmod -- "$dateimodus" "$tmp" && mv -f -- "$tmp" "$2"; then return 0; fi
  rm -f -- "$tmp"
  return 1
}

# The directory being built on the first start; removed when the script ends
# before it is in place.
neu=""
trap '[ -z "$neu" ] || rm -rf -- "$neu"' EXIT

for eintrag in "$basis"/.zenarowin.$marke; do uebrig_entfernen -d "$eintrag"; done

if [ ! -e "$ziel" ] && [ ! -L "$ziel" ]; then
  mkdir -p -- "$basis" || fehler "cannot create $basis"
  neu="$(mktemp -d -- "$basis/.zenarowin.tmpXXXXXX")" || fehler "cannot write in $basis"
  chmod -- "$ordnermodus" "$neu"
  # The shipped files and anything a run left in data/ (settings, brightness
  # sets); hidden temporary files are not data.
  for datei in "$quelle"/*; do
    [ -f "$datei" ] || continue
    kopieren "$datei" "$neu/$(basename -- "$datei")" || fehler "cannot copy $datei"
  done
  stand="$(grep -o -m 1 -E -- 'list of [0-9]{4}-[0-9]{2}-[0-9]{2}' "$quelle/QUELLEN.txt")" || stand=""
  stand="${stand#list of }"
  if [ -n "$stand" ] && [ -f "$neu/Bahnelem.dat" ]; then
    touch -d "$stand" -- "$neu/Bahnelem.dat" || fehler "cannot date $neu/Bahnelem.dat"
  fi
  # -T: a directory created meanwhile by another start is not entered but kept.
  if mv -T -- "$neu" "$ziel" 2>/dev/null; then
    neu=""
    echo "Data directory created: $ziel" >&2
  fi
fi
[ -d "$ziel" ] || fehler "$ziel is not a directory"

for name in "${ergaenzbar[@]}"; do
  for eintrag in "$ziel/.$name".$marke; do uebrig_entfernen -f "$eintrag"; done
done

for name in "${ergaenzbar[@]}"; do
  [ -f "$quelle/$name" ] || continue
  vorhanden=0
  for datei in "$ziel"/*; do
    n="$(basename -- "$datei")"
    if [ "${n,,}" = "${name,,}" ]; then vorhanden=1; fi
  done
  if [ "$vorhanden" = 0 ]; then
    kopieren "$quelle/$name" "$ziel/$name" || fehler "cannot add $name to $ziel"
    echo "Added to the data directory: $name" >&2
  fi
done

echo "$ziel"
