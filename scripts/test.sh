#!/usr/bin/env bash
# Builds everything and runs the whole test suite. The tests in a real window show their windows
# on a virtual display of the run's own (Xvfb on a free display number, ended with the run) and
# drive them with its pointer and keys (tests/support/RealDisplay.h).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
build=$("$root/scripts/configure.sh" | tail -n 1)
jobs=$(nproc)
cmake --build "$build" -j "$jobs"

display_file=$(mktemp)
# Xvfb picks a free display number and writes it to the file once it takes connections.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$display_file" >/dev/null 2>&1 &
xvfb_pid=$!
trap 'kill "$xvfb_pid" 2>/dev/null || true; rm -f "$display_file"' EXIT
for _ in $(seq 100); do
  [ -s "$display_file" ] && break
  kill -0 "$xvfb_pid" 2>/dev/null || break
  sleep 0.1
done
if [ ! -s "$display_file" ]; then
  echo "The virtual display (Xvfb) did not start." >&2
  exit 1
fi
export CFG_TEST_DISPLAY=":$(head -n 1 "$display_file")"
echo "Virtual display for the tests in a real window: $CFG_TEST_DISPLAY"

cd "$build"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$jobs" --timeout 600
