#include "Contacts.h"

#include "FixedText.h"
#include "Rules.h"

#include <QStringDecoder>
#include <QStringList>

#include <cctype>

namespace exchange {

namespace {

// One property after unfolding, still in the file's bytes.
struct Property
{
    int line = 0;
    QByteArray name;          // upper case, group dropped
    QList<QByteArray> params; // as written: "CHARSET=UTF-8", "QUOTED-PRINTABLE", ...
    QByteArray value;
};

bool isQuotedPrintable(const QByteArray &head)
{
    return head.toUpper().contains("QUOTED-PRINTABLE");
}

// Index of the first c outside double quotes, or -1.
qsizetype indexOutsideQuotes(const QByteArray &text, char c, qsizetype from = 0)
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

// Physical lines joined into properties: a line starting with a blank or tab
// continues the one before (RFC 2425/6350), and a quoted-printable value whose
// line ends in "=" goes on in the next line (vCard 2.1).
QVector<Property> unfold(const QByteArray &bytes)
{
    QList<QByteArray> lines = bytes.split('\n');
    QVector<std::pair<int, QByteArray>> logical;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QByteArray line = lines.at(i);
        if (line.endsWith('\r'))
            line.chop(1);
        const int number = int(i) + 1;
        if ((line.startsWith(' ') || line.startsWith('\t')) && !logical.isEmpty()) {
            logical.last().second += line.mid(1);
            continue;
        }
        if (line.trimmed().isEmpty())
            continue;
        logical.append({number, line});
        QByteArray &cur = logical.last().second;
        const qsizetype colon = indexOutsideQuotes(cur, ':');
        while (colon > 0 && isQuotedPrintable(cur.left(colon)) && cur.endsWith('=') && i + 1 < lines.size()) {
            cur.chop(1);
            QByteArray next = lines.at(++i);
            if (next.endsWith('\r'))
                next.chop(1);
            cur += next;
        }
    }

    QVector<Property> props;
    for (const auto &[number, text] : logical) {
        const qsizetype colon = indexOutsideQuotes(text, ':');
        Property p;
        p.line = number;
        const QByteArray head = colon < 0 ? text : text.left(colon);
        p.value = colon < 0 ? QByteArray() : text.mid(colon + 1);
        qsizetype start = 0;
        bool first = true;
        while (start <= head.size()) {
            qsizetype end = indexOutsideQuotes(head, ';', start);
            if (end < 0)
                end = head.size();
            const QByteArray part = head.mid(start, end - start).trimmed();
            if (first) {
                p.name = part.mid(part.lastIndexOf('.') + 1).toUpper();
                first = false;
            } else if (!part.isEmpty()) {
                p.params.append(part);
            }
            start = end + 1;
        }
        props.append(p);
    }
    return props;
}

QByteArray decodeQuotedPrintable(const QByteArray &in)
{
    QByteArray out;
    out.reserve(in.size());
    for (qsizetype i = 0; i < in.size(); ++i) {
        const char c = in.at(i);
        if (c == '=' && i + 2 < in.size() && isxdigit(uchar(in.at(i + 1))) && isxdigit(uchar(in.at(i + 2)))) {
            out.append(char(QByteArray(in.mid(i + 1, 2)).toInt(nullptr, 16)));
            i += 2;
        } else {
            out.append(c);
        }
    }
    return out;
}

QByteArray paramValue(const Property &p, const char *key)
{
    const QByteArray prefix = QByteArray(key) + '=';
    for (const QByteArray &param : p.params) {
        if (param.toUpper().startsWith(prefix)) {
            QByteArray v = param.mid(prefix.size());
            if (v.size() >= 2 && v.startsWith('"') && v.endsWith('"'))
                v = v.mid(1, v.size() - 2);
            return v;
        }
    }
    return QByteArray();
}

// The property's value as text: quoted-printable undone, then the CHARSET
// (UTF-8 when none is given). False with an error for a value that cannot be read.
bool valueText(const Property &p, QString &text, ReadResult &result)
{
    QByteArray bytes = p.value;
    const QByteArray encoding = paramValue(p, "ENCODING").toUpper();
    bool qp = encoding == "QUOTED-PRINTABLE";
    for (const QByteArray &param : p.params)
        qp = qp || param.toUpper() == "QUOTED-PRINTABLE";
    if (qp)
        bytes = decodeQuotedPrintable(bytes);

    const QByteArray charset = paramValue(p, "CHARSET").toUpper();
    if (charset == "WINDOWS-1252" || charset == "CP1252") {
        text.clear();
        for (char c : bytes)
            text.append(cp1252::toChar(uchar(c)));
        return true;
    }
    const QByteArray name = charset.isEmpty() || charset == "US-ASCII" ? QByteArray("UTF-8") : charset;
    QStringDecoder decoder(name.constData(), QStringDecoder::Flag::Stateless);
    if (!decoder.isValid()) {
        result.errors.append({p.line, QStringLiteral("unknown character set \"%1\"").arg(QString::fromLatin1(charset))});
        return false;
    }
    text = decoder(bytes);
    if (decoder.hasError()) {
        result.errors.append({p.line, QStringLiteral("value is not valid %1").arg(QString::fromLatin1(name))});
        return false;
    }
    return true;
}

// Splits at unescaped semicolons, then undoes the text escapes (\\ \, \; \n).
QStringList textComponents(const QString &value)
{
    QStringList parts{QString()};
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value.at(i);
        if (c == QLatin1Char('\\') && i + 1 < value.size()) {
            const QChar next = value.at(++i);
            parts.last().append(next == QLatin1Char('n') || next == QLatin1Char('N') ? QChar(QLatin1Char(' ')) : next);
        } else if (c == QLatin1Char(';')) {
            parts.append(QString());
        } else {
            parts.last().append(c);
        }
    }
    return parts;
}

QString escapeText(const QString &text)
{
    QString out;
    for (QChar c : text) {
        if (c == QLatin1Char('\\') || c == QLatin1Char(',') || c == QLatin1Char(';'))
            out.append(QLatin1Char('\\'));
        if (c == QLatin1Char('\n')) {
            out.append(QStringLiteral("\\n"));
            continue;
        }
        out.append(c);
    }
    return out;
}

struct Card
{
    int begin = 0;
    int nameLine = 0;
    QString fn, n;
    bool hasFn = false;
    QVector<std::pair<int, QString>> tels;
};

void finishCard(const Card &card, ReadResult &result)
{
    if (card.tels.isEmpty()) {
        result.warnings.append({card.begin, QStringLiteral("card has no telephone number; skipped")});
        return;
    }
    QString name = card.fn.trimmed();
    if (name.isEmpty()) {
        const QStringList parts = textComponents(card.n);
        const QString family = parts.value(0).trimmed(), given = parts.value(1).trimmed();
        name = (given + QLatin1Char(' ') + family).trimmed();
    }
    const int nameLine = card.nameLine ? card.nameLine : card.begin;
    if (!rules::checkName(name, nameLine, result))
        return;

    for (const auto &[line, raw] : card.tels) {
        QString number = raw.trimmed();
        if (number.startsWith(QLatin1String("tel:"), Qt::CaseInsensitive)) {
            number = number.mid(4);
            const qsizetype semicolon = number.indexOf(QLatin1Char(';'));   // URI parameters such as ;ext=
            if (semicolon >= 0)
                number.truncate(semicolon);
        }
        if (number.startsWith(QLatin1Char('+')))
            number.replace(0, 1, QStringLiteral("00"));
        number.removeIf([](QChar c) { return QStringView(u" -./()").contains(c); });
        if (number.isEmpty()) {
            result.warnings.append({line, QStringLiteral("telephone number is empty; skipped")});
        } else if (!rules::isDigits(number)) {
            result.warnings.append({line, QStringLiteral("telephone number \"%1\" holds characters other than digits; skipped").arg(raw.trimmed())});
        } else if (number.size() > layout::NumberLength) {
            result.warnings.append({line, QStringLiteral("telephone number \"%1\" has more than %2 digits; skipped")
                                              .arg(raw.trimmed())
                                              .arg(layout::NumberLength)});
        } else {
            result.contacts.append({number, name, 0, line});
        }
    }
}

} // namespace

ReadResult readVCard(const QByteArray &bytes)
{
    ReadResult result;
    QByteArray body = bytes;
    if (body.startsWith("\xEF\xBB\xBF"))
        body.remove(0, 3);

    bool inCard = false;
    Card card;
    for (const Property &p : unfold(body)) {
        if (p.name == "BEGIN" && p.value.trimmed().toUpper() == "VCARD") {
            if (inCard)
                result.errors.append({card.begin, QStringLiteral("card has no END:VCARD")});
            card = Card{};
            card.begin = p.line;
            inCard = true;
            continue;
        }
        if (!inCard)
            continue;
        if (p.name == "END" && p.value.trimmed().toUpper() == "VCARD") {
            finishCard(card, result);
            inCard = false;
            continue;
        }
        if (p.name != "FN" && p.name != "N" && p.name != "TEL")
            continue;
        QString text;
        if (!valueText(p, text, result))
            continue;
        if (p.name == "TEL") {
            card.tels.append({p.line, text});
        } else if (p.name == "FN" && !card.hasFn) {
            card.fn = textComponents(text).join(QLatin1Char(';'));
            card.hasFn = !card.fn.trimmed().isEmpty();
            if (card.hasFn)
                card.nameLine = p.line;
        } else if (p.name == "N" && card.n.isEmpty()) {
            card.n = text;
            if (!card.hasFn)
                card.nameLine = p.line;
        }
    }
    if (inCard)
        result.errors.append({card.begin, QStringLiteral("card has no END:VCARD")});
    if (!result.ok())
        result.contacts.clear();
    return result;
}

QByteArray writeVCard(const QVector<BookEntry> &users)
{
    // A name is at most 14 characters and a number 16, so no line comes near
    // the 75 octets after which a line would have to be folded.
    QString out;
    for (const BookEntry &e : users) {
        const QString name = escapeText(trimmedRight(e.name));
        out += QStringLiteral("BEGIN:VCARD\r\nVERSION:3.0\r\nFN:") + name + QStringLiteral("\r\nN:;") + name
            + QStringLiteral(";;;\r\nTEL:") + trimmedRight(e.number) + QStringLiteral("\r\nEND:VCARD\r\n");
    }
    return out.toUtf8();
}

} // namespace exchange
