#pragma once
// The button's picture resources: the glyph strips of the built-in kinds ("LBOK" ... "LBALL", two
// cells each: normal and disabled) and the popup arrow "LBARROW". The pictures live as XPM files in
// res/ and are compiled into the program.
#include "platform/ui/Graphics.h"
#include <string>

namespace controls {

// Loads the named resource into bmp (resized to the picture). Returns false, leaving bmp untouched,
// when no resource has that name.
bool LoadLbBitmapResource(const std::string& name, ui::TBitmap& bmp);

}  // namespace controls
