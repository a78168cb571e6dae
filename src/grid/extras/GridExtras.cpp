#include "grid/extras/GridExtras.h"

#include "grid/extras/GridCellDrag.h"
#include "grid/extras/GridClipboard.h"
#include "grid/extras/GridColumnLayout.h"
#include "grid/extras/GridFilterDropDown.h"
#include "grid/extras/GridFindFooter.h"
#include "grid/extras/GridGroup.h"
#include "grid/extras/GridSort.h"

namespace gx {

void InstallGridExtras()
{
    InstallSortExtras();
    InstallClipboardExtras();
    InstallCellDragExtras();
    InstallGroupExtras();
    InstallFilterExtras();
    InstallFindExtras();
    InstallColumnLayoutExtras();
}

}  // namespace gx
