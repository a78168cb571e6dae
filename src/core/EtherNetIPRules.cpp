#include "core/EtherNetIPRules.h"

#include "common/AddressHelpers.h"
#include "common/NumConv.h"
#include "core/EdsConnections.h"
#include "core/TableTexts.h"
#include "platform/rtl/StrUtils.h"

namespace core {

using R = TEtherNetIP_Row;

const std::array<TEtherNetIP_Column, 14> EtherNetIP_Columns{{
    {&R::Enable, "Enable", 4915, 4923},
    {&R::IP_Address, "IP_Address", 4916, 4924},
    {&R::Start_Input, "Start_Input", 4917, 4925},
    {&R::Num_Input, "Num_Input", 4918, 4926},
    {&R::Start_Output, "Start_Output", 4919, 4927},
    {&R::Num_Output, "Num_Output", 4920, 4928},
    {&R::Time_Poll, "Time_Poll", 4921, 4929},
    {&R::Instance_T_O, "Instance_T_O", 4941, 4943},
    {&R::Connection_Point_T_O, "Connection_Point_T_O", 4947, 4949},
    {&R::Instance_O_T, "Instance_O_T", 4942, 4944},
    {&R::Connection_Point_O_T, "Connection_Point_O_T", 4948, 4950},
    {&R::Dim_Header_T_O, "Dim_Header_T_O", 4953, 4955},
    {&R::Dim_Header_O_T, "Dim_Header_O_T", 4954, 4956},
    {&R::Mnemonic, "Mnemonic", 4922, 4930},
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

// Text number of the first rule the row breaks, 0 when it passes.
int Row_Fault(const TEtherNetIP_Row& r)
{
    struct Rule {
        const std::string R::*field;
        std::int64_t low, high;
        int text;
    };
    static constexpr Rule numbers[] = {
        {&R::Start_Input, 0, 65535, 4933},          {&R::Num_Input, 0, 65535, 4934},
        {&R::Start_Output, 0, 65535, 4935},         {&R::Num_Output, 0, 65535, 4936},
        {&R::Time_Poll, 1, 100000000, 4937},        {&R::Instance_T_O, 0, 65535, 4945},
        {&R::Connection_Point_T_O, 0, 65535, 4951}, {&R::Instance_O_T, 0, 65535, 4946},
        {&R::Connection_Point_O_T, 0, 65535, 4952},
    };
    if (!IP_Valid(r.IP_Address))
        return 4932;
    for (const Rule& rule : numbers)
        if (!In_Range(r.*rule.field, rule.low, rule.high))
            return rule.text;
    if (!Header_Valid(r.Dim_Header_T_O))
        return 4957;
    if (!Header_Valid(r.Dim_Header_O_T))
        return 4958;
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
