// The XML of an .xlsx worksheet with its shared strings into a Table.
#include "exchange/SheetBuilder.h"

#include <QLocale>

#include <cmath>

namespace exchange {

using namespace sheetxml;

QString sheetxml::numberText(QStringView value)
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

QString sheetxml::failure(const QXmlStreamReader &xml, const char *part)
{
    return QStringLiteral("%1, line %2: %3").arg(QLatin1String(part)).arg(xml.lineNumber()).arg(xml.errorString());
}

namespace {

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

QVector<QString> sharedStrings(const QByteArray &bytes)
{
    QVector<QString> strings;
    QXmlStreamReader xml(bytes);
    while (xml.readNext() != QXmlStreamReader::Invalid && !xml.atEnd()) {
        if (xml.isStartElement() && xml.name() == QLatin1String("si"))
            strings.append(richText(xml));
    }
    if (xml.hasError() && !bytes.isEmpty())
        TableBuilder::fail(failure(xml, "shared strings"));
    return strings;
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

Table readXlsxSheet(const QByteArray &sheetXml, const QByteArray &sharedStringsXml)
{
    const QVector<QString> strings = sharedStrings(sharedStringsXml);

    TableBuilder table;
    QXmlStreamReader xml(sheetXml);
    qint64 line = 0, column = 0;
    while (xml.readNext() != QXmlStreamReader::Invalid && !xml.atEnd()) {
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
                if (column < 0)
                    table.fail(QStringLiteral("cell reference \"%1\" is not one").arg(attrs.value(QLatin1String("r"))));
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
                if (!ok || index < 0 || index >= strings.size())
                    table.fail(QStringLiteral("cell %1 names shared string \"%2\", which is missing")
                                   .arg(attrs.value(QLatin1String("r")), value));
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
    if (xml.hasError())
        table.fail(failure(xml, "worksheet"));
    return table.take();
}

} // namespace exchange
