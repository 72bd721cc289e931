#include "sound/wavmodule.h"
#include "tests/common/Files.h"
#include "tests/common/Thrown.h"
#include "tests/common/System.h"
#include "tests/common/WaveFiles.h"

#include <QtTest>

#include <optional>

using namespace wavefiles;

namespace {

struct Outcome : Thrown
{
    QByteArray samples;
    bool closed;   // as many files open after the load as before, or no way to tell
};

const QString NotRiff = QStringLiteral("Not a valid wav file (not starting with RIFF)");
const QString NoSamples = QStringLiteral("No samples found in file");
const QByteArray Fmt = chunk("fmt ", fmtBody());

void addRefusal(const char *tag, const QByteArray &bytes, const QString &text, int number = VireError::WaveFormat)
{
    QTest::newRow(tag) << bytes << number << text;
}

} // namespace

class TestWavModule : public QObject
{
    Q_OBJECT

private slots:
    void refuses_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("text");
        const QByteArray data = chunk("data", pattern(10));
        addRefusal("lower-case riff", "riff" + le32(30) + "WAVE" + Fmt + data, NotRiff);
        addRefusal("big-endian RIFX", "RIFX" + le32(30) + "WAVE" + Fmt + data, NotRiff);
        addRefusal("empty file", QByteArray(), NotRiff);
        addRefusal("three bytes", "RIF", NotRiff);
        addRefusal("header only", "RIFF" + le32(4) + "WAVE", NoSamples);
        addRefusal("ends after fmt", riff(Fmt), NoSamples);
        addRefusal("ends after a partial id", riff(Fmt + "da"), NoSamples);
        // A data id with its size cut short: no length to trust, so no samples.
        addRefusal("ends right after the data id", riff(Fmt + "data"), NoSamples);
        addRefusal("ends inside the data size", riff(Fmt + "data" + QByteArray("\x0a\x00", 2)), NoSamples);
        // The data chunk lies inside the LIST chunk's declared body, so the walk never sees it.
        addRefusal("chunk running past the end", riff(chunk("LIST", 1000, "INFO") + Fmt + data), NoSamples);
        addRefusal("only unknown chunks", riff(chunk("LIST", "INFO") + Fmt + chunk("fact", le32(10))), NoSamples);
        // The ids are compared case-sensitively, "DATA" is just another chunk.
        addRefusal("upper-case DATA", riff(Fmt + chunk("DATA", pattern(10))), NoSamples);
        // Sizes of 2^31 and more.
        const quint32 big = 0x80000000u;
        const auto overflow = [](const char *tag, const QByteArray &bytes) {
            addRefusal(tag, bytes, QStringLiteral("Overflow"), VireError::Overflow);
        };
        overflow("RIFF", "RIFF" + le32(big) + "WAVE" + Fmt + data);
        overflow("LIST", riff(chunk("LIST", big, "INFO") + data));
        overflow("fmt", riff(chunk("fmt ", big, fmtBody()) + data));
        overflow("rate", riff(chunk("fmt ", le16(1) + le16(1) + le32(big) + le32(8000) + le16(1) + le16(8)) + data));
        overflow("byte rate",
                 riff(chunk("fmt ", le16(1) + le16(1) + le32(8000) + le32(0xFFFFFFFFu) + le16(1) + le16(8)) + data));
        overflow("data", riff(Fmt + chunk("data", 0xFFFFFFFFu, pattern(10))));
    }

    void refuses()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, number);
        QFETCH(QString, text);
        const Outcome out = load(m_dir.write("refused.wav", bytes));
        QCOMPARE(out.number, number);
        QCOMPARE(out.text, text);
        QCOMPARE(out.samples, QByteArray("stale"));
        QVERIFY(out.closed);
    }

    void reportsTheFileLayersOwnError_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("namedAsQtNamesIt");
        QTest::addColumn<bool>("locked");
        QTest::newRow("missing") << m_dir.path("missing.wav") << true << false;
        // A folder opens on some systems but can never be read.
        QTest::newRow("folder") << m_dir.path() << false << false;
        // Opens fine, but its first read fails: an I/O error, not an end of file.
        QTest::newRow("read fails") << unreadableFile() << false << false;
        QTest::newRow("locked") << m_dir.write("locked.wav", riff(chunk("data", pattern(4)))) << true << true;
    }

    void reportsTheFileLayersOwnError()
    {
        QFETCH(QString, path);
        QFETCH(bool, namedAsQtNamesIt);
        QFETCH(bool, locked);
        if (path.isEmpty())
            QSKIP("this system has no file whose read fails");
        std::optional<LockedFile> lock;
        if (locked)
            QVERIFY(lock.emplace(path).locked());
        QFile probe(path);
        if (probe.open(QIODevice::ReadOnly) && locked)
            QSKIP("permissions do not bind this user");
        QVERIFY(!probe.isOpen() || !namedAsQtNamesIt);
        const Outcome out = load(path);
        QCOMPARE(out.number, int(VireError::FileAccess));
        QVERIFY(out.closed);
        QVERIFY(!out.text.isEmpty());
        if (namedAsQtNamesIt)
            QCOMPARE(out.text, QStringLiteral("Could not open %1: %2").arg(QDir::toNativeSeparators(path), probe.errorString()));
    }

    // The chunks are walked in file order to the first data chunk; its declared
    // size, the bytes in the file and the limit decide how many bytes come back.
    void returnsTheDataBytes_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<qint64>("limit");
        QTest::addColumn<QByteArray>("samples");
        const qint64 none = wavmodule::NoLimit;
        // Walks that all end at the same 100 bytes.
        const auto walk = [](const char *tag, const QByteArray &bytes) {
            QTest::newRow(tag) << bytes << wavmodule::NoLimit << pattern(100);
        };
        const QByteArray list = chunk("LIST", "INFOISFT" + le32(4) + "test");
        const QByteArray data = chunk("data", pattern(100));
        // fmt of 18: the two bytes after the fields are skipped, and they look like
        // the start of a chunk id to catch a reader that stops at 16.
        const QByteArray fmt18 = chunk("fmt ", fmtBody() + "da");
        walk("fmt 16, data", riff(Fmt + data));
        walk("form type other than WAVE", riff(Fmt + data, "AVI "));
        walk("fmt 18", riff(fmt18 + data));
        // fmt declaring 4: its 16 bytes of fields are consumed all the same.
        walk("fmt declaring less than 16", riff(chunk("fmt ", 4, fmtBody()) + data));
        walk("LIST before fmt", riff(list + Fmt + data));
        walk("LIST after fmt", riff(Fmt + list + data));
        walk("no fmt at all", riff(data));
        walk("two fmt chunks", riff(Fmt + fmt18 + data));
        walk("odd size, no pad byte", riff(Fmt + chunk("junk", "abc") + data));
        walk("odd size, pad byte", riff(Fmt + chunk("junk", "abc") + '\0' + data));
        walk("odd fmt, pad byte", riff(chunk("fmt ", fmtBody() + "x") + '\0' + data));
        walk("many chunks", riff(Fmt + chunk("junk", "a").append('\0').repeated(500) + data));
        walk("empty chunk", riff(chunk("fact", QByteArray()) + data));
        // Only "fmt " itself gets the 16-byte reading; "FMT " is skipped by its size.
        walk("upper-case FMT", riff(chunk("FMT ", "abcd") + data));
        walk("first data ends the walk", riff(Fmt + data + chunk("data", pattern(50, 9))));
        walk("RIFF size ignored", "RIFF" + le32(0) + "WAVE" + Fmt + data);
        walk("bytes after the data chunk", riff(Fmt + data) + "trailing garbage");
        walk("as the writer makes it", wavmodule::makeWave(pattern(100), 11025));
        // Stereo 16-bit, with the bytes a converter would touch: signs, extremes, zeros.
        QByteArray frames;
        for (int v : {0x0000, 0x8000, 0x7FFF, 0xFFFF, 0x0080, 0x8001, 0x1234, 0xFEDC})
            frames += le16(quint16(v));
        frames += QByteArray("\x00\xff\x80\x7f", 4);
        QTest::newRow("unconverted") << riff(chunk("fmt ", fmtBody(2, 44100, 16)) + chunk("data", frames)) << none << frames;
        // Declared 0: an empty sound, not a failure; what follows is not read.
        QTest::newRow("declared 0") << riff(Fmt + chunk("data", QByteArray()) + "more") << none << QByteArray();
        // The file ends right after the data chunk's size: nothing is missing yet.
        QTest::newRow("ends after the size") << riff(Fmt + chunk("data", QByteArray())) << none << QByteArray();
        // Declared 100, the file holds 40: what is missing reads as zero.
        const QByteArray shortFile = riff(Fmt + chunk("data", 100, pattern(40)));
        QTest::newRow("short file") << shortFile << none << pattern(40) + QByteArray(60, '\0');
        QTest::newRow("short file, limit") << shortFile << qint64(50) << pattern(40) + QByteArray(10, '\0');
        // A limit below the declared size cuts; one above changes nothing.
        const QByteArray full = riff(Fmt + chunk("data", pattern(100)));
        QTest::newRow("limit below") << full << qint64(10) << pattern(10);
        QTest::newRow("limit above") << full << qint64(1000) << pattern(100);
        QTest::newRow("limit 0") << full << qint64(0) << QByteArray();
        // 2^31 - 1 is still a size; the limit keeps it harmless.
        QTest::newRow("huge declared size") << riff(Fmt + chunk("data", 2000000000u, pattern(3000))) << qint64(65520)
                                            << pattern(3000) + QByteArray(65520 - 3000, '\0');
        QTest::newRow("largest size") << riff(chunk("data", 0x7FFFFFFFu, pattern(10))) << qint64(16)
                                      << pattern(10) + QByteArray(6, '\0');
    }

    void returnsTheDataBytes()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(qint64, limit);
        QFETCH(QByteArray, samples);
        const QString path = m_dir.write("data.wav", bytes);
        const qint64 before = peakMemoryKiB();
        const Outcome out = load(path, limit);
        const qint64 grown = peakMemoryKiB() - before;
        QVERIFY2(out.number == 0, qPrintable(out.text));
        QCOMPARE(out.samples, samples);
        QVERIFY(out.closed);
        // What the limit cuts costs nothing: a declared 2 GB would show at once.
        QVERIFY(out.samples.capacity() <= 2 * qMax(out.samples.size(), qsizetype(16)));
        QVERIFY2(before < 0 || grown < 32 * 1024, qPrintable(QStringLiteral("peak grew by %1 KiB").arg(grown)));
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
    // Into an array that holds bytes already: a load replaces them, a failure leaves them.
    Outcome load(const QString &path, qint64 maxBytes = wavmodule::NoLimit) const
    {
        QByteArray samples = "stale";
        const int before = openFiles(m_dir.path());
        const Thrown t = thrown([&] { wavmodule::loadWave(path, samples, maxBytes); });
        return {t, samples, before < 0 || openFiles(m_dir.path()) == before};
    }

    Folder m_dir;
};

QTEST_APPLESS_MAIN(TestWavModule)
#include "test_wavmodule.moc"
