#include "controls/dropdown/GxBars.h"

#include <algorithm>

#include "controls/dropdown/GxButton.h"
#include "controls/dropdown/GxDropDown.h"
#include "controls/dropdown/GxDropDownDraw.h"
#include "controls/dropdown/GxDropDownForm.h"
#include "grid/base/HtmlTextDraw.h"
#include "platform/rtl/Exceptions.h"
#include "platform/ui/Application.h"
#include "platform/ui/ImgList.h"
#include "platform/ui/Input.h"

namespace dropdown {

using namespace ui;

void* TDbgList::GetItemsEx(int Index) const
{
    if (Index >= Count() || Index < 0)
        throw rtl::EListError("Index out of bounds in list read access");
    return items_[static_cast<std::size_t>(Index)];
}

void TDbgList::SetItemsEx(int Index, void* Value)
{
    if (Index >= Count() || Index < 0)
        throw rtl::EListError("Index out of bounds in list write access");
    items_[static_cast<std::size_t>(Index)] = Value;
}

TGxBar::TGxBar(TComponent* AOwner, bool Footer) : TCustomControl(AOwner), FFooter(Footer)
{
    controlStyle_ |= csAcceptsControls;
    if (Footer)
        controlStyle_ |= csCaptureMouse;
    SetBorderWidth(0);
}

TGxBar::~TGxBar()
{
    MarkDestroying();
    ClearButtons();
}

void TGxBar::SetImages(TImageList* Value)
{
    if (FImages == Value)
        return;
    if (FImages)
        RemoveFreeNotification(FImages);
    FImages = Value;
    if (FImages)
        FreeNotification(FImages);
    Invalidate();
}

void TGxBar::Notification(TComponent* AComponent, TOperation Operation)
{
    TCustomControl::Notification(AComponent, Operation);
    if (Operation != TOperation::opRemove)
        return;
    if (AComponent == FImages)
        FImages = nullptr;
    for (int i = 0; i < FButtonList.Count(); ++i)
        if (FButtonList.GetItemsEx(i) == AComponent)
            FButtonList.SetItemsEx(i, nullptr);
}

void TGxBar::SetGxDropDown(TGxCustomDropDown* DropDown)
{
    FGxDropDown = DropDown;
    if (!DropDown) {
        SetImages(nullptr);
        return;
    }
    SetImages(DropDown->Images());
    CopyAppearance(*DropDown);
}

void TGxBar::AppearanceVisibilityChanged(bool Visible, int Height)
{
    SetVisible(Visible);
    SetHeight(Height);
}

void TGxBar::RebuildButtons()
{
    if (FGxDropDown)
        BuildButtons();
}

TGxButton* TGxBar::Buttons(int Index) const
{
    return static_cast<TGxButton*>(FButtonList.GetItemsEx(Index));
}

void TGxBar::ClearButtons()
{
    for (int i = FButtonList.Count() - 1; i >= 0; --i)
        delete static_cast<TGxButton*>(FButtonList.GetItemsEx(i));
    FButtonList.Clear();
}

void TGxBar::BuildButtons()
{
    if (!FGxDropDown)
        return;
    ClearButtons();
    const int h = GetButtonAreaHeight();
    for (int i = 0; i < ItemCount(); ++i) {
        std::string caption;
        int image = -1, width = 0, height = 0;
        bool enabled = true;
        TModalResult result = mrNone;
        ItemLook(i, caption, image, enabled, width, height, result);
        auto* b = new TGxButton(this);
        b->SetParent(this);
        b->SetAppearance(FGxDropDown->ButtonAppearance());
        if (FFooter)
            b->SetGxDropDown(FGxDropDown);
        b->SetCaption(caption);
        b->SetImages(FImages);
        b->SetImageIndex(image);
        b->SetEnabled(enabled);
        if (FFooter)
            b->SetModalResult(result);
        b->AutoSizeButton();
        if (width > 0)
            b->SetWidth(width);
        if (height > 0)
            b->SetHeight(height);
        if (b->Height() > h)
            b->SetHeight(h);
        b->SetTag(i);
        b->OnClick = [this](TObject* sender) { ButtonClick(sender); };
        FButtonList.Add(b);
    }
    ArrangeButtons();
}

void TGxBar::UpdateButtons()
{
    if (!FGxDropDown)
        return;
    for (int i = 0; i < FButtonList.Count(); ++i) {
        TGxButton* b = Buttons(i);
        if (!b)
            continue;
        b->SetAppearance(FGxDropDown->ButtonAppearance());
        b->SetImages(FImages);
        if (i < ItemCount()) {
            std::string caption;
            int image = -1, width = 0, height = 0;
            bool enabled = true;
            TModalResult result = mrNone;
            ItemLook(i, caption, image, enabled, width, height, result);
            b->SetCaption(caption);
            b->SetImageIndex(image);
            b->SetEnabled(enabled);
        }
        b->AutoSizeButton();
    }
    ArrangeButtons();
}

void TGxBar::ArrangeButtons()
{
    const TRect a = GetButtonArea();
    const bool right = Fields().ButtonAlignment == TButtonAlignment::baRight;
    int x = right ? a.Right : a.Left;
    for (int i = 0; i < FButtonList.Count(); ++i) {
        TGxButton* b = Buttons(i);
        if (!b)
            continue;
        const int top = std::max(a.Top, (a.Bottom - b->Height()) / 2);
        const int left = right ? x - b->Width() : x;
        b->SetBounds(left, top, b->Width(), b->Height());
        x = right ? left : x + b->Width();
    }
}

void TGxBar::ClientSizeChanged(int OldClientWidth, int OldClientHeight)
{
    TCustomControl::ClientSizeChanged(OldClientWidth, OldClientHeight);
    ArrangeButtons();
}

bool TGxBar::HasSizeGrip() const
{
    return FFooter && Fields().SizeGrip && FGxDropDown && FGxDropDown->DropDownSizeable();
}

TRect TGxBar::GetButtonArea() const
{
    const TRect c = ClientRect();
    if (!FFooter)
        return {c.Left + 2, c.Top + 2, c.Right - 2, c.Bottom - 3};
    return {c.Left + 2, c.Top + 2, c.Right - (HasSizeGrip() ? 14 : 2), c.Bottom - 2};
}

TRect TGxBar::GetCaptionRect() const
{
    if (FButtonList.Count() == 0)
        return {-1, -1, -1, -1};
    TRect r = GetButtonArea();
    if (const TGxButton* last = Buttons(FButtonList.Count() - 1))
        r.Right = last->Left() - 2;
    return r;
}

void TGxBar::ButtonClick(TObject* Sender)
{
    auto* b = dynamic_cast<TGxButton*>(Sender);
    if (!b || !FGxDropDown)
        return;
    const auto& event = FFooter ? FGxDropDown->OnDropDownFooterButtonClick : FGxDropDown->OnDropDownHeaderButtonClick;
    if (event)
        event(FGxDropDown, static_cast<int>(b->Tag()));
}

void TGxBar::DrawSizeGrip(TCanvas& C, const TRect& G, TColor Border)
{
    static constexpr int kSteps[6][2] = {{0, 0}, {1, 0}, {2, 0}, {2, 1}, {2, 2}, {1, 1}};
    const auto pass = [&](TColor color, int shift) {
        C.Pen()->SetColor(color);
        C.Brush()->SetStyle(TBrushStyle::bsSolid);
        C.Brush()->SetColor(color);
        for (const auto& s : kSteps) {
            const int left = G.Left + 5 + 4 * s[0] - shift, top = G.Bottom - 4 - 4 * s[1] - shift;
            C.Rectangle(left, top, left + 2, top + 2);
        }
    };
    pass(clWhite, 0);
    pass(Border, 1);
}

void TGxBar::Paint()
{
    TCanvas& C = *Canvas();
    const TRect R = ClientRect();
    if (OnDrawBackGround) {
        OnDrawBackGround(this, C, R);
        return;
    }
    const TBarAppearanceFields a = Fields();
    if (a.ColorTo != clNone) {
        DrawGradient(C, a.Color, a.ColorTo, a.GradientDirection == TGradientDirection::gdHorizontal, R, 80);
    } else if (a.Color != clNone) {
        C.Brush()->SetStyle(TBrushStyle::bsSolid);
        C.Brush()->SetColor(a.Color);
        C.FillRect(R);
    }
    if (a.BorderColor != clNone && a.BorderWidth > 0) {
        C.Pen()->SetStyle(TPenStyle::psSolid);
        C.Pen()->SetWidth(a.BorderWidth);
        C.Pen()->SetColor(a.BorderColor);
        const bool framed =
            FGxDropDown && FGxDropDown->DropDownBorderWidth() > 0 && FGxDropDown->DropDownBorderColor() != clNone;
        if (!FFooter) {
            C.Polyline({{R.Left, R.Bottom - 1}, {R.Right, R.Bottom - 1}});
            if (!framed)
                C.Polyline({{R.Left, R.Bottom - 1}, {R.Left, R.Top}, {R.Right, R.Top}, {R.Right, R.Bottom - 1}});
        } else {
            C.Polyline({{R.Left, R.Top}, {R.Right, R.Top}});
            if (!framed)
                C.Polyline({{R.Left, R.Top}, {R.Left, R.Bottom}, {R.Right, R.Bottom}, {R.Right, R.Top}});
        }
        C.Pen()->SetWidth(1);
        C.Brush()->SetStyle(TBrushStyle::bsClear);
        C.Pen()->SetColor(BlendColor(a.BorderColor, clWhite, 20));
        TRect inner = R;
        if (FFooter)
            inner.Top += a.BorderWidth;
        else
            inner.Bottom -= a.BorderWidth;
        C.Rectangle(inner);
    }
    TRect t = R.Inflate(-a.BorderWidth, -a.BorderWidth);
    if (a.ImageIndex >= 0 && FImages) {
        FImages->Draw(C, t.Left + 4, t.Top + (t.Height() - FImages->Height()) / 2, a.ImageIndex);
        t.Left += FImages->Width() + 8;
    }
    std::string caption = a.Caption;
    if (OnGetText)
        OnGetText(this, caption);
    if (!caption.empty()) {
        if (FButtonList.Count() > 0)
            t.Right = GetCaptionRect().Right;
        if (a.Font)
            C.Font()->Assign(*a.Font);
        C.Brush()->SetStyle(TBrushStyle::bsClear);
        const TSize size = GetHTMLTextSize(C, caption, t, false);
        if (size.cy < t.Height())
            t.Top += (t.Height() - size.cy) / 2;
        GetHTMLTextSize(C, caption, t, true);
    }
    if (HasSizeGrip())
        DrawSizeGrip(C, {R.Right - a.BorderWidth - 16, 1, R.Right - a.BorderWidth - 1, R.Bottom}, a.BorderColor);
}

bool TGxBar::InGrip(int X, int Y) const
{
    return HasSizeGrip() && X > Width() - 12 && Y > Height() - 15;
}

void TGxBar::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TCustomControl::MouseDown(Button, Shift, X, Y);
    if (Button != TMouseButton::mbLeft || !InGrip(X, Y))
        return;
    // The window sizes from its bottom-right corner from here on.
    if (CaptureControl() == this)
        SetCaptureControl(nullptr);
    TWinControl* top = this;
    while (top->Parent())
        top = top->Parent();
    if (auto* window = dynamic_cast<TDropDownForm*>(top))
        window->BeginGripSizing(ClientToScreen({X, Y}));
}

void TGxBar::MouseMove(TShiftState Shift, int X, int Y)
{
    TCustomControl::MouseMove(Shift, X, Y);
    if (InGrip(X, Y)) {
        if (GetScreen()->Cursor() != crSizeNWSE)
            GetScreen()->SetCursor(crSizeNWSE);
    } else if (GetScreen()->Cursor() != FOldCursor) {
        GetScreen()->SetCursor(FOldCursor);
    }
}

void TGxBar::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TCustomControl::MouseUp(Button, Shift, X, Y);
    if (FFooter && GetScreen()->Cursor() != FOldCursor)
        GetScreen()->SetCursor(FOldCursor);
}

void TGxBar::MouseEnter()
{
    TCustomControl::MouseEnter();
    if (FFooter && GetScreen()->Cursor() != crSizeNWSE)
        FOldCursor = GetScreen()->Cursor();
}

void TGxBar::MouseLeave()
{
    TCustomControl::MouseLeave();
    if (FFooter && GetScreen()->Cursor() != FOldCursor)
        GetScreen()->SetCursor(FOldCursor);
}

TGxHeader::TGxHeader(TComponent* AOwner) : TGxBar(AOwner, false)
{
    FAppearance.OnChange = [this](TObject*) { AppearanceVisibilityChanged(FAppearance.Visible(), FAppearance.Height); };
}

TBarAppearanceFields TGxHeader::Fields() const
{
    return FieldsOf(FAppearance);
}

void TGxHeader::CopyAppearance(TGxCustomDropDown& DropDown)
{
    FAppearance.Assign(*DropDown.DropDownHeader());
}

int TGxHeader::ItemCount() const
{
    return GxDropDown() ? GxDropDown()->DropDownHeader()->Buttons()->Count() : 0;
}

void TGxHeader::ItemLook(int Index, std::string& Caption, int& ImageIndex, bool& Enabled, int& Width, int& Height,
                         TModalResult& Result) const
{
    const THeaderButton* item = GxDropDown()->DropDownHeader()->Buttons()->GetItem(Index);
    Caption = item->Caption();
    ImageIndex = item->ImageIndex();
    Enabled = item->Enabled();
    Width = item->Width();
    Height = item->Height();
    Result = mrNone;
}

TGxFooter::TGxFooter(TComponent* AOwner) : TGxBar(AOwner, true)
{
    FAppearance.OnChange = [this](TObject*) { AppearanceVisibilityChanged(FAppearance.Visible(), FAppearance.Height); };
}

TBarAppearanceFields TGxFooter::Fields() const
{
    TBarAppearanceFields f = FieldsOf(FAppearance);
    f.SizeGrip = FAppearance.SizeGrip;
    return f;
}

void TGxFooter::CopyAppearance(TGxCustomDropDown& DropDown)
{
    FAppearance.Assign(*DropDown.DropDownFooter());
}

int TGxFooter::ItemCount() const
{
    return GxDropDown() ? GxDropDown()->DropDownFooter()->Buttons()->Count() : 0;
}

void TGxFooter::ItemLook(int Index, std::string& Caption, int& ImageIndex, bool& Enabled, int& Width, int& Height,
                         TModalResult& Result) const
{
    const TFooterButton* item = GxDropDown()->DropDownFooter()->Buttons()->GetItem(Index);
    Caption = item->Caption();
    ImageIndex = item->ImageIndex();
    Enabled = item->Enabled();
    Width = item->Width();
    Height = item->Height();
    Result = item->ModalResult();
}

}  // namespace dropdown
