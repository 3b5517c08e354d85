#pragma once

#include <QString>
#include <QVector>
#include <optional>

// The error-score arithmetic of the arrangement test: position and cap scores,
// TES, classification, percentiles and the smoothed curves.
//
// Arrangement: cap numbers in position order (tray 1 positions 0-21, tray 2
// 22-42, tray 3 43-63, tray 4 64-84). Only the first 85 values are read.
//
// Contract for arrangements that are not a full set. An arrangement is
// scorable when it holds at least 85 values and each of its first 85 values
// lies in 0..85 (0 is what an unreadable piece of a cap-order text becomes).
// Anything else (fewer values, or a number an importer stored outside 0..85)
// gives "no result": an empty vector or std::nullopt. No function reads past
// the values it was given or indexes a table with an unchecked number.
// Scorable arrangements that repeat or omit caps are scored by the same
// arithmetic; with repeats a TES below 0 is possible.
namespace Scoring {

constexpr int Positions = 85;
constexpr int Tray1Last = 21;   // last position of tray 1; cap 85 counts as 0 up to here
constexpr int FilterWidth = 21; // entries in the moving mean of filtered curves
constexpr int MaxCap = 85;

enum class Discrimination
{
    Superior,
    Average,
    Low
};
enum class Population
{
    Unselected,
    InPlant,
    Experienced
};

// Everything scored for one test; built by score().
struct TestScores
{
    QVector<int> positionScores;            // positions 0..84
    QVector<int> capScores;                 // caps 1..85
    QVector<double> filteredPositionScores; // moving mean of positionScores
    QVector<double> filteredCapScores;      // moving mean of capScores
    int tes = 0;

    // The sequence that is plotted and averaged: cap scores for the Standard
    // method, position scores for Kinnear; the filtered form when filter is on.
    QVector<double> plotted(bool kinnear, bool filter) const;
};

// At least 85 values, the first 85 within 0..85.
bool isScorable(const QVector<int> &arrangement);

// Error score of the cap at each position (a closed ring; cap 85 counts as 0
// inside tray 1). Empty when the arrangement is not scorable.
QVector<int> positionScores(const QVector<int> &arrangement);

// Error score of caps 1..85 in cap order; a cap that does not occur scores 0
// and of repeated caps the later position wins. Empty when not scorable.
QVector<int> capScores(const QVector<int> &arrangement);
// The same from position scores already computed (arrangement must be scorable
// and positionScores its 85 scores; otherwise empty).
QVector<int> capScores(const QVector<int> &arrangement, const QVector<int> &positionScores);

// Sum over the 85 positions of (position score - 2); nullopt when not scorable.
std::optional<int> totalErrorScore(const QVector<int> &arrangement);

// All four sequences and the TES; nullopt when not scorable.
std::optional<TestScores> score(const QVector<int> &arrangement);

// The TES split by the axis of the cap's hue (Smith, Pokorny & Pass, 1985):
// red-green sums (cap score - 2) over caps 13-33 and 55-75, blue-yellow over
// caps 1-12, 34-54 and 76-85. When every cap occurs once the two add up to the
// TES; a missing cap (score 0) counts -2 on its axis.
struct PartialErrorScores
{
    int redGreen = 0;
    int blueYellow = 0;
};
// Sum of (position score - 2) over the positions of each tray, trays 1 to 4; the
// four add up to the TES. Empty for fewer than 85 position scores.
QVector<int> trayErrorScores(const QVector<int> &positionScores);

// Whether a cap (1..85) lies on the red-green axis.
bool isRedGreenCap(int cap);
// From the 85 cap scores (caps 1..85); nullopt for fewer than 85 scores.
std::optional<PartialErrorScores> partialErrorScores(const QVector<int> &capScores);

// Moving mean over 21 neighbours on the ring: entry k averages entries
// k-10..k+10 (indices modulo 85). Empty when fewer than 85 values are given.
QVector<double> filtered(const QVector<int> &sequence);

// The plotted sequence of TestScores::plotted() for an arrangement, written to
// out[0..84] without keeping any table: for curves of thousands of tests. False,
// with out untouched, when the arrangement is not scorable.
bool plottedInto(const QVector<int> &arrangement, bool kinnear, bool filter, double *out);

// Square root of the TES as a double (NaN for a negative TES).
double sqrtTes(int tes);
// Six significant digits, shortest notation; empty for a negative TES, which
// has no square root to show.
QString sqrtTesText(int tes);

// (sum of the TES values) / count, truncated toward zero; nullopt for an empty list.
std::optional<int> averagedTes(const QVector<int> &tesValues);
// Entry-wise mean of the curves. Curves with fewer than 85 entries are left out
// and not counted; empty when no curve is left.
QVector<double> averagedCurve(const QVector<QVector<double>> &curves);

// The same mean with the curves added one at a time, so that a mean over many
// curves never holds them all; the sums run in the order of adding.
class CurveMean
{
public:
    void add(const QVector<double> &curve);
    // 85 values.
    void add(const double *curve);
    QVector<double> mean() const;

private:
    QVector<double> sum = QVector<double>(Positions, 0.0);
    int used = 0;
};

// 0..16 Superior, 17..100 Average, above 100 or negative Low.
Discrimination classify(int tes);
// "Superior Discrimination" etc., translated (context AnalysisFormWidget).
QString classificationText(int tes);
// "Superior", "Average", "Low", translated: the word of the discrimination badge.
QString classificationWord(int tes);

// "90%" ... "0%" from the step table of the population, translated.
QString percentileText(Population population, int tes);
QString unselectedPercentile(int tes);
QString inPlantPercentile(int tes);
QString experiencedPercentile(int tes);

// The preferences report the method as a text; anything but "Standard" is Kinnear.
bool isKinnear(const QString &scoreModeText);

} // namespace Scoring
