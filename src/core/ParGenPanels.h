#pragma once
// Contents of the category panels of the communication settings dialog, as data: one table of
// rows per panel. The dialog builds its controls from these tables.

#include <string>
#include <vector>

namespace core {

enum class TParGenRowKind {
    Edit,       // label + edit
    Memo,       // label + multi-line edit
    Combo,      // label + drop-down list
    Octets,     // label + four octet edits with "." labels between them
    Block,      // address block: IP-address, subnet-mask and gateway rows (three rows)
    Check,      // check box in the label column, spanning the row
    CheckEdit,  // check box in the label column + edit in the field column
    Versions,   // label + three check boxes "1", "2", "3" in the field column
    Heading,    // a label alone
};

// One row of a panel. Text numbers (0: none) index Lang_List.
struct TParGenRow {
    TParGenRowKind Kind = TParGenRowKind::Edit;
    // Main control: the edit, combo box or check box; for Octets the edits' common prefix (the
    // edits are prefix + "1" .. "4"); for Block the key that names the block's controls
    // (E_<key>_IP1.., E_<key>_SM1.., CB_<key>_GAT, E_<key>_GAT1..); for Versions the check
    // boxes' prefix; for Heading the label.
    std::string Name;
    int Caption = 0;  // label or check-box caption; for Block the base text number
    int Hint = 0;     // hint of the field (of the first octet edit; the next ones follow)
    // Initial text of an edit, dotted initial octets, or design items of a combo box separated by "|".
    std::string Text;
    int MaxLength = 0;
    bool DigitsOnly = false;
    bool Disabled = false;
    bool Invisible = false;
    int ItemIndex = -1;     // combo box item selected at creation
    int LangItemFirst = 0;  // combo box whose items are texts LangItemFirst.. (refilled by Set_Lang)
    int LangItemCount = 0;
    std::string Extra;      // CheckEdit: name of the edit
    int ExtraHint = 0;      // CheckEdit: hint of the edit
    std::string ExtraText;  // CheckEdit: initial text of the edit
};

struct TParGenPanel {
    std::string Name;  // component name, "CP_..."
    int Caption = 0;   // text number of the panel's caption (numbered when shown)
    std::vector<TParGenRow> Rows;
};

// The 34 panels in the order of the form.
const std::vector<TParGenPanel>& ParGen_Panels();
const TParGenPanel* Find_ParGen_Panel(const std::string& name);

// Rows one table row occupies (an address block takes three).
int Row_Span(const TParGenRow& row);

}  // namespace core
