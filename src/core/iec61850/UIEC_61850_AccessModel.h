#pragma once
// The IEC 61850 client dialog TFIEC_61850_Access without its window: the catalog folder and the
// device list, the choice made in the model tree, the three tables (attributes, data sets, members
// of a data set), the byte sizes by basic type, the data check and the table file
// IEC_61850_Client.xml. The window hands its three grids in as TClientGrid and shows what the
// model returns; nothing here shows a message: questions come in as callbacks, messages go back as
// text. See README.md, "How the window uses the model".

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/iec61850/UIEC_Client_Decode.h"
#include "core/tables/TableCells.h"

namespace iec {

// One grid of the dialog as the model reads and writes it: real column indexes, column 0 the row
// number, row 0 the header, data rows 1 to RowCount - 1 (every grid keeps at least one).
class TClientGrid : public tables::TCells {
public:
    // Adds empty rows at the end or drops the last ones.
    virtual void SetRowCount(int rows) = 0;
    // Marks one cell read-only or editable (Start Byte and Num Byte follow the basic type).
    virtual void SetReadOnly(int col, int row, bool readOnly) = 0;
};

// A grid in memory, for tests and headless callers.
class TMemoryGrid : public TClientGrid {
public:
    TMemoryGrid(int cols, int rows);
    int RowCount() const override { return static_cast<int>(rows_.size()); }
    int ColCount() const override { return cols_; }
    std::string Cell(int col, int row) const override;
    void SetCell(int col, int row, const std::string& text) override;
    void SetRowCount(int rows) override;
    void SetReadOnly(int col, int row, bool readOnly) override;
    bool ReadOnly(int col, int row) const;

private:
    struct Row {
        std::vector<std::string> Cells;
        std::vector<bool> ReadOnly;
    };
    int cols_;
    std::vector<Row> rows_;
};

// Columns of ACG_DA (19), ACG_DataSet (9) and ACG_DS_Vars (8).
namespace col {
enum DA {
    DA_N,
    DA_Index,
    DA_bType,
    DA_fc,
    DA_Reference,
    DA_StartByte,
    DA_NumByte,
    DA_IPAddress,
    DA_Port,
    DA_OnChange,
    DA_OnCMD,
    DA_OnTimer,
    DA_Time,
    DA_Position,
    DA_StartBit,
    DA_ReadWrite,
    DA_Convertion,
    DA_MoltFact,
    DA_Mnemonic,
    DA_Count
};
enum DataSet {
    DS_N,
    DS_Index,
    DS_Reference,
    DS_GooseName,
    DS_EnGoose,
    DS_IPAddress,
    DS_Port,
    DS_Time,
    DS_Mnemonic,
    DS_Count
};
enum Member {
    DM_N,
    DM_bType,
    DM_Reference,
    DM_Position,
    DM_StartBit,
    DM_Convertion,
    DM_MultFact,
    DM_Mnemonic,
    DM_Count
};
}  // namespace col

// One member of a data set row, with what the user typed for it.
class TDataSet_DA {
public:
    TIEC_DA* Select_DA = nullptr;  // the member attribute (borrowed from its device)
    std::string Position, bitAddress, conversion, multFactor, Mnemonic;
};

// The data set behind one row of ACG_DataSet.
class TDataSet {
public:
    TIEC_DataSet* Select_DataSet = nullptr;  // borrowed; null when the file named one that is gone
    std::vector<std::unique_ptr<TDataSet_DA>> List_DAs;
};

// The answer to "File already exists in catalog directory. Do you want to overwrite file?".
enum class CatalogAnswer { Yes, No, Cancel };

// What adding a device did.
struct AddDeviceResult {
    bool Added = false;
    // For the user: the copy or the decoding failed (nothing added), or the decoder's notes on a
    // device it cut short (added). Empty when there is nothing to say.
    std::string Message;
};

// The page Add Var brought to front.
enum class AddVarPage { None, Variables, DataSet };

// The first broken rule of the data check.
struct ClientFault {
    int Row = 0;
    std::string Message;  // "Error row " + row + the rule's text
};

class ClientModel {
public:
    ClientModel() = default;
    ~ClientModel();
    ClientModel(const ClientModel&) = delete;
    ClientModel& operator=(const ClientModel&) = delete;

    // The fixed wording of the catalog question (not a text of the language table).
    static constexpr const char* Overwrite_Question =
        "File already exists in catalog directory. Do you want to overwrite file?";

    // The devices in list order; the position is the device index of the "Index" columns.
    std::vector<std::unique_ptr<TIEC_Device>> List_IEC_Dev;
    // The data sets behind ACG_DataSet: entry r - 1 belongs to row r.
    std::vector<std::unique_ptr<TDataSet>> List_DataSet;
    // The ACG_DataSet row whose members ACG_DS_Vars edits (0: none).
    int DataSet_Row_Select = 0;
    // The attribute or data set chosen in the tree (borrowed; at most one set).
    TIEC_DA* Selected_IEC_DA = nullptr;
    TIEC_DataSet* Selected_IEC_DS = nullptr;

    // ---- devices and catalog

    // <Path_Project>/ICD_Catalog
    static std::filesystem::path Catalog_Folder();
    // Btn_Add_IEC_DeviceClick after the file dialog: copies the chosen file into the catalog
    // (asking first when a file of that name is there), decodes the catalog copy and appends it.
    AddDeviceResult Add_IEC_Device(const std::filesystem::path& chosen, const std::function<CatalogAnswer()>& ask);
    // Btn_Remove_IEC_DeviceClick for the device at index: false (nothing changes) when the index
    // is no device, or a row of either upper grid or a data set still uses the device. Otherwise
    // the device goes, the "Index" cells above it count down by one and the choice is cleared;
    // the window then empties its tree.
    bool Remove_IEC_Device(int index, TClientGrid& da, TClientGrid& dataSet);
    // Show_IEC_Devices: the line of each device in the list box, the IED names in list order.
    std::vector<std::string> Device_Lines() const;
    // Empties the tree links of every device (the window cleared its tree).
    void Forget_Tree();

    // ---- the choice in the tree (TV_IEC_DeviceClick)

    // Clears both choices, then takes the leaf attribute or else the data set shown by the node,
    // in the device of list line listIndex. A null node, the device's own node or a node of
    // another kind chooses nothing.
    void Choose_In_Tree(int listIndex, const void* node);
    TIEC_DA* Search_Node_Selected(int listIndex, const void* node) const;
    TIEC_DataSet* Search_Node_Selected_DataSet(int listIndex, const void* node) const;
    void Clear_Choice();

    // ---- the tables

    // Btn_AddVarClick with the device of list line listIndex: the chosen attribute into ACG_DA or
    // the chosen data set into ACG_DataSet (with its members). Returns the page to bring to front.
    AddVarPage Add_Var(int listIndex, TClientGrid& da, TClientGrid& dataSet);
    // Btn_RemoveVarClick on the "Variables" page, for the current row of ACG_DA.
    void Remove_Var_DA(int row, TClientGrid& da);
    // Btn_RemoveVarClick on the "DataSet" page, for the current row of ACG_DataSet. The member
    // grid is refreshed for the row returned, which the window makes current.
    int Remove_Var_DataSet(int row, TClientGrid& dataSet, TClientGrid& members);
    // Start Byte and Num Byte of every row by basic type: fixed sizes read-only, others editable.
    static void Set_Start_Num_Byte(TClientGrid& da);
    // Fills ACG_DS_Vars with the members of the data set of ACG_DataSet row `row`.
    void Show_DataSet_DAs(int row, TClientGrid& members) const;
    // ACG_DS_VarsSelectCell: the current row of ACG_DataSet becomes the row members are edited for.
    void Member_Select_Cell(int dataSetRow) { DataSet_Row_Select = dataSetRow; }
    // ACG_DS_VarsEditCellDone: the text of member row `row`, column `col` is kept in its member.
    void Member_Edit_Done(int col, int row, const std::string& text);
    // The data set of device `index` whose reference is `reference`.
    TIEC_DataSet* Get_DataSet(int index, std::string_view reference) const;

    // ---- check, file, show

    // The data check of ACG_DA: the first broken rule, or nothing when every row passes.
    static std::optional<ClientFault> Controllo_dati(const TClientGrid& da);
    // The table file as OK writes it.
    std::string Table_File_Text(const TClientGrid& da, const TClientGrid& dataSet) const;
    // Writes it through a temporary file renamed over `file`; throws xml::XmlError naming the
    // file when it cannot be written (the earlier file then stays).
    void Save_Table_File(const std::filesystem::path& file, const TClientGrid& da, const TClientGrid& dataSet) const;
    // FormShow: every device, data set and choice dropped, the three grids reset to one empty row,
    // then the table file read when it exists. Returns what the user should be told (catalog
    // files missing or unreadable, what the table file could not give), empty when nothing.
    std::string Show(const std::filesystem::path& file, TClientGrid& da, TClientGrid& dataSet, TClientGrid& members);

private:
    std::string Load_Table_File(const std::filesystem::path& file, TClientGrid& da, TClientGrid& dataSet);
    bool Device_In_Use(int index, const TClientGrid& da, const TClientGrid& dataSet) const;
    const TIEC_Device* Device_At(int listIndex) const;
};

}  // namespace iec
