// TEditLink: the base through which any control becomes the editor of a grid cell of kind
// edCustom, inline over the cell or in a borderless pop-up form; TGridChangeNotifier: a component
// told about changed cells. A descendant creates its control in CreateEditor, frees it in
// DestroyEditor, answers GetEditControl and moves the value with GetEditorValue/SetEditorValue;
// it attaches EditKeyDown as the OnKeyDown handler of its control.
#pragma once

#include <string>

#include "platform/ui/Component.h"
#include "platform/ui/Controls.h"

namespace ui {
class TForm;
class TFont;
}  // namespace ui

namespace gx {

class TGxStringGrid;

enum class TEditStyle { esInplace, esPopup };

class TEditLink : public ui::TComponent {
public:
    explicit TEditLink(ui::TComponent* AOwner);
    ~TEditLink() override;

    // Keys the editor keeps for itself instead of ending the edit.
    bool WantKeyLeftRight = false;
    bool WantKeyUpDown = false;
    bool WantKeyHomeEnd = false;
    bool WantKeyPriorNext = false;
    bool WantKeyReturn = false;
    bool WantKeyEscape = false;
    TEditStyle EditStyle = TEditStyle::esInplace;
    int PopupWidth = 0;
    int PopupHeight = 0;
    // The pop-up takes the cell's width.
    bool AutoPopupWidth = false;
    // Screen position of the pop-up; -1 places it at the cell's top-left corner.
    int PopupLeft = -1;
    int PopupTop = -1;

    // The grid served while a cell is edited, and that cell (real column, row).
    TGxStringGrid* Grid() const { return grid_; }
    void SetGrid(TGxStringGrid* grid);
    ui::TPoint EditCell{-1, -1};
    ui::TForm* PopupForm() const { return popupForm_; }
    // Creates the pop-up form (named "gridform", owned by the application) on first use.
    ui::TForm* MakePopupForm();

    virtual void EditKeyDown(ui::TObject* Sender, unsigned& Key, ui::TShiftState Shift);
    virtual ui::TWinControl* GetEditControl() { return nullptr; }
    virtual void CreateEditor(ui::TWinControl* /*AParent*/) {}
    virtual void DestroyEditor() {}
    virtual void SetFocus(bool Value);
    virtual void SetRect(ui::TRect r);
    virtual void SetVisible(bool Value);
    virtual void SetProperties() {}
    virtual void SetCellProps(ui::TColor /*AColor*/, ui::TFont* /*AFont*/) {}
    virtual std::string GetEditorValue() { return {}; }
    virtual void SetEditorValue(const std::string& /*s*/) {}

    void EditExit(ui::TObject* Sender);
    void FormExit(ui::TObject* Sender);
    void HideEditor();
    void RestoreWinProc();
    ui::TWinControl* GetParent();
    std::string GetCellValue();
    void SetCellValue(const std::string& s);

protected:
    void Notification(ui::TComponent* component, ui::TOperation operation) override;
    // Descendants that keep Enter or Tab in their control.
    bool WantReturns = false;
    bool WantTabs = false;

private:
    // Gives the grid the focus without the pop-up's focus loss ending the edit.
    void FocusGrid();
    void ClosePopup();
    TGxStringGrid* grid_ = nullptr;
    ui::TForm* popupForm_ = nullptr;
    bool forcedExit_ = false;
    bool subClassed_ = false;
};

// Told by the grid about every changed rectangle of cells (real columns).
class TGridChangeNotifier : public ui::TComponent {
public:
    using ui::TComponent::TComponent;
    virtual void CellsChanged(ui::TRect /*R*/) {}
};

}  // namespace gx
