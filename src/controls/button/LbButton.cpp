#include "controls/button/LbButton.h"

#include <cxxabi.h>

#include <cctype>
#include <cstdlib>
#include <typeinfo>

#include "controls/button/LbButtonDraw.h"
#include "controls/button/LbGlyphs.h"
#include "platform/rtl/CodePages.h"
#include "platform/rtl/StrUtils.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Menus.h"

namespace controls {

using namespace ui;

namespace {

// Window timer that paces the highlight fade.
constexpr unsigned kFadeTimer = 0x4C42;
constexpr unsigned kFadeIntervalMs = 30;

struct KindInfo {
    TModalResult Result;
    const char* Resource;
    const char* Caption;
};

KindInfo KindTable(TLbButtonKind kind)
{
    switch (kind) {
    case bkOK:
        return {mrOk, "LBOK", "OK"};
    case bkCancel:
        return {mrCancel, "LBCANCEL", "Abbrechen"};
    case bkHelp:
        return {mrNone, "LBHELP", "Hilfe"};
    case bkYes:
        return {mrYes, "LBYES", "Ja"};
    case bkNo:
        return {mrNo, "LBNO", "Nein"};
    case bkClose:
        return {mrNone, "LBCLOSE", "Schließen"};
    case bkAbort:
        return {mrAbort, "LBABORT", "Abbrechen"};
    case bkRetry:
        return {mrRetry, "LBRETRY", "Wiederholen"};
    case bkIgnore:
        return {mrIgnore, "LBIGNORE", "Ignorieren"};
    case bkAll:
        return {mrAll, "LBALL", "Alle"};
    case bkCustom:
        break;
    }
    return {mrNone, nullptr, nullptr};
}

// The class name of an object without namespaces, in capitals.
std::string UpperTypeName(const TObject& obj)
{
    int status = 0;
    char* demangled = abi::__cxa_demangle(typeid(obj).name(), nullptr, nullptr, &status);
    std::string name = (status == 0 && demangled) ? demangled : typeid(obj).name();
    std::free(demangled);
    const auto colon = name.rfind("::");
    if (colon != std::string::npos)
        name.erase(0, colon + 2);
    for (char& ch : name)
        ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
    return name;
}

// The outermost form among the control's parents.
TCustomForm* OutermostForm(const TControl* control)
{
    TCustomForm* form = nullptr;
    for (const TControl* c = control; c; c = c->Parent())
        if (auto* f = dynamic_cast<TCustomForm*>(const_cast<TControl*>(c)))
            form = f;
    return form;
}

// The first form among the component's owners.
TCustomForm* OwningForm(const TComponent* component)
{
    for (TComponent* c = component->Owner(); c; c = c->Owner())
        if (auto* f = dynamic_cast<TCustomForm*>(c))
            return f;
    return nullptr;
}

}  // namespace

bool LbIsAccel(char32_t ch, const std::string& caption)
{
    return ui::IsAccel(ch, caption);
}

TLbButton::TLbButton(TComponent* AOwner)
    : TCustomControl(AOwner), FGlyph(std::make_unique<TBitmap>()), FHTFont(std::make_unique<TFont>())
{
    // Only capture: the button clicks itself on release, and a double click counts as two presses.
    SetControlStyle(csCaptureMouse);
    SetBounds(Left(), Top(), 100, 23);
    SetDefaultColor(clBtnFace);
    SetTabStop(true);
    if (auto* form = dynamic_cast<TCustomForm*>(AOwner))
        FHTFont->Assign(*form->Font());
}

TLbButton::~TLbButton()
{
    MarkDestroying();
    StopFade();
}

void TLbButton::SetAlignment(TAlignment v)
{
    FAlignment = v;
    Repaint();
}

void TLbButton::SetColorStyle(TLbColorStyle v)
{
    if (v == lcsCustom)
        return;
    const TLbColorPreset& p = LbColorStyleColors[v];
    SetColor(p.Face);
    Font()->SetColor(p.FontColor);
    FLightColor = p.Light;
    FShadowColor = p.Shadow;
    FColorWhenDown = p.Pressed;
    FHotTrackColor = p.Hover;
    FFlat = p.Flat;
    FStyle = p.Style;  // written directly: no change of the window's transparency
    Repaint();
}

void TLbButton::SetEnabled(bool v)
{
    TCustomControl::SetEnabled(v);
    FEnabled = v;
    bDown = false;
    Repaint();
}

void TLbButton::SetFlat(bool v)
{
    FFlat = v;
    Repaint();
}

void TLbButton::SetGlyph(const TBitmap* v)
{
    if (v) {
        if (v != FGlyph.get())
            FGlyph->Assign(*v);
        FNumGlyphs = FGlyph->Height() > 0 ? FGlyph->Width() / FGlyph->Height() : 0;
    } else {
        FGlyph->SetSize(0, 0);
        FNumGlyphs = 0;
    }
    FKind = bkCustom;
    Invalidate();
}

void TLbButton::SetKind(TLbButtonKind v)
{
    if (v != bkCustom) {
        FNumGlyphs = 2;
        const KindInfo info = KindTable(v);
        FModalResult = info.Result;
        LoadLbBitmapResource(info.Resource, *FGlyph);
        SetText(info.Caption);
    }
    FKind = v;
    Invalidate();
}

void TLbButton::SetLayout(TLbButtonLayout v)
{
    FLayout = v;
    Repaint();
}

void TLbButton::SetLightColor(TColor v)
{
    FLightColor = v;
    Repaint();
}

void TLbButton::SetModalResult(TModalResult v)
{
    FModalResult = v;
    FKind = bkCustom;
}

void TLbButton::SetNumGlyphs(int v)
{
    FNumGlyphs = v;
    Invalidate();
}

void TLbButton::SetShadowColor(TColor v)
{
    FShadowColor = v;
    Repaint();
}

void TLbButton::SetSlowDecease(bool v)
{
    FSlowDecease = v;
    if (v) {
        FFadeReady = true;
    } else if (FFadeReady) {
        // Switching the fade off takes the highlight away at once and ends a fade in progress.
        FHotTrackStep = 0;
        StopFade();
        FFadeReady = false;
    }
    Invalidate();
}

void TLbButton::SetStyle(TLbButtonStyle v)
{
    FStyle = v;
    // The styles with unpainted corners let the parent show through them. A colour preset writes
    // the style without this, so its corners keep the button's own background.
    FSeeThrough = v == bsModern || v == bsShape || v == bsQuicken;
    Changed(TChangeAspect::Style);
    Invalidate();
}

void TLbButton::SetWordWrap(bool v)
{
    FWordWrap = v;
    Repaint();
}

void TLbButton::SetText(const std::string& v)
{
    TCustomControl::SetText(v);
    Invalidate();
}

bool TLbButton::Reachable() const
{
    return Enabled() && Visible() && Parent() && Parent()->Showing();
}

// ---- painting -------------------------------------------------------------------------------

void TLbButton::PaintBackground(TCanvas& canvas)
{
    // A window made see-through by the style shows the parent in the corners the face leaves out.
    if (!FSeeThrough || !Parent()) {
        TCustomControl::PaintBackground(canvas);
        return;
    }
    canvas.Brush()->SetStyle(TBrushStyle::bsSolid);
    canvas.Brush()->SetColor(Parent()->Color());
    canvas.FillRect(Rect(0, 0, Width(), Height()));
}

void TLbButton::Paint()
{
    if ((!Visible() && !(ComponentState() & csDesigning)) || Loading() || Destroying())
        return;
    const int W = Width();
    const int H = Height();
    if (W <= 0 || H <= 0)
        return;
    const bool focused = Focused();
    const bool hot = bCursorOnButton || focused;

    TBitmap bmp(W, H);
    TFont font;
    font.Assign((hot && FUseHTFont) ? *FHTFont : *Font());
    if (FStyle == bsModern || FStyle == bsShape || FStyle == bsQuicken) {
        bmp.SetTransparentMode(TTransparentMode::tmFixed);
        bmp.SetTransparentColor(clLbTransparent);
        bmp.SetTransparent(true);
        bmp.Canvas()->Brush()->SetColor(clLbTransparent);
        bmp.Canvas()->FillRect(Rect(0, 0, W, H));
    }

    TLbButtonFace face;
    face.Width = W;
    face.Height = H;
    face.HotTrackStep = FHotTrackStep;
    face.NumGlyphs = FNumGlyphs;
    face.Glyph = FGlyph.get();
    face.Pressed = bDown;
    face.Hot = hot;
    face.Enabled = Enabled();
    face.Flat = FFlat;
    face.WordWrap = FWordWrap;
    face.HasPopupMenu = PopupMenu() != nullptr;
    face.Style = FStyle;
    face.Color = Color();
    face.ColorWhenDown = FColorWhenDown;
    face.HotTrackColor = FHotTrackColor;
    face.LightColor = FLightColor;
    face.ShadowColor = FShadowColor;
    face.Font = &font;
    face.Layout = FLayout;
    face.Caption = Caption();
    face.Alignment = FAlignment;

    if (FStyle == bsOld && focused) {
        // The classic default-button look: the face one pixel smaller, moved in, with a black frame.
        face.Width = W - 2;
        face.Height = H - 2;
        if (bDown)
            face.LightColor = FShadowColor;
        DrawLbButton(*bmp.Canvas(), face);
        TBitmap shifted(W, H);
        shifted.Assign(bmp);
        for (int y = H - 1; y >= 1; --y)
            for (int x = W - 1; x >= 1; --x)
                bmp.SetPixel(x, y, shifted.Pixel(x - 1, y - 1));
        TCanvas& c = *bmp.Canvas();
        c.Brush()->SetStyle(TBrushStyle::bsClear);
        c.Pen()->SetStyle(TPenStyle::psSolid);
        c.Pen()->SetColor(clBlack);
        c.Rectangle(0, 0, W, H);
    } else {
        DrawLbButton(*bmp.Canvas(), face);
    }

    Canvas()->Draw(0, 0, &bmp);
    if (focused && Enabled() && FStyle != bsShape)
        Canvas()->DrawFocusRect(Rect(4, 4, W - 4, H - 4));
}

// ---- input ----------------------------------------------------------------------------------

void TLbButton::MouseEnter()
{
    if (!Reachable())
        return;
    bCursorOnButton = true;
    FHotTrackStep = 8;
    Repaint();
    if (OnMouseEnter)
        OnMouseEnter(this);
}

void TLbButton::MouseLeave()
{
    bCursorOnButton = false;
    if (FSlowDecease) {
        StartFade();
    } else {
        FHotTrackStep = 0;
        Repaint();
    }
    if (Reachable() && OnMouseExit)
        OnMouseExit(this);
}

void TLbButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    TCustomControl::MouseDown(button, shift, x, y);
    if (button == TMouseButton::mbLeft && Enabled()) {
        if (CanFocus() && !Focused()) {
            SetFocus();
            // The control losing the focus took it back (a grid refusing an edited value): the
            // press is dropped, as on the desktop, so the button does not act on the old state.
            if (!Focused())
                return;
        }
        bDown = true;
        Repaint();
    }
}

void TLbButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    TCustomControl::MouseUp(button, shift, x, y);
    // Where the pointer is does not matter: a press on the button clicks wherever it is released.
    if (bDown)
        Click();
    bDown = false;
    Repaint();
}

void TLbButton::KeyDown(unsigned& key, TShiftState shift)
{
    TCustomControl::KeyDown(key, shift);
    if (Enabled() && (key == VK_RETURN || key == VK_SPACE)) {
        bDown = true;
        Repaint();
    }
}

void TLbButton::KeyUp(unsigned& key, TShiftState shift)
{
    TCustomControl::KeyUp(key, shift);
    // Only a key that went down on this button clicks it: the release of an Enter whose press
    // moved the focus here must not click as well.
    if ((key == VK_RETURN || key == VK_SPACE) && bDown) {
        Click();
        Repaint();
    }
}

void TLbButton::FocusIn()
{
    TCustomControl::FocusIn();
    Repaint();
}

void TLbButton::FocusOut()
{
    TCustomControl::FocusOut();
    Repaint();
}

bool TLbButton::DialogChar(char32_t ch)
{
    if (!LbIsAccel(ch, Caption()) || !Reachable())
        return false;
    bDown = true;
    Click();
    return true;
}

bool TLbButton::DialogKey(unsigned key, TShiftState shift)
{
    // A hidden or disabled default button leaves Enter alone: it could not click, and taking the
    // key would swallow it for nothing.
    const bool enter = key == VK_RETURN && FDefault;
    const bool escape = key == VK_ESCAPE && (shift & (ssShift | ssCtrl | ssAlt)) == 0 && FCancel;
    if ((!enter && !escape) || !Enabled() || !Visible())
        return false;
    // A focused push button of any kind keeps Enter and Escape for itself.
    if (TCustomForm* form = OwningForm(this)) {
        if (TWinControl* focused = form->ActiveControl()) {
            const std::string type = UpperTypeName(*focused);
            if (type.find("BUTTON") != std::string::npos && type.find("RADIOBUTTON") == std::string::npos)
                return false;
        }
    }
    bDown = true;
    Click();
    return true;
}

void TLbButton::WndProc(TMessage& message)
{
    switch (message.Msg) {
    case CM_DIALOGCHAR:
        if (DialogChar(static_cast<char32_t>(message.WParam))) {
            message.Result = 1;
            return;
        }
        break;
    case CM_DIALOGKEY:
        if (DialogKey(static_cast<unsigned>(message.WParam), KeyboardShiftState())) {
            message.Result = 1;
            return;
        }
        break;
    case CM_FOCUSCHANGED:
        TCustomControl::WndProc(message);
        Repaint();
        return;
    case WM_TIMER:
        if (message.WParam == kFadeTimer) {
            FadeStep();
            return;
        }
        break;
    default:
        break;
    }
    TCustomControl::WndProc(message);
}

// ---- click ----------------------------------------------------------------------------------

void TLbButton::Click()
{
    bDown = true;
    if (Visible() && Enabled() && bDown) {
        bDown = false;
        if (OnClick)
            OnClick(this);
        if (FModalResult != mrNone)
            if (TCustomForm* form = OutermostForm(this))
                form->SetModalResult(FModalResult);
        if (TPopupMenu* menu = PopupMenu()) {
            const TPoint p = ClientToScreen(Point(0, Height()));
            menu->PopupComponent = this;
            menu->Popup(p.X, p.Y);
        }
    }
    // A click that could not happen (hidden or disabled button) must not leave the button
    // looking pressed once it is shown or enabled again.
    bDown = false;
}

// ---- highlight fade -------------------------------------------------------------------------

void TLbButton::StartFade()
{
    if (FFading)
        return;
    FFading = true;
    SetTimer(kFadeTimer, kFadeIntervalMs);
}

void TLbButton::StopFade()
{
    if (!FFading)
        return;
    FFading = false;
    KillTimer(kFadeTimer);
}

void TLbButton::FadeStep()
{
    if (Destroying() || !FFading)
        return;
    --FHotTrackStep;
    if (FHotTrackStep <= 0) {
        StopFade();
        FHotTrackStep = 0;
    }
    Repaint();
}

}  // namespace controls
