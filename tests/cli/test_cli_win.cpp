#include "tests/cli/test_cli.h"
#include "files/SystemText.h"

#include <windows.h>

QString notFoundText()
{
    return systemText(ERROR_FILE_NOT_FOUND) + QLatin1Char('.');
}

bool otherName(const QString &target, const QString &link)
{
    return CreateHardLinkW(QDir::toNativeSeparators(link).toStdWString().c_str(),
                           QDir::toNativeSeparators(target).toStdWString().c_str(), nullptr);
}

bool isOtherName(const QString &link)
{
    const HANDLE h = CreateFileW(QDir::toNativeSeparators(link).toStdWString().c_str(), 0,
                                 FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return false;
    BY_HANDLE_FILE_INFORMATION info = {};
    const bool linked = GetFileInformationByHandle(h, &info) && info.nNumberOfLinks > 1;
    CloseHandle(h);
    return linked;
}

// Windows has no FIFO in its file system (its named pipes live apart); a
// device name is its thing that is no regular file, in any folder.
QString specialFile(const Folder &)
{
    return QStringLiteral("nul");
}

void TestCli::namesThatAreNotText()
{
    QSKIP("Windows names are UTF-16: no name is bytes that fail to decode");
}

void TestCli::readOnlyFilesStayReadOnly()
{
    // A read-only image: refused, though a new file beside it could take
    // its name, and still read-only.
    CliFolder d;
    const std::wstring name = QDir::toNativeSeparators(d.write("ro.bin", "old")).toStdWString();
    QVERIFY(SetFileAttributesW(name.c_str(), FILE_ATTRIBUTE_READONLY));
    const Result r = d.vire({"new", "-o", "ro.bin"});
    QCOMPARE(r.status, 2);
    QVERIFY2(r.err.contains("ro.bin: error: " + systemText(ERROR_ACCESS_DENIED) + ". The file is unchanged."),
             qPrintable(r.err));
    QCOMPARE(d.read("ro.bin"), QByteArray("old"));
    QCOMPARE(filesIn(d.path()), QStringList{"ro.bin"});
    QVERIFY(GetFileAttributesW(name.c_str()) & FILE_ATTRIBUTE_READONLY);
    SetFileAttributesW(name.c_str(), FILE_ATTRIBUTE_NORMAL);
}

void TestCli::ownersAndLimits()
{
    QSKIP("owners, groups, set-group-id folders and file-size limits are POSIX's");
}

// A console for the child is more than this test's runner can give.
Result onTerminal(const Folder &, const QStringList &)
{
    return Result{};
}
