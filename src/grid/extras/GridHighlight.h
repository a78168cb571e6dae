// Highlighting and marking text in cells: every occurrence of a text gets a "hi" (highlight) or
// "e" (mark) tag pair that the grid's mini-HTML drawing shows; the Un forms take the pairs away.
// A tagged cell holds its text entity-encoded ("&", "\"", "<", ">") around the tags, so that text
// that looks like mark-up shows as it is; removing the tags decodes it again. Only cells where the
// text occurs are rewritten, and only cells holding the tag are restored, so every other cell keeps
// its stored text byte for byte. The stored text is what is tagged, never the displayed one.
#pragma once

#include <string>

#include "grid/stringgrid/GxGrid.h"

namespace gx {

// DoFixed takes in the fixed rows and columns; Col and Row are storage indexes. A search column
// outside the grid means every column.
void HilightInCell(TGxStringGrid& Grid, bool DoCase, int Col, int Row, const std::string& HiText);
void HilightInCol(TGxStringGrid& Grid, bool DoFixed, bool DoCase, int Col, const std::string& HiText);
void HilightInRow(TGxStringGrid& Grid, bool DoFixed, bool DoCase, int Row, const std::string& HiText);
void HilightInGrid(TGxStringGrid& Grid, bool DoFixed, bool DoCase, const std::string& HiText);
void UnHilightInCell(TGxStringGrid& Grid, int Col, int Row);
void UnHilightInCol(TGxStringGrid& Grid, bool DoFixed, int Col);
void UnHilightInRow(TGxStringGrid& Grid, bool DoFixed, int Row);
void UnHilightInGrid(TGxStringGrid& Grid, bool DoFixed);

void MarkInCell(TGxStringGrid& Grid, bool DoCase, int Col, int Row, const std::string& HiText);
void MarkInCol(TGxStringGrid& Grid, bool DoFixed, bool DoCase, int Col, const std::string& HiText);
void MarkInRow(TGxStringGrid& Grid, bool DoFixed, bool DoCase, int Row, const std::string& HiText);
void MarkInGrid(TGxStringGrid& Grid, bool DoFixed, bool DoCase, const std::string& HiText);
void UnMarkInCell(TGxStringGrid& Grid, int Col, int Row);
void UnMarkInCol(TGxStringGrid& Grid, bool DoFixed, int Col);
void UnMarkInRow(TGxStringGrid& Grid, bool DoFixed, int Row);
void UnMarkInGrid(TGxStringGrid& Grid, bool DoFixed);

// The same on a plain string, without entity encoding.
std::string HilightText(bool DoCase, const std::string& S, const std::string& Text);
std::string UnHilightText(const std::string& S);
std::string MarkText(bool DoCase, const std::string& S, const std::string& Text);
std::string UnMarkText(const std::string& S);

}  // namespace gx
