#pragma once
// What the window tests share: the program's state over fakes, running a
// command as the user would, and checks on windows and their controls.

#include "fakes.h"

#include "engine/kin.h"
#include "ui/appcontext.h"
#include "ui/frmabout.h"
#include "ui/frmmain.h"
#include "ui/frmresult.h"
#include "ui/frmsave.h"

#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QtTest>

namespace kinwheel::testing {

// The program's services and state, over fakes.
struct Fixture {
    FakeServices fakes;
    AppContext context{fakes.services};
};

// One of the four windows by name, shown over a reading of Ada, 5 March 1975.
inline QWidget* showWindow(Fixture& f, const QString& name)
{
    f.context.details = {"Ada", 1975, "March", 5};
    if (!calculateKin(f.context.details, f.context.chart))
        return nullptr;
    QWidget* window = nullptr;
    if (name == QLatin1String("frmMain"))
        window = new frmMain(f.context);
    else if (name == QLatin1String("frmMayanBirthchartResult"))
        window = new frmMayanBirthchartResult(f.context);
    else if (name == QLatin1String("frmSave"))
        window = showReportWindow(f.context, nullptr);
    else
        window = showAboutBox(f.context, nullptr);
    window->show();
    return window;
}

// Runs a menu command or clicks a label, as the user would.
inline void activate(QWidget& window, const QString& control)
{
    if (auto* action = window.findChild<QAction*>(control)) {
        action->trigger();
        return;
    }
    auto* label = window.findChild<QLabel*>(control);
    QVERIFY2(label, qPrintable(control));
    QTest::mouseClick(label, Qt::LeftButton);
}

// The object name of the offer label the user sees in the window's frame.
inline QString visibleOffer(QMainWindow& window)
{
    auto* frame = window.findChild<QGroupBox*>(QStringLiteral("fraFullBrand"));
    if (!frame)
        return {};
    auto* label = window.findChild<QLabel*>(QStringLiteral("lblFullBrand"));
    QWidget* front = frame->childAt(label->geometry().center());
    return front ? front->objectName() : QString();
}

// Captions of a menu's entries in order, separators as "-".
inline QStringList captions(QMenu* menu)
{
    QStringList list;
    for (QAction* action : menu->actions())
        list << (action->isSeparator() ? QStringLiteral("-") : action->text());
    return list;
}

// Every shown control lies inside its container, except those named.
inline void verifyControlsInside(QWidget* client, const QStringList& outside = {})
{
    for (QWidget* widget : client->findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(client) || outside.contains(widget->objectName()) || widget->isWindow())
            continue;
        const QWidget* container = widget->parentWidget();
        if (container != client && container->inherits("QAbstractScrollArea"))
            continue; // parts of the text box
        if (container != client && !container->objectName().isEmpty() && widget->objectName().isEmpty())
            continue; // inner parts of a control
        if (widget->objectName().isEmpty())
            continue;
        QVERIFY2(container->rect().contains(widget->geometry()),
                 qPrintable(QStringLiteral("%1 at %2,%3 %4x%5 leaves %6")
                                .arg(widget->objectName())
                                .arg(widget->x())
                                .arg(widget->y())
                                .arg(widget->width())
                                .arg(widget->height())
                                .arg(container->objectName())));
    }
}

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

// Closes and deletes every window a test left behind.
inline void closeAllWindows()
{
    QApplication::closeAllWindows();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace kinwheel::testing
