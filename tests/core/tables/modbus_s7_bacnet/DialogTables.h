#pragma once
// A two-table dialog's tables without a window: its grids as plain cells sized from its descriptor,
// its table file in a scratch folder (the File_<table> global pointed there), and the show, the
// data check and the file text as the engine gives them. Rule cases start from a valid row of each
// table and change a few cells.
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "ScratchDir.h"
#include "common/ULanguage.h"
#include "core/tables/TableEngine.h"

namespace ms7test {

using namespace tables;

// A rule case: row 4 of table Grid (0 read, 1 write) is the table's valid row with these cells
// changed; Message is the check's first fault (empty: the tables pass).
struct RuleCase {
    const char* what;
    int Grid;
    std::map<int, std::string> Cells;
    std::string Message;
};
inline void PrintTo(const RuleCase& c, std::ostream* os)
{
    *os << c.what;
}

class DialogTables : public ::testing::Test {
protected:
    DialogTables(const TDialogDesc& d, std::string& fileGlobal, std::string_view fileName)
        : desc(d), fileGlobal_(fileGlobal)
    {
        Load_Default_Lang();
        saved_ = fileGlobal_;
        fileGlobal_ = dir.File(fileName);
        for (const TGridDesc& g : desc.Grids) {
            tables_.push_back(std::make_unique<TTable>(g.Col_Count(), g.Rows + 1));
            grids.push_back(tables_.back().get());
        }
        Show();
    }
    ~DialogTables() override { fileGlobal_ = saved_; }

    std::string Show() { return Show_Tables(desc, grids, state); }
    // Row r of table g from column 1 on.
    void Put(int g, int r, const std::vector<std::string>& cells)
    {
        for (std::size_t c = 0; c < cells.size(); ++c)
            grids[static_cast<std::size_t>(g)]->SetCell(static_cast<int>(c) + 1, r, cells[c]);
    }
    // Row r of table g: its valid row with some cells changed.
    void Put_Changed(int g, int r, const std::map<int, std::string>& changes)
    {
        Put(g, r, Valid_Row(g));
        for (const auto& [c, text] : changes)
            grids[static_cast<std::size_t>(g)]->SetCell(c, r, text);
    }
    std::string Cell(int g, int c, int r) const { return grids[static_cast<std::size_t>(g)]->Cell(c, r); }
    std::string Check()
    {
        const auto fault = First_Fault(desc, Const_Grids(), state);
        return fault ? fault->Message : "";
    }
    std::string Text() const { return Table_File_Text(desc, Const_Grids(), state); }
    void Write_File(std::string_view text) const { testsupport::WriteFile(fileGlobal_, text); }
    // Rows 1 to 3 of both tables valid, row 4 of the case's table as the case gives it.
    std::string Check_Case(const RuleCase& c)
    {
        for (int g = 0; g < static_cast<int>(grids.size()); ++g)
            for (int r = 1; r <= 3; ++r)
                Put(g, r, Valid_Row(g));
        Put_Changed(c.Grid, 4, c.Cells);
        return Check();
    }

    // For every attribute of table g, a file whose one row lacks it, loaded: the text the attribute's
    // cell got (its fallback), or "stops" when the loading stopped there with a note naming it.
    std::map<std::string, std::string> Missing_Attribute_Results(int g)
    {
        std::map<std::string, std::string> results;
        for (const TAttributeDesc& a : desc.Grids[static_cast<std::size_t>(g)].Attributes) {
            Show();
            Put(g, 1, Valid_Row(g));
            std::string text = Text();
            const std::string name = " " + std::string(a.Name) + "=\"";
            const std::size_t at = text.find(name);
            text.erase(at, text.find('"', at + name.size()) + 1 - at);
            Write_File(text);
            const std::string note = Show();
            if (note.find(std::string(a.Name)) != std::string::npos)
                results[std::string(a.Name)] = "stops";
            else if (a.Column >= 0)
                results[std::string(a.Name)] = Cell(g, a.Column, 1);
        }
        return results;
    }

    // A row of table g that passes every rule, from column 1 on.
    virtual std::vector<std::string> Valid_Row(int g) const = 0;

    const TDialogDesc& desc;
    std::vector<TCells*> grids;
    TTableState state;
    testsupport::ScratchDir dir;

private:
    std::vector<const TCells*> Const_Grids() const { return {grids.begin(), grids.end()}; }
    std::vector<std::unique_ptr<TTable>> tables_;
    std::string& fileGlobal_;
    std::string saved_;
};

}  // namespace ms7test
