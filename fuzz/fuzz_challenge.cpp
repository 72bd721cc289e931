// Arbitrary bytes as a server's WWW-Authenticate header. Besides not crashing
// or hanging: the challenge chosen is one of those parsed, and the
// Authorization header built for any Digest challenge that is not refused
// for its control characters holds no CR, LF or NUL, whatever the user name.
#include "carddav/Auth.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    using namespace carddav;
    const QByteArray header = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    const QVector<Challenge> all = parseChallenges(header);
    const Challenge *chosen = pickChallenge(all);
    if (chosen && (chosen < all.constData() || chosen >= all.constData() + all.size())) {
        std::fprintf(stderr, "invariant broken: a challenge chosen that was not offered\n");
        std::abort();
    }
    DigestRequest r;
    r.method = "REPORT";
    r.uri = "/book/?a=b";
    r.body = "<x/>";
    r.cnonce = "0a1b2c";
    r.nc = 3;
    for (const Challenge &c : all) {
        if (!controlParameter(c).isEmpty())
            continue;
        for (const QString &user : {QStringLiteral("anna"), QStringLiteral("\u00e5sa\r\n\"x\\")}) {
            const QByteArray out = c.scheme == "digest" ? digestAuthorization(c, user, QStringLiteral("pa\nss"), r)
                                                        : basicAuthorization(user, QStringLiteral("pa\nss"));
            if (out.contains('\r') || out.contains('\n') || out.contains('\0')) {
                std::fprintf(stderr, "invariant broken: a control character in the Authorization header\n");
                std::abort();
            }
        }
    }
    return 0;
}
