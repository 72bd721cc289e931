#pragma once

#include "BookEntry.h"

#include <QByteArray>
#include <QString>
#include <QVector>

// Contacts as they travel between the phone book and other programs: CSV for
// spreadsheets, vCard for phones and address books. Plain functions from bytes
// to entries and back; the caller decides what to do with the entries.
namespace exchange {

// One entry read from a file. number is 1 to 16 digits, or the label of a
// special entry ("_HiddenNumber", "_UnknownNumber", CSV only); name is at most
// 14 characters, all of them in Windows-1252, trailing spaces dropped.
struct Contact
{
    QString number;
    QString name;
    quint8 flags = 0;
    int line = 0;      // where the row or card property starts, from 1
};

// A remark tied to a line of the file (0: the file as a whole).
struct Diagnostic
{
    int line = 0;
    QString text;
};

struct ReadResult
{
    QVector<Contact> contacts;          // in file order
    QVector<Diagnostic> warnings;
    QVector<Diagnostic> errors;         // any error: nothing may be taken from the file
    bool ok() const { return errors.isEmpty(); }
};

enum class Format { Csv, VCard };

// vCard when the first non-blank text is BEGIN:VCARD, CSV otherwise.
Format detectFormat(const QByteArray &bytes);

// The CSV header as written.
QString csvHeader();

// UTF-8 (a leading BOM is skipped), RFC 4180 quoting, comma or semicolon as
// taken from the header line; columns matched by header name, case ignored.
ReadResult readCsv(const QByteArray &bytes);
// vCard 2.1, 3.0 and 4.0; one contact per TEL, flags 0.
ReadResult readVCard(const QByteArray &bytes);
ReadResult readContacts(const QByteArray &bytes);

// The header, the two special entries, then users in the order given.
// Trailing spaces of numbers and names are dropped; bit 3 of the flags is not written.
QByteArray writeCsv(const BookEntry &hidden, const BookEntry &unknown, const QVector<BookEntry> &users);
// One vCard 3.0 per user entry, CRLF line ends.
QByteArray writeVCard(const QVector<BookEntry> &users);

// The number or name as it is worth showing: trailing spaces dropped.
QString trimmedRight(const QString &text);

} // namespace exchange
