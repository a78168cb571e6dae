// The complete looks of the watch (TWatchStyle) and its colour presets for the shared styles.
#include <algorithm>

#include "controls/dropdown/GxDropDownDraw.h"
#include "controls/dropdown/GxWatch.h"

namespace dropdown {

using namespace ui;

namespace {

constexpr TColor kShadow = clBtnShadow;  // system colour 16
constexpr TColor kText = clWindowText;   // system colour 8
constexpr TColor kFace = clBtnFace;      // system colour 15

void SetStyleFont(TFont& f, const char* name, int size, TFontStyles style)
{
    if (name)
        f.SetName(name);
    if (size > 0)
        f.SetSize(size);
    f.SetStyle(style);
}

// One look per watch style, applied over the appearance's defaults; side is the smaller of the
// watch's width and height.
void Classic(TGxWatch& w, TWatchAppearance& a, TFont& hf, TFont& af, int)
{
    a.SetHourMarkLength(8);
    a.SetHourPointer(0);
    a.SetHourPointerShadow(kShadow);
    a.SetHourPointerSize(5);
    a.SetMinutePointerShadow(kShadow);
    a.SetMinuteMarkLength(4);
    w.SetAnimation(true);
    w.SetAnimationFactor(10);
    w.SetShowAMPM(true);
    w.SetShowNumbers(true);
    SetStyleFont(hf, "Comic Sans MS", 10, fsBold);
    SetStyleFont(af, "MS Sans Serif", 0, 0);
}

void Tower(TGxWatch& w, TWatchAppearance& a, TFont& hf, TFont& af, int)
{
    a.SetAMPMFrame(TAMPMFrame::apRect);
    a.SetBorderWidth(1);
    a.SetBackgroundColor(11661566);
    a.SetBackgroundGradient(TWatchGradient::wgDiagonalForward);
    a.SetCenterPointColor(11221);
    a.SetCenterPointSize(6);
    a.SetHourPointer(0);
    a.SetHourPointerShadow(kShadow);
    a.SetHourPointerSize(5);
    a.SetMinutePointerShadow(kShadow);
    a.SetSecondPointer(11221);
    a.SetShape(TWatchShape::wsRect);
    a.SetPointerStyle(TPointerStyle::psPointer);
    a.SetBackgroundColorTo(6016232);
    a.AMPMColor = 11661566;
    w.SetShowNumbers(false);
    a.SetTickMarks(TTickMarks::tmHours);
    hf.SetColor(kText);
    SetStyleFont(hf, "Century", 0, fsBold);
    SetStyleFont(af, "MS Sans Serif", 0, 0);
}

void Fluorescent(TGxWatch& w, TWatchAppearance& a, TFont& hf, TFont& af, int)
{
    a.SetAMPMFrame(TAMPMFrame::apRoundRect);
    a.SetBorderColor(16727614);
    a.SetBackgroundColor(0);
    a.SetBackgroundColorTo(0);
    a.SetCenterPointColor(16727614);
    a.SetCenterPointBorderColor(0);
    a.SetCenterPointSize(20);
    a.SetHourColor(16727614);
    a.SetHourMarkLength(10);
    a.SetHourPointer(16727614);
    a.SetHourPointerShadow(kShadow);
    a.SetHourPointerSize(2);
    a.SetMinuteColor(16727614);
    a.SetMinutePointer(16727614);
    a.SetMinutePointerShadow(kShadow);
    a.SetMinutePointerSize(2);
    a.SetShape(TWatchShape::wsRoundRect);
    a.SetCenterPointOuterBorderColor(0);
    a.SetHourMarkWidth(2);
    a.SetHourMarkStyle(THourMarkStyle::hmsQuartDblLine);
    a.SetTickMarks(TTickMarks::tmHours);
    w.SetShowAMPM(false);
    w.SetShowNumbers(false);
    hf.SetColor(kText);
    SetStyleFont(hf, "MS Sans Serif", 8, 0);
    af.SetColor(kText);
    SetStyleFont(af, "MS Sans Serif", 10, 0);
}

void Emerald(TGxWatch& w, TWatchAppearance& a, TFont& hf, TFont& af, int)
{
    a.SetAMPMFrame(TAMPMFrame::apRoundRect);
    a.SetBorderColor(3860480);
    a.SetBackgroundColor(3860480);
    a.SetBackgroundColorTo(0);
    a.SetBackgroundGradient(TWatchGradient::wgDiagonalForward);
    a.SetCenterPointBorderColor(4259584);
    a.SetCenterPointColor(3727616);
    a.SetCenterPointSize(16);
    a.SetHourPointer(4259584);
    a.SetHourPointerShadow(kShadow);
    a.SetHourPointerSize(5);
    a.SetMinutePointer(4259584);
    a.SetMinutePointerShadow(kShadow);
    a.SetShape(TWatchShape::wsRect);
    a.SetPointerStyle(TPointerStyle::psPointer);
    a.AMPMColor = clNone;
    a.SetCenterPointOuterBorderColor(0);
    a.SetHourMarkStyle(THourMarkStyle::hmsQuartDblLine);
    a.SetHourColor(3860480);
    a.SetSecondPointer(65535);
    a.SetTickMarks(TTickMarks::tmHours);
    w.SetShowNumbers(false);
    w.SetShowAMPM(false);
    SetStyleFont(hf, "MS Sans Serif", 0, 0);
    hf.SetColor(3860480);
    af.SetColor(10485760);
    SetStyleFont(af, "MS Sans Serif", 0, 0);
}

void BlueStar(TGxWatch& w, TWatchAppearance& a, TFont& hf, TFont& af, int)
{
    a.AMPMBorderColor = clNone;
    a.SetAMPMFrame(TAMPMFrame::apRoundRect);
    a.SetBorderColor(16766421);
    a.SetBackgroundColor(16766421);
    a.SetBackgroundColorTo(10485760);
    a.SetBackgroundGradient(TWatchGradient::wgRadial);
    a.SetHourPointer(10485760);
    a.SetHourPointerShadow(kShadow);
    a.SetHourPointerSize(5);
    a.SetMinutePointer(10485760);
    a.SetMinutePointerShadow(kShadow);
    a.SetShape(TWatchShape::wsRoundRect);
    a.SetPointerStyle(TPointerStyle::psPointer);
    a.AMPMColor = clNone;
    w.SetShowAMPM(true);
    w.SetShowNumbers(true);
    SetStyleFont(hf, "MS Sans Serif", 8, 0);
    hf.SetColor(16766421);
    af.SetColor(10485760);
    SetStyleFont(af, "MS Sans Serif", 10, 0);
}

void Fuchsia(TGxWatch& w, TWatchAppearance& a, TFont& hf, TFont& af, int)
{
    a.SetAMPMFrame(TAMPMFrame::apRoundRect);
    a.SetBorderColor(16765183);
    a.SetBackgroundColor(0);
    a.SetBackgroundColorTo(0);
    a.SetCenterPointBorderColor(14510301);
    a.SetCenterPointSize(20);
    a.SetHourColor(16765183);
    a.SetHourMarkLength(10);
    a.SetHourPointer(16765183);
    a.SetHourPointerShadow(kShadow);
    a.SetHourPointerSize(2);
    a.SetMinuteColor(16765183);
    a.SetMinutePointer(16765183);
    a.SetMinutePointerShadow(kShadow);
    a.SetMinutePointerSize(2);
    a.SetShape(TWatchShape::wsRect);
    a.SetCenterPointOuterBorderColor(0);
    a.SetHourMarkWidth(2);
    a.SetHourMarkStyle(THourMarkStyle::hmsQuartDblLine);
    a.SetSecondPointer(14510301);
    a.SetTickMarks(TTickMarks::tmQuartHours);
    w.SetShowAMPM(false);
    w.SetShowNumbers(false);
    hf.SetColor(kText);
    SetStyleFont(hf, "MS Sans Serif", 8, 0);
    af.SetColor(kText);
    SetStyleFont(af, "MS Sans Serif", 10, 0);
}

void Black(TGxWatch& w, TWatchAppearance& a, TFont& hf, TFont& af, int)
{
    a.SetBackgroundColor(2105376);
    a.SetBackgroundColorTo(clNone);
    a.SetBorderColor(0);
    a.SetCenterPointBorderColor(16777215);
    a.SetCenterPointOuterBorderColor(16777215);
    a.SetCenterPointColor(16777215);
    a.SetHourColor(5789784);
    a.SetHourPointer(16777215);
    a.SetHourPointerShadow(kShadow);
    a.SetHourPointerSize(5);
    a.SetMinuteColor(5789784);
    a.SetMinutePointer(16777215);
    a.SetMinutePointerShadow(kShadow);
    a.SetMinuteMarkLength(4);
    w.SetShowAMPM(false);
    w.SetShowNumbers(true);
    hf.SetColor(16777215);
    SetStyleFont(hf, "Century Gothic", 11, 0);
    SetStyleFont(af, "MS Sans Serif", 0, 0);
}

void BlackWhite(TGxWatch& w, TWatchAppearance& a, TFont& hf, TFont&, int)
{
    a.SetBackgroundColor(16777215);
    a.SetBackgroundColorTo(clNone);
    a.SetBorderColor(0);
    a.SetBorderWidth(8);
    a.SetCenterPointBorderColor(0);
    a.SetCenterPointOuterBorderColor(0);
    a.SetCenterPointColor(0);
    a.SetCenterPointSize(8);
    a.SetHourColor(5789784);
    a.SetHourPointer(0);
    a.SetHourPointerShadow(kShadow);
    a.SetHourPointerSize(5);
    a.SetMinutePointer(0);
    a.SetMinutePointerShadow(kShadow);
    a.SetMinuteMarkLength(4);
    a.SetSecondPointer(128);
    a.SetPointerStyle(TPointerStyle::psPointer);
    a.SetTickMarks(TTickMarks::tmQuartHours);
    w.SetShowAMPM(false);
    w.SetShowNumbers(true);
    hf.SetColor(0);
    SetStyleFont(hf, "Century Gothic", 14, fsBold);
}

void Gray(TGxWatch& w, TWatchAppearance& a, TFont& hf, TFont& af, int)
{
    a.SetBackgroundColor(13750737);
    a.SetBackgroundColorTo(7105644);
    a.SetBackgroundGradient(TWatchGradient::wgRadial);
    a.SetBorderColor(4539717);
    a.SetCenterPointBorderColor(4539717);
    a.SetCenterPointColor(0);
    a.SetCenterPointOuterBorderColor(clNone);
    a.SetHourColor(0);
    a.SetHourPointer(5131854);
    a.SetHourPointerShadow(clNone);
    a.SetHourPointerSize(1);
    a.SetMinuteColor(8421504);
    a.SetMinutePointer(5131854);
    a.SetMinutePointerShadow(clNone);
    a.SetMinutePointerSize(1);
    a.SetSecondPointer(255);
    w.SetShowAMPM(true);
    w.SetShowNumbers(true);
    SetStyleFont(hf, "Comic Sans MS", 8, 0);
    af.SetName("MS Sans Serif");
    af.SetSize(10);
}

void SuperNova(TGxWatch& w, TWatchAppearance& a, TFont&, TFont&, int side)
{
    a.SetBackgroundColorTo(13751251);
    a.SetBorderColor(clNone);
    a.SetCenterPointOuterBorderColor(0);
    a.SetCenterPointSize(10);
    // Mark lengths follow the size; they are one byte, so a large watch gets 255 at most.
    a.SetHourMarkLength(std::min(255, RoundEven(side / 4.5)));
    a.SetHourPointer(0);
    a.SetHourPointerShadow(kShadow);
    a.SetMinuteColor(8421504);
    a.SetMinuteMarkLength(std::min(255, side / 3));
    a.SetMinutePointer(0);
    w.SetShowAMPM(false);
    w.SetShowNumbers(false);
}

void Sports(TGxWatch& w, TWatchAppearance& a, TFont& hf, TFont&, int side)
{
    a.SetBackgroundColor(0);
    a.SetBackgroundColorTo(clNone);
    a.SetBorderColor(0);
    a.SetBorderWidth(1);
    a.SetCenterPointBorderColor(16711680);
    a.SetCenterPointOuterBorderColor(0);
    a.SetCenterPointColor(1644825);
    a.SetCenterPointSize(std::min(255, RoundEven(side / 3.6)));
    a.SetHourColor(11251889);
    a.SetHourPointer(255);
    a.SetHourPointerShadow(clNone);
    a.SetHourPointerSize(2);
    a.SetMinuteColor(8421504);
    a.SetMinutePointer(65535);
    a.SetMinutePointerSize(2);
    a.SetMinutePointerShadow(clNone);
    a.SetMinuteMarkLength(1);
    a.SetSecondPointer(1608702);
    a.SetTickMarks(TTickMarks::tmQuartHours);
    w.SetShowAMPM(false);
    w.SetShowNumbers(true);
    hf.SetColor(7960953);
    SetStyleFont(hf, "Times New Roman", 9, 0);
}

void Smooth(TGxWatch& w, TWatchAppearance& a, TFont& hf, TFont&, int)
{
    a.SetBackgroundColor(16777215);
    a.SetBackgroundColorTo(11251889);
    a.SetBorderColor(5789784);
    a.SetBorderWidth(1);
    a.SetCenterPointBorderColor(0);
    a.SetCenterPointOuterBorderColor(4868682);
    a.SetCenterPointColor(16777215);
    a.SetCenterPointSize(6);
    a.SetHourColor(11251889);
    a.SetHourPointer(4868682);
    a.SetHourPointerShadow(11711154);
    a.SetHourPointerSize(2);
    a.SetMinuteColor(8421504);
    a.SetMinutePointer(4868682);
    a.SetMinutePointerSize(2);
    a.SetMinutePointerShadow(11711154);
    a.SetMinuteMarkLength(1);
    a.SetSecondPointer(4868682);
    a.SetTickMarks(TTickMarks::tmQuartHours);
    w.SetShowAMPM(false);
    w.SetShowNumbers(true);
    hf.SetColor(7960953);
    SetStyleFont(hf, "Times New Roman", 9, 0);
}

}  // namespace

void TGxWatch::SetStyle(TWatchStyle Value)
{
    if (FStyle == Value)
        return;
    FStyle = Value;
    ApplyStyle(Value);
}

void TGxWatch::ApplyStyle(TWatchStyle Value)
{
    using StyleFn = void (*)(TGxWatch&, TWatchAppearance&, TFont&, TFont&, int);
    struct StyleEntry {
        TWatchStyle style;
        StyleFn apply;
    };
    static constexpr StyleEntry kStyles[] = {
        {TWatchStyle::wsClassic, Classic},
        {TWatchStyle::wsTower, Tower},
        {TWatchStyle::wsFluorescent, Fluorescent},
        {TWatchStyle::wsEmerald, Emerald},
        {TWatchStyle::wsBlueStar, BlueStar},
        {TWatchStyle::wsFuchsia, Fuchsia},
        {TWatchStyle::wsBlack, Black},
        {TWatchStyle::wsBlackWhite, BlackWhite},
        {TWatchStyle::wsGray, Gray},
        {TWatchStyle::wsSuperNova, SuperNova},
        {TWatchStyle::wsSports, Sports},
        {TWatchStyle::wsSmooth, Smooth},
    };
    TWatchAppearance& a = FAppearance;
    a.SetDefaults();
    const int side = std::min(Width(), Height());
    for (const StyleEntry& e : kStyles)
        if (e.style == Value)
            e.apply(*this, a, *a.HourFont(), *a.AMPMFont(), side);
    Invalidate();
}

void TGxWatch::SetComponentStyle(gx::TGxStyle AStyle)
{
    ApplyWatchColorPreset(FAppearance, AStyle);
    Invalidate();
}

void ApplyWatchColorPreset(TWatchAppearance& a, gx::TGxStyle AStyle)
{
    a.SetCenterPointOuterBorderColor(0);
    a.HourFont()->SetColor(0);
    a.AMPMFont()->SetColor(0);
    struct Preset {
        TColor AMPMBorder, AMPM, Back, BackTo, Border, CenterBorder, Center, Hour, Minute, HourShadow, HourHand,
            MinuteShadow, MinuteHand, SecondHand;
    };
    Preset p{};
    using gx::TGxStyle;
    switch (AStyle) {
    case TGxStyle::tsCustom:
        return;
    case TGxStyle::tsOffice2003Blue:
        p = {9841920,  14059353, 16765615, 16765615, 14059353, 14059353, 14059353,
             14059353, 14059353, 16777215, 14059353, 16777215, 14059353, 16777215};
        break;
    case TGxStyle::tsOffice2003Silver:
        p = {9841920,  12428453, 15128792, 15128792, 12428453, 12428453, 12428453,
             12428453, 12428453, 16777215, 12428453, 16777215, 12428453, 16777215};
        break;
    case TGxStyle::tsOffice2003Olive:
        p = {9841920, 8569007, 12184289, 12184289, 8569007,  8569007, 8569007,
             8569007, 8569007, 16777215, 8569007,  16777215, 8569007, 16777215};
        break;
    case TGxStyle::tsOffice2003Classic:
        p = {9841920, 8421504, 15921906, 15921906, 8421504,  8421504, 8421504,
             8421504, 8421504, 16777215, 8421504,  16777215, 8421504, 8421504};
        break;
    case TGxStyle::tsOffice2007Luna:
        p = {15785680, 15785680, 16773091, 16773091, 15785680, 16773091, 16773091,
             7485192,  7485192,  16777215, 7485192,  16777215, 7485192,  7485192};
        break;
    case TGxStyle::tsOffice2007Obsidian:
        p = {15921648, 6050636,  6050636,  6050636,  15921648, 16773091, 16773091,
             15921648, 15921648, 16777215, 15921648, 16777215, 15921648, 15921648};
        break;
    case TGxStyle::tsWindowsXP:
        p = {0, kFace, kFace, kFace, 0, 0, 0, 0, 0, 16777215, 0, 16777215, 0, 0};
        break;
    case TGxStyle::tsWhidbey:
        p = {8296600, 16120314, 16120314, 16120314, 8296600,  8296600, 8296600,
             8296600, 8296600,  16777215, 8296600,  16777215, 8296600, 8296600};
        break;
    case TGxStyle::tsOffice2007Silver:
        p = {15261915, 16315633, 16315633, 16315633, 15261915, 15261915, 7630959,
             7630959,  7630959,  16777215, 7630959,  16777215, 7630959,  7630959};
        break;
    case TGxStyle::tsWindowsVista:
        p = {16703386, 16776697, 16776697, 16775920, 16703386, 16703386, 16703386,
             16703386, 16703386, 16777215, 16703386, 16777215, 16703386, 16703386};
        break;
    case TGxStyle::tsWindows7:
        p = {16504504, 16645114, 16645114, 16643051, 16504504, 16504504, 16504504,
             16504504, 16504504, 16777215, 16504504, 16777215, 16504504, 16504504};
        break;
    case TGxStyle::tsTerminal:
        p = {8421504, kFace,   kFace,    kFace,   8421504,  8421504, 8421504,
             8421504, 8421504, 16777215, 8421504, 16777215, 8421504, 8421504};
        break;
    case TGxStyle::tsOffice2010Blue:
        p = {13087391, 15784647, 16643823, 16643823, 13087391, 13087391, 13087391,
             13087391, 13087391, 16777215, 13087391, 16777215, 13087391, 13087391};
        break;
    case TGxStyle::tsOffice2010Silver:
        p = {13815240, 15590880, 16777215, 16777215, 13815240, 13815240, 13815240,
             13815240, 13815240, 12632256, 13815240, 12632256, 13815240, 13815240};
        break;
    case TGxStyle::tsOffice2010Black:
        p = {7171437, 9539985, 12566463, 12566463, 7171437,  7171437, 7171437,
             7171437, 7171437, 16777215, 7171437,  16777215, 7171437, 7171437};
        break;
    }
    a.AMPMBorderColor = p.AMPMBorder;
    a.AMPMColor = p.AMPM;
    a.SetBackgroundColor(p.Back);
    a.SetBackgroundColorTo(p.BackTo);
    a.SetBorderColor(p.Border);
    a.SetCenterPointBorderColor(p.CenterBorder);
    a.SetCenterPointColor(p.Center);
    a.SetHourColor(p.Hour);
    a.SetMinuteColor(p.Minute);
    a.SetHourPointerShadow(p.HourShadow);
    a.SetHourPointer(p.HourHand);
    a.SetMinutePointerShadow(p.MinuteShadow);
    a.SetMinutePointer(p.MinuteHand);
    a.SetSecondPointer(p.SecondHand);
    if (AStyle == TGxStyle::tsOffice2007Obsidian) {
        a.AMPMFont()->SetColor(15921648);
        a.HourFont()->SetColor(15921648);
    }
}

}  // namespace dropdown
