#pragma once

#include "carddav/Failure.h"

#include <QByteArray>
#include <QSslCertificate>
#include <QString>
#include <QUrl>
#include <QVector>

#include <functional>

// Reads the cards of a CardDAV address book (RFC 6352): finds the book below
// a server's address when given no book (RFC 6764), follows redirects itself,
// authenticates when asked. Synchronous: runs its own event loop.
namespace carddav {

struct Card
{
    QString url;         // where the card lives, absolute, percent-encoded as the server sent it
    QByteArray vcard;    // as the server sent it
    QString missing;     // why the card could not be read; empty when vcard holds it
};

struct BookCards
{
    QVector<Card> cards;      // ordered by URL
    // Fetching stopped for room: the entries the cards read so far make
    // (more than the room), and no cards.
    qsizetype tooMany = 0;
};


struct Login
{
    QString user, password;
};

// What a run is waiting for, said at least four times a second while it waits.
struct Waiting
{
    QString peer;          // host:port waited for: the server's, or the proxy's
    bool proxy = false;    // peer is a proxy
    QByteArray method;     // the request whose answer is awaited; empty while connecting
    qint64 waitedMs = 0;   // since this request began
    qint64 bytes = 0;      // of its answer so far
    bool done = false;     // the request is over, answered or failed
};

struct ClientOptions
{
    QString user;                  // from --user or the URL; may be empty
    QString caFile;                // PEM certificates trusted beside the system's
    int timeoutMs = 30000;         // without progress
    int runTimeoutMs = 600000;     // for the whole run
    // Entries worth fetching: beyond it the import fails anyway, so fetching
    // stops once the cards read make more (counted by entries). Negative: no limit.
    qsizetype room = -1;
    std::function<qsizetype(const QByteArray &vcard)> entries;
    // Asked at most once for each origin, when it first wants a password;
    // throws VireError when there is none to give. For another origin than
    // the one named (otherOrigin), only a password of its own ~/.netrc line
    // may be given: else the password is left empty.
    std::function<Login(const QUrl &url, const QString &user, bool otherOrigin)> credentials;
    // Hears of each request while it waits, and once when it is over.
    std::function<void(const Waiting &waiting)> progress;
    // Proxies as the environment (or Windows) sets them; false: none.
    bool proxies = true;
};

// The PEM certificates of the file --ca-file names. Throws VireError (Usage)
// for a file that is missing, cannot be read or holds no certificate.
QList<QSslCertificate> readCertificates(const QString &path);

// The URL as messages show it: never with user information.
QString shownUrl(const QUrl &url);

// 127.0.0.0/8, ::1 and localhost: the only hosts a password goes to unencrypted.
bool isLoopback(const QString &host);

// The cards of the address book at url, or of the one found below a server's
// root, a principal or an address-book home set. Every card the book lists
// is in the result, read or named as missing. Throws VireError.
BookCards fetchCards(const QUrl &url, const ClientOptions &options);

} // namespace carddav
