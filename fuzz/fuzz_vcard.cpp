// Arbitrary bytes as a vCard file, read adding and replacing. Besides not
// crashing: every entry is one the image can hold, a refused file gives no
// entries, and the entries read when adding come back the same through the
// vCard writer.
#include "fuzz/ContactChecks.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    for (exchange::Mode mode : {exchange::Mode::Add, exchange::Mode::Replace}) {
        const exchange::ReadResult r = exchange::readVCard(bytes, mode);
        checkContacts(r, mode);
        require(r.ok() || r.contacts.isEmpty(), "a refused file gives no entries");
        if (mode == exchange::Mode::Add) {
            const QVector<BookEntry> users = usersOf(r);
            requireSame(users, exchange::readVCard(exchange::writeVCard(users), exchange::Mode::Replace), false,
                        "a vCard round trip keeps numbers and names");
        }
    }
    return 0;
}
