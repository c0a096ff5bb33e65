#!/usr/bin/env bash
# Installs what building, running and testing ZenaroWin needs on Debian 12, and the
# packages named as arguments.
set -euo pipefail
pakete=(build-essential cmake ninja-build qt6-base-dev libxkbcommon-dev libcurl4-openssl-dev
        fonts-liberation qt6-translations-l10n libgtest-dev libgmock-dev googletest libbenchmark-dev
        python3 python3-ephem xvfb xauth clang libclang-rt-dev "$@")
fehlt=()
for p in "${pakete[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || fehlt+=("$p")
done
if [ ${#fehlt[@]} -gt 0 ]; then
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO=sudo
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "${fehlt[@]}"
fi
