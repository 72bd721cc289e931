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

QString diagnostic(const Problem &problem, const char *severity)
{
    QString out = !problem.url.isEmpty() ? safeUrl(problem.url)
        : problem.file.isEmpty()         ? QStringLiteral("vire-image")
                                         : safeText(problem.file);
    if (problem.line > 0)
        out += QLatin1Char(':') + QString::number(problem.line);
    out += QLatin1String(": ") + QLatin1String(severity) + QLatin1String(": ") + safeText(problem.detail);
    for (const auto &[url, name] : problem.choices)
        out += QStringLiteral("\n  ") + safeUrl(url) + (name.isEmpty() ? QString() : QStringLiteral("  (%1)").arg(safeText(name)));
    return out;
}

} // namespace cli
