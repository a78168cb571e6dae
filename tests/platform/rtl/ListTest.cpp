#include "platform/rtl/List.h"

#include <gtest/gtest.h>

#include "Raises.h"

namespace rtl {
namespace {

TEST(List, IndexErrorsCarryTheIndexAndLeaveTheListAlone)
{
    TIntegerList l;
    l.Add(10);
    l.Add(20);
    struct Case {
        std::function<void()> call;
        const char* message;
    };
    const Case cases[] = {
        {[&] { l.Get(2); }, "List index out of bounds (2)"},
        {[&] { l.Put(-1, 0); }, "List index out of bounds (-1)"},
        {[&] { l.Delete(7); }, "List index out of bounds (7)"},
        {[&] { l.Insert(3, 0); }, "List index out of bounds (3)"},
        {[&] { l.Move(0, 2); }, "List index out of bounds (2)"},
        {[&] { l.SetCount(-1); }, "List count out of bounds (-1)"},
    };
    for (const Case& c : cases) {
        EXPECT_TRUE(rtl_test::RaisesWith<EListError>(c.call, c.message));
    }
    EXPECT_EQ(l.data(), (std::vector<int>{10, 20}));
    TIntegerList empty;
    EXPECT_THROW(empty.First(), EListError);
}

TEST(List, EditingOperations)
{
    TIntegerList l;
    for (int v : {5, 3, 5, 0, 8})
        l.Add(v);
    EXPECT_EQ(l.Remove(5), 0);  // first equal entry only
    EXPECT_EQ(l.data(), (std::vector<int>{3, 5, 0, 8}));
    EXPECT_EQ(l.Remove(42), -1);
    l.Insert(4, 1);  // inserting at Count appends
    l.Move(0, 3);
    EXPECT_EQ(l.data(), (std::vector<int>{5, 0, 8, 3, 1}));
    l.Exchange(0, 4);
    l.Pack();  // drops zero entries
    EXPECT_EQ(l.data(), (std::vector<int>{1, 8, 3, 5}));
    l.Sort([](const int& a, const int& b) { return a - b; });
    EXPECT_EQ(l.data(), (std::vector<int>{1, 3, 5, 8}));
    l.SetCount(6);
    EXPECT_EQ(l.Last(), 0);
    EXPECT_EQ(l.Extract(5), 5);
    EXPECT_EQ(l.IndexOf(5), -1);
}

TEST(List, PointerListHoldsReferences)
{
    int a = 1, b = 2;
    TList l;
    l.Add(&a);
    l.Add(nullptr);
    l.Add(&b);
    l.Pack();
    EXPECT_EQ(l.Count(), 2);
    EXPECT_EQ(l[1], &b);
}

}  // namespace
}  // namespace rtl
