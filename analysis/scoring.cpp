#include "scoring.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <iterator>

namespace Scoring {

namespace {

constexpr int N = Positions;

// Inside tray 1 cap 85 stands for cap 0, so that it is a neighbour of cap 1.
inline int v(int cap)
{
    return cap == MaxCap ? 0 : cap;
}

// Caller guarantees 85 values within 0..85, so no sum below can overflow.
void scorePositions(const int *c, int *s)
{
    // Tray 1 and its neighbour at position 22 seen with cap 85 as 0.
    int w[Tray1Last + 2];
    for (int i = 0; i <= Tray1Last + 1; ++i)
        w[i] = v(c[i]);
    s[0] = std::abs(w[0] + N - c[N - 1]) + std::abs(w[1] - w[0]);
    for (int i = 1; i <= Tray1Last; ++i)
        s[i] = std::abs(w[i] - w[i - 1]) + std::abs(w[i] - w[i + 1]);
    for (int i = Tray1Last + 1; i < N - 1; ++i)
        s[i] = std::abs(c[i] - c[i - 1]) + std::abs(c[i] - c[i + 1]);
    s[N - 1] = std::abs(c[N - 1] - c[N - 2]) + std::abs(c[N - 1] - (w[0] + N));
}

QVector<double> toDoubles(const QVector<int> &values)
{
    QVector<double> out(values.size());
    for (int i = 0; i < values.size(); ++i)
        out[i] = values[i];
    return out;
}

struct PercentileRow
{
    int bound;
    const char *text;
};

// First row whose bound the TES does not exceed wins; above the last bound "0%".
const PercentileRow UnselectedRows[] = {
    {12, QT_TRANSLATE_NOOP("AnalysisFormWidget", "90%")},
    {20, QT_TRANSLATE_NOOP("AnalysisFormWidget", "80%")},
    {28, QT_TRANSLATE_NOOP("AnalysisFormWidget", "70%")},
    {36, QT_TRANSLATE_NOOP("AnalysisFormWidget", "60%")},
    {46, QT_TRANSLATE_NOOP("AnalysisFormWidget", "50%")},
    {60, QT_TRANSLATE_NOOP("AnalysisFormWidget", "40%")},
    {76, QT_TRANSLATE_NOOP("AnalysisFormWidget", "30%")},
    {96, QT_TRANSLATE_NOOP("AnalysisFormWidget", "20%")},
    {120, QT_TRANSLATE_NOOP("AnalysisFormWidget", "10%")},
};
const PercentileRow InPlantRows[] = {
    {4, "90%"},  {12, "80%"}, {16, "70%"}, {20, "60%"}, {24, "50%"},
    {28, "40%"}, {36, "30%"}, {44, "20%"}, {68, "10%"},
};
// No "80%" band: a TES of 1 to 4 reads "70%".
const PercentileRow ExperiencedRows[] = {
    {0, "90%"},  {4, "70%"},  {6, "60%"},  {8, "50%"},
    {12, "40%"}, {16, "30%"}, {24, "20%"}, {40, "10%"},
};
const char *const Zero = QT_TRANSLATE_NOOP("AnalysisFormWidget", "0%");

template <std::size_t Rows> const char *lookUp(const PercentileRow (&rows)[Rows], int tes)
{
    for (const PercentileRow &row : rows) {
        if (tes <= row.bound)
            return row.text;
    }
    return Zero;
}

QString translated(const char *text)
{
    return QCoreApplication::translate("AnalysisFormWidget", text);
}

// Caller guarantees a scorable arrangement c and its 85 position scores p.
void scoreCaps(const int *c, const int *p, int *caps)
{
    // Index 0 collects cap 0, which is not read out.
    int byCap[MaxCap + 1] = {};
    for (int i = 0; i < N; ++i)
        byCap[c[i]] = p[i];
    std::copy(std::begin(byCap) + 1, std::end(byCap), caps);
}

// The moving mean of 85 values into o[0..84].
void filterInto(const int *s, double *o)
{
    constexpr int Half = FilterWidth / 2;
    // Window sums of integers are exact in 64 bits, so the running sum gives
    // the same doubles as summing every window afresh.
    long long window = 0;
    for (int j = -Half; j <= Half; ++j)
        window += s[(j + N) % N];
    for (int k = 0; k < N; ++k) {
        o[k] = double(window) / double(FilterWidth);
        const int entering = k + Half + 1;
        const int leaving = k - Half;
        window += s[entering < N ? entering : entering - N];
        window -= s[leaving >= 0 ? leaving : leaving + N];
    }
}

} // namespace

QVector<double> TestScores::plotted(bool kinnear, bool filter) const
{
    if (kinnear)
        return filter ? filteredPositionScores : toDoubles(positionScores);
    return filter ? filteredCapScores : toDoubles(capScores);
}

bool isScorable(const QVector<int> &arrangement)
{
    if (arrangement.size() < N)
        return false;
    const int *c = arrangement.constData();
    bool inRange = true;
    // No early exit: the branch-free loop vectorises, and valid input reads all 85 anyway.
    for (int i = 0; i < N; ++i)
        inRange &= unsigned(c[i]) <= unsigned(MaxCap);
    return inRange;
}

QVector<int> positionScores(const QVector<int> &arrangement)
{
    if (!isScorable(arrangement))
        return {};
    QVector<int> s(N);
    scorePositions(arrangement.constData(), s.data());
    return s;
}

QVector<int> capScores(const QVector<int> &arrangement, const QVector<int> &positionScores)
{
    if (!isScorable(arrangement) || positionScores.size() < N)
        return {};
    QVector<int> caps(N);
    scoreCaps(arrangement.constData(), positionScores.constData(), caps.data());
    return caps;
}

QVector<int> capScores(const QVector<int> &arrangement)
{
    return capScores(arrangement, positionScores(arrangement));
}

std::optional<int> totalErrorScore(const QVector<int> &arrangement)
{
    if (!isScorable(arrangement))
        return std::nullopt;
    int s[N];
    scorePositions(arrangement.constData(), s);
    int sum = 0; // at most 85 * 340: no overflow
    for (int score : s)
        sum += score;
    return sum - 2 * N;
}

std::optional<TestScores> score(const QVector<int> &arrangement)
{
    if (!isScorable(arrangement))
        return std::nullopt;
    TestScores t;
    t.positionScores = positionScores(arrangement);
    t.capScores = capScores(arrangement, t.positionScores);
    t.filteredPositionScores = filtered(t.positionScores);
    t.filteredCapScores = filtered(t.capScores);
    int sum = 0;
    for (int s : qAsConst(t.positionScores))
        sum += s;
    t.tes = sum - 2 * N;
    return t;
}

QVector<int> trayErrorScores(const QVector<int> &positionScores)
{
    if (positionScores.size() < N)
        return {};
    // First position of trays 2, 3 and 4; tray 1 is one place longer.
    constexpr int TrayStarts[] = {Tray1Last + 1, Tray1Last + 22, Tray1Last + 43};
    QVector<int> totals(4, 0);
    int tray = 0;
    for (int i = 0; i < N; ++i) {
        if (tray < 3 && i == TrayStarts[tray])
            ++tray;
        totals[tray] += positionScores[i] - 2;
    }
    return totals;
}

bool isRedGreenCap(int cap)
{
    return (cap >= 13 && cap <= 33) || (cap >= 55 && cap <= 75);
}

std::optional<PartialErrorScores> partialErrorScores(const QVector<int> &capScores)
{
    if (capScores.size() < N)
        return std::nullopt;
    PartialErrorScores p;
    for (int cap = 1; cap <= N; ++cap) {
        const int excess = capScores[cap - 1] - 2;
        (isRedGreenCap(cap) ? p.redGreen : p.blueYellow) += excess;
    }
    return p;
}

QVector<double> filtered(const QVector<int> &sequence)
{
    if (sequence.size() < N)
        return {};
    QVector<double> out(N);
    filterInto(sequence.constData(), out.data());
    return out;
}

bool plottedInto(const QVector<int> &arrangement, bool kinnear, bool filter, double *out)
{
    if (!isScorable(arrangement))
        return false;
    int positions[N];
    int caps[N];
    scorePositions(arrangement.constData(), positions);
    const int *plotted = positions;
    if (!kinnear) {
        scoreCaps(arrangement.constData(), positions, caps);
        plotted = caps;
    }
    if (filter) {
        filterInto(plotted, out);
    } else {
        for (int k = 0; k < N; ++k)
            out[k] = plotted[k];
    }
    return true;
}

double sqrtTes(int tes)
{
    return std::sqrt(double(tes));
}

QString sqrtTesText(int tes)
{
    if (tes < 0)
        return QString();
    return QString::number(sqrtTes(tes), 'g', 6);
}

std::optional<int> averagedTes(const QVector<int> &tesValues)
{
    if (tesValues.isEmpty())
        return std::nullopt;
    long long sum = 0;
    for (int tes : tesValues)
        sum += tes;
    // C++ division truncates toward zero, as the averaged TES must.
    return int(sum / tesValues.size());
}

QVector<double> averagedCurve(const QVector<QVector<double>> &curves)
{
    CurveMean mean;
    for (const QVector<double> &curve : curves)
        mean.add(curve);
    return mean.mean();
}

void CurveMean::add(const QVector<double> &curve)
{
    if (curve.size() >= N)
        add(curve.constData());
}

void CurveMean::add(const double *curve)
{
    double *s = sum.data();
    for (int k = 0; k < N; ++k)
        s[k] += curve[k];
    ++used;
}

QVector<double> CurveMean::mean() const
{
    if (used == 0)
        return {};
    QVector<double> result = sum;
    for (double &x : result)
        x /= double(used);
    return result;
}

Discrimination classify(int tes)
{
    if (tes >= 0 && tes <= 16)
        return Discrimination::Superior;
    if (tes >= 17 && tes <= 100)
        return Discrimination::Average;
    return Discrimination::Low;
}

QString classificationText(int tes)
{
    switch (classify(tes)) {
    case Discrimination::Superior:
        return QCoreApplication::translate("AnalysisFormWidget", "Superior Discrimination");
    case Discrimination::Average:
        return QCoreApplication::translate("AnalysisFormWidget", "Average Discrimination");
    case Discrimination::Low:
        break;
    }
    return QCoreApplication::translate("AnalysisFormWidget", "Low Discrimination");
}

QString classificationWord(int tes)
{
    switch (classify(tes)) {
    case Discrimination::Superior:
        return QCoreApplication::translate("AnalysisFormWidget", "Superior");
    case Discrimination::Average:
        return QCoreApplication::translate("AnalysisFormWidget", "Average");
    case Discrimination::Low:
        break;
    }
    return QCoreApplication::translate("AnalysisFormWidget", "Low");
}

QString percentileText(Population population, int tes)
{
    switch (population) {
    case Population::Unselected:
        return translated(lookUp(UnselectedRows, tes));
    case Population::InPlant:
        return translated(lookUp(InPlantRows, tes));
    case Population::Experienced:
        break;
    }
    return translated(lookUp(ExperiencedRows, tes));
}

QString unselectedPercentile(int tes)
{
    return percentileText(Population::Unselected, tes);
}
QString inPlantPercentile(int tes)
{
    return percentileText(Population::InPlant, tes);
}
QString experiencedPercentile(int tes)
{
    return percentileText(Population::Experienced, tes);
}

bool isKinnear(const QString &scoreModeText)
{
    return scoreModeText != QLatin1String("Standard");
}

} // namespace Scoring
