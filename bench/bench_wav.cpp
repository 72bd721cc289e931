// Importing a sound from a WAV file whose data chunk is 500 MB against one of
// 1 KB. The import reads no more than a bank holds, so both should cost about
// the same in time and memory. The large file is sparse: only the first bytes
// of a data chunk are ever read, so holes cost the reader nothing extra.
#include "image/FlashImage.h"
#include "image/Layout.h"
#include "sound/SoundImport.h"
#include "sound/wavmodule.h"

#include <benchmark/benchmark.h>

#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>

#include <sys/resource.h>

#include <cstdio>
#include <cstdlib>

namespace {

constexpr qint64 SmallData = 1000;
constexpr qint64 BankData = layout::SampleAreaSize;
constexpr qint64 LargeData = 500000000;

QByteArray le32(quint32 v)
{
    QByteArray out(4, '\0');
    qToLittleEndian(v, out.data());
    return out;
}

// A plain 8-bit mono WAV whose data chunk holds dataSize bytes.
QString makeWave(const QTemporaryDir &dir, const char *name, qint64 dataSize)
{
    const QByteArray fmt = QByteArray::fromHex("0100" "0100" "401f0000" "401f0000" "0100" "0800");
    QByteArray head = "RIFF" + le32(quint32(4 + 8 + fmt.size() + 8 + dataSize)) + "WAVE"
                      + "fmt " + le32(quint32(fmt.size())) + fmt + "data" + le32(quint32(dataSize));
    QByteArray start(int(qMin<qint64>(dataSize, 4096)), '\0');
    for (int i = 0; i < start.size(); ++i)
        start[i] = char(i * 31);
    const QString path = dir.filePath(QString::fromLatin1(name));
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(head + start) < 0 || !f.resize(head.size() + dataSize)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        std::exit(1);
    }
    return path;
}

long peakKiB()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

struct Files
{
    QTemporaryDir dir;
    QString small = makeWave(dir, "small.wav", SmallData);
    QString bank = makeWave(dir, "bank.wav", BankData);
    QString large = makeWave(dir, "large.wav", LargeData);
};

Files &files()
{
    static Files f;
    return f;
}

void reportPeak(benchmark::State &state, long before)
{
    state.counters["peak_growth_KiB"] = double(peakKiB() - before);
    state.counters["peak_KiB"] = double(peakKiB());
}

// range(0): 0 the 1 KB file, 1 the 500 MB one, 2 one that just fills a bank
// (the fair yardstick for the large one, which copies as many bytes).
void BM_ImportWave(benchmark::State &state)
{
    const qint64 which = state.range(0);
    const QString &path = which == 1 ? files().large : which == 2 ? files().bank : files().small;
    FlashImage fb;
    const long before = peakKiB();
    for (auto _ : state) {
        benchmark::DoNotOptimize(importWave(fb, 1, path));
        benchmark::ClobberMemory();
    }
    reportPeak(state, before);
    state.SetLabel(which == 1 ? "500 MB data chunk" : which == 2 ? "65,520 B data chunk" : "1 KB data chunk");
}
BENCHMARK(BM_ImportWave)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

// What the large file costs a load that asks for everything: the reason the
// import passes its limit. Runs last, since it raises the process's peak.
void BM_LoadWaveWhole(benchmark::State &state)
{
    const long before = peakKiB();
    for (auto _ : state) {
        QByteArray samples;
        wavmodule::loadWave(files().large, samples);
        benchmark::DoNotOptimize(samples.data());
    }
    reportPeak(state, before);
    state.SetLabel("500 MB data chunk, no limit");
}
BENCHMARK(BM_LoadWaveWhole)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

int main(int argc, char **argv)
{
    files();   // create both files before any timing and before the first peak is taken
    std::printf("peak before the benchmarks: %ld KiB\n", peakKiB());
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
