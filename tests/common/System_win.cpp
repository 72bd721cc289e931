#include "tests/common/System.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>

#include <windows.h>
#include <psapi.h>

namespace {

HANDLE openUnshared(const QString &path)
{
    return CreateFileW(QDir::toNativeSeparators(path).toStdWString().c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                       FILE_ATTRIBUTE_NORMAL, nullptr);
}

} // namespace

int openFiles(const QString &folder)
{
    int held = 0;
    QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const HANDLE h = openUnshared(it.next());
        if (h != INVALID_HANDLE_VALUE)
            CloseHandle(h);
        else if (GetLastError() == ERROR_SHARING_VIOLATION)
            ++held;
    }
    return held;
}

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
    m_handle = openUnshared(path);
    m_locked = m_handle != INVALID_HANDLE_VALUE;
}

LockedFile::~LockedFile()
{
    if (m_locked)
        CloseHandle(m_handle);
}

bool foldersCanBeLocked()
{
    return false;
}

bool hasFileSizeLimits()
{
    return false;
}

bool withFileSizeLimit(long long, const std::function<void()> &)
{
    return false;
}

namespace hostsystem {

bool underWine()
{
    return GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
}

QString hostPath(const QString &path)
{
    using ToUnix = char *(CDECL *)(const wchar_t *);
    const auto toUnix = reinterpret_cast<ToUnix>(
        reinterpret_cast<void *>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
    char *name = toUnix ? toUnix(QDir::toNativeSeparators(path).toStdWString().c_str()) : nullptr;
    if (!name)
        return path;
    const QString unix = QString::fromUtf8(name);
    HeapFree(GetProcessHeap(), 0, name);
    return unix;
}

qint64 hostPid()
{
    if (!underWine())
        return qint64(GetCurrentProcessId());
    // Wine reads /proc in this very process: its Linux id is the first field.
    QFile stat(QStringLiteral("Z:/proc/self/stat"));
    return stat.open(QIODevice::ReadOnly) ? stat.readLine().split(' ').value(0).toLongLong() : 0;
}

} // namespace hostsystem

void withoutTerminal(QProcess &p)
{
    // No console at all: the prompt finds no CONIN$ to ask on.
    p.setCreateProcessArgumentsModifier([](QProcess::CreateProcessArguments *a) {
        a->flags |= DETACHED_PROCESS;
    });
}
