#!/usr/bin/env bash
# The grid's editor controls in a real window: the date picker's calendar dropped down by a
# click on its button, moved by keys and picked with Enter; the spin edit stepped by its button.
# Screenshots go to $SHOTS.
source "$(dirname "$0")/lib.sh"
need_tools
start_display
(EDITOR_CONTROLS_WINDOW=60 QT_QPA_PLATFORM=xcb exec "$build/bin/test_grid_base" \
  --gtest_filter=EditorControlsGallery.InARealWindow >/dev/null 2>&1) &
app_pid=$!

read -r _ wx wy < <(wait_window "Editor controls")
shot 40_editor_controls
click_at $((wx + 10 + 180 - 9)) $((wy + 10 + 11))  # the date picker's drop-down button
shot 41_calendar_dropped
xdotool key Right Down
shot 42_calendar_moved
xdotool key Return
shot 43_date_picked
click_at $((wx + 10 + 150 - 12)) $((wy + 146 + 5))  # the spin edit's up button
shot 44_spin_stepped
