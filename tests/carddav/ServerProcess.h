#pragma once

#include <QByteArray>
#include <QMetaType>
#include <QProcess>
#include <QString>
#include <QStringList>

#include <memory>

#include "tests/common/Files.h"

// A program the CardDAV tests start beside vire-image: a server, or
// openssl. Under Wine these are Linux programs that Wine starts with no pipe
// to read and no handle to wait on or kill, so there they run through
// /bin/sh with files instead: their output, their exit status, and a lease
// whose removal (or this process's end) stops them.
class ServerProcess
{
public:
    ServerProcess() = default;
    ~ServerProcess() { stop(); }
    Q_DISABLE_COPY(ServerProcess)

    // Standard output and error go to output when it is given; otherwise
    // standard output is kept for firstLine and errors go to the test's own.
    bool start(const QString &program, const QStringList &args, const QString &output = QString());
    // The first line written to standard output; empty after ms without one.
    QByteArray firstLine(int ms);
    bool running();
    // The exit code once it ended within ms, else -1.
    int finish(int ms);
    void stop();

private:
    QString file(const char *name) const { return m_files->path(QString::fromLatin1(name)); }

    QProcess m_process;
    std::unique_ptr<Folder> m_files;   // under Wine: out, status, lease
    QString m_out;
};

// The Python that runs the servers: Debian's holds python3-radicale; another
// one first in PATH may not.
QString python();

// vire-image's environment as a user's: HOME at home, and no password or
// proxy of the test's own; VIRE_DAV_PASSWORD when password is given.
QProcessEnvironment userEnvironment(const QString &home, const QByteArray &password = QByteArray());

// The scripted server (hostile_dav.py): a scenario per first path segment,
// on 127.0.0.1 and, as another host, 127.0.0.2 at the same port; every
// request it gets is a line of its log.
class HostileDav
{
public:
    explicit HostileDav(const QString &log) : m_log(log) {}

    // With cert and key, also over TLS on 127.0.0.1.
    bool start(const QString &cert = QString(), const QString &key = QString());
    QString url(const QString &path, bool otherHost = false) const
    {
        return QStringLiteral("http://127.0.0.%1:%2%3").arg(otherHost ? 2 : 1).arg(m_port).arg(path);
    }
    QString tlsUrl(const QString &path) const { return QStringLiteral("https://127.0.0.1:%1%2").arg(m_tlsPort).arg(path); }
    int port() const { return m_port; }
    int tlsPort() const { return m_tlsPort; }
    // The proxy, open on 127.0.0.1; on 127.0.0.2 it wants pat's password.
    QString proxy(bool otherHost = false) const
    {
        return QStringLiteral("127.0.0.%1:%2").arg(otherHost ? 2 : 1).arg(m_proxyPort);
    }
    // The log so far, emptied for the next run.
    QByteArray takeLog() { return takeFile(m_log); }

private:
    QString m_log;
    ServerProcess m_process;
    int m_port = 0, m_tlsPort = 0, m_proxyPort = 0;
};

// One run of vire-image import from folder/new.bin into folder/out.bin, and
// what must follow it. A pattern is a fragment the text holds; "~" first, a
// regular expression that matches; "!" first (before either), the opposite.
struct DavRun
{
    // Given in this order, any trailing ones left out.
    QString url{};
    QStringList args{};          // after "import new.bin URL -o out.bin"
    int status = 0;
    QStringList says{};          // patterns of standard error
    int entries = 1;             // the user entries written when it succeeds; no out.bin when not
    QStringList log{};           // patterns of the scripted server's log
    QStringList environment{};   // NAME=VALUE
    QByteArray password = "secret";
    QByteArray netrc{};          // ~/.netrc, when given
};
Q_DECLARE_METATYPE(DavRun)

bool holds(const QString &text, const QString &pattern);

// Makes run in folder, the server's log taken before, and checks it; the log
// of the run for further checks.
QString checkRun(const DavRun &run, const QString &folder, HostileDav &server);
