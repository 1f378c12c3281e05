#!/usr/bin/env bash
# Builds Brewdial and runs every test, headless.
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD_TESTING=ON scripts/build.sh
cd build
ctest --output-on-failure --no-tests=error -j2
