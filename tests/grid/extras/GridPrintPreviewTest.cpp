// The print preview window: page navigation within the job's pages, and the sheet it paints.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "RealDisplay.h"
#include "grid/extras/GridPrint.h"
#include "grid/extras/GridPrintPreview.h"
#include "platform/ui/ExtCtrls.h"
#include "platform/ui/Input.h"
#include "platform/ui/RealInput.h"

namespace gx {
namespace {

TEST(GridPrintPreview, ShowsThePagesOfTheJobOnASheetOfPaper)
{
    TGxStringGrid g(nullptr);
    g.SetColCount(3);
    g.SetRowCount(300);
    for (int r = 0; r < 300; ++r)
        for (int c = 0; c < 3; ++c)
            g.SetCells(c, r, "r" + std::to_string(r) + " c" + std::to_string(c));
    ui::TPrinter printer;
    printer.Dpi = 60;
    const int pages = PrintPageCount(g, printer);
    ASSERT_GT(pages, 2);
    const auto form = CreatePrintPreview(g, printer);
    EXPECT_EQ(form->PageCount(), pages);
    EXPECT_EQ(form->PageNr(), 1);
    EXPECT_EQ(form->PageLabel()->Caption(), "Page 1 of " + std::to_string(pages));

    // Navigation stays within the job.
    form->PriorPage();
    EXPECT_EQ(form->PageNr(), 1);
    form->NextPage();
    EXPECT_EQ(form->PageNr(), 2);
    form->LastPage();
    EXPECT_EQ(form->PageNr(), pages);
    EXPECT_FALSE(form->Button(2)->Enabled());
    form->NextPage();
    EXPECT_EQ(form->PageNr(), pages);
    form->FirstPage();
    EXPECT_FALSE(form->Button(1)->Enabled());
    // The keys turn the pages too.
    for (const auto& [key, page] :
         {std::pair{ui::VK_NEXT, 2}, {ui::VK_END, pages}, {ui::VK_PRIOR, pages - 1}, {ui::VK_HOME, 1}}) {
        ui::SendKeyDown(form.get(), key);
        EXPECT_EQ(form->PageNr(), page) << key;
    }

    // The sheet keeps A4's proportions, lies in the view and shows the page's grid.
    const ui::TRect sheet = form->SheetRect();
    EXPECT_NEAR(static_cast<double>(sheet.Height()) / sheet.Width(), 297.0 / 210.0, 0.02);
    ui::TBitmap* shot = form->PageView()->PaintToBuffer();
    int ink = 0, grey = 0;
    for (int y = sheet.Top + 1; y < sheet.Bottom - 1; y += 2)
        for (int x = sheet.Left + 1; x < sheet.Right - 1; x += 2)
            ink += (shot->Pixel(x, y) & 0xFF) < 128;
    for (int x = 0; x < sheet.Left; ++x)
        grey += shot->Pixel(x, shot->Height() / 2) == ui::clGray;
    EXPECT_GT(ink, 200);
    EXPECT_EQ(grey, sheet.Left);

    // Landscape settings turn the sheet.
    g.PrintSettings()->Orientation = poLandscape;
    const auto wide = CreatePrintPreview(g, printer);
    EXPECT_GT(wide->SheetRect().Width(), wide->SheetRect().Height());
}

// The preview window on a real display, driven by the display's pointer and keys: the next page
// and the last page by their buttons, one page back by Page Up, then closed by its button.
TEST(GridPrintPreview, InARealWindow)
{
    CFG_REAL_WINDOW_TEST();
    TGxStringGrid g(nullptr);
    g.SetColCount(4);
    g.SetRowCount(200);
    for (int r = 0; r < 200; ++r)
        for (int c = 0; c < 4; ++c)
            g.SetCells(c, r,
                       r == 0 ? "Column " + std::to_string(c) : "r" + std::to_string(r) + " c" + std::to_string(c));
    TPrintSettings& ps = *g.PrintSettings();
    ps.RepeatFixedRows = true;
    ps.PageNr = ppBottomRight;
    ps.Title = ppTopCenter;
    ps.TitleText = "Variables";
    ps.PrintGraphics = true;
    g.AddCheckBox(1, 3, true, false);
    g.SetInts(2, 4, 40);
    g.AddProgress(2, 4, ui::clRed, ui::clWhite);
    ui::TPrinter printer;
    const auto form = CreatePrintPreview(g, printer);
    ASSERT_GT(form->PageCount(), 2);
    std::vector<int> pages;
    // The user's hand inside the modal loop: one tick of a timer runs it all.
    ui::TTimer user(nullptr);
    user.SetInterval(50);
    user.OnTimer = [&](ui::TObject*) {
        user.SetEnabled(false);
        ASSERT_TRUE(realinput::WaitShown(*form));
        testsupport::Shot("70_preview_first_page");
        pages.push_back(form->PageNr());
        const auto press = [&](int button) {
            ui::TSpeedButton* b = form->Button(button);
            realinput::Click(b, b->Width() / 2, b->Height() / 2);
            pages.push_back(form->PageNr());
        };
        press(2);  // next
        testsupport::Shot("71_preview_next_page");
        press(3);  // last
        testsupport::Shot("72_preview_last_page");
        realinput::Keys("Prior");
        pages.push_back(form->PageNr());
        testsupport::Shot("73_preview_page_up");
        press(4);  // close
    };
    ui::TTimer limit(nullptr);
    limit.SetInterval(60000);
    limit.OnTimer = [&](ui::TObject*) { form->SetModalResult(ui::mrAbort); };
    const ui::TModalResult result = form->ShowModal();
    EXPECT_NE(result, ui::mrAbort);
    const int last = form->PageCount();
    EXPECT_EQ(pages, (std::vector<int>{1, 2, last, last - 1, last - 1}));
}

}  // namespace
}  // namespace gx
