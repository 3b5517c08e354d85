#include "swatchpainter.h"

#include "capcolours.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace {

// Geometry of the cap in image pixels: the top face is an ellipse, the side
// wall hangs below it by Depth and shows as the lower half of a second ellipse.
constexpr qreal CentreX = 26.0;
constexpr qreal TopY = 20.5;
constexpr qreal RimRx = 21.0;
constexpr qreal RimRy = 12.5;
constexpr qreal Depth = 11.0;
constexpr qreal FaceInset = 3.5;

const QColor Ink(28, 28, 30);

QPainterPath wallPath()
{
    const QRectF top(CentreX - RimRx, TopY - RimRy, 2 * RimRx, 2 * RimRy);
    const QRectF bottom = top.translated(0, Depth);
    QPainterPath wall;
    wall.moveTo(CentreX - RimRx, TopY);
    wall.lineTo(CentreX - RimRx, TopY + Depth);
    wall.arcTo(bottom, 180.0, 180.0); // front half of the base, left to right
    wall.lineTo(CentreX + RimRx, TopY);
    wall.arcTo(top, 0.0, -180.0); // front half of the rim, back to the left
    wall.closeSubpath();
    return wall;
}

} // namespace

QSize SwatchPainter::size()
{
    return QSize(52, 53);
}

QColor SwatchPainter::background()
{
    return QColor(246, 248, 247);
}

QPoint SwatchPainter::topFaceCentre()
{
    return QPoint(int(CentreX), int(TopY));
}

QColor SwatchPainter::topColour(int index)
{
    if (index < 0 || index >= Count)
        return QColor();
    // Swatch 0 belongs to cap 1 and is warmer than table key 0; swatch 55 is
    // slightly less red than its key. Both are how the physical caps look.
    if (index == 0)
        return QColor(247, 149, 132);
    QColor colour = CapColours::colour(index);
    if (index == 55)
        colour.setRed(112);
    return colour;
}

QImage SwatchPainter::swatch(int index)
{
    const QColor face = topColour(index);
    if (!face.isValid())
        return QImage();

    QImage image(size(), QImage::Format_RGB32);
    image.fill(background());
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);

    // Soft contact shadow under the base.
    const QPointF shadowCentre(CentreX + 1.0, TopY + Depth + RimRy - 1.0);
    QRadialGradient shadow(shadowCentre, RimRx + 2.0);
    shadow.setColorAt(0.0, QColor(0, 0, 0, 70));
    shadow.setColorAt(0.75, QColor(0, 0, 0, 25));
    shadow.setColorAt(1.0, QColor(0, 0, 0, 0));
    painter.save();
    painter.translate(shadowCentre);
    painter.scale(1.0, 0.32);
    painter.translate(-shadowCentre);
    painter.setPen(Qt::NoPen);
    painter.setBrush(shadow);
    painter.drawEllipse(shadowCentre, RimRx + 2.0, RimRx + 2.0);
    painter.restore();

    // Side wall: near-black, lit from the upper left.
    QLinearGradient wallShade(CentreX - RimRx, 0, CentreX + RimRx, 0);
    wallShade.setColorAt(0.0, QColor(52, 52, 55));
    wallShade.setColorAt(0.28, QColor(86, 86, 90));
    wallShade.setColorAt(0.65, QColor(34, 34, 36));
    wallShade.setColorAt(1.0, QColor(16, 16, 18));
    painter.setPen(QPen(Ink, 1.0));
    painter.setBrush(wallShade);
    painter.drawPath(wallPath());

    // Rim of the top: the black cap around the coloured face.
    QLinearGradient rimShade(CentreX, TopY - RimRy, CentreX, TopY + RimRy);
    rimShade.setColorAt(0.0, QColor(70, 70, 74));
    rimShade.setColorAt(1.0, QColor(30, 30, 32));
    painter.setBrush(rimShade);
    painter.drawEllipse(QPointF(CentreX, TopY), RimRx, RimRy);

    // The coloured face itself, flat so that its colour reads true.
    painter.setPen(QPen(Ink, 1.2));
    painter.setBrush(face);
    painter.drawEllipse(QPointF(CentreX, TopY), RimRx - FaceInset,
                        RimRy - FaceInset * RimRy / RimRx);
    painter.end();
    return image;
}
