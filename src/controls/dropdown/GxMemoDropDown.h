#pragma once
// TGxMemoDropDown: a text of several lines (MemoText) edited in a memo in the drop-down window. The
// edit shows a one-line summary (the first line and "..." when more follow), or the whole text
// while it may be typed in. Closing keeps the memo's lines; a cancelled closing keeps MemoText.
#include <memory>

#include "controls/dropdown/GxDropDown.h"
#include "platform/rtl/StringList.h"
#include "platform/ui/StdCtrls.h"

namespace ui {
class TPopupMenu;
}

namespace dropdown {

class TGxMemoDropDown : public TGxCustomDropDown {
public:
    explicit TGxMemoDropDown(ui::TComponent* AOwner);
    ~TGxMemoDropDown() override;

    const rtl::TStringList* MemoText() const { return FMemoText.get(); }
    // Copies the lines (into the memo too) and writes the summary into the edit.
    void SetMemoText(const rtl::TStrings& Value);
    ui::TPopupMenu* MemoPopup() const { return FMemoPopup; }
    void SetMemoPopup(ui::TPopupMenu* Value) { FMemoPopup = Value; }
    ui::TScrollStyle MemoScrollBars() const { return FMemoScrollBars; }
    void SetMemoScrollBars(ui::TScrollStyle Value) { FMemoScrollBars = Value; }
    bool MemoReadOnly() const { return FMemoReadOnly; }
    // Applied to the memo at once while the window is open.
    void SetMemoReadOnly(bool Value);
    // The window opens whenever the edit gets the focus.
    bool AutoDrop() const { return FAutoDrop; }
    void SetAutoDrop(bool Value) { FAutoDrop = Value; }
    ui::TMemo* Memo() const { return FMemo; }

    ui::TNotifyEvent OnMemoChange;

    void DoHideDropDown(bool Cancelled) override;

protected:
    void CreateDropDownForm() override;
    void DoBeforeDropDown() override;
    void DropDownFormHide() override;
    void ControlKeyDown(unsigned& Key, ui::TShiftState Shift) override;
    void ControlKeyUp(unsigned& Key, ui::TShiftState Shift) override;
    void ControlKeyPress(char32_t& Key) override;
    void Change() override;
    void DoEnter() override;
    void Notification(ui::TComponent* AComponent, ui::TOperation Operation) override;

private:
    void MemoTextChanged();

    std::unique_ptr<rtl::TStringList> FMemoText;
    ui::TMemo* FMemo = nullptr;
    ui::TPopupMenu* FMemoPopup = nullptr;
    ui::TScrollStyle FMemoScrollBars = ui::TScrollStyle::ssNone;
    bool FMemoReadOnly = false;
    bool FAutoDrop = false;
    bool FInternalUpdate = false;
};

}  // namespace dropdown
