#include "ui/programwindow.h"

#include "platform/weblinks.h"
#include "ui/appcontext.h"
#include "ui/frmabout.h"
#include "ui/widgets.h"
#include "ui/windowparts.h"

#include <QGroupBox>
#include <QMenuBar>

namespace kinwheel {

ProgramWindow::ProgramWindow(AppContext& context, const char* objectName, QSize clientSize, QWidget* parent)
    : QMainWindow(parent), m_context(context)
{
    setObjectName(QString::fromLatin1(objectName));
    setupProgramWindow(this, clientSize);
}

void ProgramWindow::addForumLink(QRect geometry)
{
    m_Label14 = makeClickableLabel(client(), "Label14", shownLabelText(LabelText::Forum), geometry,
                                   windowFont(8.25, true, true), kLinkYellow, Qt::AlignCenter);
    connect(m_Label14, &ClickableLabel::clicked, this, &ProgramWindow::Label14_Click);
}

void ProgramWindow::addOfferFrame(QRect geometry)
{
    m_fraFullBrand = makePlainFrame(client(), "fraFullBrand", geometry);
    m_lblCobrand = makeOfferLabel(m_fraFullBrand, "lblCobrand", LabelText::CoBrandOffer, twRect(120, 160, 6945, 615),
                                  Qt::AlignCenter);
    m_lblFullBrand = makeOfferLabel(m_fraFullBrand, "lblFullBrand", LabelText::FullBrandOffer,
                                    twRect(120, 165, 6945, 615), Qt::AlignCenter);
    bringOfferToFront(false);
    connect(m_lblCobrand, &ClickableLabel::clicked, this, &ProgramWindow::lblCobrand_Click);
    connect(m_lblFullBrand, &ClickableLabel::clicked, this, &ProgramWindow::lblFullBrand_Click);
}

void ProgramWindow::addSharedMenus()
{
    QMenuBar* bar = menuBar();
    QMenu* help = bar->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    addCommand(help, "&Online Help", "mnuOnline", &ProgramWindow::mnuOnline_Click);
    addCommand(help, "&Visit Us Online", "mnuVisit", &ProgramWindow::mnuVisit_Click);
    addSeparator(help, "mnuSep1");
    addCommand(help, "Check for Software &Update", "mnuUpdate", &ProgramWindow::mnuUpdate_Click);
    addSeparator(help, "mnuSep2");
    addCommand(help, "&About Software", "mnuAbout", &ProgramWindow::mnuAbout_Click);

    // Menu titles that are commands themselves.
    QAction* donate = bar->addAction(QStringLiteral("&Donate"));
    donate->setObjectName(QStringLiteral("mnuDonate"));
    connect(donate, &QAction::triggered, this, &ProgramWindow::mnuDonate_Click);
    QAction* makeMoney = bar->addAction(QStringLiteral("Make Money &Online"));
    makeMoney->setObjectName(QStringLiteral("mnuMakeMoney"));
    makeMoney->setVisible(false);
    connect(makeMoney, &QAction::triggered, this, &ProgramWindow::mnuMakeMoney_Click);
}

void ProgramWindow::chainLinksAfter(QWidget* last)
{
    setTabOrder(last, m_Label14);
    setTabOrder(m_Label14, m_lblCobrand);
    setTabOrder(m_lblCobrand, m_lblFullBrand);
}

void ProgramWindow::bringOfferToFront(bool coBrand)
{
    if (coBrand)
        bringLabelToFront(m_lblCobrand, m_lblFullBrand);
    else
        bringLabelToFront(m_lblFullBrand, m_lblCobrand);
}

void ProgramWindow::mnuOnline_Click() { OpenHelpWebPage(m_context.services, this); }
void ProgramWindow::mnuVisit_Click() { OpenHomePage(m_context.services, this); }
void ProgramWindow::Label14_Click() { OpenHomePage(m_context.services, this); }
void ProgramWindow::mnuUpdate_Click() { OpenDownloadWebPage(m_context.services, this); }
void ProgramWindow::mnuDonate_Click() { OpenDonatePage(m_context.services, this); }
void ProgramWindow::mnuMakeMoney_Click() { OpenFullyBrandedPage(m_context.services, this); }
void ProgramWindow::lblFullBrand_Click() { OpenFullyBrandedPage(m_context.services, this); }
void ProgramWindow::lblCobrand_Click() { OpenCoBrandPage(m_context.services, this); }
void ProgramWindow::mnuAbout_Click() { showAboutBox(m_context, this); }

} // namespace kinwheel
