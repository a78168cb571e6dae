// Event types of the string grid's inplace editing: validation, editor changes, combo and spin
// notifications, clipboard pasting in the editor, the pickers, cell changes and the row and text
// hooks.
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

}  // namespace gx
