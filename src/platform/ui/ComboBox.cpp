// Combo box: items with objects, item index, edit part, drop-down state and the notifications.
#include "platform/rtl/StrUtils.h"
#include "platform/ui/StdCtrls.h"
#include <algorithm>
#include <cctype>

namespace ui {

namespace {
int FindExact(const rtl::TStringList& items, const std::string& text)
{
    for (int i = 0; i < items.Count(); ++i)
        if (rtl::AnsiSameText(items.Strings(i), text))
            return i;
    return -1;
}
}  // namespace

TComboBox::TComboBox(TComponent* AOwner) : TWinControl(AOwner), items_(std::make_unique<rtl::TStringList>())
{
    SetTabStop(true);
    SetDefaultColor(clWindow);
    TControl::SetBounds(0, 0, 145, 21);
    items_->OnChange = [this](TObject*) { ItemsChanged(); };
}

TComboBox::~TComboBox()
{
    items_->OnChange = nullptr;
}

void TComboBox::ItemsChanged()
{
    if (itemIndex_ >= items_->Count()) {
        itemIndex_ = -1;
        if (style_ == TComboBoxStyle::csDropDownList)
            TControl::SetText("");
    }
    Changed(TChangeAspect::Items);
    Invalidate();
}

void TComboBox::SetStyle(TComboBoxStyle v)
{
    if (v == style_)
        return;
    style_ = v;
    Changed(TChangeAspect::Style);
    Invalidate();
}

void TComboBox::SetItemIndex(int v)
{
    if (v < -1 || v >= items_->Count())
        v = -1;
    itemIndex_ = v;
    TControl::SetText(v >= 0 ? items_->Strings(v) : std::string());
    selStart_ = 0;
    selLength_ = 0;
    Changed(TChangeAspect::ItemIndex);
}

void TComboBox::SetText(const std::string& v)
{
    int found = FindExact(*items_, v);
    if (style_ == TComboBoxStyle::csDropDownList) {
        SetItemIndex(found);
        return;
    }
    itemIndex_ = found;
    TControl::SetText(v);
    Changed(TChangeAspect::ItemIndex);
}

void TComboBox::SetEditText(const std::string& v)
{
    if (style_ == TComboBoxStyle::csDropDownList)
        return;
    if (maxLength_ > 0 && static_cast<int>(v.size()) > maxLength_)
        return;
    if (v == Text())
        return;
    itemIndex_ = FindExact(*items_, v);
    TControl::SetText(v);
    selStart_ = static_cast<int>(v.size());
    selLength_ = 0;
    NotifyParent(this, CBN_EDITCHANGE);
}

void TComboBox::SelectAll()
{
    selStart_ = 0;
    selLength_ = static_cast<int>(Text().size());
}

void TComboBox::Clear()
{
    items_->Clear();
    SetItemIndex(-1);
    TControl::SetText("");
}

void TComboBox::SetDroppedDown(bool v)
{
    if (v == droppedDown_)
        return;
    droppedDown_ = v;
    Changed(TChangeAspect::Other);
    NotifyParent(this, v ? CBN_DROPDOWN : CBN_CLOSEUP);
}

void TComboBox::UserSelect(int index)
{
    if (index < 0 || index >= items_->Count())
        return;
    bool changed = index != itemIndex_ || Text() != items_->Strings(index);
    SetItemIndex(index);
    if (changed)
        NotifyParent(this, CBN_SELCHANGE);
    SetDroppedDown(false);
}

void TComboBox::WndProc(TMessage& m)
{
    if (m.Msg == CN_COMMAND) {
        switch (HiWord(m.WParam)) {
        case CBN_SELCHANGE:
            Click();
            Select();
            return;
        case CBN_EDITCHANGE:
            Change();
            return;
        case CBN_DROPDOWN:
            if (OnDropDown)
                OnDropDown(this);
            return;
        case CBN_CLOSEUP:
            if (OnCloseUp)
                OnCloseUp(this);
            return;
        default:
            break;
        }
    }
    if (m.Msg == CB_SHOWDROPDOWN) {
        SetDroppedDown(m.WParam != 0);
        return;
    }
    if (m.Msg == CB_SETDROPPEDWIDTH) {
        dropDownWidth_ = static_cast<int>(m.WParam);
        return;
    }
    TWinControl::WndProc(m);
}

void TComboBox::Change()
{
    if (OnChange)
        OnChange(this);
}

void TComboBox::Select()
{
    if (OnSelect)
        OnSelect(this);
    else
        Change();
}

void TComboBox::KeyDown(unsigned& key, TShiftState shift)
{
    TWinControl::KeyDown(key, shift);
    switch (key) {
    case VK_UP:
    case VK_DOWN:
        if (shift & ssAlt) {
            SetDroppedDown(!droppedDown_);
        } else if (items_->Count() > 0) {
            int i = itemIndex_ < 0 ? 0 : itemIndex_ + (key == VK_DOWN ? 1 : -1);
            i = std::clamp(i, 0, items_->Count() - 1);
            if (i != itemIndex_) {
                SetItemIndex(i);
                NotifyParent(this, CBN_SELCHANGE);
            }
        }
        key = 0;
        break;
    case VK_F4:
        SetDroppedDown(!droppedDown_);
        key = 0;
        break;
    case VK_RETURN:
    case VK_ESCAPE:
        if (droppedDown_) {
            SetDroppedDown(false);
            key = 0;
        }
        break;
    default:
        break;
    }
}

void TComboBox::KeyPress(char32_t& key)
{
    TWinControl::KeyPress(key);
    if (key == 0 || key == '\r' || key == 27)
        return;
    if (style_ == TComboBoxStyle::csDropDownList) {
        // Typing picks the next item starting with the character.
        if (key < 32)
            return;
        auto lower = [](char32_t c) { return c < 0x80 ? static_cast<char32_t>(std::tolower(static_cast<int>(c))) : c; };
        int n = items_->Count();
        for (int step = 1; step <= n; ++step) {
            int i = (itemIndex_ + step) % n;
            const std::string s = items_->Strings(i);
            if (!s.empty() && lower(static_cast<unsigned char>(s[0])) == lower(key)) {
                SetItemIndex(i);
                NotifyParent(this, CBN_SELCHANGE);
                break;
            }
        }
        return;
    }
    std::string t = Text();
    int start = std::clamp(selStart_, 0, static_cast<int>(t.size()));
    int len = std::clamp(selLength_, 0, static_cast<int>(t.size()) - start);
    if (key == 8) {
        if (len == 0 && start > 0) {
            --start;
            while (start > 0 && (static_cast<unsigned char>(t[static_cast<std::size_t>(start)]) & 0xC0) == 0x80)
                --start;
            len = selStart_ - start;
        }
        t.erase(static_cast<std::size_t>(start), static_cast<std::size_t>(len));
    } else if (key >= 32) {
        t.replace(static_cast<std::size_t>(start), static_cast<std::size_t>(len), CharToUtf8(key));
        start += static_cast<int>(CharToUtf8(key).size());
    } else {
        return;
    }
    if (maxLength_ > 0 && static_cast<int>(t.size()) > maxLength_)
        return;
    SetEditText(t);
    selStart_ = start;
    selLength_ = 0;
}

void TComboBox::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    if (button == TMouseButton::mbLeft) {
        if (CanFocus() && !Focused())
            SetFocus();
        if (style_ == TComboBoxStyle::csDropDownList || x >= Width() - 18)
            SetDroppedDown(!droppedDown_);
    }
    TWinControl::MouseDown(button, shift, x, y);
}

void TComboBox::PaintControl(TCanvas& canvas)
{
    TRect r{0, 0, Width(), Height()};
    canvas.Brush()->SetStyle(TBrushStyle::bsSolid);
    canvas.Brush()->SetColor(Enabled() ? Color() : clBtnFace);
    canvas.FillRect(r);
    canvas.Brush()->SetColor(clBtnShadow);
    canvas.FrameRect(r);
    TRect button{r.Right - 18, 1, r.Right - 1, r.Bottom - 1};
    canvas.DrawThemedPart(TThemedPart::ComboButton,
                          (Enabled() ? 0u : unsigned(tsDisabled)) | (droppedDown_ ? unsigned(tsPressed) : 0u), button);
    TRect text{3, 1, button.Left - 1, r.Bottom - 1};
    canvas.Font()->Assign(*Font());
    if (!Enabled())
        canvas.Font()->SetColor(clGrayText);
    if (Focused() && style_ == TComboBoxStyle::csDropDownList) {
        canvas.Brush()->SetColor(clHighlight);
        canvas.FillRect(text.Inflate(0, -2));
        canvas.Font()->SetColor(clHighlightText);
    }
    canvas.Brush()->SetStyle(TBrushStyle::bsClear);
    canvas.DrawText(Text(), text, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
}

}  // namespace ui
