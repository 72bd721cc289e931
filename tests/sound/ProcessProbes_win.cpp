#include "tests/sound/ProcessProbes.h"

#include <QDir>

#include <windows.h>
#include <psapi.h>

qint64 peakMemoryKiB()
{
    PROCESS_MEMORY_COUNTERS use = {};
    use.cb = sizeof use;
    return GetProcessMemoryInfo(GetCurrentProcess(), &use, sizeof use) ? qint64(use.PeakWorkingSetSize / 1024) : -1;
}

QString unreadableFile()
{
    return QString();
}

LockedFile::LockedFile(const QString &path) : m_path(path)
{
    const HANDLE h = CreateFileW(QDir::toNativeSeparators(path).toStdWString().c_str(), GENERIC_READ, 0, nullptr,
                                 OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    m_locked = h != INVALID_HANDLE_VALUE;
    if (m_locked)
        m_handle = h;
}

LockedFile::~LockedFile()
{
    if (m_locked)
        CloseHandle(m_handle);
}
