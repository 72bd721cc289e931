// Arbitrary bytes as a server's multistatus answer. Besides not crashing or
// hanging: a refused answer gives no responses, and card text comes only with
// an address-data property.
#include "carddav/Multistatus.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    const carddav::Multistatus ms = carddav::parseMultistatus(bytes);
    bool broken = !ms.ok() && !ms.responses.isEmpty();
    for (const carddav::DavResponse &r : ms.responses)
        broken = broken || (!r.hasAddressData && !r.addressData.isEmpty());
    if (broken) {
        std::fprintf(stderr, "invariant broken: responses %lld, error \"%s\"\n", static_cast<long long>(ms.responses.size()),
                     qPrintable(ms.error));
        std::abort();
    }
    return 0;
}
