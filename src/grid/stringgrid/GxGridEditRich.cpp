// TGxStringGrid: the rich edit of edRichEdit cells and the conversion of rich-text cells.
#include "grid/stringgrid/GxGridEditRich.h"
#include "grid/stringgrid/GxGrid.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Utf8.h"

namespace gx {

DIzuReriVoru::DIzuReriVoru(ui::TComponent* AOwner) : ui::TRichEdit(AOwner), grid_(dynamic_cast<TGxStringGrid*>(AOwner))
{
    if (!grid_)
        throw rtl::EInvalidArgument("A grid's rich edit must be owned by a grid");
    SetBorderStyle(ui::TBorderStyle::bsNone);
}

void DIzuReriVoru::ReCreate()
{
    LoadRtf("");
    SetModified(false);
    locked_ = false;
}

void DIzuReriVoru::SetFormatRect()
{
    const ui::TRect client = ClientRect();
    const ui::TRect inset{client.Left + 2, client.Top + 2, client.Right - 2, client.Bottom - 2};
    Perform(ui::EM_SETRECT, 0, reinterpret_cast<std::intptr_t>(&inset));
}

void DIzuReriVoru::SetSelOffset(int twips)
{
    ChangeSelFormat([twips](ui::TRichCharFormat& f) { f.Offset = twips; });
}

unsigned DIzuReriVoru::WantKeys() const
{
    return ui::TRichEdit::WantKeys() | ui::DLGC_WANTTAB;
}

void DIzuReriVoru::WndProc(ui::TMessage& message)
{
    if (message.Msg != ui::WM_KILLFOCUS) {
        ui::TRichEdit::WndProc(message);
        return;
    }
    // The focus went to the grid (a click on it): the edit ends. While the grid itself hides the
    // editor the focus comes back to it on the way, which must not end the edit a second time.
    TGxStringGrid& g = *grid_;
    if (this == g.inplaceRich_ && ui::LParamToControl(message.LParam) == &g && g.edit_.EditMode && !g.edit_.BlockKill &&
        g.currentEditor_ == edRichEdit)
        g.HideInplaceEdit();
    ui::TRichEdit::WndProc(message);
}

void DIzuReriVoru::KeyDown(unsigned& key, ui::TShiftState shift)
{
    TGxStringGrid& g = *grid_;
    if (this != g.inplaceRich_) {
        ui::TRichEdit::KeyDown(key, shift);
        return;
    }
    const unsigned k = key;
    const bool toGrid = (k == ui::VK_TAB && (g.Options() & ui::goTabs)) ||
                        ((k == ui::VK_UP || k == ui::VK_DOWN) && !g.WordWrap() && !g.Multilinecells);
    if (toGrid || k == ui::VK_ESCAPE)
        ui::TWinControl::KeyDown(key, shift);  // OnKeyDown only: the caret stays
    else
        ui::TRichEdit::KeyDown(key, shift);
    if (key == 0)
        return;
    if (k == ui::VK_ESCAPE) {
        // The cell keeps the text it had when the edit began.
        key = 0;
        g.richRestore_ = true;
        g.HideInplaceEdit();
        return;
    }
    if (!toGrid)
        return;
    key = 0;
    unsigned gridKey = k;
    if (g.CanFocus())
        g.SetFocus();  // ends the edit and stores the value
    g.HideInplaceEdit();
    g.KeyDown(gridKey, shift);
    if (k == ui::VK_TAB)
        g.ShowInplaceEdit();
}

void DIzuReriVoru::RequestResize(const ui::TRect& needed)
{
    ui::TRichEdit::RequestResize(needed);
    TGxStringGrid& g = *grid_;
    if (this == g.rich_) {
        reqWidth_ = needed.Right - needed.Left;
        reqHeight_ = needed.Bottom - needed.Top;
        return;
    }
    if (this != g.inplaceRich_ || !Visible() || locked_ || !g.SizeWhileTyping()->Height)
        return;
    const int h = needed.Bottom - needed.Top + 5;
    const int row = g.Row();
    const ui::TRect cell = g.CellRect(g.Col(), row);
    if (h > g.RowHeights(row) && cell.Top + h < g.Height()) {
        SetHeight(h + 4);
        g.SetRowHeights(row, h + 5);
        SetFormatRect();
        if (g.OnEndRowSize)
            g.OnEndRowSize(&g, row);
    }
}

// --- the grid's side --------------------------------------------------------------------------------------

namespace {
// The cell's word wrap, as its text is painted: the grid's, the cell's own, then the event.
bool CellWraps(TGxStringGrid& g, int realCol, int row)
{
    bool ww = g.WordWrap();
    if (const TCellProperties* props = g.GridObjects(realCol, row))
        ww = props->WordWrap();
    g.GetCellWordWrap(realCol, row, ww);
    return ww;
}

void HideRich(DIzuReriVoru* c, TGxStringGrid* grid)
{
    c->SetVisible(false);
    c->SetEnabled(false);
    c->SetParent(grid);
}
}  // namespace

DIzuReriVoru* TGxStringGrid::InplaceRichEdit()
{
    if (!inplaceRich_) {
        inplaceRich_ = new DIzuReriVoru(this);
        HideRich(inplaceRich_, this);
        inplaceRich_->OnSelectionChange = [this](TObject* Sender) {
            if (OnRichEditSelectionChange)
                OnRichEditSelectionChange(Sender);
        };
    }
    return inplaceRich_;
}

DIzuReriVoru* TGxStringGrid::RichEdit()
{
    if (!rich_) {
        rich_ = new DIzuReriVoru(this);
        HideRich(rich_, this);
        rich_->SetBounds(0, 0, 0, 0);
    }
    return rich_;
}

void TGxStringGrid::CellToRich(int ACol, int ARow, ui::TRichEdit* Richeditor)
{
    const std::string text = Cells(ACol, ARow);
    // The cell holds the document's bytes one per character.
    std::string bytes;
    for (char32_t c : rtl::Utf8ToCodePoints(text))
        bytes += static_cast<char>(c & 0xFF);
    Richeditor->LoadRtf(bytes);
}

std::string TGxStringGrid::RichToString(ui::TRichEdit* Richeditor)
{
    if (ComponentState() & ui::csDestroying)
        return {};
    std::string out;
    for (char b : Richeditor->SaveRtf())
        rtl::AppendUtf8(out, static_cast<unsigned char>(b));
    return out;
}

void TGxStringGrid::RichToCell(int ACol, int ARow, ui::TRichEdit* Richeditor)
{
    SetCells(ACol, ARow, RichToString(Richeditor));
}

void TGxStringGrid::DrawRichTextCell(int ACol, int ARow, const ui::TRect& Rect, ui::TCanvas& Canvas)
{
    DIzuReriVoru* re = RichEdit();
    if (const bool ww = CellWraps(*this, ACol, ARow); ww != re->WordWrap())
        re->SetWordWrap(ww);
    CellToRich(ACol, ARow, re);
    re->PaintContent(Canvas, Rect, false);
}

void TGxStringGrid::ShowRichEditor(int ACol, int ARow)
{
    DIzuReriVoru* re = InplaceRichEdit();
    const int realCol = RealColIndex(ACol);
    const ui::TRect r = CellRect(ACol, ARow);
    re->ReCreate();
    re->SetParent(this);
    re->HideSelection = false;
    re->SetWordWrap(CellWraps(*this, realCol, ARow));
    re->SetBounds(r.Left, r.Top, r.Right - r.Left - 1, r.Bottom - r.Top - 1);
    DoGetEditorProp(realCol, ARow, nullptr);
    re->Lock();
    richOriginal_ = Cells(realCol, ARow);
    richRestore_ = false;
    CellToRich(realCol, ARow, re);
    re->SetModified(false);
    if (navigation_->EditSelectAll())
        re->SelectAll();
    else
        re->SetSelStart(re->TextLength());
    re->SetVisible(true);
    re->SetEnabled(true);
    re->SetFormatRect();
    if (CanFocus())
        re->SetFocus();
    if (edit_.StartEditChar != 0)
        ui::PostMessage(re, ui::WM_CHAR, edit_.StartEditChar, 0);
    re->Unlock();
    editCtrl_ = re;
    edit_.StartEditChar = 0;
}

void TGxStringGrid::HideRichEditor(int ARealCol, int ARow)
{
    DIzuReriVoru* re = inplaceRich_;
    if (!edit_.EditMode || !re)
        return;
    // Only a changed content is written: opening and closing the editor leaves the cell as it was.
    if (!richRestore_ && re->Modified())
        StoreEditorValue(ARealCol, ARow, RichToString(re));
    richRestore_ = false;
    edit_.EditMode = false;
    re->SetVisible(false);
    re->SetEnabled(false);
}

}  // namespace gx
