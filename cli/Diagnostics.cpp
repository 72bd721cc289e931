#include "cli/Diagnostics.h"

namespace cli {

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
