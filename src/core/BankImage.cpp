#include "core/BankImage.h"

#include <stdexcept>
#include <string>

namespace core {

void TBankImage::Reserve_For(std::size_t count) const
{
    if (count > Capacity - bytes_.size())
        throw std::length_error("bank image would exceed " + std::to_string(Capacity) + " bytes");
}

void TBankImage::Append(std::span<const std::uint8_t> bytes)
{
    Reserve_For(bytes.size());
    bytes_.insert(bytes_.end(), bytes.begin(), bytes.end());
}

void TBankImage::Append_Zeros(std::size_t count)
{
    Reserve_For(count);
    bytes_.resize(bytes_.size() + count, 0);
}

void TBankImage::Fill_To(std::size_t size)
{
    if (size > bytes_.size())
        Append_Zeros(size - bytes_.size());
}

}  // namespace core
