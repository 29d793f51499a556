#pragma once
// The settings file, in the ini format Qt's QSettings writes: "[section]"
// lines, then "key=value" lines, keys and values escaped as QSettings escapes
// them. It is read line by line: a line that cannot be read is dropped with
// the entries under a section line that cannot be, and never takes a line
// after it along, so whatever else the file holds keeps working.

#include <QByteArray>
#include <QMap>
#include <QString>

#include <utility>

namespace kinwheel {

// No settings file of the program comes near this; a larger one is not read.
inline constexpr qint64 kMaxSettingsFileBytes = 1024 * 1024;

// (section, key) -> value; the entries above the first section line have an
// empty section.
using SettingsEntries = QMap<std::pair<QString, QString>, QString>;

SettingsEntries parseSettingsFile(const QByteArray& bytes);
// The file that parseSettingsFile() reads back as entries, sections and keys
// in order.
QByteArray settingsFileBytes(const SettingsEntries& entries);

} // namespace kinwheel
