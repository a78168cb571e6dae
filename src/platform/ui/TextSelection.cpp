#include "platform/ui/TextSelection.h"

#include <algorithm>
#include <cstdlib>

#include "platform/ui/Messages.h"

namespace ui {

void PlaceCaret(int pos, TShiftState shift, int length, int& selStart, int& selLength)
{
    pos = std::clamp(pos, 0, length);
    if (shift & ssShift) {
        const int anchor = selStart;
        selStart = std::min(anchor, pos);
        selLength = std::abs(pos - anchor);
    } else {
        selStart = pos;
        selLength = 0;
    }
}

bool MoveCaretByKey(unsigned key, TShiftState shift, int length, int& selStart, int& selLength)
{
    const int caret = selStart + selLength;
    const bool collapse = selLength != 0 && !(shift & ssShift);
    switch (key) {
    case VK_LEFT:
        PlaceCaret(collapse ? selStart : caret - 1, shift, length, selStart, selLength);
        return true;
    case VK_RIGHT:
        PlaceCaret(collapse ? caret : caret + 1, shift, length, selStart, selLength);
        return true;
    case VK_HOME:
        PlaceCaret(0, shift, length, selStart, selLength);
        return true;
    case VK_END:
        PlaceCaret(length, shift, length, selStart, selLength);
        return true;
    default:
        return false;
    }
}

}  // namespace ui
