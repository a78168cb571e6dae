#pragma once
// The fixture of the CAN family's headless table tests: a dialog's descriptor over plain cells of
// its size, its table file's global pointed at a scratch folder, shown once (reset, and the file
// when one was written), with the row-by-row check's message and the file text at hand.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ScratchDir.h"
#include "common/ULanguage.h"
#include "core/tables/TableEngine.h"

namespace cantest {

class DescTable : public ::testing::Test {
protected:
    DescTable(const tables::TDialogDesc& desc, std::string& fileGlobal, std::string_view fileName, int rows)
        : desc(desc), cells(desc.Grids[0].Col_Count(), rows + 1), fileGlobal_(fileGlobal), saved_(fileGlobal)
    {
        Load_Default_Lang();
        fileGlobal_ = dir.File(fileName);
        Show();
    }
    ~DescTable() override { fileGlobal_ = saved_; }

    std::string Show() { return tables::Show_Tables(desc, {&cells}, state); }
    // The file holds the text; then a show. Returns the load's note.
    std::string Load(std::string_view text)
    {
        testsupport::WriteFile(fileGlobal_, text);
        return Show();
    }
    // Row r from column 1 on.
    void Put(int r, const std::vector<std::string>& row)
    {
        for (std::size_t c = 0; c < row.size(); ++c)
            cells.SetCell(static_cast<int>(c) + 1, r, row[c]);
    }
    // The check's message, empty when the table passes.
    std::string Check()
    {
        const auto fault = tables::First_Fault(desc, {&cells}, state);
        return fault ? fault->Message : "";
    }
    std::string Text() { return tables::Table_File_Text(desc, {&cells}, state); }
    // Columns 1 on of row r as loaded.
    std::vector<std::string> Row(int r) const
    {
        std::vector<std::string> row;
        for (int c = 1; c < cells.ColCount(); ++c)
            row.push_back(cells.Cell(c, r));
        return row;
    }
    // A loaded file saved again gives the same bytes (what the dialog wrote itself).
    void ExpectByteStableRoundTrip()
    {
        const std::string first = Text();
        EXPECT_EQ(Load(first), "");
        EXPECT_EQ(Text(), first);
    }

    const tables::TDialogDesc& desc;
    testsupport::ScratchDir dir;
    tables::TTable cells;
    tables::TTableState state;

private:
    std::string& fileGlobal_;
    std::string saved_;
};

struct CheckCase {
    const char* what;
    std::vector<std::string> row;
    std::string message;  // empty: the row passes
    friend void PrintTo(const CheckCase& c, std::ostream* os) { *os << c.what; }
};

}  // namespace cantest
