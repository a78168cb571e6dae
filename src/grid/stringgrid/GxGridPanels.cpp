// The floating footer's settings and the panels a string grid owns (their painting and input
// belong to the grid's periphery).
#include "grid/stringgrid/GxGridPanels.h"

#include "grid/stringgrid/GxGrid.h"

#include <algorithm>
#include <cmath>

#include "grid/base/BaseGridPaint.h"
#include "grid/base/HtmlTextDraw.h"
#include "grid/stringgrid/GxGridPaint.h"
#include "platform/rtl/Conversions.h"
#include "platform/ui/Application.h"

namespace gx {

// --- floating footer -----------------------------------------------------------------------------------

void TFloatingFooter::Assign(const TObject* Source)
{
    const auto* s = dynamic_cast<const TFloatingFooter*>(Source);
    if (!s || s == this)
        return;
    CalculateHiddenRows = s->CalculateHiddenRows;
    color_ = s->color_;
    column_ = s->column_;
    customTemplate_ = s->customTemplate_;
    footerStyle_ = s->footerStyle_;
    showHint_ = s->showHint_;
    SetVisible(s->visible_);
}

void TFloatingFooter::Invalidate()
{
    if (grid_ && grid_->FooterPanel())
        grid_->FooterPanel()->Invalidate();
}

void TFloatingFooter::SetVisible(bool Value)
{
    visible_ = Value;
    if (!grid_)
        return;
    if (TFooterPanel* strip = grid_->FooterPanel()) {
        strip->SetHeight(Value ? height_ - 1 : 0);
        strip->SetVisible(Value);
    }
    const bool lastRowFooter = Value && footerStyle_ == fsFixedLastRow;
    grid_->SetFixedFooters(lastRowFooter ? 1 : 0);
    grid_->SetHideLastRow(lastRowFooter);
    grid_->Invalidate();
}

void TFloatingFooter::SetFooterStyle(TFooterStyle Value)
{
    footerStyle_ = Value;
    if (!grid_)
        return;
    grid_->SetHideLastRow(Value == fsFixedLastRow && visible_);
    grid_->Invalidate();
    Invalidate();
}

void TFloatingFooter::SetHeight(int Value)
{
    height_ = Value;
    if (grid_ && grid_->FooterPanel() && Value > 0 && visible_)
        grid_->FooterPanel()->SetHeight(Value - 1);
}

void TFloatingFooter::SetBorderColor(ui::TColor Value)
{
    if (borderColor_ == Value)
        return;
    borderColor_ = Value;
    Invalidate();
}

void TFloatingFooter::SetColor(ui::TColor Value)
{
    color_ = Value;
    Invalidate();
}

void TFloatingFooter::SetColumn(int Value)
{
    column_ = Value;
    Invalidate();
}

void TFloatingFooter::SetCustomTemplate(const std::string& Value)
{
    customTemplate_ = Value;
    Invalidate();
}

void TFloatingFooter::SetShowHint(bool Value)
{
    showHint_ = Value;
    if (grid_ && grid_->FooterPanel())
        grid_->FooterPanel()->SetShowHint(Value);
}

TColumnCalcType TFloatingFooter::GetColumnCalc(int c) const
{
    if (!grid_)
        return acNONE;
    const int last = grid_->RowCount() - 1;
    return grid_->HasCellProperties(c, last) ? grid_->GridObjects(c, last)->CalcType() : acNONE;
}

void TFloatingFooter::SetColumnCalc(int c, TColumnCalcType Value)
{
    if (!grid_)
        return;
    grid_->CellProperties(c, grid_->RowCount() - 1)->SetCalcType(Value);
    grid_->UpdateColumnFooter(c);
}

std::string TFloatingFooter::ExpandTemplate() const
{
    std::string out, rest = customTemplate_;
    for (std::size_t tag = rest.find("<#"); tag != std::string::npos; tag = rest.find("<#")) {
        const std::size_t close = rest.find('>', tag);
        if (close == std::string::npos)
            break;  // an unterminated tag stays as text
        out += rest.substr(0, tag);
        const std::string number = rest.substr(tag + 2, close - tag - 2);
        rest.erase(0, close + 1);
        int col = 0;
        if (grid_ && rtl::TryStrToInt(number, col) && col >= 0 && col < grid_->TotalColCount())
            out += grid_->Cells(col, grid_->Row());
    }
    return out + rest;
}

// --- panels ---------------------------------------------------------------------------------------------

TFooterPanel::TFooterPanel(TGxStringGrid* AOwner) : ui::TPanel(AOwner), grid_(AOwner)
{
    SetAlign(ui::TAlign::alBottom);
    SetHeight(0);
    SetBevelOuter(ui::TBevelCut::bvNone);
    SetVisible(false);
}

TSearchPanel::TSearchPanel(TGxStringGrid* AOwner)
    : ui::TPanel(AOwner),
      grid_(AOwner),
      edit_(new TRetEdit(this)),
      forward_(new TGxGridButton(this)),
      backward_(new TGxGridButton(this)),
      exit_(new TGxGridButton(this)),
      hilite_(new TGxGridButton(this)),
      matchCase_(new TGxCheckBox(this))
{
    SetAlign(ui::TAlign::alBottom);
    SetHeight(0);
    SetBevelOuter(ui::TBevelCut::bvNone);
    SetVisible(false);
    for (ui::TControl* part :
         std::initializer_list<ui::TControl*>{edit_, forward_, backward_, exit_, hilite_, matchCase_})
        part->SetParent(this);
    Arrange();
}

void TSearchPanel::SetColorTo(ui::TColor Value)
{
    colorTo_ = Value;
    Invalidate();
}

namespace {

void SetPicture(ui::TBitmap& Target, const char* Name)
{
    ui::TBitmap picture;
    if (LoadGridGlyph(Name, picture))
        Target.Assign(picture);
}

}  // namespace

void TSearchPanel::Arrange()
{
    const auto place = [](ui::TControl* part, int left, int top, int width, int height) {
        part->SetBounds(left, top, width, height);
    };
    place(edit_, 25, 6, 110, edit_->Height());
    struct Part {
        TGxGridButton* button;
        int left, top, width, height;
        const std::string* caption;
        const std::string* hint;
    };
    static const std::string kNone;
    for (const Part& p : {Part{forward_, 140, 5, 90, 23, &FindNextCaption, &HintFindNext},
                          Part{backward_, 235, 5, 90, 23, &FindPrevCaption, &HintFindPrev},
                          Part{exit_, 5, 7, 14, 14, &kNone, &HintClose},
                          Part{hilite_, 330, 5, 90, 23, &HighLightCaption, &HintHighlight}}) {
        place(p.button, p.left, p.top, p.width, p.height);
        p.button->SetCaption(*p.caption);
        p.button->SetHint(*p.hint);
        p.button->SetShowHint(!p.hint->empty());
        p.button->SetParentFont(true);
    }
    hilite_->SetStyle(TGxButtonStyle::tasCheck);
    matchCase_->SetCaption(MatchCaseCaption);
    matchCase_->SetBounds(hilite_->Visible() ? 425 : 330, 8, matchCase_->Width(), matchCase_->Height());
    ui::TBitmap glyph;
    if (LoadGridGlyph("GSGARDOWN", glyph))
        forward_->SetGlyph(glyph);
    SetPicture(forward_->GlyphDisabled, "GSGARDOWND");
    if (LoadGridGlyph("GSGARUP", glyph))
        backward_->SetGlyph(glyph);
    SetPicture(backward_->GlyphDisabled, "GSGARUPD");
    if (LoadGridGlyph("GSGCLOSE", glyph))
        exit_->SetGlyph(glyph);
    SetPicture(exit_->GlyphHot, "GSGCLOSEH");
    SetPicture(exit_->GlyphDown, "GSGCLOSED");
    if (LoadGridGlyph("GSGHI", glyph))
        hilite_->SetGlyph(glyph);
    SetPicture(hilite_->GlyphDisabled, "GSGHID");

    const auto fire = [this](const ui::TNotifyEvent& event) {
        if (event)
            event(this);
    };
    const auto textChanged = [this, fire](TObject*) {
        const bool any = !edit_->Text().empty();
        for (TGxGridButton* b : {forward_, backward_, hilite_})
            b->SetEnabled(any);
        fire(OnEditChange);
    };
    edit_->OnChange = textChanged;
    for (TGxGridButton* b : {forward_, backward_, hilite_})
        b->SetEnabled(!edit_->Text().empty());
    edit_->OnReturn = [this, fire](TObject*) { fire(OnForwardClick); };
    edit_->OnCtrlReturn = [this, fire](TObject*) { fire(OnBackwardClick); };
    edit_->OnKeyDown = [](TObject*, unsigned&, ui::TShiftState) {};
    forward_->OnClick = [this, fire](TObject*) { fire(OnForwardClick); };
    backward_->OnClick = [this, fire](TObject*) { fire(OnBackwardClick); };
    exit_->OnClick = [this, fire](TObject*) { fire(OnExitClick); };
    hilite_->OnClick = [this, fire](TObject*) { fire(OnHighlightClick); };
}

void TSearchPanel::Paint()
{
    ui::TCanvas& canvas = *Canvas();
    const ui::TRect r = ClientRect();
    if (colorTo_ == ui::clNone) {
        canvas.Brush()->SetColor(Color());
        canvas.Pen()->SetColor(Color());
        canvas.FillRect(r);
    } else {
        DrawGradient(canvas, Color(), colorTo_, false, r, 32);
    }
    canvas.Pen()->SetColor(grid_ ? grid_->GridLineColor() : ui::clSilver);
    canvas.MoveTo(0, 0);
    canvas.LineTo(Width(), 0);
}

// Enter and Ctrl+Enter report themselves; their characters never reach the text.
void TRetEdit::KeyDown(unsigned& key, ui::TShiftState shift)
{
    if (key == ui::VK_RETURN) {
        const ui::TNotifyEvent& event = (shift & ui::ssCtrl) != 0 ? OnCtrlReturn : OnReturn;
        if (event)
            event(this);
        key = 0;
        return;
    }
    ui::TEdit::KeyDown(key, shift);
}

void TRetEdit::KeyPress(char32_t& key)
{
    if (OnKeyPress)
        OnKeyPress(this, key);
    if (key == U'\r' || key == U'\n') {
        key = 0;
        return;
    }
    ui::TEdit::KeyPress(key);
}

bool TDropCheckList::Checked(int Index) const
{
    return Index >= 0 && static_cast<std::size_t>(Index) < checked_.size() && checked_[static_cast<std::size_t>(Index)];
}

void TDropCheckList::SetChecked(int Index, bool Value)
{
    if (Index < 0 || Index >= Items()->Count())
        return;
    if (static_cast<std::size_t>(Index) >= checked_.size())
        checked_.resize(static_cast<std::size_t>(Index) + 1, false);
    checked_[static_cast<std::size_t>(Index)] = Value;
    Invalidate();
}

TScrollControl::TScrollControl(ui::TComponent* AOwner) : ui::TCustomControl(AOwner) {}

void TScrollControl::SetScrollColor(ui::TColor Value)
{
    if (scrollColor_ == Value)
        return;
    scrollColor_ = Value;
    Invalidate();
}

THeaderDragButton::THeaderDragButton(TGxStringGrid* AOwner) : ui::TCustomControl(AOwner), grid_(AOwner)
{
    SetColor(ui::clBtnFace);
}

// --- footer strip: columns under the mouse, clicks, hints, painting ---------------------------------------

int TFooterPanel::ColumnAt(int X) const
{
    int x = 0;
    const auto hit = [&](int c) {
        x += grid_->ColWidths(c);
        return X < x;
    };
    for (int c = 0; c < grid_->FixedCols(); ++c)
        if (hit(c))
            return c;
    for (int c = std::max(grid_->LeftCol(), grid_->FixedCols()); c < grid_->ColCount(); ++c)
        if (hit(c))
            return c;
    return -1;
}

std::string TFooterPanel::HintAt(int X)
{
    const int col = ColumnAt(X);
    std::string hint;
    if (col < 0)
        return hint;
    if (grid_->OnGridHint)
        grid_->OnGridHint(grid_, grid_->RowCount() - 1, col, hint);
    LastHintX = ShowHint() ? col : -1;
    return hint;
}

// A click reports the column under the mouse in the last row; right of the last column, -1.
void TFooterPanel::MouseUp(ui::TMouseButton button, ui::TShiftState shift, int x, int y)
{
    ui::TPanel::MouseUp(button, shift, x, y);
    if (grid_->OnClick)
        grid_->OnClick(grid_);
    if (grid_->OnClickCell)
        grid_->OnClickCell(grid_, grid_->RowCount() - 1, ColumnAt(x));
}

void TFooterPanel::MouseMove(ui::TShiftState shift, int x, int y)
{
    ui::TPanel::MouseMove(shift, x, y);
    const int col = ColumnAt(x);
    if (ShowHint() && LastHintX != -1 && LastHintX != col) {
        ui::Application->CancelHint();
        LastHintX = col;
    }
}

void TFooterPanel::WndProc(ui::TMessage& message)
{
    if (message.Msg == ui::CM_MOUSELEAVE)
        LastHintX = -1;
    ui::TPanel::WndProc(message);
}

void TFooterPanel::Paint()
{
    ui::TCanvas& canvas = *Canvas();
    const TFloatingFooter& footer = *grid_->FloatingFooter();
    int w = 0;
    for (int c = 0; c < grid_->FixedCols(); ++c)
        w += grid_->ColWidths(c);
    for (int c = std::max(grid_->LeftCol(), grid_->FixedCols()); c < grid_->ColCount(); ++c)
        w += grid_->ColWidths(c);
    if (footer.FooterStyle() == fsCustomPaint) {
        if (grid_->OnFooterPaint)
            grid_->OnFooterPaint(this, -1, &canvas, ClientRect());
        return;
    }
    canvas.Brush()->SetColor(grid_->Color());
    canvas.FillRect(ClientRect());
    canvas.Brush()->SetColor(footer.Color());
    canvas.FillRect({0, 0, w, Height()});
    if (footer.BorderColor() != ui::clNone) {
        canvas.Pen()->SetColor(footer.BorderColor());
        canvas.MoveTo(0, 0);
        canvas.LineTo(w, 0);
    }
    ui::TRect area{0, 0, w, Height()};
    switch (footer.FooterStyle()) {
    case fsFixedLastRow: {
        const int last = grid_->RowCount() - 1;
        int x = 0;
        const auto cell = [&](int c) {
            const ui::TRect r{x, 1, x + grid_->ColWidths(c), Height()};
            x = r.Right;
            if (grid_->OnFooterPaint)
                grid_->OnFooterPaint(this, c, &canvas, r);
            else {
                ui::TRect t = r.Inflate(-2, 0);
                canvas.Font()->Assign(*grid_->Font());
                canvas.Brush()->SetStyle(ui::TBrushStyle::bsClear);
                canvas.DrawText(grid_->Cells(grid_->RealColIndex(c), last), t,
                                ui::DT_SINGLELINE | ui::DT_VCENTER | ui::DT_NOPREFIX);
                canvas.Brush()->SetStyle(ui::TBrushStyle::bsSolid);
            }
            canvas.Pen()->SetColor(grid_->GridLineColor());
            canvas.MoveTo(r.Right - 1, 0);
            canvas.LineTo(r.Right - 1, Height());
        };
        for (int c = 0; c < grid_->FixedCols(); ++c)
            cell(c);
        for (int c = std::max(grid_->LeftCol(), grid_->FixedCols()); c < grid_->ColCount(); ++c)
            cell(c);
        break;
    }
    case fsColumnPreview:
    case fsCustomPreview: {
        canvas.Pen()->SetColor(ui::clWhite);
        canvas.MoveTo(0, Height() - 1);
        canvas.LineTo(0, 0);
        canvas.LineTo(w - 1, 0);
        canvas.Pen()->SetColor(0x808080);
        canvas.LineTo(w - 1, Height() - 1);
        canvas.LineTo(0, Height() - 1);
        const std::string text = footer.FooterStyle() == fsCustomPreview
                                     ? footer.ExpandTemplate()
                                     : grid_->Cells(std::max(footer.Column(), 0), grid_->Row());
        if (footer.FooterStyle() == fsColumnPreview && grid_->OnFooterPaint) {
            grid_->OnFooterPaint(this, footer.Column(), &canvas, area);
            break;
        }
        ui::TRect t{2, 2, w - 2, Height()};
        canvas.Font()->Assign(*grid_->Font());
        canvas.Brush()->SetStyle(ui::TBrushStyle::bsClear);
        canvas.DrawText(text, t, ui::DT_SINGLELINE | ui::DT_NOPREFIX);
        canvas.Brush()->SetStyle(ui::TBrushStyle::bsSolid);
        break;
    }
    default:
        break;
    }
}

// --- filter lists ------------------------------------------------------------------------------------------

void CancelFilterList(ui::TListBox* List, ui::TMessage& Message)
{
    if (Message.Msg != ui::CM_CANCELMODE)
        return;
    const ui::TPoint p = List->ScreenToClient(ui::GetCursorPos());
    if (p.X >= 0 && p.Y >= 0 && p.X < List->Width() && p.Y < List->Height())
        return;
    if (auto* grid = dynamic_cast<TGxStringGrid*>(List->Parent()))
        grid->FilterColumn = -1;
    List->SetVisible(false);
}

void TDropList::KeyDown(unsigned& key, ui::TShiftState shift)
{
    const unsigned pressed = key;
    ui::TListBox::KeyDown(key, shift);
    if (pressed == ui::VK_RETURN) {
        SetVisible(false);
        if (OnSelect)
            OnSelect(this, ItemIndex());
    }
}

void TDropList::MouseUp(ui::TMouseButton button, ui::TShiftState shift, int x, int y)
{
    ui::TListBox::MouseUp(button, shift, x, y);
    SetVisible(false);
    if (OnSelect)
        OnSelect(this, ItemIndex());
}

void TDropList::WndProc(ui::TMessage& message)
{
    CancelFilterList(this, message);
    ui::TListBox::WndProc(message);
}

void TDropCheckList::ToggleChecked(int Index)
{
    if (Index < 0 || Index >= Items()->Count())
        return;
    SetChecked(Index, !Checked(Index));
    if (OnSelect)
        OnSelect(this, -1);
}

void TDropCheckList::MouseDown(ui::TMouseButton button, ui::TShiftState shift, int x, int y)
{
    ui::TListBox::MouseDown(button, shift, x, y);
    if (button != ui::TMouseButton::mbLeft || x >= ItemHeight())
        return;
    ToggleChecked(ItemAtPos({x, y}));
}

void TDropCheckList::WndProc(ui::TMessage& message)
{
    CancelFilterList(this, message);
    ui::TListBox::WndProc(message);
}

// --- scroll overview -----------------------------------------------------------------------------------------

TGxStringGrid* TScrollControl::Grid() const
{
    return dynamic_cast<TGxStringGrid*>(Parent());
}

bool TScrollControl::Thumb(int& Start, int& Length) const
{
    Start = Length = 0;
    const TGxStringGrid* g = Grid();
    if (!g)
        return false;
    const bool vertical = Direction == sdVertical;
    const int count = vertical ? g->RowCount() : g->ColCount();
    const int fixed = vertical ? g->FixedRows() : g->FixedCols();
    const int visible = vertical ? g->VisibleRowCount() : g->VisibleColCount();
    const int first = vertical ? g->TopRow() : g->LeftCol();
    const int trailing = vertical ? g->FixedFooters() : g->FixedRightCols();
    const int extent = vertical ? Height() : Width();
    // A grid without scrollable rows, or one that shows them all, has no thumb.
    if (count - fixed <= 0 || visible >= count - fixed)
        return false;
    const auto size = [&](int i) { return vertical ? g->RowHeights(i) : g->ColWidths(i); };
    int offset = 0, track = extent;
    for (int i = 0; i < fixed; ++i) {
        offset += size(i);
        track -= size(i);
    }
    for (int i = count - trailing; i < count; ++i)
        track -= size(i);
    const double v = static_cast<double>(visible) / count;
    const double p = static_cast<double>(first - fixed) / (count - fixed);
    Start = offset + static_cast<int>(std::nearbyint(track * p));
    Length = std::max(static_cast<int>(std::nearbyint(track * v)), 20);
    if (Start + Length > extent)
        Start = extent - Length;
    return true;
}

void TScrollControl::Paint()
{
    ui::TCanvas& canvas = *Canvas();
    canvas.Brush()->SetColor(Color());
    canvas.FillRect(ClientRect());
    int start = 0, length = 0;
    if (!Thumb(start, length))
        return;
    canvas.Brush()->SetColor(scrollColor_);
    canvas.Pen()->SetColor(scrollColor_);
    if (Direction == sdVertical)
        canvas.FillRect({0, start, ScrollWidth, start + length});
    else
        canvas.FillRect({start, 0, start + length, ScrollWidth});
}

void TScrollControl::MouseDown(ui::TMouseButton button, ui::TShiftState shift, int x, int y)
{
    ui::TCustomControl::MouseDown(button, shift, x, y);
    TGxStringGrid* g = Grid();
    int start = 0, length = 0;
    if (!g || !Thumb(start, length))
        return;
    const bool vertical = Direction == sdVertical;
    const int pos = vertical ? y : x;
    const int first = vertical ? g->TopRow() : g->LeftCol();
    const int fixed = vertical ? g->FixedRows() : g->FixedCols();
    const int visible = vertical ? g->VisibleRowCount() : g->VisibleColCount();
    const int count = vertical ? g->RowCount() : g->ColCount();
    const auto setFirst = [&](int v) { vertical ? g->SetTopRow(v) : g->SetLeftCol(v); };
    if (pos < start)
        setFirst(std::max(fixed, first - visible));
    else if (pos >= start + length)
        setFirst(std::min(first + visible, count - visible));
    else {
        downOnScroller_ = true;
        downPos_ = pos;
        downRow_ = first;
    }
    Invalidate();
}

void TScrollControl::MouseMove(ui::TShiftState shift, int x, int y)
{
    ui::TCustomControl::MouseMove(shift, x, y);
    TGxStringGrid* g = Grid();
    if (!downOnScroller_ || !g)
        return;
    const bool vertical = Direction == sdVertical;
    const int track = (vertical ? Height() - g->RowHeights(0) : Width() - g->ColWidths(0));
    if (track <= 0)
        return;
    const int count = vertical ? g->RowCount() : g->ColCount();
    const int fixed = vertical ? g->FixedRows() : g->FixedCols();
    const int visible = vertical ? g->VisibleRowCount() : g->VisibleColCount();
    const int moved =
        static_cast<int>(std::nearbyint(static_cast<double>((vertical ? y : x) - downPos_) / track * count));
    const int value = std::max(fixed, std::min(moved + downRow_, count - visible));
    vertical ? g->SetTopRow(value) : g->SetLeftCol(value);
    Invalidate();
}

void TScrollControl::MouseUp(ui::TMouseButton button, ui::TShiftState shift, int x, int y)
{
    ui::TCustomControl::MouseUp(button, shift, x, y);
    downOnScroller_ = false;
}

// --- header drag button --------------------------------------------------------------------------------------

void THeaderDragButton::Paint()
{
    ui::TCanvas& canvas = *Canvas();
    const ui::TRect r = ClientRect();
    if (grid_) {
        // The look of the grid's top-left fixed cell under the caption.
        PaintCellExt(*grid_, canvas, 0, 0, r, ui::gdFixed);
        canvas.Font()->Assign(*grid_->FixedFont());
    } else {
        canvas.Brush()->SetColor(ui::clBtnFace);
        canvas.FillRect(r);
    }
    canvas.Brush()->SetStyle(ui::TBrushStyle::bsClear);
    if (Caption.find("</") != std::string::npos) {
        THTMLDrawParams params;
        if (grid_) {
            params.Images = grid_->GetGridImageList();
            params.PictureCache = grid_->ImageCache();
            params.LinkColor = grid_->URLColor();
        }
        THTMLDrawResult result;
        DrawHTMLText(canvas, Caption, r, params, result);
    } else {
        ui::TRect t = r;
        canvas.DrawText(Caption, t,
                        ui::DT_SINGLELINE | ui::DT_CENTER | ui::DT_VCENTER | ui::DT_END_ELLIPSIS | ui::DT_NOPREFIX);
    }
    canvas.Brush()->SetStyle(ui::TBrushStyle::bsSolid);
}

// --- non-activating form ---------------------------------------------------------------------------------

TNoActiveForm::TNoActiveForm(ui::TComponent* AOwner) : ui::TPopupWindow(AOwner)
{
    // A press on it does nothing: it never takes the activation, the keys or the mouse.
    SetEnabled(false);
    SetClickThrough(true);
    SetColor(ui::clBtnFace);
    SetShadow(false);
}

void TNoActiveForm::ShowAt(const ui::TRect& ScreenRect, ui::TControl* Anchor)
{
    SetBounds(ScreenRect.Left, ScreenRect.Top, ScreenRect.Width(), ScreenRect.Height());
    PopupAt({ScreenRect.Left, ScreenRect.Top}, Anchor);
}

}  // namespace gx
