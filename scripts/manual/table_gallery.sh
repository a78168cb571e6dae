#!/usr/bin/env bash
# The rule-table dialogs in a real window, one after the other: each is opened by its class name
# (table_gallery_window, a test program that creates the windows as the configurator does and
# shows one) on a configuration holding a sample of its table file, photographed, and its client
# size compared with the one its layout gives. Screenshots go to $SHOTS. Display: $DISPLAY_NUMBER.
#
# One line per dialog: class | client size | table file | sample table (one line of XML).
DISPLAY_NUMBER=${DISPLAY_NUMBER:-81}
source "$(dirname "$0")/lib.sh"
gallery=(
  'TFReceiveCAN|1010x337|CAN_Rec_Frames.xml|<Receive_Frames><row Enable="Y" COBID="0x100" CAN_Type="2.0A (11 bits)" Dim="8" TimeOut="500" Byte1="0" Byte2="1" Byte3="2" Byte4="3" Byte5="None" Byte6="None" Byte7="6" Byte8="7" Mnemonic="engine speed"/><row Enable="N" COBID="0x18FF0001" CAN_Type="2.0B (29 bits)" Dim="2" TimeOut="0" Byte1="100" Byte2="101" Mnemonic="disabled frame"/></Receive_Frames>'
  'TFEtherCATSlave|1200x337|EtherCAT_Slave.xml|<EtherCAT_Slave><EtherCAT_Slave_Variables><EtherCAT_Slave_To_Master><row Enable="Y" Type="Bool" Name="Run"/><row Enable="Y" Type="Bool" Name="Fault"/><row Enable="Y" Type="UInt16" Name="Speed"/><row Enable="Y" Type="String" Length="12" Name="Label"/></EtherCAT_Slave_To_Master><EtherCAT_Master_To_Slave><row Enable="Y" Type="Int32" Name="Setpoint"/></EtherCAT_Master_To_Slave></EtherCAT_Slave_Variables></EtherCAT_Slave>'
  'TFEtherNetIP_Master_Access|1180x337|EtherNetIP_Master_Rules.xml|<EtherNetIP_Master_Access><row Enable="Y" IP_Address="127.0.0.1" Start_Input="0" Num_Input="8" Start_Output="0" Num_Output="4" Time_Poll="100" Instance_T_O="1" Connection_Point_T_O="100" Instance_O_T="1" Connection_Point_O_T="101" Dim_Header_T_O="Default" Dim_Header_O_T="Default" Mnemonic="adapter"/></EtherNetIP_Master_Access>'
)
need_tools
start_display
make_program_folder
cp "$build/bin/table_gallery_window" "$program/"
project="$program/PROJECTS/demo"
status=0
for entry in "${gallery[@]}"; do
  IFS='|' read -r class size file sample <<<"$entry"
  printf '%s<!--SW_VERSION = 1.000-->' "$sample" >"$project/$file"
  (cd "$program" && exec ./table_gallery_window "$class") &
  app_pid=$!
  id=""
  for _ in $(seq 100); do
    id=$(xdotool search --onlyvisible --pid "$app_pid" 2>/dev/null | tail -n 1 || true)
    [ -n "$id" ] && break
    sleep 0.1
  done
  if [ -z "$id" ]; then
    echo "$class: no window" >&2
    status=1
  else
    sleep 1
    eval "$(xdotool getwindowgeometry --shell "$id")"
    shot "gallery_$class"
    if [ "${WIDTH}x${HEIGHT}" = "$size" ]; then
      echo "$class: client ${WIDTH}x${HEIGHT} as laid out"
    else
      echo "$class: client ${WIDTH}x${HEIGHT}, laid out $size" >&2
      status=1
    fi
  fi
  kill "$app_pid" 2>/dev/null || true
  wait "$app_pid" 2>/dev/null || true
  app_pid=""
done
exit "$status"
