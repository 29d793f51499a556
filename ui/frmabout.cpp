#include "ui/frmabout.h"

#include "engine/tables.h"
#include "shell/weblinks.h"
#include "ui/appcontext.h"
#include "ui/widgets.h"
#include "ui/windowparts.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>

namespace kinwheel {
namespace {

QLabel* whiteLabel(QWidget* parent, const QString& name, const QString& text, const QRect& geometry)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setGeometry(geometry);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Qt::white);
    label->setPalette(palette);
    return label;
}

ClickableLabel* linkLabel(QWidget* parent, const QString& name, const QString& text, const QRect& geometry)
{
    auto* label = new ClickableLabel(parent);
    label->setObjectName(name);
    label->setText(text);
    label->setGeometry(geometry);
    label->setFont(windowFont(8.25, false, true));
    label->setAlignment(Qt::AlignRight | Qt::AlignTop);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, kLinkYellow);
    label->setPalette(palette);
    return label;
}

} // namespace

frmAbout::frmAbout(AppContext& context, QWidget* parent) : QDialog(parent), m_context(context)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("Kinwheel v1.25"));
    setFont(windowFont(8.25));
    setFixedSize(twRect(0, 0, 6990, 3030).size());
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, kAboutColour);
    setPalette(palette);
    setAutoFillBackground(true);

    QIcon icon = programIcon();
    if (icon.availableSizes().isEmpty())
        icon = QApplication::windowIcon();
    setWindowIcon(icon);
    picIcon = new QLabel(this);
    picIcon->setObjectName(QStringLiteral("picIcon"));
    picIcon->setGeometry(twRect(120, 120, 480, 480));
    if (!icon.isNull())
        picIcon->setPixmap(icon.pixmap(picIcon->size()));

    Label2 = whiteLabel(this, QStringLiteral("Label2"), QStringLiteral("Kinwheel v1.25"),
                        twRect(750, 180, 6180, 345));
    Label2->setFont(windowFont(14.25, true));
    Label2->setWordWrap(false);

    Label1 = whiteLabel(this, QStringLiteral("Label1"),
                        QStringLiteral("Kinwheel generates your birth chart based on Mayan principles. The different "
                                       "glyphs in the specific positions have their own importance and effects on "
                                       "our lives."),
                        twRect(120, 630, 6765, 615));

    lblHomePage = linkLabel(this, QStringLiteral("lblHomePage"),
                            QStringLiteral("Click here to visit ") + siteRoot(), twRect(2865, 1245, 4050, 195));
    connect(lblHomePage, &ClickableLabel::clicked, this, &frmAbout::lblHomePage_Click);

    const std::string_view offer = labelText(LabelText::AboutOffer);
    Label3 = whiteLabel(this, QStringLiteral("Label3"),
                        QString::fromUtf8(offer.data(), static_cast<qsizetype>(offer.size())),
                        twRect(120, 1680, 6795, 435));
    Label3->setFont(windowFont(8.25, true));

    lblCoBrand = linkLabel(this, QStringLiteral("lblCoBrand"), QStringLiteral("Click here for more details."),
                           twRect(4560, 2115, 2355, 195));
    connect(lblCoBrand, &ClickableLabel::clicked, this, &frmAbout::lblCoBrand_Click);

    Line1 = new QWidget(this);
    Line1->setObjectName(QStringLiteral("Line1"));
    Line1->setGeometry(tw(120), tw(2505), tw(6915 - 120), 1);
    QPalette rule = Line1->palette();
    rule.setColor(QPalette::Window, Qt::white);
    Line1->setPalette(rule);
    Line1->setAutoFillBackground(true);

    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setGeometry(twRect(5655, 2640, 1260, 345));
    // Default button for Enter; Esc rejects the dialog, which closes it the same way.
    cmdOK->setDefault(true);
    cmdOK->setFocus();
    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
}

void frmAbout::lblHomePage_Click()
{
    OpenHomePage(m_context.services.pages);
}

void frmAbout::lblCoBrand_Click()
{
    OpenFullyBrandedPage(m_context.services.pages);
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
