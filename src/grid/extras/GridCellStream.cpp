#include "grid/extras/GridCellStream.h"

#include <algorithm>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "grid/extras/CellStreamCodec.h"
#include "grid/extras/GridFileCommon.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/StringList.h"
#include "platform/ui/ImageCodecs.h"

namespace gx {
namespace {

using cellstream::Block;
using cellstream::BlockWriter;
using cellstream::Entry;

constexpr std::string_view kBrushStyles[] = {"bsSolid",     "bsClear",     "bsHorizontal", "bsVertical",
                                             "bsFDiagonal", "bsBDiagonal", "bsCross",      "bsDiagCross"};
constexpr std::string_view kAlignments[] = {"taLeftJustify", "taRightJustify", "taCenter"};
constexpr std::string_view kCellTypes[] = {"ctBitmap",      "ctIcon",         "ctNone",      "ctImageList",
                                           "ctCheckBox",    "ctDataCheckBox", "ctRotated",   "ctDataImage",
                                           "ctNode",        "ctRadio",        "ctEmpty",     "ctImages",
                                           "ctPicture",     "ctFilePicture",  "ctValue",     "ctProgress",
                                           "ctComment",     "ctButton",       "ctBitButton", "ctVirtCheckBox",
                                           "ctRowCheckBox", "ctProgressPie",  "ctSummary",   "ctRangeIndicator",
                                           "ctXPProgress",  "ctInterface",    "ctScrollbar", "ctRadioButton",
                                           "ctBalloon",     "ctShape",        "ctRating",    "ctTriStateCheckBox",
                                           "ctExpand"};
constexpr std::string_view kCellVAligns[] = {"vaTop", "vaBottom", "vaCenter", "vaUnderText", "vaAboveText", "vaFull"};
constexpr std::string_view kCellHAligns[] = {"haLeft", "haRight", "haCenter", "haBeforeText", "haAfterText", "haFull"};
constexpr std::string_view kCheckStates[] = {"cbUnchecked", "cbChecked", "cbGrayed"};

template <std::size_t N>
int Index(const std::string_view (&names)[N], const Entry& e)
{
    std::string id = e.AsIdent();
    for (std::size_t i = 0; i < N; ++i)
        if (names[i] == id)
            return static_cast<int>(i);
    throw rtl::EReadError("Invalid property value");
}

template <typename E>
E EnumOf(const Entry& e)
{
    E v{};
    if (!EnumFromName(e.AsIdent(), v))
        throw rtl::EReadError("Invalid property value");
    return v;
}

[[noreturn]] void NoProperty(std::string_view name)
{
    throw rtl::EReadError("Property " + std::string(name) + " does not exist");
}

std::string Joined(const std::vector<int>& v)
{
    std::string s;
    for (std::size_t i = 0; i < v.size(); ++i) {
        if (i)
            s += ',';
        s += std::to_string(v[i]);
    }
    return s;
}

std::string BitmapBytes(const ui::TBitmap* b)
{
    if (!b || b->Empty())
        return {};
    std::vector<std::uint8_t> bytes = ui::EncodeBmp(*b);
    return std::string(bytes.begin(), bytes.end());
}

std::unique_ptr<ui::TBitmap> BitmapFrom(const std::string& bytes)
{
    auto b = std::make_unique<ui::TBitmap>();
    std::string why;
    if (!bytes.empty() && !ui::DecodeBmp(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size(), *b, why))
        throw rtl::EReadError("Invalid bitmap in cell stream: " + why);
    return b;
}

constexpr std::size_t kPiece = 1 << 20;  // bytes handed on at a time

// The stream's bytes as they are made. Blocks of the usual cells gather in a small buffer and join
// the piece a row at a time; whatever else is written goes to the piece after them.
class StreamOut {
public:
    StreamOut() { piece_.reserve(kPiece + 4096); }
    void Cell(int c, int r, const std::string& text, bool hasProp)
    {
        if (used_ + cellstream::kPlainCellBlockMax > sizeof stage_)
            Gather();
        if (const char* end = cellstream::PutPlainCellBlock(stage_ + used_, c, r, text, hasProp)) {
            used_ = static_cast<std::size_t>(end - stage_);
            return;
        }
        cellstream::WriteCellBlock(Piece(), c, r, text, hasProp);
    }
    // The piece so far, for blocks written entry by entry.
    std::string& Piece()
    {
        Gather();
        return piece_;
    }

private:
    void Gather()
    {
        piece_.append(stage_, used_);
        used_ = 0;
    }
    std::string piece_;
    char stage_[4096];
    std::size_t used_ = 0;
};

void WriteCell(TGxStringGrid& grid, StreamOut& stream, int c, int r)
{
    const int real = grid.RealColIndex(c);
    TCellProperties* p = grid.GridObjects(real, r);
    const bool inside = c < grid.ColCount() && r < grid.RowCount();
    // A row of a tree block keeps its level without properties in the node column: it is written
    // as the properties that cell gets by default, which carry the level.
    std::unique_ptr<TCellProperties> defaults;
    if (!p && inside && real == 0 && grid.RowNodeLevel(r) > 0) {
        p = grid.CellProperties(0, r);
        defaults = grid.TakeCellProperties(0, r);
    }
    stream.Cell(c & 0xFFFF, r & 0xFFFF, grid.Cells(real, r), inside && p);
    if (!inside || !p)
        return;
    std::string& out = stream.Piece();
    TCellGraphic* g = dynamic_cast<TCellGraphic*>(p->GraphicObject());
    const TCellType type = g ? g->CellType : ctEmpty;
    bool hasGraphic = g && type != ctEmpty;
    if (hasGraphic && (type == ctBitmap || type == ctIcon || type == ctRadio || type == ctImages || type == ctPicture ||
                       type == ctFilePicture || type == ctBitButton))
        hasGraphic = g->CellCreated;
    {
        BlockWriter w(out, "TGridCellPropIO");
        w.Bool("CellProperties.IsBaseCell", p->IsBaseCell());
        w.Int("CellProperties.CellSpanX", p->CellSpanX());
        w.Int("CellProperties.CellSpanY", p->CellSpanY());
        w.Ident("CellProperties.Alignment", kAlignments[static_cast<int>(p->Alignment())]);
        w.Color("CellProperties.BorderColor", p->BorderColor());
        w.Int("CellProperties.BorderWidth", p->BorderWidth());
        w.Color("CellProperties.BrushColor", p->BrushColor());
        w.Color("CellProperties.BrushColorTo", p->BrushColorTo());
        w.Ident("CellProperties.BrushStyle", kBrushStyles[static_cast<int>(p->BrushStyle())]);
        w.Int("CellProperties.CellObject", static_cast<std::int32_t>(reinterpret_cast<std::intptr_t>(p->CellObject())));
        w.Color("CellProperties.FontColor", p->FontColor());
        w.Text("CellProperties.FontName", p->FontName());
        w.Int("CellProperties.FontSize", p->FontSize());
        w.FontStyles("CellProperties.FontStyle", p->FontStyle());
        w.Ident("CellProperties.Editor", EnumName(p->Editor()));
        w.Ident("CellProperties.GradientDirection", EnumName(p->GradientDirection()));
        w.Bool("CellProperties.ReadOnly", p->ReadOnly());
        w.Ident("CellProperties.VAlignment", EnumName(p->VAlignment()));
        w.Bool("CellProperties.WordWrap", p->WordWrap());
        w.Int("CellProperties.NodeLevel", real == 0 ? grid.RowNodeLevel(r) : 0);
        if (p->Control() && !p->Control()->Name().empty())
            w.Ident("CellProperties.Control", p->Control()->Name());
        w.Bool("HasGraphic", hasGraphic);
        w.End();
    }
    if (!hasGraphic)
        return;
    {
        BlockWriter w(out, "TGridGraphicIO");
        w.Ident("CellGraphic.CellType", kCellTypes[type]);
        w.Ident("CellGraphic.CellVAlign", kCellVAligns[g->CellVAlign]);
        w.Ident("CellGraphic.CellHAlign", kCellHAligns[g->CellHAlign]);
        w.Int("CellGraphic.CellIndex", g->CellIndex);
        w.Bool("CellGraphic.CellTransparent", g->CellTransparent);
        w.Bool("CellGraphic.CellCreated", g->CellCreated);
        w.Bool("CellGraphic.CellBoolean", g->CellBoolean);
        w.Ident("CellGraphic.CellCheckBoxState", kCheckStates[static_cast<int>(g->CellCheckBoxState)]);
        w.Int("CellGraphic.CellAngle", g->CellAngle);
        w.Float("CellGraphic.CellValue", g->CellValue);
        w.Int("CellGraphic.CellErrFrom", g->CellErrFrom);
        w.Int("CellGraphic.CellErrLen", g->CellErrLen);
        w.Text("CellGraphic.CellText", g->CellText);
        w.End();
    }
    switch (type) {
    case ctBitmap:
    case ctBitButton: {
        BlockWriter w(out, "TGridBMPIO");
        std::string bytes = BitmapBytes(dynamic_cast<ui::TBitmap*>(g->CellBitmap));
        if (!bytes.empty())
            w.Binary("Bitmap.Data", bytes);
        w.End();
        break;
    }
    case ctIcon: {
        BlockWriter w(out, "TGridIconIO");
        std::string bytes = BitmapBytes(dynamic_cast<ui::TBitmap*>(g->CellIcon));
        if (!bytes.empty())
            w.Binary("Icon.Data", bytes);
        w.End();
        break;
    }
    case ctRadio:
    case ctImages: {
        std::vector<std::string> items;
        if (auto* sl = dynamic_cast<rtl::TStrings*>(g->CellBitmap))
            for (int i = 0; i < sl->Count(); ++i)
                items.push_back(sl->Get(i));
        if (auto* il = dynamic_cast<TIntList*>(g->CellBitmap))
            for (int i = 0; i < il->Count(); ++i)
                items.push_back(std::to_string(il->GetInteger(i)));
        BlockWriter w(out, "TGridSLIO");
        w.Strings("Strings.Strings", items);
        w.End();
        break;
    }
    case ctPicture: {
        BlockWriter w(out, "TGridPicIO");
        auto* pic = dynamic_cast<ui::TPicture*>(g->CellBitmap);
        auto* bmp = pic ? dynamic_cast<ui::TBitmap*>(pic->Graphic()) : nullptr;
        std::string bytes = BitmapBytes(bmp);
        if (!bytes.empty()) {
            std::string data = std::string(1, '\x07') + "TBitmap";
            const auto n = static_cast<std::uint32_t>(bytes.size());
            for (int i = 0; i < 4; ++i)
                data += static_cast<char>((n >> (8 * i)) & 0xFF);
            w.Binary("Picture.Data", data + bytes);
        }
        w.End();
        break;
    }
    case ctFilePicture: {
        BlockWriter w(out, "TGridFilePicIO");
        if (auto* fp = dynamic_cast<TFilePicture*>(g->CellBitmap))
            w.Text("Picture.Filename", fp->Filename());
        w.End();
        break;
    }
    default:
        break;
    }
}

void ApplyProp(TCellProperties& p, const Entry& e, bool& hasGraphic, int& nodeLevel)
{
    const std::string_view n = e.name;
    const std::string_view k = n.rfind("CellProperties.", 0) == 0 ? n.substr(15) : std::string_view();
    if (n == "HasGraphic")
        hasGraphic = e.AsBool();
    else if (k == "IsBaseCell")
        p.SetIsBaseCell(e.AsBool());
    else if (k == "CellSpanX")
        p.SetCellSpanX(static_cast<int>(e.AsInt()));
    else if (k == "CellSpanY")
        p.SetCellSpanY(static_cast<int>(e.AsInt()));
    else if (k == "Alignment")
        p.SetAlignment(static_cast<THAlignment>(Index(kAlignments, e)));
    else if (k == "BorderColor")
        p.SetBorderColor(e.AsColor());
    else if (k == "BorderWidth")
        p.SetBorderWidth(static_cast<int>(e.AsInt()));
    else if (k == "BrushColor")
        p.SetBrushColor(e.AsColor());
    else if (k == "BrushColorTo")
        p.SetBrushColorTo(e.AsColor());
    else if (k == "BrushStyle")
        p.SetBrushStyle(static_cast<ui::TBrushStyle>(Index(kBrushStyles, e)));
    else if (k == "CellObject")
        e.AsInt();  // a user-data value means nothing in another grid or process
    else if (k == "FontColor")
        p.SetFontColor(e.AsColor());
    else if (k == "FontName")
        p.SetFontName(e.AsText());
    else if (k == "FontSize")
        p.SetFontSize(static_cast<int>(e.AsInt()));
    else if (k == "FontStyle")
        p.SetFontStyle(e.AsFontStyles());
    else if (k == "Editor")
        p.SetEditor(EnumOf<TEditorType>(e));
    else if (k == "GradientDirection")
        p.SetGradientDirection(EnumOf<TCellGradientDirection>(e));
    else if (k == "ReadOnly")
        p.SetReadOnly(e.AsBool());
    else if (k == "VAlignment")
        p.SetVAlignment(EnumOf<TVAlignment>(e));
    else if (k == "WordWrap")
        p.SetWordWrap(e.AsBool());
    else if (k == "NodeLevel")
        nodeLevel = static_cast<int>(e.AsInt());
    else if (k == "Control")
        e.AsIdent();  // controls are not looked up by name here
    else
        NoProperty(n);
}

void ApplyGraphic(TCellGraphic& g, const Entry& e)
{
    const std::string_view n = e.name;
    const std::string_view k = n.rfind("CellGraphic.", 0) == 0 ? n.substr(12) : std::string_view();
    if (k == "CellType")
        g.CellType = static_cast<TCellType>(Index(kCellTypes, e));
    else if (k == "CellVAlign")
        g.CellVAlign = static_cast<TCellVAlign>(Index(kCellVAligns, e));
    else if (k == "CellHAlign")
        g.CellHAlign = static_cast<TCellHAlign>(Index(kCellHAligns, e));
    else if (k == "CellIndex")
        g.CellIndex = static_cast<int>(e.AsInt());
    else if (k == "CellTransparent")
        g.CellTransparent = e.AsBool();
    else if (k == "CellCreated")
        e.AsBool();  // what the loaded graphic holds it owns
    else if (k == "CellBoolean")
        g.CellBoolean = e.AsBool();
    else if (k == "CellCheckBoxState")
        g.CellCheckBoxState = static_cast<ui::TCheckBoxState>(Index(kCheckStates, e));
    else if (k == "CellAngle")
        g.CellAngle = static_cast<int>(e.AsInt());
    else if (k == "CellValue")
        g.CellValue = e.AsFloat();
    else if (k == "CellErrFrom")
        g.CellErrFrom = static_cast<int>(e.AsInt());
    else if (k == "CellErrLen")
        g.CellErrLen = static_cast<int>(e.AsInt());
    else if (k == "CellText")
        g.CellText = e.AsText();
    else
        NoProperty(n);
}

// The only entry a payload block may carry, or nullptr when it carries none (an empty payload).
const Entry* PayloadEntry(const Block& b, std::string_view className, std::string_view entry)
{
    if (b.className != className)
        throw rtl::EReadError("Invalid stream format");
    const Entry* found = nullptr;
    for (const Entry& e : b.entries) {
        if (e.name != entry)
            NoProperty(e.name);
        found = &e;
    }
    return found;
}

void ReadPayload(TCellGraphic& g, std::string_view data, std::size_t& pos)
{
    switch (g.CellType) {
    case ctBitmap:
    case ctBitButton: {
        const Block blk = cellstream::ReadBlock(data, pos);
        const Entry* e = PayloadEntry(blk, "TGridBMPIO", "Bitmap.Data");
        g.CellBitmap = BitmapFrom(e ? e->value.s : std::string()).release();
        g.CellCreated = true;
        break;
    }
    case ctIcon: {
        const Block blk = cellstream::ReadBlock(data, pos);
        const Entry* e = PayloadEntry(blk, "TGridIconIO", "Icon.Data");
        auto icon = std::make_unique<ui::TIcon>();
        std::unique_ptr<ui::TBitmap> b = BitmapFrom(e ? e->value.s : std::string());
        icon->Assign(*b);
        g.CellIcon = icon.release();
        g.CellCreated = true;
        break;
    }
    case ctRadio:
    case ctImages: {
        const Block blk = cellstream::ReadBlock(data, pos);
        const Entry* e = PayloadEntry(blk, "TGridSLIO", "Strings.Strings");
        std::vector<std::string> items;
        if (e) {
            if (e->value.type != cellstream::vaList)
                throw rtl::EReadError("Invalid property value");
            items = e->value.items;
        }
        if (g.CellType == ctRadio) {
            auto sl = std::make_unique<rtl::TStringList>();
            for (const std::string& s : items)
                sl->Add(s);
            g.CellBitmap = sl.release();
        } else {
            auto il = std::make_unique<TIntList>(0, 0);
            for (const std::string& s : items) {
                int v = 0;
                if (!extras::ParseInt(s, v))
                    throw rtl::EReadError("Invalid property value");
                il->Add(v);
            }
            g.CellBitmap = il.release();
        }
        g.CellCreated = true;
        break;
    }
    case ctPicture: {
        const Block blk = cellstream::ReadBlock(data, pos);
        const Entry* e = PayloadEntry(blk, "TGridPicIO", "Picture.Data");
        auto pic = std::make_unique<ui::TPicture>();
        if (e) {
            const std::string& d = e->value.s;
            std::size_t l = d.empty() ? 0 : static_cast<unsigned char>(d[0]);
            if (d.size() < 1 + l + 4)
                throw rtl::EReadError("Stream read error");
            std::string kind = d.substr(1, l);
            const unsigned char* p = reinterpret_cast<const unsigned char*>(d.data() + 1 + l);
            std::size_t n = p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<std::size_t>(p[3]) << 24);
            if (n > d.size() - 1 - l - 4)
                throw rtl::EReadError("Stream read error");
            std::string bytes = d.substr(1 + l + 4, n);
            if (kind == "TBitmap")
                pic->SetGraphic(BitmapFrom(bytes));
        }
        g.CellBitmap = pic.release();
        g.CellCreated = true;
        break;
    }
    case ctFilePicture: {
        const Block blk = cellstream::ReadBlock(data, pos);
        const Entry* e = PayloadEntry(blk, "TGridFilePicIO", "Picture.Filename");
        auto fp = std::make_unique<TFilePicture>();
        if (e) {
            try {
                fp->SetFilename(e->AsText());
            } catch (const rtl::Exception&) {
                // a picture file that is gone leaves the name and an empty picture
            }
        }
        g.CellBitmap = fp.release();
        g.CellCreated = true;
        break;
    }
    default:
        break;
    }
}

struct Header {
    int cols = 0, rows = 0;
    std::vector<int> widths, heights;
    bool full = false;
};

std::vector<int> Numbers(const std::string& s)
{
    std::vector<int> out;
    if (s.empty())
        return out;
    std::size_t start = 0;
    for (;;) {
        std::size_t comma = s.find(',', start);
        int v = 0;
        if (!extras::ParseInt(s.substr(start, comma == std::string::npos ? std::string::npos : comma - start), v))
            throw rtl::EConvertError("'" + s + "' is not a list of integers");
        out.push_back(v);
        if (comma == std::string::npos)
            return out;
        start = comma + 1;
    }
}

Header ReadHeader(std::string_view data, std::size_t& pos)
{
    Block b = cellstream::ReadBlock(data, pos);
    if (b.className != "TGridPropIO")
        throw rtl::EReadError("Invalid stream format");
    Header h;
    for (const Entry& e : b.entries) {
        if (e.name == "ColCount")
            h.cols = static_cast<int>(e.AsInt());
        else if (e.name == "RowCount")
            h.rows = static_cast<int>(e.AsInt());
        else if (e.name == "ColWidths")
            h.widths = Numbers(e.AsText());
        else if (e.name == "RowHeights")
            h.heights = Numbers(e.AsText());
        else if (e.name == "FullGrid")
            h.full = e.AsBool();
        else if (e.name == "ID")
            e.AsInt();
        else
            NoProperty(e.name);
    }
    return h;
}

struct CellRecord {
    int col = 0, row = 0;
    std::string text;
    bool hasProp = false;
};

CellRecord ReadCell(std::string_view data, std::size_t& pos, Block& b)
{
    CellRecord c;
    std::int64_t col = 0, row = 0;
    if (cellstream::ReadPlainCellBlock(data, pos, col, row, c.text, c.hasProp)) {
        c.col = static_cast<int>(col) & 0xFFFF;
        c.row = static_cast<int>(row) & 0xFFFF;
        return c;
    }
    cellstream::ReadBlock(data, pos, b);
    if (b.className != "TGridCellIO")
        throw rtl::EReadError("Invalid stream format");
    for (Entry& e : b.entries) {
        if (e.name == "Col")
            c.col = static_cast<int>(e.AsInt()) & 0xFFFF;
        else if (e.name == "Row")
            c.row = static_cast<int>(e.AsInt()) & 0xFFFF;
        else if (e.name == "Cell")
            c.text = e.TakeText();
        else if (e.name == "HasProp")
            c.hasProp = e.AsBool();
        else
            NoProperty(e.name);
    }
    return c;
}

// Writes the cell stream of Rect in pieces: put receives the bytes made so far whenever they pass
// kPiece, and the rest at the end. Nothing in between keeps the whole stream.

template <typename Put>
void WriteCellStream(TGxStringGrid& grid, const ui::TRect& Rect, Put&& put)
{
    StreamOut stream;
    std::string& out = stream.Piece();
    const int cols = Rect.Right - Rect.Left + 1, rows = Rect.Bottom - Rect.Top + 1;
    std::vector<int> widths, heights;
    for (int c = Rect.Left; c <= Rect.Right; ++c)
        widths.push_back(grid.ColWidths(c));
    for (int r = Rect.Top; r <= Rect.Bottom; ++r)
        heights.push_back(grid.RowHeights(r));
    const bool full = grid.SaveFixedCells
                          ? grid.RowCount() == rows && grid.ColCount() == cols
                          : grid.RowCount() - grid.FixedRows() == rows && grid.ColCount() - grid.FixedCols() == cols;
    {
        BlockWriter w(out, "TGridPropIO");
        w.Int("ColCount", cols);
        w.Int("RowCount", rows);
        w.Text("ColWidths", Joined(widths));
        w.Text("RowHeights", Joined(heights));
        w.Bool("FullGrid", full);
        w.Int("ID", 0);
        w.End();
    }
    extras::ProgressReporter progress(grid);
    grid.ExportNotification(esExportStart, Rect.Top);
    for (int r = Rect.Top; r <= Rect.Bottom; ++r) {
        grid.ExportNotification(esExportNextRow, r);
        for (int c = Rect.Left; c <= Rect.Right; ++c)
            WriteCell(grid, stream, c, r);
        if (stream.Piece().size() >= kPiece) {
            put(out);
            out.clear();
        }
        progress.Report(r, Rect.Bottom - Rect.Top);
    }
    grid.ExportNotification(esExportDone, -1);
    if (!stream.Piece().empty())
        put(out);
}

ui::TRect SavedArea(TGxStringGrid& grid)
{
    return {grid.SaveStartCol(), grid.SaveStartRow(), grid.SaveEndCol(), grid.SaveEndRow()};
}

}  // namespace

void SaveRectToBinStream(TGxStringGrid& grid, const ui::TRect& Rect, rtl::TStream& Stream)
{
    WriteCellStream(grid, Rect, [&](const std::string& bytes) { Stream.WriteString(bytes); });
}

void SaveToBinStream(TGxStringGrid& grid, rtl::TStream& Stream)
{
    SaveRectToBinStream(grid, SavedArea(grid), Stream);
}

void SaveToBinFile(TGxStringGrid& grid, const std::string& FileName)
{
    rtl::AtomicFileWriter file(FileName);
    WriteCellStream(grid, SavedArea(grid), [&](const std::string& bytes) { file.Write(bytes); });
    file.Commit();
}

namespace {

// The bytes of a stream a piece at a time: the window holds the stream's bytes from Start() on, up
// to what has been read; More drops what lies before a position and reads the next piece. A file
// is never held whole, and no buffer of its size is made.
class TStreamWindow {
public:
    explicit TStreamWindow(rtl::TStream& stream) : stream_(stream) {}
    std::string_view Data() const { return bytes_; }
    std::int64_t Start() const { return start_; }
    bool AtEnd() const { return end_; }
    // Keeps the bytes from pos on (pos becomes 0) and appends the next piece, at least as large as
    // what is kept so that a long record is read in a few steps; false at the end of the stream.
    bool More(std::size_t& pos)
    {
        if (end_)
            return false;
        bytes_.erase(0, pos);
        start_ += static_cast<std::int64_t>(pos);
        pos = 0;
        const std::size_t kept = bytes_.size(), piece = std::max(kReadPiece, kept);
        bytes_.resize(kept + piece);
        const std::int64_t n = stream_.Read(bytes_.data() + kept, static_cast<std::int64_t>(piece));
        bytes_.resize(kept + static_cast<std::size_t>(std::max<std::int64_t>(n, 0)));
        end_ = n <= 0;
        return n > 0;
    }
    // The whole rest of the stream into the window.
    void ReadAll(std::size_t& pos)
    {
        while (More(pos)) {
        }
    }

private:
    static constexpr std::size_t kReadPiece = 1 << 20;
    rtl::TStream& stream_;
    std::string bytes_;
    std::int64_t start_ = 0;
    bool end_ = false;
};

// Whether reading stopped because the data in the window ended (the stream may hold more).
bool DataEnded(const rtl::EReadError& e)
{
    return e.Message == "Stream read error";
}

// Where the cell record at pos ends (its cell block, and the property, graphic and payload blocks
// it announces), read without applying anything; npos when that cannot be told before applying (a
// graphic block that does not name its type: the type then comes from the cell). A record that is
// malformed ends where reading it stops: applying it raises the error.
std::size_t RecordEnd(std::string_view data, std::size_t pos, Block& scratch)
{
    std::int64_t col = 0, row = 0;
    std::string text;
    bool hasProp = false;
    if (!cellstream::ReadPlainCellBlock(data, pos, col, row, text, hasProp)) {
        cellstream::ReadBlock(data, pos, scratch);
        for (const Entry& e : scratch.entries)
            if (e.name == "HasProp")
                hasProp = e.AsBool();
    }
    if (!hasProp)
        return pos;
    cellstream::ReadBlock(data, pos, scratch);
    bool hasGraphic = false;
    for (const Entry& e : scratch.entries)
        if (e.name == "HasGraphic")
            hasGraphic = e.AsBool();
    if (!hasGraphic)
        return pos;
    cellstream::ReadBlock(data, pos, scratch);
    const Entry* type = nullptr;
    for (const Entry& e : scratch.entries)
        if (e.name == "CellGraphic.CellType")
            type = &e;
    if (!type)
        return std::string_view::npos;
    switch (static_cast<TCellType>(Index(kCellTypes, *type))) {
    case ctBitmap:
    case ctBitButton:
    case ctIcon:
    case ctRadio:
    case ctImages:
    case ctPicture:
    case ctFilePicture:
        cellstream::ReadBlock(data, pos, scratch);
        break;
    default:
        break;
    }
    return pos;
}

// Makes the window hold the whole record at pos before any of it is applied.
void WholeRecord(TStreamWindow& in, std::size_t& pos)
{
    Block scratch;
    while (!in.AtEnd()) {
        try {
            if (RecordEnd(in.Data(), pos, scratch) == std::string_view::npos)
                in.ReadAll(pos);
            return;
        } catch (const rtl::EReadError& e) {
            if (!DataEnded(e))
                return;  // applying the record raises it
            in.More(pos);
        } catch (const rtl::Exception&) {
            return;
        }
    }
}

// Reads what read reads at pos from the window, reading more of the stream while the window ends
// inside it (read must apply nothing before it returns). start receives where the read began in
// the window as it is afterwards.
template <class Read>
auto ReadWhole(TStreamWindow& in, std::size_t& pos, std::size_t& start, Read read)
{
    for (;;) {
        start = pos;
        try {
            return read(in.Data(), pos);
        } catch (const rtl::EReadError& e) {
            pos = start;
            if (!DataEnded(e) || !in.More(pos))
                throw;
        }
    }
}

// At least two bytes left (a cell block, or the stream's end marker) while the stream has them.
bool MoreCells(TStreamWindow& in, std::size_t& pos)
{
    while (in.Data().size() < pos + 2 && in.More(pos)) {
    }
    return in.Data().size() >= 2 && pos < in.Data().size() - 1;
}

// Reads the cell stream at the window's position into the grid; pos ends after its last cell.
void LoadCells(TGxStringGrid& grid, ui::TPoint Point, TStreamWindow& in, std::size_t& pos)
{
    Block scratch;  // the room of every cell block read
    std::size_t start = 0;
    const auto readCell = [&scratch](std::string_view data, std::size_t& p) { return ReadCell(data, p, scratch); };
    Header h = ReadWhole(in, pos, start, [](std::string_view data, std::size_t& p) { return ReadHeader(data, p); });
    // The first cell says where the rectangle started in the writing grid.
    CellRecord first;
    const bool any = MoreCells(in, pos);
    if (any) {
        std::size_t peek = pos;
        first = ReadWhole(in, peek, start, readCell);
        pos = start;  // the loop below reads it again
    }
    int c0 = any ? first.col : 0, r0 = any ? first.row : 0;
    grid.BeginUpdate();
    try {
        if (h.full) {
            // The whole saved area: the grid takes its size, including the fixed rows and columns
            // a stream without fixed cells leaves out (its cells keep their places).
            if (h.cols < 0 || h.rows < 0 || h.widths.size() != static_cast<std::size_t>(h.cols) ||
                h.heights.size() != static_cast<std::size_t>(h.rows))
                throw rtl::EReadError("Grid index out of range");
            grid.ClearAll();
            grid.SetRowCount(r0 + h.rows);
            grid.SetColCount(c0 + h.cols);
            for (int i = 0; i < h.cols; ++i)
                grid.SetColWidths(c0 + i, h.widths[static_cast<std::size_t>(i)]);
            for (int i = 0; i < h.rows; ++i)
                grid.SetRowHeights(r0 + i, h.heights[static_cast<std::size_t>(i)]);
            c0 = r0 = 0;
        }
        extras::ProgressReporter progress(grid);
        int lastRow = -1;
        // Rows are stored in 16 bits and come in order: a stored row below the one before has
        // passed 65535, so the rows of a larger grid keep their places.
        int rowBase = 0, lastStored = any ? first.row : 0;
        while (MoreCells(in, pos)) {
            CellRecord cell = ReadWhole(in, pos, start, readCell);
            if (cell.hasProp && !in.AtEnd()) {
                // Its blocks are applied as they are read: the window first takes the whole record.
                pos = start;
                WholeRecord(in, pos);
                cell = ReadCell(in.Data(), pos, scratch);
            }
            const std::string_view data = in.Data();
            if (cell.row < lastStored)
                rowBase += 0x10000;
            lastStored = cell.row;
            const int tc = cell.col + Point.X - c0, tr = rowBase + cell.row + Point.Y - r0;
            const bool inside = tc >= 0 && tr >= 0 && tc < grid.AllColCount() && tr < grid.RowCount();
            if (inside)
                grid.SetCells(tc, tr, cell.text);
            if (tr != lastRow) {
                lastRow = tr;
                progress.Report(tr, grid.RowCount());
            }
            if (!cell.hasProp)
                continue;
            Block pb = cellstream::ReadBlock(data, pos);
            if (pb.className != "TGridCellPropIO")
                throw rtl::EReadError("Invalid stream format");
            // Cells outside the grid are read and passed over.
            TCellProperties scratch(&grid, 0, 0);
            TCellProperties& props = inside ? *grid.CellProperties(tc, tr) : scratch;
            bool hasGraphic = false;
            int nodeLevel = -1;
            for (const Entry& e : pb.entries)
                ApplyProp(props, e, hasGraphic, nodeLevel);
            // Only the node column's level means anything.
            if (inside && tc == 0 && nodeLevel >= 0)
                grid.SetRowNodeLevel(tr, nodeLevel);
            if (!hasGraphic)
                continue;
            Block gb = cellstream::ReadBlock(data, pos);
            if (gb.className != "TGridGraphicIO")
                throw rtl::EReadError("Invalid stream format");
            TCellGraphic loose;
            TCellGraphic& g = inside ? *grid.CreateCellGraphic(tc, tr) : loose;
            for (const Entry& e : gb.entries)
                ApplyGraphic(g, e);
            ReadPayload(g, data, pos);
        }
    } catch (const rtl::EReadError& e) {
        grid.EndUpdate();
        throw rtl::EReadError(e.Message + " (cell stream byte " +
                              std::to_string(in.Start() + static_cast<std::int64_t>(pos)) + ")");
    } catch (...) {
        grid.EndUpdate();
        throw;
    }
    grid.EndUpdate();
}

// A grid that holds nodes repaints its node column.
void RepaintNodes(TGxStringGrid& grid)
{
    for (int r = grid.FixedRows(); r < grid.RowCount(); ++r)
        if (grid.GetCellType(0, r) == ctNode) {
            grid.RepaintCol(0);
            return;
        }
}

}  // namespace

void LoadAtPointFromBinStream(TGxStringGrid& grid, ui::TPoint Point, rtl::TStream& Stream)
{
    TStreamWindow in(Stream);
    std::size_t pos = 0;
    LoadCells(grid, Point, in, pos);
    // The stream stands after the last cell read.
    Stream.SetPosition(Stream.Position() - static_cast<int64_t>(in.Data().size() - pos));
}

void LoadFromBinStream(TGxStringGrid& grid, rtl::TStream& Stream)
{
    LoadAtPointFromBinStream(grid, {0, 0}, Stream);
    RepaintNodes(grid);
}

void LoadFromBinFile(TGxStringGrid& grid, const std::string& FileName)
{
    try {
        rtl::TFileStream file(FileName, rtl::fmOpenRead);
        TStreamWindow in(file);
        std::size_t pos = 0;
        LoadCells(grid, {0, 0}, in, pos);
    } catch (const rtl::Exception& e) {
        throw rtl::EFileError(FileName, e.Message);
    }
    RepaintNodes(grid);
}

}  // namespace gx
