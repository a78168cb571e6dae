#!/usr/bin/env bash
# A rich-text cell edited in a real window: the cell shows bold, raised, lowered and coloured
# text; a click on it opens the rich editor with the caret at the click; typed text and a new line
# grow the row; a click through the HTML hint onto another cell commits the edit. Screenshots go
# to $SHOTS; the grid's final state is printed and checked.
source "$(dirname "$0")/lib.sh"
need_tools
start_display
report=$(mktemp /tmp/grid-rich-report.XXXXXX)
(RICH_WINDOW=60 RICH_WINDOW_REPORT="$report" QT_QPA_PLATFORM=xcb exec "$build/bin/test_grid_stringgrid" \
  --gtest_filter=GxGridRichWindow.InARealWindow >/dev/null 2>&1) &
app_pid=$!

read -r _ wx wy < <(wait_window "Rich text cells")
gx=$((wx + 10)) gy=$((wy + 10))  # the grid's client origin
sleep 0.5
shot 60_rich_start
# Row 0 and the rows are 24 high with 1-pixel lines; column 0 is 30 wide, column 1 220.
click_at $((gx + 31 + 200)) $((gy + 25 + 12))
xdotool type --delay 60 " new"
xdotool key Return
xdotool type --delay 60 "line 2"
shot 61_rich_editing
cat "$report"
# The hint lies over the second column where the third row was before the first row grew; the
# click goes through it to the grid, which ends the edit.
read -r _ hx hy _ < <(grep '^hint' "$report" | cut -d' ' -f2-)
click_at $((hx + 30)) $((hy + 8))
shot 62_rich_committed
sleep 0.5
cat "$report"
grep -q '^editing 0$' "$report" && grep -q '^col 2$' "$report" &&
  grep -q '^text1 E = mc2 red H2O new||line 2$' "$report" && echo "rich edit: OK"
