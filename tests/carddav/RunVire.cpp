#include "tests/carddav/RunVire.h"

#include "tests/carddav/Terminals.h"

#include <QProcess>

Result runVire(const QStringList &args, const QProcessEnvironment &env, const QString &workDir)
{
    QProcess p;
    p.setProcessEnvironment(env);
    if (!workDir.isEmpty())
        p.setWorkingDirectory(workDir);
    p.setStandardInputFile(QProcess::nullDevice());
    withoutTerminal(p);
    p.start(QStringLiteral(VIRE_IMAGE), args);
    Result r;
    if (!p.waitForFinished(60000)) {
        p.kill();
        p.waitForFinished();
        return r;
    }
    r.status = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    // Messages are text: Windows ends their lines with "\r\n".
    r.err = QString::fromUtf8(p.readAllStandardError()).replace(QLatin1String("\r\n"), QLatin1String("\n"));
    if (r.status < 0)
        r.err += QStringLiteral("\n(crashed)");
    return r;
}
