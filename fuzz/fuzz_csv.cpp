// Arbitrary bytes as a contacts CSV file, read adding, replacing and following. Besides
// not crashing: every entry is one the image can hold, and the entries read
// when adding come back the same through the CSV writer.
#include "fuzz/ContactChecks.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    const exchange::ReadResult added = exchange::readCsv(bytes, exchange::Mode::Add);
    checkContacts(added, exchange::Mode::Add);
    checkCodePageNames(added);
    checkContacts(exchange::readCsv(bytes, exchange::Mode::Replace), exchange::Mode::Replace);
    // Following a source refuses what adding skips; what it accepts, it reads alike.
    const exchange::ReadResult synced = exchange::readCsv(bytes, exchange::Mode::Sync);
    checkContacts(synced, exchange::Mode::Sync);
    if (synced.ok())
        requireSame(usersOf(added), synced, true, "following reads what adding reads");

    const QVector<BookEntry> users = usersOf(added);
    const BookEntry hidden{BookEntry::hiddenLabel(), QString(), 0}, unknown{BookEntry::unknownLabel(), QString(), 0};
    requireSame(users, exchange::readCsv(exchange::writeCsv(hidden, unknown, users), exchange::Mode::Replace), true,
                "a CSV round trip keeps numbers, names and flags");
    return 0;
}
