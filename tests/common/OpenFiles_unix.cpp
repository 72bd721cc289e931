#include "tests/common/OpenFiles.h"

#include <QDir>

int openFiles(const QString &)
{
    const QDir fds(QStringLiteral("/proc/self/fd"));
    return fds.exists() ? int(fds.entryList(QDir::Files | QDir::System).size()) : -1;
}
