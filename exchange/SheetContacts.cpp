#include "SheetContacts.h"

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

ReadResult readContactsFile(const QByteArray &bytes, Mode mode)
{
    if (!looksLikeZip(bytes))
        return readContacts(bytes, mode);
    QString error;
    const Table table = readSpreadsheet(bytes, &error);
    if (!error.isEmpty()) {
        ReadResult result;
        result.errors.append({0, error});
        return result;
    }
    return readTable(table, mode);
}

} // namespace exchange
