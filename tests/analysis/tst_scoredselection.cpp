#include "caporder.h"
#include "scoredselection.h"
#include "testsupport.h"

#include <QtTest>
#include <climits>

namespace {

// TES 4 each: one exchange of neighbours.
QVector<int> tes4(int position)
{
    return TestSupport::swapped(CapOrder::untouched(), position, position + 1);
}

} // namespace

class TestScoredSelection : public QObject
{
    Q_OBJECT

private slots:
    void shortCurrentGivesNoSelection_data()
    {
        QTest::addColumn<QVector<int>>("current");
        QTest::newRow("empty") << QVector<int>();
        QTest::newRow("84 values") << CapOrder::untouched().mid(1);
        QVector<int> big = CapOrder::untouched();
        big[3] = INT_MAX;
        QTest::newRow("out of range") << big;
    }
    void shortCurrentGivesNoSelection()
    {
        QFETCH(QVector<int>, current);
        QVERIFY(!ScoredSelection::build(current));
        QVERIFY(!ScoredSelection::build(current, {CapOrder::untouched()}));
    }

    void averagedTes_data()
    {
        QTest::addColumn<QVector<int>>("current");
        QTest::addColumn<QVector<QVector<int>>>("further");
        QTest::addColumn<int>("averaged");
        QTest::addColumn<int>("furtherCount");
        QTest::addColumn<int>("leftOut");

        QTest::newRow("alone") << TestSupport::cap85InTray2() << QVector<QVector<int>>{} << 207 << 0
                               << 0;
        QTest::newRow("0 and 207")
            << CapOrder::untouched() << QVector<QVector<int>>{TestSupport::cap85InTray2()} << 103
            << 1 << 0;
        QTest::newRow("4, 4, 4 and 207")
            << tes4(30) << QVector<QVector<int>>{tes4(50), tes4(60), TestSupport::cap85InTray2()}
            << (4 + 4 + 4 + 207) / 4 << 3 << 0;
        // Unscorable further tests are left out of the count as well as the sum.
        QVector<int> junk = CapOrder::untouched();
        junk[84] = -9;
        QTest::newRow("short and junk further")
            << tes4(30)
            << QVector<QVector<int>>{QVector<int>(), TestSupport::cap85InTray2(), junk,
                                     CapOrder::untouched().mid(0, 80)}
            << (4 + 207) / 2 << 1 << 3;
    }
    void averagedTes()
    {
        QFETCH(QVector<int>, current);
        QFETCH(QVector<QVector<int>>, further);
        QFETCH(int, averaged);
        QFETCH(int, furtherCount);
        QFETCH(int, leftOut);
        const std::optional<ScoredSelection> s = ScoredSelection::build(current, further);
        QVERIFY(s);
        QCOMPARE(s->averagedTes(), averaged);
        QCOMPARE(s->further().size(), furtherCount);
        QCOMPARE(s->furtherLeftOut(), leftOut);
        QCOMPARE(s->furtherCurves(false, false).size(), furtherCount);
        QCOMPARE(s->current().tes, *Scoring::totalErrorScore(current));
    }

    void averagedCurve_data()
    {
        QTest::addColumn<bool>("kinnear");
        QTest::addColumn<bool>("filter");
        QTest::addColumn<int>("index");
        QTest::addColumn<double>("expected");
        // The untouched order is 2 everywhere, raw or filtered.
        QTest::newRow("Standard, cap 85") << false << false << 84 << (2 + 125) / 2.0;
        QTest::newRow("Standard, cap 22") << false << false << 21 << (2 + 23) / 2.0;
        QTest::newRow("Kinnear, position 22") << true << false << 22 << (2 + 125) / 2.0;
        QTest::newRow("Kinnear, position 84") << true << false << 84 << (2 + 3) / 2.0;
        // Positions 75..84 and 0..10: positions 84 and 0 score 3.
        QTest::newRow("Kinnear filtered, entry 0")
            << true << true << 0 << (2 + (19 * 2 + 3 + 3) / 21.0) / 2.0;
        // Caps 75..85 and 1..10 around cap 85: 85 scores 125, 84 and 1 score 3.
        QTest::newRow("Standard filtered, cap 85")
            << false << true << 84 << (2 + (18 * 2 + 125 + 3 + 3) / 21.0) / 2.0;
    }
    void averagedCurve()
    {
        QFETCH(bool, kinnear);
        QFETCH(bool, filter);
        QFETCH(int, index);
        QFETCH(double, expected);
        const std::optional<ScoredSelection> s =
            ScoredSelection::build(CapOrder::untouched(), {TestSupport::cap85InTray2()});
        QVERIFY(s);
        const QVector<double> mean = s->averagedCurve(kinnear, filter);
        QCOMPARE(mean.size(), 85);
        QCOMPARE(mean[index], expected);
        QCOMPARE(s->currentCurve(kinnear, filter), QVector<double>(85, 2.0));
        QCOMPARE(s->furtherCurves(kinnear, filter).value(0).value(index), 2 * expected - 2);
    }

    void averageOfOneIsTheCurve()
    {
        const std::optional<ScoredSelection> s =
            ScoredSelection::build(TestSupport::cap85InTray2());
        QVERIFY(s);
        for (bool kinnear : {false, true}) {
            for (bool filter : {false, true})
                QCOMPARE(s->averagedCurve(kinnear, filter), s->currentCurve(kinnear, filter));
        }
        QCOMPARE(s->averagedTes(), 207);
    }
};

QTEST_GUILESS_MAIN(TestScoredSelection)
#include "tst_scoredselection.moc"
