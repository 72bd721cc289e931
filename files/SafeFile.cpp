#include "files/SafeFile.h"
#include "files/SafeFile_p.h"

#include "problem/VireError.h"

#include <QDir>
#include <QFile>

// The checks and texts every platform shares; SafeFile_unix.cpp and
// SafeFile_win.cpp open, compare and replace files with the system's own calls.
namespace safefile {

namespace detail {

QString shown(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

VireError notRegular(const QString &path)
{
    return VireError(VireError::FileAccess, QStringLiteral("%1 is not a regular file").arg(shown(path)));
}

VireError openError(const QString &path, const QString &why)
{
    return VireError(VireError::FileAccess, QStringLiteral("Could not open %1: %2").arg(shown(path), why));
}

VireError saveError(const QString &path, const QString &why, State state)
{
    const char *const outcome[] = {"The file is unchanged.", "The file was not created.",
                                   "The file is partly written and no longer holds its old contents."};
    return VireError(VireError::FileAccess, QStringLiteral("Could not save %1: %2. %3")
                                                .arg(shown(path), why, QLatin1String(outcome[int(state)])));
}

} // namespace detail

void checkName(const QString &path)
{
    if (path.contains(QChar::ReplacementCharacter))
        throw VireError(VireError::FileAccess,
                        QStringLiteral("Could not use %1: the name is not valid text in the system's encoding. "
                                       "Nothing was read or written.").arg(detail::shown(path)));
}

VireError readError(const QString &path, const QFileDevice &file)
{
    return VireError(VireError::FileAccess,
                     QStringLiteral("Could not read %1: %2").arg(detail::shown(path), file.errorString()));
}

QByteArray readRegular(const QString &path, qint64 maxBytes)
{
    QFile file;
    openForReading(file, path);
    const QByteArray bytes = file.read(maxBytes);
    if (file.error() != QFileDevice::NoError)
        throw readError(path, file);
    return bytes;
}

} // namespace safefile
