#pragma once
// The look of the analog watch (TWatchAppearance) and its live-clock settings (TWatchSettings).
// Every setter that changes a value fires OnChange; SetDefaults puts every value back silently.
// The one-byte sizes (pointer, centre point and mark sizes) are kept within 0..255.
#include <memory>

#include "platform/ui/Colors.h"
#include "platform/ui/Graphics.h"

namespace dropdown {

enum class TWatchShape { wsCircle, wsRect, wsRoundRect };
enum class TWatchBorderStyle { wbLine, wbDoubleLine, wbNone };
enum class THourMarkStyle { hmsLine, hmsQuartDblLine };
enum class TTickMarks { tmAll, tmHours, tmQuartHours, tmNone };
enum class TPointerStyle { psLine, psShortLine, psPointer, psLineArrow };
enum class TAMPMFrame { apRect, apRoundRect };
enum class TWatchGradient { wgRadial, wgVertical, wgDiagonalForward, wgDiagonalBackward };

class TWatchAppearance : public ui::TObject {
public:
    TWatchAppearance();
    // Every value back to its default, fresh fonts ("Tahoma" 8 for the hours, 10 for the AM/PM
    // label, window-text colour) and an empty picture; fires nothing.
    void SetDefaults();
    // Copies every value and the fonts and picture; CenterPointOuterBorderColor, TickMarks and
    // HourMarkStyle last through their setters. OnChange is not copied.
    void Assign(const TWatchAppearance& Source);

    int Size() const { return FSize; }
    void SetSize(int Value);
    ui::TColor HourPointer() const { return FHourPointer; }
    void SetHourPointer(ui::TColor Value);
    ui::TColor BackgroundColor() const { return FBackgroundColor; }
    void SetBackgroundColor(ui::TColor Value);
    ui::TColor MinutePointerShadow() const { return FMinutePointerShadow; }
    void SetMinutePointerShadow(ui::TColor Value);
    ui::TColor BackgroundColorTo() const { return FBackgroundColorTo; }
    void SetBackgroundColorTo(ui::TColor Value);
    ui::TColor HourPointerShadow() const { return FHourPointerShadow; }
    void SetHourPointerShadow(ui::TColor Value);
    ui::TColor SecondPointer() const { return FSecondPointer; }
    void SetSecondPointer(ui::TColor Value);
    ui::TColor BorderColor() const { return FBorderColor; }
    void SetBorderColor(ui::TColor Value);
    ui::TColor MinutePointer() const { return FMinutePointer; }
    void SetMinutePointer(ui::TColor Value);
    TAMPMFrame AMPMFrame() const { return FAMPMFrame; }
    void SetAMPMFrame(TAMPMFrame Value);
    TWatchShape Shape() const { return FShape; }
    void SetShape(TWatchShape Value);
    TPointerStyle PointerStyle() const { return FPointerStyle; }
    void SetPointerStyle(TPointerStyle Value);
    int HourPointerSize() const { return FHourPointerSize; }
    void SetHourPointerSize(int Value);
    int SecondPointerSize() const { return FSecondPointerSize; }
    void SetSecondPointerSize(int Value);
    int MinutePointerSize() const { return FMinutePointerSize; }
    void SetMinutePointerSize(int Value);
    ui::TColor HourColor() const { return FHourColor; }
    void SetHourColor(ui::TColor Value);
    ui::TColor MinuteColor() const { return FMinuteColor; }
    void SetMinuteColor(ui::TColor Value);
    int CenterPointSize() const { return FCenterPointSize; }
    void SetCenterPointSize(int Value);
    ui::TColor CenterPointColor() const { return FCenterPointColor; }
    void SetCenterPointColor(ui::TColor Value);
    ui::TColor CenterPointBorderColor() const { return FCenterPointBorderColor; }
    void SetCenterPointBorderColor(ui::TColor Value);
    TWatchGradient BackgroundGradient() const { return FBackgroundGradient; }
    void SetBackgroundGradient(TWatchGradient Value);
    int HourMarkLength() const { return FHourMarkLength; }
    void SetHourMarkLength(int Value);
    int HourMarkWidth() const { return FHourMarkWidth; }
    void SetHourMarkWidth(int Value);
    int MinuteMarkLength() const { return FMinuteMarkLength; }
    void SetMinuteMarkLength(int Value);
    int MinuteMarkWidth() const { return FMinuteMarkWidth; }
    void SetMinuteMarkWidth(int Value);
    int BorderWidth() const { return FBorderWidth; }
    void SetBorderWidth(int Value);
    ui::TColor CenterPointOuterBorderColor() const { return FCenterPointOuterBorderColor; }
    void SetCenterPointOuterBorderColor(ui::TColor Value);
    TTickMarks TickMarks() const { return FTickMarks; }
    void SetTickMarks(TTickMarks Value);
    THourMarkStyle HourMarkStyle() const { return FHourMarkStyle; }
    void SetHourMarkStyle(THourMarkStyle Value);

    ui::TFont* HourFont() { return FHourFont.get(); }
    const ui::TFont* HourFont() const { return FHourFont.get(); }
    void SetHourFont(const ui::TFont& Value);
    ui::TFont* AMPMFont() { return FAMPMFont.get(); }
    const ui::TFont* AMPMFont() const { return FAMPMFont.get(); }
    void SetAMPMFont(const ui::TFont& Value);
    // Drawn over the face; a change of the picture fires OnChange.
    ui::TPicture* Picture() { return FPicture.get(); }
    const ui::TPicture* Picture() const { return FPicture.get(); }
    void SetPicture(const ui::TPicture& Value);

    // Plain fields: the AM/PM label's fill and frame (clNone: not drawn).
    ui::TColor AMPMColor = 16777215;
    ui::TColor AMPMBorderColor = 0;
    // Stored and copied, not drawn.
    ui::TColor SecondPointerShadow = ui::clBtnShadow;
    TWatchBorderStyle BorderStyle = TWatchBorderStyle::wbLine;
    int Rounding = 5;

    ui::TNotifyEvent OnChange;

private:
    void Changed();
    template <class T>
    void Store(T& Field, T Value);
    void NewPicture();

    int FSize = 0;
    ui::TColor FHourPointer = 0;
    ui::TColor FBackgroundColor = 16777215;
    ui::TColor FMinutePointerShadow = ui::clBtnShadow;
    ui::TColor FBackgroundColorTo = ui::clNone;
    ui::TColor FHourPointerShadow = ui::clBtnShadow;
    ui::TColor FSecondPointer = 255;
    ui::TColor FBorderColor = 0;
    ui::TColor FMinutePointer = 0;
    TAMPMFrame FAMPMFrame = TAMPMFrame::apRect;
    TWatchShape FShape = TWatchShape::wsCircle;
    TPointerStyle FPointerStyle = TPointerStyle::psLine;
    int FHourPointerSize = 4;
    int FSecondPointerSize = 1;
    int FMinutePointerSize = 3;
    ui::TColor FHourColor = 0;
    ui::TColor FMinuteColor = 8421504;
    int FCenterPointSize = 4;
    ui::TColor FCenterPointColor = 0;
    ui::TColor FCenterPointBorderColor = ui::clNone;
    TWatchGradient FBackgroundGradient = TWatchGradient::wgVertical;
    int FHourMarkLength = 0;
    int FHourMarkWidth = 1;
    int FMinuteMarkLength = 0;
    int FMinuteMarkWidth = 1;
    int FBorderWidth = 4;
    ui::TColor FCenterPointOuterBorderColor = ui::clNone;
    TTickMarks FTickMarks = TTickMarks::tmAll;
    THourMarkStyle FHourMarkStyle = THourMarkStyle::hmsLine;
    std::unique_ptr<ui::TFont> FHourFont;
    std::unique_ptr<ui::TFont> FAMPMFont;
    std::unique_ptr<ui::TPicture> FPicture;
};

class TWatchSettings : public ui::TObject {
public:
    // Live mode: the watch shows the current time (plus TimeOffset minutes) and ticks by itself.
    bool Auto() const { return FAuto; }
    void SetAuto(bool Value);
    // Show the second hand in live mode.
    bool Second() const { return FSeconds; }
    void SetSecond(bool Value);
    int TimeOffset() const { return FTimeOffset; }
    void SetTimeOffset(int Value);
    void Assign(const TWatchSettings& Source);

    ui::TNotifyEvent OnChange;

private:
    void Changed();
    bool FAuto = false;
    bool FSeconds = true;
    int FTimeOffset = 0;
};

}  // namespace dropdown
