#pragma once
// What the window tests share: the program's state over fakes, running a
// command as the user would, and checks on windows and their controls.

#include "fakes.h"
#include "toplevel.h"

#include "engine/reading.h"
#include "report/reportcomposer.h"
#include "ui/appcontext.h"
#include "ui/frmabout.h"
#include "ui/frmcompare.h"
#include "ui/frmcomparewith.h"
#include "ui/frmboard.h"
#include "ui/frmmain.h"
#include "ui/frmresult.h"
#include "ui/frmsave.h"

#include <QAction>
#include <QApplication>
#include <QFileInfo>
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

// The reading of someone born on a day, at a time, under a count and day start.
inline Reading readingFor(const std::string& name, CivilDate date, Count count = Count::Gmt584283,
                          BirthTime born = BirthTime::Unknown, DayStart start = DayStart::Midnight)
{
    return readingOf({name, date, born}, count, start).value_or(Reading{});
}

// One of the windows by name, those that show a reading showing Ada's, born
// 5 March 1975 (the comparison beside Ben's, born 3 May 1990).
inline QWidget* showWindow(Fixture& f, const QString& name)
{
    const Reading ada = readingFor("Ada", {1975, 3, 5});
    QWidget* window = nullptr;
    if (name == QLatin1String("frmMain"))
        window = new frmMain(f.context);
    else if (name == QLatin1String("frmMayanBirthchartResult"))
        window = new frmMayanBirthchartResult(f.context, ada);
    else if (name == QLatin1String("frmSave"))
        window = showReportWindow(f.context, ada, nullptr);
    else if (name == QLatin1String("frmCompare"))
        window = showComparisonWindow(f.context, ada, readingFor("Ben", {1990, 5, 3}), nullptr);
    else if (name == QLatin1String("frmCompareWith"))
        window = askToCompare(f.context, ada, nullptr);
    else if (name == QLatin1String("frmBoard"))
        window = new frmBoard(f.context, ada, false);
    else if (name == QLatin1String("frmAbout"))
        window = showAboutBox(f.context, nullptr);
    else
        qFatal("showWindow: no window named %s", qPrintable(name));
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

// Runs the window's save command onto a disk that fills up over the file at
// path, then onto a folder and a pipe in a file's place beside it: each time
// the user is told once, critically, in a message that starts with told, and
// what was there stays.
inline void verifySaveRefusals(Fixture& f, QWidget& window, const QString& command, const QString& path,
                               const QString& told)
{
    const QList<ShownMessage>& shown = f.fakes.messages.shown;
    const qsizetype before = shown.size();
    const QByteArray old = contents(path);
    f.fakes.files.saveAnswer = path;
    bool full = false;
    {
        FullDisk disk(100);
        if ((full = disk.active()))
            activate(window, command);
    }
    qsizetype expected = before + qsizetype(full);
    QCOMPARE(shown.size(), expected);
    QCOMPARE(contents(path), old);
    for (const QByteArray& what : {QByteArray("<folder>"), QByteArray("<fifo>")}) {
        f.fakes.files.saveAnswer = QFileInfo(path).dir().filePath(QString::fromLatin1(what.mid(1, what.size() - 2)));
        QVERIFY(place(f.fakes.files.saveAnswer, what));
        activate(window, command);
        QCOMPARE(shown.size(), ++expected);
        QVERIFY(!QFileInfo(f.fakes.files.saveAnswer).isFile());
    }
    for (qsizetype i = before; i < shown.size(); ++i) {
        QVERIFY2(shown[i].text.startsWith(told), qPrintable(shown[i].text));
        QCOMPARE(shown[i].icon, MessageIcon::Critical);
    }
}

// The reading of the one result window shown, or nobody's when none is.
inline Reading shownReading()
{
    const frmMayanBirthchartResult* shown = shownOne<frmMayanBirthchartResult>();
    return shown ? shown->reading() : Reading{};
}

// The texts of runs, one after another.
inline QString runsText(const std::vector<ReportRun>& runs)
{
    QString text;
    for (const ReportRun& run : runs)
        text += run.text;
    return text;
}

// Closes and deletes every window a test left behind.
inline void closeAllWindows()
{
    QApplication::closeAllWindows();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace kinwheel::testing
