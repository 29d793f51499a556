#pragma once
// Fakes for every platform service: they record what the program asked for and
// answer from a script. No real box, dialog, browser or printer is touched.
// Then the hostile file system: odd entries in a file's place, a read-only
// folder, a full disk.

#include "platform/services.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QTextDocument>
#include <QUrl>

#include <functional>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#endif
#ifdef Q_OS_LINUX
#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>
#endif

namespace kinwheel::testing {

struct ShownMessage {
    QString text;
    MessageIcon icon;
    bool question;
    QWidget* parent;
};

class FakeMessages final : public MessageService {
public:
    void show(QWidget* parent, const QString& text, MessageIcon icon) override
    {
        shown.append({text, icon, false, parent});
    }
    bool ask(QWidget* parent, const QString& text, MessageIcon icon) override
    {
        shown.append({text, icon, true, parent});
        return answerYes;
    }
    QList<ShownMessage> shown;
    bool answerYes = false;
};

class FakeFileDialogs final : public FileDialogService {
public:
    QString openFileName(QWidget*, const FileDialogOptions& options) override
    {
        lastOpen = options;
        ++openCalls;
        return openAnswer;
    }
    QString saveFileName(QWidget*, const FileDialogOptions& options) override
    {
        lastSave = options;
        ++saveCalls;
        return saveAnswer;
    }
    QString openAnswer, saveAnswer; // empty: the user cancels
    FileDialogOptions lastOpen, lastSave;
    int openCalls = 0, saveCalls = 0;
};

class FakePages final : public PageOpener {
public:
    bool open(const QUrl& url) override
    {
        opened.append(url.toString());
        return !fails;
    }
    QStringList opened;
    bool fails = false; // true: nothing on the system takes an address
};

class FakePrinter final : public PrinterService {
public:
    QString print(const QTextDocument& document) override
    {
        ++jobs;
        printedHtml = document.toHtml();
        printedText = document.toPlainText();
        return failure;
    }
    QString printToPdf(const QTextDocument& document, const QString& path) override
    {
        pdfPath = path;
        pdfHtml = document.toHtml();
        return pdfFailure;
    }
    QString failure;    // non-empty: the print fails with this reason
    QString pdfFailure; // the same for the PDF
    int jobs = 0;
    QString printedHtml, printedText;
    QString pdfPath, pdfHtml; // the last PDF asked for
};

class FakeSettings final : public SettingsStore {
public:
    QString value(const QString& section, const QString& key) override { return values.value(section + '/' + key); }
    bool setValue(const QString& section, const QString& key, const QString& value) override
    {
        if (readOnly || !problem.isEmpty())
            return false;
        values.insert(section + '/' + key, value);
        return true;
    }
    QString readProblem() override { return problem; }
    QMap<QString, QString> values;
    bool readOnly = false;
    QString problem; // non-empty: the store could not be read
};

class FakeClock final : public Clock {
public:
    QDate today() override { return date; }
    QDate date{2026, 12, 7};
};

class FakeRandom final : public RandomSource {
public:
    double next() override { return value; }
    double value = 0.0;
};

// One set of fakes and the Services bundle over them.
struct FakeServices {
    FakeMessages messages;
    FakeFileDialogs files;
    FakePages pages;
    FakePrinter printer;
    FakeSettings settings;
    FakeClock clock;
    FakeRandom random;
    Services services{messages, files, pages, printer, settings, clock, random};
};

// What the program says when it refuses birth details or a reading file.
inline const QString kNameMessage = QStringLiteral("Please Enter Your Name");
inline const QString kFebruaryMessage = QStringLiteral("Please Enter Correct Date Or Month!");
inline const QString kThirtyDayMessage = QStringLiteral("Please Enter Correct Date Or Month !");
inline const QString kCheckFileMessage = QStringLiteral("Please Check The File.");

// "Mary Smith", 1975, March, 5 as Save writes it: each code raised by 3.
inline const QByteArray kMarySmith("Pdu|#Vplwk\r\n4<:8\r\nPdufk\r\n8\r\n");

// The whole file, or "<none>" where there is none to read.
inline QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<none>");
}

// Puts at path a file of the bytes, or "<folder>", "<fifo>", "<zero>" (a link
// to an endless device); "<none>" puts nothing.
inline bool place(const QString& path, const QByteArray& what)
{
    if (what == "<none>")
        return true;
    if (what == "<folder>")
        return QDir().mkpath(path);
#ifdef Q_OS_UNIX
    if (what == "<fifo>")
        return mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
    if (what == "<zero>")
        return QFile::link(QStringLiteral("/dev/zero"), path);
#endif
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(what) == what.size();
}

// While it lives, this thread is held to files' permissions even as root: it
// gives up CAP_DAC_OVERRIDE and CAP_DAC_READ_SEARCH.
class PermissionsHeld {
public:
    PermissionsHeld()
    {
#ifdef Q_OS_LINUX
        if (syscall(SYS_capget, &m_header, m_caps) == 0) {
            __user_cap_data_struct lowered[2] = {m_caps[0], m_caps[1]};
            lowered[0].effective &= ~(1u << CAP_DAC_OVERRIDE | 1u << CAP_DAC_READ_SEARCH);
            m_lowered = syscall(SYS_capset, &m_header, lowered) == 0;
        }
#endif
    }
    ~PermissionsHeld()
    {
#ifdef Q_OS_LINUX
        if (m_lowered)
            syscall(SYS_capset, &m_header, m_caps);
#endif
    }
    PermissionsHeld(const PermissionsHeld&) = delete;
    PermissionsHeld& operator=(const PermissionsHeld&) = delete;

private:
#ifdef Q_OS_LINUX
    __user_cap_header_struct m_header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct m_caps[2]{};
    bool m_lowered = false;
#endif
};

// A folder this thread may not write into while it lives; writable() tells
// whether it stays writable all the same.
class ReadOnlyFolder {
public:
    explicit ReadOnlyFolder(const QString& path) : m_path(path)
    {
        QFile::setPermissions(path, QFile::ReadOwner | QFile::ExeOwner);
    }
    ~ReadOnlyFolder() { QFile::setPermissions(m_path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner); }
    bool writable() const
    {
        QFile probe(QDir(m_path).filePath(QStringLiteral("probe")));
        return probe.open(QIODevice::WriteOnly) && probe.remove();
    }

private:
    QString m_path;
    PermissionsHeld m_held;
};

// A file this thread may not read while it lives (mode 000); readable()
// tells whether it can be read all the same.
class UnreadableFile {
public:
    explicit UnreadableFile(const QString& path) : m_path(path) { QFile::setPermissions(path, {}); }
    ~UnreadableFile() { QFile::setPermissions(m_path, QFile::ReadOwner | QFile::WriteOwner); }
    bool readable() const
    {
        QFile probe(m_path);
        return probe.open(QIODevice::ReadOnly);
    }

private:
    QString m_path;
    PermissionsHeld m_held;
};

// A disk with room for only so many bytes of any one file while it lives:
// writes past them fail with EFBIG. active() is false where it cannot be had.
class FullDisk {
public:
    explicit FullDisk(qint64 room)
    {
#ifdef Q_OS_UNIX
        getrlimit(RLIMIT_FSIZE, &m_saved);
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit small = m_saved;
        small.rlim_cur = rlim_t(room);
        m_active = setrlimit(RLIMIT_FSIZE, &small) == 0;
#endif
    }
    ~FullDisk()
    {
#ifdef Q_OS_UNIX
        if (m_active)
            setrlimit(RLIMIT_FSIZE, &m_saved);
#endif
    }
    bool active() const { return m_active; }

private:
    bool m_active = false;
#ifdef Q_OS_UNIX
    rlimit m_saved{};
#endif
};

} // namespace kinwheel::testing
