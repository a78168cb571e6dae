// The grid's HTML hint window: measuring, placing on the screen and painting.
#include "grid/stringgrid/GxGridHintWindow.h"

#include "grid/base/HtmlTextDraw.h"
#include "grid/base/VozEdidText.h"
#include "grid/stringgrid/GxGrid.h"
#include "grid/stringgrid/GxGridModule.h"
#include "platform/rtl/Utf8.h"
#include "platform/ui/Application.h"

#include <algorithm>

namespace gx {

namespace {
constexpr int kCodedWideText = 5;
constexpr int kMaxHintWidth = 1024 - 16;

ui::TRect ScreenRect()
{
    return {0, 0, ui::GetScreen()->Width(), ui::GetScreen()->Height()};
}

// The font a coded wide-text hint is measured and drawn with: the one the grid's hint routine
// stored, else the window's own.
void WideFont(ui::TCanvas& canvas, const ui::TFont& own)
{
    canvas.Font()->Assign(own);
    if (!GxGridModule().HintFontName.empty())
        canvas.Font()->SetName(GxGridModule().HintFontName);
}
}  // namespace

THTMLHintWindow::THTMLHintWindow(ui::TComponent* AOwner) : ui::TPopupWindow(AOwner)
{
    SetClickThrough(true);
    SetBorderWidth(0);
    SetDefaultColor(ui::clInfoBk);
}

ui::TSize THTMLHintWindow::Measure(int MaxWidth, const std::string& AHint)
{
    ui::TCanvas canvas;
    if (GetCellTextKind(AHint, true) == kCodedWideText) {
        wideCaption_ = DecodeWideCellText(AHint);
        WideFont(canvas, *Font());
        return canvas.TextExtent(rtl::Utf16ToUtf8(wideCaption_));
    }
    wideCaption_.clear();
    canvas.Font()->Assign(*Font());
    THTMLDrawParams params;
    params.MeasureOnly = true;
    params.Images = images_;
    params.PictureContainer = pictureContainer_;
    THTMLDrawResult result;
    DrawHTMLText(canvas, AHint, {0, 0, MaxWidth, 0}, params, result);
    return {result.UsedWidth, result.UsedHeight};
}

ui::TRect THTMLHintWindow::CalcHintRect(int MaxWidth, const std::string& AHint, ui::TObject*)
{
    const ui::TSize s = Measure(MaxWidth, AHint);
    return {0, 0, s.cx, s.cy};
}

void THTMLHintWindow::ActivateHintData(ui::TRect& Rect, const std::string& AHint, ui::TObject* AData)
{
    if (auto* grid = dynamic_cast<TGxStringGrid*>(AData)) {
        images_ = grid->GetGridImageList();
        anchor_ = grid;
    }
    ActivateHint(Rect, AHint);
}

void THTMLHintWindow::ActivateHint(ui::TRect& Rect, const std::string& AHint)
{
    SetCaption(AHint);
    const ui::TSize text = Measure(kMaxHintWidth, AHint);
    const int margin = wideCaption_.empty() ? 16 : 8;
    textWidth_ = text.cx;
    textHeight_ = text.cy;
    const int w = text.cx + margin;
    const int h = text.cy + 4;
    int left = Rect.Left;
    int top = Rect.Top;
    // On the screen: 2 pixels inside its right and bottom edges at most.
    const ui::TRect screen = ScreenRect();
    if (left + w > screen.Right)
        left = screen.Right - w - 2;
    if (top + h > screen.Bottom)
        top = screen.Bottom - h - 2;
    Rect = {left, top, left + w, top + h};
    SetBounds(left, top, w, h);
    ui::TControl* anchor = anchor_ ? anchor_ : dynamic_cast<ui::TControl*>(Owner());
    PopupAt({left, top}, anchor);
    Invalidate();
}

void THTMLHintWindow::TextChanged()
{
    ui::TPopupWindow::TextChanged();
    Invalidate();
}

void THTMLHintWindow::PaintControl(ui::TCanvas& canvas)
{
    const ui::TRect r{0, 0, Width(), Height()};
    canvas.Brush()->SetStyle(ui::TBrushStyle::bsSolid);
    canvas.Brush()->SetColor(Color());
    canvas.FillRect(r);
    // The 3-D frame: light top and left, dark bottom and right.
    canvas.Pen()->SetColor(ui::cl3DLight);
    canvas.MoveTo(r.Left, r.Bottom - 1);
    canvas.LineTo(r.Left, r.Top);
    canvas.LineTo(r.Right - 1, r.Top);
    canvas.Pen()->SetColor(ui::cl3DDkShadow);
    canvas.LineTo(r.Right - 1, r.Bottom - 1);
    canvas.LineTo(r.Left - 1, r.Bottom - 1);
    const int top = (Height() - textHeight_) / 2;
    const ui::TRect text{r.Left + 4, top, r.Right - 4, top + textHeight_ + 8};
    canvas.Brush()->SetStyle(ui::TBrushStyle::bsClear);
    if (!wideCaption_.empty()) {
        WideFont(canvas, *Font());
        canvas.TextOut(text.Left, text.Top, rtl::Utf16ToUtf8(wideCaption_));
        return;
    }
    canvas.Font()->Assign(*Font());
    THTMLDrawParams params;
    params.Images = images_;
    params.PictureContainer = pictureContainer_;
    params.LinkColor = ui::clBlue;
    THTMLDrawResult result;
    DrawHTMLText(canvas, Caption(), text, params, result);
}

}  // namespace gx
