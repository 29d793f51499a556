#pragma once
// Text that comes from the user or a file: which characters have no place in
// a name or on a terminal, and how messages quote a value back.

#include <QList>
#include <QString>

namespace kinwheel {

// C0, DEL and C1: nothing a name holds, and nothing to send to a terminal.
constexpr bool isControlCharacter(char32_t c)
{
    return c < 0x20 || (c >= 0x7F && c <= 0x9F);
}
// The control characters of text, each once, in the order of first appearance.
QList<char32_t> controlCharacters(const QString& text);

// "ä" (U+00E4), or U+0009 alone for a control character: for messages.
QString describeCharacter(char32_t character);
// The characters described and joined by ", ".
QString describeCharacters(const QList<char32_t>& characters);

// A value as messages echo it: quoted, and cut short after 40 characters.
QString echoed(const QString& value);

} // namespace kinwheel
