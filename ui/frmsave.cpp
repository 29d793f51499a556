#include "ui/frmsave.h"

#include "engine/tables.h"
#include "report/readingfile.h"
#include "report/reportcomposer.h"
#include "platform/settings.h"
#include "platform/weblinks.h"
#include "ui/appcontext.h"
#include "ui/printing.h"
#include "ui/richtextpanel.h"
#include "ui/today.h"
#include "ui/widgets.h"
#include "ui/windowparts.h"

#include <QDir>
#include <QFileInfo>
#include <QPushButton>

namespace kinwheel {

frmSave::frmSave(AppContext& context, const Reading& reading, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
                          | Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint),
      PublisherLinks(context, this),
      m_reading(reading)
{
    setObjectName(QStringLiteral("frmSave"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowModality(Qt::ApplicationModal);
    setWindowTitle(QString::fromLatin1(kWindowCaption));
    setFixedSize(tw(7725), tw(7770));
    setWindowColours(this, kWindowColour);
    setFont(windowFont(8.25));
    setupUi();
    Form_Load();
}

// Every control with its place, in stacking order. Positions in twips.
void frmSave::setupUi()
{
    const QFont linkFont = windowFont(8.25, false, true);
    addForumLink(this, LabelText::ReportForum, twRect(1747, 0, 4230, 195), linkFont, QColor(),
                 Qt::AlignLeft | Qt::AlignTop);
    m_Label1 = makeClickableLabel(this, "Label1", shownLabelText(LabelText::ReportSite),
                                  twRect(1867, 180, 3990, 195), linkFont);

    m_RTB = new RichTextPanel(this);
    m_RTB->setObjectName(QStringLiteral("RTB"));
    m_RTB->setGeometry(twRect(30, 390, 7665, 6135));
    m_RTB->setFont(windowFont(9.75));
    m_RTB->makeReadOnly();

    m_cmdSave = new QPushButton(tr("&Save"), this);
    m_cmdSave->setObjectName(QStringLiteral("cmdSave"));
    m_cmdSave->setGeometry(twRect(5400, 6570, 1125, 345));
    m_cmdSave->setAutoDefault(false);
    m_cmdPrint = new QPushButton(tr("&Print"), this);
    m_cmdPrint->setObjectName(QStringLiteral("cmdPrint"));
    m_cmdPrint->setGeometry(twRect(6555, 6570, 1125, 345));
    m_cmdPrint->setAutoDefault(false);

    addOfferFrame(this, twRect(30, 6900, 7665, 855), 7425, Qt::AlignLeft | Qt::AlignTop);
    // The same offer stays in front as the program's draw put in the main window.
    bringOfferToFront(coBrandInFront(m_context.coBrandRandomNumber));

    connect(m_cmdSave, &QPushButton::clicked, this, &frmSave::cmdSave_Click);
    connect(m_cmdPrint, &QPushButton::clicked, this, &frmSave::cmdPrint_Click);
    connect(m_Label1, &ClickableLabel::clicked, this, &frmSave::Label1_Click);

    setTabOrder(m_RTB, m_cmdSave);
    setTabOrder(m_cmdSave, m_cmdPrint);
    setTabOrder(m_cmdPrint, m_Label14);
    setTabOrder(m_Label14, m_Label1);
    setTabOrder(m_Label1, m_lblCobrand);
    setTabOrder(m_lblCobrand, m_lblFullBrand);
}

void frmSave::Form_Load()
{
    m_RTB->setRuns(composeReport(m_reading, reportClosingLine(), returnsFromToday(m_context)));
}

void frmSave::cmdSave_Click()
{
    MessageService& messages = m_context.services.messages;
    // Refused before the dialog, so the user does not pick a file for nothing.
    const auto encoded = encodeReadingFile(m_reading.person);
    if (const auto* refusal = std::get_if<QString>(&encoded)) {
        messages.show(this, *refusal, MessageIcon::Critical);
        return;
    }

    FileDialogOptions options = readingFileDialog(QString::fromLatin1(kAppTitle));
    options.confirmOverwrite = true;
    const QString chosen = m_context.services.files.saveFileName(this, options);
    if (chosen.isEmpty())
        return;

    // A dialog that did not add the extension did not ask about the file
    // that is really going to be replaced either.
    const QString path = withReadingExtension(chosen);
    if (path != chosen && QFileInfo::exists(path)
        && !messages.ask(this, tr("%1 already exists.\nDo you want to replace it?").arg(QDir::toNativeSeparators(path)),
                         MessageIcon::Information))
        return;

    if (const QString failure = writeReadingFile(path, std::get<QByteArray>(encoded)); !failure.isEmpty()) {
        messages.show(this, failure, MessageIcon::Critical);
        return;
    }
    AddRecentReading(m_context.services.settings, path);
}

void frmSave::cmdPrint_Click()
{
    m_RTB->clearSelection();
    printWithPdfOffer(m_context.services, this, *m_RTB->document());
}

void frmSave::Label1_Click()
{
    OpenHomePage(m_context.services, this);
}

frmSave* showReportWindow(AppContext& context, const Reading& reading, QWidget* parent)
{
    auto* window = new frmSave(context, reading, parent);
    centreOnScreen(window);
    window->show();
    return window;
}

} // namespace kinwheel
