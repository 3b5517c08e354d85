#include "caporder.h"
#include "scoring.h"
#include "testsupport.h"

#include <QtTest>
#include <algorithm>
#include <climits>
#include <numeric>

using PositionMap = QMap<int, int>;
using TestSupport::withValue;

class TestScoring : public QObject
{
    Q_OBJECT

    // 2 everywhere except the listed entries (index: value).
    static QVector<int> twosWith(const PositionMap &raised)
    {
        QVector<int> s(85, 2);
        for (auto it = raised.cbegin(); it != raised.cend(); ++it)
            s[it.key()] = it.value();
        return s;
    }
    // The untouched order with positions p and p + 1 exchanged: TES 4.
    static QVector<int> swp(int p) { return TestSupport::swapped(CapOrder::untouched(), p, p + 1); }
    // The ascending order with cap 85 moved in before position `at`.
    static QVector<int> with85At(int at)
    {
        QVector<int> caps = TestSupport::ascending();
        caps.insert(at, caps.takeLast());
        return caps;
    }

private slots:
    void positionScoresAndTes_data()
    {
        QTest::addColumn<QVector<int>>("arrangement");
        QTest::addColumn<QVector<int>>("expected");
        // TES, red-green (caps 13-33 and 55-75), blue-yellow, then the TES of trays 1-4.
        QTest::addColumn<QVector<int>>("totals");
        auto row = [](const char *name, const QVector<int> &caps, const PositionMap &raised,
                      const QVector<int> &totals) {
            QTest::newRow(name) << caps << twosWith(raised) << totals;
        };
        const PositionMap at29to32{{29, 3}, {30, 3}, {31, 3}, {32, 3}};
        QVector<int> longer = swp(30);
        longer << INT_MAX << -5 << 1000; // only the first 85 values count

        row("untouched", CapOrder::untouched(), {}, {0, 0, 0, 0, 0, 0, 0});
        row("1 to 85", TestSupport::ascending(), {}, {0, 0, 0, 0, 0, 0, 0});
        row("swap 30/31", swp(30), at29to32, {4, 4, 0, 0, 4, 0, 0});
        row("88 values", longer, at29to32, {4, 4, 0, 0, 4, 0, 0});
        row("swap 0/1", swp(0), {{0, 3}, {1, 3}, {2, 3}, {84, 3}}, {4, 0, 4, 3, 0, 0, 1});
        // The tray seam: 21 compares with cap 85 as 0, 22 with plain numbers.
        row("swap 21/22", swp(21), {{20, 3}, {21, 3}, {22, 3}, {23, 3}}, {4, 4, 0, 2, 2, 0, 0});
        row("cap 85 first in tray 2", TestSupport::cap85InTray2(),
            {{0, 3}, {21, 23}, {22, 125}, {23, 63}, {84, 3}}, {207, 82, 125, 22, 184, 0, 1});
        // Inside tray 1 cap 85 counts as 0 wherever it lies; in tray 3 as 85.
        row("cap 85 inside tray 1", with85At(10), {{0, 3}, {9, 11}, {10, 21}, {11, 12}, {84, 3}},
            {40, 0, 40, 39, 0, 0, 1});
        row("cap 85 inside tray 3", with85At(50), {{0, 3}, {49, 36}, {50, 69}, {51, 35}, {84, 3}},
            {136, 0, 136, 1, 0, 134, 1});
        row("tray 2 reversed", TestSupport::tray2Reversed(),
            {{21, 22}, {22, 22}, {42, 22}, {43, 22}}, {80, 40, 40, 20, 40, 20, 0});
        // Exchanges across each border between the axes.
        row("swap 12/13", swp(12), {{11, 3}, {12, 3}, {13, 3}, {14, 3}}, {4, 2, 2, 4, 0, 0, 0});
        row("swap 33/34", swp(33), {{32, 3}, {33, 3}, {34, 3}, {35, 3}}, {4, 2, 2, 0, 4, 0, 0});
        row("swap 54/55", swp(54), {{53, 3}, {54, 3}, {55, 3}, {56, 3}}, {4, 2, 2, 0, 0, 4, 0});
        row("swap 75/76", swp(75), {{74, 3}, {75, 3}, {76, 3}, {77, 3}}, {4, 2, 2, 0, 0, 0, 4});
    }
    void positionScoresAndTes()
    {
        QFETCH(QVector<int>, arrangement);
        QFETCH(QVector<int>, expected);
        QFETCH(QVector<int>, totals);
        const std::optional<Scoring::TestScores> all = Scoring::score(arrangement);
        QVERIFY(all);
        QCOMPARE(all->positionScores, expected);
        QCOMPARE(Scoring::totalErrorScore(arrangement), std::optional<int>(all->tes));
        const auto p = Scoring::partialErrorScores(all->capScores);
        QCOMPARE(QVector<int>({all->tes, p->redGreen, p->blueYellow}) +
                     Scoring::trayErrorScores(expected),
                 totals);
    }

    void capScores()
    {
        // Cap 4 at positions 4 and 5, cap 5 nowhere: the later position wins, cap 5 reads 0.
        QCOMPARE(Scoring::capScores(withValue(5, 4)), twosWith({{4, 0}, {5, 3}}));
        // Cap 0 is scored at its position but has no entry among caps 1..85.
        QCOMPARE(Scoring::capScores(withValue(40, 0)), twosWith({{38, 40}, {39, 0}, {40, 42}}));
    }

    void classesAndRoots()
    {
        // clang-format off
        const std::tuple<int, const char *, const char *> rows[] = {
            {-1, "Low", ""}, {0, "Superior", "0"}, {16, "Superior", "4"}, {17, "Average", "4.12311"},
            {100, "Average", "10"}, {101, "Low", "10.0499"}, {207, "Low", "14.3875"},
            {1234567, "Low", "1111.11"}, {1000000000, "Low", "31622.8"}};
        // clang-format on
        for (const auto &[tes, word, root] : rows) {
            QCOMPARE(Scoring::classificationWord(tes), QLatin1String(word));
            QCOMPARE(Scoring::classificationText(tes),
                     QString(QLatin1String(word) + QLatin1String(" Discrimination")));
            QCOMPARE(Scoring::sqrtTesText(tes), QLatin1String(root)); // none for a negative TES
        }
        QVERIFY(qIsNaN(Scoring::sqrtTes(-4)));
    }

    void percentiles()
    {
        using P = Scoring::Population;
        // Each population's bands as highest TES, percentile; above the last band 0 %.
        const std::pair<P, QVector<int>> rows[] = {
            {P::Unselected,
             {12, 90, 20, 80, 28, 70, 36, 60, 46, 50, 60, 40, 76, 30, 96, 20, 120, 10}},
            {P::InPlant, {4, 90, 12, 80, 16, 70, 20, 60, 24, 50, 28, 40, 36, 30, 44, 20, 68, 10}},
            {P::Experienced,
             {0, 90, 4, 70, 6, 60, 8, 50, 12, 40, 16, 30, 24, 20, 40, 10}}}; // no 80
        const auto pct = [](int n) -> QString { return QString::number(n) + QLatin1Char('%'); };
        for (const auto &[population, b] : rows) {
            QCOMPARE(Scoring::percentileText(population, -7), pct(90));
            QCOMPARE(Scoring::percentileText(population, INT_MAX), pct(0));
            for (int i = 0; i < b.size(); i += 2) {
                QCOMPARE(Scoring::percentileText(population, b[i]), pct(b[i + 1]));
                QCOMPARE(Scoring::percentileText(population, b[i] + 1), pct(b.value(i + 3)));
            }
        }
        QCOMPARE(QStringList({Scoring::unselectedPercentile(13), Scoring::inPlantPercentile(13),
                              Scoring::experiencedPercentile(13)}),
                 QStringList({pct(80), pct(70), pct(30)}));
    }

    void filteredAndAveraged()
    {
        // A moving mean over 21 entries of the ring: a spike at 84 reaches 74..84 and 0..9.
        const QVector<double> f = Scoring::filtered(twosWith({{84, 23}}));
        for (int k = 0; k < 85; ++k)
            QCOMPARE(f[k], k >= 74 || k <= 9 ? 3.0 : 2.0);
        QCOMPARE(Scoring::averagedTes({10, 15}), std::optional<int>(12));
        QCOMPARE(Scoring::averagedTes({0, 4, 207}), std::optional<int>(70));
        QCOMPARE(Scoring::averagedTes({-3, -4}), std::optional<int>(-3)); // toward zero
        QCOMPARE(Scoring::averagedTes({INT_MAX, INT_MAX}), std::optional<int>(INT_MAX));
        // A curve shorter than 85 is left out and not counted.
        const QVector<double> a(85, 2.0);
        QCOMPARE(Scoring::averagedCurve({a, QVector<double>(10, 9.0), QVector<double>(85, 4.0)}),
                 QVector<double>(85, 3.0));
        QCOMPARE(Scoring::averagedCurve({a}), a);
    }

    void shortSequencesGiveNothing()
    {
        const QVector<int> short84(84, 2);
        QCOMPARE(Scoring::filtered(short84), QVector<double>());
        QCOMPARE(Scoring::capScores(CapOrder::untouched(), short84), QVector<int>());
        QVERIFY(!Scoring::partialErrorScores(short84) &&
                Scoring::trayErrorScores(short84).isEmpty());
        QVERIFY(!Scoring::averagedTes({}));
        QCOMPARE(Scoring::averagedCurve({QVector<double>(3, 1.0)}), QVector<double>());
    }

    void plottedSequence()
    {
        // Cap 85 first in tray 2 scores 125 at position 22, which is cap 85's own entry.
        // Positions 12..32 hold 21: 23, 22: 125, 23: 63; caps 75..85 and 1..10 hold
        // 85: 125, 84: 3, 1: 3; the rest 2.
        const Scoring::TestScores t = *Scoring::score(TestSupport::cap85InTray2());
        const std::tuple<bool, bool, int, double> rows[] = {
            {false, false, 84, 125.0},
            {true, false, 22, 125.0},
            {true, true, 22, (18 * 2 + 23 + 125 + 63) / 21.0},
            {false, true, 84, (18 * 2 + 125 + 3 + 3) / 21.0}};
        for (const auto &[kinnear, filter, peakIndex, peak] : rows) {
            const QVector<double> curve = t.plotted(kinnear, filter);
            QCOMPARE(curve[peakIndex], peak);
            QCOMPARE(*std::max_element(curve.begin(), curve.end()), peak);
        }
        // Anything but "Standard" is Kinnear.
        QVERIFY(!Scoring::isKinnear(QStringLiteral("Standard")));
        for (const char *text : {"Kinnear", "standard", ""})
            QVERIFY(Scoring::isKinnear(QLatin1String(text)));
    }

    // Short arrangements and numbers an importer may have stored give no result;
    // repeated caps are scored by the same arithmetic and may go below 0.
    void notScorableAndRepeated()
    {
        for (const QVector<int> &caps :
             {QVector<int>(), CapOrder::untouched().mid(0, 84), withValue(40, 86), withValue(0, -1),
              withValue(84, INT_MAX), withValue(21, INT_MIN)}) {
            QVERIFY(!Scoring::isScorable(caps) && !Scoring::totalErrorScore(caps));
            QVERIFY(!Scoring::score(caps) && Scoring::positionScores(caps).isEmpty());
            QVERIFY(Scoring::capScores(caps).isEmpty());
            QVERIFY(Scoring::capScores(caps, QVector<int>(85, 2)).isEmpty());
        }
        QVector<int> oneOff(85, 85);
        oneOff[40] = 40; // 45 + 45 at positions 39 and 41, 90 at 40
        // Cap 85 counts as 0 at position 0 and as 85 at 84: across the seam both add 85.
        const std::pair<QVector<int>, int> rows[] = {{QVector<int>(85, 7), 0},
                                                     {QVector<int>(85, 0), 0},
                                                     {QVector<int>(85, 85), -170},
                                                     {oneOff, 180 - 170}};
        for (const auto &[caps, tes] : rows) {
            QCOMPARE(Scoring::totalErrorScore(caps), std::optional<int>(tes));
            QCOMPARE(Scoring::score(caps)->tes, tes);
        }
    }

    // Over random orders: distinct neighbours differ by 1 or more, cap and position scores
    // agree, the axes split the TES, and a moving mean neither adds nor loses score and
    // stays within the raw range.
    void randomPermutations()
    {
        QRandomGenerator rng(20240605);
        QVector<int> caps = TestSupport::ascending();
        const auto sum = [](const auto &v) { return std::accumulate(v.begin(), v.end(), 0.0); };
        for (int round = 0; round < 2000; ++round) {
            std::shuffle(caps.begin(), caps.end(), rng);
            const Scoring::TestScores t = *Scoring::score(caps);
            const auto [lo, hi] = std::minmax_element(t.capScores.begin(), t.capScores.end());
            for (int i = 0; i < 85; ++i)
                QVERIFY(t.positionScores[i] >= 2 &&
                        t.capScores[caps[i] - 1] == t.positionScores[i] &&
                        t.filteredCapScores[i] >= *lo && t.filteredCapScores[i] <= *hi);
            const double raw = sum(t.positionScores);
            const Scoring::PartialErrorScores p = *Scoring::partialErrorScores(t.capScores);
            QVERIFY(t.tes == int(raw) - 170 && p.redGreen + p.blueYellow == t.tes &&
                    Scoring::totalErrorScore(caps) == t.tes);
            QVERIFY(qAbs(sum(t.filteredPositionScores) - raw) < 1e-9 * raw &&
                    qAbs(sum(t.filteredCapScores) - raw) < 1e-9 * raw);
        }
    }
};

QTEST_GUILESS_MAIN(TestScoring)
#include "tst_scoring.moc"
