// TGxStringGrid: everything painted around the cells: the paint pass with the frame of the edited
// cell, the background in the client area no cell covers, the coloured border ring, the window
// scroll bars that follow the top-left cell, the sizing lines, the measuring of a cell's text and
// the text of its balloon tool tip.
#include <algorithm>
#include <cmath>

#include "grid/base/HtmlTextDraw.h"
#include "grid/base/HtmlTextUtils.h"
#include "grid/base/TextChars.h"
#include "grid/base/VozEdidCoding.h"
#include "grid/base/VozEdidText.h"
#include "grid/stringgrid/GxGrid.h"
#include "grid/stringgrid/GxGridEditRich.h"
#include "grid/stringgrid/GxGridInput.h"
#include "grid/stringgrid/GxGridPaint.h"

namespace gx {

using ui::TCanvas;
using ui::TRect;

void TGxStringGrid::Paint()
{
    TCanvas& canvas = *Canvas();
    canvas.Pen()->SetStyle(ui::TPenStyle::psSolid);
    canvas.Brush()->SetStyle(ui::TBrushStyle::bsSolid);
    // The area no cell covers shows the grid colour.
    canvas.Brush()->SetColor(Color());
    canvas.FillRect(ClientRect());
    TBaseGrid::Paint();
    if (EditorMode()) {
        const bool lines = GridLineWidth() >= 1 && (Options() & (ui::goHorzLine | ui::goVertLine));
        canvas.Pen()->SetColor(lines ? GridLineColor() : Color());
        canvas.Rectangle(CellRect(Col(), Row()));
    }
    canvas.Pen()->SetColor(ui::clBlack);
    if (!backGround_->Bitmap()->Empty() || backGround_->ColorTo() != ui::clNone)
        PaintGridBackground();
    PaintDesignHelper();
    input_->PaintOverlay(canvas);
    if (OnPainted)
        OnPainted(this);
}

void TGxStringGrid::PaintControl(ui::TCanvas& canvas)
{
    UpdateScrollBars();
    TBaseGrid::PaintControl(canvas);
    if (updateCount_ <= 0)
        PaintBorder(canvas);
}

void TGxStringGrid::PaintBorder(ui::TCanvas& canvas)
{
    const bool xpLike = Look == glSoft || Look == glDUD || Look == glXP || Look == glListView || Look == glVista ||
                        Look == glWin7 || Look == glOffice2007;
    if (!xpLike || BorderStyle() == ui::TBorderStyle::bsNone || BorderColor == ui::clNone || flat_)
        return;
    const int W = Width(), H = Height();
    const auto ring = [&](int a, int b, int c) {
        canvas.Polyline({{a, b}, {a, a}, {W - c, a}, {W - c, H - c}, {a, H - c}});
    };
    canvas.Pen()->SetWidth(1);
    canvas.Pen()->SetStyle(ui::TPenStyle::psSolid);
    canvas.Pen()->SetColor(BorderColor);
    if (FitCellsInGrid) {
        ring(1, H, 2);
        if (Parent()) {
            canvas.Pen()->SetColor(Parent()->Color());
            ring(0, H, 1);
        }
    } else {
        ring(0, H - 1, 1);
    }
}

void TGxStringGrid::PaintGridBackground()
{
    TCanvas& canvas = *Canvas();
    const bool rowsBeyond = TopRow() + VisibleRowCount() < RowCount();
    const bool colsBeyond = LeftCol() + VisibleColCount() < ColCount();
    if (rowsBeyond && colsBeyond)
        return;
    TBackGround& bg = *backGround_;
    const bool gradient = bg.Display() == bdGradientHorz || bg.Display() == bdGradientVert;
    if (gradient && bg.ColorTo() == ui::clNone)
        return;
    const TRect client = ClientRect();
    std::vector<TRect> empty;
    const TRect last = CellRect(ColCount() - 1, TopRow()).Inflate(GridLineWidth(), GridLineWidth());
    if (!last.IsEmpty() && last.Right < client.Right)
        empty.push_back(TRect(last.Right, client.Top, client.Right, client.Bottom));
    const TRect bottom = CellRect(LeftCol(), RowCount() - 1).Inflate(GridLineWidth(), GridLineWidth());
    if (!bottom.IsEmpty() && bottom.Bottom < client.Bottom)
        empty.push_back(TRect(client.Left, bottom.Bottom, client.Right, client.Bottom));
    if (empty.empty())
        return;
    TRect painted = client;
    if (searchFooter_->Visible())
        painted.Bottom -= 32;
    for (const TRect& area : empty) {
        canvas.SetClipRect(area);
        if (bg.Bitmap()->Empty()) {
            if (gradient)
                DrawGradient(canvas, bg.Color(), bg.ColorTo(), bg.Display() == bdGradientHorz, painted, 128);
        } else if (bg.Display() != bdTile) {
            canvas.Draw(bg.Left(), bg.Top(), bg.Bitmap());
        } else if (bg.Cells() != bcFixed) {
            ui::TPoint origin{painted.Left, painted.Top};
            if (bg.Cells() == bcNormal)
                origin = {FixedColsWidth(), FixedRowsHeight()};
            origin.X += xyOffset_.X;
            origin.Y += xyOffset_.Y;
            const int w = bg.Bitmap()->Width(), h = bg.Bitmap()->Height();
            for (int y = origin.Y - 1; y < painted.Bottom; y += h)
                for (int x = origin.X - 1; x < painted.Right; x += w)
                    canvas.Draw(x, y, bg.Bitmap());
        }
        canvas.ResetClip();
    }
}

// --- window scroll bars ------------------------------------------------------------------------------------

void TGxStringGrid::UpdateScrollBars()
{
    if (scrollUpdating_)
        return;
    scrollUpdating_ = true;
    const ui::TScrollStyle bars = ScrollBars();
    const bool wantV = bars == ui::TScrollStyle::ssVertical || bars == ui::TScrollStyle::ssBoth;
    const bool wantH = bars == ui::TScrollStyle::ssHorizontal || bars == ui::TScrollStyle::ssBoth;
    const int fixedRows = TBaseGrid::FixedRows(), fixedCols = TBaseGrid::FixedCols();
    // Two rounds: showing one bar can take the room that made the other unnecessary.
    for (int round = 0; round < 2; ++round) {
        const bool rowsFit = VisibleRowCount() + fixedRows >= RowCount() && TopRow() == fixedRows;
        const bool colsFit = VisibleColCount() + fixedCols >= ColCount() && LeftCol() == fixedCols;
        const bool showV = wantV && (!rowsFit || scrollBarAlways_ == saVert || scrollBarAlways_ == saBoth);
        const bool showH = wantH && (!colsFit || scrollBarAlways_ == saHorz || scrollBarAlways_ == saBoth);
        ShowScrollBar(ui::SB_VERT, showV);
        ShowScrollBar(ui::SB_HORZ, showH);
    }
    ui::TScrollInfo v;
    v.nMin = 0;
    v.nMax = std::max(0, RowCount() - fixedRows - 1);
    v.nPage = VisibleRowCount();
    v.nPos = TopRow() - fixedRows;
    SetScrollInfo(ui::SB_VERT, v, false);
    ui::TScrollInfo h;
    h.nMin = 0;
    h.nMax = std::max(0, ColCount() - fixedCols - 1);
    h.nPage = VisibleColCount();
    h.nPos = LeftCol() - fixedCols;
    SetScrollInfo(ui::SB_HORZ, h, false);
    UpdateVScrollProportional();
    UpdateHScrollProportional();
    scrollUpdating_ = false;
}

bool TGxStringGrid::HandleScrollMessage(ui::TMessage& message)
{
    if (message.Msg != ui::WM_VSCROLL && message.Msg != ui::WM_HSCROLL)
        return false;
    const bool vert = message.Msg == ui::WM_VSCROLL;
    const unsigned code = static_cast<unsigned>(message.WParam & 0xFFFF);
    const int pos = static_cast<int>((message.WParam >> 16) & 0xFFFF);
    const int fixed = vert ? TBaseGrid::FixedRows() : TBaseGrid::FixedCols();
    const int count = vert ? RowCount() : ColCount();
    const int page = std::max(1, vert ? VisibleRowCount() : VisibleColCount());
    int first = vert ? TopRow() : LeftCol();
    switch (code) {
    case ui::SB_LINEDOWN:
        ++first;
        break;
    case ui::SB_LINEUP:
        --first;
        break;
    case ui::SB_PAGEDOWN:
        first += page;
        break;
    case ui::SB_PAGEUP:
        first -= page;
        break;
    case ui::SB_THUMBPOSITION:
    case ui::SB_THUMBTRACK:
        first = ScrollPosToIndex(vert, pos);
        break;
    case ui::SB_TOP:
        first = fixed;
        break;
    case ui::SB_BOTTOM:
        first = count - page;
        break;
    default:
        message.Result = 0;
        return true;
    }
    first = std::clamp(first, fixed, std::max(fixed, count - page));
    if (vert)
        SetTopRow(first);
    else
        SetLeftCol(first);
    UpdateScrollBars();
    Invalidate();
    message.Result = 0;
    return true;
}

// --- sizing lines ------------------------------------------------------------------------------------------

void TGxStringGrid::DrawColSizingLine(int X)
{
    TCanvas& canvas = *Canvas();
    ui::TPen saved;
    saved.Assign(*canvas.Pen());
    canvas.Pen()->SetStyle(ui::TPenStyle::psDot);
    canvas.Pen()->SetMode(ui::TPenMode::pmXor);
    canvas.Pen()->SetWidth(1);
    canvas.Pen()->SetColor(ui::clBlack);
    const int bottom = std::min(Height(), CellRect(0, RowCount() - 1).Bottom);
    canvas.MoveTo(X, 0);
    canvas.LineTo(X, bottom);
    canvas.Pen()->Assign(saved);
}

void TGxStringGrid::DrawRowSizingLine(int Y)
{
    TCanvas& canvas = *Canvas();
    ui::TPen saved;
    saved.Assign(*canvas.Pen());
    canvas.Pen()->SetStyle(ui::TPenStyle::psDot);
    canvas.Pen()->SetMode(ui::TPenMode::pmXor);
    canvas.Pen()->SetWidth(1);
    canvas.Pen()->SetColor(ui::clBlack);
    const int right = std::min(Width(), CellRect(ColCount() - 1, 0).Right);
    canvas.MoveTo(0, Y);
    canvas.LineTo(right, Y);
    canvas.Pen()->Assign(saved);
}

// --- measuring -----------------------------------------------------------------------------------------------

ui::TSize TGxStringGrid::GetCellTextSize(int ACol, int ARow, bool VS, bool SB)
{
    const int dcol = DisplColIndex(ACol);
    TCanvas& canvas = *Canvas();
    std::string text = GetFormattedCell(ACol, ARow);
    int kind = GetCellTextKind(text, EnableHTML);
    if (kind == 3) {
        text = GetCalcCellText(ACol, ARow);
        kind = GetCellTextKind(text, EnableHTML);
    }
    if (kind == 5)
        text = Utf16ToUtf8(DecodeWideCellText(text));
    ui::TGridDrawState state = 0;
    ui::TBrush brush;
    GetFontProperties(dcol, ACol, ARow, state, canvas.Font(), &brush, true);
    if ((dcol < TBaseGrid::FixedCols() || ARow < TBaseGrid::FixedRows()) && ActiveCellShow &&
        (activeCellFont_.Style() & ui::fsBold))
        canvas.Font()->SetStyle(canvas.Font()->Style() | ui::fsBold);
    if (zoomFactor_ != 0)
        canvas.Font()->SetSize(canvas.Font()->Size() + zoomFactor_);
    TRect R = CalcCellRect(dcol, ARow);
    R.Left += xyOffset_.X;
    R.Top += xyOffset_.Y;
    if (!XYOffsetTopLeftOnly) {
        R.Right -= xyOffset_.X;
        R.Bottom -= xyOffset_.Y;
    }
    if (VS)
        R.Right -= 17;
    ui::TSize size{0, 0};
    if (kind == 1) {
        TRect m = R;
        m.Bottom = 65535;
        if (!SB)
            m.Right = 65535;
        THTMLDrawParams params;
        params.MeasureOnly = true;
        params.WordWrap = SB;
        params.Images = GetGridImageList();
        params.PictureCache = ImageCache();
        THTMLDrawResult result;
        DrawHTMLText(canvas, text, m, params, result);
        size = {result.UsedWidth + 2, result.UsedHeight + 2};
    } else if (SB) {
        R = R.Inflate(-2, -2);
        if (EditorMode() && dcol == Col() && ARow == Row() && !text.empty() && text.back() == '\n')
            text += "w";
        TRect m = R;
        const bool rotated = GetCellType(ACol, ARow) == ctRotated;
        const unsigned flags = ui::DT_CALCRECT | ui::DT_NOPREFIX | ui::DT_EDITCONTROL | ui::DT_EXPANDTABS |
                               (rotated ? ui::DT_SINGLELINE : ui::DT_WORDBREAK);
        size.cy = canvas.DrawText(text, m, flags);
        size.cx = R.Width();
    } else {
        if (urlShow_ && !urlFull_ && kind == 0 && IsURL(text))
            StripURLProtocol(text);
        const int lines = LineCount(text, Multilinecells);
        int widest = 0;
        std::size_t start = 0;
        for (int i = 0; i < lines; ++i) {
            std::size_t end = text.find_first_of("\r\n", start);
            const std::string line = text.substr(start, end == std::string::npos ? std::string::npos : end - start);
            widest = std::max(widest, canvas.TextWidth(line));
            if (end == std::string::npos)
                break;
            start = end + ((text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') ? 2 : 1);
        }
        size = {widest, canvas.TextHeight("gh") * lines};
    }
    // Rotated text: the bounding box of the turned extent (both components add up at any angle).
    if (const TCellGraphic* g = GetCellGraphic(ACol, ARow); g && g->CellType == ctRotated) {
        const double a = g->CellAngle * M_PI / 180.0;
        const int s1 = std::abs(static_cast<int>(size.cy * std::sin(a)));
        const int c1 = std::abs(static_cast<int>(size.cx * std::cos(a)));
        const int c2 = std::abs(static_cast<int>(size.cy * std::cos(a)));
        const int s2 = std::abs(static_cast<int>(size.cx * std::sin(a)));
        size = {s1 + c1 + 12, c2 + s2 + 12};
    }
    return size;
}

// --- balloon text --------------------------------------------------------------------------------------------

std::string TGxStringGrid::BalloonText(int ACol, int ARow)
{
    std::string raw = Cells(ACol, ARow);
    const int kind = GetCellTextKind(raw, EnableHTML);
    std::string text;
    if (kind == ctkHTML) {
        text = StripHTMLTags(raw);
    } else if (kind == ctkWideText) {
        text = Utf16ToUtf8(DecodeWideCellText(raw));
    } else if (kind == ctkRichText && !Pointer.Designing) {
        CellToRich(ACol, ARow, RichEdit());
        text = RichEdit()->Text();
    } else {
        text = raw;
    }
    // Leading line breaks and tabs are skipped; tabs become blanks (all but a final one).
    const std::size_t first = text.find_first_not_of("\r\n\t");
    text = first == std::string::npos ? std::string() : text.substr(first);
    for (std::size_t i = 0; i + 1 < text.size(); ++i)
        if (text[i] == '\t')
            text[i] = ' ';
    return CutWithEllipsis(text, 2048);
}

}  // namespace gx
