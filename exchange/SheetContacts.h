#pragma once

#include "exchange/Contacts.h"
#include "exchange/Spreadsheet.h"

// The phone book as spreadsheet rows, and spreadsheets read as contacts files.
namespace exchange {

// The phone book as an .xlsx or .ods file; *replaced as writeOds gives it.
QByteArray writeSheet(SheetFormat format, const BookEntry &hidden, const BookEntry &unknown,
                      const QVector<BookEntry> &users, int *replaced);

// A zip file as a spreadsheet (an error when it is none), anything else as
// readContacts reads it, in codePage when one is given.
ReadResult readContactsFile(const QByteArray &bytes, Mode mode = Mode::Add, const QByteArray &codePage = QByteArray());

} // namespace exchange
