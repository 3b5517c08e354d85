#include "scoredselection.h"

std::optional<ScoredSelection> ScoredSelection::build(const QVector<int> &current,
                                                      const QVector<QVector<int>> &further)
{
    std::optional<Scoring::TestScores> scored = Scoring::score(current);
    if (!scored)
        return std::nullopt;
    ScoredSelection selection;
    selection.m_current = std::move(*scored);
    for (const QVector<int> &arrangement : further)
        selection.m_leftOut += Scoring::isScorable(arrangement) ? 0 : 1;
    if (selection.m_leftOut == 0) {
        selection.m_further = further;
        return selection;
    }
    selection.m_further.reserve(further.size() - selection.m_leftOut);
    for (const QVector<int> &arrangement : further) {
        if (Scoring::isScorable(arrangement))
            selection.m_further.append(arrangement);
    }
    return selection;
}

std::optional<int> ScoredSelection::averagedTes(const QVector<int> &current,
                                                const QVector<QVector<int>> &further)
{
    const std::optional<int> own = Scoring::totalErrorScore(current);
    if (!own)
        return std::nullopt;
    QVector<int> values;
    values.reserve(further.size() + 1);
    values.append(*own);
    for (const QVector<int> &arrangement : further) {
        if (const std::optional<int> tes = Scoring::totalErrorScore(arrangement))
            values.append(*tes);
    }
    return Scoring::averagedTes(values);
}

QVector<double> ScoredSelection::currentCurve(bool kinnear, bool filter) const
{
    return m_current.plotted(kinnear, filter);
}

QVector<QVector<double>> ScoredSelection::furtherCurves(bool kinnear, bool filter) const
{
    QVector<QVector<double>> curves;
    curves.reserve(m_further.size());
    for (const QVector<int> &arrangement : m_further) {
        QVector<double> curve(Scoring::Positions);
        Scoring::plottedInto(arrangement, kinnear, filter, curve.data());
        curves.append(curve);
    }
    return curves;
}

QVector<double> ScoredSelection::averagedCurve(bool kinnear, bool filter) const
{
    Scoring::CurveMean mean;
    mean.add(currentCurve(kinnear, filter));
    double curve[Scoring::Positions];
    for (const QVector<int> &arrangement : m_further) {
        Scoring::plottedInto(arrangement, kinnear, filter, curve);
        mean.add(curve);
    }
    return mean.mean();
}
