#pragma once
// The SNMP manager requests (TFSNMPManagerAccess) as a rule table: SNMP_Manager.xml, one grid of
// 512 requests (address, version, community or SNMPv3 user and pass phrases, OID, when and where
// the data lies), checked row by row and then for requests repeated on one address, version and
// OID.

#include "core/tables/TableDesc.h"

namespace tables::mqtt_snmp {

namespace snmp_manager {
inline constexpr int Enable = 1, IP_Address = 2, Version = 3, Community = 4, OID = 5, Type = 6, Mode = 7, OnChange = 8,
                     OnCMD = 9, OnTimer = 10, Time = 11, Position = 12, Num_Bytes = 13, Conversion = 14, Cancel = 15,
                     User = 16, Auth_Pass = 17, Priv_Pass = 18, Security_Level = 19, Auth_Mode = 20, Priv_Mode = 21,
                     Mnemonic = 22;
// Entries of the Position list.
inline constexpr int Positions = 1440;
// Characters typed into a community name.
inline constexpr int Community_Length = 15;
// A row whose OID is the empty text.
inline constexpr int Text_OID_Empty = 4689;
}  // namespace snmp_manager

const TDialogDesc& SNMP_Manager_Desc();

}  // namespace tables::mqtt_snmp
