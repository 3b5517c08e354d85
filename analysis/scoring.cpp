#include "scoring.h"

#include <cstdlib>

namespace Scoring {

namespace {
constexpr int N = 85;
constexpr int Tray1End = 21; // last position of tray 1

// Inside tray 1 cap 85 stands for cap 0, so that it is a neighbour of cap 1.
inline int v(int cap) { return cap == N ? 0 : cap; }
} // namespace

QVector<int> positionScores(const QVector<int> &arrangement)
{
    if (arrangement.size() < N)
        return {};
    const int *c = arrangement.constData();
    QVector<int> s(N);
    s[0] = std::abs(v(c[0]) + N - c[N - 1]) + std::abs(v(c[1]) - v(c[0]));
    for (int i = 1; i <= Tray1End; ++i)
        s[i] = std::abs(v(c[i]) - v(c[i - 1])) + std::abs(v(c[i]) - v(c[i + 1]));
    for (int i = Tray1End + 1; i < N - 1; ++i)
        s[i] = std::abs(c[i] - c[i - 1]) + std::abs(c[i] - c[i + 1]);
    s[N - 1] = std::abs(c[N - 1] - c[N - 2]) + std::abs(c[N - 1] - (v(c[0]) + N));
    return s;
}

std::optional<int> totalErrorScore(const QVector<int> &arrangement)
{
    const QVector<int> s = positionScores(arrangement);
    if (s.isEmpty())
        return std::nullopt;
    long long sum = 0;
    for (int score : s)
        sum += score - 2;
    return int(sum);
}

} // namespace Scoring
