// What the tool refuses to read or to write over: the output it would
// have written stays as it was.
#include "tests/cli/test_cli.h"

#include "tests/common/WaveFiles.h"

using namespace wavefiles;

// SPECIAL stands for something that is not a regular file (specialFile).
void TestCli::badInput_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("message");
    auto row = [](const char *name, const QStringList &args, const QString &message) {
        QTest::newRow(name) << args << message;
    };
    row("no image", {"import", "zero.bin", "nonumber.csv", "-o", "keep.bin"}, "zero.bin: error: not an image of the VIRE family");
    row("count too large", {"import", "big.bin", "nonumber.csv", "-o", "keep.bin"},
        "big.bin: error: the image claims 2,033 entries; its phone book holds at most 2,032");
    row("missing image", {"import", "missing.bin", "nonumber.csv", "-o", "keep.bin"}, "missing.bin: error: " + notFoundText());
    row("info on a special file", {"info", "SPECIAL"}, "SPECIAL: error: not a regular file");
    row("no number column", {"import", "a.bin", "nonumber.csv", "-o", "keep.bin"},
        "nonumber.csv:1: error: the header names neither our columns (number,name,sound,sbit1,sbit2,sbit3,sbit4; "
        "only \"number\" is required) nor the name and telephone columns of a Google Contacts, Outlook or Thunderbird "
        "export; export the contacts as vCard (.vcf) from the other program, which is read too");
    row("quote never closed", {"import", "a.bin", "quote.csv", "-o", "keep.bin"}, "quote.csv:3: error: quote opened here is never closed");
    row("row too wide", {"import", "a.bin", "wide.csv", "--replace", "-o", "keep.bin"}, "wide.csv:3: error: row has 3 fields, the header 2");
    const QStringList values{"import", "a.bin", "values.csv", "--replace", "-o", "keep.bin"};
    row("sound out of range", values, "values.csv:3: error: entry \"x\": sound \"8\" is not 0 to 7");
    row("sbit out of range", values, "values.csv:4: error: entry \"x\": sbit1 \"2\" is not 0 or 1");
    row("errors counted", values, "values.csv: error: 2 error(s); nothing written");
    row("unknown code page", {"import", "a.bin", "values.csv", "--encoding", "cp-none", "-o", "keep.bin"},
        "--encoding: no code page is named \"cp-none\"");
    row("layouts alike", {"import", "a.bin", "alike.csv", "-o", "keep.bin"},
        "alike.csv:1: error: the header reads as Outlook, English and as Outlook, German alike, each placing its "
        "columns in its own way; columns not placed: Vorname, Telefon privat; export the contacts as vCard");
    row("card not ended", {"import", "a.bin", "open.vcf", "-o", "keep.bin"}, "open.vcf:5: error: card has no END:VCARD");
    // Following a source, a row it cannot read would become a removal.
    row("unread row when following", {"import", "a.bin", "values.csv", "--sync", "-o", "keep.bin"},
        "values.csv:2: error: entry \"x\": number \"12a\" holds characters other than digits");
    row("empty source when following", {"import", "a.bin", "empty.csv", "--sync", "-o", "keep.bin"},
        "empty.csv: error: holds no contacts; nothing written");
    row("too many entries", {"import", "a.bin", "many.csv", "-o", "keep.bin"},
        "many.csv: error: the phone book would hold 2,033 entries; the image has room for 2,032 (2,031 of the "
        "file's 2,032 entries fit); nothing written");
    row("import from a special file", {"import", "a.bin", "SPECIAL", "-o", "keep.bin"}, "SPECIAL: error: not a regular file");
    row("bank 0", {"sound-import", "a.bin", "0", "notriff.wav", "-o", "keep.bin"}, "bank \"0\" is not 1 to 7");
    row("bank 8", {"sound-export", "a.bin", "8", "keep.bin"}, "bank \"8\" is not 1 to 7");
    row("not RIFF", {"sound-import", "a.bin", "1", "notriff.wav", "-o", "keep.bin"},
        "notriff.wav: error: Not a valid wav file (not starting with RIFF)");
    row("sound from a special file", {"sound-import", "a.bin", "1", "SPECIAL", "-o", "keep.bin"}, "SPECIAL: error: not a regular file");
    row("sound over its image", {"sound-export", "a.bin", "1", "a.bin"}, "a.bin: error: is the same file as the input a.bin");
    row("rate 0", {"sound-export", "a.bin", "1", "keep.bin", "--rate", "0"}, "rate \"0\" is not 1 to 2147483647 Hz");
    row("export to a folder", {"export", "a.bin", "-o", "folder"}, "folder: error: not a regular file");
    row("export to a special file", {"export", "a.bin", "-o", "SPECIAL"}, "SPECIAL: error: not a regular file");
    row("unknown format", {"export", "a.bin", "--format", "xml"}, "format \"xml\" is not csv, vcard, xlsx or ods");
}

void TestCli::badInput()
{
    QFETCH(QStringList, args);
    QFETCH(QString, message);
    CliFolder d;
    d.write("a.bin", image({record("555", "Office")}));
    d.write("zero.bin", QByteArray(Size, '\0'));
    d.write("big.bin", image({}, 2033));
    d.write("nonumber.csv", "name,sound\nx,1\n");
    d.write("quote.csv", "number,name\n1,ok\n2,\"open\n3,x\n");
    d.write("wide.csv", "number,name\n1,a\n2,b,c\n");
    d.write("values.csv", "number,name,sound,sbit1\n12a,x,0,0\n1,x,8,0\n2,x,0,2\n3,\xD0\x96uk,0,0\n4,\xF0\x9F\x98\x80,0,0\n");
    d.write("open.vcf", "BEGIN:VCARD\nFN:A\nTEL:1\nEND:VCARD\nBEGIN:VCARD\nFN:B\nTEL:2\n");
    d.write("empty.csv", "number,name\n");
    d.write("alike.csv", "First Name,Home Phone,Vorname,Telefon privat\nA,1,B,2\n");
    d.write("notriff.wav", "RIFX and so on");
    d.write(QStringLiteral("\u0416.wav"), riff(chunk("data", "abc")));
    QByteArray many = "number\n";
    for (int i = 0; i < 2032; ++i)
        many += QByteArray::number(i) + '\n';
    d.write("many.csv", many);
    QVERIFY(QDir(d.path()).mkdir("folder"));
    const QString special = specialFile(d);
    QVERIFY(!special.isEmpty());
    const bool specialListed = d.exists(special);
    d.write("keep.bin", "old");

    const Result r = d.vire(args.replaceInStrings(QStringLiteral("SPECIAL"), special));
    QVERIFY2(r.status == 2, qPrintable(r.err));
    QVERIFY2(r.err.contains(message.replace(QStringLiteral("SPECIAL"), special)), qPrintable(r.err));
    QVERIFY2(!r.err.contains(QLatin1String("VireError")), qPrintable(r.err));
    QCOMPARE(d.read("keep.bin"), QByteArray("old"));
    QCOMPARE(d.exists(special), specialListed);
    QVERIFY(QFileInfo(d.path("folder")).isDir());
}

// An output that is an input, under its own name or another: refused, every
// file as it was. But an image written over the image it edits is an edit.
void TestCli::outputsOverInputs_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<bool>("edits");
    QTest::newRow("export over its image") << QStringList{"export", "a.bin", "-o", "a.bin"} << false;
    QTest::newRow("export over another name") << QStringList{"export", "a.bin", "-o", "link.bin"} << false;
    QTest::newRow("import over its source") << QStringList{"import", "a.bin", "c.csv", "-o", "c.csv"} << false;
    QTest::newRow("sound-import over its wave") << QStringList{"sound-import", "a.bin", "1", "w.wav", "-o", "w.wav"} << false;
    QTest::newRow("sound-export over another name") << QStringList{"sound-export", "link.bin", "1", "a.bin"} << false;
    QTest::newRow("edit through another name") << QStringList{"import", "a.bin", "c.csv", "-o", "link.bin"} << true;
}

void TestCli::outputsOverInputs()
{
    QFETCH(QStringList, args);
    QFETCH(bool, edits);
    CliFolder d;
    const QByteArray a = image({record("555", "Office")}), csv = Header + "777,New,0,0,0,0,0\r\n",
                     wav = riff(chunk("data", "abc"));
    d.write("a.bin", a);
    d.write("c.csv", csv);
    d.write("w.wav", wav);
    QVERIFY(otherName(d.path("a.bin"), d.path("link.bin")));
    const Result r = d.vire(args);
    QCOMPARE(d.read("c.csv"), csv);
    QCOMPARE(d.read("w.wav"), wav);
    if (edits) {
        QVERIFY2(r.status == 0, qPrintable(r.err));
        QVERIFY(d.exportCsv("a.bin").contains("777,New"));
        QVERIFY(isOtherName(d.path("link.bin")));
        return;
    }
    QCOMPARE(r.status, 2);
    QVERIFY2(r.err.contains(QLatin1String("is the same file as the input")), qPrintable(r.err));
    QCOMPARE(d.read("a.bin"), a);
}
