#!/usr/bin/env bash
# Line coverage of the fuzz targets over the inputs the runs of tools/fuzzen.sh
# found (build/fuzz/korpus) and their seeds: builds the targets once more with
# clang's source coverage in build/fuzz-abdeckung, runs every input once and
# reports the lines covered in the files each target is aimed at.
set -euo pipefail
cd "$(dirname "$0")/.."
b=build/fuzz-abdeckung
cmake -S . -B $b -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZENARO_FUZZ=ON \
      -DCMAKE_CXX_COMPILER=clang++ \
      -DCMAKE_CXX_FLAGS="-fprofile-instr-generate -fcoverage-mapping" >/dev/null
cmake --build $b >/dev/null
profdata=$(command -v llvm-profdata || command -v llvm-profdata-14)
cov=$(command -v llvm-cov || command -v llvm-cov-14)

declare -A dateien=(
  [Datendateien]="engine/Datendateien.cpp"
  [Kometenliste]="engine/Kometenliste.cpp"
  [Zahltext]="engine/Zahltext.cpp"
  [Rechnung]="engine/Ephemeride.cpp engine/Konjunktion.cpp engine/AufUntergang.cpp engine/Topozentrisch.cpp engine/Abstand.cpp engine/Durchgaenge.cpp engine/Hilfen.cpp astro/KEPLIB.cpp astro/SUNLIB.cpp astro/MOOLIB.cpp astro/PNULIB.cpp astro/SPHLIB.cpp astro/TIMLIB.cpp astro/MATLIB.cpp astro/Sternb.cpp"
)
for quelle in tests/fuzz/*_fuzz.cpp; do
  ziel=$(basename "$quelle" _fuzz.cpp)
  rm -rf "$b/profil/$ziel" && mkdir -p "$b/profil/$ziel" "build/fuzz/korpus/$ziel"
  LLVM_PROFILE_FILE="$b/profil/$ziel/%p.profraw" "$b/tests/fuzz/${ziel}_fuzz" -runs=0 \
    "build/fuzz/korpus/$ziel" "tests/fuzz/korpus/$ziel" >/dev/null 2>&1
  "$profdata" merge -sparse "$b/profil/$ziel"/*.profraw -o "$b/profil/$ziel.profdata"
  echo "== $ziel ($(ls "build/fuzz/korpus/$ziel" | wc -l) inputs found, $(ls "tests/fuzz/korpus/$ziel" | wc -l) seeds)"
  # shellcheck disable=SC2086
  "$cov" report "$b/tests/fuzz/${ziel}_fuzz" -instr-profile="$b/profil/$ziel.profdata" \
    ${dateien[$ziel]} | sed "s|^$PWD/||" |
    awk 'NR > 2 && $1 !~ /^-/ {printf "  %-26s %5d of %5d lines %8s\n", $1, $8 - $9, $8, $10}'
done
