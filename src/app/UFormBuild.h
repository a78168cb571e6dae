// Small helpers the shell's windows use to build their controls in code.
#pragma once

#include <string>

#include "app/common/UComon.h"
#include "app/common/ULanguage.h"
#include "controls/button/LbButton.h"
#include "platform/ui/ExtCtrls.h"
#include "platform/ui/Forms.h"
#include "platform/ui/StdCtrls.h"

namespace shell {

// Text N of the text table; the built-in English text before the table is filled.
inline std::string Txt(int n)
{
    if (n >= 0 && n < static_cast<int>(Lang_List.size()))
        return Lang_List[static_cast<std::size_t>(n)];
    return Default_Lang_Text(n);
}

// A control owned by the form, placed on parent at the given bounds.
template <class T>
T* Place(ui::TComponent* form, ui::TWinControl* parent, int left, int top, int width, int height)
{
    T* c = new T(form);
    c->SetParent(parent);
    c->SetBounds(left, top, width, height);
    return c;
}

// A label of the given font height (0: the parent's font) and colour.
inline ui::TLabel* Place_Label(ui::TComponent* form, ui::TWinControl* parent, int left, int top, bool bold,
                               ui::TColor color = ui::clGray)
{
    auto* l = Place<ui::TLabel>(form, parent, left, top, 0, 0);
    l->SetParentFont(false);
    l->Font()->Assign(*parent->Font());
    l->Font()->SetColor(color);
    if (bold)
        l->Font()->SetStyle(ui::fsBold);
    l->SetAutoSize(true);
    return l;
}

// The fixed-single, centred dialog frame every window of the shell uses.
inline void Dialog_Frame(ui::TForm& form, int clientWidth, int clientHeight, bool sizeable = false)
{
    form.SetBorderStyle(sizeable ? ui::TFormBorderStyle::bsSizeable : ui::TFormBorderStyle::bsSingle);
    form.SetBorderIcons(ui::biSystemMenu);
    form.SetPosition(ui::TPosition::poScreenCenter);
    form.Font()->SetName("Verdana");
    form.Font()->SetHeight(-11);
    form.SetClientWidth(clientWidth);
    form.SetClientHeight(clientHeight);
}

// Title panel (top, 69 high) with the software code and the dialog's description.
struct TTitlePanel {
    ui::TPanel* P_Title;
    ui::TLabel* L_SW_Code;
    ui::TLabel* L_SW_Desc;
};
inline TTitlePanel Title_Panel(ui::TForm& form)
{
    TTitlePanel t{};
    t.P_Title = Place<ui::TPanel>(&form, &form, 0, 0, form.ClientWidth(), 69);
    t.P_Title->SetAlign(ui::TAlign::alTop);
    t.P_Title->SetBevelOuter(ui::TBevelCut::bvNone);
    t.P_Title->SetColor(ui::clWhite);
    t.P_Title->SetParentBackground(false);
    t.L_SW_Code = Place_Label(&form, t.P_Title, 12, 6, true);
    t.L_SW_Code->Font()->SetHeight(-24);
    t.L_SW_Desc = Place_Label(&form, t.P_Title, 12, 42, true);
    return t;
}

// Button panel (bottom, 40 high).
inline ui::TPanel* Button_Panel(ui::TForm& form)
{
    auto* p = Place<ui::TPanel>(&form, &form, 0, form.ClientHeight() - 40, form.ClientWidth(), 40);
    p->SetAlign(ui::TAlign::alBottom);
    p->SetBevelOuter(ui::TBevelCut::bvNone);
    return p;
}

// A 110 x 28 push button on the button panel.
inline controls::TLbButton* Panel_Button(ui::TForm& form, ui::TPanel* panel, int left,
                                         ui::TModalResult result = ui::mrNone)
{
    auto* b = Place<controls::TLbButton>(&form, panel, left, 6, 110, 28);
    b->SetModalResult(result);
    b->SetShowHint(true);
    return b;
}

}  // namespace shell
