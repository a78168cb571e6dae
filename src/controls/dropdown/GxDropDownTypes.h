#pragma once
// Enumerations and event types shared by the drop-down editors and their hosted controls.
#include <functional>
#include <string>

#include "platform/ui/Types.h"

namespace ui {
class TCanvas;
}

namespace dropdown {

// Direction of a two-colour face: gdHorizontal changes colour from left to right, gdVertical from
// top to bottom.
enum class TGradientDirection { gdHorizontal, gdVertical };

// How a selected item of a list drop-down is drawn.
enum class TSelectionColorStyle { scCustom, scOffice2007, scWindowsVista, scWindows7 };

// Where the caption of an item stands against its image or colour box.
enum class TItemLayout { ilCaptionLeft, ilCaptionRight, ilCaptionTop, ilCaptionBottom };

// What an item of the item selector shows besides its caption.
enum class TSelectorType { stImage, stColor };

// Where the drop-down window opens: below the edit when there is room (dpAuto), always below,
// always above.
enum class TDropPosition { dpAuto, dpDown, dpUp };

// Where the edit's label stands.
enum class TLabelPosition {
    lpLeftTop,
    lpLeftCenter,
    lpLeftBottom,
    lpTopLeft,
    lpBottomLeft,
    lpLeftTopLeft,
    lpLeftCenterLeft,
    lpLeftBottomLeft,
    lpTopCenter,
    lpBottomCenter,
    lpRightTop,
    lpRightCenter,
    lpRighBottom,
    lpTopRight,
    lpBottomRight
};

// The drop-down button's drawing: a push button or the combo box's drop-down button.
enum class TButtonStyle { bsButton, bsDropDown };

// What the drop-down edit holds and what may be typed into it.
enum class TDropDownEditType {
    etString,
    etNumeric,
    etFloat,
    etUppercase,
    etMixedCase,
    etLowerCase,
    etPassword,
    etMoney,
    etRange,
    etHex,
    etAlphaNumeric,
    etValidChars
};

// Alignment of the buttons of a header or footer bar.
enum class TButtonAlignment { baLeft, baRight };

using TDropDownEvent = std::function<void(ui::TObject* Sender, bool& AcceptDrop)>;
using TDropUpEvent = std::function<void(ui::TObject* Sender, bool Cancelled)>;
using TDropDownButtonItemClick = std::function<void(ui::TObject* Sender, int ButtonIndex)>;
using TDrawBackGroundEvent = std::function<void(ui::TObject* Sender, ui::TCanvas& ACanvas, const ui::TRect& ARect)>;
using TGetTextEvent = std::function<void(ui::TObject* Sender, std::string& Text)>;
using TClipboardEvent = std::function<void(ui::TObject* Sender, const std::string& Value, bool& Allow)>;

using TDrawItemEvent = std::function<void(ui::TObject* Sender, ui::TCanvas& Canvas, const ui::TRect& R, int Index)>;
using TItemSizeEvent = std::function<void(ui::TObject* Sender, ui::TSize& ASize)>;
using TOnDrawSelectedItem = std::function<void(ui::TObject* Sender, ui::TCanvas& Canvas, const ui::TRect& R)>;

// What a bar button needs of the drop-down it may close: hiding the window, accepted or
// cancelled. The drop-down edit implements it.
class IDropDownCloser {
public:
    virtual ~IDropDownCloser() = default;
    virtual void DoHideDropDown(bool Cancelled) = 0;
};

}  // namespace dropdown
