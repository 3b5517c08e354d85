#include "curveitem.h"

#include <QPainter>
#include <QPen>
#include <cmath>
#include <utility>

using namespace ChartGeometry;

CurveItem::CurveItem(const QVector<double> &values, const Placement &placement, QColor colour)
    : m_values(values), m_placement(placement), m_colour(std::move(colour))
{
    QRectF bounds;
    for (const QPolygonF &line : polylines())
        bounds |= line.boundingRect();
    // Half the pen's width on every side.
    m_bounds = bounds.adjusted(-1, -1, 1, 1);
}

QPointF CurveItem::pointAt(int i) const
{
    const Placement &p = m_placement;
    const double value = m_values.at(i);
    if (p.polar)
        return polarPoint(p.polarLayout.c, spokeAngle(i),
                          curveRadius(value, p.scaleMax, p.polarLayout));
    return QPointF(capTickX(p.linearLayout, i + 1), scoreY(p.linearLayout, value, p.yTop));
}

QVector<QPolygonF> CurveItem::polylines() const
{
    QVector<QPolygonF> lines;
    if (m_values.size() < MinCurveLength)
        return lines;
    // Short curves are drawn as far as their values go; only a full polar curve is closed.
    const int points = qMin(int(m_values.size()), CapCount);
    const int last = m_placement.polar && points == CapCount ? points : points - 1;
    QPolygonF run;
    for (int k = 0; k <= last; ++k) {
        const int i = k % CapCount;
        if (std::isfinite(m_values.at(i))) {
            run.append(pointAt(i));
            continue;
        }
        if (run.size() > 1)
            lines.append(run);
        run.clear();
    }
    if (run.size() > 1)
        lines.append(run);
    return lines;
}

QRectF CurveItem::boundingRect() const
{
    return m_bounds;
}

void CurveItem::paint(QPainter *painter, const QStyleOptionGraphicsItem * /*option*/,
                      QWidget * /*widget*/)
{
    painter->setPen(QPen(m_colour, 1));
    for (const QPolygonF &line : polylines())
        painter->drawPolyline(line);
}
