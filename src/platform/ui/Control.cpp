// TControl: bounds, visibility, colours, fonts, text, mouse messages.
#include "platform/ui/Application.h"
#include "platform/ui/Backend.h"
#include "platform/ui/Controls.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Input.h"
#include "platform/ui/Menus.h"
#include <algorithm>

namespace ui {

void SetMouseInside(TControl* control, bool inside)
{
    control->mouseInside_ = inside;
}

TControl::TControl(TComponent* AOwner) : TComponent(AOwner)
{
    font_.OnChange = [this](TObject*) {
        if (!applyingParentFont_)
            parentFont_ = false;
        FontChanged();
    };
}

TControl::~TControl()
{
    MarkDestroying();
    DestroyComponents();
    font_.OnChange = nullptr;
    if (CaptureControl() == this)
        SetCaptureControl(nullptr);
    if (native_ && Backend())
        Backend()->ControlDestroyed(this);
    native_ = nullptr;
    if (parent_)
        parent_->RemoveControl(this);
}

TCustomForm* TControl::ParentForm() const
{
    const TControl* c = this;
    while (c->parent_)
        c = c->parent_;
    return dynamic_cast<TCustomForm*>(const_cast<TControl*>(c));
}

void TControl::SetParent(TWinControl* parent)
{
    if (parent == parent_)
        return;
    if (parent == this)
        return;
    if (parent_)
        parent_->RemoveControl(this);
    if (parent)
        parent->InsertControl(this);
}

void TControl::SetBounds(int left, int top, int width, int height)
{
    width = std::max(0, width);
    height = std::max(0, height);
    if (left == left_ && top == top_ && width == width_ && height == height_)
        return;
    bool resized = width != width_ || height != height_;
    int oldClientWidth = resized ? ClientWidth() : 0;
    int oldClientHeight = resized ? ClientHeight() : 0;
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    if (parent_) {
        TRect pc = parent_->ClientRect();
        anchorRight_ = pc.Width() - (left_ + width_);
        anchorBottom_ = pc.Height() - (top_ + height_);
        if (align_ != TAlign::alNone && !parent_->aligning_)
            parent_->Realign();
        parent_->Invalidate();
    }
    Changed(TChangeAspect::Bounds);
    if (resized)
        ClientSizeChanged(oldClientWidth, oldClientHeight);
    Invalidate();
}

void TControl::ClientSizeChanged(int, int)
{
    Resize();
}

TRect TControl::ClientRect() const
{
    return {0, 0, width_, height_};
}

void TControl::SetClientWidth(int v)
{
    SetWidth(v + (width_ - ClientWidth()));
}

void TControl::SetClientHeight(int v)
{
    SetHeight(v + (height_ - ClientHeight()));
}

TPoint TControl::ClientToParent(TPoint p, const TWinControl* ancestor) const
{
    const TControl* c = this;
    while (c && c != ancestor) {
        TPoint o = c->ClientOrigin();
        p = {p.X + o.X + c->left_, p.Y + o.Y + c->top_};
        c = c->parent_;
        if (!ancestor)
            break;
    }
    return p;
}

TPoint TControl::ClientToScreen(TPoint p) const
{
    const TControl* c = this;
    while (c) {
        TPoint o = c->ClientOrigin();
        p = {p.X + o.X + c->left_, p.Y + o.Y + c->top_};
        c = c->parent_;
    }
    return p;
}

TPoint TControl::ScreenToClient(TPoint p) const
{
    TPoint zero = ClientToScreen({0, 0});
    return {p.X - zero.X, p.Y - zero.Y};
}

void TControl::SetAlign(TAlign v)
{
    if (v == align_)
        return;
    align_ = v;
    RequestAlign();
}

void TControl::SetAnchors(TAnchors v)
{
    anchors_ = v;
    if (parent_) {
        TRect pc = parent_->ClientRect();
        anchorRight_ = pc.Width() - (left_ + width_);
        anchorBottom_ = pc.Height() - (top_ + height_);
    }
}

void TControl::RequestAlign()
{
    if (parent_)
        parent_->Realign();
}

void TControl::SetVisible(bool v)
{
    if (v == visible_)
        return;
    visible_ = v;
    VisibleChanged();
}

void TControl::VisibleChanged()
{
    if (!visible_ && CaptureControl() == this)
        SetCaptureControl(nullptr);
    // A hint stays only while its control can be seen: hiding a form or panel takes it away.
    if (!visible_)
        GetApplication()->CancelHintFor(this);
    if (parent_) {
        if (align_ != TAlign::alNone)
            parent_->Realign();
        parent_->Invalidate();
        if (!visible_) {
            // A hidden control gives up the focus it or its children hold.
            TWinControl* f = FindFocusedControl();
            auto* self = dynamic_cast<TWinControl*>(this);
            if (f && self && (f == self || self->ContainsControl(f))) {
                if (TCustomForm* form = ParentForm())
                    form->SelectNext(self, true);
            }
        }
    }
    Perform(CM_VISIBLECHANGED, visible_ ? 1 : 0);
    Changed(TChangeAspect::Visible);
}

bool TControl::Showing() const
{
    if (!visible_)
        return false;
    return parent_ ? parent_->Showing() : true;
}

void TControl::SetEnabled(bool v)
{
    if (v == enabled_)
        return;
    enabled_ = v;
    EnabledChanged();
}

void TControl::EnabledChanged()
{
    Perform(CM_ENABLEDCHANGED);
    Changed(TChangeAspect::Enabled);
    Invalidate();
}

void TControl::SetColor(TColor v)
{
    if (v == color_ && !parentColor_)
        return;
    color_ = v;
    parentColor_ = false;
    ColorChanged();
}

void TControl::SetParentColor(bool v)
{
    parentColor_ = v;
    if (v)
        ParentColorChanged();
}

void TControl::ParentColorChanged()
{
    if (parentColor_ && parent_) {
        color_ = parent_->Color();
        ColorChanged();
    }
}

void TControl::ColorChanged()
{
    Perform(CM_COLORCHANGED);
    Changed(TChangeAspect::Color);
    Invalidate();
}

void TControl::SetParentFont(bool v)
{
    parentFont_ = v;
    if (v)
        ParentFontChanged();
}

void TControl::ParentFontChanged()
{
    if (parentFont_ && parent_) {
        applyingParentFont_ = true;
        font_.Assign(*parent_->Font());
        applyingParentFont_ = false;
    }
}

void TControl::FontChanged()
{
    Perform(CM_FONTCHANGED);
    Changed(TChangeAspect::Font);
    Invalidate();
}

void TControl::SetCursor(TCursor v)
{
    if (v == cursor_)
        return;
    cursor_ = v;
    Changed(TChangeAspect::Cursor);
}

void TControl::SetHint(const std::string& v)
{
    if (v == hint_)
        return;
    hint_ = v;
    Changed(TChangeAspect::Hint);
}

bool TControl::ShowHint() const
{
    if (parentShowHint_ && parent_)
        return parent_->ShowHint();
    return showHint_;
}

void TControl::SetShowHint(bool v)
{
    showHint_ = v;
    parentShowHint_ = false;
    Perform(CM_SHOWHINTCHANGED);
}

void TControl::SetParentShowHint(bool v)
{
    parentShowHint_ = v;
}

void TControl::SetPopupMenu(TPopupMenu* menu)
{
    if (popupMenu_)
        popupMenu_->RemoveFreeNotification(this);
    popupMenu_ = menu;
    if (menu)
        menu->FreeNotification(this);
}

void TControl::SetText(const std::string& v)
{
    if (v == text_)
        return;
    text_ = v;
    TextChanged();
}

void TControl::TextChanged()
{
    Perform(CM_TEXTCHANGED);
    Changed(TChangeAspect::Text);
    Invalidate();
}

bool TControl::MouseCapture() const
{
    return CaptureControl() == this;
}

void TControl::SetMouseCapture(bool v)
{
    if (v)
        SetCaptureControl(this);
    else if (CaptureControl() == this)
        SetCaptureControl(nullptr);
}

void TControl::BringToFront()
{
    if (!parent_)
        return;
    auto& list = parent_->controls_;
    list.erase(std::remove(list.begin(), list.end(), this), list.end());
    list.push_back(this);
    parent_->Invalidate();
    Changed(TChangeAspect::Other);
}

void TControl::SendToBack()
{
    if (!parent_)
        return;
    auto& list = parent_->controls_;
    list.erase(std::remove(list.begin(), list.end(), this), list.end());
    list.insert(list.begin(), this);
    parent_->Invalidate();
    Changed(TChangeAspect::Other);
}

void TControl::Invalidate()
{
    ++invalidateCount_;
    if (!Backend())
        return;
    // A windowless control is redrawn through the nearest native ancestor.
    const TControl* c = this;
    while (c && !c->native_)
        c = c->parent_;
    if (c)
        Backend()->InvalidateControl(const_cast<TControl*>(c));
}

void TControl::Repaint()
{
    Invalidate();
    Update();
}

void TControl::Update()
{
    // Paints what is invalid now, through the nearest native window; input stays queued.
    if (!Backend())
        return;
    TControl* c = this;
    while (c && !c->native_)
        c = c->parent_;
    if (c)
        Backend()->UpdateControl(c);
}

void TControl::PaintControl(TCanvas& /*canvas*/) {}

void TControl::Changed(TChangeAspect aspect)
{
    if (native_ && Backend())
        Backend()->ControlChanged(this, aspect);
}

std::intptr_t TControl::Perform(unsigned msg, std::uintptr_t wParam, std::intptr_t lParam)
{
    TMessage m;
    m.Msg = msg;
    m.WParam = wParam;
    m.LParam = lParam;
    if (WindowProc)
        WindowProc(m);
    else
        WndProc(m);
    return m.Result;
}

void TControl::WndProc(TMessage& m)
{
    switch (m.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
    case WM_MBUTTONDBLCLK:
    case WM_MOUSEMOVE:
    case WM_MOUSEWHEEL:
    case CM_MOUSEWHEEL:
        HandleMouseMessage(m);
        break;
    case CM_MOUSEENTER:
        MouseEnter();
        break;
    case CM_MOUSELEAVE:
        MouseLeave();
        break;
    case CM_HITTEST:
        m.Result = 1;
        break;
    case CM_PARENTFONTCHANGED:
        ParentFontChanged();
        break;
    case CM_PARENTCOLORCHANGED:
        ParentColorChanged();
        break;
    default:
        break;
    }
}

namespace {
TShiftState ShiftFromKeys(std::uintptr_t w)
{
    TShiftState s = 0;
    if (w & MK_SHIFT)
        s |= ssShift;
    if (w & MK_CONTROL)
        s |= ssCtrl;
    if (w & MK_LBUTTON)
        s |= ssLeft;
    if (w & MK_RBUTTON)
        s |= ssRight;
    if (w & MK_MBUTTON)
        s |= ssMiddle;
    if (KeyboardShiftState() & ssAlt)
        s |= ssAlt;
    return s;
}
}  // namespace

void TControl::HandleMouseMessage(TMessage& m)
{
    int x = LoWordSigned(m.LParam), y = HiWordSigned(m.LParam);
    TShiftState shift = ShiftFromKeys(m.WParam);
    switch (m.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        if (controlStyle_ & csCaptureMouse)
            SetMouseCapture(true);
        if (m.Msg == WM_LBUTTONDBLCLK && (controlStyle_ & csDoubleClicks)) {
            // The first press already clicked: the release of the second gives no second click.
            if (controlStyle_ & csClickEvents)
                DblClick();
            shift |= ssDouble;
        } else if (controlStyle_ & csClickEvents) {
            controlState_ |= csLButtonDown;
        }
        MouseDown(TMouseButton::mbLeft, shift, x, y);
        break;
    case WM_LBUTTONUP: {
        if (controlStyle_ & csCaptureMouse)
            SetMouseCapture(false);
        bool clicked = (controlState_ & csLButtonDown) != 0;
        controlState_ &= ~csLButtonDown;
        if (clicked && TRect{0, 0, width_, height_}.Contains({x, y}))
            Click();
        MouseUp(TMouseButton::mbLeft, shift, x, y);
        break;
    }
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
        MouseDown(TMouseButton::mbRight, shift | (m.Msg == WM_RBUTTONDBLCLK ? TShiftState(ssDouble) : 0u), x, y);
        break;
    case WM_RBUTTONUP: {
        MouseUp(TMouseButton::mbRight, shift, x, y);
        bool handled = false;
        if (OnContextPopup)
            OnContextPopup(this, {x, y}, handled);
        if (!handled && popupMenu_) {
            TPoint s = ClientToScreen({x, y});
            popupMenu_->PopupComponent = this;
            popupMenu_->Popup(s.X, s.Y);
        }
        break;
    }
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK:
        MouseDown(TMouseButton::mbMiddle, shift | (m.Msg == WM_MBUTTONDBLCLK ? TShiftState(ssDouble) : 0u), x, y);
        break;
    case WM_MBUTTONUP:
        MouseUp(TMouseButton::mbMiddle, shift, x, y);
        break;
    case WM_MOUSEMOVE:
        MouseMove(shift, x, y);
        break;
    case WM_MOUSEWHEEL:
    case CM_MOUSEWHEEL: {
        // CM_MOUSEWHEEL (same parameters) asks whether a control or one of its parents takes the
        // wheel, as a control does that offers its wheel to its parent before handling it itself.
        int delta = static_cast<std::int16_t>(HiWord(m.WParam));
        TShiftState ws = ShiftFromKeys(LoWord(m.WParam));
        // The point is in screen coordinates, as the desktop sends it.
        bool handled = DoMouseWheel(ws, delta, {x, y});
        if (!handled && parent_) {
            // Not taken here: offer it to the parent.
            m.Result = parent_->Perform(m.Msg, m.WParam, m.LParam);
        } else {
            m.Result = handled ? 1 : 0;
        }
        break;
    }
    default:
        break;
    }
}

void TControl::Click()
{
    if (OnClick)
        OnClick(this);
}

void TControl::DblClick()
{
    if (OnDblClick)
        OnDblClick(this);
}

void TControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    if (OnMouseDown)
        OnMouseDown(this, button, shift, x, y);
}

void TControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    if (OnMouseUp)
        OnMouseUp(this, button, shift, x, y);
}

void TControl::MouseMove(TShiftState shift, int x, int y)
{
    if (OnMouseMove)
        OnMouseMove(this, shift, x, y);
}

bool TControl::DoMouseWheel(TShiftState shift, int wheelDelta, TPoint mousePos)
{
    bool handled = false;
    if (OnMouseWheel)
        OnMouseWheel(this, shift, wheelDelta, mousePos, handled);
    return handled;
}

void TControl::MouseEnter()
{
    if (OnMouseEnter)
        OnMouseEnter(this);
}

void TControl::MouseLeave()
{
    if (OnMouseLeave)
        OnMouseLeave(this);
}

void TControl::Resize()
{
    if (OnResize)
        OnResize(this);
}

}  // namespace ui

namespace ui {

void TControl::Notification(TComponent* component, TOperation operation)
{
    TComponent::Notification(component, operation);
    if (operation == TOperation::opRemove && component == popupMenu_)
        popupMenu_ = nullptr;
}

}  // namespace ui
