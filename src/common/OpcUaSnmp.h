// Records exchanged with the external OPC UA browse library, the converters between
// their codes and the texts the OPC UA dialogs show and store, and the checks of the
// SNMP manager dialog. Everything here is stateless.
#pragma once

#include <cstdint>
#include <string>

// The library's records use 32-bit text pointers (8-bit, NUL-terminated, ANSI code page).
// On this platform a pointer field is kept as a 32-bit value; the helpers below take the
// pointed-to texts separately.
using opcua_text_ptr = uint32_t;

#pragma pack(push, 1)
struct opcua_server_to_discover {
    opcua_text_ptr server_address;
    int32_t user_pass_auth_flag;  // 0 anonymous, 1 user name and password, 2 certificate
    opcua_text_ptr username;
    opcua_text_ptr password;
    opcua_text_ptr cert;
    opcua_text_ptr priv_key;
    int32_t security_type;    // 0 none, 1 sign, 2 sign and encrypt
    int32_t security_policy;  // 0..5
};

struct opcua_structure {
    uint16_t nameSpaceIndex;
    uint16_t identifierType;  // 0 numeric, 3 string, 4 GUID, 5 byte string
    uint32_t numeric;
    opcua_text_ptr stringname;
    uint32_t stringLength;
    uint32_t guide1;
    uint16_t guide2;
    uint16_t guide3;
    uint8_t guide4[8];
    opcua_text_ptr byteString;
    uint32_t byteStringLength;
    opcua_text_ptr displayName;
    uint32_t displayNameLength;
    int32_t dataType;  // 0..14
    uint8_t accessLevel;
    uint8_t spare[3];
};

struct TOPC_UA_Guid {
    uint32_t data1;
    uint16_t data2;
    uint16_t data3;
    uint8_t data4[8];
};
#pragma pack(pop)

static_assert(sizeof(opcua_server_to_discover) == 32);
static_assert(sizeof(opcua_structure) == 56);
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
