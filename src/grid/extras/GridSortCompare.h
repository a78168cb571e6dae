// Comparison of cells and rows for sorting: the twenty sort styles, automatic style detection,
// blank placement and the tie-breaks by the next columns or the next sort indexes. Results: 1
// when the first row sorts after the second in ascending order, 0 equal, -1 before.
#pragma once

#include <string>
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

private:
    struct Entry {
        bool Loaded = false;
        signed char IsNumber = -1;        // number kind integer, decimal or exponent
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
    Entry& At(Column& C, int Slot, int ACol, int ARow);
    bool IsNumberText(Entry& E);
    bool Number(Column& C, Entry& E, int ACol, int ARow, bool Financial, double& Value);
    TSortStyle AutomaticStyle(int ACol, int ARow1, const std::string& T1, const std::string& T2);

    TGxStringGrid& grid_;
    bool cache_;
    int colCount_;
    std::vector<Column> columns_;
    Entry scratch_[2];
};

}  // namespace gx
