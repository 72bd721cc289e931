#include "exchange/Contacts.h"

#include "problem/SafeText.h"

#include <algorithm>

namespace exchange {

namespace {

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
    return std::any_of(text.cbegin(), text.cend(), [](QChar c) { return problem::isControl(c.unicode()); });
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
