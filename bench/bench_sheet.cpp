// vire-image and spreadsheets, in-process: importing 2,032 entries from an
// .xlsx into an empty image, and exporting a full image as .xlsx and .ods.
// Medians of wall clock and this thread's CPU time. Usage: bench_sheet [runs]
#include "bench/InProcess.h"
#include "exchange/SheetContacts.h"
#include "cli/Tool.h"

#include <cstdio>
#include <cstdlib>

namespace {

template <typename F>
void report(const char *what, int runs, F f)
{
    const Times t = timeMs(runs, f);
    std::printf("  %-46s %7.2f ms  %7.2f ms\n", what, t.wall, t.cpu);
}

} // namespace

int main(int argc, char **argv)
{
    const int runs = argc > 1 ? std::atoi(argv[1]) : 41;
    tool::Image empty = tool::newImage();
    empty.book->replaceEntries(empty.book->entry(0), empty.book->entry(1), {});
    buildFB(empty.fb, *empty.book, empty.names);
    QVector<BookEntry> users;
    for (int i = 0; i < 2032; ++i)
        users.append({QString::number(46700000000LL + i * 7919 % 100000), QStringLiteral("Contact %1").arg(i), quint8(i % 8 | 0xA0)});
    const QByteArray xlsx = exchange::writeSheet(exchange::SheetFormat::Xlsx, empty.book->entry(0), empty.book->entry(1), users, nullptr);
    const QByteArray emptyBytes = empty.fb.bytes();

    QByteArray full;
    std::printf("in-process, median of %d: wall clock, then CPU time (goal: at most 5 ms)\n", runs);
    report("import 2,032 entries from .xlsx (empty image)", runs, [&] {
        tool::Image image = tool::decodeImage(emptyBytes);
        const exchange::ReadResult read = exchange::readContactsFile(xlsx);
        if (read.contacts.size() != 2034)
            std::exit(2);
        tool::importContacts(image, read.contacts, tool::ImportMode::Add);
        full = image.fb.bytes();
    });
    for (const auto format : {exchange::SheetFormat::Xlsx, exchange::SheetFormat::Ods}) {
        report(format == exchange::SheetFormat::Xlsx ? "export a full image as .xlsx" : "export a full image as .ods", runs, [&] {
            const tool::Image image = tool::decodeImage(full);
            const QByteArray out = exchange::writeSheet(format, image.book->entry(0), image.book->entry(1),
                                                        tool::userEntries(*image.book), nullptr);
            if (out.size() < 2032 * 4)
                std::exit(2);
        });
    }
    report("read the first sheet of the .xlsx alone", runs, [&] {
        if (exchange::readSpreadsheet(xlsx).rows.size() != 2035)
            std::exit(2);
    });
    std::printf("  (.xlsx of a full image: %lld bytes)\n", qint64(xlsx.size()));
    return 0;
}
