#!/usr/bin/env bash
# The rule-table dialogs in a real window, one after the other: each is opened by its class name
# (table_gallery_window, a test program that creates the windows as the configurator does and
# shows one) on a configuration holding a sample of its table file, photographed, and its client
# size compared with the one its layout gives. Screenshots go to $SHOTS. Display: $DISPLAY_NUMBER.
#
# One line per dialog: class | client size | table file | sample table (one line of XML) | what the
# opener would set up (table_gallery_window's third argument; the OPC UA browse runs on the test
# search library copied beside the program). The files stay in the configuration: a later dialog
# reads what an earlier one's line wrote (the DeviceNet offsets read the DeviceNet network's slaves).
# The IEC 61850 client's catalog holds one server model (written below), which the client shows
# picked in its list with its tree opened.
DISPLAY_NUMBER=${DISPLAY_NUMBER:-81}
source "$(dirname "$0")/lib.sh"
gallery=(
  'TFSetAccess|1040x337|ModbusM_SetAccess.xml|<EtherNetIP_to_Modbus><Modbus_Read><row Enable="Y" Slave_ID="1" Type="Holding Register" Address="0" NPoint="10" PollTime="1000" MaxError="0" Position="0" Bit="" Swap="N" SwapWord="Y" Index_Topic="" Mnemonic="boiler temperatures"/><row Enable="Y" Slave_ID="2" Type="Coil Status" Address="16" NPoint="8" PollTime="500" MaxError="3" Position="20" Bit="0" Swap="N" SwapWord="N" Index_Topic="" Mnemonic="pump states"/><row Enable="N" Slave_ID="3" Type="Input Register" Address="100" NPoint="2" PollTime="2000" MaxError="0" Position="21" Bit="" Swap="Y" SwapWord="N" Index_Topic="" Mnemonic="disabled meter"/></Modbus_Read><Modbus_Write><row Enable="Y" Slave_ID="1" Type="Holding Register" Address="200" NPoint="4" PollTime="0" OnChange="Y" OnCMD="N" MaxError="0" Position="0" Bit="" Swap="N" SwapWord="N" Mnemonic="set points"/></Modbus_Write></EtherNetIP_to_Modbus>'
  'TFModbus_TCP_Master_Set_Access|1150x337|ModbusTCPM_SetAccess.xml|<PROFINET_Master_to_Modbus_TCP_Master><Modbus_Read><row Enable="Y" IP_Address="127.0.0.1" Port="502" Slave_ID="1" Type="Holding Register" Address="0" NPoint="125" PollTime="1000" MaxError="0" Position="0" Bit="" Swap="N" SwapWord="N" Index_Topic="-1" Mnemonic="drive status"/><row Enable="Y" IP_Address="127.0.0.2" Port="1502" Slave_ID="5" Type="Input Status" Address="8" NPoint="16" PollTime="250" MaxError="5" Position="250" Bit="0" Swap="N" SwapWord="N" Index_Topic="-1" Mnemonic="limit switches"/></Modbus_Read><Modbus_Write><row Enable="Y" IP_Address="127.0.0.1" Port="502" Slave_ID="1" Type="Coil Status" Address="0" NPoint="8" PollTime="0" OnChange="Y" OnCMD="Y" MaxError="0" Position="0" Bit="0" Swap="N" SwapWord="N" Mnemonic="drive commands"/></Modbus_Write></PROFINET_Master_to_Modbus_TCP_Master>'
  'TFS7_Protocol_Set_Access|1350x337|S7_Protocol.xml|<S7_Protocol><S7_Protocol_Read><row Enable="Y" PLC_Address="127.0.0.1" PLC_Port="102" PLC_Type="S71200" Rack="0" Slot="1" Data_Type="Int" Data_Identifier="DB" DB_Number="10" PLC_Area="Flags (M) (Merker)" PLC_Add="0" PLC_Bit="0" PollTime="100" Position="0" Bit="0" Swap="N" SwapWord="N" Mnemonic="line speed"/><row Enable="Y" PLC_Address="127.0.0.1" PLC_Port="102" PLC_Type="S71200" Rack="0" Slot="1" Data_Type="Bit" Data_Identifier="DB" DB_Number="10" PLC_Area="Inputs (I)" PLC_Add="2" PLC_Bit="3" PollTime="100" Position="2" Bit="0" Swap="N" SwapWord="N" Mnemonic="door closed"/></S7_Protocol_Read><S7_Protocol_Write><row Enable="Y" PLC_Address="127.0.0.2" PLC_Port="102" PLC_Type="S7300" Rack="0" Slot="2" Data_Type="Real" Data_Identifier="DB" DB_Number="20" PLC_Area="Output (Q)" PLC_Add="4" PLC_Bit="0" PollTime="0" OnChange="Y" OnCMD="N" Position="0" Bit="0" Swap="N" SwapWord="N" Mnemonic="set point"/></S7_Protocol_Write></S7_Protocol>'
  'TFReceiveCAN|1010x337|CAN_Rec_Frames.xml|<Receive_Frames><row Enable="Y" COBID="0x100" CAN_Type="2.0A (11 bits)" Dim="8" TimeOut="500" Byte1="0" Byte2="1" Byte3="2" Byte4="3" Byte5="None" Byte6="None" Byte7="6" Byte8="7" Mnemonic="engine speed"/><row Enable="N" COBID="0x18FF0001" CAN_Type="2.0B (29 bits)" Dim="2" TimeOut="0" Byte1="100" Byte2="101" Mnemonic="disabled frame"/></Receive_Frames>'
  'TFTransmitCAN|1100x337|CAN_Send_Frames.xml|<Transmit_Frames><row Enable="Y" COBID="0x200" CAN_Type="2.0A (11 bits)" Dim="4" OnChange="Y" OnCMD="N" OnTimer="Y" Time="100" Byte1="0" Byte2="1" Byte3="None" Byte4="2499" Mnemonic="setpoints"/><row Enable="N" COBID="0x18FF0002" CAN_Type="2.0B (29 bits)" Dim="1" OnChange="N" OnCMD="Y" OnTimer="N" Time="" Byte1="10" Mnemonic="by command"/></Transmit_Frames>'
  'TFReceiveJ1939|876x337|J1939_Rec_Frames.xml|<Receive_J1939><row DP="0" PGN="61444" SA="0" TP="N" TP_Start="" TP_NByte="" Delete="Y" OnRequest="N" OnReq_Time="1000" Mnemonic="EEC1"/><row DP="0" PGN="65226" SA="3" TP="Y" TP_Start="0" TP_NByte="20" Delete="N" OnRequest="Y" OnReq_Time="500" Mnemonic="DM1"/></Receive_J1939>'
  'TFTransmitJ1939|800x337|J1939_Send_Frames.xml|<Transmit_J1939><row Priority="6" DP="0" PGN="65226" SA="0" TP_NByte="8" On_Request="Y" On_Data_Change="N" On_Timer="Y" SendTimer="1000" Mnemonic="DM1"/><row Priority="3" DP="0" PGN="61444" SA="0" T_Type="On Data Change" Mnemonic="older file"/></Transmit_J1939>'
  'TFReceiveNMEA|810x337|NMEA_Rec_Frames.xml|<Receive_NMEA_2000><row PGN="129029" SA="1" TP="N" FP="Y" TP_Start="0" TP_NByte="43" Delete="N" Mnemonic="GNSS position"/><row PGN="127250" SA="2" TP="N" FP="N" TP_Start="" TP_NByte="" Delete="Y" Mnemonic="heading"/></Receive_NMEA_2000>'
  'TFTransmitNMEA|810x337|NMEA_Send_Frames.xml|<Receive_NMEA_2000><row Priority="2" PGN="127250" SA="0" FP="N" TP_NByte="8" On_Request="N" On_Data_Change="Y" On_Timer="Y" SendTimer="100" Mnemonic="heading"/></Receive_NMEA_2000>'
  'TFDNet|745x337|DNETM_Net.xml|<DNET_Net><row ID="3" NB_IN="4" NB_OUT="2" Mnemonic="valve bank"/><row ID="12" NB_IN="0" NB_OUT="8" Mnemonic="drive"/></DNET_Net>'
  'TFDefOffset|482x610|DNETM_DefOff.xml|<Define_Offset><Nodo_DNET><ByteIN><row Offset="0" Mnemonic="status"/><row Offset="1" Mnemonic="inputs"/><row Offset="None" Mnemonic=""/><row Offset="3" Mnemonic="counter"/></ByteIN><ByteOUT><row Offset="100" Mnemonic="outputs"/><row Offset="101" Mnemonic=""/></ByteOUT></Nodo_DNET></Define_Offset>'
  'TFDMXDefVal|475x337|DMX_Default_Values.xml|<DMX_Default_Values><Row Default_Value="255" Mnemonic="dimmer 1"/><Row Default_Value="128" Mnemonic="dimmer 2"/><Row Default_Value="0" Mnemonic="colour"/></DMX_Default_Values>'
  'TFEtherCATSlave|1200x337|EtherCAT_Slave.xml|<EtherCAT_Slave><EtherCAT_Slave_Variables><EtherCAT_Slave_To_Master><row Enable="Y" Type="Bool" Name="Run"/><row Enable="Y" Type="Bool" Name="Fault"/><row Enable="Y" Type="UInt16" Name="Speed"/><row Enable="Y" Type="String" Length="12" Name="Label"/></EtherCAT_Slave_To_Master><EtherCAT_Master_To_Slave><row Enable="Y" Type="Int32" Name="Setpoint"/></EtherCAT_Master_To_Slave></EtherCAT_Slave_Variables></EtherCAT_Slave>'
  'TFEtherNetIP_Master_Access|1180x337|EtherNetIP_Master_Rules.xml|<EtherNetIP_Master_Access><row Enable="Y" IP_Address="127.0.0.1" Start_Input="0" Num_Input="8" Start_Output="0" Num_Output="4" Time_Poll="100" Instance_T_O="1" Connection_Point_T_O="100" Instance_O_T="1" Connection_Point_O_T="101" Dim_Header_T_O="Default" Dim_Header_O_T="Default" Mnemonic="adapter"/></EtherNetIP_Master_Access>'
  'TFProfinetFileName|540x205|ParGen.xml|<Par_Gen><PROFINET_NB_IN>100</PROFINET_NB_IN><PROFINET_NB_OUT>20</PROFINET_NB_OUT><PROFINET_NAME_STA>gateway-7</PROFINET_NAME_STA></Par_Gen>'
  'TFSet_PDO_Access|798x337|PDO_CANopen.xml|<PDO_CANopen><Receive_PDO><row COB-ID="0x201" Dimension="3" Address_B1="0" Address_B2="1" Address_B3="2" Address_B4="" Address_B5="" Address_B6="" Address_B7="" Address_B8="" TimeOut="100" Mnemonic="pressures"/><row COB-ID="0x202" Dimension="2" Address_B1="10" Address_B2="11" Address_B3="" Address_B4="" Address_B5="" Address_B6="" Address_B7="" Address_B8="" TimeOut="0" Mnemonic="valves"/></Receive_PDO><Transmit_PDO><row COB-ID="0x181" Dimension="1" Address_B1="20" Address_B2="" Address_B3="" Address_B4="" Address_B5="" Address_B6="" Address_B7="" Address_B8="" Send_Time="50" On_Change="Y" Mnemonic="state"/></Transmit_PDO></PDO_CANopen>'
  'TFSet_SDO_Client_Access|798x337|SDO_Client_CANopen.xml|<SDO_Client_CANopen><SDO_Read><row Device_ID="5" Index="0x6041" SubIndex="0" NByte="2" Poll_Time="100" Address_B1="10" Address_B2="11" Address_B3="" Address_B4="" Mnemonic="status word"/></SDO_Read><SDO_Write><row Device_ID="5" Index="0x6040" SubIndex="0" NByte="2" Poll_Time="0" On_Change="Y" Address_B1="20" Address_B2="21" Address_B3="" Address_B4="" Mnemonic="control word"/></SDO_Write></SDO_Client_CANopen>'
  'TFSet_SDO_Server_Access|749x337|SDO_Server_CANopen.xml|<SDO_Server_CANopen><SDO_Read><row Index="0x2000" SubIndex="1" NByte="4" Address_B1="0" Address_B2="1" Address_B3="2" Address_B4="3" Mnemonic="speed"/><row Index="0x2000" SubIndex="2" NByte="1" Address_B1="4" Address_B2="" Address_B3="" Address_B4="" Mnemonic="state"/></SDO_Read><SDO_Write><row Index="0x2001" SubIndex="0" NByte="2" Address_B1="10" Address_B2="11" Address_B3="" Address_B4="" Mnemonic="set point"/></SDO_Write></SDO_Server_CANopen>'
  'TFBACnet_Eng_Unit|548x306|ParGen.xml|<Par_Gen><BACnet_Master_Type>0</BACnet_Master_Type><BACnet_Type>0</BACnet_Type><BACnet_DEV_IDE>1234</BACnet_DEV_IDE></Par_Gen>'
  'TFBACnetAccess|1305x337|BACnet_Master_Access.xml|<BACnet_Master_Access><BACnet_Read><row Enable="Y" IP_Address_Slave_ID="127.0.0.1" Object_Type="Analog Input" Instance="1" Property="Present Value (85)" NumByte="4" Enable_Destination="N" Destination_Network="" Destination_Length="" Destination_Address="" PollTime="1000" MaxError="0" Position="0" StartBit="0" Mnemonic="supply air temperature"/><row Enable="Y" IP_Address_Slave_ID="127.0.0.2" Object_Type="Binary Input" Instance="3" Property="Present Value (85)" NumByte="1" Enable_Destination="Y" Destination_Network="5" Destination_Length="M3" Destination_Address="10,20,30" PollTime="500" MaxError="3" Position="4" StartBit="0" Mnemonic="fan running (routed)"/></BACnet_Read><BACnet_Write><row Enable="Y" IP_Address_Slave_ID="127.0.0.1" Object_Type="Analog Value" Data_Type="Real" Instance="7" Property="Present Value (85)" Priority="8" NumByte="4" Enable_Destination="N" Destination_Network="" Destination_Length="" Destination_Address="" OnChange="Y" OnTimer="N" PollTime="" MaxError="0" Position="0" StartBit="0" Mnemonic="set point"/></BACnet_Write></BACnet_Master_Access>'
  'TFImportEDEFile|863x337|BACnet_EDE_Sample.csv|# mandatory;mandatory;mandatory;mandatory;mandatory;optional;optional;'
  'TFBACnetSlaveSetAccess|764x337|BACnet_Slave.xml|<BACnet_to_Modbus><BACnet_in_Read><row Data_Type="Analog Input" Eng_Unit="62" Position="0" Bit="" Length="4" Swap="N" Mnemonic="Boiler temperature sensor 1"/><row Data_Type="Binary Input" Eng_Unit="95" Position="4" Bit="0" Length="" Swap="N" Mnemonic="pump running"/></BACnet_in_Read><BACnet_in_Write><row Data_Type="Analog Out" Eng_Unit="98" Position="0" Bit="" Length="4" Swap="N" Mnemonic="valve position"/></BACnet_in_Write></BACnet_to_Modbus>'
  'TFIEC61850_Variables|1155x337|IEC61850_Variables.xml|<IEC61850_Variables><row Enable="Y" Name="Busbar voltage" Type="Float" Length="4" ReadOnly="Y" Position="0" StartBit="" Conversion="None" MultiplicationFactor="None" Swap="N" SwapWord="N" Mnemonic="kV"/><row Enable="Y" Name="Breaker closed" Type="Digital (Bit)" Length="1" ReadOnly="N" Position="4" StartBit="3" Conversion="None" MultiplicationFactor="1,5" Swap="N" SwapWord="Y" Mnemonic="Q0"/><row Enable="N" Name="Spare" Type="Int" Length="2" ReadOnly="N" Position="8" StartBit="" Conversion="Int to Float" MultiplicationFactor="0.1" Swap="Y" SwapWord="N" Mnemonic=""/></IEC61850_Variables>'
  'TFTLS_Server_Known_Cert|800x337|TLS_Known_Cert.xml|<TLS_Server_Known_Cert><row Enable="Y" Certificate="-----BEGIN CERTIFICATE-----&#13;&#10;MIIBszCCAVmgAwIBAgIUQ2F0YWxvZ3VlIGdhdGV3YXkwCgYIKoZIzj0EAwIw&#13;&#10;-----END CERTIFICATE-----" Mnemonic="substation gateway"/><row Enable="N" Certificate="-----BEGIN CERTIFICATE-----&#13;&#10;MIIBrjCCAVSgAwIBAgIUU3BhcmUgc2VydmVyMAoGCCqGSM49BAMCMBQx&#13;&#10;-----END CERTIFICATE-----" Mnemonic="spare server"/></TLS_Server_Known_Cert>'
  'TFIEC_61850_Access|1200x550|IEC_61850_Client.xml|<IEC_68850_Client><List_ICD_Files><ICD_File Name="BAY1" FileName="gallery_bay.icd"/></List_ICD_Files><List_DA_Selected><DA_Item Index="0" bType="FLOAT32" fc="MX" Reference="BAY1MEAS/Q1MMXU1.TotW.mag.f" StartByte="0" NumByte="4" IPAddress="127.0.0.1" Port="102" OnChange="Y" OnCMD="N" OnTimer="N" Time="" Position="0" StartBit="" ReadWrite="Read" Convertion="None" MoltFact="None" Mnemonic="active power"/><DA_Item Index="0" bType="VisString255" fc="DC" Reference="BAY1LD0/LLN0.NamPlt.vendor" StartByte="0" NumByte="16" IPAddress="127.0.0.1" Port="102" OnChange="N" OnCMD="N" OnTimer="Y" Time="1000" Position="4" StartBit="" ReadWrite="Read" Convertion="None" MoltFact="None" Mnemonic="vendor"/></List_DA_Selected><List_DataSet_Selected><DataSet_Item Index="0" Reference="BAY1LD0/LLN0.Events" GooseName="GCB_Events" EnGoose="Y" IPAddress="127.0.0.1" Port="102" Time="" Mnemonic="bay events"><DataSet_List_DAs><DataSet_DA_Item bType="Enum" Reference="BAY1LD0/LLN0.Mod.stVal" Position="20" StartBit="" Convertion="None" MoltFact="None" Mnemonic="mode"/></DataSet_List_DAs></DataSet_Item></List_DataSet_Selected></IEC_68850_Client>'
  'TFOPC_UA_Client_Access|1150x660|OPC_UA_Client.xml|<OPC_UA_Client><OPC_UA_Server_List><OPC_UA_Server Enable="1" ServerAddress="opc.tcp://127.0.0.1:4840" Authorization="Anonymous" UserName="" Password="" Certificate="" PrivateKey="" SecurityType="None" SecurityPolicy="None" Mnemonic="boiler house"><OPC_UA_Variables><OPC_UA_Read_Var><Variable Enable="1" DisplayName="Temperature" NodeType="Numeric" NodeID="4294967295" VarType="Float" NameSpaceIndex="2" VarArray="Variable" Start="0" Length="0" OnChange="0" OnCMD="0" OnTimer="0" Time="500" Position="0" Mnemonic="flow temperature"/><Variable Enable="1" DisplayName="Pressure" NodeType="String" NodeID="Line1.Pressure" VarType="Double" NameSpaceIndex="2" VarArray="Variable" Start="0" Length="0" OnChange="0" OnCMD="0" OnTimer="0" Time="500" Position="4" Mnemonic=""/></OPC_UA_Read_Var><OPC_UA_Write_Var><Variable Enable="1" DisplayName="Setpoint" NodeType="Guid" NodeID="1A2B3C4D-ABCD-0102-DEAD-BEEF00010203" VarType="Int32" NameSpaceIndex="3" VarArray="Var" Start="0" Length="0" OnChange="1" OnCMD="0" OnTimer="1" Time="1000" Position="0" Mnemonic=""/></OPC_UA_Write_Var></OPC_UA_Variables></OPC_UA_Server><OPC_UA_Server Enable="0" ServerAddress="opc.tcp://127.0.0.2:4840" Authorization="Username and Password" UserName="operator" Password="secret" Certificate="" PrivateKey="" SecurityType="Sign" SecurityPolicy="Basic 256 SHA 256" Mnemonic="spare line"><OPC_UA_Variables><OPC_UA_Read_Var/><OPC_UA_Write_Var/></OPC_UA_Variables></OPC_UA_Server></OPC_UA_Server_List></OPC_UA_Client>'
  'TFOPC_UA_Add_Server|407x308|||anonymous'
  'TFOPC_UA_Add_Server|407x372|||user'
  'TFOPC_UA_Add_Server|407x508|||certificate'
  'TFOPC_UA_Scan_Server|1035x337|||opc.tcp://127.0.0.1:4840'
  'TFOPC_UA_Server_Access|1200x337|OPC_UA_Server.xml|<OPC_UA_Server><OPC_UA_Server_Variables><row Enable="Y" Type="Int32" Position="0" Length="4" Name="Speed" ReadWrite="Read/Write" Mnemonic="line speed"/><row Enable="Y" Type="String" Position="4" Length="32" Name="Recipe" ReadWrite="Read Only" Mnemonic=""/><row Enable="N" Type="Boolean" Position="36" Length="1" Name="Run" ReadWrite="Read/Write" Mnemonic="spare"/></OPC_UA_Server_Variables></OPC_UA_Server>'
  'TFMQTT_Set_Topic|1100x337|MQTT_Set_Topic.xml|<MQTT_Set_Topic><MQTT_Publish><row Topic="plant/boiler/temperature" Retained="N" QoS="1" DataType="Float" Dimension="4" Position="0" IPAddress="" InputTemplate="" Template="$VALUE$" OnChange="Y" OnTimer="Y" Time="1000" Mnemonic="boiler temperature"/><row Topic="plant/pump/state" Retained="Y" QoS="0" DataType="Int" Dimension="1" Position="4" IPAddress="" InputTemplate="" Template="{&quot;on&quot;:$VALUE$}" OnChange="Y" OnTimer="N" Time="" Mnemonic="pump state"/></MQTT_Publish><MQTT_Subscribe><row Topic="plant/setpoint" Retained="" QoS="2" DataType="Int" Dimension="2" Position="0" IPAddress="" Port="" EthType="" InputTemplate="" Template="$VALUE$" Mnemonic="set point"/></MQTT_Subscribe></MQTT_Set_Topic>'
  'TFSNMPManagerAccess|1230x337|SNMP_Manager.xml|<SNMP_Manager_Access><row Enable="Y" IP_Address="127.0.0.1" Version="2" Community_String="Morvel" OID="1.3.6.1.2.1.1.3.0" Type="Int" Mode="Get" On_Change="N" On_Command="N" On_Timer="Y" Time="1000" Position="0" Number_Bytes="4" ConvertFrom="None" Cancel="N" User="" Auth_Pass="" Priv_Pass="" Security_Level="" Auth_Mode="" Priv_Mode="" Mnemonic="uptime"/><row Enable="Y" IP_Address="127.0.0.2" Version="3" Community_String="" OID="1.3.6.1.4.1.32473.1.1.1.2" Type="Int" Mode="Set" On_Change="Y" On_Command="N" On_Timer="N" Time="" Position="10" Number_Bytes="2" ConvertFrom="Float * 10" Cancel="Y" User="operator" Auth_Pass="authpass1" Priv_Pass="privpass1" Security_Level="Auth Priv" Auth_Mode="SHA" Priv_Mode="AES" Mnemonic="set point"/></SNMP_Manager_Access>'
  'TFSNMP_Trap_Access|1256x337|SNMP_Trap.xml|<SNMP_Trap><SNMP_Trap_Read><row Enable="Y" Community_Name="Morvel" Type="Int" On_Change="Y" On_Command="N" On_Timer="N" Time="" Position="0" Bit="0" NumBits="16" Description="temp1" IP_Address="127.0.0.1" Conversion="None" Mnemonic="boiler temperature"/><row Enable="N" Community_Name="Morvel" Type="String" On_Change="N" On_Command="N" On_Timer="Y" Time="5000" Position="10" Bit="0" NumBits="8" Description="label" IP_Address="127.0.0.1" Conversion="None" Mnemonic="disabled"/><row Enable="Y" Community_Name="Drasken" Type="Int" On_Change="N" On_Command="Y" On_Timer="N" Time="" Position="20" Bit="3" NumBits="1" Description="alarm" IP_Address="127.0.0.1" Conversion="None" Mnemonic="alarm bit"/></SNMP_Trap_Read><SNMP_Trap_Write><row Enable="Y" Community_Name="Drasken" Type="Int" Position="0" Bit="0" NumBits="16" Description="setpoint" Conversion="Float / 10" Mnemonic="set point"/></SNMP_Trap_Write></SNMP_Trap>'
)
need_tools
start_display
make_program_folder
cp "$build/bin/table_gallery_window" "$program/"
cp "$build/opc_ua_search/list/libOPC_UA_Search.so" "$program/"
project="$program/PROJECTS/demo"
mkdir -p "$project/ICD_Catalog"
cat >"$project/ICD_Catalog/gallery_bay.icd" <<'SCL'
<SCL xmlns="http://www.iec.ch/61850/2003/SCL"><IED name="BAY1"><AccessPoint name="AP1"><Server>
<LDevice inst="LD0"><LN0 lnClass="LLN0" lnType="LLN0_T" inst=""><DataSet name="Events">
<FCDA ldInst="LD0" lnClass="LLN0" doName="Mod" daName="stVal" fc="ST"/><FCDA ldInst="LD0" lnClass="XCBR" doName="Pos" fc="ST"/>
</DataSet><GSEControl name="GCB_Events" datSet="Events"/></LN0>
<LN prefix="Q0" lnClass="XCBR" lnType="XCBR_T" inst="1"/></LDevice>
<LDevice inst="MEAS"><LN0 lnClass="LLN0" lnType="LLN0_T"/><LN prefix="Q1" lnClass="MMXU" lnType="MMXU_T" inst="1"/></LDevice>
</Server></AccessPoint></IED><DataTypeTemplates>
<LNodeType id="LLN0_T" lnClass="LLN0"><DO name="Mod" type="ENC"/><DO name="NamPlt" type="LPL"/></LNodeType>
<LNodeType id="XCBR_T" lnClass="XCBR"><DO name="Pos" type="DPC"/></LNodeType>
<LNodeType id="MMXU_T" lnClass="MMXU"><DO name="TotW" type="MV"/><DO name="A" type="WYE"/></LNodeType>
<DOType id="ENC" cdc="ENC"><DA name="stVal" bType="Enum" fc="ST" type="Mod_K"/><DA name="q" bType="Quality" fc="ST"/><DA name="t" bType="Timestamp" fc="ST"/></DOType>
<DOType id="LPL" cdc="LPL"><DA name="vendor" bType="VisString255" fc="DC"/><DA name="swRev" bType="VisString255" fc="DC"/></DOType>
<DOType id="DPC" cdc="DPC"><DA name="stVal" bType="Dbpos" fc="ST"/><DA name="q" bType="Quality" fc="ST"/><DA name="Oper" bType="Struct" fc="CO" type="Oper_T"/></DOType>
<DOType id="MV" cdc="MV"><DA name="mag" bType="Struct" fc="MX" type="AV"/><DA name="q" bType="Quality" fc="MX"/></DOType>
<DOType id="WYE" cdc="WYE"><SDO name="phsA" type="CMV"/><SDO name="phsB" type="CMV"/></DOType>
<DOType id="CMV" cdc="CMV"><DA name="cVal" bType="Struct" fc="MX" type="Vec"/></DOType>
<DAType id="AV"><BDA name="f" bType="FLOAT32"/></DAType><DAType id="Vec"><BDA name="mag" bType="Struct" type="AV"/></DAType>
<DAType id="Oper_T"><BDA name="ctlVal" bType="BOOLEAN"/><BDA name="T" bType="Timestamp"/></DAType>
</DataTypeTemplates></SCL>
SCL
status=0
for entry in "${gallery[@]}"; do
  IFS='|' read -r class size file sample setup <<<"$entry"
  [ -n "$file" ] && printf '%s<!--SW_VERSION = 1.000-->' "$sample" >"$project/$file"
  (cd "$program" && exec ./table_gallery_window "$class" ${setup:+"$setup"}) &
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
    shot "gallery_$class${setup:+_${setup//[^a-z]/}}"
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
