#include "controls/dropdown/GxColorText.h"

#include <cstdio>

namespace dropdown {

namespace {

struct TWebColor {
    const char* Name;
    ui::TColor Color;
};

// Searched in this order: the first entry with a colour gives its name.
constexpr TWebColor kWebColors[] = {
    {"clWebSnow", 0xFAFAFF},
    {"clWebFloralWhite", 0xF0FAFF},
    {"clWebLavenderBlush", 0xF5F0FF},
    {"clWebOldLace", 0xE6F5FD},
    {"clWebIvory", 0xF0FFFF},
    {"clWebCornSilk", 0xDCF8FF},
    {"clWebBeige", 0xDCF5F5},
    {"clWebAntiqueWhite", 0xD7EBFA},
    {"clWebWheat", 0xB3DEF5},
    {"clWebAliceBlue", 0xFFF8F0},
    {"clWebGhostWhite", 0xFFF8F8},
    {"clWebLavender", 0xFAE6E6},
    {"clWebSeashell", 0xEEF5FF},
    {"clWebLightYellow", 0xE0FFFF},
    {"clWebPapayaWhip", 0xD5EFFF},
    {"clWebNavajoWhite", 0xADDEFF},
    {"clWebMoccasin", 0xB5E4FF},
    {"clWebBurlywood", 0x87B8DE},
    {"clWebAzure", 0xFFFFF0},
    {"clWebMintcream", 0xFAFFF5},
    {"clWebHoneydew", 0xF0FFF0},
    {"clWebLinen", 0xE6F0FA},
    {"clWebLemonChiffon", 0xCDFAFF},
    {"clWebBlanchedAlmond", 0xCDEBFF},
    {"clWebBisque", 0xC4E4FF},
    {"clWebPeachPuff", 0xB9DAFF},
    {"clWebTan", 0x8CB4D2},
    {"clWebYellow", 0x00FFFF},
    {"clWebDarkOrange", 0x008CFF},
    {"clWebRed", 0x0000FF},
    {"clWebDarkRed", 0x00008B},
    {"clWebMaroon", 0x000080},
    {"clWebIndianRed", 0x5C5CCD},
    {"clWebSalmon", 0x7280FA},
    {"clWebCoral", 0x507FFF},
    {"clWebGold", 0x00D7FF},
    {"clWebTomato", 0x4763FF},
    {"clWebCrimson", 0x3C14DC},
    {"clWebBrown", 0x2A2AA5},
    {"clWebChocolate", 0x1E69D2},
    {"clWebSandyBrown", 0x60A4F4},
    {"clWebLightSalmon", 0x7AA0FF},
    {"clWebLightCoral", 0x8080F0},
    {"clWebOrange", 0x00A5FF},
    {"clWebOrangeRed", 0x0045FF},
    {"clWebFirebrick", 0x2222B2},
    {"clWebSaddleBrown", 0x13458B},
    {"clWebSienna", 0x2D52A0},
    {"clWebPeru", 0x3F85CD},
    {"clWebDarkSalmon", 0x7A96E9},
    {"clWebRosyBrown", 0x8F8FBC},
    {"clWebPaleGoldenrod", 0xAAE8EE},
    {"clWebLightGoldenrodYellow", 0xD2FAFA},
    {"clWebOlive", 0x008080},
    {"clWebForestGreen", 0x228B22},
    {"clWebGreenYellow", 0x2FFFAD},
    {"clWebChartreuse", 0x00FF7F},
    {"clWebLightGreen", 0x90EE90},
    {"clWebAquamarine", 0xD4FF7F},
    {"clWebSeaGreen", 0x578B2E},
    {"clWebGoldenRod", 0x20A5DA},
    {"clWebKhaki", 0x8CE6F0},
    {"clWebOliveDrab", 0x238E6B},
    {"clWebGreen", 0x008000},
    {"clWebYellowGreen", 0x32CD9A},
    {"clWebLawnGreen", 0x00FC7C},
    {"clWebPaleGreen", 0x98FB98},
    {"clWebMediumAquamarine", 0xAACD66},
    {"clWebMediumSeaGreen", 0x71B33C},
    {"clWebDarkGoldenRod", 0x0B86B8},
    {"clWebDarkKhaki", 0x6BB7BD},
    {"clWebDarkOliveGreen", 0x2F6B55},
    {"clWebDarkgreen", 0x006400},
    {"clWebLimeGreen", 0x32CD32},
    {"clWebLime", 0x00FF00},
    {"clWebSpringGreen", 0x7FFF00},
    {"clWebMediumSpringGreen", 0x9AFA00},
    {"clWebDarkSeaGreen", 0x8FBC8F},
    {"clWebLightSeaGreen", 0xAAB220},
    {"clWebPaleTurquoise", 0xEEEEAF},
    {"clWebLightCyan", 0xFFFFE0},
    {"clWebLightBlue", 0xE6D8AD},
    {"clWebLightSkyBlue", 0xFACE87},
    {"clWebCornFlowerBlue", 0xED9564},
    {"clWebDarkBlue", 0x8B0000},
    {"clWebIndigo", 0x82004B},
    {"clWebMediumTurquoise", 0xCCD148},
    {"clWebTurquoise", 0xD0E040},
    {"clWebCyan", 0xFFFF00},
    {"clWebPowderBlue", 0xE6E0B0},
    {"clWebSkyBlue", 0xEBCE87},
    {"clWebRoyalBlue", 0xE16941},
    {"clWebMediumBlue", 0xCD0000},
    {"clWebMidnightBlue", 0x701919},
    {"clWebDarkTurquoise", 0xD1CE00},
    {"clWebCadetBlue", 0xA09E5F},
    {"clWebDarkCyan", 0x8B8B00},
    {"clWebTeal", 0x808000},
    {"clWebDeepskyBlue", 0xFFBF00},
    {"clWebDodgerBlue", 0xFF901E},
    {"clWebBlue", 0xFF0000},
    {"clWebNavy", 0x800000},
    {"clWebDarkViolet", 0xD30094},
    {"clWebDarkOrchid", 0xCC3299},
    {"clWebMagenta", 0xFF00FF},
    {"clWebDarkMagenta", 0x8B008B},
    {"clWebMediumVioletRed", 0x8515C7},
    {"clWebPaleVioletRed", 0x9370DB},
    {"clWebBlueViolet", 0xE22B8A},
    {"clWebMediumOrchid", 0xD355BA},
    {"clWebMediumPurple", 0xDB7093},
    {"clWebPurple", 0x800080},
    {"clWebDeepPink", 0x9314FF},
    {"clWebLightPink", 0xC1B6FF},
    {"clWebViolet", 0xEE82EE},
    {"clWebOrchid", 0xD670DA},
    {"clWebPlum", 0xDDA0DD},
    {"clWebThistle", 0xD8BFD8},
    {"clWebHotPink", 0xB469FF},
    {"clWebPink", 0xCBC0FF},
    {"clWebLightSteelBlue", 0xDEC4B0},
    {"clWebMediumSlateBlue", 0xEE687B},
    {"clWebLightSlateGray", 0x998877},
    {"clWebWhite", 0xFFFFFF},
    {"clWebLightgrey", 0xD3D3D3},
    {"clWebGray", 0x808080},
    {"clWebSteelBlue", 0xB48246},
    {"clWebSlateBlue", 0xCD5A6A},
    {"clWebSlateGray", 0x908070},
    {"clWebWhiteSmoke", 0xF5F5F5},
    {"clWebSilver", 0xC0C0C0},
    {"clWebDimGray", 0x696969},
    {"clWebMistyRose", 0xE1E4FF},
    {"clWebDarkSlateBlue", 0x8B3D48},
    {"clWebDarkSlategray", 0x4F4F2F},
    {"clWebGainsboro", 0xDCDCDC},
    {"clWebDarkGray", 0xA9A9A9},
    {"clWebBlack", 0x000000},
};

std::string Html(ui::TColor rgb)
{
    char buf[16];
    std::snprintf(buf, sizeof buf, "#%02X%02X%02X", rgb & 0xFF, (rgb >> 8) & 0xFF, (rgb >> 16) & 0xFF);
    return buf;
}

}  // namespace

std::string WebColorName(ui::TColor Color)
{
    for (const TWebColor& c : kWebColors)
        if (c.Color == Color)
            return c.Name;
    return {};
}

std::string ColorValueText(ui::TColor Color, TColorValueText Kind)
{
    const ui::TColor rgb = ui::ColorToRGB(Color);
    switch (Kind) {
    case TColorValueText::cvtNone:
        return {};
    case TColorValueText::cvtHex: {
        char buf[16];
        std::snprintf(buf, sizeof buf, "%06X", static_cast<unsigned>(Color));
        return buf;
    }
    case TColorValueText::cvtWebName: {
        const std::string name = WebColorName(rgb);
        return name.empty() ? Html(rgb) : name;
    }
    case TColorValueText::cvtRGB:
        return "Red:" + std::to_string(rgb & 0xFF) + ",Green:" + std::to_string((rgb >> 8) & 0xFF) +
               ",Blue:" + std::to_string((rgb >> 16) & 0xFF);
    case TColorValueText::cvtHTML:
        return Html(rgb);
    }
    return {};
}

}  // namespace dropdown
