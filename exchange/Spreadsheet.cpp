// The zip layer of .xlsx and .ods packages: which parts to read, and how
// large they may be.
#include "exchange/Spreadsheet.h"
#include "exchange/SheetBuilder.h"

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
    void checkLimit(const QStringList &names)
    {
        qint64 total = 0;
        for (const QString &name : names)
            total += sizeOf(name).value_or(0);
        if (total > MaxSheetPartsBytes)
            sheetxml::TableBuilder::fail(QStringLiteral("its parts would unpack to more than 64 MiB; not unpacked"));
    }

    QByteArray read(const QString &name)
    {
        if (!has(name))
            sheetxml::TableBuilder::fail(QStringLiteral("the package has no part \"%1\"").arg(name));
        std::optional<QByteArray> out = unpacked(name);
        if (!out)
            sheetxml::TableBuilder::fail(QStringLiteral("part \"%1\" cannot be unpacked; the file is damaged").arg(name));
        return *std::move(out);
    }

    // The part, whole and checked; none when it is missing or damaged.
    std::optional<QByteArray> unpacked(const QString &name)
    {
        const std::optional<qint64> size = sizeOf(name);
        QuaZipFile file(&m_zip);
        if (!size || *size > MaxSheetPartsBytes || !file.open(QIODevice::ReadOnly))
            return std::nullopt;
        QByteArray out = file.read(*size);
        const bool whole = out.size() == *size;
        file.close();
        if (!whole || file.getZipError() != UNZ_OK)    // the checksum of what was read
            return std::nullopt;
        return out;
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
    if (!mimeSize)
        return SheetFormat::Ods;
    const std::optional<QByteArray> mime = *mimeSize > 256 ? std::nullopt : zip.unpacked(QStringLiteral("mimetype"));
    return mime && mime->trimmed() == OdsMime.toLatin1() ? SheetFormat::Ods : SheetFormat::None;
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

Table readXlsx(Package &zip)
{
    const QString rootRelsName = QStringLiteral("_rels/.rels");
    QString workbookName = XlsxWorkbook;
    zip.checkLimit({rootRelsName});
    if (const std::optional<QByteArray> rootRels = zip.unpacked(rootRelsName)) {
        const QString named = partName(QString(), relationships(*rootRels, QStringLiteral("/officeDocument")).ofType);
        if (zip.has(named))
            workbookName = named;
    }
    const qsizetype slash = workbookName.lastIndexOf(QLatin1Char('/'));
    const QString folder = slash < 0 ? QString() : workbookName.left(slash);
    const QString workbookRelsName = partName(folder, QStringLiteral("_rels/") + workbookName.mid(slash + 1) + QStringLiteral(".rels"));
    zip.checkLimit({rootRelsName, workbookName, workbookRelsName});
    const QByteArray workbook = zip.read(workbookName);
    const QByteArray workbookRels = zip.read(workbookRelsName);

    const Relationships rels = relationships(workbookRels, QStringLiteral("/sharedStrings"));
    const QString sheetName = partName(folder, rels.byId.value(firstSheetId(workbook)));
    if (sheetName.isEmpty() || !zip.has(sheetName))
        sheetxml::TableBuilder::fail(QStringLiteral("the workbook names no sheet the package holds"));
    QString stringsName = partName(folder, rels.ofType);
    if (!zip.has(stringsName))
        stringsName.clear();
    zip.checkLimit({rootRelsName, workbookName, workbookRelsName, sheetName, stringsName});
    const QByteArray sheet = zip.read(sheetName);
    return readXlsxSheet(sheet, stringsName.isEmpty() ? QByteArray() : zip.read(stringsName));
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

Table readSpreadsheet(const QByteArray &bytes)
{
    Package zip(bytes);
    switch (looksLikeZip(bytes) ? formatOf(zip) : SheetFormat::None) {
    case SheetFormat::Xlsx:
        return readXlsx(zip);
    case SheetFormat::Ods: {
        const QString name = QStringLiteral("content.xml");
        zip.checkLimit({name});
        return readOdsContent(zip.read(name));
    }
    case SheetFormat::None:
        break;
    }
    sheetxml::TableBuilder::fail(QStringLiteral("not an .xlsx or .ods spreadsheet"));
}

} // namespace exchange
