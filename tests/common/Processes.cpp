#include "tests/common/Processes.h"

#include "tests/common/System.h"

#include <QProcess>
#include <QRegularExpression>

Result runProgram(const QString &program, const QStringList &args, const QString &workDir,
                  const QProcessEnvironment &env)
{
    QProcess p;
    p.setProcessEnvironment(env);
    p.setWorkingDirectory(workDir);
    p.setStandardInputFile(QProcess::nullDevice());
    withoutTerminal(p);
    p.start(program, args);
    Result r;
    if (!p.waitForFinished(60000)) {
        p.kill();
        p.waitForFinished();
        r.err = QStringLiteral("(stopped after a minute)");
        return r;
    }
    r.status = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = p.readAllStandardOutput();
    r.err = QString::fromUtf8(p.readAllStandardError()).replace(QLatin1String("\r\n"), QLatin1String("\n"));
    if (r.status < 0)
        r.err += QStringLiteral("\n(crashed)");
    return r;
}

QString vireImage()
{
    return QStringLiteral(VIRE_IMAGE);
}

Result runVire(const QStringList &args, const QString &workDir, const QProcessEnvironment &env)
{
    return runProgram(vireImage(), args, workDir, env);
}

int userEntries(const QString &image)
{
    static const QRegularExpression count(QStringLiteral("User entries: +([\\d,]+)"));
    const QRegularExpressionMatch m = count.match(QString::fromUtf8(runVire({QStringLiteral("info"), image}).out));
    return m.hasMatch() ? m.captured(1).remove(QLatin1Char(',')).toInt() : -1;
}
