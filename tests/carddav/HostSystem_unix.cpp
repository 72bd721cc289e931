#include "tests/carddav/HostSystem.h"

#include <unistd.h>

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
