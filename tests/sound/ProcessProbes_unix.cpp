#include "tests/sound/ProcessProbes.h"

#include <QFile>

#include <sys/resource.h>

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
