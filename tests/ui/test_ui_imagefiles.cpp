// "Open Image..." and "Save Image..." through the real window.
#include "image/FixedText.h"
#include "tests/common/Images.h"
#include "tests/common/TestWindow.h"

using images::image;
using images::record;

class TestImageFiles : public QObject
{
    Q_OBJECT

    enum SaveFault { NoFault, LockedFolder, SizeLimit, Unspellable };

private slots:
    void dialogSettingsAndCancel()
    {
        TestWindow t;
        const int files = openFiles(t.dir.path());
        for (const auto command : {&Form1::openImage, &Form1::saveImage}) {
            t.w().commonDialog1().setFileName(QStringLiteral("left over"));
            t.platform.cancel();
            (t.w().*command)();
        }

        QCOMPARE(t.platform.asked, QStringList({"open: Specify target file [] Binary (*.bin)|*.bin",
                                                "save: Specify target file [] Binary (*.bin)|*.bin"}));
        // Silent, and a cancelled save encodes nothing.
        QVERIFY(t.platform.boxes.empty());
        QCOMPARE(t.w().FB().bytes(), QByteArray(FlashImage::Size, '\0'));
        QCOMPARE(t.rowTexts().size(), 3);
        QCOMPARE(openFiles(t.dir.path()), files);

        // The filter as Qt's file dialog takes it.
        QCOMPARE(QtPlatform::qtFilter(QStringLiteral("Binary (*.bin)|*.bin")), QStringLiteral("Binary (*.bin)"));
        QCOMPARE(QtPlatform::qtFilter(QStringLiteral("Wave (*.wav)|*.wav")), QStringLiteral("Wave (*.wav)"));
        QCOMPARE(QtPlatform::qtFilter(QStringLiteral("Pictures|*.png;*.bmp|All files|*")),
                 QStringLiteral("Pictures (*.png *.bmp);;All files (*)"));
    }

    // An open refused, of a file not there, a folder or bytes that are no
    // image, changes nothing: the next save writes what it wrote before and a
    // good file opens.
    void openRefusedChangesNothing_data()
    {
        QTest::addColumn<int>("at");   // where the file differs from a good one; -1: all zeros; -2: none written
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("name");
        QTest::newRow("magic in lower case") << 2 << QByteArray("vire") << "refused.bin";
        QTest::newRow("2,033 records") << 0 << QByteArray("\x07\xF1") << "refused.bin";
        QTest::newRow("zeros") << -1 << QByteArray() << "refused.bin";
        QTest::newRow("missing") << -2 << QByteArray() << "missing.bin";
        QTest::newRow("a folder") << -2 << QByteArray() << ".";
    }

    void openRefusedChangesNothing()
    {
        QFETCH(int, at);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, name);
        TestWindow t;
        const QString first = t.file(QStringLiteral("first.bin"),
                                     image({record("12345", "Test Testsson"), record("777", "Seven", 0x17)}, -1,
                                           {"One", "Two", "Three", "Four", "Five", "Six", "Seven"}));
        t.open(first);
        t.add(QStringLiteral("555"), QStringLiteral("Office"));
        const QByteArray fbBefore = t.w().FB().bytes();
        const QString before = t.path(QStringLiteral("before.bin"));
        t.save(before);
        QVERIFY(fbBefore != t.w().FB().bytes());   // the save did encode
        const QStringList state = t.state();
        const int files = openFiles(t.dir.path());

        const QString path = t.path(name);
        if (at > -2)
            t.file(name, at < 0 ? QByteArray(FlashImage::Size, '\0')
                                : readFile(first).replace(at, bytes.size(), bytes));
        QFile probe(path);   // why a missing file cannot be opened
        QVERIFY(at > -2 || !probe.open(QIODevice::ReadOnly));
        t.open(path);
        if (at > -2)
            QCOMPARE(t.platform.shown(), QStringList{"Aborted: Invalid file, operation aborted"});
        else if (name == QLatin1String("missing.bin"))
            QCOMPARE(t.platform.shown(), QStringList{errorBox("Could not open " + QDir::toNativeSeparators(path) + ": "
                                                              + probe.errorString())});
        else
            QVERIFY(t.errorsShown(1));
        QCOMPARE(t.state(), state);
        QCOMPARE(t.caption(), DarkRed);
        QCOMPARE(openFiles(t.dir.path()), files);

        const QString after = t.path(QStringLiteral("after.bin"));
        t.save(after);
        QCOMPARE(readFile(after), readFile(before));
        t.open(first);
        QCOMPARE(t.platform.boxes.size(), size_t(1));
        QCOMPARE(t.w().FB().bytes(), readFile(first));
        QCOMPARE(t.caption(), Black);
    }

    void openAccepted()
    {
        TestWindow t;
        // Records stored in descending order, a sample byte and sound names.
        QByteArray descending = image({record("900", "Nine", 0x93), record("50", "Fifty", 0x41),
                                       record("1234", "Long name here", 0x07)},
                                      -1, {"Ring", "Beep", "", "Chime", "Bell", "Buzz", "Sixteen chars ok"});
        descending[0x20000 + 16] = char(0xAB);
        const QString path = t.file(QStringLiteral("book.bin"), descending);

        // Before: an edit, a selected row and values in the editing controls.
        t.add(QStringLiteral("555"), QStringLiteral("Office"));
        t.clickRow(2);
        t.type(t.w().Text1(), QStringLiteral("777"));
        t.open(path);

        QVERIFY(t.platform.boxes.empty());
        QCOMPARE(t.w().FB().bytes(), descending);
        QCOMPARE(t.shown(), QStringLiteral("_HiddenNumber=0 _UnknownNumber=1 %1=18 %2=17 %3=16 | 0x0003 | #000000 | -1")
                                .arg(fixLen("1234", 16), fixLen("50", 16), fixLen("900", 16)));
        QCOMPARE(entryText(t.w().book().entry(16)), fixLen("900", 16) + "|Nine          |0x93");
        QCOMPARE(t.w().Text1()->text(), QStringLiteral("777"));
        QCOMPARE(t.w().sndName(1)->text(), fixLen("Ring", 16));
        QCOMPARE(t.w().sndName(3)->text(), fixLen("", 16));
        QCOMPARE(t.w().sndName(7)->text(), QStringLiteral("Sixteen chars ok"));
        QCOMPARE(t.w().Combo1()->itemText(1), QStringLiteral("1 Ring            "));
        QCOMPARE(t.w().Combo1()->itemText(0), QStringLiteral("No sound"));

        // Selecting a decoded entry shows it; the next Add takes count + 16.
        t.clickRow(3);
        QCOMPARE(t.editors(), fixLen("50", 16) + " | Fifty          | 1 | -x-- | 0x41");
        t.add(QStringLiteral("1"), QString());
        QCOMPARE(t.w().book().lastIndex(), qint16(19));
    }

    void openLongAndShortFiles()
    {
        TestWindow t;
        const QByteArray image = images::image({record("12345", "Test Testsson"), record("42", "Answer", 0x20)}, -1,
                                               {"a", "b", "c", "d", "e", "f", "g"});

        t.open(t.file(QStringLiteral("exact.bin"), image));
        const QStringList rows = t.rowTexts();
        const SoundNames names = t.w().soundNames();

        TestWindow u;
        u.open(u.file(QStringLiteral("long.bin"), image + QByteArray(1000000 - FlashImage::Size, char(0xFF))));
        QVERIFY(u.platform.boxes.empty());
        QCOMPARE(u.w().FB().bytes(), image);
        QCOMPARE(u.rowTexts(), rows);
        QVERIFY(u.w().soundNames() == names);

        // A short file: its bytes, then zeros, never bytes of the earlier image.
        const QByteArray other = QByteArray(2, '\0') + image.mid(2);
        u.open(u.file(QStringLiteral("short.bin"), other.left(4096)));
        QVERIFY(u.platform.boxes.empty());
        QCOMPARE(u.w().FB().bytes(), other.left(4096) + QByteArray(FlashImage::Size - 4096, '\0'));
        QCOMPARE(u.shown(), QStringLiteral("_HiddenNumber=0 _UnknownNumber=1 | 0x0000 | #000000 | -1"));
        QCOMPARE(u.w().sndName(1)->text(), QString(16, QChar(0)));
        QCOMPARE(u.w().Combo1()->itemText(1), QStringLiteral("1 ") + QString(16, QChar(0)));
    }

    void saveWritesTheWholeImage()
    {
        TestWindow t;
        const int files = openFiles(t.dir.path());
        // Right after start: the default book and zero samples; a name typed
        // without an extension is used as typed.
        const QString plain = t.path(QStringLiteral("image"));
        t.save(plain);
        QVERIFY(t.platform.boxes.empty());
        QVERIFY(!QFile::exists(plain + QStringLiteral(".bin")));
        QCOMPARE(readFile(plain), t.w().FB().bytes());
        QVERIFY(readFile(plain) == images::defaultImage());

        // Over a 1 MiB file: exactly the image; the marker stays as it was.
        t.add(QStringLiteral("555"), QStringLiteral("Office"));
        const QString big = t.file(QStringLiteral("big.bin"), QByteArray(1 << 20, char(0x55)));
        t.save(big);
        QVERIFY(t.platform.boxes.empty());
        QCOMPARE(readFile(big), t.w().FB().bytes());
        QCOMPARE(t.w().FB().at(1), 0x02);
        QCOMPARE(t.caption(), DarkRed);
        QCOMPARE(openFiles(t.dir.path()), files);
    }

    // A save that fails leaves the target as it was and no file behind: a
    // path that is a folder or in no folder; a read-only folder (root may
    // write anywhere, so only for others); a write stopped partway by the
    // file-size limit; a character the image's code page lacks, where the
    // encode fails before the file is touched (the name boxes never hold one,
    // so the book is given it).
    void saveFailures_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("fault");
        QTest::newRow("a folder") << "folder.bin" << int(NoFault);
        QTest::newRow("in no folder") << "nowhere/image.bin" << int(NoFault);
        QTest::newRow("a locked folder") << "locked/image.bin" << int(LockedFolder);
        QTest::newRow("a file-size limit") << "limited.bin" << int(SizeLimit);
        QTest::newRow("a name the image cannot spell") << "target.bin" << int(Unspellable);
    }

    void saveFailures()
    {
        QFETCH(QString, name);
        QFETCH(int, fault);
        if (fault == LockedFolder && !foldersCanBeLocked())
            QSKIP("this user writes any folder");
        if (fault == SizeLimit && !hasFileSizeLimits())
            QSKIP("this system limits no file's size");
        TestWindow t;
        QVERIFY(QDir().mkdir(t.path(QStringLiteral("folder.bin"))));
        const QString target = t.path(name), folder = QFileInfo(target).path();
        const QByteArray old =
            fault == NoFault ? QByteArray() : readFile(writeFile(target, QByteArray(1000, char(0x33))));
        const QStringList files = filesIn(folder);
        const int open = openFiles(t.dir.path());
        if (fault == Unspellable)
            t.w().book().addEntry(QStringLiteral("555"), QStringLiteral("Arrow \u2192"), 0);
        if (fault == LockedFolder)
            QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner));
        if (fault == SizeLimit)
            QVERIFY(withFileSizeLimit(200000, [&] { t.save(target); }));
        else
            t.save(target);
        if (fault == LockedFolder)
            QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QVERIFY(t.errorsShown(1));
        QCOMPARE(readFile(target), old);
        QCOMPARE(filesIn(folder), files);
        QVERIFY(QFileInfo(t.path(QStringLiteral("folder.bin"))).isDir());
        QVERIFY(!QFileInfo::exists(t.path(QStringLiteral("nowhere"))));
        QCOMPARE(openFiles(t.dir.path()), open);
        if (fault != Unspellable)
            return;

        // Once the entry is fixed the next save works.
        QCOMPARE(t.platform.shown(), QStringList{errorBox("Overflow")});
        t.clickRow(3);
        t.type(t.text2(), QStringLiteral("Arrow"));
        t.click(t.command(2));
        t.save(target);
        QCOMPARE(t.platform.boxes.size(), size_t(1));
        QCOMPARE(readFile(target), t.w().FB().bytes());
        QCOMPARE(openFiles(t.dir.path()), open);
    }

    void saveThenOpenGivesTheSameBook()
    {
        TestWindow t;
        t.add(QStringLiteral("0701234567"), QStringLiteral("Anna"));
        t.add(QStringLiteral("031"), QStringLiteral("Kontoret AB 14"));
        t.clickRow(1);
        t.w().Text2()->setText(QStringLiteral("Ok\u00e4nd"));
        QTest::mouseClick(t.w().Check1(1), Qt::LeftButton);
        QTest::mouseClick(t.w().Command2(), Qt::LeftButton);
        t.type(t.w().sndName(2), QStringLiteral("Signal"));
        t.type(t.w().sndName(5), QStringLiteral("Sixteen letters!"));
        const QString path = t.path(QStringLiteral("round.bin"));
        t.save(path);

        // Forget it all, then open the file again.
        QTest::mouseClick(t.w().Command4(), Qt::LeftButton);
        t.type(t.w().sndName(2), QStringLiteral("Other"));
        t.open(path);
        QVERIFY(t.platform.boxes.empty());
        QCOMPARE(t.rowTexts(), (QStringList{"_HiddenNumber", "_UnknownNumber", fixLen("031", 16),
                                            fixLen("0701234567", 16), fixLen("12345", 16)}));
        const PhoneBook &book = t.w().book();
        QCOMPARE(entryText(book.entry(1)), QStringLiteral("_UnknownNumber|Ok\u00e4nd         |0x40"));
        QCOMPARE(book.entry(book.itemData(2)).name, QStringLiteral("Kontoret AB 14"));
        QCOMPARE(book.entry(book.itemData(3)).name, fixLen("Anna", 14));
        QCOMPARE(t.w().sndName(2)->text(), fixLen("Signal", 16));
        QCOMPARE(t.w().sndName(5)->text(), QStringLiteral("Sixteen letters!"));
        QCOMPARE(t.w().sndName(1)->text(), fixLen("(empty)", 16));

        // An opened image saved unchanged is the same file, byte for byte, odd
        // bytes in the sound names and samples included.
        QByteArray odd = readFile(path);
        odd.replace(0x30000, 16, QByteArray("\x00\x0a\x81\x90\xff name\x00\x00\x00\x00\x00\x00", 16));
        odd[0x30010] = char(0x7F);
        odd[0x7FFFF] = char(0x01);
        odd.replace(60000, 5, "tail!");   // after the last record
        t.open(t.file(QStringLiteral("odd.bin"), odd));
        const QString again = t.path(QStringLiteral("again.bin"));
        t.save(again);
        QVERIFY(t.platform.boxes.empty());
        QCOMPARE(readFile(again), odd);
    }
};

QTEST_MAIN(TestImageFiles)
#include "test_ui_imagefiles.moc"
