#pragma once

#include "exchange/Contacts.h"

#include <QStringList>

// What a reader read, as text to compare: "number name" for each entry,
// "line: text" for each message.
inline QStringList entries(const exchange::ReadResult &r)
{
    QStringList out;
    for (const exchange::Contact &c : r.contacts)
        out << c.number + QLatin1Char(' ') + c.name;
    return out;
}

inline QStringList notes(const QVector<Problem> &list)
{
    QStringList out;
    for (const Problem &d : list)
        out << QStringLiteral("%1: %2").arg(d.line).arg(d.detail);
    return out;
}
