#pragma once
// Caret and selection in a one-line text, as the edit and the edit part of the combo box keep
// them: a selection start and length in characters, the caret at its end.

#include "platform/ui/Types.h"

namespace ui {

// Puts the caret at pos (clamped to 0..length); with Shift selects from the selection's start to
// pos instead.
void PlaceCaret(int pos, TShiftState shift, int length, int& selStart, int& selLength);

// Left, Right, Home and End: moves the caret (with Shift: extends the selection; without, Left and
// Right first collapse a selection to its start or end). True when the key was one of them.
bool MoveCaretByKey(unsigned key, TShiftState shift, int length, int& selStart, int& selLength);

}  // namespace ui
