// The fixture of the editing tests: a grid on a form (not shown; it takes the focus headless),
// keys sent where the focus is, and a log of the end-of-edit events.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "grid/stringgrid/GxGrid.h"
#include "grid/stringgrid/GxGridEdit.h"
#include "platform/ui/Application.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Input.h"

namespace gx {

class GxGridEdit : public ::testing::Test {
protected:
    void SetUp() override
    {
        form.SetBounds(0, 0, 600, 400);
        grid = new TGxStringGrid(&form);
        grid->SetParent(&form);
        grid->SetBounds(0, 0, 500, 300);
        grid->SetColCount(4);
        grid->SetRowCount(5);
        grid->SetOptions(grid->Options() | ui::goEditing);
        grid->SetCells(1, 1, "old");
        grid->SetFocus();
        grid->OnEditingDone = [this](TObject*) { log.push_back("done"); };
        grid->OnEditCellDone = [this](TObject*, int c, int r) {
            log.push_back("cell done " + std::to_string(c) + "," + std::to_string(r));
        };
    }
    // Keys go where the focus is, as typed keys do.
    void Key(unsigned vk, char32_t ch = 0, ui::TShiftState shift = 0)
    {
        ui::SendKeyStroke(ui::FindFocusedControl(), vk, shift, ch);
    }
    void Type(const std::string& text) { ui::SendText(ui::FindFocusedControl(), text); }
    static void Flush() { ui::Application->ProcessMessages(); }
    std::string EditorText() const { return grid->InplaceEditor() ? grid->InplaceEditor()->Text() : "<none>"; }

    ui::TForm form{nullptr};
    TGxStringGrid* grid = nullptr;
    std::vector<std::string> log;
};

}  // namespace gx
