// The glyph pictures of the grid, drawn for this program (XPM: one character per pixel, "#RRGGBB"
// colours; magenta marks the transparent corner), and their lookup by resource name.
#include <cstdlib>
#include <map>
#include <memory>
#include <span>
#include <string_view>

#include "grid/stringgrid/GxGridPaint.h"
#include "platform/rtl/StrUtils.h"

#include "grid/stringgrid/res/gsgchk01.xpm"
#include "grid/stringgrid/res/gsgchk02.xpm"
#include "grid/stringgrid/res/gsgchk03.xpm"
#include "grid/stringgrid/res/gsgchk04.xpm"
#include "grid/stringgrid/res/gsgchk05.xpm"
#include "grid/stringgrid/res/gsgchk06.xpm"
#include "grid/stringgrid/res/gsgchk07.xpm"
#include "grid/stringgrid/res/gsgchk08.xpm"
#include "grid/stringgrid/res/gsgclose.xpm"
#include "grid/stringgrid/res/gsgfilt.xpm"
#include "grid/stringgrid/res/gsgleafclose.xpm"
#include "grid/stringgrid/res/gsgleafopen.xpm"
#include "grid/stringgrid/res/gsgrad01.xpm"
#include "grid/stringgrid/res/gsgrad02.xpm"
#include "grid/stringgrid/res/gsgrad03.xpm"
#include "grid/stringgrid/res/gsgrad04.xpm"
#include "grid/stringgrid/res/gsgrad05.xpm"
#include "grid/stringgrid/res/gsgrad06.xpm"
#include "grid/stringgrid/res/gsgrad07.xpm"
#include "grid/stringgrid/res/gsgrad08.xpm"
#include "grid/stringgrid/res/metrocheckoff.xpm"
#include "grid/stringgrid/res/metrocheckon.xpm"
#include "grid/stringgrid/res/metroradiooff.xpm"
#include "grid/stringgrid/res/metroradioon.xpm"
#include "grid/stringgrid/res/xpnodec.xpm"
#include "grid/stringgrid/res/xpnodeo.xpm"

namespace gx {

namespace {

struct Glyph {
    const char* name;
    std::span<const char* const> xpm;
};

const Glyph kGlyphs[] = {
    {"GSGCHK01", gsgchk01_xpm},         {"GSGCHK02", gsgchk02_xpm},
    {"GSGCHK03", gsgchk03_xpm},         {"GSGCHK04", gsgchk04_xpm},
    {"GSGCHK05", gsgchk05_xpm},         {"GSGCHK06", gsgchk06_xpm},
    {"GSGCHK07", gsgchk07_xpm},         {"GSGCHK08", gsgchk08_xpm},
    {"GSGRAD01", gsgrad01_xpm},         {"GSGRAD02", gsgrad02_xpm},
    {"GSGRAD03", gsgrad03_xpm},         {"GSGRAD04", gsgrad04_xpm},
    {"GSGRAD05", gsgrad05_xpm},         {"GSGRAD06", gsgrad06_xpm},
    {"GSGRAD07", gsgrad07_xpm},         {"GSGRAD08", gsgrad08_xpm},
    {"GSGLEAFCLOSE", gsgleafclose_xpm}, {"GSGLEAFOPEN", gsgleafopen_xpm},
    {"XPNODEC", xpnodec_xpm},           {"XPNODEO", xpnodeo_xpm},
    {"GSGFILT", gsgfilt_xpm},           {"GSGCLOSE", gsgclose_xpm},
    {"METROCHECKON", metrocheckon_xpm}, {"METROCHECKOFF", metrocheckoff_xpm},
    {"METRORADIOON", metroradioon_xpm}, {"METRORADIOOFF", metroradiooff_xpm},
};

void Decode(std::span<const char* const> xpm, ui::TBitmap& bmp)
{
    char* end = nullptr;
    const int w = static_cast<int>(std::strtol(xpm[0], &end, 10));
    const int h = static_cast<int>(std::strtol(end, &end, 10));
    const int colours = static_cast<int>(std::strtol(end, &end, 10));
    std::map<char, ui::TColor> palette;
    for (int i = 1; i <= colours; ++i) {
        const std::string_view line = xpm[static_cast<std::size_t>(i)];
        const unsigned long rgb = std::strtoul(std::string(line.substr(line.find('#') + 1, 6)).c_str(), nullptr, 16);
        palette[line[0]] = ui::RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
    }
    bmp.SetSize(w, h);
    for (int y = 0; y < h; ++y) {
        const std::string_view row = xpm[static_cast<std::size_t>(1 + colours + y)];
        for (int x = 0; x < w; ++x)
            bmp.SetPixel(x, y, palette[row[static_cast<std::size_t>(x)]]);
    }
}

}  // namespace

bool LoadGridGlyph(const std::string& Name, ui::TBitmap& Bitmap)
{
    const std::string key = rtl::UpperCase(Name);
    for (const Glyph& g : kGlyphs)
        if (key == g.name) {
            Decode(g.xpm, Bitmap);
            return true;
        }
    return false;
}

const ui::TBitmap* GridGlyph(const std::string& Name)
{
    static std::map<std::string, std::unique_ptr<ui::TBitmap>> cache;
    auto& slot = cache[rtl::UpperCase(Name)];
    if (!slot) {
        slot = std::make_unique<ui::TBitmap>();
        if (LoadGridGlyph(Name, *slot)) {
            slot->SetTransparent(true);
            slot->SetTransparentMode(ui::TTransparentMode::tmAuto);
        }
    }
    return slot->Empty() ? nullptr : slot.get();
}

void DrawAutoTransparent(ui::TCanvas& Canvas, int X, int Y, const ui::TBitmap& Bitmap)
{
    if (Bitmap.Empty())
        return;
    if (Bitmap.Transparent() && Bitmap.TransparentMode() == ui::TTransparentMode::tmAuto) {
        Canvas.Draw(X, Y, &Bitmap);
        return;
    }
    ui::TBitmap copy;
    copy.Assign(Bitmap);
    copy.SetTransparent(true);
    copy.SetTransparentMode(ui::TTransparentMode::tmAuto);
    Canvas.Draw(X, Y, &copy);
}

}  // namespace gx
