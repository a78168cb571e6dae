#!/usr/bin/env bash
# Steps 3 to 6 by keyboard and mouse: ten variables typed into each EtherCAT table (Enter walks
# the cells), a box unticked, OK; one EtherNet/IP connection typed and one imported from an EDS
# file, OK; the ESI file; Update Device against 127.0.0.1 by the stand-in updater. Prints the two
# table files and the update job; screenshots go to $SHOTS. Display: $DISPLAY_NUMBER.
source "$(dirname "$0")/lib.sh"
need_tools
start_display
make_program_folder
# The firmware image the update job sends first (the stand-in updater only checks that it exists).
head -c 4096 /dev/zero | tr '\0' 'Z' >"$program/MASTER/Sim58E26.sim"
# Enter walks the table cells.
sed -i 's|</Conf_Settings>|<lastinternet><enable_jump_field_tables>1</enable_jump_field_tables></lastinternet></Conf_Settings>|' \
  "$program/Brevandor.xml"
# The shared test data as the build was configured with it (beside the project by default).
testdata=$(sed -n 's/^CFG_TESTDATA_DIR:PATH=//p' "$build/CMakeCache.txt" 2>/dev/null || true)
eds=${EDS_FILE:-${testdata:-$root/../shared/testdata}/eds/opener_sample_app.eds}
start_program

keys() { for k in "$@"; do case "$k" in ENTER) xdotool key Return ;; *) xdotool type --delay 30 "$k" ;; esac; sleep 0.15; done; }

read -r _ mx my < <(wait_window "Configurator")
sleep 1
click_at $((mx + 80 + 85)) $((my + 200 + 18))  # step 3
read -r _ ex ey < <(wait_window "EtherCAT Slave")
sleep 1
shot 10_ethercat_empty
types=(Bool Bool Bool Int8 Int16 UInt16 Int32 UInt32 Float32 String)
click_at $((ex + 40 + 25)) $((ey + 69 + 21 + 22 + 22 + 10))  # untick row 2 (a disabled row inside the Bool run)
click_at $((ex + 40 + 50 + 60)) $((ey + 69 + 21 + 22 + 10))  # slave to master, row 1, Type
# In a Type cell the typed name picks the list item and Enter takes it and walks on, as in any
# other cell. Read-only cells (Length of a fixed type, Position, Start Bit) are walked over.
for i in $(seq 0 9); do
  keys "${types[$i]}" ENTER ENTER "in$i" ENTER "$i" ENTER ENTER ENTER "m$i" ENTER ENTER
done
shot 11_ethercat_slave_to_master
click_at $((ex + 150)) $((ey + 69 + 10))  # Master To Slave tab
sleep 0.5
click_at $((ex + 40 + 50 + 60)) $((ey + 69 + 21 + 22 + 10))
for i in $(seq 0 9); do
  keys "${types[$((9 - i))]}" ENTER ENTER "out$i" ENTER ENTER ENTER "m$i" ENTER ENTER
done
shot 12_ethercat_master_to_slave
click_at $((ex + 1200 - 236 + 55)) $((ey + 337 - 40 + 6 + 14))  # OK
sleep 0.5

click_at $((mx + 80 + 85)) $((my + 244 + 18))  # step 4
read -r _ nx ny < <(wait_window "EtherNet/IP Slaves")
sleep 1
click_at $((nx + 40 + 50 + 55)) $((ny + 69 + 22 + 10))  # row 1, IP Address
# Enter takes the Dim Header lists' text and walks on, as in any other cell.
keys 127.0.0.1 ENTER 0 ENTER 8 ENTER 0 ENTER 4 ENTER 100 ENTER 1 ENTER 100 ENTER 1 ENTER 101 ENTER Default ENTER \
  Default ENTER typed ENTER
shot 13_ethernetip_typed
click_at $((nx + 16 + 4 * 118 + 24 + 55)) $((ny + 337 - 40 + 6 + 14))  # Import EDS
sleep 1.5
shot 14_open_dialog
click_at 627 624  # the open dialog's file name box (the dialog opens centred on the screen)
xdotool type --delay 20 "$eds"
shot 14_open_dialog_file
xdotool key Return
read -r _ dx dy < <(wait_window "EDS Decode")
sleep 0.8
shot 15_eds_list
click_at $((dx + 300)) $((dy + 69 + 22 + 22 + 10))  # second connection
click_at $((dx + 1150 - 236 + 55)) $((dy + 337 - 40 + 6 + 14))  # OK
sleep 0.8
click_at $((nx + 40 + 50 + 55)) $((ny + 69 + 22 + 22 + 10))  # row 2, IP Address
keys 127.0.0.2 ENTER 8 ENTER 4 ENTER 4 ENTER 4 ENTER 50 ENTER
shot 16_ethernetip_imported
click_at $((nx + 1180 - 236 + 55)) $((ny + 337 - 40 + 6 + 14))  # OK
sleep 0.5
shot 17_main_after

# Step 5: the ESI file, saved into the configuration folder.
click_at $((mx + 80 + 85)) $((my + 288 + 18))
sleep 1.5
shot 18_esi_save_dialog
click_at 627 624  # the save dialog's file name box
xdotool type --delay 20 "$program/PROJECTS/demo/demo_esi"
xdotool key Return
sleep 1.5
shot 19_after_esi
# Step 6: Update Device against the loopback address (the settings name it), by the stand-in updater.
click_at $((mx + 80 + 85)) $((my + 332 + 18))
sleep 1.5
shot 20_update_dialog
click_at $((mx + 351)) $((my + 336))  # Execute Update Firmware
sleep 3
shot 21_update_started
click_at $((mx + 591)) $((my + 363))  # OK on the stand-in updater's report
sleep 0.5
click_at $((mx + 504)) $((my + 336))  # Cancel closes the update dialog
sleep 0.5
echo "--- Ethernet_Update.xml"; cat "$program/Ethernet_Update.xml" 2>/dev/null || echo "(no update job)"; echo
ls -l "$program/PROJECTS/demo" "$program/PROJECTS/demo/bin"
echo "--- EtherCAT_Slave.xml"; cat "$program/PROJECTS/demo/EtherCAT_Slave.xml"; echo
echo "--- EtherNetIP_Master_Rules.xml"; cat "$program/PROJECTS/demo/EtherNetIP_Master_Rules.xml"; echo
