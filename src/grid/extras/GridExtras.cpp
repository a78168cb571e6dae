#include "grid/extras/GridExtras.h"

#include "grid/extras/GridClipboard.h"
#include "grid/extras/GridSort.h"

namespace gx {

void InstallGridExtras()
{
    InstallSortExtras();
    InstallClipboardExtras();
}

}  // namespace gx
