#pragma once
// Small GIF files made in the tests: every frame is W x H pixels of one palette colour. The LZW
// data restarts its code table every two pixels, so every code keeps its 3-bit width.

#include <cstdint>
#include <string>
#include <vector>

namespace gx::testing {

// Palette: 0 black, 1 red, 2 green, 3 blue.
inline std::vector<std::uint8_t> MakeGif(int w, int h, const std::vector<int>& frameColours, int delay = 10)
{
    std::vector<std::uint8_t> g = {'G', 'I', 'F', '8', '9', 'a'};
    const auto u16 = [&g](int v) {
        g.push_back(static_cast<std::uint8_t>(v & 0xFF));
        g.push_back(static_cast<std::uint8_t>(v >> 8));
    };
    u16(w);
    u16(h);
    g.insert(g.end(), {0x91, 0, 0});  // global table of 4 colours
    g.insert(g.end(), {0, 0, 0, 255, 0, 0, 0, 255, 0, 0, 0, 255});
    for (int colour : frameColours) {
        g.insert(g.end(), {0x21, 0xF9, 0x04, 0x00});
        u16(delay);
        g.insert(g.end(), {0x00, 0x00});
        g.push_back(0x2C);
        u16(0);
        u16(0);
        u16(w);
        u16(h);
        g.push_back(0x00);
        g.push_back(0x02);  // minimum code size
        std::vector<int> codes;
        for (int i = 0; i < w * h; ++i) {
            if (i % 2 == 0)
                codes.push_back(4);  // clear
            codes.push_back(colour);
        }
        codes.push_back(5);  // end of information
        std::vector<std::uint8_t> bytes;
        unsigned acc = 0;
        int bits = 0;
        for (int c : codes) {
            acc |= static_cast<unsigned>(c) << bits;
            bits += 3;
            while (bits >= 8) {
                bytes.push_back(static_cast<std::uint8_t>(acc & 0xFF));
                acc >>= 8;
                bits -= 8;
            }
        }
        if (bits)
            bytes.push_back(static_cast<std::uint8_t>(acc & 0xFF));
        for (std::size_t at = 0; at < bytes.size(); at += 255) {
            const std::size_t n = std::min<std::size_t>(255, bytes.size() - at);
            g.push_back(static_cast<std::uint8_t>(n));
            g.insert(g.end(), bytes.begin() + static_cast<std::ptrdiff_t>(at),
                     bytes.begin() + static_cast<std::ptrdiff_t>(at + n));
        }
        g.push_back(0x00);
    }
    g.push_back(0x3B);
    return g;
}

}  // namespace gx::testing
