#include "platform/rtl/List.h"

#include "platform/rtl/Format.h"

namespace rtl {

void RaiseListIndexError(int index)
{
    throw EListError(Fmt(msg::ListIndexError, index));
}

}  // namespace rtl
