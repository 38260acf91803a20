#pragma once

#include <QList>
#include <QString>
#include <QUrl>
#include <memory>

namespace platform {

// The message box kinds and the standard dialog results the program speaks of.
enum class MessageKind { Warning = 0, Error = 1, Information = 2, Question = 3 };
enum class DialogButton {
    Yes,
    No,
    Ok,
    Cancel,
    Abort,
    Retry,
    Ignore,
    All,
    NoToAll,
    YesToAll,
    Help,
    Close
};
enum DialogResult {
    ResultNone = 0,
    ResultOk = 1,
    ResultCancel = 2,
    ResultAbort = 3,
    ResultRetry = 4,
    ResultIgnore = 5,
    ResultYes = 6,
    ResultNo = 7,
    ResultClose = 8,
    ResultHelp = 9,
    ResultAll = 12,
    ResultNoToAll = 13,
    ResultYesToAll = 14
};

DialogResult ResultOf(DialogButton button);

struct MessageRequest
{
    QString text;
    int kind = 0; // MessageKind, or any other value for the dialog's own caption
    QList<DialogButton> buttons;
    DialogButton focused = DialogButton::Ok;
};

// Everything the program does to the world outside its windows goes through the Shell:
// modal message boxes, the default error display, ending the process at once, opening a
// file or address with the desktop. Tests install a recording Shell that answers dialogs.
class Shell
{
public:
    virtual ~Shell() = default;
    virtual int ShowMessage(const MessageRequest &request) = 0;
    virtual void ShowError(const QString &text) = 0; // the application's default error display
    // Ends the process at once. A test Shell records the request and returns instead, so every
    // caller returns right after asking.
    virtual void Terminate(int exitCode) = 0;
    virtual bool OpenUrl(const QUrl &url) = 0;
    virtual void PlaySound(int kind) = 0;
    // The save dialog: the chosen file, or empty when none was chosen.
    virtual QString SaveFileName(const QString &filter) = 0;
};

// The Shell in use. The desktop one unless a test or the program installed another.
Shell &CurrentShell();
// Installs a Shell for the rest of the run (or until replaced); returns the previous one.
std::unique_ptr<Shell> InstallShell(std::unique_ptr<Shell> shell);

// The desktop Shell: message boxes on screen, QDesktopServices, std::_Exit. The message
// box drawing can be replaced by the program (the Turkish box) through SetMessageBox.
class DesktopShell : public Shell
{
public:
    using MessageBoxFunction = int (*)(const MessageRequest &);
    static void SetMessageBox(MessageBoxFunction function);

    int ShowMessage(const MessageRequest &request) override;
    void ShowError(const QString &text) override;
    void Terminate(int exitCode) override;
    bool OpenUrl(const QUrl &url) override;
    void PlaySound(int kind) override;
    QString SaveFileName(const QString &filter) override;
};

} // namespace platform
