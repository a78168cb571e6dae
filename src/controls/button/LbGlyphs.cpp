#include "controls/button/LbGlyphs.h"

#include <cstdlib>
#include <map>
#include <span>
#include <stdexcept>
#include <string_view>

namespace controls {

namespace {

#include "controls/button/res/lbabort.xpm"
#include "controls/button/res/lball.xpm"
#include "controls/button/res/lbarrow.xpm"
#include "controls/button/res/lbcancel.xpm"
#include "controls/button/res/lbclose.xpm"
#include "controls/button/res/lbhelp.xpm"
#include "controls/button/res/lbignore.xpm"
#include "controls/button/res/lbno.xpm"
#include "controls/button/res/lbok.xpm"
#include "controls/button/res/lbretry.xpm"
#include "controls/button/res/lbyes.xpm"

struct Resource {
    const char* name;
    std::span<const char* const> xpm;
};

const Resource kResources[] = {
    {"LBOK", lbok_xpm},         {"LBCANCEL", lbcancel_xpm}, {"LBHELP", lbhelp_xpm},   {"LBYES", lbyes_xpm},
    {"LBNO", lbno_xpm},         {"LBCLOSE", lbclose_xpm},   {"LBABORT", lbabort_xpm}, {"LBRETRY", lbretry_xpm},
    {"LBIGNORE", lbignore_xpm}, {"LBALL", lball_xpm},       {"LBARROW", lbarrow_xpm},
};

// Our pictures use the plain XPM subset: one character per pixel and "#RRGGBB" colours.
void DecodeXpm(std::span<const char* const> xpm, ui::TBitmap& bmp)
{
    char* end = nullptr;
    const int w = static_cast<int>(std::strtol(xpm[0], &end, 10));
    const int h = static_cast<int>(std::strtol(end, &end, 10));
    const int colours = static_cast<int>(std::strtol(end, &end, 10));
    if (w <= 0 || h <= 0 || xpm.size() != static_cast<std::size_t>(1 + colours + h))
        throw std::logic_error("malformed picture resource");
    std::map<char, ui::TColor> palette;
    for (int i = 1; i <= colours; ++i) {
        const std::string_view line = xpm[i];
        const auto hash = line.find('#');
        if (hash == std::string_view::npos || line.size() < hash + 7)
            throw std::logic_error("malformed picture resource");
        const unsigned long rgb = std::strtoul(std::string(line.substr(hash + 1, 6)).c_str(), nullptr, 16);
        palette[line[0]] = ui::RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
    }
    bmp.SetSize(w, h);
    for (int y = 0; y < h; ++y) {
        const std::string_view row = xpm[1 + colours + y];
        for (int x = 0; x < w && x < static_cast<int>(row.size()); ++x)
            bmp.SetPixel(x, y, palette.at(row[x]));
    }
}

}  // namespace

bool LoadLbBitmapResource(const std::string& name, ui::TBitmap& bmp)
{
    for (const auto& r : kResources) {
        if (name == r.name) {
            DecodeXpm(r.xpm, bmp);
            return true;
        }
    }
    return false;
}

}  // namespace controls
