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
#include <QTextDocument>
#include <QTextFrame>
#include <QThread>

#include <cstdio>

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

struct Text {
    Q_DECLARE_TR_FUNCTIONS(kinwheel)
};

// Makes the folder a file goes in. A home folder that is not there (HOME
// naming a missing folder) is never made, nor anything in it.
bool makeFolderFor(const QString& file)
{
    const QString folder = QFileInfo(file).absolutePath();
    if (QFileInfo(folder).isDir())
        return true;
    const QString home = QDir::homePath();
    if (!QFileInfo(home).isDir() && (folder == home || folder.startsWith(home + QLatin1Char('/'))))
        return false;
    return QDir().mkpath(folder);
}

} // namespace

// Where QSettings keeps the native store as a file, without reading it there.
QtSettingsStore::QtSettingsStore()
    : m_path(nativeStoreIsRegistry()
                 ? QString()
                 : QStringLiteral("%1/%2/%2.conf")
                       .arg(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation), programName()))
{
}

QtSettingsStore::QtSettingsStore(const QString& iniPath) : m_path(iniPath) {}

void QtSettingsStore::load()
{
    if (m_loaded || m_path.isEmpty())
        return;
    m_loaded = true;
    const QFileInfo info(m_path);
    if (!info.exists())
        return; // a first start: the first change makes the file
    // A folder, a pipe or a device is not opened at all.
    QString reason = replaceableFileRefusal(m_path);
    QFile file(m_path);
    if (reason.isEmpty()) {
        if (info.size() > kMaxSettingsFileBytes)
            reason = Text::tr("It holds %1 bytes, more than settings ever take (%2 at most).")
                         .arg(info.size())
                         .arg(kMaxSettingsFileBytes);
        else if (!file.open(QIODevice::ReadOnly))
            reason = file.errorString();
    }
    if (reason.isEmpty()) {
        // A byte more than it held when looked at tells that it has grown since.
        const QByteArray bytes = file.read(info.size() + 1);
        if (file.error() != QFileDevice::NoError)
            reason = file.errorString();
        else if (bytes.size() > info.size())
            reason = Text::tr("It changed while it was read.");
        else
            m_entries = parseSettingsFile(bytes);
    }
    if (!reason.isEmpty())
        m_problem = Text::tr("The settings could not be read from %1.\n\n%2\n\nKinwheel runs on its default "
                              "settings and leaves that file as it is.")
                        .arg(QDir::toNativeSeparators(m_path), reason);
}

QString QtSettingsStore::readProblem()
{
    load();
    return m_problem;
}

QString QtSettingsStore::value(const QString& section, const QString& key)
{
    if (m_path.isEmpty())
        return QSettings(QSettings::NativeFormat, QSettings::UserScope, programName(), programName())
            .value(section + QLatin1Char('/') + key)
            .toString();
    load();
    return m_entries.value({section, key});
}

bool QtSettingsStore::setValue(const QString& section, const QString& key, const QString& value)
{
    if (m_path.isEmpty()) {
        QSettings store(QSettings::NativeFormat, QSettings::UserScope, programName(), programName());
        store.setValue(section + QLatin1Char('/') + key, value);
        store.sync();
        return store.status() == QSettings::NoError;
    }
    load();
    if (!m_problem.isEmpty())
        return false;
    const auto found = m_entries.constFind({section, key});
    if (found != m_entries.cend() && *found == value)
        return true;
    SettingsEntries changed = m_entries;
    changed.insert({section, key}, value);
    if (!makeFolderFor(m_path) || !writeFileWhole(m_path, settingsFileBytes(changed), ThroughLink::AnyFile).isEmpty())
        return false;
    m_entries = std::move(changed);
    return true;
}

QDate SystemClock::today()
{
    return QDate::currentDate();
}

LockFileGuard::LockFileGuard(const QString& lockPath)
    : m_path(lockPath), m_lock(std::make_unique<QLockFile>(lockPath))
{
    // A lock is stale only when its holder is gone; a live instance never loses it.
    m_lock->setStaleLockTime(0);
}

LockFileGuard::~LockFileGuard() = default;

namespace {

// Whether the lock file names its holder. A holder writes itself in just
// after making the file, so one that names none is looked at once more.
bool namesItsHolder(QLockFile& lock)
{
    for (int look = 0; look < 2; ++look) {
        qint64 pid = 0;
        QString host, application;
        if (lock.getLockInfo(&pid, &host, &application))
            return true;
        if (look == 0)
            QThread::msleep(100);
    }
    return false;
}

} // namespace

bool LockFileGuard::acquire()
{
    if (m_lock->tryLock(0))
        return true;
    QString reason;
    if (m_lock->error() == QLockFile::LockFailedError) {
        // Qt takes over a lock whose holder has gone: one that names its
        // holder is held by a live instance.
        if (namesItsHolder(*m_lock))
            return false;
        // Junk or an empty file, which no instance holds.
        if (m_lock->removeStaleLockFile() && m_lock->tryLock(0))
            return true;
        if (namesItsHolder(*m_lock)) // another start took it meanwhile
            return false;
        reason = QFileInfo(m_path).isDir() ? Text::tr("a folder is in its place")
                                           : Text::tr("it names no instance and cannot be removed");
    } else if (!QFileInfo(QFileInfo(m_path).absolutePath()).isDir()) {
        reason = Text::tr("its folder is missing");
    } else {
        reason = m_lock->error() == QLockFile::PermissionError ? Text::tr("its folder takes no file")
                                                              : Text::tr("it cannot be written");
    }
    const QString line = Text::tr("kinwheel: the lock %1 cannot be taken (%2); starting all the same.\n")
                             .arg(QDir::toNativeSeparators(m_path), reason);
    std::fputs(line.toLocal8Bit().constData(), stderr);
    return true;
}

QString LockFileGuard::defaultLockPath()
{
    // The runtime folder is per user, so each user gets one instance.
    QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty())
        dir = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
    const QString path = QDir(dir).filePath(QStringLiteral("kinwheel.lock"));
    makeFolderFor(path);
    return path;
}

} // namespace kinwheel
