#include "problem/SafeText.h"

namespace problem {

bool isControl(char16_t u)
{
    return u < 0x20 || (u >= 0x7F && u < 0xA0);
}

bool isUnsafe(char16_t u)
{
    return (isControl(u) && u != u'\t') || u == 0x2028 || u == 0x2029 || (u >= 0x202A && u <= 0x202E)
        || (u >= 0x2066 && u <= 0x2069);
}

QString escaped(char16_t u)
{
    if (u < 0x100)
        return QStringLiteral("\\x%1").arg(int(u), 2, 16, QLatin1Char('0'));
    return QStringLiteral("\\u%1").arg(int(u), 4, 16, QLatin1Char('0'));
}

QString safeText(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (QChar c : text) {
        const char16_t u = c.unicode();
        if (isUnsafe(u))
            out += escaped(u);
        else
            out += c;
    }
    return out;
}

} // namespace problem
