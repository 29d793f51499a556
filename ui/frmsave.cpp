#include "ui/frmsave.h"

#include "engine/tables.h"
#include "report/cp1252.h"
#include "report/readingfile.h"
#include "report/reportcomposer.h"
#include "shell/weblinks.h"
#include "ui/appcontext.h"
#include "ui/richtextpanel.h"
#include "ui/widgets.h"

#include <QFileInfo>
#include <QGroupBox>
#include <QGuiApplication>
#include <QPushButton>
#include <QSaveFile>
#include <QScreen>
#include <QStringList>

namespace kinwheel {
namespace {

QString fromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QPalette windowPalette(QPalette palette, const QColor& text)
{
    palette.setColor(QPalette::Window, kWindowColour);
    palette.setColor(QPalette::WindowText, text);
    return palette;
}

ClickableLabel* makeLabel(QWidget* parent, const char* objectName, const QString& text, const QFont& font)
{
    auto* label = new ClickableLabel(parent);
    label->setObjectName(QString::fromLatin1(objectName));
    label->setText(text);
    label->setFont(font);
    label->setTextFormat(Qt::PlainText);
    return label;
}

// Reading files are known by their extension: a name typed without one gets it.
QString withReadingExtension(const QString& path)
{
    if (!QFileInfo(path).suffix().isEmpty())
        return path;
    return path + (path.endsWith(QLatin1Char('.')) ? QStringLiteral("man") : QStringLiteral(".man"));
}

} // namespace

frmSave::frmSave(AppContext& context, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
                          | Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint),
      m_context(context)
{
    setObjectName(QStringLiteral("frmSave"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowModality(Qt::ApplicationModal);
    setWindowTitle(QStringLiteral("Kinwheel v1.25"));
    setFixedSize(tw(7725), tw(7770));
    setAutoFillBackground(true);
    setPalette(windowPalette(palette(), palette().color(QPalette::WindowText)));
    setFont(windowFont(8.25));

    const QFont linkFont = windowFont(8.25, false, true);
    Label14 = makeLabel(this, "Label14", fromUtf8(labelText(LabelText::ReportForum)), linkFont);
    Label14->setGeometry(twRect(1747, 0, 4230, 195));
    Label1 = makeLabel(this, "Label1", fromUtf8(labelText(LabelText::ReportSite)), linkFont);
    Label1->setGeometry(twRect(1867, 180, 3990, 195));

    RTB = new RichTextPanel(this);
    RTB->setObjectName(QStringLiteral("RTB"));
    RTB->setGeometry(twRect(30, 390, 7665, 6135));
    RTB->setFont(windowFont(9.75));
    // The report is computed; the user may select and print it, not edit it.
    RTB->setReadOnly(true);
    RTB->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);

    cmdSave = new QPushButton(QStringLiteral("&Save"), this);
    cmdSave->setObjectName(QStringLiteral("cmdSave"));
    cmdSave->setGeometry(twRect(5400, 6570, 1125, 345));
    cmdSave->setAutoDefault(false);
    cmdPrint = new QPushButton(QStringLiteral("&Print"), this);
    cmdPrint->setObjectName(QStringLiteral("cmdPrint"));
    cmdPrint->setGeometry(twRect(6555, 6570, 1125, 345));
    cmdPrint->setAutoDefault(false);

    fraFullBrand = new QGroupBox(this);
    fraFullBrand->setObjectName(QStringLiteral("fraFullBrand"));
    fraFullBrand->setGeometry(twRect(30, 6900, 7665, 855));
    const QFont offerFont = windowFont(8.25, true, true);
    lblFullBrand = makeLabel(fraFullBrand, "lblFullBrand", fromUtf8(labelText(LabelText::FullBrandOffer)), offerFont);
    lblFullBrand->setGeometry(twRect(120, 165, 7425, 615));
    lblCobrand = makeLabel(fraFullBrand, "lblCobrand", fromUtf8(labelText(LabelText::CoBrandOffer)), offerFont);
    lblCobrand->setGeometry(twRect(120, 160, 7425, 615));
    for (ClickableLabel* offer : {lblFullBrand, lblCobrand}) {
        offer->setWordWrap(true);
        offer->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        offer->setAutoFillBackground(true);
        offer->setPalette(windowPalette(offer->palette(), kLinkYellow));
    }
    // The same offer stays in front as the program's draw put in the main window.
    const bool coBrandInFront = m_context.coBrandRandomNumber % 2 == 1;
    (coBrandInFront ? lblCobrand : lblFullBrand)->raise();

    connect(cmdSave, &QPushButton::clicked, this, &frmSave::cmdSave_Click);
    connect(cmdPrint, &QPushButton::clicked, this, &frmSave::cmdPrint_Click);
    connect(Label1, &ClickableLabel::clicked, this, &frmSave::Label1_Click);
    connect(Label14, &ClickableLabel::clicked, this, &frmSave::Label14_Click);
    connect(lblCobrand, &ClickableLabel::clicked, this, &frmSave::lblCobrand_Click);
    connect(lblFullBrand, &ClickableLabel::clicked, this, &frmSave::lblFullBrand_Click);

    setTabOrder(RTB, cmdSave);
    setTabOrder(cmdSave, cmdPrint);

    Form_Load();
}

void frmSave::Form_Load()
{
    RTB->setWholeText(QString());
    for (const ReportRun& run : composeReport(m_context.details, m_context.chart,
                                              QStringLiteral("Report Generated By ") + siteRoot())) {
        RTB->setSelBold(run.bold);
        RTB->setSelColor(run.colour);
        RTB->insertText(run.text);
    }
    RTB->moveCursor(QTextCursor::Start);
}

void frmSave::cmdSave_Click()
{
    MessageService& messages = m_context.services.messages;
    const QString name = fromUtf8(m_context.details.name);
    const QList<char32_t> unsaveable = unsaveableCharacters(name);
    if (!unsaveable.isEmpty()) {
        QStringList described;
        for (const char32_t c : unsaveable)
            described.append(describeCharacter(c));
        messages.show(this,
                      tr("The name cannot be stored in a reading file, because a reading file cannot "
                         "hold these characters: %1.\n\nPlease change the name, generate the reading "
                         "again and save it then. Nothing was saved.")
                          .arg(described.join(QStringLiteral(", "))),
                      MessageIcon::Critical);
        return;
    }
    const std::optional<QByteArray> bytes = encodeReadingFile(m_context.details);
    if (!bytes)
        return; // the month comes from the month list and always fits

    FileDialogOptions options;
    options.title = QString::fromLatin1(kAppTitle);
    options.filter = QStringLiteral("Mayan Astrology (*.man)");
    options.defaultSuffix = QStringLiteral("man");
    options.confirmOverwrite = true;
    const QString chosen = m_context.services.files.saveFileName(this, options);
    if (chosen.isEmpty())
        return;

    // A dialog that did not add the extension did not ask about the file
    // that is really going to be replaced either.
    const QString path = withReadingExtension(chosen);
    if (path != chosen && QFileInfo::exists(path)
        && !messages.ask(this, tr("%1 already exists.\nDo you want to replace it?").arg(path),
                         MessageIcon::Information))
        return;

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(*bytes) != bytes->size() || !file.commit()) {
        messages.show(this, tr("The reading could not be saved to %1.\n\n%2").arg(path, file.errorString()),
                      MessageIcon::Critical);
    }
}

void frmSave::cmdPrint_Click()
{
    RTB->clearSelection();
    const QString failure = RTB->printTo(m_context.services.printer);
    if (!failure.isEmpty())
        m_context.services.messages.show(this, tr("The report could not be printed.\n\n%1").arg(failure),
                                         MessageIcon::Critical);
}

void frmSave::Label1_Click()
{
    OpenHomePage(m_context.services.pages);
}

void frmSave::Label14_Click()
{
    OpenHomePage(m_context.services.pages);
}

void frmSave::lblCobrand_Click()
{
    OpenCoBrandPage(m_context.services.pages);
}

void frmSave::lblFullBrand_Click()
{
    OpenFullyBrandedPage(m_context.services.pages);
}

frmSave* showReportWindow(AppContext& context, QWidget* parent)
{
    auto* window = new frmSave(context, parent);
    if (const QScreen* screen = parent && parent->screen() ? parent->screen() : QGuiApplication::primaryScreen()) {
        QRect frame = window->frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        window->move(frame.topLeft());
    }
    window->show();
    return window;
}

} // namespace kinwheel
