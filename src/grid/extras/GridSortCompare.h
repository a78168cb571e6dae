// Comparison of cells and rows for sorting: the twenty sort styles, automatic style detection,
// blank placement and the tie-breaks by the next columns or the next sort indexes. Results: 1
// when the first row sorts after the second in ascending order, 0 equal, -1 before.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "grid/stringgrid/GxGrid.h"

namespace gx {

int CompareCells(TGxStringGrid& Grid, int ACol, int ARow1, TSortDirection Direction, int ARow2);
int CompareRows(TGxStringGrid& Grid, int ACol, int ARow1, int ARow2);
int CompareRowsIndexed(TGxStringGrid& Grid, int Index, int ARow1, int ARow2);

// The comparison with the texts, numbers and format queries kept per cell, for a sort that asks
// for the same cells many times. The grid must not change while it is in use.
class TRowComparer {
public:
    // Cache: remember each cell's text and number once read (a sort); without it every call
    // reads the grid afresh (single comparisons).
    TRowComparer(TGxStringGrid& Grid, bool Cache);
    int CompareCells(int ACol, int ARow1, TSortDirection Direction, int ARow2);
    int CompareRows(int ACol, int ARow1, int ARow2);
    int CompareRowsIndexed(int Index, int ARow1, int ARow2);

    // The sort key of every row FromRow..ToRow of ACol when all of them compare by one plain rule
    // (ordinal text, or number with texts that are none after the numbers) exactly as
    // CompareCells does; false (no keys) when any row needs the full comparison.
    bool PrepareKeys(int ACol, int FromRow, int ToRow);
    // A cell as the keys read it: its sort text and, for the automatic style, whether it is a
    // check box.
    struct TKeyCell {
        std::string Text;
        bool CheckBox = false;
    };
    // False when no rows of ACol can have keys (the column's style, ignored, blanks placed apart).
    bool MayHaveKeys(int ACol);
    TKeyCell ReadKeyCell(int ACol, int ARow);
    // The same for the rows listed (each one once), in that order; Cells, when given, holds their
    // cells read beforehand (Cells[i] for Rows[i], taken over).
    bool PrepareKeys(int ACol, const std::vector<int>& Rows, TKeyCell* Cells = nullptr);
    // The prepared rows in key order, equal keys in row order (Sign -1: descending). Ties, when
    // given, receives the [first, last) positions of every run of two or more equal keys.
    std::vector<int> RowsInKeyOrder(int Sign, std::vector<std::pair<std::size_t, std::size_t>>* Ties = nullptr);

private:
    enum TKeyKind { kkNone, kkText, kkTextNoCase, kkNumber };
    // A text key carries its first 16 bytes (upper-cased for kkTextNoCase) as two big-endian
    // words, so most comparisons never leave the key array; a longer text is kept in tails_ for
    // the comparisons its first 16 bytes leave open.
    struct TextKey {
        std::uint64_t Hi = 0, Lo = 0;
        std::uint32_t Tail = 0;  // the text's length up to 16, else 17 + its index in tails_
        int Row = 0;
    };
    // A number key is an unsigned image of the comparison's order: the numbers by value (-0 as
    // 0), then the texts that are none, all equal.
    struct NumberKey {
        std::uint64_t Order = 0;
        int Row = 0;
    };
    static std::uint64_t NumberOrder(bool IsNumber, double Value);
    // TakeText gives the text as an owned string, asked for only when the key keeps it.
    template <class Take>
    TextKey MakeTextKey(std::string_view Text, Take&& TakeText, int Row, bool UpperAscii);
    int CompareTextKeys(const TextKey& A, const TextKey& B, bool UpperAscii) const;
    // Row(i): the i-th row; Cell(i, row, checkBox): its sort text (a view valid until the next
    // Cell) and whether it is a check box; TakeCell(i, text): that text as an owned string.
    template <class RowAt, class CellAt, class TakeAt>
    bool PrepareKeysOf(int ACol, std::size_t Count, RowAt Row, CellAt Cell, TakeAt TakeCell);
    std::vector<TextKey> textKeys_;
    std::vector<NumberKey> numberKeys_;
    std::vector<std::string> tails_;
    TKeyKind keyKind_ = kkNone;

    struct Entry {
        bool Loaded = false;
        signed char IsNumber = -1;        // number kind integer, decimal or exponent
        signed char Auto = -1;            // automatic style as first text: 0 depends on the other text, else style + 1
        signed char NumOk[2] = {-1, -1};  // conversion done: plain, financial
        double Num[2] = {0, 0};
        std::string Text;
    };
    struct Column {
        bool Known = false;
        TSortStyle Style = ssAutomatic;
        std::string Prefix, Suffix;
        std::vector<Entry> Entries;
    };
    Column& ColumnAt(int ACol);
    std::string SortText(int ACol, int ARow);
    const std::string& SortTextRef(int ACol, int ARow);
    Entry& At(Column& C, int Slot, int ACol, int ARow);
    bool IsNumberText(Entry& E);
    bool Number(Column& C, Entry& E, int ACol, int ARow, bool Financial, double& Value);
    bool ReadNumber(const Column& C, std::string_view Text, int ACol, int ARow, bool Financial, double& Value);
    TSortStyle AutomaticStyle(int ACol, int ARow1, const std::string& T1, const std::string& T2);

    TGxStringGrid& grid_;
    bool cache_;
    int colCount_;
    std::vector<Column> columns_;
    Entry scratch_[2];
};

}  // namespace gx
