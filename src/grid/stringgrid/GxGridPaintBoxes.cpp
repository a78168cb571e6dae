// TGxStringGrid: the glyph painters other code also calls: a check box, a row of radio buttons and
// the sort indicator of a header, each in the look of ControlLook.ControlStyle; and the band
// gradient of the background painting.
#include <algorithm>
#include <cmath>

#include "grid/stringgrid/GxGrid.h"
#include "grid/stringgrid/GxGridPaint.h"

namespace gx {

using ui::TCanvas;
using ui::TColor;
using ui::TRect;

namespace {
// The three-state look of a frame-control check box (drawn as checked where not supported).
constexpr unsigned kButton3State = 0x0008;
}  // namespace

void DrawGradient(TCanvas& Canvas, TColor FromColor, TColor ToColor, bool Horizontal, const TRect& R, int Bands)
{
    if (Bands <= 0)
        Bands = 1;
    const TColor a = ui::ColorToRGB(FromColor), b = ui::ColorToRGB(ToColor);
    const double d = (Horizontal ? R.Right - 1 - R.Left : R.Bottom - 1 - R.Top) / static_cast<double>(Bands);
    // Rounding to the nearest integer, halves to the even neighbour.
    const auto round = [](double v) { return static_cast<int>(std::nearbyint(v)); };
    const auto channel = [&](int from, int to, int i) { return from + round(i * (to - from) / double(Bands)); };
    for (int i = 0; i < Bands; ++i) {
        const TColor c =
            ui::RGB(channel(ui::GetRValue(a), ui::GetRValue(b), i), channel(ui::GetGValue(a), ui::GetGValue(b), i),
                    channel(ui::GetBValue(a), ui::GetBValue(b), i));
        Canvas.Pen()->SetColor(c);
        Canvas.Brush()->SetColor(c);
        const int start = round(i * d);
        const int end = start + round(d) + 1;
        if (Horizontal)
            Canvas.FillRect(TRect(R.Left + start, R.Top, R.Left + end, R.Bottom));
        else
            Canvas.FillRect(TRect(R.Left, R.Top + start, R.Right, R.Top + end));
    }
}

void TGxStringGrid::DrawCellCheckBox(TCanvas& Canvas, const TRect& R, bool Checked, ui::TCheckBoxState TriState,
                                     bool IsTriState, TControlStyle Style, bool Grayed, bool Enabled)
{
    const TControlLook& look = *controlLook_;
    const bool active = Enabled || look.NoDisabledCheckRadioLook() || look.CheckAlwaysActive;
    if (Style == csTheme && !IsThemed)
        Style = csClassic;
    if (IsTriState) {
        Checked = TriState == ui::TCheckBoxState::cbChecked;
        Grayed = Grayed || TriState == ui::TCheckBoxState::cbGrayed;
    }
    const int size = look.CheckSize();
    const auto glyph = [&](const char* on, const char* off, const char* onDisabled, const char* offDisabled) {
        const char* name = Checked ? (active ? on : onDisabled) : (active ? off : offDisabled);
        if (const ui::TBitmap* bmp = GridGlyph(name))
            Canvas.Draw(R.Left, R.Top, bmp);
    };
    switch (Style) {
    case csClassic:
    case csFlat: {
        const TRect box = ui::Bounds(R.Left + (R.Width() - size) / 2, R.Top + (R.Height() - size) / 2, size, size);
        unsigned state = ui::DFCS_BUTTONCHECK;
        if (Checked || Grayed)
            state |= ui::DFCS_CHECKED;
        if (Grayed)
            state |= kButton3State;
        if (Style == csFlat)
            state |= ui::DFCS_FLAT;
        if (!active)
            state |= ui::DFCS_INACTIVE;
        Canvas.DrawFrameControl(box, ui::DFC_BUTTON, state);
        break;
    }
    case csWinXP:
        glyph("GSGCHK05", "GSGCHK06", "GSGCHK07", "GSGCHK08");
        break;
    case csDUD:
        glyph("GSGCHK01", "GSGCHK02", "GSGCHK03", "GSGCHK04");
        break;
    case csGlyph: {
        const ui::TBitmap* bmp = Checked ? controlLook_->CheckedGlyph() : controlLook_->UnCheckedGlyph();
        if (!bmp->Empty())
            DrawAutoTransparent(Canvas, R.Left, R.Top, *bmp);
        break;
    }
    case csBorland: {
        Canvas.Brush()->SetColor(active ? ui::clBtnFace : ui::clBtnShadow);
        Canvas.FillRect(R);
        Canvas.Pen()->SetColor(ui::clBtnHighlight);
        Canvas.MoveTo(R.Left, R.Bottom - 1);
        Canvas.LineTo(R.Left, R.Top);
        Canvas.LineTo(R.Right - 1, R.Top);
        Canvas.Pen()->SetColor(ui::clBtnShadow);
        Canvas.LineTo(R.Right - 1, R.Bottom - 1);
        Canvas.LineTo(R.Left, R.Bottom - 1);
        if (Checked) {
            Canvas.Pen()->SetColor(active ? look.Color() : TColor(0x808080));
            Canvas.Pen()->SetWidth(1);
            const auto stroke = [&](int x1, int y1, int x2, int y2) {
                Canvas.MoveTo(x1, y1);
                Canvas.LineTo(x2, y2);
            };
            stroke(R.Left + 2, R.Top + size / 2, R.Left + 2, R.Bottom - 2);
            stroke(R.Left + 3, R.Top - 1 + size / 2, R.Left + 3, R.Bottom - 3);
            stroke(R.Left + 2, R.Bottom - 2, R.Right - 2, R.Top + 2);
            stroke(R.Left + 3, R.Bottom - 2, R.Right - 1, R.Top + 2);
        }
        break;
    }
    case csTheme: {
        unsigned state = Grayed ? ui::tsMixed : Checked ? ui::tsChecked : ui::tsNormal;
        if (!active)
            state |= ui::tsDisabled;
        Canvas.DrawThemedPart(ui::TThemedPart::CheckBox, state, ui::Bounds(R.Left, R.Top, size, size));
        break;
    }
    }
}

void TGxStringGrid::DrawCellRadioButtons(TCanvas& Canvas, const TRect& R, bool Upward, double Scale,
                                         TControlStyle Style, int ARow, int ACol, bool Selected,
                                         const rtl::TStrings* Items, bool Disabled, bool Horizontal, int Index,
                                         int Count)
{
    const TControlLook& look = *controlLook_;
    if (look.NoDisabledCheckRadioLook() || look.RadioAlwaysActive)
        Disabled = false;
    if (Style == csTheme && !IsThemed)
        Style = csClassic;
    const ui::TBrushStyle savedBrush = Canvas.Brush()->Style();
    Canvas.Brush()->SetStyle(ui::TBrushStyle::bsClear);
    const std::string cellText = Count > 0 ? Cells(ACol, ARow) : std::string();
    const int direction = Upward ? -1 : 1;
    const bool bitmapStyle = Style == csWinXP || Style == csDUD || Style == csGlyph;
    int textRun = 0;  // widths of the texts before the current button
    for (int i = 1; i <= Count; ++i) {
        std::string text;
        const bool hasText = Items && Items->Count() >= i;
        if (hasText)
            text = Items->Strings(i - 1);
        if (hasText && Selected && showSelection_)
            Canvas.Font()->SetColor(SelectionTextColor);
        const bool checked = i == Index + 1 || (Index == -1 && hasText && text == cellText);
        const int textWidth = hasText ? Canvas.TextWidth(text) : 0;
        if (Style == csClassic || Style == csFlat) {
            const int size = static_cast<int>(std::lround(look.RadioSize() * Scale));
            int left = 0, top = 0, tx = 0, ty = 0;
            if (Horizontal) {
                left = R.Left + 2 + (i - 1) * size + textRun;
                top = R.Top + (R.Height() - size) / 2;
                tx = left + size;
                ty = top - 2;
            } else {
                left = hasText ? R.Left + 2 : R.Left + (R.Width() - size) / 2;
                top = R.Top + 2 + direction * (i - 1) * Canvas.TextHeight("gh");
                tx = left + size + 4;
                ty = top - 2;
            }
            const int box = Style == csFlat ? size + 2 : size;
            unsigned state = ui::DFCS_BUTTONRADIO;
            if (Style == csFlat)
                state |= ui::DFCS_FLAT;
            if (Disabled)
                state |= ui::DFCS_INACTIVE;
            if (checked)
                state |= ui::DFCS_CHECKED;
            Canvas.DrawFrameControl(ui::Bounds(left, top, box, box), ui::DFC_BUTTON, state);
            if (hasText)
                Canvas.TextOut(tx, ty, text);
        } else {
            int left = 0, top = 0, tx = 0, ty = 0;
            if (Horizontal) {
                left = R.Left + i * 16 - 14 + textRun;
                top = R.Top + (R.Height() - 16) / 2;
                tx = left + 16;
                ty = bitmapStyle ? top + 1 : top - 2;
            } else {
                const int step = std::max(16, Canvas.TextHeight("gh"));
                left = hasText ? R.Left + 2 : R.Left + (R.Width() - 16) / 2;
                const int rowTop = R.Top + 2 + direction * (i - 1) * step;
                top = rowTop;
                tx = bitmapStyle ? R.Left + 18 : R.Left + 20;
                ty = bitmapStyle ? rowTop + 1 : rowTop;
            }
            switch (Style) {
            case csBorland: {
                Canvas.Brush()->SetStyle(ui::TBrushStyle::bsSolid);
                Canvas.Brush()->SetColor(ui::clBtnFace);
                Canvas.Pen()->SetColor(ui::clBtnFace);
                Canvas.Polygon({{left + 2, top + 8}, {left + 8, top + 2}, {left + 14, top + 8}, {left + 8, top + 14}});
                Canvas.Pen()->SetColor(checked ? TColor(0x808080) : ui::clWhite);
                Canvas.MoveTo(left + 2, top + 8);
                Canvas.LineTo(left + 8, top + 2);
                Canvas.LineTo(left + 14, top + 8);
                Canvas.Pen()->SetColor(checked ? ui::clWhite : TColor(0x808080));
                Canvas.LineTo(left + 8, top + 14);
                Canvas.LineTo(left + 2, top + 8);
                if (checked) {
                    Canvas.Brush()->SetColor(look.Color());
                    Canvas.Pen()->SetColor(look.Color());
                    Canvas.Polygon(
                        {{left + 6, top + 8}, {left + 8, top + 6}, {left + 10, top + 8}, {left + 8, top + 10}});
                }
                Canvas.Brush()->SetStyle(ui::TBrushStyle::bsClear);
                break;
            }
            case csTheme: {
                unsigned state = checked ? ui::tsChecked : ui::tsNormal;
                if (Disabled)
                    state |= ui::tsDisabled;
                Canvas.DrawThemedPart(ui::TThemedPart::RadioButton, state, ui::Bounds(left, top, 16, 16));
                break;
            }
            case csWinXP:
            case csDUD: {
                const bool xp = Style == csWinXP;
                const char* names[] = {xp ? "GSGRAD05" : "GSGRAD01", xp ? "GSGRAD06" : "GSGRAD02",
                                       xp ? "GSGRAD07" : "GSGRAD03", xp ? "GSGRAD08" : "GSGRAD04"};
                if (const ui::TBitmap* bmp = GridGlyph(names[(Disabled ? 2 : 0) + (checked ? 0 : 1)]))
                    Canvas.Draw(left, top, bmp);
                break;
            }
            default: {
                const ui::TBitmap* bmp = checked ? controlLook_->RadioOnGlyph() : controlLook_->RadioOffGlyph();
                DrawAutoTransparent(Canvas, left, top, *bmp);
                break;
            }
            }
            if (hasText)
                Canvas.TextOut(tx, ty, text);
        }
        textRun += textWidth;
    }
    Canvas.Brush()->SetStyle(savedBrush);
}

void TGxStringGrid::DrawSortIndicator(TCanvas& Canvas, int ACol, int Y, int X)
{
    TSortSettings& sort = *sortSettings_;
    const auto line = [&](int x1, int y1, int x2, int y2) {
        Canvas.MoveTo(x1, y1);
        Canvas.LineTo(x2, y2);
    };
    if (sort.IndexShow) {
        const int p = sortIndexes_->FindIndex(ACol);
        if (p < 0)
            return;
        Canvas.Brush()->SetColor(sort.IndexColor);
        Canvas.Pen()->SetColor(ui::clBlack);
        const bool ascending = sortIndexes_->SortDirections(p);
        const bool glyphs = !sort.IndexUpGlyph()->Empty() && !sort.IndexDownGlyph()->Empty();
        if (ascending) {
            if (glyphs)
                DrawAutoTransparent(Canvas, X - 7, Y - 7, *sort.IndexUpGlyph());
            else
                Canvas.Polygon({{X - 7, Y - 5}, {X + 7, Y - 5}, {X, Y + 8}});
        } else {
            if (glyphs)
                DrawAutoTransparent(Canvas, X - 7, Y - 7, *sort.IndexDownGlyph());
            else
                Canvas.Polygon({{X - 6, Y + 8}, {X + 6, Y + 8}, {X, Y - 4}});
        }
        ui::TFont saved;
        saved.Assign(*Canvas.Font());
        Canvas.Font()->SetColor(ui::clBlack);
        Canvas.Font()->SetSize(6);
        Canvas.Brush()->SetStyle(ui::TBrushStyle::bsClear);
        Canvas.TextOut(X - 2, ascending ? Y - 4 : Y - 2, std::to_string(p + 1));
        Canvas.Brush()->SetStyle(ui::TBrushStyle::bsSolid);
        Canvas.Font()->Assign(saved);
        return;
    }
    const bool glyphs = !sort.UpGlyph()->Empty() && !sort.DownGlyph()->Empty();
    if (sort.Direction == sdDescending) {
        if (glyphs) {
            DrawAutoTransparent(Canvas, X - 4, Y - 4, *sort.DownGlyph());
            Canvas.Brush()->SetColor(FixedColor());
        } else {
            Canvas.Pen()->SetColor(ui::clWhite);
            line(X + 4, Y - 4, X, Y + 4);
            Canvas.Pen()->SetColor(0x808080);
            Canvas.LineTo(X - 4, Y - 4);
            Canvas.LineTo(X + 4, Y - 4);
        }
    } else {
        if (glyphs) {
            DrawAutoTransparent(Canvas, X - 4, Y - 4, *sort.UpGlyph());
        } else {
            Canvas.Pen()->SetColor(ui::clWhite);
            line(X - 4, Y + 4, X + 4, Y + 4);
            Canvas.LineTo(X, Y - 4);
            Canvas.Pen()->SetColor(0x808080);
            Canvas.LineTo(X - 4, Y + 4);
        }
    }
    Canvas.Pen()->SetColor(ui::clBlack);
}

}  // namespace gx
