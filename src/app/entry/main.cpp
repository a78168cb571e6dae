// Program entry: the application object shows the main window and runs until it closes.
#include "platform/ui/Application.h"

int main(int, char**)
{
    ui::Application->Initialize();
    auto* mainForm = ui::Application->CreateForm<ui::TForm>();
    mainForm->SetPosition(ui::TPosition::poScreenCenter);
    mainForm->SetClientWidth(640);
    mainForm->SetClientHeight(480);
    ui::Application->Run();
    return 0;
}
