#include "tests/carddav/HostSystem.h"

#include <QDir>
#include <QFile>

#include <windows.h>

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
    if (!toUnix)
        return path;
    char *name = toUnix(QDir::toNativeSeparators(path).toStdWString().c_str());
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
