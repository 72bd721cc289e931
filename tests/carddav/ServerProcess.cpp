#include "tests/carddav/ServerProcess.h"

#include <QRegularExpression>
#include <QtTest>

#include "tests/common/System.h"
#include "tests/common/Files.h"
#include "tests/common/Processes.h"

// Under Wine: runs "$@" with its output in files; a watcher stops it once the
// lease is gone or the test process has ended; the exit status comes last.
const char *const Runner = R"sh(exec </dev/null >/dev/null 2>&1
out=$1 err=$2 status=$3 lease=$4 parent=$5
shift 5
"$@" >"$out" 2>"$err" &
child=$!
(while [ -e "$lease" ] && [ ! -e "$status" ] && { [ "$parent" = 0 ] || kill -0 "$parent"; }; do sleep 0.2; done
 kill "$child") &
wait "$child"
echo $? >"$status.new" && mv "$status.new" "$status"
)sh";

bool ServerProcess::start(const QString &program, const QStringList &args, const QString &output)
{
    if (!hostsystem::underWine()) {
        m_process.setProcessChannelMode(output.isEmpty() ? QProcess::ForwardedErrorChannel : QProcess::MergedChannels);
        if (!output.isEmpty())
            m_process.setStandardOutputFile(output);
        m_process.start(program, args);
        return m_process.waitForStarted();
    }
    m_files = std::make_unique<Folder>();
    writeFile(file("lease"), QByteArray());
    m_out = output.isEmpty() ? file("out") : output;
    const QString err = output.isEmpty() ? file("err") : output;
    QStringList hostArgs{QStringLiteral("-c"), QString::fromLatin1(Runner), QStringLiteral("sh")};
    for (const QString &path : {m_out, err, file("status"), file("lease")})
        hostArgs << hostsystem::hostPath(path);
    hostArgs << QString::number(hostsystem::hostPid()) << program;
    static const QRegularExpression drive(QStringLiteral("^[A-Za-z]:[/\\\\]"));
    for (const QString &arg : args)
        hostArgs << (drive.match(arg).hasMatch() ? hostsystem::hostPath(arg) : arg);
    // Wine names the root of the Linux file system Z:.
    return QProcess::startDetached(QStringLiteral("Z:/bin/sh"), hostArgs);
}

QByteArray ServerProcess::firstLine(int ms)
{
    QByteArray out;
    const auto lineOrEnd = [&] {
        out = m_files ? readFile(m_out) : m_process.peek(4096);
        return out.contains('\n') || !running();
    };
    if (!QTest::qWaitFor(lineOrEnd, ms) || !out.contains('\n'))
        return QByteArray();
    return out.left(out.indexOf('\n')).trimmed();
}

bool ServerProcess::running()
{
    if (!m_files)
        return m_process.state() == QProcess::Running;
    return !QFile::exists(file("status"));
}

int ServerProcess::finish(int ms)
{
    if (!m_files)
        return m_process.waitForFinished(ms) && m_process.exitStatus() == QProcess::NormalExit ? m_process.exitCode() : -1;
    if (!QTest::qWaitFor([this] { return !running(); }, ms))
        return -1;
    bool ok = false;
    const int code = readFile(file("status")).trimmed().toInt(&ok);
    return ok ? code : -1;
}

void ServerProcess::stop()
{
    if (m_files)
        QFile::remove(file("lease"));
    else if (running())
        m_process.kill();
    finish(5000);
    m_files.reset();
}

QString python()
{
    return QFileInfo::exists(QStringLiteral("/usr/bin/python3")) ? QStringLiteral("/usr/bin/python3")
                                                                 : QStringLiteral("python3");
}

QProcessEnvironment userEnvironment(const QString &home, const QByteArray &password)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), home);
    for (const char *name : {"VIRE_DAV_PASSWORD", "https_proxy", "HTTPS_PROXY", "http_proxy", "all_proxy", "ALL_PROXY",
                             "no_proxy", "NO_PROXY"})
        env.remove(QLatin1String(name));
    if (!password.isEmpty())
        env.insert(QStringLiteral("VIRE_DAV_PASSWORD"), QString::fromUtf8(password));
    return env;
}

bool HostileDav::start(const QString &cert, const QString &key)
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

bool holds(const QString &text, const QString &pattern)
{
    const bool negated = pattern.startsWith(QLatin1Char('!'));
    const QString p = pattern.mid(negated ? 1 : 0);
    return negated != (p.startsWith(QLatin1Char('~')) ? text.contains(QRegularExpression(p.mid(1))) : text.contains(p));
}

QString checkRun(const DavRun &run, const QString &folder, HostileDav &server)
{
    QProcessEnvironment env = userEnvironment(folder, run.password);
    for (const QString &e : run.environment)
        env.insert(e.section(QLatin1Char('='), 0, 0), e.section(QLatin1Char('='), 1));
    if (!run.netrc.isEmpty())
        writeFile(folder + "/.netrc", run.netrc);
    const QString out = folder + "/out.bin";
    QFile::remove(out);
    server.takeLog();
    const Result r = runVire(QStringList{"import", folder + "/new.bin", run.url, "-o", out} + run.args, folder, env);
    const QString log = QString::fromLatin1(server.takeLog());
    [&] {
        QVERIFY2(r.status == run.status, qPrintable(r.err));
        for (const QString &pattern : run.says)
            QVERIFY2(holds(r.err, pattern), qPrintable(pattern + "\n" + r.err));
        if (run.status == 0)
            QCOMPARE(userEntries(out), run.entries);
        else
            QVERIFY(!QFile::exists(out));
        for (const QString &pattern : run.log)
            QVERIFY2(holds(log, pattern), qPrintable(pattern + "\n" + log));
        // The server's password reached the server alone, the proxy's the proxy alone.
        QVERIFY2(!log.contains(QLatin1String("proxy password reached the server")), qPrintable(log));
        QVERIFY2(!log.contains(QRegularExpression("^proxy .* Basic YW5uYTpzZWNyZXQ=$", QRegularExpression::MultilineOption)),
                 qPrintable(log));
    }();
    return log;
}
