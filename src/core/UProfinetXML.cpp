// The GSDML file: one device access point with one fixed module, whose data lengths and station
// name come from ParGen.xml; everything else is the same in every file.

#include "core/UProfinetXML.h"

#include <optional>
#include <string_view>

#include "common/NumConv.h"
#include "common/UComon.h"
#include "common/UMaker.h"
#include "core/ParGenFile.h"
#include "platform/rtl/Conversions.h"
#include "platform/rtl/StrUtils.h"
#include "platform/rtl/Streams.h"
#include "platform/rtl/Utf8.h"
#include "platform/xml/Escape.h"
#include "platform/xml/Xml.h"

namespace core {

namespace {

constexpr int Default_Length = 1438;

std::string Escape(std::string_view text)
{
    return xml::EscapeValue(text, xml::NonAscii::Keep);
}

std::string Quoted(std::string_view name, std::string_view value)
{
    return std::string(name) + "=\"" + std::string(value) + "\"";
}

std::string Hex4(std::uint16_t v)
{
    return "0x" + rtl::IntToHex(v, 4);
}

// A key read as a data length: 1438 for a missing key or text the integer rule cannot read.
int Length_Key(const TParGenFile& f, std::string_view key)
{
    const std::optional<std::string> v = f.Key(key);
    if (!v)
        return Default_Length;
    const std::int32_t n = Str_To_Int_Rule(*v);
    return n == -1 ? Default_Length : n;
}

class TLines {
public:
    void Add(int tabs, std::string_view text) { lines_.push_back(std::string(tabs, '\t') + std::string(text)); }
    std::vector<std::string> Take() { return std::move(lines_); }

private:
    std::vector<std::string> lines_;
};

void Add_Header(TLines& l)
{
    l.Add(0, "<?xml version=\"1.0\" encoding=\"UTF-8\"?>");
    l.Add(0, "<!-- A fieldbus integration example. -->");
    l.Add(0, "<ISO15745Profile xmlns=\"http://www.profibus.com/GSDML/2003/11/DeviceProfile\" "
             "xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" "
             "xsi:schemaLocation=\"http://www.profibus.com/GSDML/2003/11/DeviceProfile "
             "..\\xsd\\GSDML-DeviceProfile-v2.31.xsd\">");
    l.Add(1, "<ProfileHeader>");
    l.Add(2, "<ProfileIdentification>PROFINET Device Profile</ProfileIdentification>");
    l.Add(2, "<ProfileRevision>1.00</ProfileRevision>");
    l.Add(2, "<ProfileName>Device Profile for PROFINET Devices</ProfileName>");
    l.Add(2, "<ProfileSource>PROFIBUS Nutzerorganisation e. V. (PNO)</ProfileSource>");
    l.Add(2, "<ProfileClassID>Device</ProfileClassID>");
    l.Add(2, "<ISO15745Reference>");
    l.Add(3, "<ISO15745Part>4</ISO15745Part>");
    l.Add(3, "<ISO15745Edition>1</ISO15745Edition>");
    l.Add(3, "<ProfileTechnology>GSDML</ProfileTechnology>");
    l.Add(2, "</ISO15745Reference>");
    l.Add(1, "</ProfileHeader>");
}

void Add_Identity(TLines& l)
{
    const std::string vendor = Escape(maker::PROFINET_Vendor_Name);
    l.Add(2, "<DeviceIdentity " + Quoted("VendorID", Hex4(maker::PROFINET_Vendor_ID)) + " " +
                 Quoted("DeviceID", Hex4(maker::PROFINET_Device_ID)) + ">");
    l.Add(3, "<InfoText TextId=\"IDT_INFO_Device\"/>");
    l.Add(3, "<VendorName " + Quoted("Value", vendor) + "/>");
    l.Add(2, "</DeviceIdentity>");
    l.Add(2, "<DeviceFunction>");
    l.Add(3, "<Family MainFamily=\"Gateway\" ProductFamily=\"HD58E23\"/>");
    l.Add(2, "</DeviceFunction>");
}

void Add_Access_Point(TLines& l, const TProfinet_Parameters& p)
{
    const std::string station = Escape(p.Profinet_Station_Name);
    l.Add(3, "<DeviceAccessPointList>");
    l.Add(4, "<DeviceAccessPointItem PNIO_Version=\"V2.3\" RequiredSchemaVersion=\"V2.25\" ID=\"IDD_1\" "
             "PhysicalSlots=\"0..4\" ModuleIdentNumber=\"0x00000001\" MinDeviceInterval=\"64\" " +
                 Quoted("ImplementationType", station) + " " + Quoted("DNS_CompatibleName", station) +
                 " FixedInSlots=\"0\" ObjectUUID_LocalIndex=\"1\" MultipleWriteSupported=\"true\" "
                 "MaxSupportedRecordSize=\"8192\" ParameterizationSpeedupSupported=\"true\" "
                 "PowerOnToCommReady=\"350\" DeviceAccessSupported=\"true\" SharedDeviceSupported=\"true\" "
                 "CheckDeviceID_Allowed=\"false\" NameOfStationNotTransferable=\"true\">");
    l.Add(5, "<ModuleInfo>");
    l.Add(6, "<Name TextId=\"IDT_NAME_DAP1\"/>");
    l.Add(6, "<InfoText TextId=\"IDT_INFO_DAP1\"/>");
    l.Add(6, "<VendorName " + Quoted("Value", Escape(maker::PROFINET_Vendor_Name)) + "/>");
    l.Add(6, "<OrderNumber Value=\"HD58E23\"/>");
    l.Add(5, "</ModuleInfo>");
    l.Add(5, "<SubslotList>");
    l.Add(6, "<SubslotItem SubslotNumber=\"0\" TextId=\"IDT_SUBSLOT_1\"/>");
    l.Add(6, "<SubslotItem SubslotNumber=\"32768\" TextId=\"IDT_SUBSLOT_Interface\"/>");
    l.Add(6, "<SubslotItem SubslotNumber=\"32769\" TextId=\"IDT_SUBSLOT_Port1\"/>");
    l.Add(6, "<SubslotItem SubslotNumber=\"32770\" TextId=\"IDT_SUBSLOT_Port2\"/>");
    l.Add(5, "</SubslotList>");
    l.Add(5, "<IOConfigData MaxInputLength=\"1440\" MaxOutputLength=\"1440\" MaxDataLength=\"2880\"/>");
    l.Add(5, "<UseableModules>");
    l.Add(6, "<ModuleItemRef ModuleItemTarget=\"IDM_1\" FixedInSlots=\"1\"/>");
    l.Add(5, "</UseableModules>");
    l.Add(5, "<VirtualSubmoduleList>");
    l.Add(6, "<VirtualSubmoduleItem ID=\"IDS_V1\" SubmoduleIdentNumber=\"0x00000000\">");
    l.Add(7, "<IOData IOPS_Length=\"1\" IOCS_Length=\"1\"/>");
    l.Add(7, "<ModuleInfo>");
    l.Add(8, "<Name TextId=\"IDT_NAME_VS1\"/>");
    l.Add(8, "<InfoText TextId=\"IDT_INFO_VS1\"/>");
    l.Add(7, "</ModuleInfo>");
    l.Add(6, "</VirtualSubmoduleItem>");
    l.Add(5, "</VirtualSubmoduleList>");
    l.Add(5, "<SystemDefinedSubmoduleList>");
    l.Add(6, "<InterfaceSubmoduleItem ID=\"IDS_I\" SubmoduleIdentNumber=\"0x00000001\" SubslotNumber=\"32768\" "
             "TextId=\"IDT_NAME_IS\" SupportedRT_Classes=\"RT_CLASS_1\" SupportedProtocols=\"SNMP;LLDP\" "
             "SupportedMibs=\"MIB2\">");
    l.Add(7, "<ApplicationRelations>");
    l.Add(8, "<TimingProperties SendClock=\"32\" ReductionRatio=\"1 2 4 8 16 32 64 128 256 512\"/>");
    l.Add(7, "</ApplicationRelations>");
    l.Add(6, "</InterfaceSubmoduleItem>");
    l.Add(6, "<PortSubmoduleItem ID=\"IDS_P1\" SubmoduleIdentNumber=\"0x00000002\" SubslotNumber=\"32769\" "
             "TextId=\"IDT_NAME_PS1\" MaxPortRxDelay=\"350\" MaxPortTxDelay=\"160\"/>");
    l.Add(6, "<PortSubmoduleItem ID=\"IDS_P2\" SubmoduleIdentNumber=\"0x00000002\" SubslotNumber=\"32770\" "
             "TextId=\"IDT_NAME_PS2\" MaxPortRxDelay=\"350\" MaxPortTxDelay=\"160\"/>");
    l.Add(5, "</SystemDefinedSubmoduleList>");
    l.Add(5, "<!-- This element tells the engineering tool that the DAP supports fieldbus integration "
             "(slot clusters). -->");
    l.Add(5, "<!-- FieldbusIntegrationSlots MaxSupported=\"127\" Range=\"100..9999\"/-->");
    l.Add(4, "</DeviceAccessPointItem>");
    l.Add(3, "</DeviceAccessPointList>");
}

void Add_Module(TLines& l, const TProfinet_Parameters& p)
{
    l.Add(3, "<ModuleList>");
    l.Add(4, "<!-- The \"normal\" module carrying the FAP. -->");
    l.Add(4, "<ModuleItem ID=\"IDM_1\" ModuleIdentNumber=\"0x00000001\">");
    l.Add(5, "<ModuleInfo>");
    l.Add(6, "<Name TextId=\"IDT_NAME_M1\"/>");
    l.Add(6, "<InfoText TextId=\"IDT_INFO_M1\"/>");
    l.Add(6, "<OrderNumber Value=\"12345-0040-M\"/>");
    l.Add(5, "</ModuleInfo>");
    l.Add(5, "<VirtualSubmoduleList>");
    l.Add(6, "<VirtualSubmoduleItem ID=\"IDM_1\" SubmoduleIdentNumber=\"0x00000001\">");
    l.Add(7, "<IOData IOPS_Length=\"1\" IOCS_Length=\"1\">");
    // The controller's side: its input is what the converter sends out.
    l.Add(8, "<Input><DataItem DataType=\"OctetString\" " + Quoted("Length", std::to_string(p.Profinet_NB_Out)) +
                 " TextId=\"IDT_Input_1\"/></Input>");
    l.Add(8, "<Output><DataItem DataType=\"OctetString\" " + Quoted("Length", std::to_string(p.Profinet_NB_In)) +
                 " TextId=\"IDT_Output_1\"/></Output>");
    l.Add(7, "</IOData>");
    l.Add(7, "<RecordDataList>");
    l.Add(8, "<ParameterRecordDataItem Index=\"128\" Length=\"2\">");
    l.Add(9, "<Name TextId=\"IDT_NAME_M1_IDT_REF_channel\"/>");
    l.Add(9, "<Const ByteOffset=\"0\" Data=\"0x00,0x00\"/>");
    l.Add(9, "<Ref TextId=\"IDT_REF_reaction_to_cpu_stop\" Visible=\"true\" DataType=\"BitArea\" ByteOffset=\"0\" "
             "BitOffset=\"0\" BitLength=\"2\" DefaultValue=\"2\" AllowedValues=\"0..2\" "
             "ValueItemTarget=\"IDV_reaction_to_cpu_stop\" ID=\"IDT_REF_reaction_to_cpu_stop\"/>");
    l.Add(9, "<MenuList>");
    l.Add(10, "<MenuItem ID=\"IDT_NAME_M1_IDT_REF_channel\">");
    l.Add(11, "<Name TextId=\"IDT_NAME_M1_IDT_REF_channel\"/>");
    l.Add(11, "<MenuRef MenuTarget=\"IDT_NAME_M1_Base_Parameters\"/>");
    l.Add(10, "</MenuItem>");
    l.Add(10, "<MenuItem ID=\"IDT_NAME_M1_Base_Parameters\">");
    l.Add(11, "<Name TextId=\"IDT_NAME_M1_Base_Parameters\"/>");
    l.Add(11, "<ParameterRef ParameterTarget=\"IDT_REF_reaction_to_cpu_stop\"/>");
    l.Add(10, "</MenuItem>");
    l.Add(9, "</MenuList>");
    l.Add(8, "</ParameterRecordDataItem>");
    l.Add(7, "</RecordDataList>");
    l.Add(7, "<ModuleInfo>");
    l.Add(8, "<Name TextId=\"IDT_NAME_M1\"/>");
    l.Add(8, "<InfoText TextId=\"IDT_INFO_M1\"/>");
    l.Add(7, "</ModuleInfo>");
    l.Add(6, "</VirtualSubmoduleItem>");
    l.Add(5, "</VirtualSubmoduleList>");
    l.Add(4, "</ModuleItem>");
    l.Add(3, "</ModuleList>");
}

void Add_Values_And_Categories(TLines& l)
{
    l.Add(3, "<ValueList>");
    l.Add(4, "<ValueItem ID=\"IDV_reaction_to_cpu_stop\">");
    l.Add(5, "<Assignments>");
    l.Add(6, "<Assign TextId=\"IDT_ASSIGN_do_set_substitude_values\" Content=\"0\"/>");
    l.Add(6, "<Assign TextId=\"IDT_ASSIGN_do_values_will_hold\" Content=\"1\"/>");
    l.Add(6, "<Assign TextId=\"IDT_ASSIGN_do_continue_counting\" Content=\"2\"/>");
    l.Add(5, "</Assignments>");
    l.Add(4, "</ValueItem>");
    l.Add(3, "</ValueList>");
    l.Add(3, "<CategoryList>");
    l.Add(4, "<CategoryItem ID=\"IDC_DI\" TextId=\"IDT_CATEGORY_DI\">");
    l.Add(5, "<InfoText TextId=\"IDT_INFO_DI\"/>");
    l.Add(4, "</CategoryItem>");
    l.Add(4, "<CategoryItem ID=\"IDC_DO\" TextId=\"IDT_CATEGORY_DO\">");
    l.Add(5, "<InfoText TextId=\"IDT_INFO_DO\"/>");
    l.Add(4, "</CategoryItem>");
    l.Add(3, "</CategoryList>");
}

struct TText {
    std::string_view id;
    std::string_view value;
};

// The texts the description refers to; the last three are written value first.
constexpr TText Texts[] = {
    {"IDT_INFO_Device", ""},  // the maker's description, filled in below
    {"IDT_NAME_DAP1", "EthercatDevice"},
    {"IDT_INFO_DAP1", "Profinet Ethercat Adapter"},
    {"IDT_SUBSLOT_1", "Subslot 1"},
    {"IDT_SUBSLOT_Interface", "Interface"},
    {"IDT_SUBSLOT_Port1", "Port 1"},
    {"IDT_SUBSLOT_Port2", "Port 2"},
    {"IDT_RECORD_NAME_Head", "Parameters of head module"},
    {"IDT_REF_Power", "Percent power"},
    {"IDT_NAME_VS1", "Submodule V1"},
    {"IDT_INFO_VS1", "Description of submodule V1"},
    {"IDT_NAME_IS", "I"},
    {"IDT_NAME_PS1", "P1"},
    {"IDT_NAME_PS2", "P2"},
    {"IDT_NAME_M1", "Module"},
    {"IDT_INFO_M1", "device Ethercat"},
    {"IDT_NAME_FAP", "FAP for Ethercat"},
    {"IDT_INFO_FAP", "Description of FAP for Ethercat"},
    {"IDT_RECORD_NAME_SlotCluster", "Parameters of the FAP"},
    {"IDT_REF_SlotClusterBegin", "Beginning of slot cluster"},
    {"IDT_NAME_M_PB1", "Ethercat Device "},
    {"IDT_INFO_M_PB1", "Description of Ethercat"},
    {"IDT_NAME_S_PB1", "Module of a Ethercat"},
    {"IDT_INFO_S_PB1", "Description of module of a Ethercat"},
    {"IDT_PB_Input", "Digital input EthercatCLIENT"},
    {"IDT_PB_InputBit0", "Digital input bit Ethercat"},
    {"IDT_NAME_S1", "Submodule 1"},
    {"IDT_INFO_S1", "Description of submodule 1"},
    {"IDT_Input_1", "Input byte"},
    {"IDT_Output_1", "Output word"},
    {"IDT_CATEGORY_DI", "Digital Input"},
    {"IDT_INFO_DI", "Description of digital input"},
    {"IDT_CATEGORY_DO", "Digital output"},
    {"IDT_INFO_DO", "Description of digital output"},
    {"IDT_NAME_M1_IDT_REF_channel", "Canale x"},
    {"IDT_REF_reaction_to_cpu_stop", "Reaction to CPU STOP"},
    {"IDT_NAME_M1_Base_Parameters", "Base Parameters"},
    {"IDT_ASSIGN_do_set_substitude_values", "Output substitute value"},
    {"IDT_ASSIGN_do_values_will_hold", "Keep last value"},
    {"IDT_ASSIGN_do_continue_counting", "Continue operation"},
};
constexpr std::size_t Value_First_From = std::size(Texts) - 3;

void Add_Texts(TLines& l)
{
    l.Add(3, "<ExternalTextList>");
    l.Add(4, "<PrimaryLanguage>");
    for (std::size_t i = 0; i < std::size(Texts); ++i) {
        const std::string id = Quoted("TextId", Texts[i].id);
        const std::string value = Quoted("Value", Escape(i == 0 ? maker::PROFINET_Device_Info : Texts[i].value));
        l.Add(5, "<Text " + (i < Value_First_From ? id + " " + value : value + " " + id) + "/>");
    }
    l.Add(4, "</PrimaryLanguage>");
    l.Add(3, "</ExternalTextList>");
}

}  // namespace

std::string GSDML_Fixed_Last_Part(int year, int month, int day)
{
    const auto two = [](int v) { return (v < 10 ? "0" : "") + std::to_string(v); };
    return "-" + std::to_string(year) + two(month) + two(day) + ".xml";
}

std::string Compose_GSDML_File_Name(std::string_view first, std::string_view user, std::string_view last)
{
    std::string name(first);
    if (!rtl::Trim(user).empty()) {
        if (user.front() != '_')
            name += '_';
        name += user;
    }
    name += last;
    return name;
}

bool GSDML_User_Part_Allowed(std::string_view user)
{
    return user.find('/') == std::string_view::npos && user.find('\0') == std::string_view::npos;
}

TProfinet_Parameters Load_PROFINET_Parameters(const std::filesystem::path& parGen)
{
    TProfinet_Parameters p;
    p.Profinet_Station_Name.clear();
    try {
        if (const auto f = TParGenFile::Open(parGen)) {
            p.Profinet_NB_In = Length_Key(*f, "PROFINET_NB_IN");
            p.Profinet_NB_Out = Length_Key(*f, "PROFINET_NB_OUT");
            if (const auto v = f->Key("PROFINET_NAME_STA"))
                p.Profinet_Station_Name = *v;
        }
    } catch (const xml::XmlError&) {
        // An unreadable ParGen.xml gives every default, as a missing one does.
    }
    if (rtl::Trim(p.Profinet_Station_Name).empty())
        p.Profinet_Station_Name = "SERIAL";
    return p;
}

std::vector<std::string> GSDML_Lines(const TProfinet_Parameters& p)
{
    TLines l;
    Add_Header(l);
    l.Add(1, "<ProfileBody>");
    Add_Identity(l);
    l.Add(2, "<ApplicationProcess>");
    Add_Access_Point(l, p);
    Add_Module(l, p);
    Add_Values_And_Categories(l);
    Add_Texts(l);
    l.Add(2, "</ApplicationProcess>");
    l.Add(1, "</ProfileBody>");
    l.Add(0, "</ISO15745Profile>");
    return l.Take();
}

void Write_GSDML_File(const std::filesystem::path& file, const std::filesystem::path& parGen)
{
    std::string text = "\xEF\xBB\xBF";
    for (const auto& line : GSDML_Lines(Load_PROFINET_Parameters(parGen))) {
        text += line;
        text += "\r\n";
    }
    rtl::WriteFileAtomic(file.string(), text);
}

void Write_GSDML_File(const std::string& fileName)
{
    Write_GSDML_File(fileName, File_ParGen);
}

}  // namespace core
