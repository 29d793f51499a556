#include "report/inputtext.h"

#include <QStringList>

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

QString echoed(const QString& value)
{
    constexpr qsizetype kEcho = 40;
    return QLatin1Char('\'') + value.left(kEcho) + (value.size() > kEcho ? QStringLiteral("...'") : QStringLiteral("'"));
}

} // namespace kinwheel
