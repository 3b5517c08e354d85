#pragma once

#include "chartgeometry.h"

#include <QColor>
#include <QGraphicsItem>
#include <QPolygonF>
#include <QVector>

// One error-score curve of a chart as a single scene item. It keeps the values
// (shared with the chart's curve list, not copied) and where the chart places
// them, and works out its points when painted: a chart of ten thousand curves
// holds ten thousand small items instead of almost a million line items.
class CurveItem : public QGraphicsItem
{
public:
    // Where a chart puts a curve's values: around the hue circle, or along the linear axis.
    struct Placement
    {
        bool polar = true;
        ChartGeometry::PolarLayout polarLayout;
        ChartGeometry::LinearLayout linearLayout;
        int scaleMax = ChartGeometry::DefaultScaleMax;
        int yTop = 0;
    };

    CurveItem(const QVector<double> &values, const Placement &placement, QColor colour);

    // The lines drawn, each a run of joined points. A value that is not a number
    // breaks the line around it; on the hue circle a full curve closes back to its
    // first point. Values beyond the 85th are not drawn.
    QVector<QPolygonF> polylines() const;
    QColor colour() const { return m_colour; }

    QRectF boundingRect() const override;
    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget) override;

private:
    QPointF pointAt(int i) const;

    QVector<double> m_values;
    Placement m_placement;
    QColor m_colour;
    QRectF m_bounds;
};
