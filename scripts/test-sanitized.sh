#!/usr/bin/env bash
# Builds into build-sanitized/ with AddressSanitizer and UndefinedBehaviorSanitizer and runs the
# tests there: any report fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
flags="-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer"
cmake -S . -B build-sanitized -G Ninja -DCMAKE_BUILD_TYPE=Debug -DBREWDIAL_WERROR=ON \
  -DBUILD_TESTING=ON -DCMAKE_CXX_FLAGS="$flags" -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" >/dev/null
cmake --build build-sanitized
# libdbus, and Qt's tray item on a session bus, keep some of what they allocate until the process
# ends, by design.
suppressions=$(mktemp)
trap 'rm -f "$suppressions"' EXIT
printf 'leak:libdbus-1.so\nleak:libQt6DBus.so\n' >"$suppressions"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1
export LSAN_OPTIONS=suppressions=$suppressions
cd build-sanitized
ctest --output-on-failure --no-tests=error -j2
