#!/usr/bin/env bash
# Builds Brewdial without its tests and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD_TESTING=OFF scripts/build.sh
exec build/brewdial
