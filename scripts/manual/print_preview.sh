#!/usr/bin/env bash
# The print preview window of a grid in a real window: the first page, the next page, the last
# page, one page back by key, then closed with its button. Screenshots go to $SHOTS.
source "$(dirname "$0")/lib.sh"
need_tools
start_display
(GRID_PRINT_PREVIEW_WINDOW=60 QT_QPA_PLATFORM=xcb exec "$build/bin/test_grid_extras" \
  --gtest_filter=GridPrintPreview.InARealWindow >"$shots/print_preview.txt" 2>&1) &
app_pid=$!

read -r _ wx wy < <(wait_window "Print preview")
shot 70_preview_first_page
click_at $((wx + 6 + 2 * 36 + 16)) $((wy + 16))  # ">"
shot 71_preview_next_page
click_at $((wx + 6 + 3 * 36 + 16)) $((wy + 16))  # ">|"
shot 72_preview_last_page
xdotool key Prior
shot 73_preview_page_up
click_at $((wx + 520 - 40)) $((wy + 16))         # "Close"
wait "$app_pid" || true
app_pid=""
cat "$shots/print_preview.txt" | grep "preview closed"
