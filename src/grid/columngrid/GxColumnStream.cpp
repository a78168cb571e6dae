// The column collection of a column grid in a stream, and back. The stream holds a signature, the
// carrier's class name, the number of items and, per item, its properties by name: a one-byte name
// length, the name, a one-byte value kind and the value (integers 64-bit little-endian, Booleans one
// byte, texts a 32-bit length and UTF-8 bytes, string lists a 32-bit count and texts). Nested
// objects (fonts, pens) write their parts as "Font.Name", "BorderPen.Width" and so on.
//
// The reader refuses what it cannot take with rtl::EReadError naming the byte position: a wrong
// signature or class, data ending early, an unknown property, a value of the wrong kind or out of
// its range, a count larger than the bytes left could hold, or a column count other than the
// grid's. Nothing of the grid changes before the whole stream was read.
#include <cstdint>
#include <cstring>
#include <deque>
#include <functional>
#include <string_view>

#include "grid/columngrid/GxColumnGrid.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Streams.h"

namespace gx {

namespace {

constexpr std::string_view kSignature = "GXCOLS1";
constexpr std::string_view kClassName = "TGxColumnGridIO";

enum Kind : std::uint8_t { kInt = 1, kBool = 2, kText = 3, kList = 4 };

// One published property of a column item: its kind, how to read it from an item, and how to set
// it (refusing values out of range by returning false).
struct Property {
    std::string_view name;
    Kind kind;
    std::function<std::int64_t(const TGridColumnItem&)> getInt;
    std::function<bool(TGridColumnItem&, std::int64_t)> setInt;
    std::function<std::string(const TGridColumnItem&)> getText;
    std::function<void(TGridColumnItem&, const std::string&)> setText;
    std::function<const rtl::TStringList&(const TGridColumnItem&)> getList;
    std::function<rtl::TStringList&(TGridColumnItem&)> list;
};

bool InRange(std::int64_t v, std::int64_t lo, std::int64_t hi)
{
    return v >= lo && v <= hi;
}

Property Int(std::string_view name, std::function<std::int64_t(const TGridColumnItem&)> get,
             std::function<bool(TGridColumnItem&, std::int64_t)> set)
{
    return {name, kInt, std::move(get), std::move(set), {}, {}, {}, {}};
}

Property Bool(std::string_view name, std::function<std::int64_t(const TGridColumnItem&)> get,
              std::function<bool(TGridColumnItem&, std::int64_t)> set)
{
    return {name, kBool, std::move(get), std::move(set), {}, {}, {}, {}};
}

Property Text(std::string_view name, std::function<std::string(const TGridColumnItem&)> get,
              std::function<void(TGridColumnItem&, const std::string&)> set)
{
    return {name, kText, {}, {}, std::move(get), std::move(set), {}, {}};
}

Property List(std::string_view name, std::function<const rtl::TStringList&(const TGridColumnItem&)> get,
              std::function<rtl::TStringList&(TGridColumnItem&)> list)
{
    return {name, kList, {}, {}, {}, {}, std::move(get), std::move(list)};
}

// A plain int member with its range.
#define COL_INT(field, lo, hi)                                                                                         \
    Int(                                                                                                               \
        #field, [](const TGridColumnItem& i) -> std::int64_t { return i.field; },                                      \
        [](TGridColumnItem& i, std::int64_t v) {                                                                       \
            if (!InRange(v, lo, hi))                                                                                   \
                return false;                                                                                          \
            i.field = static_cast<decltype(i.field)>(v);                                                               \
            return true;                                                                                               \
        })
#define COL_BOOL(field)                                                                                                \
    Bool(                                                                                                              \
        #field, [](const TGridColumnItem& i) -> std::int64_t { return i.field ? 1 : 0; },                              \
        [](TGridColumnItem& i, std::int64_t v) {                                                                       \
            i.field = v != 0;                                                                                          \
            return true;                                                                                               \
        })
#define COL_TEXT(field)                                                                                                \
    Text(                                                                                                              \
        #field, [](const TGridColumnItem& i) { return i.field; },                                                      \
        [](TGridColumnItem& i, const std::string& v) { i.field = v; })

constexpr std::int64_t kIntMin = INT32_MIN, kIntMax = INT32_MAX;

// "Font.Name" and the like; the texts live as long as the property table.
std::string_view ComposedName(std::string_view prefix, const char* part)
{
    static std::deque<std::string> names;
    names.push_back(std::string(prefix) + "." + part);
    return names.back();
}

// The parts of a font (Name, Height, Color, Style) or a pen (Color, Width, Style, Mode) reached
// through an accessor of the item.
void AddFont(std::vector<Property>& out, std::string_view prefix,
             std::function<const ui::TFont&(const TGridColumnItem&)> get,
             std::function<void(TGridColumnItem&, const std::function<void(ui::TFont&)>&)> change)
{
    const auto name = [&](const char* part) { return ComposedName(prefix, part); };
    out.push_back(Text(
        name("Name"), [get](const TGridColumnItem& i) { return get(i).Name(); },
        [change](TGridColumnItem& i, const std::string& v) { change(i, [&](ui::TFont& f) { f.SetName(v); }); }));
    out.push_back(Int(
        name("Height"), [get](const TGridColumnItem& i) -> std::int64_t { return get(i).Height(); },
        [change](TGridColumnItem& i, std::int64_t v) {
            if (!InRange(v, -1000, 1000))
                return false;
            change(i, [&](ui::TFont& f) { f.SetHeight(static_cast<int>(v)); });
            return true;
        }));
    out.push_back(Int(
        name("Color"), [get](const TGridColumnItem& i) -> std::int64_t { return get(i).Color(); },
        [change](TGridColumnItem& i, std::int64_t v) {
            if (!InRange(v, 0, 0xFFFFFFFFLL))
                return false;
            change(i, [&](ui::TFont& f) { f.SetColor(static_cast<ui::TColor>(v)); });
            return true;
        }));
    out.push_back(Int(
        name("Style"), [get](const TGridColumnItem& i) -> std::int64_t { return get(i).Style(); },
        [change](TGridColumnItem& i, std::int64_t v) {
            if (!InRange(v, 0, 15))
                return false;
            change(i, [&](ui::TFont& f) { f.SetStyle(static_cast<ui::TFontStyles>(v)); });
            return true;
        }));
}

void AddPen(std::vector<Property>& out, std::string_view prefix,
            std::function<const ui::TPen&(const TGridColumnItem&)> get,
            std::function<void(TGridColumnItem&, const std::function<void(ui::TPen&)>&)> change)
{
    const auto name = [&](const char* part) { return ComposedName(prefix, part); };
    const auto intPart = [&](const char* part, std::int64_t lo, std::int64_t hi, auto read, auto write) {
        out.push_back(Int(
            name(part), [get, read](const TGridColumnItem& i) -> std::int64_t { return read(get(i)); },
            [change, write, lo, hi](TGridColumnItem& i, std::int64_t v) {
                if (!InRange(v, lo, hi))
                    return false;
                change(i, [&](ui::TPen& p) { write(p, v); });
                return true;
            }));
    };
    intPart(
        "Color", 0, 0xFFFFFFFFLL, [](const ui::TPen& p) -> std::int64_t { return p.Color(); },
        [](ui::TPen& p, std::int64_t v) { p.SetColor(static_cast<ui::TColor>(v)); });
    intPart(
        "Width", 0, 1000, [](const ui::TPen& p) -> std::int64_t { return p.Width(); },
        [](ui::TPen& p, std::int64_t v) { p.SetWidth(static_cast<int>(v)); });
    intPart(
        "Style", 0, static_cast<std::int64_t>(ui::TPenStyle::psInsideFrame),
        [](const ui::TPen& p) -> std::int64_t { return static_cast<std::int64_t>(p.Style()); },
        [](ui::TPen& p, std::int64_t v) { p.SetStyle(static_cast<ui::TPenStyle>(v)); });
    intPart(
        "Mode", 0, static_cast<std::int64_t>(ui::TPenMode::pmMask),
        [](const ui::TPen& p) -> std::int64_t { return static_cast<std::int64_t>(p.Mode()); },
        [](ui::TPen& p, std::int64_t v) { p.SetMode(static_cast<ui::TPenMode>(v)); });
}

// The published properties of a column item, in declaration order; what Assign copies.
const std::vector<Property>& Properties()
{
    static const std::vector<Property> table = [] {
        std::vector<Property> t;
        t.push_back(COL_INT(AutoMinSize, kIntMin, kIntMax));
        t.push_back(COL_INT(AutoMaxSize, kIntMin, kIntMax));
        t.push_back(Int(
            "Alignment", [](const TGridColumnItem& i) -> std::int64_t { return static_cast<int>(i.Alignment()); },
            [](TGridColumnItem& i, std::int64_t v) {
                if (!InRange(v, 0, static_cast<int>(ui::TAlignment::taCenter)))
                    return false;
                i.SetAlignment(static_cast<THAlignment>(v));
                return true;
            }));
        t.push_back(COL_INT(Borders, 0, 15));
        AddPen(
            t, "BorderPen", [](const TGridColumnItem& i) -> const ui::TPen& { return i.BorderPen(); },
            [](TGridColumnItem& i, const std::function<void(ui::TPen&)>& f) {
                ui::TPen p;
                p.Assign(i.BorderPen());
                f(p);
                i.SetBorderPen(p);
            });
        t.push_back(COL_TEXT(CheckFalse));
        t.push_back(COL_TEXT(CheckTrue));
        t.push_back(Int(
            "Color", [](const TGridColumnItem& i) -> std::int64_t { return i.Color(); },
            [](TGridColumnItem& i, std::int64_t v) {
                if (!InRange(v, 0, 0xFFFFFFFFLL))
                    return false;
                i.SetColor(static_cast<ui::TColor>(v));
                return true;
            }));
        t.push_back(List(
            "ComboItems", [](const TGridColumnItem& i) -> const rtl::TStringList& { return i.ComboItems; },
            [](TGridColumnItem& i) -> rtl::TStringList& { return i.ComboItems; }));
        t.push_back(COL_INT(DropDownCount, 0, kIntMax));
        t.push_back(COL_INT(EditLength, 0, kIntMax));
        t.push_back(COL_TEXT(EditMask));
        t.push_back(Int(
            "Editor", [](const TGridColumnItem& i) -> std::int64_t { return i.Editor(); },
            [](TGridColumnItem& i, std::int64_t v) {
                if (!InRange(v, 0, edMaskEditBtn))
                    return false;
                i.SetEditor(static_cast<TEditorType>(v));
                return true;
            }));
        t.push_back(List(
            "Filter", [](const TGridColumnItem& i) -> const rtl::TStringList& { return i.Filter; },
            [](TGridColumnItem& i) -> rtl::TStringList& { return i.Filter; }));
        t.push_back(COL_BOOL(FilterCaseSensitive));
        t.push_back(Bool(
            "Fixed", [](const TGridColumnItem& i) -> std::int64_t { return i.Fixed(); },
            [](TGridColumnItem& i, std::int64_t v) {
                i.SetFixed(v != 0);
                return true;
            }));
        t.push_back(Text(
            "FloatFormat", [](const TGridColumnItem& i) { return i.FloatFormat(); },
            [](TGridColumnItem& i, const std::string& v) { i.SetFloatFormat(v); }));
        const auto fontOf = [](auto get, auto set) {
            return std::make_pair(std::function<const ui::TFont&(const TGridColumnItem&)>(get),
                                  std::function<void(TGridColumnItem&, const std::function<void(ui::TFont&)>&)>(
                                      [get, set](TGridColumnItem& i, const std::function<void(ui::TFont&)>& f) {
                                          ui::TFont font;
                                          font.Assign(get(i));
                                          f(font);
                                          set(i, font);
                                      }));
        };
        {
            auto [g, c] = fontOf([](const TGridColumnItem& i) -> const ui::TFont& { return i.Font(); },
                                 [](TGridColumnItem& i, const ui::TFont& f) { i.SetFont(f); });
            AddFont(t, "Font", g, c);
        }
        t.push_back(Text(
            "Header", [](const TGridColumnItem& i) { return i.Header(); },
            [](TGridColumnItem& i, const std::string& v) { i.SetHeaderDirect(v); }));
        t.push_back(Int(
            "HeaderAlignment",
            [](const TGridColumnItem& i) -> std::int64_t { return static_cast<int>(i.HeaderAlignment()); },
            [](TGridColumnItem& i, std::int64_t v) {
                if (!InRange(v, 0, static_cast<int>(ui::TAlignment::taCenter)))
                    return false;
                i.SetHeaderAlignment(static_cast<THAlignment>(v));
                return true;
            }));
        {
            auto [g, c] = fontOf([](const TGridColumnItem& i) -> const ui::TFont& { return i.HeaderFont(); },
                                 [](TGridColumnItem& i, const ui::TFont& f) { i.SetHeaderFont(f); });
            AddFont(t, "HeaderFont", g, c);
        }
        t.push_back(COL_INT(MinSize, kIntMin, kIntMax));
        t.push_back(COL_INT(MaxSize, kIntMin, kIntMax));
        t.push_back(COL_TEXT(Name));
        t.push_back(Bool(
            "Password", [](const TGridColumnItem& i) -> std::int64_t { return i.Password(); },
            [](TGridColumnItem& i, std::int64_t v) {
                i.SetPassword(v != 0);
                return true;
            }));
        t.push_back(COL_INT(PrintBorders, 0, 15));
        AddPen(
            t, "PrintBorderPen", [](const TGridColumnItem& i) -> const ui::TPen& { return i.PrintBorderPen; },
            [](TGridColumnItem& i, const std::function<void(ui::TPen&)>& f) { f(i.PrintBorderPen); });
        t.push_back(COL_INT(PrintColor, 0, 0xFFFFFFFFLL));
        AddFont(
            t, "PrintFont", [](const TGridColumnItem& i) -> const ui::TFont& { return i.PrintFont; },
            [](TGridColumnItem& i, const std::function<void(ui::TFont&)>& f) { f(i.PrintFont); });
        t.push_back(COL_BOOL(ReadOnly));
        t.push_back(Bool(
            "ShowBands", [](const TGridColumnItem& i) -> std::int64_t { return i.ShowBands(); },
            [](TGridColumnItem& i, std::int64_t v) {
                i.SetShowBands(v != 0);
                return true;
            }));
        t.push_back(COL_INT(SortStyle, 0, ssAlphaNumericNoCase));
        t.push_back(COL_TEXT(SortPrefix));
        t.push_back(COL_TEXT(SortSuffix));
        t.push_back(COL_INT(SpinMax, kIntMin, kIntMax));
        t.push_back(COL_INT(SpinMin, kIntMin, kIntMax));
        t.push_back(COL_INT(SpinStep, kIntMin, kIntMax));
        t.push_back(COL_INT(Tag, kIntMin, kIntMax));
        t.push_back(Int(
            "Width",
            [](const TGridColumnItem& i) -> std::int64_t { return i.Width() ? i.Width() : i.RememberedWidth(); },
            [](TGridColumnItem& i, std::int64_t v) {
                if (!InRange(v, 0, kIntMax))
                    return false;
                i.SetRememberedWidth(static_cast<int>(v));
                return true;
            }));
        t.push_back(Int(
            "DefIdx", [](const TGridColumnItem& i) -> std::int64_t { return i.DefIdx(); },
            [](TGridColumnItem& i, std::int64_t v) {
                if (!InRange(v, 0, kIntMax))
                    return false;
                i.SetDefIdx(static_cast<int>(v));
                return true;
            }));
        return t;
    }();
    return table;
}

#undef COL_INT
#undef COL_BOOL
#undef COL_TEXT

const Property* FindProperty(std::string_view name)
{
    for (const Property& p : Properties())
        if (p.name == name)
            return &p;
    return nullptr;
}

// --- writing ---

void PutU32(std::string& out, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
}

void PutI64(std::string& out, std::int64_t v)
{
    const auto u = static_cast<std::uint64_t>(v);
    for (int i = 0; i < 8; ++i)
        out.push_back(static_cast<char>((u >> (8 * i)) & 0xFF));
}

void PutText(std::string& out, const std::string& s)
{
    PutU32(out, static_cast<std::uint32_t>(s.size()));
    out += s;
}

void PutShort(std::string& out, std::string_view s)
{
    out.push_back(static_cast<char>(s.size()));
    out.append(s);
}

// --- reading ---

class Reader {
public:
    explicit Reader(std::string_view data) : data_(data) {}
    std::size_t Pos() const { return pos_; }
    std::size_t Left() const { return data_.size() - pos_; }
    [[noreturn]] void Fail(const std::string& what, std::size_t at) const
    {
        throw rtl::EReadError("Column stream: " + what + " at byte " + std::to_string(at));
    }
    void Need(std::size_t n, std::size_t at) const
    {
        if (Left() < n)
            Fail("data ends early", at);
    }
    std::uint8_t U8()
    {
        Need(1, pos_);
        return static_cast<std::uint8_t>(data_[pos_++]);
    }
    std::uint32_t U32()
    {
        Need(4, pos_);
        std::uint32_t v = 0;
        for (int i = 0; i < 4; ++i)
            v |= static_cast<std::uint32_t>(static_cast<std::uint8_t>(data_[pos_ + i])) << (8 * i);
        pos_ += 4;
        return v;
    }
    std::int64_t I64()
    {
        Need(8, pos_);
        std::uint64_t v = 0;
        for (int i = 0; i < 8; ++i)
            v |= static_cast<std::uint64_t>(static_cast<std::uint8_t>(data_[pos_ + i])) << (8 * i);
        pos_ += 8;
        return static_cast<std::int64_t>(v);
    }
    std::string Bytes(std::size_t n, std::size_t at)
    {
        Need(n, at);
        std::string s(data_.substr(pos_, n));
        pos_ += n;
        return s;
    }
    std::string Short()
    {
        const std::size_t at = pos_;
        const std::uint8_t n = U8();
        return Bytes(n, at);
    }
    std::string Text()
    {
        const std::size_t at = pos_;
        const std::uint32_t n = U32();
        return Bytes(n, at);
    }

private:
    std::string_view data_;
    std::size_t pos_ = 0;
};

void ReadItem(Reader& in, TGridColumnItem& item)
{
    const std::size_t countAt = in.Pos();
    const std::uint32_t count = in.U32();
    // Each property takes at least three bytes: a count beyond that is no stream of ours.
    if (count > in.Left() / 3)
        in.Fail("property count " + std::to_string(count) + " too large", countAt);
    for (std::uint32_t n = 0; n < count; ++n) {
        const std::size_t at = in.Pos();
        const std::string name = in.Short();
        const Property* p = FindProperty(name);
        if (!p)
            in.Fail("unknown column property \"" + name + "\"", at);
        const std::size_t kindAt = in.Pos();
        const std::uint8_t kind = in.U8();
        if (kind != p->kind)
            in.Fail("wrong value kind for \"" + name + "\"", kindAt);
        const std::size_t valueAt = in.Pos();
        switch (p->kind) {
        case kInt: {
            const std::int64_t value = in.I64();
            if (!p->setInt(item, value))
                in.Fail("value " + std::to_string(value) + " out of range for \"" + name + "\"", valueAt);
            break;
        }
        case kBool: {
            const std::uint8_t v = in.U8();
            if (v > 1)
                in.Fail("value " + std::to_string(v) + " is no Boolean for \"" + name + "\"", valueAt);
            p->setInt(item, v);
            break;
        }
        case kText:
            p->setText(item, in.Text());
            break;
        case kList: {
            const std::uint32_t lines = in.U32();
            if (lines > in.Left() / 4)
                in.Fail("line count " + std::to_string(lines) + " too large", valueAt);
            rtl::TStringList& list = p->list(item);
            list.Clear();
            for (std::uint32_t i = 0; i < lines; ++i)
                list.Add(in.Text());
            break;
        }
        }
    }
}

}  // namespace

// --- TGxColumnGridIO -----------------------------------------------------------------------------------

TGxColumnGridIO::TGxColumnGridIO(TGxColumnGrid* AOwner) : items_(std::make_unique<TGridColumnCollection>(AOwner)) {}

TGxColumnGridIO::~TGxColumnGridIO() = default;

std::string TGxColumnGridIO::WriteToString() const
{
    std::string out(kSignature);
    PutShort(out, kClassName);
    PutShort(out, "");  // no instance name
    PutU32(out, static_cast<std::uint32_t>(items_->Count()));
    const auto& props = Properties();
    for (int i = 0; i < items_->Count(); ++i) {
        const TGridColumnItem& item = *items_->Items(i);
        PutU32(out, static_cast<std::uint32_t>(props.size()));
        for (const Property& p : props) {
            PutShort(out, p.name);
            out.push_back(static_cast<char>(p.kind));
            switch (p.kind) {
            case kInt:
                PutI64(out, p.getInt(item));
                break;
            case kBool:
                out.push_back(static_cast<char>(p.getInt(item) ? 1 : 0));
                break;
            case kText:
                PutText(out, p.getText(item));
                break;
            case kList: {
                const rtl::TStringList& list = p.getList(item);
                PutU32(out, static_cast<std::uint32_t>(list.Count()));
                for (int l = 0; l < list.Count(); ++l)
                    PutText(out, list.Strings(l));
                break;
            }
            }
        }
    }
    return out;
}

void TGxColumnGridIO::ReadFromString(std::string_view data)
{
    Reader in(data);
    if (in.Left() < kSignature.size() || data.substr(0, kSignature.size()) != kSignature)
        in.Fail("no column stream signature", 0);
    in.Bytes(kSignature.size(), 0);
    const std::size_t classAt = in.Pos();
    if (in.Short() != kClassName)
        in.Fail("not a " + std::string(kClassName), classAt);
    in.Short();  // the instance name, unused
    const std::size_t countAt = in.Pos();
    const std::uint32_t count = in.U32();
    if (count > in.Left() / 4)
        in.Fail("column count " + std::to_string(count) + " too large", countAt);
    TGridColumnCollection& items = *items_;
    items.BeginUpdate();
    items.Clear();
    try {
        for (std::uint32_t i = 0; i < count; ++i)
            ReadItem(in, *items.Add());
    } catch (...) {
        items.EndUpdate();
        throw;
    }
    items.EndUpdate();
    if (in.Left() != 0)
        in.Fail("data after the last column", in.Pos());
}

// --- TGxColumnGrid -------------------------------------------------------------------------------------

void TGxColumnGrid::SaveColumnsToStream(rtl::TStream& st)
{
    std::string data;
    {
        // The copies report no change to the grid.
        const bool noRecursive = columns_->NoRecursiveUpdate;
        columns_->NoRecursiveUpdate = true;
        TGxColumnGridIO io(this);
        io.Items()->NoRecursiveUpdate = true;
        io.Items()->Assign(*columns_);
        data = io.WriteToString();
        columns_->NoRecursiveUpdate = noRecursive;
    }
    st.WriteString(data);
}

void TGxColumnGrid::LoadColumnsFromStream(rtl::TStream& st)
{
    const std::string data = st.ReadRest();
    const bool noRecursive = columns_->NoRecursiveUpdate;
    columns_->NoRecursiveUpdate = true;
    try {
        TGxColumnGridIO io(this);
        io.Items()->NoRecursiveUpdate = true;
        io.ReadFromString(data);
        // The items are indexed by real column: a stream of another grid shape is refused.
        if (io.Items()->Count() != columns_->Count())
            throw rtl::EReadError("Column stream: " + std::to_string(io.Items()->Count()) + " columns, the grid has " +
                                  std::to_string(columns_->Count()) + " at byte 0");
        columns_->Assign(*io.Items());
    } catch (...) {
        columns_->NoRecursiveUpdate = noRecursive;
        throw;
    }
    columns_->NoRecursiveUpdate = noRecursive;
    Invalidate();
}

}  // namespace gx
