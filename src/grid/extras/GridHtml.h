// The grid's cells as one HTML table with the cells' looks as CSS classes, merged cells as spans,
// links for URL texts and pictures of picture cells as JPEG files beside the document.
#pragma once

#include <string>

#include "grid/stringgrid/GxGrid.h"

namespace gx {

// The document as a string. Pictures go to dir + "images/imgN.jpg" (dir ends with "/"); with an
// empty dir, or with ExportImages off, no picture file is written and picture cells keep their
// text only.
std::string SaveToHTMLString(TGxStringGrid& grid, const std::string& dir);
// The document written to the file (UTF-16LE with a byte-order mark when Unicode, else ASCII with
// "?" for what it cannot hold), after the file's own lines when appending.
void SaveToHTML(TGxStringGrid& grid, const std::string& FileName, bool Show = false, bool Unicode = false);
void AppendToHTML(TGxStringGrid& grid, const std::string& FileName, bool Show = false, bool Unicode = false);

}  // namespace gx
