#include "tests/ui/test_ui_faults.h"

#include <new>
#include <stdexcept>

void TestFaults::saveOntoFullOrReadOnlyDisk_data()
{
    QTest::addColumn<bool>("readOnly");
    QTest::newRow("full") << false;
    QTest::newRow("read-only") << true;
}

void TestFaults::unusableNamesAndUnexpectedFailures()
{
    TestWindow t;
    // An existing file under the name that bytes Qt could not decode turn into.
    const QString taken = t.file(QStringLiteral("lat\uFFFD.bin"), "not an image");
    t.add(QStringLiteral("555"), QStringLiteral("Office"));
    const QStringList before = t.state();

    t.open(taken);
    t.save(taken);
    t.save(t.path(QStringLiteral("new\uFFFD.bin")));
    t.importInto(1, taken);
    QCOMPARE(t.platform.boxes.size(), size_t(4));
    for (const auto &box : t.platform.boxes) {
        QCOMPARE(box.title, ErrorTitle);
        QVERIFY2(box.text.endsWith(": the name is not valid text in the system's encoding. Nothing was read or written."),
                 qPrintable(box.text));
    }
    QCOMPARE(readFile(taken), QByteArray("not an image"));
    QCOMPARE(filesIn(t.dir.path()), QStringList{QFileInfo(taken).fileName()});
    QCOMPARE(t.state(), before);
    t.platform.clear();

    // Exceptions no command expects are reported, and the window goes on.
    t.platform.duringDialog = [] { throw std::bad_alloc(); };
    t.open(taken);
    t.platform.duringDialog = [] { throw std::runtime_error("disk on fire"); };
    t.save(taken);
    t.w().importSound(2);
    t.platform.duringDialog = nullptr;
    t.platform.answers.clear();   // the thrown dialogs answered nothing
    QCOMPARE(t.platform.shown(),
             (QStringList{errorBox("Out of memory"), errorBox("disk on fire"), errorBox("disk on fire")}));
    t.save(t.path(QStringLiteral("after.bin")));
    QCOMPARE(t.platform.boxes.size(), size_t(3));
    QCOMPARE(readFile(t.path(QStringLiteral("after.bin"))), t.w().FB().bytes());
}

QTEST_MAIN(TestFaults)
#include "moc_test_ui_faults.cpp"
