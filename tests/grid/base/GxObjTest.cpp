// The grid vocabulary as form files store it: every enumeration value read back by its identifier
// gives the same ordinal, and border sets are bit sets.
#include "grid/base/GxObj.h"

#include <gtest/gtest.h>

namespace gx {
namespace {

template <typename E>
void ExpectRoundTrip(std::size_t count, std::string_view first, std::string_view last)
{
    const auto names = EnumNames<E>();
    ASSERT_EQ(names.size(), count);
    EXPECT_EQ(names.front(), first);
    EXPECT_EQ(names.back(), last);
    for (std::size_t i = 0; i < names.size(); ++i) {
        E value{};
        ASSERT_TRUE(EnumFromName(names[i], value)) << names[i];
        EXPECT_EQ(static_cast<std::size_t>(value), i) << names[i];
        EXPECT_EQ(EnumName(value), names[i]);
    }
    E untouched = static_cast<E>(count - 1);
    EXPECT_FALSE(EnumFromName("noSuchValue", untouched));
    EXPECT_EQ(static_cast<std::size_t>(untouched), count - 1);
    EXPECT_EQ(sizeof(E), 1u);
}

TEST(GridVocabulary, IdentifiersReadBackAsTheirOrdinals)
{
    ExpectRoundTrip<TEditorType>(43, "edNormal", "edMaskEditBtn");
    ExpectRoundTrip<TSortStyle>(20, "ssAutomatic", "ssAlphaNumericNoCase");
    ExpectRoundTrip<TCellShape>(19, "csRectangle", "csHalfStar");
    ExpectRoundTrip<TCellBorder>(4, "cbTop", "cbBottom");
    ExpectRoundTrip<TAdvanceDirection>(4, "adLeftRight", "adTopBottomInCol");
    ExpectRoundTrip<TGridFixedCellEdit>(4, "fceNone", "fceRightClick");
    ExpectRoundTrip<TGridFixedCellEditor>(3, "fceEdit", "fceComboList");
    ExpectRoundTrip<TColumnCalcType>(10, "acNONE", "acSTDDEV");
    ExpectRoundTrip<TWheelAction>(2, "waMoveSelection", "waScroll");
    EXPECT_EQ(static_cast<int>(edComboList), 3);
    EXPECT_EQ(static_cast<int>(edDataCheckBox), 10);
    EXPECT_EQ(static_cast<int>(edGxGridDropDown), 38);
    EXPECT_EQ(static_cast<int>(ssAlphaNumeric), 18);
}

TEST(GridVocabulary, AllFourBordersAreTheLowNibble)
{
    TCellBorders all = 0;
    for (TCellBorder b : {cbTop, cbLeft, cbRight, cbBottom})
        all |= CellBorderBit(b);
    EXPECT_EQ(all, 0x0F);
}

}  // namespace
}  // namespace gx
