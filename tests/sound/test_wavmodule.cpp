#include "tests/common/OpenFiles.h"
#include "tests/sound/ProcessProbes.h"
#include "problem/Problem.h"
#include "tests/sound/WaveFiles.h"
#include "sound/wavmodule.h"

#include <QDir>
#include <QtTest>

using namespace wavefiles;

namespace {

struct Outcome
{
    bool ok = false;
    int number = 0;
    QString text, file;
    QByteArray samples;
};

Outcome load(const QString &path, qint64 maxBytes = wavmodule::NoLimit)
{
    Outcome out;
    try {
        wavmodule::loadWave(path, out.samples, maxBytes);
        out.ok = true;
    } catch (const VireError &e) {
        out.number = e.number();
        out.text = e.problem().detail;
        out.file = e.problem().file;
    }
    return out;
}

const QString NotRiff = QStringLiteral("Not a valid wav file (not starting with RIFF)");
const QString NoSamples = QStringLiteral("No samples found in file");

} // namespace

class TestWavModule : public QObject
{
    Q_OBJECT

private slots:
    void refusesWhatIsNotAWaveWithData();
    void refusesSizesOfTwoToTheThirtyFirst();
    void reportsTheFileLayersOwnError();
    void walksTheChunksInFileOrder();
    void returnsTheDataBytesUnconverted();
    void sizesTheResultByDeclarationAndLimit();
    void hugeDeclaredDataCostsOnlyTheLimit();
    void leavesNoFileOpen();
    void hugeSparseFileIsRefusedAtOnce();

private:
    QTemporaryDir m_dir;
};

void TestWavModule::refusesWhatIsNotAWaveWithData()
{
    const QByteArray fmt = chunk("fmt ", fmtBody());
    const QByteArray data = chunk("data", pattern(10));

    struct Case { const char *name; QByteArray bytes; QString text; };
    const Case cases[] = {
        {"lower-case riff", "riff" + le32(30) + "WAVE" + fmt + data, NotRiff},
        {"empty file", QByteArray(), NotRiff},
        {"three bytes", "RIF", NotRiff},
        {"header only", "RIFF" + le32(4) + "WAVE", NoSamples},
        {"ends after fmt", riff(fmt), NoSamples},
        {"ends after a partial id", riff(fmt + "da"), NoSamples},
        // A data id with its size cut short: no length to trust, so no samples.
        {"ends right after the data id", riff(fmt + "data"), NoSamples},
        {"ends inside the data size", riff(fmt + "data" + QByteArray("\x0a\x00", 2)), NoSamples},
        // The data chunk lies inside the LIST chunk's declared body, so the walk never sees it.
        {"chunk running past the end", riff(chunk("LIST", 1000, "INFO") + fmt + data), NoSamples},
        {"only unknown chunks", riff(chunk("LIST", "INFO") + fmt + chunk("fact", le32(10))), NoSamples},
        // The ids are compared case-sensitively, "DATA" is just another chunk.
        {"upper-case DATA", riff(fmt + chunk("DATA", pattern(10))), NoSamples},
    };
    for (const Case &c : cases) {
        const Outcome out = load(write(m_dir, QStringLiteral("refused.wav"), c.bytes));
        QVERIFY2(!out.ok, c.name);
        QCOMPARE(out.number, int(VireError::WaveFormat));
        QCOMPARE(out.text, c.text);
    }
}

void TestWavModule::refusesSizesOfTwoToTheThirtyFirst()
{
    const quint32 big = 0x80000000u;
    const QByteArray data = chunk("data", pattern(10));
    const QByteArray fmtRate = le16(1) + le16(1) + le32(big) + le32(8000) + le16(1) + le16(8);
    const QByteArray fmtByteRate = le16(1) + le16(1) + le32(8000) + le32(0xFFFFFFFFu) + le16(1) + le16(8);

    const QByteArray cases[] = {
        "RIFF" + le32(big) + "WAVE" + chunk("fmt ", fmtBody()) + data,
        riff(chunk("LIST", big, "INFO") + data),
        riff(chunk("fmt ", big, fmtBody()) + data),
        riff(chunk("fmt ", fmtRate) + data),
        riff(chunk("fmt ", fmtByteRate) + data),
        riff(chunk("fmt ", fmtBody()) + chunk("data", 0xFFFFFFFFu, pattern(10))),
    };
    for (const QByteArray &bytes : cases) {
        const Outcome out = load(write(m_dir, QStringLiteral("overflow.wav"), bytes));
        QVERIFY(!out.ok);
        QCOMPARE(out.number, int(VireError::Overflow));
        QCOMPARE(out.text, QStringLiteral("Overflow"));
    }

    // 2^31 - 1 is still a size; the limit keeps it harmless.
    const Outcome largest = load(write(m_dir, QStringLiteral("largest.wav"),
                                       riff(chunk("data", 0x7FFFFFFFu, pattern(10)))), 16);
    QVERIFY(largest.ok);
    QCOMPARE(largest.samples, pattern(10) + QByteArray(6, '\0'));
}

void TestWavModule::reportsTheFileLayersOwnError()
{
    const QString missing = m_dir.filePath(QStringLiteral("missing.wav"));
    QFile probe(missing);
    QVERIFY(!probe.open(QIODevice::ReadOnly));
    Outcome out = load(missing);
    QVERIFY(!out.ok);
    QCOMPARE(out.number, int(VireError::FileAccess));
    QCOMPARE(out.file, missing);
    QCOMPARE(out.text, probe.errorString());

    // A folder opens on some systems but can never be read.
    out = load(m_dir.path());
    QVERIFY(!out.ok);
    QCOMPARE(out.number, int(VireError::FileAccess));
    QVERIFY(!out.text.isEmpty());

#ifdef Q_OS_LINUX
    // Opens fine, but its first read fails: an I/O error, not an end of file.
    out = load(QStringLiteral("/proc/self/mem"));
    QVERIFY(!out.ok);
    QCOMPARE(out.number, int(VireError::FileAccess));
    QVERIFY(!out.text.isEmpty());
#endif

    const QString locked = write(m_dir, QStringLiteral("locked.wav"), riff(chunk("data", pattern(4))));
    const LockedFile lock(locked);
    QVERIFY(lock.locked());
    QFile lockedProbe(locked);
    if (!lockedProbe.open(QIODevice::ReadOnly)) {   // permissions do not bind every user
        out = load(locked);
        QVERIFY(!out.ok);
        QCOMPARE(out.number, int(VireError::FileAccess));
        QCOMPARE(out.text,
                 QStringLiteral("Could not open %1: %2").arg(QDir::toNativeSeparators(locked), lockedProbe.errorString()));
    }
}

void TestWavModule::walksTheChunksInFileOrder()
{
    const QByteArray fmt = chunk("fmt ", fmtBody());
    const QByteArray list = chunk("LIST", "INFOISFT" + le32(4) + "test");
    const QByteArray data = chunk("data", pattern(100));

    // fmt of 18: the two bytes after the fields are skipped, and they look like
    // the start of a chunk id to catch a reader that stops at 16.
    const QByteArray fmt18 = chunk("fmt ", fmtBody() + "da");
    // fmt declaring 4: its 16 bytes of fields are consumed all the same.
    const QByteArray fmt4 = chunk("fmt ", 4, fmtBody());

    struct Case { const char *name; QByteArray bytes; };
    const Case cases[] = {
        {"fmt 16, data", riff(fmt + data)},
        {"form type other than WAVE", riff(fmt + data, "AVI ")},
        {"fmt 18", riff(fmt18 + data)},
        {"fmt declaring less than 16", riff(fmt4 + data)},
        {"LIST before fmt", riff(list + fmt + data)},
        {"LIST after fmt", riff(fmt + list + data)},
        {"no fmt at all", riff(data)},
        {"two fmt chunks", riff(fmt + fmt18 + data)},
        {"odd size, no pad byte", riff(fmt + chunk("junk", "abc") + data)},
        {"odd size, pad byte", riff(fmt + chunk("junk", "abc") + '\0' + data)},
        {"odd fmt, pad byte", riff(chunk("fmt ", fmtBody() + "x") + '\0' + data)},
        {"many chunks", riff(fmt + chunk("junk", "a").append('\0').repeated(500) + data)},
        {"empty chunk", riff(chunk("fact", QByteArray()) + data)},
        // Only "fmt " itself gets the 16-byte reading; "FMT " is skipped by its size.
        {"upper-case FMT", riff(chunk("FMT ", "abcd") + data)},
        {"first data ends the walk", riff(fmt + data + chunk("data", pattern(50, 9)))},
        {"RIFF size ignored", "RIFF" + le32(0) + "WAVE" + fmt + data},
        {"bytes after the data chunk", riff(fmt + data) + "trailing garbage"},
        {"as the writer makes it", wavmodule::makeWave(pattern(100), 11025)},
    };
    for (const Case &c : cases) {
        const Outcome out = load(write(m_dir, QStringLiteral("walk.wav"), c.bytes));
        QVERIFY2(out.ok, qPrintable(QStringLiteral("%1: %2").arg(QLatin1String(c.name), out.text)));
        QVERIFY2(out.samples == pattern(100), c.name);
    }
}

void TestWavModule::returnsTheDataBytesUnconverted()
{
    // Stereo 16-bit, with the bytes a converter would touch: signs, extremes, zeros.
    QByteArray frames;
    for (int v : {0x0000, 0x8000, 0x7FFF, 0xFFFF, 0x0080, 0x8001, 0x1234, 0xFEDC})
        frames += le16(quint16(v));
    frames += QByteArray("\x00\xff\x80\x7f", 4);

    const Outcome out = load(write(m_dir, QStringLiteral("stereo.wav"),
                                   riff(chunk("fmt ", fmtBody(2, 44100, 16)) + chunk("data", frames))));
    QVERIFY(out.ok);
    QCOMPARE(out.samples, frames);
}

void TestWavModule::sizesTheResultByDeclarationAndLimit()
{
    const QByteArray fmt = chunk("fmt ", fmtBody());

    // Declared 0: an empty sound, not a failure; what follows is not read.
    QByteArray samples = "stale";
    wavmodule::loadWave(write(m_dir, QStringLiteral("zero.wav"),
                              riff(fmt + chunk("data", QByteArray()) + "more")), samples);
    QVERIFY(samples.isEmpty());

    // The file ends right after the data chunk's size: nothing is missing yet.
    Outcome out = load(write(m_dir, QStringLiteral("bare.wav"), riff(fmt + chunk("data", QByteArray()))));
    QVERIFY(out.ok);
    QVERIFY(out.samples.isEmpty());

    // Declared 100, the file holds 40: what is missing reads as zero.
    const QString shortFile = write(m_dir, QStringLiteral("short.wav"),
                                    riff(fmt + chunk("data", 100, pattern(40))));
    out = load(shortFile);
    QVERIFY(out.ok);
    QCOMPARE(out.samples, pattern(40) + QByteArray(60, '\0'));
    out = load(shortFile, 50);
    QCOMPARE(out.samples, pattern(40) + QByteArray(10, '\0'));

    // A limit below the declared size cuts; one above changes nothing.
    const QString full = write(m_dir, QStringLiteral("full.wav"), riff(fmt + chunk("data", pattern(100))));
    QCOMPARE(load(full, 10).samples, pattern(10));
    QCOMPARE(load(full, 1000).samples, pattern(100));
    out = load(full, 0);
    QVERIFY(out.ok);
    QVERIFY(out.samples.isEmpty());

    // A failed load leaves the caller's array as it was.
    samples = "kept";
    QVERIFY_THROWS_EXCEPTION(VireError, wavmodule::loadWave(
        write(m_dir, QStringLiteral("nodata.wav"), riff(fmt)), samples));
    QCOMPARE(samples, QByteArray("kept"));
}

void TestWavModule::hugeDeclaredDataCostsOnlyTheLimit()
{
    const int limit = 65520;
    const QString path = write(m_dir, QStringLiteral("huge.wav"),
                               riff(chunk("fmt ", fmtBody()) + chunk("data", 2000000000u, pattern(3000))));
    const qint64 before = peakMemoryKiB();
    const Outcome out = load(path, limit);
    QVERIFY2(out.ok, qPrintable(out.text));
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

void TestWavModule::leavesNoFileOpen()
{
    if (openFiles(m_dir.path()) < 0)
        QSKIP("this system does not tell the files a process holds");
    const QByteArray fmt = chunk("fmt ", fmtBody());
    const QString paths[] = {
        write(m_dir, QStringLiteral("ok.wav"), riff(fmt + chunk("data", pattern(10)))),
        write(m_dir, QStringLiteral("notriff.wav"), "RIFX" + QByteArray(20, 'x')),
        write(m_dir, QStringLiteral("nosamples.wav"), riff(fmt)),
        write(m_dir, QStringLiteral("overflow.wav"), riff(chunk("LIST", 0x90000000u, "x"))),
        m_dir.path(),
        m_dir.filePath(QStringLiteral("missing.wav")),
        QStringLiteral("/proc/self/mem"),
    };
    const int before = openFiles(m_dir.path());
    for (const QString &path : paths) {
        load(path);
        QCOMPARE(openFiles(m_dir.path()), before);
    }
}

void TestWavModule::hugeSparseFileIsRefusedAtOnce()
{
    // 64 GiB of zeros after the header: zero-sized chunks with empty ids all
    // the way, which only a bound on the walk ends soon.
    const QString path = write(m_dir, QStringLiteral("sparse.wav"), "RIFF" + le32(0) + "WAVE");
    QVERIFY(QFile::resize(path, qint64(64) << 30));
    const Outcome out = load(path);
    QCOMPARE(out.text, NoSamples);
    // Also with chunks that each skip 2 GiB: every skip is a seek.
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadWrite) && f.seek(12));
    for (int i = 0; i < 40; ++i)
        QVERIFY(f.seek(12 + i * (qint64(0x7FFFFFF0) + 8)) && f.write(chunk("JUNK", 0x7FFFFFF0, {})) == 8);
    f.close();
    QCOMPARE(load(path).text, NoSamples);
}

QTEST_APPLESS_MAIN(TestWavModule)
#include "test_wavmodule.moc"
