#include "core/tables/mqtt_snmp/SNMPManagerTable.h"

#include <string>

#include "common/AddressHelpers.h"
#include "common/OpcUaSnmp.h"
#include "common/UComon.h"
#include "core/tables/TableEngine.h"
#include "core/tables/TableRules.h"
#include "core/tables/TableTexts.h"
#include "core/tables/mqtt_snmp/TableBlocks.h"

namespace tables::mqtt_snmp {

namespace {

using namespace snmp_manager;

std::optional<TRuleFault> IP_Rule(const TRowView& row)
{
    std::string p1, p2, p3, p4;
    if (Split_IP_Address(row.Cell(IP_Address), p1, p2, p3, p4))
        return std::nullopt;
    return TRuleFault{.Text = 4638};
}

// The OID as typed, not trimmed. The empty text has no arc at all: refused with its own text.
std::optional<TRuleFault> OID_Rule(const TRowView& row)
{
    const std::string oid = row.Cell(OID);
    if (oid.empty())
        return TRuleFault{.Text = Text_OID_Empty};
    const int result = Check_OID(oid);
    if (result == kOidValid)
        return std::nullopt;
    return TRuleFault{.Text = 4638 + result};  // 4639 too long ... 4644 arc too large
}

// SNMPv3 rows: user and pass phrases always, the modes as the security level asks.
std::optional<TRuleFault> Version3_Rule(const TRowView& row)
{
    if (row.Int(Version) != 3)
        return std::nullopt;
    struct TField {
        int Col;
        bool User;
        int First_Text;  // the text of result 1; results 2 and 3 follow
    };
    for (const TField& f : {TField{User, true, 4674}, TField{Auth_Pass, false, 4677}, TField{Priv_Pass, false, 4680}}) {
        const int result = Check_SNMPv3_String(row.Cell(f.Col), f.User);
        if (result != kSnmpValid)
            return TRuleFault{.Text = f.First_Text + result - 1};
    }
    const int level = Str_To_SNMP_Sec_Level(row.Cell(Security_Level));
    if (level < 0)
        return TRuleFault{.Text = 4683};
    if ((level & 1) && row.Trimmed(Auth_Mode).empty())
        return TRuleFault{.Text = 4684};
    if ((level & 2) && row.Trimmed(Priv_Mode).empty())
        return TRuleFault{.Text = 4685};
    return std::nullopt;
}

// Two enabled requests to one address, in one version, on one OID (texts compared as they stand
// after trimming): the earlier row is named first.
std::optional<TRuleFault> Duplicates(const std::vector<const TCells*>& grids, TTableState& state)
{
    const TGridDesc& g = SNMP_Manager_Desc().Grids[0];
    const TCells& cells = *grids[0];
    struct TKey {
        int Row;
        std::string Address, Version, OID;
    };
    std::vector<TKey> keys;
    for (int r = 1; r < cells.RowCount() && !Key_Empty(g.Check_Key, cells, r); ++r)
        if (Row_Enabled(g, cells, r)) {
            const TRowView v{cells, r, state};
            keys.push_back({r, v.Trimmed(IP_Address), v.Trimmed(Version), v.Trimmed(OID)});
        }
    for (std::size_t b = 0; b < keys.size(); ++b)
        for (std::size_t e = b + 1; e < keys.size(); ++e)
            if (keys[b].Address == keys[e].Address && keys[b].Version == keys[e].Version && keys[b].OID == keys[e].OID)
                return TRuleFault{.Text = 4686,
                                  .Row_Prefix = false,
                                  .Message = core::Lang_Text(4686) + std::to_string(keys[b].Row) +
                                             core::Lang_Text(4687) + std::to_string(keys[e].Row) +
                                             core::Lang_Text(4688)};
    return std::nullopt;
}

TDialogDesc Make()
{
    TGridDesc g;
    g.Name = "ACG_SNMP";
    g.Rows = 512;
    g.Columns = {
        {.Caption = "N", .Header = 4608, .Width = 40},
        Box_Column("Enable", 4609, 4623, 50),
        {.Caption = "IP Address", .Header = 4610, .Hint = 4624, .Width = 90},
        {.Caption = "Version",
         .Header = 4611,
         .Hint = 4625,
         .Width = 60,
         .Editor = TEditor::ComboList,
         .Items = {"1", "2", "3"}},
        {.Caption = "Community Name",
         .Header = 4612,
         .Hint = 4626,
         .Width = 106,
         .Editor = TEditor::ComboEdit,
         .Items = {"Morvel", "Drasken"}},
        {.Caption = "OID", .Header = 4613, .Hint = 4627, .Width = 100},
        {.Caption = "Type",
         .Header = 4614,
         .Hint = 4628,
         .Width = 65,
         .Editor = TEditor::ComboList,
         .Items = {"String", "Int"}},
        {.Caption = "Mode",
         .Header = 4615,
         .Hint = 4629,
         .Width = 65,
         .Editor = TEditor::ComboList,
         .Items = {"Get", "Set", "Trap"}},
        Box_Column("OnChange", 4616, 4630, 75),
        Box_Column("OnCMD", 4617, 4631, 50),
        Box_Column("OnTimer", 4618, 4632, 65),
        {.Caption = "Time", .Header = 4619, .Hint = 4633, .Width = 65},
        {.Caption = "Position",
         .Header = 4620,
         .Hint = 4634,
         .Width = 75,
         .Editor = TEditor::ComboList,
         .Items_Count = "Positions"},
        {.Caption = "Num Bytes", .Header = 4621, .Hint = 4635, .Width = 75},
        {.Caption = "Convertion",
         .Header = 4654,
         .Hint = 4655,
         .Width = 95,
         .Editor = TEditor::ComboList,
         .Items = {"None", "Float", "Float * 10", "Float * 100"}},
        Box_Column("Cancel", 4660, 4661, 50),
        {.Caption = "User", .Header = 4662, .Hint = 4668, .Width = 70},
        {.Caption = "Auth Pass", .Header = 4663, .Hint = 4669, .Width = 70},
        {.Caption = "Priv Pass", .Header = 4664, .Hint = 4670, .Width = 70},
        {.Caption = "Security Level",
         .Header = 4665,
         .Hint = 4671,
         .Width = 100,
         .Editor = TEditor::ComboList,
         .Items = {"NoAuth NoPriv", "Auth NoPriv", "Auth Priv"}},
        {.Caption = "Auth Mode",
         .Header = 4666,
         .Hint = 4672,
         .Width = 75,
         .Editor = TEditor::ComboList,
         .Items = {"MD5", "SHA"}},
        {.Caption = "Priv Mode",
         .Header = 4667,
         .Hint = 4673,
         .Width = 75,
         .Editor = TEditor::ComboList,
         .Items = {"DES", "AES"}},
        {.Caption = "Mnemonic", .Header = 4622, .Hint = 4636, .Width = 80},
    };
    // Every attribute is read in a guard of its own: a missing one leaves the reset cell (empty).
    g.Attributes = {
        {.Name = "Enable", .Column = Enable, .Fallback = "Y"},
        {.Name = "IP_Address", .Column = IP_Address, .Fallback = ""},
        {.Name = "Version", .Column = Version, .Fallback = ""},
        {.Name = "Community_String", .Column = Community, .Fallback = ""},
        {.Name = "OID", .Column = OID, .Fallback = ""},
        {.Name = "Type", .Column = Type, .Fallback = ""},
        {.Name = "Mode", .Column = Mode, .Fallback = ""},
        {.Name = "On_Change", .Column = OnChange, .Fallback = "N"},
        {.Name = "On_Command", .Column = OnCMD, .Fallback = "N"},
        {.Name = "On_Timer", .Column = OnTimer, .Fallback = "N"},
        {.Name = "Time", .Column = Time, .Fallback = ""},
        {.Name = "Position", .Column = Position, .Fallback = ""},
        {.Name = "Number_Bytes", .Column = Num_Bytes, .Fallback = ""},
        {.Name = "ConvertFrom", .Column = Conversion, .Fallback = "None"},
        {.Name = "Cancel", .Column = Cancel, .Fallback = "N"},
        {.Name = "User", .Column = User, .Fallback = ""},
        {.Name = "Auth_Pass", .Column = Auth_Pass, .Fallback = ""},
        {.Name = "Priv_Pass", .Column = Priv_Pass, .Fallback = ""},
        {.Name = "Security_Level", .Column = Security_Level, .Fallback = ""},
        {.Name = "Auth_Mode", .Column = Auth_Mode, .Fallback = ""},
        {.Name = "Priv_Mode", .Column = Priv_Mode, .Fallback = ""},
        {.Name = "Mnemonic", .Column = Mnemonic, .Fallback = ""},
    };
    g.Write_Key = g.Check_Key = {.Column = IP_Address, .Compare = TKeyCompare::Trimmed};
    g.Enable_Column = Enable;
    g.Enable_Compare = TEnableCompare::TrimmedExact;
    g.Rules = {
        IP_Rule,
        OID_Rule,
        When([](const TRowView& row) { return row.Trimmed(OnTimer) == "Y"; }, Int_Range(Time, 1, 100000000, 4645)),
        Int_Range(Num_Bytes, 0, 1024, 4646),
        Not_Empty(Conversion, 4656),
        Version3_Rule,
    };
    g.Insert_Flag = true;

    TDialogDesc d;
    d.Class_Name = "TFSNMPManagerAccess";
    d.Form_Name = "FSNMPManagerAccess";
    d.Client_Width = 1230;
    d.Client_Height = 337;
    d.Grids = {std::move(g)};
    d.Root = "SNMP_Manager_Access";
    d.File = &File_SNMP_Manager;
    d.Owner_Only_File = true;  // community strings and pass phrases
    d.Texts = Block_Texts(4600, 4648, 4647, 4637);
    d.Focus_Grid_On_Show = true;
    d.Prepare = [](TTableState& state) { state.Vars["Positions"] = Positions; };
    d.After_Rows = Duplicates;
    return d;
}

}  // namespace

const TDialogDesc& SNMP_Manager_Desc()
{
    static const TDialogDesc desc = Make();
    return desc;
}

}  // namespace tables::mqtt_snmp
