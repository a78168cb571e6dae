#pragma once
// The fixture of the CANopen headless table tests: a two-table dialog's descriptor over plain
// cells of its size, its table file's global pointed at a scratch folder, shown once, with the
// check's message and the file text at hand.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "ScratchDir.h"
#include "common/ULanguage.h"
#include "core/tables/TableEngine.h"

namespace canopentest {

class CANopenTable : public ::testing::Test {
protected:
    CANopenTable(const tables::TDialogDesc& desc, std::string& fileGlobal, std::string_view fileName)
        : desc(desc), fileGlobal_(fileGlobal), saved_(fileGlobal)
    {
        Load_Default_Lang();
        for (const tables::TGridDesc& g : desc.Grids)
            owned_.push_back(std::make_unique<tables::TTable>(g.Col_Count(), g.Rows + 1));
        fileGlobal_ = dir.File(fileName);
        Show();
    }
    ~CANopenTable() override { fileGlobal_ = saved_; }

    std::vector<tables::TCells*> Grids()
    {
        std::vector<tables::TCells*> grids;
        for (const auto& t : owned_)
            grids.push_back(t.get());
        return grids;
    }
    std::vector<const tables::TCells*> Const_Grids()
    {
        std::vector<const tables::TCells*> grids;
        for (const auto& t : owned_)
            grids.push_back(t.get());
        return grids;
    }
    tables::TTable& Cells(int g) { return *owned_[static_cast<std::size_t>(g)]; }

    std::string Show() { return tables::Show_Tables(desc, Grids(), state); }
    // The file holds the text; then a show. Returns the load's note.
    std::string Load(std::string_view text)
    {
        testsupport::WriteFile(fileGlobal_, text);
        return Show();
    }
    // Row r of table g from column 1 on.
    void Put(int g, int r, const std::vector<std::string>& row)
    {
        for (std::size_t c = 0; c < row.size(); ++c)
            Cells(g).SetCell(static_cast<int>(c) + 1, r, row[c]);
    }
    // The check's message, empty when the tables pass.
    std::string Check()
    {
        const auto fault = tables::First_Fault(desc, Const_Grids(), state);
        return fault ? fault->Message : "";
    }
    std::string Text() { return tables::Table_File_Text(desc, Const_Grids(), state); }
    // Columns 1 on of row r of table g as loaded.
    std::vector<std::string> Row(int g, int r)
    {
        std::vector<std::string> row;
        for (int c = 1; c < Cells(g).ColCount(); ++c)
            row.push_back(Cells(g).Cell(c, r));
        return row;
    }
    // A file the dialog wrote itself loads whole and saves to the same bytes.
    void ExpectByteStableRoundTrip()
    {
        const std::string first = Text();
        EXPECT_EQ(Load(first), "");
        EXPECT_EQ(Text(), first);
    }

    const tables::TDialogDesc& desc;
    testsupport::ScratchDir dir;
    tables::TTableState state;

private:
    std::vector<std::unique_ptr<tables::TTable>> owned_;
    std::string& fileGlobal_;
    std::string saved_;
};

// A row of one table and the check's message for it (empty: it passes).
struct CheckCase {
    const char* what;
    int table;
    std::vector<std::string> row;
    std::string message;
    friend void PrintTo(const CheckCase& c, std::ostream* os) { *os << c.what; }
};

}  // namespace canopentest
