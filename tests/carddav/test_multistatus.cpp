#include "Credentials.h"
#include "Multistatus.h"

#include <QtTest>

using namespace carddav;

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
        QVERIFY(ms.ok());
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
        QVERIFY(ms.ok());
        QCOMPARE(ms.responses.size(), 1);
        QVERIFY(ms.responses[0].collection && !ms.responses[0].addressBook);
        QCOMPARE(ms.responses[0].homeSet, QStringLiteral("/a/"));
        QCOMPARE(ms.responses[0].displayName, QStringLiteral("K\u00e4rt & n\u00e4ra"));
    }

    void hostileInput()
    {
        QVERIFY(!parseMultistatus(QByteArray()).ok());
        QVERIFY(!parseMultistatus("<html><body>Login</body></html>").ok());
        QVERIFY(!parseMultistatus("<multistatus xmlns=\"urn:not-dav\"/>").ok());
        // Truncated: what was read is dropped with the error.
        const Multistatus cut = parseMultistatus("<multistatus xmlns=\"DAV:\"><response><href>/x</href></response><response>");
        QVERIFY(!cut.ok());
        QVERIFY(cut.responses.isEmpty());
        QVERIFY(cut.error.contains(QLatin1String("not well-formed")));
        // Entities expanding a billion times over are refused by the reader.
        QByteArray laughs = "<?xml version=\"1.0\"?><!DOCTYPE m [<!ENTITY a \"aaaaaaaaaa\">";
        for (char c = 'b'; c <= 'j'; ++c)
            laughs += QByteArray("<!ENTITY ") + c + " \"" + QByteArray("&").append(char(c - 1)).append(';').repeated(10) + "\">";
        laughs += "]><multistatus xmlns=\"DAV:\"><response><href>&j;</href></response></multistatus>";
        QVERIFY(!parseMultistatus(laughs).ok());
        // Deep nesting inside a property is skipped, not recursed into.
        const QByteArray deep = "<multistatus xmlns=\"DAV:\"><response><propstat><prop><x>" + QByteArray("<y>").repeated(100000)
            + QByteArray("</y>").repeated(100000) + "</x></prop></propstat></response></multistatus>";
        QCOMPARE(parseMultistatus(deep).responses.size(), 1);

        QCOMPARE(statusCode(QStringLiteral(" HTTP/1.1  207 Multi-Status")), 207);
        QCOMPARE(statusCode(QStringLiteral("HTTP/1.1 2000 OK")), 0);
        QCOMPARE(statusCode(QStringLiteral("200 OK")), 0);
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
