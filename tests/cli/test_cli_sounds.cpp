// Sounds into a bank and out of it.
#include "tests/cli/test_cli.h"

#include "tests/common/WaveFiles.h"

using namespace wavefiles;

void TestCli::soundImport()
{
    CliFolder d;
    QByteArray fb = image({record("555", "Office")});
    fb.replace(3 * BankSize + 16, 65520, QByteArray(65520, char(0x55)));
    d.write("a.bin", fb);
    const QByteArray samples = pattern(1000);
    d.write("Doorbell ring.wav", wave(samples));
    const Result r = d.vire({"sound-import", "a.bin", "3", "Doorbell ring.wav", "-o", "b.bin"});
    QCOMPARE(r.status, 0);
    const QByteArray b = d.read("b.bin");
    QCOMPARE(b.mid(3 * BankSize, 16), QByteArray("Doorbell ring   "));
    QCOMPARE(b.mid(3 * BankSize + 16, 1000), samples);
    QCOMPARE(b.mid(3 * BankSize + 1016, 64520), QByteArray(64520, char(0x55)));   // the older sound's tail stays
    QCOMPARE(b.mid(512, BankSize - 512), fb.mid(512, BankSize - 512));
}

// A bank out as a wave, and the wave into another bank unchanged, under the file's name.
void TestCli::soundExport_data()
{
    QTest::addColumn<int>("bank");
    QTest::addColumn<QStringList>("rate");
    QTest::addColumn<quint32>("hertz");
    QTest::newRow("rate given") << 3 << QStringList{"--rate", "11025"} << 11025u;
    QTest::newRow("rate left out") << 3 << QStringList() << 8000u;
    QTest::newRow("first bank into the last") << 1 << QStringList() << 8000u;
}

void TestCli::soundExport()
{
    QFETCH(int, bank);
    QFETCH(QStringList, rate);
    QFETCH(quint32, hertz);
    CliFolder d;
    QByteArray fb = image({});
    fb.replace(bank * BankSize + 16, 65520, pattern(65520, bank));
    d.write("a.bin", fb);
    QCOMPARE(d.vire(QStringList{"sound-export", "a.bin", QString::number(bank), "s.wav"} + rate).status, 0);
    QCOMPARE(d.read("s.wav"), riff(chunk("fmt ", fmtBody(1, hertz, 8)) + chunk("data", pattern(65520, bank))));
    const int other = 8 - bank;
    QCOMPARE(d.vire({"sound-import", "a.bin", QString::number(other), "s.wav", "-o", "c.bin"}).status, 0);
    QCOMPARE(d.read("c.bin").mid(other * BankSize, BankSize), QByteArray("s               ") + pattern(65520, bank));
}
