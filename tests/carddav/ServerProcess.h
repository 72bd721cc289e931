#pragma once

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>

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
    ServerProcess(const ServerProcess &) = delete;
    ServerProcess &operator=(const ServerProcess &) = delete;

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
    QString file(const char *name) const { return m_files->filePath(QString::fromLatin1(name)); }

    QProcess m_process;
    std::unique_ptr<QTemporaryDir> m_files;   // under Wine: out, status, lease
    QString m_out;
};
