#include "controls/dropdown/GxMemoDropDown.h"

#include "controls/dropdown/GxDropDownDraw.h"
#include "controls/dropdown/GxDropDownForm.h"
#include "platform/ui/Menus.h"

namespace dropdown {

using namespace ui;

TGxMemoDropDown::TGxMemoDropDown(TComponent* AOwner)
    : TGxCustomDropDown(AOwner), FMemoText(std::make_unique<rtl::TStringList>())
{
    if (!(ComponentState() & csDesigning))
        CreateDropDownForm();
}

TGxMemoDropDown::~TGxMemoDropDown() = default;

void TGxMemoDropDown::CreateDropDownForm()
{
    TGxCustomDropDown::CreateDropDownForm();
    if (FMemo || !DropDownForm())
        return;
    FMemo = new TMemo(this);
    FMemo->SetParent(DropDownForm());
    FMemo->SetBounds(0, 0, FMemo->Width(), 100);
    FMemo->SetBorderStyle(TBorderStyle::bsNone);
    FMemo->OnChange = [this](TObject*) {
        if (OnMemoChange)
            OnMemoChange(this);
    };
    SetControl(FMemo);
    // The window never takes the focus: the memo takes the keys typed while it is open.
    SetFocusControl(FMemo);
}

void TGxMemoDropDown::Notification(TComponent* AComponent, TOperation Operation)
{
    TGxCustomDropDown::Notification(AComponent, Operation);
    if (Operation == TOperation::opRemove && AComponent == FMemo)
        FMemo = nullptr;
    if (Operation == TOperation::opRemove && AComponent == FMemoPopup)
        FMemoPopup = nullptr;
}

void TGxMemoDropDown::SetMemoText(const rtl::TStrings& Value)
{
    FMemoText->Assign(Value);
    if (FMemo)
        FMemo->SetText(FMemoText->Text());
    MemoTextChanged();
}

void TGxMemoDropDown::SetMemoReadOnly(bool Value)
{
    FMemoReadOnly = Value;
    if (FMemo && DroppedDown())
        FMemo->SetReadOnly(Value);
}

void TGxMemoDropDown::MemoTextChanged()
{
    std::string summary;
    if (FMemoText->Count() == 0 || EditorEnabled()) {
        summary = FMemoText->Text();  // every line followed by a line break
    } else {
        TCanvas measure;
        measure.Font()->Assign(*Font());
        const std::string first = FMemoText->Strings(0);
        const int lineWidth = GetTextSize(measure, first).cx;
        const int room = GetEditRect().Width();
        if (room > lineWidth)
            summary = FMemoText->Count() > 1 ? first + "..." : first;
        else
            summary = FitTextToWidth(measure, first, room, true);
    }
    FInternalUpdate = true;
    SetTextDirect(summary);
    FInternalUpdate = false;
}

void TGxMemoDropDown::Change()
{
    if (!FInternalUpdate)
        FMemoText->SetText(Text());
    TGxCustomDropDown::Change();
}

void TGxMemoDropDown::DoBeforeDropDown()
{
    TGxCustomDropDown::DoBeforeDropDown();
    if (DropDownForm())
        DropDownForm()->CancelOnDeActivate = false;
    if (!FMemo)
        return;
    FMemo->SetText(FMemoText->Text());
    FMemo->SetPopupMenu(FMemoPopup);
    FMemo->SetMaxLength(MaxLength());
    FMemo->SetScrollBars(FMemoScrollBars);
    FMemo->SetReadOnly(FMemoReadOnly);
}

void TGxMemoDropDown::DoHideDropDown(bool Cancelled)
{
    const bool autoDrop = FAutoDrop;
    FAutoDrop = false;
    if (Cancelled && FMemo)
        FMemo->SetText(FMemoText->Text());
    TGxCustomDropDown::DoHideDropDown(Cancelled);
    FAutoDrop = autoDrop;
}

void TGxMemoDropDown::DropDownFormHide()
{
    const bool autoDrop = FAutoDrop;
    FAutoDrop = false;  // the focus coming back must not open the window again
    TGxCustomDropDown::DropDownFormHide();
    FAutoDrop = autoDrop;
    if (FMemo) {
        rtl::TStringList lines;
        lines.SetText(FMemo->Text());
        SetMemoText(lines);
    }
    SetSelStart(0);
}

void TGxMemoDropDown::DoEnter()
{
    TGxCustomDropDown::DoEnter();
    if (FAutoDrop)
        DoShowDropDown();
}

void TGxMemoDropDown::ControlKeyDown(unsigned& Key, TShiftState Shift)
{
    if (Key == VK_ESCAPE || Key == VK_F4 || (Shift & ssAlt)) {
        TGxCustomDropDown::ControlKeyDown(Key, Shift);
        Key = 0;  // the edit handled it (the window may have closed)
        return;
    }
    if ((Key == 'A' || Key == 'a') && (Shift & ssCtrl) && FMemo)
        FMemo->SelectAll();
}

void TGxMemoDropDown::ControlKeyUp(unsigned& Key, TShiftState Shift)
{
    if (Key == VK_ESCAPE || Key == VK_F4 || (Shift & ssAlt))
        TGxCustomDropDown::ControlKeyUp(Key, Shift);
}

void TGxMemoDropDown::ControlKeyPress(char32_t& Key)
{
    if (Key == 27 || (KeyboardShiftState() & ssAlt)) {
        TGxCustomDropDown::ControlKeyPress(Key);
        Key = 0;
    }
}

}  // namespace dropdown
