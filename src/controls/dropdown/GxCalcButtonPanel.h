#pragma once
// TCustomButtonPanel: a custom-drawn set of push buttons that reports clicks by button index. As
// the calculator keypad (plCalculator) it makes its 28 keys itself and lays them out on a grid
// that follows the panel size; the key faces are the platform's push-button style.
#include <functional>

#include "controls/dropdown/GxCalcButtons.h"
#include "controls/dropdown/GxDropDownTypes.h"
#include "platform/ui/Controls.h"

namespace ui {
class TImageList;
}

namespace dropdown {

enum class TButtonPanelType { plCalculator, plCustom };

using TCalculatorButtonClickEvent = std::function<void(ui::TObject* Sender, int Index)>;

class TCustomButtonPanel : public ui::TCustomControl {
public:
    explicit TCustomButtonPanel(ui::TComponent* AOwner);
    ~TCustomButtonPanel() override;

    TButtonItems* Buttons() { return &FButtons; }
    void SetButtons(const TButtonItems& Value) { FButtons.Assign(Value); }
    TButtonAppearance* ButtonAppearance() { return &FButtonAppearance; }
    void SetButtonAppearance(const TButtonAppearance& Value) { FButtonAppearance.Assign(Value); }
    TItemLayout ButtonLayout() const { return FButtonLayout; }
    void SetButtonLayout(TItemLayout Value) { FButtonLayout = Value; }
    TButtonPanelType ButtonPanelType() const { return FButtonPanelType; }
    void SetButtonPanelType(TButtonPanelType Value);
    ui::TImageList* Images() const { return FImages; }
    void SetImages(ui::TImageList* Value);
    TSelectionColorStyle ItemColorStyle() const { return FItemColorStyle; }
    void SetItemColorStyle(TSelectionColorStyle Value) { FItemColorStyle = Value; }
    ui::TWinControl* Edit() const { return FEdit; }
    void SetEdit(ui::TWinControl* Value);
    // The drop-down hosting the panel: no frame, and it repaints the panel itself.
    void SetGxDropDown(ui::TComponent* DropDown) { FGxDropDown = DropDown; }

    int ButtonHot() const { return FButtonHot; }
    int ButtonDown() const { return FButtonDown; }
    void SetButtonHot(int Index);
    void SetButtonDown(int Index);
    // The laid-out rectangle, or (-1, -1, -1, -1) for an index outside the buttons.
    ui::TRect GetButtonRect(int Index) const;
    // The first button in collection order whose rectangle holds the point, else -1.
    int ButtonAtPos(int X, int Y) const;

    virtual void DrawButton(int Index, ui::TCanvas& Canvas);
    virtual void GetButtonArea(ui::TRect& R);
    virtual void GetMaxButtonSize(ui::TSize& Size);
    virtual void ClearButtons();
    virtual void ResetButtons();
    // The 28 calculator keys when there are no buttons and the type is plCalculator; then the layout.
    virtual void InitButtons();
    virtual void ArrangeButtons();
    virtual void InvalidateButton(int Index);
    virtual void DoButtonClick(int Index);

    TCalculatorButtonClickEvent OnButtonClick;

protected:
    void Loaded() override;
    void Notification(ui::TComponent* AComponent, ui::TOperation Operation) override;
    void Paint() override;
    void ClientSizeChanged(int OldClientWidth, int OldClientHeight) override;
    void MouseDown(ui::TMouseButton Button, ui::TShiftState Shift, int X, int Y) override;
    void MouseMove(ui::TShiftState Shift, int X, int Y) override;
    void MouseUp(ui::TMouseButton Button, ui::TShiftState Shift, int X, int Y) override;
    void MouseLeave() override;

private:
    bool DisabledButton(int Index) const;
    void PartsChanged();

    TButtonItems FButtons;
    TItemLayout FButtonLayout = TItemLayout::ilCaptionRight;
    TSelectionColorStyle FItemColorStyle = TSelectionColorStyle::scCustom;
    int FButtonHot = -1;
    int FOffSetX = 8;
    int FOffSetY = 8;
    int FButtonOffSetX = 4;
    int FButtonOffSetY = 4;
    ui::TImageList* FImages = nullptr;
    int FCaptionGap = 0;
    ui::TWinControl* FEdit = nullptr;
    TButtonPanelType FButtonPanelType = TButtonPanelType::plCalculator;
    TButtonAppearance FButtonAppearance;
    int FButtonDown = -1;
    ui::TComponent* FGxDropDown = nullptr;
};

}  // namespace dropdown
