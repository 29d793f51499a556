#include "report/inputtext.h"

#include <QStringList>

#include <algorithm>

namespace kinwheel {

QList<char32_t> controlCharacters(const QString& text)
{
    QList<char32_t> found;
    for (const char32_t c : text.toUcs4())
        if (isControlCharacter(c) && !found.contains(c))
            found.append(c);
    return found;
}

QString describeCharacter(char32_t character)
{
    const QString code = QStringLiteral("U+%1").arg(static_cast<uint>(character), 4, 16, QLatin1Char('0')).toUpper();
    if (isControlCharacter(character))
        return code;
    return QStringLiteral("\"%1\" (%2)").arg(QString::fromUcs4(&character, 1), code);
}

QString describeCharacters(const QList<char32_t>& characters)
{
    QStringList described;
    for (const char32_t c : characters)
        described.append(describeCharacter(c));
    return described.join(QStringLiteral(", "));
}

QString terminalSafe(const QString& text)
{
    QString safe;
    safe.reserve(text.size());
    for (const char32_t c : text.toUcs4()) {
        // toUcs4() turns a lone surrogate into U+FFFD.
        if (isControlCharacter(c) || isBidiControl(c) || c == 0xFFFD)
            safe += QLatin1Char('?');
        else
            safe += QString::fromUcs4(&c, 1);
    }
    return safe;
}

QString echoed(const QString& value)
{
    constexpr qsizetype kEcho = 40;
    const QList<uint> characters = value.toUcs4();
    const QString shown = terminalSafe(QString::fromUcs4(reinterpret_cast<const char32_t*>(characters.constData()), std::min<qsizetype>(characters.size(), kEcho)));
    return QLatin1Char('\'') + shown + (characters.size() > kEcho ? QStringLiteral("...'") : QStringLiteral("'"));
}

qsizetype typedLength(const QString& text)
{
    return text.toUcs4().size();
}

std::optional<int> plainNumber(const QString& text, int first, int last)
{
    bool ok = false;
    const int number = text.toInt(&ok);
    if (!ok || number < first || number > last || text != QString::number(number))
        return std::nullopt;
    return number;
}

} // namespace kinwheel
