#pragma once
// Windows-1252, the single-byte character set of reading files.

#include <QByteArray>
#include <QList>
#include <QString>

namespace kinwheel {

// One byte per character. Characters that Windows-1252 cannot represent
// become '?'; check with unsaveableCharacters() first where that matters.
QByteArray toCp1252(const QString& text);
// Every byte has a character, so any file can be read.
QString fromCp1252(const QByteArray& bytes);

// The characters of text that a reading file cannot hold: those outside
// Windows-1252 and the control characters (isControlCharacter()). Each is
// listed once, in the order of its first appearance.
QList<char32_t> unsaveableCharacters(const QString& text);

} // namespace kinwheel
