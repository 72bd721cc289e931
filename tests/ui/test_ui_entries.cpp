// The entry commands: showing an entry, composing its flags, Add, Update,
// Remove and Reset, driven through the real widgets.
#include "tests/common/TestWindow.h"

class TestEntryCommands : public QObject
{
    Q_OBJECT

private slots:
    void flagComposition()
    {
        TestWindow t;
        // Boxes clicked, then a sound chosen, and the boxes and flags shown.
        const struct { QList<int> boxes; int sound; const char *shown; } steps[] = {
            {{0}, 0, "x--- | 0x80"}, {{3}, 3, "x--x | 0x93"}, {{1, 2}, 7, "xxxx | 0xF7"}, {{0}, 5, "-xxx | 0x75"}};
        for (const auto &s : steps) {
            for (int i : s.boxes)
                t.click(t.check(i));
            t.chooseSound(s.sound);
            QCOMPARE(t.editors(), QStringLiteral(" |  | %1 | %2").arg(s.sound).arg(QLatin1String(s.shown)));
        }
        // A greyed box counts as set; changes made by code recompose too.
        t.check(0)->setCheckState(Qt::PartiallyChecked);
        QCOMPARE(t.label(12)->text(), QStringLiteral("0xF5"));
        t.combo()->setCurrentIndex(0);
        for (int i = 0; i < 4; ++i)
            t.check(i)->setChecked(false);
        QCOMPARE(t.label(12)->text(), QStringLiteral("0x00"));
        // Composing flags changes neither the book nor the marker.
        QCOMPARE(t.caption(), Black);
        QCOMPARE(t.w().book().entry(15).flags, quint8(0));
    }

    void showingEntries()
    {
        TestWindow t;
        PhoneBook &book = t.w().book();
        t.clickRow(0);
        QCOMPARE(t.w().selectedRow(), 0);
        QCOMPARE(t.editors(), QStringLiteral("[_HiddenNumber] | Dolt nummer | 0 | ---- | 0x00"));

        // Stored flags 0x93: sound 3, "Sbit 1" and "Sbit 4".
        QVERIFY(book.updateEntry(2, QStringLiteral("12345"), QStringLiteral("Test Testsson"), 0x93));
        book.markNumbers(false);
        t.clickRow(2);
        QCOMPARE(t.editors(), QStringLiteral("12345 | Test Testsson | 3 | x--x | 0x93"));

        // The keyboard moves the selection and shows the entry too.
        t.list()->setFocus();
        QTest::keyClick(t.list(), Qt::Key_Up);
        QCOMPARE(t.editors(), QStringLiteral("[_UnknownNumber] | Ok\u00e4nt nummer | 0 | ---- | 0x00"));

        // Bit 3 is never shown: 0x08 shows as sound 0 with no box checked,
        // and updating the entry stores 0x00.
        QVERIFY(book.updateEntry(2, QStringLiteral("12345"), QStringLiteral("Test Testsson"), 0x08));
        t.clickRow(2);
        QCOMPARE(t.editors(), QStringLiteral("12345 | Test Testsson | 0 | ---- | 0x00"));
        t.click(t.command(2));
        QCOMPARE(book.entry(15).flags, quint8(0x00));

        // Clicking the selected row again shows its stored values over unsaved edits.
        t.type(t.text2(), QStringLiteral("Scratch"));
        t.click(t.check(2));
        t.clickRow(2);
        QCOMPARE(t.editors(), QStringLiteral("12345 | Test Testsson | 0 | ---- | 0x00"));
    }

    // Commands refused, with a beep or silently: the book, its displays and
    // the selection stay as they were.
    void refusedCommands_data()
    {
        QTest::addColumn<QStringList>("added");
        QTest::addColumn<int>("row");   // -1: none selected
        QTest::addColumn<QString>("number");
        QTest::addColumn<int>("command");
        QTest::addColumn<int>("beeps");
        const QStringList three{"1", "2", "3"};
        QTest::newRow("add an empty number") << QStringList() << -1 << "" << 1 << 1;
        // A special entry's label in the disabled number box.
        QTest::newRow("add a special label") << QStringList() << 1 << "" << 1 << 1;
        QTest::newRow("update without a row") << QStringList() << -1 << "42" << 2 << 0;
        QTest::newRow("remove the last user entry") << QStringList() << 2 << "" << 3 << 1;
        QTest::newRow("remove without a row") << three << -1 << "" << 3 << 1;
        QTest::newRow("remove the hidden number") << three << 0 << "" << 3 << 1;
        QTest::newRow("remove the unknown number") << three << 1 << "" << 3 << 1;
    }

    void refusedCommands()
    {
        QFETCH(QStringList, added);
        QFETCH(int, row);
        QFETCH(QString, number);
        QFETCH(int, command);
        QFETCH(int, beeps);
        TestWindow t;
        for (const QString &n : added)
            t.add(n, QString());
        if (row >= 0)
            t.clickRow(row);
        if (!number.isEmpty())
            t.type(t.text1(), number);
        const QStringList before = t.state();
        t.click(t.command(command));
        QCOMPARE(t.platform.beeps, beeps);
        QCOMPARE(t.state(), before);
        QCOMPARE(t.w().selectedRow(), row);
    }

    void addEntries()
    {
        TestWindow t;
        PhoneBook &book = t.w().book();
        t.click(t.check(2));
        t.chooseSound(1);
        t.add(QStringLiteral("555"), QStringLiteral("Office"));
        QCOMPARE(book.lastIndex(), qint16(16));
        QCOMPARE(entryText(book.entry(16)), QStringLiteral("555|Office|0x21"));
        // Add neither selects nor clears.
        QCOMPARE(t.shown(), QStringLiteral("_HiddenNumber=0 _UnknownNumber=1 12345=15 555=16 | 0x0002 | #800000 | -1"));
        QCOMPARE(t.editors(), QStringLiteral("555 | Office | 1 | --x- | 0x21"));

        // Rows land in text order; the same number may be added twice.
        for (const char *n : {"300", "1000", "20", "555"})
            t.add(QLatin1String(n), QStringLiteral("Office"));
        QCOMPARE(t.shown(), QStringLiteral("_HiddenNumber=0 _UnknownNumber=1 1000=18 12345=15 20=19 300=17 555=16 "
                                           "555=20 | 0x0006 | #800000 | -1"));
        QCOMPARE(book.lastIndex(), qint16(20));

        // The flags come from the display as it reads.
        t.label(12)->setText(QStringLiteral("0xA7"));
        t.add(QStringLiteral("7"), QStringLiteral("Office"));
        QCOMPARE(book.entry(21).flags, quint8(0xA7));
        QCOMPARE(t.platform.beeps, 0);
    }

    void updateEntries()
    {
        TestWindow t;
        PhoneBook &book = t.w().book();
        t.add(QStringLiteral("555"), QString());
        book.markNumbers(false);

        // A changed number replaces the row text in place, out of order.
        t.clickRow(2);
        t.type(t.text1(), QStringLiteral("9"));
        t.type(t.text2(), QStringLiteral("Nine"));
        t.click(t.check(0));
        t.click(t.command(2));
        QCOMPARE(t.shown(), QStringLiteral("_HiddenNumber=0 _UnknownNumber=1 9=15 555=16 | 0x0002 | #800000 | 2"));
        QCOMPARE(entryText(book.entry(15)), QStringLiteral("9|Nine|0x80"));

        // The unknown-number entry: only its name and flags change.
        book.markNumbers(false);
        t.clickRow(1);
        t.type(t.text2(), QStringLiteral("Office"));
        t.click(t.check(1));
        QCOMPARE(t.editors(), QStringLiteral("[_UnknownNumber] | Office | 0 | -x-- | 0x40"));
        t.click(t.command(2));
        QCOMPARE(entryText(book.entry(1)), QStringLiteral("_UnknownNumber|Office|0x40"));
        QCOMPARE(t.shown(), QStringLiteral("_HiddenNumber=0 _UnknownNumber=1 9=15 555=16 | 0x0002 | #800000 | 1"));

        // An empty number is stored as it is.
        t.clickRow(3);
        t.type(t.text1(), QString());
        t.click(t.command(2));
        QCOMPARE(book.entry(16).number, QString());
        QCOMPARE(t.rowTexts().at(3), QString());
        QCOMPARE(t.platform.beeps, 0);
    }

    void removeEntries()
    {
        TestWindow t;
        PhoneBook &book = t.w().book();
        for (const char *n : {"1", "2", "3"})
            t.add(QLatin1String(n), QString());
        QCOMPARE(t.shown(),
                 QStringLiteral("_HiddenNumber=0 _UnknownNumber=1 1=16 12345=15 2=17 3=18 | 0x0004 | #800000 | -1"));

        // A row between two others goes; no neighbour gets selected and the
        // editing controls keep the removed entry. The caption stays as the
        // Adds left it.
        t.clickRow(3);
        t.click(t.command(3));
        QCOMPARE(t.platform.beeps, 0);
        QCOMPARE(t.shown(), QStringLiteral("_HiddenNumber=0 _UnknownNumber=1 1=16 2=17 3=18 | 0x0003 | #800000 | -1"));
        QVERIFY(t.list()->selectionModel()->selectedIndexes().isEmpty());
        QCOMPARE(t.editors(), QStringLiteral("12345 | Test Testsson | 0 | ---- | 0x00"));
        QCOMPARE(book.entry(15).number, QStringLiteral("12345"));   // the slot stays
        // Update now does nothing.
        t.click(t.command(2));
        QCOMPARE(t.rowTexts().at(3), QStringLiteral("2"));

        // The first and the last user rows, with the list's focus on them.
        t.list()->setFocus();
        for (const auto &[row, number] : {std::pair(2, "1"), std::pair(3, "3")}) {
            t.clickRow(row);
            t.click(t.command(3));
            QCOMPARE(t.w().selectedRow(), -1);
            QCOMPARE(t.text1()->text(), QLatin1String(number));
        }
        QCOMPARE(t.rowTexts(), (QStringList{"_HiddenNumber", "_UnknownNumber", "2"}));

        // A removed entry's index is never handed out again.
        book.markNumbers(false);
        t.type(t.text1(), QStringLiteral("77"));
        t.click(t.command(1));
        QCOMPARE(book.lastIndex(), qint16(19));
        QCOMPARE(rowIndices(book).last(), 19);
    }

    void resetBook()
    {
        TestWindow t;
        t.w().FB().set(0x10020, 0x5A);
        t.type(t.sndName(2), QStringLiteral("Ring"));
        t.click(t.check(3));
        t.add(QStringLiteral("555"), QString());
        t.clickRow(2);
        t.type(t.text2(), QStringLiteral("Changed"));
        t.click(t.command(2));
        QCOMPARE(t.caption(), DarkRed);

        t.click(t.command(4));
        QCOMPARE(t.shown(), QStringLiteral("_HiddenNumber=0 _UnknownNumber=1 12345=15 | 0x0001 | #000000 | 0"));
        QCOMPARE(t.w().book().entry(15).name, QStringLiteral("Test Testsson"));
        QCOMPARE(t.w().book().lastIndex(), qint16(15));
        QCOMPARE(t.editors(), QStringLiteral("[_HiddenNumber] | Dolt nummer | 0 | ---- | 0x00"));
        QCOMPARE(t.platform.beeps, 0);
        QVERIFY(t.platform.boxes.empty());
        // Neither the image nor the sound names are touched.
        QCOMPARE(t.w().FB().at(0x10020), 0x5A);
        QCOMPARE(t.sndName(2)->text(), QStringLiteral("Ring"));

        // A second reset selects row 0 again and shows it again.
        t.clickRow(2);
        t.click(t.command(4));
        QCOMPARE(t.w().selectedRow(), 0);
        QCOMPARE(t.text1()->text(), QStringLiteral("_HiddenNumber"));
    }
};

QTEST_MAIN(TestEntryCommands)
#include "test_ui_entries.moc"
