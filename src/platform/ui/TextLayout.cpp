#include "platform/ui/TextLayout.h"

#include <string_view>

#include "platform/rtl/Utf8.h"
#include "platform/ui/Graphics.h"

namespace ui {

namespace {
// Byte position just past the character that starts at pos (one byte for a malformed one).
std::size_t NextChar(std::string_view s, std::size_t pos)
{
    rtl::DecodeUtf8(s, pos);
    return pos;
}

// Byte position where the last character of a non-empty text starts.
std::size_t LastCharStart(std::string_view s)
{
    std::size_t start = 0;
    for (std::size_t pos = 0; pos < s.size(); pos = NextChar(s, pos))
        start = pos;
    return start;
}

std::string ExpandTabs(const std::string& s)
{
    std::string out;
    for (char c : s) {
        if (c == '\t')
            out.append(8 - out.size() % 8, ' ');
        else
            out.push_back(c);
    }
    return out;
}

// Drops whole characters from the end until text + "..." fits.
std::string Ellipsize(const std::string& text, int maxWidth, const TMeasure& measure)
{
    if (measure(text) <= maxWidth)
        return text;
    std::string s = text;
    while (!s.empty()) {
        s.erase(LastCharStart(s));
        if (measure(s + "...") <= maxWidth)
            break;
    }
    return s + "...";
}

void WrapParagraph(const std::string& para, int maxWidth, const TMeasure& measure, std::vector<std::string>& out)
{
    if (para.empty()) {
        out.emplace_back();
        return;
    }
    if (measure(para) <= maxWidth) {  // fits as it is: one line
        std::string line = para;
        while (!line.empty() && line.back() == ' ')
            line.pop_back();
        out.push_back(line);
        return;
    }
    std::string line;
    std::size_t i = 0;
    while (i < para.size()) {
        // Next word with its trailing spaces.
        std::size_t j = i;
        while (j < para.size() && para[j] != ' ')
            j = NextChar(para, j);
        std::size_t k = j;
        while (k < para.size() && para[k] == ' ')
            ++k;
        std::string word = para.substr(i, j - i);
        std::string candidate = line + word;
        if (!line.empty() && measure(candidate) > maxWidth) {
            while (!line.empty() && line.back() == ' ')
                line.pop_back();
            out.push_back(line);
            line.clear();
            candidate = word;
        }
        // A single word wider than the box is broken between characters.
        if (line.empty() && measure(word) > maxWidth && maxWidth > 0) {
            std::string piece;
            for (std::size_t p = 0; p < word.size();) {
                const std::size_t n = NextChar(word, p) - p;
                std::string next = piece + word.substr(p, n);
                if (!piece.empty() && measure(next) > maxWidth) {
                    out.push_back(piece);
                    piece = word.substr(p, n);
                } else {
                    piece = next;
                }
                p += n;
            }
            line = piece;
        } else {
            line = candidate;
        }
        line += para.substr(j, k - j);
        i = k;
    }
    while (!line.empty() && line.back() == ' ')
        line.pop_back();
    out.push_back(line);
}
}  // namespace

std::string StripPrefix(const std::string& text, int& underline)
{
    underline = -1;
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '&') {
            if (i + 1 < text.size() && text[i + 1] == '&') {
                out.push_back('&');
                ++i;
            } else if (i + 1 < text.size()) {
                underline = static_cast<int>(out.size());
            }
            continue;
        }
        out.push_back(text[i]);
    }
    return out;
}

std::vector<TTextLine> LayoutText(const std::string& text, unsigned flags, int maxWidth, const TMeasure& measure)
{
    std::vector<std::string> paragraphs;
    if (flags & DT_SINGLELINE) {
        std::string s;
        for (char c : text)
            if (c != '\r' && c != '\n')
                s.push_back(c);
        paragraphs.push_back(s);
    } else {
        std::string cur;
        for (std::size_t i = 0; i < text.size(); ++i) {
            if (text[i] == '\r' || text[i] == '\n') {
                paragraphs.push_back(cur);
                cur.clear();
                if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                    ++i;
            } else {
                cur.push_back(text[i]);
            }
        }
        paragraphs.push_back(cur);
    }

    std::vector<TTextLine> lines;
    for (const std::string& p : paragraphs) {
        int underline = -1;
        std::string plain = (flags & DT_NOPREFIX) ? p : StripPrefix(p, underline);
        if (flags & DT_HIDEPREFIX)
            underline = -1;
        if (flags & DT_EXPANDTABS)
            plain = ExpandTabs(plain);
        std::vector<std::string> pieces;
        if ((flags & DT_WORDBREAK) && !(flags & DT_SINGLELINE))
            WrapParagraph(plain, maxWidth, measure, pieces);
        else
            pieces.push_back(plain);
        int offset = 0;
        for (std::string& piece : pieces) {
            TTextLine line;
            int start = offset;
            offset += static_cast<int>(piece.size());
            if (underline >= start && underline < offset)
                line.Underline = underline - start;
            if ((flags & (DT_END_ELLIPSIS | DT_WORD_ELLIPSIS | DT_PATH_ELLIPSIS)) && !(flags & DT_CALCRECT)) {
                std::string cut = Ellipsize(piece, maxWidth, measure);
                if (cut != piece && line.Underline >= static_cast<int>(cut.size()) - 3)
                    line.Underline = -1;
                piece = cut;
            }
            // Skip the spaces the wrap consumed between pieces.
            while (offset < static_cast<int>(plain.size()) && plain[static_cast<std::size_t>(offset)] == ' ' &&
                   (flags & DT_WORDBREAK))
                ++offset;
            line.Text = piece;
            line.Width = measure(piece);
            lines.push_back(std::move(line));
        }
    }
    return lines;
}

}  // namespace ui
