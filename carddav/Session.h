#pragma once

#include "DavClient.h"
#include "DavError.h"
#include "Multistatus.h"

#include <QByteArray>
#include <QNetworkAccessManager>
#include <QSslConfiguration>
#include <QString>
#include <QUrl>

#include <optional>

class QAuthenticator;
class QNetworkReply;

// The HTTP side of the address-book client: one request at a time, redirects
// followed by our own rules, the password given when a server asks, limits on
// time and size. Throws DavError.
namespace carddav {

struct Answer
{
    int status = 0;
    QUrl url;               // after redirects
    QByteArray body;
    QString contentType;
};

class Session
{
public:
    explicit Session(const ClientOptions &options);

    void addCertificates(const QString &path);

    Answer send(const QByteArray &method, QUrl url, const QByteArray &body, const char *depth);

    // A multistatus answer, or a message saying why there is none.
    Multistatus expectMultistatus(const Answer &a);

    Answer propfindAnswer(const QUrl &url, const QByteArray &body, const char *depth);

    Multistatus propfind(const QUrl &url, const QByteArray &body, const char *depth, Answer *answer = nullptr);

private:
    Answer sendOnce(const QByteArray &method, const QUrl &url, const QByteArray &body, const char *depth);

    [[noreturn]] void networkFailure(const QUrl &url, QNetworkReply *reply, const QStringList &tlsErrors);

    void authenticate(QNetworkReply *reply, QAuthenticator *auth);

    const ClientOptions &m_options;
    QNetworkAccessManager m_nam;
    QSslConfiguration m_tls;
    std::optional<DavError> m_loginFailure;
    bool m_loginGiven = false;
    int m_discoveryRequests = 0;
    qint64 m_received = 0;
};

} // namespace carddav
