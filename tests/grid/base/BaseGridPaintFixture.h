#pragma once
// A base grid whose framework steps run the base-grid painting and navigation routines, and
// which records the content rectangles it was asked to draw.

#include <map>
#include <utility>

#include "grid/base/BaseGrid.h"
#include "grid/base/BaseGridPaint.h"
#include "grid/base/HtmlTextDraw.h"

namespace gx::testing {

class PaintedGrid : public TBaseGrid {
public:
  using TBaseGrid::TBaseGrid;

  // Cell -> content rectangles drawn in the last paints.
  std::map<std::pair<int, int>, std::vector<ui::TRect>> contents;
  // Texts starting with "<" are drawn as mini-HTML.
  bool htmlCells = false;

  void DrawCell(int c, int r, const ui::TRect& rect, ui::TGridDrawState state) override {
    PaintCell(*this, *Canvas(), c, r, rect, state);
  }
  void Paint() override {
    TBaseGrid::Paint();
    PaintPassDone(*this);
  }
  bool SelectCell(int c, int r) override { return SelectBaseGridCell(*this, c, r); }
  void DrawCellText(ui::TCanvas* canvas, int c, int r, const ui::TRect& rect,
                    ui::TGridDrawState state) override {
    contents[{c, r}].push_back(rect);
    const std::string text = Cells(c, r);
    if (htmlCells && !text.empty() && text[0] == '<') {
      THTMLDrawResult result;
      DrawHTMLText(*canvas, text, rect, THTMLDrawParams{}, result);
      return;
    }
    TBaseGrid::DrawCellText(canvas, c, r, rect, state);
  }

protected:
  void KeyDown(unsigned& key, ui::TShiftState shift) override {
    MoveOverMergedCells(*this, key);
    TBaseGrid::KeyDown(key, shift);
    GoToBaseCell();
  }
  bool DoMouseWheelDown(ui::TShiftState shift, ui::TPoint pos) override {
    const bool handled = TBaseGrid::DoMouseWheelDown(shift, pos);
    AfterWheelDown(*this);
    return handled;
  }
  void TopLeftChanged() override {
    TBaseGrid::TopLeftChanged();
    RepaintFixedMergedCells(*this);
  }
};

}  // namespace gx::testing
