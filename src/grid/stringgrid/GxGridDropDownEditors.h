// The drop-down cell editors as the string grid sees them. The editors themselves (track bar,
// memo, calculator, time picker, detail list, multi-column list, colour picker, image picker and
// grid drop-down) stand above the grid; a program that edits cells with them installs their
// factory once (controls/gridinplace), and each grid then makes its set on first use.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "grid/base/GxObj.h"
#include "platform/ui/Controls.h"

namespace gx {

class TGxStringGrid;

// The nine editor kinds that edit a cell with a drop-down editor.
bool IsDropDownEditor(TEditorType Kind);

class IGridDropDownEditors {
public:
    virtual ~IGridDropDownEditors() = default;
    // The editor of the kind (nullptr for other kinds), made on first use: owner and parent the
    // grid, hidden, with the grid's style preset and colour tones.
    virtual ui::TWinControl* Editor(TEditorType Kind) = 0;
    // Shows the kind's editor over the cell (display column ACol) within Bounds, with the cell's
    // value and colour, focused; StartChar (0: none) is the key that started the edit. Returns the
    // control shown.
    virtual ui::TWinControl* Show(TEditorType Kind, int ACol, int ARow, const ui::TRect& Bounds,
                                  const std::string& Value, ui::TColor Color, char32_t StartChar) = 0;
    // Takes the editor's value back into the cell (real column ARealCol) and hides and disables it.
    virtual void Hide(TEditorType Kind, int ARealCol, int ARow) = 0;
};

using TGridDropDownEditorsFactory = std::function<std::unique_ptr<IGridDropDownEditors>(TGxStringGrid& Grid)>;

// Installs (or, with an empty function, removes) the factory every grid makes its set from.
void SetGridDropDownEditorsFactory(TGridDropDownEditorsFactory Factory);

}  // namespace gx
