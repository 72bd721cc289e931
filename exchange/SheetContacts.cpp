#include "SheetContacts.h"

#include <QHash>

namespace exchange {

namespace {

QStringList rowOf(const QString &number, const BookEntry &e)
{
    QStringList row{trimmedRight(number), trimmedRight(e.name), QString::number(e.flags & 7)};
    for (int bit = 7; bit >= 4; --bit)
        row << QString::number((e.flags >> bit) & 1);
    return row;
}

} // namespace

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

QByteArray writeSheet(SheetFormat format, const BookEntry &hidden, const BookEntry &unknown,
                      const QVector<BookEntry> &users, int *replaced)
{
    if (replaced)
        *replaced = 0;
    const QVector<QStringList> rows = bookRows(hidden, unknown, users);
    return format == SheetFormat::Ods ? writeOds(rows, replaced) : writeXlsx(rows);
}

ReadResult readTableAsCsv(const Table &table)
{
    QString csv;
    QVector<int> sheetLine{0};      // by CSV line
    int numberColumn = -1, csvLines = 0;
    for (qsizetype r = 0; r < table.rows.size(); ++r) {
        const QVector<Cell> &row = table.rows[r];
        int lineFeeds = 0;
        for (qsizetype c = 0; c < row.size(); ++c) {
            QString text = row[c].text;
            if (r == 0 && text.trimmed().compare(QLatin1String("number"), Qt::CaseInsensitive) == 0)
                numberColumn = int(c);
            lineFeeds += int(text.count(QLatin1Char('\n')));
            csv += (c ? QStringLiteral(",\"") : QStringLiteral("\"")) + text.replace(QLatin1Char('"'), QStringLiteral("\"\""))
                + QLatin1Char('"');
        }
        csv += QLatin1Char('\n');
        // Every CSV line of this row, line feeds in its cells included, is the sheet's row.
        csvLines += 1 + lineFeeds;
        while (sheetLine.size() <= csvLines)
            sheetLine.append(table.lines.value(r));
    }
    ReadResult result = readCsv(csv.toUtf8());
    auto map = [&](int line) { return line > 0 && line < sheetLine.size() ? sheetLine[line] : line; };
    for (Diagnostic &d : result.warnings)
        d.line = map(d.line);
    for (Diagnostic &d : result.errors)
        d.line = map(d.line);
    QHash<int, qsizetype> rowAt;
    for (qsizetype r = 1; r < table.rows.size(); ++r)
        rowAt.insert(table.lines.value(r), r);
    for (Contact &c : result.contacts) {
        c.line = map(c.line);
        const QVector<Cell> &row = table.rows.value(rowAt.value(c.line, -1));
        if (numberColumn >= 0 && numberColumn < row.size() && row[numberColumn].numeric)
            result.warnings.append({c.line, QStringLiteral("number %1 was a number cell; leading zeros may have been lost "
                                                           "(format the column as Text)")
                                                .arg(c.number)});
    }
    return result;
}

ReadResult readContactsFile(const QByteArray &bytes)
{
    if (!looksLikeZip(bytes))
        return readContacts(bytes);
    QString error;
    const Table table = readSpreadsheet(bytes, &error);
    if (!error.isEmpty()) {
        ReadResult result;
        result.errors.append({0, error});
        return result;
    }
    return readTableAsCsv(table);
}

} // namespace exchange
