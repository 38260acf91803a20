#include "shell.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <cstdlib>
#include <mutex>

namespace platform {
namespace {

std::unique_ptr<Shell> &Installed()
{
    static std::unique_ptr<Shell> shell = std::make_unique<DesktopShell>();
    return shell;
}

DesktopShell::MessageBoxFunction &MessageBoxHook()
{
    static DesktopShell::MessageBoxFunction hook = nullptr;
    return hook;
}

QMessageBox::StandardButton ToStandard(DialogButton b)
{
    switch (b) {
    case DialogButton::Yes:
        return QMessageBox::Yes;
    case DialogButton::No:
        return QMessageBox::No;
    case DialogButton::Ok:
        return QMessageBox::Ok;
    case DialogButton::Cancel:
        return QMessageBox::Cancel;
    case DialogButton::Abort:
        return QMessageBox::Abort;
    case DialogButton::Retry:
        return QMessageBox::Retry;
    case DialogButton::Ignore:
        return QMessageBox::Ignore;
    case DialogButton::All:
        return QMessageBox::YesToAll;
    case DialogButton::NoToAll:
        return QMessageBox::NoToAll;
    case DialogButton::YesToAll:
        return QMessageBox::YesToAll;
    case DialogButton::Help:
        return QMessageBox::Help;
    case DialogButton::Close:
        return QMessageBox::Close;
    }
    return QMessageBox::Ok;
}

} // namespace

DialogResult ResultOf(DialogButton button)
{
    switch (button) {
    case DialogButton::Yes:
        return ResultYes;
    case DialogButton::No:
        return ResultNo;
    case DialogButton::Ok:
        return ResultOk;
    case DialogButton::Cancel:
        return ResultCancel;
    case DialogButton::Abort:
        return ResultAbort;
    case DialogButton::Retry:
        return ResultRetry;
    case DialogButton::Ignore:
        return ResultIgnore;
    case DialogButton::All:
        return ResultAll;
    case DialogButton::NoToAll:
        return ResultNoToAll;
    case DialogButton::YesToAll:
        return ResultYesToAll;
    case DialogButton::Help:
        return ResultHelp;
    case DialogButton::Close:
        return ResultClose;
    }
    return ResultNone;
}

Shell &CurrentShell()
{
    return *Installed();
}

std::unique_ptr<Shell> InstallShell(std::unique_ptr<Shell> shell)
{
    Q_ASSERT(shell);
    std::unique_ptr<Shell> previous = std::move(Installed());
    Installed() = std::move(shell);
    return previous;
}

void DesktopShell::SetMessageBox(MessageBoxFunction function)
{
    MessageBoxHook() = function;
}

int DesktopShell::ShowMessage(const MessageRequest &request)
{
    if (MessageBoxHook())
        return MessageBoxHook()(request);
    QMessageBox box(QApplication::activeWindow());
    box.setText(request.text);
    QPushButton *focus = nullptr;
    QList<std::pair<QAbstractButton *, DialogButton>> map;
    for (DialogButton b : request.buttons) {
        QAbstractButton *button = box.addButton(ToStandard(b));
        map.append({button, b});
        if (b == request.focused)
            focus = qobject_cast<QPushButton *>(button);
    }
    if (focus)
        box.setDefaultButton(focus);
    box.exec();
    for (const auto &[button, b] : map)
        if (button == box.clickedButton())
            return ResultOf(b);
    return ResultCancel;
}

void DesktopShell::ShowError(const QString &text)
{
    QMessageBox::critical(QApplication::activeWindow(), QApplication::applicationName(), text);
}

void DesktopShell::Terminate(int exitCode)
{
    std::_Exit(exitCode);
}

bool DesktopShell::OpenUrl(const QUrl &url)
{
    return QDesktopServices::openUrl(url);
}

void DesktopShell::PlaySound(int)
{
    QApplication::beep();
}

} // namespace platform

namespace platform {

QString DesktopShell::SaveFileName(const QString &filter)
{
    return QFileDialog::getSaveFileName(QApplication::activeWindow(), QString(), QString(), filter);
}

} // namespace platform
