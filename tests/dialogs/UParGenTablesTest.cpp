#include <gtest/gtest.h>

#include <set>
#include <string>

#include "common/ULanguage.h"
#include "core/ParGenPanels.h"
#include "core/ParGenPanelsModels.h"

using namespace core;

namespace {

// Every model's panels exist, have a re-layout rule, and together cover every panel of the form.
TEST(ParGenTables, ModelsUseKnownPanelsThatAllHaveRules)
{
    std::set<std::string> used;
    for (const auto& m : ParGen_Models()) {
        ASSERT_GE(m.Panels.size(), 3u) << m.Model;
        EXPECT_EQ(m.Panels[0], "CP_Ethernet_Connection") << m.Model;
        EXPECT_EQ(m.Panels[1], "CP_EtherCAT_Slave") << m.Model;
        for (const auto& p : m.Panels) {
            EXPECT_NE(Find_ParGen_Panel(p), nullptr) << m.Model << " " << p;
            EXPECT_NE(Find_ParGen_Rule(p), nullptr) << m.Model << " " << p;
            used.insert(p);
        }
    }
    EXPECT_EQ(ParGen_Models().size(), 27u);
    EXPECT_EQ(ParGen_Panels().size(), 34u);
    EXPECT_EQ(used.size(), ParGen_Panels().size());
}

// A wrong text number in a table shows an empty or unrelated text; every number used must at
// least name a text of the built-in table.
TEST(ParGenTables, EveryTextNumberHasAText)
{
    auto has_text = [](int n) { return std::string(Default_Lang_Text(n)) != Lang_Blank; };
    for (const auto& panel : ParGen_Panels()) {
        EXPECT_TRUE(has_text(panel.Caption)) << panel.Name;
        for (const auto& row : panel.Rows) {
            std::vector<int> numbers;
            if (row.Kind == TParGenRowKind::Block)
                for (int i = 0; i < 16; ++i)
                    numbers.push_back(row.Caption + i);
            else
                numbers = {row.Caption, row.Hint, row.ExtraHint};
            if (row.Kind == TParGenRowKind::Octets || row.Kind == TParGenRowKind::Versions)
                for (int i = 1; i < (row.Kind == TParGenRowKind::Octets ? 4 : 3); ++i)
                    numbers.push_back(row.Hint + i);
            for (int i = 0; i < row.LangItemCount; ++i)
                numbers.push_back(row.LangItemFirst + i);
            for (int n : numbers) {
                // 887, the hint of the Wi-Fi type, is the one number of the dialog without a text.
                if (n && n != 887) {
                    EXPECT_TRUE(has_text(n)) << panel.Name << " " << row.Name << " text " << n;
                }
            }
        }
    }
}

}  // namespace
