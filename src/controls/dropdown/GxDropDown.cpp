// The drop-down edit: construction, settings, label, layout, frame painting and looks.
#include "controls/dropdown/GxDropDown.h"

#include <algorithm>

#include "controls/dropdown/GxDropDownDraw.h"
#include "controls/dropdown/GxDropDownPresets.h"
#include "platform/ui/Application.h"
#include "platform/ui/ImgList.h"
#include "platform/ui/StdCtrls.h"

namespace dropdown {

using namespace ui;

TGxCustomDropDown::TGxCustomDropDown(TComponent* AOwner)
    : TMaskEdit(AOwner),
      FDropDownHeader(std::make_unique<THeaderAppearance>()),
      FDropDownFooter(std::make_unique<TFooterAppearance>()),
      FButtonAppearance(std::make_unique<TGxButtonAppearance>())
{
    TControl::SetBounds(Left(), Top(), 200, 21);
    if (!(ComponentState() & csDesigning))
        CreateDropDownForm();
    CreateDropDownButton();
    SetReadOnly(false);
    SetText("");
    FOldText.clear();
    FDropDownHeader->OnChange = [this](TObject*) { HeaderChanged(); };
    FDropDownHeader->OnButtonsChanged = [this](TObject*) { HeaderChanged(); };
    FDropDownFooter->OnChange = [this](TObject*) { FooterChanged(); };
    FDropDownFooter->OnButtonsChanged = [this](TObject*) { FooterChanged(); };
    SetSelectionColorStyle(TSelectionColorStyle::scOffice2007);
    SetComponentStyle(gx::TGxStyle::tsOffice2007Luna);
    FLabelFont.OnChange = [this](TObject*) {
        if (FLabel)
            UpdateLabel();
    };
    ResizeControl();
}

TGxCustomDropDown::~TGxCustomDropDown()
{
    MarkDestroying();
    FLabelFont.OnChange = nullptr;
    FDropDownHeader->OnChange = nullptr;
    FDropDownHeader->OnButtonsChanged = nullptr;
    FDropDownFooter->OnChange = nullptr;
    FDropDownFooter->OnButtonsChanged = nullptr;
    DestroyComponents();
}

void TGxCustomDropDown::CreateDropDownButton()
{
    if (FButton)
        return;
    FButton = new TDropDownEditButton(this);
    FButton->SetParent(this);
    FButton->OnClick = [this](TObject*) { ShowOnClick(); };
    UpdateDropDownButton();
}

void TGxCustomDropDown::UpdateDropDownButton()
{
    if (!FButton)
        return;
    FButton->FBWidth = FDropDownButtonWidth;
    FButton->SetBounds(FButton->Left(), FButton->Top(), FDropDownButtonWidth, 17);
    FButton->SetVisible(true);
    FButton->SetFocusControl(this);
}

void TGxCustomDropDown::Notification(TComponent* AComponent, TOperation Operation)
{
    TMaskEdit::Notification(AComponent, Operation);
    if (Operation != TOperation::opRemove)
        return;
    if (AComponent == FButton)
        FButton = nullptr;
    if (AComponent == FLabel)
        FLabel = nullptr;
    if (Destroying())
        return;
    if (AComponent == FImages) {
        FImages = nullptr;
        Invalidate();
    }
    if (AComponent == FControl) {
        FControl = nullptr;
        if (!(ComponentState() & csDesigning))
            PlaceDropDownControl();
    }
    if (AComponent == FFocusControl)
        FFocusControl = nullptr;
}

void TGxCustomDropDown::SetImages(TImageList* Value)
{
    if (FImages == Value)
        return;
    if (FImages)
        RemoveFreeNotification(FImages);
    FImages = Value;
    if (FImages)
        FreeNotification(FImages);
}

void TGxCustomDropDown::SetControl(TControl* Value)
{
    if (FControl == Value)
        return;
    if (FControl)
        RemoveFreeNotification(FControl);
    FControl = Value;
    FControlSize = {-1, -1};
    if (FControl)
        FreeNotification(FControl);
    if (!(ComponentState() & csDesigning))
        PlaceDropDownControl();
}

void TGxCustomDropDown::SetFocusControl(TWinControl* Value)
{
    if (FFocusControl)
        RemoveFreeNotification(FFocusControl);
    FFocusControl = Value;
    if (FFocusControl)
        FreeNotification(FFocusControl);
}

void TGxCustomDropDown::SetDropDownWidth(int Value)
{
    FDropDownWidth = Value;
    FUserWidth = -1;
}

void TGxCustomDropDown::SetDropDownHeight(int Value)
{
    FDropDownHeight = Value;
    FUserHeight = -1;
}

void TGxCustomDropDown::SetDropDownButtonWidth(int Value)
{
    if (!FButton || Value == FDropDownButtonWidth)
        return;
    FDropDownButtonWidth = Value;
    FButton->FBWidth = Value;
    ResizeControl();
}

void TGxCustomDropDown::SetDropDownButtonHint(const std::string& Value)
{
    if (Value == FDropDownButtonHint)
        return;
    FDropDownButtonHint = Value;
    if (FButton) {
        FButton->SetHint(Value);
        FButton->SetShowHint(!Value.empty());
    }
}

TBitmap* TGxCustomDropDown::DropDownButtonGlyph() const
{
    return FButton ? FButton->Glyph() : nullptr;
}

void TGxCustomDropDown::SetDropDownButtonGlyph(const TBitmap* Value)
{
    if (FButton)
        FButton->SetGlyph(Value);
}

std::string TGxCustomDropDown::DropDownButtonCaption() const
{
    return FButton ? FButton->ButtonCaption() : std::string();
}

void TGxCustomDropDown::SetDropDownButtonCaption(const std::string& Value)
{
    if (FButton)
        FButton->SetButtonCaption(Value);
}

std::string TGxCustomDropDown::Version() const
{
    const unsigned v = GetVersionNr();
    return std::to_string((v >> 24) & 0xFF) + "." + std::to_string((v >> 16) & 0xFF) + "." +
           std::to_string((v >> 8) & 0xFF) + "." + std::to_string(v & 0xFF);
}

void TGxCustomDropDown::SetBorderColor(TColor Value)
{
    if (Value == FBorderColor)
        return;
    FBorderColor = Value;
    Invalidate();
    if (FButton)
        FButton->Button()->Invalidate();
}

void TGxCustomDropDown::SetDisabledBorder(bool Value)
{
    if (Value == FDisabledBorder)
        return;
    FDisabledBorder = Value;
    Invalidate();
}

void TGxCustomDropDown::SetFlat(bool Value)
{
    if (Value == FFlat)
        return;
    FFlat = Value;
    if (FButton)
        FButton->Button()->SetFlat(Value);
    ResizeControl();
}

void TGxCustomDropDown::HeaderChanged()
{
    if (FDroppedDown)
        RefreshDropDownBars();
}

void TGxCustomDropDown::FooterChanged()
{
    if (FDroppedDown)
        RefreshDropDownBars();
}

// --- label ---

std::string TGxCustomDropDown::LabelCaption() const
{
    return FLabel ? FLabel->Caption() : std::string();
}

void TGxCustomDropDown::SetLabelCaption(const std::string& Value)
{
    if (!FLabel) {
        FLabel = new TLabel(this);
        FLabel->SetParent(Parent());
        FLabel->SetFocusControl(this);
        FLabel->Font()->Assign(FLabelFont);
        FLabel->OnClick = [this](TObject*) { LabelClick(); };
        FLabel->OnDblClick = [this](TObject*) { LabelDblClick(); };
        FLabel->SetParentFont(ParentFont());
    }
    FLabel->SetCaption(Value);
    UpdateLabel();
}

void TGxCustomDropDown::SetLabelPosition(TLabelPosition Value)
{
    FLabelPosition = Value;
    if (FLabel)
        UpdateLabel();
}

void TGxCustomDropDown::SetLabelMargin(int Value)
{
    FLabelMargin = Value;
    if (FLabel)
        UpdateLabel();
}

void TGxCustomDropDown::SetLabelTransparent(bool Value)
{
    FLabelTransparent = Value;
    if (FLabel)
        UpdateLabel();
}

void TGxCustomDropDown::SetLabelFont(const TFont& Value)
{
    if (!ParentFont())
        FLabelFont.Assign(Value);
    if (FLabel)
        UpdateLabel();
}

void TGxCustomDropDown::LabelClick()
{
    if (OnLabelClick)
        OnLabelClick(this);
}

void TGxCustomDropDown::LabelDblClick()
{
    if (OnLabelDblClick)
        OnLabelDblClick(this);
}

void TGxCustomDropDown::UpdateLabel()
{
    if (!FLabel)
        return;
    if (FLabel->Parent() != Parent())
        FLabel->SetParent(Parent());
    FLabel->SetTransparent(FLabelTransparent);
    FLabel->Font()->Assign(FParentFontAtLoad ? *Font() : FLabelFont);
    TRect calc{0, 0, 1000, 255};
    FLabel->Canvas()->Font()->Assign(*FLabel->Font());
    FLabel->Canvas()->DrawText(FLabel->Caption(), calc, DT_CALCRECT | DT_HIDEPREFIX);
    const int w = calc.Width();
    const int L = Left(), T = Top(), Wd = Width(), H = Height();
    const int LH = FLabel->Height(), LW = FLabel->Width(), M = FLabelMargin;
    const int vCentre = T + (H - LH) / 2, hCentre = L + (Wd - LW) / 2;
    int top = T, left = L;
    switch (FLabelPosition) {
    case TLabelPosition::lpLeftTop:
        top = T, left = L - w - M;
        break;
    case TLabelPosition::lpLeftCenter:
        top = vCentre, left = L - w - M;
        break;
    case TLabelPosition::lpLeftBottom:
        top = T + H - LH, left = L - w - M;
        break;
    case TLabelPosition::lpTopLeft:
        top = T - LH - M, left = L;
        break;
    case TLabelPosition::lpBottomLeft:
        top = T + H + M, left = L;
        break;
    case TLabelPosition::lpLeftTopLeft:
        top = T, left = L - M;
        break;
    case TLabelPosition::lpLeftCenterLeft:
        top = vCentre, left = L - M;
        break;
    case TLabelPosition::lpLeftBottomLeft:
        top = T + H - LH, left = L - M;
        break;
    case TLabelPosition::lpTopCenter:
        top = T - LH - M, left = hCentre;
        break;
    case TLabelPosition::lpBottomCenter:
        top = T + H + M, left = hCentre;
        break;
    case TLabelPosition::lpRightTop:
        top = T, left = L + Wd + M;
        break;
    case TLabelPosition::lpRightCenter:
        top = vCentre, left = L + Wd + M;
        break;
    case TLabelPosition::lpRighBottom:
        top = T + H - LH, left = L + Wd + M;
        break;
    case TLabelPosition::lpTopRight:
        top = T - LH - M, left = L + Wd - LW;
        break;
    case TLabelPosition::lpBottomRight:
        top = T + H + M, left = L + Wd - LW;
        break;
    }
    FLabel->SetBounds(left, top, FLabel->Width(), FLabel->Height());
    FLabel->SetVisible(Visible());
}

// --- layout ---

int TGxCustomDropDown::MinimumHeight()
{
    TCanvas measure;
    measure.Font()->Assign(*Font());
    const int fontHeight = measure.TextHeight("Ag");
    TCanvas system;
    const int systemHeight = system.TextHeight("Ag");
    return fontHeight + std::min(fontHeight, systemHeight) / 4;
}

void TGxCustomDropDown::ResizeControl()
{
    const int minimum = MinimumHeight();
    if (Height() < minimum) {
        SetHeight(minimum);  // the resize that follows places the button
    } else if (FButton) {
        // In client coordinates of the framed edit: flush with the right edge, as high as the
        // client area (the flat look sits one pixel further right and two lower).
        const int a = FFlat ? 3 : 4;
        FButton->SetBounds(Width() - FButton->FBWidth - a, FFlat ? 2 : 0, FButton->FBWidth, Height() - a);
        UpdateEditRect();
    }
    Invalidate();
}

void TGxCustomDropDown::UpdateEditRect()
{
    const int buttonWidth = FButton ? FButton->Width() : 0;
    const bool single = BorderStyle() == TBorderStyle::bsSingle;
    FEditRect = single ? TRect{1, 1, ClientWidth() - buttonWidth - 3, ClientHeight() + 1}
                       : TRect{2, 3, ClientWidth() - buttonWidth - 3, ClientHeight() + 1};
    Invalidate();
}

void TGxCustomDropDown::SetBounds(int ALeft, int ATop, int AWidth, int AHeight)
{
    TMaskEdit::SetBounds(ALeft, ATop, AWidth, AHeight);
    if (FLabel && FLabel->Parent())
        UpdateLabel();
}

void TGxCustomDropDown::SetParent(TWinControl* AParent)
{
    TMaskEdit::SetParent(AParent);
    if (FLabel)
        UpdateLabel();
}

void TGxCustomDropDown::ClientSizeChanged(int OldClientWidth, int OldClientHeight)
{
    TMaskEdit::ClientSizeChanged(OldClientWidth, OldClientHeight);
    ResizeControl();
    if (FLabel && FLabel->Parent())
        UpdateLabel();
}

void TGxCustomDropDown::Loaded()
{
    TMaskEdit::Loaded();
    FParentFontAtLoad = ParentFont();
    UpdateEditRect();
    ResizeControl();
    if (FButton)
        FButton->SetEnabled(Enabled());
    if (FLabel) {
        if (!FLabelAlwaysEnabled)
            FLabel->SetEnabled(Enabled());
        UpdateLabel();
        if (ParentFont())
            FLabel->Font()->Assign(*Font());
    }
}

void TGxCustomDropDown::EnabledChanged()
{
    TMaskEdit::EnabledChanged();
    if (FButton)
        FButton->SetEnabled(Enabled());
    Invalidate();
}

void TGxCustomDropDown::VisibleChanged()
{
    TMaskEdit::VisibleChanged();
    if (FLabel && !FLabel->Caption().empty())
        FLabel->SetVisible(Visible());
}

void TGxCustomDropDown::FontChanged()
{
    TMaskEdit::FontChanged();
    UpdateEditRect();
    if (FLabel && ParentFont()) {
        FLabel->Font()->Assign(*Font());
        UpdateLabel();
    }
}

// --- painting ---

void TGxCustomDropDown::PaintControl(TCanvas& C)
{
    TWinControl::PaintControl(C);  // background and sunken frame
    const TPoint o = ClientOrigin();
    TRect text = FEditRect.Offset(o.X, o.Y);
    text.Bottom = std::min(text.Bottom, o.Y + ClientHeight());
    C.Font()->Assign(*Font());
    if (!Enabled())
        C.Font()->SetColor(clGrayText);
    C.Brush()->SetStyle(TBrushStyle::bsClear);
    unsigned flags = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX;
    if (Alignment() == TAlignment::taCenter)
        flags |= DT_CENTER;
    else if (Alignment() == TAlignment::taRightJustify)
        flags |= DT_RIGHT;
    const bool hadClip = C.HasClip();
    const TRect savedClip = C.ClipRectRaw();
    C.IntersectClipRect(text);
    TRect r = text;
    C.DrawText(DisplayText(), r, flags);
    C.ResetClip();
    if (hadClip)
        C.SetClipRect(savedClip);
    DrawBorders(C);
    PaintFocusedText(C);
    PaintEditContent(C);
}

void TGxCustomDropDown::DrawBorders(TCanvas& C)
{
    const bool plain = Enabled() && !FFlat && FBorderColor == clNone && FFocusBorderColor == clNone;
    if (plain)
        return;
    TRect r{0, 0, Width(), Height()};
    const auto frame = [&](TColor color, const TRect& rect) {
        C.Brush()->SetStyle(TBrushStyle::bsSolid);
        C.Brush()->SetColor(color);
        C.FrameRect(rect);
    };
    if (!Enabled() && gx::ThemesActive() && FDisabledBorder) {
        frame(0xC0C0C0, r);
    } else if (FBorderColor != clNone && (!Focused() || FFocusBorderColor == clNone)) {
        frame(FBorderColor, r);
    } else if (FFocusBorderColor != clNone) {
        if (Focused())
            frame(FFocusBorderColor, r);
    } else {
        const bool hot = FMouseInControl || GetScreen()->ActiveControl() == this;
        if (hot) {
            C.DrawEdge(r, BDR_SUNKENOUTER, BF_RECT | BF_ADJUST);
            frame(clBtnFace, r);
        } else {
            const TColor parentColor = Parent() ? Parent()->Color() : clBtnFace;
            frame(parentColor, r);
            frame(parentColor, r.Inflate(-1, -1));
        }
    }
    if (FButton)
        FButton->Button()->SetFocused(FMouseInControl || GetScreen()->ActiveControl() == this);
}

void TGxCustomDropDown::PaintFocusedText(TCanvas& C)
{
    if (FEditorEnabled || !Focused() || (ComponentState() & csDesigning) || !FFocusDraw)
        return;
    TRect r{2, 2, Width() - FDropDownButtonWidth - 1, Height() - 2};
    C.Pen()->SetColor(clBlack);
    C.Pen()->SetWidth(1);
    C.Brush()->SetStyle(TBrushStyle::bsSolid);
    C.Brush()->SetColor(clHighlight);
    C.Rectangle(r);
    r.Left += 2;
    r.Right -= 3;
    C.Font()->Assign(*Font());
    C.Font()->SetColor(clHighlightText);
    C.Brush()->SetStyle(TBrushStyle::bsClear);
    C.DrawText(Text(), r, DT_SINGLELINE | DT_VCENTER);
}

// --- looks ---

void TGxCustomDropDown::SetSelectionColorStyle(TSelectionColorStyle Value)
{
    FSelectionColorStyle = Value;
    if (const auto colors = SelectionColors(Value)) {
        FSelectionColor = colors->first;
        FSelectionColorTo = colors->second;
    }
}

void TGxCustomDropDown::DrawSelectionBackground(TCanvas& Canvas, const TRect& Rect, int Position, TColor BackColor)
{
    dropdown::DrawSelectionBackground(Canvas, Rect, Position, BackColor, FSelectionColorStyle, FSelectionColor,
                                      FSelectionColorTo);
}

void TGxCustomDropDown::DrawGradientBackground(TCanvas& Canvas, TColor Color, TColor ColorTo,
                                               TGradientDirection Direction, const TRect& Rect, int Steps)
{
    DrawGradient(Canvas, Color, ColorTo, Direction == TGradientDirection::gdHorizontal, Rect, Steps);
}

void TGxCustomDropDown::SetComponentStyle(gx::TGxStyle AStyle)
{
    FStyle = AStyle;
    const auto preset = DropDownPreset(AStyle);
    if (!preset)
        return;
    FDropDownColor = preset->WindowColor;
    FDropDownColorTo = preset->WindowColorTo;
    if (preset->WindowBorderColor)
        FDropDownBorderColor = *preset->WindowBorderColor;
    const auto bar = [](auto& appearance, const TBarPreset& p) {
        appearance.Color = p.Color;
        appearance.ColorTo = p.ColorTo;
        appearance.BorderColor = p.BorderColor;
        appearance.Font()->SetColor(p.FontColor);
    };
    bar(*FDropDownHeader, preset->Header);
    bar(*FDropDownFooter, preset->Footer);
    ApplyButtonPreset(*FButtonAppearance, preset->Buttons);
}

void TGxCustomDropDown::SetColorTones(const gx::TColorTones& ATones)
{
    if (FButton) {
        FButton->FButtonColor = ATones.Background.BrushColor;
        FButton->FButtonColorHot = ATones.Hover.BrushColor;
        FButton->FButtonColorDown = ATones.Selected.BrushColor;
        FButton->FButtonBorderColor = ATones.Background.BorderColor;
        FButton->Button()->Invalidate();
    }
    SetBorderColor(ATones.Background.BorderColor);
}

void TGxCustomDropDown::LoadStreamedStyles(TSelectionColorStyle SelectionStyle, gx::TGxStyle Style)
{
    FSelectionColorStyle = SelectionStyle;
    FStyle = Style;
}

void TGxCustomDropDown::Assign(const TGxCustomDropDown& Source)
{
    FFocusDraw = Source.FFocusDraw;
    FForceShadow = Source.FForceShadow;
    FDropDownEnabled = Source.FDropDownEnabled;
    FDropDownColor = Source.FDropDownColor;
    FDropDownColorTo = Source.FDropDownColorTo;
    FDropDownGradient = Source.FDropDownGradient;
    FDropDownBorderColor = Source.FDropDownBorderColor;
    FDropDownBorderWidth = Source.FDropDownBorderWidth;
    FDropDownShadow = Source.FDropDownShadow;
    FDropDownWidth = Source.FDropDownWidth;
    FDropDownHeight = Source.FDropDownHeight;
    FDropDownSizeable = Source.FDropDownSizeable;
    FEditType = Source.FEditType;
    FReturnIsTab = Source.FReturnIsTab;
    FLengthLimit = Source.FLengthLimit;
    FPrecision = Source.FPrecision;
    FPrefix = Source.FPrefix;
    FSuffix = Source.FSuffix;
    FDefaultHandling = Source.FDefaultHandling;
    FCanUndo = Source.FCanUndo;
    FExcelStyleDecimalSeparator = Source.FExcelStyleDecimalSeparator;
    FValidChars = Source.FValidChars;
    FSigned = Source.FSigned;
    FAutoThousandSeparator = Source.FAutoThousandSeparator;
    FButtonAppearance->Assign(*Source.FButtonAppearance);
    FDropDownHeader->Assign(*Source.FDropDownHeader);
    FDropDownFooter->Assign(*Source.FDropDownFooter);
    FDropPosition = Source.FDropPosition;
    SetFlat(Source.FFlat);
    SetDropDownButtonWidth(Source.FDropDownButtonWidth);
    SetDropDownButtonHint(Source.FDropDownButtonHint);
    FEditorEnabled = Source.FEditorEnabled;
    SetDropDownButtonGlyph(Source.DropDownButtonGlyph());
    SetDropDownButtonCaption(Source.DropDownButtonCaption());
    FEtched = Source.FEtched;
    SetImages(Source.FImages);
    FSelectionColorStyle = Source.FSelectionColorStyle;
    FSelectionColor = Source.FSelectionColor;
    FSelectionColorTo = Source.FSelectionColorTo;
}

}  // namespace dropdown
