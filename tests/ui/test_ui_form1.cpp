// The main window and entry editing, driven through the real widgets.
#include "TestWindow.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QStyleFactory>
#include <QTest>

#include <algorithm>
#include <memory>

namespace {

using Window = TestWindow;

const QColor Black(0, 0, 0);
const QColor DarkRed(128, 0, 0);

} // namespace

class TestForm1 : public QObject
{
    Q_OBJECT

private slots:
    void stateAfterStart();
    void geometryAndLook();
    void keyboardOrder();
    void menuAndInertControls();
    void flagComposition();
    void showingEntries();
    void addEntries();
    void updateEntries();
    void removeEntries();
    void resetBook();
    void numberKeyFilter();
    void soundNamesRenameSelectorItems();
    void markerIsVisibleOnScreen();
    void pictureButtonsAreNamed();
    void listRowsAndPopups();
};

void TestForm1::stateAfterStart()
{
    Window t;
    QCOMPARE(t.w().windowTitle(), QStringLiteral("VIRE Flash editor"));
    QVERIFY(!t.w().windowIcon().isNull());
    QCOMPARE(t.rowTexts(), (QStringList{"_HiddenNumber", "_UnknownNumber", "12345"}));
    QCOMPARE(t.rowData(), (QList<int>{0, 1, 15}));
    QCOMPARE(t.list()->model()->rowCount(), 3);
    QCOMPARE(t.w().selectedRow(), -1);
    QVERIFY(t.list()->selectionModel()->selectedIndexes().isEmpty());
    QCOMPARE(t.label(12)->text(), QStringLiteral("0x00"));
    QCOMPARE(t.label(11)->text(), QStringLiteral("0x0001"));
    QCOMPARE(t.caption(), Black);
    QCOMPARE(t.combo()->currentIndex(), 0);
    QCOMPARE(t.combo()->currentText(), QStringLiteral("No sound"));
    QVERIFY(!t.combo()->isEditable());
    for (int i = 0; i < 4; ++i)
        QCOMPARE(t.check(i)->checkState(), Qt::Unchecked);
    QVERIFY(t.text1()->text().isEmpty());
    QVERIFY(t.text1()->isEnabled());
    QVERIFY(t.text2()->text().isEmpty());
    for (int k = 1; k <= 7; ++k)
        QCOMPARE(t.sndName(k)->text(), QStringLiteral("(empty)"));
    QCOMPARE(t.w().focusWidget(), t.control<QWidget>(QStringLiteral("sndOpen(1)")));
    QCOMPARE(t.w().book().lastIndex(), qint16(15));
    QCOMPARE(t.w().FB().bytes(), QByteArray(FlashImage::Size, '\0'));
    QCOMPARE(t.platform.beeps, 0);
}

void TestForm1::geometryAndLook()
{
    Window t;
    if (t.w().screen()->logicalDotsPerInch() != 96.0)
        QSKIP("the pixel values below are those of a 96 DPI screen");
    QWidget *client = t.w().centralWidget();
    QCOMPARE(client->size(), QSize(505, 329));
    QCOMPARE(client->y(), t.w().menuBar()->height());
    QCOMPARE(t.w().minimumSize(), t.w().maximumSize());

    auto geometry = [&](const char *name) { return t.control<QWidget>(QLatin1String(name))->geometry(); };
    QCOMPARE(geometry("Frame2"), QRect(8, 8, 489, 185));
    QCOMPARE(geometry("Frame1"), QRect(8, 200, 489, 121));
    QCOMPARE(geometry("List1"), QRect(16, 24, 137, 147));
    QCOMPARE(geometry("Text1"), QRect(224, 40, 161, 19));
    QCOMPARE(geometry("Combo1"), QRect(224, 88, 161, 21));
    QCOMPARE(geometry("Check1(2)"), QRect(408, 72, 57, 17));
    QCOMPARE(geometry("Command4"), QRect(264, 152, 65, 17));
    QCOMPARE(geometry("Label12"), QRect(440, 160, 41, 17));
    QCOMPARE(geometry("sndName(4)"), QRect(24, 88, 113, 19));
    QCOMPARE(geometry("sndOpen(5)"), QRect(392, 16, 25, 19));
    QCOMPARE(geometry("sndPlay(7)"), QRect(456, 64, 25, 19));
    QCOMPARE(geometry("Label5"), QRect(256, 16, 17, 17));
    QCOMPARE(t.control<QWidget>(QStringLiteral("List1"))->parentWidget()->objectName(), QStringLiteral("Frame2"));
    QCOMPARE(t.control<QWidget>(QStringLiteral("sndOpen(5)"))->parentWidget()->objectName(), QStringLiteral("Frame1"));

    // Centred on the screen (the frame, so within its margins).
    const QPoint offset = t.w().frameGeometry().center() - t.w().screen()->availableGeometry().center();
    QVERIFY(offset.manhattanLength() <= 4);

    // The two displays: fixed pitch 9 pt, dark grey on the window background.
    // Fixed pitch as drawn: a face may leave its fixed-pitch flag unset.
    for (int n : {11, 12}) {
        QLabel *display = t.label(n);
        const QFontMetricsF metrics(display->font());
        QCOMPARE(metrics.horizontalAdvance(QLatin1Char('i')), metrics.horizontalAdvance(QLatin1Char('W')));
        QCOMPARE(display->font().pointSize(), 9);
        QCOMPARE(display->palette().color(QPalette::WindowText), QColor(64, 64, 64));
        QCOMPARE(display->palette().color(QPalette::Window), display->palette().color(QPalette::Base));
        QVERIFY(display->autoFillBackground());
    }
    // Every caption fits its fixed place.
    for (const char *name : {"Label8", "Label9", "Label10"}) {
        QLabel *l = t.control<QLabel>(QLatin1String(name));
        QVERIFY2(l->fontMetrics().horizontalAdvance(l->text()) <= l->width(), name);
    }
}

void TestForm1::keyboardOrder()
{
    Window t;
    t.w().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&t.w()));
    QStringList expected;
    for (int k = 1; k <= 7; ++k)
        expected << QStringLiteral("sndOpen(%1)").arg(k) << QStringLiteral("sndName(%1)").arg(k);
    expected << "List1" << "Text1" << "Text2" << "Combo1" << "Check1(0)" << "Check1(1)"
             << "Check1(2)" << "Check1(3)" << "Command1" << "Command2" << "Command3" << "Command4"
             << "sndOpen(1)";
    QStringList visited{QApplication::focusWidget()->objectName()};
    for (int i = 1; i < expected.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(visited, expected);
    // Labels, frames and the inert picture buttons take no focus.
    for (const char *name : {"Label8", "Label11", "Frame1", "Frame2", "sndSave(1)", "sndPlay(7)"})
        QVERIFY2(!t.control<QWidget>(QLatin1String(name))->isEnabled()
                     || t.control<QWidget>(QLatin1String(name))->focusPolicy() == Qt::NoFocus,
                 name);
}

void TestForm1::menuAndInertControls()
{
    Window t;
    // Exit, the serial entries and the save and play buttons change nothing.
    t.clickRow(2);
    const QString before = t.text1()->text();
    t.w().menExit()->trigger();
    t.w().menReadAll()->trigger();
    t.w().menWriteAll()->trigger();
    for (int k = 1; k <= 7; ++k) {
        t.click(t.control<QPushButton>(QStringLiteral("sndSave(%1)").arg(k)));
        t.click(t.control<QPushButton>(QStringLiteral("sndPlay(%1)").arg(k)));
    }
    QVERIFY(t.w().isVisible());
    QCOMPARE(t.text1()->text(), before);
    QCOMPARE(t.rowTexts().size(), 3);
    QCOMPARE(t.caption(), Black);
    QVERIFY(t.platform.dialogs.empty());
    QVERIFY(t.platform.boxes.empty());
    QCOMPARE(t.platform.beeps, 0);

    // Ctrl+O and Ctrl+S start the file commands.
    t.w().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&t.w()));
    QTest::keyClick(&t.w(), Qt::Key_O, Qt::ControlModifier);
    QTest::keyClick(&t.w(), Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(t.platform.dialogs.size(), size_t(2));
    QCOMPARE(t.platform.dialogs[0].kind, Platform::FileDialogKind::Open);
    QCOMPARE(t.platform.dialogs[1].kind, Platform::FileDialogKind::Save);
    QVERIFY(t.platform.boxes.empty());
}

void TestForm1::flagComposition()
{
    Window t;
    t.click(t.check(0));
    QCOMPARE(t.label(12)->text(), QStringLiteral("0x80"));
    t.click(t.check(3));
    t.chooseSound(3);
    QCOMPARE(t.combo()->currentIndex(), 3);
    QCOMPARE(t.label(12)->text(), QStringLiteral("0x93"));
    t.click(t.check(1));
    t.click(t.check(2));
    t.chooseSound(7);
    QCOMPARE(t.label(12)->text(), QStringLiteral("0xF7"));
    t.click(t.check(0));
    t.chooseSound(5);
    QCOMPARE(t.label(12)->text(), QStringLiteral("0x75"));
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

void TestForm1::showingEntries()
{
    Window t;
    PhoneBook &book = t.w().book();
    t.clickRow(0);
    QCOMPARE(t.w().selectedRow(), 0);
    QCOMPARE(t.text1()->text(), QStringLiteral("_HiddenNumber"));
    QVERIFY(!t.text1()->isEnabled());
    QCOMPARE(t.text2()->text(), QStringLiteral("Dolt nummer"));

    // Stored flags 0x93: sound 3, "Sbit 1" and "Sbit 4".
    QVERIFY(book.updateEntry(2, QStringLiteral("12345"), QStringLiteral("Test Testsson"), 0x93));
    book.markNumbers(false);
    t.clickRow(2);
    QVERIFY(t.text1()->isEnabled());
    QCOMPARE(t.text1()->text(), QStringLiteral("12345"));
    QCOMPARE(t.text2()->text(), QStringLiteral("Test Testsson"));
    QCOMPARE(t.combo()->currentIndex(), 3);
    QCOMPARE(t.check(0)->checkState(), Qt::Checked);
    QCOMPARE(t.check(1)->checkState(), Qt::Unchecked);
    QCOMPARE(t.check(2)->checkState(), Qt::Unchecked);
    QCOMPARE(t.check(3)->checkState(), Qt::Checked);
    QCOMPARE(t.label(12)->text(), QStringLiteral("0x93"));

    // The keyboard moves the selection and shows the entry too.
    t.list()->setFocus();
    QTest::keyClick(t.list(), Qt::Key_Up);
    QCOMPARE(t.text1()->text(), QStringLiteral("_UnknownNumber"));
    QVERIFY(!t.text1()->isEnabled());
    QCOMPARE(t.combo()->currentIndex(), 0);
    QCOMPARE(t.label(12)->text(), QStringLiteral("0x00"));

    // Bit 3 is never shown: 0x08 shows as sound 0 with no box checked,
    // and updating the entry stores 0x00.
    QVERIFY(book.updateEntry(2, QStringLiteral("12345"), QStringLiteral("Test Testsson"), 0x08));
    t.clickRow(2);
    QCOMPARE(t.combo()->currentIndex(), 0);
    for (int i = 0; i < 4; ++i)
        QCOMPARE(t.check(i)->checkState(), Qt::Unchecked);
    QCOMPARE(t.label(12)->text(), QStringLiteral("0x00"));
    t.click(t.command(2));
    QCOMPARE(book.entry(15).flags, quint8(0x00));

    // Clicking the selected row again shows its stored values over unsaved edits.
    t.type(t.text2(), QStringLiteral("Scratch"));
    t.click(t.check(2));
    t.clickRow(2);
    QCOMPARE(t.text2()->text(), QStringLiteral("Test Testsson"));
    QCOMPARE(t.check(2)->checkState(), Qt::Unchecked);
    QCOMPARE(t.label(12)->text(), QStringLiteral("0x00"));
}

void TestForm1::addEntries()
{
    Window t;
    PhoneBook &book = t.w().book();

    // An empty number only beeps.
    t.click(t.command(1));
    QCOMPARE(t.platform.beeps, 1);
    QCOMPARE(book.lastIndex(), qint16(15));
    QCOMPARE(book.table().size(), 17);
    QCOMPARE(t.rowTexts().size(), 3);
    QCOMPARE(t.caption(), Black);

    t.type(t.text1(), QStringLiteral("555"));
    t.type(t.text2(), QStringLiteral("Office"));
    t.click(t.check(2));
    t.chooseSound(1);
    QCOMPARE(t.label(12)->text(), QStringLiteral("0x21"));
    t.click(t.command(1));
    QCOMPARE(t.platform.beeps, 1);
    QCOMPARE(book.lastIndex(), qint16(16));
    QCOMPARE(book.entry(16).number, QStringLiteral("555"));
    QCOMPARE(book.entry(16).name, QStringLiteral("Office"));
    QCOMPARE(book.entry(16).flags, quint8(0x21));
    QCOMPARE(t.rowTexts(), (QStringList{"_HiddenNumber", "_UnknownNumber", "12345", "555"}));
    QCOMPARE(t.rowData().last(), 16);
    QCOMPARE(t.label(11)->text(), QStringLiteral("0x0002"));
    QCOMPARE(t.caption(), DarkRed);
    // Add neither selects nor clears.
    QCOMPARE(t.w().selectedRow(), -1);
    QCOMPARE(t.text1()->text(), QStringLiteral("555"));
    QCOMPARE(t.label(12)->text(), QStringLiteral("0x21"));

    // Rows land in text order; the same number may be added twice.
    for (const char *n : {"300", "1000", "20", "555"}) {
        t.type(t.text1(), QLatin1String(n));
        t.click(t.command(1));
    }
    QCOMPARE(t.rowTexts(), (QStringList{"_HiddenNumber", "_UnknownNumber", "1000", "12345", "20",
                                        "300", "555", "555"}));
    QCOMPARE(book.lastIndex(), qint16(20));
    QCOMPARE(t.label(11)->text(), QStringLiteral("0x0006"));

    // The flags come from the display as it reads.
    t.label(12)->setText(QStringLiteral("0xA7"));
    t.type(t.text1(), QStringLiteral("7"));
    t.click(t.command(1));
    QCOMPARE(book.entry(21).flags, quint8(0xA7));

    // A special entry's label in the disabled number box is refused.
    const int beeps = t.platform.beeps;
    t.clickRow(1);
    t.click(t.command(1));
    QCOMPARE(t.platform.beeps, beeps + 1);
    QCOMPARE(book.lastIndex(), qint16(21));
    QCOMPARE(t.rowData().mid(0, 2), (QList<int>{0, 1}));

}

void TestForm1::updateEntries()
{
    Window t;
    PhoneBook &book = t.w().book();

    // Without a selected row Update does nothing, silently.
    t.type(t.text1(), QStringLiteral("42"));
    t.click(t.command(2));
    QCOMPARE(t.platform.beeps, 0);
    QCOMPARE(t.caption(), Black);
    QCOMPARE(t.rowTexts().last(), QStringLiteral("12345"));

    t.type(t.text1(), QStringLiteral("555"));
    t.click(t.command(1));
    book.markNumbers(false);

    // A changed number replaces the row text in place, out of order.
    t.clickRow(2);
    t.type(t.text1(), QStringLiteral("9"));
    t.type(t.text2(), QStringLiteral("Nine"));
    t.click(t.check(0));
    t.click(t.command(2));
    QCOMPARE(t.rowTexts(), (QStringList{"_HiddenNumber", "_UnknownNumber", "9", "555"}));
    QCOMPARE(t.rowData(), (QList<int>{0, 1, 15, 16}));
    QCOMPARE(book.entry(15).number, QStringLiteral("9"));
    QCOMPARE(book.entry(15).name, QStringLiteral("Nine"));
    QCOMPARE(book.entry(15).flags, quint8(0x80));
    QCOMPARE(t.w().selectedRow(), 2);
    QCOMPARE(t.caption(), DarkRed);
    QCOMPARE(t.label(11)->text(), QStringLiteral("0x0002"));

    // The unknown-number entry: only its name and flags change.
    book.markNumbers(false);
    t.clickRow(1);
    t.type(t.text2(), QStringLiteral("Office"));
    QCOMPARE(t.check(0)->checkState(), Qt::Unchecked);
    t.click(t.check(1));
    QCOMPARE(t.label(12)->text(), QStringLiteral("0x40"));
    t.click(t.command(2));
    QCOMPARE(book.entry(1).name, QStringLiteral("Office"));
    QCOMPARE(book.entry(1).flags, quint8(0x40));
    QCOMPARE(book.entry(1).number, QStringLiteral("_UnknownNumber"));
    QCOMPARE(t.rowTexts().at(1), QStringLiteral("_UnknownNumber"));
    QCOMPARE(t.caption(), DarkRed);

    // An empty number is stored as it is.
    t.clickRow(3);
    t.type(t.text1(), QString());
    t.click(t.command(2));
    QCOMPARE(book.entry(16).number, QString());
    QCOMPARE(t.rowTexts().at(3), QString());
    QCOMPARE(t.platform.beeps, 0);
}

void TestForm1::removeEntries()
{
    Window t;
    PhoneBook &book = t.w().book();

    {
        // The last user entry stays.
        Window fresh;
        fresh.clickRow(2);
        fresh.click(fresh.command(3));
        QCOMPARE(fresh.platform.beeps, 1);
        QCOMPARE(fresh.rowTexts().size(), 3);
        QCOMPARE(fresh.w().selectedRow(), 2);
    }

    for (const char *n : {"1", "2", "3"}) {
        t.type(t.text1(), QLatin1String(n));
        t.click(t.command(1));
    }
    QCOMPARE(t.rowTexts(), (QStringList{"_HiddenNumber", "_UnknownNumber", "1", "12345", "2", "3"}));
    QCOMPARE(t.label(11)->text(), QStringLiteral("0x0004"));

    // No row selected, or a special entry shown: beep.
    t.click(t.command(3));
    QCOMPARE(t.platform.beeps, 1);
    t.clickRow(0);
    t.click(t.command(3));
    t.clickRow(1);
    t.click(t.command(3));
    QCOMPARE(t.platform.beeps, 3);
    QCOMPARE(t.rowTexts().size(), 6);
    QCOMPARE(t.w().selectedRow(), 1);

    // A row between two others goes; no neighbour gets selected and the
    // editing controls keep the removed entry.
    t.clickRow(3);
    t.click(t.command(3));
    QCOMPARE(t.platform.beeps, 3);
    QCOMPARE(t.rowTexts(), (QStringList{"_HiddenNumber", "_UnknownNumber", "1", "2", "3"}));
    QCOMPARE(t.w().selectedRow(), -1);
    QVERIFY(t.list()->selectionModel()->selectedIndexes().isEmpty());
    QCOMPARE(t.text1()->text(), QStringLiteral("12345"));
    QCOMPARE(t.text2()->text(), QStringLiteral("Test Testsson"));
    QCOMPARE(t.label(11)->text(), QStringLiteral("0x0003"));
    QCOMPARE(t.caption(), DarkRed);   // as the Adds left it
    QCOMPARE(book.entry(15).number, QStringLiteral("12345"));   // the slot stays
    // Update now does nothing.
    t.click(t.command(2));
    QCOMPARE(t.rowTexts().at(3), QStringLiteral("2"));

    // The first and the last user rows, with the list's focus on them.
    t.list()->setFocus();
    t.clickRow(2);
    t.click(t.command(3));
    QCOMPARE(t.w().selectedRow(), -1);
    QCOMPARE(t.text1()->text(), QStringLiteral("1"));
    t.clickRow(3);
    t.click(t.command(3));
    QCOMPARE(t.w().selectedRow(), -1);
    QCOMPARE(t.text1()->text(), QStringLiteral("3"));
    QCOMPARE(t.rowTexts(), (QStringList{"_HiddenNumber", "_UnknownNumber", "2"}));

    // A removed entry's index is never handed out again.
    book.markNumbers(false);
    t.type(t.text1(), QStringLiteral("77"));
    t.click(t.command(1));
    QCOMPARE(book.lastIndex(), qint16(19));
    QCOMPARE(t.rowData().last(), 19);
}

void TestForm1::resetBook()
{
    Window t;
    t.w().FB().set(0x10020, 0x5A);
    t.type(t.sndName(2), QStringLiteral("Ring"));
    t.type(t.text1(), QStringLiteral("555"));
    t.click(t.check(3));
    t.click(t.command(1));
    t.clickRow(2);
    t.type(t.text2(), QStringLiteral("Changed"));
    t.click(t.command(2));
    QCOMPARE(t.caption(), DarkRed);

    t.click(t.command(4));
    QCOMPARE(t.rowTexts(), (QStringList{"_HiddenNumber", "_UnknownNumber", "12345"}));
    QCOMPARE(t.rowData(), (QList<int>{0, 1, 15}));
    QCOMPARE(t.w().book().entry(15).name, QStringLiteral("Test Testsson"));
    QCOMPARE(t.w().book().lastIndex(), qint16(15));
    QCOMPARE(t.w().selectedRow(), 0);
    QCOMPARE(t.text1()->text(), QStringLiteral("_HiddenNumber"));
    QVERIFY(!t.text1()->isEnabled());
    QCOMPARE(t.text2()->text(), QStringLiteral("Dolt nummer"));
    QCOMPARE(t.combo()->currentIndex(), 0);
    for (int i = 0; i < 4; ++i)
        QCOMPARE(t.check(i)->checkState(), Qt::Unchecked);
    QCOMPARE(t.label(12)->text(), QStringLiteral("0x00"));
    QCOMPARE(t.label(11)->text(), QStringLiteral("0x0001"));
    QCOMPARE(t.caption(), Black);
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

void TestForm1::numberKeyFilter()
{
    Window t;
    QLineEdit *number = t.text1();
    number->setFocus();
    QTest::keyClicks(number, QStringLiteral("a- .+#*"));
    QCOMPARE(number->text(), QString());
    QTest::keyClicks(number, QStringLiteral("0x9"));
    QCOMPARE(number->text(), QStringLiteral("09"));
    QTest::keyClick(number, Qt::Key_Backspace);
    QCOMPARE(number->text(), QStringLiteral("0"));
    QTest::keyClick(number, Qt::Key_Home);
    QTest::keyClick(number, Qt::Key_Delete);
    QCOMPARE(number->text(), QString());

    // The 17th digit is refused.
    QTest::keyClicks(number, QStringLiteral("12345678901234567"));
    QCOMPARE(number->text(), QStringLiteral("1234567890123456"));

    // A paste passes the filter as typing would; clipboard shortcuts pass it.
    QTest::keyClick(number, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(number, Qt::Key_C, Qt::ControlModifier);
    QTest::keyClick(number, Qt::Key_Backspace);
    QCOMPARE(number->text(), QString());
    QApplication::clipboard()->setText(QStringLiteral("+46 8-12"));
    QTest::keyClick(number, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(number->text(), QStringLiteral("46812"));

    // Characters from an input method are filtered like keys.
    number->clear();
    QInputMethodEvent composed;
    composed.setCommitString(QStringLiteral("1a2\u0663"));
    QApplication::sendEvent(number, &composed);
    QCOMPARE(number->text(), QStringLiteral("12"));
    composed.setCommitString(QStringLiteral("3\u00AD4\u200B"));
    QApplication::sendEvent(number, &composed);
    QCOMPARE(number->text(), QStringLiteral("1234"));

    // Only codes 0 to 31 and the digits are typed: not a letter, a soft
    // hyphen, a zero-width space or a surrogate pair.
    number->clear();
    auto press = [number](Qt::Key key, const QString &text, Qt::KeyboardModifiers mods = {}) {
        QTest::sendKeyEvent(QTest::Click, number, key, text, mods);
    };
    press(Qt::Key_A, QStringLiteral("a"));
    press(Qt::Key_Eacute, QStringLiteral("\u00E9"));
    press(Qt::Key_hyphen, QStringLiteral("\u00AD"));
    press(Qt::Key_unknown, QStringLiteral("\u200B"));
    press(Qt::Key_unknown, QStringLiteral("\U0001F600"));
    press(Qt::Key_7, QStringLiteral("7"));
    press(Qt::Key_8, QStringLiteral("8"));
    QCOMPARE(number->text(), QStringLiteral("78"));
    // A chord is a command: what text the platform gives it is not typed.
    press(Qt::Key_2, QStringLiteral("\u200C"), Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(number->text(), QStringLiteral("78"));
    // Keys that type nothing work whatever text comes with them (X11 gives
    // Delete the code 127).
    press(Qt::Key_Backspace, QStringLiteral("\b"));
    press(Qt::Key_Home, QString());
    press(Qt::Key_Delete, QStringLiteral("\x7f"));
    QCOMPARE(number->text(), QString());

    // The name box takes any character, up to 14.
    t.text2()->setFocus();
    QTest::keyClicks(t.text2(), QStringLiteral("Ann-Sofie #2 +x!"));
    QCOMPARE(t.text2()->text(), QStringLiteral("Ann-Sofie #2 +"));
    // A sound name takes 16.
    t.type(t.sndName(1), QStringLiteral("a.b c-d e+f g_h i"));
    QCOMPARE(t.sndName(1)->text(), QStringLiteral("a.b c-d e+f g_h "));
    QCOMPARE(t.platform.beeps, 0);
}

void TestForm1::soundNamesRenameSelectorItems()
{
    Window t;
    QLineEdit *name = t.sndName(3);
    name->setFocus();
    QTest::keyClick(name, Qt::Key_End);
    QTest::keyClick(name, Qt::Key_Backspace);
    QCOMPARE(t.combo()->itemText(3), QStringLiteral("3 (empty"));
    t.type(name, QStringLiteral("R"));
    QCOMPARE(t.combo()->itemText(3), QStringLiteral("3 R"));
    QTest::keyClicks(name, QStringLiteral("ing  "));
    QCOMPARE(t.combo()->itemText(3), QStringLiteral("3 Ring  "));
    // Set by code, trailing blanks kept.
    t.w().setSoundName(7, QStringLiteral("beep.           "));
    QCOMPARE(t.combo()->itemText(7), QStringLiteral("7 beep.           "));
    t.sndName(6)->setText(QStringLiteral("Bell"));
    QCOMPARE(t.combo()->itemText(6), QStringLiteral("6 Bell"));
    // Renaming the shown item keeps the selection and the flags.
    t.chooseSound(3);
    t.sndName(3)->setText(QStringLiteral("Chime"));
    QCOMPARE(t.combo()->currentIndex(), 3);
    QCOMPARE(t.combo()->currentText(), QStringLiteral("3 Chime"));
    QCOMPARE(t.label(12)->text(), QStringLiteral("0x03"));
    QCOMPARE(t.combo()->itemText(0), QStringLiteral("No sound"));
    QCOMPARE(t.combo()->itemText(1), QStringLiteral("1 (empty)"));
    QCOMPARE(t.w().soundNames()[2], QStringLiteral("Chime"));
    QCOMPARE(t.caption(), Black);
}

void TestForm1::markerIsVisibleOnScreen()
{
    Window t;
    QWidget *numbers = t.control<QWidget>(QStringLiteral("Frame2"));
    QWidget *sounds = t.control<QWidget>(QStringLiteral("Frame1"));
    const int captionHeight = numbers->fontMetrics().height();
    for (const char *name : {"Fusion", "Windows"}) {
        std::unique_ptr<QStyle> style(QStyleFactory::create(QLatin1String(name)));
        QVERIFY(style);
        numbers->setStyle(style.get());
        sounds->setStyle(style.get());
        auto redPixels = [&] {
            const QImage caption = numbers->grab(QRect(0, 0, 80, captionHeight)).toImage();
            int red = 0;
            for (int y = 0; y < caption.height(); ++y)
                for (int x = 0; x < caption.width(); ++x) {
                    const QColor c = caption.pixelColor(x, y);
                    // Red well above green and blue: a thin face's strokes
                    // are mostly blended with the background.
                    red += c.red() - std::max(c.green(), c.blue()) > 40;
                }
            return red;
        };
        QCOMPARE(redPixels(), 0);
        t.w().selectRow(2);
        t.type(t.text1(), QStringLiteral("1"));
        t.click(t.command(1));
        QVERIFY2(redPixels() > 10, name);
        t.click(t.command(4));
        QCOMPARE(redPixels(), 0);

        // The top edge runs through the caption's height, above the first
        // row of controls, whatever the style.
        const QImage frame = sounds->grab().toImage();
        const QColor background = frame.pixelColor(frame.width() / 2, 1);
        int edge = 0;
        while (edge < frame.height() && frame.pixelColor(frame.width() / 2, edge) == background)
            ++edge;
        QVERIFY2(edge < captionHeight, qPrintable(QStringLiteral("%1: edge at %2").arg(QLatin1String(name)).arg(edge)));
        numbers->setStyle(nullptr);
        sounds->setStyle(nullptr);
    }
}

void TestForm1::pictureButtonsAreNamed()
{
    Window t;
    // A picture button has no text: a screen reader announces its name, and
    // the pointer shows it as a tooltip.
    for (int k = 1; k <= 7; ++k) {
        const std::pair<const char *, QString> buttons[] = {
            {"sndOpen", QStringLiteral("Import a WAV file into sound bank %1").arg(k)},
            {"sndSave", QStringLiteral("Save sound %1").arg(k)},
            {"sndPlay", QStringLiteral("Play sound %1").arg(k)},
        };
        for (const auto &[array, name] : buttons) {
            auto *button = t.control<QPushButton>(QStringLiteral("%1(%2)").arg(QLatin1String(array)).arg(k));
            QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(button);
            QVERIFY(accessible);
            QCOMPARE(accessible->text(QAccessible::Name), name);
            QCOMPARE(button->toolTip(), name);
            // Only the open button does something; save and play stay greyed.
            QCOMPARE(button->isEnabled(), QByteArray(array) == "sndOpen");
            // The picture, sharp on a screen of double density and greyed by the style.
            const QImage normal = button->icon().pixmap(button->iconSize()).toImage();
            QCOMPARE(normal.size(), QSize(14, 14));
            QCOMPARE(button->icon().pixmap(button->iconSize(), 2.0).size(), QSize(28, 28));
            QVERIFY(button->icon().pixmap(button->iconSize(), QIcon::Disabled).toImage() != normal);
        }
    }
    // The window's icon comes at the sizes of a title bar and a task bar.
    const QList<QSize> sizes = t.w().windowIcon().availableSizes();
    QVERIFY(sizes.contains(QSize(16, 16)) && sizes.contains(QSize(32, 32)));
}

void TestForm1::listRowsAndPopups()
{
    Window t;
    // The selected row's text in red on blue, so that its ink is told apart
    // from the highlight and from the other rows' black on white.
    QListView *list = t.list();
    QPalette pal = list->palette();
    pal.setColor(QPalette::Base, Qt::white);
    pal.setColor(QPalette::Text, Qt::black);
    pal.setColor(QPalette::Highlight, Qt::blue);
    pal.setColor(QPalette::HighlightedText, Qt::red);
    list->setPalette(pal);
    t.clickRow(0);
    const QRect row = list->visualRect(list->model()->index(0, 0));
    for (int ratio : {1, 2}) {
        QImage image(list->viewport()->size() * ratio, QImage::Format_RGB32);
        image.setDevicePixelRatio(ratio);
        image.fill(Qt::white);
        list->viewport()->render(&image);
        const QRect highlight(row.topLeft() * ratio, row.size() * ratio);
        // Every pixel of "_HiddenNumber" lies inside the highlight, and the
        // lowest, the underscore's, has highlight below it.
        int lowest = -1;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QColor c = image.pixelColor(x, y);
                if (c.red() - c.green() > 60) {
                    QVERIFY2(highlight.contains(x, y), qPrintable(QStringLiteral("%1x: (%2, %3)").arg(ratio).arg(x).arg(y)));
                    lowest = std::max(lowest, y);
                }
            }
        QVERIFY(lowest >= 0);
        QVERIFY2(lowest < highlight.bottom(), qPrintable(QStringLiteral("%1x: %2").arg(ratio).arg(lowest)));
    }

    // Menus and the drop-down are windows of their own, yet use the window's font.
    for (const char *name : {"menFile", "menSio"})
        QCOMPARE(t.control<QMenu>(QLatin1String(name))->font(), t.w().font());
    t.combo()->showPopup();
    QCOMPARE(t.combo()->view()->font(), t.w().font());
    t.combo()->hidePopup();
}

QTEST_MAIN(TestForm1)
#include "test_ui_form1.moc"
