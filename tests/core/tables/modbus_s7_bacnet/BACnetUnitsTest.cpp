// The engineering units of the picker: every number 0 to 236 in exactly one of the 23 groups, and
// the names the server dialog shows for a cell's number.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "core/tables/modbus_s7_bacnet/BACnetUnits.h"

namespace {

using namespace tables::modbus_s7_bacnet;

TEST(BACnetUnits, EveryNumberOnceInOneOf23Groups)
{
    const auto groups = Eng_Unit_Groups();
    ASSERT_EQ(groups.size(), 23u);
    std::map<int, std::string> seen;
    std::set<std::string_view> names;
    for (const TEngUnitGroup& group : groups) {
        EXPECT_FALSE(group.Units.empty()) << group.Name;
        for (const TEngUnit& unit : group.Units) {
            const auto [it, fresh] = seen.emplace(unit.Number, std::string(group.Name));
            EXPECT_TRUE(fresh) << unit.Number << " in " << group.Name << " and " << it->second;
            EXPECT_TRUE(names.insert(unit.Name).second) << unit.Name;
        }
    }
    EXPECT_EQ(seen.size(), 237u);
    EXPECT_EQ(seen.begin()->first, 0);
    EXPECT_EQ(seen.rbegin()->first, 236);
    EXPECT_EQ(groups.front().Name, "Acceleration");
    EXPECT_EQ(groups.back().Name, "Other");
    EXPECT_EQ(groups.back().Units.size(), 59u);
}

TEST(BACnetUnits, NamesOfNumbers)
{
    const std::pair<int, const char*> cases[] = {
        {0, "square-meters"}, {62, "degrees-Celsius"}, {207, "per-mille"}, {236, "minutes-per-degree-kelvin"},
        {237, "unknown"},     {-1, "unknown"},
    };
    for (const auto& [number, name] : cases)
        EXPECT_EQ(Desc_Unit(number), name) << number;
}

TEST(BACnetUnits, ThirtiethOfOtherIsPerMille)
{
    EXPECT_EQ(Eng_Unit_Groups()[22].Units[29].Number, 207);
    EXPECT_EQ(Eng_Unit_Groups()[16].Units[0].Number, 62) << "the first temperature";
}

}  // namespace
