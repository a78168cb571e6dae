// The grid extras in one call: connects every hook of the string grid that this library serves
// (sorting, filtering, grouping, the clipboard, stored column positions). A program calls it
// once at start; calling it again changes nothing.
#pragma once

namespace gx {

void InstallGridExtras();

}  // namespace gx
