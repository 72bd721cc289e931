#pragma once

#include <QByteArray>
#include <QString>
#include <QUrl>

#include <functional>
#include <optional>

// Which proxy a request goes through. The environment is read here, as curl
// reads it, on every system: the scheme's own variable (https_proxy or
// HTTPS_PROXY; http_proxy only, never HTTP_PROXY, which a web server's CGI
// can set), then all_proxy or ALL_PROXY; no_proxy or NO_PROXY lists hosts
// reached directly. On Windows, when none of these variables is set, the
// system's settings as Qt reads them; elsewhere there are none.
namespace carddav {

struct Proxy
{
    QString host;            // as a URL's host: an IPv6 address without brackets
    quint16 port = 0;
    QString user, password;  // from the proxy's URL, percent-decoded
    QString source;          // where it was set: "https_proxy", "Windows' proxy settings"

    // host:port, as messages name it and CONNECT asks for it.
    QString name() const;
};

// An environment variable's value; empty when unset.
using Environment = std::function<QByteArray(const char *name)>;

// The proxy the environment gives for url, or none. A proxy URL this client
// cannot speak to (https://, SOCKS) throws VireError, naming the variable.
std::optional<Proxy> environmentProxy(const QUrl &url, const Environment &environment);

// True when any of the variables environmentProxy reads is set.
bool proxyVariablesSet(const Environment &environment);

// The system's own proxy for url where no variable is set (ProxyFor_win.cpp
// asks Qt, which asks WinHTTP; ProxyFor_unix.cpp has none).
std::optional<Proxy> systemProxy(const QUrl &url);

// The proxy for url in this process: environmentProxy with its environment,
// else systemProxy.
std::optional<Proxy> proxyFor(const QUrl &url);

// host:port of url, as CONNECT and its Host header name it.
QByteArray authorityOf(const QUrl &url);

} // namespace carddav
