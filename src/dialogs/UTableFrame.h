#pragma once
// The rule-table dialog frame: one form class that builds a table dialog from its descriptor
// (core/tables/TableDesc.h) — title band, one grid or a page control with a tab sheet per grid,
// the button band with OK, Cancel and the four row buttons — and runs its life: Set_Lang, show
// (reset and load), OK (check and save), the row buttons on the active grid with a copy flag per
// grid, the Enter walk, the header double click, the column-0 click and the header hints.
// A dialog derives from it, names its grids and lists as its Part does, and overrides the few
// hooks where it departs from the frame.

#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "controls/button/LbButton.h"
#include "core/tables/TableEngine.h"
#include "dialogs/UTableGrid.h"
#include "grid/columngrid/GxColumnGrid.h"
#include "platform/rtl/StringList.h"
#include "platform/ui/ComCtrls.h"
#include "platform/ui/ExtCtrls.h"
#include "platform/ui/Forms.h"
#include "platform/ui/StdCtrls.h"

namespace dlg {

using TFrameColumnGrid = TTableGrid<gx::TGxColumnGrid>;
using TFrameStringGrid = TTableGrid<gx::TGxStringGrid>;

// The cells of a frame grid as the engine sees them: check-box cells of a string grid read and
// write their box ("Y"/"N"), every other cell its text.
class TGridCells : public tables::TCells {
public:
    TGridCells(gx::TGxStringGrid* grid, const tables::TGridDesc& desc, bool boxCells)
        : grid_(grid), desc_(desc), boxCells_(boxCells)
    {}
    int RowCount() const override;
    int ColCount() const override;
    std::string Cell(int col, int row) const override;
    void SetCell(int col, int row, const std::string& text) override;

private:
    bool Is_Box(int col) const;
    gx::TGxStringGrid* grid_;
    const tables::TGridDesc& desc_;
    bool boxCells_;
};

class TFTableFrame : public ui::TForm {
public:
    TFTableFrame(ui::TComponent* AOwner, const tables::TDialogDesc& desc);

    const tables::TDialogDesc& Desc;
    ui::TPanel* P_Title;
    ui::TLabel* L_SW_Code;
    ui::TLabel* L_SW_Desc;
    ui::TPanel* P_Button;
    controls::TLbButton* Btn_OK;
    controls::TLbButton* Btn_Cancel;
    controls::TLbButton* Btn_DelRow;
    controls::TLbButton* Btn_InsRow;
    controls::TLbButton* Btn_CopyRow;
    controls::TLbButton* Btn_PasteRow;
    ui::TPageControl* PageControl1 = nullptr;  // only in dialogs with tab sheets
    std::vector<ui::TTabSheet*> Sheets;        // one per grid, in a paged dialog
    std::vector<gx::TGxStringGrid*> Grids;     // in the dialog's order
    std::deque<rtl::TStringList> Hint_Lists;   // per grid: entry k is the hint of real column k + 1
    std::deque<bool> Copy_Flags;               // per grid: Row_Copy_List holds a row copied from it
    tables::TTableState State;                 // sizes and memories of the dialog, set at every show

    // Texts of the dialog's block; a dialog with controls of its own extends it and calls it again
    // at the end of its constructor.
    virtual void Set_Lang();
    void FormShow(ui::TObject* Sender);
    // The data check: shows the first broken rule (its grid's tab brought forward) and returns false.
    bool Controllo_dati();
    void Btn_OKClick(ui::TObject* Sender);
    void Btn_DelRowClick(ui::TObject* Sender);
    void Btn_InsRowClick(ui::TObject* Sender);
    void Btn_CopyRowClick(ui::TObject* Sender);
    void Btn_PasteRowClick(ui::TObject* Sender);
    // Grid handlers, shared by the dialog's grids (Sender is the grid).
    void KeyPress(ui::TObject* Sender, char32_t& Key);
    void DblClickCell(ui::TObject* Sender, int ARow, int ACol);
    void ClickCell(ui::TObject* Sender, int ARow, int ACol);
    void GridHint(ui::TObject* Sender, int ARow, int ACol, std::string& hintstr);

    // A combo column of a string grid gets its editor and list here (column grids have theirs).
    void GetEditorType(ui::TObject* Sender, int ACol, int ARow, gx::TEditorType& AEditor);

    // The index of a grid (-1 for another object), the index of the active tab's grid, a grid's cells.
    int Grid_Index(const ui::TObject* grid) const;
    int Active_Index() const;
    tables::TCells& Cells(int grid) { return *cells_[static_cast<std::size_t>(grid)]; }
    std::vector<const tables::TCells*> All_Cells() const;
    const std::string& Table_File() const;

protected:
    // Departures of a dialog, all empty in the frame:
    // before the reset of a show (tabs, optional columns);
    virtual void Prepare_Show() {}
    // at the end of a show;
    virtual void Shown() {}
    // after the row buttons: the delete question answered (whatever the answer), a row inserted,
    // a row pasted.
    virtual void Row_Deleted(int /*grid*/, int /*row*/) {}
    virtual void Row_Inserted(int /*grid*/, int /*row*/) {}
    virtual void Row_Pasted(int /*grid*/, int /*row*/) {}

private:
    void Build_Buttons();
    void Build_Grids();
    template <class G>
    G* Build_Grid(const tables::TGridDesc& g, ui::TWinControl* parent);
    void Fill_Combo_Lists();
    bool Column_Grids() const { return Desc.Grid_Class == tables::TGridClass::Column_Grid; }

    std::vector<std::unique_ptr<TGridCells>> cells_;
    // Lists of combo columns: the fixed items, and the counted ones as filled at the last show
    // (string grids fill their editor from them).
    std::vector<std::vector<std::vector<std::string>>> items_;
};

}  // namespace dlg
