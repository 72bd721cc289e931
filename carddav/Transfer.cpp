// One request and its answer, whole or not at all, spoken here over a socket
// rather than by Qt's network access manager: Qt ends a chunked answer cut by
// the server as if it were whole, and a short answer must fail the run. The
// answer's framing is ResponseParser's; here are the connections, proxies,
// the session's time-outs and the byte budget of the run.
#include "carddav/Credentials.h"
#include "carddav/Session.h"

#include <QHostAddress>
#include <QNetworkProxy>
#include <QSslCertificate>
#include <QSslError>

namespace carddav {

namespace {

using Kind = Problem::Kind;

// Far above any address book (10,000 cards are a few MiB), far below what
// would exhaust memory: for all answers of a run together.
constexpr qint64 MaxRunBytes = qint64(256) * 1024 * 1024;
// The no-progress clock restarts only when this much arrived since it last
// did: a server dripping a byte now and then does not keep a run alive.
constexpr qint64 ProgressStep = 16 * 1024;
// While it waits, the run says what for at least this often.
constexpr int ReportMs = 250;

bool unknownAuthority(QSslError::SslError e)
{
    switch (e) {
    case QSslError::SelfSignedCertificate:
    case QSslError::SelfSignedCertificateInChain:
    case QSslError::UnableToGetIssuerCertificate:
    case QSslError::UnableToGetLocalIssuerCertificate:
    case QSslError::UnableToVerifyFirstCertificate:
    case QSslError::CertificateUntrusted:
    case QSslError::InvalidCaCertificate:
        return true;
    default:
        return false;
    }
}

QString tlsMessage(const QUrl &url, const QList<QSslError> &errors, const QString &fallback)
{
    QStringList what;
    bool authority = false, host = false, dates = false;
    for (const QSslError &e : errors) {
        switch (e.error()) {
        case QSslError::HostNameMismatch:
            what << QStringLiteral("the certificate is another host's, not %1's").arg(url.host());
            host = true;
            break;
        case QSslError::CertificateExpired:
            what << QStringLiteral("the certificate has expired");
            dates = true;
            break;
        case QSslError::CertificateNotYetValid:
            what << QStringLiteral("the certificate is not valid yet");
            dates = true;
            break;
        default:
            what << e.errorString();
            authority = authority || unknownAuthority(e.error());
        }
    }
    QString text = QStringLiteral("TLS failure: %1").arg(what.isEmpty() ? fallback : what.join(QStringLiteral("; ")));
    if (authority && !host && !dates)
        text += QStringLiteral("; if the server has its own certificate authority, pass its certificate with --ca-file FILE");
    else if (host)
        text += QStringLiteral("; check the URL's host name");
    else if (dates)
        text += QStringLiteral("; the server's administrator must renew the certificate, or the clock here is wrong");
    return text;
}

// RFC 6125: where the certificate names hosts in subjectAltName, only those
// count; its CN only when it names none. Asked after Qt's own check, which
// takes the CN beside them.
bool namesHost(const QSslCertificate &certificate, const QString &host)
{
    const auto names = certificate.subjectAlternativeNames();
    const QStringList dns = names.values(QSsl::DnsEntry), ips = names.values(QSsl::IpAddressEntry);
    if (dns.isEmpty() && ips.isEmpty())
        return true;
    const QHostAddress address(host);
    if (!address.isNull())
        return std::any_of(ips.cbegin(), ips.cend(), [&](const QString &ip) { return QHostAddress(ip) == address; });
    QString name = QUrl::toAce(host).toLower();
    if (name.endsWith(QLatin1Char('.')))
        name.chop(1);
    for (const QString &entry : dns) {
        const QString e = entry.toLower();
        if (e == name)
            return true;
        // A wildcard stands for the whole leftmost label, and only that.
        const qsizetype dot = name.indexOf(QLatin1Char('.'));
        if (e.startsWith(QLatin1String("*.")) && e.count(QLatin1Char('.')) >= 2 && dot > 0 && e.mid(1) == name.mid(dot))
            return true;
    }
    return false;
}

bool https(const QUrl &url)
{
    return url.scheme() == QLatin1String("https");
}

// Whether the server at url's host and port answers plain HTTP: asked when
// a TLS handshake failed without a word about certificates.
bool answersPlainHttp(const QUrl &url)
{
    QTcpSocket probe;
    probe.setProxy(QNetworkProxy::NoProxy);
    probe.connectToHost(url.host(), quint16(url.port(443)));
    if (!probe.waitForConnected(3000))
        return false;
    probe.write("OPTIONS * HTTP/1.1\r\nHost: " + authorityOf(url) + "\r\nConnection: close\r\n\r\n");
    QByteArray start;
    while (start.size() < 5 && probe.waitForReadyRead(3000))
        start += probe.readAll();
    return start.startsWith("HTTP/");
}

} // namespace

QString Session::connectionKey(const QUrl &url)
{
    return url.scheme() + QLatin1Char(' ') + url.authority(QUrl::RemoveUserInfo | QUrl::FullyEncoded);
}

qint64 Session::runLeftMs() const
{
    return qint64(m_options.runTimeoutMs) * m_secondMs / 1000 - (m_run.elapsed() - m_promptMs);
}

// The socket calls wait at most until the next of the two clocks runs out,
// and say what they wait for as they go.
class Session::Wire
{
public:
    Wire(Session &s, const QUrl &url) : m_s(s), m_url(url)
    {
        m_quiet.start();
        m_started.start();
    }
    ~Wire() { report(true); }

    void progressed() { m_quiet.restart(); }

    void waitingFor(const QString &peer, bool proxy, const QByteArray &method)
    {
        m_waiting.peer = peer;
        m_waiting.proxy = proxy;
        m_waiting.method = method;
        m_waiting.bytes = 0;
    }

    void received(qint64 bytes)
    {
        m_waiting.bytes = bytes;
        report(false);
    }

    // Milliseconds to wait; throws when a clock has run out.
    int waitMs()
    {
        const qint64 quiet = qint64(m_s.m_options.timeoutMs) * m_s.m_secondMs / 1000 - m_quiet.elapsed();
        const qint64 run = m_s.runLeftMs();
        if (run <= 0)
            fail(Kind::Timeout, m_url, QStringLiteral("no complete answer within %1 seconds, the limit for the whole run; "
                                                      "pass --timeout SECONDS to allow more")
                                           .arg(m_s.m_options.runTimeoutMs / 1000));
        if (quiet <= 0)
            fail(Kind::Timeout, m_url, QStringLiteral("no progress for %1 seconds (time-out); check that the server runs "
                                                      "and try again").arg(m_s.m_options.timeoutMs / 1000));
        report(false);
        return int(qMin<qint64>(qMin(quiet, run), m_s.m_options.progress ? ReportMs : 1000000));
    }

private:
    void report(bool done)
    {
        if (!m_s.m_options.progress)
            return;
        m_waiting.waitedMs = m_started.elapsed();
        m_waiting.done = done;
        m_s.m_options.progress(m_waiting);
    }

    Session &m_s;
    QUrl m_url;
    QElapsedTimer m_quiet, m_started;
    Waiting m_waiting;
};

std::optional<Proxy> Session::proxyOf(const QUrl &url)
{
    const QString key = connectionKey(url);
    auto it = m_proxies.find(key);
    if (it == m_proxies.end())
        it = m_proxies.insert(key, m_options.proxies ? proxyFor(url) : std::nullopt);
    return *it;
}

QTcpSocket &Session::connection(const QUrl &url, Wire &wire, bool &reused)
{
    std::unique_ptr<QTcpSocket> &socket = m_sockets[connectionKey(url)];
    if (socket && socket->state() == QAbstractSocket::ConnectedState) {
        // Bytes waiting on an idle connection belong to no request: whoever
        // sent them, the connection goes. A close shows here too.
        socket->waitForReadyRead(0);
        reused = socket->bytesAvailable() == 0 && socket->state() == QAbstractSocket::ConnectedState;
        if (reused)
            return *socket;
    }
    reused = false;
    const std::optional<Proxy> proxy = proxyOf(url);
    const bool tls = https(url);
    for (bool again = false;; again = true) {
        socket.reset(tls ? new QSslSocket : new QTcpSocket);
        // Qt's own proxy handling stays out: the proxy is spoken to here.
        socket->setProxy(QNetworkProxy::NoProxy);
        connectTcp(*socket, wire, url, proxy);
        if (!proxy || !tls || tunnel(*socket, wire, url, *proxy, again))
            break;
    }
    if (tls)
        handshake(static_cast<QSslSocket &>(*socket), wire, url, !proxy);
    wire.progressed();
    return *socket;
}

void Session::connectTcp(QTcpSocket &socket, Wire &wire, const QUrl &url, const std::optional<Proxy> &proxy)
{
    const QString host = proxy ? proxy->host : url.host();
    const quint16 port = proxy ? proxy->port : quint16(url.port(https(url) ? 443 : 80));
    wire.waitingFor(proxy ? proxy->name() : QString::fromLatin1(authorityOf(url)), bool(proxy), QByteArray());
    socket.connectToHost(host, port);
    while (socket.state() != QAbstractSocket::ConnectedState) {
        if (socket.waitForConnected(wire.waitMs()))
            break;
        if (socket.error() != QAbstractSocket::SocketTimeoutError)
            connectFailure(url, socket, {}, proxy);
    }
}

bool Session::tunnel(QTcpSocket &socket, Wire &wire, const QUrl &url, const Proxy &proxy, bool again)
{
    const QByteArray target = authorityOf(url);
    QByteArray request = "CONNECT " + target + " HTTP/1.1\r\nHost: " + target + "\r\nUser-Agent: vire-image\r\n";
    if (m_proxyAuth)
        request += "Proxy-Authorization: " + proxyAuthorization("CONNECT", target) + "\r\n";
    wire.waitingFor(proxy.name(), true, "CONNECT");
    sendBytes(socket, wire, url, request + "\r\n");
    ResponseParser parser(MaxRunBytes, m_received, ResponseParser::Request::Connect);
    bool started = false;
    receive(socket, wire, parser, started);
    m_received += parser.consumed();
    if (parser.state() == ResponseParser::State::Failed)
        fail(parser.errorKind(), url, QStringLiteral("the proxy %1 gave no usable answer to CONNECT: %2")
                                          .arg(proxy.name(), parser.errorDetail()));
    if (parser.status() == 407) {
        answerProxy(proxy, url, parser.proxyChallenges(), again);
        return false;
    }
    if (parser.status() >= 300)
        fail(Kind::Network, url, QStringLiteral("the proxy %1 refused CONNECT (HTTP %2); ask its administrator, or "
                                                "pass --no-proxy if this server is reached directly")
                                     .arg(proxy.name()).arg(parser.status()), parser.status());
    if (parser.extra() > 0 || socket.bytesAvailable() > 0)
        fail(Kind::BadAnswer, url, QStringLiteral("the proxy %1 sent bytes of its own into the tunnel; refused")
                                       .arg(proxy.name()));
    return true;
}

void Session::handshake(QSslSocket &socket, Wire &wire, const QUrl &url, bool direct)
{
    socket.setSslConfiguration(m_tls);
    socket.setPeerVerifyName(url.host());
    wire.waitingFor(QString::fromLatin1(authorityOf(url)), false, QByteArray());
    socket.startClientEncryption();
    while (!socket.isEncrypted()) {
        if (socket.waitForEncrypted(wire.waitMs()))
            break;
        const QAbstractSocket::SocketError error = socket.error();
        if (error == QAbstractSocket::SocketTimeoutError)
            continue;
        const bool quiet = error == QAbstractSocket::SslHandshakeFailedError || error == QAbstractSocket::RemoteHostClosedError;
        if (direct && quiet && socket.sslHandshakeErrors().isEmpty() && answersPlainHttp(url))
            fail(Kind::Tls, url, QStringLiteral("the server at %1 does not answer TLS; is it plain http://?")
                                     .arg(QString::fromLatin1(authorityOf(url))));
        connectFailure(url, socket, socket.sslHandshakeErrors());
    }
    if (!namesHost(socket.peerCertificate(), url.host()))
        fail(Kind::Tls, url, tlsMessage(url, {QSslError(QSslError::HostNameMismatch)}, QString()));
}

[[noreturn]] void Session::connectFailure(const QUrl &url, QTcpSocket &socket, const QList<QSslError> &tlsErrors,
                                          const std::optional<Proxy> &proxy)
{
    if (proxy) {
        const QString check = QStringLiteral("check %1, or pass --no-proxy").arg(proxy->source);
        switch (socket.error()) {
        case QAbstractSocket::HostNotFoundError:
            fail(Kind::Network, url, QStringLiteral("unknown proxy host \"%1\"; %2").arg(proxy->host, check));
        case QAbstractSocket::ConnectionRefusedError:
            fail(Kind::Network, url, QStringLiteral("the proxy %1 refused the connection; %2").arg(proxy->name(), check));
        default:
            fail(Kind::Network, url, QStringLiteral("the proxy %1: %2; %3").arg(proxy->name(), socket.errorString(), check));
        }
    }
    switch (socket.error()) {
    case QAbstractSocket::HostNotFoundError:
        fail(Kind::Network, url, QStringLiteral("unknown host \"%1\"; check the URL").arg(url.host()));
    case QAbstractSocket::ConnectionRefusedError:
        fail(Kind::Network, url, QStringLiteral("connection refused; check the URL's host and port, and that the server runs"));
    case QAbstractSocket::SslHandshakeFailedError:
        fail(Kind::Tls, url, tlsMessage(url, tlsErrors, socket.errorString()));
    case QAbstractSocket::RemoteHostClosedError:
        if (!tlsErrors.isEmpty())
            fail(Kind::Tls, url, tlsMessage(url, tlsErrors, socket.errorString()));
        fail(Kind::Cut, url, QStringLiteral("the connection closed before an answer came"));
    default:
        if (!tlsErrors.isEmpty())
            fail(Kind::Tls, url, tlsMessage(url, tlsErrors, socket.errorString()));
        fail(Kind::Network, url, QStringLiteral("%1; check the URL and the network").arg(socket.errorString()));
    }
}

void Session::answerProxy(const Proxy &proxy, const QUrl &url, const QByteArray &challenges, bool again)
{
    if (again)
        fail(Kind::Login, url, QStringLiteral("the proxy %1 refused the user name or password (HTTP 407); check %2 "
                                              "or the proxy's ~/.netrc line").arg(proxy.name(), proxy.source), 407);
    const QVector<Challenge> offered = parseChallenges(challenges);
    const Challenge *chosen = pickChallenge(offered);
    if (!chosen) {
        const QString name = offered.isEmpty() ? QString() : QString::fromLatin1(offered.first().scheme);
        const QString scheme = name.isEmpty()             ? QStringLiteral("an unnamed")
            : name == QLatin1String("ntlm") ? QStringLiteral("NTLM")
                                            : name.left(1).toUpper() + name.mid(1);
        fail(Kind::Login, url, QStringLiteral("the proxy %1 asks for %2 authentication, which is not supported (only Basic "
                                              "and Digest are); ask its administrator for another way through")
                                   .arg(proxy.name(), scheme), 407);
    }
    if (const QByteArray name = controlParameter(*chosen); !name.isEmpty())
        fail(Kind::Login, url, QStringLiteral("the proxy %1's challenge holds control characters in its %2, which are "
                                              "never sent back; refused").arg(proxy.name(), QString::fromLatin1(name)), 407);
    Login login{proxy.user, proxy.password};
    if (login.password.isEmpty())
        login = proxyLogin(proxy.host);
    if (login.password.isEmpty())
        fail(Kind::Login, url, QStringLiteral("the proxy %1 asks for a password (HTTP 407); give it in %2 "
                                              "(http://USER:PASSWORD@%1) or in a ~/.netrc line for %3")
                                   .arg(proxy.name(), proxy.source, proxy.host), 407);
    m_proxyAuth = AuthState{*chosen, login, 0};
}

QByteArray Session::proxyAuthorization(const QByteArray &method, const QByteArray &uri)
{
    return authorization(*m_proxyAuth, method, uri, QByteArray());
}

void Session::sendBytes(QTcpSocket &socket, Wire &wire, const QUrl &url, const QByteArray &bytes)
{
    socket.write(bytes);
    while (socket.bytesToWrite() > 0) {
        if (!socket.waitForBytesWritten(wire.waitMs()) && socket.error() != QAbstractSocket::SocketTimeoutError)
            fail(Kind::Cut, url, QStringLiteral("the connection closed before an answer came"));
    }
    wire.progressed();
}

Answer Session::sendOnce(const QByteArray &method, const QUrl &url, const QByteArray &body, const char *depth,
                         const QByteArray &authorization)
{
    // Through a proxy, plain http names the whole URL.
    const bool absolute = proxyOf(url) && !https(url);
    const QByteArray target = absolute ? "http://" + authorityOf(url) + requestTarget(url) : requestTarget(url);
    // A kept connection the server has closed meanwhile fails before any
    // answer: the request goes once more on a new one. A proxy asking for
    // its password is answered once.
    for (int attempt = 0, proxyAsked = 0;;) {
        QByteArray request = method + ' ' + target + " HTTP/1.1\r\nHost: " + url.authority(QUrl::RemoveUserInfo | QUrl::FullyEncoded).toLatin1()
            + "\r\nUser-Agent: vire-image\r\nAccept-Encoding: identity\r\n";
        if (depth)
            request += QByteArray("Depth: ") + depth + "\r\n";
        if (!authorization.isEmpty())
            request += "Authorization: " + authorization + "\r\n";
        if (absolute && m_proxyAuth)
            request += "Proxy-Authorization: " + proxyAuthorization(method, target) + "\r\n";
        if (!body.isEmpty())
            request += "Content-Type: application/xml; charset=utf-8\r\n";
        request += "Content-Length: " + QByteArray::number(body.size()) + "\r\n\r\n" + body;

        Wire wire(*this, url);
        bool reused = false;
        QTcpSocket &socket = connection(url, wire, reused);
        Answer a;
        bool started = false;
        try {
            a = exchange(socket, wire, url, method, request, started);
        } catch (const VireError &) {
            m_sockets.erase(connectionKey(url));
            if (reused && !started && attempt++ == 0)
                continue;
            throw;
        }
        if (a.status == 407 && absolute) {
            answerProxy(*proxyOf(url), url, a.proxyChallenges, proxyAsked++ > 0);
            continue;
        }
        return a;
    }
}

void Session::receive(QTcpSocket &socket, Wire &wire, ResponseParser &parser, bool &started)
{
    // The no-progress clock restarts with the head and every ProgressStep.
    qint64 mark = 0;
    bool head = false;
    while (parser.state() == ResponseParser::State::NeedMore) {
        if (socket.bytesAvailable() == 0) {
            if (socket.state() != QAbstractSocket::ConnectedState) {
                parser.close();
                break;
            }
            if (!socket.waitForReadyRead(wire.waitMs()) && socket.error() != QAbstractSocket::SocketTimeoutError
                && socket.bytesAvailable() == 0) {
                parser.close();
                break;
            }
            continue;
        }
        started = true;
        parser.feed(socket.readAll());
        wire.received(parser.consumed());
        if (parser.consumed() - mark >= ProgressStep || head != parser.headDone()) {
            mark = parser.consumed();
            head = parser.headDone();
            wire.progressed();
        }
    }
}

Answer Session::exchange(QTcpSocket &socket, Wire &wire, const QUrl &url, const QByteArray &method,
                         const QByteArray &request, bool &started)
{
    const std::optional<Proxy> proxy = proxyOf(url);
    const bool viaProxy = proxy && !https(url);
    wire.waitingFor(viaProxy ? proxy->name() : QString::fromLatin1(authorityOf(url)), viaProxy, method);
    sendBytes(socket, wire, url, request);
    ResponseParser parser(MaxRunBytes, m_received, method == "HEAD" ? ResponseParser::Request::Head
                                                                    : ResponseParser::Request::Other);
    receive(socket, wire, parser, started);
    m_received += parser.consumed();
    if (parser.state() == ResponseParser::State::Failed)
        fail(parser.errorKind(), url, parser.errorDetail());
    // Bytes past the answer would be read as the next one's start.
    if (!parser.keepAlive() || parser.extra() > 0 || socket.bytesAvailable() > 0)
        m_sockets.erase(connectionKey(url));

    Answer a;
    a.url = url;
    a.status = parser.status();
    a.body = parser.takeBody();
    a.contentType = QString::fromLatin1(parser.contentType());
    a.challenges = parser.challenges();
    a.proxyChallenges = parser.proxyChallenges();
    const QByteArray &encoding = parser.contentEncoding();
    if (!encoding.isEmpty() && encoding != "identity")
        fail(Kind::BadAnswer, url, QStringLiteral("the answer could not be decompressed (Content-Encoding: %1, which was not asked for)")
                                       .arg(QString::fromLatin1(encoding.left(40))));
    if (a.status >= 300 && a.status < 400)
        a.url = parser.location().isEmpty() ? QUrl() : url.resolved(QUrl::fromEncoded(parser.location()));
    return a;
}

} // namespace carddav
