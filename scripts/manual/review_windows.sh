#!/usr/bin/env bash
# What users expect of the windows, looked at in the real program: the communication settings'
# panel headers; in the EtherCAT table Delete on a cell, a header double click sizing "Length",
# a table shown again at row 1; the EtherNet/IP Dim Header list offering "Default" and Enter
# walking on from it; the open dialog taking a double click and Enter; the message about an
# unreadable settings file. Screenshots go to $SHOTS. Display: $DISPLAY_NUMBER.
source "$(dirname "$0")/lib.sh"
need_tools
start_display
make_program_folder
mkdir -p "$program/PROJECTS/other"
sed -i 's|</Conf_Settings>|<lastinternet><enable_jump_field_tables>1</enable_jump_field_tables><Double_Click_Auto_Size>1</Double_Click_Auto_Size></lastinternet></Conf_Settings>|' \
  "$program/Brevandor.xml"
start_program
read -r _ mx my < <(wait_window "Configurator")
sleep 1

# A step's window opened by its button of the main window; prints "x y" of the window.
open_step() {
  click_at $((mx + 165)) $((my + $1))
  read -r _ wx wy < <(wait_window "$2")
  sleep 1
  echo "$wx $wy"
}
# The Cancel button of a table dialog as wide as the first argument, at the window's "x y".
cancel_table() {
  click_at $(($2 + $1 - 118 + 55)) $(($3 + 337 - 40 + 6 + 14))
  sleep 0.5
}

# Step 2: the panel headers.
read -r px py < <(open_step 174 "Set Communication")
shot 30_pargen_panel_headers
click_at $((px + 335 + 55)) $((py + 700 - 20))  # Cancel
sleep 0.5

# Step 3: a name typed, Delete on it; the Length header double-clicked; the table paged down.
read -r ex ey < <(open_step 218 "EtherCAT Slave Set Access")
row1=$((ey + 69 + 21 + 22 + 10))
click_at $((ex + 360)) "$row1"  # row 1, Name
xdotool type --delay 30 "abc"
xdotool key Return
click_at $((ex + 360)) "$row1"
xdotool key Delete
sleep 0.3
shot 31_ethercat_delete_on_a_name
xdotool key Escape
xdotool mousemove $((ex + 40 + 50 + 120 + 50)) $((ey + 69 + 21 + 10))  # the Length header
sleep 0.2
xdotool click --repeat 2 --delay 60 1
sleep 0.4
shot 32_ethercat_length_sized
click_at $((ex + 360)) "$row1"
for _ in 1 2 3 4 5; do xdotool key Page_Down; done
sleep 0.3
shot 33_ethercat_paged_down
cancel_table 1200 "$ex" "$ey"
read -r ex ey < <(open_step 218 "EtherCAT Slave Set Access")
shot 34_ethercat_shown_again
cancel_table 1200 "$ex" "$ey"

# Step 4: the Dim Header list dropped; Enter takes "Default" and walks on.
read -r nx ny < <(open_step 262 "EtherNet/IP Slaves")
dim=$((nx + 40 + 50 + 110 + 80 + 80 + 85 + 85 + 80 + 105 + 120 + 105 + 120 + 60))
click_at "$dim" $((ny + 69 + 22 + 10))  # row 1, Dim Header T > O
click_at "$dim" $((ny + 69 + 22 + 10))  # a click on the current cell opens its editor
xdotool key alt+Down
sleep 0.4
shot 35_ethernetip_dim_header_list
xdotool key Down
sleep 0.2
xdotool key Return
sleep 0.3
shot 36_ethernetip_enter_walked_on
cancel_table 1180 "$nx" "$ny"

# The open dialog: a double click on the first entry, then the last by keys and Enter.
click_at $((mx + 340)) $((my + 130))
read -r _ ox oy < <(wait_window "Open Configuration")
sleep 0.5
shot 37_open_dialog
xdotool mousemove $((ox + 12 + 40)) $((oy + 94 + 7))
sleep 0.2
xdotool click --repeat 2 --delay 60 1
sleep 0.5
shot 38_opened_by_double_click
click_at $((mx + 340)) $((my + 130))
read -r _ ox oy < <(wait_window "Open Configuration")
sleep 0.5
xdotool key End Return
sleep 0.5
shot 39_opened_by_enter
click_at $((mx + 632 + 25)) $((my + 8 + 25))  # Close
wait "$app_pid" || true

# An unreadable settings file: the message at start-up.
echo "<Conf_Settings><lastproj>" >"$program/Brevandor.xml"
start_program
sleep 2
shot 40_unreadable_settings
xdotool key Return
sleep 1
