#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

// The CSV layouts contacts arrive in: our own header, Google Contacts, and
// Outlook's and Thunderbird's exports in each language they are read in. Each
// layout lists every column its program writes with the column's role; the
// header of a file picks the layout whose columns it holds most of.
namespace exchange::layouts {

enum class Role : quint8 {
    Unlisted,                                        // not a column of the layout
    Number, Name, Sound, Sbit1, Sbit2, Sbit3, Sbit4, // our own
    Given, Middle, Family, Display, Company,         // the parts that name a row
    Phone,
    PhoneKind,   // what the phone column of the same number holds (Google: "Work Fax")
    Fax, Pager,  // left out: no caller rings from them
    Other,       // addresses, postcodes, dates, e-mail ...
    // How the name parts are spoken (Google's phonetic columns, the Yomi of
    // Japanese exports): spelled in their stead where the name is of another script.
    ReadingGiven, ReadingMiddle, ReadingFamily, ReadingDisplay,
};

struct Layout
{
    QString program;
    QString language;   // empty for a layout of one language
    bool own = false;
    QStringList phones; // the telephone columns, as the program writes them
    // "Outlook, Swedish"
    QString title() const { return language.isEmpty() ? program : program + QStringLiteral(", ") + language; }
};

// Every layout, ours first; on a tie the earlier one wins.
const QVector<Layout> &all();

// Our own columns in the order we write them.
QStringList ownHeader();

struct Header
{
    int layout = -1;         // index into all(); -1: none is chosen
    QVector<Role> roles;     // per cell, as the chosen layout has it
    // Per cell, the digits of a numbered column matched as such ("Phone 2 -
    // Value": "2"), else empty; a PhoneKind cell belongs to the Phone cell
    // with the same digits.
    QStringList tags;
    // None chosen: another layout that places as many cells as the one in
    // layout, differently (-1 for none), and the cells that the layout
    // placing the most of them does not place.
    int rival = -1;
    QStringList unplaced;
};

// The layout that places the most cells of the header (case, accents,
// punctuation and surrounding spaces ignored), and each cell's role in it.
// Only a layout that places a name column and a telephone column (fax and
// pager count) can be chosen; ours needs its number column alone. Where two
// place as many cells, each in a way of its own, none is chosen: a cell
// that several languages share never decides alone.
Header readHeader(const QStringList &cells);

// The form names are compared in: accents and case gone, every run of other
// characters than letters, digits and '#' one space, trimmed.
QString fold(QStringView name);

} // namespace exchange::layouts
