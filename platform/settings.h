#pragma once
// The program's settings, scrambled in the per-user store, and the update reminder.

#include "engine/reading.h"

#include <QString>
#include <QStringList>

namespace kinwheel {

struct Services;
class SettingsStore;

QString ReadSetting(SettingsStore& store, const QString& name);
bool WriteSetting(SettingsStore& store, const QString& name, const QString& text);

// The reading files last opened or saved, newest first, kept in the store.
inline constexpr int kMaxRecentReadings = 5;
QStringList RecentReadings(SettingsStore& store);
// Puts path at the top of the list, moving it there when it is listed already.
void AddRecentReading(SettingsStore& store, const QString& path);
void RemoveRecentReading(SettingsStore& store, const QString& path);

// The count chosen on the main window's Count menu; 584283 when none was
// chosen or the stored value is not a count's key.
Count ReadCountSetting(SettingsStore& store);
bool WriteCountSetting(SettingsStore& store, Count count);
// The choice of the main window's Day Begins At menu; midnight when none was
// chosen or the stored value is not a day start's key.
DayStart ReadDayStartSetting(SettingsStore& store);
// The language chosen on the Language menu ("en", "es"); empty when none was
// chosen or the stored one is not known: the system's then.
QString ReadLanguageSetting(SettingsStore& store);
bool WriteLanguageSetting(SettingsStore& store, const QString& language);
// The language the windows speak: the one chosen, else the system's.
QString ProgramLanguage(SettingsStore& store);
bool WriteDayStartSetting(SettingsStore& store, DayStart start);

// At most once in two weeks, offers to open the download page.
void RunUpdateReminder(Services& services);

} // namespace kinwheel
