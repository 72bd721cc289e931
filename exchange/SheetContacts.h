#pragma once

#include "Contacts.h"
#include "Spreadsheet.h"

// The phone book as spreadsheet rows, and spreadsheets read as contacts files.
namespace exchange {

// The rows of the CSV export, header first, as cells: the two special
// entries, then the users in the order given. Trailing spaces of numbers and
// names are dropped; bit 3 of the flags is not written.
QVector<QStringList> bookRows(const BookEntry &hidden, const BookEntry &unknown, const QVector<BookEntry> &users);

// The phone book as an .xlsx or .ods file; *replaced as writeOds gives it.
QByteArray writeSheet(SheetFormat format, const BookEntry &hidden, const BookEntry &unknown,
                      const QVector<BookEntry> &users, int *replaced);

// A zip file as a spreadsheet (an error when it is none), anything else as
// readContacts reads it.
ReadResult readContactsFile(const QByteArray &bytes, Mode mode = Mode::Add);

} // namespace exchange
