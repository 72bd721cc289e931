// The zip layer of .xlsx and .ods packages: which parts to read, and how
// large they may be.
#include "exchange/Spreadsheet.h"

#include <quazip.h>
#include <quazipfile.h>
#include <quazipfileinfo.h>
#include <quazipnewinfo.h>

#include <QBuffer>
#include <QDir>
#include <QXmlStreamReader>

#include <optional>

namespace exchange {

namespace {

const QString OdsMime = QStringLiteral("application/vnd.oasis.opendocument.spreadsheet");
const QString XlsxWorkbook = QStringLiteral("xl/workbook.xml");

// A zip package opened from memory. Every part is looked up and read by its
// exact name, and never past the size the central directory gives it.
class Package
{
public:
    explicit Package(const QByteArray &bytes) : m_zip(&m_buffer)
    {
        m_buffer.setData(bytes);
        m_open = m_zip.open(QuaZip::mdUnzip);
    }

    bool isOpen() const { return m_open; }

    // The declared unpacked size, or nothing for a part the package lacks.
    std::optional<qint64> sizeOf(const QString &name)
    {
        QuaZipFileInfo64 info;
        if (!m_open || !m_zip.setCurrentFile(name, QuaZip::csSensitive) || !m_zip.getCurrentFileInfo(&info))
            return std::nullopt;
        return qint64(qMin<quint64>(info.uncompressedSize, quint64(MaxSheetPartsBytes) + 1));
    }

    bool has(const QString &name) { return sizeOf(name).has_value(); }

    // Refuses, before unpacking anything, parts that unpack to more than the
    // limit together; missing parts count nothing.
    bool withinLimit(const QStringList &names, QString *error)
    {
        qint64 total = 0;
        for (const QString &name : names)
            total += sizeOf(name).value_or(0);
        if (total <= MaxSheetPartsBytes)
            return true;
        if (error)
            *error = QStringLiteral("its parts would unpack to more than 64 MiB; not unpacked");
        return false;
    }

    bool read(const QString &name, QByteArray &out, QString *error)
    {
        const std::optional<qint64> size = sizeOf(name);
        if (!size) {
            if (error)
                *error = QStringLiteral("the package has no part \"%1\"").arg(name);
            return false;
        }
        QuaZipFile file(&m_zip);
        bool good = *size <= MaxSheetPartsBytes && file.open(QIODevice::ReadOnly);
        if (good) {
            out = file.read(*size);
            good = out.size() == *size;
            file.close();
            good = good && file.getZipError() == UNZ_OK;    // the checksum of what was read
        }
        if (!good && error)
            *error = QStringLiteral("part \"%1\" cannot be unpacked; the file is damaged").arg(name);
        return good;
    }

private:
    QBuffer m_buffer;
    QuaZip m_zip;
    bool m_open = false;
};

SheetFormat formatOf(Package &zip)
{
    if (!zip.isOpen())
        return SheetFormat::None;
    if (zip.has(XlsxWorkbook))
        return SheetFormat::Xlsx;
    if (!zip.has(QStringLiteral("content.xml")))
        return SheetFormat::None;
    // An .ods names itself in its first part; a text document has a content.xml too.
    const std::optional<qint64> mimeSize = zip.sizeOf(QStringLiteral("mimetype"));
    QByteArray mime;
    if (!mimeSize || *mimeSize > 256 || !zip.read(QStringLiteral("mimetype"), mime, nullptr))
        return mimeSize ? SheetFormat::None : SheetFormat::Ods;
    return mime.trimmed() == OdsMime.toLatin1() ? SheetFormat::Ods : SheetFormat::None;
}

// Relationship targets by id, and the first target of a type ending in typeTail.
struct Relationships
{
    QHash<QString, QString> byId;
    QString ofType;
};

Relationships relationships(const QByteArray &xml, const QString &typeTail)
{
    Relationships rels;
    QXmlStreamReader reader(xml);
    while (reader.readNext() != QXmlStreamReader::Invalid && !reader.atEnd()) {
        if (!reader.isStartElement() || reader.name() != QLatin1String("Relationship"))
            continue;
        const QXmlStreamAttributes a = reader.attributes();
        const QString target = a.value(QLatin1String("Target")).toString();
        rels.byId.insert(a.value(QLatin1String("Id")).toString(), target);
        if (rels.ofType.isEmpty() && a.value(QLatin1String("Type")).endsWith(typeTail))
            rels.ofType = target;
    }
    return rels;
}

// A relationship's target as a part name: relative to the folder of the
// part that names it, or from the package root when it starts with '/'.
QString partName(const QString &folder, const QString &target)
{
    if (target.isEmpty())
        return QString();
    const QString path = target.startsWith(QLatin1Char('/')) ? target : folder + QLatin1Char('/') + target;
    QString clean = QDir::cleanPath(path);
    while (clean.startsWith(QLatin1Char('/')))
        clean.remove(0, 1);
    return clean;
}

// The relationship id of the workbook's first sheet (r:id, whatever the prefix).
QString firstSheetId(const QByteArray &workbook)
{
    QXmlStreamReader reader(workbook);
    while (reader.readNext() != QXmlStreamReader::Invalid && !reader.atEnd()) {
        if (!reader.isStartElement() || reader.name() != QLatin1String("sheet"))
            continue;
        for (const QXmlStreamAttribute &a : reader.attributes()) {
            if (a.name() == QLatin1String("id") && !a.namespaceUri().isEmpty())
                return a.value().toString();
        }
        return QString();
    }
    return QString();
}

Table readXlsx(Package &zip, QString *error)
{
    QByteArray rootRels, workbook, workbookRels, sheet, strings;
    const QString rootRelsName = QStringLiteral("_rels/.rels");
    QString workbookName = XlsxWorkbook;
    if (!zip.withinLimit({rootRelsName}, error))
        return Table();
    if (zip.has(rootRelsName) && zip.read(rootRelsName, rootRels, nullptr)) {
        const QString named = partName(QString(), relationships(rootRels, QStringLiteral("/officeDocument")).ofType);
        if (zip.has(named))
            workbookName = named;
    }
    const qsizetype slash = workbookName.lastIndexOf(QLatin1Char('/'));
    const QString folder = slash < 0 ? QString() : workbookName.left(slash);
    const QString workbookRelsName = partName(folder, QStringLiteral("_rels/") + workbookName.mid(slash + 1) + QStringLiteral(".rels"));
    if (!zip.withinLimit({rootRelsName, workbookName, workbookRelsName}, error) || !zip.read(workbookName, workbook, error)
        || !zip.read(workbookRelsName, workbookRels, error))
        return Table();

    const Relationships rels = relationships(workbookRels, QStringLiteral("/sharedStrings"));
    const QString sheetName = partName(folder, rels.byId.value(firstSheetId(workbook)));
    if (sheetName.isEmpty() || !zip.has(sheetName)) {
        if (error)
            *error = QStringLiteral("the workbook names no sheet the package holds");
        return Table();
    }
    QString stringsName = partName(folder, rels.ofType);
    if (!zip.has(stringsName))
        stringsName.clear();
    if (!zip.withinLimit({rootRelsName, workbookName, workbookRelsName, sheetName, stringsName}, error)
        || !zip.read(sheetName, sheet, error) || (!stringsName.isEmpty() && !zip.read(stringsName, strings, error)))
        return Table();
    return readXlsxSheet(sheet, strings, error);
}

} // namespace

bool looksLikeZip(const QByteArray &bytes)
{
    return bytes.startsWith("PK\x03\x04");
}

SheetFormat detectSpreadsheet(const QByteArray &bytes)
{
    if (!looksLikeZip(bytes))
        return SheetFormat::None;
    Package zip(bytes);
    return formatOf(zip);
}

Table readSpreadsheet(const QByteArray &bytes, QString *error)
{
    Package zip(bytes);
    switch (looksLikeZip(bytes) ? formatOf(zip) : SheetFormat::None) {
    case SheetFormat::Xlsx:
        return readXlsx(zip, error);
    case SheetFormat::Ods: {
        const QString name = QStringLiteral("content.xml");
        QByteArray content;
        if (!zip.withinLimit({name}, error) || !zip.read(name, content, error))
            return Table();
        return readOdsContent(content, error);
    }
    case SheetFormat::None:
        break;
    }
    if (error)
        *error = QStringLiteral("not an .xlsx or .ods spreadsheet");
    return Table();
}

} // namespace exchange
