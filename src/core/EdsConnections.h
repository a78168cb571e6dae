#pragma once
// The I/O connections an EtherNet/IP EDS file lists in its [Connection Manager] section, decoded
// for the import into the connections table: the header settings of both directions (from the
// connection parameters) and the instances and connection points of both directions (from the
// connection path).

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace core {

// One decoded connection.
struct TConnData {
    std::int32_t ConnIndex = 0;    // 1-based number among the connections listed
    std::string ConnName;          // field 13 of the entry, quotation marks kept
    std::string HelpStr;           // field 14
    std::uint8_t DimHeaderTO = 0;  // target to originator: bits 12 to 14 of the connection parameters
    std::uint8_t DimHeaderOT = 4;  // originator to target: bits 8 to 10
    std::uint8_t NumClass = 4;
    // Instances and connection points with their whole value: 16- and 32-bit segments give more
    // than a byte (the connections dialog's check refuses values over 65535).
    std::uint32_t InstanceTO = 30;
    std::uint32_t ConnPointTO = 0;
    std::uint32_t InstanceOT = 30;
    std::uint32_t ConnPointOT = 0;

    friend bool operator==(const TConnData&, const TConnData&) = default;
};

// Files larger than this are refused unread: no EDS file comes near it.
inline constexpr std::uintmax_t EDS_Max_File_Size = 8 * 1024 * 1024;

// What reading a file gave.
struct TEDS_Read {
    std::vector<TConnData> List_Conn;  // the usable connections, in the order found
    // Empty when the list holds a connection; otherwise text 5015 "Error!! No Valid Connection
    // found", followed on a line of its own by the reason when the file could not be used at all
    // (missing or unreadable, not text, too large, without a [Connection Manager] section).
    std::string Message;
};

// Reads the file: a byte-order mark selects the encoding, otherwise Windows-1252. Lines are
// trimmed, a "$" outside quotation marks starts a comment, empty lines are skipped. A line holding
// "[Connection Manager]" opens the section, a line beginning with "[" closes it. Inside, a line
// whose key (the text before its first "=") is "Connection" followed by digits starts an entry with
// the text after the "="; the lines after it are appended to that entry, with no separator, up to
// the next entry or the end of the section. Each entry is decoded by DecodeConnStr.
TEDS_Read Read_EDS_Connections(const std::filesystem::path& file);

// The same on the file's text (already decoded to UTF-8); sourceName names it in a message.
TEDS_Read Read_EDS_Connections_Text(std::string_view text, std::string_view sourceName);

// Decodes the gathered text of one entry and appends it to list, numbered after the connections
// already there, when it is usable: a path of at least 6 bytes that starts with an 8-bit class
// segment (0x20) and holds two connection points after the instance. Unusable entries are dropped.
void DecodeConnStr(std::string_view ConnStr, std::vector<TConnData>& list);

}  // namespace core
