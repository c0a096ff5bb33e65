#!/usr/bin/env bash
# Builds the test suite with AddressSanitizer and UndefinedBehaviorSanitizer and runs it,
# then runs each fuzz target for a few seconds.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/abhaengigkeiten.sh
cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DZENARO_SANITIZE=ON -DZENARO_BENCHMARKS=ON
cmake --build build/test
cd build/test
ctest --output-on-failure -j "$(nproc)"
cd ../..
bash tools/fuzzen.sh 5
