// The published events of TGxStringGrid, kept apart from the class so that each concern's
// engineer adds the events it fires here. Every event fires only when assigned; the sender is the
// grid; the argument order is each event type's own (some put the row first).
#pragma once

#include <functional>
#include <string>

#include "grid/base/GxObj.h"
#include "grid/stringgrid/GxGridEditTypes.h"
#include "grid/stringgrid/GxGridTypes.h"
#include "platform/rtl/StringList.h"
#include "platform/ui/Controls.h"
#include "platform/ui/Grids.h"
#include "platform/ui/Menus.h"

namespace gx {

// The end of a form control's edit in an HTML cell text: ARow, the store column, the control's ID,
// TYPE and value.
using TControlEditDoneEvent = std::function<void(TObject* Sender, int ARow, int ACol, const std::string& CtrlID,
                                                 const std::string& CtrlType, const std::string& CtrlVal)>;
// Fills the items of a COMBO control; Edit false gives a list without an edit field.
using TControlComboListEvent =
    std::function<void(TObject* Sender, int ARow, int ACol, const std::string& CtrlID, const std::string& CtrlType,
                       const std::string& CtrlVal, rtl::TStringList* Values, bool& Edit, int& DropCount)>;
using TControlComboSelectEvent = std::function<void(TObject* Sender, int ARow, int ACol, int ItemIndex,
                                                    const std::string& CtrlID, const std::string& CtrlValue)>;

class TDropCheckList;

// A pick in a column's filter drop-down or check list: the handler may change the condition.
using TFilterSelectEvent = std::function<void(TObject* Sender, int Column, int ItemIndex,
                                              const std::string& FriendlyName, std::string& FilterCondition)>;
using TFilterCheckEvent =
    std::function<void(TObject* Sender, int Column, int ItemIndex, const std::string& FriendlyName,
                       std::string& FilterCondition, TDropCheckList* CheckList)>;

// The search footer's edit changed: DefaultSearch False leaves the search to the handler.
using TSearchEditChangeEvent = std::function<void(TObject* Sender, const std::string& Value, bool& DefaultSearch)>;

class TGxStringGridEvents {
public:
    // Current cell, dimensions and cells.
    TRowUpdateEvent OnRowUpdate;
    TFooterCalcEvent OnFooterCalc;
    TCellsChangedEvent OnCellsChanged;
    TEditCellDoneEvent OnEditCellDone;
    ui::TNotifyEvent OnEditingDone;

    // Event-dispatch queries.
    TCanEditCellEvent OnCanEditCell;
    TSearchFooterActionEvent OnSearchFooterAction;
    TSearchEditChangeEvent OnSearchEditChange;
    ui::TNotifyEvent OnSearchFooterClose;
    TButtonClickEvent OnButtonClick;
    TExpandClickEvent OnExpandClick;
    TComboDropEvent OnComboCloseUp;
    TComboDropEvent OnComboDropDown;
    TGetCellCursorEvent OnGetCellCursor;
    TGridHintEvent OnGridHint;
    TGridWideHintEvent OnGridWideHint;
    TGridColorEvent OnGetCellColor;
    TGridColorEvent OnGetCellPrintColor;
    TGridBorderEvent OnGetCellBorder;
    TGridBorderEvent OnGetCellPrintBorder;
    TGridAlignEvent OnGetAlignment;
    TGridFormatEvent OnGetFormat;
    TGetEditorTypeEvent OnGetEditorType;
    TIsFixedCellEvent OnIsFixedCell;
    TIsPasswordCellEvent OnIsPasswordCell;
    TGetWordWrapEvent OnGetWordWrap;
    THasComboEvent OnHasComboBox;
    THasSpinEditEvent OnHasSpinEdit;
    TGetCheckEvent OnGetCheckTrue;
    TGetCheckEvent OnGetCheckFalse;
    TGetColumnFilterEvent OnGetColumnFilter;

    // Selection and rows.
    TRowDisjunctSelectEvent OnRowDisjunctSelect;
    TRowDisjunctSelectedEvent OnRowDisjunctSelected;
    TCanAddRowEvent OnCanAddRow;
    TCanInsertRowEvent OnCanInsertRow;

    // Cell graphics and their pickers.
    TRatingChangeEvent OnRatingChange;
    TColorSelectEvent OnColorSelect;
    TImageSelectEvent OnImageSelect;
    TUpdateColumnSizeEvent OnUpdateColumnSize;
    ui::TNotifyEvent OnRichEditSelectionChange;
    ui::TNotifyEvent OnCreatedFloatingFooter;
    ui::TNotifyEvent OnCreatedSearchFooter;
    TFooterPaintEvent OnFooterPaint;
    TClickCellEvent OnClickCell;

    // Keyboard, mouse, wheel, scrolling and focus.
    TDblClickCellEvent OnDblClickCell;
    TClickCellEvent OnRightClickCell;
    TEndColumnSizeEvent OnEndColumnSize;
    TColumnSizingEvent OnColumnSizing;
    TRowSizingEvent OnRowSizing;
    TCanClickCellEvent OnCanClickCell;
    TCanSortEvent OnCanSort;
    TClickSortEvent OnClickSort;
    TEndRowSizeEvent OnEndRowSize;
    TCanDeleteRowEvent OnCanDeleteRow;
    TAutoDeleteRowEvent OnAutoDeleteRow;
    TAutoInsertRowEvent OnAutoInsertRow;
    TAutoAddRowEvent OnAutoAddRow;
    TAutoInsertColEvent OnAutoInsertCol;
    TAutoAdvanceEvent OnAutoAdvance;
    TCellValidateEvent OnCellValidate;
    TSelectionChangedEvent OnSelectionChanged;
    TScrollHintEvent OnScrollHint;
    TWheelEvent OnMouseWheelDown;
    TWheelEvent OnMouseWheelUp;
    // Tree rows, links, rating and fixed-cell buttons by the mouse (GxGridMouseCells.cpp); ARowReal is
    // the node's real row.
    std::function<void(TObject* Sender, int ARow, int ARowReal, bool& Allow)> OnBeforeExpandNode;
    std::function<void(TObject* Sender, int ARow, int ARowReal, bool& Allow)> OnBeforeContractNode;
    std::function<void(TObject* Sender, int ARow, int ARowReal)> OnExpandNode;
    std::function<void(TObject* Sender, int ARow, int ARowReal)> OnContractNode;
    TAnchorClickEvent OnAnchorClick;
    std::function<void(TObject* Sender, int ARow, int ACol, const std::string& CtrlID, const std::string& CtrlType,
                       const std::string& CtrlVal)>
        OnControlClick;
    std::function<void(TObject* Sender, int ACol, int ARow, ui::TPopupMenu*& AMenu, bool& KeepFixedCellHighlighted)>
        OnFixedDropDownClick;
    // A column or row being moved: may it move at all (the moved index), may it go to the target
    // under the mouse (the target index).
    std::function<void(TObject*Sender, int Index, bool&Allow)> OnColumnMove, OnRowMove;
    std::function<void(TObject*Sender, int Index, bool&Allow)> OnColumnMoving, OnRowMoving;
    // The selection resizer: the selection before and after the drag, before and after the paste.
    std::function<void(TObject* Sender, const ui::TGridRect& From, const ui::TGridRect& To)> OnSelectionResize;
    std::function<void(TObject* Sender, const ui::TGridRect& From, const ui::TGridRect& To)> OnSelectionResized;

    // Painting, looks, hints and sizing.
    TFloatFormatEvent OnGetFloatFormat;
    TGridGradientEvent OnGetCellGradient;
    TCustomCellDrawEvent OnCustomCellBkgDraw;
    TCustomCellDrawEvent OnCustomCellDraw;
    TGridBorderPropEvent OnGetCellBorderProp;
    ui::TNotifyEvent OnPainted;
    TGridBalloonEvent OnCellBalloon;
    TAnchorHintEvent OnAnchorHint;
    TAnchorEvent OnAnchorEnter;
    TAnchorEvent OnAnchorExit;
    TColumnSizeEvent OnColumnSize;
    TRowSizeEvent OnRowSize;

    // Check boxes and radio buttons.
    TCheckBoxClickEvent OnCheckBoxChange;
    TCheckBoxClickEvent OnCheckBoxClick;
    TCheckBoxClickEvent OnCheckBoxMouseUp;
    TRadioClickEvent OnRadioMouseUp;
    TRadioClickEvent OnRadioClick;
    TRadioButtonClickEvent OnRadioButtonClick;

    // File import and export: progress in percent, reported when it changes.
    TFileProgressEvent OnFileProgress;

    // Printing (grid extras). Sizes are in 0.1 mm with page heights negative; the canvas is the
    // page's, in device dots.
    std::function<void(TObject* Sender, int NrOfPages, int& FromPage, int& ToPage)> OnPrintStart;
    std::function<void(TObject* Sender, ui::TCanvas* Canvas, int PageNr, int PageXSize, int PageYSize)> OnPrintPage;
    std::function<void(TObject* Sender, ui::TCanvas* Canvas, int LastRow, int LastRowOffset, int LastPage,
                       int PageXSize, int PageYSize)>
        OnPrintPageDone;
    std::function<void(TObject* Sender, int PageNr, bool& Cancel)> OnPrintCancel;
    std::function<void(TObject* Sender, int ARow, bool& NewPage)> OnPrintNewPage;
    std::function<void(TObject* Sender, int ACol, int& Width)> OnPrintSetColumnWidth;
    std::function<void(TObject* Sender, int ARow, int& Height)> OnPrintSetRowHeight;
    std::function<void(TObject* Sender, double& ScaleFactor, bool& Allow)> OnFitToPage;
    std::function<void(TObject* Sender, int PageNum, int PageColNum, std::string& PageNumString)> OnPrintGetPageNum;

    // Inplace editing, validation and the editor controls (GxGridEdit*.cpp).
    TCellValidateWideEvent OnCellValidateWide;
    TEditChangeEvent OnEditChange;
    TComboChangeEvent OnComboChange;
    TComboObjectChangeEvent OnComboObjectChange;
    TGetEditorPropEvent OnGetEditorProp;
    TSpinClickEvent OnSpinClick;
    TFloatSpinClickEvent OnFloatSpinClick;
    TDateTimeSpinClickEvent OnDateSpinClick;
    TDateTimeSpinClickEvent OnTimeSpinClick;
    TEllipsClickEvent OnEllipsClick;
    TCellChangingEvent OnCellChanging;
    TIndexChangingEvent OnRowChanging;
    TIndexChangingEvent OnColChanging;
    TClipboardAllowEvent OnClipboardCopy;
    TClipboardAllowEvent OnClipboardCut;
    TClipboardAllowEvent OnClipboardPaste;
    TScrollCellEvent OnScrollCell;  // the in-cell scroll bar moved

    // Sorting (grid extras): a custom style's comparison of two texts, a raw style's of two rows
    // (Res 1, 0 or -1); OnCanSort and OnClickSort are with the mouse events above.
    std::function<void(TObject* Sender, const std::string& Str1, const std::string& Str2, int& Res)> OnCustomCompare;
    std::function<void(TObject* Sender, int ACol, int Row1, int Row2, int& Res)> OnRawCompare;
    // Filtering (grid extras): the last word on a row, and the progress of a filter pass in percent.
    std::function<void(TObject* Sender, int ARow, bool& AcceptRow)> OnCustomFilter;
    std::function<void(TObject* Sender, int Progress)> OnFilterProgress;
    TClipboardBeforePasteCellEvent OnClipboardBeforePasteCell;
    TClipboardAfterPasteCellEvent OnClipboardAfterPasteCell;
    // Clipboard (grid extras): a pasted field coded as wide text ("|\\"), decoded.
    std::function<void(TObject* Sender, int ACol, int ARow, std::u16string& Value, bool& Allow)>
        OnClipboardBeforePasteWideCell;
    std::function<void(TObject* Sender, int ACol, int ARow, const std::u16string& Value)> OnClipboardAfterPasteWideCell;
    // Cell drag and drop (grid extras). Row before column, as these events always had it.
    std::function<void(TObject* Sender, int ARow, int ACol, const std::string& Data, bool& Allow)> OnOleDrag;
    std::function<void(TObject* Sender, int ARow, int ACol)> OnOleDragStart;
    std::function<void(TObject* Sender, int OLEEffect)> OnOleDragStop;
    std::function<void(TObject* Sender, int ARow, int ACol, bool& Allow)> OnOleDragOver;
    std::function<void(TObject* Sender, int ARow, int ACol, const std::string& Data, bool& Allow)> OnOleDrop;
    std::function<void(TObject* Sender, int ARow, int ACol, int DropCol)> OnOleDropCol;
    std::function<void(TObject* Sender, int ARow, int ACol, const std::string& FileName, bool& Allow)> OnOleDropFile;
    std::function<void(TObject* Sender, int ARow, int ACol, const std::string& URL, bool& Allow)> OnOleDropURL;
    std::function<void(TObject* Sender, const ui::TGridRect& ARect)> OnOleDropped;
    TCustomStrToDateEvent OnCustomStrToDate;
    TDatePickerEvent OnDatePickerCloseUp;
    TDatePickerEvent OnDatePickerDropDown;
    TDateTimeChangeEvent OnDateTimeChange;
    TUnitChangedEvent OnUnitChanged;
    TDropDownButtonClickEvent OnDropDownHeaderButtonClick;
    TDropDownButtonClickEvent OnDropDownFooterButtonClick;
    TColorSelectedEvent OnColorSelected;
    TImageSelectedEvent OnImageSelected;

    // Form controls in HTML cell texts (GxGridCellControlEdit.cpp); OnControlClick is with the mouse.
    TControlComboListEvent OnControlComboList;
    TControlComboSelectEvent OnControlComboSelect;
    TControlEditDoneEvent OnControlEditDone;

    // Row and text hooks.
    TFixedEditEvent OnFixedEdit;
    ui::TNotifyEvent OnFilterDone;
    TFilterSelectEvent OnFilterSelect;
    TFilterCheckEvent OnFilterCheck;
    TCellTextEvent OnLoadCell;
    TCellTextEvent OnSaveCell;
};

}  // namespace gx
