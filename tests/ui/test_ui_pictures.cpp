// The pictures are files compiled into the program: each must load at the
// sizes the window and the desktop ask for.
#include <QImage>
#include <QImageReader>
#include <QTest>

#include <set>
#include <vector>

namespace {

// The colours of the pixels that are not fully transparent, each pixel's
// (a vector) or each colour once (a set).
template<typename Pixels = std::vector<QRgb>>
Pixels opaque(const QImage &image)
{
    Pixels pixels;
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < argb.height(); ++y)
        for (int x = 0; x < argb.width(); ++x)
            if (qAlpha(argb.pixel(x, y)) > 0)
                pixels.insert(pixels.end(), argb.pixel(x, y));
    return pixels;
}

} // namespace

class TestPictures : public QObject
{
    Q_OBJECT

private slots:
    void buttonPictures()
    {
        QImage previous;
        for (const char *name : {"open-folder", "floppy-disk", "loudspeaker"}) {
            const QImage normal(QStringLiteral(":/pictures/%1.png").arg(QLatin1String(name)));
            QCOMPARE(normal.size(), QSize(14, 14));
            QVERIFY2(opaque(normal).size() > 30, name);
            // The twin for screens of double density.
            const QImage sharp(QStringLiteral(":/pictures/%1@2x.png").arg(QLatin1String(name)));
            QCOMPARE(sharp.size(), QSize(28, 28));
            QVERIFY2(opaque(sharp).size() > 4 * 30, name);
            QVERIFY2(normal != previous, name);
            previous = normal;
        }
    }

    void applicationIcon()
    {
        for (int side : {16, 32, 48}) {
            const QImage image(QStringLiteral(":/pictures/app-icon-%1.png").arg(side));
            QCOMPARE(image.size(), QSize(side, side));
            QVERIFY(opaque(image).size() > size_t(side * side / 4));
            // A red telephone in sixteen colours at most.
            const std::set<QRgb> colours = opaque<std::set<QRgb>>(image);
            QVERIFY2(colours.size() <= 16, qPrintable(QString::number(side)));
            QVERIFY(colours.count(qRgb(255, 0, 0)) > 0);
        }
        // The Windows icon holds the 16 and 32 pixel pictures.
        QImageReader ico(QStringLiteral(VIRE_RESOURCES "/app-icon.ico"));
        QCOMPARE(ico.imageCount(), 2);
        std::set<int> sides;
        do {
            const QImage image = ico.read();
            QCOMPARE(image.width(), image.height());
            QVERIFY(opaque<std::set<QRgb>>(image).size() <= 16);
            sides.insert(image.width());
        } while (ico.jumpToNextImage());
        QCOMPARE(sides, (std::set<int>{16, 32}));
    }
};

QTEST_MAIN(TestPictures)
#include "test_ui_pictures.moc"
