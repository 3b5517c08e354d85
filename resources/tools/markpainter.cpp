#include "markpainter.h"

#include "capcolours.h"

#include <QPainter>
#include <QPainterPath>
#include <QtMath>

namespace {

constexpr int Caps = 85;
const QColor Blue(0x14, 0x8a, 0xd4);

// Angle of cap `cap` (1..85) in Qt's degrees: cap 1 at the top, clockwise.
qreal capAngle(qreal cap)
{
    return 90.0 - (cap - 1) * 360.0 / Caps;
}

void drawCapDots(QPainter *p, const QPointF &centre, qreal radius, qreal dot)
{
    p->setPen(Qt::NoPen);
    for (int cap = 1; cap <= Caps; ++cap) {
        const qreal a = qDegreesToRadians(capAngle(cap));
        const QPointF at(centre.x() + radius * qCos(a), centre.y() - radius * qSin(a));
        p->setBrush(CapColours::colour(cap));
        p->drawEllipse(at, dot, dot);
    }
}

void drawBand(QPainter *p, const QPointF &centre, qreal outer, qreal inner)
{
    const QRectF outerBox(centre.x() - outer, centre.y() - outer, 2 * outer, 2 * outer);
    const QRectF innerBox(centre.x() - inner, centre.y() - inner, 2 * inner, 2 * inner);
    const qreal step = 360.0 / Caps;
    p->setPen(Qt::NoPen);
    for (int cap = 1; cap <= Caps; ++cap) {
        // Each sector reaches a little into the next so no seam shows through.
        const qreal start = capAngle(cap) + step / 2;
        const qreal sweep = -(step + (cap < Caps ? 0.6 : 0.0));
        QPainterPath sector;
        sector.arcMoveTo(outerBox, start);
        sector.arcTo(outerBox, start, sweep);
        sector.arcTo(innerBox, start + sweep, -sweep);
        sector.closeSubpath();
        p->setBrush(CapColours::colour(cap));
        p->drawPath(sector);
    }
}

void drawV(QPainter *p, const QPointF &centre, qreal size)
{
    QPainterPath v;
    v.moveTo(centre.x() - 0.36 * size, centre.y() - 0.26 * size);
    v.lineTo(centre.x(), centre.y() + 0.34 * size);
    v.lineTo(centre.x() + 0.36 * size, centre.y() - 0.26 * size);
    p->setPen(QPen(Blue, 0.15 * size, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p->setBrush(Qt::NoBrush);
    p->drawPath(v);
}

} // namespace

void MarkPainter::drawMark(QPainter *painter, const QRectF &box, Ring ring)
{
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    const qreal r = qMin(box.width(), box.height()) / 2;
    const QPointF centre = box.center();
    if (ring == Ring::Caps) {
        const qreal dot = r * 0.036;
        drawCapDots(painter, centre, r - dot - 0.5, dot);
        painter->setPen(QPen(QColor(0xde, 0xde, 0xde), qMax(1.0, r * 0.01)));
        painter->setBrush(Qt::NoBrush);
        painter->drawEllipse(centre, r * 0.84, r * 0.84);
    } else {
        drawBand(painter, centre, r, r * 0.78);
    }
    drawV(painter, centre, r);
    painter->restore();
}

void MarkPainter::drawAppIcon(QPainter *painter, const QRectF &box)
{
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    const qreal s = qMin(box.width(), box.height());
    const qreal edge = qMax(1.0, s / 64);
    const QRectF tile = box.adjusted(edge / 2, edge / 2, -edge / 2, -edge / 2);
    painter->setPen(QPen(QColor(0xc8, 0xcc, 0xd0), edge));
    painter->setBrush(QColor(0xfa, 0xfa, 0xfa));
    painter->drawRoundedRect(tile, s * 0.18, s * 0.18);
    const qreal inset = s * 0.1;
    drawMark(painter, box.adjusted(inset, inset, -inset, -inset), Ring::Band);
    painter->restore();
}
