#include "grid/extras/GridVisualProps.h"

#include <cstdint>
#include <cstdio>
#include <functional>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "grid/extras/CellStreamCodec.h"
#include "grid/extras/GridFileCommon.h"
#include "grid/stringgrid/GxGridPanels.h"
#include "platform/rtl/Conversions.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/StrUtils.h"
#include "platform/rtl/Streams.h"
#include "platform/rtl/TextEncoding.h"

namespace gx {
namespace {

enum class Kind { Color, Bool, Int, Style, Name, Enum };

using Names = std::vector<std::string_view>;

// Bounds of the integers a file may give (checked before a value is narrowed to its setting):
// font sizes in points up to what a word processor offers, a byte, and distances in pixels on a
// screen.
struct Range {
    std::int64_t min, max;
};
constexpr Range kFontSizes{-1638, 1638};
constexpr Range kByte{0, 255};
constexpr Range kPixels{0, 32767};
constexpr Range kOffsets{-32767, 32767};

// One entry of the file: its key, how its value is written and read, and the setting it carries.
// Numbers, flags, styles and enumerations travel as integers; font names as text.
struct Prop {
    std::string key;
    Kind kind;
    Names names;  // Enum: the value names in order
    Range range;  // Int: the values the setting takes
    std::function<std::int64_t(TGxStringGrid&)> get;
    std::function<void(TGxStringGrid&, std::int64_t)> set;
    std::function<std::string(TGxStringGrid&)> getText;
    std::function<void(TGxStringGrid&, const std::string&)> setText;
};

template <typename Get, typename Set>
Prop Number(std::string key, Kind kind, Get get, Set set, Names names = {})
{
    Prop p{std::move(key), kind, std::move(names), {}, {}, {}, {}, {}};
    p.get = [get](TGxStringGrid& g) { return static_cast<std::int64_t>(get(g)); };
    p.set = set;
    return p;
}

template <typename Get, typename Set>
Prop Integer(std::string key, Range range, Get get, Set set)
{
    Prop p = Number(std::move(key), Kind::Int, get, set);
    p.range = range;
    return p;
}

#define GX_FIELD(type, expr)                                                                                           \
    [](TGxStringGrid& g) { return (expr); }, [](TGxStringGrid& g, std::int64_t v) { (expr) = static_cast<type>(v); }
#define GX_PROP(type, getter, setter)                                                                                  \
    [](TGxStringGrid& g) { return (getter); }, [](TGxStringGrid& g, std::int64_t v) { setter(static_cast<type>(v)); }

// The four entries of a font: colour, style, size in points and name. Fonts with a setter of their
// own get a changed copy through it.
void AddFont(std::vector<Prop>& props, const std::string& prefix, ui::TFont& (*font)(TGxStringGrid&),
             void (*apply)(TGxStringGrid&, const ui::TFont&))
{
    auto change = [font, apply](TGxStringGrid& g, const std::function<void(ui::TFont&)>& edit) {
        ui::TFont copy;
        copy.Assign(font(g));
        edit(copy);
        apply(g, copy);
    };
    props.push_back(Number(
        prefix + ".Color", Kind::Color, [font](TGxStringGrid& g) { return font(g).Color(); },
        [change](TGxStringGrid& g, std::int64_t v) {
            change(g, [v](ui::TFont& f) { f.SetColor(static_cast<ui::TColor>(v)); });
        }));
    props.push_back(Number(
        prefix + ".Style", Kind::Style, [font](TGxStringGrid& g) { return font(g).Style(); },
        [change](TGxStringGrid& g, std::int64_t v) {
            change(g, [v](ui::TFont& f) { f.SetStyle(static_cast<ui::TFontStyles>(v)); });
        }));
    props.push_back(Integer(
        prefix + ".Size", kFontSizes, [font](TGxStringGrid& g) { return font(g).Size(); },
        [change](TGxStringGrid& g, std::int64_t v) {
            change(g, [v](ui::TFont& f) { f.SetSize(static_cast<int>(v)); });
        }));
    Prop name{prefix + ".Name", Kind::Name, {}, {}, {}, {}, {}, {}};
    name.getText = [font](TGxStringGrid& g) { return font(g).Name(); };
    name.setText = [change](TGxStringGrid& g, const std::string& v) {
        change(g, [&v](ui::TFont& f) { f.SetName(v); });
    };
    props.push_back(std::move(name));
}

const Names kControlStyles = {"csClassic", "csFlat", "csWinXP", "csBorland", "csDUD", "csGlyph", "csTheme"};
const Names kLooks = {"glStandard", "glSoft",  "glClassic", "glDUD",       "glXP",
                      "glListView", "glVista", "glWin7",    "glOffice2007"};
const Names kDisplays = {"bdTile", "bdFixed", "bdGradientHorz", "bdGradientVert"};
const Names kBackCells = {"bcNormal", "bcFixed", "bcAll"};

// The entries in the order the file holds them.
const std::vector<Prop>& Props()
{
    static const std::vector<Prop> props = [] {
        using ui::TColor;
        std::vector<Prop> p;
        const Kind C = Kind::Color, B = Kind::Bool;
        p.push_back(Number("Color", C, GX_PROP(TColor, g.Color(), g.SetColor)));
        p.push_back(Number("HintColor", C, GX_FIELD(TColor, g.HintColor)));
        p.push_back(Number("SelectionColor", C, GX_FIELD(TColor, g.SelectionColor)));
        p.push_back(Number("SelectionColorTo", C, GX_FIELD(TColor, g.SelectionColorTo)));
        p.push_back(Number("SelectionMirrorColor", C, GX_FIELD(TColor, g.SelectionMirrorColor)));
        p.push_back(Number("SelectionMirrorColorTo", C, GX_FIELD(TColor, g.SelectionMirrorColorTo)));
        p.push_back(Number("SelectionTextColor", C, GX_FIELD(TColor, g.SelectionTextColor)));
        p.push_back(Number("URLColor", C, GX_PROP(TColor, g.URLColor(), g.SetURLColor)));
        p.push_back(Number("URLShow", B, GX_PROP(bool, g.URLShow(), g.SetURLShow)));
        p.push_back(Number("URLShowInText", B, GX_PROP(bool, g.URLShowInText(), g.SetURLShowInText)));
        p.push_back(Number("ScrollColor", C, GX_FIELD(TColor, g.ScrollColor)));
        p.push_back(Number("ActiveRowColor", C, GX_PROP(TColor, g.ActiveRowColor(), g.SetActiveRowColor)));
        p.push_back(Number("ActiveRowShow", B, GX_PROP(bool, g.ActiveRowShow(), g.SetActiveRowShow)));
        p.push_back(Number("ActiveCellShow", B, GX_FIELD(bool, g.ActiveCellShow)));
        AddFont(
            p, "Font", [](TGxStringGrid& g) -> ui::TFont& { return *g.Font(); },
            [](TGxStringGrid& g, const ui::TFont& f) { g.Font()->Assign(f); });
        p.push_back(Number("ActiveCellColor", C, GX_FIELD(TColor, g.ActiveCellColor)));
        p.push_back(Number("ActiveCellColorTo", C, GX_FIELD(TColor, g.ActiveCellColorTo)));
        AddFont(
            p, "ActiveCellFont", [](TGxStringGrid& g) -> ui::TFont& { return *g.ActiveCellFont(); },
            [](TGxStringGrid& g, const ui::TFont& f) { g.SetActiveCellFont(f); });
        AddFont(
            p, "FixedFont", [](TGxStringGrid& g) -> ui::TFont& { return *g.FixedFont(); },
            [](TGxStringGrid& g, const ui::TFont& f) { g.SetFixedFont(f); });
        p.push_back(Number("Balloon.BackgroundColor", C, GX_FIELD(TColor, g.Balloon()->BackgroundColor)));
        p.push_back(Number("Balloon.TextColor", C, GX_FIELD(TColor, g.Balloon()->TextColor)));
        p.push_back(Integer("Balloon.Transparency", kByte, GX_FIELD(std::uint8_t, g.Balloon()->Transparency)));
        p.push_back(
            Number("Bands.PrimaryColor", C, GX_PROP(TColor, g.Bands()->PrimaryColor(), g.Bands()->SetPrimaryColor)));
        p.push_back(Number("Bands.SecondaryColor", C,
                           GX_PROP(TColor, g.Bands()->SecondaryColor(), g.Bands()->SetSecondaryColor)));
        p.push_back(Number("Bands.Active", B, GX_PROP(bool, g.Bands()->Active(), g.Bands()->SetActive)));
        p.push_back(Number("SortSettings.IndexColor", C, GX_FIELD(TColor, g.SortSettings()->IndexColor)));
        p.push_back(Number("FloatingFooter.Color", C,
                           GX_PROP(TColor, g.FloatingFooter()->Color(), g.FloatingFooter()->SetColor)));
        p.push_back(Integer("ControlLook.CheckSize", kPixels,
                            GX_PROP(int, g.ControlLook()->CheckSize(), g.ControlLook()->SetCheckSize)));
        p.push_back(
            Number("ControlLook.Color", C, GX_PROP(TColor, g.ControlLook()->Color(), g.ControlLook()->SetColor)));
        p.push_back(Number("ControlLook.CommentColor", C,
                           GX_PROP(TColor, g.ControlLook()->CommentColor(), g.ControlLook()->SetCommentColor)));
        p.push_back(Number("ControlLook.ControlStyle", Kind::Enum,
                           GX_PROP(TControlStyle, g.ControlLook()->ControlStyle(), g.ControlLook()->SetControlStyle),
                           kControlStyles));
        p.push_back(
            Number("ControlLook.FixedGradientFrom", C,
                   GX_PROP(TColor, g.ControlLook()->FixedGradientFrom(), g.ControlLook()->SetFixedGradientFrom)));
        p.push_back(Number("ControlLook.FixedGradientTo", C,
                           GX_PROP(TColor, g.ControlLook()->FixedGradientTo(), g.ControlLook()->SetFixedGradientTo)));
        p.push_back(Integer("ControlLook.RadioSize", kPixels,
                            GX_PROP(int, g.ControlLook()->RadioSize(), g.ControlLook()->SetRadioSize)));
        p.push_back(Number("ControlLook.FlatButton", B,
                           GX_PROP(bool, g.ControlLook()->FlatButton(), g.ControlLook()->SetFlatButton)));
        p.push_back(
            Number("ControlLook.ProgressBorderColor", C, GX_FIELD(TColor, g.ControlLook()->ProgressBorderColor)));
        p.push_back(Number("ControlLook.ProgressXP", B,
                           GX_PROP(bool, g.ControlLook()->ProgressXP(), g.ControlLook()->SetProgressXP)));
        p.push_back(Number("Look", Kind::Enum, GX_PROP(TGridLook, g.Look, g.SetLook), kLooks));
        p.push_back(
            Number("SearchFooter.Color", C, GX_PROP(TColor, g.SearchFooter()->Color(), g.SearchFooter()->SetColor)));
        p.push_back(Number("SearchFooter.ColorTo", C,
                           GX_PROP(TColor, g.SearchFooter()->ColorTo(), g.SearchFooter()->SetColorTo)));
        p.push_back(Number("Grouping.HeaderColor", C, GX_FIELD(TColor, g.Grouping()->HeaderColor)));
        p.push_back(Number("Grouping.HeaderColorTo", C, GX_FIELD(TColor, g.Grouping()->HeaderColorTo)));
        p.push_back(Number("Grouping.HeaderTextColor", C, GX_FIELD(TColor, g.Grouping()->HeaderTextColor)));
        p.push_back(Number("Grouping.HeaderUnderline", B, GX_FIELD(bool, g.Grouping()->HeaderUnderline)));
        p.push_back(Number("Grouping.HeaderLineColor", C, GX_FIELD(TColor, g.Grouping()->HeaderLineColor)));
        p.push_back(Integer("Grouping.HeaderLineWidth", kPixels, GX_FIELD(int, g.Grouping()->HeaderLineWidth)));
        p.push_back(Number("Grouping.SummaryColor", C, GX_FIELD(TColor, g.Grouping()->SummaryColor)));
        p.push_back(Number("Grouping.SummaryColorTo", C, GX_FIELD(TColor, g.Grouping()->SummaryColorTo)));
        p.push_back(Number("Grouping.SummaryTextColor", C, GX_FIELD(TColor, g.Grouping()->SummaryTextColor)));
        p.push_back(Number("Grouping.SummaryLine", B, GX_FIELD(bool, g.Grouping()->SummaryLine)));
        p.push_back(Number("Grouping.SummaryLineColor", C, GX_FIELD(TColor, g.Grouping()->SummaryLineColor)));
        p.push_back(Integer("Grouping.SummaryLineWidth", kPixels, GX_FIELD(int, g.Grouping()->SummaryLineWidth)));
        p.push_back(Number("GridLineColor", C, GX_PROP(TColor, g.GridLineColor(), g.SetGridLineColor)));
        p.push_back(Number("GridFixedLineColor", C, GX_PROP(TColor, g.GridFixedLineColor(), g.SetGridFixedLineColor)));
        p.push_back(Integer("BackGround.Top", kOffsets, GX_PROP(int, g.BackGround()->Top(), g.BackGround()->SetTop)));
        p.push_back(
            Integer("BackGround.Left", kOffsets, GX_PROP(int, g.BackGround()->Left(), g.BackGround()->SetLeft)));
        p.push_back(Number("BackGround.Display", Kind::Enum,
                           GX_PROP(TBackGroundDisplay, g.BackGround()->Display(), g.BackGround()->SetDisplay),
                           kDisplays));
        p.push_back(Number("BackGround.Cells", Kind::Enum,
                           GX_PROP(TBackGroundCells, g.BackGround()->Cells(), g.BackGround()->SetCells), kBackCells));
        p.push_back(Number("BackGround.Color", C, GX_PROP(TColor, g.BackGround()->Color(), g.BackGround()->SetColor)));
        p.push_back(
            Number("BackGround.ColorTo", C, GX_PROP(TColor, g.BackGround()->ColorTo(), g.BackGround()->SetColorTo)));
        return p;
    }();
    return props;
}

#undef GX_FIELD
#undef GX_PROP

constexpr std::string_view kStyleNames[] = {"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"};

std::string ColorText(ui::TColor c)
{
    const std::string_view name = cellstream::ColorName(c);
    if (!name.empty())
        return std::string(name);
    char hex[16];
    std::snprintf(hex, sizeof hex, "$%.8X", static_cast<unsigned>(c));
    return hex;
}

std::string ValueText(TGxStringGrid& grid, const Prop& p)
{
    if (p.kind == Kind::Name)
        return p.getText(grid);
    const std::int64_t v = p.get(grid);
    switch (p.kind) {
    case Kind::Color:
        return ColorText(static_cast<ui::TColor>(v));
    case Kind::Bool:
        return v ? "true" : "false";
    case Kind::Style: {
        std::string s;
        for (unsigned i = 0; i < 4; ++i)
            if (v & (1u << i))
                s += (s.empty() ? "" : ",") + std::string(kStyleNames[i]);
        return s;
    }
    case Kind::Enum:
        return v >= 0 && static_cast<std::size_t>(v) < p.names.size()
                   ? std::string(p.names[static_cast<std::size_t>(v)])
                   : std::string();
    default:
        return std::to_string(v);
    }
}

// The file's lines by key (upper case; the first line of a key counts), with their line numbers.
struct Entries {
    struct Line {
        std::string value;
        int number = 0;
    };
    std::unordered_map<std::string, Line> byKey;
    const Line* Find(const std::string& key) const
    {
        auto it = byKey.find(rtl::UpperCase(key));
        return it == byKey.end() ? nullptr : &it->second;
    }
};

Entries ReadEntries(const std::string& text)
{
    Entries e;
    const std::vector<std::string> lines = extras::SplitLines(text);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::size_t eq = lines[i].find('=');
        if (eq == std::string::npos)
            continue;
        e.byKey.emplace(rtl::UpperCase(lines[i].substr(0, eq)),
                        Entries::Line{lines[i].substr(eq + 1), static_cast<int>(i) + 1});
    }
    return e;
}

// Applies one entry; false when its value cannot be read (the load stops there).
bool Apply(TGxStringGrid& grid, const Prop& p, const Entries::Line* line)
{
    const std::string value = line ? line->value : std::string();
    switch (p.kind) {
    case Kind::Name:
        p.setText(grid, value);
        return true;
    case Kind::Bool:
        p.set(grid, rtl::UpperCase(value) == "TRUE");
        return true;
    case Kind::Style: {
        std::int64_t s = 0;
        for (unsigned i = 0; i < 4; ++i)
            if (value.find(kStyleNames[i]) != std::string::npos)
                s |= 1u << i;
        p.set(grid, s);
        return true;
    }
    case Kind::Enum:
        for (std::size_t i = 0; i < p.names.size(); ++i)
            if (rtl::SameText(p.names[i], value)) {
                p.set(grid, static_cast<std::int64_t>(i));
                break;
            }
        return true;
    case Kind::Color: {
        ui::TColor c = ui::clNone;
        std::int64_t n = 0;
        if (value.empty() || cellstream::ColorFromName(value, c))
            p.set(grid, c);
        else if (rtl::TryStrToInt64(value, n) && n >= INT32_MIN && n <= UINT32_MAX)
            p.set(grid, static_cast<ui::TColor>(static_cast<std::uint32_t>(n)));
        else
            return false;
        return true;
    }
    case Kind::Int: {
        std::int64_t n = 0;
        if (!rtl::TryStrToInt64(value, n) || n < p.range.min || n > p.range.max)
            return false;
        p.set(grid, n);
        return true;
    }
    }
    return true;
}

}  // namespace

std::string BoolToYN(bool Value)
{
    return Value ? "Y" : "N";
}

int FontStyleToInt(ui::TFontStyles Styles)
{
    return static_cast<int>(Styles & 0x0F);
}

void SaveVisualProps(TGxStringGrid& grid, const std::string& FileName)
{
    std::string text;
    for (const Prop& p : Props())
        text += p.key + "=" + ValueText(grid, p) + "\r\n";
    try {
        rtl::WriteFileAtomic(FileName, rtl::EncodeText(text, rtl::TEncoding::Ansi));
    } catch (const rtl::Exception& e) {
        throw rtl::EFileError(FileName, e.Message, "Cannot Create " + FileName);
    }
}

void LoadVisualProps(TGxStringGrid& grid, const std::string& FileName)
{
    std::string bytes;
    try {
        bytes = rtl::ReadFileBytes(FileName);
    } catch (const rtl::Exception& e) {
        throw rtl::EFileError(FileName, e.Message, "Cannot open file " + FileName);
    }
    const Entries entries = ReadEntries(rtl::DecodeText(bytes));
    // The look goes first: its preset sets colours and fonts of its own, which the file's entries
    // then override (applied in its place it would undo the selection and font entries before
    // it). The grid lines' colours are applied right after the search footer's.
    const std::vector<Prop>& props = Props();
    std::vector<const Prop*> order;
    for (const Prop& p : props)
        if (p.key == "Look")
            order.push_back(&p);
    for (const Prop& p : props)
        if (p.key != "GridLineColor" && p.key != "GridFixedLineColor" && p.key != "Look")
            order.push_back(&p);
    for (std::size_t i = 0; i < order.size(); ++i)
        if (order[i]->key == "SearchFooter.ColorTo") {
            for (const Prop& p : props)
                if (p.key == "GridLineColor" || p.key == "GridFixedLineColor")
                    order.insert(order.begin() + static_cast<std::ptrdiff_t>(++i), &p);
            break;
        }
    grid.BeginUpdate();
    try {
        for (const Prop* p : order) {
            const Entries::Line* line = entries.Find(p->key);
            if (Apply(grid, *p, line))
                continue;
            const std::string reason = line ? "line " + std::to_string(line->number) + ": '" + line->value +
                                                  "' is not a valid value of " + p->key
                                            : p->key + " is missing";
            throw rtl::EFileError(FileName, reason);
        }
    } catch (...) {
        grid.EndUpdate();
        grid.Invalidate();
        throw;
    }
    grid.EndUpdate();
    grid.Invalidate();
}

}  // namespace gx
