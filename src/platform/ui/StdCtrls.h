#pragma once
// Standard controls: label, edit, memo, combo box, check box, radio button, group box, list box,
// scroll bar. Each holds its own state; a native window follows it when the form is shown.
#include "platform/rtl/StringList.h"
#include "platform/ui/Controls.h"
#include <algorithm>
#include <chrono>
#include <memory>

namespace ui {

enum class TAlignment { taLeftJustify, taRightJustify, taCenter };
enum class TTextLayout { tlTop, tlCenter, tlBottom };
enum class TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };
enum class TEditCharCase { ecNormal, ecUpperCase, ecLowerCase };

class TLabel : public TGraphicControl {
public:
    explicit TLabel(TComponent* AOwner);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment v);
    TTextLayout Layout() const { return layout_; }
    void SetLayout(TTextLayout v);
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool v);
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool v);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool v);
    // "&" marks an accelerator unless ShowAccelChar is off.
    bool ShowAccelChar() const { return showAccelChar_; }
    void SetShowAccelChar(bool v);
    TWinControl* FocusControl() const { return focusControl_; }
    void SetFocusControl(TWinControl* c);
    // Recomputes the size from the caption when AutoSize is on.
    void AdjustBounds();
    // Takes the accelerator ("&x" in the caption) by focusing FocusControl.
    void WndProc(TMessage& message) override;

protected:
    void Paint() override;
    void TextChanged() override;
    void FontChanged() override;
    void Notification(TComponent* component, TOperation operation) override;
    unsigned DrawTextFlags() const;

private:
    TAlignment alignment_ = TAlignment::taLeftJustify;
    TTextLayout layout_ = TTextLayout::tlTop;
    bool autoSize_ = true;
    bool wordWrap_ = false;
    bool transparent_ = false;
    bool showAccelChar_ = true;
    TWinControl* focusControl_ = nullptr;
};

using TKeyPressFilter = std::function<bool(char32_t)>;

// The balloon tip an edit shows on EM_SHOWBALLOONTIP (LParam points to it) until
// EM_HIDEBALLOONTIP, the next typed character or the loss of the focus.
struct TEditBalloonTip {
    std::string Title;
    std::string Text;
    int Icon = 0;  // TTI_NONE, TTI_INFO, TTI_WARNING, TTI_ERROR
};
constexpr int TTI_NONE = 0;
constexpr int TTI_INFO = 1;
constexpr int TTI_WARNING = 2;
constexpr int TTI_ERROR = 3;

class TCustomEdit : public TWinControl {
public:
    explicit TCustomEdit(TComponent* AOwner);
    ~TCustomEdit() override;
    void SetText(const std::string& v) override;
    int MaxLength() const { return maxLength_; }
    void SetMaxLength(int v);
    char32_t PasswordChar() const { return passwordChar_; }
    void SetPasswordChar(char32_t v);
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool v);
    TEditCharCase CharCase() const { return charCase_; }
    void SetCharCase(TEditCharCase v);
    bool AutoSelect() const { return autoSelect_; }
    void SetAutoSelect(bool v) { autoSelect_ = v; }
    bool Modified() const { return modified_; }
    void SetModified(bool v) { modified_ = v; }
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment v);

    // Selection in characters (code points).
    int SelStart() const { return selStart_; }
    void SetSelStart(int v);
    int SelLength() const { return selLength_; }
    void SetSelLength(int v);
    std::string SelText() const;
    // Replaces the selection with text (respecting MaxLength and ReadOnly) as typing does.
    void SetSelText(const std::string& v);
    void SelectAll();
    void ClearSelection();
    void Clear() { SetText(""); }
    int TextLength() const;
    // The text as shown (password characters instead of the text). Selection, typing and the
    // shown text work on the text the edit holds (TControl::Text), which a descendant's Text may
    // present differently (a masked or framed value).
    std::string DisplayText() const;
    // The rectangle the text is formatted in (client coordinates): the client area unless
    // EM_SETRECT / EM_SETRECTNP (LParam: const TRect*) narrowed it; EM_GETRECT (LParam: TRect*)
    // reads it. Controls with embedded buttons keep their text out of the buttons this way.
    TRect EditRect() const;
    // The caret position (0..length) nearest to a client x, as the text is shown.
    int CharAtX(int x) const;

    // Called by the native edit when the user changed the text.
    void NativeTextEdited(const std::string& text, int cursorPos);
    void WndProc(TMessage& message) override;
    // The balloon tip shown now, or nullptr.
    const TEditBalloonTip* BalloonTip() const { return balloonShown_ ? &balloon_ : nullptr; }

    TNotifyEvent OnChange;

protected:
    void KeyDown(unsigned& key, TShiftState shift) override;
    void KeyPress(char32_t& key) override;
    void DoEnter() override;
    unsigned WantKeys() const override { return DLGC_WANTARROWS | DLGC_WANTCHARS; }
    virtual void Change();
    // Whether ch may be typed at pos (masked edits restrict it).
    virtual bool AcceptChar(char32_t ch, int pos) const;
    void PaintControl(TCanvas& canvas) override;
    void SetTextSilently(const std::string& v);  // no OnChange
    // Replaces the text as typing does: marks it modified and reports the change (EN_CHANGE).
    void ReplaceText(const std::string& text, int caret);
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;

private:
    std::string ApplyCase(const std::string& s) const;
    void HideBalloonTip();
    TEditBalloonTip balloon_;
    bool balloonShown_ = false;
    TRect editRect_;
    bool hasEditRect_ = false;
    int maxLength_ = 0;
    char32_t passwordChar_ = 0;
    bool readOnly_ = false;
    TEditCharCase charCase_ = TEditCharCase::ecNormal;
    bool autoSelect_ = true;
    bool modified_ = false;
    TAlignment alignment_ = TAlignment::taLeftJustify;
    int selStart_ = 0;
    int selLength_ = 0;
};

class TEdit : public TCustomEdit {
public:
    explicit TEdit(TComponent* AOwner) : TCustomEdit(AOwner) {}
};

enum class TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };

class TMemo : public TCustomEdit {
public:
    explicit TMemo(TComponent* AOwner);
    ~TMemo() override;
    // The lines of the text (kept in step with Text).
    rtl::TStringList* Lines() { return lines_.get(); }
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool v);
    TScrollStyle ScrollBars() const { return scrollBars_; }
    void SetScrollBars(TScrollStyle v);
    bool WantReturns() const { return wantReturns_; }
    void SetWantReturns(bool v) { wantReturns_ = v; }
    bool WantTabs() const { return wantTabs_; }
    void SetWantTabs(bool v) { wantTabs_ = v; }
    void SetText(const std::string& v) override;

protected:
    void KeyPress(char32_t& key) override;
    unsigned WantKeys() const override;
    void PaintControl(TCanvas& canvas) override;
    void Change() override;

private:
    std::unique_ptr<rtl::TStringList> lines_;
    bool wordWrap_ = true;
    TScrollStyle scrollBars_ = TScrollStyle::ssNone;
    bool wantReturns_ = true;
    bool wantTabs_ = false;
    bool syncing_ = false;
};

enum class TComboBoxStyle { csDropDown, csSimple, csDropDownList, csOwnerDrawFixed, csOwnerDrawVariable };

class TPopupList;

// The combo box, drawn by the framework on screen as off screen. Its list drops down as a
// TPopupList; the edit part of csDropDown has a caret and a selection of its own.
class TComboBox : public TWinControl {
public:
    explicit TComboBox(TComponent* AOwner);
    ~TComboBox() override;
    TComboBoxStyle Style() const { return style_; }
    void SetStyle(TComboBoxStyle v);
    rtl::TStringList* Items() { return items_.get(); }
    int ItemIndex() const { return itemIndex_; }
    // Selects an item (-1: none) and shows its text; fires no event (as when set from code).
    void SetItemIndex(int v);
    void SetText(const std::string& v) override;
    int DropDownCount() const { return dropDownCount_; }
    void SetDropDownCount(int v) { dropDownCount_ = v; }
    int DropDownWidth() const { return dropDownWidth_; }
    void SetDropDownWidth(int v) { dropDownWidth_ = v; }
    // The height of the open combo from its top, edit part and list together, as a drop-down
    // combo's window height is on the desktop: the list shows the whole rows that fit below the
    // edit part (at most DropDownCount). 0: DropDownCount rows.
    int DropDownHeight() const { return dropDownHeight_; }
    void SetDropDownHeight(int v) { dropDownHeight_ = std::max(0, v); }
    // The height of one row of the list in the combo's font.
    int ItemHeight() const;
    bool DroppedDown() const { return droppedDown_; }
    // Opens the list (after CBN_DROPDOWN, so handlers may fill it first) or closes it (then CBN_CLOSEUP).
    void SetDroppedDown(bool v);
    // The list window (created on the first drop-down), or nullptr.
    TPopupList* DropDownList() const { return list_; }
    int MaxLength() const { return maxLength_; }
    void SetMaxLength(int v) { maxLength_ = v; }
    bool Sorted() const { return items_->Sorted(); }
    void SetSorted(bool v) { items_->SetSorted(v); }
    // Text typed into the edit part with csDropDown: the item whose text matches becomes the item index.
    void SetEditText(const std::string& v);
    // Selection in the edit part, in characters.
    int SelStart() const { return selStart_; }
    int SelLength() const { return selLength_; }
    void SetSelStart(int v);
    void SetSelLength(int v);
    void SelectAll();
    void Clear();
    void AddItem(const std::string& text, TObject* object) { items_->AddObject(text, object); }

    // The user picked item index in the list: sets it and shows its text, then OnClick and
    // OnSelect (OnChange when no OnSelect is assigned), as CBN_SELCHANGE through the parent; then
    // a dropped-down list closes (CBN_CLOSEUP).
    void UserSelect(int index);
    void WndProc(TMessage& message) override;

    TNotifyEvent OnChange;
    TNotifyEvent OnSelect;
    TNotifyEvent OnDropDown;
    TNotifyEvent OnCloseUp;

protected:
    void Notification(TComponent* component, TOperation operation) override;
    void KeyDown(unsigned& key, TShiftState shift) override;
    void KeyPress(char32_t& key) override;
    // An open list takes Enter and Escape itself.
    unsigned WantKeys() const override
    {
        return DLGC_WANTARROWS | DLGC_WANTCHARS | (droppedDown_ ? DLGC_WANTALLKEYS : 0u);
    }
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void FocusOut() override;
    void PaintControl(TCanvas& canvas) override;
    // The drop-down button's strip (a press there opens the list).
    virtual TRect DropButtonRect() const;
    // Where the edit part's text is drawn.
    TRect TextRect() const;
    virtual void Change();
    virtual void Select();

private:
    void ItemsChanged();
    void OpenList();
    bool EditKey(unsigned key, TShiftState shift);
    void ReplaceSelection(const std::string& text);
    int TextOffset(TCanvas& measure) const;
    TComboBoxStyle style_ = TComboBoxStyle::csDropDown;
    std::unique_ptr<rtl::TStringList> items_;
    TPopupList* list_ = nullptr;
    int itemIndex_ = -1;
    int dropDownCount_ = 8;
    int dropDownWidth_ = 0;
    int dropDownHeight_ = 0;
    bool droppedDown_ = false;
    int maxLength_ = 0;
    int selStart_ = 0;
    int selLength_ = 0;
    // A closed list's key search: the letters typed in quick succession and when the last came.
    std::u32string searchTyped_;
    std::chrono::steady_clock::time_point searchLast_{};
};

class TButtonControl : public TWinControl {
public:
    explicit TButtonControl(TComponent* AOwner);
    bool Checked() const { return state_ == TCheckBoxState::cbChecked; }
    virtual void SetChecked(bool v);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment v);
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool v);

    void WndProc(TMessage& message) override;

protected:
    void KeyDown(unsigned& key, TShiftState shift) override;
    void KeyPress(char32_t& key) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    unsigned WantKeys() const override { return 0; }
    // Sets the state from the user's action (click, space): fires OnClick.
    virtual void Toggle() = 0;
    void SetStateValue(TCheckBoxState v, bool notify);
    TCheckBoxState state_ = TCheckBoxState::cbUnchecked;
    TAlignment alignment_ = TAlignment::taRightJustify;
    bool wordWrap_ = false;
};

class TCheckBox : public TButtonControl {
public:
    explicit TCheckBox(TComponent* AOwner);
    // Setting Checked or State from code fires OnClick as on the desktop.
    void SetChecked(bool v) override;
    TCheckBoxState State() const { return state_; }
    void SetState(TCheckBoxState v);
    bool AllowGrayed() const { return allowGrayed_; }
    void SetAllowGrayed(bool v) { allowGrayed_ = v; }
    void PaintControl(TCanvas& canvas) override;

protected:
    void Toggle() override;

private:
    bool allowGrayed_ = false;
};

class TRadioButton : public TButtonControl {
public:
    explicit TRadioButton(TComponent* AOwner);
    // Checking one unchecks the other radio buttons of the same parent.
    void SetChecked(bool v) override;
    void PaintControl(TCanvas& canvas) override;

protected:
    void Toggle() override;
};

class TGroupBox : public TWinControl {
public:
    explicit TGroupBox(TComponent* AOwner);
    TRect ClientRect() const override;
    TPoint ClientOrigin() const override;
    void PaintControl(TCanvas& canvas) override;
};

enum class TListBoxStyle { lbStandard, lbOwnerDrawFixed, lbOwnerDrawVariable };
using TDrawItemEvent = std::function<void(TWinControl* Control, int Index, TRect Rect, unsigned State)>;
enum TOwnerDrawStateFlag : unsigned { odSelected = 1, odFocused = 2, odDisabled = 4 };

class TListBox : public TWinControl {
public:
    explicit TListBox(TComponent* AOwner);
    ~TListBox() override;
    rtl::TStringList* Items() { return items_.get(); }
    int ItemIndex() const { return itemIndex_; }
    void SetItemIndex(int v);
    int ItemHeight() const { return itemHeight_; }
    void SetItemHeight(int v);
    int TopIndex() const { return topIndex_; }
    void SetTopIndex(int v);
    bool MultiSelect() const { return multiSelect_; }
    void SetMultiSelect(bool v);
    bool Selected(int index) const;
    void SetSelected(int index, bool v);
    int SelCount() const;
    TListBoxStyle Style() const { return style_; }
    void SetStyle(TListBoxStyle v) { style_ = v; }
    bool Sorted() const { return items_->Sorted(); }
    void SetSorted(bool v) { items_->SetSorted(v); }
    // The item at a client point, or -1.
    int ItemAtPos(TPoint p, bool existing = true) const;
    TRect ItemRect(int index) const;
    void Clear();

    TDrawItemEvent OnDrawItem;

protected:
    void KeyDown(unsigned& key, TShiftState shift) override;
    unsigned WantKeys() const override { return DLGC_WANTARROWS; }
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void PaintControl(TCanvas& canvas) override;

private:
    void ItemsChanged();
    void MakeVisible(int index);
    std::unique_ptr<rtl::TStringList> items_;
    std::vector<bool> selected_;
    int itemIndex_ = -1;
    int itemHeight_ = 13;
    int topIndex_ = 0;
    bool multiSelect_ = false;
    TListBoxStyle style_ = TListBoxStyle::lbStandard;
};

enum class TScrollBarKind { sbHorizontal, sbVertical };
enum class TScrollCode {
    scLineUp,
    scLineDown,
    scPageUp,
    scPageDown,
    scPosition,
    scTrack,
    scTop,
    scBottom,
    scEndScroll
};
using TScrollEvent = std::function<void(TObject* Sender, TScrollCode ScrollCode, int& ScrollPos)>;

class TScrollBar : public TWinControl {
public:
    explicit TScrollBar(TComponent* AOwner);
    TScrollBarKind Kind() const { return kind_; }
    void SetKind(TScrollBarKind v);
    int Min() const { return min_; }
    int Max() const { return max_; }
    int Position() const { return position_; }
    int PageSize() const { return pageSize_; }
    int SmallChange() const { return smallChange_; }
    int LargeChange() const { return largeChange_; }
    void SetMin(int v) { SetParams(position_, v, max_); }
    void SetMax(int v) { SetParams(position_, min_, v); }
    void SetPosition(int v) { SetParams(v, min_, max_); }
    void SetPageSize(int v);
    void SetSmallChange(int v) { smallChange_ = v; }
    void SetLargeChange(int v) { largeChange_ = v; }
    void SetParams(int position, int min, int max);
    // A scroll action as the user performs it: OnScroll may change the position, then OnChange.
    void Scroll(TScrollCode code, int trackPos = 0);
    void PaintControl(TCanvas& canvas) override;

    TNotifyEvent OnChange;
    TScrollEvent OnScroll;

private:
    TScrollBarKind kind_ = TScrollBarKind::sbHorizontal;
    int min_ = 0;
    int max_ = 100;
    int position_ = 0;
    int pageSize_ = 0;
    int smallChange_ = 1;
    int largeChange_ = 1;
};

}  // namespace ui
