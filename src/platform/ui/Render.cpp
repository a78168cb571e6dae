#include "platform/ui/Render.h"

#include "platform/ui/Backend.h"
#include "platform/ui/Forms.h"

namespace ui {

void RenderControl(TControl& control, TBitmap& bitmap)
{
    // A form is rendered without its frame: the client area, as the native window shows it.
    TPoint o{0, 0};
    TRect area{0, 0, control.Width(), control.Height()};
    if (dynamic_cast<TCustomForm*>(&control)) {
        o = control.ClientOrigin();
        area = control.ClientRect();
    }
    bitmap.SetSize(area.Width(), area.Height());
    TCanvas canvas(&bitmap);
    canvas.SetOrigin({-o.X, -o.Y});
    if (auto* w = dynamic_cast<TWinControl*>(&control))
        w->PaintTree(canvas);
    else
        control.PaintControl(canvas);
}

bool RenderToPng(TControl& control, const std::string& fileName)
{
    auto* form = dynamic_cast<TCustomForm*>(&control);
    if (form && form->HandleAllocated() && Backend())
        return Backend()->GrabForm(form, fileName);
    TBitmap bitmap;
    RenderControl(control, bitmap);
    return Backend() && Backend()->SavePng(bitmap, fileName);
}

}  // namespace ui
