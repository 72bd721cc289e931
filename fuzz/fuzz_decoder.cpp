// Arbitrary bytes as an image: decode, encode, decode again. Besides not
// crashing, whatever the decoder accepts must give a consistent phone book and
// encode to the same bytes twice; whatever it refuses must change nothing.
#include "Codec.h"
#include "FlashImage.h"
#include "Layout.h"
#include "PhoneBook.h"

#include <QSet>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

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
    QSet<qint32> seen;
    for (const BookRow &row : book.rows()) {
        require(row.index >= 0 && row.index < book.table().size(), "row index inside the table");
        require(row.index <= book.lastIndex(), "row index not above lastIndex");
        require(!seen.contains(row.index), "row indices unique");
        seen.insert(row.index);
    }
    require(book.lastIndex() < book.table().size(), "lastIndex inside the table");
    const int header = fb.at(0) * 256 + fb.at(1);
    require(header == book.userCount(), "header count equals user rows");
    require(book.userCount() <= layout::MaxUserRecords, "user rows fit the image");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size > size_t(FlashImage::Size))
        return 0;
    FlashImage fb;
    fb.load(QByteArrayView(reinterpret_cast<const char *>(data), qsizetype(size)));
    const QByteArray input = fb.bytes();

    PhoneBook book;
    SoundNames names;
    names.fill(QStringLiteral("untouched"));
    const QVector<BookRow> defaultRows = book.rows();
    if (!readFB(fb, book, names)) {
        require(book.rows().size() == defaultRows.size() && book.lastIndex() == 15
                    && book.countText() == QLatin1String("0x0001"),
                "a refused image leaves the book as it was");
        require(names[0] == QLatin1String("untouched"), "a refused image leaves the names");
        require(fb.bytes() == input, "the decoder never writes");
        return 0;
    }
    require(fb.bytes() == input, "the decoder never writes");
    for (const QString &n : names)
        require(n.size() == layout::SoundNameLength, "sound names are 16 characters");

    buildFB(fb, book, names);
    checkBook(book, fb);
    const QByteArray first = fb.bytes();
    for (int k = 1; k <= layout::BankCount; ++k) {
        const int samples = layout::bankOffset(k) + layout::SampleAreaOffset;
        require(first.mid(samples, layout::SampleAreaSize) == input.mid(samples, layout::SampleAreaSize),
                "sample areas untouched by encoding");
    }

    PhoneBook again;
    SoundNames againNames;
    require(readFB(fb, again, againNames), "an encoded image is accepted");
    require(again.userCount() == book.userCount(), "same number of entries");
    buildFB(fb, again, againNames);
    checkBook(again, fb);
    require(fb.bytes() == first, "a second encode gives the same bytes");
    return 0;
}
