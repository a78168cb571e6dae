// The text of the ESI file: fixed lines around the process-data objects of both directions.

#include "common/UMaker.h"
#include "core/UEtherCAT_ESI_File.h"
#include "platform/rtl/CodePages.h"
#include "platform/rtl/Conversions.h"
#include "platform/rtl/Streams.h"
#include "platform/xml/Escape.h"

namespace core {

namespace {

// Names are written so that the file always parses and reads back as typed. The file declares no
// encoding and is written in Windows-1252: characters beyond ASCII go in as character references,
// those Windows-1252 lacks as "?".
std::string Escape(std::string_view text)
{
    return xml::EscapeValue(text, xml::NonAscii::Cp1252References);
}

class TLines {
public:
    void Add(int blanks, std::string_view text) { lines_.push_back(std::string(blanks, ' ') + std::string(text)); }
    void Tabs(int tabs, std::string_view text) { lines_.push_back(std::string(tabs, '\t') + std::string(text)); }
    void Empty() { lines_.emplace_back(); }
    std::vector<std::string> Take() { return std::move(lines_); }

private:
    std::vector<std::string> lines_;
};

struct TPdo_Kind {
    std::string_view element;  // RxPdo / TxPdo
    int sm;
    std::uint32_t pdoIndexBase;
    std::string_view namePrefix;
    std::uint32_t entryIndexBase;
};

constexpr TPdo_Kind Rx_Pdo{"RxPdo", 2, 0x1600, "Outputs_", 0x7000};
constexpr TPdo_Kind Tx_Pdo{"TxPdo", 3, 0x1A00, "Inputs_", 0x6000};

void Add_Fill_Entry(TLines& l, int bits)
{
    l.Tabs(5, "<Entry>");
    l.Tabs(6, "<Index>#x0</Index>");
    l.Tabs(6, "<SubIndex>0</SubIndex>");
    l.Tabs(6, "<BitLen>" + std::to_string(bits) + "</BitLen>");
    l.Tabs(5, "</Entry>");
    l.Empty();
}

// PDOs of 16 entries each; a run of bits that does not fill its byte is closed by a fill entry.
void Add_Pdos(TLines& l, const std::vector<TEtherCAT_Rule>& list, const TPdo_Kind& kind)
{
    const std::string close = "</" + std::string(kind.element) + ">";
    int pdo = 0;
    int bitsLeft = 8;
    for (std::size_t i = 0; i < list.size(); ++i) {
        const auto& r = list[i];
        if (i % 16 == 0) {
            l.Add(8, "<" + std::string(kind.element) + " Mandatory=\"true\" Fixed=\"true\" Sm=\"" +
                         std::to_string(kind.sm) + "\">");
            l.Add(10, "<Index>#x" + rtl::IntToHex(kind.pdoIndexBase + pdo, 4) + "</Index>");
            l.Add(10, "<Name>" + std::string(kind.namePrefix) + Format_3_Digits(pdo) + "</Name>");
            l.Empty();
            ++pdo;
        }
        l.Add(10, "<Entry>");
        l.Add(12, "<Index>#x" + rtl::IntToHex(kind.entryIndexBase + static_cast<std::uint32_t>(i), 4) + "</Index>");
        l.Add(12, "<SubIndex>0</SubIndex>");
        l.Add(12, "<BitLen>" + std::to_string(r.Length) + "</BitLen>");
        l.Add(12, "<Name>" + Escape(r.Name) + "</Name>");
        l.Add(12, "<DataType>" + r.DataType + "</DataType>");
        l.Add(10, "</Entry>");
        l.Empty();
        if (r.DataType == "BIT") {
            if (--bitsLeft == 0) {
                bitsLeft = 8;
            } else if (i + 1 == list.size() || list[i + 1].DataType != "BIT") {
                Add_Fill_Entry(l, bitsLeft);
                bitsLeft = 8;
            }
        } else {
            bitsLeft = 8;
        }
        if (i % 16 == 15)
            l.Add(8, close);
    }
    if (list.size() % 16 != 0)
        l.Add(8, close);
}

// The inputs' area at 0x1000 taken three times and brought up to a multiple of 4. The loader keeps
// every row's length within 2^28 bytes, so this cannot overflow 64 bits.
std::uint64_t Outputs_Start_Address(std::int64_t inputBytes)
{
    return 0x1000 + 4 * ((3 * static_cast<std::uint64_t>(inputBytes) + 3) / 4);
}

}  // namespace

std::vector<std::string> ESI_Lines(const TESI_Data& d)
{
    const std::string logo = "<ImageData16x14>" + std::string(maker::Logo_16x14_Hex) + "</ImageData16x14>";
    const std::string group(maker::EtherCAT_Group_Text);
    const std::string name = Escape(d.Slave_Name);
    TLines l;
    l.Add(0, "<?xml version=\"1.0\"?>");
    l.Add(0, "<EtherCATInfo xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" "
             "xsi:noNamespaceSchemaLocation=\"EtherCATInfo.xsd\" Version=\"1.6\">");
    l.Add(2, "<Vendor>");
    l.Add(4, "<Id>#x" + rtl::IntToHex(maker::EtherCAT_Vendor_ID, 8) + "</Id>");
    l.Add(4, "<Name>" + std::string(maker::EtherCAT_Vendor_Name) + "</Name>");
    l.Add(4, logo);
    l.Add(2, "</Vendor>");
    l.Add(2, "<Descriptions>");
    l.Add(4, "<Groups>");
    l.Add(6, "<Group SortOrder=\"0\">");
    l.Add(8, "<Type>" + group + "</Type>");
    l.Add(8, "<Name LcId=\"1031\">" + group + "</Name>");
    l.Add(8, "<Name LcId=\"1033\">" + group + "</Name>");
    l.Add(8, logo);
    l.Add(6, "</Group>");
    l.Add(4, "</Groups>");
    l.Add(4, "<Devices>");
    l.Add(6, "<Device Physics=\"YY\">");
    l.Add(8, "<Type ProductCode=\"#x" + rtl::IntToHex(maker::EtherCAT_Product_Code, 8) + "\" RevisionNo=\"#x" +
                 rtl::IntToHex(d.Revision, 2) + "\">" + name + "</Type>");
    l.Add(8, "<Name LcId=\"1033\">" + name + "</Name>");
    l.Add(8, "<Name LcId=\"1031\">" + name + "</Name>");
    l.Add(8, "<Info>");
    l.Add(10, "<StateMachine>");
    l.Add(12, "<Timeout>");
    l.Add(14, "<PreopTimeout>2000</PreopTimeout>");
    l.Add(14, "<SafeopOpTimeout>9000</SafeopOpTimeout>");
    l.Add(14, "<BackToInitTimeout>5000</BackToInitTimeout>");
    l.Add(14, "<BackToSafeopTimeout>200</BackToSafeopTimeout>");
    l.Add(12, "</Timeout>");
    l.Add(10, "</StateMachine>");
    l.Add(10, "<Mailbox>");
    l.Add(12, "<Timeout>");
    l.Add(14, "<RequestTimeout>100</RequestTimeout>");
    l.Add(14, "<ResponseTimeout>2000</ResponseTimeout>");
    l.Add(12, "</Timeout>");
    l.Add(10, "</Mailbox>");
    l.Add(10, "<IdentificationReg134>true</IdentificationReg134>");
    l.Add(8, "</Info>");
    l.Add(8, "<GroupType>" + group + "</GroupType>");
    l.Add(8, "<Fmmu>Outputs</Fmmu>");
    l.Add(8, "<Fmmu>Inputs</Fmmu>");
    l.Add(8, "<Sm MinSize=\"0\" MaxSize=\"0\" DefaultSize=\"0\" StartAddress=\"#x1FFF\" ControlByte=\"#x26\" "
             "Enable=\"0\">MBoxOut</Sm>");
    l.Add(8, "<Sm MinSize=\"0\" MaxSize=\"0\" DefaultSize=\"0\" StartAddress=\"#x1FFF\" ControlByte=\"#x22\" "
             "Enable=\"0\">MBoxIn</Sm>");
    l.Add(8, "<Sm StartAddress=\"#x" + rtl::IntToHex(Outputs_Start_Address(d.Input_Byte_Count), 4) +
                 "\" ControlByte=\"#x64\" DefaultSize=\"1\" Enable=\"1\">Outputs</Sm>");
    l.Add(8, "<Sm StartAddress=\"#x1000\" ControlByte=\"#x20\" DefaultSize=\"1\" Enable=\"1\">Inputs</Sm>");
    Add_Pdos(l, d.Outputs, Rx_Pdo);
    Add_Pdos(l, d.Inputs, Tx_Pdo);
    l.Add(8, "<Mailbox DataLinkLayer=\"true\">");
    l.Add(10, "<EoE />");
    l.Add(10, "<CoE SdoInfo=\"true\" SegmentedSdo=\"true\" CompleteAccess=\"true\" />");
    l.Add(10, "<FoE />");
    l.Add(8, "</Mailbox>");
    l.Add(8, "<Dc>");
    struct OpMode {
        const char* name;
        const char* desc;
        const char* activate;
    };
    for (const OpMode& m : {OpMode{"Synchron", "SM-Synchron", "#x0"}, OpMode{"DC", "DC-Synchron", "#x300"}}) {
        l.Add(10, "<OpMode>");
        l.Add(12, std::string("<Name>") + m.name + "</Name>");
        l.Add(12, std::string("<Desc>") + m.desc + "</Desc>");
        l.Add(12, std::string("<AssignActivate>") + m.activate + "</AssignActivate>");
        l.Add(12, "<CycleTimeSync0 Factor=\"1\">0</CycleTimeSync0>");
        l.Add(12, "<ShiftTimeSync0>0</ShiftTimeSync0>");
        l.Add(12, "<CycleTimeSync1 Factor=\"1\">0</CycleTimeSync1>");
        l.Add(10, "</OpMode>");
    }
    l.Add(8, "</Dc>");
    l.Add(8, "<Eeprom>");
    l.Add(10, "<ByteSize>2048</ByteSize>");
    l.Add(10, "<ConfigData>800F00CC8813ff00" + Node_Address_Text(d.Node_Address) + "00800000</ConfigData>");
    l.Add(8, "</Eeprom>");
    l.Add(8, logo);
    l.Add(6, "</Device>");
    l.Add(4, "</Devices>");
    l.Add(2, "</Descriptions>");
    l.Add(0, "</EtherCATInfo>");
    return l.Take();
}

void Write_ESI_File(const TESI_Data& data, const std::filesystem::path& file)
{
    std::string text;
    for (const auto& line : ESI_Lines(data)) {
        text += line;
        text += "\r\n";
    }
    rtl::WriteFileAtomic(file.string(), rtl::Utf8ToCp1252(text));
}

}  // namespace core
