#!/usr/bin/env bash
# Configures the build folder (default: build) once; later calls only rebuild.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build}
if [ ! -f "$build/build.ninja" ]; then
  cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug "$@"
fi
echo "$build"
