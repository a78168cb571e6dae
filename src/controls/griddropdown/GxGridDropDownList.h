#pragma once
// TGxColGrid: the list of the grid drop-down's window, a string grid with one header row. It is
// filled from the drop-down's columns and items at every opening (or by the program), keeps which
// item each row shows, never takes the focus (keys reach it through the window) and reports a
// chosen row through OnSelect.
#include <vector>

#include "controls/dropdown/GxMultiColumnItems.h"
#include "grid/stringgrid/GxGrid.h"

namespace dropdown {

class TCustomGxGridDropDown;

namespace griddrop {

// The grid drop-down's columns and items have the same shape as the multi-column drop-down's.
using multicolumn::TColumnType;
using multicolumn::TDropDownColumn;
using multicolumn::TDropDownColumns;
using multicolumn::TDropDownItem;
using multicolumn::TDropDownItems;

class TGxColGrid : public gx::TGxStringGrid {
public:
    explicit TGxColGrid(ui::TComponent* AOwner);
    ~TGxColGrid() override;

    TCustomGxGridDropDown* GxDropDown() const { return FDropDown; }
    void SetGxDropDown(TCustomGxGridDropDown* Value) { FDropDown = Value; }
    TDropDownColumns* Columns() { return &FColumns; }
    ui::TFont* HeaderFont() { return &FHeaderFont; }
    ui::TImageList* Images() const { return FImages; }
    void SetImages(ui::TImageList* Value);

    ui::TColor HeaderColor = 0xFFFFFF;
    ui::TColor HeaderColorTo = 0x808080;
    ui::TColor LineColor = 0x808080;
    ui::TColor FixedLineColor = 0;
    int HeaderHeight = 25;
    // Set by a key or a press in the grid, cleared by the wheel and by closing: closing takes the
    // grid's row only when set.
    bool ConfirmSelection = false;
    // Set while a wheel step moves the row: the edit does not follow.
    bool WheelSelection = false;

    // Copies the drop-down's columns, sizes and looks (every opening).
    void ReadDropDownSettings(TCustomGxGridDropDown& D);
    // Header texts and one row per item; each row remembers its item.
    void LoadItems();
    void AutoSizeColumn(int ACol);
    void AutoSizeRows();
    // 2 x border + the column widths + a vertical bar when not every row fits.
    int GetNeededWidth() const;
    // The item a row shows (the row itself without items), and the first row showing an item.
    int RowToItem(int ARow) const;
    int ItemToRow(int AItem) const;
    // Narrowing while typing: only the data rows whose text in column ACol contains S (case
    // ignored) stay; the others are kept aside until RemoveAllFilters (or the next filling).
    void NarrowDown(const std::string& S, int ACol);
    void RemoveAllFilters();
    // Data rows the narrowing left (all of them when not narrowed).
    int DataRowsLeft() const { return FNarrowed ? FNarrowedRows : RowCount() - FixedRows(); }
    virtual void DoSelect();
    // OnGetEditorProp, then the drop-down's OnGridGetEditorProp.
    void DoGetEditorProp(int ACol, int ARow, ui::TObject* AEditLink) override;
    // Makes a row current in the first column (the selection anchor with it).
    void GoToRow(int ARow) { ui::TCustomGrid::FocusCell(0, ARow, true); }

    void SetFocus() override {}

    ui::TNotifyEvent OnSelect;

protected:
    void KeyDown(unsigned& Key, ui::TShiftState Shift) override;
    void KeyPress(char32_t& Key) override;
    void MouseDown(ui::TMouseButton Button, ui::TShiftState Shift, int X, int Y) override;
    void MouseUp(ui::TMouseButton Button, ui::TShiftState Shift, int X, int Y) override;
    bool DoMouseWheelDown(ui::TShiftState Shift, ui::TPoint MousePos) override;
    bool DoMouseWheelUp(ui::TShiftState Shift, ui::TPoint MousePos) override;
    unsigned WantKeys() const override;
    void RowMoved(int FromIndex, int ToIndex) override;
    void Notification(ui::TComponent* AComponent, ui::TOperation Operation) override;

private:
    bool InDropDownWindow() const;

    TCustomGxGridDropDown* FDropDown = nullptr;
    TDropDownColumns FColumns;
    ui::TFont FHeaderFont;
    ui::TImageList* FImages = nullptr;
    std::vector<int> FRowItems;  // the item of each row (the header row has none)
    struct TKeptRow {
        std::vector<std::string> Cells;
        int Item = -1;
    };
    std::vector<TKeptRow> FAllRows;  // every data row while the list is narrowed
    bool FNarrowed = false;
    int FNarrowedRows = 0;
    void ShowRows(const std::vector<const TKeptRow*>& Rows);
};

}  // namespace griddrop
}  // namespace dropdown
