#!/usr/bin/env bash
# Drop-down windows on a real display: opened by their buttons next to their edits in the middle,
# at the right edge and at the bottom of the screen, and closed by a press outside. Screenshots go
# to $SHOTS.
DISPLAY_NUMBER=${DISPLAY_NUMBER:-98}
source "$(dirname "$0")/lib.sh"
need_tools
start_display
"$build/bin/dropdown_window_check" &
app_pid=$!
read -r _ wx wy < <(wait_window "Drop-down check")
sleep 0.5
shot dd_01_closed
# The buttons sit at the right end of each 200-wide edit, 21 high.
button() { echo $((wx + $1 + 200 - 10)) $((wy + $2 + 10)); }
click_at $(button 100 100)
shot dd_02_middle_open
click_at $((wx + 700)) $((wy + 700))  # outside: closes
shot dd_03_middle_closed
read -r sw _ < <(xdotool getdisplaygeometry)
click_at $(button $((sw - 220)) 300)
shot dd_04_right_open
click_at $((wx + 700)) $((wy + 700))
read -r _ sh < <(xdotool getdisplaygeometry)
click_at $(button 300 $((sh - 40)))
shot dd_05_bottom_open
xdotool key Escape
shot dd_06_bottom_closed
