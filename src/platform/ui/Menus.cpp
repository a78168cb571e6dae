#include <algorithm>
#include "platform/ui/Menus.h"

namespace ui {

TMenuItem::TMenuItem(TComponent* AOwner) : TComponent(AOwner) {}

TMenuItem::~TMenuItem()
{
    if (parent_) parent_->Remove(this);
    for (TMenuItem* i : items_) i->parent_ = nullptr;
}

void TMenuItem::Add(TMenuItem* item)
{
    if (!item) return;
    if (item->parent_) item->parent_->Remove(item);
    items_.push_back(item);
    item->parent_ = this;
}

void TMenuItem::Remove(TMenuItem* item)
{
    items_.erase(std::remove(items_.begin(), items_.end(), item), items_.end());
    if (item) item->parent_ = nullptr;
}

void TMenuItem::Click()
{
    if (Enabled && OnClick) OnClick(this);
}

TPopupMenu::TPopupMenu(TComponent* AOwner) : TComponent(AOwner), items_(new TMenuItem(this)) {}

TPopupMenu::~TPopupMenu() = default;

TMenuItem* TPopupMenu::Popup(int /*x*/, int /*y*/)
{
    if (OnPopup) OnPopup(this);
    // No native menu is shown: the program's windows use no popup menu of their own.
    return nullptr;
}

} // namespace ui
