#include "carddav/Multistatus.h"
#include "problem/Problem.h"

#include <QBuffer>
#include <QXmlStreamReader>

#include <utility>

namespace carddav {

namespace {

const QString Dav = QStringLiteral("DAV:");
const QString CardDav = QStringLiteral("urn:ietf:params:xml:ns:carddav");
const QString CalDav = QStringLiteral("urn:ietf:params:xml:ns:caldav");

// Descends by fixed levels only and counts every level it passes, its own
// skipping included: a hostile answer nesting deeper than any DAV answer is
// refused at MaxXmlDepth instead of growing the reader's stack. The bytes are
// read through a device, so the reader decodes them a piece at a time rather
// than into one UTF-16 copy of the whole answer.
class Reader
{
public:
    explicit Reader(const QByteArray &xml)
    {
        m_buffer.setData(xml);   // shared, not copied
        m_buffer.open(QIODevice::ReadOnly);
        m_xml.setDevice(&m_buffer);
    }

    Multistatus run()
    {
        Multistatus result;
        if (!next() || !is(Dav, u"multistatus"))
            refuse(m_xml.hasError() ? xmlError() : QStringLiteral("the answer is not a WebDAV multistatus"));
        while (next()) {
            if (is(Dav, u"response"))
                response(result.responses);
            else
                skip();
        }
        if (m_xml.hasError())
            refuse(xmlError());
        return result;
    }

private:
    [[noreturn]] static void refuse(const QString &why)
    {
        Problem p;
        p.kind = Problem::Kind::BadAnswer;
        p.detail = why + QStringLiteral("; the server is not answering as CardDAV");
        throw VireError(std::move(p));
    }

    bool is(const QString &ns, QStringView name) const
    {
        return m_xml.namespaceUri() == ns && m_xml.name() == name;
    }

    void deeper()
    {
        if (++m_depth > MaxXmlDepth)
            m_xml.raiseError(QStringLiteral("elements nested more than %1 deep").arg(MaxXmlDepth));
    }

    // Like readNextStartElement: true at the next child, false at the end
    // of the current element or of the input.
    bool next()
    {
        while (!m_xml.atEnd()) {
            switch (m_xml.readNext()) {
            case QXmlStreamReader::StartElement:
                deeper();
                return !m_xml.hasError();
            case QXmlStreamReader::EndElement:
                --m_depth;
                return false;
            default:
                break;
            }
        }
        return false;
    }

    // The rest of the current element, children and all.
    void skip()
    {
        for (int level = 1; level > 0 && !m_xml.atEnd();) {
            switch (m_xml.readNext()) {
            case QXmlStreamReader::StartElement:
                deeper();
                ++level;
                break;
            case QXmlStreamReader::EndElement:
                --m_depth;
                --level;
                break;
            default:
                break;
            }
        }
    }

    // The current element's own text, its children skipped; into text or,
    // for card data, straight into UTF-8.
    void readText(QString *text, QByteArray *utf8)
    {
        while (!m_xml.atEnd()) {
            switch (m_xml.readNext()) {
            case QXmlStreamReader::Characters:
            case QXmlStreamReader::EntityReference:
                if (text && text->isEmpty())
                    *text = m_xml.text().toString();   // the usual one piece: no room to spare
                else if (text)
                    text->append(m_xml.text());
                else
                    utf8->append(m_xml.text().toUtf8());
                break;
            case QXmlStreamReader::StartElement:
                deeper();
                skip();
                break;
            case QXmlStreamReader::EndElement:
                --m_depth;
                // UTF-8 conversion reserves three bytes a character: a
                // card kept for the whole run keeps only what it needs.
                if (utf8)
                    utf8->squeeze();
                return;
            default:
                break;
            }
        }
    }

    QString text()
    {
        QString t;
        readText(&t, nullptr);
        return std::move(t).trimmed();
    }

    QString xmlError() const
    {
        return QStringLiteral("the answer is not well-formed XML (line %1: %2)")
            .arg(m_xml.lineNumber())
            .arg(m_xml.errorString());
    }

    // RFC 4918 allows one status for several hrefs: each gets its own entry.
    void response(QVector<DavResponse> &out)
    {
        DavResponse r;
        QStringList more;
        while (next()) {
            if (is(Dav, u"href")) {
                if (r.href.isEmpty())
                    r.href = text();
                else
                    more << text();
            } else if (is(Dav, u"status")) {
                r.status = statusCode(text());
            } else if (is(Dav, u"propstat")) {
                propstat(r);
            } else {
                skip();
            }
        }
        const int status = r.status;
        out.append(std::move(r));
        if (status == 0)
            return;
        for (const QString &href : std::as_const(more)) {
            DavResponse also;
            also.href = href;
            also.status = status;
            out.append(std::move(also));
        }
    }

    void propstat(DavResponse &r)
    {
        DavResponse found;
        int status = 0;
        while (next()) {
            if (is(Dav, u"prop"))
                prop(found);
            else if (is(Dav, u"status"))
                status = statusCode(text());
            else
                skip();
        }
        // A 404 propstat lists what the resource lacks: its names say nothing.
        if (status < 200 || status > 299)
            return;
        r.collection = r.collection || found.collection;
        r.addressBook = r.addressBook || found.addressBook;
        r.calendar = r.calendar || found.calendar;
        r.principalType = r.principalType || found.principalType;
        auto take = [](QString &to, const QString &from) {
            if (!from.isEmpty())
                to = from;
        };
        take(r.displayName, found.displayName);
        take(r.principal, found.principal);
        take(r.homeSet, found.homeSet);
        take(r.etag, found.etag);
        take(r.contentType, found.contentType);
        if (found.hasAddressData) {
            r.addressData = std::move(found.addressData);
            r.hasAddressData = true;
        }
    }

    void prop(DavResponse &r)
    {
        while (next()) {
            if (is(Dav, u"resourcetype")) {
                while (next()) {
                    r.collection = r.collection || is(Dav, u"collection");
                    r.addressBook = r.addressBook || is(CardDav, u"addressbook");
                    r.calendar = r.calendar || is(CalDav, u"calendar");
                    r.principalType = r.principalType || is(Dav, u"principal");
                    skip();
                }
            } else if (is(Dav, u"displayname")) {
                r.displayName = text();
            } else if (is(Dav, u"current-user-principal")) {
                r.principal = href();
            } else if (is(CardDav, u"addressbook-home-set")) {
                r.homeSet = href();
            } else if (is(Dav, u"getetag")) {
                r.etag = text();
            } else if (is(Dav, u"getcontenttype")) {
                r.contentType = text();
            } else if (is(CardDav, u"address-data")) {
                // Not trimmed: the card's own line structure is the reader's business.
                r.addressData.clear();
                readText(nullptr, &r.addressData);
                r.hasAddressData = true;
            } else {
                skip();
            }
        }
    }

    QString href()
    {
        QString first;
        while (next()) {
            if (is(Dav, u"href") && first.isEmpty())
                first = text();
            else
                skip();
        }
        return first;
    }

    QBuffer m_buffer;
    QXmlStreamReader m_xml;
    int m_depth = 0;
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
