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
    // The list's keys (Sender: the drop-down).
    TGridDropDownKeyEvent OnGridKeyDown;
    TGridDropDownKeyEvent OnGridKeyUp;
    TGridDropDownKeyPressEvent OnGridKeyPress;
    // The list scrolled (Sender: the drop-down).
    ui::TNotifyEvent OnGridTopLeftChanged;

    // The inner grid's events passed on with the grid's own arguments (Sender: the inner grid).
    // A link, a cell button or the ellipsis may open a window of its own: the list stays open
    // while their handlers run. The colour and alignment start from the column's settings, the
    // number format from an empty one. The cell drawing events are passed on only when assigned
    // at the opening.
    gx::TAnchorClickEvent OnGridAnchorClick;
    gx::TAnchorEvent OnGridAnchorEnter;
    gx::TAnchorEvent OnGridAnchorExit;
    gx::TAnchorHintEvent OnGridAnchorHint;
    gx::TButtonClickEvent OnGridButtonClick;
    gx::TColumnSizeEvent OnGridColumnSize;
    gx::TColumnSizingEvent OnGridColumnSizing;
    gx::TEndColumnSizeEvent OnGridEndColumnSize;
    gx::TRowSizeEvent OnGridRowSize;
    gx::TRowSizingEvent OnGridRowSizing;
    gx::TEndRowSizeEvent OnGridEndRowSize;
    decltype(gx::TGxStringGridEvents::OnRowMove) OnGridRowMove;
    decltype(gx::TGxStringGridEvents::OnRowMoving) OnGridRowMoving;
    ui::TMovedEvent OnGridRowMoved;
    decltype(gx::TGxStringGridEvents::OnColumnMove) OnGridColumnMove;
    decltype(gx::TGxStringGridEvents::OnColumnMoving) OnGridColumnMoving;
    ui::TMovedEvent OnGridColumnMoved;
    gx::TCustomCellDrawEvent OnGridCustomCellDraw;
    gx::TCustomCellDrawEvent OnGridCustomCellBkgDraw;
    gx::TGridBalloonEvent OnGridCellBalloon;
    gx::TGridAlignEvent OnGridGetAlignment;
    gx::TGridColorEvent OnGridGetCellColor;
    gx::TGridGradientEvent OnGridGetCellGradient;
    gx::TFloatFormatEvent OnGridGetFloatFormat;
    gx::TGetEditorTypeEvent OnGridGetEditorType;
    gx::TGetEditorPropEvent OnGridGetEditorProp;
    gx::TCanEditCellEvent OnGridCanEditCell;
    gx::TEllipsClickEvent OnGridEllipsClick;
    gx::TGetDisplTextEvent OnGridGetDiplText;
    gx::TGridFormatEvent OnGridGetFormat;
    gx::TGridHintEvent OnGridHint;
    ui::TMouseMoveEvent OnGridMouseMove;
    ui::TMouseEvent OnGridMouseDown;
    ui::TMouseEvent OnGridMouseUp;
    gx::TClickCellEvent OnGridRightClickCell;
    gx::TScrollHintEvent OnGridScrollHint;
    gx::TSearchEditChangeEvent OnGridSearchEditChange;
    gx::TAutoAddRowEvent OnGridAutoAddRow;
    gx::TAutoInsertRowEvent OnGridAutoInsertRow;
    gx::TAutoInsertColEvent OnGridAutoInsertCol;
    gx::TAutoDeleteRowEvent OnGridAutoDeleteRow;
    gx::TCanAddRowEvent OnGridCanAddRow;
    gx::TCanInsertRowEvent OnGridCanInsertRow;
    gx::TCanDeleteRowEvent OnGridCanDeleteRow;
    gx::TCheckBoxClickEvent OnGridCheckBoxClick;
    // Published with the others but never raised: the list keeps its entry through a header sort
    // itself, and compares and spins with the grid's own rules.
    gx::TCanSortEvent OnGridCanSort;
    gx::TClickSortEvent OnGridClickSort;
    decltype(gx::TGxStringGridEvents::OnCustomCompare) OnGridCustomCompare;
    decltype(gx::TGxStringGridEvents::OnRawCompare) OnGridRawCompare;
    gx::TSpinClickEvent OnGridSpinClick;

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
    // Passes the inner grid's events on as the OnGrid... events (every opening).
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
    bool FSearching = false;        // the look-up moves the grid row itself: the edit does not follow
    bool FBalloonPrepared = false;  // the list's balloons were set up anew since the opening
    bool FWorkMode = true;
    bool FCompleting = false;
    bool FCompleted = false;
    int FCompletedIndex = -1;
    int FCompletedLength = 0;
};

}  // namespace dropdown
