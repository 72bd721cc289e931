#include "Session.h"

#include <QAuthenticator>
#include <QEventLoop>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSslError>
#include <QTimer>

#include <memory>

namespace carddav {

namespace {

using Kind = DavError::Kind;

constexpr int MaxRedirects = 5;
// Discovery takes four requests at most; a server sending us round in
// circles is stopped here.
constexpr int MaxDiscoveryRequests = 8;
// Far above any address book (10,000 cards are a few MiB), far below what
// would exhaust memory.
constexpr qint64 MaxAnswerBytes = qint64(256) * 1024 * 1024;

[[noreturn]] void fail(Kind kind, const QUrl &url, const QString &detail, int status = 0)
{
    throw DavError{kind, url, QString(), status, detail, {}};
}

} // namespace

Session::Session(const ClientOptions &options) : m_options(options)
{
    m_tls = QSslConfiguration::defaultConfiguration();
    QObject::connect(&m_nam, &QNetworkAccessManager::authenticationRequired, &m_nam,
                     [this](QNetworkReply *reply, QAuthenticator *auth) { authenticate(reply, auth); });
}

void Session::addCertificates(const QString &path)
{
    const QList<QSslCertificate> extra = QSslCertificate::fromPath(path, QSsl::Pem);
    if (extra.isEmpty())
        throw DavError{DavError::Kind::Usage, QUrl(), path, 0,
                       QStringLiteral("holds no PEM certificate; --ca-file takes the server's "
                                      "certificate or its authority's, in PEM form"), {}};
    // Setting any list stops Qt's loading of the system store on demand,
    // so the system's certificates are put in explicitly.
    m_tls.setCaCertificates(m_tls.caCertificates() + QSslConfiguration::systemCaCertificates() + extra);
}

Answer Session::send(const QByteArray &method, QUrl url, const QByteArray &body, const char *depth)
{
    for (int redirects = 0;; ++redirects) {
        Answer a = sendOnce(method, url, body, depth);
        if (a.status == 301 || a.status == 302 || a.status == 303 || a.status == 307 || a.status == 308) {
            if (redirects >= MaxRedirects)
                fail(Kind::BadAnswer, url, QStringLiteral("more than %1 redirects; pass the address book's final URL").arg(MaxRedirects));
            const bool web = a.url.scheme() == QLatin1String("http") || a.url.scheme() == QLatin1String("https");
            if (!a.url.isValid() || !web)
                fail(Kind::BadAnswer, url, QStringLiteral("redirect without a usable Location; pass the address book's URL"));
            if (url.scheme() == QLatin1String("https") && a.url.scheme() != QLatin1String("https"))
                fail(Kind::Origin, url, QStringLiteral("redirected from https:// to %1, which is not encrypted; refused. "
                                         "Ask the server's administrator").arg(shownUrl(a.url)));
            url = a.url;
            continue;
        }
        if (a.status == 401)
            fail(Kind::Login, url, QStringLiteral("user name or password refused (HTTP 401); check --user and the password"));
        if (a.status == 403)
            fail(Kind::Forbidden, url, QStringLiteral("access forbidden (HTTP 403); check that the user may read this address book"));
        return a;
    }
}

Multistatus Session::expectMultistatus(const Answer &a)
{
    if (a.status == 404)
        fail(Kind::NotFound, a.url, QStringLiteral("not found (HTTP 404); check the URL"));
    if (a.status != 207)
        fail(Kind::BadAnswer, a.url, QStringLiteral("not a CardDAV server or address book (HTTP %1%2); pass the URL of an address book")
                        .arg(a.status)
                        .arg(a.contentType.isEmpty() ? QString() : QStringLiteral(", ") + a.contentType));
    Multistatus ms = parseMultistatus(a.body);
    if (!ms.ok())
        fail(Kind::BadAnswer, a.url, ms.error + QStringLiteral("; the server is not answering as CardDAV"));
    return ms;
}

Answer Session::propfindAnswer(const QUrl &url, const QByteArray &body, const char *depth)
{
    if (++m_discoveryRequests > MaxDiscoveryRequests)
        fail(Kind::BadAnswer, url, QStringLiteral("no address book found after %1 requests; pass the URL of an address book")
                      .arg(MaxDiscoveryRequests));
    return send("PROPFIND", url, body, depth);
}

Multistatus Session::propfind(const QUrl &url, const QByteArray &body, const char *depth, Answer *answer)
{
    const Answer a = propfindAnswer(url, body, depth);
    if (answer)
        *answer = a;
    return expectMultistatus(a);
}

Answer Session::sendOnce(const QByteArray &method, const QUrl &url, const QByteArray &body, const char *depth)
{
    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::ManualRedirectPolicy);
    request.setHeader(QNetworkRequest::ContentTypeHeader, QByteArrayLiteral("application/xml; charset=utf-8"));
    request.setRawHeader("Depth", depth);
    if (url.scheme() == QLatin1String("https"))
        request.setSslConfiguration(m_tls);

    QNetworkReply *reply = m_nam.sendCustomRequest(request, method, body);
    QEventLoop loop;
    QTimer quiet;
    quiet.setSingleShot(true);
    bool timedOut = false, tooLarge = false;
    QStringList tlsErrors;
    QObject::connect(&quiet, &QTimer::timeout, reply, [&] {
        timedOut = true;
        reply->abort();
    });
    QObject::connect(reply, &QNetworkReply::uploadProgress, &quiet, [&] { quiet.start(); });
    QObject::connect(reply, &QNetworkReply::downloadProgress, &quiet, [&](qint64 received, qint64) {
        quiet.start();
        if (received > MaxAnswerBytes) {
            tooLarge = true;
            reply->abort();
        } else if (m_options.progress) {
            m_options.progress(m_received + received);
        }
    });
    QObject::connect(reply, &QNetworkReply::sslErrors, reply, [&](const QList<QSslError> &errors) {
        for (const QSslError &e : errors)
            tlsErrors << e.errorString();
    });
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    quiet.start(m_options.timeoutMs);
    loop.exec();
    std::unique_ptr<QNetworkReply, void (*)(QNetworkReply *)> owner(reply, [](QNetworkReply *r) { r->deleteLater(); });

    if (m_loginFailure)
        throw *m_loginFailure;
    if (timedOut)
        fail(Kind::Timeout, url, QStringLiteral("no answer for %1 seconds (time-out); check that the server runs and try again")
                      .arg(m_options.timeoutMs / 1000));
    if (tooLarge)
        fail(Kind::TooLarge, url, QStringLiteral("the answer is larger than 256 MiB; not an address book this tool takes"));

    Answer a;
    a.status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (a.status == 0)
        networkFailure(url, reply, tlsErrors);
    a.body = reply->readAll();
    a.contentType = reply->header(QNetworkRequest::ContentTypeHeader).toString();
    m_received += a.body.size();
    a.url = url;
    if (a.status >= 300 && a.status < 400) {
        const QByteArray location = reply->rawHeader("Location");
        a.url = location.isEmpty() ? QUrl() : url.resolved(QUrl::fromEncoded(location));
    }
    return a;
}

[[noreturn]] void Session::networkFailure(const QUrl &url, QNetworkReply *reply, const QStringList &tlsErrors)
{
    switch (reply->error()) {
    case QNetworkReply::HostNotFoundError:
        fail(Kind::Network, url, QStringLiteral("unknown host \"%1\"; check the URL").arg(url.host()));
    case QNetworkReply::ConnectionRefusedError:
        fail(Kind::Network, url, QStringLiteral("connection refused; check the URL's host and port, and that the server runs"));
    case QNetworkReply::SslHandshakeFailedError:
        fail(Kind::Tls, url, QStringLiteral("TLS failure: %1; if the server has its own certificate authority, "
                                 "pass its certificate with --ca-file FILE")
                      .arg(tlsErrors.isEmpty() ? reply->errorString() : tlsErrors.join(QStringLiteral("; "))));
    default:
        fail(Kind::Network, url, QStringLiteral("%1; check the URL and the network").arg(reply->errorString()));
    }
}

void Session::authenticate(QNetworkReply *reply, QAuthenticator *auth)
{
    const QUrl url = reply->url();
    if (m_loginGiven || m_loginFailure)
        return;     // left empty: the reply ends in 401, the password was wrong
    if (url.scheme() != QLatin1String("https") && !isLoopback(url.host())) {
        m_loginFailure = DavError{Kind::Origin, url, QString(), 0,
                                  QStringLiteral("the server asks for a password over plain http://, which "
                                                 "anyone on the way could read; use https://"), {}};
        return;
    }
    try {
        const Login login = m_options.credentials ? m_options.credentials(url, m_options.user)
                                                  : Login{m_options.user, QString()};
        auth->setUser(login.user);
        auth->setPassword(login.password);
        m_loginGiven = true;
    } catch (const DavError &e) {
        m_loginFailure = e;
    }
}

} // namespace carddav
