#!/usr/bin/env bash
# The update dialog's option list by mouse: open the list, pick "Configuration", run the update
# against 127.0.0.1 and show what the job file holds. Screenshots go to $SHOTS.
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
sleep 3
shot 04_after_update
echo "operations in the job file:"
grep -o '<Ope_FileName>[^<]*' "$program/Ethernet_Update.xml" | sed 's/<Ope_FileName>/  /'
