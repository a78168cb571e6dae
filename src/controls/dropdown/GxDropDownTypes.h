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
