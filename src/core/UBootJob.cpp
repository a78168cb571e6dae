#include "core/UBootJob.h"

#include <string_view>
#include <system_error>

#include "common/UMaker.h"
#include "platform/sys/IcmpEcho.h"

namespace core {

namespace {

enum class TImage { Firmware, Bank1, Bank2 };

struct TOperationValues {
    std::string FileName;
    const char* Start_Address;
    const char* Bank_Type;
    const char* Write_CSS;
    bool GoToApp_After;
};

TOperationValues Operation_Values(TImage image, const TUpdateJob& job)
{
    switch (image) {
    case TImage::Firmware:
        return {job.Path_Master + "/Sim58E26.sim", "0x8000", "1", "1", job.Option == 1};
    case TImage::Bank1:
        return {job.Path_Project + "/bin/bank1.bin", "0x07000", "2", "0", false};
    case TImage::Bank2:
        break;
    }
    return {job.Path_Project + "/bin/bank2.bin", "0x80000", "2", "0", true};
}

void Append_Operation(xml::Element& operations, TImage image, const TUpdateJob& job)
{
    const TOperationValues v = Operation_Values(image, job);
    xml::Element op = operations.AppendChild("Operation");
    op.AppendTextChild("Ope_Protection_Enabled", "");
    op.AppendTextChild("Ope_GoToBoot_Before", "0");
    op.AppendTextChild("Ope_GoToApp_Before", "0");
    op.AppendTextChild("Ope_IP_Address", "");
    op.AppendTextChild("Ope_Port", "2008");
    op.AppendTextChild("Ope_Port_Sec", "2007");
    op.AppendTextChild("Ope_Erase_Memory", "0");
    op.AppendTextChild("Ope_FileName", v.FileName);
    op.AppendTextChild("Ope_Start_Address", v.Start_Address);
    op.AppendTextChild("Ope_Memory_Type", "0");
    op.AppendTextChild("Ope_Bank_Type", v.Bank_Type);
    op.AppendTextChild("Ope_Read_Back", job.Read_Back ? "1" : "0");
    op.AppendTextChild("Ope_Write_CSS", v.Write_CSS);
    op.AppendTextChild("Ope_Address_CSS", "0x07A00");
    op.AppendTextChild("Ope_Command_CSS", "0x02");
    op.AppendTextChild("Ope_Write_Internal_Data", "0");
    op.AppendTextChild("Ope_WID_Address", "0x07810");
    op.AppendTextChild("Ope_WID_Command", "0x02");
    op.AppendTextChild("Ope_WID_Data", "0x00, 0x00, 0x00, 0x01");
    op.AppendTextChild("Ope_GoToApp_After", v.GoToApp_After ? "1" : "0");
}

}  // namespace

void Build_Update_Job(xml::Document& doc, const TUpdateJob& job)
{
    xml::Element root = doc.CreateRoot("Ethernet_Update");
    root.AppendTextChild("Version", "1000");
    root.AppendTextChild("Title", std::string(maker::Web_Domain) + " - SW58E26 Ethernet Update");
    root.AppendTextChild("IP_Address_Dev", job.IP_Address);
    root.AppendTextChild("Application_Port", "10000");
    root.AppendTextChild("Boot_Port", "2008");
    root.AppendTextChild("Boot_Port_Sec", "2007");
    root.AppendTextChild("Address_Protection", "0x07800");
    root.AppendChild("Protections").AppendTextChild("Protection", "0x448");
    xml::Element operations = root.AppendChild("Operations");
    if (job.Option == 0 || job.Option == 1)
        Append_Operation(operations, TImage::Firmware, job);
    if (job.Option == 0 || job.Option == 2) {
        Append_Operation(operations, TImage::Bank1, job);
        Append_Operation(operations, TImage::Bank2, job);
    }
}

void Compile_XML_Parameter_New_Boot(xml::Document& doc, const TUpdateJob& job, const std::filesystem::path& file)
{
    doc.Clear();
    Build_Update_Job(doc, job);
    doc.SaveToFile(file);
}

std::string Update_Options(const std::string& s_opt, int option, bool readBack)
{
    const bool firmware = option == 0 || option == 1;
    const bool configuration = option == 0 || option == 2;
    std::string s = s_opt;
    s += firmware ? "FW " : "NO ";
    s += firmware && readBack ? "FR " : "NO ";
    s += configuration ? "PW " : "NO ";
    s += configuration && readBack ? "PR " : "NO ";
    return s;
}

bool Send_Ping(const std::string& host, TPingState& state, const TEchoFunction& echo, const TPumpFunction& pump,
               std::chrono::milliseconds window)
{
    using Clock = std::chrono::steady_clock;
    state.ping_res = 0;
    const auto start = Clock::now();
    int good = 0;
    try {
        do {
            const std::size_t received = echo(host);
            state.ping_res = received > 0 ? 1 : 2;
            if (pump)
                pump();
            if (state.ping_res == 1 && ++good >= 2)
                break;
        } while (Clock::now() - start <= window);
    } catch (const std::exception&) {
        return false;
    }
    return state.ping_res == 1;
}

TEchoFunction System_Echo()
{
    return [](const std::string& host) {
        sys::EchoRequest request;
        request.host = host;
        return sys::IcmpEcho(request);
    };
}

int Get_Type_Dev(xml::Document& doc, const std::filesystem::path& parGen)
{
    std::error_code ec;
    if (std::filesystem::is_regular_file(parGen, ec))
        doc.LoadFromFile(parGen);
    return 0;
}

}  // namespace core
