#include "chartgeometry.h"

#include <QtTest>
#include <cmath>
#include <limits>

using namespace ChartGeometry;

using Curves = QVector<QVector<double>>;
Q_DECLARE_METATYPE(Curves)

namespace {
double distance(const QPointF &a, const QPointF &b)
{
    return std::hypot(a.x() - b.x(), a.y() - b.y());
}
} // namespace

class tst_ChartGeometry : public QObject
{
    Q_OBJECT

private slots:
    void layoutsOfTheStandardScene();
    void spokeAngles_data();
    void spokeAngles();
    void spokeZeroPointsRightAndEntriesAdvanceClockwise();
    void ringRadii_data();
    void ringRadii();
    void ringRectangleIsTruncated();
    void curveRadius_data();
    void curveRadius();
    void scaleMaximum_data();
    void scaleMaximum();
    void capNumbersSitOutsideTheDots_data();
    void capNumbersSitOutsideTheDots();
    void yTop_data();
    void yTop();
    void scoreTicks_data();
    void scoreTicks();
    void scoreLabelOffsetsForTwelveSteps_data();
    void scoreLabelOffsetsForTwelveSteps();
    void capScalePlaces_data();
    void capScalePlaces();
    void linearMarksAndTitle();
    void scoreYStaysFiniteForZeroSteps();
    void badgeTextsCentredOnOneLine();
};

void tst_ChartGeometry::layoutsOfTheStandardScene()
{
    const PolarLayout polar = polarLayout(600);
    QCOMPARE(polar.c, 300);
    QCOMPARE(polar.R, 252);
    QCOMPARE(polar.r0, 60);
    QCOMPARE(polar.A, 192);

    const LinearLayout linear = linearLayout(600, 600);
    QCOMPARE(linear.x0, 90);
    QCOMPARE(linear.y0, 510);
    QCOMPARE(linear.x1, 510);
    QCOMPARE(linear.y1, 90);
    QCOMPARE(linear.W, 420);
    QCOMPARE(linear.H, 420);

    // A scene side that does not divide evenly truncates every figure.
    const PolarLayout odd = polarLayout(425);
    QCOMPARE(odd.c, 212);
    QCOMPARE(odd.R, 178);
    QCOMPARE(odd.r0, 42);
    QCOMPARE(odd.A, 136);
}

void tst_ChartGeometry::spokeAngles_data()
{
    QTest::addColumn<int>("spoke");
    QTest::addColumn<float>("radians");
    // The stored confusion-axis angles must coincide with their spokes.
    QTest::newRow("tritan 5") << 4 << 0.29567933f;
    QTest::newRow("tritan 46") << 45 << 3.3263924f;
    QTest::newRow("protan 17") << 16 << 1.1827173f;
    QTest::newRow("protan 64") << 63 << 4.6569495f;
    QTest::newRow("deutan 15") << 14 << 1.0348777f;
    QTest::newRow("deutan 58") << 57 << 4.2134304f;
    QTest::newRow("first") << 0 << 0.0f;
}

void tst_ChartGeometry::spokeAngles()
{
    QFETCH(int, spoke);
    QFETCH(float, radians);
    QCOMPARE(spokeAngle(spoke), radians);
}

void tst_ChartGeometry::spokeZeroPointsRightAndEntriesAdvanceClockwise()
{
    const QPointF first = polarPoint(300, spokeAngle(0), 156);
    QCOMPARE(first, QPointF(456, 300));
    // Scene y grows downwards, so the next spokes go below the centre: clockwise on screen.
    QVERIFY(polarPoint(300, spokeAngle(10), 156).y() > 300);
    const QPointF quarter = polarPoint(300, spokeAngle(21), 100);
    QVERIFY(quarter.y() > 390 && quarter.x() > 300);
}

void tst_ChartGeometry::ringRadii_data()
{
    QTest::addColumn<int>("scaleMax");
    QTest::addColumn<QVector<int>>("radii");
    QTest::newRow("automatic minimum") << 2 << QVector<int>{60, 108, 156, 204};
    QVector<int> twelve;
    for (int k = 0; k < 12; ++k)
        twelve.append(60 + 16 * k);
    QTest::newRow("ten steps") << 10 << twelve;
    QTest::newRow("zero steps") << 0 << QVector<int>{60, 156};
}

void tst_ChartGeometry::ringRadii()
{
    QFETCH(int, scaleMax);
    QFETCH(QVector<int>, radii);
    const PolarLayout layout = polarLayout(600);
    const int n = ringCount(scaleMax);
    QCOMPARE(n, radii.size());
    for (int k = 0; k < n; ++k) {
        const QRect rect = ringRect(layout, k, n);
        QCOMPARE(rect.width(), rect.height());
        QCOMPARE(rect.width(), 2 * radii.at(k));
        QCOMPARE(rect.left(), 300 - radii.at(k));
        QCOMPARE(rect.top(), 300 - radii.at(k));
    }
}

void tst_ChartGeometry::ringRectangleIsTruncated()
{
    // 192 * 1 / 7 = 27.43: corner 300 - 27.43 - 60 = 212.57 -> 212, side 120 + 54.86 -> 174.
    const QRect rect = ringRect(polarLayout(600), 1, 7);
    QCOMPARE(rect, QRect(212, 212, 174, 174));
    QCOMPARE(ringRect(polarLayout(600), 0, 0), QRect());
}

void tst_ChartGeometry::curveRadius_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("scaleMax");
    QTest::addColumn<double>("radius");
    QTest::newRow("perfect score") << 2.0 << 2 << 156.0;
    QTest::newRow("zero on the inner circle") << 0.0 << 2 << 60.0;
    QTest::newRow("beyond manual ten steps") << 30.0 << 10 << 540.0;
    QTest::newRow("fraction") << 3.0 << 2 << 204.0;
    QTest::newRow("outer circle") << 4.0 << 2 << 252.0;
}

void tst_ChartGeometry::curveRadius()
{
    QFETCH(double, value);
    QFETCH(int, scaleMax);
    QFETCH(double, radius);
    QCOMPARE(ChartGeometry::curveRadius(value, scaleMax, polarLayout(600)), radius);
}

void tst_ChartGeometry::scaleMaximum_data()
{
    QTest::addColumn<Curves>("curves");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("steps");
    QTest::addColumn<int>("expected");
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();

    QTest::newRow("flat stays at the start") << Curves{{2, 2, 2}} << 2 << -1 << 2;
    QTest::newRow("largest value") << Curves{{2, 7, 5, 3}} << 2 << -1 << 7;
    QTest::newRow("double truncated") << Curves{{2.5, 6.9}} << 2 << -1 << 6;
    QTest::newRow("below the start") << Curves{{0, 1}} << 2 << -1 << 2;
    QTest::newRow("manual wins over data") << Curves{{30}} << 2 << 10 << 10;
    QTest::newRow("manual zero") << Curves{{30}} << 2 << 0 << 0;
    QTest::newRow("manual above data") << Curves{{3}} << 2 << 20 << 20;
    QTest::newRow("continues from previous") << Curves{{4}, {3}} << 9 << -1 << 9;
    QTest::newRow("all further curves") << Curves{{4}, {3, 12}} << 9 << -1 << 12;
    QTest::newRow("other negative steps are automatic") << Curves{{5}} << 2 << -7 << 5;
    QTest::newRow("not a number ignored") << Curves{{nan, 3}} << 2 << -1 << 3;
    QTest::newRow("infinity ignored") << Curves{{inf, -inf, 4}} << 2 << -1 << 4;
    QTest::newRow("absurd value capped") << Curves{{1e12}} << 2 << -1 << ScaleMaxCeiling;
    QTest::newRow("absurd steps capped") << Curves{{3}} << 2 << 1000000 << ScaleMaxCeiling;
    QTest::newRow("no curves") << Curves{} << 2 << -1 << 2;
}

void tst_ChartGeometry::scaleMaximum()
{
    QFETCH(Curves, curves);
    QFETCH(int, start);
    QFETCH(int, steps);
    QFETCH(int, expected);
    QCOMPARE(ChartGeometry::scaleMaximum(curves, start, steps), expected);
}

void tst_ChartGeometry::capNumbersSitOutsideTheDots_data()
{
    QTest::addColumn<int>("spoke");
    QTest::addColumn<double>("dx"); // top-left minus the anchor point, in text widths
    QTest::addColumn<double>("dy"); // ... and in text heights
    QTest::newRow("first quadrant start") << 0 << -0.5 << -0.5;
    QTest::newRow("first quadrant end") << 21 << -0.5 << -0.5;
    QTest::newRow("second quadrant start") << 22 << -1.0 << -0.5;
    QTest::newRow("second quadrant end") << 42 << -1.0 << -0.5;
    QTest::newRow("third quadrant start") << 43 << -1.0 << -1.0;
    QTest::newRow("third quadrant end") << 63 << -1.0 << -1.0;
    QTest::newRow("fourth quadrant start") << 64 << -0.5 << -1.0;
    QTest::newRow("last") << 84 << -0.5 << -1.0;
}

void tst_ChartGeometry::capNumbersSitOutsideTheDots()
{
    QFETCH(int, spoke);
    QFETCH(double, dx);
    QFETCH(double, dy);
    const PolarLayout layout = polarLayout(600);
    const int w = 16, h = 12;
    const double d = std::sqrt(8.0 * 8.0 + 6.0 * 6.0); // 10
    const QPointF anchor = polarPoint(layout.c, spokeAngle(spoke), layout.R + d);
    const QPointF topLeft = capLabelTopLeft(layout, spoke, w, h);
    QCOMPARE(topLeft.x() - anchor.x(), dx * w);
    QCOMPARE(topLeft.y() - anchor.y(), dy * h);
    QVERIFY(distance(anchor, QPointF(layout.c, layout.c)) > layout.R + 5);
}

void tst_ChartGeometry::yTop_data()
{
    QTest::addColumn<int>("scaleMax");
    QTest::addColumn<int>("top");
    QTest::newRow("2") << 2 << 4;
    QTest::newRow("3") << 3 << 6;
    QTest::newRow("4") << 4 << 4;
    QTest::newRow("5") << 5 << 6;
    QTest::newRow("6") << 6 << 8;
    QTest::newRow("7") << 7 << 10;
    QTest::newRow("10") << 10 << 12;
    QTest::newRow("12") << 12 << 12;
    QTest::newRow("1") << 1 << 2;
    // Zero steps would divide by zero; the smallest automatic axis is drawn instead.
    QTest::newRow("0") << 0 << 4;
    QTest::newRow("negative") << -3 << 4;
}

void tst_ChartGeometry::yTop()
{
    QFETCH(int, scaleMax);
    QFETCH(int, top);
    QCOMPARE(ChartGeometry::yTop(scaleMax), top);
}

void tst_ChartGeometry::scoreTicks_data()
{
    QTest::addColumn<int>("top");
    QTest::addColumn<QVector<int>>("ticks");
    QTest::newRow("4") << 4 << QVector<int>{0, 4};
    QTest::newRow("6 leaves the top unnumbered") << 6 << QVector<int>{0, 4};
    QTest::newRow("10") << 10 << QVector<int>{0, 4, 8};
    QTest::newRow("12") << 12 << QVector<int>{0, 4, 8, 12};
    QTest::newRow("2") << 2 << QVector<int>{0};
}

void tst_ChartGeometry::scoreTicks()
{
    QFETCH(int, top);
    QFETCH(QVector<int>, ticks);
    QCOMPARE(ChartGeometry::scoreTicks(top), ticks);
}

void tst_ChartGeometry::scoreLabelOffsetsForTwelveSteps_data()
{
    QTest::addColumn<int>("score");
    QTest::addColumn<int>("width");
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("y");
    // x0 = 90, y0 = 510, H = 420, yTop 12, text height 15 -> y - 10.
    QTest::newRow("0") << 0 << 7 << 76.0 << 500.0;
    QTest::newRow("4") << 4 << 7 << 76.0 << 360.0;
    QTest::newRow("8") << 8 << 7 << 76.0 << 220.0;
    QTest::newRow("12") << 12 << 14 << 69.0 << 80.0;
}

void tst_ChartGeometry::scoreLabelOffsetsForTwelveSteps()
{
    QFETCH(int, score);
    QFETCH(int, width);
    QFETCH(double, x);
    QFETCH(double, y);
    const LinearLayout layout = linearLayout(600, 600);
    const int top = ChartGeometry::yTop(12);
    QCOMPARE(top, 12);
    const QPointF topLeft = scoreLabelTopLeft(layout, score, top, width, 15);
    QCOMPARE(topLeft.x(), x);
    QCOMPARE(topLeft.y(), y);
}

void tst_ChartGeometry::capScalePlaces_data()
{
    QTest::addColumn<int>("place");
    QTest::addColumn<int>("x");
    QTest::newRow("origin") << 0 << 90;
    QTest::newRow("first value") << 1 << 94;
    QTest::newRow("second value") << 2 << 99;
    QTest::newRow("tick 5") << 5 << 114;
    QTest::newRow("tick 17 exact") << 17 << 174;
    QTest::newRow("tick 40") << 40 << 287;
    QTest::newRow("last value on the axis end") << 85 << 510;
}

void tst_ChartGeometry::capScalePlaces()
{
    QFETCH(int, place);
    QFETCH(int, x);
    QCOMPARE(capTickX(linearLayout(600, 600), place), x);
}

void tst_ChartGeometry::linearMarksAndTitle()
{
    const LinearLayout layout = linearLayout(600, 600);
    QCOMPARE(capTickLength(layout), 8);
    QCOMPARE(scoreTickLength(layout), 8);
    QCOMPARE(capLabelTopLeftLinear(layout, 5), QPointF(104, 518));
    QCOMPARE(capSquareTopLeft(layout, 5), QPointF(109, 514));
    QCOMPARE(titleTopLeft(layout), QPointF(60, 45));
    QCOMPARE(titleTopLeft(linearLayout(600, 610)), QPointF(60, 45)); // y1 91 -> 45
    QCOMPARE(scoreY(layout, 2, 4), 300.0);
    QCOMPARE(scoreY(layout, 0, 4), 510.0);
    QCOMPARE(scoreY(layout, 6, 4), -120.0); // above the axis top, not clipped
}

void tst_ChartGeometry::scoreYStaysFiniteForZeroSteps()
{
    const LinearLayout layout = linearLayout(600, 600);
    const int top = ChartGeometry::yTop(0);
    QVERIFY(std::isfinite(scoreY(layout, 2, top)));
    QCOMPARE(scoreY(layout, 2, top), 300.0);
    QCOMPARE(scoreY(layout, 5, 0), 510.0);
}

void tst_ChartGeometry::badgeTextsCentredOnOneLine()
{
    const double S = badgeSceneSide(100);
    QCOMPARE(S, 97.0);
    QCOMPARE(badgeWordTopLeft(S, 50, 17), QPointF(0.45 * S - 25, 0.35 * S - 8));
    QCOMPARE(badgeCaptionTopLeft(S, 31, 7), QPointF(0.45 * S - 15.5, 0.55 * S - 3));
    QCOMPARE(badgeScoreTopLeft(S, 13, 7), QPointF(0.45 * S - 6, 0.65 * S - 3));
    // A long word keeps its centre on 0.45 S and may leave the disc.
    const QPointF wide = badgeWordTopLeft(S, 300, 17);
    QCOMPARE(wide.x() + 150, 0.45 * S);
    QVERIFY(wide.x() < 0);
}

QTEST_GUILESS_MAIN(tst_ChartGeometry)
#include "tst_chartgeometry.moc"
