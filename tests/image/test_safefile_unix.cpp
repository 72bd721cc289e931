#include "files/SafeFile.h"
#include "tests/common/Files.h"
#include "tests/common/Stat_unix.h"
#include "tests/common/Thrown.h"

#include <QtTest>

#include <cerrno>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

namespace {

QString saveFailed(const QString &path, int code, const char *state)
{
    return QStringLiteral("Could not save %1: %2. %3").arg(path, qt_error_string(code), QLatin1String(state));
}

// An access ACL in the kernel's form, little-endian: version 2, then tag, permissions and id of
// owner rw, user 65534 rw, group r, mask rw, others r.
const QByteArray UserAcl = QByteArray::fromHex("02000000" "01000600ffffffff" "02000600feff0000" "04000400ffffffff"
                                               "10000600ffffffff" "20000400ffffffff");

QByteArray attribute(const QString &path, const char *name)
{
    QByteArray value(256, '\0');
    const ssize_t n = ::getxattr(QFile::encodeName(path).constData(), name, value.data(), size_t(value.size()));
    return n < 0 ? QByteArray("<none>") : value.left(n);
}

} // namespace

class TestSafeFile : public QObject
{
    Q_OBJECT

private slots:
    void readingRefusesWhatIsNotARegularFile()
    {
        QTemporaryDir dir;
        const QString fifo = dir.filePath("fifo"), link = dir.filePath("link"), plain = dir.filePath("plain");
        QCOMPARE(::mkfifo(qPrintable(fifo), 0600), 0);
        QVERIFY(QFile::link(fifo, link));
        // Each of these would block or never end if it were opened and read.
        for (const QString &path : {fifo, link, QStringLiteral("/dev/zero"), dir.path()})
            QCOMPARE(failure([&] { safefile::readRegular(path, 100); }), path + " is not a regular file");
        QCOMPARE(failure([&] { safefile::readRegular(dir.filePath("none"), 1); }),
                 "Could not open " + dir.filePath("none") + ": No such file or directory");

        writeFile(plain, QByteArray(1000, 'x'));
        QCOMPARE(safefile::readRegular(plain, 10), QByteArray(10, 'x'));
        QVERIFY(QFile::link(plain, dir.filePath("plain-link")));
        QCOMPARE(safefile::readRegular(dir.filePath("plain-link"), 5000).size(), 1000);
    }

    void namesAndSameFiles()
    {
        // Qt gives U+FFFD for bytes that are not UTF-8; encoded again it names
        // another file, here one that exists.
        QTemporaryDir dir;
        const QString other = dir.filePath(QStringLiteral("lat\uFFFD.bin"));
        safefile::writeWhole(dir.filePath("a.bin"), "a");
        QVERIFY(QFile::copy(dir.filePath("a.bin"), other));
        const QString refused = "Could not use " + other
            + ": the name is not valid text in the system's encoding. Nothing was read or written.";
        QCOMPARE(failure([&] { safefile::writeWhole(other, "new"); }), refused);
        QCOMPARE(failure([&] { safefile::readRegular(other, 1); }), refused);
        QVERIFY(!failure([&] { safefile::writeWhole(dir.filePath(QStringLiteral("new\uFFFD")), "x"); }).isEmpty());
        QCOMPARE(readFile(other), QByteArray("a"));
        QCOMPARE(filesIn(dir.path()).size(), 2);

        QVERIFY(QFile::link(dir.filePath("a.bin"), dir.filePath("link")));
        QCOMPARE(::link(qPrintable(dir.filePath("a.bin")), qPrintable(dir.filePath("hard"))), 0);
        QVERIFY(safefile::sameFile(dir.filePath("a.bin"), dir.filePath("link")));
        QVERIFY(safefile::sameFile(dir.filePath("hard"), dir.filePath("link")));
        QVERIFY(!safefile::sameFile(dir.filePath("a.bin"), other));
        QVERIFY(!safefile::sameFile(dir.filePath("none"), dir.filePath("none")));
    }

    void writingKeepsTargetsWhatTheyAre()
    {
        QTemporaryDir dir;
        const QString fifo = dir.filePath("fifo");
        QCOMPARE(::mkfifo(qPrintable(fifo), 0600), 0);
        for (const QString &path : {fifo, QStringLiteral("/dev/full"), dir.path()}) {
            QCOMPARE(failure([&] { safefile::writeWhole(path, "new"); }), path + " is not a regular file");
            QVERIFY(QFileInfo(path).exists() && !QFileInfo(path).isFile());
        }
        QCOMPARE(filesIn(dir.path()), QStringList{"fifo"});

        // Two hard links: written in place, so both names see the new bytes.
        const QString a = dir.filePath("a.bin"), b = dir.filePath("b.bin");
        safefile::writeWhole(a, QByteArray(1 << 20, 'o'));
        QCOMPARE(::link(qPrintable(a), qPrintable(b)), 0);
        safefile::writeWhole(b, "new image");
        QCOMPARE(readFile(a), QByteArray("new image"));

        // One link: replaced whole through a symbolic link, which stays one.
        const QString c = dir.filePath("c.bin"), link = dir.filePath("c-link");
        safefile::writeWhole(c, QByteArray(1 << 20, 'o'));
        QVERIFY(QFile::link(c, link));
        const ino_t before = statOf(c).st_ino;
        safefile::writeWhole(link, "replaced");
        QCOMPARE(readFile(c), QByteArray("replaced"));
        QVERIFY(QFileInfo(link).isSymLink());
        QVERIFY(statOf(c).st_ino != before);
        QCOMPARE(filesIn(dir.path()).size(), 5);
    }

    void replacingKeepsOwnerModeAndAttributes()
    {
        if (::geteuid() != 0)
            QSKIP("giving a file to another owner needs root");
        QTemporaryDir dir;
        const struct { const char *name; uid_t owner; mode_t mode; } cases[] = {
            {"nobody.bin", 65534, 0640}, {"readonly.bin", 0, 0444}, {"setid.bin", 65534, 06750}};
        for (const auto &c : cases) {
            const QString path = dir.filePath(c.name);
            safefile::writeWhole(path, "old");
            QVERIFY(::chown(qPrintable(path), c.owner, c.owner) == 0 && ::chmod(qPrintable(path), c.mode) == 0);
            const ino_t before = statOf(path).st_ino;
            safefile::writeWhole(path, "new");
            const struct stat st = statOf(path);
            QVERIFY2(st.st_ino != before, c.name);   // replaced, not written in place
            QCOMPARE(QStringLiteral("%1:%2 %3").arg(st.st_uid).arg(st.st_gid).arg(st.st_mode & 07777, 0, 8),
                     QStringLiteral("%1:%1 %2").arg(c.owner).arg(c.mode, 0, 8));
            QCOMPARE(readFile(path), QByteArray("new"));
        }

        const QString path = dir.filePath("acl.bin");
        safefile::writeWhole(path, "old");
        const QByteArray name = QFile::encodeName(path), acl = UserAcl;
        if (::setxattr(name, "user.origin", "phone", 5, 0) != 0
            || ::setxattr(name, "system.posix_acl_access", acl.constData(), size_t(acl.size()), 0) != 0)
            QSKIP("this file system takes no user attributes or ACLs");
        const mode_t mode = statOf(path).st_mode;
        safefile::writeWhole(path, "new");
        QCOMPARE(attribute(path, "user.origin"), QByteArray("phone"));
        QCOMPARE(attribute(path, "system.posix_acl_access"), acl);
        QCOMPARE(statOf(path).st_mode, mode);
        QCOMPARE(filesIn(dir.path()).size(), 4);
    }

    void writingInPlaceWhereNoReplacementFits()
    {
        if (::geteuid() != 0)
            QSKIP("needs root to act as two users");
        QTemporaryDir dir;
        const QString sticky = dir.filePath("sticky"), readOnly = dir.filePath("ro");
        QVERIFY(QDir().mkdir(sticky) && QDir().mkdir(readOnly));
        QVERIFY(::chmod(qPrintable(dir.path()), 0755) == 0 && ::chmod(qPrintable(sticky), 01777) == 0);
        // Root's files, writable by all: one in a sticky folder, which refuses
        // others the rename; one in a folder that takes no new file.
        const QString shared = sticky + "/phone.bin", locked = readOnly + "/phone.bin";
        for (const QString &path : {shared, locked}) {
            safefile::writeWhole(path, QByteArray(1000, 'o'));
            QCOMPARE(::chmod(qPrintable(path), 0666), 0);
        }
        QCOMPARE(::chmod(qPrintable(readOnly), 0555), 0);
        QCOMPARE(::seteuid(65534), 0);
        const QString errors = failure([&] { safefile::writeWhole(shared, "new"); })
            + failure([&] { safefile::writeWhole(locked, "new"); });
        const QString create = failure([&] { safefile::writeWhole(readOnly + "/other.bin", "x"); });
        QCOMPARE(::seteuid(0), 0);
        QCOMPARE(errors, QString());
        for (const QString &path : {shared, locked}) {
            QCOMPARE(readFile(path), QByteArray("new"));
            QCOMPARE(statOf(path).st_uid, uid_t(0));
        }
        QCOMPARE(filesIn(sticky), QStringList{"phone.bin"});
        QCOMPARE(create, saveFailed(readOnly + "/other.bin", EACCES, "The file was not created."));

        // Nothing can be made beside /proc/version, and it takes no bytes.
        QVERIFY(failure([] { safefile::writeWhole(QStringLiteral("/proc/version"), "x"); })
                    .endsWith(". The file is unchanged."));
    }

    void fullDiskKeepsTheOldFile()
    {
        QTemporaryDir dir;
        if (::mount("tmpfs", qPrintable(dir.path()), "tmpfs", 0, "size=600k") != 0)
            QSKIP("cannot mount a small tmpfs here");
        // A hard-linked file (written in place) and a plain one (replaced).
        const QString linked = dir.filePath("linked.bin"), plain = dir.filePath("plain.bin");
        safefile::writeWhole(linked, QByteArray(100 << 10, 'o'));
        safefile::writeWhole(plain, "old");
        QCOMPARE(::link(qPrintable(linked), qPrintable(dir.filePath("link2.bin"))), 0);
        QFile filler(dir.filePath("filler"));
        QVERIFY(filler.open(QIODevice::WriteOnly));
        while (filler.write(QByteArray(4096, 'f')) == 4096 && filler.flush()) {
        }
        filler.close();
        const QString linkedError = failure([&] { safefile::writeWhole(linked, QByteArray(512 << 10, 'n')); });
        const QString plainError = failure([&] { safefile::writeWhole(plain, QByteArray(512 << 10, 'n')); });
        const QByteArray linkedKept = readFile(linked), plainKept = readFile(plain);
        const QStringList files = filesIn(dir.path());
        ::umount2(qPrintable(dir.path()), MNT_DETACH);
        QCOMPARE(linkedError, saveFailed(linked, ENOSPC, "The file is unchanged."));
        QCOMPARE(plainError, saveFailed(plain, ENOSPC, "The file is unchanged."));
        QCOMPARE(linkedKept, QByteArray(100 << 10, 'o'));
        QCOMPARE(plainKept, QByteArray("old"));
        QCOMPARE(files, (QStringList{"filler", "link2.bin", "linked.bin", "plain.bin"}));
    }
};

QTEST_GUILESS_MAIN(TestSafeFile)
#include "test_safefile_unix.moc"
