#include "exchange/Contacts.h"

#include "exchange/CodePage.h"
#include "exchange/Rules.h"

#include <QStringList>
#include <QVarLengthArray>

#include <algorithm>
#include <array>
#include <deque>

namespace exchange {

namespace {

// The first comma or semicolon of the header line outside quotes; a header of
// one column is read with commas.
QChar separatorOf(QStringView text)
{
    bool quoted = false;
    for (QChar c : text) {
        if (c == QLatin1Char('"'))
            quoted = !quoted;
        else if (!quoted && (c == QLatin1Char(',') || c == QLatin1Char(';')))
            return c;
        else if (!quoted && (c == QLatin1Char('\n') || c == QLatin1Char('\r')))
            break;
    }
    return QLatin1Char(',');
}

// One record's fields, as views into the text where they can be; a quoted
// field with doubled quotes is undone into storage that never moves.
struct Record
{
    int line = 0;
    QVarLengthArray<QStringView, 16> fields;
    std::deque<QString> unescaped;
};

// RFC 4180 records, one at a time. A quoted field may span lines; a record is
// numbered by the line it starts on; blank lines give no record.
class Records
{
public:
    Records(QStringView text, QChar sep, ReadResult &result) : m_text(text), m_sep(sep), m_result(result) {}

    // False at the end of the text, and after an unclosed quote (then with an error).
    bool next(Record &rec)
    {
        rec.fields.clear();
        rec.unescaped.clear();
        const qsizetype n = m_text.size();
        while (m_pos < n && isLineEnd(m_text[m_pos]))
            endLine();
        if (m_pos >= n)
            return false;
        rec.line = m_line;
        for (;;) {
            if (m_text[m_pos] == QLatin1Char('"')) {
                if (!quotedField(rec))
                    return false;
            } else {
                qsizetype end = m_pos;
                while (end < n && m_text[end] != m_sep && !isLineEnd(m_text[end]))
                    ++end;
                rec.fields.append(m_text.sliced(m_pos, end - m_pos));
                m_pos = end;
            }
            if (m_pos >= n)
                return true;
            if (isLineEnd(m_text[m_pos])) {
                endLine();
                return true;
            }
            if (++m_pos >= n) {          // a separator at the very end: one more, empty field
                rec.fields.append(QStringView());
                return true;
            }
        }
    }

private:
    static bool isLineEnd(QChar c) { return c == QLatin1Char('\n') || c == QLatin1Char('\r'); }

    void endLine()
    {
        if (m_text[m_pos] == QLatin1Char('\r') && m_pos + 1 < m_text.size() && m_text[m_pos + 1] == QLatin1Char('\n'))
            ++m_pos;
        ++m_pos;
        ++m_line;
    }

    bool quotedField(Record &rec)
    {
        const qsizetype n = m_text.size();
        const int openLine = m_line;
        const qsizetype start = ++m_pos;
        qsizetype close = start;
        bool doubled = false;
        for (;;) {
            close = m_text.indexOf(QLatin1Char('"'), close);
            if (close < 0) {
                m_result.errors.append(Problem::at(openLine, QStringLiteral("quote opened here is never closed")));
                return false;
            }
            if (close + 1 < n && m_text[close + 1] == QLatin1Char('"')) {
                doubled = true;
                close += 2;
                continue;
            }
            break;
        }
        const QStringView raw = m_text.sliced(start, close - start);
        m_line += int(raw.count(QLatin1Char('\n')));
        if (doubled) {
            rec.unescaped.push_back(raw.toString().replace(QStringLiteral("\"\""), QStringLiteral("\"")));
            rec.fields.append(rec.unescaped.back());
        } else {
            rec.fields.append(raw);
        }
        m_pos = close + 1;
        if (m_pos < n && m_text[m_pos] != m_sep && !isLineEnd(m_text[m_pos])) {
            // Kept, as spreadsheets keep it.
            m_result.warnings.append(Problem::at(m_line, QStringLiteral("text after a closing quote")));
            const qsizetype from = m_pos;
            while (m_pos < n && m_text[m_pos] != m_sep && !isLineEnd(m_text[m_pos]))
                ++m_pos;
            rec.unescaped.push_back(rec.fields.last().toString() + m_text.sliced(from, m_pos - from).toString());
            rec.fields.removeLast();
            rec.fields.append(rec.unescaped.back());
        }
        return true;
    }

    QStringView m_text;
    QChar m_sep;
    ReadResult &m_result;
    qsizetype m_pos = 0;
    int m_line = 1;
};

QString quoted(const QString &field)
{
    const bool plain = std::none_of(field.cbegin(), field.cend(), [](QChar c) {
        return c == QLatin1Char(',') || c == QLatin1Char('"') || c == QLatin1Char('\n') || c == QLatin1Char('\r');
    });
    if (plain && !field.startsWith(QLatin1Char(' ')))
        return field;
    QString out = field;
    out.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + out + QLatin1Char('"');
}

QStringList rowOf(const QString &number, const BookEntry &e)
{
    QStringList row{trimmedRight(number), trimmedRight(e.name), QString::number(e.sound())};
    for (int i = 0; i < BookEntry::SwitchCount; ++i)
        row << QString::number(int(e.switchBit(i)));
    return row;
}

} // namespace

bool readCsvTable(const QByteArray &bytes, Table &table, ReadResult &result, const QByteArray &codePage)
{
    QString text;
    if (!charset::fileText(bytes, codePage, text, result))
        return false;

    Records records(text, separatorOf(text), result);
    Record rec;
    while (records.next(rec)) {
        QVector<Cell> row;
        row.reserve(rec.fields.size());
        for (QStringView f : rec.fields)
            row.append({f.toString(), false});
        table.rows.append(std::move(row));
        table.lines.append(rec.line);
    }
    return result.ok();
}

ReadResult readCsv(const QByteArray &bytes, Mode mode, const QByteArray &codePage)
{
    ReadResult read;
    Table table;
    if (!readCsvTable(bytes, table, read, codePage))
        return read;
    ReadResult result = readTable(table, mode);
    result.warnings = read.warnings + result.warnings;
    result.codePage = read.codePage;
    result.codePageGuessed = read.codePageGuessed;
    return result;
}

QVector<QStringList> bookRows(const BookEntry &hidden, const BookEntry &unknown, const QVector<BookEntry> &users)
{
    QVector<QStringList> rows;
    rows.reserve(users.size() + 3);
    rows.append(csvHeader().split(QLatin1Char(',')));
    rows.append(rowOf(BookEntry::hiddenLabel(), hidden));
    rows.append(rowOf(BookEntry::unknownLabel(), unknown));
    for (const BookEntry &e : users)
        rows.append(rowOf(e.number, e));
    return rows;
}

QByteArray writeCsv(const BookEntry &hidden, const BookEntry &unknown, const QVector<BookEntry> &users,
                    const QByteArray &codePage, int *replaced)
{
    if (replaced)
        *replaced = 0;
    QString out;
    out.reserve(64 * (users.size() + 3));
    for (const QStringList &row : bookRows(hidden, unknown, users)) {
        for (qsizetype c = 0; c < row.size(); ++c) {
            if (c > 0)
                out += QLatin1Char(',');
            out += quoted(row.at(c));
        }
        out += QLatin1String("\r\n");
    }
    if (codePage.isEmpty())
        return out.toUtf8();
    int lacking = 0;
    const QByteArray bytes = codepage::encode(codePage, out, lacking);
    if (replaced)
        *replaced = lacking;
    return bytes;
}

} // namespace exchange
