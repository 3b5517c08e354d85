#include "caporder.h"
#include "scoring.h"
#include "testsupport.h"

#include <QRandomGenerator>
#include <QTranslator>
#include <QtTest>
#include <algorithm>
#include <climits>
#include <numeric>

using PositionMap = QMap<int, int>;

namespace {

// Every position scores 2 except the listed ones.
QVector<int> scoresWith(const PositionMap &raised)
{
    QVector<int> s(85, 2);
    for (auto it = raised.cbegin(); it != raised.cend(); ++it)
        s[it.key()] = it.value();
    return s;
}

QVector<int> randomPermutation(QRandomGenerator &rng)
{
    QVector<int> caps = TestSupport::ascending();
    for (int i = caps.size() - 1; i > 0; --i)
        std::swap(caps[i], caps[rng.bounded(i + 1)]);
    return caps;
}

// Marks every text looked up in the page's context, so a test can see that it
// went through translation with that context.
class MarkingTranslator : public QTranslator
{
public:
    bool isEmpty() const override { return false; }
    QString translate(const char *context, const char *sourceText, const char * = nullptr,
                      int = -1) const override
    {
        if (qstrcmp(context, "AnalysisFormWidget") != 0)
            return QString();
        return QLatin1String("<") + QLatin1String(sourceText) + QLatin1String(">");
    }
};

} // namespace

Q_DECLARE_METATYPE(Scoring::Population)

class TestScoring : public QObject
{
    Q_OBJECT

private slots:
    void positionScoresAndTes_data()
    {
        QTest::addColumn<QVector<int>>("arrangement");
        QTest::addColumn<QVector<int>>("expected");
        QTest::addColumn<int>("tes");
        // The TES split by axis: red-green caps 13-33 and 55-75, blue-yellow the rest.
        QTest::addColumn<int>("redGreen");
        QTest::addColumn<int>("blueYellow");
        QTest::addColumn<QVector<int>>("trays"); // the TES of each tray

        const QVector<int> untouched = CapOrder::untouched();
        QTest::newRow("untouched")
            << untouched << scoresWith({}) << 0 << 0 << 0 << QVector<int>{0, 0, 0, 0};
        QTest::newRow("1 to 85") << TestSupport::ascending() << scoresWith({}) << 0 << 0 << 0
                                 << QVector<int>{0, 0, 0, 0};
        QTest::newRow("swap 30/31") << TestSupport::swapped(untouched, 30, 31)
                                    << scoresWith({{29, 3}, {30, 3}, {31, 3}, {32, 3}}) << 4 << 4
                                    << 0 << QVector<int>{0, 4, 0, 0};
        QTest::newRow("swap 0/1") << TestSupport::swapped(untouched, 0, 1)
                                  << scoresWith({{0, 3}, {1, 3}, {2, 3}, {84, 3}}) << 4 << 0 << 4
                                  << QVector<int>{3, 0, 0, 1};
        // The seam between the trays: 21 compares with v(), 22 with plain numbers.
        QTest::newRow("swap 21/22") << TestSupport::swapped(untouched, 21, 22)
                                    << scoresWith({{20, 3}, {21, 3}, {22, 3}, {23, 3}}) << 4 << 4
                                    << 0 << QVector<int>{2, 2, 0, 0};
        QTest::newRow("cap 85 first in tray 2")
            << TestSupport::cap85InTray2()
            << scoresWith({{0, 3}, {21, 23}, {22, 125}, {23, 63}, {84, 3}}) << 207 << 82 << 125
            << QVector<int>{22, 184, 0, 1};
        // Inside tray 1 cap 85 counts as 0 wherever it lies: next to cap 1 it is one step.
        QVector<int> inTray1 = TestSupport::ascending();
        inTray1.removeLast();
        inTray1.insert(10, 85); // ... 9, 10, 85, 11 ...
        QTest::newRow("cap 85 inside tray 1")
            << inTray1 << scoresWith({{0, 3}, {9, 11}, {10, 21}, {11, 12}, {84, 3}}) << 40 << 0
            << 40 << QVector<int>{39, 0, 0, 1};
        // The same cap in tray 3 counts as 85.
        QVector<int> inTray3 = TestSupport::ascending();
        inTray3.removeLast();
        inTray3.insert(50, 85); // ... 49, 50, 85, 51 ...
        QTest::newRow("cap 85 inside tray 3")
            << inTray3 << scoresWith({{0, 3}, {49, 36}, {50, 69}, {51, 35}, {84, 3}}) << 136 << 0
            << 136 << QVector<int>{1, 0, 134, 1};
        // Tray 2 laid out backwards (42 ... 22): caps 21 and 22 (red-green) and 42
        // and 43 (blue-yellow) each meet a neighbour 21 caps away and score 22.
        QVector<int> tray2Reversed = untouched;
        std::reverse(tray2Reversed.begin() + 22, tray2Reversed.begin() + 43);
        QTest::newRow("tray 2 reversed")
            << tray2Reversed << scoresWith({{21, 22}, {22, 22}, {42, 22}, {43, 22}}) << 80 << 40
            << 40 << QVector<int>{20, 40, 20, 0};
        // Exchanges across each border between the axes raise two caps on either side.
        for (int p : {12, 33, 54, 75})
            QTest::addRow("swap %d/%d", p, p + 1)
                << TestSupport::swapped(untouched, p, p + 1)
                << scoresWith({{p - 1, 3}, {p, 3}, {p + 1, 3}, {p + 2, 3}}) << 4 << 2 << 2
                << QVector<int>{p == 12 ? 4 : 0, p == 33 ? 4 : 0, p == 54 ? 4 : 0, p == 75 ? 4 : 0};
    }
    void positionScoresAndTes()
    {
        QFETCH(QVector<int>, arrangement);
        QFETCH(QVector<int>, expected);
        QFETCH(int, tes);
        QCOMPARE(Scoring::positionScores(arrangement), expected);
        QCOMPARE(Scoring::totalErrorScore(arrangement), std::optional<int>(tes));
        const std::optional<Scoring::TestScores> all = Scoring::score(arrangement);
        QVERIFY(all);
        QCOMPARE(all->positionScores, expected);
        QCOMPARE(all->tes, tes);
        QFETCH(int, redGreen);
        QFETCH(int, blueYellow);
        const std::optional<Scoring::PartialErrorScores> partial =
            Scoring::partialErrorScores(all->capScores);
        QVERIFY(partial);
        QCOMPARE(partial->redGreen, redGreen);
        QCOMPARE(partial->blueYellow, blueYellow);
        QFETCH(QVector<int>, trays);
        QCOMPARE(Scoring::trayErrorScores(expected), trays);
    }

    void onlyFirst85ValuesCount()
    {
        QVector<int> longer = TestSupport::swapped(CapOrder::untouched(), 30, 31);
        longer << INT_MAX << -5 << 1000;
        QCOMPARE(Scoring::totalErrorScore(longer), std::optional<int>(4));
        QCOMPARE(Scoring::positionScores(longer).size(), 85);
        QVERIFY(Scoring::isScorable(longer));
    }

    void capScores_data()
    {
        QTest::addColumn<QVector<int>>("arrangement");
        QTest::addColumn<PositionMap>("expectedByCap"); // caps not listed score 2

        QTest::newRow("untouched") << CapOrder::untouched() << PositionMap{};
        QTest::newRow("cap 85 first in tray 2")
            << TestSupport::cap85InTray2()
            << PositionMap{{1, 3}, {22, 23}, {85, 125}, {23, 63}, {84, 3}};
        QTest::newRow("swap 30/31") << TestSupport::swapped(CapOrder::untouched(), 30, 31)
                                    << PositionMap{{29, 3}, {30, 3}, {31, 3}, {32, 3}};
        // Cap 4 lies at positions 4 and 5 and cap 5 nowhere: the later position
        // wins for cap 4 (|4-4| + |4-6| = 2), and cap 5 reads 0.
        QVector<int> repeated = CapOrder::untouched();
        repeated[4] = 4;
        repeated[5] = 4;
        QTest::newRow("repeated and missing cap")
            << repeated << PositionMap{{3, 2}, {4, 2}, {5, 0}, {6, 3}};
        // Cap 0 is scored at its position but has no entry among caps 1..85.
        QVector<int> withZero = CapOrder::untouched();
        withZero[40] = 0;
        QTest::newRow("cap 0 in place of 40")
            << withZero << PositionMap{{39, 40}, {40, 0}, {41, 42}};
    }
    void capScores()
    {
        QFETCH(QVector<int>, arrangement);
        QFETCH(PositionMap, expectedByCap);
        QVector<int> expected(85, 2);
        for (auto it = expectedByCap.cbegin(); it != expectedByCap.cend(); ++it)
            expected[it.key() - 1] = it.value();
        QCOMPARE(Scoring::capScores(arrangement), expected);
        QCOMPARE(Scoring::score(arrangement)->capScores, expected);
    }

    void classification_data()
    {
        QTest::addColumn<int>("tes");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("word");
        const QString superior = QStringLiteral("Superior Discrimination");
        const QString average = QStringLiteral("Average Discrimination");
        const QString low = QStringLiteral("Low Discrimination");
        QTest::newRow("0") << 0 << superior << QStringLiteral("Superior");
        QTest::newRow("16") << 16 << superior << QStringLiteral("Superior");
        QTest::newRow("17") << 17 << average << QStringLiteral("Average");
        QTest::newRow("100") << 100 << average << QStringLiteral("Average");
        QTest::newRow("101") << 101 << low << QStringLiteral("Low");
        QTest::newRow("-1") << -1 << low << QStringLiteral("Low");
        QTest::newRow("INT_MIN") << INT_MIN << low << QStringLiteral("Low");
        QTest::newRow("INT_MAX") << INT_MAX << low << QStringLiteral("Low");
    }
    void classification()
    {
        QFETCH(int, tes);
        QFETCH(QString, text);
        QFETCH(QString, word);
        QCOMPARE(Scoring::classificationText(tes), text);
        QCOMPARE(Scoring::classificationWord(tes), word);
    }

    void percentiles_data()
    {
        QTest::addColumn<int>("tes");
        QTest::addColumn<QString>("unselected");
        QTest::addColumn<QString>("inPlant");
        QTest::addColumn<QString>("experienced");
        auto row = [](const char *name, int tes, const char *a, const char *b, const char *c) {
            QTest::newRow(name) << tes << QString::fromLatin1(a) << QString::fromLatin1(b)
                                << QString::fromLatin1(c);
        };
        row("negative", -7, "90%", "90%", "90%");
        row("0", 0, "90%", "90%", "90%");
        row("1", 1, "90%", "90%", "70%"); // no 80% band for the experienced
        row("4", 4, "90%", "90%", "70%");
        row("5", 5, "90%", "80%", "60%");
        row("12", 12, "90%", "80%", "40%");
        row("13", 13, "80%", "70%", "30%");
        row("20", 20, "80%", "60%", "20%");
        row("24", 24, "70%", "50%", "20%");
        row("25", 25, "70%", "40%", "10%");
        row("40", 40, "50%", "20%", "10%");
        row("41", 41, "50%", "20%", "0%");
        row("68", 68, "30%", "10%", "0%");
        row("69", 69, "30%", "0%", "0%");
        row("96", 96, "20%", "0%", "0%");
        row("120", 120, "10%", "0%", "0%");
        row("121", 121, "0%", "0%", "0%");
        row("INT_MAX", INT_MAX, "0%", "0%", "0%");
    }
    void percentiles()
    {
        QFETCH(int, tes);
        QFETCH(QString, unselected);
        QFETCH(QString, inPlant);
        QFETCH(QString, experienced);
        QCOMPARE(Scoring::unselectedPercentile(tes), unselected);
        QCOMPARE(Scoring::inPlantPercentile(tes), inPlant);
        QCOMPARE(Scoring::experiencedPercentile(tes), experienced);
        QCOMPARE(Scoring::percentileText(Scoring::Population::InPlant, tes), inPlant);
    }

    void sqrtTes_data()
    {
        QTest::addColumn<int>("tes");
        QTest::addColumn<QString>("text");
        QTest::newRow("0") << 0 << QStringLiteral("0");
        QTest::newRow("16") << 16 << QStringLiteral("4");
        QTest::newRow("2") << 2 << QStringLiteral("1.41421");
        QTest::newRow("207") << 207 << QStringLiteral("14.3875");
        QTest::newRow("1234567") << 1234567 << QStringLiteral("1111.11");
        QTest::newRow("1e9") << 1000000000 << QStringLiteral("31622.8");
        QTest::newRow("negative has no root") << -4 << QString();
    }
    void sqrtTes()
    {
        QFETCH(int, tes);
        QFETCH(QString, text);
        QCOMPARE(Scoring::sqrtTesText(tes), text);
        const double root = Scoring::sqrtTes(tes);
        if (tes >= 0)
            QVERIFY(qAbs(root * root - tes) <= 1e-9 * qMax(1, tes));
        else
            QVERIFY(qIsNaN(Scoring::sqrtTes(tes)));
    }

    void filteredWrapsAroundTheRing()
    {
        QVector<int> s(85, 2);
        s[84] = 23;
        const QVector<double> f = Scoring::filtered(s);
        QCOMPARE(f.size(), 85);
        QCOMPARE(f[0], 3.0);
        // Entries whose window reaches position 84: 74..84 and 0..9.
        for (int k = 0; k < 85; ++k) {
            const bool reaches = k >= 74 || k <= 9;
            QCOMPARE(f[k], reaches ? 3.0 : 2.0);
        }
    }

    void filteredIsTheWindowMean()
    {
        QVector<int> s(85);
        std::iota(s.begin(), s.end(), 0); // s[k] = k
        const QVector<double> f = Scoring::filtered(s);
        QCOMPARE(f[42], 42.0);              // 32..52, no wrap
        QCOMPARE(f[0], (55 + 795) / 21.0);  // 0..10 and 75..84
        QCOMPARE(f[84], (869 + 45) / 21.0); // 74..84 and 0..9
        QCOMPARE(Scoring::filtered(QVector<int>(84, 2)), QVector<double>());
        QCOMPARE(Scoring::filtered({}), QVector<double>());
    }

    void averagedTes_data()
    {
        QTest::addColumn<QVector<int>>("values");
        QTest::addColumn<int>("expected");
        QTest::newRow("10 and 15") << QVector<int>{10, 15} << 12;
        QTest::newRow("alone") << QVector<int>{207} << 207;
        QTest::newRow("three") << QVector<int>{0, 4, 207} << 70;
        QTest::newRow("truncates toward zero") << QVector<int>{-3, -4} << -3;
        QTest::newRow("no overflow") << QVector<int>{INT_MAX, INT_MAX} << INT_MAX;
    }
    void averagedTes()
    {
        QFETCH(QVector<int>, values);
        QFETCH(int, expected);
        QCOMPARE(Scoring::averagedTes(values), std::optional<int>(expected));
    }

    void averagedTesOfNothing() { QVERIFY(!Scoring::averagedTes({})); }

    void averagedCurve()
    {
        QVector<double> a(85, 2.0);
        QVector<double> b(85, 3.0);
        b[7] = 10.0;
        const QVector<double> mean = Scoring::averagedCurve({a, b});
        QCOMPARE(mean.size(), 85);
        QCOMPARE(mean[0], 2.5);
        QCOMPARE(mean[7], 6.0);
        // A short curve is left out and not counted.
        QCOMPARE(Scoring::averagedCurve({a, QVector<double>(10, 100.0), b}), mean);
        QCOMPARE(Scoring::averagedCurve({a}), a);
        QCOMPARE(Scoring::averagedCurve({}), QVector<double>());
        QCOMPARE(Scoring::averagedCurve({QVector<double>(3, 1.0)}), QVector<double>());
    }

    void plottedSequence_data()
    {
        QTest::addColumn<bool>("kinnear");
        QTest::addColumn<bool>("filter");
        QTest::addColumn<int>("peakIndex");
        QTest::addColumn<double>("peak");
        // Cap 85 first in tray 2 scores 125 at position 22, which is cap 85's own entry.
        QTest::newRow("Standard") << false << false << 84 << 125.0;
        QTest::newRow("Kinnear") << true << false << 22 << 125.0;
        // Positions 12..32 around 22 hold 21: 23, 22: 125, 23: 63, the rest 2.
        QTest::newRow("Kinnear filtered") << true << true << 22 << (18 * 2 + 23 + 125 + 63) / 21.0;
        // Caps 75..85 and 1..10 around cap 85 (entry 84): 85: 125, 84: 3, 1: 3.
        QTest::newRow("Standard filtered") << false << true << 84 << (18 * 2 + 125 + 3 + 3) / 21.0;
    }
    void plottedSequence()
    {
        QFETCH(bool, kinnear);
        QFETCH(bool, filter);
        QFETCH(int, peakIndex);
        QFETCH(double, peak);
        const Scoring::TestScores t = *Scoring::score(TestSupport::cap85InTray2());
        const QVector<double> curve = t.plotted(kinnear, filter);
        QCOMPARE(curve.size(), 85);
        QCOMPARE(curve[peakIndex], peak);
        // Filtered peaks are flat over the positions whose window holds them all.
        QCOMPARE(*std::max_element(curve.begin(), curve.end()), peak);
    }

    void scoreModeText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("kinnear");
        QTest::newRow("Standard") << QStringLiteral("Standard") << false;
        QTest::newRow("Kinnear") << QStringLiteral("Kinnear") << true;
        QTest::newRow("lower case") << QStringLiteral("standard") << true;
        QTest::newRow("empty") << QString() << true;
    }
    void scoreModeText()
    {
        QFETCH(QString, text);
        QFETCH(bool, kinnear);
        QCOMPARE(Scoring::isKinnear(text), kinnear);
    }

    // Short arrangements and numbers an importer may have stored.
    void notScorable_data()
    {
        QTest::addColumn<QVector<int>>("arrangement");
        QTest::newRow("empty") << QVector<int>();
        QTest::newRow("one") << QVector<int>{85};
        QTest::newRow("84 values") << CapOrder::untouched().mid(0, 84);
        auto withValue = [](int position, int value) {
            QVector<int> caps = CapOrder::untouched();
            caps[position] = value;
            return caps;
        };
        QTest::newRow("86") << withValue(40, 86);
        QTest::newRow("-1") << withValue(0, -1);
        QTest::newRow("INT_MAX at the seam") << withValue(84, INT_MAX);
        QTest::newRow("INT_MIN first") << withValue(0, INT_MIN);
        QTest::newRow("INT_MAX in tray 1") << withValue(21, INT_MAX);
        QTest::newRow("all INT_MIN") << QVector<int>(85, INT_MIN);
    }
    void notScorable()
    {
        QFETCH(QVector<int>, arrangement);
        QVERIFY(!Scoring::isScorable(arrangement));
        QCOMPARE(Scoring::positionScores(arrangement), QVector<int>());
        QCOMPARE(Scoring::capScores(arrangement), QVector<int>());
        QCOMPARE(Scoring::capScores(arrangement, QVector<int>(85, 2)), QVector<int>());
        QVERIFY(!Scoring::totalErrorScore(arrangement));
        QVERIFY(!Scoring::score(arrangement));
    }

    void capScoresNeedFullPositionScores()
    {
        QCOMPARE(Scoring::capScores(CapOrder::untouched(), QVector<int>(84, 2)), QVector<int>());
        QVERIFY(!Scoring::partialErrorScores(QVector<int>(84, 2)));
        QVERIFY(Scoring::trayErrorScores(QVector<int>(84, 2)).isEmpty());
    }

    // Repeated caps are scored by the same arithmetic and may go below 0.
    void repeatedCaps_data()
    {
        QTest::addColumn<QVector<int>>("arrangement");
        QTest::addColumn<int>("tes");
        // Every neighbour step is 0; across the seam 85 is added on both sides.
        QTest::newRow("all 7") << QVector<int>(85, 7) << 0;
        QTest::newRow("all 0") << QVector<int>(85, 0) << 0;
        // Cap 85 counts as 0 at position 0 and as 85 at position 84: no step anywhere.
        QTest::newRow("all 85") << QVector<int>(85, 85) << -170;
        QVector<int> two(85, 85);
        two[40] = 40; // 45 + 45 at positions 39 and 41, 90 at 40
        QTest::newRow("all 85 but one") << two << 180 - 170;
    }
    void repeatedCaps()
    {
        QFETCH(QVector<int>, arrangement);
        QFETCH(int, tes);
        QCOMPARE(Scoring::totalErrorScore(arrangement), std::optional<int>(tes));
        QCOMPARE(Scoring::score(arrangement)->tes, tes);
    }

    void negativeTesTexts()
    {
        QCOMPARE(Scoring::classificationText(-170), QStringLiteral("Low Discrimination"));
        QCOMPARE(Scoring::sqrtTesText(-170), QString());
        QCOMPARE(Scoring::unselectedPercentile(-170), QStringLiteral("90%"));
    }

    void randomPermutations()
    {
        QRandomGenerator rng(20240605);
        for (int round = 0; round < 2000; ++round) {
            const QVector<int> caps = randomPermutation(rng);
            const Scoring::TestScores t = *Scoring::score(caps);
            int sum = 0;
            for (int i = 0; i < 85; ++i) {
                // Distinct neighbours differ by at least 1 on either side.
                QVERIFY2(t.positionScores[i] >= 2, qPrintable(QString::number(i)));
                // The cap lying at position i carries that position's score.
                QCOMPARE(t.capScores[caps[i] - 1], t.positionScores[i]);
                sum += t.positionScores[i] - 2;
            }
            QCOMPARE(t.tes, sum);
            QVERIFY(t.tes >= 0);
            QCOMPARE(Scoring::totalErrorScore(caps), std::optional<int>(t.tes));
            const Scoring::PartialErrorScores p = *Scoring::partialErrorScores(t.capScores);
            QCOMPARE(p.redGreen + p.blueYellow, t.tes);

            // A moving mean neither adds nor loses score.
            const auto total = [](const QVector<double> &v) {
                return std::accumulate(v.begin(), v.end(), 0.0);
            };
            const double rawSum =
                std::accumulate(t.positionScores.begin(), t.positionScores.end(), 0.0);
            QVERIFY(qAbs(total(t.filteredPositionScores) - rawSum) < 1e-9 * rawSum);
            QVERIFY(qAbs(total(t.filteredCapScores) - rawSum) < 1e-9 * rawSum);
            // Each filtered entry lies between the least and greatest raw entry.
            const auto [lo, hi] = std::minmax_element(t.capScores.begin(), t.capScores.end());
            for (double x : t.filteredCapScores)
                QVERIFY(x >= *lo && x <= *hi);
        }
    }

    void textsGoThroughTranslation()
    {
        MarkingTranslator translator;
        QVERIFY(QCoreApplication::installTranslator(&translator));
        const QString text = Scoring::classificationText(50);
        const QString word = Scoring::classificationWord(0);
        const QString percent = Scoring::experiencedPercentile(1);
        const QString zero = Scoring::unselectedPercentile(500);
        QCoreApplication::removeTranslator(&translator);
        QCOMPARE(text, QStringLiteral("<Average Discrimination>"));
        QCOMPARE(word, QStringLiteral("<Superior>"));
        QCOMPARE(percent, QStringLiteral("<70%>"));
        QCOMPARE(zero, QStringLiteral("<0%>"));
    }
};

QTEST_GUILESS_MAIN(TestScoring)
#include "tst_scoring.moc"
