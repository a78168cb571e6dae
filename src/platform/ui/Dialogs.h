#pragma once
// Message boxes and file dialogs. All of them go through one replaceable service: the backend's
// native dialogs in the program, scripted answers in tests (see ScriptedDialogs below).
#include "platform/ui/Component.h"
#include <deque>
#include <memory>
#include <string>
#include <vector>

namespace ui {

// MessageBox flags and results.
constexpr unsigned MB_OK = 0x0000;
constexpr unsigned MB_OKCANCEL = 0x0001;
constexpr unsigned MB_ABORTRETRYIGNORE = 0x0002;
constexpr unsigned MB_YESNOCANCEL = 0x0003;
constexpr unsigned MB_YESNO = 0x0004;
constexpr unsigned MB_RETRYCANCEL = 0x0005;
constexpr unsigned MB_ICONERROR = 0x0010;
constexpr unsigned MB_ICONSTOP = 0x0010;
constexpr unsigned MB_ICONQUESTION = 0x0020;
constexpr unsigned MB_ICONWARNING = 0x0030;
constexpr unsigned MB_ICONEXCLAMATION = 0x0030;
constexpr unsigned MB_ICONINFORMATION = 0x0040;
constexpr unsigned MB_DEFBUTTON1 = 0x0000;
constexpr unsigned MB_DEFBUTTON2 = 0x0100;
constexpr unsigned MB_DEFBUTTON3 = 0x0200;
constexpr unsigned MB_APPLMODAL = 0x0000;
constexpr unsigned MB_TASKMODAL = 0x2000;
constexpr unsigned MB_TOPMOST = 0x40000;
constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;
constexpr int IDABORT = 3;
constexpr int IDRETRY = 4;
constexpr int IDIGNORE = 5;
constexpr int IDYES = 6;
constexpr int IDNO = 7;

enum class TMsgDlgType { mtWarning, mtError, mtInformation, mtConfirmation, mtCustom };
enum TMsgDlgBtn : unsigned {
    mbYes = 1,
    mbNo = 2,
    mbOK = 4,
    mbCancel = 8,
    mbAbort = 16,
    mbRetry = 32,
    mbIgnore = 64,
    mbAll = 128,
    mbHelp = 256,
    mbClose = 512
};
using TMsgDlgButtons = unsigned;
constexpr TMsgDlgButtons mbYesNoCancel = mbYes | mbNo | mbCancel;
constexpr TMsgDlgButtons mbOKCancel = mbOK | mbCancel;

// One message box request as the service sees it.
struct TMessageBoxRequest {
    std::string Text;
    std::string Caption;
    unsigned Flags = MB_OK;  // MB_* (type, icon, default button)
};

enum TOpenOption : unsigned {
    ofReadOnly = 1,
    ofOverwritePrompt = 2,
    ofHideReadOnly = 4,
    ofAllowMultiSelect = 8,
    ofPathMustExist = 16,
    ofFileMustExist = 32,
    ofNoChangeDir = 64,
    ofEnableSizing = 128,
};
using TOpenOptions = unsigned;

// A file dialog request: Filter is "description|pattern|description|pattern", FilterIndex 1-based.
struct TFileDialogRequest {
    bool Save = false;
    std::string Title;
    std::string Filter;
    int FilterIndex = 1;
    std::string DefaultExt;  // without the dot
    std::string InitialDir;
    std::string FileName;
    TOpenOptions Options = 0;
};

struct TFileDialogAnswer {
    bool Accepted = false;
    std::vector<std::string> Files;
    int FilterIndex = 1;
};

class IDialogService {
public:
    virtual ~IDialogService() = default;
    // Returns IDOK, IDYES, ... for the pressed button.
    virtual int MessageBox(const TMessageBoxRequest& request) = 0;
    virtual TFileDialogAnswer FileDialog(const TFileDialogRequest& request) = 0;
};

// The service in use; without a backend or a set service, message boxes answer with their
// default button and file dialogs are cancelled.
IDialogService& DialogService();
// Replaces the service (nullptr restores the default); returns the previous one set.
IDialogService* SetDialogService(IDialogService* service);

// Scripted answers for tests: each call takes the next queued answer and records the request.
class ScriptedDialogs : public IDialogService {
public:
    ScriptedDialogs();            // installs itself
    ~ScriptedDialogs() override;  // restores the previous service
    std::deque<int> MessageAnswers;
    std::deque<TFileDialogAnswer> FileAnswers;
    std::vector<TMessageBoxRequest> Messages;
    std::vector<TFileDialogRequest> FileRequests;
    int MessageBox(const TMessageBoxRequest& request) override;
    TFileDialogAnswer FileDialog(const TFileDialogRequest& request) override;

private:
    IDialogService* previous_;
};

// The answer a message box gives when nobody presses a button: its default button.
int DefaultMessageBoxAnswer(unsigned flags);

int MessageBox(const std::string& text, const std::string& caption, unsigned flags);
// A message box with the program title as caption, the icon of the type and the given buttons.
int MessageDlg(const std::string& text, TMsgDlgType type, TMsgDlgButtons buttons, int helpCtx = 0);
void ShowMessage(const std::string& text);

class TOpenDialog : public TComponent {
public:
    explicit TOpenDialog(TComponent* AOwner) : TComponent(AOwner) {}
    // Runs the dialog through the service; on OK FileName (and Files) hold the choice, with the
    // default extension added when the name has none.
    virtual bool Execute();

    std::string Title;
    std::string Filter;
    int FilterIndex = 1;
    std::string DefaultExt;
    std::string InitialDir;
    std::string FileName;
    std::vector<std::string> Files;
    TOpenOptions Options = ofHideReadOnly | ofEnableSizing;

protected:
    bool save_ = false;
};

class TSaveDialog : public TOpenDialog {
public:
    explicit TSaveDialog(TComponent* AOwner) : TOpenDialog(AOwner) { save_ = true; }
};

}  // namespace ui
