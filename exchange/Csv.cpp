#include "Contacts.h"

#include "Rules.h"

#include <QStringDecoder>
#include <QStringList>

#include <array>

namespace exchange {

namespace {

const std::array<QString, 7> Columns = {
    QStringLiteral("number"), QStringLiteral("name"),  QStringLiteral("sound"), QStringLiteral("sbit1"),
    QStringLiteral("sbit2"),  QStringLiteral("sbit3"), QStringLiteral("sbit4"),
};
enum Column { NumberCol, NameCol, SoundCol, Sbit1Col };

struct Record
{
    int line = 0;
    QStringList fields;
};

// The first comma or semicolon of the header line outside quotes; a header of
// one column is read with commas.
QChar separatorOf(const QString &text)
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

// RFC 4180 records. A quoted field may span lines; a record is numbered by the
// line it starts on. Blank lines give no record. False after an unclosed quote.
bool splitRecords(const QString &text, QChar sep, QVector<Record> &records, ReadResult &result)
{
    int line = 1;
    Record rec{1, {}};
    QString field;
    bool quoted = false, afterQuote = false, fieldStarted = false;
    int quoteLine = 0;

    auto endField = [&] {
        rec.fields.append(field);
        field.clear();
        afterQuote = fieldStarted = false;
    };
    auto endRecord = [&] {
        if (rec.fields.isEmpty() && !fieldStarted && field.isEmpty()) {
            rec.line = line;
            return;
        }
        endField();
        records.append(rec);
        rec = Record{line, {}};
    };

    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text.at(i);
        if (quoted) {
            if (c == QLatin1Char('"')) {
                if (i + 1 < n && text.at(i + 1) == QLatin1Char('"')) {
                    field.append(c);
                    ++i;
                } else {
                    quoted = false;
                    afterQuote = true;
                }
            } else {
                if (c == QLatin1Char('\n'))
                    ++line;
                field.append(c);
            }
            continue;
        }
        if (c == sep) {
            endField();
            fieldStarted = true;   // a separator promises one more field
        } else if (c == QLatin1Char('\n') || c == QLatin1Char('\r')) {
            if (c == QLatin1Char('\r') && i + 1 < n && text.at(i + 1) == QLatin1Char('\n'))
                ++i;
            ++line;
            endRecord();
        } else if (c == QLatin1Char('"') && field.isEmpty() && !afterQuote) {
            quoted = true;
            fieldStarted = true;
            quoteLine = line;
        } else {
            if (afterQuote) {
                result.errors.append({line, QStringLiteral("text after a closing quote")});
                afterQuote = false;
            }
            field.append(c);
            fieldStarted = true;
        }
    }
    if (quoted) {
        result.errors.append({quoteLine, QStringLiteral("quote opened here is never closed")});
        return false;
    }
    endRecord();
    return true;
}

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

bool isBlank(const QStringList &fields)
{
    for (const QString &f : fields) {
        if (!f.trimmed().isEmpty())
            return false;
    }
    return true;
}

// "", or a decimal value from 0 to max.
bool smallValue(const QString &text, int max, int &value)
{
    const QString t = text.trimmed();
    value = 0;
    if (t.isEmpty())
        return true;
    if (t.size() > 1 || !rules::isDigits(t))
        return false;
    value = t.at(0).unicode() - '0';
    return value <= max;
}

QString quoted(const QString &field)
{
    if (!field.contains(QLatin1Char(',')) && !field.contains(QLatin1Char('"')) && !field.contains(QLatin1Char('\n'))
        && !field.contains(QLatin1Char('\r')) && !field.startsWith(QLatin1Char(' ')))
        return field;
    QString out = field;
    out.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + out + QLatin1Char('"');
}

void appendRow(QString &out, const BookEntry &e)
{
    const int sound = e.flags & 7;
    out += quoted(trimmedRight(e.number)) + QLatin1Char(',') + quoted(trimmedRight(e.name));
    out += QStringLiteral(",%1,%2,%3,%4,%5\r\n")
               .arg(sound)
               .arg((e.flags >> 7) & 1)
               .arg((e.flags >> 6) & 1)
               .arg((e.flags >> 5) & 1)
               .arg((e.flags >> 4) & 1);
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

    QVector<Record> records;
    if (!splitRecords(text, separatorOf(text), records, result))
        return result;
    if (records.isEmpty()) {
        result.errors.append({1, QStringLiteral("no header line; the first line names the columns: %1").arg(csvHeader())});
        return result;
    }

    // Which field holds each known column; -1 for a column the file lacks.
    const Record &header = records.first();
    std::array<int, Columns.size()> at;
    at.fill(-1);
    QStringList ignored;
    for (int f = 0; f < header.fields.size(); ++f) {
        const QString name = header.fields.at(f).trimmed().toLower();
        const auto it = std::find(Columns.begin(), Columns.end(), name);
        if (it == Columns.end()) {
            if (!name.isEmpty())
                ignored.append(header.fields.at(f).trimmed());
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

    const QString hidden = PhoneBook::hiddenLabel(), unknown = PhoneBook::unknownLabel();
    for (qsizetype r = 1; r < records.size(); ++r) {
        const Record &rec = records.at(r);
        if (rec.fields.size() > header.fields.size()) {
            result.errors.append({rec.line, QStringLiteral("row has %1 fields, the header %2")
                                                .arg(rec.fields.size())
                                                .arg(header.fields.size())});
            continue;
        }
        // Rows of nothing but separators are what spreadsheets leave below the data.
        if (isBlank(rec.fields))
            continue;
        auto field = [&](int col) { return at[col] >= 0 && at[col] < rec.fields.size() ? rec.fields.at(at[col]) : QString(); };

        Contact c;
        c.line = rec.line;
        bool good = true;
        c.number = field(NumberCol).trimmed();
        if (c.number != hidden && c.number != unknown
            && (c.number.isEmpty() || c.number.size() > rules::MaxNumberDigits || !rules::isDigits(c.number))) {
            result.errors.append({rec.line, QStringLiteral("number \"%1\" is not 1 to %2 digits")
                                                .arg(c.number)
                                                .arg(rules::MaxNumberDigits)});
            good = false;
        }
        c.name = field(NameCol);
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
            result.contacts.append(c);
    }
    return result;
}

QByteArray writeCsv(const BookEntry &hidden, const BookEntry &unknown, const QVector<BookEntry> &users)
{
    QString out = csvHeader() + QStringLiteral("\r\n");
    BookEntry h = hidden, u = unknown;
    h.number = PhoneBook::hiddenLabel();
    u.number = PhoneBook::unknownLabel();
    appendRow(out, h);
    appendRow(out, u);
    for (const BookEntry &e : users)
        appendRow(out, e);
    return out.toUtf8();
}

} // namespace exchange
