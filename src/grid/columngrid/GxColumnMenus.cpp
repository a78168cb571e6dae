// TGxColumnGrid: what a column offers in menus of its own. Its popup menu, shown by the click its
// ColumnPopupType names; its filter list (the entries of the item's Filter), picked from the
// filter drop-down; and the removal notices by which items forget a menu or editor link that goes.
#include "grid/columngrid/GxColumnGrid.h"

#include "grid/stringgrid/GxEditLink.h"
#include "grid/stringgrid/GxGridPanels.h"
#include "platform/ui/Messages.h"

namespace gx {

namespace {

// An entry is "name=condition", or a bare condition that is its own name.
void SplitColumnFilterEntry(const std::string& Entry, std::string& Name, std::string& Condition)
{
    const auto eq = Entry.find('=');
    Name = eq == std::string::npos ? Entry : Entry.substr(0, eq);
    Condition = eq == std::string::npos ? Entry : Entry.substr(eq + 1);
}

}  // namespace

// --- popup menus -----------------------------------------------------------------------------------

void TGxColumnGrid::WndProc(ui::TMessage& message)
{
    const unsigned msg = message.Msg;
    const std::intptr_t point = message.LParam;
    TGxStringGrid::WndProc(message);
    if (msg == ui::WM_LBUTTONDOWN || msg == ui::WM_RBUTTONDOWN)
        ColumnPopupPress(msg == ui::WM_LBUTTONDOWN ? ui::TMouseButton::mbLeft : ui::TMouseButton::mbRight,
                         ui::LoWordSigned(point), ui::HiWordSigned(point));
}

// The menu opens at the clicked cell's bottom-left corner. The column's item is found by its real
// index, so a hidden column before it does not hand the click to its neighbour's menu.
void TGxColumnGrid::ColumnPopupPress(ui::TMouseButton Button, int X, int Y)
{
    int ACol = -1, ARow = -1;
    MouseToCell(X, Y, ACol, ARow);
    if (ACol < 0 || ARow < 0)
        return;
    const int real = RealColIndex(ACol);
    if (real >= columns_->Count())
        return;
    const TGridColumnItem* item = columns_->Items(real);
    ui::TPopupMenu* menu = item->ColumnPopup();
    if (!menu)
        return;
    const bool left = Button == ui::TMouseButton::mbLeft;
    const TColumnPopupType type = item->ColumnPopupType;
    const bool onFixed = type == (left ? cpFixedCellsLClick : cpFixedCellsRClick);
    const bool onNormal = type == (left ? cpNormalCellsLClick : cpNormalCellsRClick);
    const bool onAll = type == (left ? cpAllCellsLClick : cpAllCellsRClick);
    if (!onFixed && !onNormal && !onAll)
        return;
    if (OnColumnPopup)
        OnColumnPopup(this, ACol, ARow, menu);
    const bool fixedRow = ARow < FixedRows();
    if (onAll || (fixedRow ? onFixed : onNormal)) {
        const ui::TRect cell = CellRect(ACol, ARow);
        const ui::TPoint at = ClientToScreen({cell.Left, cell.Bottom});
        menu->PopupComponent = this;
        menu->Popup(at.X, at.Y);
    }
}

// --- filter lists ------------------------------------------------------------------------------------

bool TGxColumnGrid::GetColumnFilterList(int ACol)
{
    rtl::TStringList& list = *FilterList();
    list.SetSorted(false);
    TGxStringGrid::GetColumnFilterList(ACol);
    if (ACol < 0 || ACol >= columns_->Count() || columns_->Items(ACol)->Filter.Count() == 0)
        return false;
    const rtl::TStringList& entries = columns_->Items(ACol)->Filter;
    list.Clear();
    for (int i = 0; i < entries.Count(); ++i) {
        std::string name, condition;
        SplitColumnFilterEntry(entries.Strings(i), name, condition);
        list.Add(name);
    }
    return true;
}

void TGxColumnGrid::FilterDropDownSelect(int ItemIndex)
{
    FilterDropList()->SetVisible(false);
    if (CanFocus())
        SetFocus();
    const int col = FilterColumn;
    if (col >= 0 && col < columns_->Count() && ItemIndex >= 0 && ItemIndex < columns_->Items(col)->Filter.Count()) {
        TGridColumnItem* item = columns_->Items(col);
        std::string name, condition;
        SplitColumnFilterEntry(item->Filter.Strings(ItemIndex), name, condition);
        if (AutoFilterDisplay)
            item->SetHeader(name);
        if (AutoFilterUpdate)
            SetFilterActive(false);
        if (OnFilterSelect)
            OnFilterSelect(this, col, ItemIndex, name, condition);
        TFilterData* filter = Filter()->GetColFilter(col);
        filter->Condition = condition;
        filter->CaseSensitive = item->FilterCaseSensitive;
        if (AutoFilterUpdate) {
            SetFilterActive(true);
            if (RowCount() != FixedRows() && !(RowCount() == 1 && FixedRowAlways()))
                SetRow(FixedRows());
            DoFilterDone();
        }
    }
    FilterColumn = -1;
}

// --- removal notices ---------------------------------------------------------------------------------

void TGxColumnGrid::Notification(ui::TComponent* component, ui::TOperation operation)
{
    TGxStringGrid::Notification(component, operation);
    if (operation != ui::TOperation::opRemove || !columns_)
        return;
    const auto forget = [component](TGridColumnItem& item) {
        if (item.ColumnPopup() && static_cast<ui::TComponent*>(item.ColumnPopup()) == component)
            item.SetColumnPopup(nullptr);
        if (item.EditLink() && static_cast<ui::TComponent*>(item.EditLink()) == component)
            item.SetEditLink(nullptr);
    };
    for (int i = 0; i < columns_->Count(); ++i)
        forget(*columns_->Items(i));
    forget(*saveCol_);
}

void TGxColumnGrid::WatchColumnComponents()
{
    const auto watch = [this](const TGridColumnItem& item) {
        if (item.ColumnPopup())
            FreeNotification(item.ColumnPopup());
        if (item.EditLink())
            FreeNotification(item.EditLink());
    };
    for (int i = 0; i < columns_->Count(); ++i)
        watch(*columns_->Items(i));
    watch(*saveCol_);
}

}  // namespace gx
