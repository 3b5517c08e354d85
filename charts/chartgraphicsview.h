#pragma once

#include "chartgeometry.h"

#include <QColor>
#include <QRect>
#include <QVector>
#include <QWidget>
#include <memory>

class QGraphicsItem;
class QGraphicsScene;
class QGraphicsTextItem;
class QPen;

namespace Ui {
class chartGraphicsView;
}

// The error-score chart, drawn either as the polar hue circle or as the linear
// chart. It keeps its curves and redraws the whole scene whenever they change;
// the scene's own coordinates stay fixed once prepared, only the view scales.
class chartGraphicsView : public QWidget
{
    Q_OBJECT

public:
    // What a scene item is, stored under ItemKindKey in QGraphicsItem::data() so that
    // the analysis page, printing and tests can tell marks apart without pixels.
    enum ItemKind
    {
        OuterCircle,
        InnerCircle,
        HorizontalAxis,
        VerticalAxis,
        Spoke,
        CapDot,
        CapNumber,
        ScaleRing,
        Curve,
        ConfusionAxis,
        CapTick,
        CapLabel,
        CapSquare,
        ScoreTick,
        ScoreLabel,
        AxisTitle
    };
    Q_ENUM(ItemKind)
    static constexpr int ItemKindKey = 0;
    // For Curve items (one per drawn curve): the index of the curve in curves().
    static constexpr int CurveIndexKey = 1;
    // Passed as steps: scale from the data.
    static constexpr int AutomaticSteps = -1;

    explicit chartGraphicsView(QWidget *parent = nullptr);
    ~chartGraphicsView() override;

    void preparePolar();
    void prepareLinear();

    // Replace all curves by this one; steps < 0 scales automatically.
    void setData(const QVector<int> &values, int steps);
    void setData(const QVector<double> &values, int steps);
    // No curves at all: the empty chart at its default scale.
    void clearData();
    // Append further curves, drawn in the following colours.
    void addData(const QVector<QVector<int>> &lists, int steps);
    void addData(const QVector<QVector<double>> &lists, int steps);

    // Polar chart only: the protan, deutan and tritan axes on top of the scene.
    void drawConfusionAxes();
    // Clear the scene and draw background and curves again (drops the confusion axes).
    void redraw();

    void setSceneSize(int side);
    QGraphicsScene *scene() const;

    bool isPolar() const { return m_polar; }
    int scaleMax() const { return m_scaleMax; }
    // Score at the top of the linear chart's vertical axis, as last drawn.
    int yTop() const { return m_yTop; }
    QVector<QVector<double>> curves() const { return m_curves; }
    QVector<QRect> ringRectangles() const { return m_ringRects; }
    QVector<QColor> capColours() const { return m_capColours; }
    ChartGeometry::PolarLayout polarLayout() const { return m_polarLayout; }
    ChartGeometry::LinearLayout linearLayout() const { return m_linearLayout; }

    // Colour of curve t: the current test black, then ten further colours, repeating.
    static QColor curveColour(int t);
    static constexpr int CurveColourCount = 11;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void createScene();
    QGraphicsItem *tag(QGraphicsItem *item, ItemKind kind);
    QGraphicsTextItem *addText(const QString &text, ItemKind kind);
    static QSize textSize(const QGraphicsTextItem *item);

    void drawPolarBackground();
    void drawLinearBackground();
    void drawCurves();

    std::unique_ptr<Ui::chartGraphicsView> ui;
    QGraphicsScene *m_scene = nullptr;
    bool m_polar = true;
    QVector<QVector<double>> m_curves;
    int m_scaleMax = ChartGeometry::DefaultScaleMax;
    int m_yTop = 0;
    QVector<QColor> m_capColours;
    ChartGeometry::PolarLayout m_polarLayout;
    ChartGeometry::LinearLayout m_linearLayout;
    QVector<QRect> m_ringRects;
};
