// The set of drop-down cell editors of one string grid: each made on first use, shown over the cell
// by the grid's editor switch with the cell's value and emptied into the cell when the edit ends.
#include <array>
#include <memory>

#include "controls/gridinplace/GxGridInplaceDropDown.h"
#include "grid/stringgrid/GxGridDropDownEditors.h"
#include "platform/ui/Messages.h"

namespace gridinplace {

namespace {

template <class Target, class Source>
void CopyBar(Target& to, Source& from)
{
    to.Height = from.Height;
    to.BorderWidth = from.BorderWidth;
    to.ImageIndex = from.ImageIndex;
    to.Caption = from.Caption;
    to.Color = from.Color;
    to.ColorTo = from.ColorTo;
    to.BorderColor = from.BorderColor;
    to.GradientDirection = from.GradientDirection == gx::gdHorizontal ? dropdown::TGradientDirection::gdHorizontal
                                                                      : dropdown::TGradientDirection::gdVertical;
    to.ButtonAlignment =
        from.ButtonAlignment == gx::baLeft ? dropdown::TButtonAlignment::baLeft : dropdown::TButtonAlignment::baRight;
    to.SetFont(*from.Font());
    to.SetVisible(from.Visible());
    to.Buttons()->Clear();
    for (int i = 0; i < from.Buttons()->Count(); ++i) {
        const auto* b = from.Buttons()->Items(i);
        auto* n = to.Buttons()->Add();
        n->SetCaption(b->Caption);
        n->SetImageIndex(b->ImageIndex);
        n->SetEnabled(b->Enabled);
        n->SetWidth(b->Width);
        n->SetHeight(b->Height);
        if constexpr (requires { b->ModalResult; })
            n->SetModalResult(b->ModalResult);
    }
}

class TEditorSet : public gx::IGridDropDownEditors {
public:
    explicit TEditorSet(gx::TGxStringGrid& Grid) : grid_(Grid) {}

    ui::TWinControl* Editor(gx::TEditorType Kind) override
    {
        ICellDropDown* e = Cell(Kind);
        return e ? e->Control() : nullptr;
    }

    ui::TWinControl* Show(gx::TEditorType Kind, int ACol, int ARow, const ui::TRect& Bounds, const std::string& Value,
                          ui::TColor Color, char32_t StartChar) override
    {
        ICellDropDown* cell = Cell(Kind);
        if (!cell)
            return nullptr;
        dropdown::TGxCustomDropDown* e = cell->Control();
        const int realCol = grid_.RealColIndex(ACol);
        e->SetDropDownFooter(Footer());
        e->SetDropDownHeader(Header());
        e->SetComponentStyle(grid_.Style());
        e->OnDropDownHeaderButtonClick = [this](ui::TObject*, int Index) {
            if (grid_.OnDropDownHeaderButtonClick)
                grid_.OnDropDownHeaderButtonClick(&grid_, grid_.Col(), grid_.Row(), Index);
        };
        e->OnDropDownFooterButtonClick = [this](ui::TObject*, int Index) {
            if (grid_.OnDropDownFooterButtonClick)
                grid_.OnDropDownFooterButtonClick(&grid_, grid_.Col(), grid_.Row(), Index);
        };
        if (cell->EarlyColor()) {
            e->SetColor(Color);
            e->SetEditorEnabled(true);
        }
        grid_.DoGetEditorProp(realCol, ARow, e);
        e->SetEnabled(true);
        e->SetBounds(Bounds.Left, Bounds.Top, Bounds.Right - Bounds.Left, Bounds.Bottom - Bounds.Top);
        cell->ValueIn(Value, realCol, ARow);
        e->SetColor(Color);
        e->SetVisible(true);
        if (e->CanFocus())
            e->SetFocus();
        if (StartChar != 0)
            ui::PostMessage(e, ui::WM_CHAR, StartChar, 0);
        if (grid_.MouseActions()->DirectComboDrop())
            e->DoShowDropDown();
        cell->AfterFocus();
        return e;
    }

    void Hide(gx::TEditorType Kind, int ARealCol, int ARow) override
    {
        ICellDropDown* cell = Made(Kind);
        if (!cell)
            return;
        dropdown::TGxCustomDropDown* e = cell->Control();
        if (e->DroppedDown())
            e->HideDropDown(false);
        cell->ValueOut(ARealCol, ARow);
        e->SetVisible(false);
        e->SetEnabled(false);
    }

private:
    ICellDropDown* Made(gx::TEditorType Kind) const
    {
        return gx::IsDropDownEditor(Kind) ? made_[Kind - gx::edTrackbarDropDown] : nullptr;
    }

    template <class Editor>
    ICellDropDown* Make()
    {
        auto* e = new Editor(&grid_);
        e->SetParent(&grid_);
        e->SetVisible(false);
        e->SetEnabled(false);
        e->SetTabStop(false);
        e->SetComponentStyle(grid_.Style());
        if (grid_.Tones().Background.BrushColor != ui::clNone)  // the grid was given tones
            e->SetColorTones(grid_.Tones());
        return e;
    }

    ICellDropDown* Cell(gx::TEditorType Kind)
    {
        if (!gx::IsDropDownEditor(Kind))
            return nullptr;
        ICellDropDown*& slot = made_[Kind - gx::edTrackbarDropDown];
        if (slot)
            return slot;
        switch (Kind) {
        case gx::edTrackbarDropDown:
            slot = Make<TGridTrackbarDropDown>();
            break;
        case gx::edMemoDropDown:
            slot = Make<TGridMemoDropDown>();
            break;
        case gx::edCalculatorDropDown:
            slot = Make<TGridCalculatorDropDown>();
            break;
        case gx::edTimePickerDropDown:
            slot = Make<TGridTimepickerDropDown>();
            break;
        case gx::edDetailDropDown:
            slot = Make<TGridDetailPickerDropDown>();
            break;
        case gx::edGridDropDown:
            slot = Make<TGridGridDropDown>();
            break;
        case gx::edColorPickerDropDown:
            slot = Make<TGridColorDropDown>();
            break;
        case gx::edImagePickerDropDown:
            slot = Make<TGridImageDropDown>();
            break;
        default:
            slot = Make<TGridGxGridDropDown>();
            break;
        }
        return slot;
    }

    dropdown::THeaderAppearance Header()
    {
        dropdown::THeaderAppearance h;
        CopyBar(h, *grid_.ControlLook()->DropDownHeader());
        return h;
    }
    dropdown::TFooterAppearance Footer()
    {
        dropdown::TFooterAppearance f;
        gx::TFooterAppearance* from = grid_.ControlLook()->DropDownFooter();
        CopyBar(f, *from);
        f.SizeGrip = from->SizeGrip;
        return f;
    }

    gx::TGxStringGrid& grid_;
    // Owned by the grid (as its components); made on first use.
    std::array<ICellDropDown*, gx::edGxGridDropDown - gx::edTrackbarDropDown + 1> made_{};
};

}  // namespace

void InstallGridDropDownEditors()
{
    gx::SetGridDropDownEditorsFactory([](gx::TGxStringGrid& Grid) -> std::unique_ptr<gx::IGridDropDownEditors> {
        return std::make_unique<TEditorSet>(Grid);
    });
}

}  // namespace gridinplace
