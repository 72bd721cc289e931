// The first table of an .ods content.xml into a Table.
#include "exchange/SheetBuilder.h"

namespace exchange {

using namespace sheetxml;

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

Table readOdsContent(const QByteArray &contentXml)
{
    TableBuilder table;
    QXmlStreamReader xml(contentXml);
    qint64 line = 1, column = 0, rowRepeat = 1, expanded = 0;
    int tableDepth = 0, depth = 0;
    while (xml.readNext() != QXmlStreamReader::Invalid && !xml.atEnd()) {
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
    if (xml.hasError())
        table.fail(failure(xml, "content.xml"));
    if (!tableDepth)
        table.fail(QStringLiteral("content.xml holds no table"));
    return table.take();
}

} // namespace exchange
