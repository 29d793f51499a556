#pragma once
// Every platform service the program touches goes through one of these small
// interfaces. The real ones (qtservices.h) use Qt; tests use fakes.

#include <QDate>
#include <QString>
#include <QUrl>

class QWidget;
class QTextDocument;

namespace kinwheel {

// Caption of every message box and dialog that names none of its own.
inline constexpr char kAppTitle[] = "Kinwheel";

enum class MessageIcon { Information, Critical };

// The text of every box can be selected with the mouse and copied.
class MessageService {
public:
    virtual ~MessageService() = default;
    // A message with an OK button; returns when it is closed.
    virtual void show(QWidget* parent, const QString& text, MessageIcon icon) = 0;
    // A Yes/No question; true for Yes.
    virtual bool ask(QWidget* parent, const QString& text, MessageIcon icon) = 0;
};

struct FileDialogOptions {
    QString title;
    QString filter;        // e.g. "Mayan Astrology (*.man)"
    QString defaultSuffix; // without the dot
    bool confirmOverwrite = false;
};

class FileDialogService {
public:
    virtual ~FileDialogService() = default;
    // The chosen path, or an empty text when the user cancelled.
    virtual QString openFileName(QWidget* parent, const FileDialogOptions& options) = 0;
    virtual QString saveFileName(QWidget* parent, const FileDialogOptions& options) = 0;
};

class PageOpener {
public:
    virtual ~PageOpener() = default;
    // Hands the address to the system and returns at once; false when
    // nothing on the system took it (no browser, no handler).
    virtual bool open(const QUrl& url) = 0;
};

// Printed and PDF pages have margins of 20 mm.
class PrinterService {
public:
    virtual ~PrinterService() = default;
    // Prints the whole document on the default printer as one job, without a
    // dialog. Returns an empty text on success, otherwise why it failed.
    virtual QString print(const QTextDocument& document) = 0;
    // Writes the document as print() would print it to a PDF file at path,
    // replacing any file there only once the whole PDF is written; needs no
    // display. Returns an empty text on success, otherwise why it failed.
    virtual QString printToPdf(const QTextDocument& document, const QString& path) = 0;
};

class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    // An empty text when the key is not present.
    virtual QString value(const QString& section, const QString& key) = 0;
    // False when the store could not be written.
    virtual bool setValue(const QString& section, const QString& key, const QString& value) = 0;
    // Why the store could not be read, naming it, for the user; an empty text
    // when it was. Until then value() gives nothing and setValue() writes
    // nothing over it.
    virtual QString readProblem() = 0;
};

class Clock {
public:
    virtual ~Clock() = default;
    virtual QDate today() = 0;
};

class RandomSource {
public:
    virtual ~RandomSource() = default;
    // The next number r with 0 <= r < 1.
    virtual double next() = 0;
};

class InstanceGuard {
public:
    virtual ~InstanceGuard() = default;
    // False when another instance of the program holds the guard.
    virtual bool acquire() = 0;
};

struct Services {
    MessageService& messages;
    FileDialogService& files;
    PageOpener& pages;
    PrinterService& printer;
    SettingsStore& settings;
    Clock& clock;
    RandomSource& random;
};

} // namespace kinwheel
