#pragma once
// The flat date pickers: TGsgDateTimePicker (the grid's date editor builds on it) and
// TCustomDateTimePicker (the base of the date and time picker with label and the class of its
// time part) share one body for the flat, custom-coloured look (the metro style): a drop-down
// button in custom colours or the native style, a one-pixel border in a border colour, and a
// flat outline when the three-dimensional look is off. TCustomDateTimePicker adds the automatic
// advance to the next field while digits are typed (AutoTab), driven by the registered message
// "DTPShiftFocus".

#include <string>

#include "platform/ui/DateTimePicker.h"

namespace gx {

// The registered message id of "DTPShiftFocus" (registered at start-up).
unsigned DTPShiftFocusMessage();

// The body the two pickers share; only the hooks below differ.
class TFlatDateTimePickerBase : public ui::TDateTimePicker {
public:
    explicit TFlatDateTimePickerBase(ui::TComponent* AOwner);

    ui::TBorderStyle BorderStyle() const { return FBorderStyle; }
    // Stores the border style and repaints when it changes.
    virtual void SetBorderStyle(ui::TBorderStyle v);
    ui::TColor BorderColor() const { return FBorderColor; }
    void SetBorderColor(ui::TColor v);
    bool MetroStyle() const { return FMetroStyle; }
    void SetMetroStyle(bool v);
    int ButtonWidth() const { return FButtonWidth; }

    // Custom button colours (clNone: not set).
    ui::TColor ButtonColor = ui::clNone;
    ui::TColor ButtonColorHot = ui::clNone;
    ui::TColor ButtonColorDown = ui::clNone;
    ui::TColor ButtonTextColor = ui::clNone;
    ui::TColor ButtonTextColorHot = ui::clNone;
    ui::TColor ButtonTextColorDown = ui::clNone;
    ui::TColor ButtonBorderColor = ui::clNone;
    // The owner runs on a desktop of that generation (set from the version test at creation).
    bool IsWinXP = false;

    bool MouseInControlArea() const { return FMouseInControl; }
    bool ButtonHover() const { return FButtonHover; }
    bool HasFocus() const { return FHasFocus; }

    void PaintControl(ui::TCanvas& canvas) override;

protected:
    // Whether the flat look applies now.
    virtual bool metro() const = 0;
    // Left edge of the themed fill strip: client right − ButtonWidth − this.
    virtual int themedStripInset() const = 0;
    // Whether client painting frames the window when Ctl3D is off.
    virtual bool framesClient() const = 0;
    // Whether the flat outline needs a border colour.
    virtual bool outlineNeedsBorderColor() const = 0;

    void MouseEnter() override;
    void MouseLeave() override;
    void MouseMove(ui::TShiftState shift, int x, int y) override;
    void MouseDown(ui::TMouseButton button, ui::TShiftState shift, int x, int y) override;
    void MouseUp(ui::TMouseButton button, ui::TShiftState shift, int x, int y) override;
    void DoEnter() override;
    void DoExit() override;

    bool themesActive() const;
    // The colour of the one-pixel frames: the parent's colour for a borderless picker on a
    // parent, else the themed disabled frame colour or the border colour.
    ui::TColor frameColor() const;

    ui::TBorderStyle FBorderStyle = ui::TBorderStyle::bsNone;
    ui::TColor FBorderColor = ui::clNone;

private:
    bool isActive() const;
    void drawPickerButton(ui::TCanvas& canvas);
    void drawControlBorder(ui::TCanvas& canvas);
    void drawButtonFrame(ui::TCanvas& canvas);
    void drawFlatOutline(ui::TCanvas& canvas);
    void frameWindow(ui::TCanvas& canvas, ui::TColor color, int inset);

    bool FIsThemed = false;
    int FButtonWidth = 19;
    bool FButtonHover = false;
    bool FMouseInControl = false;
    bool FMetroStyle = false;
    ui::TColor FFocusBorderColor = ui::clNone;
    bool FDisabledBorder = false;
    bool FHasFocus = false;
    bool FFocusBorder = false;
    bool FMouseDown = false;
};

class TGsgDateTimePicker : public TFlatDateTimePickerBase {
public:
    explicit TGsgDateTimePicker(ui::TComponent* AOwner);
    // The version text; assignment leaves it.
    std::string Version() const { return "1.0.0.0"; }
    void SetVersion(const std::string&) {}

protected:
    bool metro() const override;
    int themedStripInset() const override { return 15; }
    bool framesClient() const override { return false; }
    bool outlineNeedsBorderColor() const override { return true; }
};

class TCustomDateTimePicker : public TFlatDateTimePickerBase {
public:
    explicit TCustomDateTimePicker(ui::TComponent* AOwner);

    bool AutoTab() const { return FAutoTab; }
    virtual void SetAutoTab(bool v);
    // True here: this class never draws the flat border or button; the picker with label says
    // False.
    virtual bool SuppressFlatBorder() const { return true; }

    void WndProc(ui::TMessage& message) override;

protected:
    bool metro() const override;
    int themedStripInset() const override { return 4; }
    bool framesClient() const override { return true; }
    bool outlineNeedsBorderColor() const override { return false; }
    // A digit with AutoTab: the time is remembered, the digit typed, then "DTPShiftFocus" posted.
    void KeyPress(char32_t& key) override;
    // Runs on "DTPShiftFocus": a time field whose value the digit changed moves on to the next
    // field (a Right key-down posted to the picker).
    virtual void AutoTabField();

    bool FAutoTab = false;
    int Fh = 0, Fm = 0, Fs = 0, Fms = 0;
};

}  // namespace gx
