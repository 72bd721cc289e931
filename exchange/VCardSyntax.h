#pragma once

// The lexical layer of vCard files: lines, unfolding aside, and properties
// with their parameters, still in the file's bytes.
#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <QVarLengthArray>

namespace exchange::vcard {

// One property after unfolding, still in the file's bytes.
struct Property
{
    int line = 0;
    QByteArrayView name;                          // group dropped
    QVarLengthArray<QByteArrayView, 4> params;    // as written: "CHARSET=UTF-8", "QUOTED-PRINTABLE", ...
    QByteArrayView value;
};

bool same(QByteArrayView a, QByteArrayView b);

// The physical lines of the file, one at a time, without their line ends.
// A line end is, longest first, "\r\r\n" (iOS 6 writes it), "\r\n", "\n" or
// a lone "\r" (old Macs): each ends one line, so no empty line breaks a
// folded or quoted-printable value.
class Lines
{
public:
    explicit Lines(QByteArrayView text) : m_text(text) {}

    bool next(QByteArrayView &line, int &number)
    {
        if (m_pos >= m_text.size())
            return false;
        qsizetype end = m_pos;
        while (end < m_text.size() && m_text.at(end) != '\n' && m_text.at(end) != '\r')
            ++end;
        line = m_text.sliced(m_pos, end - m_pos);
        m_pos = end;
        if (m_text.sliced(m_pos).startsWith("\r\r\n"))
            m_pos += 3;
        else if (m_text.sliced(m_pos).startsWith("\r\n"))
            m_pos += 2;
        else if (m_pos < m_text.size())
            m_pos += 1;
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
QByteArrayView propertyName(QByteArrayView text);

Property parse(QByteArrayView text, int line, QByteArrayView name);

QByteArray decodeQuotedPrintable(QByteArrayView in);

// The value of a parameter "KEY=value" (key given with its "="), upper case.
QByteArray paramValue(const Property &p, QByteArrayView key);

// Whether a TEL is a fax or a pager: a bare 2.1 parameter ("TEL;FAX;WORK")
// or a TYPE of any case and list ("TYPE=WORK,FAX", "type=\"work,fax\"").
// pager, when given, tells which of the two the first such type said.
bool faxOrPager(const Property &p, bool *pager = nullptr);

bool isQuotedPrintable(const Property &p);

// Splits at unescaped semicolons, then undoes the text escapes (\\ \, \; \n).
QStringList textComponents(const QString &value);

} // namespace exchange::vcard
