#pragma once
// The program's settings, scrambled in the per-user store, and the update reminder.

#include <QString>

namespace kinwheel {

struct Services;
class SettingsStore;

QString ReadSetting(SettingsStore& store, const QString& name);
bool WriteSetting(SettingsStore& store, const QString& name, const QString& text);

// At most once in two weeks, offers to open the download page.
void RunUpdateReminder(Services& services);

} // namespace kinwheel
