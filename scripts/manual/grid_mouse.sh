#!/usr/bin/env bash
# The string grid's mouse in a real window: a row dragged by its fixed cell shows the drop mark
# while the button is held and moves on release (OnRowMoved); a click on a link in an HTML cell
# hands it to the desktop's opener (recorded by the window, not opened). Screenshots go to $SHOTS;
# the events are printed and checked.
source "$(dirname "$0")/lib.sh"
need_tools
start_display
report=$(mktemp /tmp/grid-mouse-report.XXXXXX)
(GRID_WINDOW=60 GRID_WINDOW_REPORT="$report" QT_QPA_PLATFORM=xcb exec "$build/bin/test_grid_stringgrid" \
  --gtest_filter=GxGridMouseWindow.InARealWindow >/dev/null 2>&1) &
app_pid=$!

read -r _ wx wy < <(wait_window "String grid mouse")
gx=$((wx + 10)) gy=$((wy + 10))  # the grid's client origin (about: the border adds a pixel or two)
shot 60_grid_mouse
# Row 2 dragged by its fixed cell (column 0, 40 wide) down to row 6; rows are 20 high plus a line.
xdotool mousemove $((gx + 20)) $((gy + 2 * 21 + 10)) mousedown 1
sleep 0.2
xdotool mousemove $((gx + 20)) $((gy + 4 * 21 + 10))
sleep 0.2
xdotool mousemove $((gx + 20)) $((gy + 6 * 21 + 10))
sleep 0.4
shot 61_grid_row_move_mark
grep '^mark' "$report"
xdotool mouseup 1
sleep 0.4
shot 62_grid_row_moved
# The link of row 8 (column 3 starts at 40 + 80 + 80 + 3 lines).
click_at $((gx + 40 + 80 + 80 + 3 + 12)) $((gy + 8 * 21 + 8))
shot 63_grid_link_clicked
sleep 0.3
cat "$report"
grep -q '^moved 2 6$' "$report" && grep -q '^opened https://example.org/manual$' "$report" && echo "grid mouse: OK"
