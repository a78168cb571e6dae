#include "grid/extras/GridExtras.h"

namespace gx {

IGridExtras& GridExtras()
{
    static TGridExtras extras;
    return extras;
}

void InstallGridExtras()
{
    SetDefaultGridExtras(&GridExtras());
}

}  // namespace gx
