#!/usr/bin/env bash
# The string grid in a real window: 257 rows scrolled by the scroll bar (a page click and a thumb
# drag), the wheel and the keys; a click on a check box; a value typed and committed with Enter.
# Screenshots go to $SHOTS; the grid's final state is printed and checked.
source "$(dirname "$0")/lib.sh"
need_tools
start_display
report=$(mktemp /tmp/grid-input-report.XXXXXX)
(GRID_WINDOW=120 GRID_WINDOW_REPORT="$report" QT_QPA_PLATFORM=xcb exec "$build/bin/test_grid_stringgrid" \
  --gtest_filter=GxGridWindow.InARealWindow >/dev/null 2>&1) &
app_pid=$!

read -r _ wx wy < <(wait_window "String grid input")
gx=$((wx + 10)) gy=$((wy + 10))  # the grid's client origin
shot 50_grid_input
# The vertical bar lies right of the client area (380 - 17 wide); a click low in it pages down.
click_at $((gx + 380 - 9)) $((gy + 200))
shot 51_grid_paged_by_bar
# Back to the first page with the keys, then drag the thumb (now at the top of the bar) to the bottom.
click_at $((gx + 60)) $((gy + 50))
xdotool key ctrl+Home
sleep 0.3
xdotool mousemove $((gx + 380 - 9)) $((gy + 4)) mousedown 1
sleep 0.2
xdotool mousemove $((gx + 380 - 9)) $((gy + 150))
sleep 0.2
xdotool mousemove $((gx + 380 - 9)) $((gy + 255)) mouseup 1
sleep 0.4
shot 52_grid_thumb_dragged
grep '^top' "$report"
# Back to the top with the keys, then three notches of the wheel.
xdotool key ctrl+Home
sleep 0.2
xdotool mousemove $((gx + 120)) $((gy + 100))
for _ in 1 2 3; do xdotool click 5; sleep 0.1; done
shot 53_grid_wheel
xdotool key Down Down Page_Down
shot 54_grid_keys
grep '^top\|^row' "$report"
# A check box of the third row in view and a value typed into the cell beside it.
xdotool key ctrl+Home
sleep 0.2
click_at $((gx + 40 + 80 + 40 + 2)) $((gy + 20 + 2 * 21 + 10))
shot 55_grid_checked
click_at $((gx + 40 + 80 + 80 + 40 + 3)) $((gy + 20 + 2 * 21 + 10))
xdotool type 4711
xdotool key Return
shot 56_grid_value_committed
sleep 0.5
cat "$report"
grep -q '^checked 3$' "$report" && grep -q '^value 3 4711$' "$report" && echo "grid input: OK"
