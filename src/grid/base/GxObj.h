// Module GxObj: the grid's shared vocabulary. Every enumeration is one byte with its values numbered
// from 0 in the order given; form files name a value by its identifier, so the identifiers are part
// of the stored format (see EnumName / EnumFromName). Events are bound callbacks whose first
// argument is the firing object; some take the row before the column, as their names say.
#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>

#include "platform/ui/Graphics.h"
#include "platform/ui/Grids.h"
#include "platform/ui/StdCtrls.h"

namespace gx {

using ui::TObject;

// The inplace editor kind of a cell or column.
enum TEditorType : std::uint8_t {
    edNormal,
    edSpinEdit,
    edComboEdit,
    edComboList,
    edEditBtn,
    edCheckBox,
    edDateEdit,
    edDateEditUpDown,
    edTimeEdit,
    edButton,
    edDataCheckBox,
    edNumeric,
    edPositiveNumeric,
    edFloat,
    edCapital,
    edMixedCase,
    edPassword,
    edUnitEditBtn,
    edLowerCase,
    edUpperCase,
    edFloatSpinEdit,
    edTimeSpinEdit,
    edDateSpinEdit,
    edNumericEditBtn,
    edFloatEditBtn,
    edCustom,
    edRichEdit,
    edNone,
    edDateTimeEdit,
    edValidChars,
    edTrackbarDropDown,
    edMemoDropDown,
    edCalculatorDropDown,
    edTimePickerDropDown,
    edDetailDropDown,
    edGridDropDown,
    edColorPickerDropDown,
    edImagePickerDropDown,
    edGxGridDropDown,
    edPositiveFloat,
    edNumericUnitEditBtn,
    edFloatUnitEditBtn,
    edMaskEditBtn,
};

// How a column's cells compare when the grid sorts.
enum TSortStyle : std::uint8_t {
    ssAutomatic,
    ssAlphabetic,
    ssNumeric,
    ssDate,
    ssAlphaNoCase,
    ssAlphaCase,
    ssShortDateEU,
    ssShortDateUS,
    ssCustom,
    ssFinancial,
    ssAnsiAlphaCase,
    ssAnsiAlphaNoCase,
    ssRaw,
    ssHTML,
    ssImages,
    ssCheckBox,
    ssDateTime,
    ssTime,
    ssAlphaNumeric,
    ssAlphaNumericNoCase,
};

enum TCellBorder : std::uint8_t { cbTop, cbLeft, cbRight, cbBottom };
// Set of TCellBorder: bit n stands for the value of ordinal n.
using TCellBorders = std::uint8_t;
constexpr TCellBorders CellBorderBit(TCellBorder b)
{
    return static_cast<TCellBorders>(1u << b);
}

enum TCellGradientDirection : std::uint8_t { GradientVertical, GradientHorizontal };
enum TVAlignment : std::uint8_t { vtaTop, vtaCenter, vtaBottom };
enum TArrowDirection : std::uint8_t { arrUp, arrDown, arrLeft, arrRight };
enum TGxGridButtonStyle : std::uint8_t { tasButton, tasCheck };
enum TSearchDirection : std::uint8_t { sdTopBottom, sdLeftRight };
enum THomeEndAction : std::uint8_t { heFirstLastColumn, heFirstLastRow, heFirstLastCell };
enum TClipboardPasteAction : std::uint8_t { paReplace, paInsert };
enum TAdvanceDirection : std::uint8_t { adLeftRight, adTopBottom, adLeftRightInRow, adTopBottomInCol };
enum TInsertPosition : std::uint8_t { pInsertBefore, pInsertAfter };
enum TCursorAdvance : std::uint8_t { caDefault, caSnake, caLoop };
enum TGridFixedCellEdit : std::uint8_t { fceNone, fceDblClick, fceLeftClick, fceRightClick };
enum TGridFixedCellEditor : std::uint8_t { fceEdit, fceComboEdit, fceComboList };
enum TWheelAction : std::uint8_t { waMoveSelection, waScroll };

// The footer calculation of a cell.
enum TColumnCalcType : std::uint8_t {
    acNONE,
    acSUM,
    acAVG,
    acCOUNT,
    acMIN,
    acMAX,
    acSPREAD,
    acCUSTOM,
    acDISTINCT,
    acSTDDEV,
};

// Look of selected cells, and which cells of the hover row take the hover colours.
enum TGridSelectionStyle : std::uint8_t { ssDefault, ssVista, ssWin7, ssOffice2007 };
enum THoverRowCell : std::uint8_t { hcNormal, hcFixed, hcSelected };
using THoverRowCells = std::uint8_t;
constexpr THoverRowCells HoverRowCellBit(THoverRowCell c)
{
    return static_cast<THoverRowCells>(1u << c);
}

// The figure of a shape cell.
enum TCellShape : std::uint8_t {
    csRectangle,
    csCircle,
    csTriangleLeft,
    csTriangleRight,
    csTriangleUp,
    csTriangleDown,
    csDiamond,
    csLineVert,
    csLineHorz,
    csRoundRect,
    csEllips,
    csSquare,
    csRoundSquare,
    csStar,
    csArrowUp,
    csArrowDown,
    csArrowLeft,
    csArrowRight,
    csHalfStar,
};

// Identifiers of an enumeration's values in ordinal order (the names form files use).
template <typename E>
std::span<const std::string_view> EnumNames();

#define GX_ENUM_NAMES(E)                                                                                               \
    template <>                                                                                                        \
    std::span<const std::string_view> EnumNames<E>();
GX_ENUM_NAMES(TEditorType)
GX_ENUM_NAMES(TSortStyle)
GX_ENUM_NAMES(TCellBorder)
GX_ENUM_NAMES(TCellGradientDirection)
GX_ENUM_NAMES(TVAlignment)
GX_ENUM_NAMES(TArrowDirection)
GX_ENUM_NAMES(TGxGridButtonStyle)
GX_ENUM_NAMES(TSearchDirection)
GX_ENUM_NAMES(THomeEndAction)
GX_ENUM_NAMES(TClipboardPasteAction)
GX_ENUM_NAMES(TAdvanceDirection)
GX_ENUM_NAMES(TInsertPosition)
GX_ENUM_NAMES(TCursorAdvance)
GX_ENUM_NAMES(TGridFixedCellEdit)
GX_ENUM_NAMES(TGridFixedCellEditor)
GX_ENUM_NAMES(TWheelAction)
GX_ENUM_NAMES(TColumnCalcType)
GX_ENUM_NAMES(TGridSelectionStyle)
GX_ENUM_NAMES(THoverRowCell)
GX_ENUM_NAMES(TCellShape)
#undef GX_ENUM_NAMES

template <typename E>
std::string_view EnumName(E value)
{
    const auto names = EnumNames<E>();
    const auto i = static_cast<std::size_t>(value);
    return i < names.size() ? names[i] : std::string_view();
}

// Reads a value by its identifier (exact spelling); false, value untouched, for an unknown one.
template <typename E>
bool EnumFromName(std::string_view name, E& value)
{
    const auto names = EnumNames<E>();
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (names[i] == name) {
            value = static_cast<E>(i);
            return true;
        }
    }
    return false;
}

// --- event types ----------------------------------------------------------------------------------

using THAlignment = ui::TAlignment;

using TGetDisplTextEvent = std::function<void(TObject* Sender, int ACol, int ARow, std::string& Value)>;
using TGetDisplWideTextEvent = std::function<void(TObject* Sender, int ACol, int ARow, std::u16string& Value)>;
using TFloatFormatEvent =
    std::function<void(TObject* Sender, int ACol, int ARow, bool& IsFloat, std::string& FloatFormat)>;
using TOnResizeEvent = std::function<void(TObject* Sender)>;
using TColumnSizeEvent = std::function<void(TObject* Sender, int ACol, bool& Allow)>;
using TColumnSizingEvent = std::function<void(TObject* Sender, int ACol, int ColumnSize)>;
using TRowSizingEvent = std::function<void(TObject* Sender, int ARow, int RowSize)>;
using TRowSizeEvent = std::function<void(TObject* Sender, int ARow, bool& Allow)>;
using TEndColumnSizeEvent = std::function<void(TObject* Sender, int ACol)>;
using TUpdateColumnSizeEvent = std::function<void(TObject* Sender, int ACol, int& AWidth)>;
using TEndRowSizeEvent = std::function<void(TObject* Sender, int ARow)>;
using TClickCellEvent = std::function<void(TObject* Sender, int ARow, int ACol)>;
using TDblClickCellEvent = std::function<void(TObject* Sender, int ARow, int ACol)>;
using TCanEditCellEvent = std::function<void(TObject* Sender, int ARow, int ACol, bool& CanEdit)>;
using TScrollHintEvent = std::function<void(TObject* Sender, int ARow, std::string& hintstr)>;
using TButtonClickEvent = std::function<void(TObject* Sender, int ACol, int ARow)>;
using TExpandClickEvent = std::function<void(TObject* Sender, int ACol, int ARow, bool Expanded)>;
using TCheckBoxClickEvent = std::function<void(TObject* Sender, int ACol, int ARow, bool State)>;
using TGetEditorTypeEvent = std::function<void(TObject* Sender, int ACol, int ARow, TEditorType& AEditor)>;
using TCustomCellDrawEvent = std::function<void(TObject* Sender, ui::TCanvas* Canvas, int ACol, int ARow,
                                                ui::TGridDrawState AState, const ui::TRect& ARect, bool Printing)>;
using TAnchorClickEvent =
    std::function<void(TObject* Sender, int ARow, int ACol, const std::string& Anchor, bool& AutoHandle)>;
using TAnchorHintEvent = std::function<void(TObject* Sender, int ARow, int ACol, std::string& Anchor)>;
using TAnchorEvent = std::function<void(TObject* Sender, int ARow, int ACol, const std::string& Anchor)>;
using TClickSortEvent = std::function<void(TObject* Sender, int ACol)>;
using TCanSortEvent = std::function<void(TObject* Sender, int ACol, bool& DoSort)>;
using TCustomCompareEvent =
    std::function<void(TObject* Sender, const std::string& str1, const std::string& str2, int& Res)>;
using TRawCompareEvent = std::function<void(TObject* Sender, int ACol, int Row1, int Row2, int& Res)>;
using TGridFormatEvent =
    std::function<void(TObject* Sender, int ACol, TSortStyle& AStyle, std::string& aPrefix, std::string& aSuffix)>;
using TGridColorEvent = std::function<void(TObject* Sender, int ARow, int ACol, ui::TGridDrawState AState,
                                           ui::TBrush* ABrush, ui::TFont* AFont)>;
using TGridGradientEvent =
    std::function<void(TObject* Sender, int ARow, int ACol, ui::TColor& Color, ui::TColor& ColorTo,
                       ui::TColor& ColorMirror, ui::TColor& ColorMirrorTo, TCellGradientDirection& GD)>;
using TGridBorderEvent =
    std::function<void(TObject* Sender, int ARow, int ACol, ui::TPen* APen, TCellBorders& Borders)>;
using TGridBorderPropEvent = std::function<void(TObject* Sender, int ARow, int ACol, ui::TPen* LeftPen,
                                                ui::TPen* TopPen, ui::TPen* RightPen, ui::TPen* BottomPen)>;
using TGridAlignEvent =
    std::function<void(TObject* Sender, int ARow, int ACol, THAlignment& HAlign, TVAlignment& VAlign)>;
using TGridHintEvent = std::function<void(TObject* Sender, int ARow, int ACol, std::string& hintstr)>;
using TEllipsClickEvent = std::function<void(TObject* Sender, int ACol, int ARow, std::string& S)>;
using TGridBalloonEvent =
    std::function<void(TObject* Sender, int ACol, int ARow, std::string& ATitle, std::string& AText, int& AIcon)>;
using TCanInsertRowEvent = std::function<void(TObject* Sender, int ARow, bool& CanInsert)>;
using TAutoInsertRowEvent = std::function<void(TObject* Sender, int ARow)>;
using TCanAddRowEvent = std::function<void(TObject* Sender, bool& CanAdd)>;
using TAutoAddRowEvent = std::function<void(TObject* Sender, int ARow)>;
using TCanDeleteRowEvent = std::function<void(TObject* Sender, int ARow, bool& CanDelete)>;
using TAutoDeleteRowEvent = std::function<void(TObject* Sender, int ARow)>;
using TAutoInsertColEvent = std::function<void(TObject* Sender, int ACol)>;
using TSearchEditChangeEvent = std::function<void(TObject* Sender, const std::string& Value, bool& DefaultSearch)>;
using TSpinClickEvent = std::function<void(TObject* Sender, int ACol, int ARow, int AValue, bool UpDown)>;
using TImageChangeEvent = std::function<void(TObject* Sender, int Acol, int Arow)>;
using TIsDesigningEvent = std::function<void(TObject* Sender, bool& IsDesigning)>;

}  // namespace gx
