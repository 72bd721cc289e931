#include "Contacts.h"

#include "Rules.h"

#include <QStringDecoder>
#include <QStringList>
#include <QVarLengthArray>

#include <algorithm>
#include <array>
#include <deque>

namespace exchange {

namespace {

const std::array<QString, 7> Columns = {
    QStringLiteral("number"), QStringLiteral("name"),  QStringLiteral("sound"), QStringLiteral("sbit1"),
    QStringLiteral("sbit2"),  QStringLiteral("sbit3"), QStringLiteral("sbit4"),
};
enum Column { NumberCol, NameCol, SoundCol, Sbit1Col };

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
                m_result.errors.append({openLine, QStringLiteral("quote opened here is never closed")});
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
            m_result.errors.append({m_line, QStringLiteral("text after a closing quote")});
            while (m_pos < n && m_text[m_pos] != m_sep && !isLineEnd(m_text[m_pos]))
                ++m_pos;
        }
        return true;
    }

    QStringView m_text;
    QChar m_sep;
    ReadResult &m_result;
    qsizetype m_pos = 0;
    int m_line = 1;
};

// UTF-8 with an optional BOM; a bad byte sequence is reported on its line.
bool decodeUtf8(const QByteArray &bytes, QString &text, ReadResult &result)
{
    QByteArrayView body(bytes);
    if (body.startsWith("\xEF\xBB\xBF"))
        body = body.sliced(3);
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    text = decoder(body);
    if (!decoder.hasError())
        return true;
    int line = 1;
    for (QByteArrayView rest = body; !rest.isEmpty(); ++line) {
        const qsizetype end = rest.indexOf('\n');
        const QByteArrayView part = end < 0 ? rest : rest.first(end + 1);
        QStringDecoder check(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        const QString decoded = check(part);
        Q_UNUSED(decoded);
        if (check.hasError())
            break;
        rest = rest.sliced(part.size());
    }
    result.errors.append({line, QStringLiteral("not valid UTF-8")});
    return false;
}

bool isBlank(const Record &rec)
{
    for (QStringView f : rec.fields) {
        if (!f.trimmed().isEmpty())
            return false;
    }
    return true;
}

// "", or a decimal value from 0 to max.
bool smallValue(QStringView text, int max, int &value)
{
    const QStringView t = text.trimmed();
    value = 0;
    if (t.isEmpty())
        return true;
    if (t.size() > 1 || t.at(0) < QLatin1Char('0') || t.at(0) > QLatin1Char('9'))
        return false;
    value = t.at(0).unicode() - '0';
    return value <= max;
}

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

void appendRow(QString &out, const BookEntry &e)
{
    auto digit = [](int bit) { return QChar(char16_t('0' + bit)); };
    out += quoted(trimmedRight(e.number));
    out += QLatin1Char(',');
    out += quoted(trimmedRight(e.name));
    out += QLatin1Char(',');
    out += digit(e.flags & 7);
    for (int bit = 7; bit >= 4; --bit) {
        out += QLatin1Char(',');
        out += digit((e.flags >> bit) & 1);
    }
    out += QLatin1String("\r\n");
}

} // namespace

QString csvHeader()
{
    return QStringList(Columns.begin(), Columns.end()).join(QLatin1Char(','));
}

ReadResult readCsv(const QByteArray &bytes)
{
    ReadResult result;
    QString text;
    if (!decodeUtf8(bytes, text, result))
        return result;

    Records records(text, separatorOf(text), result);
    Record header;
    if (!records.next(header)) {
        if (result.ok())
            result.errors.append({1, QStringLiteral("no header line; the first line names the columns: %1").arg(csvHeader())});
        return result;
    }

    // Which field holds each known column; -1 for a column the file lacks.
    std::array<int, Columns.size()> at;
    at.fill(-1);
    QStringList ignored;
    for (int f = 0; f < header.fields.size(); ++f) {
        const QString name = header.fields.at(f).trimmed().toString().toLower();
        const auto it = std::find(Columns.begin(), Columns.end(), name);
        if (it == Columns.end()) {
            if (!name.isEmpty())
                ignored.append(header.fields.at(f).trimmed().toString());
            continue;
        }
        int &slot = at[size_t(it - Columns.begin())];
        if (slot >= 0) {
            result.errors.append({header.line, QStringLiteral("column \"%1\" appears twice").arg(name)});
            return result;
        }
        slot = f;
    }
    if (at[NumberCol] < 0) {
        result.errors.append({header.line, QStringLiteral("the header has no \"number\" column (expected %1)").arg(csvHeader())});
        return result;
    }
    if (!ignored.isEmpty())
        result.warnings.append({header.line, QStringLiteral("column(s) ignored: %1").arg(ignored.join(QStringLiteral(", ")))});

    const QString hidden = BookEntry::hiddenLabel(), unknown = BookEntry::unknownLabel();
    result.contacts.reserve(text.count(QLatin1Char('\n')) + 1);
    Record rec;
    while (records.next(rec)) {
        if (rec.fields.size() > header.fields.size()) {
            result.errors.append({rec.line, QStringLiteral("row has %1 fields, the header %2")
                                                .arg(rec.fields.size())
                                                .arg(header.fields.size())});
            continue;
        }
        // Rows of nothing but separators are what spreadsheets leave below the data.
        if (isBlank(rec))
            continue;
        auto field = [&](int col) { return at[col] >= 0 && at[col] < rec.fields.size() ? rec.fields.at(at[col]) : QStringView(); };

        Contact c;
        c.line = rec.line;
        bool good = true;
        c.number = field(NumberCol).trimmed().toString();
        if (c.number != hidden && c.number != unknown
            && (c.number.isEmpty() || c.number.size() > layout::NumberLength || !rules::isDigits(c.number))) {
            result.errors.append({rec.line, QStringLiteral("number \"%1\" is not 1 to %2 digits")
                                                .arg(c.number)
                                                .arg(layout::NumberLength)});
            good = false;
        }
        c.name = field(NameCol).toString();
        good = rules::checkName(c.name, rec.line, result) && good;
        int sound = 0;
        if (!smallValue(field(SoundCol), 7, sound)) {
            result.errors.append({rec.line, QStringLiteral("sound \"%1\" is not 0 to 7").arg(field(SoundCol).trimmed())});
            good = false;
        }
        int flags = sound;
        for (int b = 0; b < 4; ++b) {
            int bit = 0;
            if (!smallValue(field(Sbit1Col + b), 1, bit)) {
                result.errors.append({rec.line, QStringLiteral("%1 \"%2\" is not 0 or 1")
                                                    .arg(Columns[size_t(Sbit1Col + b)], field(Sbit1Col + b).trimmed())});
                good = false;
            }
            flags |= bit << (7 - b);
        }
        c.flags = quint8(flags);
        if (good)
            result.contacts.append(std::move(c));
    }
    return result;
}

QByteArray writeCsv(const BookEntry &hidden, const BookEntry &unknown, const QVector<BookEntry> &users)
{
    QString out = csvHeader() + QStringLiteral("\r\n");
    out.reserve(64 * (users.size() + 3));
    BookEntry h = hidden, u = unknown;
    h.number = BookEntry::hiddenLabel();
    u.number = BookEntry::unknownLabel();
    appendRow(out, h);
    appendRow(out, u);
    for (const BookEntry &e : users)
        appendRow(out, e);
    return out.toUtf8();
}

} // namespace exchange
