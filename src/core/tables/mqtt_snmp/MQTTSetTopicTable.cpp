#include "core/tables/mqtt_snmp/MQTTSetTopicTable.h"

#include <algorithm>
#include <string>

#include "common/AddressHelpers.h"
#include "common/UComon.h"
#include "core/tables/TableEngine.h"
#include "core/tables/TableRules.h"
#include "core/tables/mqtt_snmp/TableBlocks.h"
#include "platform/rtl/StrUtils.h"

namespace tables::mqtt_snmp {

namespace {

const std::vector<std::string> QoS_Items = {"0", "1", "2"};
const std::vector<std::string> Data_Type_Items = {"Int", "Float", "String", "Base64"};
const std::vector<std::string> Template_Items = {"$VALUE$"};

std::vector<std::string> Channel_Items()
{
    std::vector<std::string> items;
    for (int i = 0; i < 64; ++i)
        items.push_back(std::to_string(i));
    items.emplace_back("All");
    return items;
}

std::string Upper_Trimmed(const TRowView& row, int col)
{
    return rtl::UpperCase(row.Trimmed(col));
}

// Texts of one table's rules, in the order they are tested.
struct TRuleTexts {
    int Type_Missing, Int_Size, Float_Size, Other_Size, Position, IP_Address, Port, Input_Template, Template;
};

// The type must be chosen; its size then depends on it: 1, 2, 4 or 8 bytes for a number, 4 or 8
// for a float, at least one for a text.
TRowRule Data_Type_Rule(int typeCol, int sizeCol, const TRuleTexts& t)
{
    return [=](const TRowView& row) -> std::optional<TRuleFault> {
        const std::string type = Upper_Trimmed(row, typeCol);
        if (type.empty())
            return TRuleFault{.Text = t.Type_Missing};
        const std::int32_t size = row.Int(sizeCol);
        if (type == "INT") {
            if (size != 1 && size != 2 && size != 4 && size != 8)
                return TRuleFault{.Text = t.Int_Size};
        } else if (type == "FLOAT") {
            if (size != 4 && size != 8)
                return TRuleFault{.Text = t.Float_Size};
        } else if (size < 1) {
            return TRuleFault{.Text = t.Other_Size};
        }
        return std::nullopt;
    };
}

TRowRule IP_Rule(int col, int text)
{
    return [=](const TRowView& row) -> std::optional<TRuleFault> {
        std::string p1, p2, p3, p4;
        if (Split_IP_Address(row.Trimmed(col), p1, p2, p3, p4))
            return std::nullopt;
        return TRuleFault{.Text = text};
    };
}

TRowRule Template_Rule(int col, int text)
{
    return [=](const TRowView& row) -> std::optional<TRuleFault> {
        if (!Error_In_Topic_Template(row.Trimmed(col)))
            return std::nullopt;
        return TRuleFault{.Text = text};
    };
}

bool Shown(const TGridDesc& g, int col)
{
    return !g.Columns[static_cast<std::size_t>(col)].Hidden;
}

// The columns that are never stored start each loaded row as a new one: no channel, no swaps.
TAttributeDesc Unstored_Reset(std::vector<int> emptied, std::vector<int> unticked)
{
    return {.Name = "",
            .Column = -1,
            .Read =
                [emptied = std::move(emptied), unticked = std::move(unticked)](std::optional<std::string_view>,
                                                                               TCells& cells, int row, TTableState&) {
                    for (int c : emptied)
                        cells.SetCell(c, row, "");
                    for (int c : unticked)
                        cells.SetCell(c, row, "N");
                },
            .Written = false};
}

TGridDesc Publish_Grid()
{
    using namespace mqtt_pub;
    TGridDesc g;
    g.Name = "ACG_Pub";
    g.Sheet = "TS_MQTT_Publish";
    g.Sheet_Caption = 3733;
    g.Sheet_Text = "MQTT Publish";
    g.Rows = 1024;
    g.Columns = {
        {.Caption = "N", .Header = 3714, .Width = 40},
        {.Caption = "Topic", .Header = 3715, .Hint = 3719, .Width = 300},
        Box_Column("Retained", 3716, 3720, 60),
        {.Caption = "QoS", .Header = 3717, .Hint = 3721, .Width = 80, .Editor = TEditor::ComboList, .Items = QoS_Items},
        {.Caption = "Data Type",
         .Header = 3737,
         .Hint = 3740,
         .Width = 80,
         .Editor = TEditor::ComboList,
         .Items = Data_Type_Items},
        {.Caption = "Dimension", .Header = 3738, .Hint = 3741, .Width = 80},
        {.Caption = "Position", .Header = 3739, .Hint = 3742, .Width = 80},
        {.Caption = "IP Address", .Header = 3762, .Hint = 3764, .Width = 100, .Hidden = true},
        {.Caption = "Input Template", .Header = 3763, .Hint = 3765, .Width = 120, .Hidden = true},
        {.Caption = "Template",
         .Header = 3735,
         .Hint = 3736,
         .Width = 130,
         .Editor = TEditor::ComboEdit,
         .Items = Template_Items},
        Box_Column("OnChange", 3781, 3782, 75),
        Box_Column("OnCMD", 3783, 3786, 55),
        Box_Column("OnTimer", 3784, 3787, 64),
        {.Caption = "Time(ms)", .Header = 3785, .Hint = 3788, .Width = 70},
        {.Caption = "Channel",
         .Header = 3790,
         .Hint = 3791,
         .Width = 60,
         .Editor = TEditor::ComboList,
         .Items = Channel_Items(),
         .Hidden = true},
        Box_Column("Swap", 3793, 3795, 40),
        Box_Column("Swap Word", 3794, 3796, 80),
        {.Caption = "Mnemonic", .Header = 3718, .Hint = 3722, .Width = 170},
    };
    for (int c : {OnCMD, Swap, Swap_Word})
        g.Columns[static_cast<std::size_t>(c)].Hidden = true;
    g.Section = {"MQTT_Publish"};
    g.Attributes = {
        {.Name = "Topic", .Column = Topic},
        {.Name = "Retained", .Column = Retained},
        {.Name = "QoS", .Column = QoS},
        {.Name = "DataType", .Column = Data_Type, .Fallback = ""},
        {.Name = "Dimension", .Column = Dimension, .Fallback = ""},
        {.Name = "Position", .Column = Position, .Fallback = ""},
        {.Name = "IPAddress", .Column = IP_Address, .Fallback = ""},
        {.Name = "InputTemplate", .Column = Input_Template, .Fallback = ""},
        {.Name = "Template", .Column = Template, .Fallback = ""},
        {.Name = "OnChange", .Column = OnChange, .Fallback = "N"},
        {.Name = "OnTimer", .Column = OnTimer, .Fallback = "N"},
        {.Name = "Time", .Column = Time, .Fallback = ""},
        {.Name = "Mnemonic", .Column = Mnemonic},
        Unstored_Reset({Channel}, {Swap, Swap_Word}),
    };
    g.Write_Key = g.Check_Key = {.Column = Topic, .Compare = TKeyCompare::Trimmed};

    const TRuleTexts t{3752, 3753, 3754, 3755, 3756, 3774, 0, 3777, 3778};
    // A rule that looks at a hidden column does not run.
    if (Shown(g, Data_Type))
        g.Rules.push_back(Data_Type_Rule(Data_Type, Dimension, t));
    if (Shown(g, Position))
        g.Rules.push_back(Int_Range_Var(Position, 0, "Byte_IN", -1, t.Position, true));
    if (Shown(g, IP_Address))
        g.Rules.push_back(IP_Rule(IP_Address, t.IP_Address));
    if (Shown(g, Input_Template))
        g.Rules.push_back(Template_Rule(Input_Template, t.Input_Template));
    if (Shown(g, Template))
        g.Rules.push_back(Template_Rule(Template, t.Template));
    g.Rules.push_back(When([](const TRowView& row) { return Upper_Trimmed(row, OnTimer) == "Y"; },
                           Int_Range(Time, 1, 1000000000, 3789)));
    g.Hint_Outside = THintOutside::Keep;
    return g;
}

TGridDesc Subscribe_Grid()
{
    using namespace mqtt_sub;
    TGridDesc g;
    g.Name = "ACG_Sub";
    g.Sheet = "TS_MQTT_Subscribe";
    g.Sheet_Caption = 3734;
    g.Sheet_Text = "MQTT Subscribe";
    g.Rows = 1024;
    g.Columns = {
        {.Caption = "N", .Header = 3724, .Width = 40},
        {.Caption = "Topic", .Header = 3725, .Hint = 3729, .Width = 300},
        Box_Column("Retained", 3726, 3730, 60),
        {.Caption = "QoS", .Header = 3727, .Hint = 3731, .Width = 80, .Editor = TEditor::ComboList, .Items = QoS_Items},
        {.Caption = "Data Type",
         .Header = 3743,
         .Hint = 3747,
         .Width = 80,
         .Editor = TEditor::ComboList,
         .Items = Data_Type_Items},
        // The form stores "Mnemonic" here; Set_Lang puts "Dimension".
        {.Caption = "Mnemonic", .Header = 3744, .Hint = 3748, .Width = 80},
        {.Caption = "Position", .Header = 3745, .Hint = 3749, .Width = 80},
        {.Caption = "IP Address", .Header = 3766, .Hint = 3770, .Width = 100, .Hidden = true},
        {.Caption = "Port", .Header = 3767, .Hint = 3771, .Width = 50, .Hidden = true},
        {.Caption = "Type",
         .Header = 3768,
         .Hint = 3772,
         .Width = 64,
         .Editor = TEditor::ComboList,
         .Items = {"TCP", "UDP"},
         .Hidden = true},
        {.Caption = "Input Template", .Header = 3769, .Hint = 3773, .Width = 130, .Hidden = true},
        {.Caption = "Template",
         .Header = 3746,
         .Hint = 3750,
         .Width = 130,
         .Editor = TEditor::ComboEdit,
         .Items = Template_Items},
        Box_Column("Swap", 3793, 3797, 40),
        Box_Column("Swap Word", 3794, 3798, 80),
        {.Caption = "Mnemonic", .Header = 3728, .Hint = 3732, .Width = 220},
    };
    for (int c : {Retained, Swap, Swap_Word})
        g.Columns[static_cast<std::size_t>(c)].Hidden = true;
    g.Section = {"MQTT_Subscribe"};
    g.Attributes = {
        {.Name = "Topic", .Column = Topic},
        {.Name = "Retained", .Column = Retained},
        {.Name = "QoS", .Column = QoS},
        {.Name = "DataType", .Column = Data_Type, .Fallback = ""},
        {.Name = "Dimension", .Column = Dimension, .Fallback = ""},
        {.Name = "Position", .Column = Position, .Fallback = ""},
        {.Name = "IPAddress", .Column = IP_Address, .Fallback = ""},
        {.Name = "Port", .Column = Port, .Fallback = ""},
        {.Name = "EthType", .Column = Eth_Type, .Fallback = ""},
        {.Name = "InputTemplate", .Column = Input_Template, .Fallback = ""},
        {.Name = "Template", .Column = Template, .Fallback = ""},
        {.Name = "Mnemonic", .Column = Mnemonic},
        Unstored_Reset({}, {Swap, Swap_Word}),
    };
    g.Write_Key = g.Check_Key = {.Column = Topic, .Compare = TKeyCompare::Trimmed};

    const TRuleTexts t{3757, 3758, 3759, 3760, 3761, 3775, 3776, 3779, 3780};
    if (Shown(g, Data_Type))
        g.Rules.push_back(Data_Type_Rule(Data_Type, Dimension, t));
    if (Shown(g, Position))
        g.Rules.push_back(Int_Range_Var(Position, 0, "Byte_OUT", -1, t.Position, true));
    if (Shown(g, IP_Address))
        g.Rules.push_back(IP_Rule(IP_Address, t.IP_Address));
    if (Shown(g, Port))
        g.Rules.push_back(Int_Range(Port, 0, 65535, t.Port));
    if (Shown(g, Input_Template))
        g.Rules.push_back(Template_Rule(Input_Template, t.Input_Template));
    if (Shown(g, Template))
        g.Rules.push_back(Template_Rule(Template, t.Template));
    g.Hint_Outside = THintOutside::Keep;
    return g;
}

TDialogDesc Make()
{
    TDialogDesc d;
    d.Class_Name = "TFMQTT_Set_Topic";
    d.Form_Name = "FMQTT_Set_Topic";
    d.Client_Width = 1100;
    d.Client_Height = 337;
    d.Grids = {Publish_Grid(), Subscribe_Grid()};
    d.Root = "MQTT_Set_Topic";
    d.File = &File_MQTT_Set_Topic;
    d.Texts = Block_Texts(3700, 3708, 3723, 3751);
    d.Prepare = [](TTableState& state) {
        state.Vars["Byte_IN"] = MQTT_Byte_IN;
        state.Vars["Byte_OUT"] = MQTT_Byte_OUT;
    };
    return d;
}

}  // namespace

bool Error_In_Topic_Template(std::string_view text)
{
    return std::count(text.begin(), text.end(), '$') % 2 != 0;
}

const TDialogDesc& MQTT_Set_Topic_Desc()
{
    static const TDialogDesc desc = Make();
    return desc;
}

}  // namespace tables::mqtt_snmp
