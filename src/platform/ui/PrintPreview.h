#pragma once
// The print preview window: the pages of a job shown one at a time as a sheet of paper scaled
// into the window, with buttons for the first, previous, next and last page and for closing.
// What a page holds comes from the caller, who draws it into the sheet's rectangle.
#include <functional>

#include "platform/ui/Buttons.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Messages.h"
#include "platform/ui/StdCtrls.h"

namespace ui {

class TPrintPreviewForm : public TForm {
public:
    // Draws page PageNr (1-based) into Sheet, the paper's rectangle on Canvas.
    using TDrawPageEvent = std::function<void(TCanvas& Canvas, const TRect& Sheet, int PageNr)>;

    TPrintPreviewForm(TComponent* AOwner, int PageCount, double PaperWidthMm, double PaperHeightMm,
                      TDrawPageEvent DrawPage);

    int PageCount() const { return pageCount_; }
    int PageNr() const { return pageNr_; }
    // The page shown, limited to 1 .. PageCount.
    void SetPageNr(int v);
    void FirstPage() { SetPageNr(1); }
    void PriorPage() { SetPageNr(pageNr_ - 1); }
    void NextPage() { SetPageNr(pageNr_ + 1); }
    void LastPage() { SetPageNr(pageCount_); }

    // The sheet in the page view: the largest rectangle of the paper's proportions that fits with
    // a margin, centred.
    TRect SheetRect() const;
    TCustomControl* PageView() const { return view_; }
    TLabel* PageLabel() const { return label_; }
    TSpeedButton* Button(int i) const { return buttons_[i]; }  // first, prior, next, last, close

protected:
    void ClientSizeChanged(int oldClientWidth, int oldClientHeight) override;
    // Page Up and Page Down turn the page, Home and End go to the first and last, Escape closes.
    void KeyDown(unsigned& key, TShiftState shift) override;

private:
    void Arrange();
    void PaintPage(TCanvas& canvas);
    void CloseWindow();

    int pageCount_;
    int pageNr_ = 1;
    double paperW_, paperH_;
    TDrawPageEvent drawPage_;
    TCustomControl* view_ = nullptr;
    TLabel* label_ = nullptr;
    TSpeedButton* buttons_[5] = {};
};

}  // namespace ui
