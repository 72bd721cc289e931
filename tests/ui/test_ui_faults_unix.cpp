#include "tests/ui/test_ui_faults.h"

#include <cerrno>
#include <csignal>
#include <cstring>
#include <functional>
#include <fcntl.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace {

// A small tmpfs of our own, so that "disk full" and "read-only file system"
// are real; needs the right to mount (root), otherwise the test is skipped.
struct ScratchMount
{
    QString path, why;   // why: empty once mounted
    ScratchMount(const QString &where, const char *options) : path(where)
    {
        QDir().mkpath(where);
        if (::mount("tmpfs", qPrintable(where), "tmpfs", 0, options) != 0)
            why = QStringLiteral("cannot mount a small tmpfs here: ") + QString::fromLocal8Bit(std::strerror(errno));
    }
    ~ScratchMount()
    {
        if (why.isEmpty())
            ::umount2(qPrintable(path), MNT_DETACH);
    }
    bool remount(bool readOnly)
    {
        return ::mount(nullptr, qPrintable(path), nullptr, MS_REMOUNT | (readOnly ? MS_RDONLY : 0), nullptr) == 0;
    }
};

// Runs f as an ordinary user (uid 65534, the group kept) when the suite runs
// as root, who may read and write anything.
bool asOrdinaryUser(const std::function<void()> &f)
{
    const bool root = ::geteuid() == 0;
    if (root && ::seteuid(65534) != 0)
        return false;
    f();
    return !root || ::seteuid(0) == 0;
}

// What the platform says when the file at path is written directly.
QString directWriteCause(const char *path)
{
    const int fd = ::open(path, O_WRONLY);
    if (fd < 0)
        return qt_error_string(errno);
    const bool written = ::write(fd, "x", 1) == 1;
    const int cause = errno;
    ::close(fd);
    return written ? QString() : qt_error_string(cause);
}

// A command that blocks on a FIFO would hang the suite: fail at once instead.
void blocked(int)
{
    const char message[] = "FAIL: a command blocked on a special file\n";
    [[maybe_unused]] const auto n = ::write(STDERR_FILENO, message, sizeof message - 1);
    ::_exit(1);
}

} // namespace

void TestFaults::saveOntoFullOrReadOnlyDisk()
{
    QFETCH(bool, readOnly);
    TestWindow t;
    // Full: the old image fits; a second copy, which a safe save needs, does not.
    ScratchMount disk(t.path(QStringLiteral("disk")), readOnly ? "size=4m" : "size=800k");
    if (!disk.why.isEmpty())
        QSKIP(qPrintable(disk.why));
    const QString target = prepareImage(t, t.path(QStringLiteral("disk/phone.bin")));
    const QByteArray old = readFile(target);
    const int files = openFiles(t.dir.path());
    if (readOnly)
        QVERIFY(disk.remount(true));
    else
        t.add(QStringLiteral("999"), QStringLiteral("Not saved"));
    const QStringList before = t.state();

    // Over the old file and as a new file: both refused, nothing lost.
    t.save(target);
    t.save(t.path(QStringLiteral("disk/new.bin")));
    QVERIFY(t.errorsShown(2));
    if (!readOnly)
        QCOMPARE(t.platform.boxes[0].text,
                 "Could not save " + target + ": No space left on device. The file is unchanged.");
    QCOMPARE(readFile(target), old);
    QCOMPARE(filesIn(t.path("disk")), QStringList{"phone.bin"});   // no temporary file left
    QCOMPARE(openFiles(t.dir.path()), files);
    // On the full disk the encode ran before the write; the book is untouched.
    QCOMPARE(t.state().mid(readOnly ? 0 : 1), before.mid(readOnly ? 0 : 1));

    // Opening from the disk still works; saving works once it is writable or has room again.
    t.open(target);
    QCOMPARE(t.platform.boxes.size(), size_t(2));
    QVERIFY(readOnly ? disk.remount(false) : QFile::remove(target));
    t.add(QStringLiteral("999"), QStringLiteral("Later"));
    t.save(target);
    QCOMPARE(t.platform.boxes.size(), size_t(2));
    QCOMPARE(readFile(target), t.w().FB().bytes());
    QVERIFY(t.w().FB().getText(512 + 32 * 3, 3) == QStringLiteral("999"));
}

void TestFaults::openUnreadableFiles()
{
    TestWindow t;
    const QString good = prepareImage(t, t.path(QStringLiteral("good.bin")));
    t.add(QStringLiteral("31"), QStringLiteral("Unsaved"));
    const QStringList before = t.state();
    const int files = openFiles(t.dir.path());

    // A file that opens but whose first read fails with an I/O error.
    t.open(QStringLiteral("/proc/self/mem"));
    QVERIFY(t.errorsShown(1));
    QCOMPARE(t.state(), before);

    // A file without read permission.
    const QString locked = t.file(QStringLiteral("locked.bin"), readFile(good));
    QVERIFY(QFile::setPermissions(locked, QFileDevice::Permissions()));
    QVERIFY(QFile::setPermissions(t.dir.path(), QFileDevice::Permissions(0x7755)));
    QVERIFY(asOrdinaryUser([&] { t.open(locked); }));
    QVERIFY(t.errorsShown(2) && t.platform.boxes[1].text.contains(QStringLiteral("ermission")));
    QCOMPARE(t.state(), before);
    QCOMPARE(openFiles(t.dir.path()), files);

    // The next open works and replaces the unsaved book.
    t.open(good);
    QCOMPARE(t.platform.boxes.size(), size_t(2));
    QCOMPARE(t.w().FB().bytes(), readFile(good));
    QVERIFY(!t.rowTexts().contains(QStringLiteral("31")));
}

void TestFaults::saveOntoSpecialTargets()
{
    TestWindow t;
    // Every hard link sees the new image.
    const QString a = t.path(QStringLiteral("a.bin")), b = t.path(QStringLiteral("b.bin"));
    t.save(a);
    QCOMPARE(::link(qPrintable(a), qPrintable(b)), 0);
    t.add(QStringLiteral("555"), QStringLiteral("Office"));
    t.save(b);
    QCOMPARE(readFile(a), t.w().FB().bytes());
    QCOMPARE(readFile(b), readFile(a));

    // A writable file in a folder that takes no new file.
    const QString folder = t.path(QStringLiteral("ro")), target = folder + QStringLiteral("/phone.bin");
    QVERIFY(QDir().mkdir(folder));
    writeFile(target, "old");
    QVERIFY(::chmod(qPrintable(target), 0666) == 0 && ::chmod(qPrintable(folder), 0555) == 0
            && ::chmod(qPrintable(t.dir.path()), 0755) == 0);
    t.add(QStringLiteral("42"), QStringLiteral("Later"));
    QVERIFY(asOrdinaryUser([&] { t.save(target); }));
    ::chmod(qPrintable(folder), 0755);
    QCOMPARE(t.platform.boxes.size(), size_t(0));
    QCOMPARE(readFile(target), t.w().FB().bytes());

    // The user's own 0444 image in the user's own folder, where a new file
    // could take its name: refused before anything is encoded. Root, who
    // gives the folder to the ordinary user, may then write it.
    const bool asRoot = ::geteuid() == 0;
    const QString mine = t.path(QStringLiteral("mine")), readOnly = mine + QStringLiteral("/ro.bin");
    QVERIFY(QDir().mkdir(mine));
    writeFile(readOnly, "old");
    QVERIFY(::chmod(qPrintable(readOnly), 0444) == 0);
    if (asRoot)
        QVERIFY(::chown(qPrintable(mine), 65534, 0) == 0 && ::chown(qPrintable(readOnly), 65534, 0) == 0);
    t.add(QStringLiteral("43"), QStringLiteral("Locked"));
    const QStringList unsaved = t.state();
    QVERIFY(asOrdinaryUser([&] { t.save(readOnly); }));
    QCOMPARE(t.platform.shown(), QStringList{errorBox("Could not save " + readOnly + ": " + qt_error_string(EACCES)
                                                      + ". The file is unchanged.")});
    QCOMPARE(t.state(), unsaved);
    QCOMPARE(readFile(readOnly), QByteArray("old"));
    t.save(readOnly);
    QCOMPARE(readFile(readOnly), asRoot ? t.w().FB().bytes() : QByteArray("old"));
    t.platform.clear();

    // A file that takes no bytes: the box names the real cause.
    t.save(QStringLiteral("/proc/version"));
    const QString cause = directWriteCause("/proc/version");
    QCOMPARE(t.platform.shown(),
             QStringList{errorBox("Could not save /proc/version: " + cause + ". The file is unchanged.")});
}

void TestFaults::refuseSpecialFiles()
{
    TestWindow t;
    const QString fifo = t.path(QStringLiteral("fifo"));
    QCOMPARE(::mkfifo(qPrintable(fifo), 0600), 0);
    // Nodes of /dev/full and /dev/zero of our own where they can be made, so
    // that a fault here cannot replace the machine's.
    const auto node = [&](const char *name, unsigned minor) {
        const QString own = t.path(QLatin1String(name));
        return ::mknod(qPrintable(own), S_IFCHR | 0666, ::makedev(1, minor)) == 0 ? own : "/dev/" + QLatin1String(name);
    };
    t.add(QStringLiteral("555"), QStringLiteral("Office"));
    t.w().setSoundName(2, QStringLiteral("Bell"));
    const QStringList before = t.state();
    const int files = openFiles(t.dir.path());
    const auto previous = std::signal(SIGALRM, blocked);

    // Refused before anything is read, encoded or written.
    for (const QString &path : {fifo, node("full", 7), node("zero", 5)}) {
        ::alarm(20);
        t.open(path);
        t.importInto(2, path);
        t.save(path);
        ::alarm(0);
        QCOMPARE(t.platform.shown(), QStringList(3, errorBox(path + " is not a regular file")));
        QCOMPARE(t.state(), before);
        QCOMPARE(t.w().Combo1()->itemText(2), QStringLiteral("2 Bell"));
        QVERIFY(QFileInfo(path).exists() && !QFileInfo(path).isFile());
        QCOMPARE(openFiles(t.dir.path()), files);
        t.platform.clear();
    }
    std::signal(SIGALRM, previous);
}

