#include "scoredselection.h"

std::optional<ScoredSelection> ScoredSelection::build(const QVector<int> &current,
                                                      const QVector<QVector<int>> &further)
{
    std::optional<Scoring::TestScores> scored = Scoring::score(current);
    if (!scored)
        return std::nullopt;
    ScoredSelection selection;
    selection.m_current = std::move(*scored);
    selection.m_further.reserve(further.size());
    for (const QVector<int> &arrangement : further) {
        std::optional<Scoring::TestScores> other =
            Scoring::score(arrangement, Scoring::Filtered::WithoutFiltered);
        if (other)
            selection.m_further.append(std::move(*other));
        else
            ++selection.m_leftOut;
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
    for (const Scoring::TestScores &t : m_further)
        curves.append(t.plotted(kinnear, filter));
    return curves;
}

QVector<double> ScoredSelection::averagedCurve(bool kinnear, bool filter) const
{
    Scoring::CurveMean mean;
    mean.add(currentCurve(kinnear, filter));
    for (const Scoring::TestScores &t : m_further)
        mean.add(t.plotted(kinnear, filter));
    return mean.mean();
}
