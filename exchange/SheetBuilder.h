#pragma once

// What the .xlsx and .ods sheet readers share: limits, and the table they fill.
#include "exchange/Spreadsheet.h"
#include "problem/Problem.h"

#include <QXmlStreamReader>

#include <limits>

namespace exchange::sheetxml {

// As many columns as today's spreadsheets have.
constexpr qint64 MaxColumns = 16384;
// Excel's limit for the text of one cell.
constexpr int MaxCellChars = 32767;
// Spaces an .ods may ask for with <text:s text:c="n"/>, in all.
constexpr qint64 MaxExpandedChars = 16 * 1024 * 1024;

inline const QString OfficeNs = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:office:1.0");
inline const QString TableNs = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:table:1.0");
inline const QString TextNs = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:text:1.0");

// Collects rows cell by cell. Empty cells are only counted, so gaps and
// repeats cost memory only where text follows them; rows without text are
// left out. Any limit passed fails the whole table (VireError).
class TableBuilder
{
public:

    void startRow(qint64 line)
    {
        m_row.clear();
        m_line = line;
    }

    void cell(qint64 column, const Cell &c, qint64 repeat = 1)
    {
        if (c.text.isEmpty())
            return;
        if (column + repeat > MaxColumns)
            fail(QStringLiteral("row %1 has text beyond column %2").arg(m_line).arg(MaxColumns));
        if (column < m_row.size() && repeat == 1) {   // a cell given again, or out of order
            m_row[column] = c;
            return;
        }
        const qint64 from = qMax<qint64>(column, m_row.size());
        spend(from + repeat - m_row.size());
        m_row.resize(from);
        for (qint64 i = 0; i < repeat; ++i)
            m_row.append(c);
    }

    void endRow(qint64 repeat = 1)
    {
        if (m_row.isEmpty())
            return;
        if (m_line + repeat - 1 > std::numeric_limits<int>::max())
            fail(QStringLiteral("row %1 is beyond the last row a sheet may have").arg(m_line));
        spend((repeat - 1) * m_row.size());
        for (qint64 i = 0; i < repeat; ++i) {
            m_table.rows.append(m_row);
            m_table.lines.append(int(m_line + i));
        }
        m_row.clear();
    }

    [[noreturn]] static void fail(const QString &text) { throw VireError(Problem::at(0, text)); }

    Table take() { return std::move(m_table); }

private:
    void spend(qint64 cells)
    {
        m_cells += cells;
        if (m_cells > MaxSheetCells)
            fail(QStringLiteral("more than %1 cells; not a contacts table").arg(MaxSheetCells));
    }

    Table m_table;
    QVector<Cell> m_row;
    qint64 m_line = 0, m_cells = 0;
};

// A number cell's value as a spreadsheet shows it by default.
QString numberText(QStringView value);

// The reader's error, with the part and line.
QString failure(const QXmlStreamReader &xml, const char *part);

} // namespace exchange::sheetxml
