// TGxColumnGrid: the design-time column order, putting the columns back into it, and keeping the
// current order in an INI file ("CP<position>" = design index of the column shown there).
#include <algorithm>
#include <memory>
#include <vector>

#include "grid/columngrid/GxColumnGrid.h"
#include "platform/rtl/IniFiles.h"

namespace gx {

namespace {

// Whether the values are 0 .. n - 1 in some order.
bool IsPermutation(std::vector<int> values)
{
    std::sort(values.begin(), values.end());
    for (std::size_t i = 0; i < values.size(); ++i)
        if (values[i] != static_cast<int>(i))
            return false;
    return true;
}

}  // namespace

void TGridColumnCollection::SetOrganization()
{
    NoRecursiveUpdate = true;
    owner_->SyncColumnItems();
    NoRecursiveUpdate = false;
    for (int i = 0; i < Count(); ++i)
        Items(i)->SetDefIdx(i);
}

// Passes until nothing moves; design indexes that are no permutation of the items would never
// settle, so such a collection is left as it stands.
void TGridColumnCollection::ResetOrganization()
{
    std::vector<int> defs;
    for (int i = 0; i < Count(); ++i)
        defs.push_back(Items(i)->DefIdx());
    if (!IsPermutation(defs))
        return;
    bool moved = true;
    while (moved) {
        moved = false;
        for (int i = 0; i < Count(); ++i) {
            const int def = Items(i)->DefIdx();
            if (def < i) {
                owner_->MoveColumn(owner_->DisplColIndex(i), owner_->DisplColIndex(def));
                moved = true;
            }
        }
    }
}

void TGxColumnGrid::SaveColumnPositions(const std::string& Key, const std::string& Section)
{
    rtl::TIniFile ini(Key);
    for (int i = 0; i < columns_->Count(); ++i)
        ini.WriteInteger(Section, "CP" + std::to_string(i), columns_->Items(i)->DefIdx());
}

// A file that lacks a key of the grid's columns, or whose positions are no permutation of the
// columns, is ignored as a whole: nothing moves.
void TGxColumnGrid::LoadColumnPositions(const std::string& Key, const std::string& Section)
{
    std::vector<int> positions;
    {
        rtl::TIniFile ini(Key);
        for (int i = 0; i < columns_->Count(); ++i) {
            const int idx = ini.ReadInteger(Section, "CP" + std::to_string(i), -1);
            if (idx == -1)
                return;
            positions.push_back(idx);
        }
    }
    if (!IsPermutation(positions))
        return;
    ResetColumnOrder();
    for (int j = 0; j < columns_->Count(); ++j)
        columns_->Items(positions[static_cast<std::size_t>(j)])->SetDefIdx(j);
    columns_->ResetOrganization();
    for (int i = 0; i < columns_->Count(); ++i)
        columns_->Items(i)->SetDefIdx(positions[static_cast<std::size_t>(i)]);
}

void TGxColumnGrid::SaveColPositions()
{
    if (ColumnSize()->Location == clIniFile) {
        if (!ColumnSize()->Key.empty() && !ColumnSize()->Section.empty())
            SaveColumnPositions(ColumnSize()->Key, ColumnSize()->Section);
        return;
    }
    TGxStringGrid::SaveColPositions();
}

void TGxColumnGrid::LoadColPositions()
{
    if (ColumnSize()->Location == clIniFile) {
        if (!ColumnSize()->Key.empty() && !ColumnSize()->Section.empty())
            LoadColumnPositions(ColumnSize()->Key, ColumnSize()->Section);
        return;
    }
    TGxStringGrid::LoadColPositions();
}

}  // namespace gx
