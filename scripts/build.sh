#!/usr/bin/env bash
# Installs what Brewdial needs and builds it into build/, with its tests. With BREWDIAL_WERROR=ON
# (as CI sets it) every compiler warning is an error; with BUILD_TESTING=OFF only the program and
# what it needs to build and run are installed and built.
set -euo pipefail
cd "$(dirname "$0")/.."
testing=${BUILD_TESTING:-ON}
if [ "$testing" = OFF ]; then
  scripts/install-deps.sh run
else
  scripts/install-deps.sh
fi
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBREWDIAL_WERROR="${BREWDIAL_WERROR:-OFF}" \
  -DBUILD_TESTING="$testing" >/dev/null
cmake --build build
