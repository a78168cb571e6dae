// TGxStringGrid: construction with every default and owned object, window creation, the loaded
// step, destruction, Assign, repainting, resizing and the owning form's resize chain.
#include "grid/stringgrid/GxGrid.h"

#include "grid/stringgrid/GxGridDropDownEditors.h"
#include "grid/stringgrid/GxGridInput.h"
#include "grid/stringgrid/GxGridModule.h"
#include "grid/stringgrid/GxGridPanels.h"
#include "platform/ui/Application.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Messages.h"

namespace gx {

namespace {

constexpr unsigned kGridTimerId = 111;
constexpr unsigned kGridTimerMs = 500;

}  // namespace

TGxStringGrid::TGxStringGrid(ui::TComponent* AOwner, IGridExtras& Extras) : TBaseGrid(AOwner), extras_(&Extras)
{
    GxGridInitialization();
    controlStyle_ |= ui::csAcceptsControls;
    input_ = std::make_unique<TGridInput>(*this);

    // Owned objects, in the order of their creation.
    footerPanel_ = new TFooterPanel(this);
    searchPanel_ = new TSearchPanel(this);
    searchPanel_->OnEditChange = [this](TObject*) { SearchEditChange(); };
    searchPanel_->OnBackwardClick = [this](TObject*) { SearchPrevClick(); };
    searchPanel_->OnForwardClick = [this](TObject*) { SearchNextClick(); };
    searchPanel_->OnExitClick = [this](TObject*) { SearchCloseClick(); };
    searchPanel_->OnHighlightClick = [this](TObject*) { SearchHighlightClick(); };
    focusHelper_ = std::make_unique<TFocusHelper>(this);
    searchFooter_ = std::make_unique<TSearchFooter>(this, false);
    searchFooter_->OnChange = [this](TObject*) { Invalidate(); };
    floatingFooter_ = std::make_unique<TFloatingFooter>(this);
    printSettings_ = std::make_unique<TPrintSettings>(this);
    htmlSettings_ = std::make_unique<THTMLSettings>();
    sortSettings_ = std::make_unique<TSortSettings>(this);
    dragDropSettings_ = std::make_unique<TDragDropSettings>(this);
    dragScrollOptions_ = std::make_unique<TDragScrollOptions>();
    fixedGradients_.fill(ui::clNone);
    fixedGradients_[TControlLook::kFrom] = 0xFFFFFF;
    fixedGradients_[TControlLook::kTo] = ui::ColorToRGB(ui::clBtnFace);
    fixedGradients_[TControlLook::kHoverFrom] = ui::clGray;
    fixedGradients_[TControlLook::kHoverTo] = ui::clWhite;
    fixedGradients_[TControlLook::kHoverBorder] = ui::clSilver;
    fixedGradients_[TControlLook::kDownFrom] = ui::clGray;
    fixedGradients_[TControlLook::kDownTo] = ui::clSilver;
    fixedGradients_[TControlLook::kDownBorder] = ui::clGray;
    controlLook_ = std::make_unique<TControlLook>(this);
    // The single border, over which the look paints its coloured ring.
    SetBorderStyle(ui::TBorderStyle::bsSingle);
    navigation_ = std::make_unique<TNavigation>();
    navigation_->OnChange = [this](TObject*) { NavigationChanged(); };
    columnSize_ = std::make_unique<TColumnSize>(this);
    bands_ = std::make_unique<TBands>();
    bands_->OnChange = [this](TObject*) { Invalidate(); };
    sizeWhileTyping_ = std::make_unique<TSizeWhileTyping>();
    mouseActions_ = std::make_unique<TMouseActions>(this);
    mouseActions_->OnChange = [this](TObject*) { MouseActionsChanged(); };
    mouseActions_->OnInvalidate = [this](TObject*) { RepaintWholeGrid(); };
    mouseActions_->OnIsDesigning = [this](TObject*, bool& designing) { QueryDesignMode(designing); };
    grouping_ = std::make_unique<TGrouping>();
    columnHeaders_.OnChange = [this](TObject*) {
        ColumnHeadersChanged();
        ShowColumnHeaders();
    };
    imageCache_ = std::make_unique<THTMLPictureCache>();
    origColSizes_ = std::make_unique<TIntList>(-1, -1);
    fixedFont_.SetName("Tahoma");
    fixedFont_.SetStyle(ui::fsBold);
    fixedFont_.OnChange = [this](TObject*) { Invalidate(); };
    activeCellFont_.SetStyle(ui::fsBold);
    activeCellFont_.OnChange = [this](TObject*) { Invalidate(); };
    rowHeaders_.OnChange = [this](TObject*) { ShowRowHeaders(); };
    sortIndexes_ = std::make_unique<TSortIndexList>();
    mergedColumns_ = std::make_unique<TIntList>(0, 0);
    mergedColumns_->OnChange = [this](TObject*, int, int) {
        for (int c = 0; c < TotalColCount(); ++c)
            SplitColumnCells(c);
        for (int i = 0; i < mergedColumns_->Count(); ++i)
            MergeColumnCells(mergedColumns_->GetInteger(i), i == 0);
    };
    backGround_ = std::make_unique<TBackGround>(this);
    controlList_ = std::make_unique<TControlList>();
    progressAppearance_ = std::make_unique<TGridProgressAppearance>();
    progressAppearance_->OnChange = [this](TObject*) { Invalidate(); };
    syncGrid_ = std::make_unique<TSyncGrid>(this);

    // Shape and size.
    SetRowCount(10);
    SetBounds(0, 0, 400, 250);
    filter_ = std::make_unique<TFilter>(this);
    balloon_ = std::make_unique<TBalloonSettings>();
    balloon_->OnEnableChange = [this](TObject*) { BalloonEnableChange(); };
    showModified_ = std::make_unique<TShowModified>();
    showModified_->OnChange = [this](TObject*) { Invalidate(); };
    SetAutoSize(false);

    // The owning form's resize event runs on through the grid's own handler.
    if (auto* form = dynamic_cast<ui::TCustomForm*>(AOwner)) {
        ownerForm_ = form;
        formResizeBefore_ = form->OnResize;
        form->OnResize = [this](TObject* Sender) { HandleFormResize(Sender); };
        formWidth_ = form->Width();
        formHeight_ = form->Height();
    }

    visibleCol_.fill(true);
    RebuildColumnMaps();
    SetDefaultRowHeight(22);
    fixedRowHeight_ = DefaultRowHeight();

    columnOrder_ = std::make_unique<TIntList>(0, 0);
    scratchGraphic_ = std::make_unique<TCellGraphic>();
    ignoreColumns_ = std::make_unique<TIntList>(-1, -1);
    filterDropDown_ = std::make_unique<TFilterDropDown>();
    filterDropDown_->OnChange = [this](TObject*) { Invalidate(); };
    filterDropList_ = new TDropList(this);
    filterDropList_->SetParent(this);
    filterDropList_->SetBounds(0, 0, 0, 0);
    filterDropList_->SetVisible(false);
    filterDropList_->OnSelect = [this](TObject*, int index) { FilterDropDownSelect(index); };
    filterCheckList_ = new TDropCheckList(this);
    filterCheckList_->SetParent(this);
    filterCheckList_->SetBounds(0, 0, 0, 0);
    filterCheckList_->SetVisible(false);
    filterCheckList_->OnSelect = [this](TObject*, int index) { ApplyFilterCheckList(index); };
    filterList_.Duplicates = rtl::dupIgnore;
    filterList_.SetSorted(true);

    // The windows shown on demand.
    focusWindow_ = new TGridFocusWindow(this);
    for (int i = 0; i < 4; ++i) {
        arrowWindows_[static_cast<std::size_t>(i)] = new TArrowWindow(this);
        arrowWindows_[static_cast<std::size_t>(i)]->Init(this, static_cast<TArrowDirection>(i));
    }
    headerDragButton_ = new THeaderDragButton(this);
    headerDragButton_->SetParent(this);
    headerDragButton_->SetEnabled(false);
    headerDragButton_->SetVisible(false);
    for (auto& bar : scrollBars_) {
        bar = new ui::TScrollBar(this);
        bar->SetVisible(false);
    }
    CreateEditorControls();
    restoreCursor_ = Cursor();
}

// Frees what the grid owns while it is still whole: the hidden rows' cells (their properties and
// graphics) go first; the cells in view go with the base grid.
TGxStringGrid::~TGxStringGrid()
{
    // The widths are stored before anything is taken down; a failed save is reported as an
    // exception of an event handler is (a destructor raises nothing).
    if (columnSize_->Save) {
        try {
            extras_->SaveColSizes(*this);
        } catch (const std::exception& e) {
            if (ui::TApplication* app = ui::GetApplication())
                app->HandleException(this, e);
        }
    }
    MarkDestroying();
    BalloonDone();
    HideFocusWindow();
    if (ownerForm_ && !ownerForm_->Destroying())
        ownerForm_->OnResize = formResizeBefore_;
    ClearTextOnly = false;
    SaveHiddenCells = false;
    std::vector<std::unique_ptr<TGridItem>> items = std::move(gridItems_);
    items.clear();
}

void TGxStringGrid::CreateWnd()
{
    if (Destroying())
        return;
    TBaseGrid::CreateWnd();
    if (columnSize_->Save)
        extras_->LoadColSizes(*this);
    if (!Parent())
        return;
    for (ui::TScrollBar* bar : scrollBars_) {
        bar->SetParent(this);
        bar->SetTabStop(false);
    }
    footerPanel_->SetParent(this);
    footerPanel_->SetVisible(floatingFooter_->Visible());
    searchPanel_->SetParent(this);
    searchPanel_->SetVisible(searchFooter_->Visible());
    searchPanel_->SetHeight(searchFooter_->Visible() ? 32 : 0);
    if (balloon_->Enable())
        BalloonInit();
    gridTimerId_ = kGridTimerId;
    SetTimer(kGridTimerId, kGridTimerMs);
}

void TGxStringGrid::HandleTimer()
{
    input_->Timer();
}

void TGxStringGrid::Loaded()
{
    TBaseGrid::Loaded();
    restoreCursor_ = Cursor();
    ShowColumnHeaders();
    ShowRowHeaders();
    minFixedRows_ = TBaseGrid::FixedRows();
    minFixedCols_ = TBaseGrid::FixedCols();
    MinRowHeight = DefaultRowHeight();
    MinColWidth = 10;
    maxRowCount_ = RowCount();
    loaded_ = true;
    if (Options() & ui::goAlwaysShowEditor) {
        navigation_->SetAlwaysEdit(true);
        SetOptions(Options() & ~ui::goAlwaysShowEditor);
    }
    if (!IsWinXP && controlLook_->ControlStyle() == csTheme)
        controlLook_->SetControlStyle(csClassic);
    searchFooter_->SetAutoThemeAdapt(autoThemeAdapt_);
    if (autoThemeAdapt_)
        AdaptToOfficeTheme();
    origColSizes_->Clear();
    for (int c = 0; c < ColCount(); ++c)
        origColSizes_->Add(ColWidths(c));
    columnOrder_->Clear();
    for (int c = 0; c < ColCount(); ++c)
        columnOrder_->Add(c);
    if (columnSize_->Save)
        extras_->LoadColSizes(*this);
    if (balloon_->Enable())
        BalloonInit();
    ApplyVCLStyleColors();
}

// A change the inplace editor just made needs no repaint of its own; while the update count is
// up nothing is repainted (EndUpdate repaints the whole grid when it comes back to 0).
void TGxStringGrid::Invalidate()
{
    if (editChange_) {
        editChange_ = false;
        return;
    }
    if (updateCount_ > 0)
        return;
    TBaseGrid::Invalidate();
    if (!Loading() && floatingFooter_ && floatingFooter_->Visible() && footerPanel_)
        footerPanel_->Invalidate();
}

void TGxStringGrid::Resize()
{
    TBaseGrid::Resize();
    if (columnSize_->Stretch() && columnSize_->StretchColumn < ColCount())
        StretchColumn(columnSize_->StretchColumn);
    const TBackGroundDisplay display = backGround_ ? backGround_->Display() : bdTile;
    if ((display == bdGradientHorz || display == bdGradientVert) && backGround_->ColorTo() != ui::clNone)
        Invalidate();
}

// With IntegralHeight the height is first cut down to whole default rows.
void TGxStringGrid::SetBounds(int ALeft, int ATop, int AWidth, int AHeight)
{
    const int rowHeight = DefaultRowHeight();
    if (IntegralHeight && updateCount_ == 0 && rowHeight > 0) {
        const int s = VisibleColCount() + TBaseGrid::FixedCols() < ColCount() ? 17 : 0;
        const int b = 0;
        AHeight = AHeight + b - ((AHeight - s - b) % rowHeight);
    }
    TBaseGrid::SetBounds(ALeft, ATop, AWidth, AHeight);
}

ui::TFont* TGxStringGrid::GetCellFont(int ACol, int ARow)
{
    const TCellProperties* props = HasCellProperties(ACol, ARow) ? GridObjects(ACol, ARow) : nullptr;
    if (!props)
        return Font();
    cellFont_.SetName(props->FontName());
    cellFont_.SetSize(props->FontSize());
    cellFont_.SetStyle(props->FontStyle());
    cellFont_.SetColor(props->FontColor());
    return &cellFont_;
}

std::string TGxStringGrid::GetEditMask(int ACol, int ARow)
{
    std::string value = EditMask;
    if (OnGetEditMask)
        OnGetEditMask(this, ACol, ARow, value);
    return value;
}

int TGxStringGrid::GetEditLimit()
{
    return maxEditLength_;
}

ui::TCustomForm* TGxStringGrid::FindParentForm(ui::TControl* Control)
{
    for (ui::TControl* c = Control; c; c = c->Parent())
        if (auto* form = dynamic_cast<ui::TCustomForm*>(c))
            return form;
    return nullptr;
}

int TGxStringGrid::GetVersionNr()
{
    return 0x06020103;
}

std::string TGxStringGrid::GetVersionString()
{
    const unsigned v = static_cast<unsigned>(GetVersionNr());
    return std::to_string(v >> 24) + "." + std::to_string((v >> 16) & 0xFF) + "." + std::to_string((v >> 8) & 0xFF) +
           "." + std::to_string(v & 0xFF);
}

// --- copying another grid ---------------------------------------------------------------------------

void TGxStringGrid::Assign(const TObject* Source)
{
    const auto* s = dynamic_cast<const TGxStringGrid*>(Source);
    if (!s || s == this)
        return;
    Font()->Assign(*const_cast<TGxStringGrid*>(s)->Font());
    ActiveCellColor = s->ActiveCellColor;
    ActiveCellColorTo = s->ActiveCellColorTo;
    activeCellFont_.Assign(s->activeCellFont_);
    ActiveCellShow = s->ActiveCellShow;
    SetActiveRowShow(s->ActiveRowShow());
    SetAlign(s->Align());
    filterDropDown_->Assign(s->filterDropDown_.get());
    AnchorHint = s->AnchorHint;
    AutoNumAlign = s->AutoNumAlign;
    autoSize_ = s->autoSize_;
    autoThemeAdapt_ = s->autoThemeAdapt_;
    AutoFilterUpdate = s->AutoFilterUpdate;
    mouseActions_->Assign(s->mouseActions_.get());
    navigation_->Assign(s->navigation_.get());
    grouping_->Assign(s->grouping_.get());
    searchFooter_->Assign(s->searchFooter_.get());
    printSettings_->Assign(s->printSettings_.get());
    filter_->Assign(s->filter_.get());
    htmlSettings_->Assign(s->htmlSettings_.get());
    bands_->Assign(s->bands_.get());
    sortSettings_->Assign(s->sortSettings_.get());
    dragScrollOptions_->Assign(s->dragScrollOptions_.get());
    dragDropSettings_->Assign(s->dragDropSettings_.get());
    progressAppearance_->Assign(s->progressAppearance_.get());
    columnSize_->Assign(s->columnSize_.get());
    syncGrid_->Assign(s->syncGrid_.get());
    focusHelper_->Assign(s->focusHelper_.get());
    fixedRowAlways_ = s->fixedRowAlways_;
    SetColCount(s->ColCount());
    SetRowCount(s->RowCount());
    SetFixedRows(s->TBaseGrid::FixedRows());
    SetFixedCols(s->TBaseGrid::FixedCols());
    SetDefaultColWidth(s->DefaultColWidth());
    SetDefaultRowHeight(s->DefaultRowHeight());
    SetFixedRowHeight(s->fixedRowHeight_);
    SetFixedColWidth(s->FixedColWidth());
    InvalidEntryTitle = s->InvalidEntryTitle;
    InvalidEntryIcon = s->InvalidEntryIcon;
    InvalidEntryText = s->InvalidEntryText;
    SetOptions(s->Options());
    for (int c = 0; c < ColCount(); ++c)
        SetColWidths(c, s->ColWidths(c));
    columnHeaders_.Assign(s->columnHeaders_);
    for (int r = 0; r < RowCount(); ++r)
        SetRowHeights(r, s->RowHeights(r));
    ScrollProportional = s->ScrollProportional;
    ScrollSynch = s->ScrollSynch;
    ScrollWidth = s->ScrollWidth;
    ScrollHints = s->ScrollHints;
    scrollBarAlways_ = s->scrollBarAlways_;
    SetScrollBars(s->ScrollBars());
    ScrollColor = s->ScrollColor;
    ScrollType = s->ScrollType;
    AssignCells(Source);
}

// Copies every stored text and, through the properties' own copy, the cells' looks (graphics are
// not copied: a graphic belongs to one cell).
void TGxStringGrid::AssignCells(const TObject* Source)
{
    auto* s = const_cast<TGxStringGrid*>(dynamic_cast<const TGxStringGrid*>(Source));
    if (!s || s == this)
        return;
    BeginUpdate();
    ClearRect(0, 0, TotalColCount() - 1, RowCount() - 1);
    const int cols = std::min(TotalColCount(), s->TotalColCount());
    const int rows = std::min(RowCount(), s->RowCount());
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < cols; ++c) {
            SetGridCell(c, r, s->GridCells(c, r));
            if (const TCellProperties* props = s->HasCellProperties(c, r) ? s->GridObjects(c, r) : nullptr) {
                TCellProperties* own = GetCellProperties(c, r);
                own->Assign(*props);
                own->SetOwnerCol(c);
                own->SetOwnerRow(r);
                own->SetControl(nullptr);  // an embedded control stays in its own grid
            }
        }
        if (cols > 0)
            SetRowNodeLevel(r, s->RowNodeLevel(r));
    }
    EndUpdate();
}

}  // namespace gx
