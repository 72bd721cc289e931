#include "carddav/Proxy.h"

#include "carddav/Failure.h"
#include "carddav/Terminal.h"

#include <QHostAddress>
#include <QRegularExpression>

namespace carddav {

namespace {

constexpr const char *Variables[] = {"https_proxy", "HTTPS_PROXY", "http_proxy", "all_proxy", "ALL_PROXY",
                                     "no_proxy", "NO_PROXY"};

// curl's default port for a proxy named without one.
constexpr quint16 DefaultProxyPort = 1080;

QString bareHost(QString host)
{
    if (host.startsWith(QLatin1Char('[')) && host.endsWith(QLatin1Char(']')))
        host = host.mid(1, host.size() - 2);
    while (host.endsWith(QLatin1Char('.')))
        host.chop(1);
    return host.toLower();
}

// Whether one no_proxy entry covers host: the host itself or a name below
// it; an address, or a range in CIDR notation, for a host given as an address.
bool covers(QString entry, const QString &host)
{
    const QHostAddress address(host);
    if (!address.isNull()) {
        const qsizetype slash = entry.indexOf(QLatin1Char('/'));
        if (slash >= 0) {
            const auto subnet = QHostAddress::parseSubnet(bareHost(entry.left(slash)) + entry.mid(slash));
            return subnet.first.protocol() == address.protocol() && address.isInSubnet(subnet);
        }
        return QHostAddress(bareHost(entry)) == address;
    }
    while (entry.startsWith(QLatin1Char('.')))
        entry.remove(0, 1);
    entry = bareHost(entry);
    return !entry.isEmpty() && (host == entry || host.endsWith(QLatin1Char('.') + entry));
}

bool bypassed(const QByteArray &noProxy, const QString &host)
{
    const QString list = QString::fromUtf8(noProxy).trimmed();
    if (list == QLatin1String("*"))
        return true;
    for (const QString &entry : list.split(QRegularExpression(QStringLiteral("[,\\s]+")), Qt::SkipEmptyParts)) {
        if (covers(entry, host))
            return true;
    }
    return false;
}

} // namespace

QString Proxy::name() const
{
    const QString shown = host.contains(QLatin1Char(':')) ? QLatin1Char('[') + host + QLatin1Char(']') : host;
    return shown + QLatin1Char(':') + QString::number(port);
}

QByteArray authorityOf(const QUrl &url)
{
    const int port = url.port(url.scheme() == QLatin1String("https") ? 443 : 80);
    QByteArray host = url.host(QUrl::FullyEncoded).toLatin1();
    if (host.contains(':'))
        host = '[' + host + ']';
    return host + ':' + QByteArray::number(port);
}

bool proxyVariablesSet(const Environment &environment)
{
    for (const char *name : Variables) {
        if (!environment(name).isEmpty())
            return true;
    }
    return false;
}

std::optional<Proxy> environmentProxy(const QUrl &url, const Environment &environment)
{
    const QString host = bareHost(url.host(QUrl::FullyEncoded));
    QByteArray noProxy = environment("no_proxy");
    if (noProxy.isEmpty())
        noProxy = environment("NO_PROXY");
    if (bypassed(noProxy, host))
        return std::nullopt;

    const bool https = url.scheme() == QLatin1String("https");
    const char *const names[] = {https ? "https_proxy" : "http_proxy", https ? "HTTPS_PROXY" : nullptr, "all_proxy", "ALL_PROXY"};
    for (const char *name : names) {
        const QByteArray value = name ? environment(name).trimmed() : QByteArray();
        if (value.isEmpty())
            continue;
        const QString text = QString::fromUtf8(value);
        const QUrl proxy = QUrl(text.contains(QLatin1String("://")) ? text : QStringLiteral("http://") + text, QUrl::StrictMode);
        const QString variable = QString::fromLatin1(name);
        if (proxy.scheme() == QLatin1String("https"))
            fail(Problem::Kind::Usage, url, QStringLiteral("%1 names an https:// proxy, which is not supported; give its "
                                                           "http:// address, or pass --no-proxy").arg(variable));
        if (!proxy.isValid() || proxy.scheme() != QLatin1String("http") || proxy.host().isEmpty())
            fail(Problem::Kind::Usage, url, QStringLiteral("%1 is not an http:// proxy this tool can use (SOCKS is not "
                                                           "supported); fix it, or pass --no-proxy").arg(variable));
        Proxy p;
        p.host = proxy.host(QUrl::FullyEncoded);
        p.port = quint16(proxy.port(DefaultProxyPort));
        p.user = proxy.userName(QUrl::FullyDecoded);
        p.password = proxy.password(QUrl::FullyDecoded);
        p.source = variable;
        return p;
    }
    return std::nullopt;
}

std::optional<Proxy> proxyFor(const QUrl &url)
{
    const Environment environment = [](const char *name) { return environmentUtf8(name); };
    if (proxyVariablesSet(environment))
        return environmentProxy(url, environment);
    return systemProxy(url);
}

} // namespace carddav
