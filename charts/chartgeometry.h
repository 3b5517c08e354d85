#pragma once

#include <QPointF>
#include <QRect>
#include <QVector>

// Pure geometry of the error-score charts, kept apart from the widgets so the
// layout can be checked without looking at pixels. Coordinates are scene
// coordinates (y grows downwards).
namespace ChartGeometry {

// Number of caps (spokes, cap-scale places) and the shortest curve worth drawing.
constexpr int CapCount = 85;
constexpr int MinCurveLength = 80;
// Automatic scaling starts here; the scale never goes below it unless steps are given.
constexpr int DefaultScaleMax = 2;
// Ceiling for the automatic maximum: absurd values must not produce absurd scenes.
constexpr int ScaleMaxCeiling = 1000;

// Centre, outer radius, inner radius and radial span of the polar chart.
struct PolarLayout
{
    int c = 0;
    int R = 0;
    int r0 = 0;
    int A = 0;
};
PolarLayout polarLayout(int width);

// Axis ends of the linear chart.
struct LinearLayout
{
    int x0 = 0;
    int y0 = 0;
    int x1 = 0;
    int y1 = 0;
    int W = 0;
    int H = 0;
};
LinearLayout linearLayout(int width, int height);

// --- scale --------------------------------------------------------------------------------

// Scale maximum over the given curves, continuing from `start`: a value above the
// current maximum raises it (truncated toward zero). Non-finite values are ignored
// and the result is capped at ScaleMaxCeiling. A non-negative `steps` wins over
// the data; any negative `steps` means automatic scaling.
int scaleMaximum(const QVector<QVector<double>> &curves, int start, int steps);

// --- polar --------------------------------------------------------------------------------

// Angle of spoke or curve entry i, in radians, single precision.
float spokeAngle(int i);

// Point at the given angle and radius around (c, c).
QPointF polarPoint(int c, double angle, double radius);

// Number of scale rings for a scale maximum (rings mark the scores 0 .. n - 1).
int ringCount(int scaleMax);

// Bounding rectangle of scale ring k of n.
QRect ringRect(const PolarLayout &layout, int k, int n);

// Radius at which a value is plotted.
double curveRadius(double value, int scaleMax, const PolarLayout &layout);

// Top-left corner of the number of spoke i, a text of width w and height h, so that
// the text sits outside the dot circle whichever quadrant the spoke points to.
QPointF capLabelTopLeft(const PolarLayout &layout, int i, int w, int h);

// The two spokes of each confusion axis: protan, deutan, tritan.
struct ConfusionAxis
{
    int firstSpoke;
    int secondSpoke;
};
constexpr ConfusionAxis ProtanAxis{16, 63};
constexpr ConfusionAxis DeutanAxis{14, 57};
constexpr ConfusionAxis TritanAxis{4, 45};

// --- linear -------------------------------------------------------------------------------

// Score at the top of the vertical axis. A scale maximum of 0 (manual steps "0")
// would leave no axis at all, so it gets the smallest automatic axis instead.
int yTop(int scaleMax);

// Scores that get a tick on the vertical axis: 0, 4, 8, ... up to yTop.
QVector<int> scoreTicks(int yTop);

// Tick lengths: on the cap scale (from H) and on the score scale (from W).
int capTickLength(const LinearLayout &layout);
int scoreTickLength(const LinearLayout &layout);

// x of cap-scale place i (0 .. 85).
int capTickX(const LinearLayout &layout, int i);

// y of a score on the vertical axis.
double scoreY(const LinearLayout &layout, double value, int yTop);

// Top-left corner of the label of score tick j, a text of width w and height h.
QPointF scoreLabelTopLeft(const LinearLayout &layout, int j, int yTop, int w, int h);

// Top-left corner of the cap-scale label and of the colour square under place i.
QPointF capLabelTopLeftLinear(const LinearLayout &layout, int i);
QPointF capSquareTopLeft(const LinearLayout &layout, int i);

// Top-left corner of the vertical axis title.
QPointF titleTopLeft(const LinearLayout &layout);

// --- discrimination badge -----------------------------------------------------------------

// Scene side of the badge for a widget size.
double badgeSceneSide(int width);

// Top-left corners of the class word, the caption and the score for texts of
// width w and height h on a badge of scene side S; all centred on x = 0.45 S.
QPointF badgeWordTopLeft(double S, int w, int h);
QPointF badgeCaptionTopLeft(double S, int w, int h);
QPointF badgeScoreTopLeft(double S, int w, int h);

} // namespace ChartGeometry
