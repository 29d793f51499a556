#pragma once
// Services for benchmarks and the soak run: nothing is shown or opened, the
// reminder never asks (the stored date is always today).

#include "shell/services.h"

#include <QMap>

namespace kinwheel::bench {

class QuietMessages final : public MessageService {
public:
    void show(QWidget*, const QString&, MessageIcon) override { ++count; }
    bool ask(QWidget*, const QString&, MessageIcon) override { ++count; return false; }
    int count = 0;
};
class NoFiles final : public FileDialogService {
public:
    QString openFileName(QWidget*, const FileDialogOptions&) override { return {}; }
    QString saveFileName(QWidget*, const FileDialogOptions&) override { return {}; }
};
class NoPages final : public PageOpener {
public:
    void open(const QUrl&) override {}
};
class NoPrinter final : public PrinterService {
public:
    QString print(const QTextDocument&) override { return QStringLiteral("no printer"); }
};
class MemorySettings final : public SettingsStore {
public:
    QString value(const QString& s, const QString& k) override { return values.value(s + '/' + k); }
    bool setValue(const QString& s, const QString& k, const QString& v) override
    {
        values.insert(s + '/' + k, v);
        return true;
    }
    QMap<QString, QString> values;
};
class FixedClock final : public Clock {
public:
    QDate today() override { return QDate(2026, 12, 7); }
};
class CountingRandom final : public RandomSource {
public:
    double next() override { return (n++ % 6) / 6.0; }
    int n = 0;
};

struct QuietServices {
    QuietMessages messages;
    NoFiles files;
    NoPages pages;
    NoPrinter printer;
    MemorySettings settings;
    FixedClock clock;
    CountingRandom random;
    Services services{messages, files, pages, printer, settings, clock, random};
};

} // namespace kinwheel::bench
