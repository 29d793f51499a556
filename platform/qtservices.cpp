#include "platform/qtservices.h"

#include "report/readingfile.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLocale>
#include <QLockFile>
#include <QMessageBox>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <QTextDocument>
#include <QTextFrame>

#include <filesystem>

namespace kinwheel {
namespace {

QMessageBox::Icon qtIcon(MessageIcon icon)
{
    return icon == MessageIcon::Critical ? QMessageBox::Critical : QMessageBox::Information;
}

int runBox(QWidget* parent, const QString& text, MessageIcon icon, QMessageBox::StandardButtons buttons)
{
    QMessageBox box(qtIcon(icon), QString::fromLatin1(kAppTitle), text, buttons, parent);
    // An address or a path in the text can be copied from the box.
    box.setTextInteractionFlags(Qt::TextSelectableByMouse);
    return box.exec();
}

QString programName()
{
    return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
}

QString runDialog(QWidget* parent, const FileDialogOptions& options, QFileDialog::AcceptMode mode)
{
    QFileDialog dialog(parent, options.title);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setNameFilter(options.filter);
    dialog.setDefaultSuffix(options.defaultSuffix);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !options.confirmOverwrite);
    dialog.setOption(QFileDialog::ReadOnly, false);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

} // namespace

void QtMessageService::show(QWidget* parent, const QString& text, MessageIcon icon)
{
    runBox(parent, text, icon, QMessageBox::Ok);
}

bool QtMessageService::ask(QWidget* parent, const QString& text, MessageIcon icon)
{
    return runBox(parent, text, icon, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

QString QtFileDialogService::openFileName(QWidget* parent, const FileDialogOptions& options)
{
    return runDialog(parent, options, QFileDialog::AcceptOpen);
}

QString QtFileDialogService::saveFileName(QWidget* parent, const FileDialogOptions& options)
{
    return runDialog(parent, options, QFileDialog::AcceptSave);
}

bool QtPageOpener::open(const QUrl& url)
{
    return QDesktopServices::openUrl(url);
}

namespace {

constexpr qreal kPageMarginMm = 20;

// Lays the document out on the device's pages, inside their margins, and
// paints it there. False when the device could not be painted on.
// QTextDocument::print() would add 2 cm of its own inside the device's
// margins and not say whether the device took the pages.
bool paintPages(const QTextDocument& document, QPagedPaintDevice& device)
{
    const qreal m = kPageMarginMm;
    device.setPageMargins(QMarginsF(m, m, m, m), QPageLayout::Millimeter);
    QPainter painter;
    if (!painter.begin(&device))
        return false;

    const std::unique_ptr<QTextDocument> copy(document.clone());
    QTextFrameFormat frame = copy->rootFrame()->frameFormat();
    frame.setMargin(0);
    copy->rootFrame()->setFrameFormat(frame);
    QAbstractTextDocumentLayout* layout = copy->documentLayout();
    layout->setPaintDevice(&device);
    const QRectF page(0, 0, device.width(), device.height()); // inside the margins
    copy->setPageSize(page.size());

    QAbstractTextDocumentLayout::PaintContext context;
    // Paper is white whatever the screen's colours: uncoloured text is black.
    context.palette.setColor(QPalette::Text, Qt::black);
    for (int i = 0; i < copy->pageCount(); ++i) {
        if (i > 0 && !device.newPage())
            return false;
        painter.save();
        painter.translate(0, -i * page.height());
        context.clip = page.translated(0, i * page.height());
        painter.setClipRect(context.clip);
        layout->draw(&painter, context);
        painter.restore();
    }
    return painter.end();
}

// The paper the printers of the user's country are loaded with.
QPageSize localPaper()
{
    return QPageSize(QLocale().measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter
                                                                                : QPageSize::A4);
}

} // namespace

QString QtPrinterService::print(const QTextDocument& document)
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull())
        return QCoreApplication::translate("kinwheel", "No printer is available.");
    QPrinter printer(info, QPrinter::HighResolution);
    return printOn(printer, document);
}

QString QtPrinterService::printOn(QPrinter& printer, const QTextDocument& document)
{
    const QString name = printer.printerName().isEmpty() ? printer.outputFileName() : printer.printerName();
    printer.setDocName(QString::fromLatin1(kAppTitle));
    if (!printer.isValid())
        return QCoreApplication::translate("kinwheel", "The printer \"%1\" cannot be used.").arg(name);
    if (!paintPages(document, printer) || printer.printerState() == QPrinter::Error
        || printer.printerState() == QPrinter::Aborted)
        return QCoreApplication::translate("kinwheel", "The printer \"%1\" reported an error.").arg(name);
    return {};
}

QString QtPrinterService::printToPdf(const QTextDocument& document, const QString& path)
{
    // The PDF writer does not look at what its writes return, so the pages
    // are drawn into memory and written out whole, every write checked: a
    // failure leaves neither a partial file nor the temporary one.
    QBuffer pages;
    pages.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&pages);
        writer.setTitle(QString::fromLatin1(kAppTitle));
        writer.setCreator(QString::fromLatin1(kAppTitle));
        writer.setPageSize(localPaper());
        if (!paintPages(document, writer))
            return QCoreApplication::translate("kinwheel", "The pages could not be drawn.");
    }
    return writeFileWhole(path, pages.data(), ThroughLink::PdfFile);
}

QtSettingsStore::QtSettingsStore() = default;

QtSettingsStore::QtSettingsStore(const QString& iniPath) : m_iniPath(iniPath) {}

namespace {
// Windows keeps native settings in the registry and macOS in its preferences;
// elsewhere the native store is an ini file.
constexpr bool nativeStoreIsRegistry()
{
#if defined(Q_OS_WIN) || defined(Q_OS_DARWIN)
    return true;
#else
    return false;
#endif
}

std::unique_ptr<QSettings> openStore(const QString& iniPath)
{
    if (!iniPath.isEmpty())
        return std::make_unique<QSettings>(iniPath, QSettings::IniFormat);
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, programName(), programName());
}
} // namespace

QString QtSettingsStore::value(const QString& section, const QString& key)
{
    const auto store = openStore(m_iniPath);
    return store->value(section + QLatin1Char('/') + key).toString();
}

namespace {

// QSettings writes its file through a buffer and, in Qt 6.4, does not notice
// when the disk refuses the bytes: the file is cut off and status() stays
// NoError. A file store is therefore written to a new file beside it, read
// back under a name QSettings has never cached, and only then moved into place.
bool writeFileStore(const QString& path, const QString& name, const QString& value)
{
    QMap<QString, QVariant> wanted;
    {
        QSettings current(path, QSettings::IniFormat);
        const QStringList keys = current.allKeys();
        for (const QString& k : keys)
            wanted.insert(k, current.value(k));
    }
    wanted.insert(name, value);

    const QFileInfo target(path);
    if ((target.exists() && !target.isFile()) || !QDir().mkpath(target.absolutePath()))
        return false;
    QTemporaryFile written(target.absoluteFilePath() + QStringLiteral(".XXXXXX"));
    QTemporaryFile readBack(target.absoluteFilePath() + QStringLiteral(".XXXXXX"));
    if (!written.open() || !readBack.open())
        return false;
    written.close();
    readBack.close();
    {
        QSettings out(written.fileName(), QSettings::IniFormat);
        for (auto it = wanted.cbegin(); it != wanted.cend(); ++it)
            out.setValue(it.key(), it.value());
        out.sync();
        if (out.status() != QSettings::NoError)
            return false;
    }
    if (!QFile::remove(readBack.fileName()) || !QFile::copy(written.fileName(), readBack.fileName()))
        return false;
    {
        QSettings check(readBack.fileName(), QSettings::IniFormat);
        const QStringList keys = check.allKeys();
        if (check.status() != QSettings::NoError || keys.size() != wanted.size())
            return false;
        for (const QString& k : keys) {
            if (!wanted.contains(k) || check.value(k) != wanted.value(k))
                return false;
        }
    }
    std::error_code error;
    std::filesystem::rename(std::filesystem::path(written.fileName().toStdU16String()),
                            std::filesystem::path(path.toStdU16String()), error);
    return !error;
}

} // namespace

bool QtSettingsStore::setValue(const QString& section, const QString& key, const QString& value)
{
    const QString name = section + QLatin1Char('/') + key;
    const auto store = openStore(m_iniPath);
    if (store->format() == QSettings::IniFormat || !nativeStoreIsRegistry())
        return writeFileStore(store->fileName(), name, value);
    store->setValue(name, value);
    store->sync();
    return store->status() == QSettings::NoError;
}

QDate SystemClock::today()
{
    return QDate::currentDate();
}

LockFileGuard::LockFileGuard(const QString& lockPath) : m_lock(std::make_unique<QLockFile>(lockPath))
{
    // A lock is stale only when its holder is gone; a live instance never loses it.
    m_lock->setStaleLockTime(0);
}

LockFileGuard::~LockFileGuard() = default;

bool LockFileGuard::acquire()
{
    return m_lock->tryLock(0);
}

QString LockFileGuard::defaultLockPath()
{
    // The runtime folder is per user, so each user gets one instance.
    QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty())
        dir = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
    QDir().mkpath(dir);
    return QDir(dir).filePath(QStringLiteral("kinwheel.lock"));
}

} // namespace kinwheel
