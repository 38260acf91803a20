#pragma once

#include "platform/shell.h"

#include <QList>
#include <QUrl>
#include <deque>

namespace testsupport {

// A Shell that records what the program showed and answers dialogs from a queue of results
// (the focused button's result when the queue is empty).
class RecordingShell : public platform::Shell
{
public:
    QList<platform::MessageRequest> messages;
    QStringList errors;
    QList<QUrl> openedUrls;
    QList<int> exitCodes; // each request to end the process
    std::deque<int> answers;

    int ShowMessage(const platform::MessageRequest &request) override
    {
        messages.append(request);
        if (!answers.empty()) {
            const int answer = answers.front();
            answers.pop_front();
            return answer;
        }
        return platform::ResultOf(request.focused);
    }
    void ShowError(const QString &text) override { errors.append(text); }
    void Terminate(int exitCode) override { exitCodes.append(exitCode); }
    bool OpenUrl(const QUrl &url) override
    {
        openedUrls.append(url);
        return true;
    }
    void PlaySound(int) override {}
    QString saveFileAnswer; // what the save dialog "chooses"
    QStringList saveFilters;
    QString SaveFileName(const QString &filter) override
    {
        saveFilters.append(filter);
        return saveFileAnswer;
    }
};

// Installs a RecordingShell for the lifetime of the guard and gives access to it.
class ShellGuard
{
public:
    ShellGuard()
    {
        auto shell = std::make_unique<RecordingShell>();
        m_shell = shell.get();
        m_previous = platform::InstallShell(std::move(shell));
    }
    ~ShellGuard() { platform::InstallShell(std::move(m_previous)); }
    RecordingShell &operator*() const { return *m_shell; }
    RecordingShell *operator->() const { return m_shell; }

private:
    RecordingShell *m_shell;
    std::unique_ptr<platform::Shell> m_previous;
};

} // namespace testsupport
