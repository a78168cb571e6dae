// The IEC 61850 client's table file IEC_61850_Client.xml: the devices of the catalog, the
// attribute rows and the data-set rows with their members; written whole on OK, read at show.
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "core/iec61850/IecTexts.h"
#include "core/iec61850/UIEC_61850_AccessModel.h"
#include "core/tables/TableEngine.h"
#include "core/tables/TableTexts.h"
#include "platform/rtl/Exceptions.h"
#include "platform/xml/AtomicFile.h"
#include "platform/xml/Xml.h"

namespace iec {

namespace fs = std::filesystem;

namespace {

// The root's digits are 68850: stored files carry them so.
constexpr std::string_view kRoot = "IEC_68850_Client";
constexpr int kLoadHeader = 1107;            // "Not everything in the file %s could be loaded ..."
constexpr int kLoadUnreadable = 1108;        // "The file cannot be read: %s"
constexpr int kLoadMissingAttribute = 1109;  // "Row %d has no attribute %s: ..."

struct Attribute {
    std::string_view Name;
    int Column;
    bool Fallback;  // missing: the empty text; otherwise a missing attribute ends the reading
};

constexpr Attribute kDAAttributes[] = {
    {"Index", col::DA_Index, false},
    {"bType", col::DA_bType, false},
    {"fc", col::DA_fc, false},
    {"Reference", col::DA_Reference, false},
    {"StartByte", col::DA_StartByte, true},
    {"NumByte", col::DA_NumByte, true},
    {"IPAddress", col::DA_IPAddress, false},
    {"Port", col::DA_Port, false},
    {"OnChange", col::DA_OnChange, false},
    {"OnCMD", col::DA_OnCMD, false},
    {"OnTimer", col::DA_OnTimer, false},
    {"Time", col::DA_Time, false},
    {"Position", col::DA_Position, false},
    {"StartBit", col::DA_StartBit, false},
    {"ReadWrite", col::DA_ReadWrite, false},
    {"Convertion", col::DA_Convertion, false},
    {"MoltFact", col::DA_MoltFact, false},
    {"Mnemonic", col::DA_Mnemonic, false},
};

constexpr Attribute kDataSetAttributes[] = {
    {"Index", col::DS_Index, false},         {"Reference", col::DS_Reference, false},
    {"GooseName", col::DS_GooseName, false}, {"EnGoose", col::DS_EnGoose, false},
    {"IPAddress", col::DS_IPAddress, false}, {"Port", col::DS_Port, false},
    {"Time", col::DS_Time, false},           {"Mnemonic", col::DS_Mnemonic, false},
};

// A table is written when it holds more than one row, or one row with an "Index".
bool Has_Rows(const TClientGrid& grid, int indexCol)
{
    return grid.RowCount() > 2 || (grid.RowCount() == 2 && !grid.Cell(indexCol, 1).empty());
}

template <std::size_t N>
void Write_Row(xml::Element item, const Attribute (&attributes)[N], const TClientGrid& grid, int row)
{
    for (const Attribute& a : attributes)
        item.SetAttribute(a.Name, grid.Cell(a.Column, row));
}

// The loading ends at an attribute that is missing and has no fallback.
struct Stop {
    std::string Note;
};

template <std::size_t N>
void Read_Row(const xml::Element& item, const Attribute (&attributes)[N], TClientGrid& grid, int row)
{
    grid.SetCell(0, row, std::to_string(row));
    for (const Attribute& a : attributes) {
        const auto value = item.Attribute(a.Name);
        if (!value && !a.Fallback)
            throw Stop{core::Lang_Format(kLoadMissingAttribute, {row, std::string(a.Name)})};
        grid.SetCell(a.Column, row, std::string(value.value_or(std::string_view())));
    }
}

// A name the table file gives for a file of the catalog folder: a plain file name, nothing that
// leads out of the folder.
bool Plain_File_Name(std::string_view name)
{
    return !name.empty() && name != "." && name != ".." &&
           name.find_first_of(std::string_view("/\\\0", 3)) == std::string_view::npos;
}

// The device that keeps the place of a catalog file that cannot be used: empty, named after the file.
std::unique_ptr<TIEC_Device> Stand_In(const std::string& fileName)
{
    auto device = std::make_unique<TIEC_Device>();
    device->fName = fileName;
    device->fFileName = fileName;
    return device;
}

}  // namespace

std::string ClientModel::Table_File_Text(const TClientGrid& da, const TClientGrid& dataSet) const
{
    xml::Document doc;
    xml::Element root = doc.CreateRoot(kRoot);
    doc.AppendComment("SW_VERSION = 1.000");
    xml::Element files = root.AppendChild("List_ICD_Files");
    for (const auto& device : List_IEC_Dev) {
        xml::Element file = files.AppendChild("ICD_File");
        file.SetAttribute("Name", device->fName);
        file.SetAttribute("FileName", device->fFileName);
    }
    xml::Element attributes = root.AppendChild("List_DA_Selected");
    if (Has_Rows(da, col::DA_Index))
        for (int r = 1; r < da.RowCount(); ++r)
            Write_Row(attributes.AppendChild("DA_Item"), kDAAttributes, da, r);
    xml::Element sets = root.AppendChild("List_DataSet_Selected");
    if (Has_Rows(dataSet, col::DS_Index)) {
        for (int r = 1; r < dataSet.RowCount(); ++r) {
            xml::Element item = sets.AppendChild("DataSet_Item");
            Write_Row(item, kDataSetAttributes, dataSet, r);
            xml::Element members = item.AppendChild("DataSet_List_DAs");
            if (r - 1 >= static_cast<int>(List_DataSet.size()))
                continue;
            for (const auto& m : List_DataSet[std::size_t(r - 1)]->List_DAs) {
                xml::Element e = members.AppendChild("DataSet_DA_Item");
                e.SetAttribute("bType", m->Select_DA != nullptr ? m->Select_DA->fbType : "");
                e.SetAttribute("Reference", m->Select_DA != nullptr ? m->Select_DA->fReference : "");
                e.SetAttribute("Position", m->Position);
                e.SetAttribute("StartBit", m->bitAddress);
                e.SetAttribute("Convertion", m->conversion);
                e.SetAttribute("MoltFact", m->multFactor);
                e.SetAttribute("Mnemonic", m->Mnemonic);
            }
        }
    }
    return doc.SaveToString();
}

void ClientModel::Save_Table_File(const fs::path& file, const TClientGrid& da, const TClientGrid& dataSet) const
{
    xml::WriteFileAtomically(file, Table_File_Text(da, dataSet));
}

std::string ClientModel::Show(const fs::path& file, TClientGrid& da, TClientGrid& dataSet, TClientGrid& members)
{
    List_DataSet.clear();
    while (!List_IEC_Dev.empty())
        List_IEC_Dev.pop_back();
    Clear_Choice();
    DataSet_Row_Select = 0;
    for (TClientGrid* grid : {&da, &dataSet, &members}) {
        for (int r = 1; r < grid->RowCount(); ++r)
            for (int c = 0; c < grid->ColCount(); ++c)
                grid->SetCell(c, r, "");
        grid->SetRowCount(2);
    }
    Set_Start_Num_Byte(da);
    std::error_code ec;
    if (!fs::exists(file, ec))
        return {};
    return Load_Table_File(file, da, dataSet);
}

std::string ClientModel::Load_Table_File(const fs::path& file, TClientGrid& da, TClientGrid& dataSet)
{
    std::string catalogNotes;
    const auto note = [&catalogNotes](const std::string& text) {
        catalogNotes += (catalogNotes.empty() ? "" : "\n") + text;
    };
    std::string fileNote;
    try {
        xml::Document doc;
        doc.LoadFromFile(file);
        const xml::Element root = doc.DocumentElement();
        if (root.Name() != kRoot)
            return {};
        // Every device keeps its place, so that the "Index" of each row names the device it was
        // made for: a catalog file that is gone or cannot be decoded stands as an empty device.
        for (const xml::Element& e : root.ChildByName("List_ICD_Files").Elements()) {
            const std::string name(e.Attribute("FileName").value_or(std::string_view()));
            const fs::path path = Catalog_Folder() / name;
            std::error_code ec;
            if (!Plain_File_Name(name) || !fs::is_regular_file(path, ec)) {
                note(core::Lang_Format(kTextCatalogMissing, {name}));
                List_IEC_Dev.push_back(Stand_In(name));
                continue;
            }
            try {
                List_IEC_Dev.push_back(std::make_unique<TIEC_Device>(path));
                for (const std::string& n : List_IEC_Dev.back()->Notes)
                    note(n);
            } catch (const rtl::EFileError& error) {
                note(core::Lang_Format(kTextCatalogUnreadable, {name, std::string(error.what())}));
                List_IEC_Dev.push_back(Stand_In(name));
            }
        }
        // Each grid gets its rows at once; a reading that stops keeps the rows read so far.
        TClientGrid* reading = nullptr;
        int row = 0;
        const auto rowsFor = [&reading, &row](TClientGrid& grid, const std::vector<xml::Element>& items) {
            reading = &grid;
            row = 0;
            if (!items.empty())
                grid.SetRowCount(static_cast<int>(items.size()) + 1);
        };
        try {
            const std::vector<xml::Element> daItems = root.ChildByName("List_DA_Selected").Children();
            rowsFor(da, daItems);
            for (const xml::Element& item : daItems)
                Read_Row(item, kDAAttributes, da, ++row);
            Set_Start_Num_Byte(da);
            const std::vector<xml::Element> setItems = root.ChildByName("List_DataSet_Selected").Children();
            rowsFor(dataSet, setItems);
            for (const xml::Element& item : setItems) {
                // The data set goes in before its row is read, so that rows and data sets stay in step.
                List_DataSet.push_back(std::make_unique<TDataSet>());
                TDataSet& set = *List_DataSet.back();
                Read_Row(item, kDataSetAttributes, dataSet, ++row);
                set.Select_DataSet = Get_DataSet(tables::Cell_Int(dataSet.Cell(col::DS_Index, row)),
                                                 dataSet.Cell(col::DS_Reference, row));
                std::size_t j = 0;
                for (const xml::Element& m : item.ChildByName("DataSet_List_DAs").Elements()) {
                    const std::size_t at = j++;
                    const auto text = [&m](std::string_view name) {
                        return std::string(m.Attribute(name).value_or(std::string_view()));
                    };
                    if (set.Select_DataSet == nullptr || at >= set.Select_DataSet->List_DA.size())
                        continue;
                    TIEC_DA* member = set.Select_DataSet->List_DA[at];
                    if (member->fbType != text("bType") || member->fReference != text("Reference"))
                        continue;
                    auto kept = std::make_unique<TDataSet_DA>();
                    kept->Select_DA = member;
                    kept->Position = text("Position");
                    kept->bitAddress = text("StartBit");
                    kept->conversion = text("Convertion");
                    kept->multFactor = text("MoltFact");
                    kept->Mnemonic = text("Mnemonic");
                    set.List_DAs.push_back(std::move(kept));
                }
            }
        } catch (const Stop& stop) {
            reading->SetRowCount(row + 1);
            Set_Start_Num_Byte(da);
            fileNote = "\n" + stop.Note;
        }
    } catch (const rtl::EFileError& e) {
        fileNote = "\n" + core::Lang_Format(kLoadUnreadable, {std::string(e.what())});
    }
    if (!fileNote.empty())
        note(core::Lang_Format(kLoadHeader, {file.string()}) + fileNote);
    return catalogNotes;
}

}  // namespace iec
