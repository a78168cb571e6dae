#pragma once
// A scrolling container: when its children reach beyond the client area it shows a vertical
// and/or horizontal scroll bar (AutoScroll) and moves the children as the bars, the wheel or
// SetVertScrollPosition / SetHorzScrollPosition scroll it. Children keep their places relative to
// the scrolled content; the container calls UpdateScrollBars itself on resizing, and owners call
// it after they moved or resized children.
#include "platform/ui/Controls.h"

namespace ui {

class TScrollBox : public TCustomControl {
public:
    explicit TScrollBox(TComponent* AOwner);

    bool AutoScroll() const { return autoScroll_; }
    void SetAutoScroll(bool v);
    int VertScrollPosition() const { return vPos_; }
    void SetVertScrollPosition(int v);
    int HorzScrollPosition() const { return hPos_; }
    void SetHorzScrollPosition(int v);
    // Pixels moved by one line of a bar arrow (and per wheel line).
    int LineIncrement() const { return lineIncrement_; }
    void SetLineIncrement(int v) { lineIncrement_ = v > 0 ? v : 1; }
    // Extra room kept above and below a control brought into view.
    int VertScrollMargin() const { return vMargin_; }
    void SetVertScrollMargin(int v) { vMargin_ = v > 0 ? v : 0; }
    // Size of the content: the right and bottom edges of the visible children, unscrolled.
    TSize ContentSize() const;
    // Shows or hides the bars for the current content and clamps the positions.
    void UpdateScrollBars();

    void WndProc(TMessage& message) override;

protected:
    void ClientSizeChanged(int oldClientWidth, int oldClientHeight) override;
    bool DoMouseWheel(TShiftState shift, int wheelDelta, TPoint mousePos) override;

private:
    void ScrollChildren(int dx, int dy);
    int MaxPos(int bar) const;
    void Scroll(int bar, unsigned code, int thumb);

    bool autoScroll_ = true;
    int vPos_ = 0;
    int hPos_ = 0;
    int lineIncrement_ = 8;
    int vMargin_ = 0;
    bool updating_ = false;
};

}  // namespace ui
