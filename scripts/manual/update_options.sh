#!/usr/bin/env bash
# The update dialog's option list by mouse: open the list, pick "Configuration", run the update
# against 127.0.0.1, see the updater's verdict window and what the job file holds; then pick
# "Firmware" (no firmware image ships): the updater's refusal. Screenshots go to $SHOTS.
source "$(dirname "$0")/lib.sh"
need_tools
start_display
make_program_folder
start_program

read -r _ mx my < <(wait_window "Configurator")
click_at $((mx + 80 + 85)) $((my + 332 + 18))  # step 6, Update Device
read -r _ dx dy < <(wait_window "Update Device")
shot 01_update_dialog
click_at $((dx + 12 + 100)) $((dy + 140 + 10))  # the option box
shot 02_option_list_open
click_at $((dx + 12 + 60)) $((dy + 161 + 1 + 2 * 15 + 7))  # third row
shot 03_option_picked
click_at $((dx + 139 + 90)) $((dy + 190 + 6 + 14))  # Execute Update Firmware
read -r _ vx vy < <(wait_window "Ethernet Update")
shot 04_updater_accepts
echo "operations in the job file:"
grep -o '<Ope_FileName>[^<]*' "$program/Ethernet_Update.xml" | sed 's/<Ope_FileName>/  /'
click_at $((vx + 620 - 16 - 55)) $((vy + 300 - 40 + 14))  # OK

click_at $((dx + 12 + 100)) $((dy + 140 + 10))
click_at $((dx + 12 + 60)) $((dy + 161 + 1 + 1 * 15 + 7))  # second row: Firmware
click_at $((dx + 139 + 90)) $((dy + 190 + 6 + 14))
read -r _ vx vy < <(wait_window "Ethernet Update")
shot 05_updater_refuses
click_at $((vx + 620 - 16 - 55)) $((vy + 300 - 40 + 14))
