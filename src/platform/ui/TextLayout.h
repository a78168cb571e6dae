#pragma once
// Line layout of formatted text (DT_* flags): prefix handling, tabs, line and word breaks, ellipsis.
#include <functional>
#include <string>
#include <vector>

namespace ui {

struct TTextLine {
    std::string Text;
    int Width = 0;
    // Byte offset in Text of the character to underline (prefix "&"), or -1.
    int Underline = -1;
};

using TMeasure = std::function<int(const std::string&)>;

// Removes "&" prefixes ("&&" becomes "&"); returns the byte offset of the marked character or -1.
std::string StripPrefix(const std::string& text, int& underline);

// Breaks text into lines for a box of width maxWidth under the flags.
std::vector<TTextLine> LayoutText(const std::string& text, unsigned flags, int maxWidth, const TMeasure& measure);

}  // namespace ui
