#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QVector>

// Code pages of files from other programs: Outlook writes its CSV, and older
// phones their vCards, in the ANSI code page of the Windows that exported
// them. A text that is not UTF-8 is read in the code page in which it reads
// as names, or not at all; never as letters of another language.
namespace exchange::codepage {

// A piece of a file's text: its bytes and the line its first byte is on.
struct Sample
{
    QByteArrayView bytes;
    int line = 1;
};

struct Guess
{
    QByteArray name;    // the code page, as messages name it ("windows-1251"); empty: refused
    int line = 0;       // refused: a line no code page reads as names, or where two read apart
    QByteArray first, second;   // refused for reading as well in these two, into different text
};

// Of the code pages Windows and Outlook write (the Windows ANSI code pages,
// Shift_JIS, GB18030, Big5, windows-949, Mac Roman), the one in which the
// words of the samples read best as names: each word's letters in one
// script and, for Latin letters, in one language's alphabet; the fewest
// languages for the whole text; the most common characters. Where no code
// page reads every word so, or two read it equally well into different
// text, none is chosen, unless one of them is the system's own code page
// (the ANSI code page on Windows). Windows-1252 goes first where it reads as
// well as another, so that Western files read as they always did. Judged on
// at most the first 4 KiB of words that hold bytes beyond ASCII.
Guess guess(const QVector<Sample> &samples);

// The code page of the system's programs where it has one (Windows' ANSI
// code page, as guess() names it: "windows-1251", "Shift_JIS"), else empty.
QByteArray systemCodePage();

// Whether a converter of this name is known (ICU's names and aliases:
// "windows-1251", "cp1250", "Shift_JIS", "macintosh", "UTF-16LE" ...).
bool known(const QByteArray &name);

// Whether the code page writes ASCII as ASCII, one byte each (not UTF-16 or EBCDIC).
bool asciiCompatible(const QByteArray &name);

// The bytes in the code page. False where a byte has no character in it, or
// stands for a control character other than tab, line feed and carriage
// return (what Windows-1252 leaves unassigned comes back as one): bad is then
// the offset of that byte.
bool decode(const QByteArray &name, QByteArrayView bytes, QString &text, qsizetype &bad);

// The text in the code page; a character it cannot hold is written as "?" and counted in replaced.
QByteArray encode(const QByteArray &name, const QString &text, int &replaced);

} // namespace exchange::codepage
