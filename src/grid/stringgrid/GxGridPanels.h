// The panels and small windows a string grid owns: the floating footer's settings and its strip,
// the search panel with its text box, the two filter drop-down lists, the scroll overview strip,
// the header drag button and the non-activating form. The grid creates them with itself (the
// scroll overview only for the slim scroll-bar type); they exist with their settings from then on.
// Their painting, mouse handling and search behaviour are built with the grid's periphery.
#pragma once

#include <string>
#include <vector>

#include "grid/stringgrid/GxGridTypes.h"
#include "platform/ui/ExtCtrls.h"
#include "platform/ui/Forms.h"
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
    int LastHintX = -1;

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
};

class TSearchPanel : public ui::TPanel {
public:
    explicit TSearchPanel(TGxStringGrid* AOwner);
    TGxStringGrid* Grid() const { return grid_; }
    TRetEdit* Edit() const { return edit_; }
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

private:
    TGxStringGrid* grid_;
    TRetEdit* edit_;
    ui::TColor colorTo_ = ui::clNone;
};

// --- filter drop-down lists, scroll overview, drag button, non-activating form ------------------------

class TDropList : public ui::TListBox {
public:
    using ui::TListBox::TListBox;
    TDropSelectEvent OnSelect;
};

// The filter list with a check box per entry.
class TDropCheckList : public ui::TListBox {
public:
    using ui::TListBox::TListBox;
    bool Checked(int Index) const;
    void SetChecked(int Index, bool Value);
    TDropSelectEvent OnSelect;

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

private:
    ui::TColor scrollColor_ = ui::clSilver;
};

// The floating image of a column header while a column is dragged.
class THeaderDragButton : public ui::TCustomControl {
public:
    explicit THeaderDragButton(TGxStringGrid* AOwner);
    TGxStringGrid* Grid() const { return grid_; }
    std::string Caption;
    bool Flat = false;

private:
    TGxStringGrid* grid_;
};

// A popup form that never takes the focus.
class TNoActiveForm : public ui::TForm {
public:
    using ui::TForm::TForm;
};

}  // namespace gx
