#include "grid/extras/GridClipboardText.h"

#include "grid/base/VozEdidCoding.h"

namespace gx::clipboardtext {

std::string QuoteField(const std::string& Text)
{
    if (Text.find_first_of("\t\r\n") == std::string::npos && (Text.empty() || Text[0] != '"'))
        return Text;
    std::string out = "\"";
    for (char ch : Text) {
        out += ch;
        if (ch == '"')
            out += '"';
    }
    return out + '"';
}

namespace {

// Reads one field from pos; stops at a tab, a line end or the end of the text (not consumed).
std::string ReadField(const std::string& t, std::size_t& pos)
{
    std::string field;
    if (pos < t.size() && t[pos] == '"') {
        // A quoted field needs its closing quote; without one the quote is plain text.
        std::string quoted;
        std::size_t p = pos + 1;
        bool closed = false;
        while (p < t.size()) {
            if (t[p] == '"') {
                if (p + 1 < t.size() && t[p + 1] == '"') {
                    quoted += '"';
                    p += 2;
                    continue;
                }
                closed = true;
                ++p;
                break;
            }
            quoted += t[p++];
        }
        if (closed) {
            field = std::move(quoted);
            pos = p;
        }
    }
    while (pos < t.size() && t[pos] != '\t' && t[pos] != '\r' && t[pos] != '\n')
        field += t[pos++];
    return VTToCRLF(field);
}

}  // namespace

std::vector<TClipLine> ParseLines(const std::string& Text)
{
    std::vector<TClipLine> lines;
    std::size_t pos = 0;
    for (;;) {
        TClipLine line;
        line.Fields.push_back(ReadField(Text, pos));
        while (pos < Text.size() && Text[pos] == '\t') {
            ++pos;
            line.Fields.push_back(ReadField(Text, pos));
        }
        lines.push_back(std::move(line));
        if (pos >= Text.size())
            return lines;
        // A line end: CR LF, CR or LF.
        if (Text[pos] == '\r' && pos + 1 < Text.size() && Text[pos + 1] == '\n')
            ++pos;
        ++pos;
        if (pos >= Text.size()) {
            lines.push_back(TClipLine{{""}});
            return lines;
        }
    }
}

int RowsToAdd(int rowCount, int reserved, int top, const std::vector<TClipLine>& lines, bool inserting)
{
    int added = 0;
    int r = top;
    for (std::size_t li = 0; li + 1 < lines.size(); ++li) {
        if (inserting && !lines[li].Empty())
            ++rowCount;
        ++r;
        const bool closingEnd = li + 2 == lines.size() && lines[li + 1].Empty();
        if (r == rowCount - reserved && !closingEnd) {
            ++rowCount;
            ++added;
        }
    }
    return added;
}

}  // namespace gx::clipboardtext
