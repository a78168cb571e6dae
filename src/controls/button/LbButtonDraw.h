#pragma once
// Drawing of the push button's face: background, frame, caption, glyph cell and popup arrow.
#include "controls/button/LbButtons.h"
#include "platform/ui/Graphics.h"
#include "platform/ui/StdCtrls.h"
#include <string>

namespace controls {

// Everything DrawLbButton needs to know; the area drawn is (0, 0, Width, Height).
struct TLbButtonFace {
    int Width = 0;
    int Height = 0;
    int HotTrackStep = 0;  // 0..8
    int NumGlyphs = 0;
    const ui::TBitmap* Glyph = nullptr;  // the glyph strip; may be null or empty
    bool Pressed = false;
    bool Hot = false;
    bool NoBackground = false;
    bool Enabled = true;
    bool Flat = false;
    bool WordWrap = false;
    bool HasPopupMenu = false;
    TLbButtonStyle Style = bsNormal;
    ui::TColor Color = ui::clBtnFace;
    ui::TColor ColorWhenDown = ui::clNone;
    ui::TColor HotTrackColor = ui::clNone;
    ui::TColor LightColor = ui::clWhite;
    ui::TColor ShadowColor = ui::clGray;
    const ui::TFont* Font = nullptr;  // null: the canvas's own font
    TLbButtonLayout Layout = blGlyphLeft;
    std::string Caption;
    ui::TAlignment Alignment = ui::TAlignment::taCenter;
};

void DrawLbButton(ui::TCanvas& canvas, const TLbButtonFace& face);

// The glyph cell DrawLbButton shows: 0 normally, 1 when disabled; when enabled 3 if hot and there
// are four cells, 2 if pressed and there are three (pressed wins over hot).
int LbGlyphCell(int numGlyphs, bool enabled, bool pressed, bool hot);

}  // namespace controls
