#!/usr/bin/env bash
# Builds the fuzz targets of tests/fuzz with clang (libFuzzer, AddressSanitizer,
# UndefinedBehaviorSanitizer) in build/fuzz and runs each for SEKUNDEN seconds,
# PARALLEL of them at once (default one after the other).
#
#   tools/fuzzen.sh SEKUNDEN [PARALLEL]
#
# Each target starts from its committed seeds (tests/fuzz/korpus/<target>) and the
# inputs earlier runs found (build/fuzz/korpus/<target>, kept), so repeated runs
# go on where the last one stopped. A finding is left as build/fuzz/funde/<target>-*
# and makes the script fail; the log of each run is build/fuzz/protokoll/<target>.log.
set -euo pipefail
cd "$(dirname "$0")/.."
sekunden=${1:?usage: tools/fuzzen.sh SEKUNDEN [PARALLEL]}
parallel=${2:-1}

cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZENARO_FUZZ=ON \
      -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build build/fuzz
mkdir -p build/fuzz/funde build/fuzz/protokoll

laufen() {
  local ziel=$1
  mkdir -p "build/fuzz/korpus/$ziel"
  "build/fuzz/tests/fuzz/${ziel}_fuzz" "build/fuzz/korpus/$ziel" "tests/fuzz/korpus/$ziel" \
    -max_total_time="$sekunden" -timeout=10 -rss_limit_mb=4096 -print_final_stats=1 \
    -artifact_prefix="build/fuzz/funde/$ziel-" >"build/fuzz/protokoll/$ziel.log" 2>&1
}

fehler=0
ziele=()
for quelle in tests/fuzz/*_fuzz.cpp; do
  name=$(basename "$quelle" _fuzz.cpp)
  ziele+=("$name")
  laufen "$name" &
  while [ "$(jobs -rp | wc -l)" -ge "$parallel" ]; do wait -n || fehler=1; done
done
while [ "$(jobs -rp | wc -l)" -gt 0 ]; do wait -n || fehler=1; done

for ziel in "${ziele[@]}"; do
  log="build/fuzz/protokoll/$ziel.log"
  laeufe=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
  tempo=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log")
  abdeckung=$(grep -o 'cov: [0-9]* ft: [0-9]* corp: [0-9]*/[0-9a-zA-Z]*' "$log" | tail -1)
  printf '%-14s %10s runs %7s/s  %s\n' "$ziel" "${laeufe:-?}" "${tempo:-?}" "$abdeckung"
  if grep -q -E '^==[0-9]+==ERROR|^SUMMARY|property broken|deadly signal|Timeout|out-of-memory' "$log"; then
    echo "finding of $ziel, see $log:" >&2
    grep -E 'ERROR|SUMMARY|property broken|Test unit written' "$log" | head -5 >&2
    fehler=1
  fi
done
exit "$fehler"
