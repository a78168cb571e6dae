#pragma once
// A growing byte image with a fixed upper size: the in-memory form of bank1.bin and bank2.bin.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace core {

class TBankImage {
public:
    static constexpr std::size_t Capacity = 131072;

    // Appends the bytes; throws std::length_error when the image would exceed Capacity (nothing
    // is appended then).
    void Append(std::span<const std::uint8_t> bytes);
    void Append_Zeros(std::size_t count);
    // Appends zero bytes until the image holds `size` bytes (nothing when it already does).
    void Fill_To(std::size_t size);
    void Clear() { bytes_.clear(); }

    std::size_t Length() const { return bytes_.size(); }
    const std::vector<std::uint8_t>& Bytes() const { return bytes_; }
    std::string_view View() const { return {reinterpret_cast<const char*>(bytes_.data()), bytes_.size()}; }

private:
    void Reserve_For(std::size_t count) const;
    std::vector<std::uint8_t> bytes_;
};

}  // namespace core
