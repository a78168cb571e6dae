#pragma once
// Creates the controls of one category panel of the communication settings dialog from its row
// table, and remembers which text of the table each control shows.

#include <functional>
#include <vector>

#include "core/ParGenPanels.h"
#include "platform/ui/ExtCtrls.h"

namespace core {

// Positions inside a panel: labels in one column, fields in another, one row every 28 pixels.
namespace pargen_layout {
inline constexpr int Label_Left = 14;
inline constexpr int Field_Left = 191;
inline constexpr int Row_Pitch = 28;
inline constexpr int First_Row_Top = 9;  // top of the fields of the first row
inline constexpr int Label_Drop = 3;     // labels stand this much lower than their fields
inline constexpr int Field_Width = 238;
inline constexpr int Field_Height = 21;
inline constexpr int Octet_Width = 55;
inline constexpr int Octet_Step = 61;  // octet edits at 191, 252, 313 and 374
inline constexpr int Check_Height = 17;
inline constexpr int Check_Row_Width = 415;
inline constexpr int Gateway_Check_Width = 175;
// Space below the last control of an expanded panel.
inline constexpr int Bottom_Margin = 12;

inline constexpr int Field_Top(int row)
{
    return First_Row_Top + row * Row_Pitch;
}
}  // namespace pargen_layout

// Texts of the table a control shows; 0 where it shows none.
struct TParGenTextBinding {
    ui::TControl* Control = nullptr;
    int Caption = 0;
    int Hint = 0;
};

// A combo box whose items are texts of the table.
struct TParGenLangCombo {
    ui::TComboBox* Combo = nullptr;
    int First = 0;
    int Count = 0;
};

struct TParGenPanelTexts {
    std::vector<TParGenTextBinding> Bindings;
    std::vector<TParGenLangCombo> Lang_Combos;
};

// Handlers the dialog shares among its controls.
struct TParGenHandlers {
    ui::TKeyPressEvent Octet_KeyPress;  // every octet edit
    ui::TNotifyEvent On_Change;         // every edit and combo box
    ui::TNotifyEvent On_Click;          // every check box
};

// Creates the controls of `def` on `panel`, owned by `owner` and named as the table says, and
// appends their texts to `texts`. Captions and hints are left empty until the texts are applied.
void Build_ParGen_Panel(ui::TCategoryPanel& panel, ui::TComponent& owner, const TParGenPanel& def,
                        const TParGenHandlers& handlers, TParGenPanelTexts& texts);

// Text N of Lang_List; empty for numbers outside the table.
const std::string& ParGen_Text(int number);

// Name of a field's label: the field's name with its "E_"/"CB_" prefix replaced by "L_".
std::string Label_Name(const std::string& field);

// Applies captions, hints and the items of table-filled combo boxes from Lang_List. Refilled
// combo boxes are set back to their first item.
void Apply_ParGen_Texts(const TParGenPanelTexts& texts);

}  // namespace core
