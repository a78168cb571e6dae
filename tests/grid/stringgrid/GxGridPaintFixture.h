#pragma once
// Shared by the painting tests: a font the tests control, a string grid on a shown (offscreen)
// form, and the variable table of the EtherCAT slave dialog filled with sample rows, rendered to
// a PNG file for a look by eye.
#include <string>

#include "grid/stringgrid/GxGrid.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Render.h"

namespace gx::testing {

inline void UseTestFont(ui::TFont& f, int height = -12)
{
    f.SetName("DejaVu Sans Mono");
    f.SetHeight(height);
    f.SetColor(ui::clBlack);
    f.SetStyle(0);
}

// A grid of cols x rows on a form of its own, fonts the test controls.
struct ShownGrid {
    ui::TForm form{nullptr};
    TGxStringGrid* grid;

    ShownGrid(int cols, int rows, int width = 420, int height = 240)
    {
        form.SetBounds(0, 0, width, height);
        grid = new TGxStringGrid(&form);
        grid->SetParent(&form);
        grid->SetAlign(ui::TAlign::alClient);
        grid->SetColCount(cols);
        grid->SetRowCount(rows);
        UseTestFont(*grid->Font());
        UseTestFont(*grid->FixedFont());
        grid->FixedFont()->SetStyle(ui::fsBold);
    }
    // The grid painted in its own coordinates.
    void Paint(ui::TBitmap& bmp) { ui::RenderControl(*grid, bmp); }
};

// The slave-to-master table: 9 columns, 257 rows, the dialog's widths and cell colours, a check-box
// column, sample variables in the first rows.
inline void BuildVariableTable(TGxStringGrid& g)
{
    struct Column {
        const char* header;
        int width;
        ui::TColor color;  // 0xBBGGRR
    };
    static const Column columns[] = {
        {"N", 40, ui::clNone},       {"Enable", 50, 0xB0D8FF},     {"Type", 120, 0xFEFAE0},
        {"Length", 100, 0xFEFAE0},   {"Name", 280, 0xFEFAE0},      {"Init Value", 100, 0xA8FFA8},
        {"Position", 100, 0xF4D6FC}, {"Start Bit", 100, 0xF4D6FC}, {"Mnemonic", 100, 0xFFFFFF}};
    g.SetColCount(9);
    g.SetRowCount(257);
    g.SetFixedCols(1);
    g.SetFixedRows(1);
    g.SetOptions(g.Options() | ui::goEditing);
    g.EnableHTML = false;
    for (int c = 0; c < 9; ++c) {
        g.SetColWidths(c, columns[c].width);
        g.SetCells(c, 0, columns[c].header);
        g.SetAlignments(c, 0, THAlignment::taCenter);
    }
    for (int r = 1; r < 257; ++r) {
        g.SetCells(0, r, std::to_string(r));
        g.SetAlignments(0, r, THAlignment::taCenter);
        for (int c = 1; c < 9; ++c) {
            g.SetColors(c, r, columns[c].color);
            if (c == 1)
                g.SetAlignments(c, r, THAlignment::taCenter);
        }
    }
    g.AddCheckBoxColumn(1, false, false);
    struct Sample {
        bool enable;
        const char* type;
        const char* length;
        const char* name;
        const char* init;
        const char* position;
        const char* bit;
        const char* mnemonic;
    };
    static const Sample samples[] = {
        {true, "Bool", "1", "Motor_On", "0", "0", "0", "start <b>&amp; stop"},
        {true, "Int16", "2", "Speed_Setpoint", "1500", "1", "0", "rpm"},
        {false, "UInt32", "4", "Counter", "", "0", "0", ""},
        {true, "Float32", "4", "Temperature", "21.5", "3", "0", "deg C"},
        {true, "String", "10", "Label", "abc", "7", "0", "free text"},
    };
    int r = 1;
    for (const Sample& s : samples) {
        g.SetCheckBoxState(1, r, s.enable);
        g.SetCells(2, r, s.type);
        g.SetCells(3, r, s.length);
        g.SetCells(4, r, s.name);
        g.SetCells(5, r, s.init);
        g.SetCells(6, r, s.position);
        g.SetCells(7, r, s.bit);
        g.SetCells(8, r, s.mnemonic);
        ++r;
    }
}

}  // namespace gx::testing
