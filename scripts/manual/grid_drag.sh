#!/usr/bin/env bash
# Cell drag and drop with the mouse in a real window: a cell of the left grid is dragged onto the
# right grid (a move). The right grid's cells and a screenshot go to $SHOTS.
source "$(dirname "$0")/lib.sh"
need_tools
start_display
report=$shots/drag_report.txt
rm -f "$report"
(GRID_DRAG_WINDOW=8 GRID_DRAG_REPORT=$report QT_QPA_PLATFORM=xcb exec "$build/bin/test_grid_extras" \
  --gtest_filter=GridCellDragWindow.InARealWindow >/dev/null 2>&1) &
app_pid=$!
read -r _ wx wy < <(wait_window "Cell drag")
wait_report "$report"
read -r _ fx fy < <(grep '^from' "$report")
read -r _ tx ty < <(grep '^to' "$report")
press_and_move $((wx + fx)) $((wy + fy)) $((wx + tx)) $((wy + ty))
shot 70_drag_over_target
xdotool mouseup 1
sleep 0.5
shot 71_drag_dropped
wait "$app_pid" || true
app_pid=""
cat "$report"
