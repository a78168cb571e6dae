#!/usr/bin/env bash
# Builds everything with AddressSanitizer (leak checks included) and UndefinedBehaviorSanitizer
# into its own folder (default: build-asan) and runs the whole test suite there:
#
#   scripts/sanitize.sh [CTEST ARGUMENTS...]        e.g. scripts/sanitize.sh -R 'GridOffice|FuzzCorpus'
#
# JOBS sets the build's parallel jobs, CTEST_JOBS the tests' (both default to the processors).
# A sanitizer report fails the test it happens in; the run exits non-zero when any test failed.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build-asan}
"$root/scripts/install-deps.sh"
BUILD_DIR=$build "$root/scripts/configure.sh" -DCFG_SANITIZE=ON >/dev/null
if ! grep -q '^CFG_SANITIZE:BOOL=ON' "$build/CMakeCache.txt"; then
    echo "$build was configured without CFG_SANITIZE; remove it or choose another BUILD_DIR" >&2
    exit 2
fi
cmake --build "$build" -j "${JOBS:-$(nproc)}"
cd "$build"
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
# Instrumented tests run several times slower than in the regular build.
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "${CTEST_JOBS:-$(nproc)}" --timeout 1800 "$@"
