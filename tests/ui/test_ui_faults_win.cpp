#include "tests/ui/test_ui_faults.h"
#include "files/SystemText.h"

#include <windows.h>

namespace {

QString native(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

} // namespace

void TestFaults::saveOntoFullOrReadOnlyDisk()
{
    QFETCH(bool, readOnly);
    QSKIP(readOnly ? "Windows ignores a folder's read-only attribute; an ACL that refuses is not kept under Wine"
                   : "Windows gives an ordinary user no small volume to fill");
}

void TestFaults::openUnreadableFiles()
{
    TestWindow t;
    const QString good = prepareImage(t, t.path(QStringLiteral("good.bin")));
    t.add(QStringLiteral("31"), QStringLiteral("Unsaved"));
    const QStringList before = t.state();

    // A file another program holds without sharing cannot be opened.
    const QString locked = t.file(QStringLiteral("locked.bin"), readFile(good));
    HANDLE holder = CreateFileW(native(locked).toStdWString().c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    QVERIFY(holder != INVALID_HANDLE_VALUE);
    t.open(locked);
    CloseHandle(holder);
    QVERIFY(t.errorsShown(1) && t.platform.boxes[0].text.startsWith("Could not open " + native(locked) + ": "));
    QCOMPARE(t.state(), before);

    // The next open works and replaces the unsaved book.
    t.open(good);
    QCOMPARE(t.platform.boxes.size(), size_t(1));
    QCOMPARE(t.w().FB().bytes(), readFile(good));
    QVERIFY(!t.rowTexts().contains(QStringLiteral("31")));
}

void TestFaults::saveOntoSpecialTargets()
{
    TestWindow t;
    t.w().setSoundName(1, QStringLiteral("Ring"));
    const QStringList before = t.state();

    // A device name and a folder: refused before anything is encoded.
    const QString device = t.path(QStringLiteral("nul.bin"));
    for (const QString &target : {device, t.dir.path()}) {
        t.save(target);
        QCOMPARE(t.platform.shown(), QStringList{errorBox(native(target) + " is not a regular file")});
        QCOMPARE(t.state(), before);
        t.platform.clear();
    }
    QVERIFY(filesIn(t.dir.path()).isEmpty());

    // Every hard link sees the new image.
    const QString a = t.path(QStringLiteral("a.bin")), b = t.path(QStringLiteral("b.bin"));
    t.save(a);
    QVERIFY(CreateHardLinkW(native(b).toStdWString().c_str(), native(a).toStdWString().c_str(), nullptr));
    t.add(QStringLiteral("555"), QStringLiteral("Office"));
    t.save(b);
    QCOMPARE(readFile(a), t.w().FB().bytes());
    QCOMPARE(readFile(b), readFile(a));

    // A read-only image, which a new file beside it could replace: refused
    // before anything is encoded, as a 0444 file is on Linux.
    const QString readOnly = t.path(QStringLiteral("ro.bin"));
    writeFile(readOnly, "old");
    QVERIFY(SetFileAttributesW(native(readOnly).toStdWString().c_str(), FILE_ATTRIBUTE_READONLY));
    t.add(QStringLiteral("43"), QStringLiteral("Locked"));
    const QStringList unsaved = t.state();
    t.save(readOnly);
    QCOMPARE(t.platform.shown(), QStringList{errorBox("Could not save " + native(readOnly) + ": "
                                                      + systemText(ERROR_ACCESS_DENIED) + ". The file is unchanged.")});
    QCOMPARE(t.state(), unsaved);
    QCOMPARE(readFile(readOnly), QByteArray("old"));
    SetFileAttributesW(native(readOnly).toStdWString().c_str(), FILE_ATTRIBUTE_NORMAL);
}

void TestFaults::refuseSpecialFiles()
{
    TestWindow t;
    t.add(QStringLiteral("555"), QStringLiteral("Office"));
    t.w().setSoundName(2, QStringLiteral("Bell"));
    const QStringList before = t.state();

    for (const QString &path : {t.path(QStringLiteral("CON")), t.dir.path()}) {
        t.open(path);
        t.importInto(2, path);
        QCOMPARE(t.platform.shown(), QStringList(2, errorBox(native(path) + " is not a regular file")));
        QCOMPARE(t.state(), before);
        QCOMPARE(t.w().Combo1()->itemText(2), QStringLiteral("2 Bell"));
        t.platform.clear();
    }
}
