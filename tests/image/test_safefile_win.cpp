// The safe save on Windows: ReplaceFileW through absolute paths, the
// read-only refusal and the names Windows cannot take.
#include "files/SafeFile.h"
#include "files/SystemText.h"
#include "tests/common/Files.h"
#include "tests/common/Thrown.h"

#include <QtTest>

#include <windows.h>

namespace {

std::wstring native(const QString &path)
{
    return QDir::toNativeSeparators(path).toStdWString();
}

} // namespace

class TestSafeFile : public QObject
{
    Q_OBJECT

private slots:
    void replacingThroughAbsolutePaths()
    {
        QTemporaryDir dir, elsewhere;
        const QString old = QDir::currentPath();
        QVERIFY(QDir::setCurrent(dir.path()));
        // A relative name is made absolute before the system sees it; the
        // folder then changes, and the file is still the one first named.
        safefile::writeWhole(QStringLiteral("image.bin"), QByteArray(1 << 20, 'o'));
        const QString path = dir.filePath("image.bin");
        QCOMPARE(readFile(path).size(), 1 << 20);
        safefile::writeWhole(QStringLiteral("image.bin"), "replaced");
        QVERIFY(QDir::setCurrent(elsewhere.path()));
        safefile::writeWhole(path, "again");
        QVERIFY(QDir::setCurrent(old));
        QCOMPARE(readFile(path), QByteArray("again"));
        QCOMPARE(filesIn(dir.path()), QStringList{"image.bin"});   // neither new file nor backup left
        QCOMPARE(filesIn(elsewhere.path()), QStringList());

        // Two hard links: written in place, so both names see the new bytes.
        const QString a = dir.filePath("a.bin"), b = dir.filePath("b.bin");
        safefile::writeWhole(a, QByteArray(1000, 'o'));
        QVERIFY(CreateHardLinkW(native(b).c_str(), native(a).c_str(), nullptr));
        safefile::writeWhole(b, "both");
        QCOMPARE(readFile(a), QByteArray("both"));
        QVERIFY(safefile::sameFile(a, b));
        QVERIFY(!safefile::sameFile(a, path));
        QVERIFY(!safefile::sameFile(dir.filePath("none"), dir.filePath("none")));
    }

    void refusals()
    {
        QTemporaryDir dir;
        const QString ro = dir.filePath("ro.bin");
        safefile::writeWhole(ro, "old");
        QVERIFY(SetFileAttributesW(native(ro).c_str(), FILE_ATTRIBUTE_READONLY));
        const QString denied = "Could not save " + QDir::toNativeSeparators(ro) + ": " + systemText(ERROR_ACCESS_DENIED)
            + ". The file is unchanged.";
        QCOMPARE(failure([&] { safefile::writeWhole(ro, "new"); }), denied);
        QCOMPARE(failure([&] { safefile::checkTarget(ro); }), denied);
        QCOMPARE(readFile(ro), QByteArray("old"));
        QVERIFY(SetFileAttributesW(native(ro).c_str(), FILE_ATTRIBUTE_NORMAL));

        // Devices and folders are not regular files; reserved characters and
        // a trailing dot or space are names Windows cannot take.
        for (const char *name : {"NUL", "com1.bin", "Aux.txt"}) {
            const QString path = dir.filePath(name), notRegular = QDir::toNativeSeparators(path) + " is not a regular file";
            QCOMPARE(failure([&] { safefile::writeWhole(path, "x"); }), notRegular);
            QCOMPARE(failure([&] { safefile::readRegular(path, 1); }), notRegular);
        }
        QCOMPARE(failure([&] { safefile::writeWhole(dir.path(), "x"); }),
                 QDir::toNativeSeparators(dir.path()) + " is not a regular file");
        for (const char *name : {"a?.bin", "a|b.bin", "a<b", "trailing.", "space "}) {
            const QString path = dir.filePath(name);
            QCOMPARE(failure([&] { safefile::writeWhole(path, "x"); }),
                     "Could not save " + QDir::toNativeSeparators(path) + ": " + systemText(ERROR_INVALID_NAME)
                         + ". The file was not created.");
        }
        QCOMPARE(filesIn(dir.path()), QStringList{"ro.bin"});
    }
};

QTEST_GUILESS_MAIN(TestSafeFile)
#include "test_safefile_win.moc"
