#pragma once

#include <QString>
#include <QVector>

namespace exchange {

// One cell of a contacts table, as a CSV file or a spreadsheet holds it.
struct Cell
{
    QString text;
    // A spreadsheet's number cell: whatever leading zeros the number had are gone.
    bool numeric = false;
};

// The rows of a contacts table, header first, with where each row starts in its
// file (a CSV line or a sheet's row number, from 1).
struct Table
{
    QVector<QVector<Cell>> rows;
    QVector<int> lines;
};

} // namespace exchange
