#include "tests/ui/test_ui_faults.h"
#include "files/SystemText.h"

#include <QFileInfo>

#include <windows.h>

namespace {

QString native(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

} // namespace

void TestFaults::saveOntoFullDisk()
{
    QSKIP("Windows gives an ordinary user no small volume to fill");
}

void TestFaults::saveIntoReadOnlyFolder()
{
    QSKIP("Windows ignores a folder's read-only attribute; an ACL that refuses is not kept under Wine");
}

void TestFaults::openUnreadableFiles()
{
    TestWindow t;
    const QString good = prepareImage(t, t.path(QStringLiteral("good.bin")));
    t.add(QStringLiteral("31"), QStringLiteral("Unsaved"));
    const State before(t);

    // A file another program holds without sharing cannot be opened.
    const QString locked = t.path(QStringLiteral("locked.bin"));
    writeFile(locked, readFile(good));
    HANDLE holder = CreateFileW(native(locked).toStdWString().c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    QVERIFY(holder != INVALID_HANDLE_VALUE);
    t.open(locked);
    CloseHandle(holder);
    QCOMPARE(t.platform.boxes.size(), size_t(1));
    QCOMPARE(t.platform.boxes[0].title, ErrorTitle);
    QVERIFY(t.platform.boxes[0].text.startsWith("Could not open " + native(locked) + ": "));
    QVERIFY(State(t) == before);

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
    const State before(t);

    // A device name and a folder: refused before anything is encoded.
    const QString device = t.path(QStringLiteral("nul.bin"));
    for (const QString &target : {device, t.dir.path()}) {
        t.save(target);
        QCOMPARE(t.platform.boxes.size(), size_t(1));
        QCOMPARE(t.platform.boxes[0].title, ErrorTitle);
        QCOMPARE(t.platform.boxes[0].text, native(target) + QStringLiteral(" is not a regular file"));
        QVERIFY(State(t) == before);
        t.platform.clear();
    }
    QVERIFY(QDir(t.dir.path()).entryList(QDir::Files).isEmpty());

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
    const State unsaved(t);
    t.save(readOnly);
    QCOMPARE(t.platform.boxes.size(), size_t(1));
    QCOMPARE(t.platform.boxes[0].text, "Could not save " + native(readOnly) + ": "
                                           + systemText(ERROR_ACCESS_DENIED) + ". The file is unchanged.");
    QVERIFY(State(t) == unsaved && readFile(readOnly) == "old");
    SetFileAttributesW(native(readOnly).toStdWString().c_str(), FILE_ATTRIBUTE_NORMAL);
}

void TestFaults::openAndImportRefuseSpecialFiles()
{
    TestWindow t;
    t.add(QStringLiteral("555"), QStringLiteral("Office"));
    t.w().setSoundName(2, QStringLiteral("Bell"));
    const State before(t);

    for (const QString &path : {t.path(QStringLiteral("CON")), t.dir.path()}) {
        t.open(path);
        t.platform.answer(path);
        t.w().importSound(2);
        QCOMPARE(t.platform.boxes.size(), size_t(2));
        for (const auto &box : t.platform.boxes) {
            QCOMPARE(box.title, ErrorTitle);
            QCOMPARE(box.text, native(path) + QStringLiteral(" is not a regular file"));
        }
        QVERIFY(State(t) == before);
        QCOMPARE(t.w().Combo1()->itemText(2), QStringLiteral("2 Bell"));
        t.platform.clear();
    }
}
