#include "VerdictWindow.h"

#include <cstdlib>
#include <string_view>

#include "dialogs/UDialogFrame.h"
#include "platform/ui/StdCtrls.h"

namespace updater {

namespace {
constexpr int kWidth = 620;
constexpr int kHeight = 300;
}  // namespace

std::unique_ptr<ui::TForm> BuildVerdictWindow(bool accepted, const std::vector<std::string>& lines)
{
    auto form = std::make_unique<ui::TForm>(nullptr);
    dlg::Dialog_Frame(*form, kWidth, kHeight);
    form->SetName("FVerdict");
    form->SetCaption("Ethernet Update");
    auto* heading = dlg::Place_Label(form.get(), form.get(), "L_Verdict", 16, 12, true,
                                     accepted ? ui::RGB(0x00, 0x80, 0x00) : ui::RGB(0xC0, 0x00, 0x00));
    heading->SetCaption(accepted ? "Update job accepted" : "Update job refused");
    auto* report = dlg::Place<ui::TMemo>(form.get(), form.get(), "M_Report", 16, 36, kWidth - 32, kHeight - 36 - 52);
    report->SetReadOnly(true);
    report->SetWordWrap(true);
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    report->SetText(text);
    auto* ok = dlg::Place<controls::TLbButton>(form.get(), form.get(), "Btn_OK", kWidth - 16 - dlg::Button_Width,
                                               kHeight - 40, dlg::Button_Width, dlg::Button_Height);
    dlg::Button_Look(*ok, "LBOK");
    ok->SetCaption("OK");
    ok->SetModalResult(ui::mrOk);
    form->DoCreate();
    return form;
}

bool ScreenAvailable()
{
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    if (platform && std::string_view(platform) == "offscreen")
        return false;
    return std::getenv("DISPLAY") || std::getenv("WAYLAND_DISPLAY");
}

void ShowVerdictWindow(bool accepted, const std::vector<std::string>& lines)
{
    if (!ScreenAvailable())
        return;
    std::unique_ptr<ui::TForm> form = BuildVerdictWindow(accepted, lines);
    form->ShowModal();
}

}  // namespace updater
