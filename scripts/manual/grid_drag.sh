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
for _ in $(seq 50); do [ -s "$report" ] && break; sleep 0.1; done
read -r _ fx fy < <(grep '^from' "$report")
read -r _ tx ty < <(grep '^to' "$report")
xdotool mousemove $((wx + fx)) $((wy + fy))
sleep 0.3
xdotool mousedown 1
for step in 1 2 3 4 5 6 7 8 9 10; do
  xdotool mousemove $((wx + fx + (tx - fx) * step / 10)) $((wy + fy + (ty - fy) * step / 10))
  sleep 0.1
done
shot 70_drag_over_target
xdotool mouseup 1
sleep 0.5
shot 71_drag_dropped
wait "$app_pid" || true
app_pid=""
cat "$report"
