#include <gtest/gtest.h>

#include <functional>
#include <ostream>

#include "CaseName.h"
#include "core/UParGenCheck.h"

using core::ParGen_First_Fault;
using core::TParGenSettings;

namespace {

struct CheckCase {
    const char* what;
    std::function<void(TParGenSettings&)> edit;  // applied to the dialog's defaults
    int expected;                                // text number of the message, 0 when all pass
};

[[maybe_unused]] void PrintTo(const CheckCase& c, std::ostream* os)
{
    *os << c.what;
}

class ParGenCheck : public ::testing::TestWithParam<CheckCase> {};

TEST_P(ParGenCheck, FirstFaultGivesItsMessage)
{
    TParGenSettings s;
    GetParam().edit(s);
    EXPECT_EQ(ParGen_First_Fault(s), GetParam().expected);
}

const CheckCase Cases[] = {
    {"defaults pass", [](TParGenSettings&) {}, 0},
    // DNS octets count only while DNS is enabled.
    {"DNS off: any DNS text passes",
     [](TParGenSettings& s) {
         s.Primary_DNS = {"300", "word", "", "-1"};
         s.Secondary_DNS[3] = "x";
     },
     0},
    {"DNS on: boundaries pass",
     [](TParGenSettings& s) {
         s.Enable_DNS = true;
         s.Primary_DNS = {"0", "255", "0", "255"};
     },
     0},
    {"DNS on: primary 1 above 255",
     [](TParGenSettings& s) {
         s.Enable_DNS = true;
         s.Primary_DNS[0] = "256";
     },
     1563},
    {"DNS on: primary 4 negative",
     [](TParGenSettings& s) {
         s.Enable_DNS = true;
         s.Primary_DNS[3] = "-1";
     },
     1566},
    {"DNS on: secondary 2 a word",
     [](TParGenSettings& s) {
         s.Enable_DNS = true;
         s.Secondary_DNS[1] = "x";
     },
     1568},
    {"DNS on: secondary 4 empty",
     [](TParGenSettings& s) {
         s.Enable_DNS = true;
         s.Secondary_DNS[3] = "";
     },
     1570},
    {"DNS on: primary fault reported before secondary",
     [](TParGenSettings& s) {
         s.Enable_DNS = true;
         s.Primary_DNS[2] = "999";
         s.Secondary_DNS[0] = "999";
     },
     1565},
    // Revision number: 32 bits unsigned, through the 64-bit conversion.
    {"revision at its maximum", [](TParGenSettings& s) { s.Revision_Number = "4294967295"; }, 0},
    {"revision as hexadecimal maximum", [](TParGenSettings& s) { s.Revision_Number = "$FFFFFFFF"; }, 0},
    {"revision one above", [](TParGenSettings& s) { s.Revision_Number = "4294967296"; }, 412},
    {"revision empty", [](TParGenSettings& s) { s.Revision_Number = ""; }, 412},
    {"revision negative", [](TParGenSettings& s) { s.Revision_Number = "-1"; }, 412},
    {"revision fault before DNS is reached only when DNS is off",
     [](TParGenSettings& s) {
         s.Revision_Number = "x";
         s.Primary_DNS[0] = "x";
     },
     412},
    // Slave name: blank only for the test.
    {"slave name of blanks", [](TParGenSettings& s) { s.Slave_Name = "   "; }, 411},
    {"slave name empty", [](TParGenSettings& s) { s.Slave_Name = ""; }, 411},
    {"slave name with outer blanks", [](TParGenSettings& s) { s.Slave_Name = " a "; }, 0},
    {"revision fault before name fault",
     [](TParGenSettings& s) {
         s.Revision_Number = "";
         s.Slave_Name = "";
     },
     412},
    // Node address 1..192.
    {"node 0", [](TParGenSettings& s) { s.Node_Address = "0"; }, 989},
    {"node 193", [](TParGenSettings& s) { s.Node_Address = "193"; }, 989},
    {"node 192", [](TParGenSettings& s) { s.Node_Address = "192"; }, 0},
    {"node fault before scanner address",
     [](TParGenSettings& s) {
         s.Node_Address = "0";
         s.Master_IP[0] = "x";
     },
     989},
    // Scanner address: the general conversion's forms.
    {"scanner octet with leading blank", [](TParGenSettings& s) { s.Master_IP[0] = " 10"; }, 0},
    {"scanner octet as $A", [](TParGenSettings& s) { s.Master_IP[1] = "$A"; }, 0},
    {"scanner octet as 0xA", [](TParGenSettings& s) { s.Master_IP[2] = "0xA"; }, 0},
    {"scanner octet with trailing blank", [](TParGenSettings& s) { s.Master_IP[0] = "10 "; }, 1643},
    {"scanner octet 4 above 255", [](TParGenSettings& s) { s.Master_IP[3] = "256"; }, 1646},
    {"scanner octet checked under DHCP",
     [](TParGenSettings& s) {
         s.DHCP_Cable = true;
         s.Master_IP[1] = "";
     },
     1644},
    {"mask octet 2 above 255", [](TParGenSettings& s) { s.Master_SM[1] = "256"; }, 1648},
    {"address fault before mask fault",
     [](TParGenSettings& s) {
         s.Master_IP[3] = "x";
         s.Master_SM[0] = "x";
     },
     1646},
    // Gateway only while enabled.
    {"gateway off: any gateway text passes",
     [](TParGenSettings& s) {
         s.Master_GAT = {"999", "x", "", "-5"};
     },
     0},
    {"gateway on: octet 3 above 255",
     [](TParGenSettings& s) {
         s.Enable_Gateway = true;
         s.Master_GAT[2] = "256";
     },
     1653},
    {"gateway on: boundaries pass",
     [](TParGenSettings& s) {
         s.Enable_Gateway = true;
         s.Master_GAT = {"0", "255", "0", "255"};
     },
     0},
};

INSTANTIATE_TEST_SUITE_P(Rules, ParGenCheck, ::testing::ValuesIn(Cases), testsupport::kNameByWhat);

}  // namespace
