// Times, on the offscreen platform, Generate (from the click until the result
// window is shown and filled), the report window's load (its composition),
// the comparison window (built, shown and painted) and View > Tzolk'in Board
// (from the menu until the board is painted), and prints the medians.

#include "benchsupport.h"

#include "ui/boardgrid.h"
#include "ui/frmboard.h"
#include "ui/frmcompare.h"
#include "ui/frmmain.h"
#include "ui/frmresult.h"
#include "ui/frmsave.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

using kinwheel::bench::findWindow;
using kinwheel::bench::settle;

// Notes, for the whole application, that a board has been painted.
class PaintWatch : public QObject {
public:
    bool painted = false;
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        painted = painted || (event->type() == QEvent::Paint && qobject_cast<kinwheel::BoardGrid*>(watched));
        return false;
    }
};

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    kinwheel::bench::Session session;
    if (!session.start())
        return 1;
    kinwheel::AppContext& context = session.context;

    constexpr int kRuns = 101;
    std::vector<double> generateMs, reportMs, compareMs;
    QElapsedTimer timer;
    for (int i = 0; i < kRuns; ++i) {
        kinwheel::frmMain* main = findWindow<kinwheel::frmMain>();
        main->txtName()->setText(QStringLiteral("Ada Lovelace"));
        main->cboYear()->setCurrentIndex((i * 7) % 117);
        main->cboMonth()->setCurrentIndex(i % 12);
        main->cboDate()->setCurrentIndex(i % 28);
        timer.start();
        main->cmdCalculate_Click();
        kinwheel::frmMayanBirthchartResult* result = findWindow<kinwheel::frmMayanBirthchartResult>();
        generateMs.push_back(double(timer.nsecsElapsed()) / 1e6);
        if (!result)
            return 1;
        settle();

        timer.start();
        kinwheel::frmSave* report = kinwheel::showReportWindow(context, result->reading(), result);
        reportMs.push_back(double(timer.nsecsElapsed()) / 1e6);
        report->close();
        settle();

        // The reading beside the one before it: a different pair each run.
        const kinwheel::Reading second = *kinwheel::readingOf({"Ben", kinwheel::addDays(result->reading().date, 97 * i + 1)});
        timer.start();
        kinwheel::frmCompare* compare = kinwheel::showComparisonWindow(context, result->reading(), second, result);
        compare->repaint();
        compareMs.push_back(double(timer.nsecsElapsed()) / 1e6);
        compare->close();
        settle();
        result->cmdBack_Click();
        settle();
    }
    // From the main window's menu until the whole board has been painted.
    std::vector<double> boardMs;
    for (int i = 0; i < kRuns; ++i) {
        kinwheel::frmMain* main = findWindow<kinwheel::frmMain>();
        QAction* menu = main ? main->findChild<QAction*>(QStringLiteral("mnuBoard")) : nullptr;
        if (!menu)
            return 1;
        PaintWatch watch;
        app.installEventFilter(&watch);
        timer.start();
        menu->trigger();
        while (!watch.painted && timer.elapsed() < 5000)
            QCoreApplication::processEvents();
        boardMs.push_back(double(timer.nsecsElapsed()) / 1e6);
        app.removeEventFilter(&watch);
        auto* board = main->findChild<kinwheel::frmBoard*>();
        if (!watch.painted || !board)
            return 1;
        board->close();
        settle();
    }
    std::printf("runs                        %d\n", kRuns);
    std::printf("generate median ms          %.2f (target 15)\n", median(generateMs));
    std::printf("report load median ms       %.2f (target 10)\n", median(reportMs));
    std::printf("compare shown median ms     %.2f (target 50)\n", median(compareMs));
    std::printf("board window median ms      %.2f (target 50)\n", median(boardMs));
    kinwheel::EndProgram();
    return 0;
}
