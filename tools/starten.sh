#!/usr/bin/env bash
# Builds the program and starts it in the user's data directory
# ($XDG_DATA_HOME/zenarowin, ~/.local/share/zenarowin by default), which the first
# start makes from the shipped data/ (tools/datenverzeichnis_einrichten.sh).
#   bash tools/starten.sh             the German edition
#   bash tools/starten.sh --englisch  the English edition
set -euo pipefail
cd "$(dirname "$0")/.."
case "${1-}" in
  "") programm=zenarowin ;;
  --englisch) programm=zenarowin-en ;;
  *)
    echo "usage: bash tools/starten.sh [--englisch]" >&2
    exit 2
    ;;
esac
bash tools/abhaengigkeiten.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DZENARO_TESTS=OFF
cmake --build build/release --target zenarowin zenarowin-en
programm="$PWD/build/release/$programm"
verzeichnis="$(bash tools/datenverzeichnis_einrichten.sh)"
# The program takes its working directory as its data directory.
cd "$verzeichnis"
exec "$programm"
