#include "platform/settings.h"
#include "report/language.h"

#include "report/birthtime.h"
#include "report/cp1252.h"
#include "report/scramble.h"
#include "platform/services.h"
#include "platform/weblinks.h"

#include <QCoreApplication>
#include <QDate>
#include <QFileInfo>
#include <QLocale>

namespace kinwheel {
namespace {

const QString kSection = QStringLiteral("Settings");
const QString kDurationKey = QStringLiteral("Duration");
const QString kRecentKey = QStringLiteral("Recent");
const QString kCountKey = QStringLiteral("Count");
const QString kDayStartKey = QStringLiteral("DayStart");
const QString kLanguageKey = QStringLiteral("Language");

// The scrambling holds only Windows-1252 characters, and not all of them:
// each path is kept as its UTF-8 bytes percent-encoded, plain ASCII, and the
// paths are joined by '*', which the encoding always escapes.
constexpr char kPathSeparator = '*';

#ifdef Q_OS_WIN
constexpr Qt::CaseSensitivity kPathCase = Qt::CaseInsensitive;
#else
constexpr Qt::CaseSensitivity kPathCase = Qt::CaseSensitive;
#endif

auto sameFile(const QString& path)
{
    return [path](const QString& other) { return other.compare(path, kPathCase) == 0; };
}

QString encodedPaths(const QStringList& paths)
{
    QStringList encoded;
    for (const QString& path : paths)
        encoded << QString::fromLatin1(path.toUtf8().toPercentEncoding("/", "~"));
    return encoded.join(QLatin1Char(kPathSeparator));
}

QStringList decodedPaths(const QString& text)
{
    QStringList paths;
    for (const QString& part : text.split(QLatin1Char(kPathSeparator), Qt::SkipEmptyParts)) {
        const QString path = QString::fromUtf8(QByteArray::fromPercentEncoding(part.toLatin1()));
        if (!paths.contains(path, kPathCase) && paths.size() < kMaxRecentReadings)
            paths << path;
    }
    return paths;
}

// Keys and values are scrambled as Windows-1252 codes, as the reading files
// are; every byte has a character there, so each comes back as it went in.
QString scrambled(const QString& plain)
{
    return fromCp1252(ScrambleText(toCp1252(plain)));
}

QString unscrambled(const QString& stored)
{
    return fromCp1252(UnscrambleText(toCp1252(stored)));
}

// The date is written as yyyy-MM-dd so it reads back the same in every
// locale. Values written in the system's short date format by earlier
// versions are still understood; a two-digit year there is taken in the
// century nearest to today rather than in the 1900s.
QDate storedDate(const QString& text, const QDate& today)
{
    const QDate iso = QDate::fromString(text, Qt::ISODate);
    if (iso.isValid())
        return iso;
    const QLocale locale = QLocale::system();
    QDate date = locale.toDate(text, QLocale::ShortFormat);
    if (!date.isValid())
        return {};
    if (!locale.dateFormat(QLocale::ShortFormat).contains(QLatin1String("yyyy"))) {
        while (today.daysTo(date) < -50 * 365)
            date = date.addYears(100);
        while (today.daysTo(date) > 50 * 365)
            date = date.addYears(-100);
    }
    return date;
}

} // namespace

QString ReadSetting(SettingsStore& store, const QString& name)
{
    return unscrambled(store.value(kSection, scrambled(name)));
}

bool WriteSetting(SettingsStore& store, const QString& name, const QString& text)
{
    return store.setValue(kSection, scrambled(name), scrambled(text));
}

QStringList RecentReadings(SettingsStore& store)
{
    return decodedPaths(ReadSetting(store, kRecentKey));
}

void AddRecentReading(SettingsStore& store, const QString& path)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    QStringList paths = RecentReadings(store);
    paths.removeIf(sameFile(absolute));
    paths.prepend(absolute);
    WriteSetting(store, kRecentKey, encodedPaths(paths.mid(0, kMaxRecentReadings)));
}

void RemoveRecentReading(SettingsStore& store, const QString& path)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    QStringList paths = RecentReadings(store);
    if (paths.removeIf(sameFile(absolute)) > 0)
        WriteSetting(store, kRecentKey, encodedPaths(paths));
}

Count ReadCountSetting(SettingsStore& store)
{
    return parseCount(ReadSetting(store, kCountKey).toStdString()).value_or(Count::Gmt584283);
}

bool WriteCountSetting(SettingsStore& store, Count count)
{
    return WriteSetting(store, kCountKey, QString::fromLatin1(countKey(count)));
}

DayStart ReadDayStartSetting(SettingsStore& store)
{
    return parseDayStart(ReadSetting(store, kDayStartKey)).value_or(DayStart::Midnight);
}

QString ReadLanguageSetting(SettingsStore& store)
{
    const QString language = ReadSetting(store, kLanguageKey);
    return isKnownLanguage(language) ? language : QString();
}

bool WriteLanguageSetting(SettingsStore& store, const QString& language)
{
    return WriteSetting(store, kLanguageKey, language);
}

QString ProgramLanguage(SettingsStore& store)
{
    const QString chosen = ReadLanguageSetting(store);
    return chosen.isEmpty() ? languageOfLocale(QLocale::system()) : chosen;
}

bool WriteDayStartSetting(SettingsStore& store, DayStart start)
{
    return WriteSetting(store, kDayStartKey, dayStartKey(start));
}

void RunUpdateReminder(Services& services)
{
    const QDate today = services.clock.today();
    const QString todayText = today.toString(Qt::ISODate);

    const QString stored = ReadSetting(services.settings, kDurationKey);
    const QDate last = stored.isEmpty() ? QDate() : storedDate(stored, today);
    // First start, or a value no longer readable as a date: start counting
    // from today. Leaving an unreadable value would end the reminders for good.
    if (!last.isValid()) {
        WriteSetting(services.settings, kDurationKey, todayText);
        return;
    }

    const qint64 days = today.daysTo(last);
    if (days >= -14 && days <= 14)
        return;

    const bool yes = services.messages.ask(
        nullptr,
        QCoreApplication::translate("kinwheel", "There maybe an update to this software available") + QLatin1Char('\r')
            + QCoreApplication::translate("kinwheel", "Do you want to check for an update?"),
        MessageIcon::Information);
    // The page opens after a Yes even if the date could not be stored.
    WriteSetting(services.settings, kDurationKey, todayText);
    if (yes)
        OpenDownloadWebPage(services, nullptr);
}

} // namespace kinwheel
