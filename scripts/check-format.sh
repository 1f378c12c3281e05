#!/usr/bin/env bash
# Fails when a C++ source is not formatted as the project's .clang-format says.
set -euo pipefail
cd "$(dirname "$0")/.."
git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run -Werror
echo "format: every C++ source is formatted"
