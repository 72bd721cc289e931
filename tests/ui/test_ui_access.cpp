// The window for every user: what a screen reader reads of it, the keys a
// keyboard user presses, and colours that stay readable on any background.
#include "ui/Colours.h"
#include "tests/common/TestWindow.h"

#include <QAccessible>
#include <QtGui/private/qguiapplication_p.h>
#include <QtGui/qpa/qplatformaccessibility.h>
#include <QtGui/qpa/qplatformintegration.h>

#include <algorithm>
#include <cmath>
#include <tuple>
#include <utility>
#include <vector>

namespace {

// The accessibility events sent, as the platform's bridge would get them.
std::vector<std::pair<QObject *, QAccessible::Event>> events;

QString text(QObject *object, QAccessible::Text which = QAccessible::Name)
{
    return QAccessible::queryAccessibleInterface(object)->text(which);
}

// WCAG contrast, worked out here rather than taken from the window's code.
double contrast(const QColor &a, const QColor &b)
{
    const auto lum = [](const QColor &c) {
        const auto lin = [](int v) { return v <= 10 ? v / 255.0 / 12.92 : std::pow((v / 255.0 + 0.055) / 1.055, 2.4); };
        return 0.2126 * lin(c.red()) + 0.7152 * lin(c.green()) + 0.0722 * lin(c.blue());
    };
    return (std::max(lum(a), lum(b)) + 0.05) / (std::min(lum(a), lum(b)) + 0.05);
}

bool isRed(const QColor &c)
{
    return c.red() - c.green() >= 0x40 && c.red() - c.blue() >= 0x40;
}

QPalette palette(int window, int base, const QColor &text)
{
    QPalette p;
    p.setColor(QPalette::Window, QColor(window, window, window));
    p.setColor(QPalette::Base, QColor(base, base, base));
    p.setColor(QPalette::WindowText, text);
    p.setColor(QPalette::Text, text);
    return p;
}

const QColor DarkGrey(64, 64, 64), Light(0xEE, 0xEE, 0xEE);

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
        QAccessible::installUpdateHandler([](QAccessibleEvent *e) { events.emplace_back(e->object(), e->type()); });
    }

    void namesDescriptionsAndRelations()
    {
        TestWindow t;
        QCOMPARE(text(t.text1()), QStringLiteral("Number"));
        QCOMPARE(text(t.text2()), QStringLiteral("Name"));
        for (int k = 1; k <= 7; ++k)
            QCOMPARE(text(t.sndName(k)), QStringLiteral("Sound %1 name").arg(k));
        QCOMPARE(text(t.list()), QStringLiteral("Phone book"));
        QCOMPARE(QAccessible::queryAccessibleInterface(t.list())->role(), QAccessible::List);
        QCOMPARE(text(t.label(12)), QStringLiteral("Flags byte"));

        // Each caption labels its box (Qt adds the frame as a label of all it
        // holds); the selector, named by its item, is read by that label.
        const std::tuple<QWidget *, int, const char *> labelled[] = {
            {t.text1(), 8, "Number"}, {t.text2(), 9, "Name"}, {t.combo(), 10, "Sound"}};
        for (const auto &[box, n, name] : labelled) {
            const auto labels = QAccessible::queryAccessibleInterface(box)->relations(QAccessible::Label);
            QVERIFY(std::any_of(labels.cbegin(), labels.cend(), [&, n = n, name = name](const auto &r) {
                return r.first->object() == t.label(n) && r.first->text(QAccessible::Name) == QLatin1String(name);
            }));
        }
        QCOMPARE(t.label(10)->text(), QStringLiteral("Sound:"));

        // The count display shows hex and describes the count; the frame
        // describes the marker, and each change is announced once.
        QObject *frame = t.control<QObject>(QStringLiteral("Frame2"));
        const auto described = [&] {
            const auto announced =
                std::count(events.cbegin(), events.cend(), std::make_pair(frame, QAccessible::DescriptionChanged));
            return QStringList{t.label(11)->text(), text(t.label(11), QAccessible::Description),
                               text(frame, QAccessible::Description), QString::number(announced)}
                .join(" | ");
        };
        QCOMPARE(text(t.label(11)), QStringLiteral("Entries"));
        events.clear();
        QCOMPARE(described(), QStringLiteral("0x0001 | 1 entry |  | 0"));
        t.add(QStringLiteral("555"), QStringLiteral("Office"));
        t.add(QStringLiteral("556"), QStringLiteral("Desk"));
        QCOMPARE(described(), QStringLiteral("0x0003 | 3 entries | changed since opened | 1"));
        t.click(t.command(4));
        QCOMPARE(described(), QStringLiteral("0x0001 | 1 entry |  | 2"));
    }

    void enterPressesTheFocusedButton()
    {
        TestWindow t;
        for (QPushButton *button : t.w().findChildren<QPushButton *>())
            QVERIFY(!button->autoDefault() && !button->isDefault());

        // Enter in a box adds nothing, as before; on Add it adds, once.
        t.type(t.text1(), QStringLiteral("555"));
        QTest::keyClick(t.text1(), Qt::Key_Return);
        QCOMPARE(t.rowTexts().size(), 3);
        t.command(1)->setFocus();
        QTest::keyClick(t.command(1), Qt::Key_Return);
        QCOMPARE(t.rowTexts(), (QStringList{"_HiddenNumber", "_UnknownNumber", "12345", "555"}));
        t.command(4)->setFocus();
        QTest::keyClick(t.command(4), Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(t.rowTexts().size(), 3);
        t.sndOpen(2)->setFocus();
        QTest::keyClick(t.sndOpen(2), Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(t.platform.asked.size(), qsizetype(1));
    }

    void listStartsAtTheFirstRow_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("Down") << int(Qt::Key_Down);
        QTest::newRow("Home") << int(Qt::Key_Home);
    }

    void listStartsAtTheFirstRow()
    {
        QFETCH(int, key);
        TestWindow t;
        t.list()->setFocus(Qt::TabFocusReason);
        QTest::keyClick(t.list(), Qt::Key(key));
        QCOMPARE(t.w().selectedRow(), 0);
        QCOMPARE(t.text1()->text(), QStringLiteral("_HiddenNumber"));
        QTest::keyClick(t.list(), Qt::Key_Down);
        QCOMPARE(t.w().selectedRow(), 1);
    }

    void coloursStayReadable_data()
    {
        QTest::addColumn<QPalette>("theme");
        QTest::addColumn<bool>("keepsDisplays");
        QTest::addColumn<bool>("keepsCaption");
        QTest::addColumn<bool>("keepsRed");
        QTest::newRow("light") << palette(0xEF, 0xFF, Black) << true << true << true;
        QTest::newRow("mid-grey") << palette(0x70, 0x70, Qt::white) << false << true << false;
        QTest::newRow("dark") << palette(0x35, 0x2A, Light) << false << false << false;
    }

    void coloursStayReadable()
    {
        QFETCH(QPalette, theme);
        QFETCH(bool, keepsDisplays);
        QFETCH(bool, keepsCaption);
        QFETCH(bool, keepsRed);
        const QColor window = theme.color(QPalette::Window);

        const QColor display = readableColour(FixedColour::Display, theme);
        QCOMPARE(display, keepsDisplays ? DarkGrey : theme.color(QPalette::Text));
        QVERIFY(contrast(display, theme.color(QPalette::Base)) >= 4.5);
        const QColor caption = readableColour(FixedColour::Caption, theme);
        QCOMPARE(caption, keepsCaption ? Black : theme.color(QPalette::WindowText));
        QVERIFY(contrast(caption, window) >= 3.0);
        const QColor red = readableColour(FixedColour::ModifiedCaption, theme);
        QCOMPARE(red == DarkRed, keepsRed);
        QVERIFY2(isRed(red) && contrast(red, window) >= 3.0, qPrintable(red.name()));
    }

    void windowFollowsThePalette()
    {
        TestWindow t;
        t.add(QStringLiteral("555"), QStringLiteral("Office"));
        const QPalette light = t.w().palette();
        t.w().setPalette(palette(0x35, 0x2A, Light));
        for (int n : {11, 12}) {
            QCOMPARE(t.label(n)->palette().color(QPalette::WindowText), Light);
            QCOMPARE(t.label(n)->palette().color(QPalette::Window), QColor(0x2A, 0x2A, 0x2A));
        }
        QVERIFY(isRed(t.caption()) && contrast(t.caption(), QColor(0x35, 0x35, 0x35)) >= 3.0);
        t.click(t.command(4));
        QCOMPARE(t.caption(), Light);
        t.w().setPalette(light);
        QCOMPARE(t.label(11)->palette().color(QPalette::WindowText), DarkGrey);
        QCOMPARE(t.caption(), Black);
    }
};

QTEST_MAIN(TestAccess)
#include "test_ui_access.moc"
