#pragma once

#include "image/BookEntry.h"
#include "image/PhoneBook.h"

#include <QString>
#include <QStringList>
#include <QVector>

#include <utility>

// Which entries of two phone books stand for the same contact, and a phone
// book brought in step with a source by that rule. One rule for every user:
// an import that adds or follows a source, and the comparison of two images.
namespace pairing {

// A number or name as it compares: a decoded field's padding dropped.
QString stored(const QString &text);

// One entry of a side paired with one of the other; -1 where none is.
struct Pair
{
    qsizetype a = -1;
    qsizetype b = -1;
};

// Pairs by stored number; within one number, entries with the same stored
// name pair first, then the rest in list order. Every entry of either side
// is in exactly one pair. Numbers come in ascending order; within a number,
// a's entries in their order, then b's unpaired ones in theirs.
QVector<Pair> pairEntries(const QVector<BookEntry> &a, const QVector<BookEntry> &b);

// An entry from a source, and the flag bits the source gave values for (our
// own table's sound and switch cells; nothing for vCards and the like). The
// bits it does not give keep what the phone book holds.
struct Incoming
{
    BookEntry entry;
    quint8 given = 0;
    int line = 0;
};

enum class Merge {
    Add,     // adds what is not there yet; nothing is renamed or removed
    Sync,    // the phone book follows the source: renames, adds and removes
};

// A number added under a name the phone book holds it under another.
struct Clash
{
    QString number;
    QStringList inBook, added;
};

// What a merge will do, worked out before anything changes.
struct Plan
{
    BookEntry hidden, unknown;             // as they will be
    bool hiddenSet = false, unknownSet = false;
    QVector<std::pair<qint32, BookEntry>> updates;   // table index, new contents
    QVector<qint32> removed;               // table indices
    QVector<BookEntry> additions;          // in source order
    int alreadyThere = 0;
    QVector<Clash> clashes;                // adding only, in number order
    qsizetype usersAfter = 0;

    int changed() const { return int(updates.size()); }
    bool empty() const { return updates.isEmpty() && removed.isEmpty() && additions.isEmpty() && !hiddenSet && !unknownSet; }
};

// Special entries are recognised by their labels; a source without their
// rows leaves them as they are.
Plan planMerge(const PhoneBook &book, const QVector<Incoming> &source, Merge how);
// Carries a plan out; additions go where the editor's Add puts them. False,
// with nothing changed, when the phone book refuses the additions.
bool applyMerge(PhoneBook &book, const Plan &plan);

} // namespace pairing
