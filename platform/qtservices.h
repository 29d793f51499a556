#pragma once
// The real platform services, on Qt.

#include "platform/services.h"
#include "platform/settingsfile.h"

#include <QRandomGenerator>
#include <QString>

#include <memory>

class QLockFile;
class QPrinter;

namespace kinwheel {

class QtMessageService final : public MessageService {
public:
    void show(QWidget* parent, const QString& text, MessageIcon icon) override;
    bool ask(QWidget* parent, const QString& text, MessageIcon icon) override;
};

class QtFileDialogService final : public FileDialogService {
public:
    QString openFileName(QWidget* parent, const FileDialogOptions& options) override;
    QString saveFileName(QWidget* parent, const FileDialogOptions& options) override;
};

class QtPageOpener final : public PageOpener {
public:
    bool open(const QUrl& url) override;
};

class QtPrinterService final : public PrinterService {
public:
    QString print(const QTextDocument& document) override;
    QString printToPdf(const QTextDocument& document, const QString& path) override;
    // Prints on the given printer as print() does on the default one.
    static QString printOn(QPrinter& printer, const QTextDocument& document);
};

// The per-user native store (the registry on Windows and macOS, an ini file
// elsewhere), addressed by the running program's file name; or an ini file at
// a given path. A file is read once, at the first use, and kept; each change
// writes it anew, whole (through a link, the file the link names).
class QtSettingsStore final : public SettingsStore {
public:
    QtSettingsStore();
    explicit QtSettingsStore(const QString& iniPath);
    QString value(const QString& section, const QString& key) override;
    bool setValue(const QString& section, const QString& key, const QString& value) override;
    QString readProblem() override;
    // The store's file; empty for the registry.
    QString fileName() const { return m_path; }

private:
    void load();

    QString m_path;
    bool m_loaded = false;
    QString m_problem;
    SettingsEntries m_entries;
};

class SystemClock final : public Clock {
public:
    QDate today() override;
};

class SeededRandom final : public RandomSource {
public:
    explicit SeededRandom(quint32 seed) : m_generator(seed) {}
    double next() override { return m_generator.generateDouble(); }

private:
    QRandomGenerator m_generator;
};

// One instance per user: a lock file whose holder's death frees it. Only a
// live holder refuses it; a lock that cannot be had for another reason (junk
// in the file, a folder in its place, a folder that takes no file) lets the
// program start, with one line on standard error.
class LockFileGuard final : public InstanceGuard {
public:
    explicit LockFileGuard(const QString& lockPath = defaultLockPath());
    ~LockFileGuard() override;
    bool acquire() override;
    static QString defaultLockPath();

private:
    QString m_path;
    std::unique_ptr<QLockFile> m_lock;
};

} // namespace kinwheel
