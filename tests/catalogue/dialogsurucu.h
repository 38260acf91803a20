#pragma once

#include "catalogue/stokayarintiu.h"

#include <QApplication>
#include <QCoreApplication>
#include <QThreadPool>
#include <QTimer>
#include <functional>

namespace catalogue_test {

// Runs `surus` on the stock detail dialog once it is the active modal window (shown with
// exec()). Gives up after many turns of the event loop, so that a dialog that never opens
// cannot be driven by a later test.
inline void DialogSur(std::function<void(Tstokayarinti &)> surus, int kalan = 1000)
{
    QTimer::singleShot(0, [surus = std::move(surus), kalan]() mutable {
        if (auto *d = qobject_cast<Tstokayarinti *>(QApplication::activeModalWidget()))
            surus(*d);
        else if (kalan > 0)
            DialogSur(std::move(surus), kalan - 1);
    });
}

// Lets every picture fetch end and its continuation run.
inline void ResimleriBekle()
{
    QThreadPool::globalInstance()->waitForDone();
    QCoreApplication::sendPostedEvents();
}

} // namespace catalogue_test
