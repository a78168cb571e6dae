#!/usr/bin/env bash
# Proportional scroll bars in a real window: two grids of 100 rows, the right one with 60 rows
# hidden. Its thumb must be about 100/40 times as long as the left one's; a drag of the right
# thumb to the bottom brings its last page into view. Screenshots go to $SHOTS.
source "$(dirname "$0")/lib.sh"
need_tools
start_display
report=$(mktemp /tmp/grid-scroll-report.XXXXXX)
(GRID_SCROLL_WINDOW=60 GRID_SCROLL_WINDOW_REPORT="$report" QT_QPA_PLATFORM=xcb exec "$build/bin/test_grid_stringgrid" \
  --gtest_filter=GxGridScrollBarsWindow.InARealWindow >/dev/null 2>&1) &
app_pid=$!

read -r _ wx wy < <(wait_window "Proportional scroll bars")
shot 60_grid_scroll_bars
cat "$report"
# The right grid's bar lies at the right of its client area (300 - 17 wide); its thumb starts at
# the top. Drag it to the bottom.
bx=$((wx + 320 + 300 - 9)) by=$((wy + 10))
xdotool mousemove "$bx" $((by + 6)) mousedown 1
sleep 0.2
xdotool mousemove "$bx" $((by + 120))
sleep 0.2
xdotool mousemove "$bx" $((by + 255)) mouseup 1
sleep 0.5
shot 61_grid_scroll_bars_dragged
sleep 0.3
cat "$report"
# Each grid's thumb share (page / (max + 1)) and whether the dragged grid reached its last page.
awk '{ share[$1] = $9 / ($11 + 1); top[$1] = $5; maxtop[$1] = $7 }
     END { printf "thumb share: all %.3f, hidden %.3f, ratio %.2f\n", share["all"], share["hidden"], share["hidden"] / share["all"];
           if (top["hidden"] == maxtop["hidden"] && share["hidden"] / share["all"] > 2) print "grid scroll bars: OK" }' "$report"
