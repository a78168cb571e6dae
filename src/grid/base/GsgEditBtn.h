#pragma once
// The edit with button: a one-line edit with an embedded push button at its right edge; the
// button or F4 calls ButtonClick, which fires OnClickBtn. The unit edit adds a list of units:
// the edit shows a number, the current unit stands beside the button, and the button opens a
// menu of the units. The grid's button and unit editors derive from these.

#include <functional>
#include <memory>
#include <string>

#include "grid/base/GsgEditButton.h"
#include "platform/rtl/StringList.h"
#include "platform/ui/Mask.h"
#include "platform/ui/Menus.h"

namespace gx {

class TGsgEditBtn : public ui::TMaskEdit {
public:
    explicit TGsgEditBtn(ui::TComponent* AOwner);
    ~TGsgEditBtn() override;

    TGsgEditButton* Button() const { return FButton; }
    const std::string& ButtonCaption() const { return FButton->ButtonCaption(); }
    void SetButtonCaption(const std::string& v) { FButton->SetButtonCaption(v); }
    // The width given (0 until one is given; the button starts 18 wide).
    int ButtonWidth() const { return FButtonWidth; }
    void SetButtonWidth(int v);
    const ui::TBitmap* Glyph() const { return FButton->Glyph(); }
    void SetGlyph(const ui::TBitmap* v) { FButton->SetGlyph(v); }
    // Off: typed characters, cut and paste are ignored; the button still works.
    bool EditorEnabled = true;
    bool RightAlign() const { return FRightAlign; }
    void SetRightAlign(bool v);
    bool IsWinXP() const { return FIsWinXP; }
    // Stored and passed to the embedded speed button.
    void SetIsWinXP(bool v);

    // Calls OnClickBtn; the embedded button and F4 call it.
    virtual void ButtonClick();
    ui::TNotifyEvent OnClickBtn;

    int MinHeight() const;
    void SetBounds(int left, int top, int width, int height) override;
    void WndProc(ui::TMessage& message) override;

protected:
    void KeyDown(unsigned& key, ui::TShiftState shift) override;
    void DoEnter() override;
    void FontChanged() override;
    // Places the button and sets the edit rectangle; derived classes place what they add.
    virtual void layout();
    int FUnitSize = 0;

private:
    TGsgEditButton* FButton = nullptr;
    int FButtonWidth = 0;
    bool FRightAlign = false;
    bool FIsWinXP = false;
    bool FLayingOut = false;
};

using TUnitChangeEvent = std::function<void(ui::TObject* Sender, const std::string& NewUnit)>;

class TGsgUnitEditBtn : public TGsgEditBtn {
public:
    explicit TGsgUnitEditBtn(ui::TComponent* AOwner);
    ~TGsgUnitEditBtn() override;

    rtl::TStringList* Units() { return FUnits.get(); }
    // Copies the list; nullptr is ignored.
    void SetUnits(const rtl::TStringList* v);
    const std::string& UnitID() const { return FUnitID; }
    void SetUnitID(const std::string& v);
    // The room kept for the unit beside the button.
    int UnitSpace() const { return FUnitSize; }
    void SetUnitSpace(int v);
    // The text followed directly by the unit. Setting it splits off the first listed unit that
    // ends the value; a value that ends in no listed unit changes nothing.
    std::string TextAndUnit() const { return Text() + FUnitID; }
    void SetTextAndUnit(const std::string& v);

    // Fires OnClickBtn, then offers the units in a menu; a choice arrives as the command of the
    // unit's 1-based position.
    void ButtonClick() override;
    // The menu of the last ButtonClick (nullptr before the first).
    ui::TPopupMenu* UnitMenu() const { return FMenu; }
    // The rectangle (client coordinates) the unit is drawn in.
    ui::TRect UnitRect() const;

    TUnitChangeEvent OnUnitChanged;

    void WndProc(ui::TMessage& message) override;

protected:
    void layout() override;

private:
    std::string FUnitID;
    std::unique_ptr<rtl::TStringList> FUnits;
    ui::TPopupMenu* FMenu = nullptr;
    ui::TWinControl* FUnitLabel = nullptr;
};

}  // namespace gx
