#include "cli/Diagnostics.h"

namespace cli {

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
