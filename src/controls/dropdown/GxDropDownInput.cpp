// The drop-down edit's keys, characters, special-key answers, mouse and focus.
#include <algorithm>

#include "controls/dropdown/GxDropDown.h"
#include "platform/rtl/Utf8.h"
#include "platform/ui/Application.h"
#include "platform/ui/Forms.h"

namespace dropdown {

using namespace ui;

namespace {

// Posted to the edit itself: Enter with ReturnIsTab moves on as Tab does, after the key.
unsigned ReturnAsTabMessage()
{
    static const unsigned id = RegisterWindowMessage("GxDropDownReturnAsTab");
    return id;
}

bool IsDesigning(const TComponent& c)
{
    return (c.ComponentState() & csDesigning) != 0;
}

}  // namespace

unsigned TGxCustomDropDown::WantKeys() const
{
    // As a multi-line native edit: arrows, characters, Enter and Escape stay here; Tab moves on.
    return DLGC_WANTARROWS | DLGC_WANTCHARS | DLGC_WANTALLKEYS;
}

void TGxCustomDropDown::KeyDown(unsigned& Key, TShiftState Shift)
{
    if (IsDesigning(*this))
        return;
    FKeypadDecimal = Key == VK_DECIMAL;
    const auto toggle = [this] {
        if (FDroppedDown)
            DoHideDropDown(false);
        else
            DoShowDropDown();
    };
    if ((Shift & ssAlt) && (Key == VK_UP || Key == VK_DOWN))
        toggle();
    if (!FEditorEnabled && Enabled()) {
        if (!ReadOnly()) {
            if (Key == VK_RETURN)
                DoHideDropDown(false);
            else if (Key == VK_ESCAPE)
                DoHideDropDown(true);
            else if (Key == VK_F4)
                toggle();
        }
        if (Key == VK_RETURN || Key == VK_ESCAPE)
            TMaskEdit::KeyDown(Key, Shift);
        else
            Key = 0;
        return;
    }
    if ((Shift & ssCtrl) && (Key == VK_TAB || Key == VK_RETURN)) {
        TMaskEdit::KeyDown(Key, Shift);
        return;
    }
    if (Key == VK_RETURN && FReturnIsTab) {
        Key = VK_TAB;
        if (Visible())
            PostMessage(this, ReturnAsTabMessage());
    }
    if (CaretKeyRules(Key, Shift))
        return;
    TMaskEdit::KeyDown(Key, Shift);
    if (Key == VK_DELETE && FEditType == TDropDownEditType::etMoney)
        FormatMoney();
    const int p = PrefixLength();
    if (p > 0 && SelStart() < p)
        SetSelStart(p);
    if (Key == VK_RETURN)
        DoHideDropDown(false);
    else if (Key == VK_ESCAPE)
        DoHideDropDown(true);
    else if (Key == VK_F4)
        toggle();
}

void TGxCustomDropDown::KeyPress(char32_t& Key)
{
    if (!FEditorEnabled) {
        Key = 0;
        return;
    }
    const bool ctrl = (KeyboardShiftState() & ssCtrl) != 0;
    if (ctrl && Key == 13) {
        Key = 0;
        return;
    }
    TCustomForm* form = ParentForm();
    const bool preview = form && form->KeyPreview();
    if (Key == 13) {
        char32_t copy = 13;
        if (OnKeyPress)
            OnKeyPress(this, copy);
        Key = 0;
        if (!FDefaultHandling && Parent()) {
            PostMessage(Parent(), WM_KEYDOWN, VK_RETURN, 0);
            if (!preview)
                PostMessage(Parent(), WM_KEYUP, VK_RETURN, 0);
        }
        return;
    }
    if (Key == 27 && !FDefaultHandling && Parent()) {
        if (preview) {
            TMaskEdit::KeyPress(Key);
            return;
        }
        PostMessage(Parent(), WM_KEYDOWN, VK_ESCAPE, 0);
        PostMessage(Parent(), WM_KEYUP, VK_ESCAPE, 0);
    }
    if (Key == 27 && !FCanUndo) {
        TMaskEdit::KeyPress(Key);
        return;
    }
    // Ctrl+C, Ctrl+V and Ctrl+X arrive as these characters; they take the clipboard rules.
    if (Key == 3 || Key == 22 || Key == 24) {
        TWinControl::KeyPress(Key);  // OnKeyPress
        if (Key == 3)
            Copy();
        else if (Key == 22)
            Paste();
        else if (Key == 24)
            Cut();
        return;
    }
    TypedChar(Key);
}

void TGxCustomDropDown::WndProc(TMessage& Message)
{
    switch (Message.Msg) {
    case CM_WANTSPECIALKEY: {
        TCustomForm* form = ParentForm();
        if (!form)
            return;
        const unsigned key = static_cast<unsigned>(Message.WParam);
        if (key == VK_ESCAPE && FCanUndo && !form->KeyPreview()) {
            SelectAll();
            SetIsModified(false);
            // The parent hears Escape too (a dialog's cancel button), but not when Escape closes
            // the drop-down window: one Escape does one thing.
            if (Parent() && FDefaultHandling && !FDroppedDown) {
                PostMessage(Parent(), WM_KEYDOWN, VK_ESCAPE, 0);
                PostMessage(Parent(), WM_KEYUP, VK_ESCAPE, 0);
            }
            Message.Result = FDroppedDown ? 1 : 0;
            return;
        }
        if (key == VK_RETURN && FDefaultHandling && !form->KeyPreview() && Parent() && Parent()->Focused()) {
            PostMessage(Parent(), WM_KEYDOWN, VK_RETURN, 0);
            PostMessage(Parent(), WM_KEYUP, VK_RETURN, 0);
        }
        TMaskEdit::WndProc(Message);
        if (key == VK_ESCAPE && FDroppedDown)
            Message.Result = 1;
        return;
    }
    case CN_COMMAND:
        if (HiWord(Message.WParam) == EN_CHANGE && FChangeBlock) {
            FChangeBlock = false;
            return;
        }
        break;
    case WM_CUT:
        Cut();
        return;
    case WM_COPY:
        Copy();
        return;
    case WM_PASTE:
        Paste();
        return;
    default:
        if (Message.Msg == ReturnAsTabMessage()) {
            if (TCustomForm* form = ParentForm())
                form->SelectNext(this, (KeyboardShiftState() & ssShift) == 0);
            return;
        }
        break;
    }
    TMaskEdit::WndProc(Message);
}

void TGxCustomDropDown::Change()
{
    TMaskEdit::Change();
}

// --- mouse ---

int TGxCustomDropDown::CharFromPos(int X) const
{
    TCanvas measure;
    measure.Font()->Assign(*Font());
    const std::u32string text = rtl::Utf8ToCodePoints(DisplayText());
    const int x = X - FEditRect.Left;
    int previous = 0;
    for (std::size_t i = 1; i <= text.size(); ++i) {
        const int w = measure.TextWidth(rtl::CodePointsToUtf8(text.substr(0, i)));
        if (x < (previous + w) / 2 + (previous + w) % 2)
            return static_cast<int>(i) - 1;
        previous = w;
    }
    return static_cast<int>(text.size());
}

void TGxCustomDropDown::ShowOnClick()
{
    if (IsDesigning(*this) || FDroppedDown)
        return;
    if (DropDownClosedRecently())
        return;
    DoShowDropDown();
}

void TGxCustomDropDown::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (Button != TMouseButton::mbLeft) {
        TMaskEdit::MouseDown(Button, Shift, X, Y);
        return;
    }
    if (!FEditorEnabled) {
        TMaskEdit::MouseDown(Button, Shift, X, Y);
        ShowOnClick();
        return;
    }
    const int p = CharFromPos(X);
    if (SelLength() > 0 && p >= SelStart() && p <= SelStart() + SelLength() && Focused()) {
        FPressInsideSelection = true;  // the selection stays for a drag or a click
        return;
    }
    TMaskEdit::MouseDown(Button, Shift, X, Y);
    SetSelStart(p);
}

void TGxCustomDropDown::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (Button == TMouseButton::mbLeft) {
        if (!FEditorEnabled || ReadOnly())
            Invalidate();  // the focused value is drawn highlighted
        if (FPressInsideSelection)
            SetSelStart(CharFromPos(X));
        FPressInsideSelection = false;
    }
    TMaskEdit::MouseUp(Button, Shift, X, Y);
    if (Button == TMouseButton::mbLeft)
        AfterMouseUpCaret();
}

bool TGxCustomDropDown::DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos)
{
    const bool handled = TMaskEdit::DoMouseWheel(Shift, WheelDelta, MousePos);
    if (WheelDelta < 0)
        HandleMouseWheelDown();
    else if (WheelDelta > 0)
        HandleMouseWheelUp();
    return handled;
}

void TGxCustomDropDown::MouseEnter()
{
    TMaskEdit::MouseEnter();
    if (Enabled() && !FMouseInControl) {
        FMouseInControl = true;
        Invalidate();
    }
}

void TGxCustomDropDown::MouseLeave()
{
    TMaskEdit::MouseLeave();
    if (Enabled() && FMouseInControl) {
        FMouseInControl = false;
        Invalidate();
    }
}

// --- focus ---

void TGxCustomDropDown::DoEnter()
{
    if (AutoSelect() && !(GetKeyState(VK_LBUTTON) & 0x8000))
        SelectAll();
    TWinControl::DoEnter();
    UpdateEditRect();
    Invalidate();
}

void TGxCustomDropDown::DoExit()
{
    TMaskEdit::DoExit();
    Invalidate();
}

void TGxCustomDropDown::FocusIn()
{
    if (Loading())
        return;
    TMaskEdit::FocusIn();
    if (FEditorEnabled) {
        if (AutoSelect())
            SelectAll();
        else if (FEditType == TDropDownEditType::etFloat || FEditType == TDropDownEditType::etMoney)
            SelectBeforeDecimal();
    }
    Invalidate();
}

void TGxCustomDropDown::FocusOut()
{
    if (Loading())
        return;
    NormaliseOnExit();
    TMaskEdit::FocusOut();
    Invalidate();
}

}  // namespace dropdown
