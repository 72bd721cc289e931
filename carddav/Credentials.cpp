#include "Credentials.h"

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

[[noreturn]] void fail(const QUrl &url, const QString &detail)
{
    throw DavError{DavError::Kind::Login, url, QString(), 0, detail, {}};
}

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

// Reads one line from the terminal with echo off. False when there is no terminal.
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

} // namespace

NetrcEntry netrcLookup(const QByteArray &netrc, const QString &host, const QString &user)
{
    const QList<QByteArray> lines = netrc.split('\n');
    QStringList tokens;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QList<QByteArray> words = lines.at(i).simplified().split(' ');
        // A macro runs to the next blank line; its text is no entry.
        if (words.first() == "macdef") {
            while (i + 1 < lines.size() && !lines.at(i + 1).trimmed().isEmpty())
                ++i;
            continue;
        }
        for (const QByteArray &w : words) {
            if (!w.isEmpty())
                tokens << QString::fromUtf8(w);
        }
    }

    NetrcEntry machine, fallback;
    NetrcEntry *current = nullptr;
    auto done = [&] {
        // An entry for another user is no entry for this one.
        if (current && !user.isEmpty() && !current->login.isEmpty() && current->login != user)
            *current = NetrcEntry{};
    };
    for (qsizetype i = 0; i < tokens.size(); ++i) {
        const QString &t = tokens.at(i);
        const QString next = tokens.value(i + 1);
        if (t == QLatin1String("machine") || t == QLatin1String("default")) {
            done();
            current = nullptr;
            const bool isDefault = t == QLatin1String("default");
            if (!isDefault)
                ++i;
            NetrcEntry &target = isDefault ? fallback : machine;
            if ((isDefault || next.compare(host, Qt::CaseInsensitive) == 0) && !target.found) {
                current = &target;
                current->found = true;
            }
        } else if (t == QLatin1String("login") || t == QLatin1String("password") || t == QLatin1String("account")) {
            if (current && t == QLatin1String("login"))
                current->login = next;
            else if (current && t == QLatin1String("password"))
                current->password = next;
            ++i;
        }
    }
    done();
    return machine.found ? machine : fallback;
}

Login findLogin(const QUrl &url, const QString &user, bool otherOrigin, const Warn &warn)
{
    Login login{user, QString()};
    const QByteArray fromEnv = otherOrigin ? QByteArray() : qgetenv(PasswordVariable);
    if (!fromEnv.isEmpty()) {
        login.password = QString::fromUtf8(fromEnv);
    } else {
        const QString path = QDir::home().filePath(QStringLiteral(".netrc"));
        QFile file(path);
        if (file.open(QIODevice::ReadOnly)) {
            struct stat st{};
            if (warn && ::fstat(file.handle(), &st) == 0 && (st.st_mode & 077) != 0)
                warn(path, QStringLiteral("others can read this file (mode %1), which holds passwords; "
                                          "chmod 600 it").arg(st.st_mode & 0777, 4, 8, QLatin1Char('0')));
            // Another origin's line is its own, login and all.
            const NetrcEntry entry = netrcLookup(file.read(1024 * 1024), url.host(), otherOrigin ? QString() : user);
            if (entry.found && !entry.password.isEmpty()) {
                if (login.user.isEmpty() || otherOrigin)
                    login.user = entry.login.isEmpty() ? user : entry.login;
                login.password = entry.password;
            }
        }
    }
    if (otherOrigin)
        return login;
    if (login.user.isEmpty())
        fail(url, QStringLiteral("the server asks for a user name; pass --user NAME"));
    if (!login.password.isEmpty())
        return login;

    QByteArray typed;
    const QByteArray prompt = QStringLiteral("Password for %1 at %2: ").arg(login.user, url.host()).toUtf8();
    if (!promptTerminal(prompt, typed))
        fail(url, QStringLiteral("the server asks for %1's password and there is no terminal to ask on; "
                                 "set %2 or add a line for %3 to ~/.netrc")
                      .arg(login.user, QLatin1String(PasswordVariable), url.host()));
    login.password = QString::fromUtf8(typed);
    return login;
}

} // namespace carddav
