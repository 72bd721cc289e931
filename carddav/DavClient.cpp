#include "carddav/DavClient.h"

#include "carddav/Discovery.h"
#include "carddav/Session.h"

#include <QHostAddress>
#include <QMap>
#include <QXmlStreamWriter>


namespace carddav {

namespace {

using Kind = Problem::Kind;
using namespace dav;

constexpr int MultigetBatch = 200;

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

bool isVCard(const QByteArray &data)
{
    qsizetype i = data.startsWith("\xEF\xBB\xBF") ? 3 : 0;
    while (i < data.size() && (data[i] == ' ' || data[i] == '\t' || data[i] == '\r' || data[i] == '\n'))
        ++i;
    return data.mid(i, 11).compare("BEGIN:VCARD", Qt::CaseInsensitive) == 0;
}

// Every card the book lists, by URL: read, or still wanted with the status
// the server last gave for it.
class Cards
{
public:
    Cards(Session &client, const ClientOptions &options, const QUrl &book)
        : m_client(client), m_options(options), m_book(book) {}

    // The cards of an addressbook-query or multiget answer.
    void take(const QUrl &base, Multistatus &&ms)
    {
        for (DavResponse &r : ms.responses) {
            const QUrl url = resolved(base, r.href);
            if (r.href.isEmpty() || r.collection || sameResource(url, m_book))
                continue;
            Entry &e = m_entries[encoded(url)];
            if (e.read)
                continue;   // the same card twice in one answer
            if (r.hasAddressData && ok(r.status))
                read(e, url, std::move(r.addressData));
            else
                e.status = r.status;
            r = DavResponse();   // its text goes back at once
        }
    }

    // The cards as a PROPFIND at depth 1 lists them.
    void list()
    {
        const Answer a = m_client.propfindAnswer(m_book, MembersBody, "1");
        for (const DavResponse &r : multistatus(m_client, a).responses) {
            const QUrl url = resolved(a.url, r.href);
            if (r.href.isEmpty() || r.collection || !ok(r.status) || sameResource(url, m_book))
                continue;
            m_entries[encoded(url)];
        }
    }

    // No more cards than room make no more entries: only past it are they counted.
    bool full()
    {
        if (m_full || m_options.room < 0 || !m_options.entries || m_read <= m_options.room)
            return m_full;
        for (Entry &e : m_entries) {
            if (e.read && !e.counted) {
                m_counted += m_options.entries(e.vcard);
                e.counted = true;
            }
        }
        return m_full = m_counted > m_options.room;
    }

    QVector<QUrl> wanted() const
    {
        QVector<QUrl> urls;
        for (auto it = m_entries.cbegin(); it != m_entries.cend(); ++it) {
            if (!it->read)
                urls.append(QUrl::fromEncoded(it.key().toLatin1()));
        }
        return urls;
    }

    // Returns false when the server failed, so that the rest go one by one.
    bool multiget(const QVector<QUrl> &urls)
    {
        QStringList hrefs;
        for (const QUrl &url : urls) {
            if (within(url, m_book))
                hrefs << url.path(QUrl::FullyEncoded);
        }
        for (qsizetype i = 0; i < hrefs.size(); i += MultigetBatch) {
            Answer m = m_client.send("REPORT", m_book, multigetBody(hrefs.mid(i, MultigetBatch)), "1");
            if (m.status >= 500 || unsupported(m.status))
                return false;
            take(m.url, multistatus(m_client, m));
            if (full())
                break;
        }
        return true;
    }

    void get(const QUrl &url)
    {
        Answer g = m_client.send("GET", url, QByteArray(), nullptr);
        Entry &e = m_entries[encoded(url)];
        e.status = g.status;
        if (g.status >= 200 && g.status < 300)
            read(e, g.url, std::move(g.body));
    }

    BookCards result()
    {
        BookCards out;
        if (full()) {
            out.tooMany = m_counted;
            return out;
        }
        out.cards.reserve(m_entries.size());
        for (auto it = m_entries.begin(); it != m_entries.end(); ++it) {
            if (it->read)
                out.cards.append({it.key(), std::move(it->vcard), QString()});
            else
                out.cards.append({it.key(), QByteArray(), missing(it->status)});
        }
        return out;
    }

private:
    // Keyed by the URL as sent: a QUrl for each would cost more than a small card.
    struct Entry
    {
        QByteArray vcard;
        int status = 0;
        bool read = false;
        bool counted = false;
    };

    static QString missing(int status)
    {
        if (status <= 0)
            return QStringLiteral("no card data");
        // A refused login or a forbidden book is the whole request's: a card's
        // own 401 or 403 shows as its number alone.
        if (status == 401 || status == 403)
            return QStringLiteral("HTTP %1").arg(status);
        return statusText(status);
    }

    void read(Entry &e, const QUrl &url, QByteArray &&data)
    {
        if (!isVCard(data))
            fail(Kind::BadAnswer, url, QStringLiteral("the server sent no vCard for this card (it begins \"%1\")")
                                      .arg(QString::fromUtf8(data.trimmed().left(40))));
        e.vcard = std::move(data);
        e.read = true;
        ++m_read;
    }

    Session &m_client;
    const ClientOptions &m_options;
    QUrl m_book;
    QMap<QString, Entry> m_entries;
    qsizetype m_read = 0, m_counted = 0;
    bool m_full = false;
};

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

BookCards fetchCards(const QUrl &url, const ClientOptions &options)
{
    Session client(options);
    if (!options.caFile.isEmpty())
        client.addCertificates(options.caFile);
    QUrl start = url;
    start.setUserInfo(QString());   // credentials go only where the server asks for them

    const QUrl book = findAddressBook(client, start);
    Cards cards(client, options, book);
    bool oneByOne = false;
    {
        Answer a = client.send("REPORT", book, QueryBody, "1");
        if (unsupported(a.status) || a.status >= 500) {
            // No addressbook-query, or a failed one: the cards by name instead.
            cards.list();
            oneByOne = !unsupported(a.status);
        } else {
            cards.take(a.url, multistatus(client, a));
        }
    }
    // Cards listed without their data: by multiget, then each by itself.
    if (!cards.full() && !oneByOne && !cards.wanted().isEmpty() && !cards.multiget(cards.wanted()))
        cards.list();
    if (!cards.full()) {
        for (const QUrl &card : cards.wanted()) {
            cards.get(card);
            if (cards.full())
                break;
        }
    }
    return cards.result();
}

} // namespace carddav
