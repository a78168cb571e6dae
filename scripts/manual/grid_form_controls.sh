#!/usr/bin/env bash
# The form controls of an HTML cell in a real window: a click on the edit opens it over the
# control, typed text goes in with Tab, the combo drops down and takes a choice, Tab skips the check
# box to the password field, and Enter writes it; a click on the check box ticks it. Screenshots go
# to $SHOTS; the cell text is printed and checked.
source "$(dirname "$0")/lib.sh"
need_tools
start_display
report=$(mktemp /tmp/grid-controls-report.XXXXXX)
(GRID_CONTROLS_WINDOW=60 GRID_CONTROLS_REPORT="$report" QT_QPA_PLATFORM=xcb exec "$build/bin/test_grid_stringgrid" \
  --gtest_filter=GxGridCellControlWindow.InARealWindow >/dev/null 2>&1) &
app_pid=$!

read -r _ wx wy < <(wait_window "Grid form controls")
# The cell (1, 1) starts right of the 40-pixel fixed column, below the header row; its controls are
# 60 pixels wide each, except the 16-pixel check box.
cx=$((wx + 10 + 41 + 3)) cy=$((wy + 10 + 25 + 12))
shot 60_form_cell
click_at $((cx + 20)) "$cy"
shot 61_edit_open
xdotool key ctrl+a
xdotool type "typed"
xdotool key Tab
sleep 0.4
shot 62_combo_dropped
xdotool key Escape Down
sleep 0.2
xdotool key Tab
sleep 0.4
shot 63_password_open
xdotool type "x"
xdotool key Return
sleep 0.4
click_at $((cx + 120 + 8)) "$cy"
shot 64_checked
sleep 0.5
cat "$report"
grep -q 'ID="e1" VALUE="typed"' "$report" && grep -q 'ID="k1" VALUE="TRUE"' "$report" && echo "form controls: OK"
