#include "cli/Diagnostics.h"

namespace cli {

namespace {

bool unsafe(char16_t u)
{
    return (u < 0x20 && u != u'\t') || (u >= 0x7F && u < 0xA0) || u == 0x2028 || u == 0x2029
        || (u >= 0x202A && u <= 0x202E) || (u >= 0x2066 && u <= 0x2069);
}

} // namespace

QString safeText(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (QChar c : text) {
        const char16_t u = c.unicode();
        if (!unsafe(u))
            out += c;
        else if (u < 0x100)
            out += QStringLiteral("\\x%1").arg(int(u), 2, 16, QLatin1Char('0'));
        else
            out += QStringLiteral("\\u%1").arg(int(u), 4, 16, QLatin1Char('0'));
    }
    return out;
}

QString safeUrl(const QUrl &url)
{
    return safeText(url.toString(QUrl::RemoveUserInfo | QUrl::FullyEncoded));
}

QString diagnostic(const QString &where, int line, const char *kind, const QString &text)
{
    QString out;
    if (!where.isEmpty()) {
        out = safeText(where);
        if (line > 0)
            out += QLatin1Char(':') + QString::number(line);
        out += QLatin1String(": ");
    }
    return out + QLatin1String(kind) + QLatin1String(": ") + safeText(text);
}

} // namespace cli
