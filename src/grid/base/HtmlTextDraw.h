#pragma once
// Layout, drawing, measuring and hit-testing of the mini-HTML used in cell texts, hints,
// headers and drop-down items. The text is not parsed into a tree: it is consumed left to
// right as text runs and tags, each tag changing the canvas's drawing state (font, brush,
// pen) or the layout (alignment, indent, list level, line break).

#include <string>
#include <string_view>

#include "platform/ui/Colors.h"
#include "platform/ui/Types.h"

namespace ui {
class TCanvas;
class TImageList;
}  // namespace ui

namespace gx {

class THTMLPictureCache;
class TPictureContainer;

// Inputs of one call besides the canvas, the text and the layout rectangle.
struct THTMLDrawParams {
    int HitX = -1;  // point to hit-test; -1 for none
    int HitY = -1;
    int FocusLinkIndex = -1;   // 0-based number of the link that gets a focus rectangle
    int HoverLinkIndex = -1;   // 1-based number of the hovered link
    int ShadowOffset = 1;      // shadow displacement of <SH> text
    bool HitTestOnly = false;  // the second pass hit-tests without drawing
    bool MeasureOnly = false;  // only the measuring pass runs; nothing is drawn
    bool Printing = false;
    bool Selected = false;     // drawn in a selected cell: colour tags keep the colours
    bool BlinkVisible = true;  // blinking text is visible in this call
    bool UnderlineHoverOnly = false;
    bool WordWrap = true;  // break at spaces; otherwise a line is cut with an end ellipsis
    bool ControlDown = false;
    double ScaleFactor = 1.0;
    ui::TColor LinkColor = ui::clBlue;
    ui::TColor HoverBackColor = ui::clNone;
    ui::TColor HoverFontColor = ui::clNone;
    ui::TColor ShadowColor = ui::clGray;
    // Sources of inline pictures: "IDX:n" images, pictures loaded by URL, named pictures.
    const ui::TImageList* Images = nullptr;
    THTMLPictureCache* PictureCache = nullptr;
    const TPictureContainer* PictureContainer = nullptr;
};

// Results of one call. AnchorAtPoint and HoverRect are kept from the caller until a link
// is hit; ControlID is an input when HitTestOnly.
struct THTMLDrawResult {
    std::string AnchorAtPoint;  // HREF of the link under the point
    std::string PlainText;      // the text runs without markup, CR for each <BR>
    std::string FocusAnchor;    // HREF of the focus link
    std::string AnchorTitle;    // TITLE of the link under the point
    int UsedWidth = 0;          // width of the widest line
    int UsedHeight = 0;         // total height of the lines
    int LinkCount = 0;
    int LinkAtPoint = -1;   // 1-based number of the link under the point
    ui::TRect HoverRect;    // area of the link under the point
    ui::TRect ControlRect;  // the control under the point (or named by ControlID when HitTestOnly)
    std::string ControlID;
    std::string ControlValue;
    std::string ControlType;
};

// Lays Text out in LayoutRect and draws, measures or hit-tests it. True when something
// clickable lies under (HitX, HitY). The canvas's font, pen and brush are as before on return.
bool DrawHTMLText(ui::TCanvas& Canvas, std::string_view Text, const ui::TRect& LayoutRect,
                  const THTMLDrawParams& Params, THTMLDrawResult& Result);

// Colours of the <HI> tag for every later call.
void SetHighlightColors(ui::TColor Background, ui::TColor Text);

// A colour value of the markup: "#RRGGBB" or a colour name ("clred", "clwindow" …); unknown
// names give black.
ui::TColor HTMLColor(std::string_view value);

}  // namespace gx
