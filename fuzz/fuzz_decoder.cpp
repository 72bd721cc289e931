// Arbitrary bytes as an image: decode, encode, decode again. Besides not
// crashing, whatever the decoder accepts must give a consistent phone book and
// encode to the same bytes twice; whatever it refuses must change nothing.
#include "image/Codec.h"
#include "image/FlashImage.h"
#include "image/Layout.h"
#include "image/PhoneBook.h"
#include "problem/Problem.h"

#include <QByteArrayView>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

void require(bool ok, const char *what)
{
    if (!ok) {
        std::fprintf(stderr, "invariant broken: %s\n", what);
        std::abort();
    }
}

void checkBook(const PhoneBook &book, const FlashImage &fb)
{
    require(book.listCount() >= 2, "two special rows");
    require(book.itemData(0) == PhoneBook::HiddenIndex, "row 0 is the hidden-number entry");
    require(book.itemData(1) == PhoneBook::UnknownIndex, "row 1 is the unknown-number entry");
    std::vector<bool> seen(size_t(book.table().size()));
    for (const BookRow &row : book.rows()) {
        require(row.index >= 0 && row.index < book.table().size(), "row index inside the table");
        require(row.index <= book.lastIndex(), "row index not above lastIndex");
        require(!seen[size_t(row.index)], "row indices unique");
        seen[size_t(row.index)] = true;
    }
    require(book.lastIndex() < book.table().size(), "lastIndex inside the table");
    const int header = fb.at(0) * 256 + fb.at(1);
    require(header == book.userCount(), "header count equals user rows");
    require(book.userCount() <= layout::MaxUserRecords, "user rows fit the image");
}

// Whether fb holds the input (what it lacks reads as zero) from offset on
// for length bytes.
bool holdsInput(const FlashImage &fb, QByteArrayView input, qsizetype offset, qsizetype length)
{
    static const QByteArray zeros(FlashImage::Size, '\0');
    const QByteArrayView got(fb.bytes());
    const qsizetype given = qBound<qsizetype>(0, input.size() - offset, length);
    if (given > 0 && got.sliced(offset, given) != input.sliced(offset, given))
        return false;
    return got.sliced(offset + given, length - given) == QByteArrayView(zeros).first(length - given);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size > size_t(FlashImage::Size))
        return 0;
    // Two images kept from run to run: a fresh 512 KiB buffer per copy, with
    // its page faults under AddressSanitizer, cost more than the decoding.
    static FlashImage fb, second;
    const QByteArrayView input(reinterpret_cast<const char *>(data), qsizetype(size));
    fb.load(input);

    PhoneBook book;
    SoundNames names;
    names.fill(QStringLiteral("untouched"));
    const QVector<BookRow> defaultRows = book.rows();
    bool refused = false;
    try {
        readFB(fb, book, names);
    } catch (const VireError &e) {
        require(e.kind() == Problem::Kind::NotAnImage || e.kind() == Problem::Kind::TooManyEntries,
                "the decoder refuses an image for what it is");
        refused = true;
    }
    if (refused) {
        require(book.rows().size() == defaultRows.size() && book.lastIndex() == 15
                    && book.countText() == QLatin1String("0x0001"),
                "a refused image leaves the book as it was");
        require(names[0] == QLatin1String("untouched"), "a refused image leaves the names");
        require(holdsInput(fb, input, 0, FlashImage::Size), "the decoder never writes");
        return 0;
    }
    require(holdsInput(fb, input, 0, FlashImage::Size), "the decoder never writes");
    for (const QString &n : names)
        require(n.size() == layout::SoundNameLength, "sound names are 16 characters");

    buildFB(fb, book, names);
    checkBook(book, fb);
    for (int k = 1; k <= layout::BankCount; ++k) {
        require(holdsInput(fb, input, layout::bankOffset(k) + layout::SampleAreaOffset,
                           layout::SampleAreaSize),
                "sample areas untouched by encoding");
    }

    // The encoded image decoded and encoded again, in a copy of it.
    second.load(fb.bytes());
    PhoneBook again;
    SoundNames againNames;
    readFB(second, again, againNames);   // an encoded image is accepted
    require(again.userCount() == book.userCount(), "same number of entries");
    buildFB(second, again, againNames);
    checkBook(again, second);
    require(second.bytes() == fb.bytes(), "a second encode gives the same bytes");
    return 0;
}
