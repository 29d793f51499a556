#include "ui/frmabout.h"

#include "engine/tables.h"
#include "platform/weblinks.h"
#include "ui/appcontext.h"
#include "ui/widgets.h"
#include "ui/windowparts.h"

#include <QLabel>
#include <QPushButton>
#include <QtMath>

namespace kinwheel {

frmAbout::frmAbout(AppContext& context, QWidget* parent) : QDialog(parent), m_context(context)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QString::fromLatin1(kWindowCaption));
    setFont(windowFont(8.25));
    setFixedSize(twRect(0, 0, 6990, 3030).size());
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, kAboutColour);
    setPalette(palette);
    setAutoFillBackground(true);
    setupUi();
}

// Every control with its place. Positions in twips.
void frmAbout::setupUi()
{
    setWindowIcon(programIcon());
    m_picIcon = new QLabel(this);
    m_picIcon->setObjectName(QStringLiteral("picIcon"));
    m_picIcon->setGeometry(twRect(120, 120, 480, 480));
    // The picture box takes the larger sizes too, for screens up to 3x.
    const qreal ratio = m_picIcon->devicePixelRatioF();
    m_picIcon->setPixmap(programIcon(2 * qCeil(m_picIcon->width() * ratio)).pixmap(m_picIcon->size(), ratio));

    m_Label2 = makeLabel(this, "Label2", QString::fromLatin1(kWindowCaption), twRect(750, 180, 6180, 345),
                         windowFont(14.25, true), Qt::white);
    m_Label2->setWordWrap(false);

    m_Label1 = makeLabel(this, "Label1",
                         tr("Kinwheel generates your birth chart based on Mayan principles. The different "
                            "glyphs in the specific positions have their own importance and effects on "
                            "our lives."),
                         twRect(120, 630, 6765, 615), windowFont(8.25), Qt::white);

    const QFont linkFont = windowFont(8.25, false, true);
    const Qt::Alignment right = Qt::AlignRight | Qt::AlignTop;
    m_lblHomePage = makeClickableLabel(this, "lblHomePage", tr("Click here to visit %1").arg(siteRoot()),
                                       twRect(2865, 1245, 4050, 195), linkFont, kLinkYellow, right);
    connect(m_lblHomePage, &ClickableLabel::clicked, this, &frmAbout::lblHomePage_Click);

    m_Label3 = makeLabel(this, "Label3", shownLabelText(LabelText::AboutOffer),
                         twRect(120, 1680, 6795, 435), windowFont(8.25, true), Qt::white);

    m_lblCoBrand = makeClickableLabel(this, "lblCoBrand", tr("Click here for more details."),
                                      twRect(4560, 2115, 2355, 195), linkFont, kLinkYellow, right);
    connect(m_lblCoBrand, &ClickableLabel::clicked, this, &frmAbout::lblCoBrand_Click);

    m_Line1 = new QWidget(this);
    m_Line1->setObjectName(QStringLiteral("Line1"));
    m_Line1->setGeometry(tw(120), tw(2505), tw(6915 - 120), 1);
    QPalette rule = m_Line1->palette();
    rule.setColor(QPalette::Window, Qt::white);
    m_Line1->setPalette(rule);
    m_Line1->setAutoFillBackground(true);

    m_cmdOK = new QPushButton(tr("OK"), this);
    m_cmdOK->setObjectName(QStringLiteral("cmdOK"));
    m_cmdOK->setGeometry(twRect(5655, 2640, 1260, 345));
    // Default button for Enter; Esc rejects the dialog, which closes it the same way.
    m_cmdOK->setDefault(true);
    m_cmdOK->setFocus();
    connect(m_cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
    setTabOrder(m_cmdOK, m_lblHomePage);
    setTabOrder(m_lblHomePage, m_lblCoBrand);
}

void frmAbout::lblHomePage_Click()
{
    OpenHomePage(m_context.services, this);
}

void frmAbout::lblCoBrand_Click()
{
    OpenFullyBrandedPage(m_context.services, this);
}

void frmAbout::cmdOK_Click()
{
    close();
}

frmAbout* showAboutBox(AppContext& context, QWidget* parent)
{
    auto* box = new frmAbout(context, parent);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::ApplicationModal);
    // Centred on the screen, not over the window that opened it.
    centreOnScreen(box);
    box->show();
    return box;
}

} // namespace kinwheel
