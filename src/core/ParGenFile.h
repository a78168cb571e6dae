#pragma once
// ParGen.xml, the communication settings of one configuration: root Par_Gen, one element per key
// with its value as text, and the comment "SW_VERSION = 1.000" after the root.
//
// Readers look each key up by name among the root's children, so key order does not matter and a
// missing key affects that key only. Values are kept as typed; readers that need numbers convert
// the text themselves.

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "core/tables/TableDesc.h"
#include "platform/xml/Xml.h"

namespace core {

// Comment appended after the root element of every table file.
using tables::Table_File_Comment;

// ParGen.xml opened for key look-ups.
class TParGenFile {
public:
    // nullopt when the file does not exist; throws xml::XmlError (file name and reason) when it
    // exists but is not well-formed XML.
    static std::optional<TParGenFile> Open(const std::filesystem::path& file);

    // The text content of the root's first child element with this name: all its character data
    // in document order, so a comment inside the value does not split it ("ab<!--x-->cd" is
    // "abcd"). nullopt when the element is missing.
    std::optional<std::string> Key(std::string_view name) const;

private:
    xml::Document doc_;
};

// Flags are on exactly when their text is "1".
bool ParGen_Flag(const std::optional<std::string>& value);

// The settings as the communication settings dialog edits them. Defaults are the values the dialog
// shows for keys missing from the file. Wi-Fi DHCP is always written off and the EtherNet/IP port
// always as "44818"; the dialog reads neither.
struct TParGenSettings {
    std::string Device_Name;
    bool DHCP_Cable = false;
    bool Enable_DNS = false;
    std::array<std::string, 4> Primary_DNS{"8", "8", "8", "8"};
    std::array<std::string, 4> Secondary_DNS{"8", "8", "4", "4"};
    std::string Revision_Number = "0";
    std::string Slave_Name = "devicename1";
    std::string Node_Address = "1";
    std::array<std::string, 4> Master_IP{"192", "168", "0", "5"};
    std::array<std::string, 4> Master_SM{"255", "255", "255", "0"};
    std::array<std::string, 4> Master_GAT{"192", "168", "0", "1"};
    bool Enable_Gateway = false;

    friend bool operator==(const TParGenSettings&, const TParGenSettings&) = default;
};

inline constexpr std::string_view EtherNetIP_Port_Text = "44818";

// Reads the settings; a missing file or key gives the defaults above. Throws xml::XmlError when
// the file is not well-formed.
TParGenSettings Read_ParGen_Settings(const std::filesystem::path& file);

// Replaces the file with all 29 keys in their fixed order. Throws xml::XmlError naming the file
// when it cannot be written (an earlier file then stays as it was).
void Write_ParGen_Settings(const std::filesystem::path& file, const TParGenSettings& settings);

}  // namespace core
