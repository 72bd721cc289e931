#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QVector>

// HTTP authentication done here rather than by Qt: Qt's authenticator sends
// the password as Latin-1, so a password outside it cannot log in; these send
// UTF-8 as RFC 7617 (Basic) and RFC 7616 (Digest) ask.
namespace carddav {

struct Challenge
{
    QByteArray scheme;                     // lower case: "basic", "digest", "bearer", ...
    QMap<QByteArray, QByteArray> params;   // names lower case, values unquoted
};

// Every challenge of the WWW-Authenticate headers (several may share one
// header, separated by commas).
QVector<Challenge> parseChallenges(const QByteArray &header);

// What a request needs to answer a Digest challenge.
struct DigestRequest
{
    QByteArray method;
    QByteArray uri;        // the request target as sent: path and query, encoded
    QByteArray body;       // for qop=auth-int
    QByteArray cnonce;     // made up by the caller; fixed in tests
    int nc = 1;            // how many times the nonce has been used
};

// The challenge this client answers among several: Digest with SHA-256, then
// Digest with MD5, then Basic. Null when none of them is offered.
const Challenge *pickChallenge(const QVector<Challenge> &challenges);

// True when the Digest challenge uses an algorithm or quality of protection
// this client can compute.
bool digestSupported(const Challenge &challenge);

// The name of the first parameter whose value holds a control character (a
// byte below 0x20 but tab, or DEL), empty when none does: such a challenge
// is refused, as its values would be sent back in the answer's header.
QByteArray controlParameter(const Challenge &challenge);

QByteArray basicAuthorization(const QString &user, const QString &password);

QByteArray digestAuthorization(const Challenge &challenge, const QString &user, const QString &password,
                               const DigestRequest &request);

} // namespace carddav
