#include "grid/base/CellProperties.h"

#include "grid/base/BaseGrid.h"

namespace gx {

TCellProperties::TCellProperties(TBaseGrid* AOwner, int ACol, int ARow)
    : owner_(AOwner), ownerCol_(ACol), ownerRow_(ARow), wordWrap_(AOwner ? AOwner->WordWrap() : true)
{
    if (owner_)
        owner_->NoteCellPropsCreated();
}

TCellProperties::~TCellProperties()
{
    // Taken out first: the graphic's destructor may look at these properties again.
    TObject* graphic = graphic_;
    const bool owned = OwnsGraphic();
    graphic_ = nullptr;
    if (owned)
        delete graphic;
}

void TCellProperties::Assign(const TCellProperties& Source)
{
    isBaseCell_ = Source.isBaseCell_;
    cellSpanX_ = Source.cellSpanX_;
    cellSpanY_ = Source.cellSpanY_;
    ownerRow_ = Source.ownerRow_;
    ownerCol_ = Source.ownerCol_;
    cellObject_ = Source.cellObject_;
    alignment_ = Source.alignment_;
    borderColor_ = Source.borderColor_;
    borderWidth_ = Source.borderWidth_;
    brushColor_ = Source.brushColor_;
    brushStyle_ = Source.brushStyle_;
    fontColor_ = Source.fontColor_;
    fontStyle_ = Source.fontStyle_;
    fontName_ = Source.fontName_;
    fontSize_ = Source.fontSize_;
    readOnly_ = Source.readOnly_;
    editor_ = Source.editor_;
    vAlignment_ = Source.vAlignment_;
    wordWrap_ = Source.wordWrap_;
    control_ = Source.control_;
}

ui::TPoint TCellProperties::GetBaseCell(int c, int r) const
{
    if (!isBaseCell_ && cellSpanX_ != -1 && cellSpanY_ != -1)
        return {c - cellSpanX_, r - cellSpanY_};
    return {c, r};
}

bool TCellProperties::OwnsGraphic() const
{
    const auto* graphic = dynamic_cast<const TCellGraphicBase*>(graphic_);
    return graphic && !graphic->SharedByCells();
}

void TCellProperties::RepaintOwnerCell()
{
    if (owner_)
        owner_->RepaintCell(ownerCol_, ownerRow_);
}

void TCellProperties::SetBrushColor(ui::TColor v)
{
    brushColor_ = v;
    RepaintOwnerCell();
}

void TCellProperties::SetBrushColorTo(ui::TColor v)
{
    brushColorTo_ = v;
    RepaintOwnerCell();
}

void TCellProperties::SetVAlignment(TVAlignment v)
{
    vAlignment_ = v;
    RepaintOwnerCell();
}

void TCellProperties::SetWordWrap(bool v)
{
    wordWrap_ = v;
    RepaintOwnerCell();
}

}  // namespace gx
