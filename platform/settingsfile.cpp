#include "platform/settingsfile.h"

#include <algorithm>
#include <optional>

namespace kinwheel {
namespace {

int hexValue(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9')
        return u - '0';
    if (u >= 'a' && u <= 'f')
        return u - 'a' + 10;
    if (u >= 'A' && u <= 'F')
        return u - 'A' + 10;
    return -1;
}

// The number of the hex digits at text[from, from + count), or nothing.
std::optional<char16_t> hexNumber(QStringView text, qsizetype from, qsizetype count)
{
    if (from + count > text.size())
        return std::nullopt;
    char16_t number = 0;
    for (qsizetype i = from; i < from + count; ++i) {
        const int digit = hexValue(text[i]);
        if (digit < 0)
            return std::nullopt;
        number = char16_t(number * 16 + digit);
    }
    return number;
}

QByteArray hex(char16_t code, int width)
{
    return QByteArray::number(code, 16).toUpper().rightJustified(width, '0');
}

// Keys and section names as QSettings writes them: letters, digits, '_', '-'
// and '.' as they are, '/' as '\', any other character as %XX or %UXXXX.
QByteArray escapedKey(const QString& key)
{
    QByteArray out;
    for (const QChar c : key) {
        const char16_t u = c.unicode();
        if (u == '/')
            out += '\\';
        else if ((u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || (u >= '0' && u <= '9') || u == '_' || u == '-'
                 || u == '.')
            out += char(u);
        else if (u <= 0xFF)
            out += '%' + hex(u, 2);
        else
            out += "%U" + hex(u, 4);
    }
    return out;
}

// Whatever is not an escape stands for itself.
QString unescapedKey(QStringView raw)
{
    QString key;
    for (qsizetype i = 0; i < raw.size(); ++i) {
        if (raw[i] == u'\\') {
            key += u'/';
            continue;
        }
        if (raw[i] == u'%') {
            const bool wide = i + 1 < raw.size() && raw[i + 1] == u'U';
            const qsizetype from = i + (wide ? 2 : 1);
            const qsizetype digits = wide ? 4 : 2;
            if (const auto code = hexNumber(raw, from, digits)) {
                key += QChar(*code);
                i = from + digits - 1;
                continue;
            }
        }
        key += raw[i];
    }
    return key;
}

// Values as QSettings writes a text: in quotes when it has a character the
// format gives a meaning or a space at an end, '\' and '"' escaped, control
// characters and unpaired surrogates as \xH (a hex digit after one escaped
// too), everything else as UTF-8; a leading '@' is doubled.
QByteArray escapedValue(const QString& value)
{
    const QString text = value.startsWith(u'@') ? u'@' + value : value;
    const bool quoted = !text.isEmpty()
                        && (text.front().isSpace() || text.back().isSpace() || text.contains(u';')
                            || text.contains(u',') || text.contains(u'='));
    QByteArray out = quoted ? "\"" : "";
    bool afterHex = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        const char16_t u = c.unicode();
        const bool pair = c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate();
        if (u < 0x20 || u == 0x7F || (c.isSurrogate() && !pair) || (afterHex && hexValue(c) >= 0)) {
            out += "\\x" + QByteArray::number(u, 16);
            afterHex = true;
            continue;
        }
        afterHex = false;
        if (u == '\\' || u == '"')
            out += '\\';
        if (pair)
            out += QStringView(text).sliced(i++, 2).toUtf8();
        else
            out += QString(c).toUtf8();
    }
    return quoted ? out + '"' : out;
}

// A value's text after '=', or nothing where it cannot be read: an open
// quote, a '\' at the end, an escape the format does not have, \x without a
// digit or past U+FFFF.
std::optional<QString> unescapedValue(QStringView raw)
{
    QString value;
    bool quoted = false;
    for (qsizetype i = 0; i < raw.size(); ++i) {
        const QChar c = raw[i];
        if (c == u'"') {
            quoted = !quoted;
            continue;
        }
        if (c != u'\\') {
            value += c;
            continue;
        }
        if (++i == raw.size())
            return std::nullopt;
        static constexpr char16_t kNamed[][2] = {{'a', '\a'}, {'b', '\b'}, {'f', '\f'}, {'n', '\n'}, {'r', '\r'},
                                                 {'t', '\t'}, {'v', '\v'}, {'"', '"'},  {'\'', '\''}, {'?', '?'},
                                                 {'\\', '\\'}};
        const auto named = std::find_if(std::begin(kNamed), std::end(kNamed),
                                        [&](const auto& escape) { return escape[0] == raw[i].unicode(); });
        if (named != std::end(kNamed)) {
            value += QChar((*named)[1]);
            continue;
        }
        if (raw[i] != u'x' || i + 1 == raw.size() || hexValue(raw[i + 1]) < 0)
            return std::nullopt;
        char32_t code = 0;
        while (i + 1 < raw.size() && hexValue(raw[i + 1]) >= 0) {
            code = code * 16 + char32_t(hexValue(raw[++i]));
            if (code > 0xFFFF)
                return std::nullopt;
        }
        value += QChar(char16_t(code));
    }
    if (quoted)
        return std::nullopt;
    if (value.startsWith(QLatin1String("@@")))
        value.remove(0, 1);
    return value;
}

} // namespace

SettingsEntries parseSettingsFile(const QByteArray& bytes)
{
    SettingsEntries entries;
    // Nothing while under a section line that cannot be read.
    std::optional<QString> section = QString();
    QByteArrayView rest(bytes);
    if (rest.startsWith("\xEF\xBB\xBF"))
        rest = rest.sliced(3);
    while (!rest.isEmpty()) {
        qsizetype end = 0;
        while (end < rest.size() && rest[end] != '\n' && rest[end] != '\r')
            ++end;
        const QString line = QString::fromUtf8(rest.first(end)).trimmed();
        rest = rest.sliced(std::min(end + 1, rest.size()));

        if (line.isEmpty() || line.startsWith(u';') || line.startsWith(u'#'))
            continue;
        if (line.startsWith(u'[')) {
            const QString name =
                line.size() > 1 && line.endsWith(u']') ? unescapedKey(QStringView(line).sliced(1, line.size() - 2))
                                                       : QString();
            section = name.isEmpty() ? std::nullopt : std::optional(name);
            continue;
        }
        const qsizetype equals = line.indexOf(u'=');
        if (!section || equals < 0)
            continue;
        const QString key = unescapedKey(QStringView(line).first(equals).trimmed());
        const auto value = unescapedValue(QStringView(line).sliced(equals + 1).trimmed());
        if (!key.isEmpty() && value)
            entries.insert({*section, key}, *value);
    }
    return entries;
}

QByteArray settingsFileBytes(const SettingsEntries& entries)
{
    QByteArray out;
    std::optional<QString> section;
    for (auto it = entries.cbegin(); it != entries.cend(); ++it) {
        if (it.key().first != section) {
            section = it.key().first;
            if (!section->isEmpty())
                out += (out.isEmpty() ? "[" : "\n[") + escapedKey(*section) + "]\n";
        }
        out += escapedKey(it.key().second) + '=' + escapedValue(it.value()) + '\n';
    }
    return out;
}

} // namespace kinwheel
