#!/usr/bin/env bash
# Builds the program and starts the German edition on the shipped data directory.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/abhaengigkeiten.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DZENARO_TESTS=OFF
cmake --build build/release --target zenarowin zenarowin-en
cd data
exec ../build/release/zenarowin
