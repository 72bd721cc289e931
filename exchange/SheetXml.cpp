// The XML of one sheet into a Table: an .xlsx worksheet with its shared
// strings, or the first table of an .ods content.xml.
#include "Spreadsheet.h"

#include <QLocale>
#include <QXmlStreamReader>

#include <cmath>
#include <limits>

namespace exchange {

namespace {

// As many columns as today's spreadsheets have.
constexpr qint64 MaxColumns = 16384;
// Excel's limit for the text of one cell.
constexpr int MaxCellChars = 32767;
// Spaces an .ods may ask for with <text:s text:c="n"/>, in all.
constexpr qint64 MaxExpandedChars = 16 * 1024 * 1024;

const QString OfficeNs = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:office:1.0");
const QString TableNs = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:table:1.0");
const QString TextNs = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:text:1.0");

// Collects rows cell by cell. Empty cells are only counted, so gaps and
// repeats cost memory only where text follows them; rows without text are
// left out. Any limit passed makes the whole table fail.
class TableBuilder
{
public:
    explicit TableBuilder(QString *error) : m_error(error) {}

    void startRow(qint64 line)
    {
        m_row.clear();
        m_line = line;
    }

    void cell(qint64 column, const Cell &c, qint64 repeat = 1)
    {
        if (c.text.isEmpty() || m_failed)
            return;
        if (column + repeat > MaxColumns)
            return fail(QStringLiteral("row %1 has text beyond column %2").arg(m_line).arg(MaxColumns));
        if (column < m_row.size() && repeat == 1) {   // a cell given again, or out of order
            m_row[column] = c;
            return;
        }
        const qint64 from = qMax<qint64>(column, m_row.size());
        if (!spend(from + repeat - m_row.size()))
            return;
        m_row.resize(from);
        for (qint64 i = 0; i < repeat; ++i)
            m_row.append(c);
    }

    void endRow(qint64 repeat = 1)
    {
        if (m_row.isEmpty() || m_failed)
            return;
        if (m_line + repeat - 1 > std::numeric_limits<int>::max())
            return fail(QStringLiteral("row %1 is beyond the last row a sheet may have").arg(m_line));
        if (!spend((repeat - 1) * m_row.size()))
            return;
        for (qint64 i = 0; i < repeat; ++i) {
            m_table.rows.append(m_row);
            m_table.lines.append(int(m_line + i));
        }
        m_row.clear();
    }

    void fail(const QString &text)
    {
        if (!m_failed && m_error)
            *m_error = text;
        m_failed = true;
    }

    bool failed() const { return m_failed; }

    Table take()
    {
        return m_failed ? Table() : std::move(m_table);
    }

private:
    bool spend(qint64 cells)
    {
        m_cells += cells;
        if (m_cells > MaxSheetCells)
            fail(QStringLiteral("more than %1 cells; not a contacts table").arg(MaxSheetCells));
        return !m_failed;
    }

    QString *m_error;
    Table m_table;
    QVector<Cell> m_row;
    qint64 m_line = 0, m_cells = 0;
    bool m_failed = false;
};

// A number cell's value as a spreadsheet shows it by default: integers as
// their digits, other values without exponent. Digits as stored are kept as
// they are, since a double holds only 15 of them for sure.
QString numberText(QStringView value)
{
    const QStringView t = value.trimmed();
    bool plain = !t.isEmpty();
    for (qsizetype i = 0; i < t.size() && plain; ++i)
        plain = t[i].isDigit() || (i == 0 && t[i] == QLatin1Char('-') && t.size() > 1);
    if (plain)
        return t.toString();
    bool ok = false;
    const double d = t.toDouble(&ok);
    if (!ok || !std::isfinite(d))
        return t.toString();
    if (d == std::floor(d) && std::fabs(d) < 1e18)
        return QString::number(qint64(d));
    return QString::number(d, 'f', QLocale::FloatingPointShortest);
}

QString failure(const QXmlStreamReader &xml, const char *part)
{
    return QStringLiteral("%1, line %2: %3").arg(QLatin1String(part)).arg(xml.lineNumber()).arg(xml.errorString());
}

// ---- .xlsx ----------------------------------------------------------------

int hexValue(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9')
        return u - '0';
    if (u >= 'A' && u <= 'F')
        return u - 'A' + 10;
    if (u >= 'a' && u <= 'f')
        return u - 'a' + 10;
    return -1;
}

// Undoes the _xHHHH_ escapes of a text (_x005F_ is the underscore itself).
QString unescapeXlsx(const QString &text)
{
    qsizetype at = text.indexOf(QLatin1String("_x"));
    if (at < 0)
        return text;
    QString out;
    qsizetype from = 0;
    for (; at >= 0; at = text.indexOf(QLatin1String("_x"), at)) {
        int code = 0;
        bool ok = at + 6 < text.size() && text[at + 6] == QLatin1Char('_');
        for (int i = 2; ok && i < 6; ++i) {
            const int h = hexValue(text[at + i]);
            ok = h >= 0;
            code = code * 16 + h;
        }
        if (!ok) {
            at += 2;
            continue;
        }
        out += QStringView(text).sliced(from, at - from);
        out += QChar(char16_t(code));
        at += 7;
        from = at;
    }
    out += QStringView(text).sliced(from);
    return out;
}

// The text of an <si> or <is>: its <t> elements, phonetic runs left out.
QString richText(QXmlStreamReader &xml)
{
    QString out;
    int depth = 1, phonetic = 0;
    while (depth > 0 && xml.readNext() != QXmlStreamReader::Invalid) {
        if (xml.isStartElement()) {
            if (xml.name() == QLatin1String("t")) {
                const QString t = xml.readElementText(QXmlStreamReader::SkipChildElements);
                if (!phonetic)
                    out += t;
                continue;
            }
            ++depth;
            phonetic += xml.name() == QLatin1String("rPh");
        } else if (xml.isEndElement()) {
            --depth;
            phonetic -= xml.name() == QLatin1String("rPh");
        }
    }
    return unescapeXlsx(out);
}

bool sharedStrings(const QByteArray &bytes, QVector<QString> &strings, QString *error)
{
    QXmlStreamReader xml(bytes);
    while (xml.readNext() != QXmlStreamReader::Invalid && !xml.atEnd()) {
        if (xml.isStartElement() && xml.name() == QLatin1String("si"))
            strings.append(richText(xml));
    }
    if (xml.hasError() && !bytes.isEmpty()) {
        if (error)
            *error = failure(xml, "shared strings");
        return false;
    }
    return true;
}

// "C7" → 2; -1 when the reference is not one.
qint64 columnOf(QStringView ref)
{
    qint64 col = 0;
    qsizetype i = 0;
    for (; i < ref.size() && i < 4; ++i) {
        const char16_t u = ref[i].toUpper().unicode();
        if (u < 'A' || u > 'Z')
            break;
        col = col * 26 + (u - 'A' + 1);
    }
    if (i == 0 || col > MaxColumns || (i < ref.size() && !ref[i].isDigit()))
        return -1;
    return col - 1;
}

} // namespace

Table readXlsxSheet(const QByteArray &sheetXml, const QByteArray &sharedStringsXml, QString *error)
{
    QVector<QString> strings;
    if (!sharedStrings(sharedStringsXml, strings, error))
        return Table();

    TableBuilder table(error);
    QXmlStreamReader xml(sheetXml);
    qint64 line = 0, column = 0;
    while (!table.failed() && xml.readNext() != QXmlStreamReader::Invalid && !xml.atEnd()) {
        if (xml.isEndElement() && xml.name() == QLatin1String("row")) {
            table.endRow();
            continue;
        }
        if (!xml.isStartElement())
            continue;
        const QXmlStreamAttributes attrs = xml.attributes();
        if (xml.name() == QLatin1String("row")) {
            bool ok = true;
            line = attrs.hasAttribute(QLatin1String("r")) ? attrs.value(QLatin1String("r")).toLongLong(&ok) : line + 1;
            if (!ok || line < 1 || line > std::numeric_limits<int>::max())
                table.fail(QStringLiteral("row number \"%1\" is not one").arg(attrs.value(QLatin1String("r"))));
            table.startRow(line);
            column = 0;
        } else if (xml.name() == QLatin1String("c")) {
            if (attrs.hasAttribute(QLatin1String("r"))) {
                column = columnOf(attrs.value(QLatin1String("r")));
                if (column < 0) {
                    table.fail(QStringLiteral("cell reference \"%1\" is not one").arg(attrs.value(QLatin1String("r"))));
                    break;
                }
            }
            const QStringView type = attrs.value(QLatin1String("t"));
            QString value, inlineText;
            bool hasInline = false;
            while (xml.readNext() != QXmlStreamReader::Invalid && !xml.isEndElement()) {
                if (!xml.isStartElement())
                    continue;
                if (xml.name() == QLatin1String("v")) {
                    value = xml.readElementText(QXmlStreamReader::SkipChildElements);
                } else if (xml.name() == QLatin1String("is")) {
                    inlineText = richText(xml);
                    hasInline = true;
                } else {
                    xml.skipCurrentElement();
                }
            }
            Cell cell;
            if (type == QLatin1String("s")) {
                bool ok = false;
                const qint64 index = value.trimmed().toLongLong(&ok);
                if (!ok || index < 0 || index >= strings.size()) {
                    table.fail(QStringLiteral("cell %1 names shared string \"%2\", which is missing")
                                   .arg(attrs.value(QLatin1String("r")), value));
                    break;
                }
                cell.text = strings.at(index);
            } else if (type == QLatin1String("inlineStr")) {
                cell.text = hasInline ? inlineText : unescapeXlsx(value);
            } else if (type == QLatin1String("str") || type == QLatin1String("e") || type == QLatin1String("d")) {
                cell.text = unescapeXlsx(value);
            } else if (type == QLatin1String("b")) {
                if (!value.trimmed().isEmpty())
                    cell.text = value.trimmed() == QLatin1String("0") ? QStringLiteral("0") : QStringLiteral("1");
            } else if (!value.isEmpty()) {
                cell.text = numberText(value);
                cell.numeric = true;
            }
            table.cell(column++, cell);
        }
    }
    if (xml.hasError() && !table.failed())
        table.fail(failure(xml, "worksheet"));
    return table.take();
}

// ---- .ods -----------------------------------------------------------------

namespace {

// The text of a cell: its paragraphs joined by line feeds, runs of white
// space in the XML as one space, <text:s/>, <text:tab/> and
// <text:line-break/> as what they stand for; annotations left out.
QString odsCellText(QXmlStreamReader &xml, qint64 &expanded)
{
    QString out;
    int depth = 1, paragraphs = 0, paraDepth = 0;
    bool pending = false, atStart = true;
    auto put = [&](QStringView s) {
        if (pending && !atStart)
            out += QLatin1Char(' ');
        pending = false;
        atStart = false;
        out += s.first(qMin<qsizetype>(s.size(), qMax<qsizetype>(0, MaxCellChars - out.size())));
    };
    while (depth > 0 && xml.readNext() != QXmlStreamReader::Invalid) {
        if (xml.isStartElement()) {
            const bool text = xml.namespaceUri() == TextNs;
            if (xml.namespaceUri() == OfficeNs && xml.name() == QLatin1String("annotation")) {
                xml.skipCurrentElement();
            } else if (text && (xml.name() == QLatin1String("p") || xml.name() == QLatin1String("h"))) {
                if (paragraphs++)
                    out += QLatin1Char('\n');
                paraDepth = ++depth;
                pending = false;
                atStart = true;
            } else if (paraDepth && text && xml.name() == QLatin1String("s")) {
                bool ok = false;
                qint64 n = xml.attributes().value(TextNs, QLatin1String("c")).toLongLong(&ok);
                n = ok ? qBound<qint64>(1, n, qint64(MaxCellChars)) : 1;
                expanded += n;
                if (expanded <= MaxExpandedChars)
                    put(QString(qsizetype(n), QLatin1Char(' ')));
                xml.skipCurrentElement();
            } else if (paraDepth && text && xml.name() == QLatin1String("tab")) {
                put(u"\t");
                xml.skipCurrentElement();
            } else if (paraDepth && text && xml.name() == QLatin1String("line-break")) {
                pending = false;
                put(u"\n");
                atStart = true;
                xml.skipCurrentElement();
            } else {
                ++depth;
            }
        } else if (xml.isEndElement()) {
            if (depth-- == paraDepth)
                paraDepth = 0;
        } else if (paraDepth && xml.isCharacters()) {
            const QStringView t = xml.text();
            qsizetype from = 0;
            for (qsizetype i = 0; i <= t.size(); ++i) {
                const bool space = i < t.size()
                    && (t[i] == QLatin1Char(' ') || t[i] == QLatin1Char('\t') || t[i] == QLatin1Char('\n')
                        || t[i] == QLatin1Char('\r'));
                if (i < t.size() && !space)
                    continue;
                if (i > from)
                    put(t.sliced(from, i - from));
                if (space)
                    pending = true;
                from = i + 1;
            }
        }
    }
    return out;
}

qint64 repeatOf(const QXmlStreamAttributes &attrs, const char *name)
{
    bool ok = false;
    const qint64 n = attrs.value(TableNs, QLatin1String(name)).toLongLong(&ok);
    return ok && n > 0 ? n : 1;
}

} // namespace

Table readOdsContent(const QByteArray &contentXml, QString *error)
{
    TableBuilder table(error);
    QXmlStreamReader xml(contentXml);
    qint64 line = 1, column = 0, rowRepeat = 1, expanded = 0;
    int tableDepth = 0, depth = 0;
    while (!table.failed() && xml.readNext() != QXmlStreamReader::Invalid && !xml.atEnd()) {
        if (xml.isEndElement()) {
            if (depth-- == tableDepth)
                break;      // the end of the first table
            if (tableDepth && xml.namespaceUri() == TableNs && xml.name() == QLatin1String("table-row")) {
                table.endRow(rowRepeat);
                line += rowRepeat;
                if (line > std::numeric_limits<int>::max())
                    line = std::numeric_limits<int>::max();   // only rows with text need a number
            }
            continue;
        }
        if (!xml.isStartElement())
            continue;
        ++depth;
        const bool inTable = xml.namespaceUri() == TableNs;
        if (!tableDepth) {
            if (inTable && xml.name() == QLatin1String("table"))
                tableDepth = depth;
            continue;
        }
        if (!inTable)
            continue;
        const QXmlStreamAttributes attrs = xml.attributes();
        if (xml.name() == QLatin1String("table-row")) {
            rowRepeat = repeatOf(attrs, "number-rows-repeated");
            table.startRow(line);
            column = 0;
        } else if (xml.name() == QLatin1String("table-cell") || xml.name() == QLatin1String("covered-table-cell")) {
            const qint64 repeat = repeatOf(attrs, "number-columns-repeated");
            const QStringView type = attrs.value(OfficeNs, QLatin1String("value-type"));
            Cell cell;
            cell.text = odsCellText(xml, expanded);
            --depth;        // the cell's end element was read with its text
            if (type == QLatin1String("float") || type == QLatin1String("percentage") || type == QLatin1String("currency")) {
                if (attrs.hasAttribute(OfficeNs, QLatin1String("value")))
                    cell.text = numberText(attrs.value(OfficeNs, QLatin1String("value")));
                cell.numeric = true;
            } else if (type == QLatin1String("boolean")) {
                cell.text = attrs.value(OfficeNs, QLatin1String("boolean-value")) == QLatin1String("true")
                    ? QStringLiteral("1")
                    : QStringLiteral("0");
            }
            if (expanded > MaxExpandedChars)
                table.fail(QStringLiteral("row %1 asks for more than %2 spaces in all").arg(line).arg(MaxExpandedChars));
            table.cell(column, cell, repeat);
            column = qMin(column + repeat, MaxColumns + 1);
        }
    }
    if (xml.hasError() && !table.failed())
        table.fail(failure(xml, "content.xml"));
    if (!tableDepth && !table.failed())
        table.fail(QStringLiteral("content.xml holds no table"));
    return table.take();
}

} // namespace exchange
