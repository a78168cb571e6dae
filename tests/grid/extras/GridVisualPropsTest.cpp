// The grid's look in a key=value file: a changed look survives a save and load into a fresh grid,
// values are written in their fixed forms, the reader's tolerances, and a bad or missing entry
// stopping the load with the file and line named.
#include "grid/extras/GridVisualProps.h"

#include <gtest/gtest.h>

#include <string>

#include "ScratchDir.h"
#include "platform/rtl/Exceptions.h"

namespace gx {
namespace {

// A look unlike the defaults in every kind of entry.
void ChangeLook(TGxStringGrid& g)
{
    g.SetLook(glOffice2007);  // first: a look preset sets colours of its own
    g.SetColor(0x00123456);
    g.HintColor = ui::clWindow;
    g.SelectionColor = 0x00ABCDEF;
    g.SelectionTextColor = 0xFF00000E;
    g.SetURLShow(false);
    g.SetActiveRowShow(true);
    g.Font()->SetName("Verdana");
    g.Font()->SetSize(13);
    g.Font()->SetStyle(ui::fsBold | ui::fsItalic);
    g.ActiveCellFont()->SetColor(0x000000FF);
    g.FixedFont()->SetStyle(ui::fsStrikeOut);
    g.Balloon()->Transparency = 200;
    g.Bands()->SetActive(true);
    g.ControlLook()->SetControlStyle(csGlyph);
    g.ControlLook()->SetCheckSize(21);
    g.SearchFooter()->SetColorTo(0x00010203);
    g.Grouping()->HeaderLineWidth = 5;
    g.Grouping()->SummaryLine = true;
    g.SetGridLineColor(0x00777777);
    g.BackGround()->SetDisplay(bdGradientVert);
    g.BackGround()->SetCells(bcAll);
    g.BackGround()->SetTop(-4);
}

std::string Saved(TGxStringGrid& g, testsupport::ScratchDir& dir, const std::string& name)
{
    SaveVisualProps(g, dir.File(name));
    return testsupport::ReadFile(dir.File(name));
}

TEST(GridVisualProps, AChangedLookSurvivesSaveAndLoadInItsFixedForms)
{
    testsupport::ScratchDir dir;
    TGxStringGrid changed(nullptr), fresh(nullptr), untouched(nullptr);
    ChangeLook(changed);
    const std::string text = Saved(changed, dir, "look.txt");
    EXPECT_NE(text, Saved(untouched, dir, "default.txt"));

    LoadVisualProps(fresh, dir.File("look.txt"));
    EXPECT_EQ(Saved(fresh, dir, "again.txt"), text);  // all 69 entries alike
    EXPECT_EQ(fresh.Font()->Name(), "Verdana");
    EXPECT_EQ(fresh.Look, glOffice2007);
    EXPECT_EQ(fresh.BackGround()->Top(), -4);

    EXPECT_EQ(text.rfind("Color=$00123456\r\nHintColor=clWindow\r\n", 0), 0u) << text;
    for (const char* line : {"\r\nFont.Style=fsBold,fsItalic\r\n", "\r\nSelectionTextColor=clHighlightText\r\n",
                             "\r\nURLShow=false\r\n", "\r\nControlLook.ControlStyle=csGlyph\r\n",
                             "\r\nBackGround.Display=bdGradientVert\r\n", "\r\nFixedFont.Style=fsStrikeOut\r\n"})
        EXPECT_NE(text.find(line), std::string::npos) << line;
    EXPECT_EQ(text.substr(text.size() - 2), "\r\n");
}

TEST(GridVisualProps, ReadingIsTolerantOfCaseOrderAndSpellingsOfValues)
{
    testsupport::ScratchDir dir;
    TGxStringGrid base(nullptr);
    ChangeLook(base);
    std::string text = Saved(base, dir, "base.txt");
    // Later lines of a key and lines without "=" are passed over; keys and names ignore case.
    const std::string extra = "not an entry\r\n"
                              "font.style=fsItalic fsBold fsUnderline\r\n"
                              "CONTROLLOOK.CONTROLSTYLE=CSFLAT\r\n"
                              "BackGround.Cells=bcNoSuchCells\r\n"
                              "color=16711680\r\n"
                              "HintColor=clred\r\n"
                              "Grouping.HeaderColor=$FF000005\r\n"
                              "Bands.Active=yes\r\n"
                              "Grouping.SummaryLine=TRUE\r\n"
                              "Grouping.HeaderLineWidth=$10\r\n"
                              "ActiveRowColor=\r\n";
    testsupport::WriteFile(dir.File("look.txt"), extra + text);
    TGxStringGrid g(nullptr);
    g.BackGround()->SetCells(bcFixed);
    LoadVisualProps(g, dir.File("look.txt"));
    EXPECT_EQ(g.Font()->Style(), ui::fsBold | ui::fsItalic | ui::fsUnderline);
    EXPECT_EQ(g.ControlLook()->ControlStyle(), csFlat);
    EXPECT_EQ(g.BackGround()->Cells(), bcFixed);  // unknown name: unchanged
    EXPECT_EQ(g.Color(), 0x00FF0000u);
    EXPECT_EQ(g.HintColor, 0x000000FFu);
    EXPECT_EQ(g.Grouping()->HeaderColor, ui::clWindow);
    EXPECT_FALSE(g.Bands()->Active());
    EXPECT_TRUE(g.Grouping()->SummaryLine);
    EXPECT_EQ(g.Grouping()->HeaderLineWidth, 16);
    EXPECT_EQ(g.ActiveRowColor(), ui::clNone);
}

TEST(GridVisualProps, ABadOrMissingEntryStopsTheLoadNamingFileAndLine)
{
    testsupport::ScratchDir dir;
    TGxStringGrid base(nullptr);
    ChangeLook(base);
    const std::string text = Saved(base, dir, "base.txt");
    auto without = [&](const std::string& key) {
        const std::size_t at = text.find("\r\n" + key + "=") + 2;
        return text.substr(0, at) + text.substr(text.find("\r\n", at) + 2);
    };
    auto replaced = [&](const std::string& key, const std::string& value) {
        const std::size_t at = text.find("\r\n" + key + "=") + 2;
        return text.substr(0, at) + key + "=" + value + text.substr(text.find("\r\n", at));
    };
    struct Case {
        const char* name;
        std::string file;
        const char* reason;
    } cases[] = {
        {"missing size", without("Font.Size"), "Font.Size is missing"},
        {"size not a number", replaced("Font.Size", "12pt"), "line 17: '12pt' is not a valid value of Font.Size"},
        {"unknown colour", replaced("FixedFont.Color", "clChartreuse"), "'clChartreuse' is not a valid value"},
        {"colour too large", replaced("FixedFont.Color", "$1FFFFFFFF"), "is not a valid value of FixedFont.Color"},
        {"size past any font", replaced("Font.Size", "2147483647"), "'2147483647' is not a valid value of Font.Size"},
        {"transparency below a byte", replaced("Balloon.Transparency", "-1"),
         "not a valid value of Balloon.Transparency"},
        {"line wider than a screen", replaced("Grouping.HeaderLineWidth", "$7FFFFFFF"), "of Grouping.HeaderLineWidth"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        testsupport::WriteFile(dir.File("bad.txt"), c.file);
        TGxStringGrid g(nullptr);
        g.Font()->SetName("Courier New");
        try {
            LoadVisualProps(g, dir.File("bad.txt"));
            ADD_FAILURE() << "loaded";
        } catch (const rtl::EFileError& e) {
            EXPECT_EQ(e.File(), dir.File("bad.txt"));
            EXPECT_NE(std::string(e.what()).find(c.reason), std::string::npos) << e.what();
        }
        // Entries before the bad one are applied, later ones are not.
        EXPECT_EQ(g.Font()->Style(), ui::fsBold | ui::fsItalic);
        EXPECT_EQ(g.Grouping()->HeaderLineWidth, 2);
    }
}

TEST(GridVisualProps, FilesThatCannotBeOpenedOrCreatedAreNamed)
{
    testsupport::ScratchDir dir;
    TGxStringGrid g(nullptr);
    const std::string missing = dir.File("none.txt");
    const std::string inMissingFolder = dir.File("no/such/folder/look.txt");
    try {
        LoadVisualProps(g, missing);
        ADD_FAILURE();
    } catch (const rtl::EFileError& e) {
        EXPECT_EQ(std::string(e.what()), "Cannot open file " + missing);
    }
    try {
        SaveVisualProps(g, inMissingFolder);
        ADD_FAILURE();
    } catch (const rtl::EFileError& e) {
        EXPECT_EQ(std::string(e.what()), "Cannot Create " + inMissingFolder);
    }
}

}  // namespace
}  // namespace gx
