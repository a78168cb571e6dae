// Print settings in an INI section: a round trip of every stored setting (font styles included,
// also their removal), the defaults of a missing section, title lines, and out-of-range ordinals.
#include "grid/extras/GridPrintSettingsFile.h"

#include <gtest/gtest.h>

#include <string>

#include "ScratchDir.h"

namespace gx {
namespace {

TEST(GridPrintSettingsFile, EverySettingRoundTripsAndFontStylesFollowTheFile)
{
    testsupport::ScratchDir dir;
    const std::string ini = dir.File("print.ini");
    testsupport::WriteFile(ini, "[Other]\r\nKeep=1\r\n");
    TGxStringGrid out(nullptr), in(nullptr);
    TPrintSettings& p = *out.PrintSettings();
    p.ColumnSpacing = 7;
    p.Centered = false;
    p.RepeatFixedRows = true;
    p.Borders = pbAround;
    p.BorderStyle = ui::TPenStyle::psDot;
    p.BorderColor = 0x123456;
    p.Time = ppBottomRight;
    p.DateFormat = "yyyy-mm-dd";
    p.TitleText = "Título";
    p.LeftSize = 150;
    p.FitToPage = fpShrink;
    p.Font()->SetName("Tahoma");
    p.Font()->SetSize(12);
    p.Font()->SetStyle(ui::fsItalic);
    p.HeaderFont()->SetColor(0xFF);
    p.PagePrefix = "Page:";
    p.Orientation = poLandscape;
    p.TitleLines()->Add("a");
    p.TitleLines()->Add("b");
    p.PrintGraphics = true;
    SavePrintSettings(out, ini, "Print");
    EXPECT_NE(testsupport::ReadFile(ini).find("TitleLines=a\\nb\\n"), std::string::npos);
    EXPECT_NE(testsupport::ReadFile(ini).find("Keep=1"), std::string::npos);

    in.PrintSettings()->Font()->SetStyle(ui::fsBold | ui::fsUnderline);
    LoadPrintSettings(in, ini, "Print");
    TPrintSettings& q = *in.PrintSettings();
    EXPECT_EQ(q.ColumnSpacing, 7);
    EXPECT_FALSE(q.Centered);
    EXPECT_TRUE(q.RepeatFixedRows);
    EXPECT_EQ(q.Borders, pbAround);
    EXPECT_EQ(q.BorderStyle, ui::TPenStyle::psDot);
    EXPECT_EQ(q.BorderColor, 0x123456u);
    EXPECT_EQ(q.Time, ppBottomRight);
    EXPECT_EQ(q.DateFormat, "yyyy-mm-dd");
    EXPECT_EQ(q.TitleText, "Título");
    EXPECT_EQ(q.LeftSize, 150);
    EXPECT_EQ(q.FitToPage, fpShrink);
    EXPECT_EQ(q.Font()->Name(), "Tahoma");
    EXPECT_EQ(q.Font()->Size(), 12);
    EXPECT_EQ(q.Font()->Style(), ui::TFontStyles(ui::fsItalic));
    EXPECT_EQ(q.HeaderFont()->Color(), 0xFFu);
    EXPECT_EQ(q.PagePrefix, "Page:");
    EXPECT_EQ(q.Orientation, poLandscape);
    EXPECT_EQ(q.TitleLines()->Count(), 2);
    EXPECT_EQ(q.TitleLines()->Get(1), "b");
    EXPECT_TRUE(q.PrintGraphics);
}

TEST(GridPrintSettingsFile, MissingSectionGivesDefaultsAndBadOrdinalsAreHandled)
{
    testsupport::ScratchDir dir;
    const std::string ini = dir.File("print.ini");
    TGxStringGrid grid(nullptr);
    TPrintSettings& p = *grid.PrintSettings();
    p.Centered = false;
    p.RepeatFixedCols = true;
    p.TitleText = "old";
    LoadPrintSettings(grid, ini, "Missing");
    EXPECT_EQ(p.ColumnSpacing, 20);
    EXPECT_EQ(p.HeaderSize, 100);
    EXPECT_TRUE(p.Centered);
    EXPECT_FALSE(p.RepeatFixedCols);
    EXPECT_EQ(p.TitleText, "");
    EXPECT_EQ(p.Font()->Name(), "Arial");
    EXPECT_EQ(p.Font()->Size(), 10);

    testsupport::WriteFile(ini, "[P]\r\nBorders=12\r\nTime=9\r\nPageNr=3\r\nCentered=y\r\n");
    p.Borders = pbDouble;
    LoadPrintSettings(grid, ini, "P");
    EXPECT_EQ(p.Borders, pbDouble);
    EXPECT_EQ(p.Time, ppNone);
    EXPECT_EQ(p.PageNr, ppTopCenter);
    EXPECT_FALSE(p.Centered);
}

}  // namespace
}  // namespace gx
