#include "tests/cli/test_cli.h"
#include "tests/common/Stat_unix.h"

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A shell script in folder with the tool as $VIRE: for names that are not
// UTF-8, another user (setpriv) or a file-size limit (prlimit).
Result shell(const Folder &folder, const QString &script)
{
    return runProgram("/bin/sh", {"-c", "VIRE='" + vireImage() + "'; " + script}, folder.path());
}

// path's owner (when uid is given) and then its mode, which a change of owner may clear.
bool setMode(const QString &path, mode_t mode, int uid = -1, int gid = -1)
{
    const QByteArray name = QFile::encodeName(path);
    return (uid < 0 || ::chown(name.constData(), uid_t(uid), gid_t(gid)) == 0) && ::chmod(name.constData(), mode) == 0;
}

} // namespace

// script(1) gives the command a pseudo-terminal; what reaches it is its output.
Result onTerminal(const Folder &folder, const QStringList &args)
{
    const QString command = "'" + (QStringList{vireImage()} + args).join(QStringLiteral("' '")) + "'";
    return runProgram("script", {"-qec", command, "/dev/null"}, folder.path());
}

QString specialFile(const Folder &folder)
{
    return mkfifo(QFile::encodeName(folder.path("fifo")).constData(), 0600) == 0 ? QStringLiteral("fifo") : QString();
}

QString notFoundText()
{
    return qt_error_string(ENOENT);
}

bool otherName(const QString &target, const QString &link)
{
    return QFile::link(target, link);
}

bool isOtherName(const QString &link)
{
    return QFileInfo(link).isSymLink();
}

// Bytes that are not UTF-8 would name another file: refused, nothing made.
void TestCli::namesThatAreNotText()
{
    CliFolder d;
    const QByteArray a = image({record("555", "Office")});
    d.write("a.bin", a);
    d.write("c.csv", Header + "777,New,0,0,0,0,0\r\n");
    d.write(QStringLiteral("lat\uFFFD.bin"), a);
    QCOMPARE(shell(d, "printf x > \"$(printf 'lat\\351.bin')\"").status, 0);
    for (const char *command : {"new -o \"$(printf 'bad\\377.bin')\"", "info \"$(printf 'lat\\351.bin')\"",
                                "import a.bin c.csv -o \"$(printf 'lat\\351.bin')\""}) {
        const Result r = shell(d, QStringLiteral("exec \"$VIRE\" ") + QLatin1String(command));
        QCOMPARE(r.status, 2);
        QVERIFY2(r.err.contains(QLatin1String("the name is not valid text")), qPrintable(r.err));
    }
    QVERIFY(QDir(d.path()).entryList({"bad*"}).isEmpty());
    QCOMPARE(d.read(QStringLiteral("lat\uFFFD.bin")), a);
    // Read back, and removed, by its bytes: Qt cannot name it.
    QCOMPARE(shell(d, "cat \"$(printf 'lat\\351.bin')\"; rm \"$(printf 'lat\\351.bin')\"").out, QByteArray("x"));
}

void TestCli::readOnlyFilesStayReadOnly()
{
    // A user's own 0444 image in the user's own folder: refused, though a
    // new file beside it could take its name. As root when the suite runs
    // as root, which then writes it as opening it would.
    CliFolder d;
    const bool asRoot = ::geteuid() == 0;
    d.write("ro.bin", "old");
    QVERIFY(setMode(d.path("ro.bin"), 0444, asRoot ? 65534 : -1, 65534)
            && (!asRoot || setMode(d.path(), 0700, 65534, 65534)));
    Result r = shell(d, QLatin1String(asRoot ? "exec setpriv --reuid 65534 --regid 65534 --clear-groups " : "exec ")
                            + QStringLiteral("\"$VIRE\" new -o ro.bin"));
    QCOMPARE(r.status, 2);
    QVERIFY2(r.err.contains("ro.bin: error: " + qt_error_string(EACCES) + ". The file is unchanged."), qPrintable(r.err));
    QCOMPARE(d.read("ro.bin"), QByteArray("old"));
    QCOMPARE(filesIn(d.path()), QStringList{"ro.bin"});
    if (!asRoot)
        return;
    r = d.vire({"new", "-o", "ro.bin"});
    QVERIFY2(r.status == 0, qPrintable(r.err));
    QCOMPARE(d.read("ro.bin").size(), Size);
    const struct stat st = statOf(d.path("ro.bin"));
    QVERIFY((st.st_mode & 07777) == 0444 && st.st_uid == 65534);
}

void TestCli::ownersAndLimits()
{
    if (::geteuid() != 0)
        QSKIP("needs root to run the tool as other users");
    CliFolder d;
    QVERIFY(setMode(d.path(), 0755));
    // Saved by another user in place, owner, group and mode as they were: root's 666 file in a sticky
    // folder, and a colleague's 664 file in a set-group-id 2775 folder of their group.
    struct Shared { const char *folder; mode_t folderMode; gid_t gid; uid_t uid; mode_t mode; const char *groups; };
    for (const Shared &s : {Shared{"sticky", 01777, 0, 0, 0666, "--clear-groups"},
                            Shared{"team", 02775, 100, 65533, 0664, "--groups 100"}}) {
        const QString file = QLatin1String(s.folder) + QLatin1String("/phone.bin");
        d.write(file, "old");
        QVERIFY(setMode(d.path(s.folder), s.folderMode, 0, int(s.gid)) && setMode(d.path(file), s.mode, int(s.uid), int(s.gid)));
        const Result r = shell(d, QStringLiteral("exec setpriv --reuid 65534 --regid 65534 %1 \"$VIRE\" new -o %2")
                                      .arg(QLatin1String(s.groups), file));
        QVERIFY2(r.status == 0, qPrintable(r.err));
        QCOMPARE(d.read(file).size(), Size);
        const struct stat st = statOf(d.path(file));
        QVERIFY(st.st_uid == s.uid && st.st_gid == s.gid && (st.st_mode & 07777) == s.mode);
        QCOMPARE(filesIn(d.path(s.folder)).size(), 1);
    }

    // A file-size limit below the image: refused before the first byte,
    // replaced or written in place alike, and no file left behind.
    d.write("one.bin", "old");
    d.write("two.bin", "old");
    QVERIFY(::link(QFile::encodeName(d.path("two.bin")).constData(), QFile::encodeName(d.path("two-b.bin")).constData()) == 0);
    for (const char *name : {"one.bin", "two.bin"}) {
        const Result r = shell(d, QStringLiteral("exec prlimit --fsize=300000 \"$VIRE\" new -o ") + QLatin1String(name));
        QCOMPARE(r.status, 2);
        QVERIFY2(r.err.contains(QLatin1String(": error: File too large. The file is unchanged.")), qPrintable(r.err));
        QCOMPARE(d.read(QLatin1String(name)), QByteArray("old"));
    }
    QCOMPARE(filesIn(d.path()).size(), 3);
}
