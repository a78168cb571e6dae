// TGridColumnItem and TGridColumnCollection: the settings of one column and the list of them.
#include <utility>

#include "grid/columngrid/GxColumnGrid.h"
#include "grid/stringgrid/GxEditLink.h"
#include "grid/stringgrid/GxGridEdit.h"

namespace gx {

TGridColumnItem::TGridColumnItem(TGridColumnCollection* Collection) : collection_(Collection)
{
    borderPen_.SetColor(0xC0C0C0);
    if (TGxColumnGrid* grid = Grid()) {
        font_.Assign(*grid->Font());
        headerFont_.Assign(*grid->Font());
        PrintFont.Assign(*grid->Font());
        color_ = grid->Color();
        // The filter glyphs of the column follow its list.
        Filter.OnChange = [this](ui::TObject*) { Repaint(); };
    }
}

TGxColumnGrid* TGridColumnItem::Grid() const
{
    return collection_ ? collection_->GetOwner() : nullptr;
}

int TGridColumnItem::Index() const
{
    return collection_ ? collection_->IndexOf(this) : -1;
}

void TGridColumnItem::Changed()
{
    if (collection_)
        collection_->Changed();
}

void TGridColumnItem::Repaint()
{
    if (TGxColumnGrid* grid = Grid())
        grid->Invalidate();
}

void TGridColumnItem::SetAlignment(THAlignment v)
{
    alignment_ = v;
    Repaint();
}

void TGridColumnItem::SetColumnPopup(ui::TPopupMenu* v)
{
    columnPopup_ = v;
    if (TGxColumnGrid* grid = Grid(); grid && v)
        grid->FreeNotification(v);
}

void TGridColumnItem::SetEditLink(TEditLink* v)
{
    editLink_ = v;
    if (TGxColumnGrid* grid = Grid(); grid && v)
        grid->FreeNotification(v);
}

void TGridColumnItem::SetBorderPen(const ui::TPen& v)
{
    borderPen_.Assign(v);
    Changed();
}

void TGridColumnItem::SetColor(ui::TColor v)
{
    color_ = v;
    Changed();
}

void TGridColumnItem::SetEditor(TEditorType v)
{
    if (editor_ == v)
        return;
    const bool repaint = editor_ == edDataCheckBox || v == edDataCheckBox;
    editor_ = v;
    if (repaint)
        Repaint();
}

void TGridColumnItem::SetFixed(bool v)
{
    fixed_ = v;
    Changed();
}

void TGridColumnItem::SetFloatFormat(const std::string& v)
{
    floatFormat_ = v;
    Repaint();
}

void TGridColumnItem::SetFont(const ui::TFont& v)
{
    font_.Assign(v);
    Changed();
}

void TGridColumnItem::SetHeader(const std::string& v)
{
    header_ = v;
    TGxColumnGrid* grid = Grid();
    if (!grid)
        return;
    const int index = Index();
    if (grid->FixedRows() > 0 && index < grid->TotalColCount())
        grid->SetCells(index, 0, v);
    grid->UpdateColumnHeaders();
}

void TGridColumnItem::SetHeaderAlignment(THAlignment v)
{
    headerAlignment_ = v;
    Repaint();
}

void TGridColumnItem::SetHeaderFont(const ui::TFont& v)
{
    headerFont_.Assign(v);
    Repaint();
}

void TGridColumnItem::SetPassword(bool v)
{
    password_ = v;
    Changed();
}

void TGridColumnItem::SetShowBands(bool v)
{
    showBands_ = v;
    Changed();
}

int TGridColumnItem::Width() const
{
    TGxColumnGrid* grid = Grid();
    if (!grid)
        return 0;
    const int index = Index();
    return index < kMaxHiddenColumns ? grid->AllColWidths(index) : grid->ColWidths(index);
}

void TGridColumnItem::SetWidth(int v)
{
    fwidth_ = v;
    TGxColumnGrid* grid = Grid();
    if (!grid)
        return;
    const int index = Index();
    if (index < kMaxHiddenColumns)
        grid->SetAllColWidths(index, v);
    else if (index < grid->ColCount())
        grid->SetColWidths(index, v);
}

void TGridColumnItem::Assign(const TGridColumnItem& Source)
{
    if (&Source == this)
        return;
    AutoMinSize = Source.AutoMinSize;
    AutoMaxSize = Source.AutoMaxSize;
    alignment_ = Source.alignment_;
    Borders = Source.Borders;
    borderPen_.Assign(Source.borderPen_);
    CheckFalse = Source.CheckFalse;
    CheckTrue = Source.CheckTrue;
    color_ = Source.color_;
    SetColumnPopup(Source.columnPopup_);
    ComboItems.Assign(Source.ComboItems);
    DropDownCount = Source.DropDownCount;
    EditLength = Source.EditLength;
    EditMask = Source.EditMask;
    SetEditLink(Source.editLink_);
    editor_ = Source.editor_;
    Filter.Assign(Source.Filter);
    FilterCaseSensitive = Source.FilterCaseSensitive;
    fixed_ = Source.fixed_;
    floatFormat_ = Source.floatFormat_;
    font_.Assign(Source.font_);
    header_ = Source.header_;
    headerAlignment_ = Source.headerAlignment_;
    headerFont_.Assign(Source.headerFont_);
    MinSize = Source.MinSize;
    MaxSize = Source.MaxSize;
    Name = Source.Name;
    password_ = Source.password_;
    PrintBorders = Source.PrintBorders;
    PrintBorderPen.Assign(Source.PrintBorderPen);
    PrintColor = Source.PrintColor;
    PrintFont.Assign(Source.PrintFont);
    ReadOnly = Source.ReadOnly;
    showBands_ = Source.showBands_;
    SortStyle = Source.SortStyle;
    SortPrefix = Source.SortPrefix;
    SortSuffix = Source.SortSuffix;
    SpinMax = Source.SpinMax;
    SpinMin = Source.SpinMin;
    SpinStep = Source.SpinStep;
    Tag = Source.Tag;
    fwidth_ = Source.Width() ? Source.Width() : Source.fwidth_;
    defIdx_ = Source.defIdx_;
}

void TGridColumnItem::AssignVisuals(const TGridColumnItem& Source)
{
    if (&Source == this)
        return;
    const std::string header = header_;
    const std::string name = Name;
    rtl::TStringList combo;
    combo.Assign(ComboItems);
    const int dropDownCount = DropDownCount;
    ui::TFont headerFont;
    headerFont.Assign(headerFont_);
    const int tag = Tag;
    Assign(Source);
    header_ = header;
    Name = name;
    ComboItems.Assign(combo);
    DropDownCount = dropDownCount;
    headerFont_.Assign(headerFont);
    Tag = tag;
    if (TGxColumnGrid* grid = Grid()) {
        color_ = grid->Color();
        font_.Assign(*grid->Font());
    }
}

std::string TGridColumnItem::DisplayName() const
{
    const std::string index = std::to_string(Index());
    return Name.empty() ? "Column " + index : "Col " + index + ": " + Name;
}

std::string TGridColumnItem::Rows(int idx) const
{
    return Grid() ? Grid()->Cells(Index(), idx) : std::string();
}

void TGridColumnItem::SetRows(int idx, const std::string& Value)
{
    if (Grid())
        Grid()->SetCells(Index(), idx, Value);
}

int TGridColumnItem::Ints(int idx) const
{
    return Grid() ? Grid()->Ints(Index(), idx) : 0;
}

void TGridColumnItem::SetInts(int idx, int Value)
{
    if (Grid())
        Grid()->SetInts(Index(), idx, Value);
}

double TGridColumnItem::Floats(int idx) const
{
    return Grid() ? Grid()->Floats(Index(), idx) : 0.0;
}

void TGridColumnItem::SetFloats(int idx, double Value)
{
    if (Grid())
        Grid()->SetFloats(Index(), idx, Value);
}

rtl::TDateTime TGridColumnItem::Dates(int idx) const
{
    return Grid() ? Grid()->Dates(Index(), idx) : rtl::TDateTime();
}

void TGridColumnItem::SetDates(int idx, rtl::TDateTime Value)
{
    if (Grid())
        Grid()->SetDates(Index(), idx, Value);
}

rtl::TDateTime TGridColumnItem::Times(int idx) const
{
    return Grid() ? Grid()->Times(Index(), idx) : rtl::TDateTime();
}

void TGridColumnItem::SetTimes(int idx, rtl::TDateTime Value)
{
    if (Grid())
        Grid()->SetTimes(Index(), idx, Value);
}

// --- the collection ----------------------------------------------------------------------------------

int TGridColumnCollection::IndexOf(const TGridColumnItem* item) const
{
    for (std::size_t i = 0; i < items_.size(); ++i)
        if (items_[i].get() == item)
            return static_cast<int>(i);
    return -1;
}

void TGridColumnCollection::AppendQuiet()
{
    items_.push_back(std::make_unique<TGridColumnItem>(this));
    if (items_.size() > 1)
        items_.back()->AssignVisuals(*items_[items_.size() - 2]);
}

void TGridColumnCollection::DeleteQuiet(int Index)
{
    items_.erase(items_.begin() + Index);
}

TGridColumnItem* TGridColumnCollection::Add()
{
    AppendQuiet();
    TGridColumnItem* item = items_.back().get();
    Changed();
    return item;
}

TGridColumnItem* TGridColumnCollection::Insert(int Index)
{
    if (Index < 0 || Index > Count())
        Index = Count();
    auto it = items_.insert(items_.begin() + Index, std::make_unique<TGridColumnItem>(this));
    TGridColumnItem* item = it->get();
    Changed();
    return item;
}

void TGridColumnCollection::Delete(int Index)
{
    if (Index < 0 || Index >= Count())
        return;
    DeleteQuiet(Index);
    Changed();
}

void TGridColumnCollection::Clear()
{
    items_.clear();
    Changed();
}

void TGridColumnCollection::Assign(const TGridColumnCollection& Source)
{
    if (&Source == this)
        return;
    BeginUpdate();
    items_.clear();
    for (const auto& src : Source.items_) {
        items_.push_back(std::make_unique<TGridColumnItem>(this));
        items_.back()->Assign(*src);
    }
    EndUpdate();
}

void TGridColumnCollection::EndUpdate()
{
    if (updateCount_ > 0 && --updateCount_ == 0)
        Changed();
}

void TGridColumnCollection::Changed()
{
    if (owner_)
        owner_->ColumnsChanged();
}

}  // namespace gx
