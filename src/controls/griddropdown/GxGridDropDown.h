#pragma once
// TCustomGxGridDropDown: a drop-down whose window holds a string grid. The grid is filled from the
// control's columns and items at each opening (UseItems) or by the program. The edit shows the
// lookup column of the chosen entry; typing completes the text from the items, typing in the open
// list looks the lookup column up, and the arrow and page keys step through the entries without
// opening the list. Entry n is grid row n + 1 (row 0 is the header).
#include <memory>
#include <string>
#include <vector>

#include "controls/dropdown/GxDropDown.h"
#include "controls/griddropdown/GxGridDropDownList.h"

namespace gx {
class TBands;
class TMouseActions;
class TNavigation;
class TSearchFooter;
}  // namespace gx

namespace dropdown {

enum class TLookupMethod { lmLookup, lmNarrowDown, lmNone };
enum class TDropDownStyle { dsDropDown, dsDropDownList };
enum class TGridSorting { gsNone, gsSingleColumn, gsMultiColumn };

using TGridDropDownKeyEvent = std::function<void(ui::TObject* Sender, unsigned& Key, ui::TShiftState Shift)>;
using TGridDropDownKeyPressEvent = std::function<void(ui::TObject* Sender, char32_t& Key)>;

class TCustomGxGridDropDown : public TGxCustomDropDown {
public:
    explicit TCustomGxGridDropDown(ui::TComponent* AOwner);
    ~TCustomGxGridDropDown() override;

    unsigned GetVersionNr() const override { return 0x06000101; }

    // --- the list ---
    griddrop::TDropDownColumns* Columns() { return &FColumns; }
    griddrop::TDropDownItems* Items() { return &FItems; }
    const griddrop::TDropDownItems* Items() const { return &FItems; }
    griddrop::TGxColGrid* GetGrid() const { return FGrid; }
    bool UseItems() const { return FUseItems; }
    void SetUseItems(bool Value) { FUseItems = Value; }
    int LookupColumn() const { return FLookupColumn; }
    void SetLookupColumn(int Value) { FLookupColumn = Value; }
    TLookupMethod LookupMethod() const { return FLookupMethod; }
    void SetLookupMethod(TLookupMethod Value) { FLookupMethod = Value; }
    TDropDownStyle Style() const { return FStyle; }
    // Only dsDropDown lets text be typed.
    void SetStyle(TDropDownStyle Value);
    TGridSorting Sorting() const { return FSorting; }
    void SetSorting(TGridSorting Value) { FSorting = Value; }
    bool CaseSensitive() const { return FCaseSensitive; }
    void SetCaseSensitive(bool Value) { FCaseSensitive = Value; }
    bool MatchCase() const { return FMatchCase; }
    void SetMatchCase(bool Value) { FMatchCase = Value; }
    bool AutoShowDropDown() const { return FAutoShowDropDown; }
    void SetAutoShowDropDown(bool Value) { FAutoShowDropDown = Value; }
    bool GridEditable() const { return FGridEditable; }
    void SetGridEditable(bool Value) { FGridEditable = Value; }
    bool RowSelect() const { return FRowSelect; }
    void SetRowSelect(bool Value) { FRowSelect = Value; }
    bool GridReturnIsTab() const { return FReturnIsTab; }
    void SetGridReturnIsTab(bool Value) { FReturnIsTab = Value; }

    // --- sizes and looks ---
    bool AutoSizeColumns() const { return FAutoSizeColumns; }
    void SetAutoSizeColumns(bool Value) { FAutoSizeColumns = Value; }
    bool DropDownAutoWidth() const { return FDropDownAutoWidth; }
    void SetDropDownAutoWidth(bool Value) { FDropDownAutoWidth = Value; }
    int DropDownRowHeight() const { return FDropDownRowHeight; }
    void SetDropDownRowHeight(int Value) { FDropDownRowHeight = Value; }
    bool ColumnSizeWithDropDown() const { return FColumnSizeWithDropDown; }
    void SetColumnSizeWithDropDown(bool Value) { FColumnSizeWithDropDown = Value; }
    bool ColumnSizing = false;
    bool ColumnMoving = false;
    bool RowSizing = false;
    bool RowMoving = false;
    ui::TColor LineColor() const { return FLineColor; }
    void SetLineColor(ui::TColor Value) { FLineColor = Value; }
    ui::TColor FixedLineColor() const { return FFixedLineColor; }
    void SetFixedLineColor(ui::TColor Value) { FFixedLineColor = Value; }
    ui::TColor HeaderColor() const { return FHeaderColor; }
    void SetHeaderColor(ui::TColor Value) { FHeaderColor = Value; }
    ui::TColor HeaderColorTo() const { return FHeaderColorTo; }
    void SetHeaderColorTo(ui::TColor Value) { FHeaderColorTo = Value; }
    int HeaderHeight() const { return FHeaderHeight; }
    void SetHeaderHeight(int Value) { FHeaderHeight = Value; }
    ui::TFont* HeaderFont() { return &FHeaderFont; }
    ui::TColor SelectionTextColor() const { return FSelectionTextColor; }
    bool HoverRow = false;
    ui::TColor HoverRowColor = 0xFF000018;
    ui::TColor HoverRowColorTo = ui::clNone;
    gx::TBands* Bands() const { return FBands.get(); }
    gx::TMouseActions* MouseActions() const { return FMouseActions.get(); }
    gx::TNavigation* Navigation() const { return FNavigation.get(); }
    gx::TSearchFooter* SearchFooter() const { return FSearchFooter.get(); }

    // --- the entry ---
    int ItemIndex() const { return FItemIndex; }
    void SetItemIndex(int Value);
    int GetEntryCount() const;
    int RowCount() const { return GetEntryCount(); }
    void SelectFirst();
    void SelectLast();
    void SelectNext();
    void SelectPrevious();
    void SelectNextPage();
    void SelectPreviousPage();
    // The first entry whose lookup text starts with S (case-insensitive unless CaseSensitive): its
    // text as stored and its item index (with items) or grid row (without).
    bool FindLookupText(const std::string& S, std::string& Text, int& Position) const;
    // Narrows the open list to the rows containing the trimmed lookup entry (all rows when it is
    // empty) and shows the first one's text; returns the first data row.
    int Narrow();
    // The typed characters of the running look-up.
    const std::string& LookupEntry() const { return FLookupEntry; }
    void BeginUpdate() {}
    void EndUpdate() { RebuildLookupList(); }

    void SetSelectionColorStyle(TSelectionColorStyle Value) override;
    void SetComponentStyle(gx::TGxStyle AStyle) override;
    void DoShowDropDown() override;
    void DoHideDropDown(bool Cancelled) override;

    ui::TNotifyEvent OnSelect;
    TGridDropDownKeyEvent OnGridKeyDown;
    TGridDropDownKeyEvent OnGridKeyUp;
    TGridDropDownKeyPressEvent OnGridKeyPress;
    ui::TNotifyEvent OnGridTopLeftChanged;
    gx::TGridColorEvent OnGridGetCellColor;
    gx::TGridAlignEvent OnGridGetAlignment;
    // The inner grid's events passed on (Sender: the inner grid).
    gx::TButtonClickEvent OnGridButtonClick;
    gx::TCanEditCellEvent OnGridCanEditCell;
    gx::TGridHintEvent OnGridHint;
    gx::TGridFormatEvent OnGridGetFormat;
    gx::TGetEditorTypeEvent OnGridGetEditorType;
    gx::TCanAddRowEvent OnGridCanAddRow;
    gx::TCanInsertRowEvent OnGridCanInsertRow;
    ui::TMouseEvent OnGridMouseDown;
    ui::TMouseEvent OnGridMouseUp;
    ui::TMouseMoveEvent OnGridMouseMove;

protected:
    void Loaded() override;
    void CreateDropDownForm() override;
    void DoBeforeDropDown() override;
    void AdjustDropDownHeight(int& Height) override;
    void PlaceDropDownControl() override;
    void UpdateDropDownSize() override;
    void DropDownFormSizing() override;
    void ControlKeyDown(unsigned& Key, ui::TShiftState Shift) override;
    void ControlKeyUp(unsigned& Key, ui::TShiftState Shift) override;
    void ControlKeyPress(char32_t& Key) override;
    void HandleMouseWheelDown() override;
    void HandleMouseWheelUp() override;
    void KeyDown(unsigned& Key, ui::TShiftState Shift) override;
    void KeyPress(char32_t& Key) override;
    void KeyUp(unsigned& Key, ui::TShiftState Shift) override;
    void Change() override;
    void DoEnter() override;
    void Notification(ui::TComponent* AComponent, ui::TOperation Operation) override;

private:
    friend class griddrop::TGxColGrid;
    // (GxGridDropDown.cpp)
    void SizeColumnsToDropDown();
    void GridSelectCell(int ARow);
    void GridSelect();
    void StepTo(int Target);
    void BindGridEvents();
    // (GxGridDropDownSearch.cpp)
    void RebuildLookupList();
    int LookupKey(char32_t Ch);
    void ShowFound(const std::string& Text, int Position, bool Select);
    std::string MatchCaseText(const std::string& S) const;
    int LookupListIndex(const std::string& S) const;
    void HandleKeyDown(unsigned& Key, ui::TShiftState Shift);

    griddrop::TDropDownColumns FColumns;
    griddrop::TDropDownItems FItems;
    griddrop::TGxColGrid* FGrid = nullptr;
    bool FUseItems = true;
    int FLookupColumn = 0;
    TLookupMethod FLookupMethod = TLookupMethod::lmLookup;
    TDropDownStyle FStyle = TDropDownStyle::dsDropDown;
    TGridSorting FSorting = TGridSorting::gsNone;
    bool FCaseSensitive = false;
    bool FMatchCase = false;
    bool FAutoShowDropDown = false;
    bool FGridEditable = false;
    bool FRowSelect = true;
    bool FReturnIsTab = false;
    bool FAutoSizeColumns = true;
    bool FDropDownAutoWidth = true;
    int FDropDownRowHeight = 22;
    bool FColumnSizeWithDropDown = true;
    ui::TColor FLineColor = 0xC0C0C0;
    ui::TColor FFixedLineColor = 0;
    ui::TColor FHeaderColor = 0xFFFFFF;
    ui::TColor FHeaderColorTo = 0x808080;
    int FHeaderHeight = 25;
    ui::TFont FHeaderFont;
    ui::TColor FSelectionTextColor = 0;
    std::unique_ptr<gx::TBands> FBands;
    std::unique_ptr<gx::TMouseActions> FMouseActions;
    std::unique_ptr<gx::TNavigation> FNavigation;
    std::unique_ptr<gx::TSearchFooter> FSearchFooter;

    int FItemIndex = -1;
    int FOldItemIndex = -1;
    int FSelectedRow = -1;
    std::vector<std::string> FLookup;
    std::string FLookupEntry;
    bool FSearching = false;  // the look-up moves the grid row itself: the edit does not follow
    bool FWorkMode = true;
    bool FCompleting = false;
    bool FCompleted = false;
    int FCompletedIndex = -1;
    int FCompletedLength = 0;
};

}  // namespace dropdown
