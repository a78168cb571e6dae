// The data check of the IEC 61850 client's attribute table (Controllo_dati): every row with a
// basic type, the rules in order, the first broken one reported.
#include "common/AddressHelpers.h"
#include "core/iec61850/UIEC_61850_AccessModel.h"
#include "core/tables/TableEngine.h"
#include "core/tables/TableTexts.h"

#include <cctype>

namespace iec {

namespace {

constexpr int kRowPrefix = 3252;  // "Error row "
constexpr int kMaxPosition = 1399;

std::string Upper(std::string text)
{
    for (char& c : text)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

bool In(std::int32_t value, std::int32_t low, std::int32_t high)
{
    return value >= low && value <= high;
}

// The text of the first rule the row breaks, 0 when it passes.
int First_Broken_Rule(const TClientGrid& da, int r, char separator)
{
    const auto cell = [&da, r](int c) { return da.Cell(c, r); };
    const auto number = [&da, r](int c) { return tables::Cell_Int(da.Cell(c, r)); };
    const std::string bType = Upper(cell(col::DA_bType));
    const std::int32_t start = number(col::DA_StartByte);
    const std::int32_t count = number(col::DA_NumByte);
    if (bType == "VISSTRING255") {
        if (!In(start, 0, 254))
            return 3262;
        if (!In(count, 1, 255))
            return 3263;
        if (start + count > 255)
            return 3264;
    } else if (bType == "OCTET64") {
        if (!In(start, 0, 63))
            return 3265;
        if (!In(count, 1, 64))
            return 3266;
        if (start + count > 64)
            return 3267;
    }
    std::string ip1, ip2, ip3, ip4;
    if (!Split_IP_Address(cell(col::DA_IPAddress), ip1, ip2, ip3, ip4))
        return 3253;
    if (!In(number(col::DA_Port), 0, 65535))
        return 3254;
    if (tables::Cell_Trim(cell(col::DA_OnTimer)) == "Y" && !In(number(col::DA_Time), 1, 100000000))
        return 3255;
    if (!In(number(col::DA_Position), 0, kMaxPosition))
        return 3256;
    float factor = 0;
    if (Upper(tables::Cell_Trim(cell(col::DA_MoltFact))) != "NONE" &&
        !Str_To_Float_Sep(cell(col::DA_MoltFact), separator, factor))
        return 3257;
    return 0;
}

}  // namespace

std::optional<ClientFault> ClientModel::Controllo_dati(const TClientGrid& da)
{
    const char separator = Get_Decimal_Separator();
    for (int r = 1; r < da.RowCount(); ++r) {
        if (da.Cell(col::DA_bType, r).empty())
            continue;
        const int text = First_Broken_Rule(da, r, separator);
        if (text == 0)
            continue;
        std::string message = core::Lang_Text(kRowPrefix) + std::to_string(r) + core::Lang_Text(text);
        if (text == 3256)
            message += std::to_string(kMaxPosition);
        return ClientFault{r, message};
    }
    return std::nullopt;
}

}  // namespace iec
