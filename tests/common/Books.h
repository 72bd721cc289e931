#pragma once

#include "image/PhoneBook.h"

#include <QStringList>

// A phone book as text to compare: the rows as the list shows them, the
// table indices behind them, and all it holds.
inline QStringList rowTexts(const PhoneBook &b)
{
    QStringList out;
    for (const BookRow &r : b.rows())
        out << r.text;
    return out;
}

inline QList<int> rowIndices(const PhoneBook &b)
{
    QList<int> out;
    for (const BookRow &r : b.rows())
        out << r.index;
    return out;
}

// An entry as "number|name|0xflags".
inline QString entryText(const BookEntry &e)
{
    return e.number + QLatin1Char('|') + e.name + QStringLiteral("|0x%1").arg(e.flags, 2, 16, QLatin1Char('0'));
}

// Rows, table, last index, count and marker.
inline QStringList snapshot(const PhoneBook &b)
{
    QStringList out{QString::number(b.lastIndex()), b.countText(), b.isMarked() ? "marked" : "not marked"};
    for (const BookRow &r : b.rows())
        out << QStringLiteral("row %1 %2").arg(r.index).arg(r.text);
    for (const BookEntry &e : b.table())
        out << "entry " + entryText(e);
    return out;
}
