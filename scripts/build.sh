#!/usr/bin/env bash
# Installs what Brewdial needs and builds it into build/.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
werror=OFF
[ "${CI:-}" = "true" ] && werror=ON
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBREWDIAL_WERROR=$werror >/dev/null
cmake --build build
