#include "carddav/Session.h"

#include "carddav/Discovery.h"
#include "files/SafeFile.h"

#include <QFileInfo>
#include <QRandomGenerator>
#include <QSslCertificate>

namespace carddav {

namespace {

using Kind = Problem::Kind;

constexpr int MaxRedirects = 5;
// Discovery takes four requests at most; a server sending us round in
// circles is stopped here.
constexpr int MaxDiscoveryRequests = 8;
// A stale nonce is answered again, a few times at most.
constexpr int MaxAuthRounds = 4;

bool https(const QUrl &url)
{
    return url.scheme() == QLatin1String("https");
}

int portOf(const QUrl &url)
{
    return url.port(https(url) ? 443 : 80);
}

// scheme://host:port, as messages name an origin.
QString originName(const QUrl &url)
{
    return QStringLiteral("%1://%2:%3").arg(url.scheme(), url.host(QUrl::FullyEncoded)).arg(portOf(url));
}

} // namespace

void fail(Problem::Kind kind, const QUrl &url, const QString &detail, int status)
{
    Problem p;
    p.kind = kind;
    p.url = url;
    p.status = status;
    p.detail = detail;
    throw VireError(std::move(p));
}

QByteArray requestTarget(const QUrl &url)
{
    QByteArray target = url.toEncoded(QUrl::RemoveScheme | QUrl::RemoveAuthority | QUrl::RemoveFragment);
    if (!target.startsWith('/'))
        target.prepend('/');
    return target;
}

Session::Session(const ClientOptions &options) : m_options(options)
{
    m_tls = QSslConfiguration::defaultConfiguration();
    bool ok = false;
    const int second = qEnvironmentVariableIntValue("VIRE_DAV_SECOND_MS", &ok);
    if (ok && second > 0)
        m_secondMs = second;
    m_run.start();
}

QList<QSslCertificate> readCertificates(const QString &path)
{
    auto refuse = [&](const QString &why) {
        throw VireError(Problem::inFile(Kind::Usage, path, why));
    };
    if (!QFileInfo::exists(path))
        refuse(QStringLiteral("no such file; --ca-file takes a file of PEM certificates"));
    QByteArray pem;
    try {
        // A FIFO or a device is refused, never waited on.
        pem = safefile::readRegular(path, 16 * 1024 * 1024);
    } catch (const VireError &) {
        refuse(QStringLiteral("cannot be read; --ca-file takes a file of PEM certificates"));
    }
    QList<QSslCertificate> certificates = QSslCertificate::fromData(pem, QSsl::Pem);
    if (certificates.isEmpty())
        refuse(QStringLiteral("holds no PEM certificate; --ca-file takes the server's "
                              "certificate or its authority's, in PEM form"));
    return certificates;
}

void Session::addCertificates(const QString &path)
{
    const QList<QSslCertificate> extra = readCertificates(path);
    // Setting any list stops Qt's loading of the system store on demand,
    // so the system's certificates are put in explicitly.
    m_tls.setCaCertificates(m_tls.caCertificates() + QSslConfiguration::systemCaCertificates() + extra);
}

bool Session::sameOrigin(const QUrl &url) const
{
    const QUrl &o = *m_origin;
    if (url.host().compare(o.host(), Qt::CaseInsensitive) != 0)
        return false;
    if (url.scheme() == o.scheme())
        return portOf(url) == portOf(o);
    // The https upgrade of an http:// origin: its own port or the usual one.
    return https(url) && !https(o) && (portOf(url) == 443 || portOf(url) == portOf(o));
}

void Session::checkAllowed(const QUrl &url)
{
    if (!m_origin)
        m_origin = url.adjusted(QUrl::RemovePath | QUrl::RemoveQuery | QUrl::RemoveFragment | QUrl::RemoveUserInfo);
    if (https(url))
        m_secure = true;
    else if (m_secure)
        fail(Kind::Origin, url, QStringLiteral("the address book was reached over https://, and this URL would "
                                               "continue over plain http://, which is not encrypted; refused"));
}

Answer Session::send(const QByteArray &method, QUrl url, const QByteArray &body, const char *depth)
{
    // A password in a server's URL is none of ours to send.
    url.setUserInfo(QString());
    for (int redirects = 0;; ++redirects) {
        checkAllowed(url);
        Answer a = sendAuthorized(method, url, body, depth);
        if (a.status == 301 || a.status == 302 || a.status == 303 || a.status == 307 || a.status == 308) {
            if (redirects >= MaxRedirects)
                fail(Kind::BadAnswer, url, QStringLiteral("more than %1 redirects; pass the address book's final URL").arg(MaxRedirects));
            const bool web = a.url.scheme() == QLatin1String("http") || a.url.scheme() == QLatin1String("https");
            if (!a.url.isValid() || !web)
                fail(Kind::BadAnswer, url, QStringLiteral("redirect without a usable Location; pass the address book's URL"));
            a.url.setUserInfo(QString());
            if (m_secure && !https(a.url))
                fail(Kind::Origin, url, QStringLiteral("redirected from https:// to %1, which is not encrypted; refused. "
                                         "Ask the server's administrator").arg(a.url.toString(QUrl::RemoveUserInfo | QUrl::FullyEncoded)));
            url = a.url;
            continue;
        }
        if (a.status == 401 || a.status == 403)
            dav::failStatus(url, a.status);
        return a;
    }
}

Answer Session::sendAuthorized(const QByteArray &method, const QUrl &url, const QByteArray &body, const char *depth)
{
    const QString origin = originName(url);
    QByteArray header;
    if (m_auth.contains(origin))
        header = authorization(m_auth[origin], method, requestTarget(url), body);
    bool fresh = false;     // header answers this request's own challenge
    for (int round = 0;; ++round) {
        Answer a = sendOnce(method, url, body, depth, header);
        if (a.status != 401)
            return a;
        const QVector<Challenge> challenges = parseChallenges(a.challenges);
        const Challenge *chosen = pickChallenge(challenges);
        if (!chosen) {
            for (const Challenge &c : challenges) {
                if (c.scheme == "bearer")
                    fail(Kind::Login, url, QStringLiteral("the server wants a token (Bearer), which is not supported"), 401);
            }
            if (!challenges.isEmpty())
                fail(Kind::Login, url, QStringLiteral("the server asks for %1 authentication, which is not supported")
                                           .arg(QString::fromLatin1(challenges.first().scheme)), 401);
            return a;
        }
        if (const QByteArray name = controlParameter(*chosen); !name.isEmpty())
            fail(Kind::Login, url, QStringLiteral("the server's challenge holds control characters in its %1, which are "
                                                  "never sent back; refused. Tell the server's administrator")
                                       .arg(QString::fromLatin1(name)), 401);
        const bool stale = chosen->params.value("stale").compare("true", Qt::CaseInsensitive) == 0;
        if ((fresh && !stale) || round >= MaxAuthRounds)
            return a;
        AuthState state{*chosen, loginFor(url), 0};
        header = authorization(state, method, requestTarget(url), body);
        m_auth.insert(origin, state);
        fresh = true;
    }
}

QByteArray Session::authorization(AuthState &state, const QByteArray &method, const QByteArray &uri, const QByteArray &body)
{
    if (state.challenge.scheme == "basic")
        return basicAuthorization(state.login.user, state.login.password);
    DigestRequest r;
    r.method = method;
    r.uri = uri;
    r.body = body;
    r.nc = ++state.nc;
    r.cnonce = QByteArray::number(QRandomGenerator::system()->generate64(), 16);
    return digestAuthorization(state.challenge, state.login.user, state.login.password, r);
}

Login Session::loginFor(const QUrl &url)
{
    if (!https(url) && !isLoopback(url.host()))
        fail(Kind::Origin, url, QStringLiteral("the server asks for a password over plain http://, which "
                                               "anyone on the way could read; use https://"));
    const bool other = !sameOrigin(url);
    // The named origin and its https upgrade share one login.
    const QString origin = other ? originName(url) : QString();
    if (m_logins.contains(origin))
        return m_logins.value(origin);
    Login login{m_options.user, QString()};
    if (m_options.credentials) {
        // The prompt's time is the user's, not the server's.
        QElapsedTimer prompt;
        prompt.start();
        login = m_options.credentials(url, m_options.user, other);
        m_promptMs += prompt.elapsed();
    }
    if (other && login.password.isEmpty())
        fail(Kind::Origin, url, QStringLiteral("%1 asks for a password, which goes only to %2, the server named; "
                                               "add a line for %3 to ~/.netrc to give it one")
                                    .arg(originName(url), originName(*m_origin), url.host()));
    m_logins.insert(origin, login);
    return login;
}

Multistatus Session::expectMultistatus(const Answer &a)
{
    if (a.status == 404 || a.status >= 500)
        dav::failStatus(a.url, a.status);
    if (a.status != 207)
        fail(Kind::BadAnswer, a.url, QStringLiteral("not a CardDAV server or address book (HTTP %1%2); pass the URL of an address book")
                        .arg(a.status)
                        .arg(a.contentType.isEmpty() ? QString() : QStringLiteral(", ") + a.contentType.left(100)), a.status);
    try {
        return parseMultistatus(a.body);
    } catch (VireError &e) {
        e.problem().url = a.url;
        throw;
    }
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

} // namespace carddav
