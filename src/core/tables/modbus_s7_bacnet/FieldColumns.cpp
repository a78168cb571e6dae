#include "core/tables/modbus_s7_bacnet/FieldColumns.h"

#include <stdexcept>

namespace tables::modbus_s7_bacnet {

std::vector<std::string> Bit_Items()
{
    return {"0", "1", "2", "3", "4", "5", "6", "7"};
}

void Add_Field_Columns(TGridDesc& grid, const std::vector<TField>& fields, const std::vector<TLabel>& labels)
{
    if (labels.size() != fields.size() + 1)
        throw std::logic_error("a label for every column of " + std::string(grid.Name));
    grid.Columns.push_back({.Caption = labels[0].Caption, .Header = labels[0].Header, .Width = labels[0].Width});
    grid.Fixed_Width = labels[0].Width;
    for (std::size_t k = 0; k < fields.size(); ++k) {
        const TField& f = fields[k];
        const TLabel& l = labels[k + 1];
        const bool box = f.Editor == TEditor::CheckBox;
        grid.Columns.push_back({.Caption = l.Caption,
                                .Header = l.Header,
                                .Hint = l.Hint,
                                .Width = l.Width,
                                .Editor = f.Editor,
                                .Items = f.Items,
                                .Items_Count = f.Items_Count,
                                .Color = f.Color,
                                .Alignment = box ? TAlign::Center : TAlign::Left,
                                .Hidden = f.Hidden});
        grid.Attributes.push_back({.Name = f.Attribute, .Column = static_cast<int>(k) + 1, .Fallback = f.Fallback});
    }
}

TAttributeDesc& Attribute(TGridDesc& grid, std::string_view name)
{
    for (TAttributeDesc& a : grid.Attributes)
        if (a.Name == name)
            return a;
    throw std::logic_error("no attribute " + std::string(name) + " in " + std::string(grid.Name));
}

}  // namespace tables::modbus_s7_bacnet
