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
set -euo pipefail
shopt -s nullglob

fehler() {
  echo "datenverzeichnis_einrichten: $*" >&2
  exit 1
}

quelle="$(cd "$(dirname "$0")/../data" && pwd)"
# A relative or empty XDG_DATA_HOME is not valid and is ignored.
basis="${XDG_DATA_HOME-}"
if [[ "$basis" != /* ]]; then
  [ -n "${HOME-}" ] || fehler "neither XDG_DATA_HOME nor HOME is set"
  basis="$HOME/.local/share"
fi
ziel="$basis/zenarowin"
ergaenzbar=(ngc.dta ic.dta bsc4.dta CC-BY-SA-4.0.txt QUELLEN.txt)
# New files and the new directory get the permissions the user's umask gives.
dateimodus="$(printf '%o' $((0666 & ~0$(umask))))"
ordnermodus="$(printf '%o' $((0777 & ~0$(umask))))"

# Copies the file $1 to $2 through a hidden temporary file in the target's
# directory, writable by the user whatever the permissions of the source.
kopieren() {
  local tmp
  tmp="$(mktemp "$(dirname "$2")/.$(basename "$2").tmpXXXXXX")" || return 1
  if cp "$1" "$tmp" && chmod "$dateimodus" "$tmp" && mv -f "$tmp" "$2"; then return 0; fi
  rm -f "$tmp"
  return 1
}

# The directory being built on the first start; removed when the script ends
# before it is in place.
neu=""
trap '[ -z "$neu" ] || rm -rf "$neu"' EXIT

if [ ! -e "$ziel" ] && [ ! -L "$ziel" ]; then
  mkdir -p "$basis" || fehler "cannot create $basis"
  neu="$(mktemp -d "$basis/.zenarowin.tmpXXXXXX")" || fehler "cannot write in $basis"
  chmod "$ordnermodus" "$neu"
  # The shipped files and anything a run left in data/ (settings, brightness
  # sets); hidden temporary files are not data.
  for datei in "$quelle"/*; do
    [ -f "$datei" ] || continue
    kopieren "$datei" "$neu/$(basename "$datei")" || fehler "cannot copy $datei"
  done
  # -T: a directory created meanwhile by another start is not entered but kept.
  if mv -T "$neu" "$ziel" 2>/dev/null; then
    neu=""
    echo "Data directory created: $ziel" >&2
  fi
fi
[ -d "$ziel" ] || fehler "$ziel is not a directory"

for name in "${ergaenzbar[@]}"; do
  [ -f "$quelle/$name" ] || continue
  vorhanden=0
  for datei in "$ziel"/*; do
    n="$(basename "$datei")"
    if [ "${n,,}" = "${name,,}" ]; then vorhanden=1; fi
  done
  if [ "$vorhanden" = 0 ]; then
    kopieren "$quelle/$name" "$ziel/$name" || fehler "cannot add $name to $ziel"
    echo "Added to the data directory: $name" >&2
  fi
done

echo "$ziel"
