// A window with drop-down edits at the middle, the right edge and the bottom of the screen, for
// looking at their windows on a real display (scripts/manual/dropdown_placement.sh drives it).
#include <string>

#include "controls/dropdown/GxDropDown.h"
#include "platform/ui/Application.h"
#include "platform/ui/ExtCtrls.h"
#include "platform/ui/Forms.h"

using namespace ui;
using namespace dropdown;

namespace {

TGxCustomDropDown* MakeDropDown(TForm& form, int left, int top, const std::string& name, TColor colour)
{
    auto* edit = new TGxCustomDropDown(&form);
    edit->SetParent(&form);
    edit->SetBounds(left, top, 200, 21);
    edit->SetText(name);
    edit->SetLabelCaption(name);
    edit->SetLabelPosition(TLabelPosition::lpTopLeft);
    auto* panel = new TPanel(edit);
    panel->SetBounds(0, 0, 260, 140);
    panel->SetColor(colour);
    panel->SetCaption(name + " window");
    edit->SetControl(panel);
    edit->DropDownHeader()->Caption = "<b>" + name + "</b> header";
    edit->DropDownFooter()->Caption = "footer";
    TFooterButton* ok = edit->DropDownFooter()->Buttons()->Add();
    ok->SetCaption("OK");
    ok->SetModalResult(mrOk);
    return edit;
}

}  // namespace

int main()
{
    Application->Initialize();
    TForm* form = Application->CreateForm<TForm>();
    form->SetCaption("Drop-down check");
    form->SetBorderStyle(TFormBorderStyle::bsNone);
    form->Show();  // the window system is there from now on: its work area is the real one
    Application->ProcessMessages();
    const TRect work = GetScreen()->WorkAreaRect();
    form->SetBounds(work.Left, work.Top, work.Width(), work.Height());
    MakeDropDown(*form, 100, 100, "Middle", 0xC0FFC0);
    MakeDropDown(*form, work.Width() - 220, 300, "Right", 0xC0C0FF);
    MakeDropDown(*form, 300, work.Height() - 40, "Bottom", 0xFFC0C0);
    Application->Run();
    return 0;
}
