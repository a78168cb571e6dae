// The print preview window; see PrintPreview.h.
#include "platform/ui/PrintPreview.h"

#include <algorithm>
#include <string>

namespace ui {

namespace {

constexpr int kBarHeight = 32;
constexpr int kMargin = 12;

// The page view paints through its owner.
class TPreviewPageView : public TCustomControl {
public:
    TPreviewPageView(TComponent* owner, std::function<void(TCanvas&)> paint)
        : TCustomControl(owner), paint_(std::move(paint))
    {}

protected:
    void Paint() override { paint_(*Canvas()); }

private:
    std::function<void(TCanvas&)> paint_;
};

}  // namespace

TPrintPreviewForm::TPrintPreviewForm(TComponent* AOwner, int PageCount, double PaperWidthMm, double PaperHeightMm,
                                     TDrawPageEvent DrawPage)
    : TForm(AOwner),
      pageCount_(std::max(PageCount, 0)),
      paperW_(PaperWidthMm > 0 ? PaperWidthMm : 210.0),
      paperH_(PaperHeightMm > 0 ? PaperHeightMm : 297.0),
      drawPage_(std::move(DrawPage))
{
    SetCaption("Print preview");
    SetPosition(TPosition::poScreenCenter);
    SetKeyPreview(true);
    static const char* const captions[] = {"|<", "<", ">", ">|", "Close"};
    for (int i = 0; i < 5; ++i) {
        auto* b = new TSpeedButton(this);
        b->SetParent(this);
        b->SetCaption(captions[i]);
        buttons_[i] = b;
    }
    buttons_[0]->OnClick = [this](TObject*) { FirstPage(); };
    buttons_[1]->OnClick = [this](TObject*) { PriorPage(); };
    buttons_[2]->OnClick = [this](TObject*) { NextPage(); };
    buttons_[3]->OnClick = [this](TObject*) { LastPage(); };
    buttons_[4]->OnClick = [this](TObject*) { CloseWindow(); };
    label_ = new TLabel(this);
    label_->SetParent(this);
    view_ = new TPreviewPageView(this, [this](TCanvas& c) { PaintPage(c); });
    view_->SetParent(this);
    SetClientWidth(520);
    SetClientHeight(700);
    SetPageNr(1);
    Arrange();
    DoCreate();
}

void TPrintPreviewForm::SetPageNr(int v)
{
    pageNr_ = std::clamp(v, pageCount_ > 0 ? 1 : 0, pageCount_);
    label_->SetCaption(pageCount_ > 0 ? "Page " + std::to_string(pageNr_) + " of " + std::to_string(pageCount_)
                                      : "No pages");
    buttons_[0]->SetEnabled(pageNr_ > 1);
    buttons_[1]->SetEnabled(pageNr_ > 1);
    buttons_[2]->SetEnabled(pageNr_ < pageCount_);
    buttons_[3]->SetEnabled(pageNr_ < pageCount_);
    view_->Invalidate();
}

void TPrintPreviewForm::CloseWindow()
{
    if (Modal())
        SetModalResult(mrCancel);
    else
        Close();
}

void TPrintPreviewForm::KeyDown(unsigned& key, TShiftState shift)
{
    switch (key) {
    case VK_PRIOR:
        PriorPage();
        break;
    case VK_NEXT:
        NextPage();
        break;
    case VK_HOME:
        FirstPage();
        break;
    case VK_END:
        LastPage();
        break;
    case VK_ESCAPE:
        CloseWindow();
        break;
    default:
        TForm::KeyDown(key, shift);
        return;
    }
    key = 0;
}

void TPrintPreviewForm::ClientSizeChanged(int oldClientWidth, int oldClientHeight)
{
    TForm::ClientSizeChanged(oldClientWidth, oldClientHeight);
    Arrange();
}

void TPrintPreviewForm::Arrange()
{
    if (!view_)
        return;
    const int w = ClientWidth(), h = ClientHeight();
    int x = 6;
    for (int i = 0; i < 4; ++i) {
        buttons_[i]->SetBounds(x, 4, 32, kBarHeight - 8);
        x += 36;
    }
    label_->SetBounds(x + 8, 10, 140, kBarHeight - 12);
    buttons_[4]->SetBounds(std::max(x + 150, w - 76), 4, 70, kBarHeight - 8);
    view_->SetBounds(0, kBarHeight, w, std::max(h - kBarHeight, 1));
}

TRect TPrintPreviewForm::SheetRect() const
{
    const int w = view_->ClientWidth() - 2 * kMargin, h = view_->ClientHeight() - 2 * kMargin;
    if (w <= 0 || h <= 0)
        return {kMargin, kMargin, kMargin, kMargin};
    int sw = w, sh = static_cast<int>(w * paperH_ / paperW_);
    if (sh > h) {
        sh = h;
        sw = static_cast<int>(h * paperW_ / paperH_);
    }
    const int left = (view_->ClientWidth() - sw) / 2, top = (view_->ClientHeight() - sh) / 2;
    return {left, top, left + sw, top + sh};
}

void TPrintPreviewForm::PaintPage(TCanvas& canvas)
{
    const TRect client{0, 0, view_->ClientWidth(), view_->ClientHeight()};
    canvas.Brush()->SetStyle(TBrushStyle::bsSolid);
    canvas.Brush()->SetColor(clGray);
    canvas.FillRect(client);
    const TRect sheet = SheetRect();
    canvas.Brush()->SetColor(0x404040);
    canvas.FillRect({sheet.Left + 4, sheet.Top + 4, sheet.Right + 4, sheet.Bottom + 4});
    canvas.Brush()->SetColor(clWhite);
    canvas.FillRect(sheet);
    if (pageNr_ > 0 && drawPage_) {
        canvas.SetClipRect(sheet);
        drawPage_(canvas, sheet, pageNr_);
        canvas.ResetClip();
    }
}

}  // namespace ui
