#pragma once

#include <QCoreApplication>
#include <QTest>
#include <QThreadPool>
#include <functional>

namespace testsupport {

// Lets every background task end and every continuation it posted run.
inline void ArkaPlanBitsin()
{
    QThreadPool::globalInstance()->waitForDone();
    QCoreApplication::sendPostedEvents();
}

// Runs the event loop until `kosul` holds, looking again every few milliseconds (the test's
// own time-out ends a wait that never does).
inline void OlanaKadar(const std::function<bool()> &kosul)
{
    while (!kosul())
        QTest::qWait(5);
}

} // namespace testsupport
