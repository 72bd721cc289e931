#include "tests/common/System.h"

#include <QDir>
#include <QFile>
#include <QProcess>

#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

int openFiles(const QString &)
{
    const QDir fds(QStringLiteral("/proc/self/fd"));
    return fds.exists() ? int(fds.entryList(QDir::Files | QDir::System).size()) : -1;
}

qint64 peakMemoryKiB()
{
#ifdef Q_OS_LINUX
    rusage use{};
    return getrusage(RUSAGE_SELF, &use) == 0 ? qint64(use.ru_maxrss) : -1;
#else
    return -1;   // not every system counts ru_maxrss in KiB
#endif
}

QString unreadableFile()
{
    return QFile::exists(QStringLiteral("/proc/self/mem")) ? QStringLiteral("/proc/self/mem") : QString();
}

LockedFile::LockedFile(const QString &path) : m_path(path)
{
    m_locked = QFile::setPermissions(path, QFileDevice::Permissions());
}

LockedFile::~LockedFile()
{
    if (m_locked)
        QFile::setPermissions(m_path, QFile::ReadOwner | QFile::WriteOwner);
}

bool foldersCanBeLocked()
{
    return ::geteuid() != 0;
}

bool hasFileSizeLimits()
{
    return true;
}

bool withFileSizeLimit(long long bytes, const std::function<void()> &f)
{
    rlimit saved{};
    if (::getrlimit(RLIMIT_FSIZE, &saved) != 0)
        return false;
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit lower = saved;
    lower.rlim_cur = rlim_t(bytes);
    const bool limited = ::setrlimit(RLIMIT_FSIZE, &lower) == 0;
    if (limited)
        f();
    const bool restored = limited && ::setrlimit(RLIMIT_FSIZE, &saved) == 0;
    std::signal(SIGXFSZ, previousHandler);
    return restored;
}

namespace hostsystem {

bool underWine()
{
    return false;
}

QString hostPath(const QString &path)
{
    return path;
}

qint64 hostPid()
{
    return ::getpid();
}

} // namespace hostsystem

void withoutTerminal(QProcess &p)
{
    p.setChildProcessModifier([] { ::setsid(); });
}
