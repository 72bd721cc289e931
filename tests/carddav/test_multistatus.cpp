#include "carddav/Credentials.h"
#include "carddav/Multistatus.h"

#include <QtTest>

using namespace carddav;

namespace {

// Why the reader refused the bytes, or "" when it took them.
QString refusal(const QByteArray &xml)
{
    try {
        carddav::parseMultistatus(xml);
    } catch (const VireError &e) {
        return e.problem().detail;
    }
    return QString();
}

} // namespace

class TestMultistatus : public QObject
{
    Q_OBJECT

private slots:
    void prefixedWithMissingProperties()
    {
        // A 404 propstat names what the resource lacks; its values must not count.
        const Multistatus ms = parseMultistatus(R"(<?xml version="1.0"?>
<D:multistatus xmlns:D="DAV:" xmlns:C="urn:ietf:params:xml:ns:carddav">
 <D:response><D:href>/dav/anna/</D:href>
  <D:propstat><D:prop><D:resourcetype><D:collection/><C:addressbook/></D:resourcetype>
   <D:current-user-principal><D:href>/p/anna/</D:href></D:current-user-principal></D:prop>
   <D:status>HTTP/1.1 200 OK</D:status></D:propstat>
  <D:propstat><D:prop><D:displayname>Ghost</D:displayname><C:addressbook-home-set/></D:prop>
   <D:status>HTTP/1.1 404 Not Found</D:status></D:propstat>
 </D:response>
 <D:response><D:href>/dav/anna/1.vcf</D:href>
  <D:propstat><D:prop><D:getetag>"e1"</D:getetag>
   <C:address-data><![CDATA[BEGIN:VCARD
FN:A & B
END:VCARD
]]></C:address-data></D:prop><D:status>HTTP/1.1 200 OK</D:status></D:propstat></D:response>
 <D:response><D:href>/dav/anna/gone.vcf</D:href><D:status>HTTP/1.1 404 Not Found</D:status></D:response>
</D:multistatus>)");
        QCOMPARE(ms.responses.size(), 3);
        const DavResponse &book = ms.responses[0];
        QVERIFY(book.collection && book.addressBook);
        QCOMPARE(book.principal, QStringLiteral("/p/anna/"));
        QVERIFY(book.displayName.isEmpty() && book.homeSet.isEmpty());
        QCOMPARE(ms.responses[1].etag, QStringLiteral("\"e1\""));
        QCOMPARE(ms.responses[1].addressData, QByteArray("BEGIN:VCARD\nFN:A & B\nEND:VCARD\n"));
        QVERIFY(!ms.responses[1].addressBook);
        QCOMPARE(ms.responses[2].status, 404);
        QVERIFY(!ms.responses[2].hasAddressData);
    }

    void defaultNamespaceAndOtherVocabularies()
    {
        // No prefixes (as Radicale writes); an element of the right name in
        // another namespace is not ours.
        const Multistatus ms = parseMultistatus(
            "<multistatus xmlns=\"DAV:\"><response><href>/a/</href><propstat><prop>"
            "<resourcetype><collection/><addressbook xmlns=\"urn:other\"/></resourcetype>"
            "<addressbook-home-set xmlns=\"urn:ietf:params:xml:ns:carddav\"><href xmlns=\"DAV:\">/a/</href><d:href xmlns:d=\"DAV:\">/b/</d:href></addressbook-home-set>"
            "<displayname>K&#228;rt &amp; n&#xE4;ra</displayname></prop><status>HTTP/1.1 200 OK</status></propstat>"
            "</response></multistatus>");
        QCOMPARE(ms.responses.size(), 1);
        QVERIFY(ms.responses[0].collection && !ms.responses[0].addressBook);
        QCOMPARE(ms.responses[0].homeSet, QStringLiteral("/a/"));
        QCOMPARE(ms.responses[0].displayName, QStringLiteral("K\u00e4rt & n\u00e4ra"));
    }

    void hostileInput()
    {
        // Truncated: what was read is dropped with the error.
        QVERIFY(refusal("<multistatus xmlns=\"DAV:\"><response><href>/x</href></response><response>")
                    .contains(QLatin1String("not well-formed")));
        // Entities expanding a billion times over are refused by the reader.
        QByteArray laughs = "<?xml version=\"1.0\"?><!DOCTYPE m [<!ENTITY a \"aaaaaaaaaa\">";
        for (char c = 'b'; c <= 'j'; ++c)
            laughs += QByteArray("<!ENTITY ") + c + " \"" + QByteArray("&").append(char(c - 1)).append(';').repeated(10) + "\">";
        laughs += "]><multistatus xmlns=\"DAV:\"><response><href>&j;</href></response></multistatus>";
        for (const QByteArray &bad : {QByteArray(), QByteArray("<html><body>Login</body></html>"),
                                      QByteArray("<multistatus xmlns=\"urn:not-dav\"/>"), laughs})
            QVERIFY2(!refusal(bad).isEmpty(), bad.left(60).constData());
        // Nesting is refused past MaxXmlDepth, counted through skipped
        // elements and text alike; up to it, unknown elements are skipped.
        auto nested = [](const char *in, int levels) {
            return "<multistatus xmlns=\"DAV:\"><response><href>/a</href><propstat><prop><" + QByteArray(in) + ">"
                + QByteArray("<y>").repeated(levels) + QByteArray("</y>").repeated(levels) + "</" + QByteArray(in).split(' ').first()
                + "></prop></propstat></response></multistatus>";
        };
        for (const char *in : {"x", "displayname", "address-data xmlns=\"urn:ietf:params:xml:ns:carddav\""}) {
            QCOMPARE(parseMultistatus(nested(in, MaxXmlDepth - 5)).responses.size(), 1);
            const QString deep = refusal(nested(in, 1000000));
            QVERIFY2(deep.contains(QLatin1String("nested more than 64")), qPrintable(deep));
        }

        QCOMPARE(statusCode(QStringLiteral(" HTTP/1.1  207 Multi-Status")), 207);
        QCOMPARE(statusCode(QStringLiteral("HTTP/1.1 2000 OK")), 0);
        QCOMPARE(statusCode(QStringLiteral("200 OK")), 0);
    }

    void responseLevelStatus()
    {
        // One status for several hrefs (as a multiget may answer for cards
        // it lacks): each href is named; a response's own 404 is kept apart
        // from a propstat's, as Xandikos answers for a missing collection.
        const Multistatus ms = parseMultistatus(
            "<d:multistatus xmlns:d=\"DAV:\"><d:response><d:href>/b/1.vcf</d:href><d:href>/b/2%20x.vcf</d:href>"
            "<d:status>HTTP/1.1 404 Not Found</d:status></d:response>"
            "<d:response><d:href>/b/none/</d:href><d:status>HTTP/1.1 404 Not Found</d:status></d:response>"
            "<d:response><d:href>/cal/</d:href><d:propstat><d:prop><d:resourcetype><d:collection/>"
            "<calendar xmlns=\"urn:ietf:params:xml:ns:caldav\"/></d:resourcetype></d:prop>"
            "<d:status>HTTP/1.1 200 OK</d:status></d:propstat></d:response>"
            "<d:response><d:href>/p/</d:href><d:propstat><d:prop><d:resourcetype><d:principal/></d:resourcetype>"
            "<d:getcontenttype>text/vcard</d:getcontenttype></d:prop><d:status>HTTP/1.1 200 OK</d:status></d:propstat>"
            "</d:response></d:multistatus>");
        QStringList hrefs;
        for (const DavResponse &r : ms.responses)
            hrefs << r.href + QLatin1Char(' ') + QString::number(r.status);
        QCOMPARE(hrefs.join(", "), QStringLiteral("/b/1.vcf 404, /b/2%20x.vcf 404, /b/none/ 404, /cal/ 0, /p/ 0"));
        QVERIFY(ms.responses[3].calendar && ms.responses[3].collection && !ms.responses[3].addressBook);
        QVERIFY(ms.responses[4].principalType && !ms.responses[4].collection);
        QCOMPARE(ms.responses[4].contentType, QStringLiteral("text/vcard"));
    }

    void netrc()
    {
        const QByteArray text = "machine other.example login bo password b1\n"
                                "macdef init\nmachine dav.example login mallory password evil\n\n"
                                "machine DAV.example\n  login anna\n  password s3cret\n"
                                "default login guest password g\n";
        NetrcEntry e = netrcLookup(text, QStringLiteral("dav.example"), QString());
        QVERIFY(e.found);
        QCOMPARE(e.login, QStringLiteral("anna"));
        QCOMPARE(e.password, QStringLiteral("s3cret"));
        // Another user's line is no answer for this user; nor is "default" for another login.
        QVERIFY(!netrcLookup(text, QStringLiteral("dav.example"), QStringLiteral("carl")).found);
        e = netrcLookup(text, QStringLiteral("else.example"), QStringLiteral("guest"));
        QCOMPARE(e.password, QStringLiteral("g"));
    }
};

QTEST_GUILESS_MAIN(TestMultistatus)
#include "test_multistatus.moc"
