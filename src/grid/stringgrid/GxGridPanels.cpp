// The floating footer's settings and the panels a string grid owns (their painting and input
// belong to the grid's periphery).
#include "grid/stringgrid/GxGridPanels.h"

#include "grid/stringgrid/GxGrid.h"

namespace gx {

// --- floating footer -----------------------------------------------------------------------------------

void TFloatingFooter::Assign(const TObject* Source)
{
    const auto* s = dynamic_cast<const TFloatingFooter*>(Source);
    if (!s || s == this)
        return;
    CalculateHiddenRows = s->CalculateHiddenRows;
    color_ = s->color_;
    column_ = s->column_;
    customTemplate_ = s->customTemplate_;
    footerStyle_ = s->footerStyle_;
    showHint_ = s->showHint_;
    SetVisible(s->visible_);
}

void TFloatingFooter::Invalidate()
{
    if (grid_ && grid_->FooterPanel())
        grid_->FooterPanel()->Invalidate();
}

void TFloatingFooter::SetVisible(bool Value)
{
    visible_ = Value;
    if (!grid_)
        return;
    if (TFooterPanel* strip = grid_->FooterPanel()) {
        strip->SetHeight(Value ? height_ - 1 : 0);
        strip->SetVisible(Value);
    }
    const bool lastRowFooter = Value && footerStyle_ == fsFixedLastRow;
    grid_->SetFixedFooters(lastRowFooter ? 1 : 0);
    grid_->SetHideLastRow(lastRowFooter);
    grid_->Invalidate();
}

void TFloatingFooter::SetFooterStyle(TFooterStyle Value)
{
    footerStyle_ = Value;
    if (!grid_)
        return;
    grid_->SetHideLastRow(Value == fsFixedLastRow && visible_);
    grid_->Invalidate();
    Invalidate();
}

void TFloatingFooter::SetHeight(int Value)
{
    height_ = Value;
    if (grid_ && grid_->FooterPanel() && Value > 0 && visible_)
        grid_->FooterPanel()->SetHeight(Value - 1);
}

void TFloatingFooter::SetBorderColor(ui::TColor Value)
{
    if (borderColor_ == Value)
        return;
    borderColor_ = Value;
    Invalidate();
}

void TFloatingFooter::SetColor(ui::TColor Value)
{
    color_ = Value;
    Invalidate();
}

void TFloatingFooter::SetColumn(int Value)
{
    column_ = Value;
    Invalidate();
}

void TFloatingFooter::SetCustomTemplate(const std::string& Value)
{
    customTemplate_ = Value;
    Invalidate();
}

void TFloatingFooter::SetShowHint(bool Value)
{
    showHint_ = Value;
    if (grid_ && grid_->FooterPanel())
        grid_->FooterPanel()->SetShowHint(Value);
}

TColumnCalcType TFloatingFooter::GetColumnCalc(int c) const
{
    if (!grid_)
        return acNONE;
    const int last = grid_->RowCount() - 1;
    return grid_->HasCellProperties(c, last) ? grid_->GridObjects(c, last)->CalcType() : acNONE;
}

void TFloatingFooter::SetColumnCalc(int c, TColumnCalcType Value)
{
    if (!grid_)
        return;
    grid_->CellProperties(c, grid_->RowCount() - 1)->SetCalcType(Value);
    grid_->UpdateColumnFooter(c);
}

// --- panels ---------------------------------------------------------------------------------------------

TFooterPanel::TFooterPanel(TGxStringGrid* AOwner) : ui::TPanel(AOwner), grid_(AOwner)
{
    SetAlign(ui::TAlign::alBottom);
    SetHeight(0);
    SetBevelOuter(ui::TBevelCut::bvNone);
    SetVisible(false);
}

TSearchPanel::TSearchPanel(TGxStringGrid* AOwner) : ui::TPanel(AOwner), grid_(AOwner), edit_(new TRetEdit(this))
{
    SetAlign(ui::TAlign::alBottom);
    SetHeight(0);
    SetBevelOuter(ui::TBevelCut::bvNone);
    SetVisible(false);
    edit_->SetParent(this);
    edit_->SetBounds(25, 6, 110, edit_->Height());
}

void TSearchPanel::SetColorTo(ui::TColor Value)
{
    colorTo_ = Value;
    Invalidate();
}

bool TDropCheckList::Checked(int Index) const
{
    return Index >= 0 && static_cast<std::size_t>(Index) < checked_.size() && checked_[static_cast<std::size_t>(Index)];
}

void TDropCheckList::SetChecked(int Index, bool Value)
{
    if (Index < 0 || Index >= Items()->Count())
        return;
    if (static_cast<std::size_t>(Index) >= checked_.size())
        checked_.resize(static_cast<std::size_t>(Index) + 1, false);
    checked_[static_cast<std::size_t>(Index)] = Value;
    Invalidate();
}

TScrollControl::TScrollControl(ui::TComponent* AOwner) : ui::TCustomControl(AOwner) {}

void TScrollControl::SetScrollColor(ui::TColor Value)
{
    if (scrollColor_ == Value)
        return;
    scrollColor_ = Value;
    Invalidate();
}

THeaderDragButton::THeaderDragButton(TGxStringGrid* AOwner) : ui::TCustomControl(AOwner), grid_(AOwner)
{
    SetColor(ui::clBtnFace);
}

}  // namespace gx
