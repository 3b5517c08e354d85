// Throughput of the scoring arithmetic on one core: a record table of
// thousands of tests scores every row, and the analysis page rescores the
// whole selection on every option change.
#include "capentrycheck.h"
#include "caporder.h"
#include "scoring.h"
#include "vingrys.h"

#include <QRandomGenerator>
#include <benchmark/benchmark.h>

namespace {

// A fixed pool of shuffled arrangements, so the branch predictor cannot learn one.
const QVector<QVector<int>> &arrangements()
{
    static const QVector<QVector<int>> pool = [] {
        QRandomGenerator rng(4242);
        QVector<QVector<int>> list;
        for (int n = 0; n < 256; ++n) {
            QVector<int> caps = CapOrder::untouched();
            // A handful of local exchanges, like a real subject's arrangement.
            for (int k = 0; k < 12; ++k) {
                const int i = rng.bounded(84);
                std::swap(caps[i], caps[i + 1]);
            }
            list.append(caps);
        }
        return list;
    }();
    return pool;
}

const QVector<QString> &capOrderTexts()
{
    static const QVector<QString> texts = [] {
        QVector<QString> list;
        for (const QVector<int> &caps : arrangements())
            list.append(CapOrder::write(caps));
        return list;
    }();
    return texts;
}

void BM_PositionScoresAndTes(benchmark::State &state)
{
    const auto &pool = arrangements();
    int n = 0;
    for (auto _ : state) {
        const QVector<int> &caps = pool[n++ & 255];
        QVector<int> scores = Scoring::positionScores(caps);
        std::optional<int> tes = Scoring::totalErrorScore(caps);
        benchmark::DoNotOptimize(scores);
        benchmark::DoNotOptimize(tes);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_PositionScoresAndTes);

void BM_TotalErrorScore(benchmark::State &state)
{
    const auto &pool = arrangements();
    int n = 0;
    for (auto _ : state) {
        std::optional<int> tes = Scoring::totalErrorScore(pool[n++ & 255]);
        benchmark::DoNotOptimize(tes);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_TotalErrorScore);

void BM_CapScores(benchmark::State &state)
{
    const auto &pool = arrangements();
    int n = 0;
    for (auto _ : state) {
        QVector<int> scores = Scoring::capScores(pool[n++ & 255]);
        benchmark::DoNotOptimize(scores);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_CapScores);

void BM_Filtered(benchmark::State &state)
{
    QVector<QVector<int>> sequences;
    for (const QVector<int> &caps : arrangements())
        sequences.append(Scoring::positionScores(caps));
    int n = 0;
    for (auto _ : state) {
        QVector<double> f = Scoring::filtered(sequences[n++ & 255]);
        benchmark::DoNotOptimize(f);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_Filtered);

// Everything the page computes for one test: four sequences and the TES.
void BM_ScoreWholeTest(benchmark::State &state)
{
    const auto &pool = arrangements();
    int n = 0;
    for (auto _ : state) {
        std::optional<Scoring::TestScores> t = Scoring::score(pool[n++ & 255]);
        benchmark::DoNotOptimize(t);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ScoreWholeTest);

void BM_Vingrys(benchmark::State &state)
{
    const auto &pool = arrangements();
    int n = 0;
    for (auto _ : state) {
        std::optional<Vingrys::Result> r = Vingrys::analyse(pool[n++ & 255]);
        benchmark::DoNotOptimize(r);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_Vingrys);

void BM_ReadCapOrderText(benchmark::State &state)
{
    const auto &texts = capOrderTexts();
    int n = 0;
    for (auto _ : state) {
        QVector<int> caps = CapOrder::read(texts[n++ & 255]);
        benchmark::DoNotOptimize(caps);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ReadCapOrderText);

// The typed entry is checked on every keystroke: a whole arrangement as the
// examiner types it, one tray per line, blanks between the numbers.
const QVector<QString> &typedTexts()
{
    static const QVector<QString> texts = [] {
        QVector<QString> list;
        for (const QVector<int> &caps : arrangements()) {
            QString text;
            for (int i = 0; i < caps.size(); ++i) {
                text += QString::number(caps.at(i));
                text += i == 21 || i == 42 || i == 63 ? QLatin1Char('\n') : QLatin1Char(' ');
            }
            list.append(text);
        }
        return list;
    }();
    return texts;
}

void BM_CheckTypedArrangement(benchmark::State &state)
{
    const auto &texts = typedTexts();
    int n = 0;
    for (auto _ : state) {
        const CapEntryCheck check = CapEntryCheck::check(texts[n++ & 255]);
        bool complete = check.isComplete();
        benchmark::DoNotOptimize(complete);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_CheckTypedArrangement);

// The same with problems in every tray, and the words the form shows for them.
void BM_CheckTypedArrangementWithProblems(benchmark::State &state)
{
    QVector<QString> texts;
    for (const QString &text : typedTexts())
        texts.append(QStringLiteral("0 x 7 ") + text + QStringLiteral(" 7 30"));
    int n = 0;
    for (auto _ : state) {
        const CapEntryCheck check = CapEntryCheck::check(texts[n++ & 255]);
        QString words = check.tray(0).problemText() + check.tray(3).problemText();
        benchmark::DoNotOptimize(words);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_CheckTypedArrangementWithProblems);

} // namespace

BENCHMARK_MAIN();
