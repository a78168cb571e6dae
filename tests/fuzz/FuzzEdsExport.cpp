// The CANopen EDS export over table files as a user may have edited them: the PDO table, a NUL
// byte, the SDO server table (no NUL: the PDO table alone). The export either refuses with its
// message and writes nothing, or writes a file in which no section is named twice.
#include <set>
#include <string>

#include "FuzzSupport.h"
#include "common/UComon.h"
#include "core/tables/canopen/UEds.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text = fuzz::Text(data, size);
    const std::size_t nul = text.find('\0');
    File_PDO_CANopen = fuzz::WriteInput("PDO_CANopen.xml", text.substr(0, nul)).string();
    const auto sdo = fuzz::ScratchFolder() / "SDO_Server_CANopen.xml";
    std::filesystem::remove(sdo);
    if (nul != std::string_view::npos)
        fuzz::WriteInput("SDO_Server_CANopen.xml", text.substr(nul + 1));
    File_SDO_Server_CANopen = sdo.string();

    const auto file = fuzz::ScratchFolder() / "converter.eds";
    std::filesystem::remove(file);
    try {
        tables::canopen::Save_EDS_File(file.string(), rtl::EncodeDateTime(2021, 3, 7, 12, 30, 0, 0));
    } catch (const tables::canopen::EEdsError& e) {
        FUZZ_CHECK(!e.Message.empty(), "a refusal without a message");
        FUZZ_CHECK(!std::filesystem::exists(file), "a refused export wrote its file");
        return 0;
    }
    const std::string eds = fuzz::ReadFile(file);
    std::set<std::string> sections;
    std::size_t start = 0;
    while (start < eds.size()) {
        const std::size_t end = eds.find("\r\n", start);
        FUZZ_CHECK(end != std::string::npos, "a line without CR LF");
        const std::string line = eds.substr(start, end - start);
        if (!line.empty() && line.front() == '[')
            FUZZ_CHECK(sections.insert(line).second, "the section " + line + " is written twice");
        start = end + 2;
    }
    return 0;
}
