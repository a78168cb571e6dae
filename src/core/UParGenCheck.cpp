#include "core/UParGenCheck.h"

#include <cstdint>
#include <string_view>

#include "common/NumConv.h"
#include "platform/rtl/StrUtils.h"

namespace core {

namespace {

// Text numbers of the check's messages. An address has one message per octet: the number of its
// first octet's message, the next three follow.
constexpr int kPrimaryDnsOctetText = 1563;
constexpr int kSecondaryDnsOctetText = 1567;
constexpr int kRevisionText = 412;
constexpr int kSlaveNameText = 411;
constexpr int kNodeAddressText = 989;
constexpr int kScannerIpOctetText = 1643;
constexpr int kScannerMaskOctetText = 1647;
constexpr int kScannerGatewayOctetText = 1651;

// Every number of the check goes through the general conversion; a text it refuses counts as -1.
int64_t Value_Of(std::string_view text)
{
    return Str_To_Int(text).value_or(-1);
}

bool In_Range(std::string_view text, int64_t low, int64_t high)
{
    const int64_t v = Value_Of(text);
    return v >= low && v <= high;
}

// Text number for the first octet outside 0..255 (firstText names octet 1, the next ones follow),
// or 0.
int Octets_Fault(const std::array<std::string, 4>& octets, int firstText)
{
    for (int i = 0; i < 4; ++i)
        if (!In_Range(octets[static_cast<std::size_t>(i)], 0, 255))
            return firstText + i;
    return 0;
}

}  // namespace

int ParGen_First_Fault(const TParGenSettings& s)
{
    if (s.Enable_DNS) {
        if (int f = Octets_Fault(s.Primary_DNS, kPrimaryDnsOctetText))
            return f;
        if (int f = Octets_Fault(s.Secondary_DNS, kSecondaryDnsOctetText))
            return f;
    }
    const int64_t revision = Str_To_Int64(s.Revision_Number).value_or(-1);
    if (revision < 0 || revision > 0xFFFFFFFFLL)
        return kRevisionText;
    if (rtl::Trim(s.Slave_Name).empty())
        return kSlaveNameText;
    if (!In_Range(s.Node_Address, 1, 192))
        return kNodeAddressText;
    if (int f = Octets_Fault(s.Master_IP, kScannerIpOctetText))
        return f;
    if (int f = Octets_Fault(s.Master_SM, kScannerMaskOctetText))
        return f;
    if (s.Enable_Gateway)
        if (int f = Octets_Fault(s.Master_GAT, kScannerGatewayOctetText))
            return f;
    return 0;
}

}  // namespace core
