// The clipboard between two programs on a real desktop, for the manual check
// scripts/manual/grid_clipboard.sh: one process copies cells of a grid in a real window (text,
// rich text and the grid's own cells) and keeps serving the clipboard; a second process pastes
// them into its grid and writes what it got. Skipped unless GRID_CLIPBOARD_ROLE is "copy" or
// "paste"; GRID_CLIPBOARD_REPORT names the file each role writes.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <string>

#include "ExtrasFixture.h"
#include "grid/extras/GridClipboard.h"
#include "platform/ui/Application.h"
#include "platform/ui/Clipboard.h"
#include "platform/ui/Forms.h"

namespace gx {
namespace {

TEST(GridClipboardWindow, InARealWindow)
{
    const char* role = std::getenv("GRID_CLIPBOARD_ROLE");
    const char* report = std::getenv("GRID_CLIPBOARD_REPORT");
    if (!role || !report)
        GTEST_SKIP() << "set GRID_CLIPBOARD_ROLE (copy or paste) and GRID_CLIPBOARD_REPORT";
    const bool copy = std::string(role) == "copy";
    ui::TForm form(nullptr);
    form.SetCaption(copy ? "Clipboard source" : "Clipboard target");
    form.SetBounds(copy ? 40 : 600, 100, 520, 330);
    auto* grid = new TGxStringGrid(&form);
    grid->SetParent(&form);
    grid->SetBounds(10, 10, 490, 270);
    grid->SetOptions(grid->Options() | ui::goEditing);
    grid->Navigation()->SetAllowFmtClipboard(true);
    grid->Navigation()->SetAllowRTFClipboard(!copy);
    if (copy) {
        extrastest::Fill(*grid, extrastest::AwkwardCells());
        grid->SetColors(1, 1, 0x0080FFFF);
    } else {
        grid->SetColCount(5);
        grid->SetRowCount(11);
    }
    grid->Loaded();
    form.Show();
    ui::Application->ProcessMessages();
    std::ofstream out(report);
    if (copy) {
        grid->SetSelection({0, 0, 3, 4});
        CopySelectionToClipboard(*grid);
        out << "copied\n";
        out.close();
        // Serve the clipboard until the other program has taken it.
        const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(20);
        while (form.Visible() && std::chrono::steady_clock::now() < end)
            ui::Application->HandleMessage(20);
        return;
    }
    const ui::TDragData data = ui::Clipboard()->Data();
    for (const std::string& f : data.Formats())
        out << "format " << f << "\n";
    // The own cells at row 1, the text below them at row 6.
    grid->SetSelection({1, 1, 1, 1});
    PasteSelectionFromClipboard(*grid);
    grid->Navigation()->SetAllowFmtClipboard(false);
    grid->SetSelection({1, 6, 1, 6});
    PasteSelectionFromClipboard(*grid);
    ui::Application->ProcessMessages();
    for (int r = 1; r < grid->RowCount(); ++r)
        for (int c = 1; c < grid->ColCount(); ++c)
            out << "cell " << c << " " << r << " " << grid->Cells(c, r) << "\n";
    out << "colour " << std::hex << grid->Colors(1, 1) << "\n";
    out.close();
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(3);
    while (std::chrono::steady_clock::now() < end)
        ui::Application->HandleMessage(20);
}

}  // namespace
}  // namespace gx
