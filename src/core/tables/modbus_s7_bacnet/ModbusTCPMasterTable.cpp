#include "core/tables/modbus_s7_bacnet/ModbusTCPMasterTable.h"

#include "common/UComon.h"
#include "core/tables/TableEngine.h"
#include "core/tables/modbus_s7_bacnet/ModbusGrids.h"

namespace tables::modbus_s7_bacnet {

namespace {

TGridDesc Read_Grid()
{
    TGridDesc g = Modbus_Grid(TModbusLink::TCP, TModbusTable::Read,
                              {
                                  {"N", 1808, 0, 40},
                                  {"Enable", 1809, 1869, 50},
                                  {"Slave IP Address", 1810, 1870, 101},
                                  {"Port", 1811, 1871, 45},
                                  {"Slave ID", 1812, 1872, 55},
                                  {"Type", 1813, 1873, 100},
                                  {"Address", 1814, 1874, 55},
                                  {"NPoint", 1815, 1875, 45},
                                  {"Poll Time", 1816, 1876, 60},
                                  {"Max Error", 1817, 1877, 64},
                                  {"Position", 1818, 1878, 60},
                                  {"Start Bit", 1819, 1879, 60},
                                  {"Swap", 1820, 1880, 40},
                                  {"Swap Word", 1900, 1902, 80},
                                  {"Topic", 1862, 1881, 120},
                                  {"Mnemonic", 1821, 1882, 140},
                              },
                              {.IP_Address = 1839,
                               .Port = 1840,
                               .Slave_ID = 1841,
                               .Type = 1842,
                               .Address = 1843,
                               .NPoint = 1844,
                               .Poll_Time = 1899,
                               .Max_Error = 1846,
                               .Position = 1847,
                               .Bit = 1848,
                               .Span = 1849,
                               .Topic = 1898});
    g.Sheet_Caption = 1806;
    // The read table has no key-press and no hint handler: Enter walks the write table only.
    g.Key_Press = false;
    g.Grid_Hint = false;

    // The topic's index is written whether the column is shown or not ("-1" for no topic).
    const int topic = Topic_Column(TModbusLink::TCP);
    TAttributeDesc& index = Attribute(g, "Index_Topic");
    index.Read = [topic](std::optional<std::string_view> value, TCells& cells, int row, TTableState&) {
        cells.SetCell(topic, row, value ? Get_Topic_From_Index(Modbus_TCP_Master_Topics(), Cell_Int(*value)) : "");
    };
    index.Write = [topic](const TCells& cells, int row, const TTableState&) {
        return std::to_string(Get_Index_From_Topic(Modbus_TCP_Master_Topics(), cells.Cell(topic, row)));
    };
    return g;
}

TGridDesc Write_Grid()
{
    TGridDesc g = Modbus_Grid(TModbusLink::TCP, TModbusTable::Write,
                              {
                                  {"N", 1822, 0, 40},
                                  {"Enable", 1823, 1883, 50},
                                  {"Slave IP Address", 1824, 1884, 101},
                                  {"Port", 1825, 1885, 45},
                                  {"Slave ID", 1826, 1886, 55},
                                  {"Type", 1827, 1887, 100},
                                  {"Address", 1828, 1888, 55},
                                  {"NPoint", 1829, 1889, 45},
                                  {"Poll Time", 1830, 1890, 60},
                                  {"On Change", 1831, 1891, 66},
                                  {"On CMD", 1832, 1892, 56},
                                  {"Max Error", 1833, 1893, 62},
                                  {"Position", 1834, 1894, 55},
                                  {"Start Bit", 1835, 1895, 55},
                                  {"Swap", 1836, 1896, 40},
                                  {"Swap Word", 1901, 1903, 80},
                                  {"Mnemonic", 1837, 1897, 150},
                              },
                              {.IP_Address = 1850,
                               .Port = 1851,
                               .Slave_ID = 1852,
                               .Type = 1853,
                               .Address = 1854,
                               .NPoint = 1855,
                               .Poll_Time = 1856,
                               .Max_Error = 1857,
                               .Position = 1858,
                               .Bit = 1859,
                               .Span = 1860});
    g.Sheet_Caption = 1807;
    return g;
}

TDialogDesc Make()
{
    TDialogDesc d;
    d.Class_Name = "TFModbus_TCP_Master_Set_Access";
    d.Form_Name = "FModbus_TCP_Master_Set_Access";
    d.Client_Width = 1150;
    d.Client_Height = 337;
    d.Grids = {Read_Grid(), Write_Grid()};
    // Hints are set but never shown, over the grids and the buttons alike; the grids select a row
    // by a click on its number.
    for (TGridDesc& g : d.Grids) {
        g.Show_Hints = false;
        g.Click_Cell = true;
    }
    d.Root = "PROFINET_Master_to_Modbus_TCP_Master";
    d.File = &File_ModbusTCPM_SetAccess;
    // The block has no captions for Copy Row and Paste Row: they keep the form's in every language.
    d.Texts = {.Caption = 1800,
               .Description = 1801,
               .Button_Captions = {1802, 1803, 1804, 1805, 0, 0},
               .Button_Hints = {1863, 1864, 1865, 1866, 1867, 1868},
               .Delete_Question = 1861,
               .Row_Prefix = 1838};
    d.Button_Hints_Shown = {false, false, false, false, false, false};
    d.Prepare = Prepare_Modbus;
    return d;
}

}  // namespace

const TDialogDesc& Modbus_TCP_Master_Desc()
{
    static const TDialogDesc desc = Make();
    return desc;
}

TTopicList& Modbus_TCP_Master_Topics()
{
    static TTopicList topics;
    return topics;
}

}  // namespace tables::modbus_s7_bacnet
