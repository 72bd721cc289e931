#include "SafeFile.h"

#include "VireError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace safefile {

namespace {

VireError notRegular(const QString &path)
{
    return VireError(VireError::FileAccess,
                     QStringLiteral("%1 is not a regular file").arg(QDir::toNativeSeparators(path)));
}

#ifdef Q_OS_UNIX
VireError fromErrno(int code)
{
    return VireError(VireError::FileAccess, qt_error_string(code));
}

// stat() of the path, following links; false when nothing is there.
bool statPath(const QString &path, struct stat &st)
{
    if (::stat(QFile::encodeName(path).constData(), &st) == 0)
        return true;
    if (errno == ENOENT)
        return false;
    throw fromErrno(errno);
}

// Opens with O_NONBLOCK, so that a FIFO or a terminal swapped in after the
// check cannot block the open, and checks again what was opened.
int openChecked(const QString &path, int flags)
{
    const int fd = ::open(QFile::encodeName(path).constData(),
                          flags | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0666);
    if (fd < 0)
        throw fromErrno(errno);
    struct stat st;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        throw notRegular(path);
    }
    return fd;
}

void writeInPlace(const QString &path, const QByteArray &bytes)
{
    const int fd = openChecked(path, O_WRONLY | O_CREAT);
    const char *data = bytes.constData();
    qsizetype left = bytes.size();
    int error = ::ftruncate(fd, 0) == 0 ? 0 : errno;
    while (!error && left > 0) {
        const ssize_t n = ::write(fd, data, size_t(left));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            error = n < 0 ? errno : EIO;
            break;
        }
        data += n;
        left -= n;
    }
    if (::close(fd) != 0 && !error)
        error = errno;
    if (error)
        throw fromErrno(error);
}
#endif

} // namespace

void openForReading(QFile &file, const QString &path)
{
#ifdef Q_OS_UNIX
    struct stat st;
    if (statPath(path, st) && !S_ISREG(st.st_mode))
        throw notRegular(path);
    if (!file.open(openChecked(path, O_RDONLY), QIODevice::ReadOnly, QFileDevice::AutoCloseHandle))
        throw VireError::fromFile(file);
#else
    const QFileInfo info(path);
    if (info.exists() && !info.isFile())
        throw notRegular(path);
    file.setFileName(path);
    if (!file.open(QIODevice::ReadOnly))
        throw VireError::fromFile(file);
#endif
}

QByteArray readRegular(const QString &path, qint64 maxBytes)
{
    QFile file;
    openForReading(file, path);
    const QByteArray bytes = file.read(maxBytes);
    if (file.error() != QFileDevice::NoError)
        throw VireError::fromFile(file);
    return bytes;
}

void checkTarget(const QString &path)
{
#ifdef Q_OS_UNIX
    struct stat st;
    // A path that cannot be looked at is reported by the write itself.
    if (::stat(QFile::encodeName(path).constData(), &st) == 0 && !S_ISREG(st.st_mode))
        throw notRegular(path);
#else
    const QFileInfo info(path);
    if (info.exists() && !info.isFile())
        throw notRegular(path);
#endif
}

void writeWhole(const QString &path, const QByteArray &bytes)
{
    checkTarget(path);
#ifdef Q_OS_UNIX
    struct stat st;
    if (statPath(path, st) && st.st_nlink > 1) {
        writeInPlace(path, bytes);
        return;
    }
#endif
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
#ifdef Q_OS_UNIX
        // No temporary file can be made beside the target (a read-only
        // folder, /proc): the file itself is written, and a failure there
        // names its real cause. Not on a full disk: cutting the old file
        // first could lose it.
        const QString why = file.errorString();
        if (why != qt_error_string(ENOSPC) && why != qt_error_string(EDQUOT)) {
            writeInPlace(path, bytes);
            return;
        }
#endif
        throw VireError::fromFile(file);
    }
    if (file.write(bytes) != bytes.size()) {
        const VireError error = VireError::fromFile(file);
        file.cancelWriting();
        throw error;
    }
    if (!file.commit())
        throw VireError::fromFile(file);
}

} // namespace safefile
