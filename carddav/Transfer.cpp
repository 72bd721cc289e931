// One request and its answer, whole or not at all, spoken here over a socket
// rather than by Qt's network access manager: Qt ends a chunked answer cut by
// the server as if it were whole, and a short answer must fail the run. Also
// the session's time-outs and the byte budget of the run.
#include "carddav/Session.h"

#include <QSslError>
#include <QSslSocket>

namespace carddav {

namespace {

using Kind = Problem::Kind;

// Far above any address book (10,000 cards are a few MiB), far below what
// would exhaust memory: for all answers of a run together.
constexpr qint64 MaxRunBytes = qint64(256) * 1024 * 1024;
// The no-progress clock restarts only when this much arrived since it last
// did: a server dripping a byte now and then does not keep a run alive.
constexpr qint64 ProgressStep = 16 * 1024;
constexpr qsizetype MaxHeaderBytes = 64 * 1024;

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

} // namespace

QString Session::connectionKey(const QUrl &url)
{
    return url.scheme() + QLatin1Char(' ') + url.authority(QUrl::RemoveUserInfo | QUrl::FullyEncoded);
}

qint64 Session::runLeftMs() const
{
    return qint64(m_options.runTimeoutMs) * m_secondMs / 1000 - (m_run.elapsed() - m_promptMs);
}

// The socket calls wait at most until the next of the two clocks runs out.
class Session::Wire
{
public:
    Wire(Session &s, const QUrl &url) : m_s(s), m_url(url) { m_quiet.start(); }

    void progressed() { m_quiet.restart(); }

    // Milliseconds to wait; throws when a clock has run out.
    int waitMs() const
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
        return int(qMin<qint64>(qMin(quiet, run), 1000000));
    }

private:
    Session &m_s;
    QUrl m_url;
    QElapsedTimer m_quiet;
};

QTcpSocket &Session::connection(const QUrl &url, Wire &wire, bool &reused)
{
    std::unique_ptr<QTcpSocket> &socket = m_sockets[connectionKey(url)];
    reused = socket && socket->state() == QAbstractSocket::ConnectedState;
    if (reused)
        return *socket;
    const quint16 port = quint16(url.port(url.scheme() == QLatin1String("https") ? 443 : 80));
    if (url.scheme() == QLatin1String("https")) {
        auto *tls = new QSslSocket;
        socket.reset(tls);
        tls->setSslConfiguration(m_tls);
        tls->setPeerVerifyName(url.host());
        tls->connectToHostEncrypted(url.host(), port);
        while (!tls->isEncrypted()) {
            if (tls->waitForEncrypted(wire.waitMs()))
                break;
            if (tls->error() != QAbstractSocket::SocketTimeoutError)
                connectFailure(url, *tls, tls->sslHandshakeErrors());
        }
    } else {
        socket.reset(new QTcpSocket);
        socket->connectToHost(url.host(), port);
        while (socket->state() != QAbstractSocket::ConnectedState) {
            if (socket->waitForConnected(wire.waitMs()))
                break;
            if (socket->error() != QAbstractSocket::SocketTimeoutError)
                connectFailure(url, *socket, {});
        }
    }
    wire.progressed();
    return *socket;
}

[[noreturn]] void Session::connectFailure(const QUrl &url, QTcpSocket &socket, const QList<QSslError> &tlsErrors)
{
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

Answer Session::sendOnce(const QByteArray &method, const QUrl &url, const QByteArray &body, const char *depth,
                         const QByteArray &authorization)
{
    QByteArray request = method + ' ' + requestTarget(url) + " HTTP/1.1\r\nHost: " + url.authority(QUrl::RemoveUserInfo | QUrl::FullyEncoded).toLatin1()
        + "\r\nUser-Agent: vire-image\r\nAccept-Encoding: identity\r\n";
    if (depth)
        request += QByteArray("Depth: ") + depth + "\r\n";
    if (!authorization.isEmpty())
        request += "Authorization: " + authorization + "\r\n";
    if (!body.isEmpty())
        request += "Content-Type: application/xml; charset=utf-8\r\n";
    request += "Content-Length: " + QByteArray::number(body.size()) + "\r\n\r\n" + body;

    // A kept connection the server has closed meanwhile fails before any
    // answer: the request goes once more on a new one.
    for (int attempt = 0;; ++attempt) {
        Wire wire(*this, url);
        bool reused = false;
        QTcpSocket &socket = connection(url, wire, reused);
        Answer a;
        bool started = false;
        try {
            a = exchange(socket, wire, url, method, request, started);
        } catch (const VireError &) {
            m_sockets.erase(connectionKey(url));
            if (reused && !started && attempt == 0)
                continue;
            throw;
        }
        m_received += a.body.size();
        return a;
    }
}

Answer Session::exchange(QTcpSocket &socket, Wire &wire, const QUrl &url, const QByteArray &method,
                         const QByteArray &request, bool &started)
{
    Answer a;
    a.url = url;
    QByteArray in;
    qsizetype at = 0;
    qint64 mark = 0;
    bool closed = false;
    // More bytes into in; false at the end of the connection.
    auto more = [&]() -> bool {
        while (socket.bytesAvailable() == 0) {
            if (socket.state() != QAbstractSocket::ConnectedState)
                return false;
            if (!socket.waitForReadyRead(wire.waitMs())) {
                if (socket.error() == QAbstractSocket::SocketTimeoutError)
                    continue;
                if (socket.bytesAvailable() > 0)
                    break;
                return false;
            }
        }
        started = true;
        // What was taken goes, so that in never holds more than what is pending.
        in.remove(0, at);
        at = 0;
        in += socket.readAll();
        return true;
    };
    auto cut = [&]() {
        fail(Kind::Cut, url, QStringLiteral("the connection closed after %1 bytes").arg(a.body.size()));
    };
    // A line of the header, or of the chunked body's framing (inBody).
    auto line = [&](bool inBody) -> QByteArray {
        for (;;) {
            const qsizetype end = in.indexOf('\n', at);
            if (end >= 0) {
                QByteArray l = in.mid(at, end - at);
                at = end + 1;
                return l.endsWith('\r') ? l.chopped(1) : l;
            }
            if (in.size() - at > MaxHeaderBytes)
                fail(Kind::BadAnswer, url, QStringLiteral("the answer's header is larger than 64 KiB; not an HTTP server?"));
            if (!more()) {
                if (inBody)
                    cut();
                fail(Kind::Cut, url, QStringLiteral("the connection closed before an answer came"));
            }
        }
    };
    // count bytes of the body, moved to a.body as they come so that no
    // second copy builds up.
    auto take = [&](qint64 count, qint64 announced) {
        if (m_received + a.body.size() + count > MaxRunBytes)
            fail(Kind::TooLarge, url, QStringLiteral("the answers are larger than 256 MiB together; not an address book this tool takes"));
        if (announced >= 0)
            a.body.reserve(announced);
        for (qint64 need = count;;) {
            const qint64 n = qMin<qint64>(need, in.size() - at);
            a.body.append(in.constData() + at, n);
            at += n;
            need -= n;
            if (at == in.size()) {
                in.clear();
                at = 0;
            }
            if (a.body.size() - mark >= ProgressStep) {
                mark = a.body.size();
                wire.progressed();
                if (m_options.progress)
                    m_options.progress(m_received + a.body.size());
            }
            if (need == 0)
                return;
            if (!more()) {
                if (announced < 0)
                    cut();
                fail(Kind::Cut, url, QStringLiteral("the connection closed after %1 of %2 bytes").arg(a.body.size()).arg(announced));
            }
        }
    };

    socket.write(request);
    while (socket.bytesToWrite() > 0) {
        if (!socket.waitForBytesWritten(wire.waitMs()) && socket.error() != QAbstractSocket::SocketTimeoutError)
            fail(Kind::Cut, url, QStringLiteral("the connection closed before an answer came"));
    }
    wire.progressed();

    QList<std::pair<QByteArray, QByteArray>> headers;
    QByteArray statusLine;
    do {    // interim answers (100 Continue) are passed over
        statusLine = line(false);
        const QList<QByteArray> parts = statusLine.split(' ');
        if (parts.size() < 2 || !parts[0].startsWith("HTTP/1."))
            fail(Kind::BadAnswer, url, QStringLiteral("the answer is not HTTP; check the URL's scheme and port"));
        a.status = parts[1].toInt();
        headers.clear();
        qsizetype headerBytes = 0;
        for (QByteArray h = line(false); !h.isEmpty(); h = line(false)) {
            if ((headerBytes += h.size()) > MaxHeaderBytes)
                fail(Kind::BadAnswer, url, QStringLiteral("the answer's header is larger than 64 KiB; not an HTTP server?"));
            const qsizetype colon = h.indexOf(':');
            if (colon > 0)
                headers.append({h.left(colon).trimmed().toLower(), h.mid(colon + 1).trimmed()});
        }
    } while (a.status >= 100 && a.status < 200);
    wire.progressed();

    QByteArray encoding, transfer, connectionHeader, location;
    qint64 length = -1;
    for (const auto &[name, value] : headers) {
        if (name == "content-type")
            a.contentType = QString::fromLatin1(value);
        else if (name == "content-encoding")
            encoding = value.toLower();
        else if (name == "transfer-encoding")
            transfer = value.toLower();
        else if (name == "connection")
            connectionHeader = value.toLower();
        else if (name == "location")
            location = value;
        else if (name == "www-authenticate")
            a.challenges += (a.challenges.isEmpty() ? "" : ", ") + value;
        else if (name == "content-length") {
            bool ok = false;
            length = value.toLongLong(&ok);
            if (!ok || length < 0)
                fail(Kind::BadAnswer, url, QStringLiteral("the answer's Content-Length is no number"));
        }
    }

    if (method == "HEAD" || a.status == 204 || a.status == 304) {
        // No body.
    } else if (transfer.contains("chunked")) {
        for (;;) {
            const QByteArray size = line(true).split(';').first().trimmed();
            bool ok = false;
            const qint64 n = size.toLongLong(&ok, 16);
            if (!ok || n < 0)
                fail(Kind::BadAnswer, url, QStringLiteral("the answer's chunked framing is broken"));
            if (n == 0)
                break;
            take(n, -1);
            if (!line(true).isEmpty())    // the chunk's line end
                fail(Kind::BadAnswer, url, QStringLiteral("the answer's chunked framing is broken"));
        }
        while (!line(true).isEmpty()) {
            // Trailer fields: nothing here needs them.
        }
    } else if (length >= 0) {
        take(length, length);
    } else {
        // The body runs to the end of the connection.
        for (;;) {
            a.body += in.mid(at);
            in.clear();
            at = 0;
            if (m_received + a.body.size() > MaxRunBytes)
                fail(Kind::TooLarge, url, QStringLiteral("the answers are larger than 256 MiB together; not an address book this tool takes"));
            if (a.body.size() - mark >= ProgressStep) {
                mark = a.body.size();
                wire.progressed();
            }
            if (!more())
                break;
        }
        closed = true;
    }
    // Bytes past the answer would be read as the next one's start.
    const bool leftOver = at < in.size() || socket.bytesAvailable() > 0;
    if (closed || leftOver || connectionHeader.contains("close") || statusLine.startsWith("HTTP/1.0"))
        m_sockets.erase(connectionKey(url));
    if (m_options.progress)
        m_options.progress(m_received + a.body.size());

    if (!encoding.isEmpty() && encoding != "identity")
        fail(Kind::BadAnswer, url, QStringLiteral("the answer could not be decompressed (Content-Encoding: %1, which was not asked for)")
                                       .arg(QString::fromLatin1(encoding.left(40))));
    if (a.status >= 300 && a.status < 400)
        a.url = location.isEmpty() ? QUrl() : url.resolved(QUrl::fromEncoded(location));
    return a;
}

} // namespace carddav
