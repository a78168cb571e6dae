// TGxColumnGrid: items kept in step with the columns, the header row, and the look and behaviour of
// the cells answered from the column items before the string grid's own handling.
#include "grid/columngrid/GxColumnGrid.h"

#include <cstdio>
#include <typeinfo>

#include "grid/base/VozEdidText.h"
#include "grid/stringgrid/GxEditLink.h"
#include "platform/rtl/Format.h"

namespace gx {

// The column grid keeps the string grid's row exchange.
bool TGxColumnGrid::SortSwapRowsReplaced() const
{
    return typeid(*this) != typeid(TGxColumnGrid);
}

TGxColumnGrid::TGxColumnGrid(ui::TComponent* AOwner, IGridExtras& Extras)
    : TGxStringGrid(AOwner, Extras),
      columns_(std::make_unique<TGridColumnCollection>(this)),
      cellGraphic_(std::make_unique<TCellGraphic>()),
      saveCol_(std::make_unique<TGridColumnItem>(nullptr))
{
    columns_->NoRecursiveUpdate = true;
    SyncColumnItems();
    columns_->NoRecursiveUpdate = false;
}

TGxColumnGrid::~TGxColumnGrid()
{
    // The items ask the grid nothing from here on.
    columns_->owner_ = nullptr;
}

void TGxColumnGrid::SetColumns(const TGridColumnCollection& Value)
{
    columns_->Assign(Value);
}

void TGxColumnGrid::SyncColumnItems()
{
    const int want = ColCount() + NumHiddenColumns();
    while (columns_->Count() < want)
        columns_->AppendQuiet();
    while (columns_->Count() > want)
        columns_->DeleteQuiet(columns_->Count() - 1);
}

void TGxColumnGrid::SetColCount(int Value)
{
    inSetColCount_ = true;
    TGxStringGrid::SetColCount(Value);
    inSetColCount_ = false;
    const bool save = columns_->NoRecursiveUpdate;
    columns_->NoRecursiveUpdate = true;
    SyncColumnItems();
    columns_->NoRecursiveUpdate = save;
}

void TGxColumnGrid::Loaded()
{
    TGxStringGrid::Loaded();
    const bool save = columns_->NoRecursiveUpdate;
    columns_->NoRecursiveUpdate = true;
    SyncColumnItems();
    for (int i = 0; i < columns_->Count(); ++i)
        columns_->Items(i)->SetDefIdx(i);
    columns_->NoRecursiveUpdate = save;
}

void TGxColumnGrid::ColumnsChanged()
{
    if (columns_->updateCount_ > 0 || columns_->NoRecursiveUpdate || Loading() || Destroying())
        return;
    const int n = columns_->Count() - NumHiddenColumns();
    if (n != ColCount() && n > FixedCols()) {
        columns_->NoRecursiveUpdate = true;
        TGxStringGrid::SetColCount(n);
        columns_->NoRecursiveUpdate = false;
    }
    UpdateColumnHeaders();
    Invalidate();
}

void TGxColumnGrid::UpdateColumnHeaders()
{
    if (FixedRows() <= 0)
        return;
    rtl::TStringList* headers = ColumnHeaders();
    headers->Clear();
    for (int i = 0; i < columns_->Count(); ++i) {
        TGridColumnItem* item = columns_->Items(i);
        if (item->Header().empty() && i < TotalColCount() && !Cells(i, 0).empty())
            item->SetHeaderDirect(Cells(i, 0));
        headers->Add(item->Header());
    }
    ShowColumnHeaders();
}

void TGxColumnGrid::ColumnHeadersChanged()
{
    rtl::TStringList* headers = ColumnHeaders();
    for (int i = 0; i < columns_->Count() && i < headers->Count(); ++i)
        columns_->Items(i)->SetHeaderDirect((*headers)[i]);
}

TGridColumnItem* TGxColumnGrid::GetColumnByName(const std::string& AValue) const
{
    for (int i = 0; i < columns_->Count(); ++i)
        if (columns_->Items(i)->Name == AValue)
            return columns_->Items(i);
    return nullptr;
}

int TGxColumnGrid::GetVersionNr()
{
    return 0x03010301;
}

std::string TGxColumnGrid::GetVersionString()
{
    return TGxStringGrid::GetVersionString() + " Aug, 2012";
}

void TGxColumnGrid::InsertCols(int ColIndex, int CCount)
{
    TGxStringGrid::InsertCols(ColIndex, CCount);
    const bool save = columns_->NoRecursiveUpdate;
    columns_->NoRecursiveUpdate = true;
    for (int i = 0; i < CCount; ++i)
        columns_->Insert(ColIndex);
    columns_->NoRecursiveUpdate = save;
}

void TGxColumnGrid::RemoveCols(int ColIndex, int CCount)
{
    TGxStringGrid::RemoveCols(ColIndex, CCount);
    for (int i = 0; i < CCount && ColIndex < columns_->Count(); ++i)
        columns_->Delete(ColIndex);
}

bool TGxColumnGrid::IsNormalColumnCell(int c, int r)
{
    return c >= 0 && c < columns_->Count() && c >= FixedCols() && r >= FixedRows();
}

bool TGxColumnGrid::InsideBody(int c, int r)
{
    return c < ColCount() + NumHiddenColumns() - FixedRightCols() && r < RowCount() - FixedFooters();
}

// --- looks ---------------------------------------------------------------------------------------

void TGxColumnGrid::GetCellColor(int ACol, int ARow, ui::TGridDrawState AState, ui::TBrush* ABrush, ui::TFont* AFont)
{
    if (ACol >= FixedCols() && ACol < columns_->Count() && InsideBody(ACol, ARow)) {
        const TGridColumnItem* item = columns_->Items(ACol);
        if (item->Fixed())
            ABrush->SetColor(FixedColor());
        else if (ARow >= FixedRows() && !(item->ShowBands() && Bands()->Active()))
            ABrush->SetColor(item->Color());
        AFont->Assign(ARow < FixedRows() ? item->HeaderFont() : item->Font());
        if (const TCellProperties* props = GridObjects(ACol, ARow)) {
            if (props->BrushColor() != ui::clNone)
                ABrush->SetColor(props->BrushColor());
            if (props->FontColor() != ui::clNone)
                AFont->SetColor(props->FontColor());
        }
    }
    TGxStringGrid::GetCellColor(ACol, ARow, AState, ABrush, AFont);
}

void TGxColumnGrid::GetCellPrintColor(int ACol, int ARow, ui::TGridDrawState AState, ui::TBrush* ABrush,
                                      ui::TFont* AFont)
{
    if (ACol >= 0 && ACol < columns_->Count()) {
        const TGridColumnItem* item = columns_->Items(ACol);
        if (ACol < FixedCols() || ARow < FixedRows() || !InsideBody(ACol, ARow)) {
            AFont->Assign(*FixedFont());
        } else {
            const TCellProperties* props = GridObjects(ACol, ARow);
            if (item->Fixed())
                ABrush->SetColor(FixedColor());
            else if (!(item->ShowBands() && Bands()->Active() && Bands()->Print())) {
                ABrush->SetColor(item->PrintColor);
                if (props && props->BrushColor() != ui::clNone)
                    ABrush->SetColor(props->BrushColor());
            }
            if (item->PrintFontCustom) {
                AFont->Assign(item->PrintFont);
                if (props) {
                    if (props->FontColor() != ui::clNone)
                        AFont->SetColor(props->FontColor());
                    if (props->FontStyle() != 0)
                        AFont->SetStyle(props->FontStyle());
                    if (props->FontSize() != 0)
                        AFont->SetSize(props->FontSize());
                    if (!props->FontName().empty())
                        AFont->SetName(props->FontName());
                }
            }
        }
    }
    TGxStringGrid::GetCellPrintColor(ACol, ARow, AState, ABrush, AFont);
}

void TGxColumnGrid::GetCellBorder(int ACol, int ARow, ui::TPen* APen, TCellBorders& Borders)
{
    if (IsNormalColumnCell(ACol, ARow)) {
        Borders = columns_->Items(ACol)->Borders;
        APen->Assign(columns_->Items(ACol)->BorderPen());
    }
    TGxStringGrid::GetCellBorder(ACol, ARow, APen, Borders);
}

void TGxColumnGrid::GetCellPrintBorder(int ACol, int ARow, ui::TPen* APen, TCellBorders& Borders)
{
    if (IsNormalColumnCell(ACol, ARow) && columns_->Items(ACol)->PrintBorderCustom) {
        Borders = columns_->Items(ACol)->PrintBorders;
        APen->Assign(columns_->Items(ACol)->PrintBorderPen);
    }
    TGxStringGrid::GetCellPrintBorder(ACol, ARow, APen, Borders);
}

void TGxColumnGrid::GetCellAlignment(int ACol, int ARow, THAlignment& HAlign, TVAlignment& VAlign)
{
    if (ACol >= 0 && ACol < columns_->Count()) {
        const TGridColumnItem* item = columns_->Items(ACol);
        HAlign = ARow < FixedRows() ? item->HeaderAlignment() : item->Alignment();
        if (const TCellProperties* props = GridObjects(ACol, ARow))
            HAlign = props->Alignment();
    }
    TGxStringGrid::GetCellAlignment(ACol, ARow, HAlign, VAlign);
}

void TGxColumnGrid::GetCellFormat(int ACol, TSortStyle& AStyle, std::string& aPrefix, std::string& aSuffix)
{
    if (ACol >= 0 && ACol < columns_->Count()) {
        AStyle = columns_->Items(ACol)->SortStyle;
        aPrefix = columns_->Items(ACol)->SortPrefix;
        aSuffix = columns_->Items(ACol)->SortSuffix;
    }
    TGxStringGrid::GetCellFormat(ACol, AStyle, aPrefix, aSuffix);
}

void TGxColumnGrid::GetCellPropDefaults(int ACol, int ARow, ui::TFont* AFont, ui::TBrush* ABrush, ui::TColor& AColorTo,
                                        ui::TColor& AMirrorColor, ui::TColor& AMirrorColorTo, THAlignment& HA,
                                        TVAlignment& VA, bool& WW, TCellGradientDirection& GD)
{
    if (ACol < 0 || ACol >= columns_->Count()) {
        TGxStringGrid::GetCellPropDefaults(ACol, ARow, AFont, ABrush, AColorTo, AMirrorColor, AMirrorColorTo, HA, VA,
                                           WW, GD);
        return;
    }
    const TGridColumnItem* item = columns_->Items(ACol);
    AFont->Assign(item->Font());
    ABrush->SetColor(item->Color());
    AColorTo = ui::clNone;
    AMirrorColor = ui::clNone;
    AMirrorColorTo = ui::clNone;
    HA = ARow < FixedRows() ? item->HeaderAlignment() : item->Alignment();
    VA = VAlignment();
    WW = WordWrap();
    GD = static_cast<TCellGradientDirection>(0);
    if (IsFixed(DisplColIndex(ACol), ARow) || (item->ShowBands() && Bands()->Active())) {
        ABrush->SetColor(ui::clNone);
        AColorTo = ui::clNone;
    }
}

// --- editing -------------------------------------------------------------------------------------

void TGxColumnGrid::GetCellEditor(int ACol, int ARow, TEditorType& AEditor)
{
    if (ACol >= 0 && ACol < columns_->Count()) {
        const TGridColumnItem* item = columns_->Items(ACol);
        if (IsNormalColumnCell(ACol, ARow)) {
            AEditor = item->Editor();
            // The combo editor lists the column's own items (the handler below may still change them).
            ClearComboString();
            for (int i = 0; i < item->ComboItems.Count(); ++i)
                AddComboString(item->ComboItems.Get(i));
            SetEditLink(item->EditLink());
            // The grid's link setter lets go of the link it held, which other items may still hold.
            WatchColumnComponents();
            ControlLook()->DropDownCount = item->DropDownCount;
        }
        if (!item->FloatFormat().empty())
            FloatFormat = item->FloatFormat();
    }
    TGxStringGrid::GetCellEditor(ACol, ARow, AEditor);
}

bool TGxColumnGrid::GetHasComboBox(int ACol, int ARow)
{
    bool has = false;
    if (IsNormalColumnCell(ACol, ARow)) {
        const TEditorType editor = columns_->Items(ACol)->Editor();
        has = editor == edComboEdit || editor == edComboList;
    }
    if (OnHasComboBox)
        OnHasComboBox(this, ACol, ARow, has);
    return has;
}

void TGxColumnGrid::GetCellEditable(int ACol, int ARow, bool& CanEdit)
{
    if (Loading()) {
        CanEdit = false;
        return;
    }
    if (IsNormalColumnCell(ACol, ARow))
        CanEdit = !(columns_->Items(ACol)->ReadOnly || columns_->Items(ACol)->Fixed());
    else
        CanEdit = false;
    if (CanEdit && HasCellProperties(ACol, ARow))
        CanEdit = !GridObjects(ACol, ARow)->ReadOnly();
    const ui::TPoint base = BaseCell(ACol, ARow);
    DoCanEditCell(base.X, base.Y, CanEdit);
}

bool TGxColumnGrid::CanEditCell(int ACol, int ARow)
{
    bool can = true;
    GetCellEditable(ACol, ARow, can);
    return can;
}

// The framework's inplace editor opens only where the column and the cell allow it.
bool TGxColumnGrid::CanEditShow()
{
    if (!TGxStringGrid::CanEditShow())
        return false;
    const int real = RealColIndex(Col());
    if (real < columns_->Count() && columns_->Items(real)->Editor() == edDataCheckBox)
        return false;
    return CanEditCell(real, Row());
}

void TGxColumnGrid::GetIsFixedCell(int ACol, int ARow, bool& IsFixed)
{
    if (ACol >= FixedCols() && ARow >= FixedRows()) {
        const int real = RealColIndex(ACol);
        if (real < columns_->Count())
            IsFixed = columns_->Items(real)->Fixed();
    }
    TGxStringGrid::GetIsFixedCell(ACol, ARow, IsFixed);
}

void TGxColumnGrid::GetIsPasswordCell(int ACol, int ARow, bool& IsPassword)
{
    if (ACol >= 0 && ACol < columns_->Count())
        IsPassword = columns_->Items(ACol)->Password();
    TGxStringGrid::GetIsPasswordCell(ACol, ARow, IsPassword);
}

int TGxColumnGrid::GetEditLimit()
{
    const int col = Col();
    if (col >= FixedCols() && col < columns_->Count()) {
        const int real = RealColIndex(col);
        if (real < columns_->Count())
            return columns_->Items(real)->EditLength;
    }
    return TGxStringGrid::GetEditLimit();
}

std::string TGxColumnGrid::GetEditMask(int ACol, int ARow)
{
    std::string mask;
    if (ACol >= FixedCols() && ACol < columns_->Count()) {
        const int real = RealColIndex(ACol);
        if (real < columns_->Count())
            mask = columns_->Items(real)->EditMask;
    }
    const std::string own = TGxStringGrid::GetEditMask(ACol, ARow);
    return own.empty() ? mask : own;
}

std::string TGxColumnGrid::GetColumnFloatFormat(int ACol, int ARow)
{
    if (ACol >= 0 && ACol < columns_->Count() && !columns_->Items(ACol)->FloatFormat().empty())
        return columns_->Items(ACol)->FloatFormat();
    return TGxStringGrid::GetColumnFloatFormat(ACol, ARow);
}

std::string TGxColumnGrid::GetFormattedCell(int ACol, int ARow)
{
    if (ACol < 0 || ACol >= columns_->Count())
        return TGxStringGrid::GetFormattedCell(ACol, ARow);
    std::string format = columns_->Items(ACol)->FloatFormat();
    const std::string text = Cells(ACol, ARow);
    const int kind = GetNumberKind(text);
    bool isFloat = kind == 0 || kind == 1;
    if (OnGetFloatFormat)
        OnGetFloatFormat(this, ACol, ARow, isFloat, format);
    if (format.empty() || !isFloat)
        return text;
    try {
        return rtl::Format(format, {Floats(ACol, ARow)});
    } catch (const rtl::Exception&) {
        return text;  // a format that does not fit a number shows the text as stored
    }
}

// --- data check boxes ------------------------------------------------------------------------------

TCellType TGxColumnGrid::GetCellType(int ACol, int ARow)
{
    TCellType kind = TGxStringGrid::GetCellType(ACol, ARow);
    // The string grid reads the kind from GetCellGraphic, which lends a data check-box cell the
    // shared graphic: that is no graphic of the cell's own.
    if (kind == ctVirtCheckBox && !TGxStringGrid::GetCellGraphic(ACol, ARow))
        kind = ctEmpty;
    if (!Destroying() && kind == ctEmpty && IsNormalColumnCell(ACol, ARow) && InsideBody(ACol, ARow) &&
        columns_->Items(ACol)->Editor() == edDataCheckBox)
        kind = ctDataCheckBox;
    return kind;
}

TCellGraphic* TGxColumnGrid::GetCellGraphic(int ACol, int ARow)
{
    TCellGraphic* graphic = TGxStringGrid::GetCellGraphic(ACol, ARow);
    if (!graphic && !Destroying() && IsNormalColumnCell(ACol, ARow) && InsideBody(ACol, ARow) &&
        columns_->Items(ACol)->Editor() == edDataCheckBox) {
        graphic = cellGraphic_.get();
        graphic->CellType = ctVirtCheckBox;
        graphic->CellTransparent = ControlLook()->ControlStyle() == csFlat;
    }
    return graphic;
}

void TGxColumnGrid::GetCheckTrueText(int ACol, int ARow, std::string& Value)
{
    TGxStringGrid::GetCheckTrueText(ACol, ARow, Value);
    if (IsNormalColumnCell(ACol, ARow) && InsideBody(ACol, ARow))
        Value = columns_->Items(ACol)->CheckTrue;
}

void TGxColumnGrid::GetCheckFalseText(int ACol, int ARow, std::string& Value)
{
    TGxStringGrid::GetCheckFalseText(ACol, ARow, Value);
    if (IsNormalColumnCell(ACol, ARow) && InsideBody(ACol, ARow))
        Value = columns_->Items(ACol)->CheckFalse;
}

// --- widths ----------------------------------------------------------------------------------------

void TGxColumnGrid::DoUpdateColumnSize(int ACol, int& AWidth)
{
    if (ACol >= 0 && ACol < columns_->Count()) {
        const TGridColumnItem* item = columns_->Items(ACol);
        if (item->MinSize > 0 && AWidth < item->MinSize)
            AWidth = item->MinSize;
        if (item->MaxSize > 0 && AWidth > item->MaxSize)
            AWidth = item->MaxSize;
    }
    TGxStringGrid::DoUpdateColumnSize(ACol, AWidth);
}

void TGxColumnGrid::DoUpdateAutoColumnSize(int ACol, int& AWidth)
{
    if (ACol >= 0 && ACol < columns_->Count()) {
        const TGridColumnItem* item = columns_->Items(ACol);
        if (item->AutoMinSize > 0 && AWidth < item->AutoMinSize)
            AWidth = item->AutoMinSize;
        if (item->AutoMaxSize > 0 && AWidth > item->AutoMaxSize)
            AWidth = item->AutoMaxSize;
    }
    TGxStringGrid::DoUpdateAutoColumnSize(ACol, AWidth);
}

void TGxColumnGrid::ColWidthsChanged()
{
    TGxStringGrid::ColWidthsChanged();
    if (Loading() || Destroying() || !columns_)
        return;
    for (int c = 0; c < ColCount(); ++c) {
        const int real = RealColIndex(c);
        if (real < columns_->Count())
            columns_->Items(real)->SetRememberedWidth(ColWidths(c));
    }
}

// Every item scales, hidden columns' too: they show with the others' size when shown again.
void TGxColumnGrid::HandleScaleChange(int M, int D)
{
    TGxStringGrid::HandleScaleChange(M, D);
    if (Pointer.Designing || M == D || D == 0)
        return;
    for (int i = 0; i < columns_->Count(); ++i) {
        TGridColumnItem* item = columns_->Items(i);
        ui::TFont font;
        font.Assign(item->Font());
        font.SetSize(ScaleSize(font.Size(), M, D));
        item->SetFont(font);
        font.Assign(item->HeaderFont());
        font.SetSize(ScaleSize(font.Size(), M, D));
        item->SetHeaderFont(font);
    }
}

// --- grouping --------------------------------------------------------------------------------------

// The grouped column leaves the grid, and its item with it; a copy of its settings waits for
// UnGroup. A grid grouped already first gives its grouped column back, so that column gets its
// own settings and not those of the column grouped now.
void TGxColumnGrid::Group(int Colindex)
{
    if (GroupColumn != -1)
        UnGroup();
    if (Colindex >= 0 && Colindex < columns_->Count())
        saveCol_->Assign(*columns_->Items(Colindex));
    TGxStringGrid::Group(Colindex);
}

void TGxColumnGrid::UnGroup()
{
    const int grouped = GroupColumn;
    TGxStringGrid::UnGroup();
    if (grouped != -1 && GroupColumn == -1 && grouped < columns_->Count())
        columns_->Items(grouped)->Assign(*saveCol_);
}

// --- column moves ----------------------------------------------------------------------------------

void TGxColumnGrid::ColumnMoved(int FromIndex, int ToIndex)
{
    const bool save = columns_->NoRecursiveUpdate;
    columns_->NoRecursiveUpdate = true;
    const int top = TopRow();
    const int from = RealColIndex(FromIndex);
    const int to = RealColIndex(ToIndex);
    TGxStringGrid::ColumnMoved(FromIndex, ToIndex);
    if (from >= 0 && to >= 0 && from < columns_->Count() && to < columns_->Count() && from != to) {
        BeginUpdate();
        auto moved = std::make_unique<TGridColumnItem>(columns_.get());
        moved->Assign(*columns_->Items(from));
        columns_->DeleteQuiet(from);
        columns_->items_.insert(columns_->items_.begin() + to, std::move(moved));
        SetTopRow(top);
        EndUpdate();
    }
    columns_->NoRecursiveUpdate = save;
    if (OnAfterColumnMoved)
        OnAfterColumnMoved(this, from, to);
}

}  // namespace gx
