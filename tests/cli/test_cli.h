#pragma once

#include "tests/sound/WaveFiles.h"
#include "spelling/Spelling.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>


namespace {

constexpr int ImageSize = 524288;

struct Result
{
    int status = -1;
    QByteArray out;
    QString err;
};

QByteArray record(const QByteArray &number, const QByteArray &name, quint8 flags)
{
    return number.leftJustified(16, ' ') + name.leftJustified(14, ' ') + char(flags) + '\0';
}

// An image as the device or another tool might hold it: records in the order given.
QByteArray image(const QList<QByteArray> &records, int count = -1)
{
    QByteArray fb(ImageSize, '\0');
    const int n = count < 0 ? int(records.size()) : count;
    fb[0] = char(n >> 8);
    fb[1] = char(n & 0xFF);
    fb.replace(2, 30, "VIRE-PADDING: 0123456789ABCDEF");
    fb.replace(32 + 16, 14, QByteArray("Dolt nummer").leftJustified(14, ' '));
    fb.replace(64 + 16, 14, QByteArray("Ok\xE4nt nummer").leftJustified(14, ' '));
    for (int j = 0; j < records.size(); ++j)
        fb.replace(512 + 32 * j, 32, records[j]);
    for (int k = 1; k <= 7; ++k)
        fb.replace(k * 65536, 16, QByteArray("(empty)").leftJustified(16, ' '));
    return fb;
}

const QByteArray Header = "number,name,sound,sbit1,sbit2,sbit3,sbit4\r\n";
const QByteArray DefaultSpecials = "_HiddenNumber,Dolt nummer,0,0,0,0,0\r\n"
                                   "_UnknownNumber,Ok\xC3\xA4nt nummer,0,0,0,0,0\r\n";

} // namespace

class TestCli : public QObject
{
    Q_OBJECT

    QTemporaryDir *m_dir = nullptr;

    QString path(const QString &name) const { return m_dir->filePath(name); }

    QString write(const QString &name, const QByteArray &bytes) const
    {
        QFile f(path(name));
        if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
            qFatal("cannot write %s", qPrintable(path(name)));
        return path(name);
    }

    QByteArray read(const QString &name) const
    {
        QFile f(path(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    bool exists(const QString &name) const { return QFileInfo::exists(path(name)); }

    Result vire(const QStringList &args) const { return run(QStringLiteral(VIRE_IMAGE), args); }

    // A shell script in the test folder, with the tool as $VIRE: for names that
    // are not UTF-8, another user (setpriv) or a file-size limit (prlimit).
    Result shell(const QString &script) const
    {
        return run(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), QStringLiteral("VIRE='%1'; ").arg(VIRE_IMAGE) + script});
    }

    Result run(const QString &program, const QStringList &args) const
    {
        QProcess p;
        p.setWorkingDirectory(m_dir->path());
        p.setStandardInputFile(QProcess::nullDevice());
        p.start(program, args);
        if (!p.waitForFinished(60000)) {
            p.kill();
            p.waitForFinished();
            return {};
        }
        Result r;
        r.status = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
        r.out = p.readAllStandardOutput();
        // Messages are text: Windows ends their lines with "\r\n".
        r.err = QString::fromUtf8(p.readAllStandardError()).replace(QLatin1String("\r\n"), QLatin1String("\n"));
        return r;
    }

    QByteArray exportCsv(const QString &name) const
    {
        const Result r = vire({QStringLiteral("export"), name});
        if (r.status != 0)
            qWarning("export failed: %s", qPrintable(r.err));
        return r.out;
    }

    // Refuses names whose bytes are not text, where a system has such names.
    void namesThatAreNotText(const QByteArray &image) const;
    // Another name at link for target: a symbolic link on POSIX, a hard link
    // on Windows (its symbolic links need a privilege, and Wine only pretends).
    static bool otherName(const QString &target, const QString &link);
    // Whether link is still such a name.
    static bool isOtherName(const QString &link);
    // The name, in the test folder, of something that is not a regular file:
    // a FIFO made there on POSIX, the NUL device on Windows; empty on failure.
    QString specialFile() const;
    // The system's text for a file that is not there.
    static QString notFoundText();

private slots:
    void init()
    {
        m_dir = new QTemporaryDir;
        QVERIFY(m_dir->isValid());
    }

    void cleanup()
    {
        delete m_dir;
        m_dir = nullptr;
    }

    void helpAndVersion()
    {
        Result r = vire({QStringLiteral("--help")});
        QCOMPARE(r.status, 0);
        for (const char *command : {"new", "info", "export", "import", "diff", "sound-import", "sound-export"})
            QVERIFY2(r.out.contains(command), command);
        r = vire({QStringLiteral("import"), QStringLiteral("--help")});
        QCOMPARE(r.status, 0);
        QVERIFY(r.out.startsWith("Usage: vire-image import IMAGE SOURCE -o OUT [--replace] [--dry-run] [--user NAME] [--ca-file FILE]"));
        r = vire({QStringLiteral("--version")});
        QCOMPARE(r.status, 0);
        QVERIFY(r.out.startsWith("vire-image "));

        // Usage errors: status 2, a hint on standard error, nothing on standard output.
        for (const QStringList &args : {QStringList{}, QStringList{"frobnicate"}, QStringList{"info"},
                                        QStringList{"info", "a", "b"}, QStringList{"new"},
                                        QStringList{"export", "x.bin", "--replace"},
                                        QStringList{"export", "x.bin", "-o"}}) {
            r = vire(args);
            QCOMPARE(r.status, 2);
            QVERIFY2(r.err.contains(QLatin1String("--help")), qPrintable(r.err));
            QVERIFY(r.out.isEmpty());
        }
    }

    void newAndInfo()
    {
        Result r = vire({QStringLiteral("new"), QStringLiteral("-o"), QStringLiteral("new.bin")});
        QCOMPARE(r.status, 0);
        const QByteArray fb = read(QStringLiteral("new.bin"));
        // Exactly what the encoder writes for the default book over a zero buffer.
        QByteArray expected(ImageSize, '\0');
        expected[1] = 1;
        expected.replace(2, 30, "VIRE-PADDING: 0123456789ABCDEF");
        for (int s = 0; s < 15; ++s)
            expected.replace(32 + 32 * s, 32, record(QByteArray::number(s, 16).toUpper(), "", 0));
        expected.replace(32 + 16, 14, QByteArray("Dolt nummer").leftJustified(14, ' '));
        expected.replace(64 + 16, 14, QByteArray("Ok\xE4nt nummer").leftJustified(14, ' '));
        expected.replace(512, 32, record("12345", "Test Testsson", 0));
        for (int k = 1; k <= 7; ++k)
            expected.replace(k * 65536, 16, QByteArray("(empty)").leftJustified(16, ' '));
        QCOMPARE(fb, expected);

        // Two records beyond the count, as an earlier, longer book leaves them.
        write(QStringLiteral("old.bin"), image({record("555", "Office", 0x93), record("1", "a", 0), record("2", "b", 0),
                                                record("3", "c", 0)}, 2));
        QByteArray fb2 = read(QStringLiteral("old.bin"));
        fb2.replace(48, 14, QByteArray("Secret\x01").leftJustified(14, ' '));
        fb2[62] = char(0xA5);
        fb2.replace(3 * 65536, 16, QByteArray("ring").leftJustified(16, ' '));
        write(QStringLiteral("old.bin"), fb2);
        r = vire({QStringLiteral("info"), QStringLiteral("old.bin")});
        QCOMPARE(r.status, 0);
        const QString info = QString::fromUtf8(r.out);
        QVERIFY2(info.contains(QLatin1String("User entries:    2 of 2,032")), qPrintable(info));
        QVERIFY(info.contains(QLatin1String(
            "_HiddenNumber:   \"Secret\\x01\", flags 0xA5 (sound 5, sbit1 1, sbit2 0, sbit3 1, sbit4 0)")));
        QVERIFY(info.contains(QStringLiteral("_UnknownNumber:  \"Ok\u00e4nt nummer\", flags 0x00")));
        QVERIFY(info.contains(QLatin1String("Sound 3:         \"ring\"")));
        QVERIFY(info.contains(QLatin1String("Beyond the count: 2 record(s) left by an earlier, longer book (records 3 to 4)")));

        r = vire({QStringLiteral("info"), QStringLiteral("new.bin")});
        QVERIFY(r.out.contains("Beyond the count: no records"));
    }

    void exportCsvAndVCard()
    {
        // Records out of order, bit 3 set, a name with a comma and a quote.
        write(QStringLiteral("a.bin"), image({record("555", "Office", 0x93), record("1000", "Smith, \"J\"", 0x08),
                                              record("20", "", 0x70)}));
        const QByteArray csv = Header + DefaultSpecials
            + "1000,\"Smith, \"\"J\"\"\",0,0,0,0,0\r\n"
              "20,,0,0,1,1,1\r\n"
              "555,Office,3,1,0,0,1\r\n";
        Result r = vire({QStringLiteral("export"), QStringLiteral("a.bin")});
        QCOMPARE(r.status, 0);
        QCOMPARE(r.out, csv);
        QVERIFY(r.err.isEmpty());

        r = vire({QStringLiteral("export"), QStringLiteral("a.bin"), QStringLiteral("--format=csv"),
                  QStringLiteral("-o"), QStringLiteral("out.csv")});
        QCOMPARE(r.status, 0);
        QVERIFY(r.out.isEmpty());
        QCOMPARE(read(QStringLiteral("out.csv")), csv);

        r = vire({QStringLiteral("export"), QStringLiteral("a.bin"), QStringLiteral("--format"), QStringLiteral("vcard")});
        QCOMPARE(r.status, 0);
        QCOMPARE(r.out, QByteArray("BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Smith\\, \"J\"\r\nN:;Smith\\, \"J\";;;\r\n"
                                   "TEL:1000\r\nEND:VCARD\r\n"
                                   "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:\r\nN:;;;;\r\nTEL:20\r\nEND:VCARD\r\n"
                                   "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Office\r\nN:;Office;;;\r\nTEL:555\r\nEND:VCARD\r\n"));
    }

    void importCsv()
    {
        write(QStringLiteral("a.bin"), image({record("555", "Office", 0x93)}));
        QByteArray fb = read(QStringLiteral("a.bin"));
        fb.replace(2 * 65536 + 16, 3, "abc");   // samples must survive
        write(QStringLiteral("a.bin"), fb);

        // BOM, semicolons, columns in another order and case, quoting, a missing column.
        const QByteArray contacts = "\xEF\xBB\xBFSbit4;NAME;Number;sound\n"
                                    "1;\"Anna; \"\"A\"\"\";300;2\n"
                                    "0;A name much longer than fourteen;1000;0\r\n"
                                    "\n"
                                    ";;;\n"
                                    "0;K\xC3\xB6k;555;7\n"
                                    "1;Hidden;_HiddenNumber;1\n";
        write(QStringLiteral("c.csv"), contacts);
        Result r = vire({QStringLiteral("import"), QStringLiteral("a.bin"), QStringLiteral("c.csv"), QStringLiteral("-o"),
                         QStringLiteral("b.bin")});
        QCOMPARE(r.status, 0);
        QVERIFY2(r.err.contains(QLatin1String("c.csv:3: warning: name \"A name much longer than fourteen\" cut to 14 "
                                              "characters: \"A name much lo\"")),
                 qPrintable(r.err));
        QVERIFY(r.err.contains(QLatin1String("c.csv: warning: numbers added more than once: 555 (in the image, line 6)")));
        QCOMPARE(exportCsv(QStringLiteral("b.bin")),
                 Header
                     + "_HiddenNumber,Hidden,1,0,0,0,1\r\n"
                       "_UnknownNumber,Ok\xC3\xA4nt nummer,0,0,0,0,0\r\n"
                       "1000,A name much lo,0,0,0,0,0\r\n"
                       "300,\"Anna; \"\"A\"\"\",2,0,0,0,1\r\n"
                       "555,K\xC3\xB6k,7,0,0,0,0\r\n"     // "555" sorts before the image's "555" and its padding
                       "555,Office,3,1,0,0,1\r\n");
        const QByteArray out = read(QStringLiteral("b.bin"));
        QCOMPARE(out.mid(65536, ImageSize - 65536), fb.mid(65536, ImageSize - 65536));

        // --replace: the file's rows only; records beyond the new count stay.
        write(QStringLiteral("d.csv"), "number\n42\n");
        r = vire({QStringLiteral("import"), QStringLiteral("b.bin"), QStringLiteral("d.csv"), QStringLiteral("--replace"),
                  QStringLiteral("-o"), QStringLiteral("b.bin")});
        QCOMPARE(r.status, 0);
        QCOMPARE(r.err, QStringLiteral("d.csv: summary: replaced 4 entries with 1, skipped 0; the phone book holds 1 of "
                                       "2,032 entries\n"));
        QCOMPARE(exportCsv(QStringLiteral("b.bin")), Header
                                                         + "_HiddenNumber,Hidden,1,0,0,0,1\r\n"
                                                           "_UnknownNumber,Ok\xC3\xA4nt nummer,0,0,0,0,0\r\n"
                                                           "42,,0,0,0,0,0\r\n");
        const QByteArray replaced = read(QStringLiteral("b.bin"));
        QCOMPARE(replaced.mid(544, 65536 - 544), out.mid(544, 65536 - 544));
        QCOMPARE(replaced.mid(65536), out.mid(65536));
    }

    void importVCard()
    {
        write(QStringLiteral("a.bin"), image({}));
        const QByteArray cards =
            "BEGIN:VCARD\r\nVERSION:2.1\r\n"
            "N;CHARSET=ISO-8859-1;ENCODING=QUOTED-PRINTABLE:Str=F6m;=C5=\r\nsa\r\n"
            "TEL;CELL:+46 (0)70-123.45/67\r\n"
            "TEL;HOME:\r\n"
            "END:VCARD\r\n"
            "begin:vcard\nversion:3.0\nFN:Bo\n  Ek\nitem1.TEL;TYPE=work:12345678901234567\nTEL:*31#\nTEL:08-12\nEND:VCARD\n"
            "BEGIN:VCARD\nVERSION:4.0\nFN:Caf\xC3\xA9 \\, Bar\nTEL;VALUE=uri;TYPE=\"voice,cell\":tel:+1-555-0100;ext=7\n"
            "END:VCARD\n"
            "BEGIN:VCARD\nVERSION:3.0\nFN:Nobody\nEND:VCARD\n";
        write(QStringLiteral("c.vcf"), cards);
        const Result r = vire({QStringLiteral("import"), QStringLiteral("a.bin"), QStringLiteral("c.vcf"),
                               QStringLiteral("-o"), QStringLiteral("b.bin")});
        QCOMPARE(r.status, 0);
        for (const QString &warning : {QStringLiteral("c.vcf:6: warning: card \"\u00c5sa Str\u00f6m\": number \"\" is empty; skipped"),
                                       QStringLiteral("c.vcf:12: warning: card \"Bo Ek\": number \"12345678901234567\" has more than 16 digits; skipped"),
                                       QStringLiteral("c.vcf:13: warning: card \"Bo Ek\": number \"*31#\" holds characters other than digits; skipped"),
                                       QStringLiteral("c.vcf:21: warning: card \"Nobody\" has no telephone number; skipped"),
                                       QStringLiteral("c.vcf: summary: added 3 entries, skipped 4; the phone book holds 3 of 2,032 entries")})
            QVERIFY2(r.err.contains(warning), qPrintable(r.err));
        QCOMPARE(exportCsv(QStringLiteral("b.bin")), Header + DefaultSpecials
                                                         + "0015550100,\"Caf\xC3\xA9 , Bar\",0,0,0,0,0\r\n"
                                                           "0046701234567,\xC3\x85sa Str\xC3\xB6m,0,0,0,0,0\r\n"
                                                           "0812,Bo Ek,0,0,0,0,0\r\n");
    }

    void filesFromOtherPrograms()
    {
        write(QStringLiteral("a.bin"), image({}));
        auto utf16 = [](const QString &text, bool le) {
            QByteArray out = le ? "\xFF\xFE" : "\xFE\xFF";
            for (QChar c : text) {
                const char lo = char(c.unicode() & 0xFF), hi = char(c.unicode() >> 8);
                out.append(le ? lo : hi).append(le ? hi : lo);
            }
            return out;
        };
        const QString polish = QStringLiteral("number,name\r\n+48 22 123 45 67,\u0141ukasz \u017b\u00f3\u0142w\r\n"
                                              "0701,\u5c71\u7530 \U0001F600\r\n");
        const struct
        {
            const char *name;
            QByteArray bytes;
            QByteArray rows;       // the user rows exported afterwards
            QStringList warnings;
        } files[] = {
            // vCard 2.1 as Outlook writes it: Windows-1252 without CHARSET, quoted-printable, a card of ORG only.
            {"outlook.vcf",
             "BEGIN:VCARD\r\nVERSION:2.1\r\nN:Str\xF6m;\xC5sa\r\nFN:\xC5sa Str\xF6m\r\n"
             "TEL;WORK;VOICE:+46 (0)8 123 456 78\r\nEND:VCARD\r\n"
             "BEGIN:VCARD\r\nVERSION:2.1\r\nN;ENCODING=QUOTED-PRINTABLE:M=E4rta;B=\r\no\r\nTEL;CELL:070-123 45 67\r\n"
             "END:VCARD\r\nBEGIN:VCARD\r\nVERSION:3.0\r\nORG:Evolution AB;Sales\r\nTEL:08/1234\r\nEND:VCARD\r\n",
             "0046812345678,\xC3\x85sa Str\xC3\xB6m,0,0,0,0,0\r\n0701234567,Bo M\xC3\xA4rta,0,0,0,0,0\r\n"
             "081234,Evolution AB,0,0,0,0,0\r\n",
             {"outlook.vcf: summary: read as windows-1252, guessed; --encoding to change; added 3 entries"}},
            {"le.csv", utf16(polish, true),
             // Han in pinyin where ICU is built in.
             "0048221234567,Lukasz Z\xC3\xB3lw,0,0,0,0,0\r\n0701," + QByteArray(cp1252::transliterates() ? "Shan Tian" : "??")
                 + ",0,0,0,0,0\r\n",
             {QStringLiteral("le.csv:2: warning: name \"\u0141ukasz \u017b\u00f3\u0142w\" stored as \"Lukasz Z\u00f3lw\""),
              QStringLiteral("le.csv:3: warning: name \"\u5c71\u7530 \U0001F600\" stored as \"%1\"")
                  .arg(cp1252::transliterates() ? "Shan Tian" : "??")}},
            {"be.vcf", utf16(QStringLiteral("BEGIN:VCARD\nVERSION:3.0\nFN:\u0141ukasz\nTEL:+48221234567\nEND:VCARD\n"), false),
             "0048221234567,Lukasz,0,0,0,0,0\r\n", {}},
            // Google Contacts, current and legacy: several numbers in one cell.
            {"google.csv",
             "First Name,Middle Name,Last Name,Phonetic First Name,Organization Name,Phone 1 - Label,Phone 1 - Value,"
             "Phone 2 - Label,Phone 2 - Value\n"
             "Anna,M,Berg,,,Mobile,+46 70 111 22 33 ::: 08-555 12,Home,\n"
             ",,,,Acme,Work,031-12 34 56,,\n"
             "Nils,,,,,,,,\n",
             "0046701112233,Anna M Berg,0,0,0,0,0\r\n031123456,Acme,0,0,0,0,0\r\n0855512,Anna M Berg,0,0,0,0,0\r\n",
             {"google.csv:4: warning: entry \"Nils\" has no telephone number; skipped"}},
            {"legacy.csv",
             "Name,Given Name,Additional Name,Family Name,Phone 1 - Type,Phone 1 - Value\nBo Ek,Bo,,Ek,Mobile,0702\n",
             "0702,Bo Ek,0,0,0,0,0\r\n", {}},
            {"outlook-en.csv",
             "\"Title\",\"First Name\",\"Middle Name\",\"Last Name\",\"Suffix\",\"Company\",\"Business Fax\","
             "\"Business Phone\",\"Home Phone\",\"Mobile Phone\"\r\n"
             "\"\",\"Eva\",\"\",\"Lind\",\"\",\"\",\"0811\",\"08-22\",\"\",\"0733\"\r\n",
             "0733,Eva Lind,0,0,0,0,0\r\n0822,Eva Lind,0,0,0,0,0\r\n", {}},
            // Excel's "CSV (semicolon)" on a Swedish Windows: Windows-1252, empty fields at the ends of rows.
            {"outlook-sv.csv",
             "F\xF6rnamn;Mellannamn;Efternamn;F\xF6retag;Fax arbete;Telefon arbete;Mobiltelefon\r\n"
             ";;;Sm\xE5land AB;0811;;0470-123;;\r\n",
             "0470123,Sm\xC3\xA5land AB,0,0,0,0,0\r\n",
             {"outlook-sv.csv: summary: read as windows-1252, guessed; --encoding to change; added 1 entry"}},

            {"excel.csv", "number;name;sound;sbit1;;\r\n070 1;S\xF6" "der;1;1;;\r\n;;;;;\r\n",
             "0701,S\xC3\xB6" "der,1,1,0,0,0\r\n", {}},
        };
        for (const auto &f : files) {
            write(QLatin1String(f.name), f.bytes);
            const Result r = vire({"import", "a.bin", QLatin1String(f.name), "-o", "b.bin"});
            QVERIFY2(r.status == 0, qPrintable(r.err));
            QCOMPARE(exportCsv(QStringLiteral("b.bin")), Header + DefaultSpecials + f.rows);
            for (const QString &w : f.warnings)
                QVERIFY2(r.err.contains(w), qPrintable(f.name + QLatin1String(": ") + r.err));
        }

        // Outlook on a Russian Windows: windows-1251, told from the names. Slovak
        // in windows-1250 reads as well as Lithuanian in windows-1257: refused, unless stated.
        if (!cp1252::transliterates())
            return;
        write(QStringLiteral("ru.csv"), "First Name,Last Name,Mobile Phone\r\n\xC8\xE2\xE0\xED,\xCF\xE5\xF2\xF0\xEE\xE2,0701\r\n");
        Result r = vire({"import", "a.bin", "ru.csv", "--dry-run"});
        QVERIFY2(r.err.contains(QStringLiteral("ru.csv:2: warning: name \"\u0418\u0432\u0430\u043d \u041f\u0435\u0442\u0440\u043e\u0432\" "
                                              "stored as \"Ivan Petrov\"")) && r.err.contains(QLatin1String(
                     "summary: dry run: read as Outlook, English; read as windows-1251, guessed; --encoding to change")),
                 qPrintable(r.err));
        write(QStringLiteral("sk.csv"), "First Name,Last Name,Mobile Phone\r\nJ\xE1n,Kov\xE1\xE8,0701\r\n");
        r = vire({"import", "a.bin", "sk.csv", "-o", "b.bin"});
        QCOMPARE(r.status, 2);
        QVERIFY2(r.err.contains(QLatin1String("sk.csv:2: error: not UTF-8, and the code page cannot be told")), qPrintable(r.err));
        r = vire({"import", "a.bin", "sk.csv", "--encoding", "windows-1250", "-o", "b.bin"});
        QCOMPARE(r.status, 0);
        QVERIFY2(r.err.contains(QLatin1String("sk.csv: summary: read as windows-1250; added 1 entry")), qPrintable(r.err));
        QCOMPARE(exportCsv(QStringLiteral("b.bin")), Header + DefaultSpecials + "0701,J\xC3\xA1n Kov\xC3\xA1" "c,0,0,0,0,0\r\n");
        // Stated for a vCard: a property's own CHARSET still applies; UTF-16 is read whole.
        write(QStringLiteral("ru.vcf"), "BEGIN:VCARD\r\nVERSION:2.1\r\nN:\xCF\xE5\xF2\xF0\xEE\xE2;\xC8\xE2\xE0\xED\r\n"
                                        "ORG;CHARSET=UTF-8:\xC3\x85\r\nTEL:0702\r\nEND:VCARD\r\n");
        write(QStringLiteral("le.vcf"), QByteArray("B\0E\0G\0I\0N\0:\0V\0C\0A\0R\0D\0\n\0F\0N\0:\0\xC5\0\n\0T\0E\0L\0:\0"
                                                   "0\0007\0000\0003\0\n\0E\0N\0D\0:\0V\0C\0A\0R\0D\0\n\0", 72));
        for (const char *file : {"ru.vcf", "le.vcf"}) {
            r = vire({"import", "a.bin", file, "--encoding", file[0] == 'r' ? "windows-1251" : "UTF-16LE", "--dry-run"});
            QVERIFY2(r.status == 0 && r.err.contains(QLatin1String("added 1 entry")), qPrintable(r.err));
        }
        QVERIFY2(r.err.contains(QLatin1String("summary: dry run: read as UTF-16LE; added 1 entry")), qPrintable(r.err));
        // For a program that reads only windows-1251: what it cannot hold is "?".
        r = vire({"export", "b.bin", "--encoding", "windows-1251"});
        QCOMPARE(r.status, 0);
        QCOMPARE(r.out, Header + "_HiddenNumber,Dolt nummer,0,0,0,0,0\r\n_UnknownNumber,Ok?nt nummer,0,0,0,0,0\r\n"
                                 "0701,J?n Kov?c,0,0,0,0,0\r\n");
        QVERIFY2(r.err.contains(QLatin1String("warning: 3 character(s) that windows-1251 cannot hold written as \"?\"")),
                 qPrintable(r.err));
    }

    void skippedRowsAndSummaries()
    {
        write(QStringLiteral("a.bin"), image({record("555", "Office", 0)}));
        const QByteArray book = read(QStringLiteral("a.bin"));
        write(QStringLiteral("rows.csv"), "number,name,sound,sbit1\n12a,x,0,0\n1,x,8,0\n2,x,0,2\n+46 (0)8 12,y,1,1\n"
                                          "3,z,0,0,,\n4,w,0,0,9\n");
        // Adding: the bad rows are skipped and named, the rest land.
        Result r = vire({"import", "a.bin", "rows.csv", "-o", "b.bin"});
        QCOMPARE(r.status, 0);
        for (const char *w : {"rows.csv:2: warning: entry \"x\": number \"12a\" holds characters other than digits; skipped",
                              "rows.csv:3: warning: entry \"x\": sound \"8\" is not 0 to 7; skipped",
                              "rows.csv:7: warning: row has 5 fields, the header 4; skipped",
                              "rows.csv: summary: added 2 entries, skipped 4; the phone book holds 3 of 2,032 entries\n"})
            QVERIFY2(r.err.contains(QLatin1String(w)), qPrintable(r.err));
        QVERIFY(r.err.endsWith(QLatin1String("entries\n")));
        QCOMPARE(exportCsv(QStringLiteral("b.bin")), Header + DefaultSpecials + "0046812,y,1,1,0,0,0\r\n3,z,0,0,0,0,0\r\n"
                                                                                "555,Office,0,0,0,0,0\r\n");

        // A dry run says the same and writes nothing, not even a missing output.
        r = vire({"import", "a.bin", "rows.csv", "--dry-run"});
        QCOMPARE(r.status, 0);
        QVERIFY(r.err.endsWith(QLatin1String("rows.csv: summary: dry run: added 2 entries, skipped 4; the phone book "
                                             "holds 3 of 2,032 entries; nothing written\n")));
        QCOMPARE(read(QStringLiteral("a.bin")), book);

        // Replacing: a number that is not digits is kept as written; a broken row is an error.
        write(QStringLiteral("kept.csv"), "number,name\n12a,x\n,blank\n");
        r = vire({"import", "a.bin", "kept.csv", "--replace", "-o", "c.bin"});
        QCOMPARE(r.status, 0);
        QVERIFY(r.err.contains(QLatin1String("kept.csv:2: warning: entry \"x\": number \"12a\" holds characters other "
                                             "than digits; kept as written")));
        QCOMPARE(exportCsv(QStringLiteral("c.bin")), Header + DefaultSpecials + ",blank,0,0,0,0,0\r\n12a,x,0,0,0,0,0\r\n");
        r = vire({"import", "a.bin", "rows.csv", "--replace", "-o", "d.bin"});
        QCOMPARE(r.status, 2);
        QVERIFY(!exists(QStringLiteral("d.bin")));

        // Nothing to add: said so, and the image is not written over itself.
        write(QStringLiteral("none.vcf"), "BEGIN:VCARD\nFN:Nobody\nEND:VCARD\n");
        r = vire({"import", "c.bin", "none.vcf", "-o", "c.bin"});
        QCOMPARE(r.status, 0);
        QVERIFY2(r.err.endsWith(QLatin1String("none.vcf: summary: added 0 entries, skipped 1; the phone book holds 2 of "
                                              "2,032 entries; the image is unchanged; not rewritten\n")),
                 qPrintable(r.err));
    }

    // A source of no contacts refuses --replace and changes nothing when adding; a dry run names the layout read.
    void emptySourcesAndLayouts()
    {
        write(QStringLiteral("a.bin"), image({record("555", "Office", 0)}));
        write(QStringLiteral("empty.vcf"), "\r\n");
        Result r = vire({"import", "a.bin", "empty.vcf", "--replace", "-o", "b.bin"});
        QCOMPARE(r.status, 2);
        QVERIFY2(r.err.contains(QLatin1String("empty.vcf: error: holds no contacts; nothing was replaced")), qPrintable(r.err));
        QVERIFY(!exists(QStringLiteral("b.bin")));
        r = vire({"import", "a.bin", "empty.vcf", "-o", "a.bin"});
        QCOMPARE(r.status, 0);
        QVERIFY2(r.err.contains(QLatin1String("empty.vcf: warning: holds no contacts; the image is unchanged")), qPrintable(r.err));

        write(QStringLiteral("sv.csv"), "F\xF6rnamn;Efternamn;Arbete;Fax arbete\r\n\xC5sa;Str\xF6m;08-123;08-124\r\n");
        r = vire({"import", "a.bin", "sv.csv", "--dry-run"});
        QCOMPARE(r.status, 0);
        QVERIFY2(r.err.endsWith(QLatin1String("sv.csv: summary: dry run: read as Outlook, Swedish; read as windows-1252, "
                                              "guessed; --encoding to change; added 1 entry, skipped 0, "
                                              "left out 1 fax number; the phone book holds 2 of 2,032 entries; nothing "
                                              "written\n")),
                 qPrintable(r.err));
    }

    void diff()
    {
        write(QStringLiteral("a.bin"),
              image({record("555", "Office", 0x93), record("12", "x", 0), record("12", "y", 0), record("9", "gone", 0)}));
        write(QStringLiteral("same.bin"),
              image({record("9", "gone", 0), record("12", "x", 0), record("12", "y", 0), record("555", "Office", 0x93)}));
        QByteArray b = image({record("555", "Home", 0x13), record("12", "x", 0), record("77", "new", 1)});
        b.replace(48, 14, QByteArray("Secret").leftJustified(14, ' '));
        b.replace(2 * 65536, 16, QByteArray("ring").leftJustified(16, ' '));
        b[2 * 65536 + 16] = 1;
        b[2 * 65536 + 65535] = 2;
        write(QStringLiteral("b.bin"), b);

        Result r = vire({QStringLiteral("diff"), QStringLiteral("a.bin"), QStringLiteral("same.bin")});
        QCOMPARE(r.status, 0);
        QVERIFY(r.out.isEmpty());

        r = vire({QStringLiteral("diff"), QStringLiteral("a.bin"), QStringLiteral("b.bin")});
        QCOMPARE(r.status, 1);
        QCOMPARE(QString::fromUtf8(r.out).split(QLatin1Char('\n'), Qt::SkipEmptyParts),
                 QStringList({"removed \"12\" \"y\" flags 0x00",
                              "changed \"555\": name \"Office\" -> \"Home\", flags 0x93 -> 0x13",
                              "added \"77\" \"new\" flags 0x01",
                              "removed \"9\" \"gone\" flags 0x00",
                              "changed _HiddenNumber: name \"Dolt nummer\" -> \"Secret\"",
                              "changed sound 2 name: \"(empty)\" -> \"ring\"",
                              "changed sound 2 samples: 2 of 65,520 bytes differ"}));

        write(QStringLiteral("bad.bin"), QByteArray(ImageSize, 'x'));
        r = vire({QStringLiteral("diff"), QStringLiteral("a.bin"), QStringLiteral("bad.bin")});
        QCOMPARE(r.status, 2);
        QVERIFY(r.err.startsWith(QLatin1String("bad.bin: error: not an image of the VIRE family")));
    }

    void soundImportAndExport()
    {
        using namespace wavefiles;
        QByteArray fb = image({record("555", "Office", 0)});
        fb.replace(3 * 65536 + 16, 65520, QByteArray(65520, char(0x55)));
        write(QStringLiteral("a.bin"), fb);
        const QByteArray samples = pattern(1000);
        write(QStringLiteral("Doorbell ring.wav"), riff(chunk("fmt ", fmtBody()) + chunk("data", samples)));

        Result r = vire({QStringLiteral("sound-import"), QStringLiteral("a.bin"), QStringLiteral("3"),
                         QStringLiteral("Doorbell ring.wav"), QStringLiteral("-o"), QStringLiteral("b.bin")});
        QCOMPARE(r.status, 0);
        const QByteArray b = read(QStringLiteral("b.bin"));
        QCOMPARE(b.mid(3 * 65536, 16), QByteArray("Doorbell ring   "));
        QCOMPARE(b.mid(3 * 65536 + 16, 1000), samples);
        QCOMPARE(b.mid(3 * 65536 + 1016, 64520), QByteArray(64520, char(0x55)));   // the older sound's tail stays
        QCOMPARE(b.mid(512, 65536 - 512), fb.mid(512, 65536 - 512));

        r = vire({QStringLiteral("sound-export"), QStringLiteral("b.bin"), QStringLiteral("3"), QStringLiteral("s.wav"),
                  QStringLiteral("--rate"), QStringLiteral("11025")});
        QCOMPARE(r.status, 0);
        const QByteArray wav = read(QStringLiteral("s.wav"));
        QCOMPARE(wav, riff(chunk("fmt ", fmtBody(1, 11025, 8)) + chunk("data", b.mid(3 * 65536 + 16, 65520))));

        // The exported bank moves into another image unchanged, under the file's name.
        r = vire({QStringLiteral("sound-import"), QStringLiteral("b.bin"), QStringLiteral("7"), QStringLiteral("s.wav"),
                  QStringLiteral("-o"), QStringLiteral("c.bin")});
        QCOMPARE(r.status, 0);
        const QByteArray c = read(QStringLiteral("c.bin"));
        QCOMPARE(c.mid(7 * 65536, 65536), QByteArray("s               ") + b.mid(3 * 65536 + 16, 65520));

        r = vire({QStringLiteral("sound-export"), QStringLiteral("b.bin"), QStringLiteral("1"), QStringLiteral("d.wav")});
        QCOMPARE(r.status, 0);
        QCOMPARE(read(QStringLiteral("d.wav")).mid(24, 4), le32(8000));
    }

    void badInput()
    {
        using namespace wavefiles;
        write(QStringLiteral("a.bin"), image({record("555", "Office", 0)}));
        write(QStringLiteral("zero.bin"), QByteArray(ImageSize, '\0'));
        write(QStringLiteral("big.bin"), image({}, 2033));
        write(QStringLiteral("nonumber.csv"), "name,sound\nx,1\n");
        write(QStringLiteral("quote.csv"), "number,name\n1,ok\n2,\"open\n3,x\n");
        write(QStringLiteral("wide.csv"), "number,name\n1,a\n2,b,c\n");
        write(QStringLiteral("values.csv"), "number,name,sound,sbit1\n12a,x,0,0\n1,x,8,0\n2,x,0,2\n3,\xD0\x96uk,0,0\n"
                                            "4,\xF0\x9F\x98\x80,0,0\n");
        write(QStringLiteral("open.vcf"), "BEGIN:VCARD\nFN:A\nTEL:1\nEND:VCARD\nBEGIN:VCARD\nFN:B\nTEL:2\n");
        write(QStringLiteral("alike.csv"), "First Name,Home Phone,Vorname,Telefon privat\nA,1,B,2\n");
        write(QStringLiteral("notriff.wav"), "RIFX and so on");
        write(QStringLiteral("\u0416.wav"), riff(chunk("data", "abc")));
        QByteArray many = "number\n";
        for (int i = 0; i < 2032; ++i)
            many += QByteArray::number(i) + '\n';
        write(QStringLiteral("many.csv"), many);
        QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("folder")));
        const QString fifo = specialFile();
        QVERIFY(!fifo.isEmpty());
        const bool fifoListed = QFileInfo(path(fifo)).exists();
        write(QStringLiteral("keep.bin"), "old");

        const struct
        {
            QStringList args;
            QString message;
        } cases[] = {
            {{"import", "zero.bin", "nonumber.csv", "-o", "keep.bin"}, "zero.bin: error: not an image of the VIRE family"},
            {{"import", "big.bin", "nonumber.csv", "-o", "keep.bin"},
             "big.bin: error: the image claims 2,033 entries; its phone book holds at most 2,032"},
            {{"import", "missing.bin", "nonumber.csv", "-o", "keep.bin"}, "missing.bin: error: " + notFoundText()},
            {{"info", fifo}, fifo + ": error: not a regular file"},
            {{"import", "a.bin", "nonumber.csv", "-o", "keep.bin"},
             "nonumber.csv:1: error: the header names neither our columns (number,name,sound,sbit1,sbit2,sbit3,sbit4; "
             "only \"number\" is required) nor the name and telephone columns of a Google Contacts, Outlook or Thunderbird "
             "export; export "
             "the contacts as vCard (.vcf) from the other program, which is read too"},
            {{"import", "a.bin", "quote.csv", "-o", "keep.bin"}, "quote.csv:3: error: quote opened here is never closed"},
            {{"import", "a.bin", "wide.csv", "--replace", "-o", "keep.bin"}, "wide.csv:3: error: row has 3 fields, the header 2"},
            {{"import", "a.bin", "values.csv", "--replace", "-o", "keep.bin"},
             "values.csv:3: error: entry \"x\": sound \"8\" is not 0 to 7"},
            {{"import", "a.bin", "values.csv", "--replace", "-o", "keep.bin"},
             "values.csv:4: error: entry \"x\": sbit1 \"2\" is not 0 or 1"},
            {{"import", "a.bin", "values.csv", "--replace", "-o", "keep.bin"}, "values.csv: error: 2 error(s); nothing written"},
            {{"import", "a.bin", "open.vcf", "-o", "keep.bin"}, "open.vcf:5: error: card has no END:VCARD"},
            {{"import", "a.bin", "many.csv", "-o", "keep.bin"},
             "many.csv: error: the phone book would hold 2,033 entries; the image has room for 2,032 (2,031 of the "
             "file's 2,032 entries fit); nothing written"},
            {{"import", "a.bin", fifo, "-o", "keep.bin"}, fifo + ": error: not a regular file"},
            {{"sound-import", "a.bin", "0", "notriff.wav", "-o", "keep.bin"}, "bank \"0\" is not 1 to 7"},
            {{"sound-export", "a.bin", "8", "keep.bin"}, "bank \"8\" is not 1 to 7"},
            {{"sound-import", "a.bin", "1", "notriff.wav", "-o", "keep.bin"},
             "notriff.wav: error: Not a valid wav file (not starting with RIFF)"},
            {{"sound-import", "a.bin", "1", fifo, "-o", "keep.bin"}, fifo + ": error: not a regular file"},
            {{"sound-export", "a.bin", "1", "a.bin"}, "a.bin: error: is the same file as the input a.bin"},
            {{"sound-export", "a.bin", "1", "keep.bin", "--rate", "0"}, "rate \"0\" is not 1 to 2147483647 Hz"},
            {{"export", "a.bin", "-o", "folder"}, "folder: error: not a regular file"},
            {{"export", "a.bin", "-o", fifo}, fifo + ": error: not a regular file"},
            {{"export", "a.bin", "--format", "xml"}, "format \"xml\" is not csv, vcard, xlsx or ods"},
            {{"import", "a.bin", "values.csv", "--encoding", "cp-none", "-o", "keep.bin"},
             "--encoding: no code page is named \"cp-none\""},
            {{"import", "a.bin", "alike.csv", "-o", "keep.bin"},
             "alike.csv:1: error: the header reads as Outlook, English and as Outlook, German alike, each placing its "
             "columns in its own way; columns not placed: Vorname, Telefon privat; export the contacts as vCard"},
        };
        for (const auto &c : cases) {
            const Result r = vire(c.args);
            const QByteArray what = c.args.join(QLatin1Char(' ')).toUtf8();
            QVERIFY2(r.status == 2, what.constData());
            QVERIFY2(r.err.contains(c.message), qPrintable(c.args.join(QLatin1Char(' ')) + QLatin1String(" -> ") + r.err));
            QVERIFY2(!r.err.contains(QLatin1String("VireError")), qPrintable(r.err));
            QCOMPARE(read(QStringLiteral("keep.bin")), QByteArray("old"));
        }
        QCOMPARE(QFileInfo(path(fifo)).exists(), fifoListed);
        QVERIFY(QFileInfo(path(QStringLiteral("folder"))).isDir());
    }

    void namesAndOutputsOverInputs()
    {
        using namespace wavefiles;
        const QByteArray a = image({record("555", "Office", 0)}), csv = Header + "777,New,0,0,0,0,0\r\n",
                         wav = riff(chunk("data", "abc"));
        write(QStringLiteral("a.bin"), a);
        write(QStringLiteral("c.csv"), csv);
        write(QStringLiteral("w.wav"), wav);
        QVERIFY(otherName(path(QStringLiteral("a.bin")), path(QStringLiteral("link.bin"))));

        namesThatAreNotText(a);

        const QList<QStringList> refused = {{"export", "a.bin", "-o", "a.bin"}, {"export", "a.bin", "-o", "link.bin"},
                                            {"import", "a.bin", "c.csv", "-o", "c.csv"},
                                            {"sound-import", "a.bin", "1", "w.wav", "-o", "w.wav"},
                                            {"sound-export", "link.bin", "1", "a.bin"}};
        for (const QStringList &args : refused) {
            const Result r = vire(args);
            QCOMPARE(r.status, 2);
            QVERIFY2(r.err.contains(QLatin1String("is the same file as the input")), qPrintable(r.err));
        }
        QCOMPARE(read(QStringLiteral("a.bin")), a);
        QCOMPARE(read(QStringLiteral("c.csv")), csv);
        QCOMPARE(read(QStringLiteral("w.wav")), wav);

        // An image written over the image it edits is an edit.
        QCOMPARE(vire({"import", "a.bin", "c.csv", "-o", "link.bin"}).status, 0);
        QVERIFY(exportCsv(QStringLiteral("a.bin")).contains("777,New"));
        QVERIFY(isOtherName(path(QStringLiteral("link.bin"))));
    }

    // The cases that need the system's own means (other users, owners,
    // file-size limits, names that are not text): test_cli_unix.cpp and
    // test_cli_win.cpp.
    void readOnlyFilesStayReadOnly();
    void ownersAndLimits();

    void roundTrips()
    {
        // A full book with every flag combination but bit 3, made through the tool itself.
        QByteArray csv = Header + "_HiddenNumber,Secret,5,1,0,1,0\r\n_UnknownNumber,Who?,0,0,1,0,1\r\n";
        for (int i = 0; i < 2032; ++i)
            csv += QByteArray::number(100000 + i * 7 % 2032) + ",Name \xC3\xA9 " + QByteArray::number(i) + ','
                + QByteArray::number(i % 8) + ',' + QByteArray::number(i >> 3 & 1) + ',' + QByteArray::number(i >> 4 & 1)
                + ',' + QByteArray::number(i >> 5 & 1) + ',' + QByteArray::number(i >> 6 & 1) + "\r\n";
        write(QStringLiteral("full.csv"), csv);
        QCOMPARE(vire({"new", "-o", "empty.bin"}).status, 0);
        QCOMPARE(vire({"import", "empty.bin", "full.csv", "--replace", "-o", "full.bin"}).status, 0);

        for (const char *format : {"csv", "vcard"}) {
            const Result r = vire({"export", "full.bin", "--format", format, "-o", "out.txt"});
            QCOMPARE(r.status, 0);
            QCOMPARE(vire({"import", "empty.bin", "out.txt", "--replace", "-o", "again.bin"}).status, 0);
            if (qstrcmp(format, "csv") == 0) {
                QCOMPARE(read(QStringLiteral("again.bin")), read(QStringLiteral("full.bin")));
            } else {
                // vCard carries numbers and names only.
                const Result d = vire({"diff", "full.bin", "again.bin"});
                QCOMPARE(d.status, 1);
                for (const QByteArray &line : d.out.split('\n')) {
                    if (line.startsWith("changed \""))
                        QVERIFY2(!line.contains("name"), line.constData());
                    else
                        QVERIFY2(line.isEmpty() || line.startsWith("changed _"), line.constData());
                }
            }
        }

        // Bit 3 is the only thing an image loses on the way through CSV.
        QByteArray withBit3 = read(QStringLiteral("full.bin"));
        withBit3[512 + 30] = char(withBit3.at(512 + 30) | 0x08);
        withBit3[62] = char(withBit3.at(62) | 0x08);
        write(QStringLiteral("bit3.bin"), withBit3);
        QCOMPARE(vire({"export", "bit3.bin", "-o", "bit3.csv"}).status, 0);
        QCOMPARE(read(QStringLiteral("bit3.csv")), exportCsv(QStringLiteral("full.bin")));
        QCOMPARE(vire({"import", "bit3.bin", "bit3.csv", "--replace", "-o", "bit3.bin"}).status, 0);
        QCOMPARE(read(QStringLiteral("bit3.bin")), read(QStringLiteral("full.bin")));

        // Numbers the window cannot type and names with control characters, as the decoder reads them.
        write(QStringLiteral("odd.bin"), image({record("", "a\rb", 0x15), record("_x1", "c\nd", 0x40),
                                                record(QByteArray("1\0" "2", 3), QByteArray("\0x\x81 ;,\\", 8), 0x30),
                                                record("5", " \t\"q\"", 0x07)}));
        write(QStringLiteral("nothing.csv"), "number\n");
        QCOMPARE(vire({"import", "odd.bin", "nothing.csv", "-o", "saved.bin"}).status, 0);   // as the editor saves it
        for (const char *format : {"csv", "vcard"}) {
            QCOMPARE(vire({"export", "saved.bin", "--format", format, "-o", "odd.txt"}).status, 0);
            const Result r = vire({"import", "saved.bin", "odd.txt", "--replace", "-o", "again.bin"});
            QVERIFY2(r.status == 0, qPrintable(r.err));
            const Result d = vire({"diff", "saved.bin", "again.bin"});
            if (qstrcmp(format, "csv") == 0)
                QCOMPARE(read(QStringLiteral("again.bin")), read(QStringLiteral("saved.bin")));
            else
                QVERIFY2(!d.out.contains("name") && !d.out.contains("added"), d.out.constData());
        }
    }
};

