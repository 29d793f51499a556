// Soak run on the offscreen platform: 1,000 Generate/Back cycles over varied
// dates and 200 openings and closings of the report window, then the count of
// live top-level widgets and the resident memory before and after.

#include "benchsupport.h"

#include "ui/frmmain.h"
#include "ui/frmresult.h"
#include "ui/frmsave.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>

#include <cstdio>

namespace {

using kinwheel::bench::findWindow;
using kinwheel::bench::settle;

long residentKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    return -1;
}

int countObjects()
{
    int n = int(qApp->findChildren<QObject*>().size());
    for (QWidget* w : QApplication::topLevelWidgets())
        n += 1 + int(w->findChildren<QObject*>().size());
    return n;
}

int liveTopLevels() { return int(QApplication::topLevelWidgets().size()); }

} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    kinwheel::bench::Session session;
    if (!session.start())
        return 1;
    kinwheel::bench::FakeServices& fakes = session.fakes;

    auto report = [&] {
        kinwheel::frmMayanBirthchartResult* result = findWindow<kinwheel::frmMayanBirthchartResult>();
        result->cmdSave_Click();
        settle();
        findWindow<kinwheel::frmSave>()->close();
        settle();
    };
    auto cycle = [&](int i, bool withReport = false) {
        kinwheel::frmMain* main = findWindow<kinwheel::frmMain>();
        const int year = 1900 + (i * 37) % 117;
        main->txtName()->setText(QStringLiteral("Person %1").arg(i));
        main->cboYear()->setCurrentText(QString::number(year));
        main->cboMonth()->setCurrentIndex((i * 5) % 12);
        main->cboDate()->setCurrentIndex((i * 11) % 28);
        main->cmdCalculate_Click();
        settle();
        if (withReport)
            report();
        findWindow<kinwheel::frmMayanBirthchartResult>()->cmdBack_Click();
        settle();
    };
    // Warm up over forty readings, report window included, so that one-time
    // allocations (fonts and the glyphs their caches hold, card pictures,
    // resources) are not counted as growth.
    for (int i = 0; i < 40; ++i)
        cycle(1000 + i, true);
    const int widgetsBefore = liveTopLevels();
    const long rssBefore = residentKiB();

    for (int i = 1; i <= 1000; ++i) {
        cycle(i);
        if (i % 100 == 0)
            std::printf("after %4d cycles         %ld KiB, %d objects\n", i, residentKiB(), countObjects());
    }
    kinwheel::frmMain* main = findWindow<kinwheel::frmMain>();
    main->txtName()->setText(QStringLiteral("Report Reader"));
    main->cmdCalculate_Click();
    settle();
    for (int i = 1; i <= 200; ++i) {
        report();
        if (i % 50 == 0)
            std::printf("after %4d reports        %ld KiB, %d objects\n", i, residentKiB(), countObjects());
    }
    findWindow<kinwheel::frmMayanBirthchartResult>()->cmdBack_Click();
    settle();

    const int widgetsAfter = liveTopLevels();
    const long rssAfter = residentKiB();
    std::printf("generate/back cycles     1000\n");
    std::printf("report openings          200\n");
    std::printf("messages shown           %d\n", int(fakes.messages.shown.size()));
    std::printf("top-level widgets        %d before, %d after\n", widgetsBefore, widgetsAfter);
    std::printf("resident memory          %ld KiB before, %ld KiB after, %+ld KiB\n", rssBefore, rssAfter,
                rssAfter - rssBefore);
    const bool ok = widgetsAfter == widgetsBefore && rssAfter - rssBefore <= 2048;
    std::printf("%s\n", ok ? "within target" : "TARGET MISSED");
    kinwheel::EndProgram();
    return ok ? 0 : 1;
}
