#include "controls/dropdown/GxCalcButtonPanel.h"

#include <algorithm>

#include "controls/dropdown/GxDropDownDraw.h"
#include "platform/ui/ImgList.h"

namespace dropdown {

using namespace ui;

namespace {

struct KeyDef {
    const char* Caption;
    const char* Name;
    int Tag;
    bool Special;
};

// The calculator keys in collection order; the tags are the calculator's action codes.
constexpr KeyDef kCalculatorKeys[] = {
    {"", "BTN_ON", 30, false},      {"Back", "BTN_BACK", 31, true}, {"CE", "BTN_CE", 32, true},
    {"C", "BTN_C", 16, true},       {"MC", "BTN_MC", 33, true},     {"MR", "BTN_MR", 34, true},
    {"MS", "BTN_MS", 35, true},     {"M+", "BTN_M+", 36, true},     {"0", "BTN_0", 0, false},
    {"1", "BTN_1", 1, false},       {"4", "BTN_4", 4, false},       {"7", "BTN_7", 7, false},
    {"8", "BTN_8", 8, false},       {"5", "BTN_5", 5, false},       {"2", "BTN_2", 2, false},
    {"+/-", "BTN_+/-", 14, false},  {".", "BTN_.", 15, false},      {"3", "BTN_3", 3, false},
    {"6", "BTN_6", 6, false},       {"9", "BTN_9", 9, false},       {"/", "BTN_/", 13, true},
    {"*", "BTN_*", 12, true},       {"-", "BTN_-", 11, true},       {"+", "BTN_+", 10, true},
    {"=", "BTN_=", 17, true},       {"1/x", "BTN_1/x", 38, false},  {"%", "BTN_%", 18, false},
    {"sqrt", "BTN_sqrt", 37, true},
};
constexpr int kCalculatorKeyCount = static_cast<int>(std::size(kCalculatorKeys));

// Size of a button's own picture, else of the image list's images, else (0, 0).
TSize PictureSize(const TButtonItem& b, const TImageList* images)
{
    const TPicture* pic = b.Image();
    if (pic->Graphic() && !pic->Graphic()->Empty())
        return {pic->Width(), pic->Height()};
    if (images && b.ImageIndex() >= 0)
        return {images->Width(), images->Height()};
    return {};
}

}  // namespace

TCustomButtonPanel::TCustomButtonPanel(TComponent* AOwner) : TCustomControl(AOwner)
{
    FButtons.OnChange = [this](TObject*) { PartsChanged(); };
    FButtonAppearance.OnChange = [this](TObject*) { PartsChanged(); };
}

TCustomButtonPanel::~TCustomButtonPanel()
{
    MarkDestroying();
    FButtons.OnChange = nullptr;
    FButtonAppearance.OnChange = nullptr;
}

void TCustomButtonPanel::PartsChanged()
{
    if (!FGxDropDown)
        Invalidate();
}

void TCustomButtonPanel::SetButtonPanelType(TButtonPanelType Value)
{
    if (FButtonPanelType == Value)
        return;
    FButtonPanelType = Value;
    ArrangeButtons();
}

void TCustomButtonPanel::SetImages(TImageList* Value)
{
    if (FImages == Value)
        return;
    if (FImages)
        RemoveFreeNotification(FImages);
    FImages = Value;
    if (FImages)
        FreeNotification(FImages);
    ArrangeButtons();
}

void TCustomButtonPanel::SetEdit(TWinControl* Value)
{
    if (FEdit)
        RemoveFreeNotification(FEdit);
    FEdit = Value;
    if (FEdit)
        FreeNotification(FEdit);
}

void TCustomButtonPanel::Notification(TComponent* AComponent, TOperation Operation)
{
    TCustomControl::Notification(AComponent, Operation);
    if (Operation != TOperation::opRemove || Destroying())
        return;
    if (AComponent == FImages)
        SetImages(nullptr);
    if (AComponent == FEdit)
        FEdit = nullptr;
}

void TCustomButtonPanel::Loaded()
{
    TCustomControl::Loaded();
    if (!FGxDropDown)
        InitButtons();
}

void TCustomButtonPanel::GetButtonArea(TRect& R)
{
    R = ClientRect().Inflate(-FOffSetX, -FOffSetY);
}

void TCustomButtonPanel::ClearButtons()
{
    FButtons.Clear();
    FButtonHot = -1;
    FButtonDown = -1;
}

void TCustomButtonPanel::ResetButtons()
{
    ClearButtons();
    InitButtons();
}

void TCustomButtonPanel::InitButtons()
{
    if (FButtons.Count() == 0 && FButtonPanelType == TButtonPanelType::plCalculator) {
        for (const KeyDef& k : kCalculatorKeys) {
            TButtonItem* b = FButtons.Add();
            b->SetCaption(k.Caption);
            b->SetName(k.Name);
            b->SetTag(k.Tag);
            if (k.Special) {
                b->SetCaptionColor(128);
                b->SetSpecial(true);
            }
        }
    }
    ArrangeButtons();
}

void TCustomButtonPanel::ArrangeButtons()
{
    if (FButtons.Count() == 0 || FButtonPanelType == TButtonPanelType::plCustom ||
        FButtons.Count() < kCalculatorKeyCount)
        return;
    TRect area;
    GetButtonArea(area);
    constexpr int gap = 4;
    const int w = (area.Right - area.Left - 2 * gap) / 6;
    const int h = (area.Bottom - area.Top - gap) / 5;
    // Rows 1 to 4 and the digit columns share their border lines.
    const int r[5] = {area.Top, area.Top + h + 4, area.Top + 2 * h + 3, area.Top + 3 * h + 2, area.Top + 4 * h + 1};
    const int c0 = area.Left, c1 = c0 + w + 4, c2 = c1 + w - 1, c3 = c2 + w - 1, c4 = c3 + w + 4, c5 = c4 + w - 1;
    const int c[6] = {c0, c1, c2, c3, c4, c5};
    // Collection index of the key in each grid row (1 to 4) and column.
    constexpr int grid[4][6] = {
        {4, 11, 12, 19, 20, 27}, {5, 10, 13, 18, 21, 26}, {6, 9, 14, 17, 22, 25}, {7, 8, 15, 16, 23, 24}};
    for (int row = 0; row < 4; ++row)
        for (int col = 0; col < 6; ++col)
            FButtons.GetItem(grid[row][col])->SetButtonRect(Bounds(c[col], r[row + 1], w, h));
    // The top row: the blank key, then Back, CE and C sharing the width up to the grid's right edge.
    FButtons.GetItem(0)->SetButtonRect(Bounds(c0, r[0], w, h));
    const int right = c5 + w;
    const int w2 = (right - c1 - 8) / 3;
    FButtons.GetItem(1)->SetButtonRect(Bounds(c1, r[0], w2, h));
    FButtons.GetItem(2)->SetButtonRect(Bounds(c1 + w2 + 4, r[0], w2, h));
    FButtons.GetItem(3)->SetButtonRect(TRect(c1 + 2 * w2 + 8, r[0], right, r[0] + h));
    Invalidate();
}

TRect TCustomButtonPanel::GetButtonRect(int Index) const
{
    const TButtonItem* b = FButtons.GetItem(Index);
    return b ? b->ButtonRect() : TRect{-1, -1, -1, -1};
}

int TCustomButtonPanel::ButtonAtPos(int X, int Y) const
{
    for (int i = 0; i < FButtons.Count(); ++i)
        if (FButtons.GetItem(i)->ButtonRect().Contains({X, Y}))
            return i;
    return -1;
}

bool TCustomButtonPanel::DisabledButton(int Index) const
{
    const TButtonItem* b = FButtons.GetItem(Index);
    return b && !b->Enabled();
}

void TCustomButtonPanel::InvalidateButton(int Index)
{
    if (FButtons.Valid(Index))
        Invalidate();
}

void TCustomButtonPanel::DoButtonClick(int Index)
{
    if (OnButtonClick)
        OnButtonClick(this, Index);
}

void TCustomButtonPanel::SetButtonHot(int Index)
{
    if (Index == FButtonHot || DisabledButton(Index))
        return;
    const int old = FButtonHot;
    FButtonHot = Index;
    InvalidateButton(old);
    if (Index >= 0) {
        DrawButton(Index, *Canvas());
        InvalidateButton(Index);
    }
}

void TCustomButtonPanel::SetButtonDown(int Index)
{
    if (Index == FButtonDown || DisabledButton(Index))
        return;
    const int old = FButtonDown;
    FButtonDown = Index;
    InvalidateButton(old);
    if (Index >= 0) {
        DrawButton(Index, *Canvas());
        InvalidateButton(Index);
    }
}

void TCustomButtonPanel::GetMaxButtonSize(TSize& Size)
{
    TCanvas& c = *Canvas();
    c.Font()->Assign(*FButtonAppearance.Font());
    int pw = 0, ph = 0, tw = 0, th = 0;
    for (int i = 0; i < FButtons.Count(); ++i) {
        const TButtonItem& b = *FButtons.GetItem(i);
        const TSize p = PictureSize(b, FImages);
        pw = std::max(pw, p.cx);
        ph = std::max(ph, p.cy);
        const TSize t = GetTextSize(c, b.Caption());
        tw = std::max(tw, t.cx);
        th = std::max(th, t.cy);
    }
    const bool both = pw > 0 && tw > 0;
    switch (FButtonLayout) {
    case TItemLayout::ilCaptionLeft:
    case TItemLayout::ilCaptionRight:
        Size.cx = 2 * FButtonOffSetX + pw + (both ? FCaptionGap : 0) + tw;
        Size.cy = std::max(ph, th) + 2 * FButtonOffSetY;
        break;
    case TItemLayout::ilCaptionTop:
    case TItemLayout::ilCaptionBottom:
        Size.cx = std::max(pw, tw) + 2 * FButtonOffSetX;
        Size.cy = 2 * FButtonOffSetY + ph + (ph > 0 && th > 0 ? FCaptionGap : 0) + (th >= 1 ? th : 0);
        break;
    }
}

void TCustomButtonPanel::DrawButton(int Index, TCanvas& C)
{
    const TButtonItem* b = FButtons.GetItem(Index);
    if (!b)
        return;
    const TRect r = b->ButtonRect();
    if (r.Left < 0 && r.Right < 0)
        return;
    C.FillRect(r);
    unsigned state = tsNormal;
    if (!Enabled())
        state = tsDisabled;
    else if (Index == FButtonDown)
        state = tsPressed;
    else if (Index == FButtonHot)
        state = tsHot;
    C.DrawThemedPart(TThemedPart::PushButton, state, r);

    const TSize pic = PictureSize(*b, FImages);
    const int w = pic.cx, h = pic.cy;
    const bool hasPicture = w > 0 || h > 0;
    const int x0 = r.Left + FButtonOffSetX, y0 = r.Top + FButtonOffSetY;
    const int x1 = r.Right - FButtonOffSetX, y1 = r.Bottom - FButtonOffSetY;
    C.Font()->Assign(*FButtonAppearance.Font());
    C.Font()->SetColor(b->Special() ? FButtonAppearance.SpecialTextColor() : FButtonAppearance.TextColor());
    C.Brush()->SetStyle(TBrushStyle::bsClear);

    const auto drawPicture = [&](int x, int y) {
        const TPicture* own = b->Image();
        if (own->Graphic() && !own->Graphic()->Empty())
            C.Draw(x, y, own->Graphic());
        else if (FImages && b->ImageIndex() >= 0)
            FImages->Draw(C, x, y, b->ImageIndex(), b->Enabled());
    };
    const auto caption = [&](TRect box, bool centred) {
        C.DrawText(b->Caption(), box, DT_SINGLELINE | DT_VCENTER | (centred ? DT_CENTER : 0u));
    };
    const int centreY = y0 + (y1 - y0 - h) / 2;
    const std::string& text = b->Caption();
    switch (FButtonLayout) {
    case TItemLayout::ilCaptionLeft: {
        int x = x0;
        if (!text.empty()) {
            caption({x0, y0, x1 - w, y1}, !hasPicture);
            x = x0 + GetTextSize(C, text).cx + FCaptionGap;
        }
        if (hasPicture)
            drawPicture(x, centreY);
        break;
    }
    case TItemLayout::ilCaptionRight:
        if (hasPicture) {
            drawPicture(x0, centreY);
            if (!text.empty())
                caption({x0 + w + FCaptionGap, y0, x1, y1}, false);
        } else if (!text.empty()) {
            caption({x0, y0, x1, y1}, true);
        }
        break;
    case TItemLayout::ilCaptionTop: {
        int y = centreY;
        if (!text.empty()) {
            caption({x0, y0, x1, y1 - h}, true);
            y = y0 + GetTextSize(C, text).cy + FCaptionGap;
        }
        if (hasPicture)
            drawPicture(x0, y);
        break;
    }
    case TItemLayout::ilCaptionBottom: {
        const int top = text.empty() ? centreY : y0;
        if (hasPicture) {
            drawPicture(x0, top);
            if (!text.empty())
                caption({x0, top + h + FCaptionGap, x1, y1}, true);
        } else if (!text.empty()) {
            caption({x0, y0, x1, y1}, true);
        }
        break;
    }
    }
}

void TCustomButtonPanel::Paint()
{
    TCustomControl::Paint();
    TCanvas& c = *Canvas();
    if (!FGxDropDown) {
        c.Pen()->SetColor(clBlack);
        c.Pen()->SetWidth(1);
        c.Brush()->SetStyle(TBrushStyle::bsClear);
        c.Rectangle(ClientRect());
    }
    c.Brush()->SetStyle(TBrushStyle::bsSolid);
    c.Brush()->SetColor(Color());
    for (int i = 0; i < FButtons.Count(); ++i)
        if (i != FButtonHot)
            DrawButton(i, c);
    if (FButtonHot >= 0) {
        c.Brush()->SetStyle(TBrushStyle::bsSolid);
        c.Brush()->SetColor(Color());
        DrawButton(FButtonHot, c);
    }
}

void TCustomButtonPanel::ClientSizeChanged(int OldClientWidth, int OldClientHeight)
{
    TCustomControl::ClientSizeChanged(OldClientWidth, OldClientHeight);
    ArrangeButtons();
}

void TCustomButtonPanel::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TCustomControl::MouseDown(Button, Shift, X, Y);
    const int i = ButtonAtPos(X, Y);
    if (i >= 0 && !DisabledButton(i))
        SetButtonDown(i);
}

void TCustomButtonPanel::MouseMove(TShiftState Shift, int X, int Y)
{
    TCustomControl::MouseMove(Shift, X, Y);
    const int i = ButtonAtPos(X, Y);
    if (i < 0 || DisabledButton(i))
        SetButtonHot(-1);
    else if (i != FButtonHot)
        SetButtonHot(i);
}

void TCustomButtonPanel::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TCustomControl::MouseUp(Button, Shift, X, Y);
    if (FButtonDown < 0)
        return;
    const int pressed = FButtonDown;
    SetButtonDown(-1);
    if (ButtonAtPos(X, Y) == pressed)
        DoButtonClick(pressed);
}

void TCustomButtonPanel::MouseLeave()
{
    TCustomControl::MouseLeave();
    SetButtonHot(-1);
}

}  // namespace dropdown
