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

    // A run of the scripted server's where (the server on this machine,
    // whatever proxy the environment names), no password given.
    DavRun run(const QString &where, bool replace, int status, const QStringList &says, int entries = 1,
               const QStringList &log = {}) const
    {
        return DavRun{m_root + where, replace ? QStringList{"--no-proxy", "--replace"} : QStringList{"--no-proxy"}, status, says,
                      entries, log, {}, QByteArray()};
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_server.start());
        m_root = m_server.url("");
        QCOMPARE(runVire({"new", "-o", m_dir.path("new.bin")}).status, 0);
    }

    // What arrives: the status, messages, the user entries written beside the
    // sample entry, and what the server was asked.
    void imports_data()
    {
        QTest::addColumn<DavRun>("run");
        // A card listed without its data is read by GET; a missing one is
        // named as the server sent it, so that it can be pasted back, and skipped.
        const QString missing = "/etag-only/book/missing%20card.vcf", unsent = "the server lists this card but did not send it";
        QTest::newRow("cards listed without data")
            << run("/etag-only/book/", false, 0,
                   {m_root + missing + ": warning: " + unsent + ": not found (HTTP 404); skipped", "skipped 1"},
                   3,   // the sample entry, c0 by multiget, c1 by GET
                   {"GET /etag-only/book/c1.vcf", "GET " + missing, "!GET /etag-only/book/c0.vcf"});
        QTest::newRow("missing card stops a replace") << run("/etag-only/book/", true, 2, {missing + ": error: " + unsent});
        QTest::newRow("not a vCard") << run("/not-vcard/book/", false, 2,
                                            {"/not-vcard/book/c1.vcf: error: the server sent no vCard for this card "
                                             "(it begins \"<html>Internal error</html>\")"});
        // An empty book: nothing replaced, and a warning when adding.
        QTest::newRow("empty book, replacing")
            << run("/empty/book/", true, 2, {"/empty/book/: error: holds no contacts; nothing was replaced"});
        QTest::newRow("empty book, adding")
            << run("/empty/book/", false, 0, {"/empty/book/: warning: holds no contacts; the image is unchanged"});
        // Calypso's doubled hrefs: each card once.
        QTest::newRow("doubled hrefs") << run("/duplicates/book/", true, 0, {}, 2);
        QTest::newRow("every way fails")
            << run("/all-fail/book/", false, 2, {"/all-fail/book/: error: the server failed (HTTP 503)"});
        QTest::newRow("nested too deep") << run("/deep/book/", false, 2, {"/deep/book/: error: ", "nested more than 64"});
        // More cards than the image holds, but few with a number: they fit.
        QTest::newRow("numberless cards") << run("/numberless/book/", false, 0, {"added 100 entries, skipped 2,000"}, 101);
        // A failing query or multiget: the cards listed by PROPFIND, each by GET.
        for (const char *book : {"/query-fails/book/", "/multiget-fails/book/"})
            QTest::newRow(book) << run(book, true, 0, {}, 2, {"listing", "GET " + QString(book) + "c1.vcf"});

        // What an address book URL means: what was typed.
        const QString books = m_root + "%1: error: 2 address books; pass one of these URLs:\n  " + m_root
                              + "/tree/home/a/  (Ay)\n  " + m_root + "/tree/home/b/  (Bee\\x0a  http://evil.example/\\u202e)";
        // Downward from the root (forbidden: /.well-known/carddav then), a
        // context root, a principal or a home set; the books sorted by URL.
        for (const auto &[name, url] : {std::pair("root", "/"), std::pair("context", "/tree/"),
                                        std::pair("principal", "/tree/p/"), std::pair("home set", "/tree/home/")})
            QTest::newRow(name) << run(url, false, 2, {"~^" + QRegularExpression::escape(books.arg(url))}, 0,
                                       QString(url) == "/" ? QStringList{"PROPFIND /.well-known/carddav"} : QStringList());
        // Never from anything else up to the user's principal: nothing listed
        // the user's home set, no other book was near being read.
        for (const auto &[name, url, message] :
             {std::tuple("calendar", "/tree/cal/", "is a calendar, not an address book"),
              std::tuple("calendar home", "/tree/calhome/", "is a collection, not an address book"),
              std::tuple("card", "/tree/home/a/c0.vcf", "is a single card, not an address book"),
              std::tuple("404 in 207", "/tree/home/gone/", "not found (HTTP 404)"),
              std::tuple("403 in 207", "/tree/home/locked/", "access forbidden (HTTP 403)")})
            QTest::newRow(name) << run(url, false, 2, {"~^" + QRegularExpression::escape(m_root + url + ": error: " + message)},
                                       0, {"!PROPFIND /tree/home/ ", "!well-known"});
    }

    void imports()
    {
        QFETCH(DavRun, run);
        checkRun(run, m_dir.path(), m_server);
    }

    // More entries than the image holds: refused for room once the cards
    // read make more, the rest not fetched.
    void tooManyCards()
    {
        const QString log = checkRun(run("/too-many/book/", false, 2,
                                         {"the image has room for 2,032 (2,031 of the file's 2,200 entries fit)"}, 0, {"!GET "}),
                                     m_dir.path(), m_server);
        QCOMPARE(log.count(QLatin1String("multiget ")), 11);
    }
};

QTEST_GUILESS_MAIN(TestDavDiscovery)
#include "test_davdiscovery.moc"
