#pragma once
// The desktop's tool tip in balloon style over one control (the tool), as the grid's cell
// balloons use it: the tool's whole client area is one tool, and the text is asked of the tool
// each time a tip is to show (WM_NOTIFY with TTN_GETDISPINFO; an empty answer shows nothing).
//
// The tip hears the tool's mouse messages (it subclasses the tool's window procedure). When the
// mouse has rested on the tool for the initial delay, the tip shows: a rounded balloon with a stem
// pointing at the mouse (below it, or above it where there is no room below), an optional title
// in bold after an icon, and the text (no "&" prefixes, wrapped at the maximum width). It goes
// after the auto-pop delay, on a press, when the mouse leaves the tool and on Pop; after Pop,
// with the mouse still on the tool, the next tip follows after the reshow delay. A tip that timed
// out or was pressed away comes back only after a Pop or once the mouse has left the tool.
//
// On screen the balloon is an overlay window (Backend::ShowOverlay), cut to the balloon's
// outline; the picture and outline are kept here, so the tip can be checked without a display.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/ui/Component.h"
#include "platform/ui/Controls.h"
#include "platform/ui/Graphics.h"
#include "platform/ui/Messages.h"

namespace ui {

class TTimer;
class TToolTip;

// The code of the text request (WM_NOTIFY to the tool, LParam: TToolTipText*).
constexpr int TTN_GETDISPINFO = -530;

// The tool's answer to a text request.
struct TToolTipText {
    int Code = TTN_GETDISPINFO;
    TToolTip* ToolTip = nullptr;
    TPoint CursorPos;  // the mouse, in the tool's client coordinates
    std::string Text;  // what the tip shows; empty: no tip
};

// The icon before the title.
enum TToolTipIcon { ttiNone, ttiInfo, ttiWarning, ttiError };

enum class TToolTipDelay { Initial, Reshow, AutoPop };

class TToolTip : public TComponent {
public:
    explicit TToolTip(TComponent* AOwner);
    ~TToolTip() override;

    // The control whose client area is the tool (nullptr: none). The tip takes the control's
    // messages first and hands each on unchanged.
    void SetTool(TControl* Tool);
    TControl* Tool() const { return tool_; }

    // The title and its icon; an icon outside ttiNone .. ttiError counts as ttiNone.
    void SetTitle(const std::string& Title, int Icon);
    const std::string& Title() const { return title_; }
    TToolTipIcon TitleIcon() const { return icon_; }
    // The width at which the text wraps; 0 or less: no wrapping.
    void SetMaxTipWidth(int Width) { maxTipWidth_ = Width; }
    int MaxTipWidth() const { return maxTipWidth_; }
    void SetTipTextColor(TColor Color) { textColor_ = Color; }
    TColor TipTextColor() const { return textColor_; }
    void SetTipBkColor(TColor Color) { bkColor_ = Color; }
    TColor TipBkColor() const { return bkColor_; }
    // A delay in milliseconds; below 0 the default: initial 500, reshow a fifth of the initial
    // delay, auto-pop ten times the initial delay.
    void SetDelayTime(TToolTipDelay Which, int Milliseconds);
    int DelayTime(TToolTipDelay Which) const;
    // The constant alpha of the balloon: 255 opaque.
    void SetAlpha(std::uint8_t Alpha) { alpha_ = Alpha; }
    std::uint8_t Alpha() const { return alpha_; }

    // Takes the tip shown away; nothing when none is shown.
    void Pop();
    bool Showing() const { return showing_; }
    // The mouse rests on the tool and a tip is to show when the delay is over.
    bool Waiting() const { return waiting_; }
    // The timer's tick: the wait is over (the tool is asked and the tip shows), or the shown tip's
    // time is up.
    void Tick();

    // The tip shown: its text, where its picture's top-left corner is on the screen, the picture
    // (premultiplied alpha, transparent around the balloon) and the balloon's outline as rows of
    // the picture.
    const std::string& Text() const { return text_; }
    TPoint ScreenPos() const { return screenPos_; }
    const TBitmap& Picture() const { return picture_; }
    const std::vector<TRect>& Shape() const { return shape_; }
    // Whether the balloon stands above the mouse (its stem at the bottom).
    bool Above() const { return above_; }
    // The point the stem points at (screen coordinates).
    TPoint StemPoint() const { return stemPoint_; }

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    void Relay(const TMessage& message);
    void Wait(int Milliseconds);
    void Show();
    void Hide();
    void Render(TSize Body, int StemX);
    TSize Measure(int& TitleHeight, TRect& TextRect);
    void StopTimer();

    TControl* tool_ = nullptr;
    std::function<void(TMessage&)> toolProc_;  // what the tool's WindowProc was before
    std::unique_ptr<TTimer> timer_;
    std::string title_;
    TToolTipIcon icon_ = ttiNone;
    int maxTipWidth_ = 0;
    TColor textColor_ = clInfoText;
    TColor bkColor_ = clInfoBk;
    int delays_[3] = {-1, -1, -1};
    std::uint8_t alpha_ = 255;
    TFont font_;

    TPoint mouse_;  // the mouse in the tool's client coordinates
    bool waiting_ = false;
    bool showing_ = false;
    bool suppressed_ = false;  // timed out or pressed away: no tip until Pop or a leave
    std::string text_;
    TPoint screenPos_;
    TPoint stemPoint_;
    bool above_ = false;
    TBitmap picture_;
    std::vector<TRect> shape_;
};

}  // namespace ui
