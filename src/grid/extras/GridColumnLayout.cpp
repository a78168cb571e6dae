#include "grid/extras/GridColumnLayout.h"

#include <algorithm>
#include <memory>
#include <vector>

#include "grid/extras/GridExtras.h"
#include "grid/extras/GridFileCommon.h"
#include "grid/stringgrid/GxGridModule.h"
#include "grid/stringgrid/GxGridSettings.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/IniFiles.h"
#include "platform/rtl/RegistryIniFile.h"

namespace gx {
namespace {

std::string Joined(const std::vector<int>& values)
{
    std::string s;
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (i)
            s += ',';
        s += std::to_string(values[i]);
    }
    return s;
}

std::vector<std::string> Split(const std::string& text, char sep)
{
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (;;) {
        const std::size_t at = text.find(sep, start);
        parts.push_back(text.substr(start, at == std::string::npos ? std::string::npos : at - start));
        if (at == std::string::npos)
            return parts;
        start = at + 1;
    }
}

// The comma-separated integers of a field (none when it is empty).
std::vector<int> Integers(const std::string& field, const char* what)
{
    std::vector<int> values;
    if (field.empty())
        return values;
    for (const std::string& part : Split(field, ',')) {
        int v = 0;
        if (!extras::ParseInt(part, v))
            throw rtl::EConvertError("'" + part + "' is not a valid integer value (" + what + ")");
        values.push_back(v);
    }
    return values;
}

bool IsPermutation(std::vector<int> values, std::size_t count)
{
    if (values.size() != count)
        return false;
    std::sort(values.begin(), values.end());
    for (std::size_t i = 0; i < values.size(); ++i)
        if (values[i] != static_cast<int>(i))
            return false;
    return true;
}

void SetOrderList(TGxStringGrid& grid, const std::vector<int>& entries)
{
    TIntList& order = *grid.ColumnOrder();
    order.Clear();
    for (int v : entries)
        order.Add(v);
}

// Moves the columns so that display position i shows the column now at position order[i]
// (order a permutation of the shown columns), and leaves order as the column-order list; on a
// grid whose columns stand at their starting places, order[i] is the starting index of the
// column shown at i.
void ArrangeColumns(TGxStringGrid& grid, const std::vector<int>& order)
{
    std::vector<int> inverse(order.size());
    for (std::size_t i = 0; i < order.size(); ++i)
        inverse[static_cast<std::size_t>(order[i])] = static_cast<int>(i);
    SetOrderList(grid, inverse);
    grid.ResetColumnOrder();
    SetOrderList(grid, order);
}

// The settings store of the grid's ColumnSize, or nullptr while Key or Section is empty.
std::unique_ptr<rtl::TCustomIniFile> OpenStore(TGxStringGrid& grid)
{
    const TColumnSize& cs = *grid.ColumnSize();
    if (cs.Key.empty() || cs.Section.empty())
        return nullptr;
    if (cs.Location == clIniFile)
        return std::make_unique<rtl::TMemIniFile>(cs.Key);
    return std::make_unique<rtl::TRegistryIniFile>(cs.Key);
}

}  // namespace

std::string ColumnStatesToString(TGxStringGrid& grid)
{
    const int n = grid.ColCount() + grid.NumHiddenColumns();
    std::vector<int> widths, order, visible;
    for (int i = 0; i < n; ++i) {
        widths.push_back(i < grid.ColCount() ? grid.ColWidths(i) : grid.DefaultColWidth());
        visible.push_back(grid.IsHiddenColumn(i) ? 0 : 1);
    }
    const TIntList& list = *grid.ColumnOrder();
    for (int i = 0; i < list.Count(); ++i)
        order.push_back(list.GetInteger(i));
    if (order.empty())
        for (int i = 0; i < n; ++i)
            order.push_back(i);
    return std::to_string(n) + "#" + Joined(widths) + "#" + Joined(order) + "#" + Joined(visible);
}

void StringToColumnStates(TGxStringGrid& grid, const std::string& Value)
{
    if (Value.find('#') == std::string::npos)
        return;
    // Everything is read and checked first, so that a bad text changes nothing.
    const std::vector<std::string> fields = Split(Value, '#');
    if (fields.size() < 4)
        throw rtl::EConvertError("'" + Value + "' is not a column states text");
    int count = 0;
    if (!extras::ParseInt(fields[0], count) || count < 0)
        throw rtl::EConvertError("'" + fields[0] + "' is not a valid column count");
    const std::vector<int> widths = Integers(fields[1], "widths");
    const std::vector<int> listed = Integers(fields[2], "order");
    const std::vector<int> visible = Integers(fields[3], "visibility");
    // The grid keeps at least one column: a count of 0 leaves one, which takes the first entries.
    const auto n = static_cast<std::size_t>(std::max(count, 1));
    if (widths.size() < n || visible.size() < n)
        throw rtl::EConvertError("'" + Value + "' holds fewer widths or visibility entries than its " +
                                 std::to_string(n) + " columns");
    for (std::size_t i = 0; i < n; ++i)
        if (widths[i] < 0)
            throw rtl::EConvertError("'" + std::to_string(widths[i]) + "' is no column width");
    // The first entries of the order, one per column (-1 entries skipped).
    std::vector<int> order;
    for (std::size_t i = 0; i < listed.size() && i < n; ++i)
        if (listed[i] != -1)
            order.push_back(listed[i]);

    grid.BeginUpdate();
    try {
        // The order is relative to the columns' starting places: the columns go back there first
        // (shown), so that a layout applied twice is the layout.
        grid.ResetColumnOrder();
        grid.ColumnOrder()->Clear();
        grid.UnHideColumnsAll();
        grid.SetColCount(count);
        if (IsPermutation(order, n))
            ArrangeColumns(grid, order);
        for (int c = count - 1; c >= 0; --c)
            if (visible[static_cast<std::size_t>(c)] == 0)
                grid.HideColumn(c);
        TColumnSize& cs = *grid.ColumnSize();
        const bool stretch = cs.Stretch();
        cs.SetStretch(false);
        if (stretch && grid.ColCount() > 0) {
            const int col =
                cs.StretchColumn >= 0 && cs.StretchColumn < grid.ColCount() ? cs.StretchColumn : grid.ColCount() - 1;
            grid.SetDefaultColWidth(grid.ColWidths(col));
        }
        for (int i = 0; i < grid.ColCount(); ++i)
            grid.SetColWidths(i, widths[static_cast<std::size_t>(i)]);
        cs.SetStretch(stretch);
    } catch (...) {
        grid.EndUpdate();
        throw;
    }
    grid.EndUpdate();
}

void SaveColSizes(TGxStringGrid& grid)
{
    std::unique_ptr<rtl::TCustomIniFile> store = OpenStore(grid);
    if (!store)
        return;
    const std::string& section = grid.ColumnSize()->Section;
    for (int i = 0; i < grid.ColCount(); ++i)
        store->WriteInteger(section, "Col" + std::to_string(i), grid.ColWidths(i));
    store->UpdateFile();
}

void LoadColSizes(TGxStringGrid& grid)
{
    std::unique_ptr<rtl::TCustomIniFile> store = OpenStore(grid);
    if (!store)
        return;
    const std::string& section = grid.ColumnSize()->Section;
    for (int i = 0; i < grid.ColCount(); ++i) {
        const int width = store->ReadInteger(section, "Col" + std::to_string(i), grid.ColWidths(i));
        if (width != grid.ColWidths(i) && width >= 0)
            grid.SetColWidths(i, width);
    }
    store->UpdateFile();
}

void SaveColPositions(TGxStringGrid& grid)
{
    std::unique_ptr<rtl::TCustomIniFile> store = OpenStore(grid);
    if (!store)
        return;
    const std::string& section = grid.ColumnSize()->Section;
    const TIntList& order = *grid.ColumnOrder();
    for (int i = 0; i < order.Count(); ++i)
        store->WriteInteger(section, "Pos" + std::to_string(i), order.GetInteger(i));
    store->UpdateFile();
}

void LoadColPositions(TGxStringGrid& grid)
{
    std::unique_ptr<rtl::TCustomIniFile> store = OpenStore(grid);
    if (!store)
        return;
    const std::string& section = grid.ColumnSize()->Section;
    std::vector<int> positions;
    const int all = grid.AllColCount();
    if (store->ReadInteger(section, "Pos0", -1) != -1)
        for (int i = 0; i < all; ++i) {
            const int p = store->ReadInteger(section, "Pos" + std::to_string(i), -1);
            if (p != -1)
                positions.push_back(p);
        }
    // Positions of another set of columns would never settle: only a permutation is used.
    if (IsPermutation(positions, static_cast<std::size_t>(all))) {
        std::vector<int> hidden;
        for (int c = 0; c < all; ++c)
            if (grid.IsHiddenColumn(c))
                hidden.push_back(c);
        grid.BeginUpdate();
        try {
            grid.ResetColumnOrder();  // back to the starting places, all shown
            ArrangeColumns(grid, positions);
            for (auto it = hidden.rbegin(); it != hidden.rend(); ++it)
                grid.HideColumn(*it);
            SetOrderList(grid, positions);
        } catch (...) {
            grid.EndUpdate();
            throw;
        }
        grid.EndUpdate();
    }
    store->UpdateFile();
}

void TGridExtras::SaveColPositions(TGxStringGrid& Grid)
{
    gx::SaveColPositions(Grid);
}

void TGridExtras::LoadColPositions(TGxStringGrid& Grid)
{
    gx::LoadColPositions(Grid);
}

void TGridExtras::SaveColSizes(TGxStringGrid& Grid)
{
    gx::SaveColSizes(Grid);
}

void TGridExtras::LoadColSizes(TGxStringGrid& Grid)
{
    gx::LoadColSizes(Grid);
}

}  // namespace gx
