// The window for every user: what a screen reader reads of it, the keys a
// keyboard user presses, and colours that stay readable on any background.
#include "Colours.h"
#include "TestWindow.h"

#include <QAccessible>
#include <QTest>
#include <QtGui/private/qguiapplication_p.h>
#include <QtGui/qpa/qplatformaccessibility.h>
#include <QtGui/qpa/qplatformintegration.h>

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

namespace {

// The accessibility events sent, as the platform's bridge would get them.
std::vector<std::pair<QObject *, QAccessible::Event>> events;

void recordEvent(QAccessibleEvent *event)
{
    events.emplace_back(event->object(), event->type());
}

QAccessibleInterface *accessible(QObject *object)
{
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(object);
    if (!iface)
        qFatal("no accessible interface for %s", qPrintable(object->objectName()));
    return iface;
}

QString nameOf(QObject *object)
{
    return accessible(object)->text(QAccessible::Name);
}

// WCAG contrast, worked out here rather than taken from the window's code.
double contrast(const QColor &a, const QColor &b)
{
    const auto lum = [](const QColor &c) {
        const auto lin = [](int v) {
            const double s = v / 255.0;
            return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * lin(c.red()) + 0.7152 * lin(c.green()) + 0.0722 * lin(c.blue());
    };
    const double x = lum(a), y = lum(b);
    return (std::max(x, y) + 0.05) / (std::min(x, y) + 0.05);
}

bool isRed(const QColor &c)
{
    return c.red() - c.green() >= 0x40 && c.red() - c.blue() >= 0x40;
}

QPalette palette(const QColor &window, const QColor &base, const QColor &text)
{
    QPalette p;
    p.setColor(QPalette::Window, window);
    p.setColor(QPalette::Base, base);
    p.setColor(QPalette::WindowText, text);
    p.setColor(QPalette::Text, text);
    return p;
}

const QColor DarkGrey(64, 64, 64), Black(0, 0, 0), DarkRed(128, 0, 0);

} // namespace

class TestAccess : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // As when a screen reader listens; the handler takes the events in
        // place of the platform's bridge.
        QPlatformAccessibility *bridge = QGuiApplicationPrivate::platformIntegration()->accessibility();
        QVERIFY(bridge);
        bridge->setActive(true);
        QVERIFY(QAccessible::isActive());
        QAccessible::installUpdateHandler(recordEvent);
    }
    void namesDescriptionsAndRelations();
    void markerIsAnnounced();
    void enterPressesTheFocusedButton();
    void listStartsAtTheFirstRow();
    void coloursStayReadable_data();
    void coloursStayReadable();
    void windowFollowsThePalette();
};

void TestAccess::namesDescriptionsAndRelations()
{
    TestWindow t;
    QCOMPARE(nameOf(t.text1()), QStringLiteral("Number"));
    QCOMPARE(nameOf(t.text2()), QStringLiteral("Name"));
    for (int k = 1; k <= 7; ++k)
        QCOMPARE(nameOf(t.sndName(k)), QStringLiteral("Sound %1 name").arg(k));
    QCOMPARE(nameOf(t.list()), QStringLiteral("Phone book"));
    QCOMPARE(accessible(t.list())->role(), QAccessible::List);
    QCOMPARE(nameOf(t.label(11)), QStringLiteral("Entries"));
    QCOMPARE(nameOf(t.label(12)), QStringLiteral("Flags byte"));

    // The selector is read by its label; each caption labels its box, and
    // the box knows its label.
    const std::pair<QWidget *, int> labelled[] = {{t.text1(), 8}, {t.text2(), 9}, {t.combo(), 10}};
    for (const auto &[box, n] : labelled) {
        // Qt adds the frame as a label of all it holds.
        const auto labels = accessible(box)->relations(QAccessible::Label);
        const auto label = std::find_if(labels.cbegin(), labels.cend(),
                                        [&](const auto &relation) { return relation.first->object() == t.label(n); });
        QVERIFY(label != labels.cend());
        QCOMPARE(label->first->text(QAccessible::Name), QLatin1String(n == 8 ? "Number" : n == 9 ? "Name" : "Sound"));
        const auto boxes = accessible(t.label(n))->relations(QAccessible::Labelled);
        QCOMPARE(boxes.size(), 1);
        QCOMPARE(boxes.first().first->object(), box);
    }
    QCOMPARE(accessible(t.label(10))->text(QAccessible::Name), QStringLiteral("Sound"));
    // Nothing visible changed.
    QCOMPARE(t.label(10)->text(), QStringLiteral("Sound:"));

    // The count display shows hex; its description says the count, kept current.
    QCOMPARE(t.label(11)->text(), QStringLiteral("0x0001"));
    QCOMPARE(accessible(t.label(11))->text(QAccessible::Description), QStringLiteral("1 entry"));
    for (int i = 0; i < 11; ++i)
        t.add(QString::number(100 + i), QStringLiteral("N"));
    QCOMPARE(t.label(11)->text(), QStringLiteral("0x000C"));
    QCOMPARE(accessible(t.label(11))->text(QAccessible::Description), QStringLiteral("12 entries"));
    t.click(t.command(4));
    QCOMPARE(accessible(t.label(11))->text(QAccessible::Description), QStringLiteral("1 entry"));
}

void TestAccess::markerIsAnnounced()
{
    TestWindow t;
    QObject *frame = t.control<QObject>(QStringLiteral("Frame2"));
    const auto description = [&] { return accessible(frame)->text(QAccessible::Description); };
    const auto announced = [&] {
        return std::count(events.cbegin(), events.cend(), std::make_pair(frame, QAccessible::DescriptionChanged));
    };
    QCOMPARE(description(), QString());
    events.clear();
    t.add(QStringLiteral("555"), QStringLiteral("Office"));
    QCOMPARE(description(), QStringLiteral("changed since opened"));
    const auto once = announced();
    QVERIFY(once > 0);
    // A second change says nothing new.
    t.add(QStringLiteral("556"), QStringLiteral("Desk"));
    QCOMPARE(announced(), once);
    t.click(t.command(4));
    QCOMPARE(description(), QString());
    QVERIFY(announced() > once);
}

void TestAccess::enterPressesTheFocusedButton()
{
    TestWindow t;
    t.w().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&t.w()));
    // No button becomes a default button.
    for (QPushButton *button : t.w().findChildren<QPushButton *>())
        QVERIFY(!button->autoDefault() && !button->isDefault());

    // Enter in a box adds nothing, as before.
    t.type(t.text1(), QStringLiteral("555"));
    QTest::keyClick(t.text1(), Qt::Key_Return);
    QCOMPARE(t.rowTexts().size(), 3);

    // Return on Add, keypad Enter on Reset, each once.
    int clicks = 0;
    connect(t.command(1), &QPushButton::clicked, this, [&] { ++clicks; });
    t.command(1)->setFocus();
    QTest::keyClick(t.command(1), Qt::Key_Return);
    QCOMPARE(clicks, 1);
    QCOMPARE(t.rowTexts(), (QStringList{"_HiddenNumber", "_UnknownNumber", "12345", "555"}));
    t.command(4)->setFocus();
    QTest::keyClick(t.command(4), Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(t.rowTexts().size(), 3);
    QCOMPARE(t.w().selectedRow(), 0);

    // The picture button opens its dialog.
    t.sndOpen(2)->setFocus();
    QTest::keyClick(t.sndOpen(2), Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(t.platform.dialogs.size(), size_t(1));
    QCOMPARE(t.platform.dialogs[0].title, QStringLiteral("Select wave file"));
}

void TestAccess::listStartsAtTheFirstRow()
{
    for (Qt::Key key : {Qt::Key_Down, Qt::Key_Home}) {
        TestWindow t;
        t.w().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&t.w()));
        t.list()->setFocus(Qt::TabFocusReason);
        QTest::keyClick(t.list(), key);
        QCOMPARE(t.w().selectedRow(), 0);
        QCOMPARE(t.text1()->text(), QStringLiteral("_HiddenNumber"));
        QTest::keyClick(t.list(), Qt::Key_Down);
        QCOMPARE(t.w().selectedRow(), 1);
    }
}

void TestAccess::coloursStayReadable_data()
{
    QTest::addColumn<QPalette>("theme");
    QTest::addColumn<bool>("keepsDisplays");
    QTest::addColumn<bool>("keepsCaption");
    QTest::addColumn<bool>("keepsRed");
    QTest::newRow("light") << palette(QColor(0xEF, 0xEF, 0xEF), Qt::white, Qt::black) << true << true << true;
    QTest::newRow("mid-grey") << palette(QColor(0x70, 0x70, 0x70), QColor(0x70, 0x70, 0x70), Qt::white)
                              << false << true << false;
    QTest::newRow("dark") << palette(QColor(0x35, 0x35, 0x35), QColor(0x2A, 0x2A, 0x2A), QColor(0xEE, 0xEE, 0xEE))
                          << false << false << false;
}

void TestAccess::coloursStayReadable()
{
    QFETCH(QPalette, theme);
    QFETCH(bool, keepsDisplays);
    QFETCH(bool, keepsCaption);
    QFETCH(bool, keepsRed);
    const QColor window = theme.color(QPalette::Window), base = theme.color(QPalette::Base);

    const QColor display = readableColour(FixedColour::Display, theme);
    QCOMPARE(display, keepsDisplays ? DarkGrey : theme.color(QPalette::Text));
    QVERIFY(contrast(display, base) >= 4.5);

    const QColor caption = readableColour(FixedColour::Caption, theme);
    QCOMPARE(caption, keepsCaption ? Black : theme.color(QPalette::WindowText));
    QVERIFY(contrast(caption, window) >= 3.0);

    const QColor red = readableColour(FixedColour::ModifiedCaption, theme);
    QCOMPARE(red == DarkRed, keepsRed);
    QVERIFY2(isRed(red), qPrintable(red.name()));
    QVERIFY2(contrast(red, window) >= 3.0, qPrintable(red.name()));
}

void TestAccess::windowFollowsThePalette()
{
    TestWindow t;
    t.add(QStringLiteral("555"), QStringLiteral("Office"));
    const QPalette light = t.w().palette();
    const QPalette dark = palette(QColor(0x35, 0x35, 0x35), QColor(0x2A, 0x2A, 0x2A), QColor(0xEE, 0xEE, 0xEE));
    t.w().setPalette(dark);
    for (int n : {11, 12}) {
        QCOMPARE(t.label(n)->palette().color(QPalette::WindowText), QColor(0xEE, 0xEE, 0xEE));
        QCOMPARE(t.label(n)->palette().color(QPalette::Window), QColor(0x2A, 0x2A, 0x2A));
    }
    QVERIFY(isRed(t.caption()) && contrast(t.caption(), QColor(0x35, 0x35, 0x35)) >= 3.0);
    t.click(t.command(4));
    QCOMPARE(t.caption(), QColor(0xEE, 0xEE, 0xEE));
    t.w().setPalette(light);
    QCOMPARE(t.label(11)->palette().color(QPalette::WindowText), DarkGrey);
    QCOMPARE(t.caption(), Black);
}

QTEST_MAIN(TestAccess)
#include "test_ui_access.moc"
