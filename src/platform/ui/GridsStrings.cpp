// TCustomDrawGrid events and TStringGrid's sparse cell store with its row and column views.
#include "platform/ui/Grids.h"

#include <algorithm>
#include <iterator>

namespace ui {

namespace {

// Indexes beyond this are refused, so a stray huge index cannot make the store allocate
// gigabytes of row or column slots.
constexpr int kMaxCellIndex = 1 << 24;

bool ValidIndex(int ACol, int ARow)
{
    return ACol >= 0 && ARow >= 0 && ACol < kMaxCellIndex && ARow < kMaxCellIndex;
}

}  // namespace

// --- TCustomDrawGrid ------------------------------------------------------------------------------

TCustomDrawGrid::TCustomDrawGrid(TComponent* AOwner) : TCustomGrid(AOwner) {}

void TCustomDrawGrid::DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState)
{
    if (OnDrawCell)
        OnDrawCell(this, ACol, ARow, ARect, AState);
}

bool TCustomDrawGrid::SelectCell(int ACol, int ARow)
{
    bool canSelect = true;
    if (OnSelectCell)
        OnSelectCell(this, ACol, ARow, canSelect);
    return canSelect;
}

void TCustomDrawGrid::TopLeftChanged()
{
    TCustomGrid::TopLeftChanged();
    if (OnTopLeftChanged)
        OnTopLeftChanged(this);
}

void TCustomDrawGrid::ColumnMoved(int FromIndex, int ToIndex)
{
    if (OnColumnMoved)
        OnColumnMoved(this, FromIndex, ToIndex);
}

void TCustomDrawGrid::RowMoved(int FromIndex, int ToIndex)
{
    if (OnRowMoved)
        OnRowMoved(this, FromIndex, ToIndex);
}

std::string TCustomDrawGrid::GetEditText(int ACol, int ARow)
{
    std::string value;
    if (OnGetEditText)
        OnGetEditText(this, ACol, ARow, value);
    return value;
}

void TCustomDrawGrid::SetEditText(int ACol, int ARow, const std::string& Value)
{
    if (OnSetEditText)
        OnSetEditText(this, ACol, ARow, Value);
}

std::string TCustomDrawGrid::GetEditMask(int ACol, int ARow)
{
    std::string value;
    if (OnGetEditMask)
        OnGetEditMask(this, ACol, ARow, value);
    return value;
}

// --- GridRowCells ---------------------------------------------------------------------------------

GridRowCells::Side* GridRowCells::FindSide(std::size_t Col) const
{
    if (!sides_)
        return nullptr;
    const auto it = std::lower_bound(sides_->begin(), sides_->end(), Col,
                                     [](const Side& side, std::size_t c) { return side.Col < c; });
    return it != sides_->end() && it->Col == Col ? &*it : nullptr;
}

CellSide& GridRowCells::EnsureSide(std::size_t Col)
{
    if (Side* found = FindSide(Col))
        return found->Data;
    if (!sides_)
        sides_ = std::make_unique<Sides>();
    const auto it = std::lower_bound(sides_->begin(), sides_->end(), Col,
                                     [](const Side& side, std::size_t c) { return side.Col < c; });
    return sides_->insert(it, Side{Col, CellSide{}})->Data;
}

void GridRowCells::DropSideIfEmpty(std::size_t Col)
{
    Side* side = FindSide(Col);
    if (!side || side->Data.Object || side->Data.Extension)
        return;
    sides_->erase(sides_->begin() + (side - sides_->data()));
    if (sides_->empty())
        sides_.reset();
}

TObject* GridRowCells::Object(std::size_t Col) const
{
    const Side* side = FindSide(Col);
    return side ? side->Data.Object : nullptr;
}

CellExtension* GridRowCells::Extension(std::size_t Col) const
{
    const Side* side = FindSide(Col);
    return side ? side->Data.Extension.get() : nullptr;
}

void GridRowCells::SetObject(std::size_t Col, TObject* Value)
{
    if (!Value && !FindSide(Col))
        return;
    EnsureSide(Col).Object = Value;
    DropSideIfEmpty(Col);
}

std::unique_ptr<CellExtension> GridRowCells::SetExtension(std::size_t Col, std::unique_ptr<CellExtension> Value)
{
    if (!Value && !FindSide(Col))
        return nullptr;
    CellSide& side = EnsureSide(Col);
    std::unique_ptr<CellExtension> old = std::move(side.Extension);
    side.Extension = std::move(Value);
    DropSideIfEmpty(Col);
    return old;
}

std::size_t GridRowCells::SideBytes() const
{
    return sides_ ? sizeof(Sides) + sides_->capacity() * sizeof(Side) : 0;
}

void GridRowCells::InsertColumns(std::size_t At, std::size_t Count)
{
    if (At >= size())
        return;
    insert(begin() + static_cast<std::ptrdiff_t>(At), Count, GridCell{});
    if (sides_)
        for (Side& side : *sides_)
            if (side.Col >= At)
                side.Col += Count;
}

void GridRowCells::DeleteColumns(std::size_t At, std::size_t Count,
                                 std::vector<std::unique_ptr<CellExtension>>& Removed)
{
    if (At >= size())
        return;
    const std::size_t to = std::min(size(), At + Count);
    erase(begin() + static_cast<std::ptrdiff_t>(At), begin() + static_cast<std::ptrdiff_t>(to));
    if (!sides_)
        return;
    Sides kept;
    for (Side& side : *sides_) {
        if (side.Col >= At && side.Col < to) {
            if (side.Data.Extension)
                Removed.push_back(std::move(side.Data.Extension));
            continue;
        }
        if (side.Col >= to)
            side.Col -= to - At;
        kept.push_back(std::move(side));
    }
    sides_->swap(kept);
    if (sides_->empty())
        sides_.reset();
}

void GridRowCells::MoveColumn(std::size_t From, std::size_t To)
{
    const std::size_t needed = std::max(From, To) + 1;
    if (size() < needed)
        resize(needed);
    const auto from = begin() + static_cast<std::ptrdiff_t>(From);
    const auto to = begin() + static_cast<std::ptrdiff_t>(To);
    if (From < To)
        std::rotate(from, from + 1, to + 1);
    else
        std::rotate(to, from, from + 1);
    if (!sides_)
        return;
    for (Side& side : *sides_) {
        if (side.Col == From)
            side.Col = To;
        else if (From < To && side.Col > From && side.Col <= To)
            --side.Col;
        else if (To < From && side.Col >= To && side.Col < From)
            ++side.Col;
    }
    std::sort(sides_->begin(), sides_->end(), [](const Side& x, const Side& y) { return x.Col < y.Col; });
}

// --- TStringGrid ----------------------------------------------------------------------------------

TStringGrid::TStringGrid(TComponent* AOwner) : TCustomDrawGrid(AOwner) {}

TStringGrid::~TStringGrid()
{
    std::vector<RowData*> rows;
    rows.swap(rows_);
    for (RowData* row : rows)
        delete row;
}

TStringGrid::CellData* TStringGrid::Find(int ACol, int ARow)
{
    if (!ValidIndex(ACol, ARow) || static_cast<std::size_t>(ARow) >= rows_.size())
        return nullptr;
    RowData* row = rows_[static_cast<std::size_t>(ARow)];
    if (!row || static_cast<std::size_t>(ACol) >= row->size())
        return nullptr;
    return &(*row)[static_cast<std::size_t>(ACol)];
}

TStringGrid::RowData* TStringGrid::FindRow(int ACol, int ARow) const
{
    return const_cast<TStringGrid*>(this)->Find(ACol, ARow) ? rows_[static_cast<std::size_t>(ARow)] : nullptr;
}

const TStringGrid::CellData* TStringGrid::Find(int ACol, int ARow) const
{
    return const_cast<TStringGrid*>(this)->Find(ACol, ARow);
}

TStringGrid::RowData& TStringGrid::EnsureRow(int ARow, std::size_t Reserve)
{
    const auto r = static_cast<std::size_t>(ARow);
    if (r >= rows_.size())
        rows_.resize(std::max(r + 1, static_cast<std::size_t>(RowCount())), nullptr);
    RowData*& row = rows_[r];
    if (!row) {
        row = new RowData;
        row->reserve(std::max(Reserve, static_cast<std::size_t>(ColCount())));
    }
    return *row;
}

TStringGrid::CellData& TStringGrid::Ensure(int ACol, int ARow)
{
    const auto c = static_cast<std::size_t>(ACol);
    RowData& row = EnsureRow(ARow, c + 1);
    if (c >= row.size())
        row.resize(c + 1);
    return row[c];
}

int TStringGrid::StoreRowTag(int ARow) const
{
    if (ARow < 0 || static_cast<std::size_t>(ARow) >= rows_.size())
        return 0;
    const RowData* row = rows_[static_cast<std::size_t>(ARow)];
    return row ? row->Tag : 0;
}

void TStringGrid::SetStoreRowTag(int ARow, int Value)
{
    if (!ValidIndex(0, ARow))
        return;
    if (Value == 0 && StoreRowTag(ARow) == 0)
        return;
    EnsureRow(ARow, 0).Tag = Value;
}

std::string TStringGrid::Cells(int ACol, int ARow) const
{
    const CellData* cell = Find(ACol, ARow);
    return cell ? cell->Text : std::string();
}

const std::string& TStringGrid::CellText(int ACol, int ARow) const
{
    static const std::string empty;
    const CellData* cell = Find(ACol, ARow);
    return cell ? cell->Text : empty;
}

const GridCell* TStringGrid::FindCell(int ACol, int ARow) const
{
    return Find(ACol, ARow);
}

const std::string* TStringGrid::FindCellText(int ACol, int ARow) const
{
    const CellData* cell = Find(ACol, ARow);
    return cell ? &cell->Text : nullptr;
}

void TStringGrid::SetCells(int ACol, int ARow, const std::string& Value)
{
    if (!ValidIndex(ACol, ARow))
        return;
    CellData* cell = Find(ACol, ARow);
    if (!cell) {
        if (Value.empty())
            return;  // nothing to keep: an unset cell already reads empty
        cell = &Ensure(ACol, ARow);
    }
    cell->Text = Value;
    InvalidateCell(ACol, ARow);
}

TObject* TStringGrid::Objects(int ACol, int ARow) const
{
    const RowData* row = FindRow(ACol, ARow);
    return row ? row->Object(static_cast<std::size_t>(ACol)) : nullptr;
}

void TStringGrid::SetObjects(int ACol, int ARow, TObject* Value)
{
    if (!ValidIndex(ACol, ARow))
        return;
    if (!Find(ACol, ARow)) {
        if (!Value)
            return;
        Ensure(ACol, ARow);
    }
    rows_[static_cast<std::size_t>(ARow)]->SetObject(static_cast<std::size_t>(ACol), Value);
}

CellExtension* TStringGrid::CellExtensionAt(int ACol, int ARow) const
{
    const RowData* row = FindRow(ACol, ARow);
    return row ? row->Extension(static_cast<std::size_t>(ACol)) : nullptr;
}

bool TStringGrid::SetCellExtension(int ACol, int ARow, std::unique_ptr<CellExtension> Value)
{
    if (!ValidIndex(ACol, ARow))
        return false;
    if (!Find(ACol, ARow)) {
        if (!Value)
            return true;
        Ensure(ACol, ARow);
    }
    // The old extension leaves the cell before it is destroyed.
    std::unique_ptr<CellExtension> old =
        rows_[static_cast<std::size_t>(ARow)]->SetExtension(static_cast<std::size_t>(ACol), std::move(Value));
    return true;
}

std::unique_ptr<CellExtension> TStringGrid::TakeCellExtension(int ACol, int ARow)
{
    RowData* row = FindRow(ACol, ARow);
    return row ? row->TakeExtension(static_cast<std::size_t>(ACol)) : nullptr;
}

// Walks by index and re-reads the sizes after every destruction: a destructor may write cells.
void TStringGrid::DestroyCellExtensions()
{
    for (std::size_t r = 0; r < rows_.size(); ++r) {
        for (std::size_t c = 0; rows_[r] && c < rows_[r]->size(); ++c) {
            std::unique_ptr<CellExtension> taken = rows_[r]->TakeExtension(c);
            taken.reset();
        }
    }
}

std::unique_ptr<GridRowCells> TStringGrid::ExtractStoreRow(int ARow)
{
    if (ARow < 0 || static_cast<std::size_t>(ARow) >= rows_.size())
        return nullptr;
    std::unique_ptr<GridRowCells> taken(rows_[static_cast<std::size_t>(ARow)]);
    rows_[static_cast<std::size_t>(ARow)] = nullptr;
    return taken;
}

void TStringGrid::PlaceStoreRow(int ARow, std::unique_ptr<GridRowCells> Cells)
{
    if (ARow < 0 || ARow >= kMaxCellIndex)
        return;
    const auto r = static_cast<std::size_t>(ARow);
    if (r >= rows_.size()) {
        if (!Cells)
            return;
        rows_.resize(r + 1, nullptr);
    }
    // The old cells leave the store before they are destroyed.
    std::unique_ptr<GridRowCells> old(rows_[r]);
    rows_[r] = Cells.release();
}

void TStringGrid::PermuteStoreRows(int Left, const std::vector<int>& Order)
{
    if (Order.empty() || Left < 0)
        return;
    const std::size_t end = static_cast<std::size_t>(Left) + Order.size();
    if (rows_.size() < end)
        rows_.resize(end, nullptr);
    std::vector<RowData*> moved(Order.size());
    for (std::size_t k = 0; k < Order.size(); ++k)
        moved[k] = rows_[static_cast<std::size_t>(Order[k])];
    std::copy(moved.begin(), moved.end(), rows_.begin() + Left);
}

void TStringGrid::AddStoreRowTags(int From, int To, int Delta)
{
    From = std::max(From, 0);
    To = std::min(To, kMaxCellIndex);
    constexpr int kAhead = 8;
    for (int r = From; r < To; ++r) {
        if (r + kAhead < To && static_cast<std::size_t>(r + kAhead) < rows_.size())
            __builtin_prefetch(rows_[static_cast<std::size_t>(r + kAhead)]);
        EnsureRow(r, 0).Tag += Delta;
    }
}

void TStringGrid::InsertStoreColumns(int At, int Count)
{
    if (At < 0 || Count <= 0)
        return;
    for (RowData* row : rows_)
        if (row)
            row->InsertColumns(static_cast<std::size_t>(At), static_cast<std::size_t>(Count));
}

void TStringGrid::DeleteStoreColumns(int At, int Count)
{
    if (At < 0 || Count <= 0)
        return;
    // Texts go at once; extensions are destroyed once the store is consistent again.
    std::vector<std::unique_ptr<CellExtension>> removed;
    // Rows lie anywhere in memory once sorted: the rows a little ahead are asked for early.
    constexpr std::size_t kAhead = 8;
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        if (i + 2 * kAhead < rows_.size())
            __builtin_prefetch(rows_[i + 2 * kAhead]);
        if (i + kAhead < rows_.size() && rows_[i + kAhead])
            __builtin_prefetch(rows_[i + kAhead]->data() + At);
        if (RowData* row = rows_[i])
            row->DeleteColumns(static_cast<std::size_t>(At), static_cast<std::size_t>(Count), removed);
    }
    removed.clear();
}

void TStringGrid::RowsInserted(int At, int Count)
{
    if (static_cast<std::size_t>(At) < rows_.size())
        rows_.insert(rows_.begin() + At, static_cast<std::size_t>(Count), nullptr);
    TCustomDrawGrid::RowsInserted(At, Count);
}

void TStringGrid::RowsDeleted(int At, int Count)
{
    std::vector<std::unique_ptr<RowData>> removed;
    if (static_cast<std::size_t>(At) < rows_.size()) {
        const auto from = rows_.begin() + At;
        const auto to = rows_.begin() + std::min<std::size_t>(rows_.size(), static_cast<std::size_t>(At) + Count);
        for (auto it = from; it != to; ++it)
            removed.emplace_back(*it);
        rows_.erase(from, to);
    }
    // Destroyed once the store is consistent again.
    removed.clear();
    TCustomDrawGrid::RowsDeleted(At, Count);
}

TStringGridStrings* TStringGrid::Rows(int ARow)
{
    auto& view = rowViews_[ARow];
    if (!view)
        view = std::make_unique<TStringGridStrings>(this, true, ARow);
    return view.get();
}

TStringGridStrings* TStringGrid::Cols(int ACol)
{
    auto& view = colViews_[ACol];
    if (!view)
        view = std::make_unique<TStringGridStrings>(this, false, ACol);
    return view.get();
}

// The cells travel with their column: every stored row rotates its entries.
void TStringGrid::ColumnMoved(int FromIndex, int ToIndex)
{
    for (RowData* row : rows_)
        if (row)
            row->MoveColumn(static_cast<std::size_t>(FromIndex), static_cast<std::size_t>(ToIndex));
    TCustomDrawGrid::ColumnMoved(FromIndex, ToIndex);
}

void TStringGrid::RowMoved(int FromIndex, int ToIndex)
{
    const auto needed = static_cast<std::size_t>(std::max(FromIndex, ToIndex)) + 1;
    if (rows_.size() < needed)
        rows_.resize(needed, nullptr);
    auto from = rows_.begin() + FromIndex;
    auto to = rows_.begin() + ToIndex;
    if (FromIndex < ToIndex)
        std::rotate(from, from + 1, to + 1);
    else
        std::rotate(to, from, from + 1);
    TCustomDrawGrid::RowMoved(FromIndex, ToIndex);
}

std::string TStringGrid::GetEditText(int ACol, int ARow)
{
    std::string value = Cells(ACol, ARow);
    if (OnGetEditText)
        OnGetEditText(this, ACol, ARow, value);
    return value;
}

void TStringGrid::SetEditText(int ACol, int ARow, const std::string& Value)
{
    if (Cells(ACol, ARow) != Value)
        SetCells(ACol, ARow, Value);
    TCustomDrawGrid::SetEditText(ACol, ARow, Value);
}

void TStringGrid::DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState)
{
    if (DefaultDrawing() && !OnDrawCell) {
        TCanvas* canvas = Canvas();
        const auto oldStyle = canvas->Brush()->Style();
        canvas->Brush()->SetStyle(TBrushStyle::bsClear);
        canvas->Font()->SetColor((AState & gdSelected) && !(AState & gdFixed) ? clHighlightText : Font()->Color());
        canvas->TextRect(ARect, ARect.Left + 2, ARect.Top + 2, Cells(ACol, ARow));
        canvas->Brush()->SetStyle(oldStyle);
    }
    TCustomDrawGrid::DrawCell(ACol, ARow, ARect, AState);
}

std::size_t TStringGrid::CellStoreBytes() const
{
    std::size_t bytes = rows_.capacity() * sizeof(rows_[0]);
    for (const RowData* row : rows_) {
        if (!row)
            continue;
        bytes += sizeof(RowData) + row->capacity() * sizeof(CellData) + row->SideBytes();
        for (const CellData& cell : *row)
            if (cell.Text.capacity() > std::string().capacity())
                bytes += cell.Text.capacity() + 1;
    }
    return bytes;
}

void TStringGrid::StoredExtent(int& Cols, int& Rows) const
{
    Cols = 0;
    Rows = static_cast<int>(rows_.size());
    for (const RowData* row : rows_)
        if (row)
            Cols = std::max(Cols, static_cast<int>(row->size()));
}

// --- TStringGridStrings ---------------------------------------------------------------------------

int TStringGridStrings::Coord(int i, int& c, int& r) const
{
    c = isRow_ ? i : index_;
    r = isRow_ ? index_ : i;
    return i;
}

int TStringGridStrings::GetCount() const
{
    return isRow_ ? grid_->ColCount() : grid_->RowCount();
}

std::string TStringGridStrings::Get(int index) const
{
    int c = 0, r = 0;
    Coord(index, c, r);
    return grid_->Cells(c, r);
}

void TStringGridStrings::Put(int index, const std::string& s)
{
    int c = 0, r = 0;
    Coord(index, c, r);
    grid_->SetCells(c, r, s);
}

TObject* TStringGridStrings::GetObject(int index) const
{
    int c = 0, r = 0;
    Coord(index, c, r);
    return grid_->Objects(c, r);
}

void TStringGridStrings::PutObject(int index, TObject* object)
{
    int c = 0, r = 0;
    Coord(index, c, r);
    grid_->SetObjects(c, r, object);
}

void TStringGridStrings::Insert(int, const std::string&)
{
    throw EInvalidGridOperation("Grid index out of range");
}

void TStringGridStrings::Delete(int)
{
    throw EInvalidGridOperation("Grid index out of range");
}

void TStringGridStrings::Clear()
{
    for (int i = 0; i < GetCount(); ++i) {
        Put(i, std::string());
        PutObject(i, nullptr);
    }
}

int TStringGridStrings::Add(const std::string& s)
{
    return AddObject(s, nullptr);
}

// Appends after the last used cell, so a gap in the middle is never filled; -1 when the last
// cell is in use.
int TStringGridStrings::AddObject(const std::string& s, TObject* object)
{
    int i = GetCount();
    while (i > 0 && Get(i - 1).empty() && !GetObject(i - 1))
        --i;
    if (i >= GetCount())
        return -1;
    Put(i, s);
    PutObject(i, object);
    return i;
}

void TStringGridStrings::Assign(const rtl::TStrings& source)
{
    if (&source == this)
        return;
    const int n = source.Count();
    for (int i = 0; i < n; ++i) {
        Put(i, source[i]);
        PutObject(i, source.Objects(i));
    }
    for (int i = n; i < GetCount(); ++i) {
        Put(i, std::string());
        PutObject(i, nullptr);
    }
}

}  // namespace ui
