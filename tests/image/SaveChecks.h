#pragma once

#include "problem/Problem.h"
#include "ui/ErrorReport.h"

#include <QByteArray>
#include <QFile>
#include <QString>

// What the safe-save tests of both systems look at.

// The text of the error f throws, or "" when it throws none.
template<typename F> QString failure(F f)
{
    try {
        f();
    } catch (const VireError &e) {
        return errorReport(e.problem());
    }
    return QString();
}

inline QByteArray contents(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}
