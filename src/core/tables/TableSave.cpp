// Writing the table file whole.
#include "core/tables/TableEngine.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Streams.h"
#include "platform/xml/Xml.h"

namespace tables {

namespace {

xml::Document Table_Document(const TDialogDesc& dialog, const std::vector<const TCells*>& grids,
                             const TTableState& state)
{
    xml::Document doc;
    xml::Element root = doc.CreateRoot(dialog.Root);
    doc.AppendComment(Table_File_Comment);
    for (std::size_t g = 0; g < grids.size() && g < dialog.Grids.size(); ++g) {
        const TGridDesc& grid = dialog.Grids[g];
        const TCells& cells = *grids[g];
        xml::Element section = root;
        for (std::string_view name : grid.Section) {
            xml::Element next = section.ChildByName(name);
            section = next ? next : section.AppendChild(name);
        }
        const int written = Rows_Written(grid, cells, &state);
        for (int r = 1; r <= written; ++r) {
            xml::Element row = section.AppendChild(grid.Row_Element);
            for (const TAttributeDesc& a : grid.Attributes)
                if (a.Written)
                    row.SetAttribute(a.Name, a.Write ? a.Write(cells, r, state) : cells.Cell(a.Column, r));
        }
    }
    return doc;
}

}  // namespace

std::string Table_File_Text(const TDialogDesc& dialog, const std::vector<const TCells*>& grids,
                            const TTableState& state)
{
    return Table_Document(dialog, grids, state).SaveToString();
}

void Save_Table_File(const TDialogDesc& dialog, const std::filesystem::path& file,
                     const std::vector<const TCells*>& grids, const TTableState& state)
{
    const xml::Document doc = Table_Document(dialog, grids, state);
    if (!dialog.Owner_Only_File) {
        doc.SaveToFile(file);
        return;
    }
    // The same write, with a file that only its owner can read (from its first byte on).
    const std::string content = doc.SaveToString();
    try {
        rtl::WriteFileAtomic(file.string(), content, rtl::FileAccess::OwnerOnly);
    } catch (const rtl::EFCreateError& e) {
        throw xml::XmlError(file.string(), e.Message);
    }
}

void Save_Tables(const TDialogDesc& dialog, const std::filesystem::path& file, const std::vector<TCells*>& grids,
                 TTableState& state)
{
    if (dialog.Before_Save) {
        std::vector<TCells*> all = grids;
        dialog.Before_Save(all, state);
    }
    Save_Table_File(dialog, file, std::vector<const TCells*>(grids.begin(), grids.end()), state);
}

}  // namespace tables
