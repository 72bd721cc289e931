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
}

void TestCli::newWritesTheDefaultImage()
{
    CliFolder d;
    QCOMPARE(d.vire({"new", "-o", "new.bin"}).status, 0);
    QCOMPARE(d.read("new.bin"), defaultImage());
    QVERIFY(d.vire({"info", "new.bin"}).out.contains("Beyond the count: no records"));
}

// diff a.bin b.bin, or info b.bin: the status, the lines of the output, how the messages start.
void TestCli::reports_data()
{
    QTest::addColumn<QByteArray>("other");
    QTest::addColumn<QString>("command");
    QTest::addColumn<int>("status");
    QTest::addColumn<QStringList>("out");
    QTest::addColumn<QString>("err");
    QByteArray changed = image({record("555", "Home", 0x13), record("12", "x"), record("77", "new", 1)}, -1, {"(empty)", "ring"});
    changed.replace(48, 14, QByteArray("Secret").leftJustified(14, ' '));
    changed[2 * BankSize + 16] = 1;
    changed[3 * BankSize - 1] = 2;
    QTest::newRow("same, in another order")
        << image({record("9", "gone"), record("12", "x"), record("12", "y"), record("555", "Office", 0x93)}) << "diff" << 0
        << QStringList() << QString();
    QTest::newRow("changed") << changed << "diff" << 1
                             << QStringList{"removed \"12\" \"y\" flags 0x00",
                                            "changed \"555\": name \"Office\" -> \"Home\", flags 0x93 -> 0x13",
                                            "added \"77\" \"new\" flags 0x01",
                                            "removed \"9\" \"gone\" flags 0x00",
                                            "changed _HiddenNumber: name \"Dolt nummer\" -> \"Secret\"",
                                            "changed sound 2 name: \"(empty)\" -> \"ring\"",
                                            "changed sound 2 samples: 2 of 65,520 bytes differ"}
                             << QString();
    QTest::newRow("not an image") << QByteArray(Size, 'x') << "diff" << 2 << QStringList()
                                  << "b.bin: error: not an image of the VIRE family";

    // Two records beyond the count, as an earlier, longer book leaves them.
    QByteArray old = image({record("555", "Office", 0x93), record("1", "a"), record("2", "b"), record("3", "c")}, 2);
    old.replace(48, 14, QByteArray("Secret\x01").leftJustified(14, ' '));
    old[62] = char(0xA5);
    old.replace(3 * BankSize, 16, QByteArray("ring").leftJustified(16, ' '));
    QStringList info{"Image:           b.bin", "User entries:    2 of 2,032",
                     "_HiddenNumber:   \"Secret\\x01\", flags 0xA5 (sound 5, sbit1 1, sbit2 0, sbit3 1, sbit4 0)",
                     QStringLiteral("_UnknownNumber:  \"Ok\u00e4nt nummer\", flags 0x00 "
                                    "(sound 0, sbit1 0, sbit2 0, sbit3 0, sbit4 0)")};
    for (int k = 1; k <= 7; ++k)
        info << QStringLiteral("Sound %1:         \"%2\"").arg(k).arg(k == 3 ? "ring" : "(empty)");
    info << "Beyond the count: 2 record(s) left by an earlier, longer book (records 3 to 4)";
    QTest::newRow("info") << old << "info" << 0 << info << QString();
}

void TestCli::reports()
{
    QFETCH(QByteArray, other);
    QFETCH(QString, command);
    QFETCH(int, status);
    QFETCH(QStringList, out);
    QFETCH(QString, err);
    CliFolder d;
    d.write("a.bin", image({record("555", "Office", 0x93), record("12", "x"), record("12", "y"), record("9", "gone")}));
    d.write("b.bin", other);
    const Result r = d.vire(command == QLatin1String("info") ? QStringList{"info", "b.bin"}
                                                             : QStringList{"diff", "a.bin", "b.bin"});
    QCOMPARE(r.status, status);
    QCOMPARE(QString::fromUtf8(r.out).split(QLatin1Char('\n'), Qt::SkipEmptyParts), out);
    QVERIFY2(r.err.startsWith(err), qPrintable(r.err));
}
