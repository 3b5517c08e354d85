#include "chartgeometry.h"

#include <QtTest>
#include <cmath>
#include <limits>

using namespace ChartGeometry;
using V = QVector<double>;

class tst_ChartGeometry : public QObject
{
    Q_OBJECT

    template <typename... T> static V v(T... x) { return {double(x)...}; }
    static V v(const QPointF &p) { return {p.x(), p.y()}; }
    static V v(const QRect &r) { return v(r.x(), r.y(), r.width(), r.height()); }
    static V ints(const QVector<int> &values) { return V(values.begin(), values.end()); }
    static void row(const char *name, const V &actual, const V &expected)
    {
        QTest::newRow(name) << actual << expected;
    }
    // Ring radii of a scale on the 600 scene; NaN for a ring not square or not centred.
    static V rings(int scaleMax)
    {
        V radii;
        for (int k = 0, n = ringCount(scaleMax); k < n; ++k) {
            const QRect r = ringRect(polarLayout(600), k, n);
            const bool round = r.width() == r.height() && r.left() == r.top();
            radii.append(round && r.left() == 300 - r.width() / 2 ? r.width() / 2 : qQNaN());
        }
        return radii;
    }
    // Where the number of each spoke sits from its anchor, in text widths and heights (16 x 12).
    static V capOffsets(std::initializer_list<int> spokes)
    {
        V offsets;
        for (int i : spokes) {
            const QPointF anchor = polarPoint(300, spokeAngle(i), 252 + 10);
            const QPointF at = capLabelTopLeft(polarLayout(600), i, 16, 12);
            offsets << (at.x() - anchor.x()) / 16 << (at.y() - anchor.y()) / 12;
        }
        return offsets;
    }

private slots:
    void figures_data();
    void figures();
};

void tst_ChartGeometry::figures_data()
{
    QTest::addColumn<V>("actual");
    QTest::addColumn<V>("expected");
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const PolarLayout p = polarLayout(600);
    const PolarLayout odd = polarLayout(425);
    const LinearLayout l = linearLayout(600, 600);

    row("polar 600", v(p.c, p.R, p.r0, p.A), {300, 252, 60, 192});
    row("polar 425 truncates", v(odd.c, odd.R, odd.r0, odd.A), {212, 178, 42, 136});
    row("linear 600", v(l.x0, l.y0, l.x1, l.y1, l.W, l.H), {90, 510, 510, 90, 420, 420});
    // The stored confusion-axis angles must coincide with their spokes: single precision.
    row("spoke angles",
        v(spokeAngle(4), spokeAngle(45), spokeAngle(16), spokeAngle(63), spokeAngle(14),
          spokeAngle(57), spokeAngle(0)),
        v(0.29567933f, 3.3263924f, 1.1827173f, 4.6569495f, 1.0348777f, 4.2134304f, 0));
    row("spoke 0 points right", v(polarPoint(300, spokeAngle(0), 156)), {456, 300});
    // Scene y grows downwards: spoke 21 lies below the centre, clockwise on screen.
    const QPointF quarter = polarPoint(300, spokeAngle(21), 100);
    row("clockwise", v(quarter.y() > 390, quarter.x() > 300), {1, 1});
    row("rings automatic minimum", rings(2), {60, 108, 156, 204});
    row("rings ten steps", rings(10), {60, 76, 92, 108, 124, 140, 156, 172, 188, 204, 220, 236});
    row("rings zero steps", rings(0), {60, 156});
    // 192 / 7 = 27.43: corner 300 - 27.43 - 60 = 212.57 -> 212, side 120 + 54.86 -> 174.
    row("ring truncated", v(ringRect(p, 1, 7)), {212, 212, 174, 174});
    row("no rings", v(ringRect(p, 0, 0)), {0, 0, 0, 0});
    row("curve radius",
        v(curveRadius(2, 2, p), curveRadius(0, 2, p), curveRadius(30, 10, p), curveRadius(3, 2, p),
          curveRadius(4, 2, p)),
        {156, 60, 540, 204, 252});

    row("scale flat stays at the start", v(scaleMaximum({{2, 2, 2}}, 2, -1)), {2});
    row("scale largest value", v(scaleMaximum({{2, 7, 5, 3}}, 2, -1)), {7});
    row("scale double truncated", v(scaleMaximum({{2.5, 6.9}}, 2, -1)), {6});
    row("scale below the start", v(scaleMaximum({{0, 1}}, 2, -1)), {2});
    row("scale manual wins over data", v(scaleMaximum({{30}}, 2, 10)), {10});
    row("scale manual zero", v(scaleMaximum({{30}}, 2, 0)), {0});
    row("scale manual above data", v(scaleMaximum({{3}}, 2, 20)), {20});
    row("scale continues from previous", v(scaleMaximum({{4}, {3}}, 9, -1)), {9});
    row("scale all further curves", v(scaleMaximum({{4}, {3, 12}}, 9, -1)), {12});
    row("scale other negative steps", v(scaleMaximum({{5}}, 2, -7)), {5});
    row("scale not a number ignored", v(scaleMaximum({{nan, 3}}, 2, -1)), {3});
    row("scale infinity ignored", v(scaleMaximum({{inf, -inf, 4}}, 2, -1)), {4});
    row("scale absurd value capped", v(scaleMaximum({{1e12}}, 2, -1)), {ScaleMaxCeiling});
    row("scale absurd steps capped", v(scaleMaximum({{3}}, 2, 1000000)), {ScaleMaxCeiling});
    row("scale no curves", v(scaleMaximum({}, 2, -1)), {2});

    row("cap numbers first quadrant", capOffsets({0, 21}), {-0.5, -0.5, -0.5, -0.5});
    row("cap numbers second quadrant", capOffsets({22, 42}), {-1, -0.5, -1, -0.5});
    row("cap numbers third quadrant", capOffsets({43, 63}), {-1, -1, -1, -1});
    row("cap numbers fourth quadrant", capOffsets({64, 84}), {-0.5, -1, -0.5, -1});

    row("y top", v(yTop(2), yTop(3), yTop(4), yTop(5), yTop(6), yTop(7), yTop(10), yTop(12)),
        {4, 6, 4, 6, 8, 10, 12, 12});
    // Zero steps would divide by zero; the smallest automatic axis is drawn instead.
    row("y top small or none", v(yTop(1), yTop(0), yTop(-3)), {2, 4, 4});
    row("ticks 4", ints(scoreTicks(4)), {0, 4});
    row("ticks 6 leave the top unnumbered", ints(scoreTicks(6)), {0, 4});
    row("ticks 10", ints(scoreTicks(10)), {0, 4, 8});
    row("ticks 12", ints(scoreTicks(12)), {0, 4, 8, 12});
    row("ticks 2", ints(scoreTicks(2)), {0});
    // yTop 12, text height 15: y - 10; two-digit labels move closer to the axis.
    row("score label 0", v(scoreLabelTopLeft(l, 0, 12, 7, 15)), {76, 500});
    row("score label 4", v(scoreLabelTopLeft(l, 4, 12, 7, 15)), {76, 360});
    row("score label 8", v(scoreLabelTopLeft(l, 8, 12, 7, 15)), {76, 220});
    row("score label 12", v(scoreLabelTopLeft(l, 12, 12, 14, 15)), {69, 80});
    row("cap ticks",
        v(capTickX(l, 0), capTickX(l, 1), capTickX(l, 2), capTickX(l, 5), capTickX(l, 17),
          capTickX(l, 40), capTickX(l, 85)),
        {90, 94, 99, 114, 174, 287, 510});
    row("tick lengths", v(capTickLength(l), scoreTickLength(l)), {8, 8});
    row("cap label", v(capLabelTopLeftLinear(l, 5)), {104, 518});
    row("cap square", v(capSquareTopLeft(l, 5)), {109, 514});
    row("title", v(titleTopLeft(l)), {60, 45});
    row("title 600x610", v(titleTopLeft(linearLayout(600, 610))), {60, 45}); // y1 91 -> 45
    // Above the axis top is not clipped; no axis height leaves every score on the axis.
    row("score y", v(scoreY(l, 2, 4), scoreY(l, 0, 4), scoreY(l, 6, 4), scoreY(l, 2, yTop(0))),
        {300, 510, -120, 300});
    row("score y no axis", v(scoreY(l, 5, 0)), {510});

    const double S = badgeSceneSide(100);
    row("badge side", v(S), {97});
    row("badge word", v(badgeWordTopLeft(S, 50, 17)), v(0.45 * S - 25, 0.35 * S - 8));
    row("badge caption", v(badgeCaptionTopLeft(S, 31, 7)), v(0.45 * S - 15.5, 0.55 * S - 3));
    row("badge score", v(badgeScoreTopLeft(S, 13, 7)), v(0.45 * S - 6, 0.65 * S - 3));
}

void tst_ChartGeometry::figures()
{
    QFETCH(V, actual);
    QFETCH(V, expected);
    QCOMPARE(actual.size(), expected.size());
    for (int i = 0; i < actual.size(); ++i)
        QVERIFY2(std::abs(actual.at(i) - expected.at(i)) < 1e-9,
                 qPrintable(QStringLiteral("%1: %2").arg(i).arg(actual.at(i), 0, 'g', 12)));
}

QTEST_GUILESS_MAIN(tst_ChartGeometry)
#include "tst_chartgeometry.moc"
