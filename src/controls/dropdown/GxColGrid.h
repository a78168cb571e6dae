#pragma once
// TGxColGrid: the table of the multi-column drop-down's window. A string grid with a header row
// drawn as a gradient, one row per item with typed columns (text or image), row selection drawn as
// the drop-down's selection, and grid lines of its own width. It never takes the focus: the keys
// typed while the window is open reach it through the window.
#include <functional>

#include "controls/dropdown/GxMultiColumnItems.h"
#include "platform/ui/Grids.h"

namespace ui {
class TImageList;
}

namespace dropdown {

class TGxMultiColumnDropDown;

namespace multicolumn {

class TGxColGrid : public ui::TStringGrid {
public:
    explicit TGxColGrid(ui::TComponent* AOwner);
    ~TGxColGrid() override;

    TGxMultiColumnDropDown* DropDown() const { return FDropDown; }
    void SetDropDown(TGxMultiColumnDropDown* Value) { FDropDown = Value; }
    TDropDownColumns* Columns() { return &FColumns; }
    void SetColumns(const TDropDownColumns& Value) { FColumns.Assign(Value); }
    ui::TFont* HeaderFont() { return &FHeaderFont; }
    void SetHeaderFont(const ui::TFont& Value) { FHeaderFont.Assign(Value); }
    // The width of the lines the grid draws itself; the base grid draws none.
    int LineWidth() const { return FLineWidth; }
    void SetLineWidth(int Value);
    ui::TImageList* Images() const { return FImages; }
    void SetImages(ui::TImageList* Value);

    ui::TColor LineColor = 0x808080;
    ui::TColor FixedLineColor = 0;
    ui::TColor HeaderColor = 0xFFFFFF;
    ui::TColor HeaderColorTo = 0x808080;
    int HeaderHeight = 25;
    // Set by a press or a key in the grid, cleared by the wheel: closing takes the grid's row.
    bool ConfirmSelection = false;
    // Set while the wheel moves the row: the edit does not follow.
    bool WheelSelection = false;
    int PressRow = -1;

    // Loads the drop-down's columns, items and looks; sizes columns and rows.
    void ReadDropDownSettings();
    void AutoSizeColumns();
    void AutoSizeRows();
    // The width that shows every column (and a vertical scroll bar when not all rows fit).
    int GetNeededWidth() const;
    ui::TRect FullCellRect(int ACol, int ARow) const;
    virtual void DoSelect();

    void DrawCell(int ACol, int ARow, const ui::TRect& ARect, ui::TGridDrawState AState) override;
    void SetFocus() override {}

    ui::TNotifyEvent OnSelect;

protected:
    void KeyDown(unsigned& Key, ui::TShiftState Shift) override;
    void MouseDown(ui::TMouseButton Button, ui::TShiftState Shift, int X, int Y) override;
    void MouseUp(ui::TMouseButton Button, ui::TShiftState Shift, int X, int Y) override;
    bool DoMouseWheel(ui::TShiftState Shift, int WheelDelta, ui::TPoint MousePos) override;
    unsigned WantKeys() const override;
    void Notification(ui::TComponent* AComponent, ui::TOperation Operation) override;

private:
    void AutoSizeColumn(int Index);
    bool InDropDownWindow() const;

    TGxMultiColumnDropDown* FDropDown = nullptr;
    TDropDownColumns FColumns;
    ui::TFont FHeaderFont;
    int FLineWidth = 1;
    ui::TImageList* FImages = nullptr;
};

}  // namespace multicolumn
}  // namespace dropdown
