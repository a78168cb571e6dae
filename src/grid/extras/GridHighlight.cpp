// Highlighting and marking; see GridHighlight.h.
#include "grid/extras/GridHighlight.h"

#include <algorithm>
#include <string_view>

#include "grid/base/HtmlTextUtils.h"
#include "platform/rtl/StrUtils.h"

namespace gx {

namespace {

constexpr const char* kHi = "hi";
constexpr const char* kMark = "e";

struct TCellRange {
    int FromCol, FromRow, ToCol, ToRow;
};

int AllCols(TGxStringGrid& g)
{
    return g.ColCount() + g.NumHiddenColumns();
}

// The folded form used to compare without case; the locale rules when they keep every byte where it
// is, else ASCII letters only, so that positions in the folded text are positions in the text.
std::string Folded(const std::string& s)
{
    std::string up = rtl::AnsiUpperCase(s);
    return up.size() == s.size() ? up : rtl::UpperCase(s);
}

// Text entity-encoded with every occurrence of Find wrapped in the tag pair; empty when Find does
// not occur (or is empty).
std::string TaggedText(const std::string& text, const std::string& find, const std::string& tag, bool doCase)
{
    if (find.empty())
        return {};
    const std::string hay = doCase ? text : Folded(text);
    const std::string needle = doCase ? find : Folded(find);
    if (needle.size() != find.size())
        return {};
    std::string out;
    std::size_t at = 0;
    for (std::size_t hit; (hit = hay.find(needle, at)) != std::string::npos; at = hit + needle.size()) {
        out += EncodeHTMLEntities(std::string_view(text).substr(at, hit - at), false);
        out += "<" + tag + ">" + EncodeHTMLEntities(std::string_view(text).substr(hit, needle.size()), false) + "</" +
               tag + ">";
    }
    if (at == 0)
        return {};
    out += EncodeHTMLEntities(std::string_view(text).substr(at), false);
    return out;
}

bool HoldsTag(const std::string& text, const std::string& tag)
{
    const std::string open = "<" + rtl::UpperCase(tag) + ">";
    return rtl::UpperCase(text).find(open) != std::string::npos;
}

// The four entities the encoder writes, back to their characters in one pass (so "&amp;lt;" stays
// "&lt;").
std::string DecodeFour(const std::string& s)
{
    static const std::pair<std::string_view, char> kEntities[] = {
        {"&amp;", '&'}, {"&quot;", '"'}, {"&lt;", '<'}, {"&gt;", '>'}};
    std::string out;
    out.reserve(s.size());
    for (std::size_t i = 0; i < s.size();) {
        bool done = false;
        if (s[i] == '&')
            for (const auto& [name, ch] : kEntities)
                if (std::string_view(s).substr(i, name.size()) == name) {
                    out += ch;
                    i += name.size();
                    done = true;
                    break;
                }
        if (!done)
            out += s[i++];
    }
    return out;
}

std::string Untagged(const std::string& text, const std::string& tag)
{
    std::string s = text;
    for (const std::string& t : {"<" + tag + ">", "</" + tag + ">"}) {
        const std::string upT = rtl::UpperCase(t);
        for (std::size_t p; (p = rtl::UpperCase(s).find(upT)) != std::string::npos;)
            s.erase(p, t.size());
    }
    return DecodeFour(s);
}

template <class Fn>
void EachBaseCell(TGxStringGrid& g, const TCellRange& r, Fn fn)
{
    const int toCol = std::min(r.ToCol, g.AllColCount() - 1);
    const int toRow = std::min(r.ToRow, g.RowCount() - 1);
    g.BeginUpdate();
    try {
        for (int row = std::max(r.FromRow, 0); row <= toRow; ++row)
            for (int col = std::max(r.FromCol, 0); col <= toCol; ++col)
                if (!g.IsMergedNonBaseCell(col, row))
                    fn(col, row);
    } catch (...) {
        g.EndUpdate();
        throw;
    }
    g.EndUpdate();
}

void TagCellRange(TGxStringGrid& g, const std::string& hiText, const std::string& tag, bool doCase, const TCellRange& r)
{
    EachBaseCell(g, r, [&](int c, int w) {
        const std::string tagged = TaggedText(g.GridCells(c, w), hiText, tag, doCase);
        if (!tagged.empty())
            g.SetCells(c, w, tagged);
    });
}

void UntagCellRange(TGxStringGrid& g, const std::string& tag, const TCellRange& r)
{
    EachBaseCell(g, r, [&](int c, int w) {
        const std::string text = g.GridCells(c, w);
        if (HoldsTag(text, tag))
            g.SetCells(c, w, Untagged(text, tag));
    });
}

// The ranges of the forms; Hidden extends the columns over the hidden ones.
TCellRange NormalRows(TGxStringGrid& g, int fromCol, int toCol)
{
    return {fromCol, g.FixedRows(), toCol, g.RowCount() - g.FixedFooters() - 1};
}

TCellRange GridRange(TGxStringGrid& g, bool doFixed, bool hidden)
{
    if (doFixed)
        return {0, 0, (hidden ? AllCols(g) : g.ColCount()) - 1, g.RowCount() - 1};
    return NormalRows(g, g.FixedCols(), (hidden ? AllCols(g) : g.ColCount()) - g.FixedRightCols() - 1);
}

bool ValidCol(TGxStringGrid& g, int col)
{
    return col >= 0 && col < AllCols(g);
}

TCellRange ColRange(TGxStringGrid& g, bool doFixed, int col)
{
    if (!ValidCol(g, col))
        return GridRange(g, doFixed, true);
    return doFixed ? TCellRange{col, 0, col, g.RowCount() - 1} : NormalRows(g, col, col);
}

TCellRange RowRange(TGxStringGrid& g, bool doFixed, int row, bool hidden)
{
    const int cols = hidden ? AllCols(g) : g.ColCount();
    return doFixed ? TCellRange{0, row, cols - 1, row}
                   : TCellRange{g.FixedCols(), row, cols - g.FixedRightCols() - 1, row};
}

}  // namespace

void HilightInCell(TGxStringGrid& Grid, bool DoCase, int Col, int Row, const std::string& HiText)
{
    TagCellRange(Grid, HiText, kHi, DoCase, {Col, Row, Col, Row});
}

void HilightInCol(TGxStringGrid& Grid, bool DoFixed, bool DoCase, int Col, const std::string& HiText)
{
    TagCellRange(Grid, HiText, kHi, DoCase, ColRange(Grid, DoFixed, Col));
}

void HilightInRow(TGxStringGrid& Grid, bool DoFixed, bool DoCase, int Row, const std::string& HiText)
{
    TagCellRange(Grid, HiText, kHi, DoCase, RowRange(Grid, DoFixed, Row, false));
}

void HilightInGrid(TGxStringGrid& Grid, bool DoFixed, bool DoCase, const std::string& HiText)
{
    TagCellRange(Grid, HiText, kHi, DoCase, GridRange(Grid, DoFixed, !DoFixed));
}

void UnHilightInCell(TGxStringGrid& Grid, int Col, int Row)
{
    UntagCellRange(Grid, kHi, {Col, Row, Col, Row});
}

void UnHilightInCol(TGxStringGrid& Grid, bool DoFixed, int Col)
{
    UntagCellRange(Grid, kHi, ColRange(Grid, DoFixed, Col));
}

void UnHilightInRow(TGxStringGrid& Grid, bool DoFixed, int Row)
{
    UntagCellRange(Grid, kHi, RowRange(Grid, DoFixed, Row, true));
}

void UnHilightInGrid(TGxStringGrid& Grid, bool DoFixed)
{
    UntagCellRange(Grid, kHi, GridRange(Grid, DoFixed, true));
}

void MarkInCell(TGxStringGrid& Grid, bool DoCase, int Col, int Row, const std::string& HiText)
{
    TagCellRange(Grid, HiText, kMark, DoCase, {Col, Row, Col, Row});
}

void MarkInCol(TGxStringGrid& Grid, bool DoFixed, bool DoCase, int Col, const std::string& HiText)
{
    TagCellRange(Grid, HiText, kMark, DoCase, ColRange(Grid, DoFixed, Col));
}

void MarkInRow(TGxStringGrid& Grid, bool DoFixed, bool DoCase, int Row, const std::string& HiText)
{
    TagCellRange(Grid, HiText, kMark, DoCase, RowRange(Grid, DoFixed, Row, false));
}

void MarkInGrid(TGxStringGrid& Grid, bool DoFixed, bool DoCase, const std::string& HiText)
{
    TagCellRange(Grid, HiText, kMark, DoCase, GridRange(Grid, DoFixed, false));
}

void UnMarkInCell(TGxStringGrid& Grid, int Col, int Row)
{
    UntagCellRange(Grid, kMark, {Col, Row, Col, Row});
}

void UnMarkInCol(TGxStringGrid& Grid, bool DoFixed, int Col)
{
    UntagCellRange(Grid, kMark, ColRange(Grid, DoFixed, Col));
}

void UnMarkInRow(TGxStringGrid& Grid, bool DoFixed, int Row)
{
    UntagCellRange(Grid, kMark, RowRange(Grid, DoFixed, Row, true));
}

void UnMarkInGrid(TGxStringGrid& Grid, bool DoFixed)
{
    UntagCellRange(Grid, kMark, GridRange(Grid, DoFixed, true));
}

std::string HilightText(bool DoCase, const std::string& S, const std::string& Text)
{
    return HighlightHTMLText(S, Text, kHi, DoCase);
}

std::string UnHilightText(const std::string& S)
{
    return RemoveHighlightTags(S, kHi);
}

std::string MarkText(bool DoCase, const std::string& S, const std::string& Text)
{
    return HighlightHTMLText(S, Text, kMark, DoCase);
}

std::string UnMarkText(const std::string& S)
{
    return RemoveHighlightTags(S, kMark);
}

}  // namespace gx
