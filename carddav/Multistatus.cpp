#include "Multistatus.h"

#include <QXmlStreamReader>

namespace carddav {

namespace {

const QString Dav = QStringLiteral("DAV:");
const QString CardDav = QStringLiteral("urn:ietf:params:xml:ns:carddav");

// Descends by fixed levels only: however deep a hostile answer nests, what
// lies below the elements we know is skipped by the reader's own loop.
class Reader
{
public:
    explicit Reader(const QByteArray &xml) : m_xml(xml) {}

    Multistatus run()
    {
        Multistatus result;
        if (!m_xml.readNextStartElement() || !is(Dav, u"multistatus")) {
            result.error = m_xml.hasError() ? xmlError() : QStringLiteral("the answer is not a WebDAV multistatus");
            return result;
        }
        while (m_xml.readNextStartElement()) {
            if (is(Dav, u"response"))
                result.responses.append(response());
            else
                m_xml.skipCurrentElement();
        }
        if (m_xml.hasError()) {
            result.responses.clear();
            result.error = xmlError();
        }
        return result;
    }

private:
    bool is(const QString &ns, QStringView name) const
    {
        return m_xml.namespaceUri() == ns && m_xml.name() == name;
    }

    QString text() { return m_xml.readElementText(QXmlStreamReader::SkipChildElements).trimmed(); }

    QString xmlError() const
    {
        return QStringLiteral("the answer is not well-formed XML (line %1: %2)")
            .arg(m_xml.lineNumber())
            .arg(m_xml.errorString());
    }

    DavResponse response()
    {
        DavResponse r;
        while (m_xml.readNextStartElement()) {
            if (is(Dav, u"href") && r.href.isEmpty())
                r.href = text();
            else if (is(Dav, u"status"))
                r.status = statusCode(text());
            else if (is(Dav, u"propstat"))
                propstat(r);
            else
                m_xml.skipCurrentElement();
        }
        return r;
    }

    void propstat(DavResponse &r)
    {
        DavResponse found;
        int status = 0;
        while (m_xml.readNextStartElement()) {
            if (is(Dav, u"prop"))
                prop(found);
            else if (is(Dav, u"status"))
                status = statusCode(text());
            else
                m_xml.skipCurrentElement();
        }
        // A 404 propstat lists what the resource lacks: its names say nothing.
        if (status < 200 || status > 299)
            return;
        r.collection = r.collection || found.collection;
        r.addressBook = r.addressBook || found.addressBook;
        auto take = [](QString &to, const QString &from) {
            if (!from.isEmpty())
                to = from;
        };
        take(r.displayName, found.displayName);
        take(r.principal, found.principal);
        take(r.homeSet, found.homeSet);
        take(r.etag, found.etag);
        if (found.hasAddressData) {
            r.addressData = found.addressData;
            r.hasAddressData = true;
        }
    }

    void prop(DavResponse &r)
    {
        while (m_xml.readNextStartElement()) {
            if (is(Dav, u"resourcetype")) {
                while (m_xml.readNextStartElement()) {
                    r.collection = r.collection || is(Dav, u"collection");
                    r.addressBook = r.addressBook || is(CardDav, u"addressbook");
                    m_xml.skipCurrentElement();
                }
            } else if (is(Dav, u"displayname")) {
                r.displayName = text();
            } else if (is(Dav, u"current-user-principal")) {
                r.principal = href();
            } else if (is(CardDav, u"addressbook-home-set")) {
                r.homeSet = href();
            } else if (is(Dav, u"getetag")) {
                r.etag = text();
            } else if (is(CardDav, u"address-data")) {
                // Not trimmed: the card's own line structure is the reader's business.
                r.addressData = m_xml.readElementText(QXmlStreamReader::SkipChildElements).toUtf8();
                r.hasAddressData = true;
            } else {
                m_xml.skipCurrentElement();
            }
        }
    }

    QString href()
    {
        QString first;
        while (m_xml.readNextStartElement()) {
            if (is(Dav, u"href") && first.isEmpty())
                first = text();
            else
                m_xml.skipCurrentElement();
        }
        return first;
    }

    QXmlStreamReader m_xml;
};

} // namespace

int statusCode(const QString &line)
{
    // "HTTP/1.1 200 OK": the code is the second word.
    const QStringList words = line.simplified().split(QLatin1Char(' '));
    if (words.size() < 2 || !words.first().startsWith(QLatin1String("HTTP/")) || words.at(1).size() != 3)
        return 0;
    bool ok = false;
    const int code = words.at(1).toInt(&ok);
    return ok && code >= 100 ? code : 0;
}

Multistatus parseMultistatus(const QByteArray &xml)
{
    return Reader(xml).run();
}

} // namespace carddav
