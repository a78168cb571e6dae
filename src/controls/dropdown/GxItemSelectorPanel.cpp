// The inner panel of the item selector: layout, painting, hit tests, hot and selected items.
#include <algorithm>

#include "controls/dropdown/GxDropDownDraw.h"
#include "controls/dropdown/GxItemSelector.h"
#include "grid/base/HtmlTextDraw.h"
#include "grid/base/HtmlTextUtils.h"
#include "grid/base/VozEdidDraw.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/StrUtils.h"
#include "platform/ui/Application.h"
#include "platform/ui/ImgList.h"

namespace dropdown {

using namespace ui;

namespace {

// Size of an item's own picture, else of its list image, else (0, 0).
TSize ImageSize(const TSelectorItem& item, const TImageList* images)
{
    const TPicture* pic = item.Image();
    if (pic->Graphic() && !pic->Graphic()->Empty())
        return {pic->Width(), pic->Height()};
    if (images && item.ImageIndex() >= 0)
        return {images->Width(), images->Height()};
    return {};
}

TSize MeasureCaption(TCanvas& canvas, const std::string& caption, const TRect& r)
{
    gx::THTMLDrawParams params;
    params.MeasureOnly = true;
    gx::THTMLDrawResult result;
    gx::DrawHTMLText(canvas, caption, r, params, result);
    return {result.UsedWidth, result.UsedHeight};
}

TSize DrawCaption(TCanvas& canvas, const std::string& caption, const TRect& r)
{
    gx::THTMLDrawParams params;
    gx::THTMLDrawResult result;
    gx::DrawHTMLText(canvas, caption, r, params, result);
    return {result.UsedWidth, result.UsedHeight};
}

}  // namespace

TCustomItemSelector::TCustomItemSelector(TComponent* AOwner) : TCustomControl(AOwner)
{
    FGxItemSelector = dynamic_cast<TGxCustomItemSelector*>(AOwner);
    if (!FGxItemSelector)
        throw rtl::Exception("Invalid parent");
    controlStyle_ |= csCaptureMouse;
}

TSelectorItems& TCustomItemSelector::Items() const
{
    return *FGxItemSelector->Items();
}

bool TCustomItemSelector::Disabled(int Index) const
{
    const TSelectorItem* item = Items().GetItem(Index);
    return item && !item->Enabled();
}

TRect TCustomItemSelector::GetItemRect(int Index) const
{
    const TSelectorItem* item = Items().GetItem(Index);
    return item ? item->ItemRect() : TRect{-1, -1, -1, -1};
}

int TCustomItemSelector::ItemAtPos(int X, int Y) const
{
    for (int i = 0; i < Items().Count(); ++i)
        if (Items().GetItem(i)->ItemRect().Contains({X, Y}))
            return i;
    return -1;
}

void TCustomItemSelector::GetItemArea(TRect& R)
{
    R = ClientRect().Inflate(-FOffSetX, -FOffSetY);
}

void TCustomItemSelector::GetItemSize(TSize& Size)
{
    TGxCustomItemSelector& sel = *FGxItemSelector;
    if (sel.OnItemSize) {
        sel.OnItemSize(this, Size);
        return;
    }
    const bool color = sel.SelectorType() == TSelectorType::stColor;
    int w = color ? sel.ColorBoxWidth() : 0, h = color ? sel.ColorBoxHeight() : 0;
    int tw = 0, th = 0;
    TCanvas& c = *Canvas();
    c.Font()->Assign(*sel.ItemAppearance()->Font());
    for (int i = 0; i < Items().Count(); ++i) {
        const TSelectorItem& item = *Items().GetItem(i);
        if (!color) {
            const TSize img = ImageSize(item, sel.Images());
            w = std::max(w, img.cx);
            h = std::max(h, img.cy);
        }
        const TSize text = MeasureCaption(c, item.Caption(), {0, 0, 1000, 500});
        tw = std::max(tw, text.cx);
        th = std::max(th, text.cy);
    }
    if (tw > 0)
        tw += 4;
    switch (sel.ItemLayout()) {
    case TItemLayout::ilCaptionLeft:
    case TItemLayout::ilCaptionRight:
        Size.cx = 2 * FItemOffSetX + (w > 0 ? w : 0) + (w > 0 && tw > 0 ? FCaptionGap : 0) + (tw > 0 ? tw : 0);
        Size.cy = std::max(th, h) + 2 * FItemOffSetY;
        break;
    case TItemLayout::ilCaptionTop:
    case TItemLayout::ilCaptionBottom:
        Size.cx = std::max(tw, w) + 2 * FItemOffSetX;
        Size.cy = 2 * FItemOffSetY + (h > 0 ? h : 0) + (h > 0 && th >= 1 ? FCaptionGap : 0) + (th >= 1 ? th : 0);
        break;
    }
}

void TCustomItemSelector::ArrangeItems()
{
    if (Items().Count() == 0) {
        SetBounds(Left(), Top(), 100, 50);
        return;
    }
    FItemHot = -1;
    TSize s;
    GetItemSize(s);
    TRect a;
    GetItemArea(a);
    const int columns = std::max(1, FGxItemSelector->Columns());
    int x = a.Left, y = a.Top, inRow = 0, maxLeft = a.Left;
    for (int i = 0; i < Items().Count(); ++i) {
        Items().GetItem(i)->SetItemRect(Bounds(x, y, s.cx, s.cy));
        maxLeft = std::max(maxLeft, x);
        ++inRow;
        if (i == Items().Count() - 1)
            break;
        if (inRow < columns) {
            x += s.cx;
        } else {
            x = a.Left;
            y += s.cy;
            inRow = 0;
        }
    }
    SetBounds(Left(), Top(), maxLeft + s.cx + a.Left, y + s.cy + a.Top);
    Invalidate();
}

void TCustomItemSelector::InvalidateItem(int Index)
{
    if (Items().Valid(Index))
        Invalidate();
}

void TCustomItemSelector::DrawItem(int Index, TCanvas& C)
{
    const TSelectorItem* item = Items().GetItem(Index);
    if (!item || !FGxItemSelector)
        return;
    TRect r = item->ItemRect();
    if (r.Left < 0 && r.Right < 0)
        return;
    TGxCustomItemSelector& sel = *FGxItemSelector;
    const TItemAppearance& a = *sel.ItemAppearance();
    const bool hot = Index == FItemHot, selected = Index == FItemIndex;

    // Background: plain, or the hot or selected face with its frame.
    TColor border = a.BorderColor, top = a.BorderColorTop, bottom = a.BorderColorBottom, edge = a.EdgeColor;
    TColor face = clNone, faceTo = clNone, mirror = clNone, mirrorTo = clNone;
    if (hot) {
        face = a.ColorHot;
        faceTo = a.ColorHotTo;
        mirror = a.ColorMirrorHot;
        mirrorTo = a.ColorMirrorHotTo;
        if (a.BorderColorHot != clNone) {
            border = a.BorderColorHot;
            top = bottom = edge = clNone;
        }
    }
    if (selected) {
        face = a.ColorSelected;
        faceTo = a.ColorSelectedTo;
        mirror = a.ColorMirrorSelected;
        mirrorTo = a.ColorMirrorSelectedTo;
        if (a.BorderColorSelected != clNone) {
            border = a.BorderColorSelected;
            top = bottom = edge = clNone;
        }
    }
    if (!hot && !selected) {
        C.Brush()->SetStyle(TBrushStyle::bsSolid);
        C.Brush()->SetColor(Color());
        C.FillRect(r);
    } else if (top == clNone) {
        DrawBackgroundRect(&C, r, face, faceTo, TGradientDirection::gdVertical, 1, border);
    } else {
        VozEdid::DrawGradientButtonFace(C, face, faceTo, mirror, mirrorTo, top, bottom, border, edge, Color(), r, 0);
    }

    if (sel.OnDrawItem) {
        sel.OnDrawItem(this, C, r, Index);
        return;
    }

    const bool color = sel.SelectorType() == TSelectorType::stColor;
    const TImageList* images = sel.Images();
    const TSize size = color ? TSize{sel.ColorBoxWidth(), sel.ColorBoxHeight()} : ImageSize(*item, images);
    const int w = size.cx, h = size.cy;
    TRect cr = r.Inflate(-FItemOffSetX, -FItemOffSetY);
    TRect g = cr;
    C.Font()->Assign(*a.Font());
    if (hot)
        C.Font()->SetColor(a.ColorHotText);
    if (selected)
        C.Font()->SetColor(a.ColorSelectedText);
    C.Brush()->SetStyle(TBrushStyle::bsClear);

    const TPicture* pic = item->Image();
    const bool hasPicture = !color && pic->Graphic() && !pic->Graphic()->Empty();
    const bool hasListImage = !color && !hasPicture && images && item->ImageIndex() >= 0;
    // Draws the box or image with its top-left corner at (x, y); false when there is nothing.
    const auto drawImage = [&](int x, int y) {
        if (color) {
            C.Pen()->SetStyle(TPenStyle::psSolid);
            C.Pen()->SetWidth(1);
            C.Pen()->SetColor(clBlack);
            C.Brush()->SetStyle(TBrushStyle::bsSolid);
            C.Brush()->SetColor(item->Color());
            C.Rectangle(Bounds(x, y, w, h));
            C.Brush()->SetStyle(TBrushStyle::bsClear);
            return true;
        }
        if (hasPicture) {
            C.Draw(x, y, pic->Graphic());
            return true;
        }
        if (hasListImage) {
            images->Draw(C, x, y, item->ImageIndex(), item->Enabled());
            return true;
        }
        return false;
    };
    const auto measureAndCentre = [&](TRect& box) {
        const TSize t = MeasureCaption(C, item->Caption(), box);
        if (t.cy < box.Height())
            box.Top += (box.Height() - t.cy) / 2;
        return t;
    };
    const std::string& caption = item->Caption();

    switch (sel.ItemLayout()) {
    case TItemLayout::ilCaptionLeft:
        if (!caption.empty()) {
            cr.Right -= w;
            const TSize t = measureAndCentre(cr);
            DrawCaption(C, caption, cr);
            g.Left = cr.Left + t.cx + FCaptionGap;
        }
        if (color)
            drawImage(g.Left, g.Top);
        else
            drawImage(g.Left, g.Top + (g.Height() - h) / 2);
        break;
    case TItemLayout::ilCaptionRight:
        if (color) {
            drawImage(g.Left, g.Top);
            cr.Left = g.Left + w + FCaptionGap;
        } else if (drawImage(g.Left, g.Top + (g.Height() - h) / 2)) {
            cr.Left = g.Left + w + FCaptionGap;
        }
        if (!caption.empty()) {
            measureAndCentre(cr);
            DrawCaption(C, caption, cr);
        }
        break;
    case TItemLayout::ilCaptionTop:
        if (!caption.empty()) {
            cr.Bottom -= h;
            const TSize t = DrawCaption(C, caption, cr);
            g.Top = cr.Top + t.cy + FCaptionGap;
        } else {
            g.Top += (g.Height() - h) / 2;
        }
        g.Left += (g.Width() - w) / 2;
        drawImage(g.Left, g.Top);
        break;
    case TItemLayout::ilCaptionBottom:
        if (caption.empty())
            g.Top += (g.Height() - h) / 2;
        g.Left += (g.Width() - w) / 2;
        if (drawImage(g.Left, g.Top))
            cr.Top = g.Top + h + FCaptionGap;
        if (!caption.empty())
            DrawCaption(C, caption, cr);
        break;
    }
}

void TCustomItemSelector::DrawItems(TCanvas& C)
{
    for (int i = 0; i < Items().Count(); ++i)
        DrawItem(i, C);
}

void TCustomItemSelector::Paint()
{
    TCustomControl::Paint();
    DrawItems(*Canvas());
}

void TCustomItemSelector::SetItemHot(int Index)
{
    if (Index == FItemHot || Disabled(Index))
        return;
    if (FItemHot >= 0) {
        const int old = FItemHot;
        FItemHot = -1;
        InvalidateItem(old);
    }
    FItemHot = Index;
    if (Index >= 0) {
        DrawItem(Index, *Canvas());
        InvalidateItem(Index);
    }
}

void TCustomItemSelector::SetItemIndex(int Index)
{
    if (Disabled(Index))
        return;
    if (FItemIndex >= 0 && FItemIndex != Index) {
        const int old = FItemIndex;
        FItemIndex = -1;
        InvalidateItem(old);
    }
    FItemIndex = Index;
    if (Index >= 0) {
        DrawItem(Index, *Canvas());
        InvalidateItem(Index);
        if (OnItemSelect)
            OnItemSelect(this);
    }
}

void TCustomItemSelector::SelectFirst()
{
    if (Items().Count() > 0)
        SetItemIndex(0);
}

void TCustomItemSelector::SelectLast()
{
    if (Items().Count() > 0)
        SetItemIndex(Items().Count() - 1);
}

void TCustomItemSelector::SelectNext()
{
    if (Items().Count() == 0)
        return;
    if (FItemIndex < 0)
        SetItemIndex(0);
    else if (FItemIndex + 1 < Items().Count())
        SetItemIndex(FItemIndex + 1);
}

void TCustomItemSelector::SelectPrevious()
{
    if (Items().Count() == 0)
        return;
    if (FItemIndex < 0)
        SetItemIndex(0);
    else if (FItemIndex > 0)
        SetItemIndex(FItemIndex - 1);
}

void TCustomItemSelector::HotNext()
{
    if (Items().Count() == 0)
        return;
    if (FItemHot < 0)
        SetItemHot(0);
    else if (FItemHot + 1 < Items().Count())
        SetItemHot(FItemHot + 1);
}

void TCustomItemSelector::HotPrevious()
{
    if (Items().Count() == 0)
        return;
    if (FItemHot < 0)
        SetItemHot(0);
    else if (FItemHot > 0)
        SetItemHot(FItemHot - 1);
}

bool TCustomItemSelector::LookupItem(const std::string& S)
{
    for (int i = 0; i < Items().Count(); ++i) {
        const std::string text = rtl::AnsiUpperCase(rtl::Trim(gx::StripHTMLTags(Items().GetItem(i)->Caption())));
        if (rtl::StartsStr(S, text)) {
            SetItemIndex(i);
            return true;
        }
    }
    return false;
}

void TCustomItemSelector::ClearHot()
{
    if (FItemHot < 0)
        return;
    const int old = FItemHot;
    FItemHot = -1;
    InvalidateItem(old);
}

void TCustomItemSelector::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TCustomControl::MouseDown(Button, Shift, X, Y);
    const int i = ItemAtPos(X, Y);
    if (i >= 0 && !Disabled(i))
        SetItemIndex(i);
}

void TCustomItemSelector::MouseMove(TShiftState Shift, int X, int Y)
{
    TCustomControl::MouseMove(Shift, X, Y);
    const int i = ItemAtPos(X, Y);
    if (i < 0) {
        ClearHot();
        return;
    }
    if (i == FItemHot)
        return;
    if (Disabled(i)) {
        ClearHot();
        return;
    }
    SetItemHot(i);
    SetHint(Items().GetItem(i)->Hint());
    Application->CancelHint();
}

void TCustomItemSelector::MouseLeave()
{
    TCustomControl::MouseLeave();
    ClearHot();
}

}  // namespace dropdown
