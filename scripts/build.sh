#!/usr/bin/env bash
# Installs what Brewdial needs and builds it into build/. With BREWDIAL_WERROR=ON (as CI sets
# it) every compiler warning is an error.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBREWDIAL_WERROR="${BREWDIAL_WERROR:-OFF}" >/dev/null
cmake --build build
