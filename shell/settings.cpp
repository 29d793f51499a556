#include "shell/settings.h"

#include "shell/services.h"

namespace kinwheel {

QString ReadSetting(SettingsStore&, const QString&)
{
    return {};
}

bool WriteSetting(SettingsStore&, const QString&, const QString&)
{
    return true;
}

void RunUpdateReminder(Services&) {}

} // namespace kinwheel
