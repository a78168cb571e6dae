#include "controls/dropdown/GxWatchAppearance.h"

#include <algorithm>

namespace dropdown {

TWatchAppearance::TWatchAppearance()
{
    SetDefaults();
}

template <class T>
void TWatchAppearance::Store(T& Field, T Value)
{
    if (Field == Value)
        return;
    Field = Value;
    Changed();
}

void TWatchAppearance::Changed()
{
    if (OnChange)
        OnChange(this);
}

void TWatchAppearance::NewPicture()
{
    FPicture = std::make_unique<ui::TPicture>();
    FPicture->OnChange = [this](ui::TObject*) { Changed(); };
}

void TWatchAppearance::SetDefaults()
{
    FSize = 0;
    FHourPointer = 0;
    FBackgroundColor = 16777215;
    FMinutePointerShadow = ui::clBtnShadow;
    FBackgroundColorTo = ui::clNone;
    FHourPointerShadow = ui::clBtnShadow;
    FSecondPointer = 255;
    FBorderColor = 0;
    FMinutePointer = 0;
    FAMPMFrame = TAMPMFrame::apRect;
    FShape = TWatchShape::wsCircle;
    FPointerStyle = TPointerStyle::psLine;
    FHourPointerSize = 4;
    FSecondPointerSize = 1;
    FMinutePointerSize = 3;
    FHourColor = 0;
    FMinuteColor = 8421504;
    FCenterPointSize = 4;
    FCenterPointColor = 0;
    FCenterPointBorderColor = ui::clNone;
    FBackgroundGradient = TWatchGradient::wgVertical;
    FHourMarkLength = 0;
    FHourMarkWidth = 1;
    FMinuteMarkLength = 0;
    FMinuteMarkWidth = 1;
    FBorderWidth = 4;
    FCenterPointOuterBorderColor = ui::clNone;
    FTickMarks = TTickMarks::tmAll;
    FHourMarkStyle = THourMarkStyle::hmsLine;
    AMPMColor = 16777215;
    AMPMBorderColor = 0;
    SecondPointerShadow = ui::clBtnShadow;
    BorderStyle = TWatchBorderStyle::wbLine;
    Rounding = 5;
    FHourFont = std::make_unique<ui::TFont>();
    FHourFont->SetName("Tahoma");
    FHourFont->SetSize(8);
    FAMPMFont = std::make_unique<ui::TFont>();
    FAMPMFont->SetName("Tahoma");
    FAMPMFont->SetSize(10);
    NewPicture();
}

void TWatchAppearance::SetSize(int Value)
{
    Store(FSize, Value);
}

void TWatchAppearance::SetHourPointer(ui::TColor Value)
{
    Store(FHourPointer, Value);
}

void TWatchAppearance::SetBackgroundColor(ui::TColor Value)
{
    Store(FBackgroundColor, Value);
}

void TWatchAppearance::SetMinutePointerShadow(ui::TColor Value)
{
    Store(FMinutePointerShadow, Value);
}

void TWatchAppearance::SetBackgroundColorTo(ui::TColor Value)
{
    Store(FBackgroundColorTo, Value);
}

void TWatchAppearance::SetHourPointerShadow(ui::TColor Value)
{
    Store(FHourPointerShadow, Value);
}

void TWatchAppearance::SetSecondPointer(ui::TColor Value)
{
    Store(FSecondPointer, Value);
}

void TWatchAppearance::SetBorderColor(ui::TColor Value)
{
    Store(FBorderColor, Value);
}

void TWatchAppearance::SetMinutePointer(ui::TColor Value)
{
    Store(FMinutePointer, Value);
}

void TWatchAppearance::SetAMPMFrame(TAMPMFrame Value)
{
    Store(FAMPMFrame, Value);
}

void TWatchAppearance::SetShape(TWatchShape Value)
{
    Store(FShape, Value);
}

void TWatchAppearance::SetPointerStyle(TPointerStyle Value)
{
    Store(FPointerStyle, Value);
}

void TWatchAppearance::SetHourPointerSize(int Value)
{
    Store(FHourPointerSize, std::clamp(Value, 0, 255));
}

void TWatchAppearance::SetSecondPointerSize(int Value)
{
    Store(FSecondPointerSize, std::clamp(Value, 0, 255));
}

void TWatchAppearance::SetMinutePointerSize(int Value)
{
    Store(FMinutePointerSize, std::clamp(Value, 0, 255));
}

void TWatchAppearance::SetHourColor(ui::TColor Value)
{
    Store(FHourColor, Value);
}

void TWatchAppearance::SetMinuteColor(ui::TColor Value)
{
    Store(FMinuteColor, Value);
}

void TWatchAppearance::SetCenterPointSize(int Value)
{
    Store(FCenterPointSize, std::clamp(Value, 0, 255));
}

void TWatchAppearance::SetCenterPointColor(ui::TColor Value)
{
    Store(FCenterPointColor, Value);
}

void TWatchAppearance::SetCenterPointBorderColor(ui::TColor Value)
{
    Store(FCenterPointBorderColor, Value);
}

void TWatchAppearance::SetBackgroundGradient(TWatchGradient Value)
{
    Store(FBackgroundGradient, Value);
}

void TWatchAppearance::SetHourMarkLength(int Value)
{
    Store(FHourMarkLength, std::clamp(Value, 0, 255));
}

void TWatchAppearance::SetHourMarkWidth(int Value)
{
    Store(FHourMarkWidth, std::clamp(Value, 0, 255));
}

void TWatchAppearance::SetMinuteMarkLength(int Value)
{
    Store(FMinuteMarkLength, std::clamp(Value, 0, 255));
}

void TWatchAppearance::SetMinuteMarkWidth(int Value)
{
    Store(FMinuteMarkWidth, std::clamp(Value, 0, 255));
}

void TWatchAppearance::SetBorderWidth(int Value)
{
    Store(FBorderWidth, Value);
}

void TWatchAppearance::SetCenterPointOuterBorderColor(ui::TColor Value)
{
    Store(FCenterPointOuterBorderColor, Value);
}

void TWatchAppearance::SetTickMarks(TTickMarks Value)
{
    Store(FTickMarks, Value);
}

void TWatchAppearance::SetHourMarkStyle(THourMarkStyle Value)
{
    Store(FHourMarkStyle, Value);
}

void TWatchAppearance::SetHourFont(const ui::TFont& Value)
{
    FHourFont->Assign(Value);
    Changed();
}

void TWatchAppearance::SetAMPMFont(const ui::TFont& Value)
{
    FAMPMFont->Assign(Value);
    Changed();
}

void TWatchAppearance::SetPicture(const ui::TPicture& Value)
{
    FPicture->Assign(Value);
    Changed();
}

void TWatchAppearance::Assign(const TWatchAppearance& Source)
{
    if (&Source == this)
        return;
    FSize = Source.FSize;
    FHourPointer = Source.FHourPointer;
    FBackgroundColor = Source.FBackgroundColor;
    FMinutePointerShadow = Source.FMinutePointerShadow;
    FBackgroundColorTo = Source.FBackgroundColorTo;
    FHourPointerShadow = Source.FHourPointerShadow;
    FSecondPointer = Source.FSecondPointer;
    FBorderColor = Source.FBorderColor;
    FMinutePointer = Source.FMinutePointer;
    FAMPMFrame = Source.FAMPMFrame;
    FShape = Source.FShape;
    FPointerStyle = Source.FPointerStyle;
    FHourPointerSize = Source.FHourPointerSize;
    FSecondPointerSize = Source.FSecondPointerSize;
    FMinutePointerSize = Source.FMinutePointerSize;
    FHourColor = Source.FHourColor;
    FMinuteColor = Source.FMinuteColor;
    FCenterPointSize = Source.FCenterPointSize;
    FCenterPointColor = Source.FCenterPointColor;
    FCenterPointBorderColor = Source.FCenterPointBorderColor;
    FBackgroundGradient = Source.FBackgroundGradient;
    FHourMarkLength = Source.FHourMarkLength;
    FHourMarkWidth = Source.FHourMarkWidth;
    FMinuteMarkLength = Source.FMinuteMarkLength;
    FMinuteMarkWidth = Source.FMinuteMarkWidth;
    FBorderWidth = Source.FBorderWidth;
    AMPMColor = Source.AMPMColor;
    AMPMBorderColor = Source.AMPMBorderColor;
    SecondPointerShadow = Source.SecondPointerShadow;
    BorderStyle = Source.BorderStyle;
    Rounding = Source.Rounding;
    FHourFont->Assign(*Source.FHourFont);
    FAMPMFont->Assign(*Source.FAMPMFont);
    FPicture->Assign(*Source.FPicture);
    Changed();
    SetCenterPointOuterBorderColor(Source.FCenterPointOuterBorderColor);
    SetTickMarks(Source.FTickMarks);
    SetHourMarkStyle(Source.FHourMarkStyle);
}

void TWatchSettings::Changed()
{
    if (OnChange)
        OnChange(this);
}

void TWatchSettings::SetAuto(bool Value)
{
    if (FAuto == Value)
        return;
    FAuto = Value;
    Changed();
}

void TWatchSettings::SetSecond(bool Value)
{
    if (FSeconds == Value)
        return;
    FSeconds = Value;
    Changed();
}

void TWatchSettings::SetTimeOffset(int Value)
{
    if (FTimeOffset == Value)
        return;
    FTimeOffset = Value;
    Changed();
}

void TWatchSettings::Assign(const TWatchSettings& Source)
{
    FSeconds = Source.FSeconds;
    FTimeOffset = Source.FTimeOffset;
    SetAuto(Source.FAuto);
}

}  // namespace dropdown
