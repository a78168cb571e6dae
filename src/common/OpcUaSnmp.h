// Records exchanged with the external OPC UA browse library, the converters between
// their codes and the texts the OPC UA dialogs show and store, and the checks of the
// SNMP manager dialog. Everything here is stateless.
#pragma once

#include <cstdint>
#include <string>

// The records exchanged with the browse library (its interface, with the platform's layout).
#include "common/OPC_UA_Search.h"

#pragma pack(push, 1)
struct TOPC_UA_Guid {
    uint32_t data1;
    uint16_t data2;
    uint16_t data3;
    uint8_t data4[8];
};
#pragma pack(pop)

static_assert(sizeof(TOPC_UA_Guid) == 16);

void OPC_UA_IdType_To_Str(int code, std::string& text);
int Str_To_OPC_UA_IdType(const std::string& text);

// The node identifier as text. `stringname` and `byteString` are the ANSI texts that the
// record's pointers refer to (nullptr for none).
void OPC_UA_NodeId_To_Str(const opcua_structure& node, const char* stringname, const char* byteString,
                          std::string& text);

void OPC_UA_DataType_To_Str(int code, std::string& text);
void OPC_UA_Auth_To_Str(int code, std::string& text);
int Str_To_OPC_UA_Auth(const std::string& text);
void OPC_UA_SecMode_To_Str(int code, std::string& text);
int Str_To_OPC_UA_SecMode(const std::string& text);
void OPC_UA_SecPolicy_To_Str(int code, std::string& text);
int Str_To_OPC_UA_SecPolicy(const std::string& text);

// Results of Check_OID, in the order it checks. The empty text starts with a dot (no first arc).
enum TOID_Check : int {
    kOidValid = 0,
    kOidTooLong = 1,       // longer than 61 characters
    kOidBadCharacter = 2,  // a character other than a digit or "."
    kOidStartsWithDot = 3,
    kOidEndsWithDot = 4,
    kOidDoubleDot = 5,    // two consecutive dots
    kOidArcTooLarge = 6,  // an arc above 4294967295
};
int Check_OID(const std::string& text);

// Results of Check_SNMPv3_String, in the order it checks.
enum TSNMPv3_Check : int {
    kSnmpValid = 0,
    kSnmpTooLong = 1,       // longer than 15 characters
    kSnmpTooShort = 2,      // shorter than 1 (user) or 8 (pass phrase) characters
    kSnmpBadCharacter = 3,  // a character other than an ASCII letter or digit
};
int Check_SNMPv3_String(const std::string& text, bool user);

// Bit 0 authentication, bit 1 privacy; -1 for an empty (or blank) text.
int Str_To_SNMP_Sec_Level(const std::string& text);

// Protocols using the second address of the Wi-Fi interface: returns their number.
int Get_WiFi2_Protocols(std::string& name1, std::string& name2);
