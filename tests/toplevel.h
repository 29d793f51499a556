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

} // namespace kinwheel::testing
