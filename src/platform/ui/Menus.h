#pragma once
// Popup menus with their items.
#include "platform/ui/Component.h"
#include "platform/ui/Types.h"
#include <memory>
#include <vector>

namespace ui {

class TMenuItem : public TComponent {
public:
    explicit TMenuItem(TComponent* AOwner);
    ~TMenuItem() override;
    std::string Caption;
    bool Checked = false;
    bool Enabled = true;
    bool Visible = true;
    int ImageIndex = -1;
    TNotifyEvent OnClick;
    int Count() const { return static_cast<int>(items_.size()); }
    TMenuItem* Items(int i) const { return items_.at(static_cast<std::size_t>(i)); }
    void Add(TMenuItem* item);
    void Remove(TMenuItem* item);
    TMenuItem* Parent() const { return parent_; }
    virtual void Click();

private:
    std::vector<TMenuItem*> items_;
    TMenuItem* parent_ = nullptr;
};

class TPopupMenu : public TComponent {
public:
    explicit TPopupMenu(TComponent* AOwner);
    ~TPopupMenu() override;
    TMenuItem* Items() { return items_; }
    TComponent* PopupComponent = nullptr;
    TNotifyEvent OnPopup;
    // Shows the menu at a screen point; the chosen item's OnClick runs. Returns the item or nullptr.
    TMenuItem* Popup(int x, int y);
    // The screen point of the last Popup.
    TPoint PopupPoint() const { return popupPoint_; }

private:
    TMenuItem* items_;
    TPoint popupPoint_{};
};

}  // namespace ui
