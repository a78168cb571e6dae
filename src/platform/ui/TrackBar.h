#pragma once
// A track bar: a thumb on a channel between Min and Max, with tick marks every Frequency. The user
// moves it by dragging the thumb, by pressing the channel (a page towards the press), with the
// arrow keys (a line), Page Up/Down (a page), Home/End and the wheel. Drawn by the framework.
#include "platform/ui/Controls.h"

namespace ui {

enum class TTrackBarOrientation { trHorizontal, trVertical };
enum class TTickMark { tmBottomRight, tmTopLeft, tmBoth };
enum class TTickStyle { tsNone, tsAuto, tsManual };

class TTrackBar : public TCustomControl {
public:
    explicit TTrackBar(TComponent* AOwner);

    int Min() const { return min_; }
    int Max() const { return max_; }
    int Position() const { return position_; }
    // A Min above Max (or a Max below Min) raises ERangeError "Property value out of range" and
    // changes nothing; a position outside a new range moves to its nearer end (OnChange).
    void SetMin(int v);
    void SetMax(int v);
    // Clamped to Min..Max; a change fires OnChange.
    void SetPosition(int v);
    int PageSize() const { return pageSize_; }
    void SetPageSize(int v);
    int LineSize() const { return lineSize_; }
    void SetLineSize(int v);
    // Distance of the tick marks in positions (tsAuto); 0 or less: ticks at the ends only.
    int Frequency() const { return frequency_; }
    void SetFrequency(int v);
    TTrackBarOrientation Orientation() const { return orientation_; }
    void SetOrientation(TTrackBarOrientation v);
    TTickMark TickMarks() const { return tickMarks_; }
    void SetTickMarks(TTickMark v);
    TTickStyle TickStyle() const { return tickStyle_; }
    void SetTickStyle(TTickStyle v);

    // Geometry, in client coordinates: the channel, the thumb at the current position, the
    // pixel a position is drawn at along the channel, and the position a pixel stands for.
    TRect ChannelRect() const;
    TRect ThumbRect() const;
    int PixelOf(int position) const;
    int PositionAt(int pixel) const;

    TNotifyEvent OnChange;

protected:
    void Paint() override;
    void KeyDown(unsigned& key, TShiftState shift) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    bool DoMouseWheel(TShiftState shift, int wheelDelta, TPoint mousePos) override;
    unsigned WantKeys() const override { return DLGC_WANTARROWS; }
    void FocusIn() override { Invalidate(); }
    void FocusOut() override { Invalidate(); }

private:
    bool Horizontal() const { return orientation_ == TTrackBarOrientation::trHorizontal; }
    int Along(int x, int y) const { return Horizontal() ? x : y; }

    int min_ = 0;
    int max_ = 10;
    int position_ = 0;
    int pageSize_ = 2;
    int lineSize_ = 1;
    int frequency_ = 1;
    TTrackBarOrientation orientation_ = TTrackBarOrientation::trHorizontal;
    TTickMark tickMarks_ = TTickMark::tmBottomRight;
    TTickStyle tickStyle_ = TTickStyle::tsAuto;
    bool dragging_ = false;
    int grab_ = 0;  // where in the thumb the mouse took it
};

}  // namespace ui
