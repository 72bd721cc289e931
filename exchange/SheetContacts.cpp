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

ReadResult readContactsFile(const QByteArray &bytes, Mode mode, const QByteArray &codePage)
{
    if (!looksLikeZip(bytes))
        return readContacts(bytes, mode, codePage);
    Table table;
    try {
        table = readSpreadsheet(bytes);
    } catch (VireError &e) {
        ReadResult result;
        result.errors.append(std::move(e.problem()));
        return result;
    }
    return readTable(table, mode);
}

} // namespace exchange
