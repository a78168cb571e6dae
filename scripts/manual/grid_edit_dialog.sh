#!/usr/bin/env bash
# A modal dialog with a string grid in a real window: a cell edited to a value its validation
# refuses, then OK clicked: the dialog stays open and reports the value; Escape and Cancel close
# it with the old value kept. Screenshots go to $SHOTS.
source "$(dirname "$0")/lib.sh"
need_tools
start_display
out=$(mktemp /tmp/grid-edit-dialog.XXXXXX)
(GRID_EDIT_WINDOW=60 QT_QPA_PLATFORM=xcb exec "$build/bin/test_grid_stringgrid" \
  --gtest_filter=GxGridEditDialog.InARealWindow >"$out" 2>&1) &
app_pid=$!

read -r _ wx wy < <(wait_window "Grid edit")
shot 50_grid_edit_dialog
xdotool type --delay 50 "12x"
shot 51_value_typed
click_at $((wx + 10 + 40)) $((wy + 220 + 14))  # OK
sleep 0.5
shot 52_ok_refused
xdotool search --onlyvisible --name "Grid edit" >/dev/null && echo "dialog still open after OK"
xdotool key Escape
click_at $((wx + 100 + 40)) $((wy + 220 + 14))  # Cancel
wait "$app_pid" || true
app_pid=""
grep "dialog result" "$out"
