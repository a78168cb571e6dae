#pragma once
// TGxButton: the small push button of the drop-down header and footer bars. It paints the bar's
// background around a face in the colours of the drop-down's shared TGxButtonAppearance, with an
// optional image-list image and a one-line caption. A button with a closing modal result hides its
// drop-down (accepted or cancelled) before its click is reported. Check and grouped buttons are
// supported for buttons set up that way; the bars make plain buttons.
#include "controls/dropdown/GxDropDownTypes.h"
#include "platform/ui/Controls.h"

namespace ui {
class TImageList;
}

namespace dropdown {

class TGxButtonAppearance;

enum class TGxButtonStyle { tasButton, tasCheck };
enum class TGxButtonState { absUp, absDisabled, absDown, absDropDown, absExclusive };

class TGxButton : public ui::TCustomControl {
public:
    explicit TGxButton(ui::TComponent* AOwner);
    ~TGxButton() override;

    // The shared look (not owned); nothing is drawn or sized without it.
    TGxButtonAppearance* Appearance() const { return FAppearance; }
    void SetAppearance(TGxButtonAppearance* Value);
    ui::TImageList* Images() const { return FImages; }
    void SetImages(ui::TImageList* List);
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int Value);
    ui::TModalResult ModalResult() const { return FModalResult; }
    void SetModalResult(ui::TModalResult Value) { FModalResult = Value; }
    // The drop-down the modal result closes (footer buttons only).
    void SetGxDropDown(IDropDownCloser* DropDown) { FGxDropDown = DropDown; }
    IDropDownCloser* GxDropDown() const { return FGxDropDown; }

    int GroupIndex() const { return FGroupIndex; }
    void SetGroupIndex(int Value) { FGroupIndex = Value; }
    bool AllowAllUp() const { return FAllowAllUp; }
    void SetAllowAllUp(bool Value) { FAllowAllUp = Value; }
    TGxButtonStyle Style() const { return FStyle; }
    void SetStyle(TGxButtonStyle Value) { FStyle = Value; }
    TGxButtonState State() const { return FState; }
    bool Down() const { return FDown; }
    void SetDown(bool Value);

    // Height := caption (or image) height + 4, width := caption (or image) width + 8.
    void AutoSizeButton();
    // Tells the other buttons of the group on the parent that this one went down.
    void UpdateExclusive();
    // Hot when the control under the cursor is this button, not hot otherwise.
    void UpdateTracking();
    // Face, border, image and caption in the client rectangle.
    virtual void DrawButton(ui::TCanvas& Canvas);

    // Sets the parent form's modal result, closes the drop-down for a closing result, then OnClick.
    void Click() override;
    void WndProc(ui::TMessage& Message) override;

    bool MouseInButton() const { return FMouseInControl; }

protected:
    void Paint() override;
    void Loaded() override;
    void Notification(ui::TComponent* AComponent, ui::TOperation Operation) override;
    void MouseDown(ui::TMouseButton Button, ui::TShiftState Shift, int X, int Y) override;
    void MouseMove(ui::TShiftState Shift, int X, int Y) override;
    void MouseUp(ui::TMouseButton Button, ui::TShiftState Shift, int X, int Y) override;
    void MouseEnter() override;
    void MouseLeave() override;
    void KeyDown(unsigned& Key, ui::TShiftState Shift) override;
    void EnabledChanged() override;
    void FocusIn() override;
    void FocusOut() override;

private:
    void EnterHot();
    void LeaveHot();
    void UnHotTimerTick();
    bool Inside(int X, int Y) const;
    void PaintParentBackground(ui::TCanvas& Canvas);
    void AppearanceChanged();

    TGxButtonAppearance* FAppearance = nullptr;
    ui::TImageList* FImages = nullptr;
    int FImageIndex = -1;
    ui::TModalResult FModalResult = ui::mrNone;
    IDropDownCloser* FGxDropDown = nullptr;
    int FGroupIndex = 0;
    bool FDown = false;
    bool FAllowAllUp = false;
    bool FInitialDown = false;
    TGxButtonStyle FStyle = TGxButtonStyle::tasButton;
    TGxButtonState FState = TGxButtonState::absUp;
    bool FMouseInControl = false;
    bool FMouseDownInControl = false;
    bool FDragging = false;
    bool FInternalClick = false;
    bool FUnHotTimer = false;
};

}  // namespace dropdown
