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

# Step 2: the panel headers.
click_at $((mx + 165)) $((my + 174))
read -r _ px py < <(wait_window "Set Communication")
sleep 0.5
shot 30_pargen_panel_headers
click_at $((px + 335 + 55)) $((py + 700 - 20))  # Cancel
sleep 0.5

# Step 3: a name typed, Delete on it; the Length header double-clicked; the table paged down.
click_at $((mx + 165)) $((my + 218))
read -r _ ex ey < <(wait_window "EtherCAT Slave Set Access")
sleep 1
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
click_at $((ex + 1200 - 118 + 55)) $((ey + 337 - 40 + 6 + 14))  # Cancel
sleep 0.5
click_at $((mx + 165)) $((my + 218))
read -r _ ex ey < <(wait_window "EtherCAT Slave Set Access")
sleep 1
shot 34_ethercat_shown_again
click_at $((ex + 1200 - 118 + 55)) $((ey + 337 - 40 + 6 + 14))  # Cancel
sleep 0.5

# Step 4: the Dim Header list dropped; Enter takes "Default" and walks on.
click_at $((mx + 165)) $((my + 262))
read -r _ nx ny < <(wait_window "EtherNet/IP Slaves")
sleep 1
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
click_at $((nx + 1180 - 118 + 55)) $((ny + 337 - 40 + 6 + 14))  # Cancel
sleep 0.5

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
