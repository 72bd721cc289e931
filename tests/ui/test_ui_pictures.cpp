// The pictures are drawn on demand: each must still give real pixels at the
// sizes the window asks for, greyed where the button is disabled.
#include "Pictures.h"

#include <QApplication>
#include <QStyle>
#include <QStyleOption>
#include <QTest>

#include <set>

namespace {

int opaquePixels(const QImage &image)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += qAlpha(image.pixel(x, y)) > 0;
    return n;
}

} // namespace

class TestPictures : public QObject
{
    Q_OBJECT

private slots:
    void buttonPictures();
    void applicationIcon();
    void overflowArrowStillLoads();
};

void TestPictures::buttonPictures()
{
    for (const QIcon &icon : {pictures::openFolder(), pictures::floppyDisk(), pictures::loudspeaker()}) {
        // Ratio 1 given, not the screen's: a scaled desktop would double the sizes.
        const QImage normal = icon.pixmap(QSize(14, 14), 1.0).toImage();
        QCOMPARE(normal.size(), QSize(14, 14));
        QVERIFY(opaquePixels(normal) > 30);
        const QImage sharp = icon.pixmap(QSize(14, 14), 2.0).toImage();
        QCOMPARE(sharp.size(), QSize(28, 28));
        QVERIFY(opaquePixels(sharp) > 4 * 30);
        // Greyed as the style greys it, not the normal picture again.
        const QImage greyed = icon.pixmap(QSize(14, 14), 1.0, QIcon::Disabled).toImage();
        QCOMPARE(greyed.size(), QSize(14, 14));
        QVERIFY(greyed != normal);
        QStyleOption option;
        option.palette = QGuiApplication::palette();
        QCOMPARE(greyed.convertToFormat(QImage::Format_ARGB32),
                 QApplication::style()
                     ->generatedIconPixmap(QIcon::Disabled, QPixmap::fromImage(normal), &option)
                     .toImage()
                     .convertToFormat(QImage::Format_ARGB32));
    }
    QVERIFY(pictures::openFolder().pixmap(14).toImage() != pictures::floppyDisk().pixmap(14).toImage());
}

void TestPictures::applicationIcon()
{
    const QIcon icon = pictures::applicationIcon();
    QVERIFY(!icon.isNull());
    for (int side : {16, 32}) {
        const QImage image = icon.pixmap(QSize(side, side), 1.0).toImage().convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(image.size(), QSize(side, side));
        QCOMPARE(image, pictures::telephone(side).convertToFormat(QImage::Format_ARGB32));
        // Sixteen colours at most, and the telephone is red.
        std::set<QRgb> colours;
        for (int y = 0; y < side; ++y)
            for (int x = 0; x < side; ++x)
                if (qAlpha(image.pixel(x, y)) > 0)
                    colours.insert(image.pixel(x, y));
        QVERIFY(colours.size() <= 16);
        QVERIFY(colours.count(qRgb(255, 0, 0)) + colours.count(qRgb(128, 0, 0)) > 0);
    }
}

void TestPictures::overflowArrowStillLoads()
{
    QStyle *style = pictures::styleWithLazyOverflowArrow();
    for (auto which : {QStyle::SP_ToolBarHorizontalExtensionButton, QStyle::SP_ToolBarVerticalExtensionButton}) {
        const QImage lazy = style->standardIcon(which).pixmap(QSize(10, 10)).toImage();
        QVERIFY(!lazy.isNull());
        QCOMPARE(lazy, QApplication::style()->standardIcon(which).pixmap(QSize(10, 10)).toImage());
        QVERIFY(opaquePixels(lazy) > 0);
    }
    delete style;
}

QTEST_MAIN(TestPictures)
#include "test_ui_pictures.moc"
