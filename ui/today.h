#pragma once
// Today as the windows know it: the clock service's date, today's reading
// under the chosen count, and a watcher that says when the date changes
// while the program runs.

#include "engine/reading.h"
#include "report/reportcomposer.h"

#include <QObject>
#include <QTimer>

#include <optional>

namespace kinwheel {

struct AppContext;

// Today's date from the clock service; nothing when it gives no date the engine reads.
std::optional<CivilDate> today(AppContext& context);
// Today's reading under the context's count and day start: nobody's, of today's date.
std::optional<Reading> todaysReading(AppContext& context);
// The returns section of a reading's texts, from today.
std::optional<ReturnsSection> returnsFromToday(AppContext& context);
// The main window's line: "Today: Kin 232, 11 Eb' · Yellow Spectral Human".
QString todayLine(const Reading& reading);

// Looks at the clock every half minute, and when asked to, and says when
// the date has changed since it last looked.
class DayWatcher : public QObject {
    Q_OBJECT
public:
    DayWatcher(AppContext& context, QObject* parent);

public slots:
    void check();

signals:
    void dayChanged();

private:
    AppContext& m_context;
    std::optional<CivilDate> m_day;
    QTimer m_timer;
};

} // namespace kinwheel
