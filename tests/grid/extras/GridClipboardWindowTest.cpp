// The clipboard between two programs on a real desktop: a second process copies cells of a grid in
// its window (text, rich text and the grid's own cells) and keeps serving the clipboard; this one
// pastes them into its grid, first as the grid's own cells, then as text.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "ExtrasFixture.h"
#include "RealDisplay.h"
#include "ScratchDir.h"
#include "grid/extras/GridClipboard.h"
#include "platform/ui/Application.h"
#include "platform/ui/Clipboard.h"
#include "platform/ui/Forms.h"
#include "platform/ui/RealInput.h"

namespace gx {
namespace {

constexpr ui::TColor kCopiedColour = 0x0080FFFF;

std::string ReadAll(const std::filesystem::path& file)
{
    std::ifstream in(file);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// An editable grid that takes the grid's own clipboard cells, on a form of its own.
TGxStringGrid* GridWindow(ui::TForm& form, const char* caption, int left)
{
    form.SetCaption(caption);
    form.SetBounds(left, 100, 520, 330);
    auto* grid = new TGxStringGrid(&form);
    grid->SetParent(&form);
    grid->SetBounds(10, 10, 490, 270);
    grid->SetOptions(grid->Options() | ui::goEditing);
    grid->Navigation()->SetAllowFmtClipboard(true);
    return grid;
}

// The copying program: copies, says so in the report file, and serves the clipboard until the
// report file is gone (or for 30 s at most).
void CopyAndServe(const std::filesystem::path& report)
{
    ui::TForm form(nullptr);
    TGxStringGrid* grid = GridWindow(form, "Clipboard source", 40);
    extrastest::Fill(*grid, extrastest::AwkwardCells());
    grid->SetColors(1, 1, kCopiedColour);
    grid->Loaded();
    form.Show();
    ASSERT_TRUE(realinput::WaitShown(form));
    grid->SetSelection({0, 0, 3, 4});
    CopySelectionToClipboard(*grid);
    std::ofstream(report) << "copied\n";
    realinput::WaitFor([&] { return !std::filesystem::exists(report); }, 30000);
}

TEST(GridClipboardWindow, InARealWindow)
{
    CFG_REAL_WINDOW_TEST();
    if (const char* report = std::getenv("GRID_CLIPBOARD_COPY_REPORT")) {
        CopyAndServe(report);
        return;
    }
    testsupport::ScratchDir dir;
    const std::filesystem::path report = dir / "copied.txt";
    const int copier = testsupport::StartTestProcess({{"GRID_CLIPBOARD_COPY_REPORT", report.string()}});
    ASSERT_TRUE(realinput::WaitFor([&] { return ReadAll(report) == "copied\n"; }, 20000))
        << "the copying program did not copy";

    ui::TForm form(nullptr);
    TGxStringGrid* grid = GridWindow(form, "Clipboard target", 600);
    grid->Navigation()->SetAllowRTFClipboard(true);
    grid->SetColCount(5);
    grid->SetRowCount(11);
    grid->Loaded();
    form.Show();
    ASSERT_TRUE(realinput::WaitShown(form));
    EXPECT_TRUE(ui::Clipboard()->HasFormat(ui::kMimeGridCells));
    // The own cells at row 1 (with their looks), the text below them at row 6.
    grid->SetSelection({1, 1, 1, 1});
    PasteSelectionFromClipboard(*grid);
    grid->Navigation()->SetAllowFmtClipboard(false);
    grid->SetSelection({1, 6, 1, 6});
    PasteSelectionFromClipboard(*grid);
    realinput::Settle(300);
    testsupport::Shot("60_clipboard_pasted");
    std::filesystem::remove(report);
    EXPECT_TRUE(realinput::WaitFor([copier] { return testsupport::ProcessEnded(copier); }, 10000));

    // The copied block: the normal cells of the selection, rows 1 to 4 and columns 1 to 3.
    for (int r = 1; r <= 4; ++r)
        for (int c = 1; c <= 3; ++c) {
            const std::string& copied = extrastest::AwkwardCells()[r][c];
            EXPECT_EQ(grid->Cells(c, r), copied) << "own cells " << c << "," << r;
            EXPECT_EQ(grid->Cells(c, r + 5), copied) << "text " << c << "," << r;
        }
    EXPECT_EQ(grid->Colors(1, 1), kCopiedColour);
}

}  // namespace
}  // namespace gx
