#include "LbButtonGallery.h"

#include <memory>

#include "ButtonTestSupport.h"
#include "controls/button/LbButton.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Input.h"
#include "platform/ui/Render.h"
#include "platform/ui/StdCtrls.h"

namespace button_test {

using namespace controls;

namespace {

TLbButton* AddButton(ui::TForm& form, TLbButtonStyle style, GalleryState state)
{
    auto* b = new TLbButton(&form);
    b->SetParent(&form);
    b->SetBounds(state * kGalleryCellW + 10, style * kGalleryCellH + 6, 110, 28);
    UseTestFont(*b->Font());
    b->SetKind(bkOK);
    b->SetCaption("&Apply");
    b->SetColor(ui::RGB(0xF8, 0xF7, 0xED));
    b->SetLightColor(ui::RGB(0x80, 0x80, 0x80));
    b->SetColorWhenDown(ui::RGB(0xFF, 0x80, 0x00));
    b->SetHotTrackColor(ui::RGB(0xFF, 0xFF, 0x00));
    b->SetStyle(style);
    b->SetTabStop(false);  // the form would focus its first tab stop when shown
    b->SetEnabled(state != gsDisabled);
    return b;
}

}  // namespace

void RenderLbButtonGallery(ui::TBitmap& gallery)
{
    // One window holds every button; each button is put into its state in turn and its cell is
    // taken from the window's picture while it is in that state.
    const int w = kGalleryCellW * gsStateCount, h = kGalleryCellH * (bsQuicken + 1);
    ui::TForm form(nullptr);
    form.SetClientWidth(w);
    form.SetClientHeight(h + 30);
    // Below the cells: a control that holds the focus while no button is to have it.
    auto* parking = new ui::TEdit(&form);
    parking->SetParent(&form);
    parking->SetBounds(0, h + 4, 100, 22);
    form.SetColor(ui::RGB(248, 247, 237));
    TLbButton* buttons[bsQuicken + 1][gsStateCount];
    for (int style = bsNormal; style <= bsQuicken; ++style)
        for (int state = 0; state < gsStateCount; ++state)
            buttons[style][state] =
                AddButton(form, static_cast<TLbButtonStyle>(style), static_cast<GalleryState>(state));
    form.Show();

    gallery.SetSize(w, h);
    ui::TBitmap shot;
    for (int style = bsNormal; style <= bsQuicken; ++style)
        for (int state = 0; state < gsStateCount; ++state) {
            TLbButton* b = buttons[style][state];
            ui::SendMouseMove(&form, 1, 1);  // pointer off every button
            switch (state) {
            case gsHover:
                ui::SendMouseMove(b, 5, 5);
                break;
            case gsPressed:
                ui::SendMouseDown(b, ui::TMouseButton::mbLeft, 5, 5);
                break;
            case gsFocused:
                b->SetFocus();
                break;
            default:
                break;
            }
            ui::RenderControl(form, shot);
            if (state == gsPressed)
                ui::SendMouseUp(b, ui::TMouseButton::mbLeft, 5, 5);
            if (state == gsFocused || state == gsPressed)
                parking->SetFocus();
            for (int y = 0; y < kGalleryCellH; ++y)
                for (int x = 0; x < kGalleryCellW; ++x) {
                    const int gx = state * kGalleryCellW + x, gy = style * kGalleryCellH + y;
                    gallery.SetPixel(gx, gy, shot.Pixel(gx, gy));
                }
        }
    form.Hide();
}

bool SaveLbButtonGallery(const std::string& pngFile)
{
    ui::TBitmap gallery;
    RenderLbButtonGallery(gallery);
    try {
        gallery.SaveToFile(pngFile);
    } catch (...) {
        return false;
    }
    return true;
}

}  // namespace button_test
