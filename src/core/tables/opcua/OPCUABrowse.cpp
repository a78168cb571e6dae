#include "core/tables/opcua/OPCUABrowse.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <optional>

#include "common/OpcUaSnmp.h"
#include "platform/rtl/CodePages.h"
#include "platform/sys/SharedLibrary.h"
#include "platform/sys/SysError.h"

namespace tables::opcua {

namespace {

// A record text: at most its length field's bytes (or Max_Browse_Text when that is 0), up to its
// terminator; a null pointer is the empty text.
std::string Copy_Text(const char* text, std::uint32_t length)
{
    if (!text)
        return {};
    const std::size_t bound = length != 0 ? std::min<std::size_t>(length, Max_Browse_Text * 16) : Max_Browse_Text;
    return rtl::Cp1252ToUtf8(std::string_view(text, ::strnlen(text, bound)));
}

TBrowse_Var Copy_Record(const opcua_structure& r)
{
    TBrowse_Var v;
    v.nameSpaceIndex = r.nameSpaceIndex;
    v.identifierType = r.identifierType;
    v.numeric = r.numeric;
    v.stringname = Copy_Text(r.stringname, r.stringLength);
    v.guide1 = r.guide1;
    v.guide2 = r.guide2;
    v.guide3 = r.guide3;
    std::memcpy(v.guide4.data(), r.guide4, v.guide4.size());
    v.byteString = Copy_Text(r.byteString, r.byteStringLength);
    v.displayName = Copy_Text(r.displayName, r.displayNameLength);
    v.dataType = r.dataType;
    v.accessLevel = r.accessLevel;
    return v;
}

}  // namespace

std::vector<std::string> Search_Library_Candidates(const std::filesystem::path& programFolder)
{
    std::vector<std::string> names;
    std::error_code ec;
    if (!programFolder.empty()) {
        const std::filesystem::path beside = programFolder / OPC_UA_SEARCH_LIBRARY;
        if (std::filesystem::is_regular_file(beside, ec))
            names.push_back(beside.string());
    }
    names.emplace_back(OPC_UA_SEARCH_LIBRARY);
    return names;
}

TBrowse_Result Browse_OPC_UA_Server(const TBrowse_Server& server, const std::filesystem::path& programFolder)
{
    TBrowse_Result result;
    std::unique_ptr<sys::SharedLibrary> library;
    for (const std::string& name : Search_Library_Candidates(programFolder)) {
        try {
            library = std::make_unique<sys::SharedLibrary>(name);
            break;
        } catch (const sys::SysError& e) {
            result.Reason = e.Message;
        }
    }
    if (!library) {
        result.Status = TBrowse_Status::Library_Missing;
        return result;
    }
    result.Reason.clear();
    auto* begin = library->Function<opcua_client_begin_fn>("opcua_client_begin");
    auto* fetch = library->Function<opcua_return_variable_fn>("opcua_return_variable");
    if (!begin || !fetch) {
        result.Status = TBrowse_Status::Functions_Missing;
        return result;
    }
    // The texts handed over live until the library is released.
    const std::string texts[] = {rtl::Utf8ToCp1252(server.server_address), rtl::Utf8ToCp1252(server.username),
                                 rtl::Utf8ToCp1252(server.password), rtl::Utf8ToCp1252(server.cert),
                                 rtl::Utf8ToCp1252(server.priv_key)};
    opcua_server_to_discover record{};
    record.server_address = texts[0].c_str();
    record.user_pass_auth_flag = server.user_pass_auth_flag;
    record.username = texts[1].c_str();
    record.password = texts[2].c_str();
    record.cert = texts[3].c_str();
    record.priv_key = texts[4].c_str();
    record.security_type = server.security_type;
    record.security_policy = server.security_policy;
    result.Count = begin(record);
    const std::int32_t count = std::min(result.Count, Max_Browse_Records);
    if (count > 0)
        result.Vars.reserve(static_cast<std::size_t>(count));
    opcua_structure buffer{};
    for (std::int32_t i = 0; i < count; ++i) {
        fetch(&buffer, i);
        result.Vars.push_back(Copy_Record(buffer));
    }
    return result;
}

std::string Browse_NodeId_Text(const TBrowse_Var& var)
{
    opcua_structure r{};
    r.identifierType = var.identifierType;
    r.numeric = var.numeric;
    r.guide1 = var.guide1;
    r.guide2 = var.guide2;
    r.guide3 = var.guide3;
    std::memcpy(r.guide4, var.guide4.data(), var.guide4.size());
    std::string text;
    // The texts are UTF-8 already: the converter's code-page step is left out for them.
    OPC_UA_NodeId_To_Str(r, nullptr, nullptr, text);
    if (var.identifierType == 3)
        text = var.stringname;
    else if (var.identifierType == 5)
        text = var.byteString;
    return text;
}

}  // namespace tables::opcua
