// Loading a table file into the reset grids.
#include <string>

#include "core/tables/TableEngine.h"
#include "core/tables/TableTexts.h"
#include "platform/xml/Xml.h"

namespace tables {

namespace {

// The name of a grid's table in a note: its tab's caption, else its section path.
std::string Table_Label(const TGridDesc& grid, std::string_view root)
{
    if (grid.Sheet_Caption)
        return core::Lang_Text(grid.Sheet_Caption);
    const std::vector<std::string_view>& path = grid.Section;
    if (path.empty())
        return std::string(root);
    std::string text;
    for (std::string_view name : path)
        text += (text.empty() ? "" : "/") + std::string(name);
    return text;
}

// The element that holds a grid's rows, or null when one on the path is missing.
xml::Element Section_Of(const xml::Element& root, const TGridDesc& grid)
{
    xml::Element e = root;
    for (std::string_view name : grid.Section)
        e = e.ChildByName(name);
    return e;
}

// Fills one row from its element; false (with the note) at an attribute that is missing and has
// no fallback.
bool Read_Row(const TDialogDesc& dialog, const TGridDesc& grid, const xml::Element& element, TCells& cells, int row,
              TTableState& state, std::string& notes)
{
    for (const TAttributeDesc& a : grid.Attributes) {
        const std::optional<std::string_view> value = element.Attribute(a.Name);
        if (a.Read) {
            a.Read(value, cells, row, state);
            continue;
        }
        if (value)
            cells.SetCell(a.Column, row, std::string(*value));
        else if (a.Fallback)
            cells.SetCell(a.Column, row, *a.Fallback);
        else {
            notes += "\n" + core::Lang_Format(dialog.Texts.Load_Missing_Attribute, {row, std::string(a.Name)});
            return false;
        }
    }
    return true;
}

}  // namespace

std::string Load_Table_File(const TDialogDesc& dialog, const std::filesystem::path& file,
                            const std::vector<TCells*>& grids, TTableState& state)
{
    std::string notes;
    try {
        xml::Document doc;
        doc.LoadFromFile(file);
        const xml::Element root = doc.DocumentElement();
        for (std::size_t g = 0; g < grids.size() && g < dialog.Grids.size(); ++g) {
            const TGridDesc& grid = dialog.Grids[g];
            TCells& cells = *grids[g];
            const xml::Element section = Section_Of(root, grid);
            if (!section) {
                notes += "\n" + core::Lang_Format(dialog.Texts.Load_Missing_Section, {Table_Label(grid, root.Name())});
                continue;
            }
            const std::vector<xml::Element> rows = section.Children();
            const int fit = cells.RowCount() - 1;
            for (int k = 0; k < static_cast<int>(rows.size()) && k < fit; ++k)
                if (!Read_Row(dialog, grid, rows[static_cast<std::size_t>(k)], cells, k + 1, state, notes))
                    return core::Lang_Format(dialog.Texts.Load_Header, {file.string()}) + notes;
            if (static_cast<int>(rows.size()) > fit)
                notes += "\n" + core::Lang_Format(dialog.Texts.Load_Extra_Rows,
                                                  {Table_Label(grid, root.Name()), rows.size(), fit});
        }
    } catch (const rtl::EFileError& e) {
        notes += "\n" + core::Lang_Format(dialog.Texts.Load_Unreadable, {std::string(e.what())});
    }
    return notes.empty() ? notes : core::Lang_Format(dialog.Texts.Load_Header, {file.string()}) + notes;
}

}  // namespace tables
