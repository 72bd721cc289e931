// vire-image against the scripted server (hostile_dav.py) on what an address
// book URL may be and how its cards arrive: listed without their data, not
// vCards, missing, twice, through a failing server, more than the image holds.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include "tests/carddav/RunVire.h"
#include "tests/carddav/ServerProcess.h"

class TestDavDiscovery : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    ServerProcess m_server;
    QString m_root;   // http://127.0.0.1:PORT

    QString path(const QString &name) const { return m_dir.filePath(name); }

    Result vire(const QStringList &args) const
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("HOME"), m_dir.path());
        env.remove(QStringLiteral("VIRE_DAV_PASSWORD"));
        return runVire(args, env);
    }

    // Imports the scenario's URL into a fresh copy of the sample image.
    Result import(const QString &where, bool replace = false) const
    {
        QFile::remove(path(QStringLiteral("out.bin")));
        // The scripted server on this machine, whatever proxy the environment names.
        QStringList args{QStringLiteral("import"), path(QStringLiteral("new.bin")), m_root + where, QStringLiteral("-o"),
                         path(QStringLiteral("out.bin")), QStringLiteral("--no-proxy")};
        if (replace)
            args << QStringLiteral("--replace");
        return vire(args);
    }

    int entries() const
    {
        QProcess p;
        p.start(QStringLiteral(VIRE_IMAGE), {QStringLiteral("info"), path(QStringLiteral("out.bin"))});
        p.waitForFinished();
        const QRegularExpressionMatch m =
            QRegularExpression(QStringLiteral("User entries: +([\\d,]+)")).match(QString::fromUtf8(p.readAllStandardOutput()));
        return m.hasMatch() ? m.captured(1).remove(QLatin1Char(',')).toInt() : -1;
    }

    QByteArray takeLog()
    {
        QFile f(path(QStringLiteral("dav.log")));
        if (!f.open(QIODevice::ReadOnly))
            return QByteArray();
        const QByteArray text = f.readAll();
        f.remove();
        return text;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QVERIFY(m_server.start(QFileInfo::exists(QStringLiteral("/usr/bin/python3")) ? QStringLiteral("/usr/bin/python3")
                                                                                      : QStringLiteral("python3"),
                               {QStringLiteral(HOSTILE_DAV), path(QStringLiteral("dav.log"))}));
        const int port = m_server.firstLine(10000).split(' ').value(0).toInt();
        QVERIFY(port > 0);
        m_root = QStringLiteral("http://127.0.0.1:%1").arg(port);
        QCOMPARE(vire({QStringLiteral("new"), QStringLiteral("-o"), path(QStringLiteral("new.bin"))}).status, 0);
    }

    void cleanupTestCase()
    {
        m_server.stop();
    }

    // Every card the book lists is read or named; a missing one is skipped
    // when adding and stops a replace.
    void cardsArriveWholeOrNamed()
    {
        takeLog();
        // Named as the server sent it, so that it can be pasted back.
        const QString gone = m_root + QStringLiteral("/etag-only/book/missing%20card.vcf");
        Result r = import(QStringLiteral("/etag-only/book/"));
        QVERIFY2(r.status == 0, qPrintable(r.err));
        QCOMPARE(entries(), 3);   // the sample entry, c0 by multiget, c1 by GET
        QVERIFY2(r.err.contains(gone + QStringLiteral(": warning: the server lists this card but did not send it: "
                                                      "not found (HTTP 404); skipped")) && r.err.contains(QLatin1String("skipped 1")),
                 qPrintable(r.err));
        const QByteArray log = takeLog();
        QVERIFY2(log.contains("GET /etag-only/book/c1.vcf") && log.contains("GET /etag-only/book/missing%20card.vcf")
                     && !log.contains("GET /etag-only/book/c0.vcf"), log.constData());

        r = import(QStringLiteral("/etag-only/book/"), true);
        QCOMPARE(r.status, 2);
        QVERIFY2(r.err.contains(gone + QStringLiteral(": error: the server lists this card but did not send it")), qPrintable(r.err));
        QVERIFY(!QFile::exists(path(QStringLiteral("out.bin"))));

        r = import(QStringLiteral("/not-vcard/book/"));
        QCOMPARE(r.status, 2);
        QVERIFY2(r.err.contains(m_root + QStringLiteral("/not-vcard/book/c1.vcf: error: the server sent no vCard for this card "
                                                        "(it begins \"<html>Internal error</html>\")")), qPrintable(r.err));
        QVERIFY(!QFile::exists(path(QStringLiteral("out.bin"))));

        // An empty book: nothing replaced, and a warning when adding.
        r = import(QStringLiteral("/empty/book/"), true);
        QCOMPARE(r.status, 2);
        QVERIFY2(r.err.contains(QLatin1String("/empty/book/: error: holds no contacts; nothing was replaced")), qPrintable(r.err));
        r = import(QStringLiteral("/empty/book/"));
        QCOMPARE(r.status, 0);
        QVERIFY2(r.err.contains(QLatin1String("/empty/book/: warning: holds no contacts; the image is unchanged")), qPrintable(r.err));

        // Calypso's doubled hrefs: each card once.
        r = import(QStringLiteral("/duplicates/book/"), true);
        QVERIFY2(r.status == 0, qPrintable(r.err));
        QCOMPARE(entries(), 2);
    }

    // A failing query or multiget: the cards listed by PROPFIND, each by GET.
    void serverFailures()
    {
        for (const QString &book : {QStringLiteral("/query-fails/book/"), QStringLiteral("/multiget-fails/book/")}) {
            takeLog();
            const Result r = import(book, true);
            QVERIFY2(r.status == 0, qPrintable(r.err));
            QCOMPARE(entries(), 2);
            const QByteArray log = takeLog();
            QVERIFY2(log.contains("listing") && log.contains("GET " + book.toUtf8() + "c1.vcf"), log.constData());
        }
        Result r = import(QStringLiteral("/all-fail/book/"));
        QCOMPARE(r.status, 2);
        QVERIFY2(r.err.contains(QLatin1String("/all-fail/book/: error: the server failed (HTTP 503)")), qPrintable(r.err));

        r = import(QStringLiteral("/deep/book/"));
        QCOMPARE(r.status, 2);
        QVERIFY2(r.err.contains(QLatin1String("/deep/book/: error: ")) && r.err.contains(QLatin1String("nested more than 64")),
                 qPrintable(r.err));

        // More entries than the image holds: refused for room once the
        // cards read make more, the rest not fetched.
        takeLog();
        r = import(QStringLiteral("/too-many/book/"));
        QCOMPARE(r.status, 2);
        QVERIFY2(r.err.contains(QLatin1String("the image has room for 2,032 (2,031 of the file's 2,200 entries fit)")),
                 qPrintable(r.err));
        const QByteArray log = takeLog();
        QVERIFY2(log.count("multiget ") == 11 && !log.contains("GET "), log.constData());
        // More cards than that, but few with a number: they fit.
        r = import(QStringLiteral("/numberless/book/"));
        QVERIFY2(r.status == 0 && r.err.contains(QLatin1String("added 100 entries, skipped 2,000")), qPrintable(r.err.right(300)));
    }

    void urlMeansWhatWasTyped_data()
    {
        QTest::addColumn<QString>("url");
        QTest::addColumn<QString>("message");
        const QString books = QStringLiteral("2 address books; pass one of these URLs:\n  %1/tree/home/a/  (Ay)\n"
                                             "  %1/tree/home/b/  (Bee\\x0a  http://evil.example/\\u202e)");
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
        takeLog();
        const Result r = import(url);
        QCOMPARE(r.status, 2);
        const QString expected = message.contains(QLatin1String("%1")) ? message.arg(m_root) : message;
        QVERIFY2(r.err.startsWith(m_root + url + QStringLiteral(": error: ") + expected), qPrintable(r.err));
        QVERIFY(!QFile::exists(path(QStringLiteral("out.bin"))));
        const QByteArray log = takeLog();
        // Nothing listed the user's home set: no other book was near being read.
        if (!message.contains(QLatin1String("address books;")))
            QVERIFY2(!log.contains("PROPFIND /tree/home/ ") && !log.contains("well-known"), log.constData());
        else if (url == QLatin1String("/"))
            QVERIFY2(log.contains("PROPFIND /.well-known/carddav"), log.constData());
    }
};

QTEST_GUILESS_MAIN(TestDavDiscovery)
#include "test_davdiscovery.moc"
