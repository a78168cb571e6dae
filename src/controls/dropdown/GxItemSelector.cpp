#include "controls/dropdown/GxItemSelector.h"

#include "platform/rtl/Exceptions.h"
#include "platform/ui/ImgList.h"

namespace dropdown {

using namespace ui;

TGxCustomItemSelector::TGxCustomItemSelector(TComponent* AOwner) : TScrollBox(AOwner)
{
    SetColor(clWindow);
    FItems.OnChange = [this](TObject*) { UpdateSelectorPanel(); };
    FPanel = new TCustomItemSelector(this);
    FPanel->SetParent(this);
    FPanel->SetParentColor(true);
    FPanel->OnItemSelect = [this](TObject* sender) { PanelItemSelect(sender); };
    UpdateSelectorPanel();
}

TGxCustomItemSelector::~TGxCustomItemSelector()
{
    MarkDestroying();
    FItems.OnChange = nullptr;
    DestroyComponents();
}

int TGxCustomItemSelector::ItemIndex() const
{
    return FPanel ? FPanel->ItemIndex() : -1;
}

void TGxCustomItemSelector::SetItemIndex(int Value)
{
    if (!FPanel)
        return;
    FPanel->SetItemIndex(Value);
    ScrollItemInView(FPanel->ItemIndex());
}

int TGxCustomItemSelector::ItemHot() const
{
    return FPanel ? FPanel->ItemHot() : -1;
}

void TGxCustomItemSelector::SetSelectorType(TSelectorType Value)
{
    if (FSelectorType == Value)
        return;
    FSelectorType = Value;
    UpdateSelectorPanel();
}

void TGxCustomItemSelector::SetColumns(int Value)
{
    if (Value <= 0 || FColumns == Value)
        return;
    FColumns = Value;
    UpdateSelectorPanel();
}

void TGxCustomItemSelector::SetColorBoxWidth(int Value)
{
    if (FColorBoxWidth == Value)
        return;
    FColorBoxWidth = Value;
    UpdateSelectorPanel();
}

void TGxCustomItemSelector::SetColorBoxHeight(int Value)
{
    if (FColorBoxHeight == Value)
        return;
    FColorBoxHeight = Value;
    UpdateSelectorPanel();
}

void TGxCustomItemSelector::SetImages(TImageList* Value)
{
    if (FImages == Value)
        return;
    if (FImages)
        RemoveFreeNotification(FImages);
    FImages = Value;
    if (FImages)
        FreeNotification(FImages);
    UpdateSelectorPanel();
}

void TGxCustomItemSelector::Notification(TComponent* AComponent, TOperation Operation)
{
    TScrollBox::Notification(AComponent, Operation);
    if (Operation != TOperation::opRemove)
        return;
    if (AComponent == FImages && !Destroying())
        FImages = nullptr;
    if (AComponent == FPanel)
        FPanel = nullptr;
}

unsigned TGxCustomItemSelector::WantKeys() const
{
    return DLGC_WANTARROWS | DLGC_WANTALLKEYS;
}

void TGxCustomItemSelector::UpdateSelectorPanel()
{
    if (!FPanel)
        return;
    FPanel->ArrangeItems();
    UpdateScrollBars();
}

void TGxCustomItemSelector::SelectFirst()
{
    if (!FPanel)
        return;
    FPanel->SelectFirst();
    ScrollItemInView(FPanel->ItemIndex());
}

void TGxCustomItemSelector::SelectLast()
{
    if (!FPanel)
        return;
    FPanel->SelectLast();
    ScrollItemInView(FPanel->ItemIndex());
}

void TGxCustomItemSelector::SelectNext()
{
    if (!FPanel)
        return;
    FPanel->SelectNext();
    ScrollItemInView(FPanel->ItemIndex());
}

void TGxCustomItemSelector::SelectPrevious()
{
    if (!FPanel)
        return;
    FPanel->SelectPrevious();
    ScrollItemInView(FPanel->ItemIndex());
}

void TGxCustomItemSelector::HotNext()
{
    if (!FPanel)
        return;
    FPanel->HotNext();
    ScrollItemInView(FPanel->ItemHot());
}

void TGxCustomItemSelector::HotPrevious()
{
    if (!FPanel)
        return;
    FPanel->HotPrevious();
    ScrollItemInView(FPanel->ItemHot());
}

bool TGxCustomItemSelector::LookupItem(const std::string& S)
{
    return FPanel && FPanel->LookupItem(S);
}

void TGxCustomItemSelector::ScrollItemInView(int Index)
{
    if (!FPanel || !FItems.Valid(Index) || !ScrollBarVisible(SB_VERT))
        return;
    TRect r = FPanel->GetItemRect(Index);
    r.Top -= VertScrollMargin();
    r.Bottom += VertScrollMargin();
    r = r.Offset(FPanel->Left(), FPanel->Top());
    const int clientHeight = ClientHeight();
    if (r.Top < 0) {
        SetVertScrollPosition(VertScrollPosition() + r.Top);
    } else if (r.Bottom > clientHeight) {
        if (r.Height() > clientHeight)
            r.Bottom = r.Top + clientHeight;
        SetVertScrollPosition(VertScrollPosition() + r.Bottom - clientHeight);
    }
}

int TGxCustomItemSelector::GetVisibleItemCount() const
{
    if (!FPanel || FItems.Count() == 0)
        return 0;
    int h = Height();
    if (ScrollBarVisible(SB_HORZ))
        h -= 20;
    const int itemHeight = FPanel->GetItemRect(0).Height();
    if (itemHeight <= 0)
        return 0;  // an item size handler may give items no height
    return h / itemHeight * FColumns;
}

TSize TGxCustomItemSelector::GetPanelSize() const
{
    if (!FPanel)
        return {100, 50};
    return {FPanel->Width(), FPanel->Height()};
}

void TGxCustomItemSelector::PanelItemSelect(TObject*)
{
    if (OnItemSelect)
        OnItemSelect(this);
}

}  // namespace dropdown
