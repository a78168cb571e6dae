#pragma once
// The OPC UA client configuration in memory: the servers the converter connects to as a client,
// each with the variables it reads into the internal data array and those it writes from it.
// The client dialog edits it through its grids, OPCUAClientFile stores it, and browse results
// become variables of it. GUI-free.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace tables::opcua {

// Identifier type codes of a node.
inline constexpr std::uint16_t IdType_Numeric = 0;
inline constexpr std::uint16_t IdType_String = 3;
inline constexpr std::uint16_t IdType_Guid = 4;
inline constexpr std::uint16_t IdType_ByteString = 5;

// One variable of a server. The texts are kept as typed; the node identifier, its type, the
// namespace index and the data type are kept decoded.
class TOPC_UA_Variable {
public:
    bool Enable = false;
    std::string DispalyName;  // the key of a variable row (spelled so)
    std::string ReadWrite;    // declared, never set
    std::string OnChange;     // write variables: "Y" writes when the value changes
    std::string OnCMD;        // write variables: "Y" writes on command
    std::string OnTimer;      // write variables: "Y" writes every Time milliseconds
    std::string VarArray;     // read variables: "Variable" or "Array"
    std::string Start;
    std::string Len;
    std::string Time;
    std::string Position;  // first byte in the internal data array
    std::string Mnemonic;

    std::uint16_t nameSpaceIndex = 0;
    std::uint16_t identifierType = IdType_Numeric;
    std::uint32_t numeric = 0;
    std::string stringname;
    std::uint32_t guide1 = 0;
    std::uint16_t guide2 = 0;
    std::uint16_t guide3 = 0;
    std::array<std::uint8_t, 8> guide4{};
    std::string byteString;
    std::int32_t dataType = 0;
    // A numeric identifier given as something that is not a number from 0 to 4294967295 (the
    // empty text included): Bad_Numeric is set and Typed_NodeID keeps the text (numeric is then
    // 0). NodeID() gives it back, so the grid and the file keep what the user wrote, and the data
    // check refuses it.
    bool Bad_Numeric = false;
    std::string Typed_NodeID;

    // "Numeric", "String", "Guid", "ByteString" or empty; written upper-case-insensitively, any
    // other text giving Numeric.
    std::string NodeType() const;
    void SetNodeType(const std::string& text);
    // The identifier as text by the current identifier type: set the node type first.
    std::string NodeID() const;
    void SetNodeID(const std::string& text);
    // The data type's text: codes 1 to 14 by name, every other code "Boolean".
    std::string VarType() const;
    void SetVarType(const std::string& text);
};

// One server entry; the server owns its two variable lists.
class TOPC_UA_Server {
public:
    bool Enable = false;
    std::string ServerAddress;
    std::string Authorization;  // "Anonymous", "Username and Password" or "Certificate"
    std::string UserName;
    std::string Password;     // plain text
    std::string Certificate;  // plain text, possibly several lines
    std::string PrivateKey;   // plain text, possibly several lines
    std::string SecurityType;
    std::string SecurityPolicy;
    std::string Mnemonic;
    std::vector<TOPC_UA_Variable> Var_List_R;
    std::vector<TOPC_UA_Variable> Var_List_W;
};

using TOPC_UA_Server_List = std::vector<TOPC_UA_Server>;

// A numeric node identifier: a whole number from 0 to 4294967295 in decimal, or in hexadecimal
// after "$", "x" or "0x"; blanks around it are allowed. Returns false for anything else.
bool Numeric_NodeId(const std::string& text, std::uint32_t& value);

}  // namespace tables::opcua
