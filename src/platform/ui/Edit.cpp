// Single-line edit: text, selection, typing with max length, read-only, password and case rules.
#include "platform/rtl/Utf8.h"
#include "platform/ui/Backend.h"
#include "platform/ui/Clipboard.h"
#include "platform/ui/StdCtrls.h"
#include "platform/ui/TextSelection.h"
#include <algorithm>
#include <cctype>

namespace ui {

TCustomEdit::TCustomEdit(TComponent* AOwner) : TWinControl(AOwner)
{
    SetTabStop(true);
    SetBorderStyle(TBorderStyle::bsSingle);
    SetDefaultColor(clWindow);
    TControl::SetBounds(0, 0, 121, 21);
}

std::string TCustomEdit::ApplyCase(const std::string& s) const
{
    if (charCase_ == TEditCharCase::ecNormal)
        return s;
    std::u32string u = rtl::Utf8ToCodePoints(s);
    for (char32_t& c : u)
        if (c < 0x80)
            c = static_cast<char32_t>(charCase_ == TEditCharCase::ecUpperCase ? std::toupper(static_cast<int>(c))
                                                                              : std::tolower(static_cast<int>(c)));
    return rtl::CodePointsToUtf8(u);
}

void TCustomEdit::SetText(const std::string& v)
{
    std::string t = ApplyCase(v);
    if (t == TControl::Text())
        return;
    selStart_ = 0;  // before the text goes out, so that no selection beyond a shorter text is shown
    selLength_ = 0;
    TControl::SetText(t);
    NotifyParent(this, EN_CHANGE);
}

void TCustomEdit::SetTextSilently(const std::string& v)
{
    const std::string t = ApplyCase(v);
    selStart_ = std::min(selStart_, static_cast<int>(rtl::Utf8ToCodePoints(t).size()));
    selLength_ = 0;
    TControl::SetText(t);
}

void TCustomEdit::ReplaceText(const std::string& text, int caret)
{
    bool changed = text != TControl::Text();
    TControl::SetText(text);
    selStart_ = std::clamp(caret, 0, TextLength());
    selLength_ = 0;
    Changed(TChangeAspect::Selection);
    if (changed) {
        modified_ = true;
        NotifyParent(this, EN_CHANGE);
    }
}

void TCustomEdit::WndProc(TMessage& m)
{
    if (m.Msg == CN_COMMAND && HiWord(m.WParam) == EN_CHANGE) {
        Change();
        return;
    }
    if (m.Msg == EM_SETSEL) {
        int a = static_cast<int>(static_cast<std::intptr_t>(m.WParam)), b = static_cast<int>(m.LParam);
        if (a < 0) {
            selLength_ = 0;
        } else {
            if (b < 0)
                b = TextLength();
            SetSelStart(std::min(a, b));
            SetSelLength(std::abs(b - a));
        }
        return;
    }
    // The clipboard keys arrive as these messages, so that a control can refuse them.
    if (m.Msg == WM_COPY || m.Msg == WM_CUT) {
        if (passwordChar_ == 0 && selLength_ > 0 && (m.Msg == WM_COPY || !readOnly_)) {
            Clipboard()->SetAsText(SelText());
            if (m.Msg == WM_CUT)
                SetSelText("");
        }
        return;
    }
    if (m.Msg == WM_PASTE) {
        if (!readOnly_)
            SetSelText(Clipboard()->AsText());
        return;
    }
    if (m.Msg == EM_SETRECT || m.Msg == EM_SETRECTNP) {
        const auto* r = reinterpret_cast<const TRect*>(m.LParam);
        hasEditRect_ = r != nullptr;
        if (r)
            editRect_ = *r;
        Changed(TChangeAspect::Style);
        if (m.Msg == EM_SETRECT)
            Invalidate();
        return;
    }
    if (m.Msg == EM_GETRECT) {
        if (auto* r = reinterpret_cast<TRect*>(m.LParam))
            *r = EditRect();
        return;
    }
    if (m.Msg == EM_GETSEL) {
        m.Result = MakeLParam(selStart_, selStart_ + selLength_);
        return;
    }
    if (m.Msg == EM_SHOWBALLOONTIP) {
        const auto* tip = reinterpret_cast<const TEditBalloonTip*>(m.LParam);
        if (!tip)
            return;
        balloon_ = *tip;
        balloonShown_ = true;
        std::string shown = balloon_.Title.empty() ? balloon_.Text : balloon_.Title + "\n" + balloon_.Text;
        if (Backend())
            Backend()->ShowHint(shown, ClientToScreen({0, Height()}), 0);
        m.Result = 1;
        return;
    }
    if (m.Msg == EM_HIDEBALLOONTIP) {
        HideBalloonTip();
        m.Result = 1;
        return;
    }
    if (m.Msg == WM_CHAR || m.Msg == WM_KILLFOCUS)
        HideBalloonTip();
    TWinControl::WndProc(m);
}

TCustomEdit::~TCustomEdit()
{
    HideBalloonTip();
}

void TCustomEdit::HideBalloonTip()
{
    if (!balloonShown_)
        return;
    balloonShown_ = false;
    if (Backend())
        Backend()->ShowHint("", {}, 0);
}

void TCustomEdit::Change()
{
    if (OnChange)
        OnChange(this);
}

void TCustomEdit::SetMaxLength(int v)
{
    maxLength_ = std::max(0, v);
    Changed(TChangeAspect::Other);
}

void TCustomEdit::SetPasswordChar(char32_t v)
{
    if (v == passwordChar_)
        return;
    passwordChar_ = v;
    Changed(TChangeAspect::Style);
    Invalidate();
}

void TCustomEdit::SetReadOnly(bool v)
{
    if (v == readOnly_)
        return;
    readOnly_ = v;
    Changed(TChangeAspect::ReadOnly);
}

void TCustomEdit::SetCharCase(TEditCharCase v)
{
    charCase_ = v;
    SetText(Text());
}

void TCustomEdit::SetAlignment(TAlignment v)
{
    if (v == alignment_)
        return;
    alignment_ = v;
    Changed(TChangeAspect::Style);
    Invalidate();
}

int TCustomEdit::TextLength() const
{
    return static_cast<int>(rtl::Utf8ToCodePoints(TControl::Text()).size());
}

void TCustomEdit::SetSelStart(int v)
{
    selStart_ = std::clamp(v, 0, TextLength());
    selLength_ = 0;
    Changed(TChangeAspect::Selection);
}

void TCustomEdit::SetSelLength(int v)
{
    selLength_ = std::clamp(v, 0, TextLength() - selStart_);
    Changed(TChangeAspect::Selection);
}

std::string TCustomEdit::SelText() const
{
    std::u32string u = rtl::Utf8ToCodePoints(TControl::Text());
    return rtl::CodePointsToUtf8(u.substr(static_cast<std::size_t>(selStart_), static_cast<std::size_t>(selLength_)));
}

void TCustomEdit::SetSelText(const std::string& v)
{
    std::u32string u = rtl::Utf8ToCodePoints(TControl::Text());
    std::u32string ins = rtl::Utf8ToCodePoints(ApplyCase(v));
    int start = std::clamp(selStart_, 0, static_cast<int>(u.size()));
    int len = std::clamp(selLength_, 0, static_cast<int>(u.size()) - start);
    if (maxLength_ > 0) {
        int room = maxLength_ - (static_cast<int>(u.size()) - len);
        if (room < static_cast<int>(ins.size()))
            ins.resize(static_cast<std::size_t>(std::max(0, room)));
    }
    u.replace(static_cast<std::size_t>(start), static_cast<std::size_t>(len), ins);
    ReplaceText(rtl::CodePointsToUtf8(u), start + static_cast<int>(ins.size()));
}

void TCustomEdit::SelectAll()
{
    selStart_ = 0;
    selLength_ = TextLength();
    Changed(TChangeAspect::Selection);
}

void TCustomEdit::ClearSelection()
{
    if (selLength_ > 0 && !readOnly_)
        SetSelText("");
}

TRect TCustomEdit::EditRect() const
{
    return hasEditRect_ ? editRect_ : ClientRect().Inflate(-1, 0);
}

int TCustomEdit::CharAtX(int x) const
{
    const std::u32string shown = rtl::Utf8ToCodePoints(DisplayText());
    TCanvas measure;
    measure.Font()->Assign(*Font());
    const TRect r = EditRect();
    int left = r.Left;
    if (alignment_ != TAlignment::taLeftJustify) {
        const int room = r.Width() - measure.TextWidth(rtl::CodePointsToUtf8(shown));
        left += alignment_ == TAlignment::taCenter ? room / 2 : room;
    }
    // The caret goes to the nearer edge of the character under x.
    int prev = 0;
    for (std::size_t i = 0; i < shown.size(); ++i) {
        const int next = measure.TextWidth(rtl::CodePointsToUtf8(shown.substr(0, i + 1)));
        if (x < left + (prev + next) / 2)
            return static_cast<int>(i);
        prev = next;
    }
    return static_cast<int>(shown.size());
}

std::string TCustomEdit::DisplayText() const
{
    if (passwordChar_ == 0)
        return TControl::Text();
    return rtl::CodePointsToUtf8(std::u32string(static_cast<std::size_t>(TextLength()), passwordChar_));
}

bool TCustomEdit::AcceptChar(char32_t ch, int /*pos*/) const
{
    return ch >= 32;
}

void TCustomEdit::NativeTextEdited(const std::string& text, int cursorPos)
{
    if (text == TControl::Text()) {
        selStart_ = cursorPos;
        selLength_ = 0;
        return;
    }
    ReplaceText(text, cursorPos);
}

void TCustomEdit::KeyDown(unsigned& key, TShiftState shift)
{
    TWinControl::KeyDown(key, shift);
    const int len = TextLength();
    if (MoveCaretByKey(key, shift, len, selStart_, selLength_)) {
        Changed(TChangeAspect::Selection);
        return;
    }
    if (key != VK_DELETE || readOnly_)
        return;
    if (selLength_ == 0 && selStart_ < len)
        selLength_ = 1;
    if (selLength_ > 0)
        SetSelText("");
}

void TCustomEdit::KeyPress(char32_t& key)
{
    TWinControl::KeyPress(key);
    if (key == 0)
        return;
    switch (key) {
    case 1:  // Ctrl+A
        SelectAll();
        return;
    case 3:  // Ctrl+C
        Perform(WM_COPY);
        return;
    case 24:  // Ctrl+X
        Perform(WM_CUT);
        return;
    case 22:  // Ctrl+V
        Perform(WM_PASTE);
        return;
    case 8:  // Backspace
        if (readOnly_)
            return;
        if (selLength_ == 0 && selStart_ > 0) {
            --selStart_;
            selLength_ = 1;
        }
        if (selLength_ > 0)
            SetSelText("");
        return;
    default:
        break;
    }
    if (readOnly_ || !AcceptChar(key, selStart_))
        return;
    SetSelText(rtl::CodePointToUtf8(key));
}

void TCustomEdit::DoEnter()
{
    if (autoSelect_)
        SelectAll();
    TWinControl::DoEnter();
}

void TCustomEdit::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    if (button == TMouseButton::mbLeft && CanFocus() && !Focused())
        SetFocus();
    TWinControl::MouseDown(button, shift, x, y);
}

void TCustomEdit::PaintControl(TCanvas& canvas)
{
    TWinControl::PaintControl(canvas);
    TPoint o = ClientOrigin();
    TRect r = EditRect().Offset(o.X, o.Y);
    canvas.Font()->Assign(*Font());
    if (!Enabled())
        canvas.Font()->SetColor(clGrayText);
    canvas.Brush()->SetStyle(TBrushStyle::bsClear);
    unsigned flags = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX;
    if (alignment_ == TAlignment::taCenter)
        flags |= DT_CENTER;
    else if (alignment_ == TAlignment::taRightJustify)
        flags |= DT_RIGHT;
    canvas.DrawText(DisplayText(), r, flags);
}

}  // namespace ui
