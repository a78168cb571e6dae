#include "grid/base/GsgEditBtn.h"

#include <algorithm>

#include "platform/rtl/Utf8.h"

namespace gx {

using ui::TRect;

namespace {

// The unit beside the button: a small window of the edit's colour showing the unit in the edit's
// font, so that it shows on the edit in a native window too.
class TUnitLabel : public ui::TWinControl {
public:
    explicit TUnitLabel(TGsgUnitEditBtn* edit) : ui::TWinControl(edit), edit_(edit)
    {
        controlStyle_ = (controlStyle_ & ~(ui::csAcceptsControls | ui::csCaptureMouse)) | ui::csOpaque;
    }
    void PaintControl(ui::TCanvas& canvas) override
    {
        canvas.Brush()->SetStyle(ui::TBrushStyle::bsSolid);
        canvas.Brush()->SetColor(edit_->Color());
        canvas.FillRect(TRect(0, 0, Width(), Height()));
        canvas.Font()->Assign(*edit_->Font());
        if (!edit_->Enabled())
            canvas.Font()->SetColor(ui::clGrayText);
        canvas.Brush()->SetStyle(ui::TBrushStyle::bsClear);
        TRect r(0, 0, Width(), Height());
        canvas.DrawText(edit_->UnitID(), r, ui::DT_EDITCONTROL | ui::DT_NOPREFIX | ui::DT_SINGLELINE);
        canvas.Brush()->SetStyle(ui::TBrushStyle::bsSolid);
    }

private:
    TGsgUnitEditBtn* edit_;
};

// Message code that menus never send with a command (it is the edit's change notification).
constexpr unsigned kNotAMenuChoice = 768;

}  // namespace

// ---------------------------------------------------------------------------------------------
// TGsgEditBtn

TGsgEditBtn::TGsgEditBtn(ui::TComponent* AOwner) : ui::TMaskEdit(AOwner)
{
    FButton = new TGsgEditButton(this);
    FButton->SetBounds(0, 0, 18, 18);
    FButton->SetVisible(true);
    FButton->SetParent(this);
    FButton->SetFocusControl(this);
    FButton->OnClick = [this](ui::TObject*) { ButtonClick(); };
    SetText("0");
    layout();
}

TGsgEditBtn::~TGsgEditBtn()
{
    MarkDestroying();
}

void TGsgEditBtn::ButtonClick()
{
    if (OnClickBtn)
        OnClickBtn(this);
}

void TGsgEditBtn::SetButtonWidth(int v)
{
    FButtonWidth = v;
    FButton->SetWidth(v);
    layout();
}

void TGsgEditBtn::SetRightAlign(bool v)
{
    FRightAlign = v;
    SetAlignment(v ? ui::TAlignment::taRightJustify : ui::TAlignment::taLeftJustify);
}

void TGsgEditBtn::SetIsWinXP(bool v)
{
    FIsWinXP = v;
    FButton->Button()->IsWinXP = v;
    FButton->Button()->Invalidate();
}

int TGsgEditBtn::MinHeight() const
{
    ui::TCanvas measure;
    measure.Font()->Assign(*Font());
    const int fontHeight = measure.TextHeight("0");
    ui::TCanvas system;
    return fontHeight + std::min(system.TextHeight("0"), fontHeight) / 4;
}

void TGsgEditBtn::SetBounds(int left, int top, int width, int height)
{
    ui::TMaskEdit::SetBounds(left, top, width, height);
    if (FButton && !Destroying())
        layout();
}

void TGsgEditBtn::FontChanged()
{
    ui::TMaskEdit::FontChanged();
    if (FButton && !Destroying())
        layout();
}

void TGsgEditBtn::layout()
{
    if (FLayingOut)
        return;
    FLayingOut = true;
    if (Height() < MinHeight())
        ui::TMaskEdit::SetBounds(Left(), Top(), Width(), MinHeight());
    const bool single = BorderStyle() == ui::TBorderStyle::bsSingle;
    const int d = single ? 5 : 1;
    const int bw = FButton->Width();
    FButton->SetBounds(Width() - bw - d, 0, bw, Height() - d);
    const int m = single ? 1 : 3;
    const int right = ClientWidth() - (bw + FUnitSize + 5) - (FUnitSize > 0 ? 3 : 0);
    const TRect r(m, m, right, ClientHeight() + 1);
    Perform(ui::EM_SETRECTNP, 0, reinterpret_cast<std::intptr_t>(&r));
    FLayingOut = false;
}

void TGsgEditBtn::KeyDown(unsigned& key, ui::TShiftState shift)
{
    ui::TMaskEdit::KeyDown(key, shift);
    const bool ctrl = (ui::GetKeyState(ui::VK_CONTROL) & 0x8000) != 0;
    const bool alt = (ui::GetKeyState(ui::VK_MENU) & 0x8000) != 0;
    if (key == ui::VK_F4 && !ctrl && !alt)
        ButtonClick();
}

void TGsgEditBtn::DoEnter()
{
    const bool byMouse = (ui::GetKeyState(ui::VK_LBUTTON) & 0x8000) != 0;
    if (AutoSelect() && !byMouse)
        SelectAll();
    ui::TWinControl::DoEnter();
}

void TGsgEditBtn::WndProc(ui::TMessage& message)
{
    switch (message.Msg) {
    case ui::WM_CHAR:
        if (!EditorEnabled)
            return;
        break;
    case ui::WM_CUT:
    case ui::WM_PASTE:
        if (!EditorEnabled || ReadOnly())
            return;
        break;
    default:
        break;
    }
    ui::TMaskEdit::WndProc(message);
}

// ---------------------------------------------------------------------------------------------
// TGsgUnitEditBtn

TGsgUnitEditBtn::TGsgUnitEditBtn(ui::TComponent* AOwner)
    : TGsgEditBtn(AOwner), FUnits(std::make_unique<rtl::TStringList>())
{
    FUnitLabel = new TUnitLabel(this);
    FUnitLabel->SetParent(this);
    FUnitSize = 20;
    SetRightAlign(true);
    layout();
}

TGsgUnitEditBtn::~TGsgUnitEditBtn() = default;

void TGsgUnitEditBtn::SetUnits(const rtl::TStringList* v)
{
    if (v)
        FUnits->Assign(*v);
}

void TGsgUnitEditBtn::SetUnitID(const std::string& v)
{
    FUnitID = v;
    Invalidate();
    if (FUnitLabel)
        FUnitLabel->Invalidate();
}

void TGsgUnitEditBtn::SetUnitSpace(int v)
{
    FUnitSize = v;
    layout();
    Invalidate();
}

void TGsgUnitEditBtn::SetTextAndUnit(const std::string& v)
{
    const std::u32string value = rtl::Utf8ToCodePoints(v);
    for (int i = 0; i < FUnits->Count(); ++i) {
        const std::u32string unit = rtl::Utf8ToCodePoints(FUnits->Strings(i));
        if (unit.empty() || unit.size() > value.size())
            continue;
        // The unit's first occurrence must be the value's end.
        if (value.find(unit) == value.size() - unit.size()) {
            SetText(rtl::CodePointsToUtf8(value.substr(0, value.size() - unit.size())));
            SetUnitID(rtl::CodePointsToUtf8(unit));
            return;
        }
    }
}

TRect TGsgUnitEditBtn::UnitRect() const
{
    const int right = ClientWidth() - (Button()->Width() + 3);
    return TRect(right - FUnitSize, 2, right, ClientHeight());
}

void TGsgUnitEditBtn::layout()
{
    TGsgEditBtn::layout();
    if (FUnitLabel) {
        const TRect r = UnitRect();
        FUnitLabel->SetBounds(r.Left, r.Top, std::max(0, r.Width()), std::max(0, r.Height()));
        FUnitLabel->SetVisible(FUnitSize > 0);
    }
}

void TGsgUnitEditBtn::ButtonClick()
{
    TGsgEditBtn::ButtonClick();
    if (!FMenu)
        FMenu = new ui::TPopupMenu(this);
    while (FMenu->Items()->Count() > 0)
        delete FMenu->Items()->Items(0);
    for (int i = 0; i < FUnits->Count(); ++i) {
        auto* item = new ui::TMenuItem(FMenu);
        item->Caption = FUnits->Strings(i);
        const unsigned id = static_cast<unsigned>(i + 1);
        item->OnClick = [this, id](ui::TObject*) { Perform(ui::WM_COMMAND, ui::MakeWParam(id, 0), 0); };
        FMenu->Items()->Add(item);
    }
    const ui::TPoint at = ClientToScreen({ClientWidth() - 15, ClientHeight()});
    FMenu->PopupComponent = this;
    FMenu->Popup(at.X, at.Y);
}

void TGsgUnitEditBtn::WndProc(ui::TMessage& message)
{
    // A menu choice: the unit's 1-based position as the command; notifications of children
    // carry the child in LParam and go on to the framework.
    if (message.Msg == ui::WM_COMMAND && message.LParam == 0 && ui::HiWord(message.WParam) != kNotAMenuChoice) {
        const int id = static_cast<int>(ui::LoWord(message.WParam));
        if (id >= 1 && id <= FUnits->Count()) {
            const std::string previous = FUnitID;
            SetUnitID(FUnits->Strings(id - 1));
            if (FUnitID != previous && OnUnitChanged)
                OnUnitChanged(this, FUnitID);
        }
        return;
    }
    TGsgEditBtn::WndProc(message);
}

}  // namespace gx
