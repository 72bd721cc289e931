#pragma once

#include <QString>
#include <QUrl>
#include <QVector>

#include <utility>

namespace carddav {

// What went wrong, as a value: the tool decides how to print it. detail says
// what and what to do, without the URL, which travels apart so that it can be
// shown without user information.
struct DavError
{
    enum class Kind {
        Usage,           // the URL or an option cannot be used as given
        Network,         // no connection, unknown host, reset
        Tls,             // the certificate or the handshake
        Timeout,
        TooLarge,        // past the byte budget
        Cut,             // the answer ended before all of it arrived
        Login,           // no password, or a refused one
        Origin,          // a password would go to another origin
        NotFound,
        Forbidden,
        NotAddressBook,  // a calendar, a card, another collection
        ServerError,     // 5xx
        BadAnswer,       // not the answer CardDAV asks for
        Choice,          // several address books: pass one
        OutOfMemory,
    };

    Kind kind = Kind::BadAnswer;
    QUrl url;               // the URL concerned; empty when file names a file
    QString file;           // a local file concerned (--ca-file), when url is empty
    int status = 0;         // the HTTP status, when there was one
    QString detail;
    QVector<std::pair<QUrl, QString>> books;   // Choice: each book's URL and display name
};

} // namespace carddav
