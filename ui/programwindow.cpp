#include "ui/programwindow.h"

#include "platform/weblinks.h"
#include "ui/appcontext.h"
#include "ui/frmabout.h"
#include "ui/frmboard.h"
#include "ui/widgets.h"
#include "ui/windowparts.h"

#include <QMenuBar>

namespace kinwheel {

ProgramWindow::ProgramWindow(AppContext& context, const char* objectName, QSize clientSize, QWidget* parent)
    : QMainWindow(parent), PublisherLinks(context, this)
{
    setObjectName(QString::fromLatin1(objectName));
    setupProgramWindow(this, clientSize);
}

void ProgramWindow::addForumLink(QRect geometry)
{
    PublisherLinks::addForumLink(client(), LabelText::Forum, geometry, windowFont(8.25, true, true), kLinkYellow,
                                 Qt::AlignCenter);
}

void ProgramWindow::addOfferFrame(QRect geometry)
{
    PublisherLinks::addOfferFrame(client(), geometry, 6945, Qt::AlignCenter);
}

void ProgramWindow::addSharedMenus()
{
    QMenuBar* bar = menuBar();
    QMenu* help = bar->addMenu(tr("&Help"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    addCommand(help, tr("&Online Help"), "mnuOnline", &ProgramWindow::mnuOnline_Click);
    addCommand(help, tr("&Visit Us Online"), "mnuVisit", &ProgramWindow::mnuVisit_Click);
    addSeparator(help, "mnuSep1");
    addCommand(help, tr("Check for Software &Update"), "mnuUpdate", &ProgramWindow::mnuUpdate_Click);
    addSeparator(help, "mnuSep2");
    addCommand(help, tr("&About Software"), "mnuAbout", &ProgramWindow::mnuAbout_Click);

    // Menu titles that are commands themselves.
    QAction* donate = bar->addAction(tr("&Donate"));
    donate->setObjectName(QStringLiteral("mnuDonate"));
    connect(donate, &QAction::triggered, this, &ProgramWindow::mnuDonate_Click);
    QAction* makeMoney = bar->addAction(tr("Make Money &Online"));
    makeMoney->setObjectName(QStringLiteral("mnuMakeMoney"));
    makeMoney->setVisible(false);
    connect(makeMoney, &QAction::triggered, this, &ProgramWindow::mnuMakeMoney_Click);
}

void ProgramWindow::addViewMenu()
{
    QMenu* view = menuBar()->addMenu(tr("&View"));
    view->setObjectName(QStringLiteral("mnuView"));
    QAction* board = view->addAction(tr("Tzolk'in &Board"), this, &ProgramWindow::mnuBoard_Click);
    board->setObjectName(QStringLiteral("mnuBoard"));
    board->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_B));
}

void ProgramWindow::mnuBoard_Click()
{
    const std::optional<Reading> reading = boardReading();
    if (!reading)
        return;
    // One board a window: the open one when it still shows this reading
    // (a closed one is only waiting to be deleted).
    frmBoard* board = nullptr;
    for (frmBoard* open : findChildren<frmBoard*>(QString(), Qt::FindDirectChildrenOnly))
        if (open->isVisible())
            board = open;
    if (board && board->reading() == *reading) {
        board->showNormal();
        board->raise();
        board->activateWindow();
        return;
    }
    if (board)
        board->close();
    board = new frmBoard(m_context, *reading, boardShowsToday(), this);
    board->show();
}

void ProgramWindow::chainLinksAfter(QWidget* last)
{
    setTabOrder(last, m_Label14);
    setTabOrder(m_Label14, m_lblCobrand);
    setTabOrder(m_lblCobrand, m_lblFullBrand);
}

void ProgramWindow::mnuOnline_Click() { OpenHelpWebPage(m_context.services, this); }
void ProgramWindow::mnuVisit_Click() { OpenHomePage(m_context.services, this); }
void ProgramWindow::mnuUpdate_Click() { OpenDownloadWebPage(m_context.services, this); }
void ProgramWindow::mnuDonate_Click() { OpenDonatePage(m_context.services, this); }
void ProgramWindow::mnuMakeMoney_Click() { OpenFullyBrandedPage(m_context.services, this); }
void ProgramWindow::mnuAbout_Click() { showAboutBox(m_context, this); }

} // namespace kinwheel
