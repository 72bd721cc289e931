// vire-image against real CardDAV servers, Radicale and Xandikos, and the
// scripted one (hostile_dav.py), started here on 127.0.0.1 with their own
// storage, users and no configuration of the machine.
#include <QOperatingSystemVersion>
#include <QSslError>
#include <QSslSocket>
#include <QTcpServer>
#include <QTcpSocket>
#include <QtTest>

#include "tests/carddav/ServerProcess.h"
#include "tests/carddav/Terminals.h"
#include "tests/common/Files.h"
#include "tests/common/Processes.h"

namespace {

QByteArray card(int i, const QByteArray &tel)
{
    return "BEGIN:VCARD\r\nVERSION:3.0\r\nUID:c" + QByteArray::number(i) + "\r\nFN:Person " + QByteArray::number(i)
        + "\r\n" + (tel.isEmpty() ? QByteArray() : "TEL:" + tel + "\r\n") + "END:VCARD\r\n";
}

// A self-signed certificate for 127.0.0.1 and its key, as cert.pem and key.pem
// in dir; or with another subject and subjectAltName.
bool selfSigned(const QString &dir, const QString &subject = "/CN=127.0.0.1", const QString &altName = "IP:127.0.0.1")
{
    QDir().mkpath(dir);
    ServerProcess openssl;
    return openssl.start("openssl",
                         {"req", "-x509", "-newkey", "ec", "-pkeyopt", "ec_paramgen_curve:prime256v1", "-nodes",
                          "-keyout", dir + "/key.pem", "-out", dir + "/cert.pem", "-days", "2", "-subj", subject,
                          "-addext", "subjectAltName=" + altName},
                         dir + "/openssl.log")
        && openssl.finish(30000) == 0;
}

// A port free on 127.0.0.1 now; 0 if none.
quint16 freePort()
{
    QTcpServer probe;
    return probe.listen(QHostAddress::LocalHost) ? probe.serverPort() : 0;
}

// A real server started here on a free port of 127.0.0.1, its folder at
// root and its log beside it, not on the test's output.
struct RealServer
{
    explicit RealServer(const QString &folder) : root(folder) {}

    QString root;
    quint16 port = freePort();
    ServerProcess process;

    // Whether it listens before it ends or 45 seconds pass.
    bool start(const QString &program, const QStringList &args)
    {
        if (port == 0 || !process.start(program, args, root + ".log"))
            return false;
        for (int i = 0; i < 300 && process.running(); ++i) {
            QTcpSocket s;
            s.connectToHost(QHostAddress::LocalHost, port);
            if (s.waitForConnected(100))
                return true;
            QThread::msleep(50);
        }
        return false;
    }
    QString url(const QString &path, bool tls = false) const
    {
        return QStringLiteral("%1://127.0.0.1:%2%3").arg(tls ? "https" : "http").arg(port).arg(path);
    }
};

// Radicale, its users' books written straight into its storage folder.
struct Radicale : RealServer
{
    Radicale(const QString &folder, bool overTls) : RealServer(folder), tls(overTls) {}

    bool tls;

    void addBook(const QString &user, const QString &name, const QList<QByteArray> &cards)
    {
        const QString dir = root + "/store/collection-root/" + user + "/" + name;
        writeFile(dir + "/.Radicale.props", "{\"tag\": \"VADDRESSBOOK\", \"D:displayname\": \"" + name.toUtf8() + " book\"}");
        for (int i = 0; i < cards.size(); ++i)
            writeFile(dir + QStringLiteral("/c%1.vcf").arg(i), cards[i]);
    }
    bool start()
    {
        writeFile(root + "/users", "anna:secret\nbo:secret\ncarl:secret\ndora:secret\n");
        QStringList args{"-m", "radicale", "--config", "", "--hosts", QStringLiteral("127.0.0.1:%1").arg(port),
                         "--storage-filesystem-folder", root + "/store", "--auth-type", "htpasswd",
                         "--auth-htpasswd-filename", root + "/users", "--auth-htpasswd-encryption", "plain", "--auth-delay", "0"};
        if (tls)
            args << "--ssl" << "--certificate" << root + "/cert.pem" << "--key" << root + "/key.pem";
        return RealServer::start(python(), args);
    }
    QString url(const QString &path = "/") const { return RealServer::url(path, tls); }
};

// Xandikos, a second real server (no authentication); --defaults makes
// /user/contacts/addressbook/ and /user/calendars/calendar/. Cards go in by PUT.
struct Xandikos : RealServer
{
    using RealServer::RealServer;

    bool start()
    {
        return RealServer::start("xandikos", {"-d", root, "--defaults", "-l", "127.0.0.1", "-p", QString::number(port)});
    }
    // 201 when the card was stored.
    int put(const QString &path, const QByteArray &card)
    {
        QTcpSocket s;
        s.connectToHost(QHostAddress::LocalHost, port);
        if (!s.waitForConnected(5000))
            return 0;
        s.write("PUT " + path.toUtf8() + " HTTP/1.1\r\nHost: 127.0.0.1\r\nContent-Type: text/vcard\r\nConnection: close\r\n"
                "Content-Length: " + QByteArray::number(card.size()) + "\r\n\r\n" + card);
        QByteArray answer;
        while (s.waitForReadyRead(10000))
            answer += s.readAll();
        return answer.mid(9, 3).toInt();
    }
};

const QList<QByteArray> Cards{card(1, "+46 70-123 45 61"), card(2, "0701234562"), card(3, QByteArray())};

} // namespace

class TestCardDav : public QObject
{
    Q_OBJECT

    QTemporaryDir *m_dir = nullptr;
    // For the whole run: the hostile server, over TLS too, Radicale (a book
    // of Cards for anna, two books for bo, a book for carl with the image's
    // sample number, 700 cards for dora) and Xandikos (Cards).
    QTemporaryDir m_servers;
    HostileDav m_hostile{m_servers.filePath("hostile.log")};
    Radicale m_radicale{m_servers.filePath("radicale"), false};
    Xandikos m_xandikos{m_servers.filePath("xandikos")};
    // Over TLS with a certificate whose CN is 127.0.0.1 but whose
    // subjectAltName names another host.
    HostileDav m_otherNamed{m_servers.filePath("other/hostile.log")};
    // Set for one run: NAME=VALUE.
    QStringList m_environment;

    QString path(const QString &name) const { return m_dir->filePath(name); }

    // A user's run: its own session (no terminal to prompt on), HOME in the
    // test's folder, the password given or not.
    Result vire(const QStringList &args, const QByteArray &password = "secret", const QString &secondMs = QString()) const
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("HOME", m_dir->path());
        env.remove("VIRE_DAV_PASSWORD");
        for (const char *proxy : {"https_proxy", "HTTPS_PROXY", "http_proxy", "all_proxy", "ALL_PROXY", "no_proxy", "NO_PROXY"})
            env.remove(QLatin1String(proxy));
        for (const QString &e : m_environment)
            env.insert(e.section(QLatin1Char('='), 0, 0), e.section(QLatin1Char('='), 1));
        if (!secondMs.isEmpty())
            env.insert("VIRE_DAV_SECOND_MS", secondMs);
        if (!password.isEmpty())
            env.insert("VIRE_DAV_PASSWORD", QString::fromUtf8(password));
        return runVire(args, m_dir->path(), env);
    }

    // vire-image import of url into out.bin, with the user given.
    Result import(const QString &url, const QStringList &more = {}, const QByteArray &password = "secret",
                  const QString &secondMs = QString()) const
    {
        return vire(QStringList{"import", path("new.bin"), url, "--user", "anna", "-o", path("out.bin")} + more, password,
                    secondMs);
    }

    int entries() const { return userEntries(path("out.bin")); }

    // An image's phone book as CSV.
    QByteArray exported(const QString &image) const { return runVire({"export", image}).out; }

    QString hostileCert() const { return m_servers.filePath("cert.pem"); }

    QString otherNamedCert() const { return m_servers.filePath("other/cert.pem"); }

    // {port} and {tls}: the hostile server's ports.
    QString hostile(QString text) const
    {
        return text.replace("{port}", QString::number(m_hostile.port()))
            .replace("{tls}", QString::number(m_hostile.tlsPort()))
            .replace("{othertls}", QString::number(m_otherNamed.tlsPort()));
    }

private slots:
    void initTestCase()
    {
        QVERIFY(selfSigned(m_servers.path()));
        QVERIFY2(m_hostile.start(hostileCert(), m_servers.filePath("key.pem")), "hostile_dav.py did not start");
        QVERIFY(selfSigned(m_servers.filePath("other"), "/CN=127.0.0.1", "DNS:other.example"));
        QVERIFY(m_otherNamed.start(otherNamedCert(), m_servers.filePath("other/key.pem")));
        QList<QByteArray> large;
        for (int i = 0; i < 700; ++i)
            large << card(i, QByteArray::number(100000 + i));
        m_radicale.addBook("anna", "contacts", Cards);
        m_radicale.addBook("bo", "contacts", Cards);
        m_radicale.addBook("bo", "work", {card(9, "0311")});
        m_radicale.addBook("carl", "contacts", {card(1, "12345"), card(2, "0702")});
        m_radicale.addBook("dora", "contacts", large);
        QVERIFY2(m_radicale.start(), "Radicale did not start (scripts/deps.sh installs python3-radicale)");
        QVERIFY2(m_xandikos.start(), "Xandikos did not start (scripts/deps.sh installs xandikos)");
        for (int i = 0; i < Cards.size(); ++i)
            QCOMPARE(m_xandikos.put(QStringLiteral("/user/contacts/addressbook/c%1.vcf").arg(i), Cards[i]), 201);
    }

    void init()
    {
        m_environment.clear();
        m_dir = new QTemporaryDir;
        QVERIFY(m_dir->isValid());
        QCOMPARE(vire({"new", "-o", path("new.bin")}).status, 0);
    }

    void cleanup()
    {
        delete m_dir;
        m_dir = nullptr;
    }

    // From the server's root, the user in the URL; the .well-known address redirects.
    void discovery_data()
    {
        QTest::addColumn<QString>("start");
        QTest::newRow("root") << "/";
        QTest::newRow(".well-known") << "/.well-known/carddav";
    }

    void discovery()
    {
        QFETCH(QString, start);
        QUrl url(m_radicale.url(start));
        url.setUserName("anna");
        const Result r = vire({"import", path("new.bin"), url.toString(), "-o", path("out.bin")});
        QCOMPARE(r.status, 0);
        QCOMPARE(entries(), 3);   // the sample entry and two cards' numbers
        // The card without a number is named by its URL.
        QVERIFY2(r.err.contains(m_radicale.url("/anna/contacts/c2.vcf: warning: card \"Person 3\" has no telephone number")),
                 qPrintable(r.err));
    }

    // The password from ~/.netrc, the user from --user; a direct collection URL.
    void netrcAndDirectUrl()
    {
        writeFile(path(".netrc"), "machine 127.0.0.1 login anna password secret\n");
        QCOMPARE(import(m_radicale.url("/anna/contacts/"), {}, QByteArray()).status, 0);
        QCOMPARE(entries(), 3);
    }

    // Two books: both listed, nothing written.
    void twoBooksAreListed()
    {
        const Result r = vire({"import", path("new.bin"), m_radicale.url(), "--user", "bo", "-o", path("out.bin")});
        QCOMPARE(r.status, 2);
        QVERIFY2(r.err.contains(m_radicale.url("/bo/contacts/  (contacts book)"))
                     && r.err.contains(m_radicale.url("/bo/work/  (work book)")),
                 qPrintable(r.err));
        QVERIFY(!QFile::exists(path("out.bin")));
    }

    void replaceAndAdd()
    {
        const QString url = m_radicale.url("/carl/contacts/"), out = path("out.bin");
        // Adding keeps the sample entry 12345, so that number is there twice
        // under two names, and the warning names both.
        Result r = vire({"import", path("new.bin"), url, "-o", out, "--user", "carl"});
        QCOMPARE(r.status, 0);
        QCOMPARE(entries(), 3);
        QVERIFY2(r.err.contains("12345 is in the phone book as \"Test Testsson\"; added as \"Person 1\" beside it"),
                 qPrintable(r.err));

        r = vire({"import", out, url, "-o", out, "--replace", "--user", "carl"});
        QCOMPARE(r.status, 0);
        QCOMPARE(entries(), 2);

        // Following the book after a card was renamed and another deleted on
        // the server: the sound set on the phone book stays.
        writeFile(path("sound.csv"), "number,name,sound\n12345,Person 1,3\n");
        QCOMPARE(vire({"import", out, path("sound.csv"), "-o", out}).status, 0);
        const QString store = m_servers.filePath("radicale/store/collection-root/carl/contacts/");
        writeFile(store + "c0.vcf", card(1, "12345").replace("Person 1", "Anna"));
        QVERIFY(QFile::remove(store + "c1.vcf"));
        r = vire({"import", out, url, "--sync", "-o", out, "--user", "carl"});
        QCOMPARE(r.status, 0);
        QVERIFY2(r.err.endsWith("summary: added 0 entries, changed 1, removed 1, skipped 0; the phone book "
                                "holds 1 of 2,032 entries\n"),
                 qPrintable(r.err));
        QVERIFY(exported(out).endsWith("12345,Anna,3,0,0,0,0\r\n"));
        QCOMPARE(entries(), 1);
    }

    // {server}: Radicale's root; {refused}: a port nothing listens on.
    void failures_data()
    {
        QTest::addColumn<QString>("url");
        QTest::addColumn<QByteArray>("password");
        QTest::addColumn<QString>("message");
        QTest::newRow("wrong password") << "{server}/anna/contacts/" << QByteArray("wrong")
                                        << "{server}/anna/contacts/: error: user name or password refused (HTTP 401)";
        QTest::newRow("no such book") << "{server}/anna/none/" << QByteArray("secret")
                                      << "{server}/anna/none/: error: not found (HTTP 404)";
        QTest::newRow("no password") << "{server}/anna/contacts/" << QByteArray()
                                     << "there is no terminal to ask on; set VIRE_DAV_PASSWORD";
        QTest::newRow("connection refused") << "{refused}/" << QByteArray("secret") << "{refused}/: error: connection refused";
        QTest::newRow("password in the URL") << "http://anna:pw@127.0.0.1:1/" << QByteArray("secret")
                                             << "a password in the URL is refused";
    }

    void failures()
    {
        QFETCH(QString, url);
        QFETCH(QByteArray, password);
        QFETCH(QString, message);
        const QString server = m_radicale.url("");
        const QString refused = QStringLiteral("http://127.0.0.1:%1").arg(freePort());
        const Result r = import(url.replace("{server}", server).replace("{refused}", refused), {}, password);
        QCOMPARE(r.status, 2);
        QVERIFY2(r.err.contains(message.replace("{server}", server).replace("{refused}", refused)), qPrintable(r.err));
        QCOMPARE(r.err.count(QLatin1Char('\n')), 1);
        QVERIFY(!QFile::exists(path("out.bin")));
    }

    void largeBook()
    {
        QCOMPARE(vire({"import", path("new.bin"), m_radicale.url("/dora/contacts/"), "--user", "dora", "-o", path("out.bin"),
                       "--replace"}).status, 0);
        QCOMPARE(entries(), 700);
    }

    // The wrong password fails the server's Digest check: refused, nothing written.
    void digestRefusesTheWrongPassword()
    {
        m_hostile.takeLog();
        const QString book = m_hostile.url("/digest/book/");
        const Result r = import(book, {}, "wrong");
        QCOMPARE(r.status, 2);
        QVERIFY2(r.err.contains(book + ": error: user name or password refused (HTTP 401)"), qPrintable(r.err));
        QVERIFY(!QFile::exists(path("out.bin")));
        const QByteArray notes = m_hostile.takeLog();
        QVERIFY2(notes.contains("digest refused") && !notes.contains("digest ok"), notes.constData());
    }

    // The right one: the query is refused, the cards come in batches, each
    // asked for once, every number imported beside the sample entry.
    void serverWithoutQuery()
    {
        m_hostile.takeLog();
        const Result r = import(m_hostile.url("/digest/book/"));
        QVERIFY2(r.status == 0, qPrintable(r.err));
        QCOMPARE(entries(), 251);
        const QByteArray notes = m_hostile.takeLog();
        QVERIFY2(notes.contains("digest ok") && !notes.contains("digest refused") && notes.contains("query\n"),
                 notes.constData());
        QStringList asked;
        int batches = 0;
        for (const QByteArray &line : notes.split('\n')) {
            if (!line.startsWith("multiget "))
                continue;
            const QStringList hrefs = QString::fromUtf8(line.mid(9)).split(QLatin1Char(' '));
            QVERIFY(hrefs.size() <= 200);
            asked += hrefs;
            ++batches;
        }
        QVERIFY(batches >= 2);
        asked.sort();
        QStringList all;
        for (int i = 0; i < 250; ++i)
            all << QStringLiteral("/digest/book/c%1.vcf").arg(i);
        all.sort();
        QCOMPARE(asked, all);
    }

    void httpsWithOwnAuthority()
    {
        Radicale s(path("radicale"), true);
        s.addBook("anna", "contacts", {card(1, "0701")});
        QVERIFY(selfSigned(path("radicale")) && s.start());
        Result r = import(s.url("/anna/contacts/"));
        QVERIFY2(r.status == 2, qPrintable(r.err));
        // Schannel calls a self-signed certificate untrusted, in its own words.
        const QString selfSigned = QSslError(QSslSocket::activeBackend() == QLatin1String("schannel")
                                                 ? QSslError::CertificateUntrusted
                                                 : QSslError::SelfSignedCertificate)
                                       .errorString();
        QVERIFY2(r.err.contains("TLS failure: " + selfSigned), qPrintable(r.err));
        QVERIFY(!QFile::exists(path("out.bin")));

        r = import(s.url("/anna/contacts/"), {"--ca-file", path("radicale/cert.pem")});
        QVERIFY2(r.status == 0, qPrintable(r.err));
        QCOMPARE(entries(), 2);
    }

    // The same cards from Xandikos as from a file.
    void xandikosAsAFile_data()
    {
        QTest::addColumn<QString>("start");
        QTest::newRow("root") << "/";
        QTest::newRow("book") << "/user/contacts/addressbook/";
    }

    void xandikosAsAFile()
    {
        QFETCH(QString, start);
        QCOMPARE(vire({"import", path("new.bin"), writeFile(path("cards.vcf"), Cards.join()), "-o", path("file.bin"),
                       "--replace"}).status, 0);
        const Result r = vire({"import", path("new.bin"), m_xandikos.url(start), "-o", path("out.bin"), "--replace"}, QByteArray());
        QVERIFY2(r.status == 0, qPrintable(r.err));
        QVERIFY(readFile(path("file.bin")) == readFile(path("out.bin")));
    }

    // A mistyped collection (a 404 inside a 207) and the calendar beside the book are not imported.
    void xandikosRefuses_data()
    {
        QTest::addColumn<QString>("where");
        QTest::addColumn<QString>("message");
        QTest::newRow("mistyped") << "/user/contacts/adressbook/" << "not found (HTTP 404)";
        QTest::newRow("calendar") << "/user/calendars/calendar/" << "is a calendar, not an address book";
    }

    void xandikosRefuses()
    {
        QFETCH(QString, where);
        QFETCH(QString, message);
        const Result r = vire({"import", path("new.bin"), m_xandikos.url(where), "-o", path("out.bin"), "--replace"}, QByteArray());
        QCOMPARE(r.status, 2);
        QVERIFY2(r.err.contains(m_xandikos.url(where) + ": error: " + message), qPrintable(r.err));
        QVERIFY(!QFile::exists(path("out.bin")));
    }

    // An answer that breaks off after its status line fails the run, even
    // when what came is a whole document; a cut document is a cut, not bad XML.
    void cutTransfers_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("message");
        const QString next = QStringLiteral("; try again, and if it recurs a proxy or the server is cutting long answers$");
        QTest::newRow("short body") << "length" << "the connection closed after \\d+ of \\d+ bytes" + next;
        QTest::newRow("no last chunk") << "chunked" << "the connection closed after \\d+ bytes" + next;
        QTest::newRow("short chunk") << "short-chunk" << "the connection closed after \\d+ bytes" + next;
        QTest::newRow("reset") << "reset" << "the connection closed after \\d+ of \\d+ bytes" + next;
    }

    void cutTransfers()
    {
        QFETCH(QString, how);
        QFETCH(QString, message);
        const QString url = m_hostile.url("/cut/" + how + "/");
        const Result r = import(url, {"--replace"});
        QCOMPARE(r.status, 2);
        QVERIFY2(QRegularExpression(QRegularExpression::escape(url + ": error: ") + message,
                                    QRegularExpression::MultilineOption).match(r.err).hasMatch(), qPrintable(r.err));
        QVERIFY(!QFile::exists(path("out.bin")));
    }

    // The password goes to the origin named; another host asking gets none.
    void passwordStaysWithOrigin_data()
    {
        QTest::addColumn<QString>("start");
        QTest::newRow("redirect") << "/redirect-away/";
        QTest::newRow("href") << "/href-away/";
    }

    void passwordStaysWithOrigin()
    {
        QFETCH(QString, start);
        m_hostile.takeLog();
        const Result r = import(m_hostile.url(start), {"--replace"});
        QCOMPARE(r.status, 2);
        QVERIFY2(r.err.contains(m_hostile.url("", true) + " asks for a password, which goes only to http://127.0.0.1:"),
                 qPrintable(r.err));
        QVERIFY(!r.err.contains(QLatin1String("refused")));
        const QByteArray log = m_hostile.takeLog();
        QVERIFY2(log.contains("request 127.0.0.2 ") && !QRegularExpression("request 127\\.0\\.0\\.2 \\S+ \\S+ [^-]")
                                                               .match(QString::fromLatin1(log)).hasMatch(), log.constData());
    }

    // Another host gets one only from its own ~/.netrc line: used, with a
    // warning when others can read the file; VIRE_DAV_PASSWORD is the named
    // origin's only.
    void otherOriginsOwnNetrcLine()
    {
        writeFile(path(".netrc"), "machine 127.0.0.2 login anna password secret\n");
        QFile::setPermissions(path(".netrc"), QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther);
        Result r = import(m_hostile.url("/redirect-away/"), {"--replace"}, "not this one");
        QVERIFY2(r.status == 0, qPrintable(r.err));
        QCOMPARE(entries(), 1);
        if (QOperatingSystemVersion::currentType() != QOperatingSystemVersion::Windows)   // no mode bits there
            QVERIFY2(r.err.contains(path(".netrc") + ": warning: others can read this file (mode 0604)"), qPrintable(r.err));
        QFile::setPermissions(path(".netrc"), QFile::ReadOwner | QFile::WriteOwner);
        r = import(m_hostile.url("/redirect-away/"), {"--replace"}, "not this one");
        QVERIFY2(r.status == 0 && !r.err.contains(QLatin1String("warning")), qPrintable(r.err));
    }

    // https named, an href to plain http: refused before anything is sent there.
    void httpsNeverContinuesOverHttp()
    {
        m_hostile.takeLog();
        const Result r = import(m_hostile.tlsUrl("/tls-down/"), {"--replace", "--ca-file", hostileCert()});
        QCOMPARE(r.status, 2);
        QVERIFY2(r.err.contains(QLatin1String("would continue over plain http://")), qPrintable(r.err));
        QVERIFY(!m_hostile.takeLog().contains("/plain/"));
    }

    // Basic and Digest (MD5; SHA-256 chosen over MD5) with a password
    // outside Latin-1, which the server checks as UTF-8.
    void utf8Password_data()
    {
        QTest::addColumn<QString>("scheme");
        QTest::newRow("Basic") << "basic";
        QTest::newRow("Digest MD5") << "md5";
        QTest::newRow("Digest SHA-256") << "sha256";
        QTest::newRow("Digest, stale nonce") << "stale";
    }

    void utf8Password()
    {
        QFETCH(QString, scheme);
        const Result r = import(m_hostile.url("/utf8/" + scheme + "/"), {"--replace"}, "pass\xe2\x82\xacword");
        QVERIFY2(r.status == 0, qPrintable(r.err));
        QCOMPARE(entries(), 1);
    }

    // What the user reads says what went wrong, holds no escape sequence,
    // and never a user name or password from the URL.
    void messages_data()
    {
        QTest::addColumn<QString>("url");
        QTest::addColumn<QStringList>("more");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("never");
        const QStringList none;
        const QString ca = "--ca-file";
        QTest::newRow("Bearer") << "http://127.0.0.1:{port}/bearer/" << none << 2
                                << "error: the server wants a token (Bearer), which is not supported" << "refused";
        QTest::newRow("500") << "http://127.0.0.1:{port}/fail500/" << none << 2 << "error: the server failed (HTTP 500)"
                             << "not a CardDAV server";
        QTest::newRow("gzip") << "http://127.0.0.1:{port}/gzip/" << none << 2 << "error: the answer could not be decompressed"
                              << "XML";
        QTest::newRow("escapes") << "http://127.0.0.1:{port}/escape/" << none << 2
                                 << "(HTTP 200, text/html\\x1b]0;owned\\x07\\x1b[2J)" << "\x1b";
        QTest::newRow("user in summary") << "http://anna@127.0.0.1:{port}/asks/" << none << 0
                                         << "http://127.0.0.1:{port}/asks/: summary: replaced" << "anna@";
        QTest::newRow("password in an invalid URL") << "http://anna:pw@127.0.0.1:99999999/" << none << 2
                                                    << "http://127.0.0.1:99999999/: error: not a valid URL" << "pw";
        QTest::newRow("another host's certificate")
            << "https://127.0.0.2:{tls}/tls-down/" << QStringList{ca, hostileCert()} << 2
            << "TLS failure: the certificate is another host's, not 127.0.0.2's" << ca;
        QTest::newRow("subjectAltName over CN") << "https://127.0.0.1:{othertls}/asks/" << QStringList{ca, otherNamedCert()}
                                                << 2 << "TLS failure: the certificate is another host's, not 127.0.0.1's" << "summary";
        QTest::newRow("control bytes in a challenge")
            << "http://127.0.0.1:{port}/control/" << none << 2
            << "error: the server's challenge holds control characters in its realm, which are never sent back; refused" << "\x1b";
        QTest::newRow("TLS to plain http") << "https://127.0.0.1:{port}/asks/" << none << 2
                                           << "error: the server at 127.0.0.1:{port} does not answer TLS; is it plain http://?"
                                           << "SSL";
        QTest::newRow("no --ca-file") << "https://127.0.0.1:{tls}/tls-down/" << QStringList{ca, "/nonexistent.pem"} << 2
                                      << "/nonexistent.pem: error: no such file" << "holds no PEM";
    }

    void messages()
    {
        QFETCH(QString, url);
        QFETCH(QStringList, more);
        QFETCH(int, status);
        QFETCH(QString, message);
        QFETCH(QString, never);
        const Result r = import(hostile(url), QStringList{"--replace"} + more);
        QCOMPARE(r.status, status);
        QVERIFY2(r.err.contains(hostile(message)) && !r.err.contains(never), qPrintable(r.err));
    }

    // A ~/.netrc default line is the named origin's alone.
    void defaultLineStaysHome()
    {
        writeFile(path(".netrc"), "default login anna password secret\n");
        QCOMPARE(import(m_hostile.url("/asks/"), {"--replace"}, QByteArray()).status, 0);
        const Result away = import(m_hostile.url("/redirect-away/"), {"--replace"}, QByteArray());
        QVERIFY2(away.status == 2 && away.err.contains("asks for a password, which goes only to"), qPrintable(away.err));
    }

    // An answer nobody asked for, sent on a kept connection after the one
    // asked for, is never read as the next request's.
    void lateAnswer()
    {
        const Result r = import(m_hostile.url("/late/"), {"--replace"});
        QVERIFY2(r.status == 0, qPrintable(r.err));
        const QByteArray book = exported(path(QStringLiteral("out.bin")));
        QVERIFY2(book.contains("100000") && !book.contains("666"), book.constData());
    }

    // Through the scripted proxy: https by CONNECT (the server's password
    // inside the tunnel, the proxy's to the proxy only), plain http in
    // absolute form; no_proxy, --no-proxy; a proxy that wants a password or
    // refuses.
    void proxies_data()
    {
        QTest::addColumn<QString>("url");
        QTest::addColumn<QStringList>("environment");
        QTest::addColumn<QStringList>("more");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("proxied");   // the proxy's log line, "" for none
        const QString tls = m_hostile.tlsUrl(QStringLiteral("/asks/")), plain = m_hostile.url(QStringLiteral("/asks/"));
        const QStringList ca{QStringLiteral("--ca-file"), hostileCert()};
        const QString open = QStringLiteral("http://") + m_hostile.proxy(), guarded = m_hostile.proxy(true);
        const QString target = QStringLiteral("127.0.0.1:") + tls.section(QLatin1Char(':'), 2).section(QLatin1Char('/'), 0, 0);
        QTest::newRow("https") << tls << QStringList{"https_proxy=" + open} << ca << 0 << "summary"
                               << "proxy 127.0.0.1 CONNECT " + target + " -";
        QTest::newRow("http") << plain << QStringList{"http_proxy=" + open} << QStringList() << 0 << "summary"
                              << "proxy 127.0.0.1 PROPFIND " + plain + " -";
        QTest::newRow("no_proxy") << tls << QStringList{"https_proxy=" + open, "no_proxy=localhost,127.0.0.1"} << ca << 0
                                  << "summary" << "";
        QTest::newRow("--no-proxy") << tls << QStringList{"all_proxy=" + open} << ca + QStringList{"--no-proxy"} << 0
                                    << "summary" << "";
        QTest::newRow("407") << tls << QStringList{"https_proxy=" + guarded} << ca << 2
                             << "error: the proxy " + guarded + " asks for a password (HTTP 407); give it in https_proxy "
                                "(http://USER:PASSWORD@" + guarded + ") or in a ~/.netrc line for 127.0.0.2"
                             << "proxy 127.0.0.2 CONNECT " + target + " -";
        QTest::newRow("407 answered") << tls << QStringList{"https_proxy=http://pat:proxysecret@" + guarded} << ca << 0 << "summary"
                                      << "proxy 127.0.0.2 CONNECT " + target + " Basic cGF0OnByb3h5c2VjcmV0";
        QTest::newRow("407 answered over http") << plain << QStringList{"http_proxy=http://pat:proxysecret@" + guarded} << QStringList()
                                                << 0 << "summary" << "proxy 127.0.0.2 PROPFIND " + plain + " Basic cGF0OnByb3h5c2VjcmV0";
        QTest::newRow("wrong proxy password") << tls << QStringList{"https_proxy=http://pat:wrong@" + guarded} << ca << 2
                                              << "the proxy " + guarded + " refused the user name or password (HTTP 407)" << "";
        QTest::newRow("CONNECT refused") << m_hostile.url(QStringLiteral("/asks/")).replace(QLatin1String("http:"), QLatin1String("https:"))
                                         << QStringList{"https_proxy=" + open} << ca << 2
                                         << "error: the proxy " + m_hostile.proxy() + " refused CONNECT (HTTP 403)" << "";
    }

    void proxies()
    {
        QFETCH(QString, url);
        QFETCH(QStringList, environment);
        QFETCH(QStringList, more);
        QFETCH(int, status);
        QFETCH(QString, message);
        QFETCH(QString, proxied);
        m_environment = environment;
        m_hostile.takeLog();
        const Result r = import(url, QStringList{"--replace"} + more);
        QVERIFY2(r.status == status && r.err.contains(message), qPrintable(r.err));
        const QByteArray log = m_hostile.takeLog();
        QVERIFY2(proxied.isEmpty() ? !log.contains("proxy ") || status == 2 : log.contains(proxied.toLatin1()), log.constData());
        // The server's password reached the server alone, the proxy's the proxy alone.
        QVERIFY2(!log.contains("proxy password reached the server"), log.constData());
        QVERIFY2(!QRegularExpression(QStringLiteral("^proxy .* Basic YW5uYTpzZWNyZXQ=$"), QRegularExpression::MultilineOption)
                      .match(QString::fromLatin1(log)).hasMatch(), log.constData());
    }

    // At the password prompt: typing for longer than the time-outs (scaled
    // down to 0.6 s without progress, 1 s for the run) costs nothing; Ctrl-C
    // gives the terminal its echo back, and the tool dies by the signal.
    void passwordPrompt()
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("HOME", m_dir->path());
        env.insert("VIRE_DAV_SECOND_MS", "20");
        env.remove("VIRE_DAV_PASSWORD");
        checkPasswordPrompt(vireImage(),
                            {"import", path("new.bin"), m_hostile.url("/asks/"), "--user", "anna", "-o", path("out.bin"),
                             "--timeout", "50"},
                            env);
    }

    // Time-outs, scaled down: 30 s without progress are 0.6 s here, the
    // whole run's 10 minutes 12 s. A byte now and then is no progress; a
    // steady answer is stopped by --timeout.
    void timeouts_data()
    {
        QTest::addColumn<QString>("drip");
        QTest::addColumn<QStringList>("more");
        QTest::addColumn<QString>("message");
        QTest::newRow("no progress") << "/drip/1/100/" << QStringList() << "error: no progress for 30 seconds";
        QTest::newRow("whole run") << "/drip/20000/100/" << QStringList{"--timeout", "20"}
                                   << "error: no complete answer within 20 seconds, the limit for the whole run";
    }

    void timeouts()
    {
        QFETCH(QString, drip);
        QFETCH(QStringList, more);
        QFETCH(QString, message);
        const Result r = import(m_hostile.url(drip), QStringList{"--replace"} + more, "secret", "20");
        QCOMPARE(r.status, 2);
        QVERIFY2(r.err.contains(message), qPrintable(r.err));
    }
};

QTEST_GUILESS_MAIN(TestCardDav)
#include "test_carddav.moc"
