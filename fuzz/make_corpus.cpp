// Writes the seed corpus for the fuzz targets: images with every count edge,
// WAV files valid and broken, contacts files, the XML of spreadsheet sheets,
// and CardDAV servers' multistatus answers, HTTP answers and challenges.
// Usage: make_corpus <folder>
#include "image/Codec.h"
#include "image/FlashImage.h"
#include "image/Layout.h"
#include "image/PhoneBook.h"

#include <QDir>
#include <QFile>
#include <QtEndian>

#include <cstdio>

namespace {

QString g_root;

void save(const QString &sub, const QString &name, const QByteArray &bytes)
{
    QDir().mkpath(g_root + '/' + sub);
    QFile f(g_root + '/' + sub + '/' + name);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(f.fileName()));
        std::exit(1);
    }
}

QByteArray encoded(PhoneBook &book)
{
    FlashImage fb;
    SoundNames names;
    names.fill(QStringLiteral("(empty)"));
    names[2] = QStringLiteral("ring");
    buildFB(fb, book, names);
    return fb.bytes();
}

QByteArray withCount(QByteArray image, int count)
{
    image[0] = char(count >> 8);
    image[1] = char(count & 0xFF);
    return image;
}

void images()
{
    PhoneBook book;
    const QByteArray def = encoded(book);
    save("decoder", "default.bin", def);
    save("decoder", "short-header.bin", def.left(40));
    save("decoder", "one-record.bin", def.left(layout::FirstUserRecord + 32));
    save("decoder", "empty.bin", QByteArray());
    save("decoder", "zeros.bin", QByteArray(layout::ImageSize, '\0'));
    QByteArray lower = def;
    lower.replace(2, 4, "vire");
    save("decoder", "lower-magic.bin", lower);

    for (int i = 0; i < 40; ++i)
        book.addEntry(QString::number(7000 - i * 37), QStringLiteral("N\u00e4me %1").arg(i), quint8(i * 7));
    const QByteArray some = encoded(book);
    save("decoder", "forty.bin", some);
    // Short seeds keep the fuzzer fast: what a file lacks reads as zeros.
    const QByteArray records = some.left(layout::userRecordOffset(41));
    for (int count : {0, 1, 39, 2033, 16368, 16369, 65535})
        save("decoder", QStringLiteral("count-%1.bin").arg(count), withCount(records, count));

    // Books of thousands of records are replayed by the tests but are no
    // fuzz seeds: every input mutated from one costs thirty times a small
    // one, and the fuzzer spent nearly all its time on them. It reaches such
    // counts anyway from the decoder's comparison with the limit.
    for (int count : {2031, 2032})
        save("decoder-large", QStringLiteral("count-%1.bin").arg(count), withCount(records, count));
    while (book.userCount() < layout::MaxUserRecords)
        book.addEntry(QString::number(100000 + book.userCount()), QString(), 0x93);
    save("decoder-large", "full.bin", encoded(book));

    QByteArray odd = records;
    odd.replace(layout::userRecordOffset(1), 16, QByteArray(16, '\0'));
    odd.replace(layout::userRecordOffset(2), 16, QByteArray("_0").leftJustified(16));
    odd.replace(layout::userRecordOffset(3), 16, QByteArray(16, ' '));
    odd.replace(layout::userRecordOffset(4), 16, QByteArray(16, '\xFF'));
    save("decoder", "odd-numbers.bin", odd);
}

QByteArray le32(quint32 v)
{
    QByteArray b(4, '\0');
    qToLittleEndian(v, b.data());
    return b;
}

QByteArray chunk(const QByteArray &id, const QByteArray &body, qint64 declared = -1)
{
    return id + le32(quint32(declared < 0 ? body.size() : declared)) + body;
}

QByteArray riff(const QByteArray &chunks, const QByteArray &form = "WAVE")
{
    return "RIFF" + le32(quint32(chunks.size() + 4)) + form + chunks;
}

void waves()
{
    QByteArray fmt16(16, '\0');
    qToLittleEndian<quint16>(1, fmt16.data());
    qToLittleEndian<quint16>(1, fmt16.data() + 2);
    qToLittleEndian<quint32>(8000, fmt16.data() + 4);
    qToLittleEndian<quint32>(8000, fmt16.data() + 8);
    qToLittleEndian<quint16>(1, fmt16.data() + 12);
    qToLittleEndian<quint16>(8, fmt16.data() + 14);
    QByteArray samples(300, '\0');
    for (int i = 0; i < samples.size(); ++i)
        samples[i] = char(i * 13);

    save("wav", "plain.wav", riff(chunk("fmt ", fmt16) + chunk("data", samples)));
    save("wav", "fmt18.wav", riff(chunk("fmt ", fmt16 + "xx") + chunk("data", samples)));
    save("wav", "list-first.wav", riff(chunk("LIST", "INFOabc") + chunk("fmt ", fmt16) + chunk("data", samples)));
    save("wav", "no-fmt.wav", riff(chunk("data", samples), "AVI "));
    save("wav", "empty-data.wav", riff(chunk("fmt ", fmt16) + chunk("data", QByteArray())));
    save("wav", "no-data.wav", riff(chunk("fmt ", fmt16)));
    save("wav", "header-only.wav", riff(QByteArray()));
    save("wav", "lower-riff.wav", "riff" + riff(chunk("data", samples)).mid(4));
    save("wav", "empty.wav", QByteArray());
    save("wav", "past-end.wav", riff(chunk("LIST", "abc", 5000) + chunk("data", samples)));
    save("wav", "huge-data.wav", riff(chunk("fmt ", fmt16) + chunk("data", samples, 0x7FFFFFFF)));
    save("wav", "overflow-size.wav", riff(chunk("data", samples, 0x80000000u)));
    save("wav", "overflow-rate.wav", riff(chunk("fmt ", QByteArray(4, '\0') + le32(0x80000000u) + QByteArray(8, '\0'))
                                          + chunk("data", samples)));
    save("wav", "long.wav", riff(chunk("fmt ", fmt16) + chunk("data", QByteArray(70000, '\x42'))));
}

// The sheet target's input: 'x' + worksheet XML + NUL + shared strings, or
// 'o' + an .ods content.xml.
void sheets()
{
    const QByteArray main = "<worksheet xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\"><sheetData>";
    save("sheet", "inline.xlsx.xml",
         "x" + main + "<row r=\"1\"><c r=\"A1\" t=\"inlineStr\"><is><t>number</t></is></c><c r=\"C1\" t=\"inlineStr\">"
         "<is><t xml:space=\"preserve\"> a_x000D_b_x005F_x0041_</t></is></c></row>"
         "<row r=\"3\"><c r=\"A3\"><v>1.23456789012346E+15</v></c><c t=\"b\"><v>1</v></c><c t=\"str\"><v>x</v></c>"
         "<c r=\"XFD3\" t=\"e\"><v>#N/A</v></c></row></sheetData></worksheet>");
    save("sheet", "shared.xlsx.xml",
         "x" + main + "<row><c t=\"s\"><v>0</v></c><c t=\"s\"><v>1</v></c><c><v>701234567</v></c></row></sheetData></worksheet>"
         + QByteArray(1, '\0')
         + "<sst><si><t>number</t></si><si><r><t>K</t></r><r><t>al</t></r><rPh><t>x</t></rPh></si></sst>");
    save("sheet", "broken.xlsx.xml", "x" + main + "<row r=\"0\"><c r=\"1A\">");
    const QByteArray ns = "xmlns:office=\"urn:oasis:names:tc:opendocument:xmlns:office:1.0\" "
                          "xmlns:table=\"urn:oasis:names:tc:opendocument:xmlns:table:1.0\" "
                          "xmlns:text=\"urn:oasis:names:tc:opendocument:xmlns:text:1.0\"";
    save("sheet", "calc.ods.xml",
         "o<office:document-content " + ns + "><office:body><office:spreadsheet><table:table table:name=\"A\">"
         "<table:table-row><table:table-cell office:value-type=\"string\"><text:p>number</text:p></table:table-cell>"
         "<table:table-cell table:number-columns-repeated=\"3\"/><table:table-cell office:value-type=\"float\" "
         "office:value=\"7.01234567E8\"><text:p>701234567</text:p></table:table-cell></table:table-row>"
         "<table:table-row table:number-rows-repeated=\"2\"><table:covered-table-cell/><table:table-cell "
         "table:number-columns-repeated=\"2\"><office:annotation><text:p>n</text:p></office:annotation>"
         "<text:p><text:s text:c=\"3\"/>a  b<text:tab/><text:span>c</text:span><text:line-break/></text:p><text:p>d</text:p>"
         "</table:table-cell></table:table-row><table:table-row table:number-rows-repeated=\"1048576\">"
         "<table:table-cell table:number-columns-repeated=\"1024\"/></table:table-row></table:table>"
         "</office:spreadsheet></office:body></office:document-content>");
}

// Multistatus answers as CardDAV servers give them, and broken ones.
void multistatus()
{
    const QByteArray head = "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n";
    const QByteArray ok = "<d:status>HTTP/1.1 200 OK</d:status>";
    save("multistatus", "discovery.xml",
         head + "<d:multistatus xmlns:d=\"DAV:\" xmlns:c=\"urn:ietf:params:xml:ns:carddav\"><d:response><d:href>/</d:href>"
                "<d:propstat><d:prop><d:resourcetype><d:collection/></d:resourcetype><d:current-user-principal>"
                "<d:href>/anna/</d:href></d:current-user-principal><c:addressbook-home-set><d:href>/anna/</d:href>"
                "</c:addressbook-home-set></d:prop>" + ok + "</d:propstat><d:propstat><d:prop><d:displayname/></d:prop>"
                "<d:status>HTTP/1.1 404 Not Found</d:status></d:propstat></d:response></d:multistatus>");
    save("multistatus", "books.xml",
         head + "<multistatus xmlns=\"DAV:\" xmlns:C=\"urn:ietf:params:xml:ns:carddav\"><response><href>/anna/a/</href>"
                "<propstat><prop><resourcetype><collection/><C:addressbook/></resourcetype><displayname>K&#228;rt</displayname>"
                "</prop>" + QByteArray(ok).replace("d:", "") + "</propstat></response><response><href>/anna/gone/</href>"
                "<status>HTTP/1.1 404 Not Found</status></response></multistatus>");
    save("multistatus", "cards.xml",
         head + "<d:multistatus xmlns:d=\"DAV:\" xmlns:c=\"urn:ietf:params:xml:ns:carddav\"><d:response><d:href>/a/1.vcf</d:href>"
                "<d:propstat><d:prop><d:getetag>\"1\"</d:getetag><c:address-data>BEGIN:VCARD&#13;\nFN:A &amp; B&#13;\n"
                "TEL:+46 70 123&#13;\nEND:VCARD&#13;\n</c:address-data></d:prop>" + ok + "</d:propstat></d:response>"
                "<d:response><d:href>/a/2.vcf</d:href><d:propstat><d:prop><c:address-data><![CDATA[BEGIN:VCARD\nEND:VCARD\n]]>"
                "</c:address-data></d:prop>" + ok + "</d:propstat></d:response></d:multistatus>");
    save("multistatus", "entities.xml",
         "<!DOCTYPE m [<!ENTITY a \"aaaa\"><!ENTITY b \"&a;&a;&a;&a;\">]><multistatus xmlns=\"DAV:\"><response>"
         "<href>&b;</href></response></multistatus>");
    save("multistatus", "html.xml", "<html><body>Please log in</body></html>");
    save("multistatus", "truncated.xml", head + "<d:multistatus xmlns:d=\"DAV:\"><d:response><d:href>/x");
    // One status for several hrefs, a calendar, a principal, and nesting just short of the limit.
    save("multistatus", "shapes.xml",
         head + "<d:multistatus xmlns:d=\"DAV:\"><d:response><d:href>/a/1.vcf</d:href><d:href>/a/2.vcf</d:href>"
                "<d:status>HTTP/1.1 404 Not Found</d:status></d:response><d:response><d:href>/cal/</d:href><d:propstat>"
                "<d:prop><d:resourcetype><d:collection/><cal:calendar xmlns:cal=\"urn:ietf:params:xml:ns:caldav\"/>"
                "<d:principal/></d:resourcetype><d:getcontenttype>text/vcard</d:getcontenttype><d:displayname>"
                + QByteArray("<x>").repeated(56) + "deep" + QByteArray("</x>").repeated(56)
                + "</d:displayname></d:prop>" + ok + "</d:propstat></d:response></d:multistatus>");
}

// Answers as servers and proxies send them, each after the byte that tells
// fuzz_http how to feed it; and challenges as servers send them.
void http()
{
    const QByteArray ok = "HTTP/1.1 207 Multi-Status\r\nContent-Type: application/xml; charset=utf-8\r\n";
    save("http", "length.txt", "\x10" + ok + "Content-Length: 5\r\n\r\nhello");
    save("http", "chunked.txt", "\x21" + ok + "Transfer-Encoding: chunked\r\n\r\n5;x=y\r\nhello\r\n1\r\n!\r\n0\r\nT: 1\r\n\r\n");
    save("http", "continue.txt", "\x30HTTP/1.1 100 Continue\r\n\r\n" + ok + "Content-Length: 0\r\n\r\n");
    save("http", "to-close.txt", "\x44HTTP/1.0 200 OK\r\n\r\nall of it");
    save("http", "head.txt", "\x01HTTP/1.1 200 OK\r\nContent-Length: 40\r\n\r\n");
    save("http", "connect.txt", "\x02HTTP/1.1 200 Connection established\r\n\r\n\x16\x03\x01");
    save("http", "proxy-auth.txt", "\x52HTTP/1.1 407 Proxy Authentication Required\r\nProxy-Authenticate: Basic realm=\"p\"\r\n"
                                   "Content-Length: 0\r\n\r\n");
    save("http", "challenge.txt", "\x00HTTP/1.1 401 Unauthorized\r\nWWW-Authenticate: Digest realm=\"r\", nonce=\"n\"\r\n"
                                  "WWW-Authenticate: Basic realm=\"b\"\r\nConnection: close\r\nContent-Length: 2\r\n\r\nno");
    save("http", "redirect.txt", "\x0cHTTP/1.1 301 Moved\r\nLocation: /x/\r\nContent-Length: 0\r\n\r\nHTTP/1.1 200 OK");

    save("challenge", "digest.txt", "Digest realm=\"http-auth@example.org\", qop=\"auth, auth-int\", algorithm=SHA-256, "
                                    "nonce=\"7ypf/xlj9XXwfDPEoM4URrv/xwf94BcCAzFZH4GiTo0v\", opaque=\"FQhe/qaU925k\", userhash=true");
    save("challenge", "several.txt", "Bearer realm=\"a, b\", Digest realm=\"x\", nonce=\"n\", algorithm=MD5-sess, qop=\"auth-int\", "
                                     "Basic realm=\"y\", charset=\"UTF-8\", Negotiate abc==");
    save("challenge", "rfc2069.txt", "Digest realm=\"old\", nonce=\"q\\\"x\", stale=TRUE");
}

// A literal with its zero bytes, all of it.
template <size_t N>
QByteArray bin(const char (&text)[N])
{
    return QByteArray(text, N - 1);
}

// Contacts files of each layout, character set and card version.
void contacts()
{
    save("csv", "own.csv", "number,name,sound,sbit1,sbit2,sbit3,sbit4\r\n_HiddenNumber,Dolt nummer,0,0,0,0,0\r\n"
                           "0701234567,\"Berg, \"\"A\"\"\",3,1,0,1,0\r\n+46 (0)8 12,\xC5sa,,,,,\r\n12a,x,9,2,,,\r\n");
    save("csv", "semicolon.csv", "\xEF\xBB\xBFName;NUMBER;;\r\nS\xC3\xB6" "der;070-1;;\r\n;;;\r\n\"open;1\r\n");
    save("csv", "utf16.csv", bin("\xFF\xFEn\0u\0m\0b\0e\0r\0\n\0" "1\0,\0A\x01\n\0"));
    save("csv", "google.csv", "First Name,Middle Name,Last Name,Organization Name,Phone 1 - Label,Phone 1 - Value\n"
                              "Anna,,Berg,,Mobile,+46 70 111 ::: 08-5\n,,,Acme,Work,\n");
    save("csv", "outlook.csv", "F\xF6rnamn;Efternamn;F\xF6retag;Telefon arbete;Mobiltelefon;Fax arbete\r\n"
                               "Eva;Lind;;08-22;0733;0811;;\r\n");
    save("vcard", "v21.vcf", "BEGIN:VCARD\r\nVERSION:2.1\r\nN;ENCODING=QUOTED-PRINTABLE:Str=F6m;=C5=\r\nsa\r\n"
                             "FN;CHARSET=ISO-8859-1:\xC5sa\r\nTEL;CELL:+46 (0)70-123\r\nEND:VCARD\r\n");
    save("vcard", "v30.vcf", "begin:vcard\nversion:3.0\nFN:Bo\n  Ek\\, \\n\nitem1.TEL;TYPE=work:123\nTEL:*31#\nEND:VCARD\n"
                             "BEGIN:VCARD\nORG:Acme;Sales\nTEL:08\nEND:VCARD\nBEGIN:VCARD\nFN:Nobody\nEND:VCARD\n");
    save("vcard", "v40.vcf", "BEGIN:VCARD\nVERSION:4.0\nFN:Caf\xC3\xA9 \xF0\x9F\x98\x80\nTEL;VALUE=uri;TYPE=\"voice,cell\":"
                             "tel:+1-555-0100;ext=7\nEND:VCARD\nBEGIN:VCARD\nFN:open\n");
    save("vcard", "utf16be.vcf", bin("\xFE\xFF\0B\0E\0G\0I\0N\0:\0V\0C\0A\0R\0D\0\n\0F\0N\0:\x01\x41\0\n\0T\0E\0L\0:\0" "1"
                                            "\0\n\0E\0N\0D\0:\0V\0C\0A\0R\0D"));
    save("vcard", "control.vcf", "BEGIN:VCARD\r\nVERSION:2.1\r\nFN;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:a=0D=00b\r\n"
                                 "TEL;ENCODING=QUOTED-PRINTABLE:1=002\r\nEND:VCARD\r\n");
    // Names of other scripts, phonetic names, faxes, odd line ends and framing.
    save("vcard", "scripts.vcf", "BEGIN:VCARD\r\nVERSION:2.1\r\nN;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:=D0=96=D1=83=D0=BA;=D0=81=\r\n=D0=B6\r\n"
                                 "TEL;FAX;WORK:1\r\r\nTEL;CELL:2\r\r\nEND:VCARD.\r"
                                 "BEGIN:VCARD\rFN:\xCE\x93\xCE\xB9\xCF\x8E \xE3\x82\xAD\xE3\x83\xA3\xE3\x83\x83 \xE5\xB1\xB1\xEA\xB9\x80\r"
                                 "TEL;TYPE=\"work,fax\":3\rTEL;type=CELL:4\rEND:VCARD\r");
    save("vcard", "phonetic.vcf", "BEGIN:VCARD\nVERSION:3.0\nN:\xE5\xB1\xB1\xE7\x94\xB0;\xE5\xA4\xAA;;;\nFN:\xE5\xB1\xB1\xE7\x94\xB0 \xE5\xA4\xAA\n"
                                  "X-PHONETIC-FIRST-NAME:\xE3\x82\xBF\nX-PHONETIC-LAST-NAME:\xE3\x83\xA4\nTEL:5\nEND:VCARD\n"
                                  "BEGIN:VCARD\nVERSION:4.0\nORG;SORT-AS=\"A\":\xD0\x96\nX-PHONETIC-ORG:\xD0\xAF\nTEL:6\nEND:VCARD\n");
    save("csv", "scripts.csv", bin("n\0u\0m\0b\0e\0r\0,\0n\0a\0m\0e\0\r\0\n\0" "1\0,\0\x16\x04\xA2\x30\x00\x4e\r\0"));
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_corpus <folder>\n");
        return 2;
    }
    g_root = QString::fromLocal8Bit(argv[1]);
    images();
    waves();
    sheets();
    multistatus();
    http();
    contacts();
    return 0;
}
