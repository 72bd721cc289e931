#include "image/FlashImage.h"
#include "image/Layout.h"
#include "sound/SoundImport.h"
#include "tests/common/Files.h"
#include "tests/common/Thrown.h"
#include "tests/common/WaveFiles.h"

#include <QtTest>

using namespace wavefiles;

namespace {

constexpr int Area = layout::SampleAreaSize;

QByteArray sampleArea(const FlashImage &fb, int bank)
{
    return fb.bytes().mid(layout::bankOffset(bank) + layout::SampleAreaOffset, Area);
}

// An image whose every byte is known and non-zero, so any stray write shows.
FlashImage busyImage()
{
    FlashImage fb;
    fb.load(pattern(FlashImage::Size, 77));
    return fb;
}

QString blanks(int n)
{
    return QString(n, QLatin1Char(' '));
}

} // namespace

class TestSoundImport : public QObject
{
    Q_OBJECT

private slots:
    void copiesAtMostTheSampleArea()
    {
        FlashImage fb = busyImage();
        const QByteArray before = fb.bytes();
        const QByteArray sound = pattern(100000, 3);

        const QString name = importWave(fb, 3, m_dir.write("long.wav", wave(sound)));
        QCOMPARE(name, QStringLiteral("long") + blanks(12));

        QCOMPARE(sampleArea(fb, 3), sound.left(Area));
        // Only the sample area moved: not the bank's name, not its neighbours.
        const qsizetype start = layout::bankOffset(3) + layout::SampleAreaOffset;
        QCOMPARE(fb.bytes().left(start), before.left(start));
        QCOMPARE(fb.bytes().mid(start + Area), before.mid(start + Area));
    }

    void shorterSoundKeepsTheOlderTail()
    {
        FlashImage fb;
        const QByteArray older = pattern(100000, 11);
        const QByteArray newer = pattern(1000, 200);
        importWave(fb, 2, m_dir.write("older.wav", wave(older)));
        importWave(fb, 2, m_dir.write("newer.wav", wave(newer)));

        const QByteArray area = sampleArea(fb, 2);
        QCOMPARE(area.left(1000), newer);
        QCOMPARE(area.mid(1000), older.mid(1000, Area - 1000));

        // An empty sound writes nothing at all.
        importWave(fb, 2, m_dir.write("empty.wav", wave(QByteArray())));
        QCOMPARE(sampleArea(fb, 2), area);
    }

    void lastBankEndsAtTheLastByte()
    {
        FlashImage fb = busyImage();
        const QByteArray before = fb.bytes();
        const QByteArray sound = pattern(Area + 1, 42);
        importWave(fb, 7, m_dir.write("seven.wav", wave(sound)));

        QCOMPARE(fb.at(0x70010), quint8(sound.at(0)));
        QCOMPARE(fb.at(FlashImage::Size - 1), quint8(sound.at(Area - 1)));
        QCOMPARE(fb.bytes().size(), qsizetype(FlashImage::Size));
        QCOMPARE(fb.bytes().left(0x70010), before.left(0x70010));

        importWave(fb, 1, m_dir.write("one.wav", wave(sound)));
        QCOMPARE(fb.at(0x10010), quint8(sound.at(0)));
        QCOMPARE(fb.at(0x1FFFF), quint8(sound.at(Area - 1)));
        QCOMPARE(fb.at(0x1000F), quint8(before.at(0x1000F)));
        QCOMPARE(fb.at(0x20000), quint8(before.at(0x20000)));
    }

    // The last four characters go, whatever they are; four or fewer stay; the
    // folder's own dots play no part.
    void namesTheBankAfterThePath_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("name");
        QTest::newRow("no extension") << "/sounds/abcde" << "a" + blanks(15);
        QTest::newRow("four characters") << "/my.sounds/tone" << "tone" + blanks(12);
        QTest::newRow("beyond ASCII") << QStringLiteral("/sounds/Klingel Öl.wav") << QStringLiteral("Klingel Öl") + blanks(6);
    }

    void namesTheBankAfterThePath()
    {
        QFETCH(QString, path);
        QFETCH(QString, name);
        QCOMPARE(soundNameForPath(path), name);
    }

    void namesTheBankAfterTheFile_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("name");
        QTest::newRow(".wav") << "ring.wav" << "ring" + blanks(12);
        QTest::newRow(".wave") << "beep.wave" << "beep." + blanks(11);
        QTest::newRow("four characters") << "a.wa" << "a.wa" + blanks(12);
        // A 20-character name left after the cut keeps only its first 16.
        QTest::newRow("long") << "ABCDEFGHIJKLMNOPQRST.wav" << "ABCDEFGHIJKLMNOP";
    }

    void namesTheBankAfterTheFile()
    {
        QFETCH(QString, file);
        QFETCH(QString, name);
        FlashImage fb;
        QCOMPARE(importWave(fb, 5, m_dir.write(file, wave(pattern(10)))), name);
    }

    void failureChangesNothing_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("text");   // empty: the file layer's
        QTest::newRow("not RIFF") << m_dir.write("text.wav", "just some text, no RIFF here") << int(VireError::WaveFormat)
                                  << "Not a valid wav file (not starting with RIFF)";
        QTest::newRow("no data") << m_dir.write("nodata.wav", riff(chunk("fmt ", fmtBody()))) << int(VireError::WaveFormat)
                                 << "No samples found in file";
        QTest::newRow("overflow") << m_dir.write("overflow.wav", riff(chunk("data", 0x80000000u, pattern(10))))
                                  << int(VireError::Overflow) << "Overflow";
        QTest::newRow("missing") << m_dir.path("missing.wav") << int(VireError::FileAccess) << QString();
    }

    void failureChangesNothing()
    {
        QFETCH(QString, path);
        QFETCH(int, number);
        QFETCH(QString, text);
        FlashImage fb = busyImage();
        const QByteArray before = fb.bytes();
        const Thrown failure = thrown([&] { importWave(fb, 4, path); });
        QCOMPARE(failure.number, number);
        if (!text.isEmpty())
            QCOMPARE(failure.text, text);
        QVERIFY(fb.bytes() == before);
    }

    // A bank outside 1..7 is refused before any file is touched.
    void refusesBanksThatDoNotExist_data()
    {
        QTest::addColumn<int>("bank");
        QTest::newRow("0") << 0;
        QTest::newRow("8") << 8;
        QTest::newRow("-1") << -1;
    }

    void refusesBanksThatDoNotExist()
    {
        QFETCH(int, bank);
        FlashImage fb = busyImage();
        const QByteArray before = fb.bytes();
        QCOMPARE(thrown([&] { importWave(fb, bank, m_dir.write("good.wav", wave(pattern(100)))); }).number,
                 int(VireError::SubscriptOutOfRange));
        QVERIFY(fb.bytes() == before);
    }

private:
    Folder m_dir;
};

QTEST_APPLESS_MAIN(TestSoundImport)
#include "test_sound_import.moc"
