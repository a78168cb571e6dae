#pragma once
// A base grid that records the content rectangles it was asked to draw, and draws texts that
// start with "<" as mini-HTML.

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "grid/base/BaseGrid.h"
#include "grid/base/HtmlTextDraw.h"

namespace gx::testing {

class PaintedGrid : public TBaseGrid {
public:
    using TBaseGrid::TBaseGrid;

    // Cell -> content rectangles drawn in the last paints.
    std::map<std::pair<int, int>, std::vector<ui::TRect>> contents;
    // Texts starting with "<" are drawn as mini-HTML.
    bool htmlCells = false;

    void DrawCellText(ui::TCanvas* canvas, int c, int r, const ui::TRect& rect, ui::TGridDrawState state) override
    {
        contents[{c, r}].push_back(rect);
        const std::string text = Cells(c, r);
        if (htmlCells && !text.empty() && text[0] == '<') {
            THTMLDrawResult result;
            DrawHTMLText(*canvas, text, rect, THTMLDrawParams{}, result);
            return;
        }
        TBaseGrid::DrawCellText(canvas, c, r, rect, state);
    }
};

}  // namespace gx::testing
