// OPC_UA_Client.xml as the OPC UA client dialog reads it. Reading never changes the file; the data
// check and the automatic positions run on whatever was read; a model read whole is written so
// that reading and writing it again gives the same file.
#include "FuzzSupport.h"
#include "core/tables/opcua/OPCUAClientFile.h"
#include "platform/rtl/Exceptions.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view input = fuzz::Text(data, size);
    const auto file = fuzz::WriteInput("OPC_UA_Client.xml", input);
    tables::opcua::TClient_Read read = tables::opcua::Load_OPC_UA_Client(file);
    FUZZ_CHECK(fuzz::ReadFile(file) == input, "reading changed the file");
    tables::opcua::Controllo_Dati(read.Servers);
    for (int k = 0; k < static_cast<int>(read.Servers.size()) && k < 4; ++k)
        tables::opcua::Auto_Position(read.Servers, k);
    if (!read.Note.empty())
        return 0;

    const auto saved = fuzz::ScratchFolder() / "OPC_UA_Client_saved.xml";
    try {
        tables::opcua::Save_OPC_UA_Client(saved, read.Servers);
    } catch (const rtl::EFileError&) {
        return 0;  // a text XML cannot carry is refused with an error
    }
    const tables::opcua::TClient_Read again = tables::opcua::Load_OPC_UA_Client(saved);
    FUZZ_CHECK(again.Note.empty(), "the saved file does not read whole");
    FUZZ_CHECK(tables::opcua::Client_File_Text(again.Servers) == fuzz::ReadFile(saved),
               "the saved file reads back differently");
    return 0;
}
