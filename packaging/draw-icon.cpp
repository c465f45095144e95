// Draws the application icon: a rounded blue tile holding a white cloud with two
// circling sync arrows. Runs at build time so that no image is kept in the
// sources; draws no text, so it needs neither a display nor fonts.
// Usage: draw-icon SIZE OUTPUT.png

#include <QColor>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>
#include <QString>
#include <QtMath>

#include <cstdio>

namespace {

// Everything is drawn on a 100 x 100 canvas and scaled, so every size shares one shape.
constexpr qreal kCanvas = 100.0;

QPainterPath tilePath()
{
    QPainterPath tile;
    tile.addRoundedRect(QRectF(4, 4, 92, 92), 20, 20);
    return tile;
}

QPainterPath cloudPath()
{
    QPainterPath base;
    base.addRoundedRect(QRectF(16, 46, 68, 26), 13, 13);
    QPainterPath left;
    left.addEllipse(QPointF(35, 49), 15, 15);
    QPainterPath top;
    top.addEllipse(QPointF(54, 42), 20, 20);
    QPainterPath right;
    right.addEllipse(QPointF(71, 54), 13, 13);
    return base.united(left).united(top).united(right).simplified();
}

QPointF onCircle(const QPointF& centre, qreal radius, qreal degrees)
{
    const qreal radians = qDegreesToRadians(degrees);
    return centre + QPointF(radius * qCos(radians), -radius * qSin(radians));
}

// One arc turning counter-clockwise from startDegrees, ending in an arrowhead.
void drawArrow(QPainter& painter, const QPointF& centre, qreal radius, qreal startDegrees,
               qreal spanDegrees, const QColor& colour)
{
    const qreal strokeWidth = 5.0;
    QPainterPath arc;
    arc.arcMoveTo(QRectF(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius), startDegrees);
    arc.arcTo(QRectF(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius), startDegrees,
              spanDegrees);
    painter.setPen(QPen(colour, strokeWidth, Qt::SolidLine, Qt::FlatCap));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(arc);

    const qreal endDegrees = startDegrees + spanDegrees;
    const qreal radians = qDegreesToRadians(endDegrees);
    const QPointF end = onCircle(centre, radius, endDegrees);
    const QPointF along(-qSin(radians), -qCos(radians));
    const QPointF outward(qCos(radians), -qSin(radians));
    const qreal halfWidth = 6.2;
    const qreal length = 7.5;
    QPainterPath head;
    head.moveTo(end + outward * halfWidth);
    head.lineTo(end + along * length);
    head.lineTo(end - outward * halfWidth);
    head.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawPath(head);
}

QImage drawIcon(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);

    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / kCanvas, size / kCanvas);

    const QColor tileTop(0x2e, 0x8b, 0xf0);
    const QColor tileBottom(0x10, 0x4f, 0xb8);
    QLinearGradient tileGradient(0, 4, 0, 96);
    tileGradient.setColorAt(0, tileTop);
    tileGradient.setColorAt(1, tileBottom);
    painter.setPen(Qt::NoPen);
    painter.setBrush(tileGradient);
    painter.drawPath(tilePath());

    // A soft shadow under the cloud lifts it off the tile at large sizes and vanishes at small ones.
    const QPainterPath cloud = cloudPath();
    painter.setBrush(QColor(0, 0x20, 0x60, 60));
    painter.drawPath(cloud.translated(0, 2.5));
    painter.setBrush(Qt::white);
    painter.drawPath(cloud);

    const QPointF arrowCentre(50, 56);
    const qreal arrowRadius = 12.0;
    const QColor arrowColour(0x17, 0x63, 0xd0);
    drawArrow(painter, arrowCentre, arrowRadius, 20, 135, arrowColour);
    drawArrow(painter, arrowCentre, arrowRadius, 200, 135, arrowColour);
    painter.end();
    return image;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s SIZE OUTPUT.png\n", argv[0]);
        return 2;
    }
    bool sizeValid = false;
    const int size = QString::fromLocal8Bit(argv[1]).toInt(&sizeValid);
    if (!sizeValid || size < 16 || size > 1024) {
        std::fprintf(stderr, "draw-icon: size must be a number from 16 to 1024, got '%s'\n", argv[1]);
        return 2;
    }
    const QString output = QString::fromLocal8Bit(argv[2]);
    if (!drawIcon(size).save(output, "PNG")) {
        std::fprintf(stderr, "draw-icon: cannot write '%s'\n", argv[2]);
        return 1;
    }
    return 0;
}
