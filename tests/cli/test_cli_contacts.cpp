// Contacts out of an image and into it: export, import from files of ours
// and of other programs, and round trips through both formats.
#include "tests/cli/test_cli.h"

#include "spelling/Spelling.h"

namespace {

// A full book with every flag combination but bit 3, made through the tool
// itself: full.bin, and the new image it was imported into, empty.bin.
bool makeFullBook(const CliFolder &d)
{
    QByteArray csv = Header + "_HiddenNumber,Secret,5,1,0,1,0\r\n_UnknownNumber,Who?,0,0,1,0,1\r\n";
    for (int i = 0; i < 2032; ++i)
        csv += QString::asprintf("%d,Name \xC3\xA9 %d,%d,%d,%d,%d,%d\r\n", 100000 + i * 7 % 2032, i, i % 8, i >> 3 & 1,
                                 i >> 4 & 1, i >> 5 & 1, i >> 6 & 1).toUtf8();
    d.write("full.csv", csv);
    return d.vire({"new", "-o", "empty.bin"}).status == 0
        && d.vire({"import", "empty.bin", "full.csv", "--replace", "-o", "full.bin"}).status == 0;
}

QByteArray utf16(const QString &text, bool littleEndian)
{
    QByteArray out = littleEndian ? "\xFF\xFE" : "\xFE\xFF";
    for (QChar c : text) {
        const char lo = char(c.unicode() & 0xFF), hi = char(c.unicode() >> 8);
        out.append(littleEndian ? lo : hi).append(littleEndian ? hi : lo);
    }
    return out;
}

} // namespace

void TestCli::exportFormats_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("file");   // where the export goes; empty: standard output
    QTest::addColumn<QByteArray>("expected");
    QTest::addColumn<QString>("warning");   // among the messages; empty: none
    // Records out of order, bit 3 set, a name with a comma and a quote.
    const QByteArray csv = Header + DefaultSpecials
        + "1000,\"Smith, \"\"J\"\"\",0,0,0,0,0\r\n"
          "20,,0,0,1,1,1\r\n"
          "555,Office,3,1,0,0,1\r\n";
    QTest::newRow("CSV") << QStringList{"export", "a.bin"} << QString() << csv << QString();
    QTest::newRow("CSV to a file") << QStringList{"export", "a.bin", "--format=csv", "-o", "out.csv"} << "out.csv" << csv
                                   << QString();
    auto card = [](const QByteArray &name, const QByteArray &tel) {
        return "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:" + name + "\r\nN:;" + name + ";;;\r\nTEL:" + tel + "\r\nEND:VCARD\r\n";
    };
    QTest::newRow("vCard") << QStringList{"export", "a.bin", "--format", "vcard"} << QString()
                           << card("Smith\\, \"J\"", "1000") + card("", "20") + card("Office", "555") << QString();
    // For a program that reads only windows-1251: what it cannot hold is "?".
    QTest::newRow("windows-1251") << QStringList{"export", "sk.bin", "--encoding", "windows-1251"} << QString()
                                  << Header + "_HiddenNumber,Dolt nummer,0,0,0,0,0\r\n_UnknownNumber,Ok?nt nummer,0,0,0,0,0\r\n"
                                              "0701,J?n Kov?c,0,0,0,0,0\r\n"
                                  << "warning: 3 character(s) that windows-1251 cannot hold written as \"?\"";
}

void TestCli::exportFormats()
{
    QFETCH(QStringList, args);
    QFETCH(QString, file);
    QFETCH(QByteArray, expected);
    QFETCH(QString, warning);
    CliFolder d;
    d.write("a.bin", image({record("555", "Office", 0x93), record("1000", "Smith, \"J\"", 0x08), record("20", "", 0x70)}));
    d.write("sk.bin", image({record("0701", "J\xE1n Kov\xE1" "c")}));
    const Result r = d.vire(args);
    QCOMPARE(r.status, 0);
    QVERIFY2(warning.isEmpty() ? r.err.isEmpty() : r.err.contains(warning), qPrintable(r.err));
    QCOMPARE(file.isEmpty() ? r.out : d.read(file), expected);
    if (!file.isEmpty())
        QVERIFY(r.out.isEmpty());
}

// import a.bin SOURCE ARGS: the status, messages (when none are listed, the
// last is all), and the book written to b.bin (none when empty); the input
// stays, and so does what follows the book: old records and the sound banks.
void TestCli::import_data()
{
    QTest::addColumn<QByteArray>("image");
    QTest::addColumn<QString>("source");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("status");
    QTest::addColumn<QStringList>("messages");   // each among the messages
    QTest::addColumn<QString>("last");           // how the messages end
    QTest::addColumn<QByteArray>("book");
    const QStringList toB{"-o", "b.bin"}, replace{"--replace", "-o", "b.bin"}, dryRun{"--dry-run"}, inPlace{"-o", "a.bin"};
    const QByteArray empty = image({}), office = image({record("555", "Office")});
    // Into b.bin, which then holds the rows, after the default specials unless they are given.
    auto adds = [&](const char *name, const QByteArray &image, const QString &source, const QByteArray &bytes,
                    const QStringList &messages, const QByteArray &rows, const QStringList &args = {"-o", "b.bin"},
                    const QString &last = QString()) {
        const QByteArray book = Header + (rows.startsWith('_') ? QByteArray() : DefaultSpecials) + rows;
        QTest::newRow(name) << image << source << bytes << args << 0 << messages << last << book;
    };
    // Into office's image, which stays; no b.bin.
    auto writesNothing = [&](const char *name, const QString &source, const QByteArray &bytes, const QStringList &args,
                             int status, const QStringList &messages, const QString &last = QString()) {
        QTest::newRow(name) << office << source << bytes << args << status << messages << last << QByteArray();
    };

    QByteArray samples = image({record("555", "Office", 0x93)});
    samples.replace(2 * BankSize + 16, 3, "abc");
    // BOM, semicolons, columns in another order and case, quoting, a missing column.
    adds("CSV", samples, "c.csv",
         "\xEF\xBB\xBFSbit4;NAME;Number;sound\n1;\"Anna; \"\"A\"\"\";300;2\n"
         "0;A name much longer than fourteen;1000;0\r\n\n;;;\n0;K\xC3\xB6k;555;7\n1;Hidden;_HiddenNumber;1\n",
         {"c.csv:3: warning: name \"A name much longer than fourteen\" cut to 14 characters: \"A name much lo\"",
          QStringLiteral("c.csv: warning: 555 is in the phone book as \"Office\"; added as \"K\u00f6k\" beside it (--sync "
                         "renames instead)")},
         "_HiddenNumber,Hidden,1,0,0,0,1\r\n_UnknownNumber,Ok\xC3\xA4nt nummer,0,0,0,0,0\r\n"
         "1000,A name much lo,0,0,0,0,0\r\n300,\"Anna; \"\"A\"\"\",2,0,0,0,1\r\n"
         "555,K\xC3\xB6k,7,0,0,0,0\r\n"   // "555" sorts before the image's "555" and its padding
         "555,Office,3,1,0,0,1\r\n");
    adds("vCard", empty, "c.vcf",
         "BEGIN:VCARD\r\nVERSION:2.1\r\nN;CHARSET=ISO-8859-1;ENCODING=QUOTED-PRINTABLE:Str=F6m;=C5=\r\nsa\r\n"
         "TEL;CELL:+46 (0)70-123.45/67\r\nTEL;HOME:\r\nEND:VCARD\r\n"
         "begin:vcard\nversion:3.0\nFN:Bo\n  Ek\nitem1.TEL;TYPE=work:12345678901234567\nTEL:*31#\nTEL:08-12\nEND:VCARD\n"
         "BEGIN:VCARD\nVERSION:4.0\nFN:Caf\xC3\xA9 \\, Bar\nTEL;VALUE=uri;TYPE=\"voice,cell\":tel:+1-555-0100;ext=7\n"
         "END:VCARD\nBEGIN:VCARD\nVERSION:3.0\nFN:Nobody\nEND:VCARD\n",
         {QStringLiteral("c.vcf:6: warning: card \"\u00c5sa Str\u00f6m\": number \"\" is empty; skipped"),
          "c.vcf:12: warning: card \"Bo Ek\": number \"12345678901234567\" has more than 16 digits; skipped",
          "c.vcf:13: warning: card \"Bo Ek\": number \"*31#\" holds characters other than digits; skipped",
          "c.vcf:21: warning: card \"Nobody\" has no telephone number; skipped",
          "c.vcf: summary: added 3 entries, skipped 4; the phone book holds 3 of 2,032 entries"},
         "0015550100,\"Caf\xC3\xA9 , Bar\",0,0,0,0,0\r\n0046701234567,\xC3\x85sa Str\xC3\xB6m,0,0,0,0,0\r\n0812,Bo Ek,0,0,0,0,0\r\n");

    // Files as other programs write them.
    const QString han = cp1252::transliterates() ? "Shan Tian" : "??";   // pinyin where ICU is built in; the emoji left out
    const QString polish = QStringLiteral("number,name\r\n+48 22 123 45 67,\u0141ukasz \u017b\u00f3\u0142w\r\n"
                                          "0701,\u5c71\u7530 \U0001F600\r\n");
    // vCard 2.1 as Outlook writes it: Windows-1252 without CHARSET, quoted-printable, a card of ORG only.
    adds("Outlook vCard", empty, "outlook.vcf",
         "BEGIN:VCARD\r\nVERSION:2.1\r\nN:Str\xF6m;\xC5sa\r\nFN:\xC5sa Str\xF6m\r\nTEL;WORK;VOICE:+46 (0)8 123 456 78\r\n"
         "END:VCARD\r\nBEGIN:VCARD\r\nVERSION:2.1\r\nN;ENCODING=QUOTED-PRINTABLE:M=E4rta;B=\r\no\r\nTEL;CELL:070-123 45 67\r\n"
         "END:VCARD\r\nBEGIN:VCARD\r\nVERSION:3.0\r\nORG:Evolution AB;Sales\r\nTEL:08/1234\r\nEND:VCARD\r\n",
         {"outlook.vcf: summary: read as windows-1252, guessed; --encoding to change; added 3 entries"},
         "0046812345678,\xC3\x85sa Str\xC3\xB6m,0,0,0,0,0\r\n0701234567,Bo M\xC3\xA4rta,0,0,0,0,0\r\n081234,Evolution AB,0,0,0,0,0\r\n");
    adds("UTF-16LE CSV", empty, "le.csv", utf16(polish, true),
         {QStringLiteral("le.csv:2: warning: name \"\u0141ukasz \u017b\u00f3\u0142w\" stored as \"Lukasz Z\u00f3lw\""),
          QStringLiteral("le.csv:3: warning: name \"\u5c71\u7530 \U0001F600\" stored as \"%1\"").arg(han)},
         "0048221234567,Lukasz Z\xC3\xB3lw,0,0,0,0,0\r\n0701," + han.toUtf8() + ",0,0,0,0,0\r\n");
    adds("UTF-16BE vCard", empty, "be.vcf",
         utf16(QStringLiteral("BEGIN:VCARD\nVERSION:3.0\nFN:\u0141ukasz\nTEL:+48221234567\nEND:VCARD\n"), false), {},
         "0048221234567,Lukasz,0,0,0,0,0\r\n");
    // Google Contacts, current and legacy: several numbers in one cell.
    adds("Google CSV", empty, "google.csv",
         "First Name,Middle Name,Last Name,Phonetic First Name,Organization Name,Phone 1 - Label,Phone 1 - Value,"
         "Phone 2 - Label,Phone 2 - Value\nAnna,M,Berg,,,Mobile,+46 70 111 22 33 ::: 08-555 12,Home,\n"
         ",,,,Acme,Work,031-12 34 56,,\nNils,,,,,,,,\n",
         {"google.csv:4: warning: entry \"Nils\" has no telephone number; skipped"},
         "0046701112233,Anna M Berg,0,0,0,0,0\r\n031123456,Acme,0,0,0,0,0\r\n0855512,Anna M Berg,0,0,0,0,0\r\n");
    adds("legacy Google CSV", empty, "legacy.csv",
         "Name,Given Name,Additional Name,Family Name,Phone 1 - Type,Phone 1 - Value\nBo Ek,Bo,,Ek,Mobile,0702\n", {},
         "0702,Bo Ek,0,0,0,0,0\r\n");
    adds("Outlook CSV, English", empty, "outlook-en.csv",
         "\"Title\",\"First Name\",\"Middle Name\",\"Last Name\",\"Suffix\",\"Company\",\"Business Fax\","
         "\"Business Phone\",\"Home Phone\",\"Mobile Phone\"\r\n"
         "\"\",\"Eva\",\"\",\"Lind\",\"\",\"\",\"0811\",\"08-22\",\"\",\"0733\"\r\n",
         {}, "0733,Eva Lind,0,0,0,0,0\r\n0822,Eva Lind,0,0,0,0,0\r\n");
    // Excel's "CSV (semicolon)" on a Swedish Windows: Windows-1252, empty fields at the ends of rows.
    adds("Outlook CSV, Swedish", empty, "outlook-sv.csv",
         "F\xF6rnamn;Mellannamn;Efternamn;F\xF6retag;Fax arbete;Telefon arbete;Mobiltelefon\r\n"
         ";;;Sm\xE5land AB;0811;;0470-123;;\r\n",
         {"outlook-sv.csv: summary: read as windows-1252, guessed; --encoding to change; added 1 entry"},
         "0470123,Sm\xC3\xA5land AB,0,0,0,0,0\r\n");
    adds("Excel CSV", empty, "excel.csv", "number;name;sound;sbit1;;\r\n070 1;S\xF6" "der;1;1;;\r\n;;;;;\r\n", {},
         "0701,S\xC3\xB6" "der,1,1,0,0,0\r\n");

    // Adding skips the bad rows and names them; the rest land. A dry run
    // says the same and writes nothing, not even a missing output.
    const QByteArray rows = "number,name,sound,sbit1\n12a,x,0,0\n1,x,8,0\n2,x,0,2\n+46 (0)8 12,y,1,1\n3,z,0,0,,\n4,w,0,0,9\n";
    const QStringList skipped{"rows.csv:2: warning: entry \"x\": number \"12a\" holds characters other than digits; skipped",
                              "rows.csv:3: warning: entry \"x\": sound \"8\" is not 0 to 7; skipped",
                              "rows.csv:7: warning: row has 5 fields, the header 4; skipped"};
    adds("skipped rows", office, "rows.csv", rows, skipped, "0046812,y,1,1,0,0,0\r\n3,z,0,0,0,0,0\r\n555,Office,0,0,0,0,0\r\n", toB,
         "rows.csv: summary: added 2 entries, skipped 4; the phone book holds 3 of 2,032 entries\n");
    writesNothing("dry run", "rows.csv", rows, dryRun, 0, skipped,
                  "rows.csv: summary: dry run: added 2 entries, skipped 4; the phone book holds 3 of 2,032 entries; "
                  "nothing written\n");
    // Replacing: a number that is not digits is kept as written; a broken row is an error.
    adds("replacing keeps what is not digits", office, "kept.csv", "number,name\n12a,x\n,blank\n",
         {"kept.csv:2: warning: entry \"x\": number \"12a\" holds characters other than digits; kept as written"},
         ",blank,0,0,0,0,0\r\n12a,x,0,0,0,0,0\r\n", replace);
    writesNothing("replacing stops at a broken row", "rows.csv", rows, replace, 2, {});
    // --replace: the file's rows only; the records beyond the new count stay.
    adds("replace keeps what follows the book",
         image({record("1000", "a"), record("300", "b"), record("555", "c", 7), record("555", "Office", 0x93)}), "d.csv",
         "number\n42\n", {}, "42,,0,0,0,0,0\r\n", replace,
         "d.csv: summary: replaced 4 entries with 1, skipped 0; the phone book holds 1 of 2,032 entries\n");
    // Nothing to add: said so, and the image is not written over itself.
    writesNothing("nothing to add", "none.vcf", "BEGIN:VCARD\nFN:Nobody\nEND:VCARD\n", inPlace, 0,
                  {"none.vcf:1: warning: card \"Nobody\" has no telephone number; skipped"},
                  "none.vcf: summary: added 0 entries, skipped 1; the phone book holds 1 of 2,032 entries; the image is "
                  "unchanged; not rewritten\n");
    // A source of no contacts refuses --replace and changes nothing when adding; a dry run names the layout read.
    writesNothing("no contacts to replace with", "empty.vcf", "\r\n", replace, 2,
                  {"empty.vcf: error: holds no contacts; nothing was replaced"});
    writesNothing("no contacts to add", "empty.vcf", "\r\n", inPlace, 0,
                  {"empty.vcf: warning: holds no contacts; the image is unchanged"});
    writesNothing("layout named", "sv.csv", "F\xF6rnamn;Efternamn;Arbete;Fax arbete\r\n\xC5sa;Str\xF6m;08-123;08-124\r\n",
                  dryRun, 0, {},
                  "sv.csv: summary: dry run: read as Outlook, Swedish; read as windows-1252, guessed; --encoding to change; "
                  "added 1 entry, skipped 0, left out 1 fax number; the "
                  "phone book holds 2 of 2,032 entries; nothing written\n");

    // Where ICU tells code pages apart: Outlook on a Russian Windows, windows-1251 told from the names. Slovak in
    // windows-1250 reads as well as Lithuanian in windows-1257: refused, unless stated.
    if (!cp1252::transliterates())
        return;
    const QByteArray sk = "First Name,Last Name,Mobile Phone\r\nJ\xE1n,Kov\xE1\xE8,0701\r\n";
    writesNothing("windows-1251 told", "ru.csv",
                  "First Name,Last Name,Mobile Phone\r\n\xC8\xE2\xE0\xED,\xCF\xE5\xF2\xF0\xEE\xE2,0701\r\n", dryRun, 0,
                  {QStringLiteral("ru.csv:2: warning: name \"\u0418\u0432\u0430\u043d \u041f\u0435\u0442\u0440\u043e\u0432\" "
                                  "stored as \"Ivan Petrov\""),
                   "summary: dry run: read as Outlook, English; read as windows-1251, guessed; --encoding to change"});
    writesNothing("windows-1250 not told", "sk.csv", sk, toB, 2,
                  {"sk.csv:2: error: not UTF-8, and the code page cannot be told"});
    adds("windows-1250 stated", empty, "sk.csv", sk, {"sk.csv: summary: read as windows-1250; added 1 entry"},
         "0701,J\xC3\xA1n Kov\xC3\xA1" "c,0,0,0,0,0\r\n", {"--encoding", "windows-1250", "-o", "b.bin"});
    // Stated for a vCard: a property's own CHARSET still applies; UTF-16 is read whole.
    writesNothing("windows-1251 stated for a vCard", "ru.vcf",
                  "BEGIN:VCARD\r\nVERSION:2.1\r\nN:\xCF\xE5\xF2\xF0\xEE\xE2;\xC8\xE2\xE0\xED\r\n"
                  "ORG;CHARSET=UTF-8:\xC3\x85\r\nTEL:0702\r\nEND:VCARD\r\n",
                  {"--encoding", "windows-1251", "--dry-run"}, 0, {"added 1 entry"});
    writesNothing("UTF-16LE stated", "le.vcf",
                  utf16(QStringLiteral("BEGIN:VCARD\nFN:\u00c5\nTEL:0703\nEND:VCARD\n"), true).mid(2),   // no byte-order mark
                  {"--encoding", "UTF-16LE", "--dry-run"}, 0, {"summary: dry run: read as UTF-16LE; added 1 entry"});
}

void TestCli::import()
{
    QFETCH(QByteArray, image);
    QFETCH(QString, source);
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, args);
    QFETCH(int, status);
    QFETCH(QStringList, messages);
    QFETCH(QString, last);
    QFETCH(QByteArray, book);
    CliFolder d;
    d.write("a.bin", image);
    d.write(source, bytes);
    const Result r = d.vire(QStringList{"import", "a.bin", source} + args);
    QVERIFY2(r.status == status, qPrintable(r.err));
    for (const QString &m : messages)
        QVERIFY2(r.err.contains(m), qPrintable(r.err));
    QVERIFY2(r.err.endsWith(last), qPrintable(r.err));
    if (messages.isEmpty() && !last.isEmpty())
        QCOMPARE(r.err, last);
    QCOMPARE(d.read("a.bin"), image);
    if (book.isEmpty()) {
        QVERIFY(!d.exists("b.bin"));
    } else {
        QCOMPARE(d.exportCsv("b.bin"), book);
        const QByteArray b = d.read("b.bin");
        const int end = 512 + 32 * (uchar(b.at(0)) << 8 | uchar(b.at(1)));
        QCOMPARE(b.mid(end), image.mid(end));
    }
}

// Out through an export and back with --replace: CSV brings back the image
// byte for byte but bit 3, which it does not carry; vCard, numbers and names.
void TestCli::roundTrips_data()
{
    QTest::addColumn<QString>("book");
    QTest::addColumn<QString>("format");
    for (const char *format : {"csv", "vcard"}) {
        QTest::addRow("full book, %s", format) << "full" << format;
        // Numbers the window cannot type and names with control characters, as the decoder reads them.
        QTest::addRow("odd records, %s", format) << "odd" << format;
    }
    QTest::newRow("bit 3, csv") << "bit3" << "csv";
}

void TestCli::roundTrips()
{
    QFETCH(QString, book);
    QFETCH(QString, format);
    CliFolder d;
    // from goes out and back into the book of into, written to again; through CSV it comes back as want.
    QString from = "full.bin", into = "empty.bin", want = "full.bin", again = "again.bin";
    if (book == QLatin1String("odd")) {
        d.write("odd.bin", image({record("", "a\rb", 0x15), record("_x1", "c\nd", 0x40),
                                  record(QByteArray("1\0" "2", 3), QByteArray("\0x\x81 ;,\\", 8), 0x30),
                                  record("5", " \t\"q\"", 0x07)}));
        d.write("nothing.csv", "number\n");
        QCOMPARE(d.vire({"import", "odd.bin", "nothing.csv", "-o", "saved.bin"}).status, 0);   // as the editor saves it
        from = into = want = "saved.bin";
    } else {
        QVERIFY(makeFullBook(d));
    }
    if (book == QLatin1String("bit3")) {
        QByteArray withBit3 = d.read("full.bin");
        withBit3[512 + 30] = char(withBit3.at(512 + 30) | 0x08);
        withBit3[62] = char(withBit3.at(62) | 0x08);
        d.write("bit3.bin", withBit3);
        from = into = again = "bit3.bin";   // over itself, as a user refreshes an image
    }
    QCOMPARE(d.vire({"export", from, "--format", format, "-o", "out.txt"}).status, 0);
    const Result r = d.vire({"import", into, "out.txt", "--replace", "-o", again});
    QVERIFY2(r.status == 0, qPrintable(r.err));
    if (format == QLatin1String("csv")) {
        QCOMPARE(d.read("out.txt"), d.exportCsv(want));
        QCOMPARE(d.read(again), d.read(want));
        return;
    }
    // Only the full book's specials have names of their own to lose.
    const Result diff = d.vire({"diff", from, "again.bin"});
    QCOMPARE(diff.status, 1);
    for (const QByteArray &line : diff.out.split('\n')) {
        if (line.startsWith("changed \"") || (line.startsWith("changed _") && book != QLatin1String("full")))
            QVERIFY2(!line.contains("name"), line.constData());
        else
            QVERIFY2(line.isEmpty() || line.startsWith("changed _"), line.constData());
    }
}

// The weekly refresh from two sources: a dry run lists what diff shows after
// the real import, -v lists it while importing, and the same sources again
// leave the image byte for byte as it was.
void TestCli::repeatedImports_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QString>("summary");
    QTest::newRow("adding") << QStringList{}
                            << "vire-image: summary: dry run: added 2 entries, 1 already there, skipped 0, left out 1 "
                               "pager; the phone book holds 5 of 2,032 entries; nothing written\n";
    QTest::newRow("following") << QStringList{"--sync"}
                               << "vire-image: summary: dry run: added 1 entry, changed 1, removed 1, 1 already there, "
                                  "skipped 0, left out 1 pager; the phone book holds 3 of 2,032 entries; nothing written\n";
}

void TestCli::repeatedImports()
{
    QFETCH(QStringList, options);
    QFETCH(QString, summary);
    CliFolder d;
    d.write("a.bin", image({record("0701", "Anna", 0x83), record("0702", "Bo"), record("0703", "Old", 0x10)}));
    d.write("work.csv", "number,name,sound\n0701,Anna,\n0702,Bo Ek,2\n");
    d.write("home.vcf", "BEGIN:VCARD\nFN:Cecilia\nTEL:0704\nTEL;TYPE=PAGER:0705\nEND:VCARD\n");
    const QStringList sources{"work.csv", "home.vcf"};

    const Result dry = d.vire(QStringList{"import", "a.bin"} + sources + options + QStringList{"--dry-run"});
    QCOMPARE(dry.status, 0);
    QVERIFY2(dry.err.endsWith(summary), qPrintable(dry.err));
    QVERIFY(!dry.out.isEmpty());
    Result r = d.vire(QStringList{"import", "a.bin"} + sources + options + QStringList{"-v", "-o", "b.bin"});
    QCOMPARE(r.status, 0);
    QCOMPARE(r.out, dry.out);
    QCOMPARE(d.vire({"diff", "a.bin", "b.bin"}).out, dry.out);

    r = d.vire(QStringList{"import", "b.bin"} + sources + options + QStringList{"-o", "c.bin"});
    QCOMPARE(r.status, 0);
    QVERIFY2(r.err.contains(QLatin1String("; the image is unchanged")), qPrintable(r.err));
    QCOMPARE(d.read("c.bin"), d.read("b.bin"));
}

// As gzip does: a zip package would only garble the terminal.
void TestCli::spreadsheetNotToATerminal()
{
    CliFolder d;
    d.write("a.bin", image({}));
    const Result r = onTerminal(d, {"export", "a.bin", "--format", "xlsx"});
    if (r.status == -1)
        QSKIP("no terminal for the tool here");
    QCOMPARE(r.status, 2);
    QVERIFY2(QString::fromUtf8(r.out).contains("a spreadsheet is not written to a terminal"), r.out.constData());
    QVERIFY(!r.out.contains("PK"));
}
