#pragma once
// Text that comes from the user or a file: which characters have no place in
// a name or on a terminal, and how messages quote a value back.

#include <QList>
#include <QString>

#include <optional>

namespace kinwheel {

// C0, DEL and C1: nothing a name holds, and nothing to send to a terminal.
constexpr bool isControlCharacter(char32_t c)
{
    return c < 0x20 || (c >= 0x7F && c <= 0x9F);
}
// The characters that reorder text on a terminal or in a box (U+061C,
// U+200E, U+200F, U+202A..U+202E, U+2066..U+2069): a value echoed with one
// would show as something else.
constexpr bool isBidiControl(char32_t c)
{
    return c == 0x061C || c == 0x200E || c == 0x200F || (c >= 0x202A && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069);
}

// The control characters of text, each once, in the order of first appearance.
QList<char32_t> controlCharacters(const QString& text);

// "ä" (U+00E4), or U+0009 alone for a control character: for messages.
QString describeCharacter(char32_t character);
// The characters described and joined by ", ".
QString describeCharacters(const QList<char32_t>& characters);

// text with every control character, line breaks included, every
// reordering character and every lone surrogate shown as '?': safe to print.
QString terminalSafe(const QString& text);

// A value as messages echo it: quoted, made terminalSafe() and cut short
// after 40 characters.
QString echoed(const QString& value);

// How many characters a user typed: Unicode code points, so an emoji is one
// (a letter with a combining accent is two).
qsizetype typedLength(const QString& text);

// The number text writes in plain decimal (no sign, blank or leading zero)
// when it is from first to last, else nothing.
std::optional<int> plainNumber(const QString& text, int first, int last);

} // namespace kinwheel
