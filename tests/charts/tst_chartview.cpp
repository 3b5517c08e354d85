#include "analysisdisplay.h"
#include "capcolours.h"
#include "chartgeometry.h"
#include "chartgraphicsview.h"
#include "curveitem.h"

#include <QGraphicsEllipseItem>
#include <QGraphicsLineItem>
#include <QGraphicsRectItem>
#include <QGraphicsScene>
#include <QGraphicsTextItem>
#include <QGraphicsView>
#include <QPainter>
#include <QTranslator>
#include <QtTest>
#include <cmath>

namespace {

using Kind = chartGraphicsView::ItemKind;

QList<QGraphicsItem *> itemsOf(const chartGraphicsView &view, Kind kind)
{
    QList<QGraphicsItem *> found;
    const QList<QGraphicsItem *> all = view.scene()->items(Qt::AscendingOrder);
    for (QGraphicsItem *item : all) {
        if (item->data(chartGraphicsView::ItemKindKey).toInt() == int(kind))
            found.append(item);
    }
    return found;
}

QList<QGraphicsLineItem *> linesOf(const chartGraphicsView &view, Kind kind)
{
    QList<QGraphicsLineItem *> lines;
    const QList<QGraphicsItem *> items = itemsOf(view, kind);
    for (QGraphicsItem *item : items) {
        auto *line = qgraphicsitem_cast<QGraphicsLineItem *>(item);
        if (line)
            lines.append(line);
    }
    return lines;
}

// The item drawing curve t of the chart; null when the curve is not drawn.
CurveItem *curveItem(const chartGraphicsView &view, int curve)
{
    for (QGraphicsItem *item : itemsOf(view, chartGraphicsView::Curve)) {
        if (item->data(chartGraphicsView::CurveIndexKey).toInt() == curve)
            return static_cast<CurveItem *>(item);
    }
    return nullptr;
}

// The straight lines curve t is drawn with, in drawing order.
QList<QLineF> curveSegments(const chartGraphicsView &view, int curve)
{
    QList<QLineF> segments;
    if (const CurveItem *item = curveItem(view, curve)) {
        for (const QPolygonF &line : item->polylines()) {
            for (int i = 0; i + 1 < line.size(); ++i)
                segments.append(QLineF(line.at(i), line.at(i + 1)));
        }
    }
    return segments;
}

QStringList textsOf(const chartGraphicsView &view, Kind kind)
{
    QStringList texts;
    const QList<QGraphicsItem *> items = itemsOf(view, kind);
    for (QGraphicsItem *item : items)
        texts.append(qgraphicsitem_cast<QGraphicsTextItem *>(item)->toPlainText());
    return texts;
}

double radiusOf(const QPointF &p)
{
    return std::hypot(p.x() - 300, p.y() - 300);
}

QVector<double> constant(int count, double value)
{
    return QVector<double>(count, value);
}

QImage render(QGraphicsScene *scene)
{
    const QRectF rect = scene->sceneRect();
    QImage image(rect.size().toSize(), QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    scene->render(&painter, QRectF(QPointF(0, 0), rect.size()), rect);
    painter.end();
    // Kept for looking at by eye when asked for.
    const QByteArray dir = qgetenv("VK_CHART_PNG_DIR");
    if (!dir.isEmpty()) {
        const QString name = QString::fromLatin1(QTest::currentTestFunction());
        static int counter = 0;
        image.save(QString::fromLocal8Bit(dir) + QStringLiteral("/charts-") + name +
                   QString::number(++counter) + QStringLiteral(".png"));
    }
    return image;
}

// Answers only for the expected contexts, so a wrong context shows as untranslated text.
class ContextTranslator : public QTranslator
{
public:
    QString translate(const char *context, const char *sourceText, const char * = nullptr,
                      int = -1) const override
    {
        if (qstrcmp(context, "chartGraphicsView") == 0 && qstrcmp(sourceText, "Error Scores") == 0)
            return QStringLiteral("Fehlerwerte");
        if (qstrcmp(context, "analysisDisplay") == 0 && qstrcmp(sourceText, "Discrimination:") == 0)
            return QStringLiteral("Unterscheidung:");
        return QString();
    }
    bool isEmpty() const override { return false; }
};

} // namespace

class tst_ChartView : public QObject
{
    Q_OBJECT

private slots:
    void polarPreparationDrawsTheHueCircle();
    void perfectArrangementOnThePolarChart();
    void manualTenStepsPutsThirtyOutside();
    void curveLengths_data();
    void curveLengths();
    void curveColoursCycleAfterEleven();
    void integerAndDoubleEntryPointsAgree();
    void linearPreparationDrawsBothScales();
    void perfectArrangementOnTheLinearChart();
    void linearTwelveSteps();
    void zeroStepsDrawSomethingSensible();
    void confusionAxesComeAndGo();
    void dataBeforePreparationIsKept();
    void sceneSizeScalesOnlyTheView();
    void textsUseTheClassContexts();
    void emptyAndFilledScenesRender();
    void badgeLayout_data();
    void badgeLayout();
    void badgeRedrawKeepsOneDisc();
    void badgeResizeFitsTheView();
};

void tst_ChartView::polarPreparationDrawsTheHueCircle()
{
    chartGraphicsView view;
    view.preparePolar();
    QVERIFY(view.isPolar());
    QCOMPARE(view.findChild<QGraphicsView *>(QStringLiteral("chartView"))->scene(), view.scene());
    QCOMPARE(view.scene()->sceneRect(), QRectF(0, 0, 600, 600));
    QCOMPARE(view.scaleMax(), 2);

    const auto outer = itemsOf(view, chartGraphicsView::OuterCircle);
    QCOMPARE(outer.size(), 1);
    QCOMPARE(qgraphicsitem_cast<QGraphicsEllipseItem *>(outer.first())->rect(),
             QRectF(48, 48, 504, 504));
    const auto inner = itemsOf(view, chartGraphicsView::InnerCircle);
    QCOMPARE(inner.size(), 1);
    QCOMPARE(qgraphicsitem_cast<QGraphicsEllipseItem *>(inner.first())->rect(),
             QRectF(240, 240, 120, 120));

    const auto spokes = linesOf(view, chartGraphicsView::Spoke);
    QCOMPARE(spokes.size(), 85);
    for (const QGraphicsLineItem *spoke : spokes) {
        QCOMPARE(spoke->pen().color(), QColor(Qt::gray));
        QVERIFY(qAbs(radiusOf(spoke->line().p1()) - 60) < 1e-3);
        QVERIFY(qAbs(radiusOf(spoke->line().p2()) - 252) < 1e-3);
    }

    const auto dots = itemsOf(view, chartGraphicsView::CapDot);
    QCOMPARE(dots.size(), 85);
    QCOMPARE(view.capColours(), CapColours::table());
    for (int i = 0; i < 85; ++i) {
        auto *dot = qgraphicsitem_cast<QGraphicsEllipseItem *>(dots.at(i));
        const QPointF centre = ChartGeometry::polarPoint(300, ChartGeometry::spokeAngle(i), 252);
        QCOMPARE(dot->rect().size(), QSizeF(10, 10));
        QVERIFY(QLineF(dot->rect().center(), centre).length() < 1e-3);
        QCOMPARE(dot->brush().color(), CapColours::colour(i));
        QCOMPARE(dot->brush().style(), Qt::SolidPattern);
    }

    const QStringList numbers = textsOf(view, chartGraphicsView::CapNumber);
    QCOMPARE(numbers.size(), 85);
    QCOMPARE(numbers.first(), QStringLiteral("1"));
    QCOMPARE(numbers.last(), QStringLiteral("85"));
    // Every number sits outside the dot ring.
    for (QGraphicsItem *item : itemsOf(view, chartGraphicsView::CapNumber))
        QVERIFY(radiusOf(item->pos()) > 240);

    QCOMPARE(itemsOf(view, chartGraphicsView::ScaleRing).size(), 4);
    QCOMPARE(view.ringRectangles().size(), 4);
    QVERIFY(itemsOf(view, chartGraphicsView::Curve).isEmpty());
}

void tst_ChartView::perfectArrangementOnThePolarChart()
{
    chartGraphicsView view;
    view.preparePolar();
    view.setData(QVector<int>(85, 2), -1);
    QCOMPARE(view.scaleMax(), 2);

    const QVector<QRect> rings = view.ringRectangles();
    QCOMPARE(rings.size(), 4);
    const int radii[] = {60, 108, 156, 204};
    for (int k = 0; k < 4; ++k) {
        QCOMPARE(rings.at(k).width() / 2, radii[k]);
        QCOMPARE(rings.at(k).center(), QPoint(299, 299)); // QRect::center() rounds down
    }

    const auto segments = curveSegments(view, 0);
    QCOMPARE(segments.size(), 85);
    QCOMPARE(curveItem(view, 0)->colour(), QColor(QStringLiteral("black")));
    for (const QLineF &segment : segments) {
        QVERIFY(qAbs(radiusOf(segment.p1()) - 156) < 1e-3);
        QVERIFY(qAbs(radiusOf(segment.p2()) - 156) < 1e-3);
    }
}

void tst_ChartView::manualTenStepsPutsThirtyOutside()
{
    chartGraphicsView view;
    view.preparePolar();
    QVector<int> values(85, 2);
    values[0] = 30;
    view.setData(values, 10);
    QCOMPARE(view.scaleMax(), 10);
    QCOMPARE(view.ringRectangles().size(), 12);
    QCOMPARE(view.ringRectangles().last().width(), 2 * (60 + 16 * 11));

    const auto segments = curveSegments(view, 0);
    QCOMPARE(segments.size(), 85);
    QCOMPARE(segments.first().p1(), QPointF(840, 300));
    QVERIFY(qAbs(radiusOf(segments.last().p2()) - 540) < 1e-3);

    view.setData(values, -1);
    QCOMPARE(view.scaleMax(), 30);
    QCOMPARE(view.ringRectangles().size(), 32);
}

void tst_ChartView::curveLengths_data()
{
    QTest::addColumn<int>("length");
    QTest::addColumn<int>("polarSegments");
    QTest::addColumn<int>("linearSegments");
    QTest::addColumn<bool>("closed");
    QTest::addColumn<int>("notANumber"); // index of a value that is not a number, or -1
    QTest::newRow("79 skipped") << 79 << 0 << 0 << false << -1;
    QTest::newRow("80 drawn as far as it goes") << 80 << 79 << 79 << false << -1;
    QTest::newRow("84 drawn as far as it goes") << 84 << 83 << 83 << false << -1;
    QTest::newRow("85 closed loop") << 85 << 85 << 84 << true << -1;
    QTest::newRow("extra values ignored") << 90 << 85 << 84 << true << -1;
    QTest::newRow("empty") << 0 << 0 << 0 << false << -1;
    QTest::newRow("a gap around a value not a number") << 85 << 83 << 82 << true << 40;
}

void tst_ChartView::curveLengths()
{
    QFETCH(int, length);
    QFETCH(int, polarSegments);
    QFETCH(int, linearSegments);
    QFETCH(bool, closed);
    QFETCH(int, notANumber);

    QVector<double> values;
    for (int i = 0; i < length; ++i)
        values.append(1 + i % 5);
    if (notANumber >= 0)
        values[notANumber] = qQNaN();

    chartGraphicsView polar;
    polar.preparePolar();
    polar.setData(values, -1);
    const auto segments = curveSegments(polar, 0);
    QCOMPARE(segments.size(), polarSegments);
    if (!segments.isEmpty()) {
        // Consecutive segments join up but around the gap; only a full curve returns to its start.
        int breaks = 0;
        for (int i = 0; i + 1 < segments.size(); ++i)
            breaks += segments.at(i).p2() != segments.at(i + 1).p1();
        QCOMPARE(breaks, notANumber >= 0 ? 1 : 0);
        QCOMPARE(segments.last().p2() == segments.first().p1(), closed);
    }

    chartGraphicsView linear;
    linear.prepareLinear();
    linear.setData(values, -1);
    const auto lines = curveSegments(linear, 0);
    QCOMPARE(lines.size(), linearSegments);
    if (!lines.isEmpty()) {
        QCOMPARE(lines.first().p1().x(), 94.0);
        QCOMPARE(lines.last().p2().x(),
                 double(ChartGeometry::capTickX(linear.linearLayout(), qMin(length, 85))));
    }
}

void tst_ChartView::curveColoursCycleAfterEleven()
{
    const char *const expected[] = {"black",     "cyan",     "magenta",     "red",
                                    "darkRed",   "darkCyan", "darkMagenta", "green",
                                    "darkGreen", "yellow",   "blue"};
    for (int t = 0; t < 11; ++t)
        QCOMPARE(chartGraphicsView::curveColour(t), QColor(QLatin1String(expected[t])));
    QCOMPARE(chartGraphicsView::curveColour(11), QColor(Qt::black));

    chartGraphicsView view;
    view.preparePolar();
    view.setData(QVector<int>(85, 2), -1);
    QVector<QVector<int>> further;
    for (int t = 1; t <= 11; ++t)
        further.append(QVector<int>(85, 2 + t));
    view.addData(further, -1);
    QCOMPARE(view.curves().size(), 12);
    QCOMPARE(view.scaleMax(), 13);
    // One item per curve, whatever its number of segments.
    QCOMPARE(itemsOf(view, chartGraphicsView::Curve).size(), 12);

    // The tenth further test is curve 10, the eleventh curve 11.
    QCOMPARE(curveSegments(view, 10).size(), 85);
    QCOMPARE(curveItem(view, 10)->colour(), QColor(QStringLiteral("blue")));
    QCOMPARE(curveItem(view, 11)->colour(), QColor(QStringLiteral("black")));
    QCOMPARE(curveItem(view, 1)->colour(), QColor(QStringLiteral("cyan")));
    // Later curves lie on top of earlier ones.
    const QList<QGraphicsItem *> stack = view.scene()->items(Qt::AscendingOrder);
    QVERIFY(stack.indexOf(curveItem(view, 11)) > stack.indexOf(curveItem(view, 10)));
}

void tst_ChartView::integerAndDoubleEntryPointsAgree()
{
    chartGraphicsView view;
    view.preparePolar();
    view.setData(QVector<double>{2.9, 7.8, 3.0}, -1);
    QCOMPARE(view.scaleMax(), 7); // doubles truncate when they become the maximum
    view.setData(QVector<int>{2, 7, 3}, -1);
    QCOMPARE(view.scaleMax(), 7);
    QCOMPARE(view.curves(), (QVector<QVector<double>>{{2, 7, 3}}));

    // Further data continues from the current maximum and a manual scale overrides both.
    view.addData(QVector<QVector<double>>{{5.5}, {9.2}}, -1);
    QCOMPARE(view.scaleMax(), 9);
    QCOMPARE(view.curves().size(), 3);
    view.addData(QVector<QVector<int>>{{1}}, 6);
    QCOMPARE(view.scaleMax(), 6);
    // setData replaces every curve.
    view.setData(QVector<int>(85, 1), -1);
    QCOMPARE(view.curves().size(), 1);
    QCOMPARE(view.scaleMax(), 2);
}

void tst_ChartView::linearPreparationDrawsBothScales()
{
    chartGraphicsView view;
    view.prepareLinear();
    QVERIFY(!view.isPolar());
    QCOMPARE(view.scene()->sceneRect(), QRectF(0, 0, 600, 600));
    QCOMPARE(view.scaleMax(), 2);
    QCOMPARE(view.yTop(), 4);

    const auto horizontal = linesOf(view, chartGraphicsView::HorizontalAxis);
    QCOMPARE(horizontal.size(), 1);
    QCOMPARE(horizontal.first()->line(), QLineF(90, 510, 510, 510));
    const auto vertical = linesOf(view, chartGraphicsView::VerticalAxis);
    QCOMPARE(vertical.size(), 1);
    QCOMPARE(vertical.first()->line(), QLineF(90, 510, 90, 90));

    const auto ticks = linesOf(view, chartGraphicsView::CapTick);
    QCOMPARE(ticks.size(), 18);
    QCOMPARE(ticks.first()->line(), QLineF(90, 510, 90, 502));
    QCOMPARE(ticks.last()->line(), QLineF(510, 510, 510, 502));

    const auto squares = itemsOf(view, chartGraphicsView::CapSquare);
    QCOMPARE(squares.size(), 18);
    for (int n = 0; n < 18; ++n) {
        auto *square = qgraphicsitem_cast<QGraphicsRectItem *>(squares.at(n));
        QCOMPARE(square->brush().color(), CapColours::colour(5 * n));
        QCOMPARE(square->rect().size(), QSizeF(10, 10));
        QCOMPARE(square->rect().top(), 514.0);
    }
    QCOMPARE(textsOf(view, chartGraphicsView::CapLabel).last(), QStringLiteral("85"));

    const auto titles = itemsOf(view, chartGraphicsView::AxisTitle);
    QCOMPARE(titles.size(), 1);
    QCOMPARE(qgraphicsitem_cast<QGraphicsTextItem *>(titles.first())->toPlainText(),
             QStringLiteral("Error Scores"));
    QCOMPARE(titles.first()->pos(), QPointF(60, 45));
    QCOMPARE(textsOf(view, chartGraphicsView::ScoreLabel),
             (QStringList{QStringLiteral("0"), QStringLiteral("4")}));
}

void tst_ChartView::perfectArrangementOnTheLinearChart()
{
    chartGraphicsView view;
    view.prepareLinear();
    view.setData(QVector<int>(85, 2), -1);
    QCOMPARE(view.scaleMax(), 2);
    QCOMPARE(view.yTop(), 4);
    // Drawing the curve keeps one set of axes.
    QCOMPARE(linesOf(view, chartGraphicsView::VerticalAxis).size(), 1);

    const auto segments = curveSegments(view, 0);
    QCOMPARE(segments.size(), 84);
    double left = 1e9, right = -1e9;
    QCOMPARE(curveItem(view, 0)->colour(), QColor(Qt::black));
    for (const QLineF &segment : segments) {
        QCOMPARE(segment.y1(), 300.0);
        QCOMPARE(segment.y2(), 300.0);
        left = qMin(left, segment.x1());
        right = qMax(right, segment.x2());
    }
    QCOMPARE(left, 94.0);
    QCOMPARE(right, 510.0);

    const auto ticks = linesOf(view, chartGraphicsView::ScoreTick);
    QCOMPARE(ticks.size(), 2);
    QCOMPARE(ticks.at(0)->line(), QLineF(90, 510, 98, 510));
    QCOMPARE(ticks.at(1)->line(), QLineF(90, 90, 98, 90));
}

void tst_ChartView::linearTwelveSteps()
{
    chartGraphicsView view;
    view.prepareLinear();
    QVector<double> values = constant(85, 2);
    values[40] = 20; // above the axis top, drawn anyway
    view.setData(values, 12);
    QCOMPARE(view.yTop(), 12);

    QCOMPARE(textsOf(view, chartGraphicsView::ScoreLabel),
             (QStringList{QStringLiteral("0"), QStringLiteral("4"), QStringLiteral("8"),
                          QStringLiteral("12")}));
    // Each label stands left of the axis at its own height, the lowest lowest.
    const auto labels = itemsOf(view, chartGraphicsView::ScoreLabel);
    for (int n = 0; n < 4; ++n) {
        QVERIFY(labels.at(n)->pos().x() < 90);
        QVERIFY(n == 0 || labels.at(n)->pos().y() < labels.at(n - 1)->pos().y());
    }

    const auto segments = curveSegments(view, 0);
    QCOMPARE(segments.at(39).y2(), 510 - 20 / 12.0 * 420);
    QVERIFY(segments.at(39).y2() < 90);
}

void tst_ChartView::zeroStepsDrawSomethingSensible()
{
    chartGraphicsView linear;
    linear.prepareLinear();
    linear.setData(QVector<int>(85, 2), 0);
    QCOMPARE(linear.scaleMax(), 0);
    QCOMPARE(linear.yTop(), 4);
    const auto segments = curveSegments(linear, 0);
    QCOMPARE(segments.size(), 84);
    for (const QLineF &segment : segments) {
        QVERIFY(std::isfinite(segment.y1()) && std::isfinite(segment.y2()));
        QCOMPARE(segment.y1(), 300.0);
    }

    chartGraphicsView polar;
    polar.preparePolar();
    polar.setData(QVector<int>(85, 2), 0);
    QCOMPARE(polar.ringRectangles().size(), 2);
    QVERIFY(qAbs(radiusOf(curveSegments(polar, 0).first().p1()) - 252) < 1e-3);
}

void tst_ChartView::confusionAxesComeAndGo()
{
    chartGraphicsView view;
    view.preparePolar();
    view.setData(QVector<int>(85, 2), -1);
    QVERIFY(itemsOf(view, chartGraphicsView::ConfusionAxis).isEmpty());

    view.drawConfusionAxes();
    const auto axes = linesOf(view, chartGraphicsView::ConfusionAxis);
    QCOMPARE(axes.size(), 6);
    const struct
    {
        int spoke;
        QColor colour;
    } expected[] = {{16, Qt::red},   {63, Qt::red}, {14, Qt::green},
                    {57, Qt::green}, {4, Qt::blue}, {45, Qt::blue}};
    for (int n = 0; n < 6; ++n) {
        const QLineF line = axes.at(n)->line();
        QCOMPARE(axes.at(n)->pen().color(), expected[n].colour);
        QCOMPARE(axes.at(n)->pen().width(), 1);
        const float angle = ChartGeometry::spokeAngle(expected[n].spoke);
        QVERIFY(QLineF(line.p1(), ChartGeometry::polarPoint(300, angle, 60)).length() < 1e-3);
        QVERIFY(QLineF(line.p2(), ChartGeometry::polarPoint(300, angle, 252)).length() < 1e-3);
        // On top of everything else.
        const QList<QGraphicsItem *> stack = view.scene()->items(Qt::AscendingOrder);
        QVERIFY(stack.indexOf(axes.at(n)) >= stack.size() - 6);
    }
    QCOMPARE(curveSegments(view, 0).size(), 85);

    view.redraw();
    QVERIFY(itemsOf(view, chartGraphicsView::ConfusionAxis).isEmpty());
    QCOMPARE(curveSegments(view, 0).size(), 85);
    QCOMPARE(itemsOf(view, chartGraphicsView::Spoke).size(), 85);

    // They belong to the hue circle only.
    chartGraphicsView linear;
    linear.prepareLinear();
    linear.drawConfusionAxes();
    QVERIFY(itemsOf(linear, chartGraphicsView::ConfusionAxis).isEmpty());
}

void tst_ChartView::dataBeforePreparationIsKept()
{
    chartGraphicsView view;
    QVERIFY(!view.scene());
    view.setData(QVector<int>(85, 5), -1);
    view.redraw();
    view.drawConfusionAxes();
    view.setSceneSize(300);
    QCOMPARE(view.scaleMax(), 5);
    view.preparePolar();
    view.redraw();
    QCOMPARE(curveSegments(view, 0).size(), 85);
}

void tst_ChartView::sceneSizeScalesOnlyTheView()
{
    chartGraphicsView view;
    view.preparePolar();
    view.setData(QVector<int>(85, 2), -1);
    // Sized while hidden, as the page does for the chart not on show.
    view.setSceneSize(425);
    QCOMPARE(view.size(), QSize(425, 425));
    QCOMPARE(view.minimumSize(), QSize(425, 425));
    QCOMPARE(view.maximumSize(), QSize(425, 425));
    auto *graphics = view.findChild<QGraphicsView *>(QStringLiteral("chartView"));
    QCOMPARE(graphics->size(), QSize(425, 425));
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));

    // The whole scene fits the view and nothing is distorted.
    const QRect shown = graphics->mapFromScene(view.scene()->sceneRect()).boundingRect();
    QVERIFY2(graphics->viewport()->rect().contains(shown),
             qPrintable(QString::number(shown.width())));
    QVERIFY(shown.width() > 400);
    QCOMPARE(graphics->transform().m11(), graphics->transform().m22());

    view.setSceneSize(300);
    QCOMPARE(graphics->size(), QSize(300, 300));
    const QRect smaller = graphics->mapFromScene(view.scene()->sceneRect()).boundingRect();
    QVERIFY(graphics->viewport()->rect().contains(smaller));
    QVERIFY(smaller.width() > 280);

    view.setData(QVector<int>(85, 4), -1);
    QCOMPARE(view.scene()->sceneRect(), QRectF(0, 0, 600, 600));
}

void tst_ChartView::textsUseTheClassContexts()
{
    ContextTranslator translator;
    QCoreApplication::installTranslator(&translator);
    chartGraphicsView view;
    view.prepareLinear();
    analysisDisplay badge;
    QCoreApplication::removeTranslator(&translator);

    QCOMPARE(textsOf(view, chartGraphicsView::AxisTitle),
             QStringList{QStringLiteral("Fehlerwerte")});
    QCOMPARE(badge.captionItem()->toPlainText(), QStringLiteral("Unterscheidung:"));
}

void tst_ChartView::emptyAndFilledScenesRender()
{
    // A point between spokes 10 and 11 on radius 180 (score 2.5): only the curve passes there.
    const double between = (ChartGeometry::spokeAngle(10) + ChartGeometry::spokeAngle(11)) / 2;
    const QPointF onCurve = ChartGeometry::polarPoint(300, between, 180 * std::cos(M_PI / 85));
    const QPoint pixel(int(onCurve.x()), int(onCurve.y()));

    chartGraphicsView polar;
    polar.preparePolar();
    const QImage emptyPolar = render(polar.scene());
    QCOMPARE(qGray(emptyPolar.pixel(pixel)), 255);
    // The cap dot of spoke 0 shows its cap colour.
    QCOMPARE(QColor(emptyPolar.pixel(552, 300)), CapColours::colour(0));

    QVector<double> values = constant(85, 2.5);
    values[60] = 9;
    polar.setData(values, -1);
    QVector<QVector<double>> further{constant(85, 4), constant(85, 1)};
    polar.addData(further, -1);
    polar.drawConfusionAxes();
    polar.setData(constant(85, 2.5), 6);
    polar.addData(further, 6);
    polar.drawConfusionAxes();
    const QImage filledPolar = render(polar.scene());
    // With six steps 2.5 lies on 2.5 / 8 * 192 + 60 = 120.
    const QPointF sixSteps = ChartGeometry::polarPoint(300, between, 120 * std::cos(M_PI / 85));
    QVERIFY(qGray(filledPolar.pixel(int(sixSteps.x()), int(sixSteps.y()))) < 160);
    QCOMPARE(qGray(emptyPolar.pixel(int(sixSteps.x()), int(sixSteps.y()))), 255);

    chartGraphicsView linear;
    linear.prepareLinear();
    const QImage emptyLinear = render(linear.scene());
    QCOMPARE(qGray(emptyLinear.pixel(300, 300)), 255);
    QCOMPARE(qGray(emptyLinear.pixel(300, 195)), 255);
    linear.setData(constant(85, 3), -1); // yTop 6: a score of 3 is at y = 300
    const QImage oneCurve = render(linear.scene());
    QVERIFY(qGray(oneCurve.pixel(300, 300)) < 160);
    linear.addData(further, -1); // yTop 4 now: the score 3 moves up to y = 195
    const QImage filledLinear = render(linear.scene());
    QVERIFY(qGray(filledLinear.pixel(300, 195)) < 160);
    QCOMPARE(qGray(filledLinear.pixel(300, 300)), 255);
    // The axes stay after redrawing.
    QVERIFY(qGray(filledLinear.pixel(90, 300)) < 160);
    QVERIFY(qGray(filledLinear.pixel(300, 510)) < 160);

    analysisDisplay badge;
    badge.setDiscrimination(QStringLiteral("Superior"), QStringLiteral("16"));
    const QImage badgeImage = render(badge.scene());
    QCOMPARE(QColor(badgeImage.pixel(15, 48)), analysisDisplay::discColour());
}

void tst_ChartView::badgeLayout_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("score");
    QTest::newRow("superior") << QStringLiteral("Superior") << QStringLiteral("12");
    QTest::newRow("low") << QStringLiteral("Low") << QStringLiteral("348");
    QTest::newRow("after retranslation") << QString() << QStringLiteral("0");
    QTest::newRow("long word") << QStringLiteral("Ausgezeichnete Unterscheidung")
                               << QStringLiteral("4");
}

void tst_ChartView::badgeLayout()
{
    QFETCH(QString, word);
    QFETCH(QString, score);
    analysisDisplay badge;
    badge.setDiscrimination(word, score);
    const double S = 97;
    QCOMPARE(badge.word(), word);

    struct Expect
    {
        QGraphicsTextItem *item;
        QString text;
        int pointSize;
        double centreY;
        bool integerHalfWidth;
    } expected[] = {{badge.wordItem(), word, 10, 0.35 * S, false},
                    {badge.captionItem(), QStringLiteral("Discrimination:"), 4, 0.55 * S, false},
                    {badge.scoreItem(), score, 4, 0.65 * S, true}};
    for (const Expect &e : expected) {
        QVERIFY(e.item && e.item->scene() == badge.scene());
        QCOMPARE(e.item->toPlainText(), e.text);
        QCOMPARE(e.item->font().pointSize(), e.pointSize);
        QCOMPARE(e.item->defaultTextColor(), QColor(Qt::white));
        const QFontMetrics metrics(e.item->font());
        const int w = metrics.horizontalAdvance(e.text);
        const int h = metrics.height();
        const double halfWidth = e.integerHalfWidth ? w / 2 : w * 0.5;
        QCOMPARE(e.item->pos().x() + halfWidth, 0.45 * S);
        QCOMPARE(e.item->pos().y() + h / 2, e.centreY);
    }
}

void tst_ChartView::badgeRedrawKeepsOneDisc()
{
    analysisDisplay badge;
    for (int n = 0; n < 5; ++n)
        badge.setDiscrimination(QStringLiteral("Average"), QString::number(n));
    int discs = 0, texts = 0;
    const QList<QGraphicsItem *> items = badge.scene()->items();
    for (QGraphicsItem *item : items) {
        if (auto *disc = qgraphicsitem_cast<QGraphicsEllipseItem *>(item)) {
            ++discs;
            QCOMPARE(disc->rect(), QRectF(0.05 * 97, 0.05 * 97, 0.9 * 97, 0.9 * 97));
            QCOMPARE(disc->brush().color(), QColor(20, 138, 212, 255));
            QCOMPARE(disc->pen().color(), QColor(20, 138, 212, 255));
        } else if (qgraphicsitem_cast<QGraphicsTextItem *>(item)) {
            ++texts;
        }
    }
    QCOMPARE(discs, 1);
    QCOMPARE(texts, 3);
    QCOMPARE(badge.scoreItem()->toPlainText(), QStringLiteral("4"));
}

void tst_ChartView::badgeResizeFitsTheView()
{
    analysisDisplay badge;
    badge.resizeContents(240, 100);
    auto *graphics = badge.findChild<QGraphicsView *>(QStringLiteral("graphicsView"));
    QCOMPARE(graphics->size(), QSize(240, 100));
    QCOMPARE(badge.scene()->sceneRect(), QRectF(0, 0, 97, 97));
    // Aspect ratio kept: both axes scale alike and the disc fits the shorter side.
    QCOMPARE(graphics->transform().m11(), graphics->transform().m22());
    QVERIFY(graphics->transform().m11() * 97 <= 100);
}

QTEST_MAIN(tst_ChartView)
#include "tst_chartview.moc"
