// vire-image against the scripted server (hostile_dav.py) on what an address
// book URL may be and how its cards arrive: listed without their data, not
// vCards, missing, twice, through a failing server, more than the image holds.
#include <QtTest>

#include "tests/carddav/ServerProcess.h"
#include "tests/common/Files.h"
#include "tests/common/Processes.h"

class TestDavDiscovery : public QObject
{
    Q_OBJECT

    Folder m_dir;
    HostileDav m_server{m_dir.path("dav.log")};
    QString m_root;   // http://127.0.0.1:PORT

    // Imports the scenario's URL into a fresh copy of the sample image.
    Result import(const QString &where, bool replace = false) const
    {
        QFile::remove(m_dir.path("out.bin"));
        // The scripted server on this machine, whatever proxy the environment names.
        QStringList args{"import", m_dir.path("new.bin"), m_root + where, "-o", m_dir.path("out.bin"), "--no-proxy"};
        if (replace)
            args << "--replace";
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("HOME", m_dir.path());
        env.remove("VIRE_DAV_PASSWORD");
        return runVire(args, QString(), env);
    }

    int entries() const { return userEntries(m_dir.path("out.bin")); }

private slots:
    void initTestCase()
    {
        QVERIFY(m_server.start());
        m_root = m_server.url("");
        QCOMPARE(runVire({"new", "-o", m_dir.path("new.bin")}).status, 0);
    }

    // A card listed without its data is read by GET; a missing one is
    // named as the server sent it, so that it can be pasted back, and skipped.
    void cardsListedWithoutData()
    {
        m_server.takeLog();
        const Result r = import("/etag-only/book/");
        QVERIFY2(r.status == 0, qPrintable(r.err));
        QCOMPARE(entries(), 3);   // the sample entry, c0 by multiget, c1 by GET
        QVERIFY2(r.err.contains(m_root + "/etag-only/book/missing%20card.vcf: warning: the server lists this card but did "
                                         "not send it: not found (HTTP 404); skipped")
                     && r.err.contains(QLatin1String("skipped 1")),
                 qPrintable(r.err));
        const QByteArray log = m_server.takeLog();
        QVERIFY2(log.contains("GET /etag-only/book/c1.vcf") && log.contains("GET /etag-only/book/missing%20card.vcf")
                     && !log.contains("GET /etag-only/book/c0.vcf"), log.constData());
    }

    // What arrives: the status, messages, and the user entries written (-1: none).
    void cardsArrive_data()
    {
        QTest::addColumn<QString>("book");
        QTest::addColumn<bool>("replace");
        QTest::addColumn<int>("status");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<int>("entries");
        QTest::newRow("missing card stops a replace")
            << "/etag-only/book/" << true << 2
            << QStringList{"/etag-only/book/missing%20card.vcf: error: the server lists this card but did not send it"} << -1;
        QTest::newRow("not a vCard") << "/not-vcard/book/" << false << 2
                                     << QStringList{"/not-vcard/book/c1.vcf: error: the server sent no vCard for this card "
                                                    "(it begins \"<html>Internal error</html>\")"}
                                     << -1;
        // An empty book: nothing replaced, and a warning when adding.
        QTest::newRow("empty book, replacing") << "/empty/book/" << true << 2
                                               << QStringList{"/empty/book/: error: holds no contacts; nothing was replaced"} << -1;
        QTest::newRow("empty book, adding") << "/empty/book/" << false << 0
                                            << QStringList{"/empty/book/: warning: holds no contacts; the image is unchanged"} << 1;
        // Calypso's doubled hrefs: each card once.
        QTest::newRow("doubled hrefs") << "/duplicates/book/" << true << 0 << QStringList() << 2;
        QTest::newRow("every way fails") << "/all-fail/book/" << false << 2
                                         << QStringList{"/all-fail/book/: error: the server failed (HTTP 503)"} << -1;
        QTest::newRow("nested too deep") << "/deep/book/" << false << 2
                                         << QStringList{"/deep/book/: error: ", "nested more than 64"} << -1;
        // More cards than the image holds, but few with a number: they fit.
        QTest::newRow("numberless cards") << "/numberless/book/" << false << 0
                                          << QStringList{"added 100 entries, skipped 2,000"} << 101;
    }

    void cardsArrive()
    {
        QFETCH(QString, book);
        QFETCH(bool, replace);
        QFETCH(int, status);
        QFETCH(QStringList, messages);
        QFETCH(int, entries);
        const Result r = import(book, replace);
        QVERIFY2(r.status == status, qPrintable(r.err));
        for (const QString &m : messages)
            QVERIFY2(r.err.contains(m), qPrintable(r.err.right(300)));
        if (entries < 0)
            QVERIFY(!m_dir.exists("out.bin"));
        else
            QCOMPARE(this->entries(), entries);
    }

    // A failing query or multiget: the cards listed by PROPFIND, each by GET.
    void fallsBackToGet_data()
    {
        QTest::addColumn<QString>("book");
        QTest::newRow("query fails") << "/query-fails/book/";
        QTest::newRow("multiget fails") << "/multiget-fails/book/";
    }

    void fallsBackToGet()
    {
        QFETCH(QString, book);
        m_server.takeLog();
        const Result r = import(book, true);
        QVERIFY2(r.status == 0, qPrintable(r.err));
        QCOMPARE(entries(), 2);
        const QByteArray log = m_server.takeLog();
        QVERIFY2(log.contains("listing") && log.contains("GET " + book.toUtf8() + "c1.vcf"), log.constData());
    }

    // More entries than the image holds: refused for room once the cards
    // read make more, the rest not fetched.
    void tooManyCards()
    {
        m_server.takeLog();
        const Result r = import("/too-many/book/");
        QCOMPARE(r.status, 2);
        QVERIFY2(r.err.contains(QLatin1String("the image has room for 2,032 (2,031 of the file's 2,200 entries fit)")),
                 qPrintable(r.err));
        const QByteArray log = m_server.takeLog();
        QVERIFY2(log.count("multiget ") == 11 && !log.contains("GET "), log.constData());
    }

    void urlMeansWhatWasTyped_data()
    {
        QTest::addColumn<QString>("url");
        QTest::addColumn<QString>("message");
        const QString books = "2 address books; pass one of these URLs:\n  %1/tree/home/a/  (Ay)\n"
                              "  %1/tree/home/b/  (Bee\\x0a  http://evil.example/\\u202e)";
        // Downward from the root (forbidden: /.well-known/carddav then), a
        // context root, a principal or a home set; the books sorted by URL.
        QTest::newRow("root") << "/" << books;
        QTest::newRow("context") << "/tree/" << books;
        QTest::newRow("principal") << "/tree/p/" << books;
        QTest::newRow("home set") << "/tree/home/" << books;
        // Never from anything else up to the user's principal.
        QTest::newRow("calendar") << "/tree/cal/" << "is a calendar, not an address book";
        QTest::newRow("calendar home") << "/tree/calhome/" << "is a collection, not an address book";
        QTest::newRow("card") << "/tree/home/a/c0.vcf" << "is a single card, not an address book";
        QTest::newRow("404 in 207") << "/tree/home/gone/" << "not found (HTTP 404)";
        QTest::newRow("403 in 207") << "/tree/home/locked/" << "access forbidden (HTTP 403)";
    }

    void urlMeansWhatWasTyped()
    {
        QFETCH(QString, url);
        QFETCH(QString, message);
        m_server.takeLog();
        const Result r = import(url);
        QCOMPARE(r.status, 2);
        const QString expected = message.contains(QLatin1String("%1")) ? message.arg(m_root) : message;
        QVERIFY2(r.err.startsWith(m_root + url + ": error: " + expected), qPrintable(r.err));
        QVERIFY(!m_dir.exists("out.bin"));
        const QByteArray log = m_server.takeLog();
        // Nothing listed the user's home set: no other book was near being read.
        if (!message.contains(QLatin1String("address books;")))
            QVERIFY2(!log.contains("PROPFIND /tree/home/ ") && !log.contains("well-known"), log.constData());
        else if (url == QLatin1String("/"))
            QVERIFY2(log.contains("PROPFIND /.well-known/carddav"), log.constData());
    }
};

QTEST_GUILESS_MAIN(TestDavDiscovery)
#include "test_davdiscovery.moc"
