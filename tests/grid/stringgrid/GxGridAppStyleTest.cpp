// The string grid under the application's style: a style other than the desktop's own gives the
// grid its colours when the grid is loaded and whenever the style changes.
#include "grid/stringgrid/GxGrid.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/ui/AppStyle.h"
#include "platform/ui/Forms.h"

namespace gx {
namespace {

class GxGridAppStyle : public ::testing::Test {
protected:
    void SetUp() override
    {
        grid->SetParent(&form);
        grid->Loaded();
    }
    void TearDown() override { ui::SetActiveAppStyle({}); }

    ui::TForm form{nullptr};
    TGxStringGrid* grid = new TGxStringGrid(&form);
};

TEST_F(GxGridAppStyle, AStyleOtherThanTheDesktopsGivesTheGridItsColoursOnEachChange)
{
    ASSERT_FALSE(grid->UsesVCLStyles());

    ui::TAppStyle dark;
    dark.Name = "Slate";
    dark.GridColor = 0x202020;
    dark.GridLineColor = 0x404040;
    dark.FixedLineColor = 0x505050;
    dark.FontColor = 0xF0F0F0;
    ui::SetActiveAppStyle(dark);
    EXPECT_TRUE(grid->UsesVCLStyles());
    EXPECT_EQ(grid->Color(), 0x202020u);
    EXPECT_EQ(grid->GridLineColor(), 0x404040u);
    EXPECT_EQ(grid->Font()->Color(), 0xF0F0F0u);
    EXPECT_FALSE(grid->Options() & (ui::goFixedVertLine | ui::goFixedHorzLine));
    EXPECT_NE(grid->FixedFont()->Color(), ui::clNone) << "a colour the style does not give stays";

    // A disabled style and the desktop's own take the flag away and leave the colours.
    for (const char* name : {"Slate", "Windows"}) {
        SCOPED_TRACE(name);
        ui::TAppStyle other = dark;
        other.Name = name;
        other.Enabled = std::string(name) == "Windows";
        ui::SetActiveAppStyle(other);
        EXPECT_FALSE(grid->UsesVCLStyles());
        EXPECT_EQ(grid->Color(), 0x202020u);
    }

    // A grid loaded while a style is active takes it at once.
    ui::SetActiveAppStyle(dark);
    auto* later = new TGxStringGrid(&form);
    later->Loaded();
    EXPECT_TRUE(later->UsesVCLStyles());
    EXPECT_EQ(later->Color(), 0x202020u);
}

}  // namespace
}  // namespace gx
