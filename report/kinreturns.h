#pragma once
// A kin by its names, and the dates on which a reading's kin comes round
// again: the section the report, the result window and the terminal text
// share, and the calendar file (.ics) of the returns.

#include "engine/reading.h"
#include "report/language.h"
#include "report/reportcomposer.h"

#include <QByteArray>
#include <QDate>
#include <QString>

#include <optional>
#include <vector>

namespace kinwheel {

// Returns a calendar file holds, and the most the command line asks for.
inline constexpr int kReturnsExported = 20;
inline constexpr int kMaxReturns = 1000;

// The day of a QDate; nothing for an invalid one or one the engine does not read.
std::optional<CivilDate> civilDateOf(const QDate& date);

// "Kin 34 · 8 Ix / White Galactic Wizard".
QString kinTitle(int kin);

QString kinReturnsHeading();
// A line that says which kin under which count, then one line a date, the
// one that is today marked so. Empty when no return is left in the calendar.
std::vector<MayaDateLine> kinReturnsLines(const Reading& reading, const ReturnsSection& section);

// The iCalendar file (RFC 5545) of the returns: one all-day event a date
// (a DTSTART date alone, one day long) with a UID that the same person,
// count and date always give; lines ended by CR LF and folded at 75 octets,
// texts escaped. stamp is the day the file is made.
QByteArray kinReturnsCalendar(const Reading& reading, const std::vector<CivilDate>& dates, const CivilDate& stamp);

// Writes the calendar file whole or not at all; an empty text once written,
// otherwise the message for the user.
QString writeKinReturnsCalendar(const QString& path, const QByteArray& bytes);

} // namespace kinwheel
