#include "tests/carddav/Terminals.h"

#include <QProcess>
#include <QThread>
#include <QtTest>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

void checkPasswordPrompt(const QString &program, const QStringList &args, const QProcessEnvironment &env)
{
    const int master = ::posix_openpt(O_RDWR | O_NOCTTY);
    QVERIFY(master >= 0 && ::grantpt(master) == 0 && ::unlockpt(master) == 0);
    QByteArray slave = ::ptsname(master);
    // Held open here too, so that the terminal never hangs up meanwhile.
    const int held = ::open(slave.constData(), O_RDWR | O_NOCTTY);
    QVERIFY(held >= 0);
    termios t{};
    for (const bool interrupt : {false, true}) {
        QProcess p;
        p.setProcessEnvironment(env);
        p.setChildProcessModifier([&slave] {
            ::setsid();
            if (::open(slave.constData(), O_RDWR) < 0)    // the controlling terminal
                ::_exit(127);
        });
        p.start(program, args);
        QByteArray shown;
        for (int i = 0; i < 100 && !shown.contains("Password for anna"); ++i) {
            pollfd ready{master, POLLIN, 0};
            char buffer[256];
            if (::poll(&ready, 1, 100) > 0)
                shown.append(buffer, qMax<ssize_t>(::read(master, buffer, sizeof buffer), 0));
        }
        QVERIFY2(shown.contains("Password for anna at 127.0.0.1: "), shown.constData());
        QVERIFY(::tcgetattr(master, &t) == 0 && !(t.c_lflag & ECHO));
        QThread::msleep(1500);
        if (interrupt)
            ::kill(pid_t(p.processId()), SIGINT);
        else
            QCOMPARE(::write(master, "secret\n", 7), ssize_t(7));
        QVERIFY(p.waitForFinished(10000));
        QVERIFY2(interrupt ? p.exitStatus() == QProcess::CrashExit : p.exitCode() == 0, p.readAllStandardError().constData());
        QVERIFY(::tcgetattr(master, &t) == 0 && (t.c_lflag & ECHO));
    }
    ::close(held);
    ::close(master);
}
