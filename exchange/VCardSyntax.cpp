#include "exchange/VCardSyntax.h"

#include <cctype>

namespace exchange::vcard {

namespace {

// Index of the first c outside double quotes, or -1.
qsizetype indexOutsideQuotes(QByteArrayView text, char c, qsizetype from = 0)
{
    bool quoted = false;
    for (qsizetype i = from; i < text.size(); ++i) {
        if (text.at(i) == '"')
            quoted = !quoted;
        else if (!quoted && text.at(i) == c)
            return i;
    }
    return -1;
}

} // namespace

bool same(QByteArrayView a, QByteArrayView b)
{
    return a.size() == b.size() && a.compare(b, Qt::CaseInsensitive) == 0;
}

QByteArrayView propertyName(QByteArrayView text)
{
    qsizetype end = 0;
    while (end < text.size() && text.at(end) != ';' && text.at(end) != ':')
        ++end;
    const QByteArrayView name = text.first(end).trimmed();
    return name.sliced(name.lastIndexOf('.') + 1);
}

Property parse(QByteArrayView text, int line, QByteArrayView name)
{
    Property p;
    p.line = line;
    p.name = name;
    const qsizetype colon = indexOutsideQuotes(text, ':');
    const QByteArrayView head = colon < 0 ? text : text.first(colon);
    p.value = colon < 0 ? QByteArrayView() : text.sliced(colon + 1);
    qsizetype start = indexOutsideQuotes(head, ';');
    while (start >= 0) {
        qsizetype end = indexOutsideQuotes(head, ';', start + 1);
        const QByteArrayView part = head.sliced(start + 1, (end < 0 ? head.size() : end) - start - 1).trimmed();
        if (!part.isEmpty())
            p.params.append(part);
        start = end;
    }
    return p;
}

QByteArray decodeQuotedPrintable(QByteArrayView in)
{
    QByteArray out;
    out.reserve(in.size());
    for (qsizetype i = 0; i < in.size(); ++i) {
        const char c = in.at(i);
        if (c == '=' && i + 2 < in.size() && isxdigit(uchar(in.at(i + 1))) && isxdigit(uchar(in.at(i + 2)))) {
            out.append(char(in.sliced(i + 1, 2).toInt(nullptr, 16)));
            i += 2;
        } else {
            out.append(c);
        }
    }
    return out;
}

QByteArray paramValue(const Property &p, QByteArrayView key)
{
    for (QByteArrayView param : p.params) {
        if (param.size() >= key.size() && same(param.first(key.size()), key)) {
            QByteArrayView v = param.sliced(key.size());
            if (v.size() >= 2 && v.startsWith('"') && v.endsWith('"'))
                v = v.sliced(1, v.size() - 2);
            return v.toByteArray().toUpper();
        }
    }
    return QByteArray();
}

bool faxOrPager(const Property &p, bool *pager)
{
    for (QByteArrayView param : p.params) {
        const qsizetype eq = param.indexOf('=');
        if (eq >= 0 && !same(param.first(eq).trimmed(), "TYPE"))
            continue;
        QByteArrayView types = param.sliced(eq + 1).trimmed();
        if (types.size() >= 2 && types.startsWith('"') && types.endsWith('"'))
            types = types.sliced(1, types.size() - 2);
        for (const QByteArray &type : types.toByteArray().split(',')) {
            const QByteArrayView t = QByteArrayView(type).trimmed();
            if (same(t, "FAX") || same(t, "PAGER")) {
                if (pager)
                    *pager = same(t, "PAGER");
                return true;
            }
        }
    }
    return false;
}

bool isQuotedPrintable(const Property &p)
{
    for (QByteArrayView param : p.params) {
        if (same(param, "QUOTED-PRINTABLE") || same(param, "ENCODING=QUOTED-PRINTABLE"))
            return true;
    }
    return false;
}

QStringList textComponents(const QString &value)
{
    QStringList parts{QString()};
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value.at(i);
        if (c == QLatin1Char('\\') && i + 1 < value.size()) {
            const QChar next = value.at(++i);
            parts.last().append(next == QLatin1Char('n') || next == QLatin1Char('N') ? QChar(QLatin1Char('\n')) : next);
        } else if (c == QLatin1Char(';')) {
            parts.append(QString());
        } else {
            parts.last().append(c);
        }
    }
    return parts;
}

} // namespace exchange::vcard
