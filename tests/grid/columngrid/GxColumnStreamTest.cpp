// The column collection in a stream: what Assign copies comes back into a grid of the same shape,
// widths and column count stay, and a damaged stream is refused with its byte position while the
// grid keeps its columns.
#include <gtest/gtest.h>

#include <string>

#include "grid/columngrid/GxColumnGrid.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Streams.h"

namespace gx {
namespace {

void Shape(TGxColumnGrid& g, int cols)
{
    g.SetColCount(cols);
    g.SetRowCount(3);
    g.Loaded();
}

// The settings of column c as one text, for comparing two grids.
std::string Settings(const TGridColumnItem& i)
{
    std::string s;
    const auto add = [&](const std::string& v) { s += v + "|"; };
    add(i.Header());
    add(i.Name);
    add(std::to_string(static_cast<int>(i.Alignment())));
    add(std::to_string(i.Color()));
    add(std::to_string(i.Editor()));
    add(i.ComboItems.Text());
    add(i.Filter.Text());
    add(i.CheckTrue + i.CheckFalse);
    add(std::to_string(i.ReadOnly) + std::to_string(i.Fixed()) + std::to_string(i.Password()));
    add(i.Font().Name() + std::to_string(i.Font().Height()) + std::to_string(i.Font().Style()) +
        std::to_string(i.Font().Color()));
    add(std::to_string(i.HeaderFont().Style()));
    add(std::to_string(i.BorderPen().Width()) + std::to_string(static_cast<int>(i.BorderPen().Style())));
    add(std::to_string(i.PrintFont.Color()) + std::to_string(i.PrintBorderPen.Color()));
    add(std::to_string(i.SortStyle) + i.SortPrefix + i.SortSuffix + i.FloatFormat() + i.EditMask);
    add(std::to_string(i.SpinMin) + "," + std::to_string(i.SpinMax) + "," + std::to_string(i.SpinStep));
    add(std::to_string(i.Tag) + "," + std::to_string(i.DefIdx()) + "," + std::to_string(i.Borders));
    return s;
}

std::string Saved(TGxColumnGrid& g)
{
    rtl::TStringStream st("");
    g.SaveColumnsToStream(st);
    return st.DataString();
}

void Load(TGxColumnGrid& g, const std::string& bytes)
{
    rtl::TStringStream st(bytes);
    g.LoadColumnsFromStream(st);
}

TEST(GxColumnStream, WrittenColumnsComeBackWithTheirSettingsWhileWidthsStay)
{
    TGxColumnGrid src(nullptr);
    Shape(src, 3);
    TGridColumnItem& a = *src.Columns()->Items(1);
    a.SetHeader("Amount");
    a.Name = "amount";
    a.SetAlignment(ui::TAlignment::taRightJustify);
    a.SetColor(0x00FFEEDD);
    a.SetEditor(edComboList);
    a.ComboItems.Add("one");
    a.ComboItems.Add("two, with a comma");
    a.Filter.Add("> 5");
    a.CheckTrue = "J";
    a.ReadOnly = true;
    a.SetPassword(true);
    ui::TFont f;
    f.Assign(a.Font());
    f.SetName("Serif");
    f.SetStyle(ui::fsBold | ui::fsItalic);
    f.SetColor(ui::clNone);  // the high bits of a colour survive
    a.SetFont(f);
    a.PrintFont.SetColor(0xFF00000F);
    ui::TPen pen;
    pen.SetWidth(3);
    pen.SetStyle(ui::TPenStyle::psDot);
    a.SetBorderPen(pen);
    a.SortStyle = ssNumeric;
    a.SortPrefix = "$";
    a.SpinMin = -5;
    a.Tag = -7;
    a.Borders = CellBorderBit(cbTop);
    a.SetFloatFormat("%.2f");
    a.ColumnPopupType = cpAllCellsLClick;  // not copied
    const std::string bytes = Saved(src);

    TGxColumnGrid dst(nullptr);
    Shape(dst, 3);
    dst.SetColWidths(1, 123);
    Load(dst, bytes);
    for (int c = 0; c < 3; ++c)
        EXPECT_EQ(Settings(*dst.Columns()->Items(c)), Settings(*src.Columns()->Items(c))) << c;
    EXPECT_EQ(dst.Columns()->Items(1)->ColumnPopupType, cpFixedCellsRClick);
    EXPECT_EQ(dst.ColCount(), 3);
    EXPECT_EQ(dst.Columns()->Count(), 3);
    EXPECT_EQ(dst.ColWidths(1), 123);
    // Written again, the stream is the same.
    dst.SetColWidths(1, src.ColWidths(1));
    EXPECT_EQ(Saved(dst), bytes);
}

TEST(GxColumnStream, DamagedStreamsAreRefusedWithTheirPositionAndChangeNothing)
{
    TGxColumnGrid src(nullptr);
    Shape(src, 2);
    src.Columns()->Items(0)->SetHeader("First");
    const std::string good = Saved(src);
    const std::size_t firstProp = good.find("AutoMinSize");
    ASSERT_NE(firstProp, std::string::npos);
    const auto with = [&](std::size_t at, const std::string& bytes) {
        std::string s = good;
        s.replace(at, bytes.size(), bytes);
        return s;
    };
    struct Case {
        const char* what;
        std::string bytes;
        std::string message;
    } const cases[] = {
        {"empty", "", "no column stream signature at byte 0"},
        {"other signature", "XXCOLS1" + good.substr(7), "no column stream signature at byte 0"},
        {"cut short", good.substr(0, good.size() / 2), "data ends early"},
        {"huge column count", with(good.find("TGxColumnGridIO") + 16, std::string("\xff\xff\xff\x7f", 4)),
         "column count 2147483647 too large"},
        {"unknown property", with(firstProp, "AutoMinSizX"),
         "unknown column property \"AutoMinSizX\" at byte " + std::to_string(firstProp - 1)},
        {"wrong value kind", with(firstProp + 11, std::string("\x03", 1)), "wrong value kind for \"AutoMinSize\""},
        {"trailing bytes", good + "x", "data after the last column at byte " + std::to_string(good.size())},
        {"other column count",
         [] {
             TGxColumnGrid three(nullptr);
             Shape(three, 3);
             return Saved(three);
         }(),
         "3 columns, the grid has 2"},
    };
    for (const Case& c : cases) {
        TGxColumnGrid dst(nullptr);
        Shape(dst, 2);
        dst.Columns()->Items(0)->SetHeader("Kept");
        try {
            Load(dst, c.bytes);
            ADD_FAILURE() << c.what << ": read";
        } catch (const rtl::EReadError& e) {
            EXPECT_NE(e.Message.find(c.message), std::string::npos) << c.what << ": " << e.Message;
        }
        EXPECT_EQ(dst.Columns()->Items(0)->Header(), "Kept") << c.what;
        EXPECT_EQ(dst.Columns()->Count(), 2) << c.what;
    }
}

TEST(GxColumnStream, ValuesOutOfRangeAreRefused)
{
    TGxColumnGrid src(nullptr);
    Shape(src, 1);
    const std::string good = Saved(src);
    // The 8-byte value after "Editor" and its kind byte.
    const std::size_t editor = good.find("Editor") + 6 + 1;
    for (const std::string& bad :
         {std::string("\xff\0\0\0\0\0\0\0", 8), std::string("\xff\xff\xff\xff\xff\xff\xff\xff", 8)}) {
        std::string s = good;
        s.replace(editor, 8, bad);
        TGxColumnGrid dst(nullptr);
        Shape(dst, 1);
        try {
            Load(dst, s);
            ADD_FAILURE() << "read";
        } catch (const rtl::EReadError& e) {
            EXPECT_NE(e.Message.find("out of range for \"Editor\" at byte " + std::to_string(editor)),
                      std::string::npos)
                << e.Message;
        }
    }
}

}  // namespace
}  // namespace gx
