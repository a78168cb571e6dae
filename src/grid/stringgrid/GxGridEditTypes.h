// Event types of the string grid's inplace editing: validation, editor changes, combo and spin
// notifications, clipboard pasting in the editor, the pickers, cell changes and the row and text
// hooks; the state the grid keeps while a cell is edited.
#pragma once

#include <functional>
#include <string>

#include "grid/base/GxObj.h"
#include "platform/rtl/DateTime.h"
#include "platform/rtl/StringList.h"

namespace gx {

using TCellValidateEvent = std::function<void(TObject* Sender, int ACol, int ARow, std::string& Value, bool& Valid)>;
using TCellValidateWideEvent =
    std::function<void(TObject* Sender, int ACol, int ARow, std::u16string& Value, bool& Valid)>;
using TEditChangeEvent = std::function<void(TObject* Sender, int ACol, int ARow, const std::string& Value)>;
using TComboChangeEvent =
    std::function<void(TObject* Sender, int ACol, int ARow, int AItemIndex, const std::string& ASelection)>;
using TComboObjectChangeEvent = std::function<void(TObject* Sender, int ACol, int ARow, int AItemIndex,
                                                   const std::string& ASelection, TObject* AObject)>;
using TGetEditorPropEvent = std::function<void(TObject* Sender, int ACol, int ARow, TObject* AEditLink)>;
using TFloatSpinClickEvent = std::function<void(TObject* Sender, int ACol, int ARow, double AValue, bool UpDown)>;
using TDateTimeSpinClickEvent =
    std::function<void(TObject* Sender, int ACol, int ARow, rtl::TDateTime AValue, bool UpDown)>;
using TCellChangingEvent =
    std::function<void(TObject* Sender, int OldRow, int OldCol, int NewRow, int NewCol, bool& Allow)>;
using TIndexChangingEvent = std::function<void(TObject* Sender, int OldIndex, int NewIndex, bool& Allow)>;
using TClipboardAllowEvent = std::function<void(TObject* Sender, bool& Allow)>;
using TClipboardBeforePasteCellEvent =
    std::function<void(TObject* Sender, int ACol, int ARow, std::string& Value, bool& Allow)>;
using TClipboardAfterPasteCellEvent =
    std::function<void(TObject* Sender, int ACol, int ARow, const std::string& Value)>;
using TCustomStrToDateEvent = std::function<void(TObject* Sender, const std::string& Value, rtl::TDateTime& ADate)>;
using TDatePickerEvent = std::function<void(TObject* Sender, int ARow, int ACol)>;
using TDateTimeChangeEvent = std::function<void(TObject* Sender, int ACol, int ARow, rtl::TDateTime ADateTime)>;
using TFixedEditEvent =
    std::function<void(TObject* Sender, int ACol, int ARow, TGridFixedCellEditor& AEditor, rtl::TStrings* Values)>;
using TSelectionChangedEvent = std::function<void(TObject* Sender, int ALeft, int ATop, int ARight, int ABottom)>;
using TCellTextEvent = std::function<void(TObject* Sender, int ACol, int ARow, std::string& Value)>;
using TUnitChangedEvent = std::function<void(TObject* Sender, int ACol, int ARow, const std::string& NewUnit)>;
using TDropDownButtonClickEvent = std::function<void(TObject* Sender, int ACol, int ARow, int ButtonIndex)>;
// The colour and image cell editors report the chosen value before it is stored; the handler may change it.
using TColorSelectedEvent =
    std::function<void(TObject* Sender, int ACol, int ARow, ui::TColor& Color, std::string& Value)>;
using TImageSelectedEvent = std::function<void(TObject* Sender, int ACol, int ARow, int& Index)>;

// What the grid keeps while a cell is edited and validated.
struct TGridEditState {
    bool EditMode = false;         // an editor is logically open
    bool Editing = false;          // an edit of the current cell waits for validation
    bool SpecialEditor = false;    // a non-text editor control is showing
    bool EditActive = false;       // a non-text editor has not reported the end of its edit
    char32_t StartEditChar = 0;    // the character that started the edit by typing
    std::string CellCache;         // the current cell's text when the edit began; Escape restores it
    int ComboIdx = -1;             // the combo editor's fall-back item
    bool BlockKill = false;        // an editor control is being hidden
    bool ShowEditProcess = false;  // a text editor is about to show
    bool Entered = false;          // the grid was entered by editing
    bool LastValidation = true;    // false after a refused validation
    rtl::TDateTime OriginalDateTime = 0;
    bool SpinUpClick = false;  // a permanently drawn spin button was pressed
    bool SpinDnClick = false;
    std::string NewCellText;     // the text the last validation left
    bool NoAutoAdvance = false;  // a refused Enter keeps the current cell
    bool Validating = false;
    bool AlwaysValidate = false;
    bool GridModified = false;
    int OldCol = -1;  // the cell being edited (display column) and its stored text
    int OldRow = -1;
    std::string OldCellText;
    bool EditDisable = false;    // the grid removed goEditing for the current cell
    bool EditChange = false;     // the grid changed goEditing itself
    bool ForceSel = false;       // accept any selection without checks
    bool DisableChange = false;  // suppresses OnCellChanging
    bool BlockFocus = false;
    bool Reopening = false;     // a refused value closes and reopens the editor
    std::string EditText;       // the target cell's text during the selection check
    bool InSelectCell = false;  // the selection check runs
};

}  // namespace gx
