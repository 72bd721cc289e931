// Arbitrary bytes as a server's multistatus answer. Besides not crashing or
// hanging: a refused answer gives no responses, and card text comes only with
// an address-data property.
#include "carddav/Multistatus.h"
#include "problem/Problem.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    carddav::Multistatus ms;
    try {
        ms = carddav::parseMultistatus(bytes);
    } catch (const VireError &e) {
        if (e.problem().detail.isEmpty()) {
            std::fprintf(stderr, "invariant broken: a refusal without a reason\n");
            std::abort();
        }
        return 0;
    }
    for (const carddav::DavResponse &r : ms.responses) {
        if (!r.hasAddressData && !r.addressData.isEmpty()) {
            std::fprintf(stderr, "invariant broken: address data without the property\n");
            std::abort();
        }
    }
    return 0;
}
