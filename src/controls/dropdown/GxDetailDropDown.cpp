#include "controls/dropdown/GxDetailDropDown.h"

#include <algorithm>

#include "controls/dropdown/GxDropDownForm.h"
#include "controls/dropdown/GxDropDownPresets.h"
#include "controls/dropdown/GxItemSelector.h"
#include "grid/base/HtmlTextDraw.h"
#include "platform/rtl/StrUtils.h"
#include "platform/rtl/Utf8.h"
#include "platform/ui/ImgList.h"

namespace dropdown {

using namespace ui;

namespace {

// The type-ahead text is cleared 500 ms after the last search key.
constexpr unsigned kKeyTimer = 0x4454;

bool IsListKey(unsigned key)
{
    return key == VK_PRIOR || key == VK_NEXT || key == VK_LEFT || key == VK_RIGHT || key == VK_UP || key == VK_DOWN;
}

}  // namespace

TDetailItem::TDetailItem(TCollectionBase* Collection) : FCollection(Collection), FImage(std::make_unique<TPicture>()) {}

void TDetailItem::SetCaption(const std::string& Value)
{
    if (FCaption == Value)
        return;
    FCaption = Value;
    FCollection->Changed();
}

void TDetailItem::SetImageIndex(int Value)
{
    if (FImageIndex == Value)
        return;
    FImageIndex = Value;
    FCollection->Changed();
}

void TDetailItem::Assign(const TDetailItem& Source)
{
    SetCaption(Source.FCaption);
    SetImageIndex(Source.FImageIndex);
    FImage->Assign(*Source.FImage);
    FNotes = Source.FNotes;
    FTag = Source.FTag;
    FItemObject = Source.FItemObject;
}

int TDetailItems::IndexOf(const std::string& Value) const
{
    for (int i = 0; i < Count(); ++i)
        if (GetItem(i)->Caption() == Value)
            return i;
    return -1;
}

TGxDetailDropDown::TGxDetailDropDown(TComponent* AOwner) : TGxCustomDropDown(AOwner)
{
    FCaptionFont.Assign(*Font());
    FNotesFont.Assign(*Font());
    SetItemAppearanceStyle(&FItemAppearance, GetComponentStyle());
    if (!(ComponentState() & csDesigning))
        CreateDropDownForm();
    SetDropDownEnabled(true);
}

TGxDetailDropDown::~TGxDetailDropDown()
{
    MarkDestroying();
    if (FKeyTimer)
        KillTimer(kKeyTimer);
}

void TGxDetailDropDown::Notification(TComponent* AComponent, TOperation Operation)
{
    TGxCustomDropDown::Notification(AComponent, Operation);
    if (Operation == TOperation::opRemove && AComponent == FItemSelector)
        FItemSelector = nullptr;
}

void TGxDetailDropDown::CreateDropDownForm()
{
    TGxCustomDropDown::CreateDropDownForm();
    if (!DropDownForm())
        return;
    if (!FItemSelector) {
        FItemSelector = new TGxCustomItemSelector(this);
        FItemSelector->SetParent(DropDownForm());
        FItemSelector->SetSelectorType(TSelectorType::stImage);
        FItemSelector->SetBounds(0, 0, FItemSelector->Width(), 150);
        FItemSelector->OnDrawItem = [this](TObject*, TCanvas& c, const TRect& r, int index) {
            DrawSelectorItem(c, r, index);
        };
        FItemSelector->OnItemSize = [this](TObject*, TSize& size) { MeasureSelectorItem(size); };
        FItemSelector->OnResize = [this](TObject*) { FItemSelector->UpdateSelectorPanel(); };
        FItemSelector->UpdateSelectorPanel();
    }
    FItemSelector->SetColor(DropDownColor());
    FItemSelector->UpdateSelectorPanel();
    SetControl(FItemSelector);
}

void TGxDetailDropDown::SetItemIndex(int Value)
{
    if (Value != FItemIndex && Value >= 0 && Value < FItems.Count()) {
        FItemIndex = Value;
        SetText(FItems.GetItem(Value)->Caption());
        SetSelStart(0);
        SetSelLength(ValueLength());
        Invalidate();
        if (FItemSelector)
            FItemSelector->Invalidate();
        if (OnSelect)
            OnSelect(this);
    } else if (Value != FItemIndex && Value == -1) {
        SetText("");
        FItemIndex = -1;
    }
}

void TGxDetailDropDown::SelectFirst()
{
    if (FItems.Count() > 0)
        SetItemIndex(0);
}

void TGxDetailDropDown::SelectLast()
{
    if (FItems.Count() > 0)
        SetItemIndex(FItems.Count() - 1);
}

void TGxDetailDropDown::SelectNext()
{
    if (FItems.Count() == 0)
        return;
    if (FItemIndex < 0)
        SetItemIndex(0);
    else if (FItemIndex + 1 < FItems.Count())
        SetItemIndex(FItemIndex + 1);
}

void TGxDetailDropDown::SelectPrevious()
{
    if (FItems.Count() == 0)
        return;
    if (FItemIndex < 0)
        SetItemIndex(0);
    else if (FItemIndex > 0)
        SetItemIndex(FItemIndex - 1);
}

void TGxDetailDropDown::SetComponentStyle(gx::TGxStyle AStyle)
{
    TGxCustomDropDown::SetComponentStyle(AStyle);
    SetItemAppearanceStyle(&FItemAppearance, AStyle);
}

void TGxDetailDropDown::SetSelectionColorStyle(TSelectionColorStyle Value)
{
    TGxCustomDropDown::SetSelectionColorStyle(Value);
    if (FItemSelector)
        FItemSelector->ItemAppearance()->SetColorStyle(Value);
}

void TGxDetailDropDown::PrepareSelector()
{
    if (!FItemSelector)
        return;
    FItemSelector->OnItemSelect = nullptr;
    FItemSelector->SetColumns(1);
    FItemSelector->SetImages(Images());
    FItemSelector->SetItemLayout(FLayout);
    FItemSelector->SetColor(DropDownColor());
    FItemSelector->SetItemAppearance(FItemAppearance);
    TSelectorItems& items = *FItemSelector->Items();
    items.Clear();
    for (int i = 0; i < FItems.Count(); ++i) {
        const TDetailItem& source = *FItems.GetItem(i);
        TSelectorItem* item = items.Add();
        item->SetCaption(source.Caption());
        item->SetImage(*source.Image());
        item->SetImageIndex(source.ImageIndex());
    }
    FItemSelector->UpdateSelectorPanel();
    FInternalCall = true;
    FItemSelector->SetItemIndex(FItemIndex);
    FInternalCall = false;
    FItemSelector->OnItemSelect = [this](TObject*) { SelectorItemSelect(); };
}

void TGxDetailDropDown::DoBeforeDropDown()
{
    TGxCustomDropDown::DoBeforeDropDown();
    PrepareSelector();
    FOldItemIndex = FItemIndex;
}

void TGxDetailDropDown::UpdateDropDownSize()
{
    if (FItemSelector) {
        FItemSelector->SetAlign(TAlign::alNone);
        FItemSelector->SetBounds(FItemSelector->Left(), FItemSelector->Top(),
                                 DropDownWidth() <= 0 ? Width() : FItemSelector->Width(),
                                 DropDownHeight() <= 0 ? 100 : FItemSelector->Height());
    }
    TGxCustomDropDown::UpdateDropDownSize();
}

void TGxDetailDropDown::DropDownFormSizing()
{
    TGxCustomDropDown::DropDownFormSizing();
    if (FItemSelector)
        FItemSelector->UpdateSelectorPanel();
}

void TGxDetailDropDown::MeasureSelectorItem(TSize& Size)
{
    int w = DropDownWidth() > 0 ? DropDownWidth() : (DropDownForm() ? DropDownForm()->Width() : Width());
    if (FItemSelector && FItemSelector->ScrollBarVisible(SB_VERT))
        w -= TWinControl::ScrollBarSize;
    Size = {w - 2 * 1 - 4, FItemHeight};
}

void TGxDetailDropDown::DrawSelectorItem(TCanvas& C, TRect R, int Index)
{
    if (OnDrawSelectedImage) {
        OnDrawSelectedImage(this, C, R);
        return;
    }
    const TDetailItem* item = FItems.GetItem(Index);
    if (!item)
        return;
    const std::string& caption = item->Caption();
    const TPicture* pic = item->Image();
    if (pic->Graphic() && !pic->Graphic()->Empty()) {
        const int x = caption.empty() ? R.Left + (R.Width() - pic->Width()) / 2 : R.Left + 2;
        const int y = R.Top + (R.Height() - pic->Height()) / 2;
        pic->Graphic()->SetTransparent(true);
        C.Draw(x, y, pic->Graphic());
        R.Left += pic->Width() + 4;
    } else if (Images() && item->ImageIndex() >= 0) {
        const int x = caption.empty() ? R.Left + (R.Width() - Images()->Width()) / 2 : R.Left + 2;
        Images()->Draw(C, x, R.Top + (R.Height() - Images()->Height()) / 2, item->ImageIndex());
        R.Left += Images()->Width() + 4;
    }
    const bool hot = FItemSelector && FItemSelector->ItemHot() == Index;
    const bool selected = Index == FItemIndex;
    const auto colours = [&](TFont& f) {
        if (hot)
            f.SetColor(FItemAppearance.ColorHotText);
        if (selected)
            f.SetColor(FItemAppearance.ColorSelectedText);
    };
    C.Font()->Assign(FCaptionFont);
    colours(*C.Font());
    C.Brush()->SetStyle(TBrushStyle::bsClear);
    R = TRect{R.Left + 4, R.Top + 2, R.Right - 4, R.Bottom};
    TRect captionRect = R;
    C.DrawText(caption, captionRect, DT_END_ELLIPSIS);
    if (item->Notes().empty())
        return;
    R.Top += C.TextHeight("gh");
    C.Font()->Assign(FNotesFont);
    colours(*C.Font());
    gx::THTMLDrawParams params;
    params.LinkColor = 0xFF0000;
    params.ShadowColor = 0x808080;
    gx::THTMLDrawResult result;
    gx::DrawHTMLText(C, item->Notes(), R, params, result);
}

void TGxDetailDropDown::ShowInOpenList(int Index)
{
    if (!DroppedDown() || !FItemSelector)
        return;
    FFollowing = true;
    FItemSelector->SetItemIndex(Index);
    FItemSelector->ScrollItemInView(Index);
    FFollowing = false;
}

void TGxDetailDropDown::SelectorItemSelect()
{
    if (FFollowing)
        return;  // the list follows a completion: the typed text stays
    SetItemIndex(FItemSelector->ItemIndex());
    if (const TDetailItem* item = FItems.GetItem(FItemSelector->ItemIndex())) {
        SetText(item->Caption());
        SetSelStart(0);
        SetSelLength(ValueLength());
    }
    if (!FInternalCall)
        DoHideDropDown(false);
}

void TGxDetailDropDown::MoveSelector(int Target)
{
    if (!FItemSelector)
        return;
    FInternalCall = true;
    if (Target >= 0 && Target < FItemSelector->Items()->Count())
        FItemSelector->SetItemIndex(Target);
    FItemSelector->ScrollItemInView(FItemSelector->ItemIndex());
    FInternalCall = false;
}

void TGxDetailDropDown::DoHideDropDown(bool Cancelled)
{
    const bool wasDown = DroppedDown();
    TGxCustomDropDown::DoHideDropDown(Cancelled);
    if (!wasDown || !Cancelled || !FItemSelector)
        return;
    if (FOldItemIndex != -1)
        SetItemIndex(FOldItemIndex);
    else
        FItemIndex = -1;  // the old text came back: no item stays selected with it
}

std::string TGxDetailDropDown::MatchCaseText(const std::string& S) const
{
    return FMatchCase ? S : rtl::AnsiUpperCase(S);
}

void TGxDetailDropDown::Change()
{
    FCompleted = false;
    TGxCustomDropDown::Change();
    if ((ComponentState() & csDesigning) || !FWorkMode || FCompleting)
        return;
    SetIsModified(!Text().empty());
    const int p = PrefixLength();
    const std::u32string text = rtl::Utf8ToCodePoints(Text());
    const std::size_t caret = static_cast<std::size_t>(std::clamp(SelStart() - p, 0, static_cast<int>(text.size())));
    const std::string typed = rtl::CodePointsToUtf8(text.substr(0, caret));
    const std::u32string key = rtl::Utf8ToCodePoints(MatchCaseText(typed)).substr(0, caret);
    FCompleting = true;
    for (int i = 0; !key.empty() && i < FItems.Count(); ++i) {
        const std::u32string caption = rtl::Utf8ToCodePoints(FItems.GetItem(i)->Caption());
        const std::u32string folded = rtl::Utf8ToCodePoints(MatchCaseText(FItems.GetItem(i)->Caption()));
        if (folded.compare(0, key.size(), key) != 0)
            continue;
        FItemIndex = i;
        ShowInOpenList(i);
        FCompletedIndex = i;
        FCompletedLength = static_cast<int>(key.size());
        const std::u32string tail = caption.substr(std::min(key.size(), caption.size()), 255);
        SetText(typed + rtl::CodePointsToUtf8(tail));
        Perform(EM_SETSEL, static_cast<std::uintptr_t>(p + ValueLength()), p + static_cast<int>(key.size()));
        FCompleting = false;
        FCompleted = true;
        return;
    }
    if (!typed.empty()) {
        SetText(typed);
        Perform(EM_SETSEL, static_cast<std::uintptr_t>(p + ValueLength()), p + static_cast<int>(caret));
    }
    FCompleting = false;
}

void TGxDetailDropDown::KeyUp(unsigned& Key, TShiftState Shift)
{
    TGxCustomDropDown::KeyUp(Key, Shift);
    if (!FCompleted)
        return;
    SetItemIndex(FCompletedIndex);
    const int p = PrefixLength();
    SetSelStart(p + FCompletedLength);
    SetSelLength(ValueLength() - FCompletedLength);
    FCompleted = false;
}

bool TGxDetailDropDown::TableKey(unsigned Key, TShiftState Shift)
{
    const bool open = DroppedDown() && FItemSelector;
    const int selected = FItemSelector ? FItemSelector->ItemIndex() : -1;
    switch (Key) {
    case VK_PRIOR:
    case VK_NEXT: {
        if (!FItemSelector)
            return false;
        if (FItemSelector->Items()->Count() != FItems.Count())
            PrepareSelector();
        const int n = FItemSelector->GetVisibleItemCount();
        if (n >= 1)
            MoveSelector(Key == VK_PRIOR ? std::max(0, selected - n) : std::min(selected + n, FItems.Count() - 1));
        return true;
    }
    case VK_END:
    case VK_HOME:
        if (open) {
            FInternalCall = true;
            if (Key == VK_END)
                FItemSelector->SelectLast();
            else
                FItemSelector->SelectFirst();
            FInternalCall = false;
        } else if (!EditorEnabled()) {
            if (Key == VK_END)
                SelectLast();
            else
                SelectFirst();
        }
        return true;
    case VK_LEFT:
    case VK_RIGHT:
        if (open && !EditorEnabled()) {
            FInternalCall = true;
            if (Key == VK_LEFT)
                FItemSelector->SelectPrevious();
            else
                FItemSelector->SelectNext();
            FInternalCall = false;
        }
        return true;
    case VK_UP:
    case VK_DOWN:
        if (open) {
            MoveSelector(selected < 0 ? 0 : selected + (Key == VK_UP ? -1 : 1));
            Invalidate();
        } else if (Key == VK_UP) {
            SelectPrevious();
        } else {
            SelectNext();
        }
        return true;
    default:
        break;
    }
    // Typed letters search the list only when they cannot reach the text: with the editor on, the
    // completion finds the item, and a search that rewrote the text would eat the typed letters.
    if (EditorEnabled() || (Shift & ssCtrl) || !FItemSelector || Key == VK_SHIFT || Key == VK_CONTROL ||
        Key == VK_MENU || Key == VK_RETURN || Key == VK_ESCAPE || Key == VK_BACK || Key == VK_DELETE || Key == VK_TAB ||
        Key == VK_F4)
        return false;
    FCurSearch.push_back(static_cast<char>(Key));
    FInternalCall = true;
    FItemSelector->LookupItem(FCurSearch);
    FInternalCall = false;
    if (FKeyTimer)
        KillTimer(kKeyTimer);
    SetTimer(kKeyTimer, 500);
    FKeyTimer = true;
    return true;
}

void TGxDetailDropDown::HandleKeyDown(unsigned& Key, TShiftState Shift)
{
    if (FItems.Count() == 0) {
        TGxCustomDropDown::KeyDown(Key, Shift);
        return;
    }
    const unsigned key = Key;
    if (key == VK_BACK || key == VK_ESCAPE || key == VK_DELETE) {
        FWorkMode = false;
    } else if (key == VK_RETURN) {
        const int i = FItems.IndexOf(Text());
        if (i >= 0) {
            SetText(FItems.GetItem(i)->Caption());
            SetItemIndex(i);
            Change();
        }
    } else {
        FWorkMode = true;
    }
    TGxCustomDropDown::KeyDown(Key, Shift);
    if (key == VK_ESCAPE) {
        const int i = FItems.IndexOf(Text());
        if (i >= 0)
            SetItemIndex(i);
    }
}

void TGxDetailDropDown::KeyDown(unsigned& Key, TShiftState Shift)
{
    const unsigned key = Key;
    if (Enabled() && !(Shift & ssAlt))
        TableKey(key, Shift);
    if (DroppedDown() && IsListKey(key)) {
        Key = 0;  // the open list takes these keys
        return;
    }
    HandleKeyDown(Key, Shift);
}

void TGxDetailDropDown::HandleMouseWheelDown()
{
    if (!DroppedDown() || !FItemSelector) {
        SelectNext();
        return;
    }
    const int selected = FItemSelector->ItemIndex();
    MoveSelector(selected < 0 ? 0 : selected + 1);
    Invalidate();
}

void TGxDetailDropDown::HandleMouseWheelUp()
{
    if (!DroppedDown() || !FItemSelector) {
        SelectPrevious();
        return;
    }
    const int selected = FItemSelector->ItemIndex();
    MoveSelector(selected < 0 ? 0 : selected - 1);
    Invalidate();
}

void TGxDetailDropDown::KeyTimerTick()
{
    KillTimer(kKeyTimer);
    FKeyTimer = false;
    FCurSearch.clear();
}

void TGxDetailDropDown::WndProc(TMessage& Message)
{
    if (Message.Msg == WM_TIMER && Message.WParam == kKeyTimer) {
        KeyTimerTick();
        return;
    }
    TGxCustomDropDown::WndProc(Message);
}

}  // namespace dropdown
