#include "image/FlashImage.h"
#include "image/Layout.h"
#include "sound/SoundImport.h"
#include "problem/Problem.h"
#include "tests/sound/WaveFiles.h"

#include <QtTest>

using namespace wavefiles;

namespace {

constexpr int Area = layout::SampleAreaSize;

QByteArray wave(const QByteArray &samples)
{
    return riff(chunk("fmt ", fmtBody()) + chunk("data", samples));
}

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
    void copiesAtMostTheSampleArea();
    void shorterSoundKeepsTheOlderTail();
    void lastBankEndsAtTheLastByte();
    void namesTheBankAfterTheFile();
    void failureChangesNothing();

private:
    QTemporaryDir m_dir;
};

void TestSoundImport::copiesAtMostTheSampleArea()
{
    FlashImage fb = busyImage();
    const QByteArray before = fb.bytes();
    const QByteArray sound = pattern(100000, 3);

    const QString name = importWave(fb, 3, write(m_dir, QStringLiteral("long.wav"), wave(sound)));
    QCOMPARE(name, QStringLiteral("long") + blanks(12));

    QCOMPARE(sampleArea(fb, 3), sound.left(Area));
    // Only the sample area moved: not the bank's name, not its neighbours.
    const qsizetype start = layout::bankOffset(3) + layout::SampleAreaOffset;
    QCOMPARE(fb.bytes().left(start), before.left(start));
    QCOMPARE(fb.bytes().mid(start + Area), before.mid(start + Area));
}

void TestSoundImport::shorterSoundKeepsTheOlderTail()
{
    FlashImage fb;
    const QByteArray older = pattern(100000, 11);
    const QByteArray newer = pattern(1000, 200);
    importWave(fb, 2, write(m_dir, QStringLiteral("older.wav"), wave(older)));
    importWave(fb, 2, write(m_dir, QStringLiteral("newer.wav"), wave(newer)));

    const QByteArray area = sampleArea(fb, 2);
    QCOMPARE(area.left(1000), newer);
    QCOMPARE(area.mid(1000), older.mid(1000, Area - 1000));

    // An empty sound writes nothing at all.
    importWave(fb, 2, write(m_dir, QStringLiteral("empty.wav"), wave(QByteArray())));
    QCOMPARE(sampleArea(fb, 2), area);
}

void TestSoundImport::lastBankEndsAtTheLastByte()
{
    FlashImage fb = busyImage();
    const QByteArray before = fb.bytes();
    const QByteArray sound = pattern(Area + 1, 42);
    importWave(fb, 7, write(m_dir, QStringLiteral("seven.wav"), wave(sound)));

    QCOMPARE(fb.at(0x70010), quint8(sound.at(0)));
    QCOMPARE(fb.at(FlashImage::Size - 1), quint8(sound.at(Area - 1)));
    QCOMPARE(fb.bytes().size(), qsizetype(FlashImage::Size));
    QCOMPARE(fb.bytes().left(0x70010), before.left(0x70010));

    importWave(fb, 1, write(m_dir, QStringLiteral("one.wav"), wave(sound)));
    QCOMPARE(fb.at(0x10010), quint8(sound.at(0)));
    QCOMPARE(fb.at(0x1FFFF), quint8(sound.at(Area - 1)));
    QCOMPARE(fb.at(0x1000F), quint8(before.at(0x1000F)));
    QCOMPARE(fb.at(0x20000), quint8(before.at(0x20000)));
}

void TestSoundImport::namesTheBankAfterTheFile()
{
    // The last four characters go, whatever they are; four or fewer stay; the
    // folder's own dots play no part.
    QCOMPARE(soundNameForPath(QStringLiteral("/sounds/abcde")), QStringLiteral("a") + blanks(15));
    QCOMPARE(soundNameForPath(QStringLiteral("/my.sounds/tone")), QStringLiteral("tone") + blanks(12));
    QCOMPARE(soundNameForPath(QStringLiteral("/sounds/Klingel Öl.wav")), QStringLiteral("Klingel Öl") + blanks(6));

    // A 20-character name left after the cut keeps only its first 16.
    FlashImage fb;
    const QByteArray bytes = wave(pattern(10));
    const struct { const char *file; QString name; } cases[] = {
        {"ring.wav", QStringLiteral("ring") + blanks(12)},
        {"beep.wave", QStringLiteral("beep.") + blanks(11)},
        {"a.wa", QStringLiteral("a.wa") + blanks(12)},
        {"ABCDEFGHIJKLMNOPQRST.wav", QStringLiteral("ABCDEFGHIJKLMNOP")},
    };
    for (const auto &c : cases) {
        const QString name = importWave(fb, 5, write(m_dir, QString::fromLatin1(c.file), bytes));
        QCOMPARE(name, c.name);
    }
}

void TestSoundImport::failureChangesNothing()
{
    FlashImage fb = busyImage();
    const QByteArray before = fb.bytes();

    struct Case { QString path; int number; QString text; };
    const Case cases[] = {
        {write(m_dir, QStringLiteral("text.wav"), "just some text, no RIFF here"), VireError::WaveFormat,
         QStringLiteral("Not a valid wav file (not starting with RIFF)")},
        {write(m_dir, QStringLiteral("nodata.wav"), riff(chunk("fmt ", fmtBody()))), VireError::WaveFormat,
         QStringLiteral("No samples found in file")},
        {write(m_dir, QStringLiteral("overflow.wav"), riff(chunk("data", 0x80000000u, pattern(10)))),
         VireError::Overflow, QStringLiteral("Overflow")},
        {m_dir.filePath(QStringLiteral("missing.wav")), VireError::FileAccess, QString()},
    };
    for (const Case &c : cases) {
        try {
            importWave(fb, 4, c.path);
            QFAIL(qPrintable(QStringLiteral("imported %1").arg(c.path)));
        } catch (const VireError &e) {
            QCOMPARE(e.number(), c.number);
            if (!c.text.isEmpty())
                QCOMPARE(e.problem().detail, c.text);
        }
        QVERIFY(fb.bytes() == before);
    }

    // A bank outside 1..7 is refused before any file is touched.
    const QString good = write(m_dir, QStringLiteral("good.wav"), wave(pattern(100)));
    for (int bank : {0, 8, -1}) {
        try {
            importWave(fb, bank, good);
            QFAIL("imported into a bank that does not exist");
        } catch (const VireError &e) {
            QCOMPARE(e.number(), int(VireError::SubscriptOutOfRange));
        }
        QVERIFY(fb.bytes() == before);
    }
}

QTEST_APPLESS_MAIN(TestSoundImport)
#include "test_sound_import.moc"
