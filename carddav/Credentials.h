#pragma once

#include "carddav/DavClient.h"

#include <QString>
#include <QUrl>

#include <functional>

// Where the password for a CardDAV server comes from: never the command line.
namespace carddav {

// The environment variable that may hold the password.
inline constexpr char PasswordVariable[] = "VIRE_DAV_PASSWORD";

struct NetrcEntry
{
    QString login, password;
    bool found = false;
};

// The entry of a .netrc text for host: its "machine" entry, else "default"
// (unless withDefault is false). With user given, only an entry with that
// login (or none) counts.
NetrcEntry netrcLookup(const QByteArray &netrc, const QString &host, const QString &user, bool withDefault = true);

// Says a warning, for the tool to print.
using Warn = std::function<void(const Problem &problem)>;

// The user name and password for url: the password from VIRE_DAV_PASSWORD,
// else ~/.netrc, else asked on the terminal without echo. Throws VireError
// saying how to give it when there is none. For another origin than the one
// named, only url's host's own ~/.netrc line counts, and the password is
// empty when it has none: a "default" line serves only the origin named.
// warn hears of a ~/.netrc others can read.
Login findLogin(const QUrl &url, const QString &user, bool otherOrigin, const Warn &warn = {});

// A proxy's user and password from its own ~/.netrc "machine" line; empty
// when it has none. Never the "default" line, never asked for.
Login proxyLogin(const QString &host);

} // namespace carddav
