#include "sound/wavmodule.h"
#include "tests/common/Files.h"
#include "tests/common/Thrown.h"
#include "tests/common/System.h"
#include "tests/common/WaveFiles.h"

#include <QtTest>

using namespace wavefiles;

namespace {

struct Outcome : Thrown
{
    QByteArray samples;
    bool ok() const { return number == 0; }
};

Outcome load(const QString &path, qint64 maxBytes = wavmodule::NoLimit)
{
    QByteArray samples;
    return {thrown([&] { wavmodule::loadWave(path, samples, maxBytes); }), samples};
}

const QString NotRiff = QStringLiteral("Not a valid wav file (not starting with RIFF)");
const QString NoSamples = QStringLiteral("No samples found in file");
const QByteArray Fmt = chunk("fmt ", fmtBody());

} // namespace

class TestWavModule : public QObject
{
    Q_OBJECT

private slots:
    void refusesWhatIsNotAWaveWithData_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        const QByteArray data = chunk("data", pattern(10));
        QTest::newRow("lower-case riff") << "riff" + le32(30) + "WAVE" + Fmt + data << NotRiff;
        QTest::newRow("empty file") << QByteArray() << NotRiff;
        QTest::newRow("three bytes") << QByteArray("RIF") << NotRiff;
        QTest::newRow("header only") << "RIFF" + le32(4) + "WAVE" << NoSamples;
        QTest::newRow("ends after fmt") << riff(Fmt) << NoSamples;
        QTest::newRow("ends after a partial id") << riff(Fmt + "da") << NoSamples;
        // A data id with its size cut short: no length to trust, so no samples.
        QTest::newRow("ends right after the data id") << riff(Fmt + "data") << NoSamples;
        QTest::newRow("ends inside the data size") << riff(Fmt + "data" + QByteArray("\x0a\x00", 2)) << NoSamples;
        // The data chunk lies inside the LIST chunk's declared body, so the walk never sees it.
        QTest::newRow("chunk running past the end") << riff(chunk("LIST", 1000, "INFO") + Fmt + data) << NoSamples;
        QTest::newRow("only unknown chunks") << riff(chunk("LIST", "INFO") + Fmt + chunk("fact", le32(10))) << NoSamples;
        // The ids are compared case-sensitively, "DATA" is just another chunk.
        QTest::newRow("upper-case DATA") << riff(Fmt + chunk("DATA", pattern(10))) << NoSamples;
    }

    void refusesWhatIsNotAWaveWithData()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        const Outcome out = load(m_dir.write("refused.wav", bytes));
        QVERIFY(!out.ok());
        QCOMPARE(out.number, int(VireError::WaveFormat));
        QCOMPARE(out.text, text);
    }

    void refusesSizesOfTwoToTheThirtyFirst_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        const quint32 big = 0x80000000u;
        const QByteArray data = chunk("data", pattern(10));
        QTest::newRow("RIFF") << "RIFF" + le32(big) + "WAVE" + Fmt + data;
        QTest::newRow("LIST") << riff(chunk("LIST", big, "INFO") + data);
        QTest::newRow("fmt") << riff(chunk("fmt ", big, fmtBody()) + data);
        QTest::newRow("rate") << riff(chunk("fmt ", le16(1) + le16(1) + le32(big) + le32(8000) + le16(1) + le16(8)) + data);
        QTest::newRow("byte rate") << riff(chunk("fmt ", le16(1) + le16(1) + le32(8000) + le32(0xFFFFFFFFu) + le16(1) + le16(8)) + data);
        QTest::newRow("data") << riff(Fmt + chunk("data", 0xFFFFFFFFu, pattern(10)));
    }

    void refusesSizesOfTwoToTheThirtyFirst()
    {
        QFETCH(QByteArray, bytes);
        const Outcome out = load(m_dir.write("overflow.wav", bytes));
        QVERIFY(!out.ok());
        QCOMPARE(out.number, int(VireError::Overflow));
        QCOMPARE(out.text, QStringLiteral("Overflow"));
    }

    // 2^31 - 1 is still a size; the limit keeps it harmless.
    void largestSizeIsStillASize()
    {
        const Outcome largest = load(m_dir.write("largest.wav", riff(chunk("data", 0x7FFFFFFFu, pattern(10)))), 16);
        QVERIFY(largest.ok());
        QCOMPARE(largest.samples, pattern(10) + QByteArray(6, '\0'));
    }

    void reportsTheFileLayersOwnError_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("namedAsQtNamesIt");
        QTest::newRow("missing") << m_dir.path("missing.wav") << true;
        // A folder opens on some systems but can never be read.
        QTest::newRow("folder") << m_dir.path() << false;
        // Opens fine, but its first read fails: an I/O error, not an end of file.
        QTest::newRow("read fails") << unreadableFile() << false;
    }

    void reportsTheFileLayersOwnError()
    {
        QFETCH(QString, path);
        QFETCH(bool, namedAsQtNamesIt);
        if (path.isEmpty())
            QSKIP("this system has no file whose read fails");
        QFile probe(path);
        QVERIFY(!probe.open(QIODevice::ReadOnly) || !namedAsQtNamesIt);
        const Outcome out = load(path);
        QVERIFY(!out.ok());
        QCOMPARE(out.number, int(VireError::FileAccess));
        QVERIFY(!out.text.isEmpty());
        if (namedAsQtNamesIt)
            QCOMPARE(out.text, QStringLiteral("Could not open %1: %2").arg(QDir::toNativeSeparators(path), probe.errorString()));
    }

    void reportsALockedFile()
    {
        const QString locked = m_dir.write("locked.wav", riff(chunk("data", pattern(4))));
        const LockedFile lock(locked);
        QVERIFY(lock.locked());
        QFile probe(locked);
        if (probe.open(QIODevice::ReadOnly))
            QSKIP("permissions do not bind this user");
        const Outcome out = load(locked);
        QVERIFY(!out.ok());
        QCOMPARE(out.number, int(VireError::FileAccess));
        QCOMPARE(out.text, QStringLiteral("Could not open %1: %2").arg(QDir::toNativeSeparators(locked), probe.errorString()));
    }

    void walksTheChunksInFileOrder_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray list = chunk("LIST", "INFOISFT" + le32(4) + "test");
        const QByteArray data = chunk("data", pattern(100));
        // fmt of 18: the two bytes after the fields are skipped, and they look like
        // the start of a chunk id to catch a reader that stops at 16.
        const QByteArray fmt18 = chunk("fmt ", fmtBody() + "da");
        QTest::newRow("fmt 16, data") << riff(Fmt + data);
        QTest::newRow("form type other than WAVE") << riff(Fmt + data, "AVI ");
        QTest::newRow("fmt 18") << riff(fmt18 + data);
        // fmt declaring 4: its 16 bytes of fields are consumed all the same.
        QTest::newRow("fmt declaring less than 16") << riff(chunk("fmt ", 4, fmtBody()) + data);
        QTest::newRow("LIST before fmt") << riff(list + Fmt + data);
        QTest::newRow("LIST after fmt") << riff(Fmt + list + data);
        QTest::newRow("no fmt at all") << riff(data);
        QTest::newRow("two fmt chunks") << riff(Fmt + fmt18 + data);
        QTest::newRow("odd size, no pad byte") << riff(Fmt + chunk("junk", "abc") + data);
        QTest::newRow("odd size, pad byte") << riff(Fmt + chunk("junk", "abc") + '\0' + data);
        QTest::newRow("odd fmt, pad byte") << riff(chunk("fmt ", fmtBody() + "x") + '\0' + data);
        QTest::newRow("many chunks") << riff(Fmt + chunk("junk", "a").append('\0').repeated(500) + data);
        QTest::newRow("empty chunk") << riff(chunk("fact", QByteArray()) + data);
        // Only "fmt " itself gets the 16-byte reading; "FMT " is skipped by its size.
        QTest::newRow("upper-case FMT") << riff(chunk("FMT ", "abcd") + data);
        QTest::newRow("first data ends the walk") << riff(Fmt + data + chunk("data", pattern(50, 9)));
        QTest::newRow("RIFF size ignored") << "RIFF" + le32(0) + "WAVE" + Fmt + data;
        QTest::newRow("bytes after the data chunk") << riff(Fmt + data) + "trailing garbage";
        QTest::newRow("as the writer makes it") << wavmodule::makeWave(pattern(100), 11025);
    }

    void walksTheChunksInFileOrder()
    {
        QFETCH(QByteArray, bytes);
        const Outcome out = load(m_dir.write("walk.wav", bytes));
        QVERIFY2(out.ok(), qPrintable(out.text));
        QCOMPARE(out.samples, pattern(100));
    }

    void returnsTheDataBytesUnconverted()
    {
        // Stereo 16-bit, with the bytes a converter would touch: signs, extremes, zeros.
        QByteArray frames;
        for (int v : {0x0000, 0x8000, 0x7FFF, 0xFFFF, 0x0080, 0x8001, 0x1234, 0xFEDC})
            frames += le16(quint16(v));
        frames += QByteArray("\x00\xff\x80\x7f", 4);

        const Outcome out = load(m_dir.write("stereo.wav", riff(chunk("fmt ", fmtBody(2, 44100, 16)) + chunk("data", frames))));
        QVERIFY(out.ok());
        QCOMPARE(out.samples, frames);
    }

    void sizesTheResultByDeclarationAndLimit()
    {
        // Declared 0: an empty sound, not a failure; what follows is not read.
        QByteArray samples = "stale";
        wavmodule::loadWave(m_dir.write("zero.wav", riff(Fmt + chunk("data", QByteArray()) + "more")), samples);
        QVERIFY(samples.isEmpty());

        // The file ends right after the data chunk's size: nothing is missing yet.
        Outcome out = load(m_dir.write("bare.wav", riff(Fmt + chunk("data", QByteArray()))));
        QVERIFY(out.ok());
        QVERIFY(out.samples.isEmpty());

        // Declared 100, the file holds 40: what is missing reads as zero.
        const QString shortFile = m_dir.write("short.wav", riff(Fmt + chunk("data", 100, pattern(40))));
        out = load(shortFile);
        QVERIFY(out.ok());
        QCOMPARE(out.samples, pattern(40) + QByteArray(60, '\0'));
        out = load(shortFile, 50);
        QCOMPARE(out.samples, pattern(40) + QByteArray(10, '\0'));

        // A limit below the declared size cuts; one above changes nothing.
        const QString full = m_dir.write("full.wav", riff(Fmt + chunk("data", pattern(100))));
        QCOMPARE(load(full, 10).samples, pattern(10));
        QCOMPARE(load(full, 1000).samples, pattern(100));
        out = load(full, 0);
        QVERIFY(out.ok());
        QVERIFY(out.samples.isEmpty());

        // A failed load leaves the caller's array as it was.
        samples = "kept";
        QVERIFY(thrown([&] { wavmodule::loadWave(m_dir.write("nodata.wav", riff(Fmt)), samples); }).number != 0);
        QCOMPARE(samples, QByteArray("kept"));
    }

    void hugeDeclaredDataCostsOnlyTheLimit()
    {
        const int limit = 65520;
        const QString path = m_dir.write("huge.wav", riff(Fmt + chunk("data", 2000000000u, pattern(3000))));
        const qint64 before = peakMemoryKiB();
        const Outcome out = load(path, limit);
        QVERIFY2(out.ok(), qPrintable(out.text));
        QCOMPARE(out.samples.size(), qsizetype(limit));
        QVERIFY(out.samples.capacity() <= 2 * limit);
        QCOMPARE(out.samples.left(3000), pattern(3000));
        QCOMPARE(out.samples.mid(3000), QByteArray(limit - 3000, '\0'));
        // Anything near the declared 2 GB would show at once.
        const qint64 after = peakMemoryKiB();
        if (before < 0)
            QSKIP("this system does not tell a process's peak memory");
        QVERIFY2(after - before < 32 * 1024, qPrintable(QStringLiteral("peak grew by %1 KiB").arg(after - before)));
    }

    void leavesNoFileOpen_data()
    {
        QTest::addColumn<QString>("path");
        QTest::newRow("ok") << m_dir.write("ok.wav", riff(Fmt + chunk("data", pattern(10))));
        QTest::newRow("not RIFF") << m_dir.write("notriff.wav", "RIFX" + QByteArray(20, 'x'));
        QTest::newRow("no samples") << m_dir.write("nosamples.wav", riff(Fmt));
        QTest::newRow("overflow") << m_dir.write("overflow.wav", riff(chunk("LIST", 0x90000000u, "x")));
        QTest::newRow("folder") << m_dir.path();
        QTest::newRow("missing") << m_dir.path("missing.wav");
        QTest::newRow("read fails") << QStringLiteral("/proc/self/mem");
    }

    void leavesNoFileOpen()
    {
        QFETCH(QString, path);
        const int before = openFiles(m_dir.path());
        if (before < 0)
            QSKIP("this system does not tell the files a process holds");
        load(path);
        QCOMPARE(openFiles(m_dir.path()), before);
    }

    void hugeSparseFileIsRefusedAtOnce()
    {
        // 64 GiB of zeros after the header: zero-sized chunks with empty ids all
        // the way, which only a bound on the walk ends soon.
        const QString path = m_dir.write("sparse.wav", "RIFF" + le32(0) + "WAVE");
        QVERIFY(QFile::resize(path, qint64(64) << 30));
        QCOMPARE(load(path).text, NoSamples);
        // Also with chunks that each skip 2 GiB: every skip is a seek.
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadWrite) && f.seek(12));
        for (int i = 0; i < 40; ++i)
            QVERIFY(f.seek(12 + i * (qint64(0x7FFFFFF0) + 8)) && f.write(chunk("JUNK", 0x7FFFFFF0, {})) == 8);
        f.close();
        QCOMPARE(load(path).text, NoSamples);
    }

private:
    Folder m_dir;
};

QTEST_APPLESS_MAIN(TestWavModule)
#include "test_wavmodule.moc"
