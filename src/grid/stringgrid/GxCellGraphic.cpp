// TCellGraphic: the kinds' setters, ownership and picture sizing.
#include "grid/stringgrid/GxCellGraphic.h"

#include <cmath>

namespace gx {

TCellGraphic::~TCellGraphic()
{
    ReleaseObjects();
}

void TCellGraphic::ReleaseObjects()
{
    TObject* bitmap = CellBitmap;
    TObject* icon = CellIcon;
    CellBitmap = nullptr;
    CellIcon = nullptr;
    switch (CellType) {
    case ctBitmap:
    case ctRadio:
    case ctPicture:
    case ctFilePicture:
    case ctBitButton:
        if (CellCreated)
            delete bitmap;
        break;
    case ctImages:
    case ctBalloon:
        delete bitmap;
        break;
    case ctIcon:
        if (CellCreated)
            delete icon;
        break;
    case ctCheckBox:
    case ctDataCheckBox:
    case ctRadioButton:
        if (CellAngle == 1)
            delete bitmap;
        break;
    default:
        break;
    }
    CellCreated = false;
}

void TCellGraphic::Assign(const TCellGraphic& Source)
{
    if (&Source == this)
        return;
    CellType = Source.CellType;
    CellHAlign = Source.CellHAlign;
    CellVAlign = Source.CellVAlign;
    CellIndex = Source.CellIndex;
    CellTransparent = Source.CellTransparent;
    CellValue = Source.CellValue;
    CellAngle = Source.CellAngle;
    CellBoolean = Source.CellBoolean;
    CellErrFrom = Source.CellErrFrom;
    CellErrLen = Source.CellErrLen;
    CellText = Source.CellText;
    CellCreated = Source.CellCreated;
}

void TCellGraphic::SetBitmap(ui::TBitmap* ABmp, bool Transparent, TCellHAlign hal, TCellVAlign val)
{
    CellType = ctBitmap;
    CellBitmap = ABmp;
    CellTransparent = Transparent;
    CellHAlign = hal;
    CellVAlign = val;
}

void TCellGraphic::SetIcon(ui::TIcon* AIcon, TCellHAlign hal, TCellVAlign val)
{
    CellType = ctIcon;
    CellIcon = AIcon;
    CellHAlign = hal;
    CellVAlign = val;
}

void TCellGraphic::SetPicture(ui::TPicture* APicture, bool Transparent, TStretchMode StretchMode, int padding,
                              TCellHAlign hal, TCellVAlign val)
{
    CellType = ctPicture;
    CellBitmap = APicture;
    CellTransparent = Transparent;
    CellAngle = StretchMode;
    CellIndex = padding;
    CellHAlign = hal;
    CellVAlign = val;
}

void TCellGraphic::SetFilePicture(TFilePicture* APicture, bool Transparent, TStretchMode StretchMode, int padding,
                                  TCellHAlign hal, TCellVAlign val)
{
    SetPicture(nullptr, Transparent, StretchMode, padding, hal, val);
    CellType = ctFilePicture;
    CellBitmap = APicture;
}

void TCellGraphic::SetImageIdx(int idx, TCellHAlign hal, TCellVAlign val)
{
    CellType = ctImageList;
    CellIndex = idx;
    CellHAlign = hal;
    CellVAlign = val;
}

void TCellGraphic::SetDataImage(int idx, TCellHAlign hal, TCellVAlign val)
{
    SetImageIdx(idx, hal, val);
    CellType = ctDataImage;
}

void TCellGraphic::SetMultiImage(int Col, int Row, int dir, TCellHAlign hal, TCellVAlign val,
                                 TImageChangeEvent Notifier)
{
    ReleaseObjects();
    auto* list = new TIntList(Col, Row);
    list->OnChange = std::move(Notifier);
    CellType = ctImages;
    CellBitmap = list;
    CellBoolean = dir == 0;
    CellHAlign = hal;
    CellVAlign = val;
}

void TCellGraphic::SetButton(int bw, int bh, const std::string& caption, TCellHAlign hal, TCellVAlign val)
{
    CellType = ctButton;
    CellIndex = (bw & 0xFFFF) | (bh << 16);
    CellText = caption;
    CellBoolean = false;
    CellHAlign = hal;
    CellVAlign = val;
}

void TCellGraphic::SetBitButton(int bw, int bh, const std::string& caption, ui::TBitmap* Glyph, TCellHAlign hal,
                                TCellVAlign val)
{
    SetButton(bw, bh, caption, hal, val);
    CellType = ctBitButton;
    CellBitmap = Glyph;
}

void TCellGraphic::SetAngle(int AAngle)
{
    CellType = ctRotated;
    while (AAngle < 0)
        AAngle += 360;
    while (AAngle > 360)
        AAngle -= 360;
    CellAngle = AAngle;
}

void TCellGraphic::SetInterfacedCell(TObject* AObject)
{
    CellType = ctInterface;
    CellBitmap = AObject;
}

namespace {

int RoundEven(double v)
{
    return static_cast<int>(std::nearbyint(v));
}

}  // namespace

ui::TPoint TCellGraphic::GetPictureSize(int cw, int rh, bool) const
{
    int w = 0, h = 0;
    if (CellType == ctPicture) {
        if (const auto* picture = dynamic_cast<const ui::TPicture*>(CellBitmap)) {
            w = picture->Width();
            h = picture->Height();
        }
    } else if (CellType == ctFilePicture) {
        if (const auto* picture = dynamic_cast<const TFilePicture*>(CellBitmap)) {
            w = picture->Width();
            h = picture->Height();
        }
    } else {
        return {0, 0};
    }
    cw -= CellIndex;
    rh -= CellIndex;
    const auto aspect = [&](bool capAtOne) -> ui::TPoint {
        double rx = w > 0 ? static_cast<double>(cw) / w : 1.0;
        double ry = h > 0 ? static_cast<double>(rh) / h : 1.0;
        if (capAtOne) {
            rx = std::min(rx, 1.0);
            ry = std::min(ry, 1.0);
        }
        if (rx < ry)
            return {cw, RoundEven(h * rx)};
        return {RoundEven(w * ry), rh};
    };
    switch (static_cast<TStretchMode>(CellAngle)) {
    case Stretch:
        return {cw, rh};
    case Shrink:
        return w > cw || h > rh ? ui::TPoint(cw, rh) : ui::TPoint(w, h);
    case StretchWithAspectRatio:
        return aspect(false);
    case ShrinkWithAspectRatio:
        return w <= cw && h <= rh ? ui::TPoint(w, h) : aspect(true);
    case noStretch:
    default:
        return {w, h};
    }
}

}  // namespace gx
