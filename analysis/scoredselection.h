#pragma once

#include "scoring.h"

#include <QVector>
#include <optional>

// The scores of one analysed selection: the current test and the further
// tests, with the averages over all of them.
//
// A selection exists only when the current arrangement is scorable (see
// scoring.h); build() gives nullopt otherwise, so a caller keeps its previous
// results. Further arrangements that are not scorable are left out: they get
// no curve and do not count in the averages (furtherLeftOut() tells how many).
class ScoredSelection
{
public:
    static std::optional<ScoredSelection> build(const QVector<int> &current,
                                                const QVector<QVector<int>> &further = {});

    // The averaged TES of the selection build() would give, from the TES alone:
    // (TES of the current test + TES of each scorable further test) / (n + 1),
    // truncated; nullopt when the current arrangement is not scorable.
    static std::optional<int> averagedTes(const QVector<int> &current,
                                          const QVector<QVector<int>> &further);

    const Scoring::TestScores &current() const { return m_current; }
    // The scorable further tests.
    int furtherCount() const { return m_further.size(); }
    int furtherLeftOut() const { return m_leftOut; }

    // The plotted sequence (see TestScores::plotted) of the current test, of
    // each further test, and their entry-wise mean.
    QVector<double> currentCurve(bool kinnear, bool filter) const;
    QVector<QVector<double>> furtherCurves(bool kinnear, bool filter) const;
    QVector<double> averagedCurve(bool kinnear, bool filter) const;

private:
    ScoredSelection() = default;

    Scoring::TestScores m_current;
    // The scorable further arrangements, shared with the caller's list: their
    // curves are worked out when drawn, so thousands of tests hold no tables.
    QVector<QVector<int>> m_further;
    int m_leftOut = 0;
};
