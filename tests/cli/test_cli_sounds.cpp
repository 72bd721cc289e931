// Sounds out of a bank and into one.
#include "tests/cli/test_cli.h"

#include "tests/common/WaveFiles.h"

using namespace wavefiles;

void TestCli::sounds_data()
{
    QTest::addColumn<int>("bank");
    QTest::addColumn<QStringList>("rate");   // 8,000 Hz when left out
    QTest::newRow("rate given") << 3 << QStringList{"--rate", "11025"};
    QTest::newRow("rate left out") << 3 << QStringList();
    QTest::newRow("first bank, into the last") << 1 << QStringList();
    QTest::newRow("last bank, into the first") << 7 << QStringList();
}

// A bank out as a wave; a wave into another bank under the file's name, the
// rest of the image as it was: the exported bank unchanged, a shorter sound
// over the older sound's tail.
void TestCli::sounds()
{
    QFETCH(int, bank);
    QFETCH(QStringList, rate);
    const int other = 8 - bank;
    CliFolder d;
    QByteArray fb = image({record("555", "Office")});
    fb.replace(bank * BankSize + 16, 65520, pattern(65520, bank));
    fb.replace(other * BankSize + 16, 65520, QByteArray(65520, char(0x55)));
    d.write("a.bin", fb);
    QCOMPARE(d.vire(QStringList{"sound-export", "a.bin", QString::number(bank), "s.wav"} + rate).status, 0);
    const quint32 hertz = rate.isEmpty() ? 8000 : rate.value(1).toUInt();
    QCOMPARE(d.read("s.wav"), riff(chunk("fmt ", fmtBody(1, hertz, 8)) + chunk("data", pattern(65520, bank))));
    const QList<QPair<QString, QByteArray>> imports{{"s", pattern(65520, bank)}, {"Doorbell ring", pattern(1000)}};
    d.write("Doorbell ring.wav", wave(imports[1].second));
    for (const auto &[name, samples] : imports) {
        QByteArray want = fb;
        want.replace(other * BankSize, 16 + samples.size(), name.toLatin1().leftJustified(16, ' ') + samples);
        QCOMPARE(d.vire({"sound-import", "a.bin", QString::number(other), name + ".wav", "-o", "b.bin"}).status, 0);
        QCOMPARE(d.read("b.bin"), want);
    }
}
