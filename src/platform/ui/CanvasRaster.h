#pragma once
// Pixel operations shared by the canvas's rasteriser.
#include "platform/ui/Graphics.h"
#include <cstdint>

namespace ui {

// Combines a destination pixel with a source pixel by a raster operation (alpha kept opaque).
inline std::uint32_t ApplyRop(std::uint32_t dst, std::uint32_t src, TPenMode mode)
{
    std::uint32_t rgb;
    switch (mode) {
    case TPenMode::pmBlack:
        rgb = 0;
        break;
    case TPenMode::pmWhite:
        rgb = 0xFFFFFF;
        break;
    case TPenMode::pmNop:
        return dst;
    case TPenMode::pmNot:
        rgb = ~dst;
        break;
    case TPenMode::pmNotCopy:
        rgb = ~src;
        break;
    case TPenMode::pmXor:
        rgb = dst ^ src;
        break;
    case TPenMode::pmNotXor:
        rgb = ~(dst ^ src);
        break;
    case TPenMode::pmMerge:
        rgb = dst | src;
        break;
    case TPenMode::pmMask:
        rgb = dst & src;
        break;
    case TPenMode::pmCopy:
    default:
        rgb = src;
        break;
    }
    return 0xFF000000u | (rgb & 0xFFFFFF);
}

// Source-over blending of a pixel with its own alpha.
inline std::uint32_t BlendPixel(std::uint32_t dst, std::uint32_t src)
{
    unsigned a = src >> 24;
    if (a == 255)
        return src;
    if (a == 0)
        return dst;
    auto mix = [a](unsigned s, unsigned d) { return (s * a + d * (255 - a) + 127) / 255; };
    unsigned r = mix((src >> 16) & 0xFF, (dst >> 16) & 0xFF);
    unsigned g = mix((src >> 8) & 0xFF, (dst >> 8) & 0xFF);
    unsigned b = mix(src & 0xFF, dst & 0xFF);
    return 0xFF000000u | (r << 16) | (g << 8) | b;
}

// Whether the pen draws at the given step along a line for its style.
inline bool PenPatternOn(TPenStyle style, int step)
{
    switch (style) {
    case TPenStyle::psDot:
        return (step % 2) == 0;
    case TPenStyle::psDash:
        return (step % 24) < 18;
    case TPenStyle::psDashDot:
        return (step % 24) < 12 || ((step % 24) >= 18 && (step % 24) < 21);
    case TPenStyle::psDashDotDot:
        return (step % 24) < 12 || (step % 24) == 15 || (step % 24) == 19;
    case TPenStyle::psClear:
        return false;
    default:
        return true;
    }
}

}  // namespace ui
