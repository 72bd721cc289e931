// Decoding and encoding a full phone book of 2,032 records.
#include "image/Codec.h"
#include "image/FlashImage.h"
#include "image/Layout.h"
#include "image/PhoneBook.h"

#include <benchmark/benchmark.h>

#include <random>

namespace {

FlashImage fullImage()
{
    FlashImage fb;
    PhoneBook book;
    std::mt19937 rng(2032);
    std::uniform_int_distribution<int> digit(0, 9), len(3, 16), flags(0, 255);
    while (book.userCount() < layout::MaxUserRecords) {
        QString number;
        for (int i = len(rng); i > 0; --i)
            number.append(QChar('0' + digit(rng)));
        book.addEntry(number, QStringLiteral("Name %1").arg(book.userCount()), quint8(flags(rng)));
    }
    SoundNames names;
    names.fill(QStringLiteral("(empty)"));
    buildFB(fb, book, names);
    return fb;
}

void BM_decodeFullImage(benchmark::State &state)
{
    const FlashImage fb = fullImage();
    PhoneBook book;
    SoundNames names;
    for (auto _ : state) {
        readFB(fb, book, names);
        benchmark::DoNotOptimize(book);
    }
    state.counters["records"] = book.userCount();
}
BENCHMARK(BM_decodeFullImage)->Unit(benchmark::kMicrosecond);

void BM_encodeFullImage(benchmark::State &state)
{
    FlashImage fb = fullImage();
    PhoneBook book;
    SoundNames names;
    readFB(fb, book, names);
    for (auto _ : state) {
        buildFB(fb, book, names);
        benchmark::ClobberMemory();
    }
    state.counters["records"] = book.userCount();
}
BENCHMARK(BM_encodeFullImage)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
