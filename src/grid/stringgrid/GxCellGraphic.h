// The graphic object a cell of the string grid can carry besides its text (bitmap, icon, picture,
// image-list images, check box, radio, node, button, progress bar, comment mark, shape, rating,
// cell scroll bar, balloon, expand button or an object that draws itself). It lives in the cell's
// properties, which own it (it is a TCellGraphicBase); what it owns in turn depends on its kind
// (see the destructor). The per-kind add operations of the grid, painting and clicking build on it
// in their own files; the check-box and radio setters belong with the check-box cells.
#pragma once

#include <string>
#include <variant>

#include "grid/base/CellProperties.h"
#include "grid/base/GxLists.h"
#include "grid/stringgrid/GxGridTypes.h"
#include "platform/ui/Graphics.h"
#include "platform/ui/StdCtrls.h"

namespace gx {

class TCellGraphic : public TCellGraphicBase {
public:
    // A graphic of kind ctNone that owns nothing.
    TCellGraphic() = default;
    TCellGraphic(const TCellGraphic&) = delete;
    TCellGraphic& operator=(const TCellGraphic&) = delete;
    // Frees what the kind owns: the object in CellBitmap for ctBitmap, ctRadio, ctPicture,
    // ctFilePicture and ctBitButton when CellCreated; always for ctImages and ctBalloon; CellIcon
    // for ctIcon when CellCreated; an attached balloon list (CellAngle = 1) of ctCheckBox,
    // ctDataCheckBox and ctRadioButton.
    ~TCellGraphic() override;

    // Copies kind, alignments, index, transparency, value, angle, flag, marker range, text and the
    // owned flag; not the object references, the variant or the tri-state value (so a copy never
    // shares ownership: its owned flag applies to no object until one is set).
    void Assign(const TCellGraphic& Source);
    // A column's virtual check box and the row-select graphic serve many cells; no cell frees them.
    bool SharedByCells() const override { return CellType == ctVirtCheckBox || CellType == ctRowCheckBox; }

    void SetBitmap(ui::TBitmap* ABmp, bool Transparent, TCellHAlign hal, TCellVAlign val);
    void SetIcon(ui::TIcon* AIcon, TCellHAlign hal, TCellVAlign val);
    void SetPicture(ui::TPicture* APicture, bool Transparent, TStretchMode StretchMode, int padding, TCellHAlign hal,
                    TCellVAlign val);
    void SetFilePicture(TFilePicture* APicture, bool Transparent, TStretchMode StretchMode, int padding,
                        TCellHAlign hal, TCellVAlign val);
    void SetImageIdx(int idx, TCellHAlign hal, TCellVAlign val);
    void SetDataImage(int idx, TCellHAlign hal, TCellVAlign val);
    // A new owned index list that knows (Col, Row) and reports its changes to Notifier; dir 0
    // lays the images out horizontally.
    void SetMultiImage(int Col, int Row, int dir, TCellHAlign hal, TCellVAlign val, TImageChangeEvent Notifier);
    void SetButton(int bw, int bh, const std::string& caption, TCellHAlign hal, TCellVAlign val);
    void SetBitButton(int bw, int bh, const std::string& caption, ui::TBitmap* Glyph, TCellHAlign hal, TCellVAlign val);
    // ctRotated with the angle brought into 0 .. 360.
    void SetAngle(int AAngle);
    void SetInterfacedCell(TObject* AObject);
    // Size of a picture placed in an area of cw x rh by its stretch mode (pictures only; other kinds
    // answer (0, 0)).
    ui::TPoint GetPictureSize(int cw, int rh, bool hastext) const;

    TCellType CellType = ctNone;
    TObject* CellBitmap = nullptr;  // the main object
    TObject* CellIcon = nullptr;    // a second object
    // The kinds that keep colours where others keep objects (progress bars, pies, range
    // indicators, shapes, ratings) keep them here.
    ui::TColor CellBitmapColor = ui::clNone;
    ui::TColor CellIconColor = ui::clNone;
    TCellVAlign CellVAlign = vaTop;
    TCellHAlign CellHAlign = haLeft;
    int CellIndex = 0;
    bool CellTransparent = false;
    bool CellCreated = false;  // the graphic owns the object in CellBitmap (or CellIcon)
    bool CellBoolean = false;
    int CellAngle = 0;
    double CellValue = 0;
    int CellErrFrom = 0;
    int CellErrLen = 0;
    std::string CellText;
    std::variant<std::monostate, bool, int, double, std::string> CellVar;
    ui::TCheckBoxState CellCheckBoxState = ui::TCheckBoxState::cbUnchecked;

private:
    // Frees what the current kind owns and forgets the references.
    void ReleaseObjects();
};

}  // namespace gx
