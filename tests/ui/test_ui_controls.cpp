// The controls of their own: the number box's key filter, the frame's
// caption colour and the list's rows, inside the real window.
#include "tests/common/TestWindow.h"

#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QStyle>
#include <QStyleFactory>

#include <algorithm>

class TestControls : public QObject
{
    Q_OBJECT

private slots:
    void numberKeyFilter()
    {
        TestWindow t;
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
        for (const auto &[commit, after] : {std::pair(u"1a2\u0663", "12"), std::pair(u"3\u00AD4\u200B", "1234")}) {
            composed.setCommitString(QString::fromUtf16(commit));
            QApplication::sendEvent(number, &composed);
            QCOMPARE(number->text(), QLatin1String(after));
        }

        // Only codes 0 to 31 and the digits are typed: not a letter, a soft
        // hyphen, a zero-width space or a surrogate pair. A chord is a command:
        // what text the platform gives it is not typed. Keys that type nothing
        // work whatever text comes with them (X11 gives Delete the code 127).
        number->clear();
        const Qt::KeyboardModifiers chord = Qt::ControlModifier | Qt::ShiftModifier;
        const struct { Qt::Key key; const char16_t *text; Qt::KeyboardModifiers mods; const char *after; } keys[] = {
            {Qt::Key_A, u"a", {}, ""}, {Qt::Key_Eacute, u"\u00E9", {}, ""}, {Qt::Key_hyphen, u"\u00AD", {}, ""},
            {Qt::Key_unknown, u"\u200B", {}, ""}, {Qt::Key_unknown, u"\U0001F600", {}, ""}, {Qt::Key_7, u"7", {}, "7"},
            {Qt::Key_8, u"8", {}, "78"}, {Qt::Key_2, u"\u200C", chord, "78"}, {Qt::Key_Backspace, u"\b", {}, "7"},
            {Qt::Key_Home, u"", {}, "7"}, {Qt::Key_Delete, u"\x7f", {}, ""}};
        for (const auto &k : keys) {
            QTest::sendKeyEvent(QTest::Click, number, k.key, QString::fromUtf16(k.text), k.mods);
            QCOMPARE(number->text(), QLatin1String(k.after));
        }

        QCOMPARE(t.platform.beeps, 0);
    }

    void markerIsVisibleOnScreen_data()
    {
        QTest::addColumn<QString>("style");
        QTest::newRow("Fusion") << "Fusion";
        QTest::newRow("Windows") << "Windows";
    }

    void markerIsVisibleOnScreen()
    {
        QFETCH(QString, style);
        // The style outlives the window that draws with it.
        std::unique_ptr<QStyle> drawn(QStyleFactory::create(style));
        QVERIFY(drawn);
        TestWindow t;
        QWidget *numbers = t.control<QWidget>(QStringLiteral("Frame2"));
        QWidget *sounds = t.control<QWidget>(QStringLiteral("Frame1"));
        const int captionHeight = numbers->fontMetrics().height();
        for (QWidget *frame : {numbers, sounds})
            frame->setStyle(drawn.get());
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
        t.add(QStringLiteral("1"), QStringLiteral("One"));
        QVERIFY(redPixels() > 10);
        t.click(t.command(4));
        QCOMPARE(redPixels(), 0);

        // The top edge runs through the caption's height, above the first
        // row of controls, whatever the style.
        const QImage frame = sounds->grab().toImage();
        const QColor background = frame.pixelColor(frame.width() / 2, 1);
        int edge = 0;
        while (edge < frame.height() && frame.pixelColor(frame.width() / 2, edge) == background)
            ++edge;
        QVERIFY2(edge < captionHeight, qPrintable(QStringLiteral("edge at %1").arg(edge)));
    }

    void listRows()
    {
        TestWindow t;
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
    }
};

QTEST_MAIN(TestControls)
#include "test_ui_controls.moc"
