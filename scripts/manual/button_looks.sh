#!/usr/bin/env bash
# The push buttons' looks in the main window: at rest, under the mouse (a step button, the
# information button) and held down. Screenshots go to $SHOTS.
source "$(dirname "$0")/lib.sh"
need_tools
start_display
make_program_folder
start_program

read -r _ mx my < <(wait_window "Configurator")
xdotool mousemove $((mx + 600)) $((my + 450))
shot 10_main_buttons_at_rest
xdotool mousemove $((mx + 80 + 60)) $((my + 156 + 18))  # Set Communication (bsNormal)
shot 11_hover_step_normal
xdotool mousemove $((mx + 80 + 60)) $((my + 200 + 18))  # EtherCAT Set Access
shot 12_hover_step
xdotool mousemove $((mx + 516 + 25)) $((my + 8 + 25))  # Information
shot 13_hover_information
xdotool mousemove $((mx + 80 + 60)) $((my + 244 + 18)) mousedown 1
shot 14_pressed_step
xdotool mousemove $((mx + 600)) $((my + 450)) mouseup 1
