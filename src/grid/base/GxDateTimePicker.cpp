#include "grid/base/GxDateTimePicker.h"

#include <cctype>
#include <cmath>

#include "grid/base/GxStyleIF.h"

namespace gx {

using rtl::TDateTime;

namespace {

// The value without its milliseconds.
TDateTime withoutMilliseconds(TDateTime v)
{
    int h = 0, m = 0, s = 0, ms = 0;
    rtl::DecodeTime(v, h, m, s, ms);
    return std::floor(v) + rtl::EncodeTime(h, m, s, 0);
}

}  // namespace

TGxDateTimePicker::TGxDateTimePicker(ui::TComponent* AOwner)
    : TCustomDateTimePicker(AOwner), FLabelFont(std::make_unique<ui::TFont>())
{
    SetBorderStyle(ui::TBorderStyle::bsSingle);
    SetCtl3D(true);
    FFocusTimer = new ui::TTimer(this);
    FFocusTimer->SetInterval(20);
    FFocusTimer->SetEnabled(false);
    FFocusTimer->OnTimer = [this](ui::TObject*) { FFocusTimer->SetEnabled(false); };
    FLabelFont->OnChange = [this](ui::TObject*) { placeLabel(); };
    // What window creation does: the kind is applied anew, which makes and places the time part.
    FKind = TGxDateTimeKind::dkDate;
    SetKind(TGxDateTimeKind::dkDateTime);
}

TGxDateTimePicker::~TGxDateTimePicker()
{
    MarkDestroying();
    FLabelFont->OnChange = nullptr;
    if (FLabel)
        FLabel->SetParent(nullptr);
}

// ---------------------------------------------------------------------------------------------
// Value and kind

TDateTime TGxDateTimePicker::DateTime() const
{
    if (FTimePicker)
        return ui::TDateTimePicker::Date() + FTimePicker->Time();
    return ui::TDateTimePicker::DateTime();
}

void TGxDateTimePicker::SetDateTime(TDateTime v)
{
    v = withoutMilliseconds(v);
    ui::TDateTimePicker::SetDateTime(v);
    if (FKind == TGxDateTimeKind::dkDateTime)
        createTimePart();
    if (FTimePicker)
        FTimePicker->SetDateTime(v);
}

void TGxDateTimePicker::SetDate(TDateTime v)
{
    const TDateTime time = withoutMilliseconds(DateTime());
    SetDateTime(std::floor(v) + (time - std::floor(time)));
}

TDateTime TGxDateTimePicker::Time() const
{
    if (FKind == TGxDateTimeKind::dkDateTime && FTimePicker)
        return FTimePicker->Time();
    return ui::TDateTimePicker::Time();
}

void TGxDateTimePicker::SetTime(TDateTime v)
{
    ui::TDateTimePicker::SetTime(v);
    updateTimePart();
}

void TGxDateTimePicker::SetTimeFormat(const std::string& v)
{
    if (FTimePicker)
        FTimePicker->SetFormat(v);
    if (FKind == TGxDateTimeKind::dkTime)
        SetFormat(v);
    FTimeFormat = v;
    updateTimePart();
}

void TGxDateTimePicker::SetKind(TGxDateTimeKind v)
{
    if (v == FKind)
        return;
    FKind = v;
    ui::TDateTimePicker::SetKind(v == TGxDateTimeKind::dkTime ? ui::TDateTimeKind::dtkTime
                                                              : ui::TDateTimeKind::dtkDate);
    if (v == TGxDateTimeKind::dkDateTime)
        createTimePart();
    updateTimePart();
}

void TGxDateTimePicker::SetAutoTab(bool v)
{
    TCustomDateTimePicker::SetAutoTab(v);
    if (FTimePicker)
        FTimePicker->SetAutoTab(v);
}

void TGxDateTimePicker::SetBorderStyle(ui::TBorderStyle v)
{
    FBorderStyle = v;
    Invalidate();
    updateTimePart();
}

void TGxDateTimePicker::ColorChanged()
{
    TCustomDateTimePicker::ColorChanged();
    updateTimePart();
}

// ---------------------------------------------------------------------------------------------
// The time part

void TGxDateTimePicker::createTimePart()
{
    if (FKind != TGxDateTimeKind::dkDateTime || FTimePicker)
        return;
    FTimePicker = new TCustomDateTimePicker(this);
    FreeNotification(FTimePicker);
    if (!(Loading() && (ComponentState() & ui::csDesigning)))
        FTimePicker->SetParent(this);
    FTimePicker->SetBounds(0, 0, 90, 17);
    FTimePicker->SetVisible(false);
    FTimePicker->SetEnabled(Enabled());
    FTimePicker->ui::TDateTimePicker::SetKind(ui::TDateTimeKind::dtkTime);
    FTimePicker->SetAutoTab(AutoTab());
    FTimePicker->OnChange = [this](ui::TObject*) {
        DoChange();
        if (OnTimeChange)
            OnTimeChange(this);
    };
    FTimePicker->OnClick = [this](ui::TObject*) { DoClick(); };
    FTimePicker->OnKeyPress = [](ui::TObject*, char32_t&) {};
    FTimePicker->OnKeyDown = [this](ui::TObject*, unsigned& key, ui::TShiftState shift) { KeyDown(key, shift); };
}

void TGxDateTimePicker::updateTimePart()
{
    if (!FTimePicker || FUpdating)
        return;
    FUpdating = true;
    if (FTimePicker->Parent() != this)
        FTimePicker->SetParent(this);
    FTimePicker->SetColor(Color());
    FTimePicker->SetEnabled(Enabled() && (Checked() || !ShowCheckbox()));
    FTimePicker->SetVisible(FKind == TGxDateTimeKind::dkDateTime);
    FTimePicker->ui::TDateTimePicker::SetTime(ui::TDateTimePicker::Time());
    FTimePicker->ui::TDateTimePicker::SetDateTime(ui::TDateTimePicker::DateTime());
    FTimePicker->SetFormat(FTimeFormat);
    FTimePicker->SetFont(*Font());
    if (FTimePicker->Visible() || (Loading() && !(ComponentState() & ui::csDesigning))) {
        ui::TCanvas measure;
        measure.Font()->Assign(*Font());
        const int w = measure.TextWidth(FTimePicker->Text()) + 31;
        // The drop-down button of this framework's picker is ButtonWidth wide inside the border:
        // the offsets of the native picker put the time part between the date and the button.
        const bool bevel = false;
        const int b = bevel ? 4 : 0;
        int x = 0, y = 0, h = 0;
        if (!IsComCtl6OrLater() || !VisualStyles().Loaded) {
            x = Width() - w - 23 - b;
            y = -2;
            h = Height() - b;
        } else if (!themesActive()) {
            x = Width() - w - 21 - b;
            y = 2;
            h = Height() - b - 4;
        } else if (metro()) {
            x = Width() - w - 21 - b;
            y = 1;
            h = Height() - b - 2;
        } else {
            x = Width() - w - 34 - b;
            y = 1;
            h = Height() - b - 2;
        }
        FTimePicker->SetBounds(x, y, w, h);
    } else {
        TCustomDateTimePicker* part = FTimePicker;
        FTimePicker = nullptr;
        delete part;
    }
    FUpdating = false;
}

void TGxDateTimePicker::Notification(ui::TComponent* component, ui::TOperation operation)
{
    TCustomDateTimePicker::Notification(component, operation);
    if (operation != ui::TOperation::opRemove)
        return;
    if (component == FTimePicker)
        FTimePicker = nullptr;
    if (component == FLabel)
        FLabel = nullptr;
}

void TGxDateTimePicker::DoChange()
{
    if (OnChange)
        OnChange(this);
}

void TGxDateTimePicker::DoClick()
{
    if (OnClick)
        OnClick(this);
}

void TGxDateTimePicker::SetBounds(int left, int top, int width, int height)
{
    TCustomDateTimePicker::SetBounds(left, top, width, height);
    if (Destroying())
        return;
    updateTimePart();
    if (FLabel && FLabel->Parent())
        placeLabel();
}

void TGxDateTimePicker::SetEnabled(bool v)
{
    TCustomDateTimePicker::SetEnabled(v);
    if (FTimePicker)
        FTimePicker->SetEnabled(v && (Checked() || !ShowCheckbox()));
    if (FLabel && !FLabelAlwaysEnabled)
        FLabel->SetEnabled(v);
}

void TGxDateTimePicker::Loaded()
{
    TCustomDateTimePicker::Loaded();
    if (!(ComponentState() & ui::csDesigning)) {
        createTimePart();
        updateTimePart();
        if (!Checked()) {
            ui::TDateTimePicker::SetChecked(false);
            if (FTimePicker)
                FTimePicker->SetEnabled(false);
        }
    }
    if (FLabel && !FLabelAlwaysEnabled)
        FLabel->SetEnabled(Enabled());
    placeLabel();
    if (FLabel && ParentFont())
        FLabelFont->Assign(*Font());
    FParentFnt = ParentFont();
    placeLabel();
}

void TGxDateTimePicker::PaintControl(ui::TCanvas& canvas)
{
    TCustomDateTimePicker::PaintControl(canvas);
    if (FFirstRun) {
        FFirstRun = false;
        updateTimePart();
    }
}

// ---------------------------------------------------------------------------------------------
// The check box and the time part

void TGxDateTimePicker::ApplySystemTime(bool valid, TDateTime value)
{
    TCustomDateTimePicker::ApplySystemTime(valid, value);
    if (ShowCheckbox() && FTimePicker) {
        FTimePicker->SetEnabled(Enabled() && Checked());
        FIgnoreTimePickerCheck = FTimePicker->Enabled();
    }
}

void TGxDateTimePicker::WndProc(ui::TMessage& message)
{
    const bool dateChange = message.Msg == ui::CN_COMMAND && ui::HiWord(message.WParam) == ui::DTN_DATETIMECHANGE;
    TCustomDateTimePicker::WndProc(message);
    if (dateChange && ShowCheckbox()) {
        if (FTimePicker && !FIgnoreTimePickerCheck)
            FTimePicker->SetEnabled(Enabled() && Checked());
        FIgnoreTimePickerCheck = false;
    }
    if (message.Msg == ui::DTM_SETSYSTEMTIME && ShowCheckbox() && message.WParam == ui::GDT_NONE && FTimePicker)
        FTimePicker->SetEnabled(Enabled() && Checked());
}

// ---------------------------------------------------------------------------------------------
// Automatic advance across the date fields

void TGxDateTimePicker::KeyPress(char32_t& key)
{
    if (key >= U'0' && key <= U'9' && AutoTab())
        rtl::DecodeDate(DateTime(), Fy, Fm, Fd);
    TCustomDateTimePicker::KeyPress(key);
}

void TGxDateTimePicker::AutoTabField()
{
    if (FKind == TGxDateTimeKind::dkTime) {
        TCustomDateTimePicker::AutoTabField();
        return;
    }
    int y = 0, m = 0, d = 0;
    rtl::DecodeDate(DateTime(), y, m, d);
    const bool dayChanged = d != Fd, monthChanged = m != Fm, yearChanged = y != Fy;
    auto intoTimePart = [this] {
        if (FTimePicker && FTimePicker->CanFocus())
            FTimePicker->SetFocus();
    };
    auto nextField = [this] { ui::PostMessage(this, ui::WM_KEYDOWN, ui::VK_RIGHT); };
    const std::string& format = Format();
    if (!format.empty()) {
        const char last = static_cast<char>(std::tolower(static_cast<unsigned char>(format.back())));
        if ((dayChanged && last == 'd') || (monthChanged && last == 'm') || (yearChanged && last == 'y'))
            intoTimePart();
        else if (dayChanged || monthChanged || yearChanged)
            nextField();
    } else if (dayChanged || monthChanged) {
        nextField();
    } else if (yearChanged) {
        intoTimePart();
    }
}

// ---------------------------------------------------------------------------------------------
// The label

const std::string& TGxDateTimePicker::LabelCaption() const
{
    static const std::string empty;
    return FLabel ? FLabel->Caption() : empty;
}

void TGxDateTimePicker::SetLabelCaption(const std::string& v)
{
    if (!FLabel) {
        FLabel = new ui::TLabel(this);
        FreeNotification(FLabel);
        FLabel->SetParent(Parent());
        FLabel->SetFocusControl(this);
        FLabel->OnClick = [this](ui::TObject*) {
            if (OnLabelClick)
                OnLabelClick(this);
        };
        FLabel->OnDblClick = [this](ui::TObject*) {
            if (OnLabelDblClick)
                OnLabelDblClick(this);
        };
    }
    FLabel->SetCaption(v);
    placeLabel();
}

void TGxDateTimePicker::SetLabelPosition(TLabelPosition v)
{
    FLabelPosition = v;
    placeLabel();
}

void TGxDateTimePicker::SetLabelMargin(int v)
{
    FLabelMargin = v;
    placeLabel();
}

void TGxDateTimePicker::SetLabelTransparent(bool v)
{
    FLabelTransparent = v;
    placeLabel();
}

void TGxDateTimePicker::SetLabelAlwaysEnabled(bool v)
{
    FLabelAlwaysEnabled = v;
    if (FLabel && v)
        FLabel->SetEnabled(true);
    Invalidate();
}

void TGxDateTimePicker::placeLabel()
{
    if (!FLabel || Destroying())
        return;
    if (FLabel->Parent() != Parent())
        FLabel->SetParent(Parent());
    FLabel->SetTransparent(FLabelTransparent);
    FLabel->Font()->Assign(FParentFnt ? *Font() : *FLabelFont);
    PlaceControlLabel(*FLabel, *this, FLabelPosition, FLabelMargin);
    FLabel->SetVisible(Visible());
}

void TGxDateTimePicker::SetParent(ui::TWinControl* parent)
{
    TCustomDateTimePicker::SetParent(parent);
    if (FLabel)
        FLabel->SetParent(parent);
}

void TGxDateTimePicker::VisibleChanged()
{
    TCustomDateTimePicker::VisibleChanged();
    if (FLabel)
        FLabel->SetVisible(Visible());
}

void TGxDateTimePicker::FontChanged()
{
    TCustomDateTimePicker::FontChanged();
    if (FLabel && ParentFont())
        FLabel->Font()->Assign(*Font());
    updateTimePart();
}

void TGxDateTimePicker::FocusIn()
{
    TCustomDateTimePicker::FocusIn();
    if (FocusLabel && FLabel && !Loading())
        FLabel->Font()->SetStyle(FLabel->Font()->Style() | ui::fsBold);
}

void TGxDateTimePicker::FocusOut()
{
    TCustomDateTimePicker::FocusOut();
    if (FocusLabel && FLabel && !Loading())
        FLabel->Font()->SetStyle(FLabel->Font()->Style() & ~ui::fsBold);
}

}  // namespace gx
