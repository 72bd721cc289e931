#include "image/Codec.h"
#include "cli/Commands.h"
#include "tests/common/Files.h"
#include "tests/exchange/SheetSamples.h"
#include "cli/Tool.h"
#include "exchange/SheetContacts.h"
#include "exchange/Spreadsheet.h"

#include <quazip.h>
#include <quazipfile.h>

#include <QBuffer>
#include <QProcess>
#include <QStandardPaths>
#include "tests/common/Thrown.h"

#include <QtTest>

using namespace exchange;
using namespace samples;

namespace {

// A zip of the parts given, in order, as other programs write them.
QByteArray zip(const QList<QPair<QString, QByteArray>> &parts)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QuaZip z(&buffer);
    z.setAutoClose(false);
    z.open(QuaZip::mdCreate);
    for (const auto &[name, data] : parts) {
        QuaZipFile f(&z);
        f.open(QIODevice::WriteOnly, QuaZipNewInfo(name));
        f.write(data);
        f.close();
    }
    z.close();
    return buffer.data();
}

// Cells of a table as text, trailing empty cells of a row dropped.
QVector<QStringList> texts(const Table &t)
{
    QVector<QStringList> out(t.rows.size());
    for (qsizetype r = 0; r < t.rows.size(); ++r) {
        for (const Cell &c : t.rows[r])
            out[r] << c.text;
    }
    return out;
}

const QVector<QStringList> Rows = {
    {"number", "name", "sound", "sbit1", "sbit2", "sbit3", "sbit4"},
    {"0701234567", "  two  spaces", "0", "1", "", "0", "1"},
    {"0046812345678", "\"q\", <&>\t\u00e9\u20ac", "7"},
    {"1234567890123456", "a\nb\n\nc", "", "", "", "", "x"},
};

// Entry with a CR, NUL and an escape-lookalike, as the decoder may read them.
const QVector<QStringList> ControlRows = {{"number", "name"}, {"1", QString("a\rb") + QChar(0) + "_x000D_\x1f"}};

} // namespace

class TestSpreadsheet : public QObject
{
    Q_OBJECT

private slots:
    void ourFilesReadBack()
    {
        const QVector<QStringList> rows = Rows + ControlRows.mid(1);
        const QByteArray xlsx = writeXlsx(rows);
        QCOMPARE(detectSpreadsheet(xlsx), SheetFormat::Xlsx);
        const Table t = readSpreadsheet(xlsx);
        QCOMPARE(texts(t), rows);
        QCOMPARE(t.lines, (QVector<int>{1, 2, 3, 4, 5}));
        QVERIFY(!t.rows[1][0].numeric);

        int replaced = -1;
        const QByteArray ods = writeOds(Rows, &replaced);
        QCOMPARE(replaced, 0);
        // The mimetype comes first, stored, so that the type shows at byte 38.
        QCOMPARE(ods.mid(30, 54), QByteArray("mimetype" "application/vnd.oasis.opendocument.spreadsheet"));
        QCOMPARE(detectSpreadsheet(ods), SheetFormat::Ods);
        QCOMPARE(texts(readSpreadsheet(ods)), Rows);

        // XML holds no NUL, CR or other control character: each is replaced and counted.
        QCOMPARE(texts(readSpreadsheet(writeOds(ControlRows, &replaced))).value(1), QStringList({"1", "a?b?_x000D_?"}));
        QCOMPARE(replaced, 3);

        QCOMPARE(detectSpreadsheet(zip({{"word/document.xml", "<w/>"}})), SheetFormat::None);
        QCOMPARE(detectSpreadsheet("number,name\n1,x\n"), SheetFormat::None);
        QVERIFY(readContactsFile(zip({{"mimetype", "application/vnd.oasis.opendocument.text"}, {"content.xml", "<x/>"}}))
                    .errors.value(0).detail.contains("not an .xlsx or .ods"));
    }

    void excelWorkbook()
    {
        // As Excel saves it: shared strings (one of them rich text with a
        // phonetic run), numbers that lost their zeros, a 16-digit number in
        // exponent form, cells with gaps, rows with gaps, the first sheet
        // not named sheet1.
        const QByteArray xlsx = zip({
            {"[Content_Types].xml", "<Types/>"},
            {"_rels/.rels", RootRels},
            {"xl/workbook.xml", Workbook},
            {"xl/_rels/workbook.xml.rels", WorkbookRels},
            {"xl/worksheets/sheet1.xml", "<worksheet><sheetData><row r=\"1\"><c t=\"inlineStr\"><is><t>wrong sheet</t></is></c></row></sheetData></worksheet>"},
            {"xl/worksheets/sheet4.xml", ExcelSheet},
            {"xl/sharedStrings.xml", ExcelStrings},
        });
        const Table t = readSpreadsheet(xlsx);
        QCOMPARE(texts(t), (QVector<QStringList>{{"number", "", "sound"}, {"701234567", "Kal le", "3"},
                                                  {"1234567890123460", "A\rB_x0041_"}, {"46701234567", "", "1", "2.5"}}));
        QCOMPARE(t.lines, (QVector<int>{1, 3, 4, 7}));
        QVERIFY(t.rows[1][0].numeric && t.rows[2][0].numeric && !t.rows[3][0].numeric && !t.rows[1][1].numeric);

        // The sheet reader alone refuses what is not a sheet, and names missing shared strings.
        QVERIFY(!failure([] { readXlsxSheet("<worksheet><sheetData><row>", QByteArray()); }).isEmpty());
        QVERIFY(failure([] { readXlsxSheet(ExcelSheet, QByteArray()); }).contains("shared string"));

        // Through the import: the number cells are taken, with a warning.
        const ReadResult read = readContactsFile(xlsx);
        QCOMPARE(read.contacts.value(0).number, QString("701234567"));
        QCOMPARE(read.contacts.value(0).line, 3);
        QVERIFY(std::any_of(read.warnings.cbegin(), read.warnings.cend(),
                            [](const Problem &d) { return d.line == 3 && d.detail.contains("leading zeros"); }));
    }

    void libreOfficeContent()
    {
        // As Calc saves it: repeated columns and rows, spaces as <text:s/>, an
        // annotation, a float cell, and a million empty rows below the data.
        Table t = readOdsContent(CalcContent);
        const QStringList row = {"701234567", "", " Anna   B. x\ty\ntwo", " Anna   B. x\ty\ntwo"};
        QCOMPARE(texts(t), (QVector<QStringList>{{"number", "", "", "name"}, row, row}));
        QCOMPARE(t.lines, (QVector<int>{1, 4, 5}));
        QVERIFY(t.rows[1][0].numeric && !t.rows[1][2].numeric);

        // A row of text repeated without end is refused, not allocated.
        QByteArray wide = CalcContent;
        wide.replace("number-rows-repeated=\"2\"><table:table-cell office:value-type=\"float\"",
                     "number-rows-repeated=\"1048576\"><table:table-cell office:value-type=\"float\"");
        QVERIFY(failure([&] { readOdsContent(wide); }).contains("cells"));

        t = readSpreadsheet(zip({{"mimetype", "application/vnd.oasis.opendocument.spreadsheet"}, {"content.xml", CalcContent}}));
        QCOMPARE(t.rows.size(), 3);
    }

    void bombsAndDamage()
    {
        // A content.xml that declares 100 MiB is refused from the central
        // directory alone; one declaring fewer bytes than it holds is damaged.
        const QByteArray ods = zip({{"content.xml", QByteArray(4096, ' ')}});
        const qsizetype central = ods.indexOf("PK\x01\x02");
        QVERIFY(central > 0);
        for (const auto &[size, refusal] : {std::pair(100u << 20, "64 MiB"), {10u, "damaged"}}) {
            QByteArray declared = ods;
            qToLittleEndian(size, declared.data() + central + 24);
            QVERIFY(failure([&] { readSpreadsheet(declared); }).contains(refusal));
        }

        const QByteArray xlsx = writeXlsx(Rows);
        QVERIFY(readContactsFile(xlsx.left(xlsx.size() / 2)).errors.size() == 1);
    }

    // Export and import --replace through the tool give the image back, bit
    // 3 of the flags aside, with control characters in names.
    void toolRoundTrip_data()
    {
        QTest::addColumn<QString>("format");
        QTest::newRow("xlsx") << "xlsx";
        QTest::newRow("ods") << "ods";
    }

    void toolRoundTrip()
    {
        QFETCH(QString, format);
        Folder dir;
        // kept: the flag bits the image keeps; bit 3 is not carried.
        auto build = [&](const QString &controlName, quint8 kept) {
            tool::Image image = tool::newImage();
            // Names of Windows-1252 characters, 0x81 and 0x9D among them.
            BookEntry hidden{BookEntry::hiddenLabel(), "Dolt nummer", quint8(0x0F & kept)},
                unknown{BookEntry::unknownLabel(), QStringLiteral("Ok\u00e4nt  nr"), 0x80};
            image.book->replaceEntries(hidden, unknown,
                                       {{"0701234567", controlName, 0x97},
                                        {"0046812345678", QStringLiteral("  two  sp  \"\t\u00f8"), quint8(0x18 & kept)},
                                        {"1234567890123456", QStringLiteral("_x005F_\u20ac\u0081\u009d"), 0xF7}});
            buildFB(image.fb, *image.book, image.names);
            return image.fb.bytes();
        };
        const QString control = QString("a\rb") + QChar(0) + "_x000D_\x01";
        const QByteArray fb = build(control, 0xFF);
        const QString sheet = dir.path("book." + format);
        QCOMPARE(cli::run({"export", dir.write("in.bin", fb), "--format", format, "-o", sheet}), 0);
        QCOMPARE(cli::run({"import", dir.path("in.bin"), sheet, "--replace", "-o", dir.path("out.bin")}), 0);
        QCOMPARE(dir.read("out.bin"), build(format == "xlsx" ? control : "a?b?_x000D_?", 0xF7));
    }

    // Calc opens our files with every number as written, and we read what it saves.
    void throughLibreOffice_data()
    {
        QTest::addColumn<QByteArray>("ours");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("tabbed");   // Calc keeps a tab in its own format, but its .xlsx export drops it.
        QTest::newRow("ours.xlsx to .ods") << writeXlsx(Rows) << "ours.xlsx" << "ods" << Rows[2][1];
        QTest::newRow("ours.ods to .xlsx") << writeOds(Rows) << "ours.ods" << "xlsx" << QString(Rows[2][1]).remove('\t');
    }

    void throughLibreOffice()
    {
        QFETCH(QByteArray, ours);
        QFETCH(QString, name);
        QFETCH(QString, target);
        QFETCH(QString, tabbed);
        const QString soffice = QStandardPaths::findExecutable(QStringLiteral("soffice"));
        if (soffice.isEmpty())
            QSKIP("LibreOffice (soffice) is not installed");
        Folder dir;
        QProcess p;
        p.setWorkingDirectory(dir.path());
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("HOME", dir.path());
        p.setProcessEnvironment(env);
        p.start(soffice, {"-env:UserInstallation=file://" + dir.path("profile"), "--headless", "--norestore", "--convert-to",
                          target, "--outdir", dir.path("out"), dir.write(name, ours)});
        QVERIFY(p.waitForFinished(180000));
        const QByteArray back = dir.read("out/" + QFileInfo(name).completeBaseName() + "." + target);
        QVERIFY2(!back.isEmpty(), p.readAllStandardError().constData());
        const QVector<QStringList> rows = texts(readSpreadsheet(back));
        for (int r : {1, 3})
            QCOMPARE(rows.value(r).mid(0, 2), Rows[r].mid(0, 2));
        QCOMPARE(rows.value(2).value(1), tabbed);
    }
};

QTEST_GUILESS_MAIN(TestSpreadsheet)
#include "test_spreadsheet.moc"
