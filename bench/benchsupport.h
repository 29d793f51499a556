#pragma once
// Shared by the in-process benchmarks and the soak run: the test fakes stand
// in for every platform service, so nothing is shown, opened or printed.

#include "fakes.h"
#include "toplevel.h"

#include "platform/qtservices.h"
#include "app/startup.h"
#include "ui/appcontext.h"

#include <QApplication>
#include <QDir>
#include <QWidget>

namespace kinwheel::bench {

using testing::FakeServices;

// The visible top-level window of type T, if any.
template <typename T>
T* findWindow()
{
    return testing::shownWindows<T>().value(0);
}

// Runs pending events and deletes the windows that were closed.
inline void settle()
{
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// The program started on fakes, as far as its main window.
struct Session {
    FakeServices fakes;
    AppContext context{fakes.services};
    LockFileGuard guard{QDir::temp().filePath(QStringLiteral("kinwheel-bench.lock"))};

    bool start()
    {
        QApplication::setQuitOnLastWindowClosed(false);
        if (!RunStartup(guard, context))
            return false;
        settle();
        return true;
    }
};

} // namespace kinwheel::bench
