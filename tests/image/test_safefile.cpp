#include "SafeFile.h"
#include "VireError.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <cerrno>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The text of the error f throws, or "" when it throws none.
template<typename F> QString failure(F f)
{
    try {
        f();
    } catch (const VireError &e) {
        return e.description();
    }
    return QString();
}

QByteArray contents(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

} // namespace

class TestSafeFile : public QObject
{
    Q_OBJECT

private slots:
    void readingRefusesWhatIsNotARegularFile()
    {
        QTemporaryDir dir;
        const QString fifo = dir.filePath("fifo"), link = dir.filePath("link"),
                      plain = dir.filePath("plain");
        QCOMPARE(::mkfifo(qPrintable(fifo), 0600), 0);
        QVERIFY(QFile::link(fifo, link));
        // Each of these would block or never end if it were opened and read.
        for (const QString &path : {fifo, link, QStringLiteral("/dev/zero"), dir.path()})
            QVERIFY2(failure([&] { safefile::readRegular(path, 100); }).endsWith("is not a regular file"),
                     qPrintable(path));
        QCOMPARE(failure([&] { safefile::readRegular(dir.filePath("none"), 1); }),
                 QStringLiteral("No such file or directory"));

        QFile f(plain);
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(QByteArray(1000, 'x')) == 1000);
        f.close();
        QCOMPARE(safefile::readRegular(plain, 10), QByteArray(10, 'x'));
        QFile::remove(link);
        QVERIFY(QFile::link(plain, link));
        QCOMPARE(safefile::readRegular(link, 5000).size(), 1000);
    }

    void writingKeepsTargetsWhatTheyAre()
    {
        QTemporaryDir dir;
        const QString fifo = dir.filePath("fifo");
        QCOMPARE(::mkfifo(qPrintable(fifo), 0600), 0);
        for (const QString &path : {fifo, QStringLiteral("/dev/full"), dir.path()}) {
            QVERIFY2(failure([&] { safefile::writeWhole(path, "new"); }).endsWith("is not a regular file"),
                     qPrintable(path));
            QVERIFY(QFileInfo(path).exists() && !QFileInfo(path).isFile());
        }
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 0);

        // Two hard links: both names see the new bytes.
        const QString a = dir.filePath("a.bin"), b = dir.filePath("b.bin");
        safefile::writeWhole(a, QByteArray(1 << 20, 'o'));
        QCOMPARE(::link(qPrintable(a), qPrintable(b)), 0);
        safefile::writeWhole(b, "new image");
        QCOMPARE(contents(a), QByteArray("new image"));

        // One link: replaced whole, permissions kept, through a symbolic link too.
        const QString c = dir.filePath("c.bin"), link = dir.filePath("c-link");
        safefile::writeWhole(c, QByteArray(1 << 20, 'o'));
        QCOMPARE(::chmod(qPrintable(c), 0640), 0);
        QVERIFY(QFile::link(c, link));
        safefile::writeWhole(link, "replaced");
        QCOMPARE(contents(c), QByteArray("replaced"));
        QVERIFY(QFileInfo(link).isSymLink());
        struct stat st;
        QVERIFY(::stat(qPrintable(c), &st) == 0);
        QCOMPARE(st.st_mode & 0777, mode_t(0640));
    }

    void writingInAFolderThatTakesNoNewFile()
    {
        QTemporaryDir dir;
        const QString target = dir.filePath("image.bin");
        safefile::writeWhole(target, "old");
        QVERIFY(::chmod(qPrintable(target), 0666) == 0 && ::chmod(qPrintable(dir.path()), 0555) == 0);
        // Root may write any folder; a plain user may not.
        const bool asRoot = ::geteuid() == 0;
        if (asRoot)
            QCOMPARE(::seteuid(65534), 0);
        const QString overwrite = failure([&] { safefile::writeWhole(target, "new"); });
        const QString create = failure([&] { safefile::writeWhole(dir.filePath("other.bin"), "x"); });
        if (asRoot)
            QCOMPARE(::seteuid(0), 0);
        ::chmod(qPrintable(dir.path()), 0755);
        QCOMPARE(overwrite, QString());
        QCOMPARE(contents(target), QByteArray("new"));
        QCOMPARE(create, QStringLiteral("Permission denied"));

        // No temporary file can be made beside /proc/version either, and the
        // file takes no bytes: the cause told is the write's own.
        QCOMPARE(failure([] { safefile::writeWhole(QStringLiteral("/proc/version"), "x"); }),
                 qt_error_string(asRoot ? EIO : EACCES));
    }

    void fullDiskKeepsTheOldFile()
    {
        // A tmpfs with no inode left: no temporary file can be made, and the
        // new bytes do not fit beside the old ones.
        QTemporaryDir dir;
        if (::mount("tmpfs", qPrintable(dir.path()), "tmpfs", 0, "size=64k,nr_inodes=3") != 0)
            QSKIP("cannot mount a small tmpfs here");
        const QString target = dir.filePath("image.bin");
        safefile::writeWhole(target, "old");
        for (int i = 0; QFile(dir.filePath(QString::number(i))).open(QIODevice::WriteOnly); ++i) {
        }
        const QString error = failure([&] { safefile::writeWhole(target, QByteArray(1 << 20, 'n')); });
        const QByteArray kept = contents(target);
        ::umount2(qPrintable(dir.path()), MNT_DETACH);
        QCOMPARE(error, qt_error_string(ENOSPC));
        QCOMPARE(kept, QByteArray("old"));
    }
};

QTEST_GUILESS_MAIN(TestSafeFile)
#include "test_safefile.moc"
