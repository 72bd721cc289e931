#pragma once

#include "image/BookEntry.h"
#include "problem/Problem.h"
#include "exchange/Table.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>

// Contacts as they travel between the phone book and other programs: CSV for
// spreadsheets, vCard for phones and address books. Plain functions from bytes
// to entries and back; the caller decides what to do with the entries.
namespace exchange {

// One entry read from a file. number is 1 to 16 digits, the label of a special
// entry ("_HiddenNumber", "_UnknownNumber", tables only), or, with
// Mode::Replace, up to 16 characters kept as written; name is at most 14
// characters, all of them in Windows-1252, trailing spaces dropped.
struct Contact
{
    QString number;
    QString name;
    quint8 flags = 0;
    int line = 0;      // where the row or card property starts, from 1
    // The flag bits the source gave values for (our own table's sound and
    // switch cells); an empty cell or a source without them gives none.
    quint8 given = 0;
};

struct ReadResult
{
    QVector<Contact> contacts;          // in file order
    // Each tied to a line of the file (0: the file as a whole). Errors are
    // gathered, not thrown, so that one read names every row to mend.
    QVector<Problem> warnings;
    QVector<Problem> errors;            // any error: nothing may be taken from the file
    int skipped = 0;                    // entries left out, each with a warning
    int leftOut = 0;                    // fax and pager numbers: no caller rings from them
    int pagers = 0;                     // of leftOut, the pagers
    QString layout;                     // the other program's table read ("Outlook, Swedish"), else empty
    // The code page the text was read in ("windows-1251") when it was not
    // UTF-8 or UTF-16, or as stated; told from the text unless stated.
    QString codePage;
    bool codePageGuessed = false;
    // User entries read. Beyond one more than any phone book holds they are
    // counted, not kept: a huge file must not take memory by the entry.
    qsizetype users = 0;
    bool ok() const { return errors.isEmpty(); }
};

// Adding to a phone book, an entry that breaks a rule is skipped with a
// warning; replacing it, the file is the whole book, so such an entry is an
// error (a number that is not digits aside: it is kept as written).
// Following a source, the phone book loses what the source lacks, so every
// such entry is an error, a number that is not digits too.
enum class Mode { Add, Replace, Sync };

enum class Format { Csv, VCard };

// vCard when the first non-blank text is BEGIN:VCARD, CSV otherwise.
Format detectFormat(const QByteArray &bytes);

// The CSV header as written.
QString csvHeader();

// Text of any file: codePage, when given (any ICU converter name), for the
// whole file; else a byte order mark decides (UTF-8, UTF-16 LE or BE);
// without one, UTF-8 when valid, else the code page the text reads in as
// names (codepage::guess), or an error naming a line. A byte with no
// character in the code page, or one that stands for a control character,
// is an error on its line: such text never reaches a name.
// CSV: RFC 4180 quoting, comma or semicolon as taken from the header line, into
// cells; then readTable. False (with an error) for an unclosed quote.
bool readCsvTable(const QByteArray &bytes, Table &table, ReadResult &result, const QByteArray &codePage = QByteArray());
ReadResult readCsv(const QByteArray &bytes, Mode mode = Mode::Add, const QByteArray &codePage = QByteArray());

// The contacts of a table whose first row names the columns, read as the
// layout (Layouts.h) the header matches best: our own (see csvHeader; only
// "number" required), or a Google Contacts, Outlook or Thunderbird export in
// any language listed (each telephone value one entry, named by first, middle
// and last name, else the display name, else the company; faxes and pagers
// counted in leftOut). A table without a header holds no contacts.
ReadResult readTable(const Table &table, Mode mode = Mode::Add);

// vCard 2.1, 3.0 and 4.0; one contact per TEL, flags 0, named by FN, else N,
// else ORG. A property's CHARSET decodes its value; codePage, or else the
// code page told from the values of the file that are not UTF-8, the rest.
ReadResult readVCard(const QByteArray &bytes, Mode mode = Mode::Add, const QByteArray &codePage = QByteArray());
// A file that is empty or only white space holds no contacts, without an error.
ReadResult readContacts(const QByteArray &bytes, Mode mode = Mode::Add, const QByteArray &codePage = QByteArray());

// The rows of an export, header first: the two special entries, then the
// users in the order given. Trailing spaces of numbers and names are dropped;
// bit 3 of the flags is not written.
QVector<QStringList> bookRows(const BookEntry &hidden, const BookEntry &unknown, const QVector<BookEntry> &users);
// Those rows as CSV, CRLF line ends; UTF-8, or in codePage, where a
// character the code page lacks is written as "?" and counted in *replaced.
QByteArray writeCsv(const BookEntry &hidden, const BookEntry &unknown, const QVector<BookEntry> &users,
                    const QByteArray &codePage = QByteArray(), int *replaced = nullptr);
// One vCard 3.0 per user entry, CRLF line ends; a card whose name or number
// holds a control character is a vCard 2.1 with quoted-printable values.
QByteArray writeVCard(const QVector<BookEntry> &users);

// The number or name as it is worth showing: trailing spaces dropped, and
// nothing at all for a field of zero bytes.
QString trimmedRight(const QString &text);

} // namespace exchange
