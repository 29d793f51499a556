#pragma once
// Fakes for every platform service: they record what the program asked for and
// answer from a script. No real box, dialog, browser or printer is touched.

#include "platform/services.h"

#include <QDate>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QTextDocument>
#include <QUrl>

#include <functional>

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
        if (readOnly)
            return false;
        values.insert(section + '/' + key, value);
        return true;
    }
    QMap<QString, QString> values;
    bool readOnly = false;
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

} // namespace kinwheel::testing
