#include "controls/dropdown/GxCalculatorDropdown.h"

#include <charconv>
#include <cmath>

#include "controls/dropdown/GxCalcButtonPanel.h"
#include "controls/dropdown/GxDropDownForm.h"
#include "controls/dropdown/GxDropDownText.h"
#include "platform/rtl/Conversions.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/Regional.h"
#include "platform/rtl/Utf8.h"

namespace dropdown {

using namespace ui;

namespace {

constexpr int kAdd = 0, kMultiply = 1, kSubtract = 2, kDivide = 3;

bool IsDigit(char32_t c)
{
    return c >= U'0' && c <= U'9';
}

char DecimalSeparator()
{
    return rtl::Regional().DecimalSeparator;
}

// x in its shortest decimal form with the regional decimal separator.
std::string Shortest(double x)
{
    char buffer[64];
    const auto r = std::to_chars(buffer, buffer + sizeof buffer, x);
    std::string s(buffer, r.ptr);
    for (char& c : s)
        if (c == '.')
            c = DecimalSeparator();
    return s;
}

}  // namespace

TGxCalculatorDropdown::TGxCalculatorDropdown(TComponent* AOwner) : TGxCustomDropDown(AOwner)
{
    if (!(ComponentState() & csDesigning))
        CreateDropDownForm();
    SetDropDownColor(16777215);
    SetDropDownWidth(230);
    DropDownHeader()->SetVisible(false);
    DropDownFooter()->SetVisible(false);
    SetEditType(TDropDownEditType::etFloat);
    SetPrecision(2);
}

void TGxCalculatorDropdown::Notification(TComponent* AComponent, TOperation Operation)
{
    TGxCustomDropDown::Notification(AComponent, Operation);
    if (Operation == TOperation::opRemove && AComponent == FGxButtonPanel)
        FGxButtonPanel = nullptr;
}

void TGxCalculatorDropdown::CreateDropDownForm()
{
    TGxCustomDropDown::CreateDropDownForm();
    if (FGxButtonPanel || !DropDownForm())
        return;
    FGxButtonPanel = new TCustomButtonPanel(this);
    FGxButtonPanel->SetParent(DropDownForm());
    FGxButtonPanel->SetGxDropDown(this);
    FGxButtonPanel->SetBounds(0, 0, FGxButtonPanel->Width(), 150);
    FGxButtonPanel->InitButtons();
    SetControl(FGxButtonPanel);
    FGxButtonPanel->OnButtonClick = [this](TObject*, int index) { ButtonClick(index); };
}

void TGxCalculatorDropdown::DoBeforeDropDown()
{
    TGxCustomDropDown::DoBeforeDropDown();
    if (DropDownForm())
        DropDownForm()->CancelOnDeActivate = false;
    if (FGxButtonPanel) {
        FGxButtonPanel->SetButtonAppearance(FCalcButtonAppearance);
        FGxButtonPanel->SetColor(DropDownColor());
        FGxButtonPanel->ArrangeButtons();
    }
    FNewval = true;
    FDecim = 0;
}

void TGxCalculatorDropdown::SetComponentStyle(gx::TGxStyle AStyle)
{
    TGxCustomDropDown::SetComponentStyle(AStyle);
    const TGxButtonAppearance& b = *ButtonAppearance();
    TButtonAppearance& c = FCalcButtonAppearance;
    c.SetBorderColor(b.BorderColor());
    c.SetBorderColorHot(b.BorderColorHot());
    c.SetBorderColorDown(b.BorderColorDown());
    c.SetBorderColorChecked(b.BorderColorDisabled());
    c.SetColor(b.Color());
    c.SetColorTo(b.ColorTo());
    c.SetColorDown(b.ColorDown());
    c.SetColorDownTo(b.ColorDownTo());
    c.SetColorHot(b.ColorHot());
    c.SetColorHotTo(b.ColorHotTo());
    c.SetColorChecked(b.ColorDisabledTo());
    c.SetColorCheckedTo(b.ColorHotTo());
    c.SetColorDisabled(b.ColorDisabled());
    c.SetColorDisabledTo(b.ColorDisabledTo());
    const bool office2010 = AStyle == gx::TGxStyle::tsOffice2010Blue || AStyle == gx::TGxStyle::tsOffice2010Silver ||
                            AStyle == gx::TGxStyle::tsOffice2010Black;
    c.GlowColorHot = office2010 ? b.ColorHot() : b.ColorDownTo();
    c.GlowColorDown = office2010 ? b.ColorHot() : 14008900;
}

void TGxCalculatorDropdown::SetShowThousandSeparator(bool Value)
{
    if (Value == FShowThousandSeparator)
        return;
    FShowThousandSeparator = Value;
    const double v = GetFloatValue();
    SetEditType(Value ? TDropDownEditType::etMoney : TDropDownEditType::etFloat);
    SetFloatValue(v);
}

double TGxCalculatorDropdown::Convert() const
{
    return rtl::StrToFloat(RemoveThousandSeparators(Text()));
}

double TGxCalculatorDropdown::Value()
{
    if (Text().empty())
        SetZeroText();
    double v = 0;
    return rtl::TryStrToFloat(RemoveThousandSeparators(Text()), v) ? v : 0.0;
}

void TGxCalculatorDropdown::SetValue(double Value)
{
    SetText(rtl::Format("%g", {Value}));
}

void TGxCalculatorDropdown::ZeroIfEmptyOrError()
{
    if (Text().empty() || Text() == "Error")
        SetZeroText();
}

void TGxCalculatorDropdown::CalcPending()
{
    ZeroIfEmptyOrError();
    const double x = Convert();
    switch (FPrevop) {
    case kAdd:
        FPrevval += x;
        break;
    case kMultiply:
        FPrevval *= x;
        break;
    case kSubtract:
        FPrevval -= x;
        break;
    case kDivide:
        if (x == 0) {
            FPrevval = 0;
            SetText("Error");
            return;
        }
        FPrevval /= x;
        break;
    default:
        FPrevval = x;
        break;
    }
    if (!std::isfinite(FPrevval))
        FPrevval = 0;  // an overflow counts as an arithmetic error: the result is 0
    SetFloatValue(FPrevval);
    FNewval = true;
}

void TGxCalculatorDropdown::CalcOperator(int Op)
{
    CalcPending();
    FPrevop = Op;
}

void TGxCalculatorDropdown::CalcEquals()
{
    CalcPending();
    if (Text().empty())
        SetZeroText();
    FPrevop = -1;
    if (Text() != "Error")
        FPrevval = Convert();
}

void TGxCalculatorDropdown::CalcPercent()
{
    ZeroIfEmptyOrError();
    const double x = Convert();
    SetText(rtl::Format("%g", {FPrevval * x / 100}));
}

void TGxCalculatorDropdown::ClearAll()
{
    SetZeroText();
    FPrevval = 0;
    FPrevop = -1;
}

void TGxCalculatorDropdown::ButtonClick(int Index)
{
    if (!FGxButtonPanel || !FGxButtonPanel->Buttons()->Valid(Index))
        return;
    BeforeCalcAction();
    const int tag = FGxButtonPanel->Buttons()->GetItem(Index)->Tag();
    if ((tag >= 10 && tag <= 14) || (tag >= 16 && tag <= 18))
        FDecim = 0;
    const bool entry = (tag >= 0 && tag <= 9) || tag == 14 || tag == 15;
    if (entry && MaxLength() > 0 && ValueLength() >= MaxLength())
        return;
    switch (tag) {
    case 0:
    case 1:
    case 2:
    case 3:
    case 4:
    case 5:
    case 6:
    case 7:
    case 8:
    case 9: {
        const double v = FloatValue();
        if ((v == 0 && FDecim == 0) || FNewval) {
            SetText(std::to_string(tag));
            FNewval = false;
        } else if (FDecim > 0) {
            SetFloatValue(v + static_cast<double>(tag) / FDecim);
            FDecim *= 10;
        } else {
            SetFloatValue(v * 10 + tag);
        }
        break;
    }
    case 10:
        CalcOperator(kAdd);
        break;
    case 11:
        CalcOperator(kSubtract);
        break;
    case 12:
        CalcOperator(kMultiply);
        break;
    case 13:
        CalcOperator(kDivide);
        break;
    case 14: {
        std::string t = Text();
        if (t.find('-') != std::string::npos)
            SetText(t.substr(1));
        else
            SetText("-" + t);
        break;
    }
    case 15:
        if (Text().find(DecimalSeparator()) == std::string::npos)
            SetText(Text() + DecimalSeparator());
        FDecim = 10;
        if (FNewval)
            SetZeroText();
        FNewval = false;
        break;
    case 16:
    case 30:
    case 32:
        ClearAll();
        break;
    case 17:
        CalcEquals();
        break;
    case 18:
        CalcPercent();
        break;
    case 31:
        if (FPrevop < 0) {
            std::string s = Shortest(FloatValue());
            if (!s.empty())
                s.pop_back();
            SetText(s);
        }
        break;
    case 33:
        FMVal = 0;
        break;
    case 34:
        SetFloatValue(FMVal);
        break;
    case 35:
        FMVal = Convert();
        break;
    case 36:
        FMVal += Convert();
        break;
    case 37: {
        const double v = FloatValue();
        if (v < 0)
            SetText("Error");
        else
            SetFloatValue(std::sqrt(v));
        break;
    }
    case 38: {
        const double v = FloatValue();
        if (v == 0)
            SetText("Error");
        else
            SetFloatValue(1 / v);
        break;
    }
    default:
        break;
    }
    SetIsModified(true);
}

void TGxCalculatorDropdown::CalcKey(char32_t Key)
{
    BeforeCalcAction();
    const bool alt = (KeyboardShiftState() & ssAlt) != 0;
    const char ds = DecimalSeparator();
    if (Key == static_cast<unsigned char>(ds) && Text().find(ds) == std::string::npos)
        SetText(Text() + ds);
    if (IsDigit(Key) && MaxLength() > 0 && ValueLength() >= MaxLength())
        return;
    switch (Key) {
    case 13:
        CalcEquals();
        DoHideDropDown(false);
        break;
    case 27:
        DoHideDropDown(true);
        break;
    case U'%':
        CalcPercent();
        break;
    case U'*':
        CalcOperator(kMultiply);
        break;
    case U'+':
        CalcOperator(kAdd);
        break;
    case U'-':
        CalcOperator(kSubtract);
        break;
    case U'/':
        CalcOperator(kDivide);
        break;
    case U'=':
        CalcEquals();
        break;
    case U'C':
    case U'c':
        ClearAll();
        FNewval = true;
        break;
    case U'&':
        if (alt)
            DoHideDropDown(true);
        break;
    default:
        if (IsDigit(Key))
            FNewval = false;
        break;
    }
}

void TGxCalculatorDropdown::DropDownFormKeyPress(char32_t& Key)
{
    // The character goes to the edit first (its typed entry lets digits through), then to the
    // calculator.
    const char32_t key = Key;
    Key = 0;
    if (key != 13 && key != 27)
        Perform(WM_CHAR, key);
    if (DroppedDown())
        CalcKey(key);
}

void TGxCalculatorDropdown::DropDownFormKeyDown(unsigned& Key, TShiftState Shift)
{
    const unsigned key = Key;
    Key = 0;
    if (key == VK_RETURN) {
        // The result first, then the window closes accepted.
        CalcEquals();
        DoHideDropDown(false);
        return;
    }
    Perform(WM_KEYDOWN, key);
    if (key == VK_TAB || key == VK_F4) {
        DoHideDropDown(false);
    } else if (key == VK_BACK) {
        std::u32string t = rtl::Utf8ToCodePoints(Text());
        if (!t.empty())
            t.pop_back();
        const std::string rest = rtl::CodePointsToUtf8(t);
        SetText(rest.empty() || rest == "Error" ? "0" : rest);
    }
    (void)Shift;
}

void TGxCalculatorDropdown::EditKeyPress(char32_t& Key)
{
    const char32_t ds = static_cast<unsigned char>(DecimalSeparator());
    if (!(IsDigit(Key) || Key == ds || Key == 8 || Key == U'-')) {
        Key = 0;
        return;
    }
    const bool zero = Text() == "0";
    if ((zero || FNewval) && IsDigit(Key)) {
        SetText(rtl::CodePointToUtf8(Key));
        Key = 0;
        SetSelStart(PrefixLength() + 1);
        FNewval = false;
        return;
    }
    if (rtl::Utf8ToCodePoints(Text()).size() == 1 && Key == 8) {
        SetZeroText();
        Key = 0;
        SetSelStart(PrefixLength() + 1);
        return;
    }
    const std::string& ts = rtl::Regional().ThousandSeparator;
    if (ts.size() == 1 && Key == static_cast<unsigned char>(ts[0])) {
        Key = 0;
        return;
    }
    if (Key == ds && Text().find(DecimalSeparator()) != std::string::npos) {
        Key = 0;
        return;
    }
    TGxCustomDropDown::EditKeyPress(Key);
}

void TGxCalculatorDropdown::KeyDown(unsigned& Key, TShiftState Shift)
{
    const unsigned key = Key;
    TGxCustomDropDown::KeyDown(Key, Shift);
    if (key == VK_DELETE && (Text().empty() || Text() == "Error"))
        SetZeroText();
}

}  // namespace dropdown
