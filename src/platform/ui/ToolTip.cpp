#include "platform/ui/ToolTip.h"

#include <algorithm>
#include <cmath>

#include "platform/ui/Application.h"
#include "platform/ui/Backend.h"
#include "platform/ui/ExtCtrls.h"
#include "platform/ui/PixelFormat.h"

namespace ui {

namespace {

constexpr int kDefaultInitial = 500;
constexpr int kRadius = 8;       // of the balloon's corners
constexpr int kStemHeight = 14;  // from the body to the point
constexpr int kStemWidth = 14;   // where the stem meets the body
constexpr int kPadX = 10;        // between the outline and the content
constexpr int kPadY = 8;
constexpr int kIconSize = 16;
constexpr int kIconGap = 6;        // between the icon and the title
constexpr int kTitleGap = 6;       // between the title and the text
constexpr int kCursorHeight = 18;  // the stem points below the pointer's arrow
constexpr TColor kBorderColor = 0x505050;
constexpr unsigned kTextFlags = DT_NOPREFIX | DT_EXPANDTABS;

// The span [first, last) of body row y (0 at the body's top) of a rounded rectangle.
std::pair<int, int> BodySpan(int y, TSize body)
{
    double dy = 0;
    if (y < kRadius)
        dy = kRadius - y - 0.5;
    else if (y >= body.cy - kRadius)
        dy = y - (body.cy - kRadius) + 0.5;
    const int inset = dy > 0 ? static_cast<int>(std::lround(kRadius - std::sqrt(kRadius * kRadius - dy * dy))) : 0;
    return {inset, body.cx - inset};
}

void DrawIcon(TCanvas& canvas, TToolTipIcon icon, int x, int y)
{
    const TRect box{x, y, x + kIconSize, y + kIconSize};
    canvas.Pen()->SetStyle(TPenStyle::psClear);
    switch (icon) {
    case ttiInfo:
        canvas.Brush()->SetColor(RGB(0, 120, 215));
        canvas.Ellipse(box);
        canvas.Brush()->SetColor(clWhite);
        canvas.FillRect({x + 7, y + 3, x + 9, y + 5});
        canvas.FillRect({x + 7, y + 6, x + 9, y + 13});
        break;
    case ttiWarning:
        canvas.Brush()->SetColor(RGB(255, 185, 0));
        canvas.Polygon({{x + 8, y}, {x + 16, y + 15}, {x, y + 15}});
        canvas.Brush()->SetColor(clBlack);
        canvas.FillRect({x + 7, y + 5, x + 9, y + 10});
        canvas.FillRect({x + 7, y + 11, x + 9, y + 13});
        break;
    case ttiError:
        canvas.Brush()->SetColor(RGB(232, 17, 35));
        canvas.Ellipse(box);
        canvas.Pen()->SetStyle(TPenStyle::psSolid);
        canvas.Pen()->SetColor(clWhite);
        canvas.Pen()->SetWidth(2);
        canvas.MoveTo(x + 5, y + 5);
        canvas.LineTo(x + 11, y + 11);
        canvas.MoveTo(x + 11, y + 5);
        canvas.LineTo(x + 5, y + 11);
        canvas.Pen()->SetWidth(1);
        break;
    case ttiNone:
        break;
    }
    canvas.Pen()->SetStyle(TPenStyle::psSolid);
}

}  // namespace

TToolTip::TToolTip(TComponent* AOwner) : TComponent(AOwner), timer_(std::make_unique<TTimer>(nullptr))
{
    timer_->SetEnabled(false);
    timer_->OnTimer = [this](TObject*) { Tick(); };
    font_.SetName("Segoe UI");
    font_.SetSize(9);
}

TToolTip::~TToolTip()
{
    Hide();
    SetTool(nullptr);
}

void TToolTip::SetTool(TControl* Tool)
{
    if (tool_ == Tool)
        return;
    if (tool_) {
        tool_->WindowProc = std::move(toolProc_);
        toolProc_ = nullptr;
        RemoveFreeNotification(tool_);
    }
    Hide();
    waiting_ = suppressed_ = false;
    StopTimer();
    tool_ = Tool;
    if (!tool_)
        return;
    FreeNotification(tool_);
    toolProc_ = tool_->WindowProc;
    tool_->WindowProc = [this](TMessage& message) {
        TControl* tool = tool_;
        Relay(message);
        if (toolProc_)
            toolProc_(message);
        else
            tool->WndProc(message);
    };
}

void TToolTip::Notification(TComponent* AComponent, TOperation Operation)
{
    TComponent::Notification(AComponent, Operation);
    if (Operation == TOperation::opRemove && AComponent == tool_) {
        // The control goes with its window procedure; nothing is handed back.
        toolProc_ = nullptr;
        tool_ = nullptr;
        Hide();
        waiting_ = false;
        StopTimer();
    }
}

void TToolTip::SetTitle(const std::string& Title, int Icon)
{
    title_ = Title;
    icon_ = Icon >= ttiNone && Icon <= ttiError ? static_cast<TToolTipIcon>(Icon) : ttiNone;
}

void TToolTip::SetDelayTime(TToolTipDelay Which, int Milliseconds)
{
    delays_[static_cast<int>(Which)] = Milliseconds;
}

int TToolTip::DelayTime(TToolTipDelay Which) const
{
    const int set = delays_[static_cast<int>(Which)];
    if (set >= 0)
        return set;
    const int initial = delays_[0] >= 0 ? delays_[0] : kDefaultInitial;
    switch (Which) {
    case TToolTipDelay::Initial:
        return initial;
    case TToolTipDelay::Reshow:
        return initial / 5;
    case TToolTipDelay::AutoPop:
        return initial * 10;
    }
    return initial;
}

void TToolTip::Relay(const TMessage& message)
{
    switch (message.Msg) {
    case WM_MOUSEMOVE:
        mouse_ = {LoWordSigned(message.LParam), HiWordSigned(message.LParam)};
        if (!showing_ && !suppressed_ && !(message.WParam & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON)))
            Wait(DelayTime(TToolTipDelay::Initial));
        break;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_MOUSEWHEEL:
        Hide();
        waiting_ = false;
        StopTimer();
        suppressed_ = true;
        break;
    case CM_MOUSELEAVE:
        Hide();
        waiting_ = suppressed_ = false;
        StopTimer();
        break;
    default:
        break;
    }
}

void TToolTip::Pop()
{
    if (!showing_ && !suppressed_)
        return;
    Hide();
    suppressed_ = false;
    if (tool_ && tool_->MouseInControl())
        Wait(DelayTime(TToolTipDelay::Reshow));
}

void TToolTip::Wait(int Milliseconds)
{
    waiting_ = true;
    timer_->SetEnabled(false);
    timer_->SetInterval(static_cast<unsigned>(std::max(1, Milliseconds)));
    timer_->SetEnabled(true);
}

void TToolTip::StopTimer()
{
    timer_->SetEnabled(false);
}

void TToolTip::Tick()
{
    StopTimer();
    if (showing_) {
        Hide();
        suppressed_ = true;  // timed out: back after a Pop or a leave
        return;
    }
    if (!waiting_)
        return;
    waiting_ = false;
    Show();
}

void TToolTip::Show()
{
    if (!tool_)
        return;
    TToolTipText request;
    request.ToolTip = this;
    request.CursorPos = mouse_;
    tool_->Perform(WM_NOTIFY, 0, reinterpret_cast<std::intptr_t>(&request));
    if (request.Text.empty())
        return;
    text_ = request.Text;

    int titleHeight = 0;
    TRect textRect;
    const TSize body = Measure(titleHeight, textRect);
    const TSize size{body.cx, body.cy + kStemHeight};
    const TPoint mouse = tool_->ClientToScreen(mouse_);
    const TRect work = GetScreen() ? GetScreen()->WorkAreaRect() : TRect{0, 0, 1920, 1080};
    // Below the pointer when the balloon fits there, else above it.
    above_ = mouse.Y + kCursorHeight + size.cy > work.Bottom && mouse.Y - size.cy >= work.Top;
    stemPoint_ = above_ ? mouse : TPoint{mouse.X, mouse.Y + kCursorHeight};
    // Kept on the work area; near its edges the stem leans to the pointer as far as the corners let it.
    const int left = std::max(work.Left, std::min(stemPoint_.X - 2 * kRadius, work.Right - size.cx));
    const int stemX = std::clamp(stemPoint_.X - left, kRadius, std::max(kRadius, body.cx - kRadius - kStemWidth));
    stemPoint_.X = left + stemX;
    screenPos_ = {left, above_ ? stemPoint_.Y - size.cy + 1 : stemPoint_.Y};

    Render(body, stemX);
    TCanvas& canvas = *picture_.Canvas();
    const int top = above_ ? 0 : kStemHeight;
    int y = top + kPadY;
    if (!title_.empty()) {
        int x = kPadX;
        if (icon_ != ttiNone) {
            DrawIcon(canvas, icon_, x, y + std::max(0, (titleHeight - kIconSize) / 2));
            x += kIconSize + kIconGap;
        }
        canvas.Font()->Assign(font_);
        canvas.Font()->SetStyle(fsBold);
        canvas.Font()->SetColor(textColor_);
        canvas.Brush()->SetStyle(TBrushStyle::bsClear);
        TRect r{x, y, body.cx - kPadX, y + titleHeight};
        canvas.DrawText(title_, r, kTextFlags | DT_SINGLELINE);
        y += titleHeight + kTitleGap;
    }
    canvas.Font()->Assign(font_);
    canvas.Font()->SetColor(textColor_);
    canvas.Brush()->SetStyle(TBrushStyle::bsClear);
    TRect r{kPadX, y, kPadX + textRect.Width(), y + textRect.Height()};
    canvas.DrawText(text_, r, kTextFlags | (maxTipWidth_ > 0 ? DT_WORDBREAK : 0u));
    // The constant alpha, premultiplied as the overlay expects it.
    if (alpha_ < 255)
        for (int row = 0; row < picture_.Height(); ++row) {
            std::uint32_t* p = picture_.ScanLine(row);
            for (int x = 0; x < picture_.Width(); ++x) {
                const std::uint32_t c = p[x];
                const auto scale = [&](int shift) { return (((c >> shift) & 0xFFu) * alpha_ / 255u) << shift; };
                p[x] = scale(24) | scale(16) | scale(8) | scale(0);
            }
        }
    showing_ = true;
    if (IUiBackend* backend = Backend())
        backend->ShowOverlay(this, picture_, screenPos_, shape_);
    Wait(DelayTime(TToolTipDelay::AutoPop));
    waiting_ = false;
}

void TToolTip::Hide()
{
    if (!showing_)
        return;
    showing_ = false;
    if (IUiBackend* backend = Backend())
        backend->HideOverlay(this);
}

// The body's size: the title line (icon and bold title) over the text, wrapped at the maximum
// width; wide enough for the stem and the corners.
TSize TToolTip::Measure(int& TitleHeight, TRect& TextRect)
{
    TBitmap scratch(1, 1);
    TCanvas& canvas = *scratch.Canvas();
    canvas.Font()->Assign(font_);
    TextRect = {0, 0, maxTipWidth_ > 0 ? maxTipWidth_ : 1 << 20, 0};
    canvas.DrawText(text_, TextRect, kTextFlags | DT_CALCRECT | (maxTipWidth_ > 0 ? DT_WORDBREAK : 0u));
    int titleWidth = 0;
    TitleHeight = 0;
    if (!title_.empty()) {
        canvas.Font()->SetStyle(fsBold);
        const TSize extent = canvas.TextExtent(title_);
        titleWidth = extent.cx + (icon_ != ttiNone ? kIconSize + kIconGap : 0);
        TitleHeight = std::max(extent.cy, icon_ != ttiNone ? kIconSize : 0);
    }
    const int contentWidth = std::max(titleWidth, TextRect.Width());
    const int contentHeight = TitleHeight + (TitleHeight > 0 ? kTitleGap : 0) + TextRect.Height();
    return {std::max(2 * kPadX + contentWidth, 2 * kRadius + kStemWidth + 2), 2 * kPadY + contentHeight};
}

// The balloon without its content: body and stem filled with the background colour inside a
// one-pixel outline, transparent around them; the shape is the filled rows.
void TToolTip::Render(TSize Body, int StemX)
{
    const int height = Body.cy + kStemHeight;
    picture_.SetSize(Body.cx, height);
    picture_.SetAlphaChannel(true);
    const int bodyTop = above_ ? 0 : kStemHeight;
    // Row y's span, or an empty one.
    const auto span = [&](int y) -> std::pair<int, int> {
        if (y < 0 || y >= height)
            return {0, 0};
        if (y >= bodyTop && y < bodyTop + Body.cy)
            return BodySpan(y - bodyTop, Body);
        // The stem: its vertical edge at StemX, widening from the point to the body.
        const int fromPoint = above_ ? height - 1 - y : y;
        return {StemX, StemX + 1 + fromPoint * kStemWidth / kStemHeight};
    };
    const auto inside = [&](int x, int y) {
        const auto [first, last] = span(y);
        return x >= first && x < last;
    };
    const std::uint32_t fill = ColorToPixel(bkColor_), border = ColorToPixel(kBorderColor);
    shape_.clear();
    for (int y = 0; y < height; ++y) {
        std::uint32_t* p = picture_.ScanLine(y);
        const auto [first, last] = span(y);
        for (int x = 0; x < Body.cx; ++x) {
            if (x < first || x >= last)
                p[x] = 0;
            else
                p[x] = inside(x - 1, y) && inside(x + 1, y) && inside(x, y - 1) && inside(x, y + 1) ? fill : border;
        }
        if (!shape_.empty() && shape_.back().Left == first && shape_.back().Right == last && shape_.back().Bottom == y)
            shape_.back().Bottom = y + 1;
        else
            shape_.push_back({first, y, last, y + 1});
    }
}

}  // namespace ui
