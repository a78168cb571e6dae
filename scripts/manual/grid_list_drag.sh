#!/usr/bin/env bash
# A hidden column dragged with the mouse out of a list box onto the grid's first header cell in a
# real window: the column comes back there and its entry leaves the list. The report (header row,
# list entries) and screenshots go to $SHOTS.
source "$(dirname "$0")/lib.sh"
need_tools
start_display
report=$shots/list_drag_report.txt
rm -f "$report"
(GRID_LIST_DRAG_WINDOW=8 GRID_LIST_DRAG_REPORT=$report QT_QPA_PLATFORM=xcb exec "$build/bin/test_grid_extras" \
  --gtest_filter=HiddenColumnListWindow.InARealWindow >/dev/null 2>&1) &
app_pid=$!
read -r _ wx wy < <(wait_window "Hidden column drag")
wait_report "$report"
read -r _ fx fy < <(grep '^from' "$report")
read -r _ tx ty < <(grep '^to' "$report")
shot 72_list_before
press_and_move $((wx + fx)) $((wy + fy)) $((wx + tx)) $((wy + ty))
shot 73_list_drag_over_header
xdotool mouseup 1
sleep 0.5
shot 74_list_dropped
wait "$app_pid" || true
app_pid=""
cat "$report"
