// The grid's cells on the clipboard: copy and cut of the selection or of the saved area as text
// (tab-separated), beside it the rich text of the first cell and the grid's own cell stream; copy
// as HTML; paste of the own cells, rich text or text with the smart fill of a larger selection.
// The clipboard holds MIME data (platform/ui/Clipboard.h): text/plain, text/rtf (8-bit RTF),
// text/html and the grid's cells (ui::kMimeGridCells, a cell stream).
//
// Text layout: cells separated by TAB, rows ended by CR LF (a single-row rectangle has no line
// end). A cell holding a TAB, a line break or a leading double quote is enclosed in double quotes
// with its inner quotes doubled, as spreadsheets do, so that it comes back as it was; with
// ExcelClipboardFormat a multi-line cell is quoted with its line breaks as character 11 instead.
// The reader takes CR LF, CR or LF as a line end outside quotes.
#pragma once

#include <string>

#include "grid/stringgrid/GxGrid.h"

namespace gx {

// States passed to ImportNotification.
enum TGridImportState : int {
    isImportStart = 0,
    isImportNewRow = 1,
    isImportDone = 2,
    isImportSelRow = 3,
};

void CopySelectionToClipboard(TGxStringGrid& grid);
void CopyToClipBoard(TGxStringGrid& grid);  // the saved area
void CutSelectionToClipboard(TGxStringGrid& grid);
void CutToClipboard(TGxStringGrid& grid);  // the saved area; no undo, no OnCellsChanged
// The grid's HTML export wrapped in the clipboard "HTML Format" document: text/html gets the
// document, the text the whole of it with its header lines. No picture file is written.
void CopyToClipBoardAsHTML(TGxStringGrid& grid);
void PasteSelectionFromClipboard(TGxStringGrid& grid);
void PasteFromClipboard(TGxStringGrid& grid);  // at the start of the saved area
std::string GetSelectionAsText(TGxStringGrid& grid);
// Stores the text from the selection's top-left cell as raw cell texts: no editability test, no
// events, no undo; the grid grows to take it.
void SetSelectionAsText(TGxStringGrid& grid, const std::string& Value);

// The building blocks (display columns). GetRectAsText sets ClipTopLeft; with Disjunct only the
// selected rows or columns of a disjunct selection take part.
std::string GetRectAsText(TGxStringGrid& grid, const ui::TGridRect& R, bool Disjunct);
// Pastes clipboard text with its top-left field at (ACol, ARow): editability, growth, paste
// events, undo and modified rows. Rows: the number of lines (a final empty one counted), Cols:
// the fields of the last line. Returns the number of fields read; 0 (nothing pasted) at a
// negative cell or when the grid takes no edits.
int PasteTextAt(TGxStringGrid& grid, int ACol, int ARow, const std::string& Text, int& Cols, int& Rows);
// Cols: the most fields of a line; Rows: the non-empty lines minus one.
void GetTextDimensions(const std::string& Text, int& Cols, int& Rows);
void ExpandSelectionToMergedCells(TGxStringGrid& grid);

// Rich text: a cell's RTF (UTF-8) as 8-bit RTF (characters beyond ASCII as \uN? escapes); the
// clipboard's bytes up to the first zero (8-bit, code page 1252) as a cell text; the plain text
// of an RTF document (paragraphs as CR LF).
std::string RichTextToClipboard(const std::string& Rtf);
std::string RichTextFromClipboard(const std::string& Bytes);
std::string RichTextPlain(const std::string& Rtf);

}  // namespace gx
