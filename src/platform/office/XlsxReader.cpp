// Reading .xlsx packages: the workbook part found through the package relationships, its sheets,
// shared strings and number formats (to tell dates from numbers), then each worksheet's cells.
#include "platform/office/OfficeError.h"
#include "platform/office/Xlsx.h"
#include "platform/office/Zip.h"
#include "platform/rtl/DateTime.h"
#include "platform/rtl/Streams.h"

#include <pugixml.hpp>

#include <charconv>
#include <cmath>
#include <cstring>
#include <stdexcept>

namespace office {

namespace {

constexpr const char* kWhat = "workbook";

// A reason for refusing the file: the part and what is wrong with it.
struct Refusal : std::runtime_error {
    using std::runtime_error::runtime_error;
};

[[noreturn]] void Refuse(const std::string& part, const std::string& reason)
{
    throw Refusal(part.empty() ? reason : "Part \"" + part + "\": " + reason);
}

// The element's local name, without its namespace prefix.
const char* Local(const pugi::xml_node& n)
{
    const char* name = n.name();
    const char* colon = std::strrchr(name, ':');
    return colon ? colon + 1 : name;
}

bool Is(const pugi::xml_node& n, const char* local)
{
    return n.type() == pugi::node_element && std::strcmp(Local(n), local) == 0;
}

pugi::xml_node Child(const pugi::xml_node& n, const char* local)
{
    for (pugi::xml_node c = n.first_child(); c; c = c.next_sibling())
        if (Is(c, local))
            return c;
    return {};
}

// An attribute by local name ("r:id" is found as "id").
pugi::xml_attribute Attr(const pugi::xml_node& n, const char* local)
{
    for (pugi::xml_attribute a = n.first_attribute(); a; a = a.next_attribute()) {
        const char* colon = std::strrchr(a.name(), ':');
        if (std::strcmp(colon ? colon + 1 : a.name(), local) == 0)
            return a;
    }
    return {};
}

struct Part {
    std::string name;
    pugi::xml_document doc;
};

void Load(const ZipReader& zip, const std::string& name, Part& part)
{
    part.name = name;
    std::string bytes;
    try {
        bytes = zip.Read(name);
    } catch (const std::runtime_error& e) {
        Refuse("", e.what());
    }
    pugi::xml_parse_result r =
        part.doc.load_buffer(bytes.data(), bytes.size(), pugi::parse_default | pugi::parse_ws_pcdata);
    if (!r)
        Refuse(name, std::string(r.description()) + " at offset " + std::to_string(r.offset));
}

// "xl/worksheets/sheet1.xml" from a relationship target, relative to the part that names it.
std::string ResolveTarget(const std::string& sourcePart, std::string target)
{
    std::string path;
    if (!target.empty() && target[0] == '/') {
        path = target.substr(1);
    } else {
        std::size_t slash = sourcePart.rfind('/');
        path = (slash == std::string::npos ? std::string() : sourcePart.substr(0, slash + 1)) + target;
    }
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (start <= path.size()) {
        std::size_t end = path.find('/', start);
        if (end == std::string::npos)
            end = path.size();
        std::string seg = path.substr(start, end - start);
        if (seg == "..") {
            if (!parts.empty())
                parts.pop_back();
        } else if (!seg.empty() && seg != ".") {
            parts.push_back(seg);
        }
        start = end + 1;
    }
    std::string out;
    for (const std::string& p : parts)
        out += (out.empty() ? "" : "/") + p;
    return out;
}

// The relationships part of a part: "xl/workbook.xml" → "xl/_rels/workbook.xml.rels".
std::string RelsOf(const std::string& part)
{
    std::size_t slash = part.rfind('/');
    if (slash == std::string::npos)
        return "_rels/" + part + ".rels";
    return part.substr(0, slash + 1) + "_rels/" + part.substr(slash + 1) + ".rels";
}

bool EndsWith(const std::string& s, const char* tail)
{
    std::size_t n = std::strlen(tail);
    return s.size() >= n && s.compare(s.size() - n, n, tail) == 0;
}

struct Relationship {
    std::string id, type, target;
};

std::vector<Relationship> ReadRelationships(const ZipReader& zip, const std::string& ofPart)
{
    std::vector<Relationship> rels;
    std::string name = RelsOf(ofPart);
    if (!zip.Has(name))
        return rels;
    Part part;
    Load(zip, name, part);
    for (pugi::xml_node n : part.doc.document_element().children())
        if (Is(n, "Relationship") && std::strcmp(Attr(n, "TargetMode").value(), "External") != 0)
            rels.push_back(
                {Attr(n, "Id").value(), Attr(n, "Type").value(), ResolveTarget(ofPart, Attr(n, "Target").value())});
    return rels;
}

// Appends the UTF-8 form of a code point.
void AppendUtf8(std::string& out, unsigned cp)
{
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// Reads "_xHHHH_" at s[i]; false when it is not one.
bool EscapeAt(const std::string& s, std::size_t i, unsigned& unit)
{
    if (i + 7 > s.size() || s[i] != '_' || s[i + 1] != 'x' || s[i + 6] != '_')
        return false;
    unit = 0;
    for (std::size_t k = i + 2; k < i + 6; ++k) {
        char c = s[k];
        int v = c >= '0' && c <= '9'   ? c - '0'
                : c >= 'a' && c <= 'f' ? c - 'a' + 10
                : c >= 'A' && c <= 'F' ? c - 'A' + 10
                                       : -1;
        if (v < 0)
            return false;
        unit = unit * 16 + static_cast<unsigned>(v);
    }
    return true;
}

// Strings of the format carry characters XML cannot hold as "_xHHHH_" (UTF-16 code units).
std::string DecodeEscapes(const std::string& s)
{
    if (s.find("_x") == std::string::npos)
        return s;
    std::string out;
    out.reserve(s.size());
    for (std::size_t i = 0; i < s.size();) {
        unsigned unit = 0, low = 0;
        if (EscapeAt(s, i, unit)) {
            if (unit >= 0xD800 && unit < 0xDC00 && EscapeAt(s, i + 7, low) && low >= 0xDC00 && low < 0xE000) {
                AppendUtf8(out, 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00));
                i += 14;
                continue;
            }
            if (unit < 0xD800 || unit >= 0xE000) {
                AppendUtf8(out, unit);
                i += 7;
                continue;
            }
        }
        out += s[i++];
    }
    return out;
}

// The text of a string item: its <t>, or the <t> of each run; phonetic runs are left out.
std::string StringItemText(const pugi::xml_node& si)
{
    std::string text;
    for (pugi::xml_node n : si.children()) {
        if (Is(n, "t")) {
            text += n.text().get();
        } else if (Is(n, "r")) {
            for (pugi::xml_node t : n.children())
                if (Is(t, "t"))
                    text += t.text().get();
        }
    }
    return DecodeEscapes(text);
}

std::vector<std::string> ReadSharedStrings(const ZipReader& zip, const std::string& name)
{
    std::vector<std::string> strings;
    if (name.empty() || !zip.Has(name))
        return strings;
    Part part;
    Load(zip, name, part);
    for (pugi::xml_node si : part.doc.document_element().children())
        if (Is(si, "si"))
            strings.push_back(StringItemText(si));
    return strings;
}

// Whether a number format shows dates or times: a built-in date format, or a format code with
// day, month, year, hour or second fields outside quoted texts, escapes and colour brackets.
bool IsDateFormatCode(const std::string& code)
{
    bool inQuote = false;
    for (std::size_t i = 0; i < code.size(); ++i) {
        char c = code[i];
        if (inQuote) {
            inQuote = c != '"';
            continue;
        }
        switch (c) {
        case '"':
            inQuote = true;
            break;
        case '\\':
        case '_':
        case '*':
            ++i;  // the next character is literal (or a fill or a spacing width)
            break;
        case '[': {
            std::size_t close = code.find(']', i);
            if (close == std::string::npos)
                return false;
            std::string inner = code.substr(i + 1, close - i - 1);
            if (!inner.empty() && (inner.find_first_not_of("hH") == std::string::npos ||
                                   inner.find_first_not_of("mM") == std::string::npos ||
                                   inner.find_first_not_of("sS") == std::string::npos))
                return true;  // elapsed time: [h], [mm], [ss]
            i = close;
            break;
        }
        default:
            if (std::strchr("dDmMyYhHsS", c))
                return true;
        }
    }
    return false;
}

bool IsBuiltInDateFormat(int id)
{
    return (id >= 14 && id <= 22) || (id >= 27 && id <= 36) || (id >= 45 && id <= 47) || (id >= 50 && id <= 58);
}

// For each cell style index: whether it shows a date.
std::vector<bool> ReadDateStyles(const ZipReader& zip, const std::string& name)
{
    std::vector<bool> dates;
    if (name.empty() || !zip.Has(name))
        return dates;
    Part part;
    Load(zip, name, part);
    pugi::xml_node root = part.doc.document_element();
    std::vector<std::pair<int, bool>> custom;
    for (pugi::xml_node f : Child(root, "numFmts").children())
        if (Is(f, "numFmt"))
            custom.emplace_back(Attr(f, "numFmtId").as_int(-1), IsDateFormatCode(Attr(f, "formatCode").value()));
    for (pugi::xml_node xf : Child(root, "cellXfs").children()) {
        if (!Is(xf, "xf"))
            continue;
        int id = Attr(xf, "numFmtId").as_int(0);
        bool date = IsBuiltInDateFormat(id);
        for (const auto& [cid, isDate] : custom)
            if (cid == id)
                date = isDate;
        dates.push_back(date);
    }
    return dates;
}

bool ParseNumber(const char* text, double& value)
{
    while (*text == ' ')
        ++text;
    const char* end = text + std::strlen(text);
    while (end > text && end[-1] == ' ')
        --end;
    if (text == end)
        return false;
    if (*text == '+')
        ++text;
    auto [ptr, ec] = std::from_chars(text, end, value);
    return ec == std::errc() && ptr == end && std::isfinite(value);
}

struct SheetEntry {
    std::string name;
    std::string part;
    bool worksheet = false;
};

struct WorkbookIndex {
    std::string workbookPart;
    std::vector<SheetEntry> sheets;  // every sheet of the workbook, worksheets or not
    int activeTab = 0;
    bool date1904 = false;
    std::string sharedStrings, styles;
};

WorkbookIndex ReadIndex(const ZipReader& zip)
{
    WorkbookIndex index;
    for (const Relationship& r : ReadRelationships(zip, ""))
        if (EndsWith(r.type, "/officeDocument"))
            index.workbookPart = r.target;
    if (index.workbookPart.empty())
        index.workbookPart = "xl/workbook.xml";
    if (!zip.Has(index.workbookPart))
        Refuse("", "The file is not a workbook (it has no workbook part)");
    Part book;
    Load(zip, index.workbookPart, book);
    pugi::xml_node root = book.doc.document_element();
    if (!Is(root, "workbook"))
        Refuse(index.workbookPart, "the root element is not a workbook");
    std::vector<Relationship> rels = ReadRelationships(zip, index.workbookPart);
    for (const Relationship& r : rels) {
        if (EndsWith(r.type, "/sharedStrings"))
            index.sharedStrings = r.target;
        else if (EndsWith(r.type, "/styles"))
            index.styles = r.target;
    }
    index.date1904 = Attr(Child(root, "workbookPr"), "date1904").as_bool();
    index.activeTab = Attr(Child(Child(root, "bookViews"), "workbookView"), "activeTab").as_int(0);
    for (pugi::xml_node s : Child(root, "sheets").children()) {
        if (!Is(s, "sheet"))
            continue;
        SheetEntry e;
        e.name = Attr(s, "name").value();
        std::string id = Attr(s, "id").value();
        for (const Relationship& r : rels) {
            if (r.id == id) {
                e.part = r.target;
                e.worksheet = EndsWith(r.type, "/worksheet");
            }
        }
        index.sheets.push_back(std::move(e));
    }
    return index;
}

struct SheetContext {
    const std::vector<std::string>& strings;
    const std::vector<bool>& dateStyles;
    bool date1904;
};

// Reads one cell into cells; a cell without a value holds nothing and is left out.
void ReadCell(const pugi::xml_node& c, int row, int col, const SheetContext& ctx, const std::string& partName,
              std::vector<Cell>& cells)
{
    std::string type = Attr(c, "t").value();
    pugi::xml_node v = Child(c, "v");
    std::string where = "cell " + CellReference(row, col);
    Cell cell{row, col, CellKind::Text, {}, 0};
    if (type == "inlineStr") {
        cell.Text = StringItemText(Child(c, "is"));
        cells.push_back(std::move(cell));
        return;
    }
    std::string value = v.text().get();
    // An empty value (a formula never computed, as generators of workbooks save it) holds nothing,
    // like a missing one.
    if (value.empty())
        return;
    if (type == "s") {
        unsigned long index = 0;
        auto [ptr, ec] = std::from_chars(value.data(), value.data() + value.size(), index);
        if (ec != std::errc() || ptr != value.data() + value.size() || index >= ctx.strings.size())
            Refuse(partName, where + ": no shared string " + value);
        cell.Text = ctx.strings[index];
    } else if (type == "str") {
        cell.Text = DecodeEscapes(value);
    } else if (type == "b") {
        if (value != "0" && value != "1")
            Refuse(partName, where + ": \"" + value + "\" is not a truth value");
        cell.Kind = CellKind::Boolean;
        cell.Number = value == "1" ? 1 : 0;
    } else if (type == "e") {
        cell.Kind = CellKind::Error;
        cell.Text = value;
    } else if (type == "d") {
        cell.Kind = CellKind::Date;
        if (!IsoDateToSerial(value, cell.Number))
            Refuse(partName, where + ": \"" + value + "\" is not a date");
    } else if (type.empty() || type == "n") {
        if (!ParseNumber(value.c_str(), cell.Number))
            Refuse(partName, where + ": \"" + value + "\" is not a number");
        unsigned style = Attr(c, "s").as_uint(0);
        cell.Kind = CellKind::Number;
        if (style < ctx.dateStyles.size() && ctx.dateStyles[style]) {
            cell.Kind = CellKind::Date;
            if (ctx.date1904)
                cell.Number += 1462;
        }
    } else {
        Refuse(partName, where + ": unknown cell type \"" + type + "\"");
    }
    cells.push_back(std::move(cell));
}

void ReadSheet(const ZipReader& zip, const SheetEntry& entry, const SheetContext& ctx, Sheet& sheet)
{
    if (entry.part.empty() || !zip.Has(entry.part))
        Refuse("", "The sheet \"" + entry.name + "\" has no part in the package");
    Part part;
    Load(zip, entry.part, part);
    pugi::xml_node data = Child(part.doc.document_element(), "sheetData");
    std::vector<Cell> cells;
    int row = -1;
    for (pugi::xml_node r : data.children()) {
        if (!Is(r, "row"))
            continue;
        // Rows and cells without a reference follow the previous one.
        pugi::xml_attribute rAttr = Attr(r, "r");
        row = rAttr ? rAttr.as_int(0) - 1 : row + 1;
        if (row < 0 || row >= kMaxRows)
            Refuse(entry.part, "row \"" + std::string(rAttr.value()) + "\" is out of range");
        int col = -1;
        for (pugi::xml_node c : r.children()) {
            if (!Is(c, "c"))
                continue;
            pugi::xml_attribute ref = Attr(c, "r");
            int cellRow = row, cellCol = col + 1;
            if (ref && (!ParseCellReference(ref.value(), cellRow, cellCol) || cellRow != row))
                Refuse(entry.part, "\"" + std::string(ref.value()) + "\" is not a cell reference of row " +
                                       std::to_string(row + 1));
            if (cellCol >= kMaxCols)
                Refuse(entry.part, "a cell of row " + std::to_string(row + 1) + " lies beyond the last column");
            col = cellCol;
            ReadCell(c, row, col, ctx, entry.part, cells);
        }
    }
    sheet.SetCells(std::move(cells));
}

template <class F>
auto Guarded(const std::string& fileName, F&& f)
{
    try {
        return f();
    } catch (const Refusal& e) {
        RefuseRead(kWhat, fileName, e.what());
    } catch (const std::runtime_error& e) {  // the package itself
        RefuseRead(kWhat, fileName, e.what());
    } catch (const std::bad_alloc&) {
        RefuseRead(kWhat, fileName, "It does not fit into memory");
    }
}

std::string ReadBytes(const std::string& fileName)
{
    try {
        return rtl::ReadFileBytes(fileName);
    } catch (const rtl::Exception& e) {
        RefuseRead(kWhat, fileName, e.Message);
    }
}

}  // namespace

Workbook ReadXlsxBytes(std::string bytes, const std::string& fileName)
{
    return Guarded(fileName, [&] {
        ZipReader zip(std::move(bytes));
        WorkbookIndex index = ReadIndex(zip);
        std::vector<std::string> strings = ReadSharedStrings(zip, index.sharedStrings);
        std::vector<bool> dateStyles = ReadDateStyles(zip, index.styles);
        SheetContext ctx{strings, dateStyles, index.date1904};
        Workbook book;
        for (std::size_t i = 0; i < index.sheets.size(); ++i) {
            const SheetEntry& e = index.sheets[i];
            if (!e.worksheet)
                continue;
            if (static_cast<int>(i) == index.activeTab)
                book.ActiveSheet = static_cast<int>(book.Sheets.size());
            book.Sheets.emplace_back();
            book.Sheets.back().Name = e.name;
            ReadSheet(zip, e, ctx, book.Sheets.back());
        }
        return book;
    });
}

Workbook ReadXlsx(const std::string& fileName)
{
    return ReadXlsxBytes(ReadBytes(fileName), fileName);
}

std::vector<std::string> ReadXlsxSheetNames(const std::string& fileName)
{
    std::string bytes = ReadBytes(fileName);
    return Guarded(fileName, [&] {
        ZipReader zip(std::move(bytes));
        std::vector<std::string> names;
        for (const SheetEntry& e : ReadIndex(zip).sheets)
            if (e.worksheet)
                names.push_back(e.name);
        return names;
    });
}

}  // namespace office
