#pragma once
// Little-endian stores into byte buffers, as the converter reads its images.

#include <cstddef>
#include <cstdint>

namespace core {

inline void Put_U16_LE(std::uint8_t* p, std::uint16_t v)
{
    p[0] = static_cast<std::uint8_t>(v);
    p[1] = static_cast<std::uint8_t>(v >> 8);
}

inline void Put_U32_LE(std::uint8_t* p, std::uint32_t v)
{
    for (std::size_t i = 0; i < 4; ++i)
        p[i] = static_cast<std::uint8_t>(v >> (8 * i));
}

}  // namespace core
