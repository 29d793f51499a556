#pragma once
// The program's top-level windows, for the tests and the benchmarks alike.

#include <QApplication>
#include <QList>
#include <QWidget>

namespace kinwheel::testing {

// Top-level windows of a class that are still shown.
template <class Window>
QList<Window*> shownWindows()
{
    QList<Window*> list;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* window = qobject_cast<Window*>(widget); window && window->isVisible())
            list << window;
    }
    return list;
}

// The one shown top-level window of a class, or nullptr when none or several are.
template <class Window>
Window* shownOne()
{
    const QList<Window*> shown = shownWindows<Window>();
    return shown.size() == 1 ? shown.first() : nullptr;
}

} // namespace kinwheel::testing
