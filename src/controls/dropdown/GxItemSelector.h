#pragma once
// The item selector: a scrolling grid of items (image or colour box plus a mini-HTML caption) in
// cells of one common size and a fixed number of columns. It highlights the item under the mouse
// (hot) and the selected item, selects on a mouse press and offers navigation for its host, which
// turns keys into these operations. Two controls: the outer scrolling TGxCustomItemSelector owns
// items, look and settings; the inner TCustomItemSelector panel lays out, paints and hit-tests.
#include <memory>
#include <string>

#include "controls/dropdown/GxDropDownTypes.h"
#include "controls/dropdown/GxItemAppearance.h"
#include "controls/dropdown/GxSelectorItems.h"
#include "platform/ui/ScrollBox.h"

namespace ui {
class TImageList;
}

namespace dropdown {

class TGxCustomItemSelector;

class TCustomItemSelector : public ui::TCustomControl {
public:
    // AOwner must be a TGxCustomItemSelector ("Invalid parent" otherwise).
    explicit TCustomItemSelector(ui::TComponent* AOwner);

    TGxCustomItemSelector* GxItemSelector() const { return FGxItemSelector; }
    int ItemIndex() const { return FItemIndex; }
    // Selects Index (not a disabled item): the old selection is repainted, the new item drawn at
    // once and OnItemSelect fired, also when Index was selected already. -1 clears.
    void SetItemIndex(int Index);
    int ItemHot() const { return FItemHot; }
    void SetItemHot(int Index);

    void SelectFirst();
    void SelectLast();
    void SelectNext();
    void SelectPrevious();
    void HotNext();
    void HotPrevious();
    // Selects the first item whose caption, without tags, trimmed and upper-cased, starts with S.
    bool LookupItem(const std::string& S);

    // The item's rectangle, or (-1, -1, -1, -1) for an index outside the items.
    ui::TRect GetItemRect(int Index) const;
    int ItemAtPos(int X, int Y) const;
    void DrawItems(ui::TCanvas& Canvas);

    virtual void DrawItem(int Index, ui::TCanvas& Canvas);
    virtual void GetItemArea(ui::TRect& R);
    virtual void GetItemSize(ui::TSize& Size);
    virtual void InvalidateItem(int Index);
    virtual void ArrangeItems();

    // Margins: of the item grid in the panel, of an item's content in its cell, between image
    // (or box) and caption.
    int OffSetX() const { return FOffSetX; }
    int OffSetY() const { return FOffSetY; }
    int ItemOffSetX() const { return FItemOffSetX; }
    int ItemOffSetY() const { return FItemOffSetY; }
    int CaptionGap() const { return FCaptionGap; }

    ui::TNotifyEvent OnItemSelect;

protected:
    void Paint() override;
    void MouseDown(ui::TMouseButton Button, ui::TShiftState Shift, int X, int Y) override;
    void MouseMove(ui::TShiftState Shift, int X, int Y) override;
    void MouseLeave() override;

private:
    bool Disabled(int Index) const;
    TSelectorItems& Items() const;
    void ClearHot();

    TGxCustomItemSelector* FGxItemSelector = nullptr;
    int FItemIndex = -1;
    int FItemHot = -1;
    int FOffSetX = 2;
    int FOffSetY = 2;
    int FItemOffSetX = 4;
    int FItemOffSetY = 4;
    int FCaptionGap = 4;
};

class TGxCustomItemSelector : public ui::TScrollBox {
public:
    explicit TGxCustomItemSelector(ui::TComponent* AOwner);
    ~TGxCustomItemSelector() override;

    TSelectorItems* Items() { return &FItems; }
    void SetItems(const TSelectorItems& Value) { FItems.Assign(Value); }
    int ItemIndex() const;
    void SetItemIndex(int Value);
    int ItemHot() const;
    TSelectorType SelectorType() const { return FSelectorType; }
    void SetSelectorType(TSelectorType Value);
    // Stored only: the host lays the items out again afterwards.
    TItemLayout ItemLayout() const { return FItemLayout; }
    void SetItemLayout(TItemLayout Value) { FItemLayout = Value; }
    int Columns() const { return FColumns; }
    // Values below 1 are ignored.
    void SetColumns(int Value);
    int ColorBoxWidth() const { return FColorBoxWidth; }
    void SetColorBoxWidth(int Value);
    int ColorBoxHeight() const { return FColorBoxHeight; }
    void SetColorBoxHeight(int Value);
    ui::TImageList* Images() const { return FImages; }
    void SetImages(ui::TImageList* Value);
    TItemAppearance* ItemAppearance() { return &FItemAppearance; }
    void SetItemAppearance(const TItemAppearance& Value) { FItemAppearance.Assign(Value); }

    TCustomItemSelector* Panel() const { return FPanel; }
    // Lays the items out (rectangles and panel size) and updates the scroll bars.
    void UpdateSelectorPanel();
    void SelectFirst();
    void SelectLast();
    void SelectNext();
    void SelectPrevious();
    void HotNext();
    void HotPrevious();
    bool LookupItem(const std::string& S);
    void ScrollItemInView(int Index);
    // Items a page shows: (height div item height) x Columns; 0 without items.
    int GetVisibleItemCount() const;
    // The panel's size (100 x 50 without a panel).
    ui::TSize GetPanelSize() const;

    ui::TNotifyEvent OnItemSelect;
    TDrawItemEvent OnDrawItem;
    TItemSizeEvent OnItemSize;

protected:
    void Notification(ui::TComponent* AComponent, ui::TOperation Operation) override;
    unsigned WantKeys() const override;

private:
    void PanelItemSelect(ui::TObject* Sender);

    TSelectorItems FItems;
    TItemAppearance FItemAppearance;
    TSelectorType FSelectorType = TSelectorType::stImage;
    TItemLayout FItemLayout = TItemLayout::ilCaptionRight;
    int FColumns = 1;
    int FColorBoxWidth = 14;
    int FColorBoxHeight = 14;
    ui::TImageList* FImages = nullptr;
    TCustomItemSelector* FPanel = nullptr;
};

}  // namespace dropdown
