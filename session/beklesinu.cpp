#include "beklesinu.h"

#include "platform/error.h"
#include "platform/shell.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QMetaObject>
#include <QPointer>
#include <QThread>
#include <QThreadPool>

std::unique_ptr<IAwait> ArkaPlanda(std::function<void()> async)
{
    return std::make_unique<TAwait>(std::move(async));
}

void TAwait::Await(std::function<void()> proc)
{
    // The calling thread's event dispatcher lives in that thread: posting to it runs the
    // continuation there.
    QThread *caller = QThread::currentThread();
    QAbstractEventDispatcher *dispatcher = QAbstractEventDispatcher::instance(caller);
    QObject *target =
        dispatcher ? static_cast<QObject *>(dispatcher) : QCoreApplication::instance();
    QPointer<QObject> guard(target);
    QThreadPool::globalInstance()->start([work = FAsync, proc = std::move(proc), guard]() {
        QString error;
        try {
            work();
        } catch (const platform::Error &e) {
            error = e.Message();
        } catch (const std::exception &e) {
            error = QString::fromLocal8Bit(e.what());
        } catch (...) {
            error = QStringLiteral("Unknown error");
        }
        if (!guard)
            return; // the calling thread is gone: nobody to continue on
        QMetaObject::invokeMethod(
            guard.data(),
            [proc, error]() {
                // Nothing may leave an event handler through the event loop: a failing
                // continuation is shown like any other event error.
                try {
                    if (proc)
                        proc();
                } catch (const platform::Error &e) {
                    platform::CurrentShell().ShowError(e.Message());
                }
                if (!error.isNull())
                    platform::CurrentShell().ShowError(error);
            },
            Qt::QueuedConnection);
    });
}
