#include "exchange/SheetContacts.h"

namespace exchange {

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
