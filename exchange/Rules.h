#pragma once

#include "exchange/Contacts.h"
#include "image/Layout.h"

#include <QByteArrayView>

// What every reader asks of an entry before it may go into the phone book.
namespace exchange::rules {

// Drops trailing spaces, spells a name the image cannot hold in Latin letters
// (cp1252::spell; by its phonetic name, when the source gives one) and cuts a
// longer name to the width of the name field, with one warning naming the
// line, what is stored and why.
void checkName(QString &name, int line, ReadResult &result, const QString &phonetic = QString());

// The one number rule: spaces, "-", ".", "/", "(" and ")" go, a leading "+"
// becomes "00", a "(0)" right after a country code goes. 1 to 16 digits are
// taken. Otherwise, adding, the entry is skipped with a warning (false);
// replacing, the number is kept exactly as written with a warning, or, when
// the image cannot hold it so, an error (false). Messages name the entry by
// kind ("card", "entry") and name.
bool takeNumber(const QString &raw, Mode mode, int line, const char *kind, const QString &name, QString &number,
                ReadResult &result);

// What the number rule leaves of raw before it checks the digits.
QString cleanedNumber(QStringView raw);

// The index of the first of names (in the order a reader takes them: a
// card's FN, N, ORG) that is not blank nor made of invisible characters
// only, which spelling drops (bidi marks, ZWJ ...); passing over such a
// name is a warning on line. -1 for none; invisible then tells whether a
// name of invisible characters only was all there was (the entry is skipped).
qsizetype firstName(const QStringList &names, int line, ReadResult &result, bool &invisible);

// "card \"Anna\"", or "card without a name".
QString who(const char *kind, const QString &name);

// A problem with one entry: adding, a warning and the entry is skipped;
// replacing, an error.
void reject(Mode mode, int line, const QString &text, ReadResult &result);

// Appends an entry read; a user entry beyond 2,033 is only counted.
void keep(Contact &&contact, ReadResult &result);

bool isDigits(QStringView text);

// "U+0416 'Ж'" and the like, for messages.
QString describeCharacter(char32_t code);

} // namespace exchange::rules

// Character sets of files from other programs.
namespace exchange::charset {

// The text part of a file: a UTF-8 byte order mark skipped, UTF-16 (told by
// its byte order mark, or without one by zero bytes at every other position)
// converted to UTF-8 into holder.
QByteArrayView body(const QByteArray &bytes, QByteArray &holder);

// Offset of the first byte that does not belong to valid UTF-8, -1 for none.
qsizetype firstNonUtf8(QByteArrayView bytes);

// A whole file's text, as readCsvTable (Contacts.h) says: false with an
// error on its line when it cannot be read. Sets result's code page.
bool fileText(const QByteArray &bytes, const QByteArray &stated, QString &text, ReadResult &result);

// The error for a text whose code page cannot be told: none reads it as
// names, or the two named read it as well into different text.
QString untold(const QByteArray &first = QByteArray(), const QByteArray &second = QByteArray());
// The error for a byte with no character in the code page (stated or guessed).
QString noCharacter(uchar byte, const QString &codePage, bool guessed);

} // namespace exchange::charset
