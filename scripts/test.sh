#!/usr/bin/env bash
# Builds everything and runs the whole test suite.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
build=$("$root/scripts/configure.sh" | tail -n 1)
jobs=$(nproc)
cmake --build "$build" -j "$jobs"
cd "$build"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$jobs" --timeout 600
