#!/usr/bin/env bash
# The string grid in a real window: the variable table of the EtherCAT slave dialog, scrolled by
# its scroll bar, the mouse wheel and the keys. Screenshots go to $SHOTS.
source "$(dirname "$0")/lib.sh"
need_tools
start_display
(GX_GRID_WINDOW=60 QT_QPA_PLATFORM=xcb exec "$build/bin/test_grid_stringgrid" \
  --gtest_filter=GxGridRender.InARealWindow >/dev/null 2>&1) &
app_pid=$!

read -r _ wx wy < <(wait_window "Variable table")
shot 50_grid_shown
click_at $((wx + 1000 - 22)) $((wy + 200))  # the vertical scroll bar below its thumb
shot 51_grid_page_down
click_at $((wx + 300)) $((wy + 100))        # a Name cell
for _ in $(seq 15); do xdotool click 5; done
shot 52_grid_wheel_down
xdotool key ctrl+Home
shot 53_grid_ctrl_home
