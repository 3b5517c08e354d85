#include "chartgeometry.h"

#include <QtMath>
#include <cmath>

namespace ChartGeometry {

namespace {

// Half a length in whole pixels, the remainder dropped: the texts have always been placed so.
int half(int length)
{
    return length / 2;
}

} // namespace

PolarLayout polarLayout(int width)
{
    PolarLayout layout;
    layout.c = int(width * 0.5);
    layout.R = int(width * 0.42);
    layout.r0 = int(width * 0.1);
    layout.A = layout.R - layout.r0;
    return layout;
}

LinearLayout linearLayout(int width, int height)
{
    LinearLayout layout;
    layout.x0 = int(width * 0.15);
    layout.y0 = int(height * 0.85);
    layout.x1 = int(width * 0.85);
    layout.y1 = int(height * 0.15);
    layout.W = layout.x1 - layout.x0;
    layout.H = layout.y0 - layout.y1;
    return layout;
}

int scaleMaximum(const QVector<QVector<double>> &curves, int start, int steps)
{
    if (steps >= 0)
        return qMin(steps, ScaleMaxCeiling);
    int maximum = start;
    for (const QVector<double> &curve : curves) {
        for (double value : curve) {
            if (!std::isfinite(value))
                continue;
            if (value >= ScaleMaxCeiling)
                return ScaleMaxCeiling;
            if (value > maximum)
                maximum = int(value);
        }
    }
    return maximum;
}

float spokeAngle(int i)
{
    // Single precision throughout so the stored confusion-axis angles match the spokes.
    return float(i) / 85.0F * 360.0F * 0.017453292F;
}

QPointF polarPoint(int c, double angle, double radius)
{
    return QPointF(c + radius * std::cos(angle), c + radius * std::sin(angle));
}

int ringCount(int scaleMax)
{
    return scaleMax + 2;
}

QRect ringRect(const PolarLayout &layout, int k, int n)
{
    if (n <= 0)
        return QRect();
    const double offset = double(layout.A) * k / n;
    const int corner = int(layout.c - offset - layout.r0);
    const int side = int(2.0 * layout.r0 + 2.0 * offset);
    return QRect(corner, corner, side, side);
}

double curveRadius(double value, int scaleMax, const PolarLayout &layout)
{
    const auto v = float(value);
    return double(v / float(ringCount(scaleMax)) * float(layout.A) + float(layout.r0));
}

QPointF capLabelTopLeft(const PolarLayout &layout, int i, int w, int h)
{
    const double d = std::sqrt((w / 2.0) * (w / 2.0) + (h / 2.0) * (h / 2.0));
    const QPointF p = polarPoint(layout.c, spokeAngle(i), layout.R + d);
    const double fraction = double(i) / CapCount;
    if (fraction <= 0.25)
        return QPointF(p.x() - w / 2.0, p.y() - h / 2.0);
    if (fraction <= 0.5)
        return QPointF(p.x() - w, p.y() - h / 2.0);
    if (fraction <= 0.75)
        return QPointF(p.x() - w, p.y() - h);
    return QPointF(p.x() - w / 2.0, p.y() - h);
}

int yTop(int scaleMax)
{
    const int top = scaleMax + scaleMax % 4;
    return top > 0 ? top : yTop(DefaultScaleMax);
}

QVector<int> scoreTicks(int top)
{
    QVector<int> ticks;
    for (int j = 0; j <= top; j += 4)
        ticks.append(j);
    return ticks;
}

int capTickLength(const LinearLayout &layout)
{
    return int(layout.H * 0.02);
}

int scoreTickLength(const LinearLayout &layout)
{
    return int(layout.W * 0.02);
}

int capTickX(const LinearLayout &layout, int i)
{
    return layout.x0 + int(double(i) / CapCount * layout.W);
}

double scoreY(const LinearLayout &layout, double value, int top)
{
    if (top <= 0)
        return layout.y0;
    return double(float(layout.y0) - float(value) / float(top) * float(layout.H));
}

QPointF scoreLabelTopLeft(const LinearLayout &layout, int j, int top, int w, int h)
{
    // Two-digit labels would otherwise sit too far from the axis.
    const double x = j < 9 ? layout.x0 - 2.0 * w : layout.x0 - 1.5 * w;
    return QPointF(x, scoreY(layout, j, top) - h / 1.5);
}

QPointF capLabelTopLeftLinear(const LinearLayout &layout, int i)
{
    return QPointF(capTickX(layout, i) - 10, layout.y0 + capTickLength(layout));
}

QPointF capSquareTopLeft(const LinearLayout &layout, int i)
{
    return QPointF(capTickX(layout, i) - 5, layout.y0 + int(capTickLength(layout) * 0.5));
}

QPointF titleTopLeft(const LinearLayout &layout)
{
    return QPointF(layout.x0 - 30, half(layout.y1));
}

double badgeSceneSide(int width)
{
    return 0.97 * width;
}

QPointF badgeWordTopLeft(double S, int w, int h)
{
    return QPointF(0.45 * S - w * 0.5, 0.35 * S - half(h));
}

QPointF badgeCaptionTopLeft(double S, int w, int h)
{
    return QPointF(0.45 * S - w * 0.5, 0.55 * S - half(h));
}

QPointF badgeScoreTopLeft(double S, int w, int h)
{
    return QPointF(0.45 * S - half(w), 0.65 * S - half(h));
}

} // namespace ChartGeometry
