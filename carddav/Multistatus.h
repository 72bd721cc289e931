#pragma once

#include <QByteArray>
#include <QString>
#include <QVector>

// The WebDAV multistatus answer (RFC 4918) of a PROPFIND or REPORT, reduced
// to what address book discovery and fetching need. Qt Core only.
namespace carddav {

struct DavResponse
{
    QString href;                 // as the server wrote it, not yet resolved
    int status = 0;               // the response's own status line, 0 when it has propstats
    // Properties taken only from propstats whose status is 2xx.
    bool collection = false;
    bool addressBook = false;
    bool calendar = false;
    bool principalType = false;   // resourcetype says principal
    QString contentType;          // getcontenttype
    QString displayName;
    QString principal;            // current-user-principal's href
    QString homeSet;              // addressbook-home-set's first href
    QString etag;
    QByteArray addressData;       // the vCard text, UTF-8
    bool hasAddressData = false;
};

struct Multistatus
{
    QVector<DavResponse> responses;
};

// Elements nest no deeper than this; a deeper answer is refused, as the
// reader's own stack would otherwise grow with every level a server sends.
constexpr int MaxXmlDepth = 64;

// Any bytes in, never more than the responses the text holds. A response
// naming several hrefs under one status comes out as one response per href.
// Bytes that are no multistatus throw VireError (BadAnswer, without a URL).
Multistatus parseMultistatus(const QByteArray &xml);

// "HTTP/1.1 404 Not Found" -> 404; 0 when the line is no status line.
int statusCode(const QString &line);

} // namespace carddav
