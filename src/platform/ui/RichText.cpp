// Rich text (RTF) reader and writer for the rich edit.
#include "platform/ui/RichText.h"
#include <algorithm>
#include <cctype>
#include <cstdlib>

namespace ui {

namespace {

// Code page 1252 in the range 0x80..0x9F (0: undefined there); the rest is Latin-1.
constexpr char16_t kCp1252High[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                      0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                      0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0};

char32_t FromCp1252(unsigned char b)
{
    if (b >= 0x80 && b < 0xA0 && kCp1252High[b - 0x80] != 0)
        return kCp1252High[b - 0x80];
    return b;
}

// The byte of c in code page 1252, or -1.
int ToCp1252(char32_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return static_cast<int>(c);
    for (int i = 0; i < 32; ++i)
        if (kCp1252High[i] != 0 && kCp1252High[i] == c)
            return 0x80 + i;
    return -1;
}

// Groups whose content is not text.
bool SkippedDestination(const std::string& w)
{
    static const char* const kNames[] = {"stylesheet",
                                         "info",
                                         "pict",
                                         "object",
                                         "header",
                                         "footer",
                                         "headerl",
                                         "headerr",
                                         "footerl",
                                         "footerr",
                                         "listtable",
                                         "rsidtbl",
                                         "listoverridetable",
                                         "xmlnstbl",
                                         "generator",
                                         "themedata",
                                         "datastore",
                                         "latentstyles",
                                         "fldinst",
                                         "colorschememapping",
                                         "pgdsctbl",
                                         "revtbl",
                                         "filetbl",
                                         "nonshppict",
                                         "bkmkstart",
                                         "bkmkend"};
    return std::any_of(std::begin(kNames), std::end(kNames), [&](const char* n) { return w == n; });
}

struct TGroupState {
    TRichCharFormat Format;
    int UcSkip = 1;
    enum { Text, Skip, FontTable, ColorTable } Dest = Text;
};

class TRtfReader {
public:
    TRtfReader(std::string_view s, const TRichCharFormat& base) : s_(s), base_(base) {}

    TRichText Read()
    {
        TGroupState st;
        st.Format = base_;
        std::vector<TGroupState> stack;
        while (pos_ < s_.size()) {
            const char c = s_[pos_];
            if (c == '{' || c == '}')
                pendingSkip_ = 0;  // a fallback never passes a group's edge
            if (c == '{') {
                ++pos_;
                stack.push_back(st);
                continue;
            }
            if (c == '}') {
                ++pos_;
                if (st.Dest == TGroupState::FontTable)
                    EndFontEntry();
                if (stack.empty())
                    break;  // the document's closing brace
                const bool inFontTable = st.Dest == TGroupState::FontTable;
                st = stack.back();
                stack.pop_back();
                if (inFontTable && st.Dest == TGroupState::FontTable)
                    fontName_.clear();
                continue;
            }
            if (c == '\\') {
                ControlWord(st);
                continue;
            }
            ++pos_;
            if (c == '\r' || c == '\n')
                continue;
            Char(st, FromCp1252(static_cast<unsigned char>(c)));
        }
        return std::move(out_);
    }

private:
    void Emit(const TGroupState& st, char32_t ch)
    {
        out_.Text.push_back(ch);
        out_.Formats.push_back(st.Format);
    }

    void Char(TGroupState& st, char32_t ch)
    {
        if (pendingSkip_ > 0) {
            --pendingSkip_;
            return;
        }
        switch (st.Dest) {
        case TGroupState::Text:
            Emit(st, ch);
            break;
        case TGroupState::FontTable:
            if (ch == ';')
                EndFontEntry();
            else
                fontName_ += static_cast<char>(ch < 0x80 ? ch : '?');
            break;
        case TGroupState::ColorTable:
            if (ch == ';') {
                colors_.push_back(haveColor_ ? color_ : clWindowText);
                color_ = 0;
                haveColor_ = false;
            }
            break;
        default:
            break;
        }
    }

    void EndFontEntry()
    {
        if (fontId_ >= 0 && !fontName_.empty()) {
            while (!fontName_.empty() && fontName_.back() == ' ')
                fontName_.pop_back();
            fonts_.emplace_back(fontId_, fontName_);
        }
        fontName_.clear();
        fontId_ = -1;
    }

    std::string FontName(int id) const
    {
        for (const auto& [fid, name] : fonts_)
            if (fid == id)
                return name;
        return base_.Name;
    }

    void ControlWord(TGroupState& st)
    {
        ++pos_;  // the backslash
        if (pos_ >= s_.size())
            return;
        const char c = s_[pos_];
        if (!std::isalpha(static_cast<unsigned char>(c))) {
            ++pos_;
            switch (c) {
            case '\'': {
                int v = 0;
                int digits = 0;
                for (; digits < 2 && pos_ < s_.size() && std::isxdigit(static_cast<unsigned char>(s_[pos_])); ++digits)
                    v = v * 16 + std::stoi(std::string(1, s_[pos_++]), nullptr, 16);
                if (digits > 0)
                    Char(st, FromCp1252(static_cast<unsigned char>(v)));
                break;
            }
            case '*':
                st.Dest = TGroupState::Skip;
                break;
            case '~':
                Char(st, 0xA0);
                break;
            case '_':
                Char(st, 0x2011);
                break;
            case '\r':
            case '\n':
                Paragraph(st);
                break;
            case '\\':
            case '{':
            case '}':
                Char(st, static_cast<unsigned char>(c));
                break;
            default:  // \- (optional hyphen) and unknown symbols
                break;
            }
            return;
        }
        std::string word;
        while (pos_ < s_.size() && std::isalpha(static_cast<unsigned char>(s_[pos_])))
            word += s_[pos_++];
        bool hasParam = false;
        long param = 0;
        if (pos_ < s_.size() && (s_[pos_] == '-' || std::isdigit(static_cast<unsigned char>(s_[pos_])))) {
            const bool negative = s_[pos_] == '-';
            if (negative)
                ++pos_;
            // Every digit belongs to the word; the value saturates.
            while (pos_ < s_.size() && std::isdigit(static_cast<unsigned char>(s_[pos_]))) {
                param = std::min(param * 10 + (s_[pos_] - '0'), 1000000000L);
                hasParam = true;
                ++pos_;
            }
            if (negative)
                param = -param;
        }
        if (pos_ < s_.size() && s_[pos_] == ' ')
            ++pos_;
        Word(st, word, hasParam, param);
    }

    void Paragraph(TGroupState& st)
    {
        if (st.Dest != TGroupState::Text)
            return;
        Emit(st, '\r');
        Emit(st, '\n');
    }

    void Word(TGroupState& st, const std::string& w, bool hasParam, long p)
    {
        // A control word counts as one character of a Unicode character's fallback.
        if (pendingSkip_ > 0) {
            --pendingSkip_;
            return;
        }
        const bool on = !hasParam || p != 0;
        TRichCharFormat& f = st.Format;
        if (w == "fonttbl") {
            st.Dest = TGroupState::FontTable;
        } else if (w == "colortbl") {
            st.Dest = TGroupState::ColorTable;
        } else if (SkippedDestination(w)) {
            st.Dest = TGroupState::Skip;
        } else if (st.Dest == TGroupState::FontTable) {
            if (w == "f")
                fontId_ = static_cast<int>(p);
        } else if (st.Dest == TGroupState::ColorTable) {
            const int v = static_cast<int>(std::clamp(p, 0L, 255L));
            if (w == "red")
                color_ = (color_ & 0xFFFF00) | v;
            else if (w == "green")
                color_ = (color_ & 0xFF00FF) | (v << 8);
            else if (w == "blue")
                color_ = (color_ & 0x00FFFF) | (v << 16);
            haveColor_ = true;
        } else if (w == "par" || w == "line") {
            Paragraph(st);
        } else if (w == "tab") {
            Char(st, '\t');
        } else if (w == "u" && hasParam) {
            long v = p < 0 ? p + 65536 : p;
            if (v >= 0xDC00 && v <= 0xDFFF && highSurrogate_ != 0) {
                const char32_t cp = 0x10000 + ((highSurrogate_ - 0xD800) << 10) + (static_cast<char32_t>(v) - 0xDC00);
                highSurrogate_ = 0;
                Char(st, cp);
            } else if (v >= 0xD800 && v <= 0xDBFF) {
                highSurrogate_ = static_cast<char32_t>(v);
            } else if (v > 0 && v <= 0xFFFF) {
                Char(st, static_cast<char32_t>(v));
            }
            pendingSkip_ = st.UcSkip;
        } else if (w == "uc") {
            st.UcSkip = static_cast<int>(std::clamp(p, 0L, 8L));
        } else if (w == "plain") {
            f = base_;
        } else if (w == "f") {
            f.Name = FontName(static_cast<int>(p));
        } else if (w == "fs") {
            if (p > 0)
                f.Size = static_cast<int>(std::min(p, 3276L) / 2);
        } else if (w == "b") {
            f.Style = on ? (f.Style | fsBold) : (f.Style & ~fsBold);
        } else if (w == "i") {
            f.Style = on ? (f.Style | fsItalic) : (f.Style & ~fsItalic);
        } else if (w == "ul") {
            f.Style = on ? (f.Style | fsUnderline) : (f.Style & ~fsUnderline);
        } else if (w == "ulnone") {
            f.Style &= ~fsUnderline;
        } else if (w == "strike") {
            f.Style = on ? (f.Style | fsStrikeOut) : (f.Style & ~fsStrikeOut);
        } else if (w == "cf") {
            // Entry 0 is the automatic colour: the base format's.
            f.Color =
                p > 0 && p < static_cast<long>(colors_.size()) ? colors_[static_cast<std::size_t>(p)] : base_.Color;
        } else if (w == "up") {
            f.Offset = static_cast<int>(std::clamp(hasParam ? p : 6L, -3276L, 3276L)) * 10;
        } else if (w == "dn") {
            f.Offset = -static_cast<int>(std::clamp(hasParam ? p : 6L, -3276L, 3276L)) * 10;
        } else if (w == "super") {
            f.Offset = 40;
        } else if (w == "sub") {
            f.Offset = -40;
        } else if (w == "nosupersub") {
            f.Offset = 0;
        } else if (w == "emdash") {
            Char(st, 0x2014);
        } else if (w == "endash") {
            Char(st, 0x2013);
        } else if (w == "bullet") {
            Char(st, 0x2022);
        } else if (w == "lquote") {
            Char(st, 0x2018);
        } else if (w == "rquote") {
            Char(st, 0x2019);
        } else if (w == "ldblquote") {
            Char(st, 0x201C);
        } else if (w == "rdblquote") {
            Char(st, 0x201D);
        }
    }

    std::string_view s_;
    std::size_t pos_ = 0;
    TRichCharFormat base_;
    TRichText out_;
    std::vector<std::pair<int, std::string>> fonts_;
    int fontId_ = -1;
    std::string fontName_;
    std::vector<TColor> colors_;
    TColor color_ = 0;
    bool haveColor_ = false;
    int pendingSkip_ = 0;
    char32_t highSurrogate_ = 0;
};

}  // namespace

TRichText ReadRtf(std::string_view bytes, const TRichCharFormat& base)
{
    if (bytes.substr(0, 5) != "{\\rtf") {
        TRichText plain;
        for (std::size_t i = 0; i < bytes.size(); ++i) {
            const auto b = static_cast<unsigned char>(bytes[i]);
            if (b == '\r' || b == '\n') {
                // CR, LF and CR LF each end a line.
                if (b == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')
                    ++i;
                plain.Text += U"\r\n";
                plain.Formats.push_back(base);
                plain.Formats.push_back(base);
                continue;
            }
            plain.Text.push_back(FromCp1252(b));
            plain.Formats.push_back(base);
        }
        return plain;
    }
    return TRtfReader(bytes, base).Read();
}

std::string WriteRtf(const TRichText& text, const TRichCharFormat& base)
{
    std::vector<std::string> fonts{base.Name};
    std::vector<TColor> colors;  // without the base colour, which is the automatic one
    auto indexOf = [](auto& list, const auto& v) {
        auto it = std::find(list.begin(), list.end(), v);
        if (it != list.end())
            return static_cast<int>(it - list.begin());
        list.push_back(v);
        return static_cast<int>(list.size() - 1);
    };
    const std::size_t n = std::min(text.Text.size(), text.Formats.size());
    for (std::size_t i = 0; i < n; ++i) {
        indexOf(fonts, text.Formats[i].Name);
        if (text.Formats[i].Color != base.Color)
            indexOf(colors, ColorToRGB(text.Formats[i].Color));
    }
    std::string out = "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl";
    for (std::size_t i = 0; i < fonts.size(); ++i)
        out += "{\\f" + std::to_string(i) + "\\fnil " + fonts[i] + ";}";
    out += "}\r\n{\\colortbl ;";
    for (TColor c : colors) {
        const TColor rgb = ColorToRGB(c);
        out += "\\red" + std::to_string(rgb & 0xFF) + "\\green" + std::to_string((rgb >> 8) & 0xFF) + "\\blue" +
               std::to_string((rgb >> 16) & 0xFF) + ";";
    }
    out += "}\r\n\\uc1\\pard";
    auto formatWords = [&](const TRichCharFormat& f) {
        std::string w = "\\f" + std::to_string(indexOf(fonts, f.Name)) + "\\fs" + std::to_string(f.Size * 2) + "\\cf" +
                        std::to_string(f.Color == base.Color ? 0 : indexOf(colors, ColorToRGB(f.Color)) + 1);
        w += (f.Style & fsBold) ? "\\b" : "\\b0";
        w += (f.Style & fsItalic) ? "\\i" : "\\i0";
        w += (f.Style & fsUnderline) ? "\\ul" : "\\ulnone";
        w += (f.Style & fsStrikeOut) ? "\\strike" : "\\strike0";
        w += f.Offset > 0   ? "\\up" + std::to_string(f.Offset / 10)
             : f.Offset < 0 ? "\\dn" + std::to_string(-f.Offset / 10)
                            : std::string("\\up0");
        return w + " ";
    };
    out += formatWords(n > 0 ? text.Formats[0] : base);
    for (std::size_t i = 0; i < n; ++i) {
        const char32_t c = text.Text[i];
        if (i > 0 && !(text.Formats[i] == text.Formats[i - 1]))
            out += formatWords(text.Formats[i]);
        if (c == '\r' && i + 1 < n && text.Text[i + 1] == '\n') {
            out += "\\par\r\n";
            ++i;
        } else if (c == '\r' || c == '\n') {
            out += "\\par\r\n";
        } else if (c == '\t') {
            out += "\\tab ";
        } else if (c == '\\' || c == '{' || c == '}') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c >= 0x20 && c < 0x7F) {
            out += static_cast<char>(c);
        } else if (const int b = ToCp1252(c); b >= 0x80) {
            static const char* const kHex = "0123456789abcdef";
            out += "\\'";
            out += kHex[b >> 4];
            out += kHex[b & 15];
        } else if (c >= 0x20) {
            auto unit = [&](unsigned u) { out += "\\u" + std::to_string(static_cast<short>(u)) + "?"; };
            if (c > 0xFFFF) {
                unit(0xD800 + ((c - 0x10000) >> 10));
                unit(0xDC00 + ((c - 0x10000) & 0x3FF));
            } else {
                unit(c);
            }
        }
    }
    out += "}";
    return out;
}

}  // namespace ui
