#include "core/tables/canopen/SDOServerTable.h"

#include <map>
#include <utility>

#include "common/UComon.h"
#include "core/tables/TableEngine.h"
#include "core/tables/TableRules.h"
#include "core/tables/TableTexts.h"
#include "core/tables/canopen/CANopenColumns.h"

namespace tables::canopen {

namespace {

constexpr int Col_Index = 1, Col_Sub = 2, Col_NByte = 3, Col_Byte1 = 4, Col_Mnemonic = 8;

// The two grids have the same columns; headers from header on (column 0 first), hints of columns
// 1 to 8 from hint on, rule texts from rules on (Index, SubIndex, N Byte, Byte1 ... Byte4).
TGridDesc SDO_Grid(int header, int hint, int rules, std::string_view size)
{
    TGridDesc g;
    g.Rows = 500;
    g.Columns = {
        {.Caption = "N", .Header = header, .Width = 40},
        Column("Index", header + 1, hint, 65, Frame_Color),
        Column("SubIndex", header + 2, hint + 1, 61, Frame_Color),
        Column("N Byte", header + 3, hint + 2, 55, Frame_Color),
    };
    Add_Address_Columns(g, SDO_Address_Captions, header + 4, hint + 3, 80);
    g.Columns.push_back(Column("Mnemonic", header + 8, hint + 7, 170, Text_Color));
    g.Attributes = {{.Name = "Index", .Column = Col_Index},
                    {.Name = "SubIndex", .Column = Col_Sub},
                    {.Name = "NByte", .Column = Col_NByte}};
    Add_Address_Attributes(g, Col_Byte1, 4);
    g.Attributes.push_back({.Name = "Mnemonic", .Column = Col_Mnemonic});
    g.Write_Key = g.Check_Key = {.Column = Col_Index, .Compare = TKeyCompare::Trimmed};
    g.Click_Cell = true;
    g.Rules = {Int_Range(Col_Index, 0x2000, 0x5FFF, rules), Int_Range(Col_Sub, 0, 255, rules + 1),
               One_Two_Four(Col_NByte, rules + 2), Address_Rule(Col_NByte, Col_Byte1, 4, size, rules + 3)};
    return g;
}

TGridDesc Read_Grid()
{
    TGridDesc g = SDO_Grid(2816, 2834, 2851, NByte_IN);
    g.Name = "sga";
    g.Sheet = "TS_SDO_Read";
    g.Sheet_Caption = 2814;
    g.Section = {"SDO_Read"};
    return g;
}

TGridDesc Write_Grid()
{
    TGridDesc g = SDO_Grid(2825, 2842, 2858, NByte_OUT);
    g.Name = "sgb";
    g.Sheet = "TS_SDO_Write";
    g.Sheet_Caption = 2815;
    g.Section = {"SDO_Write"};
    return g;
}

// After every row passed its own rules: an index and sub-index may stand in one row only, within
// a table and across both, or the EDS file would describe the object twice. The message names
// the later row first (as every message of the check does) and then the earlier one.
std::optional<TRuleFault> No_Repeated_Object(const std::vector<const TCells*>& grids, TTableState&)
{
    const TDialogDesc& dialog = Set_SDO_Server_Access_Desc();
    std::vector<TSDOEntry> entries;
    for (int t = 0; t < 2 && t < static_cast<int>(grids.size()); ++t) {
        const TGridDesc& grid = dialog.Grids[static_cast<std::size_t>(t)];
        const TCells& cells = *grids[static_cast<std::size_t>(t)];
        const int rows = Rows_Written(grid, cells);
        for (int r = 1; r <= rows; ++r)
            entries.push_back({t, r, Cell_Int(cells.Cell(Col_Index, r)), Cell_Int(cells.Cell(Col_Sub, r))});
    }
    const std::optional<TSDORepeat> repeat = Find_Repeated_SDO(entries);
    if (!repeat)
        return std::nullopt;
    // 2866: read row like an earlier read row; 2867: write row like a read row; 2868: write like write.
    const int text = repeat->Again.Table == 0 ? 2866 : repeat->First.Table == 0 ? 2867 : 2868;
    return TRuleFault{.Text = text,
                      .Message = core::Lang_Text(dialog.Texts.Row_Prefix) + std::to_string(repeat->Again.Row) +
                                 core::Lang_Text(text) + std::to_string(repeat->First.Row),
                      .Grid = repeat->Again.Table};
}

TDialogDesc Make()
{
    TDialogDesc d;
    d.Class_Name = "TFSet_SDO_Server_Access";
    d.Form_Name = "FSet_SDO_Server_Access";
    d.Client_Width = 749;
    d.Client_Height = 337;
    d.Grids = {Read_Grid(), Write_Grid()};
    d.Root = "SDO_Server_CANopen";
    d.File = &File_SDO_Server_CANopen;
    d.Texts = Block_Texts(2800, 2865, 2850);
    d.Prepare = Prepare_Sizes;
    d.After_Rows = No_Repeated_Object;
    return d;
}

}  // namespace

const TDialogDesc& Set_SDO_Server_Access_Desc()
{
    static const TDialogDesc desc = Make();
    return desc;
}

std::optional<TSDORepeat> Find_Repeated_SDO(const std::vector<TSDOEntry>& entries)
{
    std::map<std::pair<std::int64_t, std::int64_t>, TSDOEntry> seen;
    for (const TSDOEntry& e : entries) {
        const auto [it, added] = seen.emplace(std::pair(e.Index, e.Sub), e);
        if (!added)
            return TSDORepeat{it->second, e};
    }
    return std::nullopt;
}

}  // namespace tables::canopen
