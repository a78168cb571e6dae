#include "core/EtherNetIPRules.h"

#include "common/AddressHelpers.h"
#include "common/NumConv.h"
#include "core/EdsConnections.h"
#include "core/TableTexts.h"
#include "platform/rtl/StrUtils.h"

namespace core {

using R = TEtherNetIP_Row;

const std::array<TEtherNetIP_Column, 14> EtherNetIP_Columns{{
    {.Field = &R::Enable, .Attribute = "Enable", .Header_Text = 4915, .Hint_Text = 4923},
    {.Field = &R::IP_Address, .Attribute = "IP_Address", .Header_Text = 4916, .Hint_Text = 4924},
    {.Field = &R::Start_Input, .Attribute = "Start_Input", .Header_Text = 4917, .Hint_Text = 4925},
    {.Field = &R::Num_Input, .Attribute = "Num_Input", .Header_Text = 4918, .Hint_Text = 4926},
    {.Field = &R::Start_Output, .Attribute = "Start_Output", .Header_Text = 4919, .Hint_Text = 4927},
    {.Field = &R::Num_Output, .Attribute = "Num_Output", .Header_Text = 4920, .Hint_Text = 4928},
    {.Field = &R::Time_Poll, .Attribute = "Time_Poll", .Header_Text = 4921, .Hint_Text = 4929},
    {.Field = &R::Instance_T_O, .Attribute = "Instance_T_O", .Header_Text = 4941, .Hint_Text = 4943},
    {.Field = &R::Connection_Point_T_O, .Attribute = "Connection_Point_T_O", .Header_Text = 4947, .Hint_Text = 4949},
    {.Field = &R::Instance_O_T, .Attribute = "Instance_O_T", .Header_Text = 4942, .Hint_Text = 4944},
    {.Field = &R::Connection_Point_O_T, .Attribute = "Connection_Point_O_T", .Header_Text = 4948, .Hint_Text = 4950},
    {.Field = &R::Dim_Header_T_O, .Attribute = "Dim_Header_T_O", .Header_Text = 4953, .Hint_Text = 4955},
    {.Field = &R::Dim_Header_O_T, .Attribute = "Dim_Header_O_T", .Header_Text = 4954, .Hint_Text = 4956},
    {.Field = &R::Mnemonic, .Attribute = "Mnemonic", .Header_Text = 4922, .Hint_Text = 4930},
}};

namespace {

bool Blank(std::string_view text)
{
    return rtl::Trim(text).empty();
}

// Anything typed in the row, its Enable aside.
bool Holds_Anything(const TEtherNetIP_Row& row)
{
    for (const auto& c : EtherNetIP_Columns)
        if (c.Field != &R::Enable && !Blank(row.*c.Field))
            return true;
    return false;
}

// A number of the check, read as the bank compiler reads it (the general whole-number conversion);
// -1 for a text that is not one.
std::int64_t Value(std::string_view text)
{
    return Str_To_Int(text).value_or(-1);
}

bool In_Range(std::string_view text, std::int64_t low, std::int64_t high)
{
    const std::int64_t v = Value(text);
    return v >= low && v <= high;
}

bool Header_Valid(const std::string& text)
{
    return rtl::UpperCase(rtl::Trim(text)) == "DEFAULT" || In_Range(text, 0, 7);
}

bool IP_Valid(const std::string& text)
{
    std::string a, b, c, d;
    return Split_IP_Address(text, a, b, c, d);
}

// Text numbers of the row faults that are not a number out of its range.
constexpr int kIpAddressFaultText = 4932;
constexpr int kHeaderTOFaultText = 4957;
constexpr int kHeaderOTFaultText = 4958;

// Text number of the first rule the row breaks, 0 when it passes.
int Row_Fault(const TEtherNetIP_Row& r)
{
    struct Rule {
        const std::string R::*field;
        std::int64_t low, high;
        int text;
    };
    static constexpr Rule numbers[] = {
        {.field = &R::Start_Input, .low = 0, .high = 65535, .text = 4933},
        {.field = &R::Num_Input, .low = 0, .high = 65535, .text = 4934},
        {.field = &R::Start_Output, .low = 0, .high = 65535, .text = 4935},
        {.field = &R::Num_Output, .low = 0, .high = 65535, .text = 4936},
        {.field = &R::Time_Poll, .low = 1, .high = 100000000, .text = 4937},
        {.field = &R::Instance_T_O, .low = 0, .high = 65535, .text = 4945},
        {.field = &R::Connection_Point_T_O, .low = 0, .high = 65535, .text = 4951},
        {.field = &R::Instance_O_T, .low = 0, .high = 65535, .text = 4946},
        {.field = &R::Connection_Point_O_T, .low = 0, .high = 65535, .text = 4952},
    };
    if (!IP_Valid(r.IP_Address))
        return kIpAddressFaultText;
    for (const Rule& rule : numbers)
        if (!In_Range(r.*rule.field, rule.low, rule.high))
            return rule.text;
    if (!Header_Valid(r.Dim_Header_T_O))
        return kHeaderTOFaultText;
    if (!Header_Valid(r.Dim_Header_O_T))
        return kHeaderOTFaultText;
    return 0;
}

std::string Header_Text(std::uint8_t value, std::uint8_t byDefault)
{
    return value == byDefault ? "Default" : std::to_string(value);
}

}  // namespace

std::optional<std::string> EtherNetIP_Cell_Hint(int ACol, int ARow)
{
    if (ARow != 0 || ACol < 1 || static_cast<std::size_t>(ACol) > EtherNetIP_Columns.size())
        return std::nullopt;
    return Lang_Text(EtherNetIP_Columns[static_cast<std::size_t>(ACol - 1)].Hint_Text);
}

std::size_t EtherNetIP_Saved_Row_Count(const std::vector<TEtherNetIP_Row>& rows)
{
    std::size_t n = 0;
    while (n < rows.size() && !Blank(rows[n].IP_Address))
        ++n;
    return n;
}

std::optional<TEtherNetIP_Fault> EtherNetIP_First_Fault(const std::vector<TEtherNetIP_Row>& rows, std::int32_t maxIn,
                                                        std::int32_t maxOut)
{
    const std::size_t firstUnsaved = EtherNetIP_Saved_Row_Count(rows);
    bool dropsTyped = false;
    for (std::size_t i = firstUnsaved; i < rows.size(); ++i)
        dropsTyped = dropsTyped || Holds_Anything(rows[i]);
    std::int64_t inputs = 0;
    std::int64_t outputs = 0;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (i == firstUnsaved && dropsTyped)
            return TEtherNetIP_Fault{i + 1, 4964, Lang_Format(4964, {i + 1})};
        const TEtherNetIP_Row& r = rows[i];
        if (rtl::UpperCase(r.Enable) != "Y")
            continue;
        if (Blank(r.IP_Address))
            break;
        if (const int text = Row_Fault(r))
            return TEtherNetIP_Fault{i + 1, text, Lang_Text(4931) + std::to_string(i + 1) + Lang_Text(text)};
        inputs += Value(r.Num_Input);
        outputs += Value(r.Num_Output);
    }
    if (inputs > maxIn)
        return TEtherNetIP_Fault{0, 4938, Lang_Text(4938) + std::to_string(maxIn)};
    if (outputs > maxOut)
        return TEtherNetIP_Fault{0, 4939, Lang_Text(4939) + std::to_string(maxOut)};
    return std::nullopt;
}

std::array<std::string, 9> EDS_Connection_Texts(const TConnData& c)
{
    return {"Connection" + std::to_string(c.ConnIndex),
            c.ConnName,
            c.HelpStr,
            std::to_string(c.InstanceOT),
            std::to_string(c.ConnPointOT),
            std::to_string(c.InstanceTO),
            std::to_string(c.ConnPointTO),
            Header_Text(c.DimHeaderOT, 4),
            Header_Text(c.DimHeaderTO, 0)};
}

std::optional<std::size_t> Import_EDS_Connection(std::vector<TEtherNetIP_Row>& rows, const TConnData& c)
{
    for (std::size_t i = 0; i < rows.size(); ++i) {
        TEtherNetIP_Row& r = rows[i];
        if (!Blank(r.IP_Address) || !Blank(r.Instance_T_O))
            continue;
        const auto texts = EDS_Connection_Texts(c);
        r.Instance_O_T = texts[3];
        r.Connection_Point_O_T = texts[4];
        r.Instance_T_O = texts[5];
        r.Connection_Point_T_O = texts[6];
        r.Dim_Header_T_O = texts[8];
        r.Dim_Header_O_T = texts[7];
        return i;
    }
    return std::nullopt;
}

}  // namespace core
