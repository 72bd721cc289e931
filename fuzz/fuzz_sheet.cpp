// Arbitrary bytes as the XML of one sheet: an .xlsx worksheet with its shared
// strings (the input's first byte not 'o'; the two parts split at the first
// NUL), or an .ods content.xml (first byte 'o'). Besides not crashing: a
// refused sheet gives no rows, limits hold, every row has text and a line,
// and a small table written as .xlsx reads back as it was.
#include "exchange/Spreadsheet.h"
#include "problem/Problem.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

using namespace exchange;

namespace {

void require(bool ok, const char *what)
{
    if (!ok) {
        std::fprintf(stderr, "invariant broken: %s\n", what);
        std::abort();
    }
}

QVector<QStringList> texts(const Table &t)
{
    QVector<QStringList> out;
    for (const QVector<Cell> &row : t.rows) {
        QStringList cells;
        for (const Cell &c : row)
            cells << c.text;
        out << cells;
    }
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    const QByteArray bytes(reinterpret_cast<const char *>(data) + 1, qsizetype(size - 1));
    Table t;
    try {
        if (data[0] == 'o') {
            t = readOdsContent(bytes);
        } else {
            const qsizetype nul = bytes.indexOf('\0');
            t = nul < 0 ? readXlsxSheet(bytes, QByteArray()) : readXlsxSheet(bytes.left(nul), bytes.mid(nul + 1));
        }
    } catch (const VireError &e) {
        require(!e.problem().detail.isEmpty(), "a refused sheet says why");
        return 0;
    }
    require(t.rows.size() == t.lines.size(), "a line for every row");
    qint64 cells = 0;
    for (qsizetype r = 0; r < t.rows.size(); ++r) {
        require(!t.rows[r].isEmpty() && !t.rows[r].last().text.isEmpty(), "rows end in a cell with text");
        require(t.lines[r] >= 1, "row numbers count from 1");
        cells += t.rows[r].size();
    }
    require(cells <= MaxSheetCells, "the cell limit holds");

    if (t.rows.size() <= 50 && cells <= 500) {
        const QVector<QStringList> rows = texts(t);
        const Table back = readSpreadsheet(writeXlsx(rows));   // our own .xlsx reads
        require(texts(back) == rows, "our .xlsx gives back every text");
    }
    return 0;
}
