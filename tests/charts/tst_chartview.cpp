#include "capcolours.h"
#include "chartgraphicsview.h"
#include "curveitem.h"

#include <QtTest>
#include <QtWidgets>

using namespace ChartGeometry;
using View = chartGraphicsView;
using Ints = QVector<int>;

class tst_ChartView : public QObject
{
    Q_OBJECT

    template <typename T = QGraphicsItem> static QList<T *> items(const View &v, View::ItemKind k)
    {
        QList<T *> found;
        for (QGraphicsItem *item : v.scene()->items(Qt::AscendingOrder))
            if (item->data(View::ItemKindKey).toInt() == int(k))
                found.append(qgraphicsitem_cast<T *>(item));
        return found;
    }
    // How many items of each kind the scene holds, in kind order.
    static QString kinds(const View &v)
    {
        QMap<int, int> count;
        for (QGraphicsItem *item : v.scene()->items())
            ++count[item->data(View::ItemKindKey).toInt()];
        QStringList all;
        for (auto it = count.cbegin(); it != count.cend(); ++it)
            all << QLatin1String(QMetaEnum::fromType<View::ItemKind>().valueToKey(it.key()))
                << QString::number(*it);
        return all.join(QLatin1Char(' '));
    }
    // The straight lines curve 0 is drawn with, in drawing order.
    static QList<QLineF> segments(const View &v)
    {
        QList<QLineF> found;
        for (CurveItem *item : items<CurveItem>(v, View::Curve))
            for (const QPolygonF &line : item->polylines())
                for (int i = 0; i + 1 < line.size(); ++i)
                    if (item->data(View::CurveIndexKey).toInt() == 0)
                        found.append(QLineF(line.at(i), line.at(i + 1)));
        return found;
    }
    static double radius(const QPointF &p) { return std::hypot(p.x() - 300, p.y() - 300); }

private slots:
    void scenes()
    {
        View polar;
        polar.preparePolar();
        QCOMPARE(kinds(polar),
                 QStringLiteral(
                     "OuterCircle 1 InnerCircle 1 Spoke 85 CapDot 85 CapNumber 85 ScaleRing 4"));
        QCOMPARE(items<QGraphicsEllipseItem>(polar, View::CapDot).at(84)->brush(),
                 QBrush(CapColours::colour(84)));
        // The confusion axes lie on top of everything until the next drawing.
        polar.setData(Ints(85, 2), -1);
        polar.drawConfusionAxes();
        const auto axes = items<QGraphicsLineItem>(polar, View::ConfusionAxis);
        QList<QGraphicsItem *> stack = polar.scene()->items(Qt::AscendingOrder);
        stack = stack.mid(stack.size() - 6); // the top six
        for (int n = 0; n < 6; ++n)          // red, green and blue, each ending on two spokes
            QVERIFY(axes.at(n)->line().p2() ==
                        polarPoint(300, spokeAngle(Ints{16, 63, 14, 57, 4, 45}[n]), 252) &&
                    axes.at(n)->pen() ==
                        QPen(QVector<QColor>{Qt::red, Qt::green, Qt::blue}[n / 2], 1) &&
                    stack.at(n) == axes.at(n));
        polar.redraw();
        QVERIFY(kinds(polar).endsWith(
            QLatin1String("Spoke 85 CapDot 85 CapNumber 85 ScaleRing 4 Curve 1")));

        View linear;
        linear.prepareLinear();
        QCOMPARE(kinds(linear),
                 QStringLiteral("HorizontalAxis 1 VerticalAxis 1 CapTick 18 CapLabel 18 CapSquare "
                                "18 ScoreTick 2 ScoreLabel 2 AxisTitle 1"));
        QCOMPARE(items<QGraphicsRectItem>(linear, View::CapSquare).at(17)->brush(),
                 QBrush(CapColours::colour(85)));
        // A curve on twelve steps: one set of axes, four score ticks, no confusion axes.
        linear.setData(Ints(85, 2), 12);
        linear.drawConfusionAxes();
        QCOMPARE(kinds(linear),
                 QStringLiteral("HorizontalAxis 1 VerticalAxis 1 Curve 1 CapTick 18 CapLabel 18 "
                                "CapSquare 18 ScoreTick 4 ScoreLabel 4 AxisTitle 1"));
    }

    void curveLengths_data()
    {
        // Length, the index of a value that is not a number (or -1), polar and linear segments.
        QTest::addColumn<Ints>("r");
        QTest::newRow("79 skipped") << Ints{79, -1, 0, 0};
        QTest::newRow("80 drawn as far as it goes") << Ints{80, -1, 79, 79};
        QTest::newRow("84 drawn as far as it goes") << Ints{84, -1, 83, 83};
        QTest::newRow("85 closed on the circle") << Ints{85, -1, 85, 84};
        QTest::newRow("extra values ignored") << Ints{90, -1, 85, 84};
        QTest::newRow("empty") << Ints{0, -1, 0, 0};
        QTest::newRow("a gap around a value not a number") << Ints{85, 40, 83, 82};
    }
    void curveLengths()
    {
        QFETCH(Ints, r);
        const int length = r[0];
        QVector<double> values(length, 2);
        if (r[1] >= 0)
            values[r[1]] = qQNaN();
        for (const bool polar : {true, false}) {
            View view;
            polar ? view.preparePolar() : view.prepareLinear();
            view.setData(values, -1);
            QCOMPARE(items(view, View::Curve).size(), length >= 80 ? 1 : 0); // one item per curve
            const auto s = segments(view);
            QCOMPARE(s.size(), r[polar ? 2 : 3]);
            for (const QLineF &l : s) // a perfect score: 2 on the circle, y = 300 on the line
                QVERIFY(polar ? qAbs(radius(l.p1()) - 156) + qAbs(radius(l.p2()) - 156) < 1e-3
                              : l.y1() == 300 && l.y2() == 300);
            if (!s.isEmpty() && polar)
                QCOMPARE(s.last().p2() == s.first().p1(), length >= 85);
            if (!s.isEmpty() && !polar)
                QCOMPARE(QPointF(s.first().x1(), s.last().x2()),
                         QPointF(94, capTickX(view.linearLayout(), qMin(length, 85))));
        }
    }

    void scalesAndColoursFollowTheData()
    {
        View view;
        view.preparePolar();
        Ints values(85, 2);
        values[0] = 30;
        view.setData(values, 10);
        QCOMPARE(view.ringRectangles().size(), 12);
        QCOMPARE(segments(view).first().p1(), QPointF(840, 300)); // outside the ten steps
        view.setData(values, -1);
        QCOMPARE(view.ringRectangles().size(), 32);
        view.setData(Ints(85, 2), 0);
        QCOMPARE(view.ringRectangles().size(), 2);
        QVERIFY(qAbs(radius(segments(view).first().p1()) - 252) < 1e-3);
        // Further data continues from the current maximum; a manual scale overrides both.
        view.addData(QVector<QVector<double>>{{5.5}, {9.2}}, -1);
        QVERIFY(view.scaleMax() == 9 && view.curves().size() == 3);
        view.addData(QVector<Ints>{{1}}, 6);
        QCOMPARE(view.scaleMax(), 6);
        view.setData(Ints(85, 1), -1);
        QVERIFY(view.scaleMax() == 2 && view.curves().size() == 1);
        // The current test black, further ones in colour, starting again at the twelfth.
        view.addData(QVector<Ints>(11, Ints(85, 13)), -1);
        QCOMPARE(view.scaleMax(), 13);
        const auto curves = items<CurveItem>(view, View::Curve); // later curves on top
        for (int t = 0; t < 12; ++t)
            QVERIFY(curves.at(t)->colour() == View::curveColour(t) &&
                    (t % 11 == 0) == (curves.at(t)->colour() == Qt::black));

        View linear; // zero steps on the line: the smallest axis
        linear.prepareLinear();
        linear.setData(Ints(85, 2), 0);
        QCOMPARE(segments(linear).at(40).y2(), 300.0);
        values[40] = 20; // above the axis top, drawn anyway
        linear.setData(values, 12);
        QCOMPARE(segments(linear).at(39).y2(), 510 - 20 / 12.0 * 420);
    }

    void sceneKeptAndOnlyTheViewScales()
    {
        View view;
        // Data before preparation is kept and drawn once there is a scene.
        view.setData(QVector<double>(85, 5), -1);
        view.redraw();
        view.drawConfusionAxes();
        view.setSceneSize(600);
        view.preparePolar();
        view.redraw();
        QCOMPARE(segments(view).size(), 85);
        QGraphicsScene *scene = view.scene();
        auto *graphics = view.findChild<QGraphicsView *>();
        view.prepareLinear();
        view.preparePolar();
        view.setSceneSize(425); // sized while hidden, as the page does for the chart not on show
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        for (const int side : {425, 300}) {
            view.setSceneSize(side);
            const QRect shown = graphics->mapFromScene(scene->sceneRect()).boundingRect();
            QVERIFY(graphics->viewport()->rect().contains(shown) && shown.width() > side - 25 &&
                    graphics->transform().m11() == graphics->transform().m22());
        }
        // Every change redraws into the same scene at the same scene size.
        view.addData(QVector<Ints>{Ints(85, 3)}, -1);
        QVERIFY(graphics->scene() == scene && view.scene() == scene);
        QCOMPARE(scene->sceneRect(), QRectF(0, 0, 600, 600));
        // The curves are painted: hundreds of pixels bear the second one's colour (cyan).
        QImage shot(600, 600, QImage::Format_RGB32);
        shot.fill(Qt::white);
        QPainter painter(&shot);
        scene->render(&painter);
        const QRgb *pixels = reinterpret_cast<const QRgb *>(shot.constBits());
        QVERIFY(std::count(pixels, pixels + 600 * 600, View::curveColour(1).rgb()) > 2 * 85);
    }
};

QTEST_MAIN(tst_ChartView)
#include "tst_chartview.moc"
