#include "Pictures.h"

#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPointer>
#include <QProxyStyle>
#include <QStyleOption>

#include <functional>

namespace {

// The classic 16-colour palette the icon keeps to.
const QRgb vga16[16] = {
    qRgb(0, 0, 0),       qRgb(128, 0, 0),     qRgb(0, 128, 0),   qRgb(128, 128, 0),
    qRgb(0, 0, 128),     qRgb(128, 0, 128),   qRgb(0, 128, 128), qRgb(192, 192, 192),
    qRgb(128, 128, 128), qRgb(255, 0, 0),     qRgb(0, 255, 0),   qRgb(255, 255, 0),
    qRgb(0, 0, 255),     qRgb(255, 0, 255),   qRgb(0, 255, 255), qRgb(255, 255, 255),
};

using Drawing = std::function<void(QPainter &)>;

constexpr int ButtonPicture = 14;   // design units of the button pictures

// A drawing of `units` design units square, antialiased into `pixels` pixels.
QImage render(const Drawing &draw, int units, int pixels)
{
    QImage image(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(qreal(pixels) / units, qreal(pixels) / units);
    draw(p);
    return image;
}

// A square picture drawn when it is first asked for rather than up front, so
// that start-up draws nothing that is never shown. A scalable picture is drawn
// at each size asked for. One with fixed sides exists at those sizes only, as
// an icon of added pixmaps does: a request takes the smallest side that covers
// it (else the largest) and is scaled down to fit.
class DrawnIconEngine : public QIconEngine
{
public:
    using Draw = std::function<QImage(int side)>;

    DrawnIconEngine(Draw draw, QList<int> sides, bool scalable)
        : m_draw(std::move(draw)), m_sides(std::move(sides)), m_scalable(scalable)
    {
    }

    QIconEngine *clone() const override { return new DrawnIconEngine(*this); }
    QString key() const override { return QStringLiteral("vire-drawn"); }
    bool isNull() override { return false; }

    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        QList<QSize> sizes;
        if (mode == QIcon::Normal && state == QIcon::Off) {
            for (int side : m_sides)
                sizes << QSize(side, side);
        }
        return sizes;
    }

    QSize actualSize(const QSize &size, QIcon::Mode, QIcon::State) override
    {
        const int side = shownSide(size);
        return QSize(side, side);
    }

    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State) override
    {
        const int shown = shownSide(size);
        if (shown <= 0)
            return QPixmap();
        // A generated mode follows the palette it was made from.
        const qint64 palette = mode == QIcon::Normal ? 0 : QGuiApplication::palette().cacheKey();
        for (const Shown &s : m_shown) {
            if (s.side == shown && s.mode == mode && s.palette == palette)
                return s.pixmap;
        }
        const int side = m_scalable ? shown : drawnSide(shown);
        QPixmap pm = QPixmap::fromImage(m_draw(side));
        if (side > shown)
            pm = pm.scaled(shown, shown, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        if (mode != QIcon::Normal)
            pm = styled(pm, mode);
        // One per size and mode: one made from an older palette goes.
        m_shown.removeIf([&](const Shown &s) { return s.side == shown && s.mode == mode; });
        m_shown.append({shown, mode, palette, pm});
        return pm;
    }

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        const qreal ratio = painter->device() ? painter->device()->devicePixelRatio()
                                              : qApp->devicePixelRatio();
        painter->drawPixmap(rect, scaledPixmap(rect.size() * ratio, mode, state, ratio));
    }

private:
    struct Shown
    {
        int side;
        QIcon::Mode mode;
        qint64 palette;
        QPixmap pixmap;
    };

    int drawnSide(int wanted) const
    {
        int covering = 0, largest = 0;
        for (int side : m_sides) {
            if (side >= wanted && (covering == 0 || side < covering))
                covering = side;
            largest = qMax(largest, side);
        }
        return covering ? covering : largest;
    }

    int shownSide(const QSize &size) const
    {
        const int wanted = qMin(size.width(), size.height());
        return m_scalable ? wanted : qMin(wanted, drawnSide(wanted));
    }

    // Greyed, selected ... as the style makes them from the normal picture.
    static QPixmap styled(const QPixmap &normal, QIcon::Mode mode)
    {
        if (!qobject_cast<QApplication *>(QCoreApplication::instance()))
            return normal;
        QStyleOption option(0);
        option.palette = QGuiApplication::palette();
        const QPixmap generated = QApplication::style()->generatedIconPixmap(mode, normal, &option);
        return generated.isNull() ? normal : generated;
    }

    Draw m_draw;
    QList<int> m_sides;
    bool m_scalable;
    QList<Shown> m_shown;
};

// An icon that is made only when it is first used, and answers as that icon.
class LoadOnUseIconEngine : public QIconEngine
{
public:
    explicit LoadOnUseIconEngine(std::function<QIcon()> load) : m_load(std::move(load)) {}

    QIconEngine *clone() const override { return new LoadOnUseIconEngine(*this); }
    QString key() const override { return QStringLiteral("vire-load-on-use"); }
    // Answered without loading: a style's own icons are not empty.
    bool isNull() override { return false; }
    QString iconName() override { return icon().name(); }

    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return icon().availableSizes(mode, state);
    }
    // Sizes here are device pixels, so the icon is asked at a ratio of 1.
    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return pixmap(size, mode, state).size();
    }
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().pixmap(size, 1.0, mode, state);
    }
    QPixmap scaledPixmap(const QSize &size, QIcon::Mode mode, QIcon::State state, qreal scale) override
    {
        return icon().pixmap(size / scale, scale, mode, state);
    }
    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }

private:
    const QIcon &icon()
    {
        if (m_load) {
            m_icon = m_load();
            m_load = nullptr;
        }
        return m_icon;
    }

    std::function<QIcon()> m_load;
    QIcon m_icon;
};

// Hands out the overflow arrow as an icon that loads itself when first used.
class LazyOverflowArrowStyle : public QProxyStyle
{
public:
    QIcon standardIcon(StandardPixmap standardIcon, const QStyleOption *option,
                       const QWidget *widget) const override
    {
        if (standardIcon != SP_ToolBarHorizontalExtensionButton
            && standardIcon != SP_ToolBarVerticalExtensionButton)
            return QProxyStyle::standardIcon(standardIcon, option, widget);
        // Whatever the load needs is kept by value or guarded: the button,
        // the style and the icon can each go first.
        const QPointer<QStyle> base = baseStyle();
        const QPointer<const QWidget> on = widget;
        const bool hasOption = option != nullptr;
        const QStyleOption copy = option ? *option : QStyleOption();
        return QIcon(new LoadOnUseIconEngine([base, on, hasOption, copy, standardIcon] {
            return base ? base->standardIcon(standardIcon, hasOption ? &copy : nullptr, on) : QIcon();
        }));
    }
};

QIcon buttonIcon(const Drawing &draw)
{
    return QIcon(new DrawnIconEngine([draw](int side) { return render(draw, ButtonPicture, side); },
                                     {ButtonPicture, 2 * ButtonPicture}, true));
}

QPen outline(QColor c, qreal width = 0.8)
{
    QPen pen(c, width);
    pen.setJoinStyle(Qt::RoundJoin);
    pen.setCapStyle(Qt::RoundCap);
    return pen;
}

void drawOpenFolder(QPainter &p)
{
    const QColor dark(96, 72, 0);
    // Back of the folder with its tab.
    QPainterPath back;
    back.moveTo(0.8, 12.8);
    back.lineTo(0.8, 5.0);
    back.lineTo(1.6, 4.2);
    back.lineTo(4.2, 4.2);
    back.lineTo(5.0, 5.2);
    back.lineTo(10.0, 5.2);
    back.lineTo(10.0, 12.8);
    back.closeSubpath();
    p.setPen(outline(dark));
    p.setBrush(QColor(200, 160, 40));
    p.drawPath(back);
    // The open front flap.
    QPainterPath front;
    front.moveTo(0.8, 12.8);
    front.lineTo(3.2, 7.4);
    front.lineTo(12.6, 7.4);
    front.lineTo(10.2, 12.8);
    front.closeSubpath();
    p.setBrush(QColor(255, 220, 80));
    p.drawPath(front);
    // The curved arrow, coming out of the folder towards the top right.
    QPainterPath arrow;
    arrow.moveTo(6.0, 6.6);
    arrow.cubicTo(6.4, 2.6, 9.0, 1.4, 11.6, 2.2);
    p.setBrush(Qt::NoBrush);
    p.setPen(outline(QColor(0, 64, 160), 1.4));
    p.drawPath(arrow);
    QPainterPath head;
    head.moveTo(13.4, 2.8);
    head.lineTo(10.4, 0.4);
    head.lineTo(10.2, 4.4);
    head.closeSubpath();
    p.setPen(outline(QColor(0, 64, 160), 0.6));
    p.setBrush(QColor(0, 64, 160));
    p.drawPath(head);
}

void drawFloppyDisk(QPainter &p)
{
    // Body with the cut corner.
    QPainterPath body;
    body.moveTo(1, 1);
    body.lineTo(11.6, 1);
    body.lineTo(13, 2.4);
    body.lineTo(13, 13);
    body.lineTo(1, 13);
    body.closeSubpath();
    p.setPen(outline(QColor(0, 0, 40)));
    p.setBrush(QColor(30, 50, 130));
    p.drawPath(body);
    // Metal shutter with its window.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 200, 205));
    p.drawRect(QRectF(3.6, 1.4, 6.6, 4.2));
    p.setBrush(QColor(30, 50, 130));
    p.drawRect(QRectF(7.8, 2.2, 1.4, 2.6));
    // Label.
    p.setBrush(Qt::white);
    p.drawRect(QRectF(2.8, 7.6, 8.4, 5.0));
    p.setPen(outline(QColor(150, 150, 170), 0.5));
    p.drawLine(QPointF(3.8, 9.2), QPointF(10.2, 9.2));
    p.drawLine(QPointF(3.8, 10.9), QPointF(10.2, 10.9));
}

void drawLoudspeaker(QPainter &p)
{
    QPainterPath speaker;
    speaker.moveTo(1.0, 5.0);
    speaker.lineTo(3.6, 5.0);
    speaker.lineTo(7.2, 1.8);
    speaker.lineTo(7.2, 12.2);
    speaker.lineTo(3.6, 9.0);
    speaker.lineTo(1.0, 9.0);
    speaker.closeSubpath();
    p.setPen(outline(QColor(20, 20, 20)));
    p.setBrush(QColor(90, 90, 90));
    p.drawPath(speaker);
    // Sound waves.
    p.setBrush(Qt::NoBrush);
    p.setPen(outline(QColor(20, 20, 20), 1.1));
    for (qreal r : {2.4, 4.4}) {
        const QRectF box(7.6 - r, 7.0 - r, 2 * r, 2 * r);
        p.drawArc(box, -45 * 16, 90 * 16);
    }
}

// A red desk telephone in a 32-unit square, drawn in palette colours only.
void drawTelephone(QPainter &p)
{
    const QColor black(vga16[0]), darkRed(vga16[1]), red(vga16[9]), silver(vga16[7]),
        white(vga16[15]);
    // Body.
    QPainterPath body;
    body.moveTo(9, 13);
    body.lineTo(23, 13);
    body.lineTo(29, 27);
    body.lineTo(29, 29);
    body.lineTo(3, 29);
    body.lineTo(3, 27);
    body.closeSubpath();
    p.setPen(QPen(darkRed, 1.2));
    p.setBrush(red);
    p.drawPath(body);
    // Handset resting on top: the grip and the two cups.
    QPainterPath handset;
    handset.moveTo(2, 11);
    handset.cubicTo(2, 4, 8, 3, 16, 3);
    handset.cubicTo(24, 3, 30, 4, 30, 11);
    handset.lineTo(24, 11);
    handset.lineTo(23, 8);
    handset.cubicTo(20, 7.5, 12, 7.5, 9, 8);
    handset.lineTo(8, 11);
    handset.closeSubpath();
    p.setBrush(red);
    p.drawPath(handset);
    // Dial.
    p.setPen(QPen(black, 1.0));
    p.setBrush(white);
    p.drawEllipse(QPointF(16, 20.5), 6.2, 6.2);
    p.setPen(Qt::NoPen);
    p.setBrush(silver);
    p.drawEllipse(QPointF(16, 20.5), 2.6, 2.6);
    p.setBrush(black);
    for (int i = 0; i < 8; ++i) {
        const qreal a = (i * 36 + 200) * M_PI / 180.0;
        p.drawEllipse(QPointF(16 + 4.3 * std::cos(a), 20.5 + 4.3 * std::sin(a)), 0.9, 0.9);
    }
}

int nearestColour(QRgb c)
{
    int best = 0, bestDistance = INT_MAX;
    for (int i = 0; i < 16; ++i) {
        const int dr = qRed(c) - qRed(vga16[i]), dg = qGreen(c) - qGreen(vga16[i]),
                  db = qBlue(c) - qBlue(vga16[i]);
        const int d = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
        if (d < bestDistance) {
            bestDistance = d;
            best = i;
        }
    }
    return best;
}

} // namespace

namespace pictures {

QIcon openFolder()
{
    return buttonIcon(drawOpenFolder);
}

QIcon floppyDisk()
{
    return buttonIcon(drawFloppyDisk);
}

QIcon loudspeaker()
{
    return buttonIcon(drawLoudspeaker);
}

QImage telephone(int size)
{
    const QImage drawn = render(drawTelephone, 32, size).convertToFormat(QImage::Format_ARGB32);
    // Index 16 is the transparent background.
    QVector<QRgb> table(vga16, vga16 + 16);
    table.append(qRgba(0, 0, 0, 0));
    QImage icon(size, size, QImage::Format_Indexed8);
    icon.setColorTable(table);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const QRgb c = drawn.pixel(x, y);
            icon.setPixel(x, y, qAlpha(c) < 128 ? 16 : nearestColour(c));
        }
    }
    return icon;
}

QIcon applicationIcon()
{
    return QIcon(new DrawnIconEngine(telephone, {16, 32}, false));
}

QStyle *styleWithLazyOverflowArrow()
{
    return new LazyOverflowArrowStyle;
}

} // namespace pictures
