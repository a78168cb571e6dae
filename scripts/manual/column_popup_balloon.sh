#!/usr/bin/env bash
# The column grid in a real window: a right click on the "Kind" header opens the column's popup
# menu under the header cell (OnColumnPopup first); Down, Down, Enter picks "Sort descending";
# the mouse resting on a cell of the "Note" column shows its balloon (title, info icon, wrapped
# text, the stem pointing at the mouse), and moving to another cell takes it away and brings that
# cell's balloon after the short reshow delay. Screenshots go to $SHOTS; the events are printed and
# checked.
source "$(dirname "$0")/lib.sh"
need_tools
start_display
report=$(mktemp /tmp/column-window-report.XXXXXX)
(GRID_WINDOW=60 GRID_WINDOW_REPORT="$report" QT_QPA_PLATFORM=xcb exec "$build/bin/test_grid_columngrid" \
  --gtest_filter=GxColumnGridWindow.InARealWindow >/dev/null 2>&1) &
app_pid=$!

read -r _ wx wy < <(wait_window "Column grid popup and balloon")
gx=$((wx + 10)) gy=$((wy + 10))  # the grid's client origin (the border adds a pixel or two)
shot 70_column_grid
# The "Kind" header: columns 40, 110, 110 wide with one-pixel lines; row 0 is 20 high.
xdotool mousemove $((gx + 40 + 110 + 2 + 50)) $((gy + 10))
sleep 0.3
xdotool click 3
sleep 0.6
shot 71_column_popup_open
xdotool key Down Down Return
sleep 0.5
# The "Note" cell of row 3 holds a long bold text.
xdotool mousemove $((gx + 40 + 110 + 110 + 3 + 30)) $((gy + 3 * 21 + 10))
sleep 1.2
shot 72_cell_balloon
grep '^balloon' "$report"
xdotool mousemove $((gx + 40 + 110 + 110 + 3 + 30)) $((gy + 5 * 21 + 10))
sleep 0.15
shot 73_next_cells_balloon
sleep 0.3
cat "$report"
grep -q '^popup 2 0$' "$report" && grep -q '^clicked Sort descending$' "$report" &&
  grep -q '^balloon 3 3 Bold note' "$report" && echo "column popup and balloon: OK"
