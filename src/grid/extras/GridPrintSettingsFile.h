// The grid's print settings in one section of an INI file, so that a page layout survives
// between runs. Flags are "Y"/"N", enumerations ordinals, colours decimal values.
#pragma once

#include <string>

#include "grid/stringgrid/GxGrid.h"

namespace gx {

// Key is the INI file, Section the section; other sections and keys are left as they are.
void SavePrintSettings(TGxStringGrid& grid, const std::string& Key, const std::string& Section);
// Missing keys take their defaults; the font styles become those of the file (styles the file
// does not name are removed).
void LoadPrintSettings(TGxStringGrid& grid, const std::string& Key, const std::string& Section);

}  // namespace gx
