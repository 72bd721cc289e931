// Building the window: the controls, their places, order, names and texts
// as the window starts, driven through the real widgets.
#include "tests/common/TestWindow.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>

class TestWindowLayout : public QObject
{
    Q_OBJECT

private slots:
    void stateAfterStart()
    {
        TestWindow t;
        QCOMPARE(t.w().windowTitle(), QStringLiteral("VIRE Flash editor"));
        // The icon comes at the sizes of a title bar and a task bar.
        const QList<QSize> sizes = t.w().windowIcon().availableSizes();
        QVERIFY(sizes.contains(QSize(16, 16)) && sizes.contains(QSize(32, 32)));
        QCOMPARE(t.shown(), QStringLiteral("_HiddenNumber=0 _UnknownNumber=1 12345=15 | 0x0001 | #000000 | -1"));
        QCOMPARE(t.list()->model()->rowCount(), 3);
        QVERIFY(t.list()->selectionModel()->selectedIndexes().isEmpty());
        QCOMPARE(t.editors(), QStringLiteral(" |  | 0 | ---- | 0x00"));
        QCOMPARE(t.combo()->currentText(), QStringLiteral("No sound"));
        QVERIFY(!t.combo()->isEditable());
        for (int k = 1; k <= 7; ++k)
            QCOMPARE(t.sndName(k)->text(), QStringLiteral("(empty)"));
        QCOMPARE(t.w().focusWidget(), t.control<QWidget>(QStringLiteral("sndOpen(1)")));
        QCOMPARE(t.w().book().lastIndex(), qint16(15));
        QCOMPARE(t.w().FB().bytes(), QByteArray(FlashImage::Size, '\0'));
        QCOMPARE(t.platform.beeps, 0);

        // Menus and the drop-down are windows of their own, yet use the window's font.
        for (const char *name : {"menFile", "menSio"})
            QCOMPARE(t.control<QMenu>(QLatin1String(name))->font(), t.w().font());
        t.combo()->showPopup();
        QCOMPARE(t.combo()->view()->font(), t.w().font());
        t.combo()->hidePopup();
    }

    void geometryAndLook()
    {
        TestWindow t;
        if (t.w().screen()->logicalDotsPerInch() != 96.0)
            QSKIP("the pixel values below are those of a 96 DPI screen");
        QWidget *client = t.w().centralWidget();
        QCOMPARE(client->size(), QSize(505, 329));
        QCOMPARE(client->y(), t.w().menuBar()->height());
        QCOMPARE(t.w().minimumSize(), t.w().maximumSize());

        const std::pair<const char *, QRect> places[] = {
            {"Frame2", {8, 8, 489, 185}},     {"Frame1", {8, 200, 489, 121}},   {"List1", {16, 24, 137, 147}},
            {"Text1", {224, 40, 161, 19}},    {"Combo1", {224, 88, 161, 21}},   {"Check1(2)", {408, 72, 57, 17}},
            {"Command4", {264, 152, 65, 17}}, {"Label12", {440, 160, 41, 17}},  {"sndName(4)", {24, 88, 113, 19}},
            {"sndOpen(5)", {392, 16, 25, 19}}, {"sndPlay(7)", {456, 64, 25, 19}}, {"Label5", {256, 16, 17, 17}}};
        for (const auto &[name, place] : places)
            QVERIFY2(t.control<QWidget>(QLatin1String(name))->geometry() == place, name);
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

    void keyboardOrder()
    {
        TestWindow t;
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

    void menuAndInertControls()
    {
        TestWindow t;
        // Exit, the serial entries and the save and play buttons change nothing.
        t.clickRow(2);
        const QString before = t.editors() + t.shown();
        t.w().menExit()->trigger();
        t.w().menReadAll()->trigger();
        t.w().menWriteAll()->trigger();
        for (int k = 1; k <= 7; ++k) {
            t.click(t.control<QPushButton>(QStringLiteral("sndSave(%1)").arg(k)));
            t.click(t.control<QPushButton>(QStringLiteral("sndPlay(%1)").arg(k)));
        }
        QVERIFY(t.w().isVisible());
        QCOMPARE(t.editors() + t.shown(), before);
        QVERIFY(t.platform.asked.empty());
        QVERIFY(t.platform.boxes.empty());
        QCOMPARE(t.platform.beeps, 0);

        // Ctrl+O and Ctrl+S start the file commands.
        QTest::keyClick(&t.w(), Qt::Key_O, Qt::ControlModifier);
        QTest::keyClick(&t.w(), Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(t.platform.asked, QStringList({"open: Specify target file [] Binary (*.bin)|*.bin",
                                                "save: Specify target file [] Binary (*.bin)|*.bin"}));
        QVERIFY(t.platform.boxes.empty());
    }

    // The number box refuses a 17th digit; the name box takes any character,
    // up to 14; a sound name takes 16.
    void fieldWidths_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("kept");
        QTest::newRow("number") << "Text1" << "12345678901234567" << "1234567890123456";
        QTest::newRow("name") << "Text2" << "Ann-Sofie #2 +x!" << "Ann-Sofie #2 +";
        QTest::newRow("sound name") << "sndName(1)" << "a.b c-d e+f g_h i" << "a.b c-d e+f g_h ";
    }

    void fieldWidths()
    {
        QFETCH(QString, box);
        QFETCH(QString, typed);
        QFETCH(QString, kept);
        TestWindow t;
        t.type(t.control<QLineEdit>(box), typed);
        QCOMPARE(t.control<QLineEdit>(box)->text(), kept);
        QCOMPARE(t.platform.beeps, 0);
    }

    void soundNamesRenameSelectorItems()
    {
        TestWindow t;
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
        t.sndName(6)->setText(QStringLiteral("Bell"));
        // Renaming the shown item keeps the selection and the flags.
        t.chooseSound(3);
        t.sndName(3)->setText(QStringLiteral("Chime"));
        QCOMPARE(t.combo()->currentText(), QStringLiteral("3 Chime"));
        QCOMPARE(t.editors(), QStringLiteral(" |  | 3 | ---- | 0x03"));
        QCOMPARE(t.items(), (QStringList{"No sound", "1 (empty)", "2 (empty)", "3 Chime", "4 (empty)", "5 (empty)",
                                         "6 Bell", "7 beep.           "}));
        QCOMPARE(t.w().soundNames()[2], QStringLiteral("Chime"));
        QCOMPARE(t.caption(), Black);
    }

    // A picture button has no text: a screen reader announces its name, and
    // the pointer shows it as a tooltip. Only the open button does something;
    // save and play stay greyed.
    void pictureButtonsAreNamed_data()
    {
        QTest::addColumn<QString>("array");
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("open") << "sndOpen" << "Import a WAV file into sound bank %1" << true;
        QTest::newRow("save") << "sndSave" << "Save sound %1" << false;
        QTest::newRow("play") << "sndPlay" << "Play sound %1" << false;
    }

    void pictureButtonsAreNamed()
    {
        QFETCH(QString, array);
        QFETCH(QString, name);
        QFETCH(bool, enabled);
        TestWindow t;
        for (int k = 1; k <= 7; ++k) {
            auto *button = t.control<QPushButton>(QStringLiteral("%1(%2)").arg(array).arg(k));
            QCOMPARE(QAccessible::queryAccessibleInterface(button)->text(QAccessible::Name), name.arg(k));
            QCOMPARE(button->toolTip(), name.arg(k));
            QCOMPARE(button->isEnabled(), enabled);
            // The picture, sharp on a screen of double density and greyed by the style.
            const QImage normal = button->icon().pixmap(button->iconSize()).toImage();
            QCOMPARE(normal.size(), QSize(14, 14));
            QCOMPARE(button->icon().pixmap(button->iconSize(), 2.0).size(), QSize(28, 28));
            QVERIFY(button->icon().pixmap(button->iconSize(), QIcon::Disabled).toImage() != normal);
        }
    }
};

QTEST_MAIN(TestWindowLayout)
#include "test_ui_window.moc"
