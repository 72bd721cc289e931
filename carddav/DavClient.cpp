#include "DavClient.h"

#include "Multistatus.h"

#include <QAuthenticator>
#include <QEventLoop>
#include <QHostAddress>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSslConfiguration>
#include <QSslError>
#include <QTimer>
#include <QXmlStreamWriter>

#include <algorithm>

namespace carddav {

namespace {

constexpr int MaxRedirects = 5;
// Discovery takes four requests at most; a server sending us round in
// circles is stopped here.
constexpr int MaxDiscoveryRequests = 8;
constexpr int MultigetBatch = 200;
// Far above any address book (10,000 cards are a few MiB), far below what
// would exhaust memory.
constexpr qint64 MaxAnswerBytes = qint64(256) * 1024 * 1024;

const QByteArray DiscoverBody =
    "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n"
    "<d:propfind xmlns:d=\"DAV:\" xmlns:c=\"urn:ietf:params:xml:ns:carddav\"><d:prop>"
    "<d:resourcetype/><d:displayname/><d:current-user-principal/><c:addressbook-home-set/>"
    "</d:prop></d:propfind>\n";
const QByteArray MembersBody =
    "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n"
    "<d:propfind xmlns:d=\"DAV:\"><d:prop><d:resourcetype/><d:getetag/></d:prop></d:propfind>\n";
const QByteArray QueryBody =
    "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n"
    "<c:addressbook-query xmlns:d=\"DAV:\" xmlns:c=\"urn:ietf:params:xml:ns:carddav\">"
    "<d:prop><d:getetag/><c:address-data/></d:prop></c:addressbook-query>\n";

struct Answer
{
    int status = 0;
    QUrl url;               // after redirects
    QByteArray body;
    QString contentType;
};

[[noreturn]] void fail(const QUrl &url, const QString &text)
{
    throw DavFailure{QStringLiteral("%1: error: %2").arg(shownUrl(url), text)};
}

QByteArray multigetBody(const QStringList &hrefs)
{
    QByteArray body;
    QXmlStreamWriter w(&body);
    w.writeStartDocument();
    w.writeNamespace(QStringLiteral("DAV:"), QStringLiteral("d"));
    w.writeNamespace(QStringLiteral("urn:ietf:params:xml:ns:carddav"), QStringLiteral("c"));
    w.writeStartElement(QStringLiteral("urn:ietf:params:xml:ns:carddav"), QStringLiteral("addressbook-multiget"));
    w.writeStartElement(QStringLiteral("DAV:"), QStringLiteral("prop"));
    w.writeEmptyElement(QStringLiteral("DAV:"), QStringLiteral("getetag"));
    w.writeEmptyElement(QStringLiteral("urn:ietf:params:xml:ns:carddav"), QStringLiteral("address-data"));
    w.writeEndElement();
    for (const QString &href : hrefs)
        w.writeTextElement(QStringLiteral("DAV:"), QStringLiteral("href"), href);
    w.writeEndDocument();
    return body;
}

class Client
{
public:
    explicit Client(const ClientOptions &options) : m_options(options)
    {
        m_tls = QSslConfiguration::defaultConfiguration();
        QObject::connect(&m_nam, &QNetworkAccessManager::authenticationRequired, &m_nam,
                         [this](QNetworkReply *reply, QAuthenticator *auth) { authenticate(reply, auth); });
    }

    void addCertificates(const QString &path)
    {
        const QList<QSslCertificate> extra = QSslCertificate::fromPath(path, QSsl::Pem);
        if (extra.isEmpty())
            throw DavFailure{QStringLiteral("%1: error: holds no PEM certificate; --ca-file takes the server's "
                                            "certificate or its authority's, in PEM form").arg(path)};
        // Setting any list stops Qt's loading of the system store on demand,
        // so the system's certificates are put in explicitly.
        m_tls.setCaCertificates(m_tls.caCertificates() + QSslConfiguration::systemCaCertificates() + extra);
    }

    Answer send(const QByteArray &method, QUrl url, const QByteArray &body, const char *depth)
    {
        for (int redirects = 0;; ++redirects) {
            Answer a = sendOnce(method, url, body, depth);
            if (a.status == 301 || a.status == 302 || a.status == 303 || a.status == 307 || a.status == 308) {
                if (redirects >= MaxRedirects)
                    fail(url, QStringLiteral("more than %1 redirects; pass the address book's final URL").arg(MaxRedirects));
                const bool web = a.url.scheme() == QLatin1String("http") || a.url.scheme() == QLatin1String("https");
                if (!a.url.isValid() || !web)
                    fail(url, QStringLiteral("redirect without a usable Location; pass the address book's URL"));
                if (url.scheme() == QLatin1String("https") && a.url.scheme() != QLatin1String("https"))
                    fail(url, QStringLiteral("redirected from https:// to %1, which is not encrypted; refused. "
                                             "Ask the server's administrator").arg(shownUrl(a.url)));
                url = a.url;
                continue;
            }
            if (a.status == 401)
                fail(url, QStringLiteral("user name or password refused (HTTP 401); check --user and the password"));
            if (a.status == 403)
                fail(url, QStringLiteral("access forbidden (HTTP 403); check that the user may read this address book"));
            return a;
        }
    }

    // A multistatus answer, or a message saying why there is none.
    Multistatus expectMultistatus(const Answer &a)
    {
        if (a.status == 404)
            fail(a.url, QStringLiteral("not found (HTTP 404); check the URL"));
        if (a.status != 207)
            fail(a.url, QStringLiteral("not a CardDAV server or address book (HTTP %1%2); pass the URL of an address book")
                            .arg(a.status)
                            .arg(a.contentType.isEmpty() ? QString() : QStringLiteral(", ") + a.contentType));
        Multistatus ms = parseMultistatus(a.body);
        if (!ms.ok())
            fail(a.url, ms.error + QStringLiteral("; the server is not answering as CardDAV"));
        return ms;
    }

    Answer propfindAnswer(const QUrl &url, const QByteArray &body, const char *depth)
    {
        if (++m_discoveryRequests > MaxDiscoveryRequests)
            fail(url, QStringLiteral("no address book found after %1 requests; pass the URL of an address book")
                          .arg(MaxDiscoveryRequests));
        return send("PROPFIND", url, body, depth);
    }

    Multistatus propfind(const QUrl &url, const QByteArray &body, const char *depth, Answer *answer = nullptr)
    {
        const Answer a = propfindAnswer(url, body, depth);
        if (answer)
            *answer = a;
        return expectMultistatus(a);
    }

private:
    Answer sendOnce(const QByteArray &method, const QUrl &url, const QByteArray &body, const char *depth)
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

        if (!m_loginFailure.isEmpty())
            throw DavFailure{m_loginFailure};
        if (timedOut)
            fail(url, QStringLiteral("no answer for %1 seconds (time-out); check that the server runs and try again")
                          .arg(m_options.timeoutMs / 1000));
        if (tooLarge)
            fail(url, QStringLiteral("the answer is larger than 256 MiB; not an address book this tool takes"));

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

    [[noreturn]] void networkFailure(const QUrl &url, QNetworkReply *reply, const QStringList &tlsErrors)
    {
        switch (reply->error()) {
        case QNetworkReply::HostNotFoundError:
            fail(url, QStringLiteral("unknown host \"%1\"; check the URL").arg(url.host()));
        case QNetworkReply::ConnectionRefusedError:
            fail(url, QStringLiteral("connection refused; check the URL's host and port, and that the server runs"));
        case QNetworkReply::SslHandshakeFailedError:
            fail(url, QStringLiteral("TLS failure: %1; if the server has its own certificate authority, "
                                     "pass its certificate with --ca-file FILE")
                          .arg(tlsErrors.isEmpty() ? reply->errorString() : tlsErrors.join(QStringLiteral("; "))));
        default:
            fail(url, QStringLiteral("%1; check the URL and the network").arg(reply->errorString()));
        }
    }

    void authenticate(QNetworkReply *reply, QAuthenticator *auth)
    {
        const QUrl url = reply->url();
        if (m_loginGiven || !m_loginFailure.isEmpty())
            return;     // left empty: the reply ends in 401, the password was wrong
        if (url.scheme() != QLatin1String("https") && !isLoopback(url.host())) {
            m_loginFailure = QStringLiteral("%1: error: the server asks for a password over plain http://, which "
                                            "anyone on the way could read; use https://").arg(shownUrl(url));
            return;
        }
        try {
            const Login login = m_options.credentials ? m_options.credentials(url, m_options.user)
                                                      : Login{m_options.user, QString()};
            auth->setUser(login.user);
            auth->setPassword(login.password);
            m_loginGiven = true;
        } catch (const DavFailure &f) {
            m_loginFailure = f.text;
        }
    }

    const ClientOptions &m_options;
    QNetworkAccessManager m_nam;
    QSslConfiguration m_tls;
    QString m_loginFailure;
    bool m_loginGiven = false;
    int m_discoveryRequests = 0;
    qint64 m_received = 0;
};

QUrl resolved(const QUrl &base, const QString &href)
{
    return base.resolved(QUrl(href));
}

// The address book at url, or the only one below the user's home set.
QUrl findAddressBook(Client &client, const QUrl &start)
{
    const Answer a = client.propfindAnswer(start, DiscoverBody, "0");
    DavResponse self;
    // A server's root is often no WebDAV resource: the well-known address is
    // where discovery starts then. Anywhere else a refusal stands.
    const bool root = start.path().isEmpty() || start.path() == QLatin1String("/");
    if (a.status == 207 || !root) {
        const Multistatus ms = client.expectMultistatus(a);
        if (!ms.responses.isEmpty())
            self = ms.responses.first();
        if (self.addressBook)
            return a.url;
    }

    QUrl base = a.url;
    if (self.principal.isEmpty() && self.homeSet.isEmpty()) {
        const QUrl wellKnown = start.resolved(QUrl(QStringLiteral("/.well-known/carddav")));
        Answer w;
        Multistatus wms = client.propfind(wellKnown, DiscoverBody, "0", &w);
        if (!wms.responses.isEmpty())
            self = wms.responses.first();
        base = w.url;
        if (self.principal.isEmpty() && self.homeSet.isEmpty())
            fail(start, QStringLiteral("the server names no address books (no current-user-principal); "
                                       "pass the URL of an address book"));
    }
    if (self.homeSet.isEmpty()) {
        Answer p;
        const Multistatus pms = client.propfind(resolved(base, self.principal), DiscoverBody, "0", &p);
        if (!pms.responses.isEmpty())
            self.homeSet = pms.responses.first().homeSet;
        base = p.url;
        if (self.homeSet.isEmpty())
            fail(p.url, QStringLiteral("the user has no addressbook-home-set; not a CardDAV server? "
                                       "Pass the URL of an address book"));
    }
    Answer h;
    const Multistatus hms = client.propfind(resolved(base, self.homeSet), DiscoverBody, "1", &h);
    QVector<std::pair<QUrl, QString>> books;
    for (const DavResponse &r : hms.responses) {
        if (r.addressBook && (r.status == 0 || (r.status >= 200 && r.status < 300)))
            books.append({resolved(h.url, r.href), r.displayName});
    }
    if (books.isEmpty())
        fail(h.url, QStringLiteral("no address book found here; create one or pass the URL of one"));
    if (books.size() == 1)
        return books.first().first;
    QString text = QStringLiteral("%1: error: %2 address books; pass one of these URLs:")
                       .arg(shownUrl(start))
                       .arg(books.size());
    for (const auto &[url, name] : books)
        text += QStringLiteral("\n  %1%2").arg(shownUrl(url), name.isEmpty() ? QString() : QStringLiteral("  (%1)").arg(name));
    throw DavFailure{text};
}

void collectCards(const QUrl &base, const Multistatus &ms, QVector<Card> &cards)
{
    for (const DavResponse &r : ms.responses) {
        if (r.hasAddressData)
            cards.append({shownUrl(resolved(base, r.href)), r.addressData});
    }
}

} // namespace

QString shownUrl(const QUrl &url)
{
    return url.toString(QUrl::RemoveUserInfo);
}

bool isLoopback(const QString &host)
{
    if (host.compare(QLatin1String("localhost"), Qt::CaseInsensitive) == 0)
        return true;
    const QHostAddress address(host);
    return !address.isNull() && address.isLoopback();
}

QVector<Card> fetchCards(const QUrl &url, const ClientOptions &options)
{
    Client client(options);
    if (!options.caFile.isEmpty())
        client.addCertificates(options.caFile);
    QUrl start = url;
    start.setUserInfo(QString());   // credentials go only where the server asks for them

    const QUrl book = findAddressBook(client, start);
    QVector<Card> cards;
    const Answer a = client.send("REPORT", book, QueryBody, "1");
    // Servers without addressbook-query: each card by name, in batches.
    if (a.status == 400 || a.status == 405 || a.status == 415 || a.status == 422 || a.status == 501) {
        const Multistatus members = client.propfind(book, MembersBody, "1");
        QStringList hrefs;
        for (const DavResponse &r : members.responses) {
            if (!r.collection && !r.href.isEmpty())
                hrefs << r.href;
        }
        for (qsizetype i = 0; i < hrefs.size(); i += MultigetBatch) {
            const Answer m = client.send("REPORT", book, multigetBody(hrefs.mid(i, MultigetBatch)), "1");
            collectCards(m.url, client.expectMultistatus(m), cards);
        }
    } else {
        collectCards(a.url, client.expectMultistatus(a), cards);
    }
    std::sort(cards.begin(), cards.end(), [](const Card &x, const Card &y) { return x.url < y.url; });
    return cards;
}

} // namespace carddav
