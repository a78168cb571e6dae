#include "controls/dropdown/GxImagePickerDropDown.h"

#include <algorithm>
#include <filesystem>
#include <fnmatch.h>
#include <vector>

#include "controls/dropdown/GxDropDownForm.h"
#include "controls/dropdown/GxDropDownPresets.h"
#include "controls/dropdown/GxItemSelector.h"
#include "platform/ui/ImgList.h"

namespace dropdown {

using namespace ui;

namespace {

constexpr unsigned kKeyTimer = 0x4950;  // the type-ahead text is cleared 500 ms after its first key

}  // namespace

TImageItem::TImageItem(TCollectionBase* Collection) : FCollection(Collection), FImage(std::make_unique<TPicture>()) {}

void TImageItem::SetCaption(const std::string& Value)
{
    if (FCaption == Value)
        return;
    FCaption = Value;
    FCollection->Changed();
}

void TImageItem::SetImageIndex(int Value)
{
    if (FImageIndex == Value)
        return;
    FImageIndex = Value;
    FCollection->Changed();
}

void TImageItem::Assign(const TImageItem& Source)
{
    SetCaption(Source.FCaption);
    SetImageIndex(Source.FImageIndex);
    FImage->Assign(*Source.FImage);
    FEnabled = Source.FEnabled;
    FHint = Source.FHint;
}

TGxImagePickerDropDown::TGxImagePickerDropDown(TComponent* AOwner) : TGxCustomDropDown(AOwner)
{
    if (!(ComponentState() & csDesigning))
        CreateDropDownForm();
    SetEditorEnabled(false);
    SetDropDownEnabled(true);
    SetCursor(crArrow);
    SetItemAppearanceStyle(&FItemAppearance, GetComponentStyle());
}

TGxImagePickerDropDown::~TGxImagePickerDropDown()
{
    MarkDestroying();
    if (FKeyTimer)
        KillTimer(kKeyTimer);
}

void TGxImagePickerDropDown::Notification(TComponent* AComponent, TOperation Operation)
{
    TGxCustomDropDown::Notification(AComponent, Operation);
    if (Operation == TOperation::opRemove && AComponent == FItemSelector)
        FItemSelector = nullptr;
}

void TGxImagePickerDropDown::CreateDropDownForm()
{
    TGxCustomDropDown::CreateDropDownForm();
    if (FItemSelector || !DropDownForm())
        return;
    FItemSelector = new TGxCustomItemSelector(this);
    FItemSelector->SetParent(DropDownForm());
    FItemSelector->SetBounds(0, 0, FItemSelector->Width(), 150);
    FItemSelector->SetSelectorType(TSelectorType::stImage);
    FItemSelector->SetColor(DropDownColor());
    FItemSelector->UpdateSelectorPanel();
    SetControl(FItemSelector);
}

void TGxImagePickerDropDown::SetItemIndex(int Value)
{
    if (Value == FItemIndex || Value >= FItems.Count())
        return;
    FItemIndex = Value;
    Invalidate();
    Change();
    if (OnSelect)
        OnSelect(this);
}

int TGxImagePickerDropDown::ImageIndex() const
{
    const TImageItem* item = FItems.GetItem(FItemIndex);
    return item ? item->ImageIndex() : -1;
}

void TGxImagePickerDropDown::SetImageIndex(int Value)
{
    for (int i = 0; i < FItems.Count(); ++i)
        if (FItems.GetItem(i)->ImageIndex() == Value) {
            SetItemIndex(i);
            return;
        }
    SetItemIndex(-1);
}

void TGxImagePickerDropDown::SelectFirst()
{
    if (FItems.Count() > 0)
        SetItemIndex(0);
}

void TGxImagePickerDropDown::SelectLast()
{
    if (FItems.Count() > 0)
        SetItemIndex(FItems.Count() - 1);
}

void TGxImagePickerDropDown::SelectNext()
{
    if (FItems.Count() == 0)
        return;
    if (FItemIndex < 0)
        SetItemIndex(0);
    else if (FItemIndex + 1 < FItems.Count())
        SetItemIndex(FItemIndex + 1);
}

void TGxImagePickerDropDown::SelectPrevious()
{
    if (FItems.Count() == 0)
        return;
    if (FItemIndex < 0)
        SetItemIndex(0);
    else if (FItemIndex > 0)
        SetItemIndex(FItemIndex - 1);
}

void TGxImagePickerDropDown::AddImagesFromImageList()
{
    if (!Images())
        return;
    for (int i = 0; i < Images()->Count(); ++i)
        FItems.Add()->SetImageIndex(i);
}

void TGxImagePickerDropDown::AddImagesFromFolder(const std::string& AFolder, bool SetImageCaption)
{
    namespace fs = std::filesystem;
    const fs::path pattern(AFolder);
    const fs::path folder = pattern.has_parent_path() ? pattern.parent_path() : fs::path(".");
    const std::string mask = pattern.filename().string();
    std::error_code ec;
    std::vector<fs::path> entries;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec))
        if (fnmatch(mask.c_str(), it->path().filename().c_str(), 0) == 0)
            entries.push_back(it->path());
    std::sort(entries.begin(), entries.end());
    for (const fs::path& entry : entries) {
        TImageItem* item = FItems.Add();
        try {
            item->Image()->LoadFromFile(entry.string());
            if (SetImageCaption)
                item->SetCaption(entry.filename().string());
        } catch (const std::exception&) {
            // Not a picture (or a folder): the item stays without picture and caption.
            item->Image()->SetGraphic(nullptr);
        }
    }
}

void TGxImagePickerDropDown::SetComponentStyle(gx::TGxStyle AStyle)
{
    TGxCustomDropDown::SetComponentStyle(AStyle);
    SetItemAppearanceStyle(&FItemAppearance, AStyle);
}

void TGxImagePickerDropDown::SetSelectionColorStyle(TSelectionColorStyle Value)
{
    TGxCustomDropDown::SetSelectionColorStyle(Value);
    if (FItemSelector)
        FItemSelector->ItemAppearance()->SetColorStyle(Value);
}

void TGxImagePickerDropDown::UpdateSelector()
{
    if (!FItemSelector)
        return;
    FItemSelector->OnItemSelect = nullptr;
    FItemSelector->SetColumns(FColumns);
    FItemSelector->SetImages(Images());
    FItemSelector->SetItemLayout(FLayout);
    FItemSelector->SetColor(DropDownColor());
    FItemSelector->SetItemAppearance(FItemAppearance);
    TSelectorItems& items = *FItemSelector->Items();
    items.Clear();
    for (int i = 0; i < FItems.Count(); ++i) {
        const TImageItem& source = *FItems.GetItem(i);
        TSelectorItem* item = items.Add();
        item->SetCaption(source.Caption());
        item->SetImage(*source.Image());
        item->SetImageIndex(source.ImageIndex());
        item->SetHint(source.Hint());
    }
    FItemSelector->UpdateSelectorPanel();
    FInternalCall = true;
    FItemSelector->SetItemIndex(FItemIndex);
    FInternalCall = false;
    FItemSelector->OnItemSelect = [this](TObject*) { SelectorItemSelect(); };
    FItemSelector->SetShowHint(ShowHint());
}

void TGxImagePickerDropDown::DoBeforeDropDown()
{
    TGxCustomDropDown::DoBeforeDropDown();
    UpdateSelector();
    if (FItemSelector) {
        if (OnDrawItem)
            FItemSelector->OnDrawItem = [this](TObject*, TCanvas& c, const TRect& r, int index) {
                const TRect copy = r;
                OnDrawItem(this, c, copy, index);
            };
        else
            FItemSelector->OnDrawItem = nullptr;
    }
    FOldItemIndex = FItemIndex;
}

void TGxImagePickerDropDown::UpdateDropDownSize()
{
    if (!FItemSelector) {
        TGxCustomDropDown::UpdateDropDownSize();
        return;
    }
    FItemSelector->SetAlign(TAlign::alNone);
    const TSize panel = FItemSelector->GetPanelSize();
    FItemSelector->SetBounds(FItemSelector->Left(), FItemSelector->Top(),
                             DropDownWidth() >= 1 ? FItemSelector->Width() : panel.cx,
                             DropDownHeight() >= 1 ? FItemSelector->Height() : panel.cy);
    SetControlSize({FItemSelector->Width(), FItemSelector->Height()});
    TGxCustomDropDown::UpdateDropDownSize();
    TDropDownForm* window = DropDownForm();
    // At the window's size the selector may need a vertical bar: the window grows by its width.
    const int inner = window->Height() - 2 * DropDownBorderWidth() -
                      (DropDownHeader()->Visible() ? DropDownHeader()->Height : 0) -
                      (DropDownFooter()->Visible() ? DropDownFooter()->Height : 0);
    if (panel.cy > inner)
        window->SetWidth(window->Width() + TWinControl::ScrollBarSize);
}

void TGxImagePickerDropDown::SelectorItemSelect()
{
    SetItemIndex(FItemSelector->ItemIndex());
    if (!FInternalCall)
        DoHideDropDown(false);
}

void TGxImagePickerDropDown::SelectInSelector(int Target)
{
    if (!FItemSelector || Target < 0 || Target >= FItemSelector->Items()->Count())
        return;
    FInternalCall = true;
    FItemSelector->SetItemIndex(Target);
    FInternalCall = false;
}

void TGxImagePickerDropDown::DoHideDropDown(bool Cancelled)
{
    const bool wasDown = DroppedDown();
    TGxCustomDropDown::DoHideDropDown(Cancelled);
    if (wasDown && Cancelled)
        SetItemIndex(FOldItemIndex);
}

void TGxImagePickerDropDown::KeyDown(unsigned& Key, TShiftState Shift)
{
    const unsigned key = Key;
    bool enterUsed = false;
    if (Enabled() && DroppedDown() && key == VK_RETURN && FItemSelector && FItemSelector->ItemHot() >= 0) {
        FItemSelector->SetItemIndex(FItemSelector->ItemHot());  // selects and closes
        enterUsed = true;
    }
    TGxCustomDropDown::KeyDown(Key, Shift);
    if (!Enabled() || (Shift & ssAlt))
        return;
    const bool down = DroppedDown();
    const int selected = FItemSelector ? FItemSelector->ItemIndex() : -1;
    switch (key) {
    case VK_RETURN:
        if (!enterUsed && OnSelect)
            OnSelect(this);
        break;
    case VK_UP:
        if (down)
            SelectInSelector(selected < 0 ? 0 : selected - FColumns);
        else
            SelectPrevious();
        break;
    case VK_DOWN:
        if (down)
            SelectInSelector(selected < 0 ? 0 : selected + FColumns);
        else
            SelectNext();
        break;
    case VK_LEFT:
    case VK_RIGHT:
        if (down && !EditorEnabled() && FItemSelector) {
            FInternalCall = true;
            if (key == VK_LEFT)
                FItemSelector->SelectPrevious();
            else
                FItemSelector->SelectNext();
            FInternalCall = false;
        }
        break;
    case VK_HOME:
    case VK_END:
        if (down && FItemSelector) {
            FInternalCall = true;
            if (key == VK_HOME)
                FItemSelector->SelectFirst();
            else
                FItemSelector->SelectLast();
            FInternalCall = false;
        } else if (key == VK_HOME) {
            SelectFirst();
        } else {
            SelectLast();
        }
        break;
    case VK_PRIOR:
    case VK_NEXT: {
        if (!FItemSelector)
            break;
        if (FItemSelector->Items()->Count() != FItems.Count())
            UpdateSelector();
        const int n = FItemSelector->GetVisibleItemCount();
        if (n < 1)
            break;
        const int from = FItemSelector->ItemIndex();
        const int last = FItemSelector->Items()->Count() - 1;
        SelectInSelector(key == VK_PRIOR ? std::max(0, from - n) : std::min(last, from + n));
        break;
    }
    default:
        if (!(Shift & ssCtrl) && key != VK_ESCAPE && key != VK_F4 && key != VK_SHIFT && key != VK_CONTROL &&
            key != VK_MENU && FItemSelector) {
            if (FItemSelector->Items()->Count() != FItems.Count())
                UpdateSelector();
            FCurSearch.push_back(static_cast<char>(key));
            FInternalCall = true;
            FItemSelector->LookupItem(FCurSearch);
            FInternalCall = false;
            if (!FKeyTimer) {
                SetTimer(kKeyTimer, 500);
                FKeyTimer = true;
            }
        }
        break;
    }
}

void TGxImagePickerDropDown::KeyTimerTick()
{
    KillTimer(kKeyTimer);
    FKeyTimer = false;
    FCurSearch.clear();
}

void TGxImagePickerDropDown::WndProc(TMessage& Message)
{
    if (Message.Msg == WM_TIMER && Message.WParam == kKeyTimer) {
        KeyTimerTick();
        return;
    }
    TGxCustomDropDown::WndProc(Message);
}

void TGxImagePickerDropDown::HandleMouseWheelDown()
{
    if (!Enabled() || ReadOnly() || !FItemSelector)
        return;
    if (DroppedDown()) {
        FItemSelector->HotNext();
        return;
    }
    if (FItemSelector->Items()->Count() != FItems.Count())
        UpdateSelector();
    FInternalCall = true;
    FItemSelector->SelectNext();
    FInternalCall = false;
}

void TGxImagePickerDropDown::HandleMouseWheelUp()
{
    if (!Enabled() || ReadOnly() || !FItemSelector)
        return;
    if (DroppedDown()) {
        FItemSelector->HotPrevious();
        return;
    }
    if (FItemSelector->Items()->Count() != FItems.Count())
        UpdateSelector();
    FInternalCall = true;
    FItemSelector->SelectPrevious();
    FInternalCall = false;
}

void TGxImagePickerDropDown::PaintEditContent(TCanvas& Canvas)
{
    const TPoint o = ClientOrigin();
    const TRect r = GetEditRect().Offset(o.X, o.Y);
    if (OnDrawSelectedImage) {
        OnDrawSelectedImage(this, Canvas, r);
        return;
    }
    const TImageItem* item = FItems.GetItem(FItemIndex);
    if (!item)
        return;
    const TPicture* pic = item->Image();
    if (pic->Graphic() && !pic->Graphic()->Empty()) {
        Canvas.Draw(r.Left + (r.Width() - pic->Width()) / 2, r.Top + (r.Height() - pic->Height()) / 2, pic->Graphic());
    } else if (Images() && item->ImageIndex() >= 0) {
        Images()->Draw(Canvas, r.Left + (r.Width() - Images()->Width()) / 2,
                       r.Top + (r.Height() - Images()->Height()) / 2, item->ImageIndex());
    }
}

}  // namespace dropdown
