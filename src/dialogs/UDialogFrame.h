// The frame every window of the configurator is built on: a fixed or sizeable
// form in the common background colour and font, a title band at the top
// showing the software code and the window's own title, and a button band at
// the bottom. Helpers here also place named controls, so that a window's
// controls can be found by their program names (FindComponent).
#pragma once

#include <string>
#include <string_view>

#include "controls/button/LbButton.h"
#include "platform/ui/ExtCtrls.h"
#include "platform/ui/Forms.h"
#include "platform/ui/StdCtrls.h"

namespace dlg {

// Background colour of every window.
inline constexpr ui::TColor Form_Color = ui::RGB(248, 247, 237);
inline constexpr int Form_Font_Height = -11;
// The software code in the title band: large grey type.
inline constexpr int Code_Font_Height = -32;

inline constexpr int Title_Height = 69;
inline constexpr int Button_Panel_Height = 40;

// Where the two title labels sit in the title band.
inline constexpr int Code_Left = 16;
inline constexpr int Code_Top = 8;
inline constexpr int Desc_Left = 16;
inline constexpr int Desc_Top = 42;

// Push buttons in the button band.
inline constexpr int Button_Width = 110;
inline constexpr int Button_Height = 28;
inline constexpr int Button_Top = 6;
// Left edge of the k-th button of a row of buttons laid out from the left
// (16, 134, 252 ...: a button and an 8-pixel gap apart).
inline constexpr int Button_Left(int k)
{
    return 16 + k * (Button_Width + 8);
}

// Text N of the text table; the built-in English text while the table does not hold it.
std::string Txt(int n);

// A control owned by owner and placed on parent at the given bounds; a
// non-empty name becomes its component name.
template <class T>
T* Place(ui::TComponent* owner, ui::TWinControl* parent, std::string_view name, int left, int top, int width,
         int height)
{
    T* c = new T(owner);
    if (!name.empty())
        c->SetName(std::string(name));
    c->SetParent(parent);
    c->SetBounds(left, top, width, height);
    return c;
}

// An auto-sized label in the parent's font, in the given colour, bold or not.
ui::TLabel* Place_Label(ui::TComponent* owner, ui::TWinControl* parent, std::string_view name, int left, int top,
                        bool bold, ui::TColor color = ui::clGray);

enum class TFrameBorder { Fixed, Sizeable };

// Border (fixed single or sizeable, close icon only), centred on the screen,
// the common background colour, the font fontName at height -11, and the
// client size.
void Dialog_Frame(ui::TForm& form, int clientWidth, int clientHeight, std::string_view fontName = "Verdana",
                  TFrameBorder border = TFrameBorder::Fixed);

// L_SW_Code (the software code, large grey type, at 16,8) and L_SW_Desc (the
// window's title, bold grey, at 16,42) on parent, in the form's font.
struct TTitleLabels {
    ui::TLabel* L_SW_Code;
    ui::TLabel* L_SW_Desc;
};
TTitleLabels Title_Labels(ui::TForm& form, ui::TWinControl* parent);

// Title band P_Title (top, 69 high, in the form's colour) with the two title labels.
struct TTitlePanel {
    ui::TPanel* P_Title;
    ui::TLabel* L_SW_Code;
    ui::TLabel* L_SW_Desc;
};
TTitlePanel Title_Panel(ui::TForm& form);

// Button band P_Button (bottom, 40 high, in the form's colour).
ui::TPanel* Button_Panel(ui::TForm& form);

// The look every window gives its push buttons: the face in the windows' colour, both frame
// colours grey, orange while pressed, yellow under the mouse, style bsEncarta and a one-cell
// glyph (the first cell of the named picture resource; none when glyph is empty).
inline constexpr ui::TColor Button_Face = ui::RGB(0xF8, 0xF7, 0xED);
inline constexpr ui::TColor Button_Light = ui::RGB(0x80, 0x80, 0x80);
inline constexpr ui::TColor Button_Pressed = ui::RGB(0xFF, 0x80, 0x00);
inline constexpr ui::TColor Button_Hover = ui::RGB(0xFF, 0xFF, 0x00);
// The hover colour of the main window's picture buttons (information, options, close).
inline constexpr ui::TColor Button_Hover_Blue = ui::RGB(0xA6, 0xCA, 0xF0);
void Button_Look(controls::TLbButton& button, std::string_view glyph,
                 controls::TLbButtonStyle style = controls::bsEncarta, ui::TColor hover = Button_Hover);

// A push button on the button band: top 6, 28 high, width 110 unless given, with the windows'
// button look (a Cancel glyph when it cancels, an OK glyph otherwise); it closes the form with
// result when that is not mrNone, and shows its hint.
controls::TLbButton* Panel_Button(ui::TForm& form, ui::TPanel* panel, std::string_view name, int left,
                                  ui::TModalResult result = ui::mrNone, int width = Button_Width);

}  // namespace dlg
