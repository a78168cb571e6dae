#include "grid/base/VozEdidCoding.h"

#include "grid/base/TextChars.h"
#include "platform/rtl/CodePages.h"
#include "platform/rtl/StrUtils.h"

#include <cstdio>

namespace gx {

namespace {

constexpr char CR = '\r';
constexpr char LF = '\n';
constexpr char VT = '\x0B';

std::string ReplaceAll(std::string_view s, std::string_view from, std::string_view to)
{
    std::string out;
    out.reserve(s.size());
    std::size_t i = 0;
    while (i < s.size()) {
        if (s.substr(i, from.size()) == from) {
            out += to;
            i += from.size();
        } else {
            out += s[i++];
        }
    }
    return out;
}

bool Contains(std::string_view s, char c)
{
    return s.find(c) != std::string_view::npos;
}

// Every CR becomes `replacement`, every LF is dropped.
std::string ReplaceCRDropLF(std::string_view s, std::string_view replacement)
{
    std::string out;
    out.reserve(s.size());
    for (char c : s) {
        if (c == CR)
            out += replacement;
        else if (c != LF)
            out += c;
    }
    return out;
}

}  // namespace

std::string EncodeCellLineBreaks(std::string_view s)
{
    std::string out(s);
    if (!Contains(s, CR))
        return out;
    for (char& c : out) {
        if (c == CR)
            c = '\t';
        else if (c == LF)
            c = '\b';
        else if (c == '\0')
            c = '\x01';
    }
    return out;
}

std::string DecodeCellLineBreaks(std::string_view s, bool MultiLine)
{
    std::string out(s);
    if (Contains(s, '\b')) {
        for (char& c : out) {
            if (c == '\t')
                c = CR;
            else if (c == '\b')
                c = LF;
            else if (c == '\x01')
                c = '\0';
        }
    }
    if (!MultiLine) {
        std::string line;
        ExtractFirstLine(out, false, line);
        return line;
    }
    return out;
}

void ExtractFirstLine(std::string& Text, bool KeepRest, std::string& Line)
{
    const auto p = Text.find(CR);
    if (p == std::string::npos) {
        Line = Text;
        Text.clear();
        return;
    }
    Line = Text.substr(0, p);
    std::size_t cut = p + 1;
    if (cut < Text.size() && Text[cut] == LF)
        ++cut;
    if (KeepRest)
        Text.erase(0, cut);
    else
        Text.clear();
}

int LineCount(std::string_view s, bool MultiLine)
{
    if (!MultiLine)
        return 1;
    return 1 + CountChar(CR, s);
}

std::string QuoteMultiLine(std::string_view s)
{
    return '"' + ReplaceAll(s, "\r\n", std::string_view(&VT, 1)) + '"';
}

std::string VTToCRLF(std::string_view s)
{
    if (!Contains(s, VT))
        return std::string(s);
    return ReplaceAll(s, std::string_view(&VT, 1), "\r\n");
}

void RemoveCRBeforeLF(std::string& s)
{
    s = ReplaceAll(s, "\r\n", "\n");
}

std::string LineBreaksToTilde(std::string_view s)
{
    return ReplaceCRDropLF(s, "~");
}

std::string TildeToLineBreaks(std::string_view s)
{
    std::string out = ReplaceAll(s, "~", "\r\n");
    if (out == "^")
        out.clear();
    return out;
}

std::string BackslashNToCR(std::string_view s)
{
    return ReplaceAll(s, "\\n", "\r");
}

std::string CRToBackslashN(std::string_view s)
{
    return ReplaceCRDropLF(s, "\\n");
}

std::string LineBreaksToBR(std::string_view s)
{
    if (!Contains(s, CR))
        return std::string(s);
    return ReplaceAll(s, "\r", "<br>");
}

std::string CRToLF(std::string_view s)
{
    std::string out(s);
    for (char& c : out)
        if (c == CR)
            c = LF;
    return out;
}

std::string RemoveCR(std::string_view s)
{
    std::string out;
    out.reserve(s.size());
    for (char c : s)
        if (c != CR)
            out += c;
    return out;
}

std::string EscapeQuotes(std::string_view s)
{
    return ReplaceAll(s, "\"", "\"\"");
}

std::string UndoubleChar(char Ch, std::string_view s)
{
    if (!Contains(s, Ch))
        return std::string(s);
    const char pair[2] = {Ch, Ch};
    return ReplaceAll(s, std::string_view(pair, 2), std::string_view(&Ch, 1));
}

// Scans runs of Ch: a run of odd length followed by another character closes the field at the
// run's last Ch; a Ch that is the text's last character closes it whatever the run length.
int FindQuoteEnd(char Ch, std::string_view s, int& Pos)
{
    int run = 0;
    int result = 0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] == Ch) {
            ++run;
            if (i + 1 == s.size()) {
                result = static_cast<int>(i) + 1;
                break;
            }
        } else {
            if (run % 2 == 1) {
                result = static_cast<int>(i);
                break;
            }
            run = 0;
        }
    }
    Pos = result;
    return result;
}

int FindQuoteEnd(char Ch, std::string_view s)
{
    int pos = 0;
    return FindQuoteEnd(Ch, s, pos);
}

int CountQuoteEnds(char Ch, std::string_view s)
{
    int count = 0;
    for (int p = FindQuoteEnd(Ch, s); p > 0; p = FindQuoteEnd(Ch, s)) {
        ++count;
        s.remove_prefix(static_cast<std::size_t>(p));
    }
    return count;
}

void StringToOem(std::string& s)
{
    s = rtl::Utf8ToCp437(s);
}

void OemToString(std::string& s)
{
    s = rtl::Cp437ToUtf8(s);
}

std::string ColorToHTMLHex(std::uint32_t Color)
{
    char buf[8];
    std::snprintf(buf, sizeof buf, "%02X%02X%02X", Color & 0xFF, (Color >> 8) & 0xFF, (Color >> 16) & 0xFF);
    return buf;
}

// The header's offsets are byte offsets of the result (the fragment's length is taken in bytes,
// so texts with characters beyond ASCII still point at the right place).
void BuildClipboardHTML(std::string& Fragment)
{
    const auto L = static_cast<long>(Fragment.size());
    char header[160];
    std::snprintf(header, sizeof header,
                  "Version:1.0\r\nStartHTML:%.8d\r\nEndHTML:%.8ld\r\nStartFragment:%.8d\r\nEndFragment:%.8ld\r\n", 97,
                  L + 306, 274, L + 274);
    std::string out = header;
    out += "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0 Transitional//EN\">";
    out += "<html><head><META http-equiv=Content-Type content=\"text/html; charset=iso-8859-1\">"
           "</head><body><!--StartFragment-->";
    out += Fragment;
    out += "<!--EndFragment--></body></html>";
    Fragment = std::move(out);
}

int CharPos(char Ch, std::string_view s)
{
    const auto p = s.find(Ch);
    return p == std::string_view::npos ? 0 : static_cast<int>(p) + 1;
}

int VarCharPos(char Ch, std::string_view s, int& Pos)
{
    const int p = CharPos(Ch, s);
    if (p > 0)
        Pos = p;
    return p;
}

int VarPos(std::string_view Sub, std::string_view s, int& Pos)
{
    const auto p = Sub.empty() ? std::string_view::npos : s.find(Sub);
    Pos = p == std::string_view::npos ? 0 : static_cast<int>(p) + 1;
    return Pos;
}

// Accented and other non-ASCII letters are upper-cased too, so a search typed as "É" finds "école".
// The case mapping keeps every character's byte length, so positions still count bytes of s.
int PosInUpperCase(std::string_view Sub, std::string_view s)
{
    int pos = 0;
    return VarPos(Sub, rtl::AnsiUpperCase(s), pos);
}

int WidePos(std::u16string_view Sub, std::u16string_view s)
{
    if (Sub.empty())
        return 0;
    const auto p = s.find(Sub);
    return p == std::u16string_view::npos ? 0 : static_cast<int>(p) + 1;
}

std::string ExtractField(std::string& S, std::string_view Sep)
{
    const auto p = Sep.empty() ? std::string::npos : S.find(Sep);
    if (p == std::string::npos)
        return {};
    std::string field = S.substr(0, p);
    S.erase(0, p + Sep.size());
    return field;
}

std::string ConcatStrings(const rtl::TStrings& Lines)
{
    std::string out;
    for (int i = 0; i < Lines.Count(); ++i)
        out += Lines[i];
    return out;
}

void FillString(std::string& S, char32_t Ch)
{
    const auto n = ToCodePoints(S).size();
    std::string out;
    for (std::size_t i = 0; i < n; ++i)
        rtl::AppendUtf8(out, static_cast<int>(Ch));
    S = std::move(out);
}

int CountChar(char Ch, std::string_view s)
{
    int n = 0;
    for (char c : s)
        if (c == Ch)
            ++n;
    return n;
}

int Max(int a, int b)
{
    return a > b ? a : b;
}
int Min(int a, int b)
{
    return a < b ? a : b;
}

int LimitValue(int Value, int MinValue, int MaxValue)
{
    if (MinValue == MaxValue)
        return Value;
    if (MinValue > 0 && Value < MinValue)
        Value = MinValue;
    if (MaxValue > 0 && Value > MaxValue)
        Value = MaxValue;
    return Value;
}

bool IsNumberChar(char32_t Ch)
{
    return IsNumberCodePoint(Ch);
}

bool CellInGridRect(const ui::TGridRect& R, int ACol, int ARow)
{
    return ACol >= R.Left && ACol <= R.Right && ARow >= R.Top && ARow <= R.Bottom;
}

}  // namespace gx
