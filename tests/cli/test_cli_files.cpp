// What the tool refuses to read or to write over: the output it would
// have written stays as it was; and the habits of its command line.
#include "tests/cli/test_cli.h"

#include "tests/common/WaveFiles.h"

using namespace wavefiles;

const QString UsageError = QStringLiteral("vire-image: error: ");

// vire-image ARGS: its status, a line among its messages, the start of its
// output; and every file it found stays as it was, but the image an edit
// writes. SPECIAL stands for something that is not a regular file
// (specialFile); link.bin is another name of a.bin (otherName).
void TestCli::commandLine_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QByteArray>("out");
    QTest::addColumn<bool>("edits");   // a.bin, through link.bin
    // Refused: status 2, nothing on standard output.
    auto row = [](const char *name, const QStringList &args, const QString &message) {
        QTest::newRow(name) << args << 2 << message << QByteArray() << false;
    };
    // Usage errors: one form for every message, these too, and a hint.
    row("no command", {}, UsageError);
    row("unknown command", {"frobnicate"}, UsageError);
    row("info without an image", {"info"}, UsageError);
    row("info with two", {"info", "a", "b"}, UsageError);
    row("new without -o", {"new"}, UsageError);
    row("export --replace", {"export", "x.bin", "--replace"}, UsageError);
    row("-o without a name", {"export", "x.bin", "-o"}, UsageError);
    row("--sync with --replace", {"import", "x.bin", "c.csv", "--sync", "--replace", "-o", "y.bin"}, UsageError);

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
    // An output that is an input, under its own name or another. But an image written over the image it edits
    // is an edit.
    row("sound over its image", {"sound-export", "a.bin", "1", "a.bin"}, "a.bin: error: is the same file as the input a.bin");
    row("export over its image", {"export", "a.bin", "-o", "a.bin"}, "is the same file as the input");
    row("export over another name", {"export", "a.bin", "-o", "link.bin"}, "is the same file as the input");
    row("import over its source", {"import", "a.bin", "c.csv", "-o", "c.csv"}, "is the same file as the input");
    row("sound-import over its wave", {"sound-import", "a.bin", "1", "w.wav", "-o", "w.wav"}, "is the same file as the input");
    row("sound-export over another name", {"sound-export", "link.bin", "1", "a.bin"}, "is the same file as the input");
    QTest::newRow("edit through another name") << QStringList{"import", "a.bin", "c.csv", "-o", "link.bin"} << 0 << QString()
                                               << QByteArray() << true;
    row("rate 0", {"sound-export", "a.bin", "1", "keep.bin", "--rate", "0"}, "rate \"0\" is not 1 to 2147483647 Hz");
    row("export to a folder", {"export", "a.bin", "-o", "folder"}, "folder: error: not a regular file");
    row("export to a special file", {"export", "a.bin", "-o", "SPECIAL"}, "SPECIAL: error: not a regular file");
    row("unknown format", {"export", "a.bin", "--format", "xml"}, "format \"xml\" is not csv, vcard, xlsx or ods");

    // Options that do not apply, other schemes, standard output, a short image and what sound-import took.
    auto done = [](const char *name, const QStringList &args, const QString &message, const QByteArray &out = {}) {
        QTest::newRow(name) << args << 0 << message << out << false;
    };
    const QStringList dry{"import", "a.bin", "c.csv", "--dry-run"};
    done("--timeout with a file", dry + QStringList{"--timeout", "5"},
         "vire-image: warning: --timeout applies only to a CardDAV URL; ignored");
    done("--user with a file", dry + QStringList{"--user", "anna"},
         "vire-image: warning: --user applies only to a CardDAV URL; ignored");
    row("--ca-file missing with a file", dry + QStringList{"--ca-file", "none.pem"},
        "none.pem: error: no such file; --ca-file takes a file of PEM certificates");
    row("ftp://", {"import", "a.bin", "ftp://x.example/a.vcf", "-o", "b.bin"},
        "ftp://x.example/a.vcf: error: ftp:// is not supported; use http:// or https://, or a file");
    done("--version", {"--version"}, {}, "vire-image ");
    done("-o -", {"export", "a.bin", "-o", "-"}, {}, Header);
    done("short image", {"info", "short.bin"}, "short.bin: warning: 1000 bytes, not 524,288; the rest reads as zero",
         "Image:           short.bin\nUser entries:    0 of 2,032\n_HiddenNumber:   \"\", flags 0x00");
    const QStringList long2{"sound-import", "a.bin", "2", "long.wav", "-o", "b.bin"};
    done("sound-import cut", long2,
         "long.wav: warning: the data chunk holds 70,000 bytes; only the first 65,520, the bank's size, were taken");
    done("sound-import converts nothing", long2,
         "long.wav: warning: 16-bit stereo PCM at 44,100 Hz, not the 8-bit mono PCM that sound-export writes; the "
         "bytes were copied as they are, without conversion");
    done("sound-import says what it took", {"sound-import", "a.bin", "2", "mono.wav", "-o", "b.bin"},
         "mono.wav: summary: 8-bit mono PCM at 8,000 Hz; 100 sample bytes copied into bank 2");
}

void TestCli::commandLine()
{
    QFETCH(QStringList, args);
    QFETCH(int, status);
    QFETCH(QString, message);
    QFETCH(QByteArray, out);
    QFETCH(bool, edits);
    CliFolder d;
    d.write("a.bin", image({record("555", "Office")}));
    d.write("short.bin", QByteArray(1000, '\0').replace(2, 4, "VIRE"));
    d.write("c.csv", "number,name\n0701,Anna\n");
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
    d.write("w.wav", riff(chunk("data", "abc")));
    d.write("long.wav", riff(chunk("fmt ", fmtBody(2, 44100, 16)) + chunk("data", QByteArray(70000, 'x'))));
    d.write("mono.wav", wave(QByteArray(100, 'x')));
    QByteArray many = "number\n";
    for (int i = 0; i < 2032; ++i)
        many += QByteArray::number(i) + '\n';
    d.write("many.csv", many);
    QVERIFY(QDir(d.path()).mkdir("folder"));
    const QString special = specialFile(d);
    QVERIFY(!special.isEmpty());
    const bool specialListed = d.exists(special);
    d.write("keep.bin", "old");
    QVERIFY(otherName(d.path("a.bin"), d.path("link.bin")));
    QMap<QString, QByteArray> before;
    for (const QString &name : filesIn(d.path()))
        if (name != special)
            before.insert(name, d.read(name));

    const Result r = d.vire(args.replaceInStrings(QStringLiteral("SPECIAL"), special));
    QVERIFY2(r.status == status, qPrintable(r.err));
    QVERIFY2(r.err.contains(message.replace(QStringLiteral("SPECIAL"), special)), qPrintable(r.err));
    QVERIFY2(message != UsageError || (r.err.startsWith(UsageError) && r.err.contains(QLatin1String("--help"))),
             qPrintable(r.err));
    QVERIFY2(r.out.startsWith(out) && (status == 0 || r.out.isEmpty()), r.out.left(200).constData());
    QVERIFY2(!r.err.contains(QLatin1String("VireError")), qPrintable(r.err));
    for (auto f = before.cbegin(); f != before.cend(); ++f)
        if (!edits || (f.key() != QLatin1String("a.bin") && f.key() != QLatin1String("link.bin")))
            QCOMPARE(d.read(f.key()), f.value());
    QVERIFY(!edits || d.exportCsv("a.bin").contains("0701,Anna"));
    QVERIFY(isOtherName(d.path("link.bin")));
    QCOMPARE(d.exists(special), specialListed);
    QVERIFY(QFileInfo(d.path("folder")).isDir());
}
