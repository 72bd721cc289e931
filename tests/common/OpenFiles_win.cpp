#include "tests/common/OpenFiles.h"

#include <QDir>
#include <QDirIterator>

#include <windows.h>

int openFiles(const QString &folder)
{
    int held = 0;
    QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const HANDLE h = CreateFileW(QDir::toNativeSeparators(it.next()).toStdWString().c_str(), GENERIC_READ, 0,
                                     nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (h != INVALID_HANDLE_VALUE)
            CloseHandle(h);
        else if (GetLastError() == ERROR_SHARING_VIOLATION)
            ++held;
    }
    return held;
}
