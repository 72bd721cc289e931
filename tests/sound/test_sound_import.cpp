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

// An image whose every byte is known and non-zero, so any stray write shows.
const QByteArray Busy = pattern(FlashImage::Size, 77);

} // namespace

class TestSoundImport : public QObject
{
    Q_OBJECT

private slots:
    // Each bank's sample area runs from 16 bytes in to the bank's end, the last
    // bank's to the image's last byte. A shorter sound keeps the older tail; an empty one writes nothing.
    void copiesAtMostTheSampleArea_data()
    {
        QTest::addColumn<int>("bank");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("length");
        QTest::newRow("bank 3, a long sound") << 3 << 0x30010 << 100000;
        QTest::newRow("bank 7, one byte over") << 7 << 0x70010 << Area + 1;
        QTest::newRow("bank 1, one byte over") << 1 << 0x10010 << Area + 1;
        QTest::newRow("bank 2, a shorter sound") << 2 << 0x20010 << 1000;
        QTest::newRow("bank 2, an empty sound") << 2 << 0x20010 << 0;
    }

    void copiesAtMostTheSampleArea()
    {
        QFETCH(int, bank);
        QFETCH(int, start);
        QFETCH(int, length);
        FlashImage fb(Busy);
        const QByteArray sound = pattern(length, bank);
        QCOMPARE(importWave(fb, bank, m_dir.write("long.wav", wave(sound))), QStringLiteral("long").leftJustified(16));
        QCOMPARE(start + Area, bank == 7 ? FlashImage::Size : (bank + 1) * 0x10000);
        // Only the sample area moved, as far as the sound goes: not the bank's name, not its neighbours.
        QCOMPARE(fb.bytes(), Busy.left(start) + sound.left(Area) + Busy.mid(start + qMin(length, Area)));
    }

    // The last four characters go, whatever they are; four or fewer stay; the
    // folder's own dots play no part.
    void namesTheBankAfterTheFile_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("name");
        QTest::newRow("no extension") << "sounds/abcde" << "a";
        QTest::newRow("four characters") << "my.sounds/tone" << "tone";
        QTest::newRow("beyond ASCII") << QStringLiteral("sounds/Klingel Öl.wav") << QStringLiteral("Klingel Öl");
        QTest::newRow(".wav") << "ring.wav" << "ring";
        QTest::newRow(".wave") << "beep.wave" << "beep.";
        QTest::newRow("four characters, dotted") << "a.wa" << "a.wa";
        // A 20-character name left after the cut keeps only its first 16.
        QTest::newRow("long") << "ABCDEFGHIJKLMNOPQRST.wav" << "ABCDEFGHIJKLMNOP";
    }

    void namesTheBankAfterTheFile()
    {
        QFETCH(QString, file);
        QFETCH(QString, name);
        const QString path = m_dir.write(file, wave(pattern(10)));
        QCOMPARE(soundNameForPath(path), name.leftJustified(16));   // padded with spaces
        FlashImage fb;
        QCOMPARE(importWave(fb, 5, path), name.leftJustified(16));
    }

    // A bank outside 1..7 is refused before any file is touched; no failure changes a byte.
    void failureChangesNothing_data()
    {
        QTest::addColumn<int>("bank");
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("text");   // empty: the file layer's
        QTest::newRow("not RIFF") << 4 << m_dir.write("text.wav", "just some text, no RIFF here")
                                  << int(VireError::WaveFormat) << "Not a valid wav file (not starting with RIFF)";
        QTest::newRow("no data") << 4 << m_dir.write("nodata.wav", riff(chunk("fmt ", fmtBody())))
                                 << int(VireError::WaveFormat) << "No samples found in file";
        QTest::newRow("overflow") << 4 << m_dir.write("overflow.wav", riff(chunk("data", 0x80000000u, pattern(10))))
                                  << int(VireError::Overflow) << "Overflow";
        QTest::newRow("missing") << 4 << m_dir.path("missing.wav") << int(VireError::FileAccess) << QString();
        const QString good = m_dir.write("good.wav", wave(pattern(100)));
        for (int bank : {0, 8, -1})
            QTest::addRow("bank %d", bank) << bank << good << int(VireError::SubscriptOutOfRange) << QString();
    }

    void failureChangesNothing()
    {
        QFETCH(int, bank);
        QFETCH(QString, path);
        QFETCH(int, number);
        QFETCH(QString, text);
        FlashImage fb(Busy);
        const Thrown failure = thrown([&] { importWave(fb, bank, path); });
        QCOMPARE(failure.number, number);
        if (!text.isEmpty())
            QCOMPARE(failure.text, text);
        QVERIFY(fb.bytes() == Busy);
    }

private:
    Folder m_dir;
};

QTEST_APPLESS_MAIN(TestSoundImport)
#include "test_sound_import.moc"
