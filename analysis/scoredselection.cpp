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
        std::optional<Scoring::TestScores> other = Scoring::score(arrangement);
        if (other)
            selection.m_further.append(std::move(*other));
        else
            ++selection.m_leftOut;
    }
    return selection;
}

int ScoredSelection::averagedTes() const
{
    QVector<int> values;
    values.reserve(m_further.size() + 1);
    values.append(m_current.tes);
    for (const Scoring::TestScores &t : m_further)
        values.append(t.tes);
    // Never empty: the current test is always there.
    return Scoring::averagedTes(values).value_or(m_current.tes);
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
    QVector<QVector<double>> curves = furtherCurves(kinnear, filter);
    curves.prepend(currentCurve(kinnear, filter));
    return Scoring::averagedCurve(curves);
}
