#include "DavClient.h"

#include "Session.h"

#include <QHostAddress>
#include <QXmlStreamWriter>

#include <algorithm>

namespace carddav {

namespace {

using Kind = DavError::Kind;

[[noreturn]] void fail(Kind kind, const QUrl &url, const QString &detail)
{
    throw DavError{kind, url, QString(), 0, detail, {}};
}

constexpr int MultigetBatch = 200;

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

QUrl resolved(const QUrl &base, const QString &href)
{
    return base.resolved(QUrl(href));
}

// The address book at url, or the only one below the user's home set.
QUrl findAddressBook(Session &client, const QUrl &start)
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
            fail(Kind::NotAddressBook, start, QStringLiteral("the server names no address books (no current-user-principal); "
                                       "pass the URL of an address book"));
    }
    if (self.homeSet.isEmpty()) {
        Answer p;
        const Multistatus pms = client.propfind(resolved(base, self.principal), DiscoverBody, "0", &p);
        if (!pms.responses.isEmpty())
            self.homeSet = pms.responses.first().homeSet;
        base = p.url;
        if (self.homeSet.isEmpty())
            fail(Kind::NotAddressBook, p.url, QStringLiteral("the user has no addressbook-home-set; not a CardDAV server? "
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
        fail(Kind::NotAddressBook, h.url, QStringLiteral("no address book found here; create one or pass the URL of one"));
    if (books.size() == 1)
        return books.first().first;
    DavError choice{Kind::Choice, start, QString(), 0,
                    QStringLiteral("%1 address books; pass one of these URLs:").arg(books.size()), {}};
    choice.books = books;
    throw choice;
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
    Session client(options);
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
