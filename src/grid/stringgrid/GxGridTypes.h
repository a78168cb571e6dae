// The string grid's own vocabulary: the enumerations of its cell graphics, looks, settings objects
// and panels, its exception, and the event types of its published events that the foundation's
// shared list (GxObj.h) does not hold. Enumerations are one byte, numbered from 0 in the order
// given; form files name their values by identifier.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "grid/base/GxObj.h"
#include "platform/rtl/Exceptions.h"
#include "platform/ui/Controls.h"
#include "platform/ui/Graphics.h"

namespace gx {

// Raised for misuse of a string grid: "Invalid row accessed", "Invalid row <n> accessed",
// "Invalid column accessed", "Cell does not contain integer value", "Cell does not contain a
// float value", "Columns is not in valid range".
class VIdiRazeRaduz : public rtl::Exception {
public:
    using rtl::Exception::Exception;
};

// The kind of a cell's graphic object.
enum TCellType : std::uint8_t {
    ctBitmap,
    ctIcon,
    ctNone,
    ctImageList,
    ctCheckBox,
    ctDataCheckBox,
    ctRotated,
    ctDataImage,
    ctNode,
    ctRadio,
    ctEmpty,
    ctImages,
    ctPicture,
    ctFilePicture,
    ctValue,
    ctProgress,
    ctComment,
    ctButton,
    ctBitButton,
    ctVirtCheckBox,
    ctRowCheckBox,
    ctProgressPie,
    ctSummary,
    ctRangeIndicator,
    ctXPProgress,
    ctInterface,
    ctScrollbar,
    ctRadioButton,
    ctBalloon,
    ctShape,
    ctRating,
    ctTriStateCheckBox,
    ctExpand,
};

enum TCellHAlign : std::uint8_t { haLeft, haRight, haCenter, haBeforeText, haAfterText, haFull };
enum TCellVAlign : std::uint8_t { vaTop, vaBottom, vaCenter, vaUnderText, vaAboveText, vaFull };
enum TStretchMode : std::uint8_t { noStretch, Stretch, Shrink, StretchWithAspectRatio, ShrinkWithAspectRatio };
enum TBalloonIcon : std::uint8_t { biNone, biInfo, biWarning, biError };

// The look of check boxes, radio buttons and cell buttons.
enum TControlStyle : std::uint8_t { csClassic, csFlat, csWinXP, csBorland, csDUD, csGlyph, csTheme };

enum TGridLook : std::uint8_t {
    glStandard,
    glSoft,
    glClassic,
    glDUD,
    glXP,
    glListView,
    glVista,
    glWin7,
    glOffice2007,
    glCustom,
};
enum TScrollType : std::uint8_t { ssNormal, ssFlat, ssEncarta, ssMetro };
enum TScrollBarAlways : std::uint8_t { saNone, saVert, saHorz, saBoth };
enum TInvalidEntryIcon : std::uint8_t { ieNone, ieInfo, ieWarning, ieError };
enum THoverFixedCells : std::uint8_t { hfNone, hfAll, hfFixedRows, hfFixedColumns };
enum THintPosition : std::uint8_t { hpCell, hpCursor };
enum TMouseSelectMode : std::uint8_t { msNormal, msColumn, msRow, msAll, msResize };
enum TFilterDropDownColumns : std::uint8_t { fdNormal, fdAll };
enum TSearchAction : std::uint8_t { saFindFirst, saFindPrevious, saFindNext };

// Sorting, background and footer settings.
enum TSortDirection : std::uint8_t { sdAscending, sdDescending };
enum TIndexSortKey : std::uint8_t { ikShift, ikCtrl };
enum TSortBlankPosition : std::uint8_t { blFirst, blLast };
enum TBackGroundDisplay : std::uint8_t { bdTile, bdFixed, bdGradientHorz, bdGradientVert };
enum TBackGroundCells : std::uint8_t { bcNormal, bcFixed, bcAll };
enum TFooterStyle : std::uint8_t { fsFixedLastRow, fsColumnPreview, fsCustomPreview, fsCustomPaint };
enum TProgressStyle : std::uint8_t { psXP, psClassic };
enum TScrollDirection : std::uint8_t { sdVertical, sdHorizontal };

// Filter conditions.
enum TFilterCells : std::uint8_t { fcVirtual, fcNormal, fcStripHTML, fcCalculated, fcRow };
enum TFilterOperation : std::uint8_t { foSHORT, foNONE, foAND, foXOR, foOR };
enum TFilterMethod : std::uint8_t { fmExpression, fmLiteral };

// Column size, print and drop-down appearance settings.
enum TColumnSizeLocation : std::uint8_t { clRegistry, clIniFile };
enum TAutoSizeRows : std::uint8_t { arAll, arNormal, arFixed };
enum TPrintPosition : std::uint8_t {
    ppNone,
    ppTopLeft,
    ppTopRight,
    ppTopCenter,
    ppBottomLeft,
    ppBottomRight,
    ppBottomCenter,
};
enum TPrintBorders : std::uint8_t {
    pbNoborder,
    pbSingle,
    pbDouble,
    pbVertical,
    pbHorizontal,
    pbAround,
    pbAroundVertical,
    pbAroundHorizontal,
    pbCustom,
};
enum TFitToPage : std::uint8_t { fpNever, fpGrow, fpShrink, fpAlways, fpCustom };
enum TPrinterOrientation : std::uint8_t { poPortrait, poLandscape };
enum TGradientDirection : std::uint8_t { gdHorizontal, gdVertical };
enum TButtonAlignment : std::uint8_t { baLeft, baRight };

// --- event types of the string grid -----------------------------------------------------------------

using TRowUpdateEvent = std::function<void(TObject* Sender, int OldRow, int NewRow)>;
using TGridWideHintEvent = std::function<void(TObject* Sender, int ARow, int ACol, std::u16string& hintstr)>;
using TSearchFooterActionEvent =
    std::function<void(TObject* Sender, const std::string& Value, int ACol, int ARow, TSearchAction SearchAction)>;
using TComboDropEvent = std::function<void(TObject* Sender, int ARow, int ACol)>;
using TGetCellCursorEvent = std::function<void(TObject* Sender, int ACol, int ARow, ui::TCursor& ACursor)>;
using TIsFixedCellEvent = std::function<void(TObject* Sender, int ARow, int ACol, bool& IsFixed)>;
using TIsPasswordCellEvent = std::function<void(TObject* Sender, int ARow, int ACol, bool& IsPassword)>;
using TGetWordWrapEvent = std::function<void(TObject* Sender, int ACol, int ARow, bool& WordWrap)>;
using THasComboEvent = std::function<void(TObject* Sender, int ACol, int ARow, bool& HasComboBox)>;
using THasSpinEditEvent = std::function<void(TObject* Sender, int ACol, int ARow, bool& HasSpinEdit)>;
using TGetCheckEvent = std::function<void(TObject* Sender, int ACol, int ARow, std::string& Value)>;
using TGetColumnFilterEvent = std::function<void(TObject* Sender, int Column, rtl::TStrings* Filter)>;
using TFooterCalcEvent = std::function<void(TObject* Sender, int ACol, int ARow, std::string& Value)>;
// The page size and range of a cell scroll bar.
struct TScrollProp {
    int PageSize = 0;
    int Range = 0;
};

// A custom column calculation over FromRow .. ToRow; Res starts at 0.
using TColumnCalcEvent = std::function<void(TObject* Sender, int ACol, int FromRow, int ToRow, double& Res)>;
using TRowDisjunctSelectEvent = std::function<void(TObject* Sender, int ARow, bool State, bool& Allow)>;
using TRowDisjunctSelectedEvent = std::function<void(TObject* Sender, int ARow)>;
using TRatingChangeEvent = std::function<void(TObject* Sender, int ACol, int ARow, double& NewRate, bool& Allow)>;
using TColorSelectEvent =
    std::function<void(TObject* Sender, int ACol, int ARow, ui::TColor Color, const std::string& Value)>;
using TImageSelectEvent = std::function<void(TObject* Sender, int ACol, int ARow, int Index)>;
using TCellsChangedEvent = std::function<void(TObject* Sender, const ui::TRect& R)>;
enum TClipOperation : std::uint8_t { coCut, coCopy };
using TEditCellDoneEvent = std::function<void(TObject* Sender, int ACol, int ARow)>;
enum TIntelliPan : std::uint8_t { ipVertical, ipHorizontal, ipBoth, ipNone };
enum TScrollHintType : std::uint8_t { shNone, shVertical, shHorizontal, shBoth };
using TCellValidateEvent = std::function<void(TObject* Sender, int ACol, int ARow, std::string& Value, bool& Valid)>;
using TSelectionChangedEvent = std::function<void(TObject* Sender, int ALeft, int ATop, int ARight, int ABottom)>;
using TWheelEvent = std::function<void(TObject* Sender, ui::TShiftState Shift, ui::TPoint MousePos, bool& Handled)>;
using TAutoAdvanceEvent =
    std::function<void(TObject* Sender, int ARow, int ACol, int& NewRow, int& NewCol, bool& Allow)>;
using TFileProgressEvent = std::function<void(TObject* Sender, int Progress)>;
using TDropSelectEvent = std::function<void(TObject* Sender, int ItemIndex)>;
using TFooterPaintEvent =
    std::function<void(TObject* Sender, int AColumn, ui::TCanvas* Canvas, const ui::TRect& ARect)>;
using TRadioClickEvent = std::function<void(TObject* Sender, int ACol, int ARow, int AIdx)>;
using TRadioButtonClickEvent = std::function<void(TObject* Sender, int ACol, int ARow)>;
using TScrollCellEvent =
    std::function<void(TObject* Sender, int ACol, int ARow, int ScrollPosition, int ScrollMin, int ScrollMax)>;
using TCanClickCellEvent = std::function<void(TObject* Sender, int ARow, int ACol, bool& Allow)>;

// Dragging something over the grid: the drag source reports entering, moving over and leaving.
enum TDragState : std::uint8_t { dsDragEnter, dsDragLeave, dsDragMove };
// The directions the grid scrolls in while something is dragged near its edges (a set of bits).
enum TDragScrollDirection : unsigned { dsdUp = 1, dsdDown = 2, dsdLeft = 4, dsdRight = 8 };
using TDragScrollDirections = unsigned;
using TDragScrollEvent = std::function<void(TObject* Sender, int TopRow, int LeftCol,
                                            TDragScrollDirections& DragScrollDir, bool& CanScroll)>;

// The grid's single selection listener: told of each cell that becomes current.
class ITGxStringGridSelect {
public:
    virtual ~ITGxStringGridSelect() = default;
    virtual void SelectionChanged(int ACol, int ARow) = 0;
};

// What the input code knows about the mouse and keys that painting shows: hot and pressed header
// cells, the pressed drop-down part of a header, the hovered link and button cell, the blink phase.
struct TGridPointerState {
    bool MouseDown = false;
    bool CtrlDown = false;
    bool DropDownDown = false;
    bool MouseDownMove = false;  // a column is being dragged
    int HoverFixedX = -1;
    int HoverFixedY = -1;
    ui::TPoint HoverCell{-1, -1};  // the cell under the mouse (display coordinates)
    int HoverLink = -1;            // the hovered link of HoverCell
    ui::TPoint HoverButton{-1, -1};
    bool GridBlink = false;
    bool Designing = false;
};

// The sixteen presets of SetStyle, in the order of TGxStyle.
enum TGxGridStyle : std::uint8_t {
    gsOffice2003Blue,
    gsOffice2003Silver,
    gsOffice2003Olive,
    gsOffice2003Classic,
    gsOffice2007Luna,
    gsOffice2007Obsidian,
    gsWindowsXP,
    gsWhidbey,
    gsCustom,
    gsOffice2007Silver,
    gsWindowsVista,
    gsWindows7,
    gsTerminal,
    gsOffice2010Blue,
    gsOffice2010Silver,
    gsOffice2010Black
};

enum TXPColorScheme : std::uint8_t { xpNone, xpBlue, xpGreen, xpGray, vistaAero };

// The position an index takes when the entry at From moves to To and the ones between close up
// (rows, columns, their records and embedded controls all follow a move this way).
inline int MovedIndex(int Index, int From, int To)
{
    if (Index == From)
        return To;
    if (To < From && Index >= To && Index < From)
        return Index + 1;
    if (To > From && Index > From && Index <= To)
        return Index - 1;
    return Index;
}

}  // namespace gx
