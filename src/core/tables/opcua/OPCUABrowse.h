#pragma once
// Browsing an OPC UA server through the search library (common/OPC_UA_Search.h): load it, call
// opcua_client_begin once, fetch every variable with opcua_return_variable and copy each record,
// its texts included, before the library is released. Nothing returned points into the library.
// GUI-free; the browse dialog is tables/opcua/UOPC_UA_Scan_Server.

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace tables::opcua {

// The server to browse, texts in UTF-8 (handed to the library in Windows-1252).
struct TBrowse_Server {
    std::string server_address;
    int user_pass_auth_flag = 0;
    std::string username;
    std::string password;
    std::string cert;
    std::string priv_key;
    int security_type = 0;
    int security_policy = 0;
};

// One variable found: the library's record with its texts copied (UTF-8).
struct TBrowse_Var {
    std::uint16_t nameSpaceIndex = 0;
    std::uint16_t identifierType = 0;
    std::uint32_t numeric = 0;
    std::string stringname;
    std::uint32_t guide1 = 0;
    std::uint16_t guide2 = 0;
    std::uint16_t guide3 = 0;
    std::array<std::uint8_t, 8> guide4{};
    std::string byteString;
    std::string displayName;
    std::int32_t dataType = 0;
    std::uint8_t accessLevel = 0;
};

enum class TBrowse_Status {
    Done,               // the library ran (the list may be empty: 0 or a negative count)
    Library_Missing,    // it could not be loaded
    Functions_Missing,  // it lacks one of the two functions
};

struct TBrowse_Result {
    TBrowse_Status Status = TBrowse_Status::Done;
    std::vector<TBrowse_Var> Vars;
    std::int32_t Count = 0;  // what opcua_client_begin returned
    std::string Reason;      // the loader's words when the library could not be loaded
};

// The most records one browse takes; a larger count is cut to it (the caller says so).
inline constexpr std::int32_t Max_Browse_Records = 65536;
// The most bytes read of a record text whose length field is 0 (a text without its terminator
// ends there).
inline constexpr std::size_t Max_Browse_Text = 4096;

// Where the library is looked for: the file in the program's folder first (when the folder is
// given and the file is there), then its name for the system loader.
std::vector<std::string> Search_Library_Candidates(const std::filesystem::path& programFolder);

// One browse, blocking until the library returns.
TBrowse_Result Browse_OPC_UA_Server(const TBrowse_Server& server, const std::filesystem::path& programFolder);

// The node identifier's text as the browse list shows it.
std::string Browse_NodeId_Text(const TBrowse_Var& var);

}  // namespace tables::opcua
