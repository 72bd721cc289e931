#include "carddav/Terminal.h"

#include <QDir>
#include <QFile>

#include <iterator>

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

namespace carddav {

namespace {

// The terminal whose echo is off while the password is typed, for the
// signal handler that turns it back on.
int g_tty = -1;
termios g_saved{};
constexpr int PromptSignals[] = {SIGINT, SIGTERM, SIGHUP};

extern "C" void restoreTerminal(int sig)
{
    ::tcsetattr(g_tty, TCSAFLUSH, &g_saved);
    if (::write(g_tty, "\n", 1) < 0) {
        // Nothing to do: the process ends.
    }
    // The handler was reset to the default: the signal ends the process
    // as it would have, once this returns.
    ::raise(sig);
}

} // namespace

bool promptTerminal(const QByteArray &prompt, QByteArray &line)
{
    const int fd = ::open("/dev/tty", O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return false;
    termios saved{};
    if (::tcgetattr(fd, &saved) != 0) {
        ::close(fd);
        return false;
    }
    g_tty = fd;
    g_saved = saved;
    struct sigaction restore{}, previous[std::size(PromptSignals)];
    restore.sa_handler = restoreTerminal;
    restore.sa_flags = SA_RESETHAND;
    sigemptyset(&restore.sa_mask);
    for (size_t i = 0; i < std::size(PromptSignals); ++i)
        ::sigaction(PromptSignals[i], &restore, &previous[i]);

    termios quiet = saved;
    quiet.c_lflag &= tcflag_t(~ECHO);
    quiet.c_lflag |= ECHONL;
    ::tcsetattr(fd, TCSAFLUSH, &quiet);
    if (::write(fd, prompt.constData(), size_t(prompt.size())) < 0) {
        // Nothing to do: the user still types into the terminal.
    }
    char c = 0;
    while (::read(fd, &c, 1) == 1 && c != '\n')
        line.append(c);
    ::tcsetattr(fd, TCSAFLUSH, &saved);
    for (size_t i = 0; i < std::size(PromptSignals); ++i)
        ::sigaction(PromptSignals[i], &previous[i], nullptr);
    g_tty = -1;
    ::close(fd);
    if (line.endsWith('\r'))
        line.chop(1);
    return true;
}

bool stderrIsTerminal()
{
    return ::isatty(STDERR_FILENO) == 1;
}

bool stdoutIsTerminal()
{
    return ::isatty(STDOUT_FILENO) == 1;
}

QString readableByOthers(const QFile &file)
{
    struct stat st{};
    if (::fstat(file.handle(), &st) != 0 || (st.st_mode & 077) == 0)
        return QString();
    return QStringLiteral("%1").arg(st.st_mode & 0777, 4, 8, QLatin1Char('0'));
}

QByteArray environmentUtf8(const char *name)
{
    return qgetenv(name);
}

QString netrcFolder()
{
    return QDir::homePath();
}

} // namespace carddav
