#pragma once
// Test utility: a picture of every face style in every state, for looking at the button by eye.
#include "platform/ui/Graphics.h"
#include <string>

namespace button_test {

// Column order of the gallery.
enum GalleryState { gsNormal, gsHover, gsPressed, gsDisabled, gsFocused, gsStateCount };

constexpr int kGalleryCellW = 130;
constexpr int kGalleryCellH = 40;

// Renders the six styles (rows, in TLbButtonStyle order) in the five states (columns) into
// gallery, each button on a window-coloured background.
void RenderLbButtonGallery(ui::TBitmap& gallery);

// The same, saved as a PNG file. False when the file could not be written.
bool SaveLbButtonGallery(const std::string& pngFile);

}  // namespace button_test
