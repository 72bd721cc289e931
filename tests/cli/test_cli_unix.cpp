#include "tests/cli/test_cli.h"

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

void TestCli::namesThatAreNotText(const QByteArray &a) const
{
    // Bytes that are not UTF-8 would name another file: refused, nothing made.
    write(QStringLiteral("lat\uFFFD.bin"), a);
    QCOMPARE(shell(QStringLiteral("printf x > \"$(printf 'lat\\351.bin')\"")).status, 0);
    for (const char *command : {"new -o \"$(printf 'bad\\377.bin')\"", "info \"$(printf 'lat\\351.bin')\"",
                                "import a.bin c.csv -o \"$(printf 'lat\\351.bin')\""}) {
        const Result r = shell(QStringLiteral("exec \"$VIRE\" ") + QLatin1String(command));
        QCOMPARE(r.status, 2);
        QVERIFY2(r.err.contains(QLatin1String("the name is not valid text")), qPrintable(r.err));
    }
    QVERIFY(QDir(m_dir->path()).entryList({QStringLiteral("bad*")}).isEmpty());
    QCOMPARE(read(QStringLiteral("lat\uFFFD.bin")), a);
    // Read back, and removed, by its bytes: Qt cannot name it.
    QCOMPARE(shell(QStringLiteral("cat \"$(printf 'lat\\351.bin')\"; rm \"$(printf 'lat\\351.bin')\"")).out,
             QByteArray("x"));
}

QString TestCli::specialFile() const
{
    return mkfifo(QFile::encodeName(path(QStringLiteral("fifo"))).constData(), 0600) == 0 ? QStringLiteral("fifo")
                                                                                          : QString();
}

QString TestCli::notFoundText()
{
    return qt_error_string(ENOENT);
}

bool TestCli::otherName(const QString &target, const QString &link)
{
    return QFile::link(target, link);
}

bool TestCli::isOtherName(const QString &link)
{
    return QFileInfo(link).isSymLink();
}

void TestCli::readOnlyFilesStayReadOnly()
{
    // A user's own 0444 image in the user's own folder: refused, though a
    // new file beside it could take its name. As root when the suite runs
    // as root, which then writes it as opening it would.
    const bool asRoot = ::geteuid() == 0;
    const QByteArray folder = QFile::encodeName(m_dir->path()), file = folder + "/ro.bin";
    write(QStringLiteral("ro.bin"), "old");
    QVERIFY(::chmod(file.constData(), 0444) == 0);
    if (asRoot)
        QVERIFY(::chown(folder.constData(), 65534, 65534) == 0 && ::chown(file.constData(), 65534, 65534) == 0);
    Result r = shell(QLatin1String(asRoot ? "exec setpriv --reuid 65534 --regid 65534 --clear-groups " : "exec ")
                     + QStringLiteral("\"$VIRE\" new -o ro.bin"));
    QCOMPARE(r.status, 2);
    QVERIFY2(r.err.contains("ro.bin: error: " + qt_error_string(EACCES) + ". The file is unchanged."), qPrintable(r.err));
    QCOMPARE(read(QStringLiteral("ro.bin")), QByteArray("old"));
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden), QStringList{"ro.bin"});
    if (!asRoot)
        return;
    r = vire({"new", "-o", "ro.bin"});
    QVERIFY2(r.status == 0, qPrintable(r.err));
    QCOMPARE(read(QStringLiteral("ro.bin")).size(), ImageSize);
    struct stat st = {};
    QVERIFY(::stat(file.constData(), &st) == 0 && (st.st_mode & 07777) == 0444 && st.st_uid == 65534);
}

void TestCli::ownersAndLimits()
{
    if (::geteuid() != 0)
        QSKIP("needs root to run the tool as other users");
    QVERIFY(::chmod(QFile::encodeName(m_dir->path()).constData(), 0755) == 0);
    const auto statOf = [&](const char *name) {
        struct stat st = {};
        ::stat(QFile::encodeName(path(QLatin1String(name))).constData(), &st);
        return st;
    };
    // Root's 666 file in a sticky folder, saved by another user: in place.
    QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("sticky")));
    write(QStringLiteral("sticky/phone.bin"), "old");
    QVERIFY(::chmod(QFile::encodeName(path(QStringLiteral("sticky"))).constData(), 01777) == 0
            && ::chmod(QFile::encodeName(path(QStringLiteral("sticky/phone.bin"))).constData(), 0666) == 0);
    Result r = shell(QStringLiteral("exec setpriv --reuid 65534 --regid 65534 --clear-groups \"$VIRE\" new -o sticky/phone.bin"));
    QVERIFY2(r.status == 0, qPrintable(r.err));
    QCOMPARE(read(QStringLiteral("sticky/phone.bin")).size(), ImageSize);
    QCOMPARE(statOf("sticky/phone.bin").st_uid, uid_t(0));
    QCOMPARE(QDir(path(QStringLiteral("sticky"))).entryList(QDir::Files | QDir::Hidden).size(), 1);

    // A colleague's 664 file in a set-group-id 2775 folder of their group stays theirs.
    QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("team")));
    write(QStringLiteral("team/phone.bin"), "old");
    const QByteArray team = QFile::encodeName(path(QStringLiteral("team"))), file = team + "/phone.bin";
    QVERIFY(::chown(team.constData(), 0, 100) == 0 && ::chmod(team.constData(), 02775) == 0
            && ::chown(file.constData(), 65533, 100) == 0 && ::chmod(file.constData(), 0664) == 0);
    r = shell(QStringLiteral("exec setpriv --reuid 65534 --regid 65534 --groups 100 \"$VIRE\" new -o team/phone.bin"));
    QVERIFY2(r.status == 0, qPrintable(r.err));
    QCOMPARE(read(QStringLiteral("team/phone.bin")).size(), ImageSize);
    const struct stat st = statOf("team/phone.bin");
    QVERIFY(st.st_uid == 65533 && st.st_gid == 100 && (st.st_mode & 07777) == 0664);

    // A file-size limit below the image: refused before the first byte,
    // replaced or written in place alike, and no file left behind.
    write(QStringLiteral("one.bin"), "old");
    write(QStringLiteral("two.bin"), "old");
    QVERIFY(::link(QFile::encodeName(path(QStringLiteral("two.bin"))).constData(),
                   QFile::encodeName(path(QStringLiteral("two-b.bin"))).constData()) == 0);
    for (const char *name : {"one.bin", "two.bin"}) {
        r = shell(QStringLiteral("exec prlimit --fsize=300000 \"$VIRE\" new -o ") + QLatin1String(name));
        QCOMPARE(r.status, 2);
        QVERIFY2(r.err.contains(QLatin1String(": error: File too large. The file is unchanged.")), qPrintable(r.err));
        QCOMPARE(read(QLatin1String(name)), QByteArray("old"));
    }
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden).size(), 3);
}
