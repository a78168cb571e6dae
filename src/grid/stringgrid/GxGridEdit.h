// The editor controls of TGxStringGrid and the state the grid keeps while a cell is edited.
// TGxInplaceEdit is the framework grid's text editor with the grid's character filters, length
// limit, filtered pasting and validation on the keys that leave the cell; the other controls sit
// over a cell for the non-text editor kinds and end the edit on their own commit keys.
#pragma once

#include <string>

#include "grid/base/GsgComboBox.h"
#include "grid/base/GsgDateTimePicker.h"
#include "grid/base/GsgEditBtn.h"
#include "grid/base/GsgSpinEdit.h"
#include "grid/base/GxDateTimePicker.h"
#include "grid/stringgrid/GxGridEditTypes.h"
#include "platform/rtl/DateTime.h"
#include "platform/ui/Grids.h"
#include "platform/ui/StdCtrls.h"

namespace gx {

class TGxStringGrid;

// The text editor.
class TGxInplaceEdit : public ui::TInplaceEdit {
public:
    explicit TGxInplaceEdit(TGxStringGrid* AGrid);
    // 0 or less: no limit.
    int LengthLimit() const { return lengthLimit_; }
    void SetLengthLimit(int v) { lengthLimit_ = v; }
    TGxStringGrid* StringGrid() const { return grid_; }
    // Pastes text as the clipboard paste does (events, length limit, the kind's rule).
    void PasteText(const std::string& Value);

protected:
    void KeyDown(unsigned& key, ui::TShiftState shift) override;
    void KeyUp(unsigned& key, ui::TShiftState shift) override;
    void KeyPress(char32_t& key) override;
    void Change() override;
    void WndProc(ui::TMessage& message) override;
    unsigned WantKeys() const override;

private:
    bool KeyDownMessage(unsigned& key, ui::TShiftState shift);
    // Refused: the editor shows the text validation left, selects it, and the old text comes back.
    void ShowRefused(const std::string& typed, const std::string& oldText);
    bool FilterChar(char32_t& key, ui::TShiftState shift);
    bool FilterFloat(char32_t& key, bool allowMinus, ui::TShiftState shift);
    void GotFocus();
    void LostFocus(ui::TWinControl* to);
    void AutoComplete();
    TGxStringGrid* grid_;
    int lengthLimit_ = 0;
    int selKeyDown_ = 0;
    int oldSelStart_ = 0;
    bool gotFocus_ = false;
    bool workmode_ = true;
    bool altBack_ = false;
    bool swallowEnterChar_ = false;
    std::intptr_t charKeyData_ = 0;
    int colE_ = -1;
    int rowE_ = -1;
};

// The combo editor of edComboList and edComboEdit.
class TGridCombo : public TGsgComboBox {
public:
    explicit TGridCombo(TGxStringGrid* AGrid);
    // Widens the drop-down list to its longest item.
    void SizeDropDownWidth();
    ui::TNotifyEvent OnReturnKey;
    int ItemIdx = -1;
    bool ItemChange = false;

protected:
    void KeyDown(unsigned& key, ui::TShiftState shift) override;
    void KeyUp(unsigned& key, ui::TShiftState shift) override;
    void KeyPress(char32_t& key) override;
    void DoExit() override;
    void Change() override;
    void WndProc(ui::TMessage& message) override;
    unsigned WantKeys() const override;

private:
    void Wheel(int delta);
    void DoChange();
    TGxStringGrid* grid_;
    bool workMode_ = true;
};

// The check-box editor of edCheckBox: toggles, never writes the cell.
class TGridCheckBox : public ui::TCheckBox {
public:
    explicit TGridCheckBox(TGxStringGrid* AGrid);

protected:
    void KeyDown(unsigned& key, ui::TShiftState shift) override;
    void KeyPress(char32_t& key) override;
    void MouseDown(ui::TMouseButton button, ui::TShiftState shift, int x, int y) override;
    void DoExit() override;

private:
    TGxStringGrid* grid_;
};

// The spin editor of the four spin kinds.
class TGridSpin : public TGsgSpinEdit {
public:
    explicit TGridSpin(TGxStringGrid* AGrid);
    void UpClick(ui::TObject* Sender) override;
    void DownClick(ui::TObject* Sender) override;
    // The page and arrow keys reach the key handling instead of stepping at once.
    void WndProc(ui::TMessage& message) override;

protected:
    void KeyDown(unsigned& key, ui::TShiftState shift) override;
    void KeyPress(char32_t& key) override;
    void DoExit() override;
    void Change() override;
    unsigned WantKeys() const override;

private:
    void FireSpinClick(bool Up);
    TGxStringGrid* grid_;
};

// The edit with button of edEditBtn, edNumericEditBtn, edFloatEditBtn and edMaskEditBtn.
class TGridEditBtn : public TGsgEditBtn {
public:
    explicit TGridEditBtn(TGxStringGrid* AGrid);
    void ButtonClick() override;
    bool StopEditAfterClick = false;

protected:
    void KeyDown(unsigned& key, ui::TShiftState shift) override;
    void KeyPress(char32_t& key) override;
    void DoExit() override;
    void Change() override;
    unsigned WantKeys() const override;

private:
    TGxStringGrid* grid_;
};

// The edit with unit and button of the three unit kinds.
class TGridUnitEditBtn : public TGsgUnitEditBtn {
public:
    explicit TGridUnitEditBtn(TGxStringGrid* AGrid);
    void ButtonClick() override;

protected:
    void KeyDown(unsigned& key, ui::TShiftState shift) override;
    void KeyPress(char32_t& key) override;
    void DoExit() override;
    unsigned WantKeys() const override;

private:
    TGxStringGrid* grid_;
};

// The date picker of edDateEdit, edDateEditUpDown and edTimeEdit.
class TGridDatePicker : public TGsgDateTimePicker {
public:
    explicit TGridDatePicker(TGxStringGrid* AGrid);

protected:
    void KeyDown(unsigned& key, ui::TShiftState shift) override;
    void DoExit() override;
    unsigned WantKeys() const override;

private:
    TGxStringGrid* grid_;
};

// The date-and-time picker of edDateTimeEdit.
class TGridDateTimePicker : public TGxDateTimePicker {
public:
    explicit TGridDateTimePicker(TGxStringGrid* AGrid);

protected:
    void KeyDown(unsigned& key, ui::TShiftState shift) override;
    void DoExit() override;

private:
    TGxStringGrid* grid_;
};

// The push button of edButton: its click passes the caption through OnEllipsClick into the cell.
class TGridButton : public ui::TCustomControl {
public:
    explicit TGridButton(TGxStringGrid* AGrid);
    void Click() override;

protected:
    void KeyDown(unsigned& key, ui::TShiftState shift) override;
    void KeyUp(unsigned& key, ui::TShiftState shift) override;
    void MouseUp(ui::TMouseButton button, ui::TShiftState shift, int x, int y) override;
    void DoExit() override;
    void PaintControl(ui::TCanvas& canvas) override;
    unsigned WantKeys() const override;

private:
    void Ellipsis();
    TGxStringGrid* grid_;
};

// The editors of a fixed (header) cell's text. StopEdit validates, stores and hides; false when
// validation refused and the editor stays open. Enter does not end such an edit.
class TGridTransEdit : public ui::TCustomEdit {
public:
    explicit TGridTransEdit(TGxStringGrid* AGrid);
    bool StopEdit();
    int FCol = 0;  // real column
    int FRow = 0;

protected:
    void KeyPress(char32_t& key) override;
    void DoExit() override;

private:
    TGxStringGrid* grid_;
};

class TGridTransCombo : public ui::TComboBox {
public:
    explicit TGridTransCombo(TGxStringGrid* AGrid);
    bool StopEdit();
    int FCol = 0;
    int FRow = 0;

protected:
    void KeyPress(char32_t& key) override;
    void DoExit() override;

private:
    TGxStringGrid* grid_;
};

// The editors of an HTML control in a cell's text ("EDIT", "PASSWORD", "MASK"; "COMBO"): Enter and
// Tab end the edit, Tab moving on.
class TControlEdit : public ui::TMaskEdit {
public:
    explicit TControlEdit(ui::TComponent* AOwner);
    void WndProc(ui::TMessage& message) override;

protected:
    void KeyPress(char32_t& key) override;
};

class TControlCombo : public TGsgComboBox {
public:
    explicit TControlCombo(TGxStringGrid* AGrid);
    void WndProc(ui::TMessage& message) override;

protected:
    void KeyPress(char32_t& key) override;

private:
    TGxStringGrid* grid_;
};

// The editor kinds the text editor serves.
bool IsTextEditor(TEditorType Kind);

}  // namespace gx
