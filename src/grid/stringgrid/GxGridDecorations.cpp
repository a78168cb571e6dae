// TGxStringGrid: decorating cells with graphics of a kind: Add (a fresh graphic), Create (one that
// owns a new object), Get, Has or Is, and Remove (only a graphic of that kind). Colours are kept in
// the fields the cell painter reads as well as in the fields the graphic's kind table names.
#include "grid/stringgrid/GxGrid.h"

#include <algorithm>

#include "platform/rtl/StringList.h"

namespace gx {

namespace {

ui::TColor AsColor(int v)
{
    return static_cast<ui::TColor>(v);
}

}  // namespace

// The graphic of the merged range's base cell.
TCellGraphic* TGxStringGrid::BaseCellGraphic(int ACol, int ARow)
{
    const ui::TPoint b = IsMergedCell(ACol, ARow) ? BaseCell(ACol, ARow) : ui::TPoint{ACol, ARow};
    return GetCellGraphic(b.X, b.Y);
}

bool TGxStringGrid::BaseCellIs(int ACol, int ARow, std::initializer_list<TCellType> Kinds)
{
    const TCellGraphic* g = BaseCellGraphic(ACol, ARow);
    return g && std::find(Kinds.begin(), Kinds.end(), g->CellType) != Kinds.end();
}

// --- bitmaps, icons, pictures, image lists -----------------------------------------------------------------

void TGxStringGrid::AddBitmap(int ACol, int ARow, ui::TBitmap* ABmp, bool Transparent, TCellHAlign hal, TCellVAlign val)
{
    if (TCellGraphic* g = CreateCellGraphic(ACol, ARow))
        g->SetBitmap(ABmp, Transparent, hal, val);
}

ui::TBitmap* TGxStringGrid::CreateBitmap(int ACol, int ARow, bool Transparent, TCellHAlign hal, TCellVAlign val)
{
    TCellGraphic* g = CreateCellGraphic(ACol, ARow);
    if (!g)
        return nullptr;
    auto* bmp = new ui::TBitmap;
    g->SetBitmap(bmp, Transparent, hal, val);
    g->CellCreated = true;
    return bmp;
}

ui::TBitmap* TGxStringGrid::GetBitmap(int ACol, int ARow)
{
    TCellGraphic* g = GetCellGraphic(ACol, ARow);
    return g && g->CellType == ctBitmap ? dynamic_cast<ui::TBitmap*>(g->CellBitmap) : nullptr;
}

bool TGxStringGrid::HasBitmap(int ACol, int ARow)
{
    return GetCellType(ACol, ARow) == ctBitmap;
}

void TGxStringGrid::RemoveBitmap(int ACol, int ARow)
{
    RemoveCellGraphicOfType(ACol, ARow, ctBitmap);
}

void TGxStringGrid::AddIcon(int ACol, int ARow, ui::TIcon* AIcon, TCellHAlign hal, TCellVAlign val)
{
    if (TCellGraphic* g = CreateCellGraphic(ACol, ARow))
        g->SetIcon(AIcon, hal, val);
}

ui::TIcon* TGxStringGrid::CreateIcon(int ACol, int ARow, TCellHAlign hal, TCellVAlign val)
{
    TCellGraphic* g = CreateCellGraphic(ACol, ARow);
    if (!g)
        return nullptr;
    auto* icon = new ui::TIcon;
    g->SetIcon(icon, hal, val);
    g->CellCreated = true;
    return icon;
}

void TGxStringGrid::RemoveIcon(int ACol, int ARow)
{
    RemoveCellGraphicOfType(ACol, ARow, ctIcon);
}

void TGxStringGrid::AddPicture(int ACol, int ARow, ui::TPicture* APicture, bool Transparent, TStretchMode StretchMode,
                               int padding, TCellHAlign hal, TCellVAlign val)
{
    if (TCellGraphic* g = CreateCellGraphic(ACol, ARow))
        g->SetPicture(APicture, Transparent, StretchMode, padding, hal, val);
}

ui::TPicture* TGxStringGrid::CreatePicture(int ACol, int ARow, bool Transparent, TStretchMode StretchMode, int padding,
                                           TCellHAlign hal, TCellVAlign val)
{
    TCellGraphic* g = CreateCellGraphic(ACol, ARow);
    if (!g)
        return nullptr;
    auto* picture = new ui::TPicture;
    g->SetPicture(picture, Transparent, StretchMode, padding, hal, val);
    g->CellCreated = true;
    return picture;
}

ui::TPicture* TGxStringGrid::GetPicture(int ACol, int ARow)
{
    TCellGraphic* g = GetCellGraphic(ACol, ARow);
    return g && g->CellType == ctPicture ? dynamic_cast<ui::TPicture*>(g->CellBitmap) : nullptr;
}

bool TGxStringGrid::HasPicture(int ACol, int ARow)
{
    return GetCellType(ACol, ARow) == ctPicture;
}

void TGxStringGrid::RemovePicture(int ACol, int ARow)
{
    RemoveCellGraphicOfType(ACol, ARow, ctPicture);
}

void TGxStringGrid::AddImageIdx(int ACol, int ARow, int Aidx, TCellHAlign hal, TCellVAlign val)
{
    if (!GridImages)
        return;
    if (TCellGraphic* g = CreateCellGraphic(ACol, ARow))
        g->SetImageIdx(Aidx, hal, val);
}

bool TGxStringGrid::GetImageIdx(int ACol, int ARow, int& idx)
{
    if (!GridImages || GetCellType(ACol, ARow) != ctImageList)
        return false;
    idx = GetCellGraphic(ACol, ARow)->CellIndex;
    return true;
}

void TGxStringGrid::SetImageIdx(int ACol, int ARow, int Idx)
{
    if (!GridImages || GetCellType(ACol, ARow) != ctImageList)
        return;
    GetCellGraphic(ACol, ARow)->CellIndex = Idx;
    RepaintCell(DisplColIndex(ACol), ARow);
}

void TGxStringGrid::RemoveImageIdx(int ACol, int ARow)
{
    RemoveCellGraphicOfType(ACol, ARow, ctImageList);
}

// The index becomes the cell text when the cell is empty: the text drives the image shown.
void TGxStringGrid::AddDataImage(int ACol, int ARow, int Aidx, TCellHAlign hal, TCellVAlign val)
{
    if (!GridImages)
        return;
    TCellGraphic* g = CreateCellGraphic(ACol, ARow);
    if (!g)
        return;
    g->SetDataImage(Aidx, hal, val);
    if (Cells(ACol, ARow).empty())
        SetCells(ACol, ARow, std::to_string(Aidx));
}

bool TGxStringGrid::HasDataImage(int ACol, int ARow)
{
    return BaseCellIs(ACol, ARow, {ctDataImage});
}

void TGxStringGrid::RemoveDataImage(int ACol, int ARow)
{
    if (RemoveCellGraphicOfType(ACol, ARow, ctDataImage))
        SetCells(ACol, ARow, "");
}

void TGxStringGrid::AddMultiImage(int ACol, int ARow, int Dir, TCellHAlign hal, TCellVAlign val)
{
    if (!GridImages)
        return;
    if (TCellGraphic* g = CreateCellGraphic(ACol, ARow))
        g->SetMultiImage(ACol, ARow, Dir, hal, val,
                         [this](TObject*, int c, int r) { RepaintCell(DisplColIndex(c), r); });
}

TIntList* TGxStringGrid::CellImages(int ACol, int ARow)
{
    TCellGraphic* g = GetCellGraphic(ACol, ARow);
    return g && g->CellType == ctImages ? dynamic_cast<TIntList*>(g->CellBitmap) : nullptr;
}

void TGxStringGrid::RemoveMultiImage(int ACol, int ARow)
{
    RemoveCellGraphicOfType(ACol, ARow, ctImages);
}

void TGxStringGrid::AddInterfacedCell(int ACol, int ARow, TObject* AObject)
{
    if (TCellGraphic* g = CreateCellGraphic(ACol, ARow))
        g->SetInterfacedCell(AObject);
}

TObject* TGxStringGrid::GetInterfacedCell(int ACol, int ARow)
{
    TCellGraphic* g = GetCellGraphic(ACol, ARow);
    return g && g->CellType == ctInterface ? g->CellBitmap : nullptr;
}

void TGxStringGrid::RemoveInterfacedCell(int ACol, int ARow)
{
    RemoveCellGraphicOfType(ACol, ARow, ctInterface);
}

// --- progress bars, pies, range indicators -----------------------------------------------------------------------

TCellGraphic* TGxStringGrid::AddProgressGraphic(int ACol, int ARow, ui::TColor FGColor, ui::TColor BKColor)
{
    TCellGraphic* g = CreateCellGraphic(ACol, ARow);
    if (!g)
        return nullptr;
    g->CellType = ctProgress;
    g->CellBitmapColor = FGColor;
    g->CellIconColor = BKColor;
    g->CellErrFrom = 0;
    g->CellErrLen = 100;
    g->CellBoolean = false;
    g->CellText.clear();
    g->CellHAlign = haLeft;
    g->CellVAlign = vaTop;
    if (AutoNumAlign)
        SetAlignments(ACol, ARow, ui::TAlignment::taRightJustify);
    return g;
}

void TGxStringGrid::AddProgress(int ACol, int ARow, ui::TColor FGColor, ui::TColor BKColor)
{
    AddProgressGraphic(ACol, ARow, FGColor, BKColor);
}

void TGxStringGrid::AddProgressEx(int ACol, int ARow, ui::TColor FGColor, ui::TColor FGTextColor, ui::TColor BKColor,
                                  ui::TColor BKTextColor)
{
    if (TCellGraphic* g = AddProgressGraphic(ACol, ARow, FGColor, BKColor)) {
        g->CellIndex = static_cast<int>(FGTextColor);
        g->CellAngle = static_cast<int>(BKTextColor);
        g->CellBoolean = true;
    }
}

void TGxStringGrid::AddProgressFormatted(int ACol, int ARow, ui::TColor FGColor, ui::TColor FGTextColor,
                                         ui::TColor BKColor, ui::TColor BKTextColor, const std::string& Fmt, int Min,
                                         int Max)
{
    AddProgressEx(ACol, ARow, FGColor, FGTextColor, BKColor, BKTextColor);
    if (TCellGraphic* g = GetCellGraphic(ACol, ARow)) {
        g->CellText = Fmt;
        g->CellErrFrom = Min;
        g->CellErrLen = Max;
    }
}

bool TGxStringGrid::HasProgress(int ACol, int ARow)
{
    return BaseCellIs(ACol, ARow, {ctProgress});
}

void TGxStringGrid::RemoveProgress(int ACol, int ARow)
{
    RemoveCellGraphicOfType(ACol, ARow, ctProgress);
}

void TGxStringGrid::AddGxProgress(int ACol, int ARow, int Min, int Max)
{
    TCellGraphic* g = CreateCellGraphic(ACol, ARow);
    if (!g)
        return;
    g->CellType = ctXPProgress;
    g->CellErrFrom = Min;
    g->CellErrLen = Max;
    g->CellBoolean = false;
    g->CellText.clear();
    g->CellHAlign = haLeft;
    g->CellVAlign = vaTop;
}

void TGxStringGrid::RemoveGxProgress(int ACol, int ARow)
{
    RemoveCellGraphicOfType(ACol, ARow, ctXPProgress);
}

void TGxStringGrid::AddProgressPie(int ACol, int ARow, ui::TColor Color, int Value)
{
    TCellGraphic* g = CreateCellGraphic(ACol, ARow);
    if (!g)
        return;
    g->CellType = ctProgressPie;
    g->CellBitmapColor = Color;
    g->CellAngle = Value;
    g->CellHAlign = haBeforeText;
    g->CellVAlign = vaTop;
}

void TGxStringGrid::SetProgressPie(int ACol, int ARow, int Value)
{
    if (GetCellType(ACol, ARow) != ctProgressPie)
        return;
    GetCellGraphic(ACol, ARow)->CellAngle = Value;
    RepaintCell(DisplColIndex(ACol), ARow);
}

void TGxStringGrid::RemoveProgressPie(int ACol, int ARow)
{
    RemoveCellGraphicOfType(ACol, ARow, ctProgressPie);
}

void TGxStringGrid::AddRangeIndicator(int ACol, int ARow, int Range, ui::TColor NegColor, ui::TColor PosColor,
                                      bool ShowValue)
{
    TCellGraphic* g = CreateCellGraphic(ACol, ARow);
    if (!g)
        return;
    g->CellType = ctRangeIndicator;
    g->CellIndex = Range;
    g->CellBitmapColor = NegColor;
    g->CellIconColor = PosColor;
    g->CellBoolean = ShowValue;
    g->CellHAlign = haLeft;
    g->CellVAlign = vaTop;
}

void TGxStringGrid::RemoveRangeIndicator(int ACol, int ARow)
{
    RemoveCellGraphicOfType(ACol, ARow, ctRangeIndicator);
}

// --- comments ----------------------------------------------------------------------------------------------------

void TGxStringGrid::AddColorComment(int ACol, int ARow, const std::string& Comment, ui::TColor Color)
{
    TCellGraphic* g = CreateCellGraphic(ACol, ARow);
    if (!g)
        return;
    g->CellType = ctComment;
    g->CellText = Comment;
    g->CellIndex = static_cast<int>(Color);
    g->CellAngle = static_cast<int>(Color);
    g->CellHAlign = haLeft;
    g->CellVAlign = vaTop;
}

void TGxStringGrid::AddComment(int ACol, int ARow, const std::string& Comment)
{
    AddColorComment(ACol, ARow, Comment, controlLook_->CommentColor());
}

std::string TGxStringGrid::GetComment(int ACol, int ARow)
{
    const TCellGraphic* g = GetCellGraphic(ACol, ARow);
    return g && g->CellType == ctComment ? g->CellText : std::string();
}

// A cell without graphic gets a comment; a comment gets the new text; other graphics stay.
void TGxStringGrid::SetComment(int ACol, int ARow, const std::string& Value)
{
    TCellGraphic* g = GetCellGraphic(ACol, ARow);
    if (!g)
        AddComment(ACol, ARow, Value);
    else if (g->CellType == ctComment) {
        g->CellText = Value;
        RepaintCell(DisplColIndex(ACol), ARow);
    }
}

bool TGxStringGrid::IsComment(int ACol, int ARow, std::string& comment)
{
    if (GetCellType(ACol, ARow) != ctComment)
        return false;
    comment = GetCellGraphic(ACol, ARow)->CellText;
    return true;
}

void TGxStringGrid::RemoveComment(int ACol, int ARow)
{
    RemoveCellGraphicOfType(ACol, ARow, ctComment);
}

void TGxStringGrid::RemoveAllComments()
{
    for (int r = 0; r < RowCount(); ++r)
        for (int c = 0; c < ColCount(); ++c)
            RemoveComment(c, r);
}

// --- shapes and ratings ---------------------------------------------------------------------------------------

void TGxStringGrid::AddShape(int ACol, int ARow, TCellShape Shape, ui::TColor FillColor, ui::TColor LineColor,
                             TCellHAlign hal, TCellVAlign val)
{
    TCellGraphic* g = CreateCellGraphic(ACol, ARow);
    if (!g)
        return;
    g->CellType = ctShape;
    g->CellAngle = Shape;
    g->CellIndex = static_cast<int>(FillColor);
    g->CellBitmapColor = FillColor;
    g->CellIconColor = LineColor;
    g->CellHAlign = hal;
    g->CellVAlign = val;
}

void TGxStringGrid::SetShapeColor(int ACol, int ARow, ui::TColor FillColor)
{
    if (GetCellType(ACol, ARow) != ctShape)
        return;
    TCellGraphic* g = GetCellGraphic(ACol, ARow);
    g->CellIndex = static_cast<int>(FillColor);
    g->CellBitmapColor = FillColor;
    RepaintCell(DisplColIndex(ACol), ARow);
}

ui::TColor TGxStringGrid::GetShapeColor(int ACol, int ARow)
{
    return GetCellType(ACol, ARow) == ctShape ? AsColor(GetCellGraphic(ACol, ARow)->CellIndex) : ui::clNone;
}

void TGxStringGrid::RemoveShape(int ACol, int ARow)
{
    RemoveCellGraphicOfType(ACol, ARow, ctShape);
}

void TGxStringGrid::AddRating(int ACol, int ARow, int Scale, ui::TColor FillColor, ui::TColor EmptyColor)
{
    TCellGraphic* g = CreateCellGraphic(ACol, ARow);
    if (!g)
        return;
    g->CellType = ctRating;
    g->CellAngle = Scale;
    g->CellIndex = static_cast<int>(FillColor);
    g->CellBitmapColor = FillColor;
    g->CellIconColor = EmptyColor;
    g->CellHAlign = haFull;
}

bool TGxStringGrid::HasRating(int ACol, int ARow)
{
    return BaseCellIs(ACol, ARow, {ctRating});
}

void TGxStringGrid::RemoveRating(int ACol, int ARow)
{
    RemoveCellGraphicOfType(ACol, ARow, ctRating);
}

// --- cell scroll bars ------------------------------------------------------------------------------------------

void TGxStringGrid::AddScrollBar(int ACol, int ARow, bool AutoRange)
{
    TCellGraphic* g = CreateCellGraphic(ACol, ARow);
    if (!g)
        return;
    g->CellType = ctScrollbar;
    g->CellAngle = 0;
    g->CellErrFrom = 100;
    g->CellIndex = 0;
    g->CellBoolean = AutoRange;
    if (AutoRange)
        CellTextSet(ACol, ARow);
}

bool TGxStringGrid::HasScrollBar(int ACol, int ARow)
{
    return BaseCellIs(ACol, ARow, {ctScrollbar});
}

bool TGxStringGrid::HasAutoRangeScrollBar(int ACol, int ARow)
{
    const TCellGraphic* g = BaseCellGraphic(ACol, ARow);
    return g && g->CellType == ctScrollbar && g->CellBoolean;
}

void TGxStringGrid::SetScrollPosition(int ACol, int ARow, int Pos)
{
    TCellGraphic* g = BaseCellGraphic(ACol, ARow);
    if (!g || g->CellType != ctScrollbar)
        return;
    g->CellIndex = Pos;
    RepaintCell(DisplColIndex(ACol), ARow);
}

int TGxStringGrid::GetScrollPosition(int ACol, int ARow)
{
    const TCellGraphic* g = BaseCellGraphic(ACol, ARow);
    return g && g->CellType == ctScrollbar ? g->CellIndex : -1;
}

void TGxStringGrid::SetScrollProp(int ACol, int ARow, TScrollProp Prop)
{
    TCellGraphic* g = BaseCellGraphic(ACol, ARow);
    if (!g || g->CellType != ctScrollbar)
        return;
    g->CellAngle = Prop.PageSize;
    g->CellErrFrom = Prop.Range;
    RepaintCell(DisplColIndex(ACol), ARow);
}

TScrollProp TGxStringGrid::GetScrollProp(int ACol, int ARow)
{
    const TCellGraphic* g = BaseCellGraphic(ACol, ARow);
    if (!g || g->CellType != ctScrollbar)
        return {-1, -1};
    return {g->CellAngle, g->CellErrFrom};
}

void TGxStringGrid::RemoveScrollBar(int ACol, int ARow)
{
    RemoveCellGraphicOfType(ACol, ARow, ctScrollbar);
}

// --- text markers --------------------------------------------------------------------------------------------------

void TGxStringGrid::AddMarker(int ACol, int ARow, int ErrPos, int ErrLen)
{
    TCellGraphic* g = GetCellGraphic(ACol, ARow);
    if (!g) {
        g = CreateCellGraphic(ACol, ARow);
        if (!g)
            return;
        g->CellType = ctEmpty;
    }
    g->CellErrFrom = ErrPos;
    g->CellErrLen = ErrLen;
    RepaintCell(DisplColIndex(ACol), ARow);
}

void TGxStringGrid::GetMarker(int ACol, int ARow, int& ErrPos, int& ErrLen)
{
    const TCellGraphic* g = GetCellGraphic(ACol, ARow);
    ErrPos = g ? g->CellErrFrom : 0;
    ErrLen = g ? g->CellErrLen : 0;
}

void TGxStringGrid::RemoveMarker(int ACol, int ARow)
{
    TCellGraphic* g = GetCellGraphic(ACol, ARow);
    if (!g)
        return;
    if (g->CellType == ctEmpty) {
        RemoveCellGraphic(ACol, ARow);
        return;
    }
    g->CellErrFrom = 0;
    g->CellErrLen = 0;
    RepaintCell(DisplColIndex(ACol), ARow);
}

void TGxStringGrid::RemoveAllMarkers()
{
    for (int r = 0; r < RowCount(); ++r)
        for (int c = 0; c < ColCount(); ++c)
            RemoveMarker(c, r);
}

// --- buttons
// ----------------------------------------------------------------------------------------------------------

void TGxStringGrid::AddButton(int ACol, int ARow, int bw, int bh, const std::string& Caption, TCellHAlign hal,
                              TCellVAlign val)
{
    if (TCellGraphic* g = CreateCellGraphic(ACol, ARow))
        g->SetButton(bw, bh, Caption, hal, val);
}

void TGxStringGrid::AddBitButton(int ACol, int ARow, int bw, int bh, const std::string& Caption, ui::TBitmap* Glyph,
                                 TCellHAlign hal, TCellVAlign val)
{
    if (TCellGraphic* g = CreateCellGraphic(ACol, ARow))
        g->SetBitButton(bw, bh, Caption, Glyph, hal, val);
}

ui::TBitmap* TGxStringGrid::CreateBitButton(int ACol, int ARow, int bw, int bh, const std::string& Caption,
                                            TCellHAlign hal, TCellVAlign val)
{
    TCellGraphic* g = CreateCellGraphic(ACol, ARow);
    if (!g)
        return nullptr;
    auto* glyph = new ui::TBitmap;
    g->SetBitButton(bw, bh, Caption, glyph, hal, val);
    g->CellCreated = true;
    return glyph;
}

void TGxStringGrid::SetButtonText(int ACol, int ARow, const std::string& Value)
{
    if (TCellGraphic* g = GetCellGraphic(ACol, ARow)) {
        g->CellText = Value;
        RepaintCell(DisplColIndex(ACol), ARow);
    }
}

std::string TGxStringGrid::GetButtonText(int ACol, int ARow)
{
    const TCellGraphic* g = GetCellGraphic(ACol, ARow);
    return g ? g->CellText : std::string();
}

void TGxStringGrid::PushButton(int ACol, int ARow, bool push)
{
    TCellGraphic* g = GetCellGraphic(ACol, ARow);
    if (!g || g->CellType == ctNode)
        return;
    g->CellBoolean = push;
    RepaintCell(DisplColIndex(ACol), ARow);
}

bool TGxStringGrid::HasButton(int ACol, int ARow)
{
    return BaseCellIs(ACol, ARow, {ctButton, ctBitButton});
}

void TGxStringGrid::RemoveButton(int ACol, int ARow)
{
    if (!RemoveCellGraphicOfType(ACol, ARow, ctButton))
        RemoveCellGraphicOfType(ACol, ARow, ctBitButton);
}

void TGxStringGrid::RemoveBitButton(int ACol, int ARow)
{
    RemoveCellGraphicOfType(ACol, ARow, ctBitButton);
}

void TGxStringGrid::RemoveAllButtons()
{
    for (int r = 0; r < RowCount(); ++r)
        for (int c = 0; c < ColCount(); ++c)
            RemoveButton(c, r);
}

// --- balloons
// ---------------------------------------------------------------------------------------------------------

// A cell without graphic gets a balloon graphic; a check box or radio button keeps its kind and
// carries the list; any other graphic gets nothing (and no list is made for it).
void TGxStringGrid::AddBalloon(int ACol, int ARow, const std::string& Title, const std::string& Text, TBalloonIcon Icon)
{
    TCellGraphic* g = GetCellGraphic(ACol, ARow);
    const bool box = g && (g->CellType == ctCheckBox || g->CellType == ctDataCheckBox || g->CellType == ctRadioButton);
    if (g && !box)
        return;
    if (!g && !(g = CreateCellGraphic(ACol, ARow)))
        return;
    auto list = std::make_unique<rtl::TStringList>();
    list->Add(Title);
    list->Add(Text);
    if (box) {
        if (g->CellAngle == 1)
            delete g->CellBitmap;
        g->CellAngle = 1;
    } else {
        g->CellType = ctBalloon;
    }
    g->CellBitmap = list.release();
    g->CellIndex = Icon;
}

bool TGxStringGrid::IsBalloon(int ACol, int ARow, std::string& Title, std::string& Text, TBalloonIcon& Icon)
{
    const TCellGraphic* g = GetCellGraphic(ACol, ARow);
    if (!g)
        return false;
    const bool onBox = (g->CellType == ctCheckBox || g->CellType == ctDataCheckBox || g->CellType == ctRadioButton) &&
                       g->CellAngle == 1;
    if (g->CellType != ctBalloon && !onBox)
        return false;
    const auto* list = dynamic_cast<const rtl::TStringList*>(g->CellBitmap);
    if (!list || list->Count() < 2)
        return false;
    Title = list->Strings(0);
    Text = list->Strings(1);
    Icon = static_cast<TBalloonIcon>(g->CellIndex);
    return true;
}

bool TGxStringGrid::HasBalloon(int ACol, int ARow)
{
    return BaseCellIs(ACol, ARow, {ctBalloon});
}

void TGxStringGrid::RemoveBalloon(int ACol, int ARow)
{
    TCellGraphic* g = GetCellGraphic(ACol, ARow);
    if (!g)
        return;
    if ((g->CellType == ctCheckBox || g->CellType == ctDataCheckBox || g->CellType == ctRadioButton) &&
        g->CellAngle == 1) {
        delete g->CellBitmap;
        g->CellBitmap = nullptr;
        g->CellAngle = 0;
        return;
    }
    RemoveCellGraphicOfType(ACol, ARow, ctBalloon);
}

// --- expand cells ---------------------------------------------------------------------------------------------------

void TGxStringGrid::AddExpand(int ACol, int ARow, int ExpandedHeight)
{
    TCellGraphic* g = CreateCellGraphic(ACol, ARow);
    if (!g)
        return;
    g->CellType = ctExpand;
    g->CellAngle = ExpandedHeight;
    g->CellIndex = ARow >= 0 && ARow < RowCount() ? RowHeights(ARow) : DefaultRowHeight();
    g->CellVar = false;
}

bool TGxStringGrid::ToggleExpand(int ACol, int ARow)
{
    TCellGraphic* g = BaseCellGraphic(ACol, ARow);
    if (!g)
        return false;
    const bool state = !(std::holds_alternative<bool>(g->CellVar) && std::get<bool>(g->CellVar));
    g->CellVar = state;
    return state;
}

bool TGxStringGrid::GetExpandState(int ACol, int ARow)
{
    const TCellGraphic* g = BaseCellGraphic(ACol, ARow);
    return g && g->CellType == ctExpand && std::holds_alternative<bool>(g->CellVar) && std::get<bool>(g->CellVar);
}

int TGxStringGrid::GetExpandHeight(int ACol, int ARow, bool Expanded)
{
    const TCellGraphic* g = BaseCellGraphic(ACol, ARow);
    if (!g)
        return DefaultRowHeight();
    return Expanded ? g->CellAngle : g->CellIndex;
}

bool TGxStringGrid::HasExpand(int ACol, int ARow)
{
    return BaseCellIs(ACol, ARow, {ctExpand});
}

void TGxStringGrid::RemoveExpand(int ACol, int ARow)
{
    RemoveCellGraphicOfType(ACol, ARow, ctExpand);
}

}  // namespace gx
