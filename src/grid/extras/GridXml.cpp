#include "grid/extras/GridXml.h"

#include <pugixml.hpp>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "grid/extras/GridFileCommon.h"
#include "platform/rtl/CodePages.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Streams.h"
#include "platform/rtl/Utf8.h"

namespace gx {
namespace {

// Nesting deeper than this is refused: the reader walks groups recursively.
constexpr int kMaxDepth = 256;

// White space alone that holds a line break, as the only content of an element: the layout of an
// empty element written by an indenting program, not a text.
bool IsLayout(std::string_view text)
{
    return text.find('\n') != std::string_view::npos && text.find_first_not_of(" \t\r\n") == std::string_view::npos;
}

// Escapes a text for element content: the XML specials as entities, "$" before "amp;" as a
// reference (older files wrote "&" as "$amp;", which the reader still accepts), CR, other control
// characters and everything beyond ASCII as character references; so are the line breaks of a
// text of white space alone, which would read as layout.
std::string Escape(const std::string& t)
{
    std::string out;
    const bool layoutLike = IsLayout(t);
    std::u32string cps = rtl::Utf8ToCodePoints(t);
    for (std::size_t i = 0; i < cps.size(); ++i) {
        char32_t c = cps[i];
        switch (c) {
        case U'&':
            out += "&amp;";
            break;
        case U'<':
            out += "&lt;";
            break;
        case U'>':
            out += "&gt;";
            break;
        case U'"':
            out += "&quot;";
            break;
        case U'$':
            out += (cps.compare(i, 5, U"$amp;") == 0) ? "&#36;" : "$";
            break;
        default:
            if (c == U'\t' || (c == U'\n' && !layoutLike) || (c >= 0x20 && c < 0x7F))
                out += static_cast<char>(c);
            else
                out += "&#" + std::to_string(static_cast<unsigned long>(c)) + ";";
        }
    }
    return out;
}

// Decodes the escapes of raw element or attribute text in one pass: "$amp;" and the XML entities
// and character references; an unknown "&name;" stays as it is.
std::string Unescape(std::string_view raw)
{
    static const std::pair<std::string_view, char> kNamed[] = {{"$amp;", '&'}, {"&amp;", '&'},  {"&lt;", '<'},
                                                               {"&gt;", '>'},  {"&quot;", '"'}, {"&apos;", '\''}};
    std::string out;
    for (std::size_t i = 0; i < raw.size();) {
        if (raw[i] != '&' && raw[i] != '$') {
            out += raw[i++];
            continue;
        }
        bool done = false;
        for (const auto& [name, ch] : kNamed)
            if (raw.compare(i, name.size(), name) == 0) {
                out += ch;
                i += name.size();
                done = true;
                break;
            }
        if (!done && raw.compare(i, 2, "&#") == 0) {
            std::size_t semi = raw.find(';', i);
            if (semi != std::string_view::npos && semi - i <= 10) {
                bool hex = semi > i + 2 && (raw[i + 2] == 'x' || raw[i + 2] == 'X');
                std::string digits(raw.substr(i + (hex ? 3 : 2), semi - i - (hex ? 3 : 2)));
                char* end = nullptr;
                unsigned long v = digits.empty() ? 0 : std::strtoul(digits.c_str(), &end, hex ? 16 : 10);
                if (!digits.empty() && end && *end == '\0' && v > 0 && v <= 0x10FFFF) {
                    rtl::AppendUtf8(out, static_cast<int>(v));
                    i = semi + 1;
                    done = true;
                }
            }
        }
        if (!done)
            out += raw[i++];
    }
    return out;
}

// Takes the layout texts out of the document (pugixml keeps white space only where it is an
// element's only content).
void DropLayoutText(pugi::xml_node root)
{
    std::vector<pugi::xml_node> open{root};
    while (!open.empty()) {
        pugi::xml_node n = open.back();
        open.pop_back();
        for (pugi::xml_node c = n.first_child(); c;) {
            const pugi::xml_node next = c.next_sibling();
            if (c.type() == pugi::node_pcdata && IsLayout(c.value()))
                n.remove_child(c);
            else if (c.type() == pugi::node_element)
                open.push_back(c);
            c = next;
        }
    }
}

// The raw character data below a node, in document order.
void RawText(const pugi::xml_node& n, std::string& out)
{
    if (n.type() == pugi::node_pcdata || n.type() == pugi::node_cdata) {
        out += n.value();
        return;
    }
    for (pugi::xml_node c = n.first_child(); c; c = c.next_sibling())
        RawText(c, out);
}

class XmlReader {
public:
    XmlReader(TGxStringGrid& grid, const std::string& file, bool levelToRow, bool loadFieldDescr)
        : grid_(grid), file_(file), levelToRow_(levelToRow), loadFieldDescr_(loadFieldDescr)
    {
        sc_ = grid.SaveStartCol();
        sr_ = ((!grid.SaveFixedCells && !grid.SaveFixedRows) || loadFieldDescr) ? grid.FixedRows() : 0;
        mc_ = sc_;
        mr_ = sr_;
    }

    void Records(const pugi::xml_node& root)
    {
        int i = 0;
        for (pugi::xml_node rec = root.first_child(); rec; rec = rec.next_sibling(), ++i) {
            co_ = 0;
            level_ = 1;
            if (levelToRow_ && i == 0 && !rec.first_attribute())
                ro_ = -1;
            Read(rec, 1);
            if (!levelToRow_)
                ++ro_;
        }
        grid_.SetColCount(mc_ + 1);
        grid_.SetRowCount(mr_ + 1);
    }

private:
    void Ensure(int c, int r)
    {
        if (c >= grid_.ColCount())
            grid_.SetColCount(c + 1);
        if (r >= grid_.RowCount())
            grid_.SetRowCount(r + 1);
    }

    void Store(const std::string& text, bool raiseBounds)
    {
        const int c = sc_ + co_, r = sr_ + ro_;
        if (c < 0 || r < 0) {
            ++co_;
            return;
        }
        Ensure(c, r);
        grid_.LoadCellText(c, r, text);
        if (raiseBounds) {
            mc_ = std::max(mc_, c);
            mr_ = std::max(mr_, r);
        }
        ++co_;
    }

    void Header(const char* name)
    {
        const int c = sc_ + co_;
        if ((grid_.SaveFixedCells || grid_.SaveFixedRows) && c >= 0 && grid_.Cells(c, 0).empty()) {
            Ensure(c, 0);
            grid_.SetCells(c, 0, name);
        }
    }

    void Read(const pugi::xml_node& node, int depth)
    {
        if (depth > kMaxDepth)
            throw rtl::EFileError(file_, "elements are nested more than " + std::to_string(kMaxDepth) + " deep");
        bool moved = false;
        if (node.type() == pugi::node_element && node.first_attribute()) {
            for (pugi::xml_attribute a = node.first_attribute(); a; a = a.next_attribute()) {
                Header(a.name());
                Store(Unescape(a.value()), true);
            }
            if (levelToRow_) {
                ++ro_;
                co_ = level_;
                moved = true;
            }
        }
        std::size_t children = 0;
        for (pugi::xml_node c = node.first_child(); c && children < 2; c = c.next_sibling())
            ++children;
        if (children > 1) {
            if (levelToRow_ && !moved) {
                ++ro_;
                co_ = 0;
            }
            ++level_;
            for (pugi::xml_node c = node.first_child(); c; c = c.next_sibling())
                Read(c, depth + 1);
        } else if (children == 0) {
            if (node.type() == pugi::node_element) {
                Store({}, false);
            } else {
                Store(Unescape(node.value()), true);
            }
        } else {
            if (loadFieldDescr_)
                Header(node.name());
            std::string raw;
            RawText(node, raw);
            std::string text = Unescape(raw);
            if (grid_.QuoteEmptyCells && text == "\"\"")
                text.clear();
            Store(text, true);
        }
    }

    TGxStringGrid& grid_;
    const std::string& file_;
    bool levelToRow_, loadFieldDescr_;
    int sc_ = 0, sr_ = 0, mc_ = 0, mr_ = 0, ro_ = 0, co_ = 0, level_ = 1;
};

// The file's text as UTF-8: a byte-order mark or a declared UTF-8 is kept, anything else is read
// as the ANSI code page the writer used.
std::string AsUtf8(const std::string& bytes)
{
    if (bytes.rfind("\xEF\xBB\xBF", 0) == 0)
        return bytes.substr(3);
    std::size_t end = bytes.find("?>");
    std::string decl = bytes.rfind("<?xml", 0) == 0 && end != std::string::npos ? bytes.substr(0, end) : "";
    std::transform(decl.begin(), decl.end(), decl.begin(), [](unsigned char c) { return std::tolower(c); });
    if (decl.find("utf-8") != std::string::npos ||
        (decl.find("encoding") == std::string::npos && rtl::IsValidUtf8(bytes)))
        return bytes;
    return rtl::Cp1252ToUtf8(bytes);
}

}  // namespace

void SaveToXML(TGxStringGrid& grid, const std::string& FileName, const std::string& ListDescr,
               const std::string& RecordDescr, const rtl::TStrings* FieldDescr, bool ExportEmptyCells)
{
    const int hidden = extras::HiddenSaveCount(grid);
    std::string out = "<?xml version=\"1.0\" encoding=\"" + grid.XMLEncoding + "\" ?>\r\n";
    out += "<" + ListDescr + ">\r\n";
    extras::ProgressReporter progress(grid);
    grid.ExportNotification(esExportStart, grid.SaveStartRow());
    for (int r = grid.SaveStartRow(); r <= grid.SaveEndRow(); ++r) {
        grid.ExportNotification(esExportNextRow, r);
        out += "<" + RecordDescr + ">\r\n";
        for (int c = grid.SaveStartCol(); c <= grid.SaveEndCol() + hidden; ++c) {
            const int real = extras::MapSaveCol(grid, c);
            if (grid.IsMergedNonBaseCell(real, r))
                continue;
            std::string text = grid.GetSaveCellText(real, r);
            if (text.empty() && !ExportEmptyCells)
                continue;
            if (text.empty() && grid.QuoteEmptyCells)
                text = "\"\"";
            const int k = c - grid.SaveStartCol();
            std::string field =
                FieldDescr && k < FieldDescr->Count() ? FieldDescr->Get(k) : "FIELD" + std::to_string(k);
            out += "<" + field + ">" + Escape(text) + "</" + field + ">\r\n";
        }
        out += "</" + RecordDescr + ">\r\n";
        progress.Report(r, grid.SaveEndRow() - grid.SaveStartRow());
    }
    out += "</" + ListDescr + ">\r\n";
    grid.ExportNotification(esExportDone, -1);
    try {
        rtl::WriteFileAtomic(FileName, rtl::Utf8ToCp1252(out));
    } catch (const rtl::EFCreateError& e) {
        throw VIdiRazeRaduz("Cannot Create file " + FileName + " (" + e.Message + ")");
    }
}

void LoadFromXML(TGxStringGrid& grid, const std::string& FileName, bool LevelToRow, bool LoadFieldDescr)
{
    std::error_code ec;
    if (!std::filesystem::is_regular_file(FileName, ec))
        throw rtl::EFileError(FileName, "XML file not found", "XML file not found: " + FileName);
    std::string text = AsUtf8(rtl::ReadFileBytes(FileName));
    pugi::xml_document doc;
    // Escapes are decoded by the reader itself, once, so that the older "$amp;" is read as well. A
    // field of blanks alone is a text.
    pugi::xml_parse_result res = doc.load_buffer(
        text.data(), text.size(), (pugi::parse_default | pugi::parse_ws_pcdata_single) & ~pugi::parse_escapes,
        pugi::encoding_utf8);
    if (!res || !doc.document_element()) {
        int line = 1 + static_cast<int>(std::count(
                           text.begin(), text.begin() + std::min<std::ptrdiff_t>(res.offset, text.size()), '\n'));
        throw rtl::EFileError(FileName, res.description(),
                              "XMLDOM Parsing error " + std::to_string(static_cast<int>(res.status)) + " on line " +
                                  std::to_string(line) + " of " + FileName + ": " + res.description());
    }
    // The whole document is walked once before the grid changes, so a refusal leaves it as it was.
    std::function<int(const pugi::xml_node&, int)> depth = [&](const pugi::xml_node& n, int d) {
        if (d > kMaxDepth)
            return d;
        int m = d;
        for (pugi::xml_node c = n.first_child(); c; c = c.next_sibling())
            m = std::max(m, depth(c, d + 1));
        return m;
    };
    if (depth(doc.document_element(), 0) > kMaxDepth)
        throw rtl::EFileError(FileName, "elements are nested more than " + std::to_string(kMaxDepth) + " deep");
    DropLayoutText(doc);
    grid.BeginUpdate();
    try {
        XmlReader reader(grid, FileName, LevelToRow, LoadFieldDescr);
        reader.Records(doc.document_element());
    } catch (...) {
        grid.EndUpdate();
        throw;
    }
    grid.EndUpdate();
    grid.ContentReloaded();
}

}  // namespace gx
