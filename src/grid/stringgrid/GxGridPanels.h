// The panels and small windows a string grid owns: the floating footer's settings and its strip,
// the search panel with its text box, the two filter drop-down lists, the scroll overview strip,
// the header drag button and the non-activating form. The grid creates them with itself (the
// scroll overview only for the slim scroll-bar type); they exist with their settings from then on.
// Their painting, mouse handling and search behaviour are built with the grid's periphery.
#pragma once

#include <string>
#include <vector>

#include "grid/base/GxCheckBox.h"
#include "grid/base/GxGridButton.h"
#include "grid/stringgrid/GxGridTypes.h"
#include "platform/ui/ExtCtrls.h"
#include "platform/ui/Forms.h"
#include "platform/ui/PopupWindow.h"
#include "platform/ui/StdCtrls.h"

namespace gx {

class TGxStringGrid;

// --- floating footer -------------------------------------------------------------------------------------

class TFloatingFooter : public TObject {
public:
    explicit TFloatingFooter(TGxStringGrid* AOwner) : grid_(AOwner) {}
    // Copies CalculateHiddenRows, Color, Column, CustomTemplate, FooterStyle and ShowHint, and
    // Visible through its setter.
    void Assign(const TObject* Source);
    void Invalidate();  // repaints the strip

    bool Visible() const { return visible_; }
    // The strip takes Height - 1 pixels when shown; the grid gets one fixed footer row and a hidden
    // last row while the style is fsFixedLastRow.
    void SetVisible(bool Value);
    TFooterStyle FooterStyle() const { return footerStyle_; }
    void SetFooterStyle(TFooterStyle Value);
    int Height() const { return height_; }
    void SetHeight(int Value);
    ui::TColor BorderColor() const { return borderColor_; }
    void SetBorderColor(ui::TColor Value);
    ui::TColor Color() const { return color_; }
    void SetColor(ui::TColor Value);
    int Column() const { return column_; }
    void SetColumn(int Value);
    const std::string& CustomTemplate() const { return customTemplate_; }
    void SetCustomTemplate(const std::string& Value);
    bool ShowHint() const { return showHint_; }
    void SetShowHint(bool Value);
    // The calculation type of column c's footer cell (acNONE without properties); setting it
    // recalculates that cell.
    TColumnCalcType GetColumnCalc(int c) const;
    void SetColumnCalc(int c, TColumnCalcType Value);
    // The custom template with every "<#n>" replaced by the text of column n in the current row; a
    // tag without a number is dropped, an unterminated "<#" is kept as text.
    std::string ExpandTemplate() const;

    bool CalculateHiddenRows = true;
    bool EnableCalculation = true;
    TFooterCalcEvent OnCalcFooter;

private:
    TGxStringGrid* grid_;
    bool visible_ = false;
    TFooterStyle footerStyle_ = fsFixedLastRow;
    int height_ = 22;
    ui::TColor borderColor_ = ui::clNone;
    ui::TColor color_ = ui::clBtnFace;
    int column_ = 0;
    std::string customTemplate_;
    bool showHint_ = false;
};

// The footer strip along the grid's bottom edge.
class TFooterPanel : public ui::TPanel {
public:
    explicit TFooterPanel(TGxStringGrid* AOwner);
    TGxStringGrid* Grid() const { return grid_; }
    // The display column under x (fixed columns, then from LeftCol on), -1 right of the last one.
    int ColumnAt(int X) const;
    // The hint of the column under x (OnGridHint may supply it); records it in LastHintX.
    std::string HintAt(int X);
    int LastHintX = -1;

protected:
    void Paint() override;
    void MouseUp(ui::TMouseButton button, ui::TShiftState shift, int x, int y) override;
    void MouseMove(ui::TShiftState shift, int x, int y) override;
    void WndProc(ui::TMessage& message) override;

private:
    TGxStringGrid* grid_;
};

// --- search panel ----------------------------------------------------------------------------------------

// The search text box: reports Enter and Ctrl+Enter.
class TRetEdit : public ui::TEdit {
public:
    using ui::TEdit::TEdit;
    ui::TNotifyEvent OnReturn;
    ui::TNotifyEvent OnCtrlReturn;

protected:
    void KeyDown(unsigned& key, ui::TShiftState shift) override;
    void KeyPress(char32_t& key) override;
};

class TSearchPanel : public ui::TPanel {
public:
    explicit TSearchPanel(TGxStringGrid* AOwner);
    TGxStringGrid* Grid() const { return grid_; }
    TRetEdit* Edit() const { return edit_; }
    TGxGridButton* ForwardButton() const { return forward_; }
    TGxGridButton* BackwardButton() const { return backward_; }
    TGxGridButton* ExitButton() const { return exit_; }
    TGxGridButton* HiliteButton() const { return hilite_; }
    TGxCheckBox* MatchCase() const { return matchCase_; }
    // Places the parts, gives them their captions, hints and pictures and wires them (done when the
    // window is created; callable again after the texts change).
    void Arrange();
    ui::TColor ColorTo() const { return colorTo_; }
    void SetColorTo(ui::TColor Value);

    // The texts the grid gives it from its search footer settings.
    std::string FindNextCaption, FindPrevCaption, MatchCaseCaption, HighLightCaption;
    std::string HintFindNext, HintFindPrev, HintClose, HintHighlight;
    ui::TNotifyEvent OnForwardClick;
    ui::TNotifyEvent OnBackwardClick;
    ui::TNotifyEvent OnEditChange;
    ui::TNotifyEvent OnExitClick;
    ui::TNotifyEvent OnHighlightClick;

protected:
    void Paint() override;

private:
    TGxStringGrid* grid_;
    TRetEdit* edit_;
    TGxGridButton* forward_;
    TGxGridButton* backward_;
    TGxGridButton* exit_;
    TGxGridButton* hilite_;
    TGxCheckBox* matchCase_;
    ui::TColor colorTo_ = ui::clNone;
};

// --- filter drop-down lists, scroll overview, drag button, non-activating form ------------------------

// Enter and a mouse release choose the entry: the list closes and reports it.
class TDropList : public ui::TListBox {
public:
    using ui::TListBox::TListBox;
    TDropSelectEvent OnSelect;

protected:
    void KeyDown(unsigned& key, ui::TShiftState shift) override;
    void MouseUp(ui::TMouseButton button, ui::TShiftState shift, int x, int y) override;
    void WndProc(ui::TMessage& message) override;
};

// Closes a filter list on the cancel-mode notification when the mouse is outside it; the grid
// then has no open filter column.
void CancelFilterList(ui::TListBox* List, ui::TMessage& Message);

// The filter list with a check box per entry.
class TDropCheckList : public ui::TListBox {
public:
    using ui::TListBox::TListBox;
    bool Checked(int Index) const;
    void SetChecked(int Index, bool Value);
    // Toggles an entry's box as a click on it does: the list stays open and OnSelect gets -1.
    void ToggleChecked(int Index);
    TDropSelectEvent OnSelect;

protected:
    void WndProc(ui::TMessage& message) override;
    // A press on an entry's box (its first ItemHeight pixels) toggles it.
    void MouseDown(ui::TMouseButton button, ui::TShiftState shift, int x, int y) override;

private:
    std::vector<bool> checked_;
};

// A thin scroll overview bar beside the grid (slim scroll-bar type).
class TScrollControl : public ui::TCustomControl {
public:
    explicit TScrollControl(ui::TComponent* AOwner);
    ui::TColor ScrollColor() const { return scrollColor_; }
    void SetScrollColor(ui::TColor Value);
    int ScrollWidth = 4;
    TScrollDirection Direction = sdVertical;
    // The thumb's start and length along the bar; false (no thumb) while the grid shows all its
    // normal rows (columns), or when the control has no grid.
    bool Thumb(int& Start, int& Length) const;

protected:
    void Paint() override;
    void MouseDown(ui::TMouseButton button, ui::TShiftState shift, int x, int y) override;
    void MouseMove(ui::TShiftState shift, int x, int y) override;
    void MouseUp(ui::TMouseButton button, ui::TShiftState shift, int x, int y) override;

private:
    TGxStringGrid* Grid() const;
    bool downOnScroller_ = false;
    int downPos_ = 0;
    int downRow_ = 0;
    ui::TColor scrollColor_ = ui::clSilver;
};

// The floating image of a column header while a column is dragged.
class THeaderDragButton : public ui::TCustomControl {
public:
    explicit THeaderDragButton(TGxStringGrid* AOwner);
    TGxStringGrid* Grid() const { return grid_; }
    std::string Caption;
    bool Flat = false;

protected:
    void Paint() override;

private:
    TGxStringGrid* grid_;
};

// A popup form that never takes the focus: a disabled popup with a thin border, shown for display
// while the grid keeps the focus and the mouse (a copy of the cells being dragged).
class TNoActiveForm : public ui::TPopupWindow {
public:
    explicit TNoActiveForm(ui::TComponent* AOwner);
    // Shows it at a screen rectangle beside the anchor's form, or moves it there.
    void ShowAt(const ui::TRect& ScreenRect, ui::TControl* Anchor);
    void HideForm() { ClosePopup(ui::TPopupCloseReason::pcrCancel); }
};

}  // namespace gx
