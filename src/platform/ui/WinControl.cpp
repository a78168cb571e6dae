// TWinControl: children, alignment, tab order, focus, keys, timers, painting of a control tree.
#include "platform/rtl/CodePages.h"
#include "platform/rtl/StrUtils.h"
#include "platform/ui/Application.h"
#include "platform/ui/Backend.h"
#include "platform/ui/Controls.h"
#include "platform/ui/Forms.h"
#include <algorithm>

namespace ui {

namespace {
TWinControl*& FocusSlot()
{
    static TWinControl* focus = nullptr;
    return focus;
}
}  // namespace

TWinControl* FindFocusedControl()
{
    return FocusSlot();
}

namespace {
bool IsForm(const TControl* c)
{
    return dynamic_cast<const TCustomForm*>(c) != nullptr;
}

bool HoldsOrIs(const TWinControl* c, const TWinControl* other)
{
    return other && (c == other || c->ContainsControl(other));
}
}  // namespace

// Moves the keyboard focus: WM_KILLFOCUS to the old control; then OnExit of the old control and of
// every container of it that does not hold the new one (innermost first), OnEnter of every container
// of the new control that did not hold the old one (outermost first) and of the new control; then
// WM_SETFOCUS to the new control. Moving the focus into a child (a grid opening its editor) thus
// leaves the parent entered, and a handler that moves the focus on stops the rest of this move.
// Every control of the forms involved hears CM_FOCUSCHANGED.
void MoveFocus(TWinControl* to)
{
    TWinControl* from = FocusSlot();
    if (from == to)
        return;
    FocusSlot() = to;
    auto stillTo = [to] { return FocusSlot() == to; };
    if (from)
        from->Perform(WM_KILLFOCUS, 0, ControlToLParam(to));
    if (from && !to) {
        if (stillTo())
            from->Perform(CM_EXIT);
    } else if (to) {
        for (TWinControl* c = from; c && !IsForm(c) && !HoldsOrIs(c, to) && stillTo(); c = c->Parent())
            c->Perform(CM_EXIT);
        std::vector<TWinControl*> entered;
        for (TWinControl* c = to; c && !IsForm(c) && !HoldsOrIs(c, from); c = c->Parent())
            entered.push_back(c);
        for (auto it = entered.rbegin(); it != entered.rend() && stillTo(); ++it)
            (*it)->Perform(CM_ENTER);
        if (stillTo())
            to->Perform(WM_SETFOCUS, 0, ControlToLParam(from));
    }
    if (to && stillTo() && Backend() && to->HandleAllocated())
        Backend()->FocusControl(to);
    auto broadcast = [](TWinControl* root, TWinControl* focused) {
        std::vector<TControl*> stack{root};
        while (!stack.empty()) {
            TControl* c = stack.back();
            stack.pop_back();
            c->Perform(CM_FOCUSCHANGED, 0, ControlToLParam(focused));
            if (auto* w = dynamic_cast<TWinControl*>(c))
                for (int i = 0; i < w->ControlCount(); ++i)
                    stack.push_back(w->Controls(i));
        }
    };
    // A handler may have moved the focus on: tell everybody where it is now.
    TWinControl* now = FocusSlot();
    TCustomForm* f1 = from ? from->ParentForm() : nullptr;
    TCustomForm* f2 = to ? to->ParentForm() : nullptr;
    if (f1)
        broadcast(f1, now);
    if (f2 && f2 != f1)
        broadcast(f2, now);
}

void ForgetFocus(TWinControl* control)
{
    if (FocusSlot() == control)
        FocusSlot() = nullptr;
}

TWinControl::TWinControl(TComponent* AOwner) : TControl(AOwner) {}

TWinControl::~TWinControl()
{
    MarkDestroying();
    DestroyComponents();
    // Children not owned by anyone here stay alive but lose their parent.
    while (!controls_.empty())
        RemoveControl(controls_.back());
    ForgetFocus(this);
    if (TCustomForm* f = ParentForm(); f && f != this && f->activeControl_ == this)
        f->activeControl_ = nullptr;
    GetApplication()->ForgetControl(this);
}

void TWinControl::InsertControl(TControl* control)
{
    if (!control || control->parent_ == this)
        return;
    control->parent_ = this;
    controls_.push_back(control);
    if (auto* w = dynamic_cast<TWinControl*>(control))
        tabList_.push_back(w);
    if (control->parentFont_)
        control->ParentFontChanged();
    if (control->parentColor_)
        control->ParentColorChanged();
    TRect pc = ClientRect();
    control->anchorRight_ = pc.Width() - (control->left_ + control->width_);
    control->anchorBottom_ = pc.Height() - (control->top_ + control->height_);
    if (control->align_ != TAlign::alNone)
        Realign();
    Invalidate();
    if (HandleAllocated() && Backend())
        Backend()->ControlChanged(this, TChangeAspect::Other);
}

void TWinControl::RemoveControl(TControl* control)
{
    // Children mostly go newest first (a form deletes what it owns in that order), so both
    // searches start at the back.
    auto it = std::find(controls_.rbegin(), controls_.rend(), control);
    if (it == controls_.rend())
        return;
    controls_.erase(std::next(it).base());
    if (auto tab = std::find(tabList_.rbegin(), tabList_.rend(), control); tab != tabList_.rend())
        tabList_.erase(std::next(tab).base());
    control->parent_ = nullptr;
    if (auto* w = dynamic_cast<TWinControl*>(control)) {
        TWinControl* f = FindFocusedControl();
        if (f && (f == w || w->ContainsControl(f)))
            ForgetFocus(f);
        for (TWinControl* p = this; p; p = p->Parent())
            if (auto* form = dynamic_cast<TCustomForm*>(p);
                form && form->activeControl_ && (form->activeControl_ == w || w->ContainsControl(form->activeControl_)))
                form->activeControl_ = nullptr;
    }
    if (control->native_ && Backend())
        Backend()->ControlDestroyed(control);
    if (!Destroying()) {
        if (control->align_ != TAlign::alNone)
            Realign();
        Invalidate();
    }
}

bool TWinControl::ContainsControl(const TControl* control) const
{
    for (const TControl* c = control ? control->parent_ : nullptr; c; c = c->parent_)
        if (c == this)
            return true;
    return false;
}

TControl* TWinControl::ControlAtPos(TPoint p, bool allowDisabled) const
{
    for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
        TControl* c = *it;
        if (!c->Visible() || (!allowDisabled && !c->Enabled()))
            continue;
        if (c->BoundsRect().Contains(p))
            return c;
    }
    return nullptr;
}

int TWinControl::TabOrder() const
{
    if (!Parent())
        return -1;
    const auto& list = Parent()->tabList_;
    auto it = std::find(list.begin(), list.end(), this);
    return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

void TWinControl::SetTabOrder(int v)
{
    if (!Parent())
        return;
    auto& list = Parent()->tabList_;
    list.erase(std::remove(list.begin(), list.end(), this), list.end());
    v = std::clamp(v, 0, static_cast<int>(list.size()));
    list.insert(list.begin() + v, this);
}

void TWinControl::GetTabOrderList(std::vector<TWinControl*>& list) const
{
    for (TWinControl* c : tabList_) {
        list.push_back(c);
        c->GetTabOrderList(list);
    }
}

bool TWinControl::CanFocus() const
{
    // The top-level window's own visibility does not count: controls of a form that is not shown
    // can take the focus (headless use).
    for (const TControl* c = this; c; c = c->Parent()) {
        if (!c->Enabled())
            return false;
        if (c->Parent() && !c->Visible())
            return false;
    }
    return true;
}

void TWinControl::SetFocus()
{
    if (TCustomForm* f = ParentForm(); f && f != this)
        f->SetActiveControl(this);
    else
        MoveFocus(this);
}

bool TWinControl::Focused() const
{
    return FindFocusedControl() == this;
}

void TWinControl::SetBorderStyle(TBorderStyle v)
{
    if (v == borderStyle_)
        return;
    borderStyle_ = v;
    Realign();
    Changed(TChangeAspect::Style);
    Invalidate();
}

void TWinControl::SetBorderWidth(int v)
{
    borderWidth_ = std::max(0, v);
    Realign();
    Invalidate();
}

TPoint TWinControl::ClientOrigin() const
{
    int b = (borderStyle_ == TBorderStyle::bsSingle ? 2 : 0) + borderWidth_;
    return {b, b};
}

TRect TWinControl::ClientRect() const
{
    TPoint o = ClientOrigin();
    int w = Width() - 2 * o.X - (vScroll_ ? ScrollBarThickness() : 0);
    int h = Height() - 2 * o.Y - (hScroll_ ? ScrollBarThickness() : 0);
    return {0, 0, std::max(0, w), std::max(0, h)};
}

void TWinControl::ShowScrollBar(int bar, bool show)
{
    bool& flag = bar == SB_HORZ ? hScroll_ : vScroll_;
    if (flag == show)
        return;
    int oldW = ClientWidth(), oldH = ClientHeight();
    flag = show;
    ClientSizeChanged(oldW, oldH);  // the client area changed size
    Changed(TChangeAspect::Style);
    Invalidate();
}

void TWinControl::SetFlatScrollBars(bool Flat, TColor Background, int Thickness)
{
    Thickness = std::max(1, Thickness);
    if (Flat == flatBars_ && Background == flatBarColor_ && Thickness == flatBarThickness_)
        return;
    int oldW = ClientWidth(), oldH = ClientHeight();
    flatBars_ = Flat;
    flatBarColor_ = Background;
    flatBarThickness_ = Thickness;
    if (ClientWidth() != oldW || ClientHeight() != oldH)
        ClientSizeChanged(oldW, oldH);
    Invalidate();
}

void TWinControl::SetScrollInfo(int bar, const TScrollInfo& info, bool redraw)
{
    TScrollInfo& target = bar == SB_HORZ ? hScrollInfo_ : vScrollInfo_;
    target = info;
    int maxPos = std::max(info.nMin, info.nMax - std::max(0, info.nPage - 1));
    target.nPos = std::clamp(info.nPos, info.nMin, maxPos);
    if (redraw)
        Invalidate();
}

void TWinControl::SetTimer(unsigned id, unsigned ms)
{
    GetApplication()->SetTimer(this, id, ms);
}

void TWinControl::KillTimer(unsigned id)
{
    GetApplication()->KillTimer(this, id);
}

void TWinControl::EnableAlign()
{
    if (alignDisabled_ > 0 && --alignDisabled_ == 0)
        Realign();
}

void TWinControl::Realign()
{
    if (alignDisabled_ > 0 || aligning_ || Destroying())
        return;
    aligning_ = true;
    TRect r = ClientRect();
    AlignControls(r);
    aligning_ = false;
}

void TWinControl::AlignControls(TRect& rect)
{
    auto place = [&](TAlign kind) {
        std::vector<TControl*> list;
        for (TControl* c : controls_)
            if (c->align_ == kind && c->Visible())
                list.push_back(c);
        std::stable_sort(list.begin(), list.end(), [kind](TControl* a, TControl* b) {
            switch (kind) {
            case TAlign::alTop:
                return a->top_ < b->top_;
            case TAlign::alBottom:
                return a->top_ + a->height_ > b->top_ + b->height_;
            case TAlign::alLeft:
                return a->left_ < b->left_;
            case TAlign::alRight:
                return a->left_ + a->width_ > b->left_ + b->width_;
            default:
                return false;
            }
        });
        for (TControl* c : list) {
            switch (kind) {
            case TAlign::alTop:
                c->SetBounds(rect.Left, rect.Top, rect.Width(), c->height_);
                rect.Top += c->height_;
                break;
            case TAlign::alBottom:
                c->SetBounds(rect.Left, rect.Bottom - c->height_, rect.Width(), c->height_);
                rect.Bottom -= c->height_;
                break;
            case TAlign::alLeft:
                c->SetBounds(rect.Left, rect.Top, c->width_, rect.Height());
                rect.Left += c->width_;
                break;
            case TAlign::alRight:
                c->SetBounds(rect.Right - c->width_, rect.Top, c->width_, rect.Height());
                rect.Right -= c->width_;
                break;
            case TAlign::alClient:
                c->SetBounds(rect.Left, rect.Top, rect.Width(), rect.Height());
                break;
            default:
                break;
            }
        }
    };
    place(TAlign::alTop);
    place(TAlign::alBottom);
    place(TAlign::alLeft);
    place(TAlign::alRight);
    place(TAlign::alClient);
}

void TWinControl::PlaceAnchored(TControl* c, int oldW, int oldH)
{
    if (c->align_ != TAlign::alNone)
        return;
    int dw = ClientWidth() - oldW, dh = ClientHeight() - oldH;
    if (dw == 0 && dh == 0)
        return;
    int l = c->left_, t = c->top_, w = c->width_, h = c->height_;
    if (c->anchors_ & akRight) {
        if (c->anchors_ & akLeft)
            w += dw;
        else
            l += dw;
    } else if (!(c->anchors_ & akLeft)) {
        l += dw / 2;
    }
    if (c->anchors_ & akBottom) {
        if (c->anchors_ & akTop)
            h += dh;
        else
            t += dh;
    } else if (!(c->anchors_ & akTop)) {
        t += dh / 2;
    }
    c->SetBounds(l, t, w, h);
}

void TWinControl::ClientSizeChanged(int oldClientWidth, int oldClientHeight)
{
    aligning_ = true;
    for (TControl* c : std::vector<TControl*>(controls_))
        PlaceAnchored(c, oldClientWidth, oldClientHeight);
    aligning_ = false;
    // WM_SIZE (client size) re-aligns the children.
    Perform(WM_SIZE, 0, MakeLParam(ClientWidth(), ClientHeight()));
    Resize();
}

void TWinControl::FontChanged()
{
    TControl::FontChanged();
    for (TControl* c : controls_)
        c->Perform(CM_PARENTFONTCHANGED);
}

void TWinControl::ColorChanged()
{
    TControl::ColorChanged();
    for (TControl* c : controls_)
        c->Perform(CM_PARENTCOLORCHANGED);
}

void TWinControl::PaintBackground(TCanvas& canvas)
{
    canvas.Brush()->SetStyle(TBrushStyle::bsSolid);
    canvas.Brush()->SetColor(Color());
    canvas.FillRect({0, 0, Width(), Height()});
}

TWinControl::BarGeometry TWinControl::ScrollBarGeometry(int bar) const
{
    TPoint o = ClientOrigin();
    TRect client = ClientRect();
    bool vertical = bar == SB_VERT;
    const TScrollInfo& info = vertical ? vScrollInfo_ : hScrollInfo_;
    BarGeometry g;
    const int thickness = ScrollBarThickness();
    g.bar = vertical ? Bounds(o.X + client.Width(), o.Y, thickness, client.Height())
                     : Bounds(o.X, o.Y + client.Height(), client.Width(), thickness);
    int range = std::max(1, info.nMax - info.nMin + 1);
    int len = vertical ? g.bar.Height() : g.bar.Width();
    g.thumbLength = std::min(len, info.nPage > 0 ? std::max(8, len * info.nPage / range) : 12);
    g.thumbStart = (len - g.thumbLength) * (info.nPos - info.nMin) / std::max(1, range - std::max(1, info.nPage));
    return g;
}

bool TWinControl::ScrollBarMouse(TMessage& m)
{
    if (m.Msg == WM_CAPTURECHANGED && trackingBar_ >= 0) {
        // Another window took the mouse: the drag ends where it is.
        int bar = trackingBar_;
        trackingBar_ = -1;
        Perform(bar == SB_VERT ? WM_VSCROLL : WM_HSCROLL, MakeWParam(SB_ENDSCROLL, 0), 0);
        return false;
    }
    if (m.Msg != WM_LBUTTONDOWN && m.Msg != WM_LBUTTONDBLCLK && m.Msg != WM_MOUSEMOVE && m.Msg != WM_LBUTTONUP)
        return false;
    // Mouse points are client coordinates; the bars lie outside the client area.
    TPoint o = ClientOrigin();
    TPoint p{LoWordSigned(m.LParam) + o.X, HiWordSigned(m.LParam) + o.Y};
    auto send = [this](int bar, unsigned code, int pos) {
        Perform(bar == SB_VERT ? WM_VSCROLL : WM_HSCROLL, MakeWParam(code, static_cast<unsigned>(pos)), 0);
    };
    if (trackingBar_ >= 0) {
        int bar = trackingBar_;
        BarGeometry g = ScrollBarGeometry(bar);
        TScrollInfo& info = bar == SB_VERT ? vScrollInfo_ : hScrollInfo_;
        int len = bar == SB_VERT ? g.bar.Height() : g.bar.Width();
        int along = (bar == SB_VERT ? p.Y - g.bar.Top : p.X - g.bar.Left) - trackGrab_;
        int maxPos = std::max(info.nMin, info.nMax - std::max(0, info.nPage - 1));
        int span = std::max(1, len - g.thumbLength);
        int pos = std::clamp(info.nMin + (along * (maxPos - info.nMin) + span / 2) / span, info.nMin, maxPos);
        info.nTrackPos = pos;
        if (m.Msg == WM_LBUTTONUP) {
            trackingBar_ = -1;
            SetMouseCapture(false);
            send(bar, SB_THUMBPOSITION, pos);
            send(bar, SB_ENDSCROLL, 0);
        } else if (m.Msg == WM_MOUSEMOVE) {
            send(bar, SB_THUMBTRACK, pos);
        }
        return true;
    }
    if (m.Msg != WM_LBUTTONDOWN && m.Msg != WM_LBUTTONDBLCLK)
        return false;
    for (int bar : {SB_VERT, SB_HORZ}) {
        if (!ScrollBarVisible(bar))
            continue;
        BarGeometry g = ScrollBarGeometry(bar);
        if (!g.bar.Contains(p))
            continue;
        int along = bar == SB_VERT ? p.Y - g.bar.Top : p.X - g.bar.Left;
        if (along < g.thumbStart) {
            send(bar, SB_PAGEUP, 0);
            send(bar, SB_ENDSCROLL, 0);
        } else if (along >= g.thumbStart + g.thumbLength) {
            send(bar, SB_PAGEDOWN, 0);
            send(bar, SB_ENDSCROLL, 0);
        } else {
            trackingBar_ = bar;
            trackGrab_ = along - g.thumbStart;
            SetMouseCapture(true);
        }
        return true;
    }
    return false;
}

void TWinControl::PaintControl(TCanvas& canvas)
{
    PaintBackground(canvas);
    if (borderStyle_ == TBorderStyle::bsSingle) {
        TRect r{0, 0, Width(), Height()};
        canvas.DrawEdge(r, EDGE_SUNKEN, BF_RECT);
    }
    PaintScrollBars(canvas);
}

void TWinControl::PaintScrollBars(TCanvas& canvas)
{
    auto bar = [&](int which) {
        BarGeometry g = ScrollBarGeometry(which);
        canvas.Brush()->SetColor(flatBars_ && flatBarColor_ != clNone ? flatBarColor_ : clScrollBar);
        canvas.FillRect(g.bar);
        // A plain thumb sits inset in its track; a flat one fills the bar's thickness.
        const int inset = flatBars_ ? 0 : 2;
        const int across = ScrollBarThickness() - 2 * inset;
        TRect t = which == SB_VERT ? Bounds(g.bar.Left + inset, g.bar.Top + g.thumbStart, across, g.thumbLength)
                                   : Bounds(g.bar.Left + g.thumbStart, g.bar.Top + inset, g.thumbLength, across);
        canvas.Brush()->SetColor(clBtnShadow);
        canvas.FillRect(t);
    };
    if (vScroll_)
        bar(SB_VERT);
    if (hScroll_)
        bar(SB_HORZ);
}

void TWinControl::PaintTree(TCanvas& canvas)
{
    PaintControl(canvas);
    TPoint base = canvas.Origin();
    bool hadClip = canvas.HasClip();
    TRect oldClip = canvas.ClipRectRaw();
    TPoint co = ClientOrigin();
    TRect client = ClientRect().Offset(co.X, co.Y);
    TRect deviceClip = client.Offset(base.X, base.Y);
    if (hadClip)
        deviceClip = deviceClip.Intersect(oldClip.Offset(base.X, base.Y));
    for (TControl* c : controls_) {
        if (!c->Visible())
            continue;
        TPoint origin{base.X + co.X + c->Left(), base.Y + co.Y + c->Top()};
        TRect childDevice = deviceClip.Intersect(Bounds(origin.X, origin.Y, c->Width(), c->Height()));
        if (childDevice.IsEmpty())
            continue;
        canvas.SetOrigin(origin);
        canvas.SetClipRect(childDevice.Offset(-origin.X, -origin.Y));
        if (auto* w = dynamic_cast<TWinControl*>(c))
            w->PaintTree(canvas);
        else
            c->PaintControl(canvas);
    }
    canvas.SetOrigin(base);
    if (hadClip)
        canvas.SetClipRect(oldClip);
    else
        canvas.ResetClip();
}

void TWinControl::WndProc(TMessage& m)
{
    if ((vScroll_ || hScroll_ || trackingBar_ >= 0) && ScrollBarMouse(m))
        return;
    switch (m.Msg) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: {
        unsigned key = static_cast<unsigned>(m.WParam);
        m.Result = DoKeyDown(key, KeyboardShiftState()) ? 1 : 0;
        m.WParam = key;
        return;
    }
    case WM_KEYUP:
    case WM_SYSKEYUP: {
        unsigned key = static_cast<unsigned>(m.WParam);
        m.Result = DoKeyUp(key, KeyboardShiftState()) ? 1 : 0;
        m.WParam = key;
        return;
    }
    case WM_CHAR: {
        auto ch = static_cast<char32_t>(m.WParam);
        m.Result = DoKeyPress(ch) ? 1 : 0;
        m.WParam = ch;
        return;
    }
    case WM_SETFOCUS:
        FocusIn();
        Invalidate();
        return;
    case WM_KILLFOCUS:
        FocusOut();
        Invalidate();
        return;
    case CM_ENTER:
        DoEnter();
        return;
    case CM_EXIT:
        DoExit();
        return;
    case WM_GETDLGCODE:
        m.Result = WantKeys();
        return;
    case WM_COMMAND: {
        // Notifications of child controls are reflected back to them.
        TWinControl* from = LParamToControl(m.LParam);
        if (from && (from == this || ContainsControl(from)))
            m.Result = from->Perform(CN_COMMAND, m.WParam, m.LParam);
        return;
    }
    case WM_SIZE:
        Realign();
        return;
    default:
        TControl::WndProc(m);
    }
}

namespace {

// Runs a key through the form's key preview (when the form asks for it) and then the control,
// stopping as soon as a handler sets the key to 0; true when the key was handled.
template <typename Key, typename Handler>
bool PreviewThenHandle(TWinControl& control, Key& key, Handler handle)
{
    TCustomForm* form = control.ParentForm();
    if (form && form != &control && form->KeyPreview()) {
        handle(*form, key);
        if (key == 0)
            return true;
    }
    handle(control, key);
    return key == 0;
}

}  // namespace

bool TWinControl::DoKeyDown(unsigned& key, TShiftState shift)
{
    return PreviewThenHandle(*this, key, [shift](TWinControl& c, unsigned& k) { c.KeyDown(k, shift); });
}

bool TWinControl::DoKeyPress(char32_t& key)
{
    return PreviewThenHandle(*this, key, [](TWinControl& c, char32_t& k) { c.KeyPress(k); });
}

bool TWinControl::DoKeyUp(unsigned& key, TShiftState shift)
{
    return PreviewThenHandle(*this, key, [shift](TWinControl& c, unsigned& k) { c.KeyUp(k, shift); });
}

void TWinControl::KeyDown(unsigned& key, TShiftState shift)
{
    if (OnKeyDown)
        OnKeyDown(this, key, shift);
}

void TWinControl::KeyUp(unsigned& key, TShiftState shift)
{
    if (OnKeyUp)
        OnKeyUp(this, key, shift);
}

void TWinControl::KeyPress(char32_t& key)
{
    if (OnKeyPress)
        OnKeyPress(this, key);
}

void TWinControl::DoEnter()
{
    if (OnEnter)
        OnEnter(this);
}

void TWinControl::DoExit()
{
    if (OnExit)
        OnExit(this);
}

}  // namespace ui

namespace ui {

void NotifyParent(TWinControl* control, unsigned code)
{
    if (!control)
        return;
    std::uintptr_t w = MakeWParam(0, code);
    if (control->Parent())
        control->Parent()->Perform(WM_COMMAND, w, ControlToLParam(control));
    else
        control->Perform(CN_COMMAND, w, ControlToLParam(control));
}

namespace {

// The accelerator letter of a caption as UTF-8 text ("" when the caption has none): the
// character after the first single "&" ("&&" is a literal ampersand).
std::string AcceleratorText(const std::string& caption)
{
    for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != '&')
            continue;
        if (caption[i + 1] == '&') {
            ++i;
            continue;
        }
        std::size_t end = i + 1;
        rtl::DecodeUtf8(caption, end);
        return caption.substr(i + 1, end - i - 1);
    }
    return {};
}

}  // namespace

char32_t AcceleratorOf(const std::string& caption)
{
    const std::string lower = rtl::AnsiLowerCase(AcceleratorText(caption));
    std::size_t pos = 0;
    return lower.empty() ? 0 : static_cast<char32_t>(rtl::DecodeUtf8(lower, pos));
}

bool IsAccel(char32_t ch, const std::string& caption)
{
    const std::string accel = AcceleratorText(caption);
    if (accel.empty() || ch == 0)
        return false;
    std::string typed;
    rtl::AppendUtf8(typed, static_cast<int>(ch));
    return rtl::AnsiUpperCase(accel) == rtl::AnsiUpperCase(typed);
}

}  // namespace ui
