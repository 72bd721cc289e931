#include "files/SafeFile.h"
#include "files/SafeFile_p.h"
#include "files/SystemText.h"

#include "problem/Problem.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <functional>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

// The safe save with POSIX calls: file descriptors, rename, extended attributes.
namespace safefile {

using namespace detail;

namespace {

VireError saveError(const QString &path, int code, State state)
{
    return saveError(path, systemText(code), state);
}

// Opens with O_NONBLOCK, so that a FIFO or a terminal swapped in after the
// check cannot block the open, and checks again what was opened. Never creates.
int openRegular(const QString &path, const QByteArray &name, int flags, const std::function<VireError(int)> &failed)
{
    const int fd = ::open(name.constData(), flags | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        throw failed(errno);
    struct stat st;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        throw notRegular(path);
    }
    return fd;
}

// 0 or the errno of the write that failed; done counts the bytes written.
int writeAll(int fd, const QByteArray &bytes, qint64 &done)
{
    done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return n < 0 ? errno : EIO;
        done += n;
    }
    return 0;
}

// A size over the file-size limit would stop the write half way (and raise
// SIGXFSZ): it is refused before the first byte.
int checkSizeLimit(qint64 size)
{
    struct rlimit limit;
    if (::getrlimit(RLIMIT_FSIZE, &limit) == 0 && limit.rlim_cur != RLIM_INFINITY && rlim_t(size) > limit.rlim_cur)
        return EFBIG;
    return 0;
}

// Reserves the blocks of the final size without changing the file's size, so
// that a full disk or quota shows here and a failure leaves the file as it was.
// A file system that cannot reserve is written without the reservation.
int reserve(int fd, qint64 size)
{
    if (const int error = checkSizeLimit(size))
        return error;
#ifdef __linux__
    while (size > 0 && ::fallocate(fd, FALLOC_FL_KEEP_SIZE, 0, size) != 0) {
        if (errno == EOPNOTSUPP || errno == ENOSYS || errno == EINVAL)
            break;
        if (errno != EINTR)
            return errno;
    }
#endif
    return 0;
}

void writeInPlace(const QString &path, const QByteArray &target, const QByteArray &bytes)
{
    const int fd = openRegular(path, target, O_WRONLY, [&](int e) { return saveError(path, e, State::Unchanged); });
    qint64 done = 0;
    int error = reserve(fd, bytes.size());
    if (!error)
        error = writeAll(fd, bytes, done);
    // Cut only once the new bytes are in: an older, longer file loses its tail.
    if (!error && ::ftruncate(fd, bytes.size()) != 0)
        error = errno;
    if (!error && ::fsync(fd) != 0)
        error = errno;
    if (::close(fd) != 0 && !error)
        error = errno;
    if (error)
        throw saveError(path, error, done > 0 ? State::PartlyWritten : State::Unchanged);
}

// A new file beside the target, removed again unless it was renamed.
struct Temp
{
    QByteArray name;
    int fd = -1;

    ~Temp()
    {
        if (fd >= 0)
            ::close(fd);
        if (!name.isEmpty())
            ::unlink(name.constData());
    }

    // Created as any new file is (umask, the folder's default ACL); 0 or errno.
    int create(const QByteArray &target)
    {
        const qsizetype slash = target.lastIndexOf('/');
        const QByteArray base = target.mid(slash + 1).left(200);
        for (int attempt = 0; attempt < 20; ++attempt) {
            name = target.left(slash + 1) + '.' + base + '.'
                + QByteArray::number(QRandomGenerator::system()->generate(), 36);
            fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
            if (fd >= 0)
                return 0;
            if (errno != EEXIST)
                break;
        }
        const int error = errno;
        name.clear();
        return error;
    }

    // Writes, syncs and closes; 0 or errno.
    int fill(const QByteArray &bytes)
    {
        qint64 done = 0;
        int error = checkSizeLimit(bytes.size());
        if (!error)
            error = writeAll(fd, bytes, done);
        // On disk before it takes the old file's name, so that a power cut
        // leaves the old file or the new one, never an empty one.
        if (!error && ::fdatasync(fd) != 0)
            error = errno;
        if (::close(fd) != 0 && !error)
            error = errno;
        fd = -1;
        return error;
    }

    // Takes the target's name; false when the folder refuses the rename.
    bool commit(const QByteArray &target)
    {
        if (::rename(name.constData(), target.constData()) != 0)
            return false;
        name.clear();
        return true;
    }
};

// Names of the extended attributes; false when they cannot be listed.
template<typename List> bool attributeNames(List list, QByteArrayList &names)
{
    ssize_t size = list(nullptr, 0);
    if (size < 0)
        return errno == ENOTSUP;   // a file system without attributes
    QByteArray buffer(size, '\0');
    size = list(buffer.data(), size_t(buffer.size()));
    if (size < 0)
        return false;
    names = buffer.left(size).split('\0');
    names.removeAll(QByteArray());
    return true;
}

template<typename Get> bool attributeValue(Get get, const QByteArray &name, QByteArray &value)
{
    const ssize_t size = get(name.constData(), nullptr, 0);
    if (size < 0)
        return false;
    value.resize(size);
    return get(name.constData(), value.data(), size_t(size)) == size;
}

// Gives the new file the old one's attributes, the access ACL included, and
// takes away any it got of its own (such as the folder's default ACL).
bool copyAttributes(int fd, const QByteArray &target)
{
    QByteArrayList oldNames, newNames;
    const auto getOld = [&](const char *n, void *v, size_t s) { return ::getxattr(target.constData(), n, v, s); };
    const auto getNew = [&](const char *n, void *v, size_t s) { return ::fgetxattr(fd, n, v, s); };
    if (!attributeNames([&](char *b, size_t s) { return ::listxattr(target.constData(), b, s); }, oldNames)
        || !attributeNames([&](char *b, size_t s) { return ::flistxattr(fd, b, s); }, newNames))
        return false;
    for (const QByteArray &name : newNames) {
        if (!oldNames.contains(name) && ::fremovexattr(fd, name.constData()) != 0)
            return false;
    }
    for (const QByteArray &name : oldNames) {
        QByteArray value, present;
        if (!attributeValue(getOld, name, value))
            return false;
        if (newNames.contains(name) && attributeValue(getNew, name, present) && present == value)
            continue;
        if (::fsetxattr(fd, name.constData(), value.constData(), size_t(value.size()), 0) != 0)
            return false;
    }
    return true;
}

// Owner and group first (a change of owner clears the set-id bits), then the
// attributes, then the whole mode; checked, since a plain user's chmod can
// drop the set-group-id bit without failing.
bool carryIdentity(int fd, const QByteArray &target, const struct stat &old)
{
    if (::fchown(fd, old.st_uid, old.st_gid) != 0 || !copyAttributes(fd, target)
        || ::fchmod(fd, old.st_mode & 07777) != 0)
        return false;
    struct stat now;
    return ::fstat(fd, &now) == 0 && now.st_uid == old.st_uid && now.st_gid == old.st_gid
        && (now.st_mode & 07777) == (old.st_mode & 07777);
}

// A symbolic link that points nowhere yet: the file is made where it points.
QByteArray followDangling(QByteArray name)
{
    for (int depth = 0; depth < 40; ++depth) {
        struct stat st;
        if (::lstat(name.constData(), &st) != 0 || !S_ISLNK(st.st_mode))
            break;
        QByteArray to(PATH_MAX, '\0');
        const ssize_t n = ::readlink(name.constData(), to.data(), size_t(to.size()));
        if (n <= 0)
            break;
        to.truncate(n);
        name = to.startsWith('/') ? to : name.left(name.lastIndexOf('/') + 1) + to;
    }
    return name;
}

} // namespace

void openForReading(QFile &file, const QString &path)
{
    checkName(path);
    const QByteArray name = QFile::encodeName(path);
    struct stat st;
    if (::stat(name.constData(), &st) == 0 && !S_ISREG(st.st_mode))
        throw notRegular(path);
    const int fd = openRegular(path, name, O_RDONLY, [&](int e) { return openError(path, systemText(e)); });
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        throw openError(path, file.errorString());
    }
}

void checkTarget(const QString &path)
{
    checkName(path);
    // A path that cannot be looked at is reported by the write itself.
    const QFileInfo info(path);
    if (info.exists() && !info.isFile())
        throw notRegular(path);
    // A file the user may not write stays as it is, though a new file beside
    // it could take its name: its mode, an immutable flag or a read-only
    // mount refuse as opening it for output would (root may write a 0444 file).
    if (::faccessat(AT_FDCWD, QFile::encodeName(path).constData(), W_OK, AT_EACCESS) != 0 && errno != ENOENT)
        throw saveError(path, errno, State::Unchanged);
}

bool isCharacterDevice(const QString &path)
{
    struct stat st;
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 && S_ISCHR(st.st_mode);
}

bool sameFile(const QString &a, const QString &b)
{
    struct stat sa, sb;
    return ::stat(QFile::encodeName(a).constData(), &sa) == 0 && ::stat(QFile::encodeName(b).constData(), &sb) == 0
        && sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}

void writeWhole(const QString &path, const QByteArray &bytes)
{
    checkTarget(path);
    const QByteArray name = QFile::encodeName(path);
    struct stat st;
    if (::stat(name.constData(), &st) != 0) {
        if (errno != ENOENT)
            throw saveError(path, errno, State::Unchanged);
        Temp temp;
        const QByteArray target = followDangling(name);
        int error = temp.create(target);
        if (!error)
            error = temp.fill(bytes);
        if (!error && !temp.commit(target))
            error = errno;
        if (error)
            throw saveError(path, error, State::NotCreated);
        return;
    }
    if (!S_ISREG(st.st_mode))
        throw notRegular(path);
    // The file the links lead to, so that its folder takes the new file and
    // the links stay links.
    char *real = ::realpath(name.constData(), nullptr);
    const QByteArray target = real ? QByteArray(real) : name;
    std::free(real);

    if (st.st_nlink == 1) {
        Temp temp;
        if (temp.create(target) == 0 && carryIdentity(temp.fd, target, st)) {
            // The new file could be made but not filled (a full disk): the
            // old file stays as it is rather than be written over.
            if (const int error = temp.fill(bytes))
                throw saveError(path, error, State::Unchanged);
            if (temp.commit(target))
                return;
        }
    }
    // Several links, another's file, a folder that takes no new file or
    // refuses the rename (sticky): the old file is still whole here.
    writeInPlace(path, target, bytes);
}

} // namespace safefile
