// Combo box: items with objects, item index, edit part, drop-down list and the notifications.
#include "platform/rtl/StrUtils.h"
#include "platform/rtl/Utf8.h"
#include "platform/ui/Clipboard.h"
#include "platform/ui/PopupList.h"
#include "platform/ui/StdCtrls.h"
#include "platform/ui/TextSelection.h"
#include <algorithm>
#include <cctype>
#include <chrono>

namespace ui {

namespace {
int FindExact(const rtl::TStringList& items, const std::string& text)
{
    for (int i = 0; i < items.Count(); ++i)
        if (rtl::AnsiSameText(items.Strings(i), text))
            return i;
    return -1;
}

int Length(const std::string& s)
{
    return static_cast<int>(rtl::Utf8ToCodePoints(s).size());
}

std::string Prefix(const std::string& s, int chars)
{
    std::u32string u = rtl::Utf8ToCodePoints(s);
    return rtl::CodePointsToUtf8(
        u.substr(0, static_cast<std::size_t>(std::clamp(chars, 0, static_cast<int>(u.size())))));
}

constexpr int kButtonWidth = 18;
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

void TComboBox::Notification(TComponent* component, TOperation operation)
{
    TWinControl::Notification(component, operation);
    if (operation == TOperation::opRemove && component == list_)
        list_ = nullptr;
}

void TComboBox::ItemsChanged()
{
    if (itemIndex_ >= items_->Count()) {
        itemIndex_ = -1;
        if (style_ == TComboBoxStyle::csDropDownList)
            TControl::SetText("");
    }
    if (droppedDown_ && list_)
        list_->Items()->Assign(*items_);
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
    searchTyped_.clear();  // an item chosen otherwise starts the next key search afresh
    TControl::SetText(v >= 0 ? items_->Strings(v) : std::string());
    selStart_ = 0;
    selLength_ = 0;
    Changed(TChangeAspect::ItemIndex);
    Invalidate();
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
    selStart_ = std::min(selStart_, Length(v));
    selLength_ = 0;
    Changed(TChangeAspect::ItemIndex);
    Invalidate();
}

void TComboBox::SetEditText(const std::string& v)
{
    if (style_ == TComboBoxStyle::csDropDownList)
        return;
    if (maxLength_ > 0 && Length(v) > maxLength_)
        return;
    if (v == Text())
        return;
    itemIndex_ = FindExact(*items_, v);
    TControl::SetText(v);
    selStart_ = Length(v);
    selLength_ = 0;
    Invalidate();
    NotifyParent(this, CBN_EDITCHANGE);
}

void TComboBox::SetSelStart(int v)
{
    selStart_ = std::clamp(v, 0, Length(Text()));
    selLength_ = 0;
    Invalidate();
}

void TComboBox::SetSelLength(int v)
{
    selLength_ = std::clamp(v, 0, Length(Text()) - selStart_);
    Invalidate();
}

void TComboBox::SelectAll()
{
    selStart_ = 0;
    selLength_ = Length(Text());
    Invalidate();
}

void TComboBox::Clear()
{
    items_->Clear();
    SetItemIndex(-1);
    TControl::SetText("");
}

void TComboBox::OpenList()
{
    if (!list_) {
        list_ = new TPopupList(this);
        list_->OnPick = [this](TObject*, int index) { UserSelect(index); };
        list_->OnClosePopup = [this](TObject*, TPopupCloseReason) { SetDroppedDown(false); };
    }
    list_->Font()->Assign(*Font());
    list_->Items()->Assign(*items_);
    int rows = std::clamp(items_->Count(), 1, std::max(1, dropDownCount_));
    if (dropDownHeight_ > 0)
        rows = std::clamp((dropDownHeight_ - Height()) / list_->ItemHeight(), 1, rows);
    list_->SizeFor(rows, std::max(Width(), dropDownWidth_));
    list_->SetTopIndex(0);
    list_->SetItemIndex(itemIndex_);
    list_->Popup(this);
}

int TComboBox::ItemHeight() const
{
    TCanvas measure;
    measure.Font()->Assign(*Font());
    return std::max(1, measure.TextHeight("Ag") + 2);
}

void TComboBox::SetDroppedDown(bool v)
{
    if (v == droppedDown_)
        return;
    droppedDown_ = v;
    Invalidate();
    if (v) {
        NotifyParent(this, CBN_DROPDOWN);
        if (droppedDown_)
            OpenList();
        return;
    }
    if (list_)
        list_->ClosePopup(TPopupCloseReason::pcrCancel);
    NotifyParent(this, CBN_CLOSEUP);
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

// Caret movement and deletion in the edit part; true when the key was one of them.
bool TComboBox::EditKey(unsigned key, TShiftState shift)
{
    const int len = Length(Text());
    if (MoveCaretByKey(key, shift, len, selStart_, selLength_)) {
        Invalidate();
        return true;
    }
    if (key != VK_DELETE)
        return false;
    if (selLength_ == 0 && selStart_ < len)
        selLength_ = 1;
    ReplaceSelection("");
    return true;
}

void TComboBox::KeyDown(unsigned& key, TShiftState shift)
{
    TWinControl::KeyDown(key, shift);
    switch (key) {
    case VK_UP:
    case VK_DOWN:
    case VK_F4:
        if ((key == VK_F4 && !(shift & ssAlt)) || (key != VK_F4 && (shift & ssAlt))) {
            // Closing the list this way takes the item highlighted in it.
            if (droppedDown_ && list_ && list_->ItemIndex() >= 0)
                UserSelect(list_->ItemIndex());
            else
                SetDroppedDown(!droppedDown_);
        } else if (key != VK_F4 && items_->Count() > 0) {
            int i = itemIndex_ < 0 ? 0 : itemIndex_ + (key == VK_DOWN ? 1 : -1);
            i = std::clamp(i, 0, items_->Count() - 1);
            if (i != itemIndex_) {
                SetItemIndex(i);
                NotifyParent(this, CBN_SELCHANGE);
            }
        }
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
        if (style_ == TComboBoxStyle::csDropDown && EditKey(key, shift))
            key = 0;
        break;
    }
}

void TComboBox::ReplaceSelection(const std::string& text)
{
    std::u32string u = rtl::Utf8ToCodePoints(Text());
    int start = std::clamp(selStart_, 0, static_cast<int>(u.size()));
    int len = std::clamp(selLength_, 0, static_cast<int>(u.size()) - start);
    std::u32string ins = rtl::Utf8ToCodePoints(text);
    u.replace(static_cast<std::size_t>(start), static_cast<std::size_t>(len), ins);
    if (maxLength_ > 0 && static_cast<int>(u.size()) > maxLength_)
        return;
    SetEditText(rtl::CodePointsToUtf8(u));
    selStart_ = start + static_cast<int>(ins.size());
    selLength_ = 0;
    Invalidate();
}

void TComboBox::KeyPress(char32_t& key)
{
    TWinControl::KeyPress(key);
    if (key == 0 || key == '\r' || key == 27)
        return;
    if (style_ == TComboBoxStyle::csDropDownList) {
        // Letters typed in quick succession search as one prefix ("Int1" picks Int16 over Int8);
        // after a pause, or when one letter is typed again, the next item starting with it is
        // picked, going round the list.
        if (key < 32)
            return;
        auto lower = [](char32_t c) { return c < 0x80 ? static_cast<char32_t>(std::tolower(static_cast<int>(c))) : c; };
        const auto now = std::chrono::steady_clock::now();
        const bool sameLetter = searchTyped_.size() == 1 && lower(searchTyped_[0]) == lower(key);
        if (now - searchLast_ > std::chrono::seconds(1) || sameLetter)
            searchTyped_.clear();
        searchTyped_ += key;
        searchLast_ = now;
        const int n = items_->Count();
        // A longer prefix may still fit the current item; one letter looks from the next one on.
        const int from = itemIndex_ < 0 ? 0 : itemIndex_ + (searchTyped_.size() > 1 ? 0 : 1);
        for (int step = 0; step < n; ++step) {
            const int i = (from + step) % n;
            const std::u32string s = rtl::Utf8ToCodePoints(items_->Strings(i));
            if (s.size() < searchTyped_.size())
                continue;
            bool fits = true;
            for (std::size_t k = 0; k < searchTyped_.size() && fits; ++k)
                fits = lower(s[k]) == lower(searchTyped_[k]);
            if (fits) {
                if (i != itemIndex_) {
                    const std::u32string typed = searchTyped_;
                    SetItemIndex(i);
                    searchTyped_ = typed;
                    NotifyParent(this, CBN_SELCHANGE);
                }
                break;
            }
        }
        return;
    }
    switch (key) {
    case 1:  // Ctrl+A
        SelectAll();
        return;
    case 3:   // Ctrl+C
    case 24:  // Ctrl+X
        if (selLength_ > 0) {
            std::u32string u = rtl::Utf8ToCodePoints(Text());
            Clipboard()->SetAsText(rtl::CodePointsToUtf8(
                u.substr(static_cast<std::size_t>(selStart_), static_cast<std::size_t>(selLength_))));
            if (key == 24)
                ReplaceSelection("");
        }
        return;
    case 22:  // Ctrl+V
        ReplaceSelection(Clipboard()->AsText());
        return;
    case 8:  // Backspace
        if (selLength_ == 0 && selStart_ > 0) {
            --selStart_;
            selLength_ = 1;
        }
        ReplaceSelection("");
        return;
    default:
        break;
    }
    if (key >= 32)
        ReplaceSelection(rtl::CodePointToUtf8(key));
}

TRect TComboBox::DropButtonRect() const
{
    return {Width() - kButtonWidth, 0, Width(), Height()};
}

TRect TComboBox::TextRect() const
{
    return {3, 1, DropButtonRect().Left - 2, Height() - 1};
}

// How far the edit part's text is moved left so that the caret stays in view.
int TComboBox::TextOffset(TCanvas& measure) const
{
    if (style_ != TComboBoxStyle::csDropDown)
        return 0;
    int caretX = measure.TextWidth(Prefix(Text(), selStart_ + selLength_));
    return std::max(0, caretX - (TextRect().Width() - 2));
}

void TComboBox::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    if (button == TMouseButton::mbLeft) {
        if (CanFocus() && !Focused())
            SetFocus();
        if (style_ == TComboBoxStyle::csDropDownList || DropButtonRect().Contains({x, y})) {
            SetDroppedDown(!droppedDown_);
        } else if (style_ == TComboBoxStyle::csDropDown) {
            // A press in the edit part puts the caret at the nearest character boundary.
            TCanvas measure;
            measure.Font()->Assign(*Font());
            int along = x - TextRect().Left + TextOffset(measure);
            std::u32string u = rtl::Utf8ToCodePoints(Text());
            int best = 0;
            for (int i = 1; i <= static_cast<int>(u.size()); ++i) {
                int w = measure.TextWidth(rtl::CodePointsToUtf8(u.substr(0, static_cast<std::size_t>(i))));
                int prev = measure.TextWidth(rtl::CodePointsToUtf8(u.substr(0, static_cast<std::size_t>(i - 1))));
                if (along >= (prev + w) / 2)
                    best = i;
            }
            if (shift & ssDouble)
                SelectAll();
            else
                PlaceCaret(best, shift, static_cast<int>(u.size()), selStart_, selLength_);
            Invalidate();
        }
    }
    TWinControl::MouseDown(button, shift, x, y);
}

void TComboBox::FocusOut()
{
    TWinControl::FocusOut();
    // The list closes when the focus leaves the box.
    SetDroppedDown(false);
}

void TComboBox::PaintControl(TCanvas& canvas)
{
    TRect r{0, 0, Width(), Height()};
    canvas.Brush()->SetStyle(TBrushStyle::bsSolid);
    canvas.Brush()->SetColor(Enabled() ? Color() : clBtnFace);
    canvas.FillRect(r);
    canvas.Brush()->SetColor(clBtnShadow);
    canvas.FrameRect(r);
    TRect button = DropButtonRect().Inflate(0, -1);
    button.Right -= 1;
    canvas.DrawThemedPart(TThemedPart::ComboButton,
                          (Enabled() ? 0u : unsigned(tsDisabled)) | (droppedDown_ ? unsigned(tsPressed) : 0u), button);
    TRect text = TextRect();
    canvas.Font()->Assign(*Font());
    if (!Enabled())
        canvas.Font()->SetColor(clGrayText);
    const bool focused = Focused() && Enabled();
    if (style_ != TComboBoxStyle::csDropDown) {
        if (focused) {
            canvas.Brush()->SetColor(clHighlight);
            canvas.FillRect(text.Inflate(1, -2));
            canvas.Font()->SetColor(clHighlightText);
        }
        canvas.Brush()->SetStyle(TBrushStyle::bsClear);
        canvas.DrawText(Text(), text, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
        return;
    }
    // The edit part: text, selection and caret, moved left when the caret would leave the box.
    const bool hadClip = canvas.HasClip();
    const TRect oldClip = canvas.ClipRectRaw();
    canvas.IntersectClipRect(text);
    int offset = TextOffset(canvas);
    TRect line = text.Offset(-offset, 0);
    line.Right += offset;
    canvas.Brush()->SetStyle(TBrushStyle::bsClear);
    canvas.DrawText(Text(), line, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    if (focused) {
        int from = canvas.TextWidth(Prefix(Text(), selStart_));
        int to = canvas.TextWidth(Prefix(Text(), selStart_ + selLength_));
        int textHeight = canvas.TextHeight("Ag");
        int top = text.Top + (text.Height() - textHeight) / 2;
        if (selLength_ > 0) {
            TRect sel(line.Left + from, top, line.Left + to, top + textHeight);
            canvas.Brush()->SetStyle(TBrushStyle::bsSolid);
            canvas.Brush()->SetColor(clHighlight);
            canvas.FillRect(sel);
            canvas.Font()->SetColor(clHighlightText);
            canvas.Brush()->SetStyle(TBrushStyle::bsClear);
            TRect selText = line;
            selText.Left += from;
            canvas.DrawText(rtl::CodePointsToUtf8(rtl::Utf8ToCodePoints(Text()).substr(
                                static_cast<std::size_t>(selStart_), static_cast<std::size_t>(selLength_))),
                            selText, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
        }
        canvas.Brush()->SetStyle(TBrushStyle::bsSolid);
        canvas.Brush()->SetColor(clWindowText);
        canvas.FillRect(Bounds(line.Left + to, top, 1, textHeight));
    }
    if (hadClip)
        canvas.SetClipRect(oldClip);
    else
        canvas.ResetClip();
}

}  // namespace ui
