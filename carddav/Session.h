#pragma once

#include "carddav/Auth.h"
#include "carddav/DavClient.h"
#include "carddav/Failure.h"
#include "carddav/Multistatus.h"
#include "carddav/Proxy.h"
#include "carddav/ResponseParser.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QHash>
#include <QSslSocket>
#include <QTcpSocket>
#include <QSslConfiguration>
#include <QString>
#include <QUrl>

#include <map>
#include <memory>
#include <optional>

class QSslError;

// The HTTP side of the address-book client: one request at a time, redirects
// followed by our own rules, the password given when a server asks, limits on
// time and size for the whole run. Throws VireError.
//
// The origin rule: the URL of the first request is the one the user named.
// The password goes to its origin (scheme, host, port) or that origin's https
// upgrade; another origin gets one only from its own ~/.netrc line. Once a
// request went over https, no later one goes over http, whoever named the URL.
//
// Proxies (Proxy.h) are spoken to here too: CONNECT and TLS inside the
// tunnel for https, a request in absolute form for http. The proxy's
// password, from its URL or its own ~/.netrc line, goes to the proxy only.
//
// Time-outs: ClientOptions' time-outs are in milliseconds of a real run. The
// environment variable VIRE_DAV_SECOND_MS, for tests, sets how many
// milliseconds each of those seconds lasts (1000 when unset); messages still
// name the nominal seconds.
namespace carddav {

struct Answer
{
    int status = 0;
    QUrl url;               // after redirects
    QByteArray body;
    QString contentType;
    QByteArray challenges;  // the WWW-Authenticate headers, joined
    QByteArray proxyChallenges;   // the Proxy-Authenticate headers, joined
};

class Session
{
public:
    explicit Session(const ClientOptions &options);

    // The certificates of readCertificates trusted beside the system's.
    void addCertificates(const QString &path);

    // depth may be null: no Depth header.
    Answer send(const QByteArray &method, QUrl url, const QByteArray &body, const char *depth);

    // A multistatus answer, or a message saying why there is none.
    Multistatus expectMultistatus(const Answer &a);

    Answer propfindAnswer(const QUrl &url, const QByteArray &body, const char *depth);

    Multistatus propfind(const QUrl &url, const QByteArray &body, const char *depth, Answer *answer = nullptr);

private:
    struct AuthState
    {
        Challenge challenge;
        Login login;
        int nc = 0;
    };

    // One request with authentication: a 401 is answered once (again on a
    // stale nonce); a 401 that remains is returned.
    Answer sendAuthorized(const QByteArray &method, const QUrl &url, const QByteArray &body, const char *depth);
    class Wire;
    Answer sendOnce(const QByteArray &method, const QUrl &url, const QByteArray &body, const char *depth,
                    const QByteArray &authorization);
    Answer exchange(QTcpSocket &socket, Wire &wire, const QUrl &url, const QByteArray &method, const QByteArray &request,
                    bool &started);
    // Reads into parser until it has an answer or fails; started: a byte came.
    void receive(QTcpSocket &socket, Wire &wire, ResponseParser &parser, bool &started);
    void sendBytes(QTcpSocket &socket, Wire &wire, const QUrl &url, const QByteArray &bytes);
    // The kept connection to url's host, else a new one.
    QTcpSocket &connection(const QUrl &url, Wire &wire, bool &reused);
    void connectTcp(QTcpSocket &socket, Wire &wire, const QUrl &url, const std::optional<Proxy> &proxy);
    // CONNECT through proxy; false when it asked for its password, which
    // goes on a new connection.
    bool tunnel(QTcpSocket &socket, Wire &wire, const QUrl &url, const Proxy &proxy, bool again);
    void handshake(QSslSocket &socket, Wire &wire, const QUrl &url, bool direct);
    static QString connectionKey(const QUrl &url);
    std::optional<Proxy> proxyOf(const QUrl &url);
    [[noreturn]] void connectFailure(const QUrl &url, QTcpSocket &socket, const QList<QSslError> &tlsErrors,
                                     const std::optional<Proxy> &proxy = std::nullopt);
    // Takes the proxy's answer to a 407: its password for the next request, or a failure saying how to give it.
    void answerProxy(const Proxy &proxy, const QUrl &url, const QByteArray &challenges, bool again);
    QByteArray proxyAuthorization(const QByteArray &method, const QByteArray &uri);
    QByteArray authorization(AuthState &state, const QByteArray &method, const QByteArray &uri, const QByteArray &body);
    Login loginFor(const QUrl &url);
    void checkAllowed(const QUrl &url);
    bool sameOrigin(const QUrl &url) const;
    qint64 runLeftMs() const;

    const ClientOptions &m_options;
    std::map<QString, std::unique_ptr<QTcpSocket>> m_sockets;   // kept connections, by scheme and authority
    QSslConfiguration m_tls;
    std::optional<QUrl> m_origin;
    bool m_secure = false;                 // a request went over https: none goes over http
    QHash<QString, AuthState> m_auth;      // by origin
    QHash<QString, Login> m_logins;        // by origin, each asked once
    QHash<QString, std::optional<Proxy>> m_proxies;   // by connection key
    std::optional<AuthState> m_proxyAuth;  // once a proxy asked for its password
    int m_discoveryRequests = 0;
    qint64 m_received = 0;                 // answer bytes of the whole run, framing and all
    int m_secondMs = 1000;
    QElapsedTimer m_run;
    qint64 m_promptMs = 0;                 // time the user spent typing a password
};

// The request target as sent, path and query encoded, which Digest signs.
QByteArray requestTarget(const QUrl &url);

} // namespace carddav
