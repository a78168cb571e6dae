#include "platform/ui/Dialogs.h"

#include "platform/ui/Application.h"
#include "platform/ui/Backend.h"
#include <filesystem>

namespace ui {

namespace {
IDialogService*& Current()
{
    static IDialogService* s = nullptr;
    return s;
}

// Answers every message box with its default button and cancels file dialogs.
class DefaultDialogs : public IDialogService {
public:
    int MessageBox(const TMessageBoxRequest& r) override { return DefaultMessageBoxAnswer(r.Flags); }
    TFileDialogAnswer FileDialog(const TFileDialogRequest&) override { return {}; }
};
}  // namespace

int DefaultMessageBoxAnswer(unsigned flags)
{
    static const int answers[][3] = {
        {IDOK, IDOK, IDOK},             // MB_OK
        {IDOK, IDCANCEL, IDCANCEL},     // MB_OKCANCEL
        {IDABORT, IDRETRY, IDIGNORE},   // MB_ABORTRETRYIGNORE
        {IDYES, IDNO, IDCANCEL},        // MB_YESNOCANCEL
        {IDYES, IDNO, IDNO},            // MB_YESNO
        {IDRETRY, IDCANCEL, IDCANCEL},  // MB_RETRYCANCEL
    };
    unsigned type = flags & 0x0F;
    if (type > 5)
        type = 0;
    unsigned def = (flags >> 8) & 0x0F;
    if (def > 2)
        def = 0;
    return answers[type][def];
}

IDialogService& DialogService()
{
    if (Current())
        return *Current();
    if (Backend() && Backend()->NativeDialogs())
        return *Backend()->NativeDialogs();
    static DefaultDialogs fallback;
    return fallback;
}

IDialogService* SetDialogService(IDialogService* service)
{
    IDialogService* previous = Current();
    Current() = service;
    return previous;
}

ScriptedDialogs::ScriptedDialogs() : previous_(SetDialogService(this)) {}

ScriptedDialogs::~ScriptedDialogs()
{
    SetDialogService(previous_);
}

int ScriptedDialogs::MessageBox(const TMessageBoxRequest& request)
{
    Messages.push_back(request);
    if (MessageAnswers.empty())
        return DefaultMessageBoxAnswer(request.Flags);
    int a = MessageAnswers.front();
    MessageAnswers.pop_front();
    return a;
}

TFileDialogAnswer ScriptedDialogs::FileDialog(const TFileDialogRequest& request)
{
    FileRequests.push_back(request);
    if (FileAnswers.empty())
        return {};
    TFileDialogAnswer a = FileAnswers.front();
    FileAnswers.pop_front();
    return a;
}

int MessageBox(const std::string& text, const std::string& caption, unsigned flags)
{
    return DialogService().MessageBox({text, caption, flags});
}

int MessageDlg(const std::string& text, TMsgDlgType type, TMsgDlgButtons buttons, int /*helpCtx*/)
{
    unsigned flags = MB_OK;
    if ((buttons & mbYes) && (buttons & mbNo))
        flags = (buttons & mbCancel) ? MB_YESNOCANCEL : MB_YESNO;
    else if ((buttons & mbOK) && (buttons & mbCancel))
        flags = MB_OKCANCEL;
    else if (buttons & mbAbort)
        flags = MB_ABORTRETRYIGNORE;
    else if ((buttons & mbRetry) && (buttons & mbCancel))
        flags = MB_RETRYCANCEL;
    switch (type) {
    case TMsgDlgType::mtWarning:
        flags |= MB_ICONWARNING;
        break;
    case TMsgDlgType::mtError:
        flags |= MB_ICONERROR;
        break;
    case TMsgDlgType::mtInformation:
        flags |= MB_ICONINFORMATION;
        break;
    case TMsgDlgType::mtConfirmation:
        flags |= MB_ICONQUESTION;
        break;
    default:
        break;
    }
    static const char* captions[] = {"Warning", "Error", "Information", "Confirm", ""};
    std::string caption = captions[static_cast<int>(type)];
    if (type == TMsgDlgType::mtCustom)
        caption = GetApplication()->Title();
    return MessageBox(text, caption, flags);
}

void ShowMessage(const std::string& text)
{
    MessageBox(text, GetApplication()->Title(), MB_OK);
}

namespace {
// A default extension may be written as a pattern ("*.eds") or with its dot (".eds"): the file
// name gets the extension alone.
std::string BareExtension(const std::string& ext)
{
    std::size_t start = ext.find_first_not_of("*.");
    return start == std::string::npos ? std::string() : ext.substr(start);
}
}  // namespace

bool TOpenDialog::Execute()
{
    const std::string ext = BareExtension(DefaultExt);
    TFileDialogRequest r;
    r.Save = save_;
    r.Title = Title;
    r.Filter = Filter;
    r.FilterIndex = FilterIndex;
    r.DefaultExt = ext;
    r.InitialDir = InitialDir;
    r.FileName = FileName;
    r.Options = Options;
    TFileDialogAnswer a = DialogService().FileDialog(r);
    if (!a.Accepted || a.Files.empty())
        return false;
    Files.clear();
    for (std::string f : a.Files) {
        if (!ext.empty() && std::filesystem::path(f).extension().empty())
            f += "." + ext;
        Files.push_back(f);
    }
    FileName = Files.front();
    FilterIndex = a.FilterIndex;
    return true;
}

}  // namespace ui
