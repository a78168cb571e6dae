#include "platform/ui/StdCtrls.h"

namespace ui {

TMemo::TMemo(TComponent* AOwner) : TCustomEdit(AOwner), lines_(std::make_unique<rtl::TStringList>())
{
    SetAutoSelect(false);
    TControl::SetBounds(0, 0, 185, 89);
    lines_->OnChange = [this](TObject*) {
        if (syncing_)
            return;
        syncing_ = true;
        // Lines are joined with CR LF; the last line has no line break.
        std::string text;
        for (int i = 0; i < lines_->Count(); ++i) {
            if (i)
                text += "\r\n";
            text += lines_->Strings(i);
        }
        TCustomEdit::SetText(text);
        syncing_ = false;
    };
}

TMemo::~TMemo()
{
    lines_->OnChange = nullptr;
}

void TMemo::SetText(const std::string& v)
{
    TCustomEdit::SetText(v);
}

void TMemo::Change()
{
    if (!syncing_) {
        syncing_ = true;
        lines_->SetText(Text());
        syncing_ = false;
    }
    TCustomEdit::Change();
}

void TMemo::SetWordWrap(bool v)
{
    wordWrap_ = v;
    Changed(TChangeAspect::Style);
    Invalidate();
}

void TMemo::SetScrollBars(TScrollStyle v)
{
    scrollBars_ = v;
    ShowScrollBar(SB_VERT, v == TScrollStyle::ssVertical || v == TScrollStyle::ssBoth);
    ShowScrollBar(SB_HORZ, v == TScrollStyle::ssHorizontal || v == TScrollStyle::ssBoth);
}

unsigned TMemo::WantKeys() const
{
    unsigned k = DLGC_WANTARROWS | DLGC_WANTCHARS;
    if (wantReturns_)
        k |= DLGC_WANTALLKEYS;
    if (wantTabs_)
        k |= DLGC_WANTTAB;
    return k;
}

void TMemo::KeyPress(char32_t& key)
{
    if (key == '\r') {
        TWinControl::KeyPress(key);
        if (key == 0 || !wantReturns_ || ReadOnly())
            return;
        SetSelText("\r\n");
        return;
    }
    if (key == '\t') {
        TWinControl::KeyPress(key);
        if (key == 0 || !wantTabs_ || ReadOnly())
            return;
        SetSelText("\t");
        return;
    }
    TCustomEdit::KeyPress(key);
}

void TMemo::PaintControl(TCanvas& canvas)
{
    TWinControl::PaintControl(canvas);
    TPoint o = ClientOrigin();
    TRect r = ClientRect().Offset(o.X, o.Y).Inflate(-2, -1);
    canvas.Font()->Assign(*Font());
    canvas.Brush()->SetStyle(TBrushStyle::bsClear);
    canvas.DrawText(Text(), r, DT_NOPREFIX | DT_EXPANDTABS | (wordWrap_ ? DT_WORDBREAK : 0));
}

}  // namespace ui
