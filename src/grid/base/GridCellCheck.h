#pragma once
// The cell checker a grid can be linked to (its CellChecker) to correct or mark cell texts, for
// example a spelling or format check. TGxStringGridCheck fixes the operations the grid calls and
// the switches that say which of them it uses; descendants supply the checking. The grid passes
// a cell's column, row and text, stores the text returned, and counts the cell as correct when
// the text came back unchanged.

#include <string>

#include "platform/ui/Component.h"

namespace gx {

class TGxStringGridCheck : public ui::TComponent {
public:
    using ui::TComponent::TComponent;

    // Returns the text with its faults marked; the base class marks nothing.
    virtual std::string MarkError(int ACol, int ARow, std::string s);
    // Returns the corrected text; the base class corrects nothing.
    virtual std::string Correct(int ACol, int ARow, std::string s);
    // Called before and after the grid checks a range of cells.
    virtual void StartCheck() {}
    virtual void StopCheck() {}

    bool GotoCell = false;  // the grid visits each cell while checking, then returns
    bool AutoCorrect = false;
    bool AutoMarkError = false;
    bool UseCorrect = false;    // the grid calls Correct
    bool UseMarkError = false;  // the grid calls MarkError
};

}  // namespace gx
