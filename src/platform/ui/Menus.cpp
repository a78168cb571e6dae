#include "platform/ui/Menus.h"
#include "platform/ui/Application.h"
#include "platform/ui/Backend.h"
#include <algorithm>

namespace ui {

TMenuItem::TMenuItem(TComponent* AOwner) : TComponent(AOwner) {}

TMenuItem::~TMenuItem()
{
    if (parent_)
        parent_->Remove(this);
    for (TMenuItem* i : items_)
        i->parent_ = nullptr;
}

void TMenuItem::Add(TMenuItem* item)
{
    if (!item)
        return;
    if (item->parent_)
        item->parent_->Remove(item);
    items_.push_back(item);
    item->parent_ = this;
}

void TMenuItem::Remove(TMenuItem* item)
{
    items_.erase(std::remove(items_.begin(), items_.end(), item), items_.end());
    if (item)
        item->parent_ = nullptr;
}

void TMenuItem::Click()
{
    if (Enabled && OnClick)
        OnClick(this);
}

TPopupMenu::TPopupMenu(TComponent* AOwner) : TComponent(AOwner), items_(new TMenuItem(this)) {}

TPopupMenu::~TPopupMenu() = default;

TMenuItem* TPopupMenu::Popup(int x, int y)
{
    popupPoint_ = {x, y};
    if (OnPopup)
        OnPopup(this);
    if (!Backend())
        return nullptr;
    std::vector<TMenuItem*> shown;
    std::vector<IUiBackend::TMenuEntry> entries;
    for (int i = 0; i < items_->Count(); ++i) {
        TMenuItem* item = items_->Items(i);
        if (!item->Visible)
            continue;
        shown.push_back(item);
        entries.push_back({item->Caption, item->Enabled, item->Checked});
    }
    if (entries.empty())
        return nullptr;
    int picked = Backend()->ShowPopupMenu(entries, {x, y});
    if (picked < 0 || picked >= static_cast<int>(shown.size()))
        return nullptr;
    TMenuItem* item = shown[static_cast<std::size_t>(picked)];
    GetApplication()->Guard(item, [item] { item->Click(); });
    return item;
}

}  // namespace ui
