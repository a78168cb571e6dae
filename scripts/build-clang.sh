#!/usr/bin/env bash
# Builds the whole tree with clang++ into its own folder (default: build-clang), warnings as errors,
# so that the tree stays clean under both compilers Debian ships (CI builds with g++).
#   scripts/build-clang.sh          configure once, then build
#   scripts/build-clang.sh --test   build, then run the test suite
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build-clang}
"$root/scripts/install-deps.sh"
if ! command -v clang++ >/dev/null; then
  SUDO=""
  [ "$(id -u)" -eq 0 ] || SUDO="sudo"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends clang
fi
if [ ! -f "$build/build.ninja" ]; then
  CXX=clang++ cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS=-Werror
fi
jobs=${JOBS:-$(nproc)}
cmake --build "$build" -j "$jobs"
if [ "${1:-}" = "--test" ]; then
  cd "$build"
  QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$jobs" --timeout 600
fi
