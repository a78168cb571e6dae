#!/usr/bin/env bash
# The grid's clipboard on a real desktop: one program copies awkward cells (text, rich text and
# the grid's own cells), a second program pastes them into its grid. The second program's report
# and a screenshot with both windows go to $SHOTS.
source "$(dirname "$0")/lib.sh"
need_tools
start_display
report_copy=$shots/clipboard_copy.txt
report_paste=$shots/clipboard_paste.txt
rm -f "$report_copy" "$report_paste"
(GRID_CLIPBOARD_ROLE=copy GRID_CLIPBOARD_REPORT=$report_copy QT_QPA_PLATFORM=xcb exec "$build/bin/test_grid_extras" \
  --gtest_filter=GridClipboardWindow.InARealWindow >/dev/null 2>&1) &
app_pid=$!
for _ in $(seq 100); do [ -s "$report_copy" ] && break; sleep 0.1; done
GRID_CLIPBOARD_ROLE=paste GRID_CLIPBOARD_REPORT=$report_paste QT_QPA_PLATFORM=xcb "$build/bin/test_grid_extras" \
  --gtest_filter=GridClipboardWindow.InARealWindow >/dev/null 2>&1 &
paste_pid=$!
sleep 2
shot 60_clipboard_pasted
wait "$paste_pid"
cat "$report_paste"
