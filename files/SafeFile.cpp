#include "files/SafeFile.h"
#include "files/SafeFile_p.h"

#include "problem/Problem.h"

#include <QFile>

// The checks and texts every platform shares; SafeFile_unix.cpp and
// SafeFile_win.cpp open, compare and replace files with the system's own calls.
namespace safefile {

namespace detail {

VireError notRegular(const QString &path)
{
    return VireError(Problem::inFile(Problem::Kind::NotRegular, path, QStringLiteral("not a regular file"),
                                     VireError::FileAccess));
}

VireError openError(const QString &path, const QString &why)
{
    return VireError(Problem::inFile(Problem::Kind::OpenFailed, path, why, VireError::FileAccess));
}

VireError saveError(const QString &path, const QString &why, State state)
{
    const char *const outcome[] = {"The file is unchanged.", "The file was not created.",
                                   "The file is partly written and no longer holds its old contents."};
    return VireError(Problem::inFile(Problem::Kind::SaveFailed, path,
                                     QStringLiteral("%1. %2").arg(why, QLatin1String(outcome[int(state)])),
                                     VireError::FileAccess));
}

} // namespace detail

void checkName(const QString &path)
{
    if (path.contains(QChar::ReplacementCharacter))
        throw VireError(Problem::inFile(Problem::Kind::BadName, path,
                                        QStringLiteral("the name is not valid text in the system's encoding. "
                                                       "Nothing was read or written."),
                                        VireError::FileAccess));
}

VireError readError(const QString &path, const QFileDevice &file)
{
    return VireError(Problem::inFile(Problem::Kind::ReadFailed, path, file.errorString(), VireError::FileAccess));
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
