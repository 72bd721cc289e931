// The commands on images themselves: help, new, info and diff.
#include "tests/cli/test_cli.h"

void TestCli::help()
{
    CliFolder d;
    Result r = d.vire({"--help"});
    QCOMPARE(r.status, 0);
    for (const char *command : {"new", "info", "export", "import", "diff", "sound-import", "sound-export"})
        QVERIFY2(r.out.contains(command), command);
    r = d.vire({"import", "--help"});
    QCOMPARE(r.status, 0);
    QVERIFY2(r.out.count('\n') <= 24, "import --help fits one screen");
    QVERIFY(r.out.startsWith("Usage: vire-image import IMAGE SOURCE... -o OUT [--sync | --replace] [--dry-run] [-v] [--user NAME]"));
    r = d.vire({"--version"});
    QCOMPARE(r.status, 0);
    QVERIFY(r.out.startsWith("vire-image "));
}

void TestCli::newWritesTheDefaultImage()
{
    CliFolder d;
    QCOMPARE(d.vire({"new", "-o", "new.bin"}).status, 0);
    QCOMPARE(d.read("new.bin"), defaultImage());
    QVERIFY(d.vire({"info", "new.bin"}).out.contains("Beyond the count: no records"));
}

void TestCli::info()
{
    CliFolder d;
    // Two records beyond the count, as an earlier, longer book leaves them.
    QByteArray fb = image({record("555", "Office", 0x93), record("1", "a"), record("2", "b"), record("3", "c")}, 2);
    fb.replace(48, 14, QByteArray("Secret\x01").leftJustified(14, ' '));
    fb[62] = char(0xA5);
    fb.replace(3 * BankSize, 16, QByteArray("ring").leftJustified(16, ' '));
    d.write("old.bin", fb);
    const Result r = d.vire({"info", "old.bin"});
    QCOMPARE(r.status, 0);
    const QString info = QString::fromUtf8(r.out);
    for (const QString &line : {QStringLiteral("User entries:    2 of 2,032"),
                                QStringLiteral("_HiddenNumber:   \"Secret\\x01\", flags 0xA5 (sound 5, sbit1 1, sbit2 0, sbit3 1, sbit4 0)"),
                                QStringLiteral("_UnknownNumber:  \"Ok\u00e4nt nummer\", flags 0x00"),
                                QStringLiteral("Sound 3:         \"ring\""),
                                QStringLiteral("Beyond the count: 2 record(s) left by an earlier, longer book (records 3 to 4)")})
        QVERIFY2(info.contains(line), qPrintable(info));
}

void TestCli::diff_data()
{
    QTest::addColumn<QByteArray>("other");
    QTest::addColumn<int>("status");
    QTest::addColumn<QStringList>("out");
    QTest::addColumn<QString>("err");
    QByteArray changed = image({record("555", "Home", 0x13), record("12", "x"), record("77", "new", 1)});
    changed.replace(48, 14, QByteArray("Secret").leftJustified(14, ' '));
    changed.replace(2 * BankSize, 16, QByteArray("ring").leftJustified(16, ' '));
    changed[2 * BankSize + 16] = 1;
    changed[3 * BankSize - 1] = 2;
    QTest::newRow("same, in another order")
        << image({record("9", "gone"), record("12", "x"), record("12", "y"), record("555", "Office", 0x93)}) << 0
        << QStringList() << QString();
    QTest::newRow("changed") << changed << 1
                             << QStringList{"removed \"12\" \"y\" flags 0x00",
                                            "changed \"555\": name \"Office\" -> \"Home\", flags 0x93 -> 0x13",
                                            "added \"77\" \"new\" flags 0x01",
                                            "removed \"9\" \"gone\" flags 0x00",
                                            "changed _HiddenNumber: name \"Dolt nummer\" -> \"Secret\"",
                                            "changed sound 2 name: \"(empty)\" -> \"ring\"",
                                            "changed sound 2 samples: 2 of 65,520 bytes differ"}
                             << QString();
    QTest::newRow("not an image") << QByteArray(Size, 'x') << 2 << QStringList()
                                  << "b.bin: error: not an image of the VIRE family";
}

void TestCli::diff()
{
    QFETCH(QByteArray, other);
    QFETCH(int, status);
    QFETCH(QStringList, out);
    QFETCH(QString, err);
    CliFolder d;
    d.write("a.bin", image({record("555", "Office", 0x93), record("12", "x"), record("12", "y"), record("9", "gone")}));
    d.write("b.bin", other);
    const Result r = d.vire({"diff", "a.bin", "b.bin"});
    QCOMPARE(r.status, status);
    QCOMPARE(QString::fromUtf8(r.out).split(QLatin1Char('\n'), Qt::SkipEmptyParts), out);
    QVERIFY2(r.err.startsWith(err), qPrintable(r.err));
}
