#include "core/tables/modbus_s7_bacnet/SetAccessTable.h"

#include "common/UComon.h"
#include "core/tables/TableEngine.h"
#include "core/tables/modbus_s7_bacnet/ModbusGrids.h"

namespace tables::modbus_s7_bacnet {

namespace {

std::string Combo_Item_Key(int row)
{
    return "ComboItem_Topic/" + std::to_string(row - 1);
}

TGridDesc Read_Grid()
{
    TGridDesc g = Modbus_Grid(TModbusLink::Serial, TModbusTable::Read,
                              {
                                  {"N", 1716, 0, 40},
                                  {"Enable", 1717, 1743, 50},
                                  {"Slave ID", 1718, 1744, 60},
                                  {"Type", 1719, 1745, 115},
                                  {"Address", 1720, 1746, 60},
                                  {"NPoint", 1721, 1747, 64},
                                  {"Poll Time", 1722, 1748, 64},
                                  {"Max Error", 1723, 1749, 64},
                                  {"Position", 1724, 1750, 61},
                                  {"Start Bit", 1725, 1751, 64},
                                  {"Swap", 1726, 1752, 40},
                                  {"Swap Word", 1790, 1792, 80},
                                  {"Topic", 1742, 1753, 120},
                                  {"Mnemonic", 1727, 1754, 120},
                              },
                              {.Slave_ID = 1769,
                               .Type = 1770,
                               .Address = 1771,
                               .NPoint = 1772,
                               .Poll_Time = 1773,
                               .Max_Error = 1774,
                               .Position = 1775,
                               .Bit = 1776,
                               .Span = 1777,
                               .Topic = 1778});
    g.Sheet_Caption = 1714;
    // Only the read table shows hints: its column hints over the header, the cell's text elsewhere.
    g.Hint_Outside = THintOutside::Keep;
    g.Click_Cell = true;

    // The topic's index in the list: remembered per row, and written only while the Topic column
    // is shown (the empty text otherwise, so always in this build).
    const int topic = Topic_Column(TModbusLink::Serial);
    TAttributeDesc& index = Attribute(g, "Index_Topic");
    index.Read = [topic](std::optional<std::string_view> value, TCells& cells, int row, TTableState& state) {
        if (!value) {
            cells.SetCell(topic, row, "");
            return;
        }
        const int item = Cell_Int(*value);
        Set_ComboItem_Topic(state, row, item);
        cells.SetCell(topic, row, Get_Topic_From_Index(Set_Access_Topics(), item));
    };
    index.Write = [topic](const TCells& cells, int row, const TTableState& state) -> std::string {
        if (state.Var(Topic_Shown) == 0)
            return "";
        return std::to_string(
            Get_Index_From_Topic(Set_Access_Topics(), cells.Cell(topic, row), ComboItem_Topic(state, row)));
    };
    return g;
}

TGridDesc Write_Grid()
{
    TGridDesc g = Modbus_Grid(TModbusLink::Serial, TModbusTable::Write,
                              {
                                  {"N", 1728, 0, 40},
                                  {"Enable", 1729, 1755, 50},
                                  {"Slave ID", 1730, 1756, 60},
                                  {"Type", 1731, 1757, 115},
                                  {"Address", 1732, 1758, 60},
                                  {"NPoint", 1733, 1759, 64},
                                  {"Poll Time", 1734, 1760, 64},
                                  {"On Change", 1735, 1761, 68},
                                  {"On CMD", 1736, 1762, 56},
                                  {"Max Error", 1737, 1763, 64},
                                  {"Position", 1738, 1764, 64},
                                  {"Start Bit", 1739, 1765, 64},
                                  {"Swap", 1740, 1766, 40},
                                  {"Swap Word", 1791, 1793, 80},
                                  {"Mnemonic", 1741, 1767, 113},
                              },
                              {.Slave_ID = 1779,
                               .Type = 1780,
                               .Address = 1781,
                               .NPoint = 1782,
                               .Poll_Time = 1783,
                               .Max_Error = 1784,
                               .Position = 1785,
                               .Bit = 1786,
                               .Span = 1787});
    g.Sheet_Caption = 1715;
    g.Show_Hints = false;
    g.Click_Cell = true;
    return g;
}

TDialogDesc Make()
{
    TDialogDesc d;
    d.Class_Name = "TFSetAccess";
    d.Form_Name = "FSetAccess";
    d.Client_Width = 1040;
    d.Client_Height = 337;
    d.Grids = {Read_Grid(), Write_Grid()};
    d.Root = "EtherNetIP_to_Modbus";
    d.File = &File_ModbusM_SetAccess;
    d.Texts = {.Caption = 1700,
               .Description = 1701,
               .Button_Captions = {1702, 1703, 1704, 1705, 1706, 1707},
               .Button_Hints = {1708, 1709, 1710, 1711, 1712, 1713},
               .Delete_Question = 1788,
               .Row_Prefix = 1768};
    d.Button_Hints_Shown = {false, false, false, false, false, false};
    d.Prepare = Prepare_Modbus;
    return d;
}

}  // namespace

const TDialogDesc& Set_Access_Desc()
{
    static const TDialogDesc desc = Make();
    return desc;
}

TTopicList& Set_Access_Topics()
{
    static TTopicList topics;
    return topics;
}

int ComboItem_Topic(const TTableState& state, int row)
{
    const auto it = state.Vars.find(Combo_Item_Key(row));
    return it == state.Vars.end() ? -1 : static_cast<int>(it->second);
}

void Set_ComboItem_Topic(TTableState& state, int row, int index)
{
    state.Vars[Combo_Item_Key(row)] = index;
}

}  // namespace tables::modbus_s7_bacnet
