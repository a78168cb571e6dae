#include "core/iec61850/UIEC_61850_AccessModel.h"

#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <string_view>
#include <system_error>
#include <unordered_set>

#include "common/UComon.h"
#include "core/tables/TableEngine.h"
#include "platform/rtl/Exceptions.h"

namespace iec {

namespace fs = std::filesystem;

// ---- TMemoryGrid

TMemoryGrid::TMemoryGrid(int cols, int rows) : cols_(cols)
{
    SetRowCount(rows);
}

std::string TMemoryGrid::Cell(int col, int row) const
{
    if (row < 0 || row >= RowCount() || col < 0 || col >= cols_)
        return {};
    return rows_[std::size_t(row)].Cells[std::size_t(col)];
}

void TMemoryGrid::SetCell(int col, int row, const std::string& text)
{
    if (row >= 0 && row < RowCount() && col >= 0 && col < cols_)
        rows_[std::size_t(row)].Cells[std::size_t(col)] = text;
}

void TMemoryGrid::SetRowCount(int rows)
{
    rows_.resize(std::size_t(std::max(rows, 0)),
                 Row{std::vector<std::string>(std::size_t(cols_)), std::vector<bool>(std::size_t(cols_))});
}

void TMemoryGrid::SetReadOnly(int col, int row, bool readOnly)
{
    if (row >= 0 && row < RowCount() && col >= 0 && col < cols_)
        rows_[std::size_t(row)].ReadOnly[std::size_t(col)] = readOnly;
}

bool TMemoryGrid::ReadOnly(int col, int row) const
{
    return row >= 0 && row < RowCount() && col >= 0 && col < cols_ &&
           rows_[std::size_t(row)].ReadOnly[std::size_t(col)];
}

// ---- helpers on grids

namespace {

int Data_Rows(const TClientGrid& grid)
{
    return grid.RowCount() - 1;
}

// Columns 1 to the last of a row emptied (column 0 keeps its number).
void Empty_Row(TClientGrid& grid, int row)
{
    for (int c = 1; c < grid.ColCount(); ++c)
        grid.SetCell(c, row, "");
}

// The row Add Var writes: row 1 when the grid holds exactly one data row whose "Index" cell is
// empty, otherwise a row appended.
int Target_Row(TClientGrid& grid, int indexCol)
{
    if (Data_Rows(grid) == 1 && grid.Cell(indexCol, 1).empty())
        return 1;
    const int row = std::max(grid.RowCount(), 1);
    grid.SetRowCount(row + 1);
    return row;
}

// Drops data row `row`: the rows below move up over every column, the grid loses its last row and
// column 0 is numbered again.
void Delete_Row(TClientGrid& grid, int row)
{
    for (int r = row; r + 1 < grid.RowCount(); ++r)
        for (int c = 1; c < grid.ColCount(); ++c)
            grid.SetCell(c, r, grid.Cell(c, r + 1));
    grid.SetRowCount(grid.RowCount() - 1);
    for (int r = 1; r < grid.RowCount(); ++r)
        grid.SetCell(0, r, std::to_string(r));
}

// Every grid of the dialog starts with one empty data row (and its header row).
void Reset_To_One_Row(TClientGrid& grid)
{
    for (int r = 1; r < grid.RowCount(); ++r)
        for (int c = 0; c < grid.ColCount(); ++c)
            grid.SetCell(c, r, "");
    grid.SetRowCount(2);
    for (int c = 0; c < grid.ColCount(); ++c)
        grid.SetCell(c, 1, "");
}

std::string Upper(std::string_view text)
{
    std::string out(text);
    for (char& c : out)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return out;
}

template <class Visit>
bool Any_Data_Set(const TIEC_Device& device, Visit visit)
{
    for (const auto& ld : device.List_LDevice)
        for (const auto& ln : ld->List_LN)
            for (const auto& ds : ln->List_DataSet)
                if (visit(*ds))
                    return true;
    return false;
}

const TIEC_DA* Leaf_With_Node(const TIEC_DA& da, const void* node)
{
    if (da.TreeNode == node)
        return da.List_DA.empty() ? &da : nullptr;
    for (const auto& c : da.List_DA)
        if (const TIEC_DA* found = Leaf_With_Node(*c, node))
            return found;
    return nullptr;
}

const TIEC_DA* Leaf_With_Node(const TIEC_DO& d, const void* node)
{
    if (d.TreeNode == node)
        return nullptr;  // a data object is chosen: no attribute
    for (const auto& s : d.List_DO)
        if (const TIEC_DA* found = Leaf_With_Node(*s, node))
            return found;
    for (const auto& da : d.List_DA)
        if (const TIEC_DA* found = Leaf_With_Node(*da, node))
            return found;
    return nullptr;
}

}  // namespace

ClientModel::~ClientModel()
{
    // Data sets borrow from the devices: they go first.
    List_DataSet.clear();
    while (!List_IEC_Dev.empty())
        List_IEC_Dev.pop_back();
}

// ---- devices and catalog

fs::path ClientModel::Catalog_Folder()
{
    return fs::path(Path_Project) / "ICD_Catalog";
}

namespace {

// Copies the chosen file over the target through a temporary file beside it, so that the catalog
// never holds half a file. Empty when it worked, otherwise the reason.
std::string Copy_Into_Catalog(const fs::path& chosen, const fs::path& target)
{
    std::string name = ".";
    name += target.filename().string();
    name += ".part";
    name += std::to_string(::getpid());
    const fs::path temp = target.parent_path() / name;
    std::error_code ec;
    fs::copy_file(chosen, temp, fs::copy_options::overwrite_existing, ec);
    if (!ec)
        fs::rename(temp, target, ec);
    if (ec) {
        std::error_code ignored;
        fs::remove(temp, ignored);
        return ec.message();
    }
    return {};
}

std::string Join_Notes(const std::vector<std::string>& notes)
{
    std::string text;
    for (const auto& n : notes)
        text += (text.empty() ? "" : "\n") + n;
    return text;
}

}  // namespace

AddDeviceResult ClientModel::Add_IEC_Device(const fs::path& chosen, const std::function<CatalogAnswer()>& ask)
{
    AddDeviceResult result;
    const fs::path folder = Catalog_Folder();
    std::error_code ec;
    fs::create_directories(folder, ec);
    const fs::path target = folder / chosen.filename();
    bool copy = true;
    if (fs::exists(target, ec)) {
        switch (ask()) {
        case CatalogAnswer::Cancel:
            return result;
        case CatalogAnswer::No:
            copy = false;
            break;
        case CatalogAnswer::Yes:
            break;
        }
    }
    // A file chosen from the catalog itself is its own copy.
    if (copy && !fs::equivalent(chosen, target, ec)) {
        const std::string reason = Copy_Into_Catalog(chosen, target);
        if (!reason.empty()) {
            result.Message = rtl::EFileError(target.string(), reason).what();
            return result;
        }
    }
    try {
        auto device = std::make_unique<TIEC_Device>(target);
        result.Message = Join_Notes(device->Notes);
        List_IEC_Dev.push_back(std::move(device));
        result.Added = true;
    } catch (const rtl::EFileError& e) {
        result.Message = e.what();  // not well-formed: no device; the catalog copy stays
    }
    return result;
}

bool ClientModel::Device_In_Use(int index, const TClientGrid& da, const TClientGrid& dataSet) const
{
    for (const TClientGrid* grid : {&da, &dataSet}) {
        const int indexCol = grid == &da ? int(col::DA_Index) : int(col::DS_Index);
        for (int r = 1; r < grid->RowCount(); ++r)
            if (tables::Cell_Int(grid->Cell(indexCol, r)) == index)
                return true;
    }
    // A data set row keeps pointers into its device whatever its "Index" cell says now.
    const TIEC_Device& device = *List_IEC_Dev[std::size_t(index)];
    std::unordered_set<const TIEC_DataSet*> own;
    Any_Data_Set(device, [&own](const TIEC_DataSet& ds) {
        own.insert(&ds);
        return false;
    });
    return std::any_of(List_DataSet.begin(), List_DataSet.end(),
                       [&own](const auto& ds) { return own.count(ds->Select_DataSet) != 0; });
}

bool ClientModel::Remove_IEC_Device(int index, TClientGrid& da, TClientGrid& dataSet)
{
    if (index < 0 || index >= static_cast<int>(List_IEC_Dev.size()) || Device_In_Use(index, da, dataSet))
        return false;
    Clear_Choice();
    List_IEC_Dev.erase(List_IEC_Dev.begin() + index);
    for (TClientGrid* grid : {&da, &dataSet}) {
        const int indexCol = grid == &da ? int(col::DA_Index) : int(col::DS_Index);
        for (int r = 1; r < grid->RowCount(); ++r) {
            const int n = tables::Cell_Int(grid->Cell(indexCol, r));
            if (n > index)
                grid->SetCell(indexCol, r, std::to_string(n - 1));
        }
    }
    return true;
}

std::vector<std::string> ClientModel::Device_Lines() const
{
    std::vector<std::string> lines;
    for (const auto& d : List_IEC_Dev)
        lines.push_back(d->fName);
    return lines;
}

void ClientModel::Forget_Tree()
{
    for (const auto& d : List_IEC_Dev)
        d->ForgetTreeNodes();
}

// ---- the choice in the tree

const TIEC_Device* ClientModel::Device_At(int listIndex) const
{
    if (listIndex < 0 || listIndex >= static_cast<int>(List_IEC_Dev.size()))
        return nullptr;
    return List_IEC_Dev[std::size_t(listIndex)].get();
}

TIEC_DA* ClientModel::Search_Node_Selected(int listIndex, const void* node) const
{
    const TIEC_Device* device = Device_At(listIndex);
    if (device == nullptr || node == nullptr || node == device->TreeNode)
        return nullptr;
    for (const auto& ld : device->List_LDevice)
        for (const auto& ln : ld->List_LN)
            for (const auto& d : ln->List_DO)
                if (const TIEC_DA* found = Leaf_With_Node(*d, node))
                    return const_cast<TIEC_DA*>(found);
    return nullptr;
}

TIEC_DataSet* ClientModel::Search_Node_Selected_DataSet(int listIndex, const void* node) const
{
    const TIEC_Device* device = Device_At(listIndex);
    if (device == nullptr || node == nullptr || node == device->TreeNode)
        return nullptr;
    const TIEC_DataSet* found = nullptr;
    Any_Data_Set(*device, [&](const TIEC_DataSet& ds) {
        found = ds.TreeNode == node ? &ds : nullptr;
        return found != nullptr;
    });
    return const_cast<TIEC_DataSet*>(found);
}

void ClientModel::Choose_In_Tree(int listIndex, const void* node)
{
    Clear_Choice();
    Selected_IEC_DA = Search_Node_Selected(listIndex, node);
    if (Selected_IEC_DA == nullptr)
        Selected_IEC_DS = Search_Node_Selected_DataSet(listIndex, node);
}

void ClientModel::Clear_Choice()
{
    Selected_IEC_DA = nullptr;
    Selected_IEC_DS = nullptr;
}

// ---- the tables

AddVarPage ClientModel::Add_Var(int listIndex, TClientGrid& da, TClientGrid& dataSet)
{
    const std::string index = std::to_string(listIndex);
    if (Selected_IEC_DA != nullptr) {
        const int row = Target_Row(da, col::DA_Index);
        Empty_Row(da, row);
        da.SetCell(col::DA_N, row, std::to_string(row));
        da.SetCell(col::DA_Index, row, index);
        da.SetCell(col::DA_bType, row, Selected_IEC_DA->fbType);
        da.SetCell(col::DA_fc, row, Selected_IEC_DA->fFC);
        da.SetCell(col::DA_Reference, row, Selected_IEC_DA->fReference);
        da.SetCell(col::DA_OnChange, row, "N");
        da.SetCell(col::DA_OnCMD, row, "N");
        da.SetCell(col::DA_OnTimer, row, "N");
        Set_Start_Num_Byte(da);
        return AddVarPage::Variables;
    }
    if (Selected_IEC_DS == nullptr)
        return AddVarPage::None;
    const int row = Target_Row(dataSet, col::DS_Index);
    Empty_Row(dataSet, row);
    dataSet.SetCell(col::DS_N, row, std::to_string(row));
    dataSet.SetCell(col::DS_Index, row, index);
    dataSet.SetCell(col::DS_Reference, row, Selected_IEC_DS->fReference);
    dataSet.SetCell(col::DS_GooseName, row, Selected_IEC_DS->fGooseName);
    dataSet.SetCell(col::DS_EnGoose, row, Selected_IEC_DS->fGooseName.empty() ? "N" : "Y");
    auto set = std::make_unique<TDataSet>();
    set->Select_DataSet = Selected_IEC_DS;
    for (TIEC_DA* member : Selected_IEC_DS->List_DA) {
        set->List_DAs.push_back(std::make_unique<TDataSet_DA>());
        set->List_DAs.back()->Select_DA = member;
    }
    // The data set of the row written: row 1 taken over replaces what stood behind it, so that
    // rows and data sets stay in step.
    if (row - 1 < static_cast<int>(List_DataSet.size()))
        List_DataSet[std::size_t(row - 1)] = std::move(set);
    else
        List_DataSet.push_back(std::move(set));
    return AddVarPage::DataSet;
}

void ClientModel::Remove_Var_DA(int row, TClientGrid& da)
{
    if (row < 1 || row >= da.RowCount())
        return;
    if (row == 1 && Data_Rows(da) == 1)
        Empty_Row(da, 1);
    else
        Delete_Row(da, row);
    Set_Start_Num_Byte(da);
}

int ClientModel::Remove_Var_DataSet(int row, TClientGrid& dataSet, TClientGrid& members)
{
    if (row < 1 || row >= dataSet.RowCount())
        return row;
    if (row - 1 < static_cast<int>(List_DataSet.size()))
        List_DataSet.erase(List_DataSet.begin() + (row - 1));
    if (!List_DataSet.empty() && Data_Rows(dataSet) > 1)
        Delete_Row(dataSet, row);
    else
        Empty_Row(dataSet, 1);
    // The member grid follows the row now current, and member edits go to its data set.
    const int shown = std::min(row, Data_Rows(dataSet));
    Show_DataSet_DAs(shown, members);
    DataSet_Row_Select = shown;
    return shown;
}

void ClientModel::Set_Start_Num_Byte(TClientGrid& da)
{
    struct Size {
        const char* bType;
        int bytes;
    };
    static constexpr Size kSizes[] = {
        {"FLOAT32", 4}, {"INT32U", 4},  {"INT32", 4},     {"QUALITY", 4}, {"FLOAT64", 8}, {"INT64", 8}, {"INT8U", 1},
        {"INT8", 1},    {"BOOLEAN", 1}, {"TIMESTAMP", 1}, {"ENUM", 1},    {"INT16U", 2},  {"INT16", 2},
    };
    for (int r = 1; r < da.RowCount(); ++r) {
        const std::string bType = Upper(da.Cell(col::DA_bType, r));
        const auto size =
            std::find_if(std::begin(kSizes), std::end(kSizes), [&bType](const Size& s) { return bType == s.bType; });
        const bool fixed = size != std::end(kSizes);
        if (fixed) {
            da.SetCell(col::DA_StartByte, r, "0");
            da.SetCell(col::DA_NumByte, r, std::to_string(size->bytes));
        }
        da.SetReadOnly(col::DA_StartByte, r, fixed);
        da.SetReadOnly(col::DA_NumByte, r, fixed);
    }
}

void ClientModel::Show_DataSet_DAs(int row, TClientGrid& members) const
{
    const TDataSet* set =
        row >= 1 && row <= static_cast<int>(List_DataSet.size()) ? List_DataSet[std::size_t(row - 1)].get() : nullptr;
    if (set == nullptr || set->List_DAs.empty()) {
        Reset_To_One_Row(members);
        return;
    }
    members.SetRowCount(static_cast<int>(set->List_DAs.size()) + 1);
    int k = 1;
    for (const auto& m : set->List_DAs) {
        members.SetCell(col::DM_N, k, std::to_string(k));
        members.SetCell(col::DM_bType, k, m->Select_DA != nullptr ? m->Select_DA->fbType : "");
        members.SetCell(col::DM_Reference, k, m->Select_DA != nullptr ? m->Select_DA->fReference : "");
        members.SetCell(col::DM_Position, k, m->Position);
        members.SetCell(col::DM_StartBit, k, m->bitAddress);
        members.SetCell(col::DM_Convertion, k, m->conversion);
        members.SetCell(col::DM_MultFact, k, m->multFactor);
        members.SetCell(col::DM_Mnemonic, k, m->Mnemonic);
        ++k;
    }
}

void ClientModel::Member_Edit_Done(int col, int row, const std::string& text)
{
    if (DataSet_Row_Select < 1 || DataSet_Row_Select > static_cast<int>(List_DataSet.size()))
        return;
    TDataSet& set = *List_DataSet[std::size_t(DataSet_Row_Select - 1)];
    if (row < 1 || row > static_cast<int>(set.List_DAs.size()))
        return;
    TDataSet_DA& m = *set.List_DAs[std::size_t(row - 1)];
    switch (col) {
    case col::DM_Position:
        m.Position = text;
        break;
    case col::DM_StartBit:
        m.bitAddress = text;
        break;
    case col::DM_Convertion:
        m.conversion = text;
        break;
    case col::DM_MultFact:
        m.multFactor = text;
        break;
    case col::DM_Mnemonic:
        m.Mnemonic = text;
        break;
    default:
        break;
    }
}

TIEC_DataSet* ClientModel::Get_DataSet(int index, std::string_view reference) const
{
    const TIEC_Device* device = Device_At(index);
    if (device == nullptr)
        return nullptr;
    const TIEC_DataSet* found = nullptr;
    Any_Data_Set(*device, [&](const TIEC_DataSet& ds) {
        found = ds.fReference == reference ? &ds : nullptr;
        return found != nullptr;
    });
    return const_cast<TIEC_DataSet*>(found);
}

}  // namespace iec
