// The minimal .xlsx and .ods packages the export writes.
#include "exchange/Spreadsheet.h"

#include <quazip.h>
#include <quazipfile.h>
#include <quazipnewinfo.h>

#include <QBuffer>
#include <QHash>
#include <QXmlStreamWriter>

namespace exchange {

namespace {

const QString OdsMime = QStringLiteral("application/vnd.oasis.opendocument.spreadsheet");

// A zip package built in memory, with a fixed date on every entry so that the
// same rows give the same bytes.
class PackageWriter
{
public:
    PackageWriter() : m_zip(&m_buffer)
    {
        m_buffer.open(QIODevice::WriteOnly);
        m_zip.setAutoClose(false);
        // Sizes go into the local headers, as ODF wants of the mimetype entry.
        m_zip.setDataDescriptorWritingEnabled(false);
        m_ok = m_zip.open(QuaZip::mdCreate);
    }

    // Level 1: a package of 2,032 entries deflates to nearly the size level
    // 6 gives, in well under half the time.
    void add(const QString &name, const QByteArray &data, bool compress = true)
    {
        QuaZipNewInfo info(name);
        info.dateTime = QDateTime(QDate(1980, 1, 1), QTime(0, 0));
        QuaZipFile file(&m_zip);
        m_ok = m_ok && file.open(QIODevice::WriteOnly, info, nullptr, 0, compress ? Z_DEFLATED : 0, compress ? 1 : 0)
            && file.write(data) == data.size();
        file.close();
        m_ok = m_ok && file.getZipError() == ZIP_OK;
    }

    QByteArray finish()
    {
        m_zip.close();
        return m_ok && m_zip.getZipError() == ZIP_OK ? m_buffer.data() : QByteArray();
    }

private:
    QBuffer m_buffer;
    QuaZip m_zip;
    bool m_ok = false;
};

bool escapeAt(const QString &text, qsizetype i)
{
    if (i + 6 >= text.size() || text[i + 1] != QLatin1Char('x') || text[i + 6] != QLatin1Char('_'))
        return false;
    for (int k = 2; k < 6; ++k) {
        const char16_t u = text[i + k].unicode();
        if (!((u >= '0' && u <= '9') || (u >= 'A' && u <= 'F') || (u >= 'a' && u <= 'f')))
            return false;
    }
    return true;
}

// Characters XML cannot hold as _xHHHH_; an underscore that would read as
// the start of such an escape as _x005F_.
QString escapeXlsx(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t u = text[i].unicode();
        const bool unfit = (u < 0x20 && u != '\t' && u != '\n') || u == 0xFFFE || u == 0xFFFF || QChar::isSurrogate(u);
        if (unfit || (u == '_' && escapeAt(text, i)))
            out += QStringLiteral("_x%1_").arg(QString::number(u, 16).toUpper().rightJustified(4, QLatin1Char('0')));
        else
            out += QChar(u);
    }
    return out;
}

QString columnName(int column)
{
    QString name;
    for (int n = column + 1; n > 0; n = (n - 1) / 26)
        name.prepend(QChar(char16_t('A' + (n - 1) % 26)));
    return name;
}

const char ContentTypes[] = R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>
<Types xmlns="http://schemas.openxmlformats.org/package/2006/content-types"><Default Extension="rels" ContentType="application/vnd.openxmlformats-package.relationships+xml"/><Default Extension="xml" ContentType="application/xml"/><Override PartName="/xl/workbook.xml" ContentType="application/vnd.openxmlformats-officedocument.spreadsheetml.sheet.main+xml"/><Override PartName="/xl/worksheets/sheet1.xml" ContentType="application/vnd.openxmlformats-officedocument.spreadsheetml.worksheet+xml"/><Override PartName="/xl/styles.xml" ContentType="application/vnd.openxmlformats-officedocument.spreadsheetml.styles+xml"/><Override PartName="/xl/sharedStrings.xml" ContentType="application/vnd.openxmlformats-officedocument.spreadsheetml.sharedStrings+xml"/></Types>)";

const char RootRels[] = R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>
<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships"><Relationship Id="rId1" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument" Target="xl/workbook.xml"/></Relationships>)";

const char Workbook[] = R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>
<workbook xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main" xmlns:r="http://schemas.openxmlformats.org/officeDocument/2006/relationships"><sheets><sheet name="Contacts" sheetId="1" r:id="rId1"/></sheets></workbook>)";

const char WorkbookRels[] = R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>
<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships"><Relationship Id="rId1" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/worksheet" Target="worksheets/sheet1.xml"/><Relationship Id="rId2" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/styles" Target="styles.xml"/><Relationship Id="rId3" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/sharedStrings" Target="sharedStrings.xml"/></Relationships>)";

// Every cell's format, the default included, is "@" (Text): what is typed
// into the sheet later stays text too.
const char Styles[] = R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>
<styleSheet xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main"><fonts count="1"><font><sz val="11"/><name val="Calibri"/></font></fonts><fills count="2"><fill><patternFill patternType="none"/></fill><fill><patternFill patternType="gray125"/></fill></fills><borders count="1"><border><left/><right/><top/><bottom/><diagonal/></border></borders><cellStyleXfs count="1"><xf numFmtId="49" fontId="0" fillId="0" borderId="0"/></cellStyleXfs><cellXfs count="1"><xf numFmtId="49" fontId="0" fillId="0" borderId="0" xfId="0" applyNumberFormat="1"/></cellXfs><cellStyles count="1"><cellStyle name="Normal" xfId="0" builtinId="0"/></cellStyles></styleSheet>)";

const QString MainNs = QStringLiteral("http://schemas.openxmlformats.org/spreadsheetml/2006/main");

// The worksheet and its shared strings: every cell names its text by index,
// which keeps the sheet small for the many cells that hold "0" or "1".
struct XlsxParts
{
    QByteArray sheet, strings;
};

XlsxParts xlsxParts(const QVector<QStringList> &rows)
{
    qsizetype columns = 1;
    for (const QStringList &row : rows)
        columns = qMax(columns, row.size());
    QHash<QString, int> index;
    QStringList unique;
    QString sheet;
    QXmlStreamWriter xml(&sheet);
    xml.writeStartDocument(QStringLiteral("1.0"), true);
    xml.writeDefaultNamespace(MainNs);
    xml.writeStartElement(QStringLiteral("worksheet"));
    xml.writeStartElement(QStringLiteral("cols"));
    xml.writeEmptyElement(QStringLiteral("col"));
    xml.writeAttribute(QStringLiteral("min"), QStringLiteral("1"));
    xml.writeAttribute(QStringLiteral("max"), QString::number(columns));
    xml.writeAttribute(QStringLiteral("width"), QStringLiteral("18"));
    xml.writeAttribute(QStringLiteral("customWidth"), QStringLiteral("1"));
    xml.writeEndElement();
    xml.writeStartElement(QStringLiteral("sheetData"));
    int count = 0;
    for (int r = 0; r < rows.size(); ++r) {
        const QString number = QString::number(r + 1);
        xml.writeStartElement(QStringLiteral("row"));
        xml.writeAttribute(QStringLiteral("r"), number);
        int next = 0;
        for (int c = 0; c < rows[r].size(); ++c) {
            const QString &text = rows[r][c];
            if (text.isEmpty())
                continue;
            auto it = index.find(text);
            if (it == index.end()) {
                it = index.insert(text, int(unique.size()));
                unique.append(text);
            }
            ++count;
            xml.writeStartElement(QStringLiteral("c"));
            // A cell without a reference follows the one before it.
            if (c != next)
                xml.writeAttribute(QStringLiteral("r"), columnName(c) + number);
            next = c + 1;
            xml.writeAttribute(QStringLiteral("t"), QStringLiteral("s"));
            xml.writeTextElement(QStringLiteral("v"), QString::number(*it));
            xml.writeEndElement();
        }
        xml.writeEndElement();
    }
    xml.writeEndDocument();

    QString strings;
    QXmlStreamWriter sst(&strings);
    sst.writeStartDocument(QStringLiteral("1.0"), true);
    sst.writeDefaultNamespace(MainNs);
    sst.writeStartElement(QStringLiteral("sst"));
    sst.writeAttribute(QStringLiteral("count"), QString::number(count));
    sst.writeAttribute(QStringLiteral("uniqueCount"), QString::number(unique.size()));
    for (const QString &text : std::as_const(unique)) {
        sst.writeStartElement(QStringLiteral("si"));
        sst.writeStartElement(QStringLiteral("t"));
        if (text.front().isSpace() || text.back().isSpace())
            sst.writeAttribute(QStringLiteral("xml:space"), QStringLiteral("preserve"));
        sst.writeCharacters(escapeXlsx(text));
        sst.writeEndElement();
        sst.writeEndElement();
    }
    sst.writeEndDocument();
    return {sheet.toUtf8(), strings.toUtf8()};
}

const QString OfficeNs = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:office:1.0");
const QString TableNs = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:table:1.0");
const QString TextNs = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:text:1.0");
const QString StyleNs = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:style:1.0");
const QString NumberNs = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:datastyle:1.0");

// One line of a cell as a paragraph. A space survives only between other
// characters; runs, leading and trailing spaces go into <text:s/>.
void odsParagraph(QXmlStreamWriter &xml, QStringView line, int &replaced)
{
    xml.writeStartElement(TextNs, QStringLiteral("p"));
    QString run;
    auto flush = [&] {
        xml.writeCharacters(run);
        run.clear();
    };
    for (qsizetype i = 0; i < line.size();) {
        const char16_t u = line[i].unicode();
        if (u == ' ') {
            qsizetype end = i;
            while (end < line.size() && line[end] == QLatin1Char(' '))
                ++end;
            qsizetype spaces = end - i;
            if (i > 0 && end < line.size()) {
                run += QLatin1Char(' ');
                --spaces;
            }
            if (spaces > 0) {
                flush();
                xml.writeEmptyElement(TextNs, QStringLiteral("s"));
                if (spaces > 1)
                    xml.writeAttribute(TextNs, QStringLiteral("c"), QString::number(spaces));
            }
            i = end;
            continue;
        }
        if (u == '\t') {
            flush();
            xml.writeEmptyElement(TextNs, QStringLiteral("tab"));
        } else if (u < 0x20 || u == 0xFFFE || u == 0xFFFF || QChar::isSurrogate(u)) {
            run += QLatin1Char('?');
            ++replaced;
        } else {
            run += QChar(u);
        }
        ++i;
    }
    flush();
    xml.writeEndElement();
}

QByteArray odsContent(const QVector<QStringList> &rows, int &replaced)
{
    qsizetype columns = 1;
    for (const QStringList &row : rows)
        columns = qMax(columns, row.size());
    QString text;
    QXmlStreamWriter xml(&text);
    xml.writeStartDocument();
    xml.writeNamespace(OfficeNs, QStringLiteral("office"));
    xml.writeNamespace(TableNs, QStringLiteral("table"));
    xml.writeNamespace(TextNs, QStringLiteral("text"));
    xml.writeNamespace(StyleNs, QStringLiteral("style"));
    xml.writeNamespace(NumberNs, QStringLiteral("number"));
    xml.writeStartElement(OfficeNs, QStringLiteral("document-content"));
    xml.writeAttribute(OfficeNs, QStringLiteral("version"), QStringLiteral("1.2"));
    // The columns' cells are formatted as text, like the xlsx's style 1.
    xml.writeStartElement(OfficeNs, QStringLiteral("automatic-styles"));
    xml.writeStartElement(NumberNs, QStringLiteral("text-style"));
    xml.writeAttribute(StyleNs, QStringLiteral("name"), QStringLiteral("N100"));
    xml.writeEmptyElement(NumberNs, QStringLiteral("text-content"));
    xml.writeEndElement();
    xml.writeEmptyElement(StyleNs, QStringLiteral("style"));
    xml.writeAttribute(StyleNs, QStringLiteral("name"), QStringLiteral("ce1"));
    xml.writeAttribute(StyleNs, QStringLiteral("family"), QStringLiteral("table-cell"));
    xml.writeAttribute(StyleNs, QStringLiteral("data-style-name"), QStringLiteral("N100"));
    xml.writeEndElement();
    xml.writeStartElement(OfficeNs, QStringLiteral("body"));
    xml.writeStartElement(OfficeNs, QStringLiteral("spreadsheet"));
    xml.writeStartElement(TableNs, QStringLiteral("table"));
    xml.writeAttribute(TableNs, QStringLiteral("name"), QStringLiteral("Contacts"));
    xml.writeEmptyElement(TableNs, QStringLiteral("table-column"));
    xml.writeAttribute(TableNs, QStringLiteral("number-columns-repeated"), QString::number(columns));
    xml.writeAttribute(TableNs, QStringLiteral("default-cell-style-name"), QStringLiteral("ce1"));
    for (const QStringList &row : rows) {
        xml.writeStartElement(TableNs, QStringLiteral("table-row"));
        for (const QString &text : row) {
            if (text.isEmpty()) {
                xml.writeEmptyElement(TableNs, QStringLiteral("table-cell"));
                continue;
            }
            xml.writeStartElement(TableNs, QStringLiteral("table-cell"));
            xml.writeAttribute(OfficeNs, QStringLiteral("value-type"), QStringLiteral("string"));
            for (QStringView line : QStringView(text).split(QLatin1Char('\n')))
                odsParagraph(xml, line, replaced);
            xml.writeEndElement();
        }
        xml.writeEndElement();
    }
    xml.writeEndDocument();
    return text.toUtf8();
}

const char Manifest[] = R"(<?xml version="1.0" encoding="UTF-8"?>
<manifest:manifest xmlns:manifest="urn:oasis:names:tc:opendocument:xmlns:manifest:1.0" manifest:version="1.2"><manifest:file-entry manifest:full-path="/" manifest:version="1.2" manifest:media-type="application/vnd.oasis.opendocument.spreadsheet"/><manifest:file-entry manifest:full-path="content.xml" manifest:media-type="text/xml"/></manifest:manifest>)";

} // namespace

QByteArray writeXlsx(const QVector<QStringList> &rows)
{
    PackageWriter zip;
    zip.add(QStringLiteral("[Content_Types].xml"), ContentTypes);
    zip.add(QStringLiteral("_rels/.rels"), RootRels);
    zip.add(QStringLiteral("xl/workbook.xml"), Workbook);
    zip.add(QStringLiteral("xl/_rels/workbook.xml.rels"), WorkbookRels);
    zip.add(QStringLiteral("xl/styles.xml"), Styles);
    const XlsxParts parts = xlsxParts(rows);
    zip.add(QStringLiteral("xl/worksheets/sheet1.xml"), parts.sheet);
    zip.add(QStringLiteral("xl/sharedStrings.xml"), parts.strings);
    return zip.finish();
}

QByteArray writeOds(const QVector<QStringList> &rows, int *replaced)
{
    int count = 0;
    PackageWriter zip;
    zip.add(QStringLiteral("mimetype"), OdsMime.toLatin1(), false);
    zip.add(QStringLiteral("META-INF/manifest.xml"), Manifest);
    zip.add(QStringLiteral("content.xml"), odsContent(rows, count));
    if (replaced)
        *replaced = count;
    return zip.finish();
}

} // namespace exchange
