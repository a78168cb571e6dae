#!/usr/bin/env bash
# The tests in a real window (tests/support/RealDisplay.h) on this display, to be looked at: each
# drives its window with the display's pointer and keys, checks what happened and saves a
# screenshot after each step in $SHOTS. Without arguments all of them run; else the suites named
# (for example: GxGridWindow GridPrintPreview). Display: $DISPLAY_NUMBER.
source "$(dirname "$0")/lib.sh"
need_tools
start_display
status=0
for binary in "$build"/bin/test_*; do
  [ -x "$binary" ] || continue
  # The listing names each suite on a line of its own ending in ".", its tests indented below.
  for suite in $("$binary" --gtest_list_tests --gtest_filter='*.InARealWindow' 2>/dev/null | sed -n 's/^\([A-Za-z0-9_]*\)\.$/\1/p'); do
    if [ $# -gt 0 ] && [[ " $* " != *" $suite "* ]]; then
      continue
    fi
    echo "== $suite ($(basename "$binary"))"
    SHOTS="$shots" QT_QPA_PLATFORM=xcb "$binary" --gtest_filter="$suite.InARealWindow" --gtest_brief=1 || status=1
  done
done
exit "$status"
