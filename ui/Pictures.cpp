#include "Pictures.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

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

QPixmap render(const Drawing &draw, int units, int size, qreal ratio)
{
    const int pixels = qRound(size * ratio);
    QImage image(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(qreal(pixels) / units, qreal(pixels) / units);
        draw(p);
    }
    QPixmap pixmap = QPixmap::fromImage(image);
    pixmap.setDevicePixelRatio(ratio);
    return pixmap;
}

QIcon buttonIcon(const Drawing &draw)
{
    QIcon icon;
    for (qreal ratio : {1.0, 2.0})
        icon.addPixmap(render(draw, ButtonPicture, ButtonPicture, ratio));
    return icon;
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
    const QImage drawn = render(drawTelephone, 32, size, 1.0).toImage().convertToFormat(
        QImage::Format_ARGB32);
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
    QIcon icon;
    for (int size : {16, 32})
        icon.addPixmap(QPixmap::fromImage(telephone(size)));
    return icon;
}

} // namespace pictures
