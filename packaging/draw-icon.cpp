// Draws the application icon: a rounded blue tile holding a white cloud with two
// circling sync arrows. Runs at build time so that no image is kept in the
// sources; draws no text, so it needs neither a display nor fonts.
// Usage: draw-icon SIZE OUTPUT.png | draw-icon svg OUTPUT.svg

#include <QColor>
#include <QFile>
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

// One arc turning counter-clockwise from startDegrees, stroked; its
// arrowhead is a separate filled path.
const qreal kArrowStrokeWidth = 5.0;
const QPointF kArrowCentre(50, 56);
const qreal kArrowRadius = 12.0;
const qreal kArrowStarts[] = {20, 200};
const qreal kArrowSpan = 135;

QPainterPath arrowArc(qreal startDegrees)
{
    const QRectF box(kArrowCentre.x() - kArrowRadius, kArrowCentre.y() - kArrowRadius, 2 * kArrowRadius,
                     2 * kArrowRadius);
    QPainterPath arc;
    arc.arcMoveTo(box, startDegrees);
    arc.arcTo(box, startDegrees, kArrowSpan);
    return arc;
}

QPainterPath arrowHead(qreal startDegrees)
{
    const qreal endDegrees = startDegrees + kArrowSpan;
    const qreal radians = qDegreesToRadians(endDegrees);
    const QPointF end = onCircle(kArrowCentre, kArrowRadius, endDegrees);
    const QPointF along(-qSin(radians), -qCos(radians));
    const QPointF outward(qCos(radians), -qSin(radians));
    const qreal halfWidth = 6.2;
    const qreal length = 7.5;
    QPainterPath head;
    head.moveTo(end + outward * halfWidth);
    head.lineTo(end + along * length);
    head.lineTo(end - outward * halfWidth);
    head.closeSubpath();
    return head;
}

const QColor kTileTop(0x2e, 0x8b, 0xf0);
const QColor kTileBottom(0x10, 0x4f, 0xb8);
const QColor kArrowColour(0x17, 0x63, 0xd0);
// A soft shadow under the cloud lifts it off the tile at large sizes and vanishes at small ones.
const QColor kShadow(0, 0x20, 0x60, 60);
const qreal kShadowOffset = 2.5;

QImage drawIcon(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);

    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / kCanvas, size / kCanvas);

    QLinearGradient tileGradient(0, 4, 0, 96);
    tileGradient.setColorAt(0, kTileTop);
    tileGradient.setColorAt(1, kTileBottom);
    painter.setPen(Qt::NoPen);
    painter.setBrush(tileGradient);
    painter.drawPath(tilePath());

    const QPainterPath cloud = cloudPath();
    painter.setBrush(kShadow);
    painter.drawPath(cloud.translated(0, kShadowOffset));
    painter.setBrush(Qt::white);
    painter.drawPath(cloud);

    for (const qreal start : kArrowStarts) {
        painter.setPen(QPen(kArrowColour, kArrowStrokeWidth, Qt::SolidLine, Qt::FlatCap));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(arrowArc(start));
        painter.setPen(Qt::NoPen);
        painter.setBrush(kArrowColour);
        painter.drawPath(arrowHead(start));
    }
    painter.end();
    return image;
}

// SVG path data of a path, curves kept as cubic Béziers.
QString svgPathData(const QPainterPath& path)
{
    QString data;
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element element = path.elementAt(i);
        const QString point = QString::number(element.x, 'f', 2) + ',' + QString::number(element.y, 'f', 2);
        switch (element.type) {
        case QPainterPath::MoveToElement:
            data += 'M' + point;
            break;
        case QPainterPath::LineToElement:
            data += 'L' + point;
            break;
        case QPainterPath::CurveToElement:
            data += 'C' + point;
            break;
        case QPainterPath::CurveToDataElement:
            data += ' ' + point;
            break;
        }
    }
    return data;
}

// The same drawing as a scalable icon for the menu, on the 100 x 100 canvas.
QString drawSvg()
{
    QString svg = QStringLiteral(
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"100\" height=\"100\" viewBox=\"0 0 100 100\">\n"
        "  <defs><linearGradient id=\"tile\" x1=\"0\" y1=\"4\" x2=\"0\" y2=\"96\" gradientUnits=\"userSpaceOnUse\">"
        "<stop offset=\"0\" stop-color=\"%1\"/><stop offset=\"1\" stop-color=\"%2\"/></linearGradient></defs>\n")
                      .arg(kTileTop.name(), kTileBottom.name());
    const QPainterPath cloud = cloudPath();
    svg += QStringLiteral("  <path fill=\"url(#tile)\" d=\"%1\"/>\n").arg(svgPathData(tilePath()));
    svg += QStringLiteral("  <path fill=\"%1\" fill-opacity=\"%2\" d=\"%3\"/>\n")
               .arg(kShadow.name())
               .arg(kShadow.alphaF(), 0, 'f', 3)
               .arg(svgPathData(cloud.translated(0, kShadowOffset)));
    svg += QStringLiteral("  <path fill=\"#ffffff\" d=\"%1\"/>\n").arg(svgPathData(cloud));
    for (const qreal start : kArrowStarts) {
        svg += QStringLiteral("  <path fill=\"none\" stroke=\"%1\" stroke-width=\"%2\" d=\"%3\"/>\n")
                   .arg(kArrowColour.name())
                   .arg(kArrowStrokeWidth)
                   .arg(svgPathData(arrowArc(start)));
        svg += QStringLiteral("  <path fill=\"%1\" d=\"%2\"/>\n").arg(kArrowColour.name(), svgPathData(arrowHead(start)));
    }
    return svg + QStringLiteral("</svg>\n");
}

bool writeSvg(const char* output)
{
    QFile file(QString::fromLocal8Bit(output));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        return false;
    }
    const QByteArray data = drawSvg().toUtf8();
    return file.write(data) == data.size();
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s SIZE OUTPUT.png | %s svg OUTPUT.svg\n", argv[0], argv[0]);
        return 2;
    }
    if (QByteArray(argv[1]) == "svg") {
        if (!writeSvg(argv[2])) {
            std::fprintf(stderr, "draw-icon: cannot write '%s'\n", argv[2]);
            return 1;
        }
        return 0;
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
