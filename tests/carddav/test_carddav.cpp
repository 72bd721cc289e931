// vire-image against real CardDAV servers, Radicale and Xandikos, and the
// scripted one (hostile_dav.py), started here on 127.0.0.1 with their own
// storage, users and no configuration of the machine.
#include <QOperatingSystemVersion>
#include <QSslError>
#include <QSslSocket>
#include <QTcpServer>
#include <QTcpSocket>
#include <QtTest>

#include <optional>

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
// RSA: under Wine, Schannel now and then calls an ECDSA-signed certificate's
// signature invalid.
bool selfSigned(const QString &dir, const QString &subject = "/CN=127.0.0.1", const QString &altName = "IP:127.0.0.1")
{
    QDir().mkpath(dir);
    ServerProcess openssl;
    return openssl.start("openssl",
                         {"req", "-x509", "-newkey", "rsa:2048", "-nodes",
                          "-keyout", dir + "/key.pem", "-out", dir + "/cert.pem", "-days", "2", "-subj", subject,
                          "-addext", "subjectAltName=" + altName},
                         dir + "/openssl.log")
        && openssl.finish(30000) == 0;
}

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
    bool tls = false;

    // Whether it listens before it ends or 45 seconds pass.
    bool start(const QString &program, const QStringList &args)
    {
        const auto listening = [this] {
            QTcpSocket s;
            s.connectToHost(QHostAddress::LocalHost, port);
            return s.waitForConnected(100);
        };
        return port != 0 && process.start(program, args, root + ".log")
            && QTest::qWaitFor([&] { return !process.running() || listening(); }, 45000) && process.running();
    }
    QString url(const QString &path = "/") const
    {
        return QStringLiteral("%1://127.0.0.1:%2%3").arg(tls ? "https" : "http").arg(port).arg(path);
    }
};

// Radicale, its users' books written straight into its storage folder.
struct Radicale : RealServer
{
    Radicale(const QString &folder, bool overTls) : RealServer(folder) { tls = overTls; }

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
        s.waitForDisconnected(10000);   // Connection: close
        return s.readAll().mid(9, 3).toInt();
    }
};

const QList<QByteArray> Cards{card(1, "+46 70-123 45 61"), card(2, "0701234562"), card(3, QByteArray())};

} // namespace

class TestCardDav : public QObject
{
    Q_OBJECT

    std::optional<Folder> m_dir;   // each test's own
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

    QString path(const QString &name) const { return m_dir->path(name); }

    // A user's run: its own session (no terminal to prompt on), HOME in the
    // test's folder, the password given or not.
    Result vire(const QStringList &args, const QByteArray &password = "secret") const
    {
        return runVire(args, m_dir->path(), userEnvironment(m_dir->path(), password));
    }

    QString check(const DavRun &run) { return checkRun(run, m_dir->path(), m_hostile); }

    QByteArray exported(const QString &image) const { return runVire({"export", image}).out; }

    QString hostileCert() const { return m_servers.filePath("cert.pem"); }

    QString otherNamedCert() const { return m_servers.filePath("other/cert.pem"); }

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
        m_dir.emplace();
        QCOMPARE(vire({"new", "-o", path("new.bin")}).status, 0);
    }

    // Runs against the three servers and what each must lead to.
    void imports_data()
    {
        QTest::addColumn<DavRun>("run");
        const QStringList anna{"--user", "anna"}, replace{"--user", "anna", "--replace"};
        const QStringList ca{"--ca-file", hostileCert()};
        const QString annaAt = m_radicale.url("").replace("//", "//anna@"), contacts = m_radicale.url("/anna/contacts/");

        // From Radicale's root, the user in the URL; the .well-known address
        // redirects. The card without a number is named by its URL.
        const QString numberless = m_radicale.url("/anna/contacts/c2.vcf: warning: card \"Person 3\" has no telephone number");
        QTest::newRow("discovery from the root") << DavRun{annaAt + "/", {}, 0, {numberless}, 3};
        QTest::newRow("discovery by .well-known") << DavRun{annaAt + "/.well-known/carddav", {}, 0, {numberless}, 3};
        // The password from ~/.netrc, the user from --user; a direct collection URL.
        QTest::newRow("netrc, direct URL")
            << DavRun{contacts, anna, 0, {}, 3, {}, {}, QByteArray(), "machine 127.0.0.1 login anna password secret\n"};
        QTest::newRow("two books are listed") << DavRun{m_radicale.url(), {"--user", "bo"}, 2,
                                                        {m_radicale.url("/bo/contacts/  (contacts book)"),
                                                         m_radicale.url("/bo/work/  (work book)")}};
        // Refused in one line, nothing written.
        const QString oneLine = "!~\n.";
        const QString none = m_radicale.url("/anna/none/"), refused = QStringLiteral("http://127.0.0.1:%1/").arg(freePort());
        for (const auto &[name, url, password, message] :
             {std::tuple("wrong password", contacts, "wrong", contacts + ": error: user name or password refused (HTTP 401)"),
              std::tuple("no such book", none, "secret", none + ": error: not found (HTTP 404)"),
              std::tuple("no password", contacts, "", QString("there is no terminal to ask on; set VIRE_DAV_PASSWORD")),
              std::tuple("connection refused", refused, "secret", refused + ": error: connection refused"),
              std::tuple("password in the URL", QString("http://anna:pw@127.0.0.1:1/"), "secret",
                         QString("a password in the URL is refused"))})
            QTest::newRow(name) << DavRun{url, anna, 2, {message, oneLine}, 0, {}, {}, password};
        QTest::newRow("large book") << DavRun{m_radicale.url("/dora/contacts/"), {"--user", "dora", "--replace"}, 0, {}, 700};

        // Xandikos: a mistyped collection (a 404 inside a 207) and the
        // calendar beside the book are not imported.
        for (const auto &[name, where, message] :
             {std::tuple("Xandikos, mistyped", "/user/contacts/adressbook/", "not found (HTTP 404)"),
              std::tuple("Xandikos, calendar", "/user/calendars/calendar/", "is a calendar, not an address book")})
            QTest::newRow(name) << DavRun{m_xandikos.url(where), {"--replace"}, 2,
                                          {m_xandikos.url(where) + ": error: " + message}, 0, {}, {}, QByteArray()};

        const QString digest = m_hostile.url("/digest/book/");
        QTest::newRow("Digest refuses the wrong password")
            << DavRun{digest, anna, 2, {digest + ": error: user name or password refused (HTTP 401)"}, 0,
                      {"digest refused", "!digest ok"}, {}, "wrong"};

        // An answer that breaks off after its status line fails the run, even
        // when what came is a whole document; a cut document is a cut, not bad XML.
        const QString next = "; try again, and if it recurs a proxy or the server is cutting long answers$";
        for (const auto &[name, how, message] :
             {std::tuple("short body", "length", "the connection closed after \\d+ of \\d+ bytes"),
              std::tuple("no last chunk", "chunked", "the connection closed after \\d+ bytes"),
              std::tuple("short chunk", "short-chunk", "the connection closed after \\d+ bytes"),
              std::tuple("reset", "reset", "the connection closed after \\d+ of \\d+ bytes")}) {
            const QString url = m_hostile.url(QStringLiteral("/cut/%1/").arg(how));
            QTest::newRow(name) << DavRun{url, replace, 2,
                                          {"~(?m)" + QRegularExpression::escape(url + ": error: ") + message + next}};
        }

        // The password goes to the origin named; another host asking gets none.
        const QString asksAway = m_hostile.url("", true) + " asks for a password, which goes only to http://127.0.0.1:";
        for (const char *start : {"/redirect-away/", "/href-away/"})
            QTest::newRow(start) << DavRun{m_hostile.url(start), replace, 2, {asksAway, "!refused"}, 0,
                                           {"request 127.0.0.2 ", "!~request 127\\.0\\.0\\.2 \\S+ \\S+ [^-]"}};
        // A ~/.netrc default line is the named origin's alone.
        for (const auto &[name, start, status, says] :
             {std::tuple("netrc default line at home", "/asks/", 0, "summary"),
              std::tuple("netrc default line stays home", "/redirect-away/", 2, "asks for a password, which goes only to")})
            QTest::newRow(name) << DavRun{m_hostile.url(start), replace, status, {says}, 1, {}, {}, QByteArray(),
                                          "default login anna password secret\n"};
        // https named, an href to plain http: refused before anything is sent there.
        QTest::newRow("https never continues over http")
            << DavRun{m_hostile.tlsUrl("/tls-down/"), replace + ca, 2, {"would continue over plain http://"}, 0, {"!/plain/"}};

        // Basic and Digest (MD5; SHA-256 chosen over MD5) with a password
        // outside Latin-1, which the server checks as UTF-8.
        for (const auto &[name, scheme] : {std::pair("Basic", "basic"), std::pair("Digest MD5", "md5"),
                                           std::pair("Digest SHA-256", "sha256"), std::pair("Digest, stale nonce", "stale")})
            QTest::newRow(name) << DavRun{m_hostile.url(QStringLiteral("/utf8/%1/").arg(scheme)), replace, 0, {}, 1, {}, {},
                                          "pass\xe2\x82\xacword"};

        // What the user reads says what went wrong, holds no escape sequence,
        // and never a user name or password from the URL.
        const QString port = QString::number(m_hostile.port()), tls = QString::number(m_hostile.tlsPort());
        for (const auto &[name, where, message, never] :
             {std::tuple("Bearer", "/bearer/", "error: the server wants a token (Bearer), which is not supported", "!refused"),
              std::tuple("500", "/fail500/", "error: the server failed (HTTP 500)", "!not a CardDAV server"),
              std::tuple("gzip", "/gzip/", "error: the answer could not be decompressed", "!XML"),
              std::tuple("escapes", "/escape/", "(HTTP 200, text/html\\x1b]0;owned\\x07\\x1b[2J)", "!\x1b"),
              std::tuple("control bytes in a challenge", "/control/",
                         "error: the server's challenge holds control characters in its realm, which are never sent back; "
                         "refused",
                         "!\x1b")})
            QTest::newRow(name) << DavRun{m_hostile.url(where), replace, 2, {message, never}};
        QTest::newRow("user in summary") << DavRun{"http://anna@127.0.0.1:" + port + "/asks/", replace, 0,
                                                   {m_hostile.url("/asks/: summary: replaced"), "!anna@"}};
        const QString otherHost = "TLS failure: the certificate is another host's, not ";
        for (const auto &[name, url, args, message, never] :
             {std::tuple("password in an invalid URL", QString("http://anna:pw@127.0.0.1:99999999/"), replace,
                         QString("http://127.0.0.1:99999999/: error: not a valid URL"), "!pw"),
              std::tuple("another host's certificate", "https://127.0.0.2:" + tls + "/tls-down/", replace + ca,
                         otherHost + "127.0.0.2's", "!--ca-file"),
              std::tuple("subjectAltName over CN", QStringLiteral("https://127.0.0.1:%1/asks/").arg(m_otherNamed.tlsPort()),
                         replace + QStringList{"--ca-file", otherNamedCert()}, otherHost + "127.0.0.1's", "!summary"),
              std::tuple("TLS to plain http", "https://127.0.0.1:" + port + "/asks/", replace,
                         "error: the server at 127.0.0.1:" + port + " does not answer TLS; is it plain http://?", "!SSL"),
              std::tuple("no --ca-file", m_hostile.tlsUrl("/tls-down/"), replace + QStringList{"--ca-file", "/nonexistent.pem"},
                         QString("/nonexistent.pem: error: no such file"), "!holds no PEM")})
            QTest::newRow(name) << DavRun{url, args, 2, {message, never}};

        // Through the scripted proxy: https by CONNECT (the server's password
        // inside the tunnel, the proxy's to the proxy only), plain http in
        // absolute form; no_proxy, --no-proxy; a proxy that wants a password or
        // refuses.
        const QString secure = m_hostile.tlsUrl("/asks/"), plain = m_hostile.url("/asks/");
        const QString open = "http://" + m_hostile.proxy(), guarded = m_hostile.proxy(true);
        const QString connect = " CONNECT 127.0.0.1:" + tls + " ", propfind = " PROPFIND " + plain + " ";
        const QString pat = "Basic cGF0OnByb3h5c2VjcmV0", patsProxy = "http://pat:proxysecret@" + guarded;
        for (const auto &[name, url, environment, log] :
             {std::tuple("https", secure, QStringList{"https_proxy=" + open}, "proxy 127.0.0.1" + connect + "-"),
              std::tuple("http", plain, QStringList{"http_proxy=" + open}, "proxy 127.0.0.1" + propfind + "-"),
              std::tuple("no_proxy", secure, QStringList{"https_proxy=" + open, "no_proxy=localhost,127.0.0.1"},
                         QString("!proxy ")),
              std::tuple("407 answered", secure, QStringList{"https_proxy=" + patsProxy}, "proxy 127.0.0.2" + connect + pat),
              std::tuple("407 answered over http", plain, QStringList{"http_proxy=" + patsProxy},
                         "proxy 127.0.0.2" + propfind + pat)})
            QTest::newRow(name) << DavRun{url, url == secure ? replace + ca : replace, 0, {"summary"}, 1, {log}, environment};
        QTest::newRow("--no-proxy") << DavRun{secure, replace + ca + QStringList{"--no-proxy"}, 0, {"summary"}, 1, {"!proxy "},
                                              {"all_proxy=" + open}};
        QTest::newRow("407") << DavRun{secure, replace + ca, 2,
                                       {"error: the proxy " + guarded + " asks for a password (HTTP 407); give it in "
                                        "https_proxy (http://USER:PASSWORD@" + guarded + ") or in a ~/.netrc line for 127.0.0.2"},
                                       0, {"proxy 127.0.0.2" + connect + "-"}, {"https_proxy=" + guarded}};
        QTest::newRow("wrong proxy password")
            << DavRun{secure, replace + ca, 2, {"the proxy " + guarded + " refused the user name or password (HTTP 407)"}, 0, {},
                      {"https_proxy=http://pat:wrong@" + guarded}};
        QTest::newRow("CONNECT refused") << DavRun{"https://127.0.0.1:" + port + "/asks/", replace + ca, 2,
                                                   {"error: the proxy " + m_hostile.proxy() + " refused CONNECT (HTTP 403)"}, 0,
                                                   {}, {"https_proxy=" + open}};

        // Time-outs, scaled down: 30 s without progress are 0.6 s here, the
        // whole run's 10 minutes 12 s. A byte now and then is no progress; a
        // steady answer is stopped by --timeout.
        const QStringList scaled{"VIRE_DAV_SECOND_MS=20"};
        QTest::newRow("no progress")
            << DavRun{m_hostile.url("/drip/1/100/"), replace, 2, {"error: no progress for 30 seconds"}, 0, {}, scaled};
        QTest::newRow("whole run")
            << DavRun{m_hostile.url("/drip/20000/100/"), replace + QStringList{"--timeout", "20"}, 2,
                      {"error: no complete answer within 20 seconds, the limit for the whole run"}, 0, {}, scaled};
    }

    void imports()
    {
        QFETCH(DavRun, run);
        check(run);
    }

    void replaceAndAdd()
    {
        const QString url = m_radicale.url("/carl/contacts/"), out = path("out.bin");
        // Adding keeps the sample entry 12345, so that number is there twice
        // under two names, and the warning names both.
        check({url, {"--user", "carl"}, 0,
               {"12345 is in the phone book as \"Test Testsson\"; added as \"Person 1\" beside it"}, 3});
        Result r = vire({"import", out, url, "-o", out, "--replace", "--user", "carl"});
        QCOMPARE(r.status, 0);
        QCOMPARE(userEntries(out), 2);

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
        QCOMPARE(userEntries(out), 1);
    }

    // The right password for the Digest-only server: the query is refused,
    // the cards come in batches, each asked for once, every number imported
    // beside the sample entry.
    void serverWithoutQuery()
    {
        const QString notes = check({m_hostile.url("/digest/book/"), {"--user", "anna"}, 0, {}, 251,
                                     {"digest ok", "!digest refused", "query\n"}});
        const QStringList batches = notes.split(QLatin1Char('\n')).filter(QRegularExpression("^multiget "));
        QVERIFY(batches.size() >= 2);
        QStringList asked;
        for (const QString &batch : batches) {
            const QStringList hrefs = batch.mid(9).split(QLatin1Char(' '));
            QVERIFY(hrefs.size() <= 200);
            asked += hrefs;
        }
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
        // Schannel calls a self-signed certificate untrusted, in its own words.
        const bool schannel = QSslSocket::activeBackend() == QLatin1String("schannel");
        const QSslError refusal(schannel ? QSslError::CertificateUntrusted : QSslError::SelfSignedCertificate);
        check({s.url("/anna/contacts/"), {"--user", "anna"}, 2, {"TLS failure: " + refusal.errorString()}});
        check({s.url("/anna/contacts/"), {"--user", "anna", "--ca-file", path("radicale/cert.pem")}, 0, {}, 2});
    }

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
        check({m_xandikos.url(start), {"--replace"}, 0, {}, 2, {}, {}, QByteArray()});
        QVERIFY(readFile(path("file.bin")) == readFile(path("out.bin")));
    }

    // Another host gets one only from its own ~/.netrc line: used, with a
    // warning when others can read the file; VIRE_DAV_PASSWORD is the named
    // origin's only.
    void otherOriginsOwnNetrcLine()
    {
        writeFile(path(".netrc"), "machine 127.0.0.2 login anna password secret\n");
        QFile::setPermissions(path(".netrc"), QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther);
        DavRun run{m_hostile.url("/redirect-away/"), {"--user", "anna", "--replace"}, 0, {}, 1, {}, {}, "not this one"};
        if (QOperatingSystemVersion::currentType() != QOperatingSystemVersion::Windows)   // no mode bits there
            run.says = QStringList{path(".netrc") + ": warning: others can read this file (mode 0604)"};
        check(run);
        QFile::setPermissions(path(".netrc"), QFile::ReadOwner | QFile::WriteOwner);
        run.says = QStringList{"!warning"};
        check(run);
    }

    // An answer nobody asked for, sent on a kept connection after the one
    // asked for, is never read as the next request's.
    void lateAnswer()
    {
        check({m_hostile.url("/late/"), {"--user", "anna", "--replace"}});
        const QByteArray book = exported(path(QStringLiteral("out.bin")));
        QVERIFY2(book.contains("100000") && !book.contains("666"), book.constData());
    }

    // At the password prompt: typing for longer than the time-outs (scaled
    // down to 0.6 s without progress, 1 s for the run) costs nothing; Ctrl-C
    // gives the terminal its echo back, and the tool dies by the signal.
    void passwordPrompt()
    {
        QProcessEnvironment env = userEnvironment(m_dir->path());
        env.insert("VIRE_DAV_SECOND_MS", "20");
        checkPasswordPrompt(vireImage(),
                            {"import", path("new.bin"), m_hostile.url("/asks/"), "--user", "anna", "-o", path("out.bin"),
                             "--timeout", "50"},
                            env);
    }
};

QTEST_GUILESS_MAIN(TestCardDav)
#include "test_carddav.moc"
