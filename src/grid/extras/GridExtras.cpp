#include "grid/extras/GridExtras.h"

#include "grid/extras/GridColumnLayout.h"
#include "grid/extras/GridSort.h"

namespace gx {

void InstallGridExtras()
{
    InstallSortExtras();
    InstallColumnLayoutExtras();
}

}  // namespace gx
