#pragma once

#include <QString>
#include <QtGlobal>

// One phone-book entry as the table holds it.
struct BookEntry
{
    // What the two special entries hold in place of a number.
    static QString hiddenLabel() { return QStringLiteral("_HiddenNumber"); }
    static QString unknownLabel() { return QStringLiteral("_UnknownNumber"); }

    QString number;
    QString name;
    quint8 flags = 0;
};

// Moved with memmove when rows are inserted.
Q_DECLARE_TYPEINFO(BookEntry, Q_RELOCATABLE_TYPE);
