#include "Contacts.h"

#include "FixedText.h"
#include "Rules.h"

#include <QStringDecoder>
#include <QStringList>
#include <QVarLengthArray>

#include <cctype>

namespace exchange {

namespace {

// One property after unfolding, still in the file's bytes.
struct Property
{
    int line = 0;
    QByteArrayView name;                          // group dropped
    QVarLengthArray<QByteArrayView, 4> params;    // as written: "CHARSET=UTF-8", "QUOTED-PRINTABLE", ...
    QByteArrayView value;
};

bool same(QByteArrayView a, QByteArrayView b)
{
    return a.size() == b.size() && a.compare(b, Qt::CaseInsensitive) == 0;
}

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

// The physical lines of the file, one at a time, without their line ends.
class Lines
{
public:
    explicit Lines(QByteArrayView text) : m_text(text) {}

    bool next(QByteArrayView &line, int &number)
    {
        if (m_pos >= m_text.size())
            return false;
        qsizetype end = m_text.indexOf('\n', m_pos);
        if (end < 0)
            end = m_text.size();
        line = m_text.sliced(m_pos, end - m_pos);
        if (line.endsWith('\r'))
            line.chop(1);
        m_pos = end + 1;
        number = ++m_line;
        return true;
    }
    // Whether the next line continues this one (RFC 2425/6350 folding).
    bool continues() const
    {
        return m_pos < m_text.size() && (m_text.at(m_pos) == ' ' || m_text.at(m_pos) == '\t');
    }

private:
    QByteArrayView m_text;
    qsizetype m_pos = 0;
    int m_line = 0;
};

// The property's name alone, group dropped.
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

// The value of a parameter "KEY=value" (key given with its "="), upper case.
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

bool isQuotedPrintable(const Property &p)
{
    for (QByteArrayView param : p.params) {
        if (same(param, "QUOTED-PRINTABLE") || same(param, "ENCODING=QUOTED-PRINTABLE"))
            return true;
    }
    return false;
}

struct Reader
{
    Mode mode;
    ReadResult result;
    bool told1252 = false;

    // The value as text: quoted-printable undone, then its CHARSET where one is
    // given and known, else UTF-8 when valid, else Windows-1252.
    QString valueText(const Property &p)
    {
        const QByteArray qp = isQuotedPrintable(p) ? decodeQuotedPrintable(p.value) : QByteArray();
        const QByteArrayView bytes = isQuotedPrintable(p) ? QByteArrayView(qp) : p.value;
        const QByteArray charset = paramValue(p, "CHARSET=");
        if (charset == "WINDOWS-1252" || charset == "CP1252") {
            QString text;
            for (char c : bytes)
                text.append(cp1252::toChar(uchar(c)));
            return text;
        }
        if (!charset.isEmpty() && charset != "UTF-8" && charset != "US-ASCII") {
            QStringDecoder decoder(charset.constData(), QStringDecoder::Flag::Stateless);
            if (decoder.isValid()) {
                const QString text = decoder(bytes);
                if (!decoder.hasError())
                    return text;
            }
            result.warnings.append({p.line, QStringLiteral("character set \"%1\" unknown or not matching the value; "
                                                           "read as UTF-8 or Windows-1252")
                                                .arg(QString::fromLatin1(charset))});
        }
        qsizetype bad = -1;
        const QString text = charset::decode(bytes, bad);
        if (bad >= 0 && !told1252) {
            told1252 = true;
            result.warnings.append({p.line, charset::windows1252Warning()});
        }
        return text;
    }
};

// Splits at unescaped semicolons, then undoes the text escapes (\\ \, \; \n).
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

struct Card
{
    int begin = 0;
    int nameLine = 0;
    QString fn, n, org;
    QVector<std::pair<int, QString>> tels;
};

QString joined(const QStringList &parts)
{
    QStringList kept;
    for (const QString &part : parts) {
        if (!part.trimmed().isEmpty())
            kept << part.trimmed();
    }
    return kept.join(QLatin1Char(' '));
}

void finishCard(const Card &card, Reader &r)
{
    // FN, else the given, additional and family names of N, else the organisation.
    QString name = trimmedRight(card.fn);
    if (name.trimmed().isEmpty()) {
        const QStringList n = textComponents(card.n);
        name = joined({n.value(1), n.value(2), n.value(0)});
    }
    if (name.isEmpty())
        name = textComponents(card.org).value(0).trimmed();
    if (card.tels.isEmpty()) {
        r.result.warnings.append({card.begin, QStringLiteral("%1 has no telephone number; skipped").arg(rules::who("card", name))});
        ++r.result.skipped;
        return;
    }
    if (name.isEmpty())
        r.result.warnings.append({card.begin, QStringLiteral("card has no name (FN, N or ORG); its entries have none")});
    rules::checkName(name, card.nameLine ? card.nameLine : card.begin, r.result);

    for (const auto &[line, raw] : card.tels) {
        QString value = raw;
        if (value.trimmed().startsWith(QLatin1String("tel:"), Qt::CaseInsensitive)) {
            value = value.trimmed().mid(4);
            const qsizetype semicolon = value.indexOf(QLatin1Char(';'));   // URI parameters such as ;ext=
            if (semicolon >= 0)
                value.truncate(semicolon);
        }
        Contact c{QString(), name, 0, line};
        if (rules::takeNumber(value, r.mode, line, "card", name, c.number, r.result))
            rules::keep(std::move(c), r.result);
    }
}

void take(const Property &p, Card &card, Reader &r)
{
    const QString text = r.valueText(p);
    if (same(p.name, "TEL")) {
        card.tels.append({p.line, text});
    } else if (same(p.name, "FN") && card.fn.trimmed().isEmpty()) {
        card.fn = textComponents(text).join(QLatin1Char(';'));
        if (!card.fn.trimmed().isEmpty())
            card.nameLine = p.line;
    } else if (same(p.name, "N") && card.n.isEmpty()) {
        card.n = text;
        if (card.fn.trimmed().isEmpty())
            card.nameLine = p.line;
    } else if (same(p.name, "ORG") && card.org.isEmpty()) {
        card.org = text;
    }
}

// Quoted-printable UTF-8, lines folded with soft breaks before 76 octets.
QByteArray quotedPrintable(const QString &text, int column)
{
    QByteArray out;
    for (char ch : text.toUtf8()) {
        const uchar c = uchar(ch);
        QByteArray token = c > 0x20 && c < 0x7F && c != '=' ? QByteArray(1, ch)
                                                              : "=" + QByteArray::number(c, 16).toUpper().rightJustified(2, '0');
        if (column + token.size() > 74) {
            out += "=\r\n";
            column = 0;
        }
        out += token;
        column += int(token.size());
    }
    return out;
}

bool hasControl(const QString &text)
{
    for (QChar c : text) {
        const char16_t u = c.unicode();
        if (u < 0x20 || (u >= 0x7F && u < 0xA0))
            return true;
    }
    return false;
}

QString escapeText(const QString &text)
{
    QString out;
    for (QChar c : text) {
        if (c == QLatin1Char('\\') || c == QLatin1Char(',') || c == QLatin1Char(';'))
            out.append(QLatin1Char('\\'));
        out.append(c);
    }
    return out;
}

} // namespace

ReadResult readVCard(const QByteArray &bytes, Mode mode)
{
    Reader r{mode, {}};
    QByteArray holder;
    Lines lines(charset::body(bytes, holder));

    bool inCard = false;
    Card card;
    auto handle = [&](QByteArrayView text, int line) {
        const QByteArrayView name = propertyName(text);
        const bool begin = same(name, "BEGIN");
        if (begin || same(name, "END")) {
            const bool vcard = same(parse(text, line, name).value.trimmed(), "VCARD");
            if (vcard && begin) {
                if (inCard)
                    r.result.errors.append({card.begin, QStringLiteral("card has no END:VCARD")});
                card = Card{};
                card.begin = line;
                inCard = true;
            } else if (vcard && inCard) {
                finishCard(card, r);
                inCard = false;
            }
        } else if (inCard && (same(name, "FN") || same(name, "N") || same(name, "ORG") || same(name, "TEL"))) {
            take(parse(text, line, name), card, r);
        }
    };

    QByteArrayView line;
    int number = 0;
    QByteArray pending;
    while (lines.next(line, number)) {
        if (line.trimmed().isEmpty())
            continue;
        const int start = number;
        // A folded line, or a quoted-printable value whose line ends in "="
        // (vCard 2.1), goes on in the next line.
        const bool softBreak = line.endsWith('=') && line.toByteArray().toUpper().contains("QUOTED-PRINTABLE");
        if (!lines.continues() && !softBreak) {
            handle(line, start);
            continue;
        }
        pending = line.toByteArray();
        while (lines.continues() && lines.next(line, number))
            pending += line.sliced(1);
        if (pending.endsWith('=') && pending.toUpper().contains("QUOTED-PRINTABLE")) {
            while (pending.endsWith('=') && lines.next(line, number)) {
                pending.chop(1);
                pending += line;
            }
        }
        handle(pending, start);
    }
    if (inCard)
        r.result.errors.append({card.begin, QStringLiteral("card has no END:VCARD")});
    if (!r.result.ok())
        r.result.contacts.clear();
    return r.result;
}

QByteArray writeVCard(const QVector<BookEntry> &users)
{
    QByteArray out;
    out.reserve(80 * users.size());
    for (const BookEntry &e : users) {
        const QString name = escapeText(trimmedRight(e.name)), number = trimmedRight(e.number);
        if (!hasControl(name) && !hasControl(number)) {
            // A name is at most 14 characters and a number 16: no line needs folding.
            out += ("BEGIN:VCARD\r\nVERSION:3.0\r\nFN:" + name + "\r\nN:;" + name + ";;;\r\nTEL:" + number
                    + "\r\nEND:VCARD\r\n").toUtf8();
            continue;
        }
        // vCard 3.0 has no escape for a control character; 2.1 encodes any byte.
        const QByteArray qp = ";CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:";
        out += "BEGIN:VCARD\r\nVERSION:2.1\r\n";
        out += "FN" + qp + quotedPrintable(name, int(qp.size()) + 2) + "\r\n";
        out += "N" + qp + ';' + quotedPrintable(name, int(qp.size()) + 2) + ";;;\r\n";
        out += "TEL" + qp + quotedPrintable(number, int(qp.size()) + 3) + "\r\nEND:VCARD\r\n";
    }
    return out;
}

} // namespace exchange
