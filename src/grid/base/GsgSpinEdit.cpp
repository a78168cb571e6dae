// The spin edit's values, limits, stepping and layout.
#include "grid/base/GsgSpinEdit.h"

#include <algorithm>

#include "platform/rtl/Conversions.h"
#include "platform/rtl/StrUtils.h"
#include "platform/rtl/Utf8.h"

namespace gx {

using rtl::TDateTime;

namespace {

// Code-point position (1-based) of ch in text from the code point `from` on; 0 when absent.
int posFrom(const std::u32string& text, char32_t ch, int from)
{
    for (std::size_t i = static_cast<std::size_t>(std::max(from, 0)); i < text.size(); ++i)
        if (text[i] == ch)
            return static_cast<int>(i) + 1;
    return 0;
}

template <class T>
T clampLimits(T v, T lo, T hi)
{
    if (lo == hi)
        return v;
    if (v < lo)
        return lo;
    if (v > hi)
        return hi;
    return v;
}

}  // namespace

TGsgSpinEdit::TGsgSpinEdit(ui::TComponent* AOwner) : ui::TMaskEdit(AOwner)
{
    FButton = new TGsgSpinButton(this);
    FButton->SetBounds(0, 0, 15, 17);
    FButton->SetVisible(true);
    FButton->SetParent(this);
    FButton->SetFocusControl(this);
    FButton->OnUpClick = [this](ui::TObject* sender) { UpClick(sender); };
    FButton->OnDownClick = [this](ui::TObject* sender) { DownClick(sender); };
    SetText("0");
    layout();
}

TGsgSpinEdit::~TGsgSpinEdit()
{
    MarkDestroying();
}

// ---------------------------------------------------------------------------------------------
// Values

int TGsgSpinEdit::Value() const
{
    const std::string t = rtl::Trim(Text());
    if (t.empty())
        return 0;
    int v = 0;
    return rtl::TryStrToInt(t, v) ? v : MinValue;
}

void TGsgSpinEdit::SetValue(int v)
{
    SetText(rtl::IntToStr(clampLimits(v, MinValue, MaxValue)));
    if (!EditorEnabled)
        SelectAll();
}

double TGsgSpinEdit::FloatValue() const
{
    double v = 0;
    return rtl::TryStrToFloat(Text(), v, rtl::Regional()) ? v : MinValue;
}

void TGsgSpinEdit::SetFloatValue(double v)
{
    if (MinFloatValue != MaxFloatValue) {
        if (v <= MinFloatValue)
            v = MinFloatValue;
        else if (v >= MaxFloatValue)
            v = MaxFloatValue;
    }
    SetText(FPrecision > 0 ? rtl::FloatToStrF(v, rtl::ffFixed, 15, FPrecision, rtl::Regional())
                           : rtl::FloatToStr(v, rtl::Regional()));
}

TDateTime TGsgSpinEdit::DateValue() const
{
    if (Text().empty() || Text() == "0")
        return rtl::Now();
    TDateTime v = 0;
    return rtl::TryStrToDate(Text(), v, rtl::Regional()) ? v : MinDateValue;
}

void TGsgSpinEdit::SetDateValue(TDateTime v)
{
    FDateValue = v;
    if (Loading())
        return;
    showKeepingCaret(rtl::FormatDateTime(rtl::Regional().ShortDateFormat, clampDate(FDateValue), rtl::Regional()));
}

TDateTime TGsgSpinEdit::TimeValue() const
{
    TDateTime v = 0;
    return rtl::TryStrToTime(Text(), v, rtl::Regional()) ? v : 0;
}

void TGsgSpinEdit::SetTimeValue(TDateTime v)
{
    FTimeValue = v;
    if (Loading())
        return;
    showKeepingCaret(timeText(clampDate(FTimeValue)));
}

std::string TGsgSpinEdit::timeText(TDateTime v) const
{
    return rtl::FormatDateTime(ShowSeconds ? rtl::Regional().LongTimeFormat : std::string("h:nn"), v, rtl::Regional());
}

TDateTime TGsgSpinEdit::clampDate(TDateTime v) const
{
    return clampLimits(v, MinDateValue, MaxDateValue);
}

void TGsgSpinEdit::showKeepingCaret(const std::string& text)
{
    const int caret = SelStart();
    SetText(text);
    SetSelStart(caret);
}

void TGsgSpinEdit::SetSpinType(TGsgSpinType v)
{
    FSpinType = v;
    switch (v) {
    case TGsgSpinType::sptNormal:
        SetValue(Value());
        break;
    case TGsgSpinType::sptFloat:
        SetFloatValue(FloatValue());
        break;
    case TGsgSpinType::sptDate:
        SetDateValue(DateValue());
        break;
    case TGsgSpinType::sptTime:
        SetTimeValue(TimeValue());
        break;
    }
}

void TGsgSpinEdit::SetPrecision(int v)
{
    FPrecision = v;
    if (FSpinType == TGsgSpinType::sptFloat)
        SetFloatValue(FloatValue());
}

void TGsgSpinEdit::Loaded()
{
    ui::TMaskEdit::Loaded();
    if (FSpinType == TGsgSpinType::sptDate)
        SetText(rtl::FormatDateTime(rtl::Regional().ShortDateFormat, FDateValue, rtl::Regional()));
    else if (FSpinType == TGsgSpinType::sptTime)
        SetText(timeText(FTimeValue));
    SetSpinType(FSpinType);
}

// ---------------------------------------------------------------------------------------------
// Stepping

void TGsgSpinEdit::UpClick(ui::TObject* /*Sender*/)
{
    StepUp(false);
}

void TGsgSpinEdit::DownClick(ui::TObject* /*Sender*/)
{
    StepDown(false);
}

void TGsgSpinEdit::StepUp(bool Page)
{
    step(+1, Page);
}

void TGsgSpinEdit::StepDown(bool Page)
{
    step(-1, Page);
}

void TGsgSpinEdit::step(int direction, bool page)
{
    if (ReadOnly()) {
        ui::MessageBeep(0);
        return;
    }
    switch (FSpinType) {
    case TGsgSpinType::sptNormal:
        SetValue(Value() + direction * Increment);
        break;
    case TGsgSpinType::sptFloat:
        SetFloatValue(FloatValue() + direction * (page ? IncrementFloatPage : IncrementFloat));
        break;
    case TGsgSpinType::sptDate:
        stepDate(direction);
        break;
    case TGsgSpinType::sptTime:
        stepTime(direction);
        break;
    }
}

void TGsgSpinEdit::stepDate(int direction)
{
    const rtl::TFormatSettings& fs = rtl::Regional();
    const std::u32string text = rtl::Utf8ToCodePoints(Text());
    const char32_t sep = static_cast<unsigned char>(fs.DateSeparator);
    const int p1 = posFrom(text, sep, 0);
    const int p2 = p1 > 0 ? posFrom(text, sep, p1) : 0;
    const int s = SelStart();
    const std::string upper = rtl::UpperCase(fs.ShortDateFormat);
    FUsDates = rtl::Pos("M", upper) < rtl::Pos("D", upper);

    enum { day, month, year } field = year;
    if (s < p1)
        field = FUsDates ? month : day;
    else if (s < p2)
        field = FUsDates ? day : month;

    TDateTime value = DateValue();
    switch (field) {
    case day:
        value += direction;
        break;
    case month:
        value = rtl::IncMonth(value, direction);
        break;
    case year: {
        // The same month and day a year on; a 29 February that the new year lacks becomes the
        // 28th, so that the value stays a date.
        int y = 0, m = 0, d = 0;
        rtl::DecodeDate(value, y, m, d);
        y += direction;
        d = std::min(d, rtl::DaysInAMonth(y, m));
        TDateTime moved = 0;
        if (rtl::TryEncodeDate(y, m, d, moved))
            value = moved;
        break;
    }
    }
    SetDateValue(value);
}

void TGsgSpinEdit::stepTime(int direction)
{
    const rtl::TFormatSettings& fs = rtl::Regional();
    const std::u32string text = rtl::Utf8ToCodePoints(Text());
    const char32_t sep = static_cast<unsigned char>(fs.TimeSeparator);
    const int p1 = posFrom(text, sep, 0);
    const int p2 = p1 > 0 ? posFrom(text, sep, p1) : 0;
    const int s = SelStart();
    double stepDays = 0;
    if (s < p1)
        stepDays = IncrementHours / 24.0;
    else if (ShowSeconds && s >= p2)
        stepDays = IncrementSeconds / 86400.0;
    else
        stepDays = IncrementMinutes / 1440.0;
    if (direction > 0) {
        SetTimeValue(TimeValue() + stepDays);
    } else {
        double v = TimeValue() + 1 - stepDays;
        if (v > 1)
            v -= 1;
        SetTimeValue(v);
    }
}

// ---------------------------------------------------------------------------------------------
// Look and layout

void TGsgSpinEdit::SetDirection(TSpinDirection v)
{
    FDirection = v;
    FButton->SetDirection(v);
    SetWidth(Width() + 1);
    SetWidth(Width() - 1);
}

void TGsgSpinEdit::SetSpinTransparent(bool v)
{
    FSpinTransparent = v;
    FButton->SetTransparent(v);
    SetWidth(Width() + 1);
    SetWidth(Width() - 1);
}

void TGsgSpinEdit::SetSpinFlat(bool v)
{
    FSpinFlat = v;
    FButton->SetFlat(v);
}

void TGsgSpinEdit::SetEditAlign(TEditAlign v)
{
    FEditAlign = v;
    switch (v) {
    case TEditAlign::eaLeft:
        SetAlignment(ui::TAlignment::taLeftJustify);
        break;
    case TEditAlign::eaRight:
        SetAlignment(ui::TAlignment::taRightJustify);
        break;
    case TEditAlign::eaCenter:
        SetAlignment(ui::TAlignment::taCenter);
        break;
    }
}

void TGsgSpinEdit::SetIsWinXP(bool v)
{
    FIsWinXP = v;
    FButton->SetIsWinXP(v);
}

int TGsgSpinEdit::MinHeight() const
{
    ui::TCanvas measure;
    measure.Font()->Assign(*Font());
    const int fontHeight = measure.TextHeight("0");
    ui::TCanvas system;
    const int systemHeight = system.TextHeight("0");
    constexpr int kBorderHeight = 1;  // the desktop's thin border
    return fontHeight + std::min(systemHeight, fontHeight) / 4 + 2 +
           (BorderStyle() == ui::TBorderStyle::bsSingle ? 4 * kBorderHeight : 0);
}

void TGsgSpinEdit::SetBounds(int left, int top, int width, int height)
{
    ui::TMaskEdit::SetBounds(left, top, width, height);
    if (FButton && !Destroying())
        layout();
}

void TGsgSpinEdit::FontChanged()
{
    ui::TMaskEdit::FontChanged();
    if (FButton && !Destroying())
        layout();
}

void TGsgSpinEdit::layout()
{
    if (FLayingOut)
        return;
    FLayingOut = true;
    const int min = MinHeight();
    if (Height() < min) {
        ui::TMaskEdit::SetBounds(Left(), Top(), Width(), min);
    }
    const bool single = BorderStyle() == ui::TBorderStyle::bsSingle;
    const int d = single ? 5 : 1;
    const int bw = FButton->Width();
    FButton->SetBounds(Width() - bw - d, 0, bw, Height() - d);
    const int m = single ? 0 : 3;
    const ui::TRect r(m, m, ClientWidth() - bw - 2 - m, ClientHeight() + 1);
    Perform(ui::EM_SETRECTNP, 0, reinterpret_cast<std::intptr_t>(&r));
    FLayingOut = false;
}

}  // namespace gx
