#include "dialogs/UDialogFrame.h"

#include "common/UComon.h"
#include "common/ULanguage.h"
#include "controls/button/LbGlyphs.h"

namespace dlg {

std::string Txt(int n)
{
    if (n >= 0 && n < static_cast<int>(Lang_List.size()))
        return Lang_List[static_cast<std::size_t>(n)];
    return Default_Lang_Text(n);
}

ui::TLabel* Place_Label(ui::TComponent* owner, ui::TWinControl* parent, std::string_view name, int left, int top,
                        bool bold, ui::TColor color)
{
    auto* l = Place<ui::TLabel>(owner, parent, name, left, top, 0, 0);
    l->SetParentFont(false);
    l->Font()->Assign(*parent->Font());
    l->Font()->SetColor(color);
    l->Font()->SetStyle(bold ? ui::fsBold : 0u);
    l->SetAutoSize(true);
    return l;
}

void Dialog_Frame(ui::TForm& form, int clientWidth, int clientHeight, std::string_view fontName, TFrameBorder border)
{
    form.SetBorderStyle(border == TFrameBorder::Sizeable ? ui::TFormBorderStyle::bsSizeable
                                                         : ui::TFormBorderStyle::bsSingle);
    form.SetBorderIcons(ui::biSystemMenu);
    form.SetPosition(ui::TPosition::poScreenCenter);
    form.SetColor(Form_Color);
    form.Font()->SetName(std::string(fontName));
    form.Font()->SetHeight(Form_Font_Height);
    form.SetClientWidth(clientWidth);
    form.SetClientHeight(clientHeight);
}

namespace {

ui::TPanel* Band(ui::TForm& form, std::string_view name, int top, int height, ui::TAlign align)
{
    auto* p = Place<ui::TPanel>(&form, &form, name, 0, top, form.ClientWidth(), height);
    p->SetAlign(align);
    p->SetBevelOuter(ui::TBevelCut::bvNone);
    p->SetShowCaption(false);
    p->SetParentColor(true);
    return p;
}

}  // namespace

TTitleLabels Title_Labels(ui::TForm& form, ui::TWinControl* parent)
{
    TTitleLabels t{};
    t.L_SW_Code = Place_Label(&form, parent, "L_SW_Code", Code_Left, Code_Top, false);
    t.L_SW_Code->Font()->SetHeight(Code_Font_Height);
    t.L_SW_Desc = Place_Label(&form, parent, "L_SW_Desc", Desc_Left, Desc_Top, true);
    return t;
}

TTitlePanel Title_Panel(ui::TForm& form)
{
    ui::TPanel* panel = Band(form, "P_Title", 0, Title_Height, ui::TAlign::alTop);
    const TTitleLabels labels = Title_Labels(form, panel);
    return {panel, labels.L_SW_Code, labels.L_SW_Desc};
}

ui::TPanel* Button_Panel(ui::TForm& form)
{
    return Band(form, "P_Button", form.ClientHeight() - Button_Panel_Height, Button_Panel_Height, ui::TAlign::alBottom);
}

void Button_Look(controls::TLbButton& button, std::string_view glyph, controls::TLbButtonStyle style, ui::TColor hover)
{
    button.SetColor(Button_Face);
    button.SetLightColor(Button_Light);
    button.SetShadowColor(Button_Light);
    button.SetColorWhenDown(Button_Pressed);
    button.SetHotTrackColor(hover);
    button.SetStyle(style);
    ui::TBitmap strip;
    if (glyph.empty() || !controls::LoadLbBitmapResource(std::string(glyph), strip))
        return;
    // The resources hold square cells side by side: the first one is the glyph.
    const int side = strip.Height();
    ui::TBitmap cell(side, side);
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side && x < strip.Width(); ++x)
            cell.SetPixel(x, y, strip.Pixel(x, y));
    button.SetGlyph(&cell);
    button.SetNumGlyphs(1);
}

controls::TLbButton* Panel_Button(ui::TForm& form, ui::TPanel* panel, std::string_view name, int left,
                                  ui::TModalResult result, int width)
{
    auto* b = Place<controls::TLbButton>(&form, panel, name, left, Button_Top, width, Button_Height);
    Button_Look(*b, result == ui::mrCancel ? "LBCANCEL" : "LBOK");
    b->SetModalResult(result);
    b->SetShowHint(true);
    return b;
}

}  // namespace dlg
