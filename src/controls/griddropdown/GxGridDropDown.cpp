// The grid drop-down: settings, the entry and its stepping, filling, opening, sizing and closing
// the list, and the look presets.
#include "controls/griddropdown/GxGridDropDown.h"

#include <algorithm>

#include "controls/dropdown/GxDropDownForm.h"
#include "grid/base/GridSettings.h"

namespace dropdown {

using namespace ui;

namespace {

// What a look preset gives the list. clNone leaves a colour as it is.
struct TListPreset {
    gx::TGxStyle Style;
    TColor Header, HeaderTo, HeaderFont;
    TSelectionColorStyle Selection;
    TColor SelectionText, Line, FixedLine;
};

constexpr TSelectionColorStyle kOffice = TSelectionColorStyle::scOffice2007;
constexpr TSelectionColorStyle kCustom = TSelectionColorStyle::scCustom;

constexpr TListPreset kPresets[] = {
    {gx::TGxStyle::tsOffice2003Blue, 0xD68759, 0x933803, 0xFFFFFF, kOffice, 0, 0x962D00, 0x962D00},
    {gx::TGxStyle::tsOffice2003Silver, 0xBDA4A5, 0x957475, clNone, kOffice, 0, 0x947C7C, 0x947C7C},
    {gx::TGxStyle::tsOffice2003Olive, 0x82C0AF, 0x447A63, clNone, kOffice, 0, 0x588060, 0x588060},
    {gx::TGxStyle::tsOffice2003Classic, 0x808080, 0x808080, clNone, kOffice, 0, 0x808080, 0x808080},
    {gx::TGxStyle::tsOffice2007Luna, 0xFFEFE3, 0xFFD2AF, 0x723708, kOffice, 0, 0xFFD2AF, 0xFFD2AF},
    {gx::TGxStyle::tsOffice2007Obsidian, 0xF2F1F0, 0xC9C2BD, 0x433C37, kOffice, 0, 0x5C534C, 0x5C534C},
    {gx::TGxStyle::tsWindowsXP, clBtnFace, clBtnFace, 0, kCustom, clHighlightText, 0xC0C0C0, 0},
    {gx::TGxStyle::tsWhidbey, 0xEBEEEF, 0x7E9898, 0xFFFFFF, kOffice, 0, 0x962D00, 0x962D00},
    {gx::TGxStyle::tsOffice2007Silver, 0xF8F7F6, 0xE8E0DB, 0x8B4215, kOffice, 0, 0x74706F, 0x74706F},
    {gx::TGxStyle::tsWindowsVista, 0xFFFDF9, 0xFFFAF0, 0, TSelectionColorStyle::scWindowsVista, 0, 0xFCF2DA, 0xFCF2DA},
    {gx::TGxStyle::tsWindows7, 0xFDFBFA, 0xFDF3EB, 0, TSelectionColorStyle::scWindows7, 0, 0xFBD6B8, 0xFBD6B8},
    {gx::TGxStyle::tsTerminal, clBtnFace, clBtnFace, 0, kCustom, clHighlightText, 0x808080, 0x808080},
};

}  // namespace

TCustomGxGridDropDown::TCustomGxGridDropDown(TComponent* AOwner)
    : TGxCustomDropDown(AOwner),
      FBands(std::make_unique<gx::TBands>()),
      FMouseActions(std::make_unique<gx::TMouseActions>(this)),
      FNavigation(std::make_unique<gx::TNavigation>()),
      FSearchFooter(std::make_unique<gx::TSearchFooter>(this, (ComponentState() & csDesigning) != 0))
{
    FHeaderFont.Assign(*Font());
    FHeaderFont.SetColor(0x723708);
    FNavigation->SetHomeEndKey(gx::heFirstLastRow);
    SetDropDownColor(0xFFFFFF);
    SetDropDownHeight(200);
    SetAutoSelect(true);
    SetSelectionColorStyle(TSelectionColorStyle::scOffice2007);
    if (!(ComponentState() & csDesigning))
        CreateDropDownForm();
    SetDropDownEnabled(true);
}

TCustomGxGridDropDown::~TCustomGxGridDropDown()
{
    MarkDestroying();
}

void TCustomGxGridDropDown::Notification(TComponent* AComponent, TOperation Operation)
{
    TGxCustomDropDown::Notification(AComponent, Operation);
    if (Operation == TOperation::opRemove && AComponent == FGrid)
        FGrid = nullptr;
}

void TCustomGxGridDropDown::Loaded()
{
    TGxCustomDropDown::Loaded();
    RebuildLookupList();
    if (FGrid)
        FGrid->LoadItems();
}

void TCustomGxGridDropDown::SetStyle(TDropDownStyle Value)
{
    FStyle = Value;
    SetEditorEnabled(Value == TDropDownStyle::dsDropDown);
}

// --- the entry ---

int TCustomGxGridDropDown::GetEntryCount() const
{
    if (FUseItems)
        return FItems.Count();
    return FGrid ? FGrid->RowCount() - FGrid->FixedRows() : 0;
}

void TCustomGxGridDropDown::SetItemIndex(int Value)
{
    if (FUseItems) {
        if (Value >= FItems.Count())
            return;
        FItemIndex = Value;
        const griddrop::TDropDownItem* item = Value >= 0 && FLookupColumn >= 0 ? FItems.GetItem(Value) : nullptr;
        SetText(item && item->HasColumn(FLookupColumn) ? item->ColumnText(FLookupColumn) : std::string());
        return;
    }
    if (!FGrid) {
        FItemIndex = Value;
        return;
    }
    if (Value == FItemIndex || Value >= FGrid->RowCount() - 1)
        return;
    FItemIndex = Value;
    SetText(Value < 0 ? std::string() : FGrid->Cells(FLookupColumn, Value + 1));
}

void TCustomGxGridDropDown::StepTo(int Target)
{
    if (GetEntryCount() > 0)
        SetItemIndex(Target);
}

void TCustomGxGridDropDown::SelectFirst()
{
    StepTo(0);
}

void TCustomGxGridDropDown::SelectLast()
{
    StepTo(GetEntryCount() - 1);
}

void TCustomGxGridDropDown::SelectNext()
{
    const int n = GetEntryCount();
    if (n > 0 && (FItemIndex < 0 || FItemIndex + 1 < n))
        SetItemIndex(FItemIndex < 0 ? 0 : FItemIndex + 1);
}

void TCustomGxGridDropDown::SelectPrevious()
{
    if (GetEntryCount() > 0 && (FItemIndex < 0 || FItemIndex > 0))
        SetItemIndex(FItemIndex < 0 ? 0 : FItemIndex - 1);
}

void TCustomGxGridDropDown::SelectNextPage()
{
    const int n = GetEntryCount();
    if (n > 0)
        SetItemIndex(FItemIndex < 0 ? 0 : std::min(FItemIndex + 10, n - 1));
}

void TCustomGxGridDropDown::SelectPreviousPage()
{
    if (GetEntryCount() > 0)
        SetItemIndex(std::max(FItemIndex - 10, 0));
}

void TCustomGxGridDropDown::HandleMouseWheelDown()
{
    TGxCustomDropDown::HandleMouseWheelDown();
    SelectNext();
}

void TCustomGxGridDropDown::HandleMouseWheelUp()
{
    TGxCustomDropDown::HandleMouseWheelUp();
    SelectPrevious();
}

// --- the list: filling, opening, sizing, closing ---

void TCustomGxGridDropDown::CreateDropDownForm()
{
    TGxCustomDropDown::CreateDropDownForm();
    if (!DropDownForm() || FGrid)
        return;
    FGrid = new griddrop::TGxColGrid(this);
    FGrid->SetParent(DropDownForm());
    FGrid->SetGxDropDown(this);
    FGrid->SetBounds(0, 0, FGrid->Width(), 180);
    FGrid->SetColor(DropDownColor());
    FGrid->Navigation()->SetHomeEndKey(gx::heFirstLastRow);
}

void TCustomGxGridDropDown::PlaceDropDownControl()
{
    SetControl(FGrid);
    SetFocusControl(FGrid);
    TGxCustomDropDown::PlaceDropDownControl();
}

void TCustomGxGridDropDown::DoBeforeDropDown()
{
    if (DropDownForm())
        DropDownForm()->CancelOnDeActivate = false;
    if (FGrid) {
        FGrid->ReadDropDownSettings(*this);
        FGrid->SetColor(DropDownColor());
        FGrid->OnSelect = [this](TObject*) { GridSelect(); };
        FGrid->OnSelectCell = [this](TObject*, int, int ARow, bool&) { GridSelectCell(ARow); };
        FBalloonPrepared = false;
        BindGridEvents();
        FGrid->SearchFooter()->Assign(FSearchFooter.get());
        FGrid->MouseActions()->Assign(FMouseActions.get());
        FGrid->Navigation()->Assign(FNavigation.get());
        FGrid->Bands()->Assign(FBands.get());
        TGridOptions options = FGrid->Options() | goThumbTracking;
        options = FRowSelect ? options | goRowSelect : options & ~goRowSelect;
        options = FGridEditable ? options | goEditing : options & ~goEditing;
        FGrid->SetOptions(options);
        FGrid->ConfirmSelection = false;
        if (FUseItems) {
            TGxCustomDropDown::DoBeforeDropDown();
            const int index = FItemIndex;
            FGrid->SetRowCount(FItems.Count() + 1);
            FGrid->SetFixedRows(1);
            FGrid->LoadItems();
            const int row = FGrid->ItemToRow(index);
            if (row >= FGrid->FixedRows() && row < FGrid->RowCount())
                FGrid->GoToRow(row);
            FItemIndex = index;
        } else {
            std::string text;
            int row = -1;
            FGrid->GoToRow(FindLookupText(Text(), text, row) ? row : FGrid->FixedRows());
        }
    }
    FOldItemIndex = FItemIndex;
    if (!FUseItems || !FGrid)
        TGxCustomDropDown::DoBeforeDropDown();
}

void TCustomGxGridDropDown::BindGridEvents()
{
    const auto pass = [](auto& event) {
        return [&event](auto&&... args) {
            if (event)
                event(std::forward<decltype(args)>(args)...);
        };
    };
    // A handler that may show a window of its own keeps the list open meanwhile.
    const auto keepOpen = [this](auto& event) {
        return [this, &event](auto&&... args) {
            if (!event)
                return;
            if (DropDownForm())
                DropDownForm()->BlockActivate = true;
            event(std::forward<decltype(args)>(args)...);
            if (DropDownForm())
                DropDownForm()->BlockActivate = false;
        };
    };
    gx::TGxStringGrid& g = *FGrid;
    g.OnAnchorClick = keepOpen(OnGridAnchorClick);
    g.OnAnchorEnter = pass(OnGridAnchorEnter);
    g.OnAnchorExit = pass(OnGridAnchorExit);
    g.OnAnchorHint = pass(OnGridAnchorHint);
    g.OnButtonClick = keepOpen(OnGridButtonClick);
    g.OnColumnSize = pass(OnGridColumnSize);
    g.OnColumnSizing = pass(OnGridColumnSizing);
    g.OnEndColumnSize = pass(OnGridEndColumnSize);
    g.OnRowSize = pass(OnGridRowSize);
    g.OnRowSizing = pass(OnGridRowSizing);
    g.OnEndRowSize = pass(OnGridEndRowSize);
    g.OnRowMove = pass(OnGridRowMove);
    g.OnRowMoving = pass(OnGridRowMoving);
    g.OnRowMoved = pass(OnGridRowMoved);
    g.OnColumnMove = pass(OnGridColumnMove);
    g.OnColumnMoving = pass(OnGridColumnMoving);
    g.OnColumnMoved = pass(OnGridColumnMoved);
    if (OnGridCustomCellDraw)
        g.OnCustomCellDraw = pass(OnGridCustomCellDraw);
    if (OnGridCustomCellBkgDraw)
        g.OnCustomCellBkgDraw = pass(OnGridCustomCellBkgDraw);
    g.OnCellBalloon = pass(OnGridCellBalloon);
    // The column's colour and alignment first; the program's handler may change them.
    g.OnGetAlignment = [this](TObject* Sender, int ARow, int ACol, gx::THAlignment& HAlign, gx::TVAlignment& VAlign) {
        if (const griddrop::TDropDownColumn* column = FColumns.GetItem(ACol))
            HAlign = column->Alignment;
        if (OnGridGetAlignment)
            OnGridGetAlignment(Sender, ARow, ACol, HAlign, VAlign);
    };
    g.OnGetCellColor = [this](TObject* Sender, int ARow, int ACol, TGridDrawState AState, TBrush* ABrush,
                              TFont* AFont) {
        if (const griddrop::TDropDownColumn* column = FColumns.GetItem(ACol))
            ABrush->SetColor(column->Color);
        if (OnGridGetCellColor)
            OnGridGetCellColor(Sender, ARow, ACol, AState, ABrush, AFont);
    };
    g.OnGetCellGradient = pass(OnGridGetCellGradient);
    g.OnGetFloatFormat = [this](TObject* Sender, int ACol, int ARow, bool& IsFloat, std::string& FloatFormat) {
        FloatFormat.clear();
        if (OnGridGetFloatFormat)
            OnGridGetFloatFormat(Sender, ACol, ARow, IsFloat, FloatFormat);
    };
    g.OnGetEditorType = pass(OnGridGetEditorType);
    g.OnCanEditCell = pass(OnGridCanEditCell);
    g.OnEllipsClick = keepOpen(OnGridEllipsClick);
    g.OnGetDisplText = pass(OnGridGetDiplText);
    g.OnGetFormat = pass(OnGridGetFormat);
    g.OnGridHint = pass(OnGridHint);
    // The list's window is made anew at each opening: its balloons are set up anew with it.
    g.OnMouseMove = [this](TObject* Sender, ui::TShiftState Shift, int X, int Y) {
        if (!FBalloonPrepared) {
            FBalloonPrepared = true;
            if (FGrid->Balloon()->Enable()) {
                FGrid->Balloon()->SetEnable(false);
                FGrid->Balloon()->SetEnable(true);
            }
        }
        if (OnGridMouseMove)
            OnGridMouseMove(Sender, Shift, X, Y);
    };
    g.OnMouseDown = pass(OnGridMouseDown);
    g.OnMouseUp = pass(OnGridMouseUp);
    g.OnRightClickCell = pass(OnGridRightClickCell);
    g.OnScrollHint = pass(OnGridScrollHint);
    g.OnTopLeftChanged = [this](TObject*) {
        if (OnGridTopLeftChanged)
            OnGridTopLeftChanged(this);
    };
    g.OnSearchEditChange = pass(OnGridSearchEditChange);
    g.OnAutoAddRow = pass(OnGridAutoAddRow);
    g.OnAutoInsertRow = pass(OnGridAutoInsertRow);
    g.OnAutoInsertCol = pass(OnGridAutoInsertCol);
    g.OnAutoDeleteRow = pass(OnGridAutoDeleteRow);
    g.OnCanAddRow = pass(OnGridCanAddRow);
    g.OnCanInsertRow = pass(OnGridCanInsertRow);
    g.OnCanDeleteRow = pass(OnGridCanDeleteRow);
    g.OnCheckBoxClick = pass(OnGridCheckBoxClick);
}

void TCustomGxGridDropDown::DoShowDropDown()
{
    TGxCustomDropDown::DoShowDropDown();
    if (!FGrid)
        return;
    if (!FUseItems)
        while (FColumns.Count() < FGrid->ColCount())
            FColumns.Add();
    if (!DroppedDown())
        return;
    SizeColumnsToDropDown();
    FGrid->SetLeftCol(0);
    if (FGrid->VisibleRowCount() + FGrid->FixedRows() < FGrid->RowCount()) {
        if (FGrid->VisibleRowCount() + FGrid->TopRow() < FGrid->Row())
            FGrid->SetTopRow(FGrid->Row());
        if (FGrid->Row() < FGrid->TopRow())
            FGrid->SetTopRow(FGrid->Row());
    }
    FSelectedRow = FGrid->Row();
}

void TCustomGxGridDropDown::AdjustDropDownHeight(int& Height)
{
    if (FDropDownRowHeight <= 0)
        return;  // no whole rows to snap to
    int bars = 0;
    if (DropDownHeader()->Visible())
        bars += DropDownHeader()->Height;
    if (DropDownFooter()->Visible())
        bars += DropDownFooter()->Height;
    const int rows = (Height - bars - FHeaderHeight - 2) / FDropDownRowHeight;
    Height = bars + FHeaderHeight + 2 + rows * FDropDownRowHeight + 4;
}

void TCustomGxGridDropDown::UpdateDropDownSize()
{
    TGxCustomDropDown::UpdateDropDownSize();
    if (!FDropDownAutoWidth || !FGrid || !DropDownForm())
        return;
    FGrid->SetAlign(TAlign::alNone);
    FGrid->SetWidth(FGrid->GetNeededWidth());
    DropDownForm()->SetWidth(FGrid->Width() + 2 * DropDownBorderWidth());
    FGrid->SetAlign(TAlign::alClient);
}

void TCustomGxGridDropDown::DropDownFormSizing()
{
    TGxCustomDropDown::DropDownFormSizing();
    SizeColumnsToDropDown();
}

void TCustomGxGridDropDown::SizeColumnsToDropDown()
{
    if (!FColumnSizeWithDropDown || !FGrid || !DropDownForm() || FColumns.Count() == 0)
        return;
    FGrid->SetScrollBars(TScrollStyle::ssVertical);
    int available = DropDownForm()->Width();
    if (FGrid->VisibleRowCount() < FGrid->RowCount() - FGrid->FixedRows())
        available -= TWinControl::ScrollBarSize;
    std::vector<int> widths;
    for (int i = 0; i < FColumns.Count(); ++i)
        widths.push_back(FColumns.GetItem(i)->Width);
    const std::vector<int> fitted = multicolumn::FitColumnWidths(widths, available);
    for (int i = 0; i < FGrid->ColCount() && i < static_cast<int>(fitted.size()); ++i)
        FGrid->SetColWidths(i, fitted[static_cast<std::size_t>(i)]);
}

void TCustomGxGridDropDown::GridSelectCell(int ARow)
{
    FSelectedRow = ARow;
    if (!FGrid || FGrid->WheelSelection || FSearching || ARow < FGrid->FixedRows())
        return;
    if (FUseItems) {
        SetItemIndex(FGrid->RowToItem(ARow));
    } else {
        SetText(FGrid->Cells(FLookupColumn, ARow));
        FItemIndex = ARow - FGrid->FixedRows();
    }
}

void TCustomGxGridDropDown::GridSelect()
{
    if (!FGrid)
        return;
    if (FGrid->ConfirmSelection && GetEntryCount() > 0) {
        if (FUseItems)
            SetItemIndex(FGrid->RowToItem(FGrid->Row()));
        else
            SetItemIndex(FGrid->Row() - 1);
    }
    if (!FGridEditable)
        DoHideDropDown(false);
    if (OnSelect)
        OnSelect(this);
}

void TCustomGxGridDropDown::DoHideDropDown(bool Cancelled)
{
    if (DroppedDown() && FGrid) {
        if (Cancelled) {
            if (FOldItemIndex >= 0)
                SetItemIndex(FOldItemIndex);
            else
                FItemIndex = FOldItemIndex;  // the base brings back the text of the opening
        } else {
            if (FGrid->ConfirmSelection && GetEntryCount() > 0 && FSelectedRow >= FGrid->FixedRows()) {
                if (FUseItems)
                    SetItemIndex(FGrid->RowToItem(FSelectedRow));
                else
                    SetItemIndex(FSelectedRow - FGrid->FixedRows());
            }
            FOldItemIndex = FItemIndex;
        }
        FGrid->ConfirmSelection = false;
    }
    TGxCustomDropDown::DoHideDropDown(Cancelled);
}

// --- looks ---

void TCustomGxGridDropDown::SetSelectionColorStyle(TSelectionColorStyle Value)
{
    if (Value == TSelectionColorStyle::scOffice2007) {
        FLineColor = 0xF1EDEB;
        FFixedLineColor = 0xD1BBA4;
    } else if (Value == TSelectionColorStyle::scWindowsVista || Value == TSelectionColorStyle::scWindows7) {
        FLineColor = 0xECECF0;
        FFixedLineColor = 0xD4D2D1;
    }
    TGxCustomDropDown::SetSelectionColorStyle(Value);
}

void TCustomGxGridDropDown::SetComponentStyle(gx::TGxStyle AStyle)
{
    TGxCustomDropDown::SetComponentStyle(AStyle);
    for (const TListPreset& p : kPresets) {
        if (p.Style != AStyle)
            continue;
        FHeaderColor = p.Header;
        FHeaderColorTo = p.HeaderTo;
        if (p.HeaderFont != clNone)
            FHeaderFont.SetColor(p.HeaderFont);
        SetSelectionColorStyle(p.Selection);
        if (p.Selection == kCustom) {
            SetSelectionColor(clHighlight);
            SetSelectionColorTo(clHighlight);
        }
        FSelectionTextColor = p.SelectionText;
        FLineColor = p.Line;
        FFixedLineColor = p.FixedLine;
        return;
    }
}

}  // namespace dropdown
