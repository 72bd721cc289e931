#pragma once

#include "DavError.h"

#include <QByteArray>
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
    QString url;         // where the card lives, absolute
    QByteArray vcard;    // as the server sent it
};


struct Login
{
    QString user, password;
};

struct ClientOptions
{
    QString user;                  // from --user or the URL; may be empty
    QString caFile;                // PEM certificates trusted beside the system's
    int timeoutMs = 30000;         // without progress
    // Asked at most once, when the server first wants a password; throws
    // DavError when there is none to give.
    std::function<Login(const QUrl &url, const QString &user)> credentials;
    // Bytes received so far over the whole run.
    std::function<void(qint64 bytes)> progress;
};

// The URL as messages show it: never with user information.
QString shownUrl(const QUrl &url);

// 127.0.0.0/8, ::1 and localhost: the only hosts a password goes to unencrypted.
bool isLoopback(const QString &host);

// The cards of the address book at or below url, ordered by URL. Throws DavError.
QVector<Card> fetchCards(const QUrl &url, const ClientOptions &options);

} // namespace carddav
