#include "controls/dropdown/GxColorPalette.h"

#include <algorithm>

namespace dropdown {

using namespace ui;

namespace {

constexpr TColor kDefaultBoxes[6][10] = {
    {0xFFFFFF, 0x000000, 0xE1ECEE, 0x7D491F, 0xBD814F, 0x4D50C0, 0x59BB9B, 0xA26480, 0xC6AC4B, 0x4696F7},
    {0xF2F2F2, 0x7F7F7F, 0xC3D9DD, 0xDACEC2, 0xF1E5DB, 0xDBDCF2, 0xDDF1EB, 0xECE0E5, 0xF3EEDB, 0xDAEAFD},
    {0xD8D8D8, 0x595959, 0x97BDC4, 0xE2B38D, 0xE4CCB8, 0xB7B9E5, 0xBCE3D7, 0xD9C1CC, 0xE8DDB7, 0xB5D5FB},
    {0xBFBFBF, 0x3F3F3F, 0x538993, 0xD48D54, 0xD7B395, 0x9496D9, 0x9BD6C3, 0xC7A2B2, 0xDCCD92, 0x8FC0FA},
    {0xA5A5A5, 0x262626, 0x294449, 0x5D3617, 0x926036, 0x343795, 0x3C9276, 0x7A495F, 0x9B8531, 0x096CE3},
    {0x7F7F7F, 0x0C0C0C, 0x101B1D, 0x3E240F, 0x614024, 0x232463, 0x28614F, 0x51313F, 0x675820, 0x064897},
};
constexpr TItemPos kDefaultRowPos[6] = {TItemPos::ipStandAlone, TItemPos::ipTop,    TItemPos::ipMiddle,
                                        TItemPos::ipMiddle,     TItemPos::ipMiddle, TItemPos::ipBottom};

}  // namespace

void TColorBoxItem::SetColor(TColor Value)
{
    if (FColor == Value)
        return;
    FColor = Value;
    FCollection->Changed();
}

TCustomColorSelector::TCustomColorSelector(TComponent* AOwner) : TGxCustomColorSelectorPanel(AOwner)
{
    SetParentColor(true);
    FItems.OnChange = [this](TObject*) { Invalidate(); };
}

void TCustomColorSelector::SetItems(const TColorBoxItems& Value)
{
    FItems.Assign(Value);
    UpdateLayout();
}

void TCustomColorSelector::AddDefaultBoxes()
{
    FItems.Clear();
    FItemIndex = -1;
    FHotIndex = -1;
    for (int r = 0; r < 6; ++r)
        for (const TColor c : kDefaultBoxes[r]) {
            TColorBoxItem* item = FItems.Add();
            item->SetColor(c);
            item->SetColorBoxPos(kDefaultRowPos[r]);
        }
    UpdateLayout();
}

TRect TCustomColorSelector::GetBoxArea() const
{
    return ClientRect().Inflate(-FOffsetX, -FOffsetY);
}

TSize TCustomColorSelector::GetColorBoxSize() const
{
    return {FColorBoxWidth, FColorBoxHeight};
}

void TCustomColorSelector::UpdateLayout()
{
    if (FItems.Count() == 0) {
        SetBounds(Left(), Top(), 100, 50);
        return;
    }
    FHotIndex = -1;
    const TSize s = GetColorBoxSize();
    const int x0 = FOffsetX, y0 = FOffsetY;
    int x = x0, y = y0, column = 0, widest = 0;
    bool standalone = false;
    for (int i = 0; i < FItems.Count(); ++i) {
        TColorBoxItem& item = *FItems.GetItem(i);
        item.SetBoxRect(Bounds(x, y, s.cx, s.cy));
        ++column;
        if (i == FItems.Count() - 1)
            break;
        if (item.ColorBoxPos() == TItemPos::ipStandAlone)
            standalone = true;
        if (column < FColumns) {
            x += s.cx + FColumnGap;
        } else {
            if (standalone)
                y += FColumnGap;
            standalone = false;
            y += s.cy;
            widest = std::max(widest, x);
            x = x0;
            column = 0;
        }
    }
    SetBounds(Left(), Top(), std::max(x, widest) + s.cx + x0 + 1, y + s.cy + y0);
    Invalidate();
}

void TCustomColorSelector::SetColumns(int Value)
{
    if (Value == FColumns)
        return;
    FColumns = Value;
    UpdateLayout();
}

void TCustomColorSelector::SetColumnGap(int Value)
{
    if (Value == FColumnGap)
        return;
    FColumnGap = Value;
    UpdateLayout();
}

void TCustomColorSelector::SetColorBoxWidth(int Value)
{
    if (Value == FColorBoxWidth)
        return;
    FColorBoxWidth = Value;
    UpdateLayout();
}

void TCustomColorSelector::SetColorBoxHeight(int Value)
{
    if (Value == FColorBoxHeight)
        return;
    FColorBoxHeight = Value;
    UpdateLayout();
}

void TCustomColorSelector::SetItemColorStyle(TSelectionColorStyle Value)
{
    if (Value == FItemColorStyle)
        return;
    FItemColorStyle = Value;
    if (Value != TSelectionColorStyle::scCustom)
        FAppearance = TColorBoxAppearance{};
}

void TCustomColorSelector::InvalidateColorBox(int Index)
{
    if (FItems.Valid(Index))
        Invalidate();
}

void TCustomColorSelector::SetItemIndex(int Index)
{
    if (Index < -1 || Index >= FItems.Count())
        return;  // not a box: ignored, as the picker's own index is
    if (FItemIndex >= 0 && FItemIndex != Index) {
        const int old = FItemIndex;
        FItemIndex = -1;
        InvalidateColorBox(old);
    }
    FItemIndex = Index;
    if (Index < 0)
        return;
    FSelectedColor = FItems.GetItem(Index)->Color();
    DrawColorBox(Index, *Canvas());
    InvalidateColorBox(Index);
    if (OnItemSelect)
        OnItemSelect(this);
}

void TCustomColorSelector::SetSelectedColor(TColor Value)
{
    if (Value == FSelectedColor)
        return;
    FSelectedColor = Value;
    if (Value == clNone) {
        SetItemIndex(-1);
        return;
    }
    for (int i = 0; i < FItems.Count(); ++i)
        if (FItems.GetItem(i)->Color() == Value) {
            SetItemIndex(i);
            return;
        }
    SetItemIndex(-1);
}

void TCustomColorSelector::SetHotIndex(int Index)
{
    if (Index == FHotIndex || Index < -1 || Index >= FItems.Count())
        return;
    const int old = FHotIndex;
    FHotIndex = Index;
    InvalidateColorBox(old);
    if (Index >= 0) {
        DrawColorBox(Index, *Canvas());
        InvalidateColorBox(Index);
    }
}

void TCustomColorSelector::SelectFirst()
{
    if (FItems.Count() > 0)
        SetItemIndex(0);
}

void TCustomColorSelector::SelectLast()
{
    if (FItems.Count() > 0)
        SetItemIndex(FItems.Count() - 1);
}

void TCustomColorSelector::SelectNext()
{
    if (FItems.Valid(FItemIndex + 1))
        SetItemIndex(FItemIndex + 1);
}

void TCustomColorSelector::SelectPrevious()
{
    if (FItemIndex - 1 >= 0)
        SetItemIndex(FItemIndex - 1);
}

void TCustomColorSelector::HotNext()
{
    if (FItems.Valid(FHotIndex + 1))
        SetHotIndex(FHotIndex + 1);
}

void TCustomColorSelector::HotPrevious()
{
    if (FHotIndex - 1 >= 0)
        SetHotIndex(FHotIndex - 1);
}

void TCustomColorSelector::HandleKey(unsigned Key, bool EditorEnabled, bool DroppedDown)
{
    if (!Enabled() || Key < VK_PRIOR || Key > VK_DOWN)
        return;
    const auto byRow = [&](int delta) {
        const int target = FItemIndex < 0 ? 0 : FItemIndex + delta;
        if (FItems.Valid(target))
            SetItemIndex(target);
    };
    switch (Key) {
    case VK_PRIOR:
    case VK_HOME:
        SelectFirst();
        break;
    case VK_NEXT:
    case VK_END:
        SelectLast();
        break;
    case VK_LEFT:
        if (!EditorEnabled || DroppedDown)
            SelectPrevious();
        break;
    case VK_RIGHT:
        if (!EditorEnabled || DroppedDown)
            SelectNext();
        break;
    case VK_UP:
        if (DroppedDown)
            byRow(-FColumns);
        else
            SelectPrevious();
        break;
    case VK_DOWN:
        if (DroppedDown)
            byRow(FColumns);
        else
            SelectNext();
        break;
    default:
        break;
    }
}

int TCustomColorSelector::BoxAtPoint(int X, int Y) const
{
    for (int i = 0; i < FItems.Count(); ++i)
        if (FItems.GetItem(i)->BoxRect().Contains({X, Y}))
            return i;
    return -1;
}

void TCustomColorSelector::DrawColorBox(int Index, TCanvas& C)
{
    const TColorBoxItem* item = FItems.GetItem(Index);
    if (!item)
        return;
    TColor outer = FAppearance.BorderColor, inner = clNone;
    const bool hot = Index == FHotIndex, selected = Index == FItemIndex;
    if (hot) {
        outer = FAppearance.OuterBorderColorHot;
        inner = FAppearance.InnerBorderColorHot;
    }
    if (selected) {
        outer = FAppearance.OuterBorderColorSelected;
        inner = FAppearance.InnerBorderColorSelected;
    }
    TRect r = item->BoxRect();
    C.Pen()->SetWidth(1);
    C.Pen()->SetStyle(TPenStyle::psSolid);
    if (item->Color() != clNone) {
        C.Pen()->SetColor(item->Color());
        C.Brush()->SetStyle(TBrushStyle::bsSolid);
        C.Brush()->SetColor(item->Color());
        C.Rectangle(r);
    }
    if (hot || selected) {
        C.Brush()->SetStyle(TBrushStyle::bsClear);
        if (outer != clNone) {
            C.Pen()->SetColor(outer);
            C.Rectangle(r);
            r = r.Inflate(-1, -1);
        }
        if (inner != clNone) {
            C.Pen()->SetColor(inner);
            C.Rectangle(r);
        }
        return;
    }
    C.Pen()->SetColor(FAppearance.BorderColor);
    const int L = r.Left, T = r.Top, R = r.Right, B = r.Bottom;
    switch (item->ColorBoxPos()) {
    case TItemPos::ipStandAlone:
        C.Polyline({{L, B}, {L, T}, {R, T}, {R, B}, {L, B}});
        break;
    case TItemPos::ipTop:
        C.Polyline({{L, B}, {L, T}, {R, T}, {R, B}});
        break;
    case TItemPos::ipMiddle:
        C.Polyline({{L, T}, {L, B}});
        C.Polyline({{R, T}, {R, B}});
        break;
    case TItemPos::ipBottom:
        C.Polyline({{L, T}, {L, B}, {R, B}});
        C.Polyline({{R, T}, {R, B + 1}});
        break;
    }
}

void TCustomColorSelector::Paint()
{
    TGxCustomColorSelectorPanel::Paint();
    for (int i = 0; i < FItems.Count(); ++i)
        DrawColorBox(i, *Canvas());
}

void TCustomColorSelector::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TGxCustomColorSelectorPanel::MouseDown(Button, Shift, X, Y);
    const int i = BoxAtPoint(X, Y);
    if (i >= 0)
        SetItemIndex(i);
}

void TCustomColorSelector::MouseMove(TShiftState Shift, int X, int Y)
{
    TGxCustomColorSelectorPanel::MouseMove(Shift, X, Y);
    SetHotIndex(BoxAtPoint(X, Y));
}

void TCustomColorSelector::MouseLeave()
{
    TGxCustomColorSelectorPanel::MouseLeave();
    SetHotIndex(-1);
}

}  // namespace dropdown
