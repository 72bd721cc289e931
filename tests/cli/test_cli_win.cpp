#include "test_cli.h"

#include <windows.h>

#include "SystemText_win.h"

// Windows names are UTF-16: no name is bytes that fail to decode.
void TestCli::namesThatAreNotText(const QByteArray &) const
{
}

bool TestCli::symbolicLink(const QString &target, const QString &link)
{
    // A symbolic link, not the shell's .lnk file that QFile::link makes here.
    return CreateSymbolicLinkW(reinterpret_cast<const wchar_t *>(QDir::toNativeSeparators(link).utf16()),
                               reinterpret_cast<const wchar_t *>(QDir::toNativeSeparators(target).utf16()),
                               SYMBOLIC_LINK_FLAG_ALLOW_UNPRIVILEGED_CREATE);
}

// Windows has no FIFO in its file system (its named pipes live apart).
bool TestCli::makeFifo(const QString &)
{
    return false;
}

void TestCli::readOnlyFilesStayReadOnly()
{
    // A read-only image: refused, though a new file beside it could take
    // its name, and still read-only.
    const QString file = write(QStringLiteral("ro.bin"), "old");
    const std::wstring name = QDir::toNativeSeparators(file).toStdWString();
    QVERIFY(SetFileAttributesW(name.c_str(), FILE_ATTRIBUTE_READONLY));
    const Result r = vire({"new", "-o", "ro.bin"});
    QCOMPARE(r.status, 2);
    QVERIFY2(r.err.contains("ro.bin: error: " + systemText(ERROR_ACCESS_DENIED) + ". The file is unchanged."),
             qPrintable(r.err));
    QCOMPARE(read(QStringLiteral("ro.bin")), QByteArray("old"));
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden), QStringList{"ro.bin"});
    QVERIFY(GetFileAttributesW(name.c_str()) & FILE_ATTRIBUTE_READONLY);
    SetFileAttributesW(name.c_str(), FILE_ATTRIBUTE_NORMAL);
}

void TestCli::ownersAndLimits()
{
    QSKIP("owners, groups, set-group-id folders and file-size limits are POSIX's");
}
