#pragma once
// TGxMultiColumnDropDown: a choice from a table. The window shows a header row and one row per
// item with typed columns; the lookup column gives the text the edit shows. Typing in the edit
// completes the text with the first lookup text that starts with it; typed characters in the open
// table search it; arrows, page keys and the wheel move the selection.
#include <functional>
#include <string>
#include <vector>

#include "controls/dropdown/GxDropDown.h"
#include "controls/dropdown/GxMultiColumnItems.h"

namespace dropdown {

namespace multicolumn {
class TGxColGrid;
}

// Replaces the whole drawing of a cell of the open table.
using TDropDownDrawCellEvent =
    std::function<void(ui::TObject* Sender, int Column, int Row, ui::TCanvas& Canvas, const ui::TRect& Rect)>;
// May change the text of a cell before it is drawn.
using TGetCellTextEvent = std::function<void(ui::TObject* Sender, int Column, int Row, std::string& Text)>;

class TGxMultiColumnDropDown : public TGxCustomDropDown {
public:
    explicit TGxMultiColumnDropDown(ui::TComponent* AOwner);
    ~TGxMultiColumnDropDown() override;

    multicolumn::TDropDownColumns* Columns() { return &FColumns; }
    void SetColumns(const multicolumn::TDropDownColumns& Value) { FColumns.Assign(Value); }
    multicolumn::TDropDownItems* Items() { return &FItems; }
    const multicolumn::TDropDownItems* Items() const { return &FItems; }
    void SetItems(const multicolumn::TDropDownItems& Value) { FItems.Assign(Value); }
    int ItemIndex() const { return FItemIndex; }
    // Ignored at or above the item count; otherwise stored (a negative value too) and the text
    // becomes the item's lookup text (empty without one). No event.
    void SetItemIndex(int Value);
    // The first item whose lookup text equals Value exactly, else -1.
    int GetItemIndex(const std::string& Value) const;
    int LookupColumn() const { return FLookupColumn; }
    void SetLookupColumn(int Value) { FLookupColumn = Value; }
    int RowCount() const { return FItems.Count(); }
    // Completion reads the lookup texts as they were at the last EndUpdate (or loading).
    void BeginUpdate() {}
    void EndUpdate() { RebuildLookupList(); }

    bool CaseSensitive() const { return FCaseSensitive; }
    void SetCaseSensitive(bool Value) { FCaseSensitive = Value; }
    bool MatchCase() const { return FMatchCase; }
    void SetMatchCase(bool Value) { FMatchCase = Value; }
    bool DropDownAutoWidth() const { return FDropDownAutoWidth; }
    void SetDropDownAutoWidth(bool Value) { FDropDownAutoWidth = Value; }
    int DropDownRowHeight() const { return FDropDownRowHeight; }
    void SetDropDownRowHeight(int Value) { FDropDownRowHeight = Value; }
    bool ColumnSizing() const { return FColumnSizing; }
    void SetColumnSizing(bool Value) { FColumnSizing = Value; }
    bool ColumnSizeWithDropDown() const { return FColumnSizeWithDropDown; }
    void SetColumnSizeWithDropDown(bool Value) { FColumnSizeWithDropDown = Value; }
    ui::TColor HeaderColor() const { return FHeaderColor; }
    void SetHeaderColor(ui::TColor Value) { FHeaderColor = Value; }
    ui::TColor HeaderColorTo() const { return FHeaderColorTo; }
    void SetHeaderColorTo(ui::TColor Value) { FHeaderColorTo = Value; }
    int HeaderHeight() const { return FHeaderHeight; }
    void SetHeaderHeight(int Value) { FHeaderHeight = Value; }
    ui::TFont* HeaderFont() { return &FHeaderFont; }
    void SetHeaderFont(const ui::TFont& Value) { FHeaderFont.Assign(Value); }
    ui::TColor LineColor() const { return FLineColor; }
    void SetLineColor(ui::TColor Value) { FLineColor = Value; }
    ui::TColor FixedLineColor() const { return FFixedLineColor; }
    void SetFixedLineColor(ui::TColor Value) { FFixedLineColor = Value; }
    ui::TColor SelectionTextColor() const { return FSelectionTextColor; }
    void SetSelectionTextColor(ui::TColor Value) { FSelectionTextColor = Value; }
    multicolumn::TGxColGrid* Grid() const { return FGrid; }
    const std::string& SearchText() const { return FSearch; }

    // Copies the settings, columns, items and item index of another multi-column drop-down.
    void Assign(const TGxMultiColumnDropDown& Source);
    void SetComponentStyle(gx::TGxStyle AStyle) override;
    void SetSelectionColorStyle(TSelectionColorStyle Value) override;
    void DoShowDropDown() override;
    void DoHideDropDown(bool Cancelled) override;

    ui::TNotifyEvent OnSelect;
    TDropDownDrawCellEvent OnDropDownDrawItem;
    TGetCellTextEvent OnDropDownGetItemText;

protected:
    void Loaded() override;
    void CreateDropDownForm() override;
    void DoBeforeDropDown() override;
    void AdjustDropDownHeight(int& Height) override;
    void PlaceDropDownControl() override;
    void UpdateDropDownSize() override;
    void ControlKeyDown(unsigned& Key, ui::TShiftState Shift) override;
    void ControlKeyUp(unsigned& Key, ui::TShiftState Shift) override;
    void ControlKeyPress(char32_t& Key) override;
    void DropDownFormSizing() override;
    void HandleMouseWheelDown() override;
    void HandleMouseWheelUp() override;
    void KeyDown(unsigned& Key, ui::TShiftState Shift) override;
    void KeyPress(char32_t& Key) override;
    void KeyUp(unsigned& Key, ui::TShiftState Shift) override;
    void Change() override;
    void Notification(ui::TComponent* AComponent, ui::TOperation Operation) override;

private:
    std::string LookupText(int Index) const;
    void RebuildLookupList();
    std::string MatchCaseText(const std::string& S) const;
    void SizeColumnsToDropDown();
    void GridSelectCell(int ARow);
    void GridSelect();
    void HandleKeyDown(unsigned& Key, ui::TShiftState Shift);
    bool LookupKey(char32_t Key);
    bool FindLookupPrefix(const std::string& Search, bool Select);
    void Step(int Delta);
    void ShowRow(int ARow);

    multicolumn::TDropDownColumns FColumns;
    multicolumn::TDropDownItems FItems;
    int FItemIndex = -1;
    int FLookupColumn = 0;
    bool FCaseSensitive = false;
    bool FMatchCase = false;
    bool FDropDownAutoWidth = true;
    int FDropDownRowHeight = 22;
    bool FColumnSizing = false;
    bool FColumnSizeWithDropDown = true;
    ui::TColor FHeaderColor = 0xFFFFFF;
    ui::TColor FHeaderColorTo = 0x808080;
    int FHeaderHeight = 25;
    ui::TFont FHeaderFont;
    ui::TColor FLineColor = 0xC0C0C0;
    ui::TColor FFixedLineColor = 0;
    ui::TColor FSelectionTextColor = 0;
    multicolumn::TGxColGrid* FGrid = nullptr;
    std::vector<std::string> FLookup;
    int FOldItemIndex = -1;
    bool FPreparing = false;
    std::string FSearch;
    bool FWorkMode = true;
    bool FCompleted = false;
    bool FCompleting = false;
    bool FSearching = false;  // the list search moves the grid row itself: the edit does not follow
    int FCompletedIndex = -1;
    int FCompletedLength = 0;
};

}  // namespace dropdown
