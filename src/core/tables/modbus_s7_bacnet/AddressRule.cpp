#include "core/tables/modbus_s7_bacnet/AddressRule.h"

#include "common/AddressHelpers.h"

namespace tables::modbus_s7_bacnet {

bool Address_Bytes(const std::string& text, TAddressBytes& bytes)
{
    bytes = {};
    return !IP_To_Bytes(text, bytes[0], bytes[1], bytes[2], bytes[3]);
}

TRowRule Address_Rule(int col, int text)
{
    return [=](const TRowView& row) -> std::optional<TRuleFault> {
        TAddressBytes bytes;
        if (Address_Bytes(row.Cell(col), bytes))
            return std::nullopt;
        return TRuleFault{.Text = text};
    };
}

}  // namespace tables::modbus_s7_bacnet
