#include "chartgraphicsview.h"
#include "ui_chartgraphicsview.h"

#include "capcolours.h"
#include "curveitem.h"

#include <QFontMetrics>
#include <QGraphicsScene>
#include <QGraphicsTextItem>
#include <QPen>
#include <cmath>

using namespace ChartGeometry;

namespace {

QVector<double> toDoubles(const QVector<int> &values)
{
    QVector<double> converted;
    converted.reserve(values.size());
    for (int value : values)
        converted.append(value);
    return converted;
}

} // namespace

chartGraphicsView::chartGraphicsView(QWidget *parent)
    : QWidget(parent), ui(new Ui::chartGraphicsView), m_capColours(CapColours::table())
{
    ui->setupUi(this);
}

chartGraphicsView::~chartGraphicsView() = default;

QColor chartGraphicsView::curveColour(int t)
{
    static const char *const names[CurveColourCount] = {
        "black",       "cyan",  "magenta",   "red",    "darkRed", "darkCyan",
        "darkMagenta", "green", "darkGreen", "yellow", "blue"};
    const int index = ((t % CurveColourCount) + CurveColourCount) % CurveColourCount;
    return QColor(QLatin1String(names[index]));
}

void chartGraphicsView::createScene()
{
    if (!m_scene) {
        m_scene = new QGraphicsScene(this);
        // Curves span the whole chart: a spatial index would only cost time and memory.
        m_scene->setItemIndexMethod(QGraphicsScene::NoIndex);
    }
    m_scene->clear();
    m_ringRects.clear();
    m_scene->setSceneRect(0, 0, width(), height());
}

QGraphicsScene *chartGraphicsView::scene() const
{
    return m_scene;
}

QGraphicsItem *chartGraphicsView::tag(QGraphicsItem *item, ItemKind kind)
{
    item->setData(ItemKindKey, int(kind));
    return item;
}

QGraphicsTextItem *chartGraphicsView::addText(const QString &text, ItemKind kind)
{
    QGraphicsTextItem *item = m_scene->addText(text);
    tag(item, kind);
    return item;
}

QSize chartGraphicsView::textSize(const QGraphicsTextItem *item)
{
    const QFontMetrics metrics(item->font());
    const QString text = item->toPlainText();
    return QSize(metrics.horizontalAdvance(text), metrics.height());
}

void chartGraphicsView::preparePolar()
{
    m_polar = true;
    createScene();
    m_polarLayout = ChartGeometry::polarLayout(width());
    const PolarLayout &l = m_polarLayout;
    tag(m_scene->addEllipse(l.c - l.R, l.c - l.R, 2 * l.R, 2 * l.R), OuterCircle);
    tag(m_scene->addEllipse(l.c - l.r0, l.c - l.r0, 2 * l.r0, 2 * l.r0), InnerCircle);
    drawPolarBackground();
    ui->chartView->setScene(m_scene);
}

void chartGraphicsView::prepareLinear()
{
    m_polar = false;
    createScene();
    m_linearLayout = ChartGeometry::linearLayout(width(), height());
    m_scaleMax = DefaultScaleMax;
    drawLinearBackground();
    ui->chartView->setScene(m_scene);
}

void chartGraphicsView::setData(const QVector<int> &values, int steps)
{
    setData(toDoubles(values), steps);
}

void chartGraphicsView::setData(const QVector<double> &values, int steps)
{
    m_curves = {values};
    m_scaleMax = scaleMaximum(m_curves, DefaultScaleMax, steps);
    redraw();
}

void chartGraphicsView::clearData()
{
    m_curves.clear();
    m_scaleMax = ChartGeometry::DefaultScaleMax;
    redraw();
}

void chartGraphicsView::addData(const QVector<QVector<int>> &lists, int steps)
{
    QVector<QVector<double>> converted;
    converted.reserve(lists.size());
    for (const QVector<int> &list : lists)
        converted.append(toDoubles(list));
    addData(converted, steps);
}

void chartGraphicsView::addData(const QVector<QVector<double>> &lists, int steps)
{
    m_curves += lists;
    m_scaleMax = scaleMaximum(lists, m_scaleMax, steps);
    redraw();
}

void chartGraphicsView::redraw()
{
    // Data may arrive before the chart is prepared; it is drawn once a scene exists.
    if (!m_scene)
        return;
    m_scene->clear();
    m_ringRects.clear();
    if (m_polar)
        drawPolarBackground();
    else
        drawLinearBackground();
    drawCurves();
}

void chartGraphicsView::setSceneSize(int side)
{
    side = qMax(0, side);
    setFixedSize(side, side);
    ui->chartView->setFixedSize(side, side);
    if (m_scene)
        ui->chartView->fitInView(m_scene->sceneRect(), Qt::KeepAspectRatio);
}

void chartGraphicsView::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    // A view sized while hidden had no viewport size to fit to yet.
    if (m_scene)
        ui->chartView->fitInView(m_scene->sceneRect(), Qt::KeepAspectRatio);
}

void chartGraphicsView::drawPolarBackground()
{
    const PolarLayout &l = m_polarLayout;
    const QPen grayPen(Qt::gray);

    for (int i = 0; i < CapCount; ++i) {
        const float angle = spokeAngle(i);
        const QPointF inner = polarPoint(l.c, angle, l.r0);
        const QPointF outer = polarPoint(l.c, angle, l.R);
        tag(m_scene->addLine(QLineF(inner, outer), grayPen), Spoke);
    }
    for (int i = 0; i < CapCount; ++i) {
        const QPointF centre = polarPoint(l.c, spokeAngle(i), l.R);
        tag(m_scene->addEllipse(centre.x() - 5, centre.y() - 5, 10, 10, QPen(),
                                QBrush(m_capColours.value(i), Qt::SolidPattern)),
            CapDot);
    }
    for (int i = 0; i < CapCount; ++i) {
        QGraphicsTextItem *number = addText(QString::number(i + 1), CapNumber);
        const QSize size = textSize(number);
        number->setPos(capLabelTopLeft(l, i, size.width(), size.height()));
    }
    const int n = ringCount(m_scaleMax);
    for (int k = 0; k < n; ++k) {
        const QRect rect = ringRect(l, k, n);
        m_ringRects.append(rect);
        tag(m_scene->addEllipse(rect, grayPen, Qt::NoBrush), ScaleRing);
    }
}

void chartGraphicsView::drawConfusionAxes()
{
    if (!m_scene || !m_polar)
        return;
    const PolarLayout &l = m_polarLayout;
    const struct
    {
        ChartGeometry::ConfusionAxis axis;
        QColor colour;
    } axes[] = {{ProtanAxis, QColor(Qt::red)},
                {DeutanAxis, QColor(Qt::green)},
                {TritanAxis, QColor(Qt::blue)}};
    for (const auto &entry : axes) {
        const QPen pen(entry.colour, 1);
        for (int spoke : {entry.axis.firstSpoke, entry.axis.secondSpoke}) {
            const float angle = spokeAngle(spoke);
            const QLineF line(polarPoint(l.c, angle, l.r0), polarPoint(l.c, angle, l.R));
            tag(m_scene->addLine(line, pen), ConfusionAxis);
        }
    }
}

void chartGraphicsView::drawLinearBackground()
{
    const LinearLayout &l = m_linearLayout;
    // The axes belong to every drawing: a chart with data but without axes is unreadable.
    tag(m_scene->addLine(l.x0, l.y0, l.x1, l.y0), HorizontalAxis);
    tag(m_scene->addLine(l.x0, l.y0, l.x0, l.y1), VerticalAxis);

    const int t = capTickLength(l);
    for (int i = 0; i <= CapCount; i += 5) {
        const int x = capTickX(l, i);
        tag(m_scene->addLine(x, l.y0, x, l.y0 - t), CapTick);
        addText(QString::number(i), CapLabel)->setPos(capLabelTopLeftLinear(l, i));
        const QPointF square = capSquareTopLeft(l, i);
        tag(m_scene->addRect(square.x(), square.y(), 10, 10, QPen(),
                             QBrush(m_capColours.value(i), Qt::SolidPattern)),
            CapSquare);
    }

    m_yTop = ChartGeometry::yTop(m_scaleMax);
    const int u = scoreTickLength(l);
    for (int j : scoreTicks(m_yTop)) {
        const double y = scoreY(l, j, m_yTop);
        tag(m_scene->addLine(QLineF(l.x0, y, l.x0 + u, y)), ScoreTick);
        QGraphicsTextItem *label = addText(QString::number(j), ScoreLabel);
        const QSize size = textSize(label);
        label->setPos(scoreLabelTopLeft(l, j, m_yTop, size.width(), size.height()));
    }

    addText(tr("Error Scores"), AxisTitle)->setPos(titleTopLeft(l));
}

void chartGraphicsView::drawCurves()
{
    CurveItem::Placement placement;
    placement.polar = m_polar;
    placement.polarLayout = m_polarLayout;
    placement.linearLayout = m_linearLayout;
    placement.scaleMax = m_scaleMax;
    placement.yTop = m_yTop;
    for (int t = 0; t < m_curves.size(); ++t) {
        if (m_curves.at(t).size() < MinCurveLength)
            continue;
        auto *item = new CurveItem(m_curves.at(t), placement, curveColour(t));
        m_scene->addItem(tag(item, Curve));
        item->setData(CurveIndexKey, t);
    }
}
