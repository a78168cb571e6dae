#include "platform/ui/Controls.h"
#include "platform/ui/StdCtrls.h"

namespace ui {

TLabel::TLabel(TComponent* AOwner) : TGraphicControl(AOwner)
{
    SetParentColor(true);
    controlStyle_ &= ~csCaptureMouse;
    TControl::SetBounds(0, 0, 65, 17);
}

unsigned TLabel::DrawTextFlags() const
{
    unsigned f = DT_EXPANDTABS;
    if (wordWrap_)
        f |= DT_WORDBREAK;
    if (!showAccelChar_)
        f |= DT_NOPREFIX;
    if (alignment_ == TAlignment::taCenter)
        f |= DT_CENTER;
    else if (alignment_ == TAlignment::taRightJustify)
        f |= DT_RIGHT;
    return f;
}

void TLabel::AdjustBounds()
{
    if (!autoSize_ || Loading())
        return;
    TCanvas measure;
    measure.Font()->Assign(*Font());
    TRect r{0, 0, wordWrap_ ? Width() : 0, 0};
    std::string text = Caption().empty() ? " " : Caption();
    measure.DrawText(text, r, DrawTextFlags() | DT_CALCRECT);
    int left = Left();
    if (alignment_ == TAlignment::taRightJustify && !wordWrap_)
        left = Left() + Width() - r.Width();
    SetBounds(left, Top(), wordWrap_ ? Width() : r.Width(), r.Height());
}

void TLabel::SetAlignment(TAlignment v)
{
    if (v == alignment_)
        return;
    alignment_ = v;
    Invalidate();
}

void TLabel::SetLayout(TTextLayout v)
{
    if (v == layout_)
        return;
    layout_ = v;
    Invalidate();
}

void TLabel::SetAutoSize(bool v)
{
    if (v == autoSize_)
        return;
    autoSize_ = v;
    AdjustBounds();
}

void TLabel::SetWordWrap(bool v)
{
    if (v == wordWrap_)
        return;
    wordWrap_ = v;
    AdjustBounds();
    Invalidate();
}

void TLabel::SetTransparent(bool v)
{
    if (v == transparent_)
        return;
    transparent_ = v;
    Invalidate();
}

void TLabel::SetShowAccelChar(bool v)
{
    if (v == showAccelChar_)
        return;
    showAccelChar_ = v;
    AdjustBounds();
    Invalidate();
}

void TLabel::TextChanged()
{
    TGraphicControl::TextChanged();
    AdjustBounds();
}

void TLabel::FontChanged()
{
    TGraphicControl::FontChanged();
    AdjustBounds();
}

void TLabel::SetFocusControl(TWinControl* c)
{
    if (focusControl_)
        focusControl_->RemoveFreeNotification(this);
    focusControl_ = c;
    if (c)
        c->FreeNotification(this);
}

void TLabel::Notification(TComponent* component, TOperation operation)
{
    TGraphicControl::Notification(component, operation);
    if (operation == TOperation::opRemove && component == focusControl_)
        focusControl_ = nullptr;
}

void TLabel::Paint()
{
    TCanvas& c = *Canvas();
    TRect r = ClientRect();
    if (!transparent_) {
        c.Brush()->SetStyle(TBrushStyle::bsSolid);
        c.Brush()->SetColor(Color());
        c.FillRect(r);
    }
    c.Brush()->SetStyle(TBrushStyle::bsClear);
    c.Font()->Assign(*Font());
    if (!Enabled())
        c.Font()->SetColor(clGrayText);
    unsigned flags = DrawTextFlags();
    if (layout_ != TTextLayout::tlTop) {
        TRect calc = r;
        c.DrawText(Caption(), calc, flags | DT_CALCRECT);
        int dy = layout_ == TTextLayout::tlCenter ? (r.Height() - calc.Height()) / 2 : r.Height() - calc.Height();
        r.Top += dy;
    }
    c.DrawText(Caption(), r, flags);
}

void TLabel::WndProc(TMessage& m)
{
    if (m.Msg == CM_DIALOGCHAR && showAccelChar_ && focusControl_ && Enabled() &&
        IsAccel(static_cast<char32_t>(m.WParam), Caption()) && focusControl_->CanFocus()) {
        focusControl_->SetFocus();
        m.Result = 1;
        return;
    }
    TGraphicControl::WndProc(m);
}

}  // namespace ui
