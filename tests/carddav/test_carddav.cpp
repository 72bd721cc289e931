// vire-image against Radicale, a real CardDAV server, started here on
// 127.0.0.1 with its own storage, users and no configuration of the machine.
#include <QDir>
#include <QFile>
#include <QOperatingSystemVersion>
#include <QProcess>
#include <QSslError>
#include <QSslSocket>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QtTest>

#include "tests/carddav/RunVire.h"
#include "tests/carddav/ServerProcess.h"
#include "tests/carddav/Terminals.h"

namespace {

QString python()
{
    // Debian's interpreter holds python3-radicale; another one first in PATH may not.
    return QFileInfo::exists(QStringLiteral("/usr/bin/python3")) ? QStringLiteral("/usr/bin/python3")
                                                                 : QStringLiteral("python3");
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

QByteArray card(int i, const QByteArray &tel)
{
    return "BEGIN:VCARD\r\nVERSION:3.0\r\nUID:c" + QByteArray::number(i) + "\r\nFN:Person " + QByteArray::number(i)
        + "\r\n" + (tel.isEmpty() ? QByteArray() : "TEL:" + tel + "\r\n") + "END:VCARD\r\n";
}

// The scripted hostile server (hostile_dav.py): a scenario per first path
// segment, on 127.0.0.1 and, as another host, 127.0.0.2 at the same port;
// every request it gets is a line of its log.
class HostileDav
{
public:
    explicit HostileDav(const QString &log) : m_log(log) {}

    // With cert and key, also over TLS on 127.0.0.1.
    bool start(const QString &cert = QString(), const QString &key = QString())
    {
        QStringList args{QStringLiteral(HOSTILE_DAV), m_log};
        if (!cert.isEmpty())
            args << cert << key;
        if (!m_process.start(python(), args))
            return false;
        const QList<QByteArray> ports = m_process.firstLine(10000).split(' ');
        m_port = ports.value(0).toInt();
        m_tlsPort = ports.value(1).toInt();
        m_proxyPort = ports.value(2).toInt();
        return m_port > 0;
    }

    QString url(const QString &path, bool otherHost = false) const
    {
        return QStringLiteral("http://127.0.0.%1:%2%3").arg(otherHost ? 2 : 1).arg(m_port).arg(path);
    }
    QString tlsUrl(const QString &path) const { return QStringLiteral("https://127.0.0.1:%1%2").arg(m_tlsPort).arg(path); }
    int port() const { return m_port; }
    // The proxy, open on 127.0.0.1; on 127.0.0.2 it wants pat's password.
    QString proxy(bool otherHost = false) const
    {
        return QStringLiteral("127.0.0.%1:%2").arg(otherHost ? 2 : 1).arg(m_proxyPort);
    }

    // The log so far, emptied for the next run.
    QByteArray takeLog()
    {
        QFile f(m_log);
        if (!f.open(QIODevice::ReadOnly))
            return QByteArray();
        const QByteArray text = f.readAll();
        f.remove();
        return text;
    }

private:
    QString m_log;
    ServerProcess m_process;
    int m_port = 0, m_tlsPort = 0, m_proxyPort = 0;
};

// A self-signed certificate for 127.0.0.1 and its key, as cert.pem and key.pem
// in dir; or with another subject and subjectAltName.
bool selfSigned(const QString &dir, const QString &subject = QStringLiteral("/CN=127.0.0.1"),
                const QString &altName = QStringLiteral("IP:127.0.0.1"))
{
    QDir().mkpath(dir);
    ServerProcess openssl;
    return openssl.start(QStringLiteral("openssl"),
                  {QStringLiteral("req"), QStringLiteral("-x509"), QStringLiteral("-newkey"), QStringLiteral("ec"),
                   QStringLiteral("-pkeyopt"), QStringLiteral("ec_paramgen_curve:prime256v1"), QStringLiteral("-nodes"),
                   QStringLiteral("-keyout"), dir + QStringLiteral("/key.pem"), QStringLiteral("-out"),
                   dir + QStringLiteral("/cert.pem"), QStringLiteral("-days"), QStringLiteral("2"), QStringLiteral("-subj"),
                   subject, QStringLiteral("-addext"), QStringLiteral("subjectAltName=") + altName},
                         dir + QStringLiteral("/openssl.log"))
        && openssl.finish(30000) == 0;
}

// A port free on 127.0.0.1 now; 0 if none.
quint16 freePort()
{
    QTcpServer probe;
    return probe.listen(QHostAddress::LocalHost) ? probe.serverPort() : 0;
}

// Whether a server that was started listens on port before it ends or
// 45 seconds pass.
bool listening(ServerProcess &server, quint16 port)
{
    for (int i = 0; i < 300 && server.running(); ++i) {
        QTcpSocket s;
        s.connectToHost(QHostAddress::LocalHost, port);
        if (s.waitForConnected(100))
            return true;
        QThread::msleep(50);
    }
    return false;
}

class Radicale
{
public:
    Radicale(const QString &root, bool tls) : m_root(root), m_tls(tls) {}

    // An address book of anna's, written straight into the storage folder.
    void addBook(const QString &name, const QList<QByteArray> &cards)
    {
        const QString dir = m_root + QStringLiteral("/store/collection-root/anna/") + name;
        writeFile(dir + QStringLiteral("/.Radicale.props"),
                  "{\"tag\": \"VADDRESSBOOK\", \"D:displayname\": \"" + name.toUtf8() + " book\"}");
        for (int i = 0; i < cards.size(); ++i)
            writeFile(dir + QStringLiteral("/c%1.vcf").arg(i), cards[i]);
    }

    bool start()
    {
        m_port = freePort();
        if (m_port == 0)
            return false;
        writeFile(m_root + QStringLiteral("/users"), "anna:secret\n");
        QStringList args{QStringLiteral("-m"), QStringLiteral("radicale"), QStringLiteral("--config"), QString(),
                         QStringLiteral("--hosts"), QStringLiteral("127.0.0.1:%1").arg(m_port),
                         QStringLiteral("--storage-filesystem-folder"), m_root + QStringLiteral("/store"),
                         QStringLiteral("--auth-type"), QStringLiteral("htpasswd"),
                         QStringLiteral("--auth-htpasswd-filename"), m_root + QStringLiteral("/users"),
                         QStringLiteral("--auth-htpasswd-encryption"), QStringLiteral("plain"),
                         QStringLiteral("--auth-delay"), QStringLiteral("0")};
        if (m_tls)
            args << QStringLiteral("--ssl") << QStringLiteral("--certificate") << m_root + QStringLiteral("/cert.pem")
                 << QStringLiteral("--key") << m_root + QStringLiteral("/key.pem");
        // Its log beside its folder, not on the test's output.
        if (!m_process.start(python(), args, m_root + QStringLiteral(".log")))
            return false;
        return listening(m_process, m_port);
    }

    QString url(const QString &path = QStringLiteral("/")) const
    {
        return QStringLiteral("%1://127.0.0.1:%2%3").arg(m_tls ? "https" : "http").arg(m_port).arg(path);
    }

private:
    QString m_root;
    bool m_tls;
    quint16 m_port = 0;
    ServerProcess m_process;
};

// Xandikos, a second real server (no authentication), on 127.0.0.1 with its
// own folder; --defaults makes /user/contacts/addressbook/ and
// /user/calendars/calendar/. Cards go in by PUT.
class Xandikos
{
public:
    explicit Xandikos(const QString &root) : m_root(root) {}

    bool start()
    {
        m_port = freePort();
        if (m_port == 0)
            return false;
        // It logs every request: kept beside its folder, not on the test's output.
        if (!m_process.start(QStringLiteral("xandikos"),
                             {QStringLiteral("-d"), m_root, QStringLiteral("--defaults"), QStringLiteral("-l"),
                              QStringLiteral("127.0.0.1"), QStringLiteral("-p"), QString::number(m_port)},
                             m_root + QStringLiteral(".log")))
            return false;
        return listening(m_process, m_port);
    }

    // 201 when the card was stored.
    int put(const QString &path, const QByteArray &card)
    {
        QTcpSocket s;
        s.connectToHost(QHostAddress::LocalHost, m_port);
        if (!s.waitForConnected(5000))
            return 0;
        s.write("PUT " + path.toUtf8() + " HTTP/1.1\r\nHost: 127.0.0.1\r\nContent-Type: text/vcard\r\nConnection: close\r\n"
                "Content-Length: " + QByteArray::number(card.size()) + "\r\n\r\n" + card);
        QByteArray answer;
        while (s.waitForReadyRead(10000))
            answer += s.readAll();
        return answer.mid(9, 3).toInt();
    }

    QString url(const QString &path) const { return QStringLiteral("http://127.0.0.1:%1%2").arg(m_port).arg(path); }

private:
    QString m_root;
    quint16 m_port = 0;
    ServerProcess m_process;
};

} // namespace

class TestCardDav : public QObject
{
    Q_OBJECT

    QTemporaryDir *m_dir = nullptr;
    Radicale *m_server = nullptr;
    // The hostile server, for the whole run, over TLS too.
    QTemporaryDir m_hostileDir;
    HostileDav *m_hostile = nullptr;
    // Over TLS with a certificate whose CN is 127.0.0.1 but whose
    // subjectAltName names another host.
    HostileDav *m_otherNamed = nullptr;
    // Set for one run: NAME=VALUE.
    QStringList m_environment;

    QString path(const QString &name) const { return m_dir->filePath(name); }

    // A user's run: its own session (no terminal to prompt on), HOME in the
    // test's folder, the password given or not.
    Result vire(const QStringList &args, const QByteArray &password = "secret", const QString &secondMs = QString()) const
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("HOME"), m_dir->path());
        env.remove(QStringLiteral("VIRE_DAV_PASSWORD"));
        for (const char *proxy : {"https_proxy", "HTTPS_PROXY", "http_proxy", "all_proxy", "ALL_PROXY", "no_proxy", "NO_PROXY"})
            env.remove(QLatin1String(proxy));
        for (const QString &e : m_environment)
            env.insert(e.section(QLatin1Char('='), 0, 0), e.section(QLatin1Char('='), 1));
        if (!secondMs.isEmpty())
            env.insert(QStringLiteral("VIRE_DAV_SECOND_MS"), secondMs);
        if (!password.isEmpty())
            env.insert(QStringLiteral("VIRE_DAV_PASSWORD"), QString::fromUtf8(password));
        return runVire(args, env, m_dir->path());
    }

    // The user entry count an image holds, as "info" reports it.
    int entries(const QString &image) const
    {
        QProcess p;
        p.start(QStringLiteral(VIRE_IMAGE), {QStringLiteral("info"), image});
        p.waitForFinished();
        const QString out = QString::fromUtf8(p.readAllStandardOutput());
        const QRegularExpressionMatch m = QRegularExpression(QStringLiteral("User entries: +([\\d,]+)")).match(out);
        return m.hasMatch() ? m.captured(1).remove(QLatin1Char(',')).toInt() : -1;
    }

    // An image's phone book as CSV.
    QByteArray exported(const QString &image) const
    {
        QProcess p;
        p.start(QStringLiteral(VIRE_IMAGE), {QStringLiteral("export"), image});
        p.waitForFinished();
        return p.readAllStandardOutput();
    }

    Radicale &server(bool tls = false)
    {
        m_server = new Radicale(m_dir->filePath(QStringLiteral("radicale")), tls);
        return *m_server;
    }

    void startServer()
    {
        if (!m_server->start())
            QFAIL("Radicale did not start (scripts/deps.sh installs python3-radicale)");
    }

    QString hostileCert() const { return m_hostileDir.filePath(QStringLiteral("cert.pem")); }
    QString otherNamedCert() const { return m_hostileDir.filePath(QStringLiteral("other/cert.pem")); }

    // vire-image import of url from the hostile server into out.bin, with --replace.
    Result importFrom(const QString &url, const QByteArray &password = "secret", const QStringList &more = {},
                      const QString &secondMs = QString()) const
    {
        return vire(QStringList{QStringLiteral("import"), path(QStringLiteral("new.bin")), url, QStringLiteral("--user"),
                                QStringLiteral("anna"), QStringLiteral("-o"), path(QStringLiteral("out.bin")),
                                QStringLiteral("--replace")} + more,
                    password, secondMs);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(selfSigned(m_hostileDir.path()));
        m_hostile = new HostileDav(m_hostileDir.filePath(QStringLiteral("hostile.log")));
        QVERIFY2(m_hostile->start(hostileCert(), m_hostileDir.filePath(QStringLiteral("key.pem"))), "hostile_dav.py did not start");
        const QString other = m_hostileDir.filePath(QStringLiteral("other"));
        QVERIFY(selfSigned(other, QStringLiteral("/CN=127.0.0.1"), QStringLiteral("DNS:other.example")));
        m_otherNamed = new HostileDav(other + QStringLiteral("/hostile.log"));
        QVERIFY(m_otherNamed->start(otherNamedCert(), other + QStringLiteral("/key.pem")));
    }

    void cleanupTestCase()
    {
        delete m_hostile;
        delete m_otherNamed;
    }

    void init()
    {
        m_environment.clear();
        m_dir = new QTemporaryDir;
        QVERIFY(m_dir->isValid());
        QCOMPARE(vire({QStringLiteral("new"), QStringLiteral("-o"), path(QStringLiteral("new.bin"))}).status, 0);
    }

    void cleanup()
    {
        delete m_server;
        m_server = nullptr;
        delete m_dir;
        m_dir = nullptr;
    }

    void discoveryAndDirectUrl()
    {
        Radicale &s = server();
        s.addBook(QStringLiteral("contacts"), {card(1, "+46 70-123 45 61"), card(2, "0701234562"), card(3, QByteArray())});
        startServer();
        const QString in = path(QStringLiteral("new.bin")), out = path(QStringLiteral("out.bin"));

        // From the server's root, the user in the URL; the .well-known address redirects.
        for (const QString &start : {s.url(), s.url(QStringLiteral("/.well-known/carddav"))}) {
            QUrl url(start);
            url.setUserName(QStringLiteral("anna"));
            const Result r = vire({QStringLiteral("import"), in, url.toString(), QStringLiteral("-o"), out});
            QCOMPARE(r.status, 0);
            QCOMPARE(entries(out), 3);   // the sample entry and two cards' numbers
            // The card without a number is named by its URL.
            QVERIFY2(r.err.contains(s.url(QStringLiteral("/anna/contacts/c2.vcf: warning: card \"Person 3\" has no telephone number"))),
                     qPrintable(r.err));
            QFile::remove(out);
        }

        // The password from ~/.netrc, the user from --user; a direct collection URL.
        writeFile(path(QStringLiteral(".netrc")), "machine 127.0.0.1 login anna password secret\n");
        Result r = vire({QStringLiteral("import"), in, s.url(QStringLiteral("/anna/contacts/")), QStringLiteral("--user"),
                         QStringLiteral("anna"), QStringLiteral("-o"), out}, QByteArray());
        QCOMPARE(r.status, 0);
        QCOMPARE(entries(out), 3);

        // Two books: both listed, nothing written.
        s.addBook(QStringLiteral("work"), {card(9, "0311")});
        QFile::remove(out);
        r = vire({QStringLiteral("import"), in, s.url(), QStringLiteral("--user"), QStringLiteral("anna"), QStringLiteral("-o"), out});
        QCOMPARE(r.status, 2);
        QVERIFY2(r.err.contains(s.url(QStringLiteral("/anna/contacts/  (contacts book)")))
                     && r.err.contains(s.url(QStringLiteral("/anna/work/  (work book)"))), qPrintable(r.err));
        QVERIFY(!QFile::exists(out));
    }

    void replaceAndAdd()
    {
        Radicale &s = server();
        s.addBook(QStringLiteral("contacts"), {card(1, "12345"), card(2, "0702")});
        startServer();
        const QString url = s.url(QStringLiteral("/anna/contacts/"));
        const QString in = path(QStringLiteral("new.bin")), out = path(QStringLiteral("out.bin"));
        const QStringList user{QStringLiteral("--user"), QStringLiteral("anna")};

        // Adding keeps the sample entry 12345, so that number is there twice
        // under two names, and the warning names both.
        Result r = vire(QStringList{QStringLiteral("import"), in, url, QStringLiteral("-o"), out} + user);
        QCOMPARE(r.status, 0);
        QCOMPARE(entries(out), 3);
        QVERIFY2(r.err.contains(QStringLiteral("12345 is in the phone book as \"Test Testsson\"; added as \"Person 1\" beside it")),
                 qPrintable(r.err));

        r = vire(QStringList{QStringLiteral("import"), out, url, QStringLiteral("-o"), out, QStringLiteral("--replace")} + user);
        QCOMPARE(r.status, 0);
        QCOMPARE(entries(out), 2);

        // Following the book after a card was renamed and another deleted on
        // the server: the sound set on the phone book stays.
        writeFile(path(QStringLiteral("sound.csv")), "number,name,sound\n12345,Person 1,3\n");
        QCOMPARE(vire({QStringLiteral("import"), out, path(QStringLiteral("sound.csv")), QStringLiteral("-o"), out}).status, 0);
        const QString store = path(QStringLiteral("radicale/store/collection-root/anna/contacts/"));
        writeFile(store + QStringLiteral("c0.vcf"), card(1, "12345").replace("Person 1", "Anna"));
        QVERIFY(QFile::remove(store + QStringLiteral("c1.vcf")));
        r = vire(QStringList{QStringLiteral("import"), out, url, QStringLiteral("--sync"), QStringLiteral("-o"), out} + user);
        QCOMPARE(r.status, 0);
        QVERIFY2(r.err.endsWith(QStringLiteral("summary: added 0 entries, changed 1, removed 1, skipped 0; the phone book "
                                               "holds 1 of 2,032 entries\n")),
                 qPrintable(r.err));
        QVERIFY(exported(out).endsWith("12345,Anna,3,0,0,0,0\r\n"));
        QCOMPARE(entries(out), 1);
    }

    void failures()
    {
        Radicale &s = server();
        s.addBook(QStringLiteral("contacts"), {card(1, "0701")});
        startServer();
        const QString in = path(QStringLiteral("new.bin")), out = path(QStringLiteral("out.bin"));
        const QString book = s.url(QStringLiteral("/anna/contacts/"));
        const QStringList user{QStringLiteral("--user"), QStringLiteral("anna"), QStringLiteral("-o"), out};
        struct Case { QString url; QByteArray password; QString message; };
        QTcpServer closed;
        QVERIFY(closed.listen(QHostAddress::LocalHost));
        const QString refused = QStringLiteral("http://127.0.0.1:%1/").arg(closed.serverPort());
        closed.close();
        const Case cases[] = {
            {book, "wrong", book + QStringLiteral(": error: user name or password refused (HTTP 401)")},
            {s.url(QStringLiteral("/anna/none/")), "secret", s.url(QStringLiteral("/anna/none/: error: not found (HTTP 404)"))},
            {book, QByteArray(), QStringLiteral("there is no terminal to ask on; set VIRE_DAV_PASSWORD")},
            {refused, "secret", refused + QStringLiteral(": error: connection refused")},
            {QStringLiteral("http://anna:pw@127.0.0.1:1/"), "secret", QStringLiteral("a password in the URL is refused")},
        };
        for (const Case &c : cases) {
            const Result r = vire(QStringList{QStringLiteral("import"), in, c.url} + user, c.password);
            QCOMPARE(r.status, 2);
            QVERIFY2(r.err.contains(c.message), qPrintable(r.err));
            QCOMPARE(r.err.count(QLatin1Char('\n')), 1);
            QVERIFY(!QFile::exists(out));
        }
    }

    void largeBook()
    {
        Radicale &s = server();
        QList<QByteArray> cards;
        for (int i = 0; i < 700; ++i)
            cards << card(i, QByteArray::number(100000 + i));
        s.addBook(QStringLiteral("contacts"), cards);
        startServer();
        const QString out = path(QStringLiteral("out.bin"));
        const Result r = vire({QStringLiteral("import"), path(QStringLiteral("new.bin")), s.url(QStringLiteral("/anna/contacts/")),
                               QStringLiteral("--user"), QStringLiteral("anna"), QStringLiteral("-o"), out, QStringLiteral("--replace")});
        QCOMPARE(r.status, 0);
        QCOMPARE(entries(out), 700);
    }

    void serverWithoutQueryAndDigest()
    {
        HostileDav dav(path(QStringLiteral("dav.log")));
        QVERIFY(dav.start());
        const QString book = dav.url(QStringLiteral("/digest/book/"));
        const QString out = path(QStringLiteral("out.bin"));
        const QStringList args{QStringLiteral("import"), path(QStringLiteral("new.bin")), book,
                               QStringLiteral("--user"), QStringLiteral("anna"), QStringLiteral("-o"), out};

        // The wrong password fails the server's Digest check: refused, nothing written.
        Result r = vire(args, "wrong");
        QCOMPARE(r.status, 2);
        QVERIFY2(r.err.contains(book + QStringLiteral(": error: user name or password refused (HTTP 401)")), qPrintable(r.err));
        QVERIFY(!QFile::exists(out));
        QByteArray notes = dav.takeLog();
        QVERIFY2(notes.contains("digest refused") && !notes.contains("digest ok"), notes.constData());

        // The right one: the query is refused, the cards come in batches,
        // each asked for once, every number imported beside the sample entry.
        r = vire(args);
        QVERIFY2(r.status == 0, qPrintable(r.err));
        QCOMPARE(entries(out), 251);
        notes = dav.takeLog();
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
        Radicale &s = server(true);
        const QString root = m_dir->filePath(QStringLiteral("radicale"));
        QVERIFY(selfSigned(root));
        s.addBook(QStringLiteral("contacts"), {card(1, "0701")});
        startServer();
        const QString out = path(QStringLiteral("out.bin"));
        const QStringList args{QStringLiteral("import"), path(QStringLiteral("new.bin")), s.url(QStringLiteral("/anna/contacts/")),
                               QStringLiteral("--user"), QStringLiteral("anna"), QStringLiteral("-o"), out};

        Result r = vire(args);
        QVERIFY2(r.status == 2, qPrintable(r.err));
        // Schannel calls a self-signed certificate untrusted, in its own words.
        const QString selfSigned = QSslError(QSslSocket::activeBackend() == QLatin1String("schannel")
                                                 ? QSslError::CertificateUntrusted
                                                 : QSslError::SelfSignedCertificate)
                                       .errorString();
        QVERIFY2(r.err.contains(QLatin1String("TLS failure: ") + selfSigned), qPrintable(r.err));
        QVERIFY(!QFile::exists(out));

        r = vire(args + QStringList{QStringLiteral("--ca-file"), root + QStringLiteral("/cert.pem")});
        QVERIFY2(r.status == 0, qPrintable(r.err));
        QCOMPARE(entries(out), 2);
    }

    // The same cards from Xandikos as from a file; a mistyped collection (a
    // 404 inside a 207) and the calendar beside the book are not imported.
    void xandikos()
    {
        Xandikos x(path(QStringLiteral("xandikos")));
        QVERIFY2(x.start(), "Xandikos did not start (scripts/deps.sh installs xandikos)");
        const QList<QByteArray> cards{card(1, "+46 70-123 45 61"), card(2, "0701234562"), card(3, QByteArray())};
        QByteArray file;
        for (int i = 0; i < cards.size(); ++i) {
            QCOMPARE(x.put(QStringLiteral("/user/contacts/addressbook/c%1.vcf").arg(i), cards[i]), 201);
            file += cards[i];
        }
        writeFile(path(QStringLiteral("cards.vcf")), file);
        const QString in = path(QStringLiteral("new.bin"));
        auto import = [&](const QString &source, const QString &out) {
            return vire({QStringLiteral("import"), in, source, QStringLiteral("-o"), path(out), QStringLiteral("--replace")},
                        QByteArray());
        };
        QCOMPARE(import(path(QStringLiteral("cards.vcf")), QStringLiteral("file.bin")).status, 0);
        for (const QString &start : {QStringLiteral("/"), QStringLiteral("/user/contacts/addressbook/")}) {
            const Result r = import(x.url(start), QStringLiteral("dav.bin"));
            QVERIFY2(r.status == 0, qPrintable(r.err));
            QFile a(path(QStringLiteral("file.bin"))), b(path(QStringLiteral("dav.bin")));
            QVERIFY(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
            QVERIFY(a.readAll() == b.readAll());
            b.close();   // Windows removes no open file
            QFile::remove(path(QStringLiteral("dav.bin")));
        }
        const std::pair<QString, QString> wrong[] = {
            {QStringLiteral("/user/contacts/adressbook/"), QStringLiteral("not found (HTTP 404)")},
            {QStringLiteral("/user/calendars/calendar/"), QStringLiteral("is a calendar, not an address book")},
        };
        for (const auto &[where, message] : wrong) {
            const Result r = import(x.url(where), QStringLiteral("dav.bin"));
            QCOMPARE(r.status, 2);
            QVERIFY2(r.err.contains(x.url(where) + QStringLiteral(": error: ") + message), qPrintable(r.err));
            QVERIFY(!QFile::exists(path(QStringLiteral("dav.bin"))));
        }
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
        const QString url = m_hostile->url(QStringLiteral("/cut/%1/").arg(how));
        const Result r = importFrom(url);
        QCOMPARE(r.status, 2);
        QVERIFY2(QRegularExpression(QRegularExpression::escape(url + QStringLiteral(": error: ")) + message,
                                    QRegularExpression::MultilineOption).match(r.err).hasMatch(), qPrintable(r.err));
        QVERIFY(!QFile::exists(path(QStringLiteral("out.bin"))));
    }

    // The password goes to the origin named; another host asking gets one
    // only from its own ~/.netrc line; https never continues over http.
    void passwordStaysWithOrigin()
    {
        m_hostile->takeLog();
        const QString other = QStringLiteral("http://127.0.0.2:%1").arg(m_hostile->port());
        for (const QString &start : {QStringLiteral("/redirect-away/"), QStringLiteral("/href-away/")}) {
            const Result r = importFrom(m_hostile->url(start));
            QCOMPARE(r.status, 2);
            QVERIFY2(r.err.contains(other + QStringLiteral(" asks for a password, which goes only to http://127.0.0.1:")),
                     qPrintable(r.err));
            QVERIFY(!r.err.contains(QLatin1String("refused")));
        }
        // A default line is the named origin's alone.
        writeFile(path(QStringLiteral(".netrc")), "default login anna password secret\n");
        QVERIFY(importFrom(m_hostile->url(QStringLiteral("/asks/")), QByteArray()).status == 0);
        const Result away = importFrom(m_hostile->url(QStringLiteral("/redirect-away/")), QByteArray());
        QVERIFY2(away.status == 2 && away.err.contains(QLatin1String("asks for a password, which goes only to")), qPrintable(away.err));
        const QByteArray log = m_hostile->takeLog();
        QVERIFY2(log.contains("request 127.0.0.2 ") && !QRegularExpression(QStringLiteral("request 127\\.0\\.0\\.2 \\S+ \\S+ [^-]"))
                                                               .match(QString::fromLatin1(log)).hasMatch(), log.constData());

        // Its own line, in a file others can read: used, with a warning;
        // VIRE_DAV_PASSWORD is the named origin's only.
        writeFile(path(QStringLiteral(".netrc")), "machine 127.0.0.2 login anna password secret\n");
        QFile::setPermissions(path(QStringLiteral(".netrc")), QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther);
        Result r = importFrom(m_hostile->url(QStringLiteral("/redirect-away/")), "not this one");
        QVERIFY2(r.status == 0, qPrintable(r.err));
        QCOMPARE(entries(path(QStringLiteral("out.bin"))), 1);
        if (QOperatingSystemVersion::currentType() != QOperatingSystemVersion::Windows)   // no mode bits there
            QVERIFY2(r.err.contains(path(QStringLiteral(".netrc")) + QStringLiteral(": warning: others can read this file (mode 0604)")),
                     qPrintable(r.err));
        QFile::setPermissions(path(QStringLiteral(".netrc")), QFile::ReadOwner | QFile::WriteOwner);
        r = importFrom(m_hostile->url(QStringLiteral("/redirect-away/")), "not this one");
        QVERIFY2(r.status == 0 && !r.err.contains(QLatin1String("warning")), qPrintable(r.err));

        // https named, an href to plain http: refused before anything is sent there.
        const QStringList ca{QStringLiteral("--ca-file"), hostileCert()};
        m_hostile->takeLog();
        r = importFrom(m_hostile->tlsUrl(QStringLiteral("/tls-down/")), "secret", ca);
        QCOMPARE(r.status, 2);
        QVERIFY2(r.err.contains(QLatin1String("would continue over plain http://")), qPrintable(r.err));
        QVERIFY(!m_hostile->takeLog().contains("/plain/"));
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
        const Result r = importFrom(m_hostile->url(QStringLiteral("/utf8/%1/").arg(scheme)), "pass\xe2\x82\xacword");
        QVERIFY2(r.status == 0, qPrintable(r.err));
        QCOMPARE(entries(path(QStringLiteral("out.bin"))), 1);
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
        const QString ca = QStringLiteral("--ca-file");
        QTest::newRow("Bearer") << m_hostile->url(QStringLiteral("/bearer/")) << none << 2
                                << "error: the server wants a token (Bearer), which is not supported" << "refused";
        QTest::newRow("500") << m_hostile->url(QStringLiteral("/fail500/")) << none << 2 << "error: the server failed (HTTP 500)"
                             << "not a CardDAV server";
        QTest::newRow("gzip") << m_hostile->url(QStringLiteral("/gzip/")) << none << 2
                              << "error: the answer could not be decompressed" << "XML";
        QTest::newRow("escapes") << m_hostile->url(QStringLiteral("/escape/")) << none << 2
                                 << "(HTTP 200, text/html\\x1b]0;owned\\x07\\x1b[2J)" << "\x1b";
        QTest::newRow("user in summary") << m_hostile->url(QStringLiteral("/asks/")).replace(QLatin1String("//"), QLatin1String("//anna@"))
                                         << none << 0 << m_hostile->url(QStringLiteral("/asks/: summary: replaced")) << "anna@";
        QTest::newRow("password in an invalid URL")
            << QStringLiteral("http://anna:pw@127.0.0.1:99999999/") << none << 2
            << "http://127.0.0.1:99999999/: error: not a valid URL" << "pw";
        QTest::newRow("another host's certificate") << m_hostile->tlsUrl(QStringLiteral("/tls-down/")).replace(QLatin1String("127.0.0.1"), QLatin1String("127.0.0.2"))
                                                    << QStringList{ca, hostileCert()} << 2
                                                    << "TLS failure: the certificate is another host's, not 127.0.0.2's" << ca;
        QTest::newRow("subjectAltName over CN") << m_otherNamed->tlsUrl(QStringLiteral("/asks/")) << QStringList{ca, otherNamedCert()}
                                                << 2 << "TLS failure: the certificate is another host's, not 127.0.0.1's" << "summary";
        QTest::newRow("control bytes in a challenge")
            << m_hostile->url(QStringLiteral("/control/")) << none << 2
            << "error: the server's challenge holds control characters in its realm, which are never sent back; refused" << "\x1b";
        QTest::newRow("TLS to plain http") << m_hostile->url(QStringLiteral("/asks/")).replace(QLatin1String("http:"), QLatin1String("https:"))
                                           << none << 2 << QStringLiteral("error: the server at 127.0.0.1:%1 does not answer TLS; "
                                                                          "is it plain http://?").arg(m_hostile->port()) << "SSL";
        QTest::newRow("no --ca-file") << m_hostile->tlsUrl(QStringLiteral("/tls-down/")) << QStringList{ca, QStringLiteral("/nonexistent.pem")}
                                      << 2 << "/nonexistent.pem: error: no such file" << "holds no PEM";
    }

    void messages()
    {
        QFETCH(QString, url);
        QFETCH(QStringList, more);
        QFETCH(int, status);
        QFETCH(QString, message);
        QFETCH(QString, never);
        const Result r = importFrom(url, "secret", more);
        QCOMPARE(r.status, status);
        QVERIFY2(r.err.contains(message) && !r.err.contains(never), qPrintable(r.err));
    }

    // An answer nobody asked for, sent on a kept connection after the one
    // asked for, is never read as the next request's.
    void lateAnswer()
    {
        const Result r = importFrom(m_hostile->url(QStringLiteral("/late/")));
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
        const QString tls = m_hostile->tlsUrl(QStringLiteral("/asks/")), plain = m_hostile->url(QStringLiteral("/asks/"));
        const QStringList ca{QStringLiteral("--ca-file"), hostileCert()};
        const QString open = QStringLiteral("http://") + m_hostile->proxy(), guarded = m_hostile->proxy(true);
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
        QTest::newRow("CONNECT refused") << m_hostile->url(QStringLiteral("/asks/")).replace(QLatin1String("http:"), QLatin1String("https:"))
                                         << QStringList{"https_proxy=" + open} << ca << 2
                                         << "error: the proxy " + m_hostile->proxy() + " refused CONNECT (HTTP 403)" << "";
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
        m_hostile->takeLog();
        const Result r = importFrom(url, "secret", more);
        QVERIFY2(r.status == status && r.err.contains(message), qPrintable(r.err));
        const QByteArray log = m_hostile->takeLog();
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
        env.insert(QStringLiteral("HOME"), m_dir->path());
        env.insert(QStringLiteral("VIRE_DAV_SECOND_MS"), QStringLiteral("20"));
        env.remove(QStringLiteral("VIRE_DAV_PASSWORD"));
        checkPasswordPrompt(QStringLiteral(VIRE_IMAGE),
                            {QStringLiteral("import"), path(QStringLiteral("new.bin")),
                             m_hostile->url(QStringLiteral("/asks/")), QStringLiteral("--user"), QStringLiteral("anna"),
                             QStringLiteral("-o"), path(QStringLiteral("out.bin")), QStringLiteral("--timeout"),
                             QStringLiteral("50")},
                            env);
    }

    // Time-outs, scaled down: 30 s without progress are 0.6 s here, the
    // whole run's 10 minutes 12 s. A byte now and then is no progress; a
    // steady answer is stopped by --timeout.
    void timeouts()
    {
        const QString scale = QStringLiteral("20");
        Result r = importFrom(m_hostile->url(QStringLiteral("/drip/1/100/")), "secret", {}, scale);
        QCOMPARE(r.status, 2);
        QVERIFY2(r.err.contains(QLatin1String("error: no progress for 30 seconds")), qPrintable(r.err));
        r = importFrom(m_hostile->url(QStringLiteral("/drip/20000/100/")), "secret", {QStringLiteral("--timeout"), QStringLiteral("20")},
                       scale);
        QCOMPARE(r.status, 2);
        QVERIFY2(r.err.contains(QLatin1String("error: no complete answer within 20 seconds, the limit for the whole run")),
                 qPrintable(r.err));
    }
};

QTEST_GUILESS_MAIN(TestCardDav)
#include "test_carddav.moc"
