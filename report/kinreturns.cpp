#include "report/kinreturns.h"

#include "engine/tables.h"
#include "engine/tzolkin.h"
#include "report/readingfile.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>

namespace kinwheel {
namespace {

struct KinReturns {
    Q_DECLARE_TR_FUNCTIONS(KinReturns)
};

// "20270616"
QByteArray basicDate(const CivilDate& date)
{
    QByteArray iso = QByteArray::fromStdString(isoDate(date));
    return iso.replace('-', "");
}

// A TEXT value as RFC 5545 writes it: backslash, semicolon, comma and line
// break escaped; other control characters, which no property may hold, left out.
QByteArray escapedText(const QString& text)
{
    QString out;
    out.reserve(text.size() + 8);
    for (const QChar c : text) {
        if (c == u'\\' || c == u';' || c == u',')
            out += u'\\';
        if (c == u'\n') {
            out += QStringLiteral("\\n");
            continue;
        }
        if (c.category() == QChar::Other_Control)
            continue;
        out += c;
    }
    return out.toUtf8();
}

// A content line folded at 75 octets (a continuation begins with a space),
// never inside a character, and ended by CR LF.
QByteArray foldedLine(const QByteArray& line)
{
    constexpr qsizetype kOctets = 75;
    QByteArray out;
    qsizetype at = 0;
    while (line.size() - at > (at == 0 ? kOctets : kOctets - 1)) {
        qsizetype end = at + (at == 0 ? kOctets : kOctets - 1);
        while (end > at && (static_cast<unsigned char>(line[end]) & 0xC0) == 0x80)
            --end; // back to the first byte of a UTF-8 sequence
        out += line.mid(at, end - at) + "\r\n ";
        at = end;
    }
    return out + line.mid(at) + "\r\n";
}

} // namespace

std::optional<CivilDate> civilDateOf(const QDate& date)
{
    if (!date.isValid())
        return std::nullopt;
    const CivilDate day{date.year(), date.month(), date.day()};
    return isValidDate(day) ? std::optional(day) : std::nullopt;
}

QString kinTitle(int kin)
{
    if (kin < 1 || kin > 260)
        return {};
    return KinReturns::tr("Kin %1 · %2 / %3").arg(kin).arg(QString::fromStdString(tzolkinDayName(kin)), galacticName(kin));
}

QString kinReturnsHeading()
{
    return KinReturns::tr("Kin Returns");
}

std::vector<MayaDateLine> kinReturnsLines(const Reading& reading, const ReturnsSection& section)
{
    const std::vector<CivilDate> dates = kinReturns(reading, section.today, section.count);
    if (dates.empty())
        return {};
    std::vector<MayaDateLine> lines{
        {QString(), KinReturns::tr("Kin %1, %2, comes round again under the %3 on:")
                        .arg(reading.kin)
                        .arg(galacticName(reading.kin), countPhrase(reading.count))}};
    for (const CivilDate& date : dates)
        lines.push_back({QString(), date == section.today ? KinReturns::tr("%1 (today)").arg(dayMonthYear(date))
                                                          : dayMonthYear(date)});
    if (reading.count == Count::Dreamspell)
        lines.push_back({QString(), KinReturns::tr("29 February has no kin of its own in this count and is never a "
                                                   "return.")});
    return lines;
}

QByteArray kinReturnsCalendar(const Reading& reading, const std::vector<CivilDate>& dates, const CivilDate& stamp)
{
    const QString name = QString::fromStdString(reading.person.name);
    const QString kin = KinReturns::tr("Kin %1 · %2").arg(reading.kin).arg(galacticName(reading.kin));
    const QString summary = name.isEmpty() ? KinReturns::tr("%1 – kin return").arg(kin)
                                           : KinReturns::tr("%1 – kin return (%2)").arg(kin, name);
    const QString born = dayMonthYear(reading.person.birthDate);
    const QString description =
        (name.isEmpty() ? KinReturns::tr("Kin %1, %2, %3: the kin of %4, under the %5.")
                              .arg(QString::number(reading.kin), QString::fromStdString(tzolkinDayName(reading.kin)),
                                   galacticName(reading.kin), born, countPhrase(reading.count))
                        : KinReturns::tr("Kin %1, %2, %3: the kin of %4, born %5, under the %6.")
                              .arg(QString::number(reading.kin), QString::fromStdString(tzolkinDayName(reading.kin)),
                                   galacticName(reading.kin), name, born, countPhrase(reading.count)));
    // The same person, count and date give the same UID, so that a calendar
    // importing the file again updates its events rather than doubling them.
    const QByteArray person = QCryptographicHash::hash(
        QByteArray::fromStdString(reading.person.name + '\n' + isoDate(reading.person.birthDate)),
        QCryptographicHash::Sha256).toHex().left(16);
    const QByteArray count = QByteArray::fromStdString(std::string(countKey(reading.count)));

    QByteArray out;
    const auto line = [&out](const QByteArray& text) { out += foldedLine(text); };
    line("BEGIN:VCALENDAR");
    line("VERSION:2.0");
    line("PRODID:-//Kinwheel//Kin Returns//EN");
    line("CALSCALE:GREGORIAN");
    line("METHOD:PUBLISH");
    line("X-WR-CALNAME:" + escapedText(summary));
    for (const CivilDate& date : dates) {
        line("BEGIN:VEVENT");
        line("UID:" + basicDate(date) + "-kin" + QByteArray::number(reading.kin) + '-' + count + '-' + person
             + "@kinwheel");
        line("DTSTAMP:" + basicDate(stamp) + "T000000Z");
        line("DTSTART;VALUE=DATE:" + basicDate(date));
        line("SUMMARY:" + escapedText(summary));
        line("DESCRIPTION:" + escapedText(description));
        line("TRANSP:TRANSPARENT");
        line("END:VEVENT");
    }
    line("END:VCALENDAR");
    return out;
}

QString writeKinReturnsCalendar(const QString& path, const QByteArray& bytes)
{
    if (const QString reason = writeFileWhole(path, bytes); !reason.isEmpty())
        return KinReturns::tr("The kin returns could not be saved to %1.\n\n%2").arg(QDir::toNativeSeparators(path), reason);
    return {};
}

} // namespace kinwheel
