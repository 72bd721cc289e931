#include "carddav/Proxy.h"

#include <QNetworkProxyFactory>

namespace carddav {

// Windows' own proxy settings (Internet Options' fixed proxy and its
// exceptions), as Qt reads them through WinHTTP. A SOCKS proxy is not
// spoken to: the request goes directly, as it would with no proxy set.
std::optional<Proxy> systemProxy(const QUrl &url)
{
    const QList<QNetworkProxy> found = QNetworkProxyFactory::systemProxyForQuery(QNetworkProxyQuery(url));
    for (const QNetworkProxy &p : found) {
        if (p.type() == QNetworkProxy::NoProxy)
            return std::nullopt;
        if (p.type() == QNetworkProxy::HttpProxy && !p.hostName().isEmpty())
            return Proxy{p.hostName(), p.port() != 0 ? p.port() : quint16(80), p.user(), p.password(),
                         QStringLiteral("Windows' proxy settings")};
    }
    return std::nullopt;
}

} // namespace carddav
