#include "caporder.h"
#include "scoredselection.h"
#include "testsupport.h"

#include <QtTest>

using Arrangements = QVector<QVector<int>>;

class TestScoredSelection : public QObject
{
    Q_OBJECT

    // TES 4: one exchange of neighbours.
    static QVector<int> tes4(int p)
    {
        return TestSupport::swapped(CapOrder::untouched(), p, p + 1);
    }

private slots:
    void noSelectionWithoutAScorableCurrent()
    {
        for (const QVector<int> &current :
             {QVector<int>(), CapOrder::untouched().mid(1), QVector<int>(85, 86)})
            QVERIFY(!ScoredSelection::build(current) &&
                    !ScoredSelection::build(current, {CapOrder::untouched()}) &&
                    !ScoredSelection::averagedTes(current, {CapOrder::untouched()}));
    }

    void averagedTes_data()
    {
        QTest::addColumn<QVector<int>>("current");
        QTest::addColumn<Arrangements>("further");
        QTest::addColumn<QVector<int>>("expected"); // averaged TES, further tests kept, left out
        const QVector<int> c85 = TestSupport::cap85InTray2(); // TES 207
        QTest::newRow("alone") << c85 << Arrangements{} << QVector<int>{207, 0, 0};
        QTest::newRow("0 and 207")
            << CapOrder::untouched() << Arrangements{c85} << QVector<int>{103, 1, 0};
        QTest::newRow("4, 4, 4 and 207") << tes4(30) << Arrangements{tes4(50), tes4(60), c85}
                                         << QVector<int>{(4 + 4 + 4 + 207) / 4, 3, 0};
        // Unscorable further tests are left out of the count as well as the sum.
        QTest::newRow("short and junk further")
            << tes4(30) << Arrangements{{}, c85, QVector<int>(85, -9), c85.mid(0, 80)}
            << QVector<int>{(4 + 207) / 2, 1, 3};
    }
    void averagedTes()
    {
        QFETCH(QVector<int>, current);
        QFETCH(Arrangements, further);
        QFETCH(QVector<int>, expected);
        const std::optional<ScoredSelection> s = ScoredSelection::build(current, further);
        QVERIFY(s);
        QCOMPARE(QVector<int>({*ScoredSelection::averagedTes(current, further), s->furtherCount(),
                               s->furtherLeftOut()}),
                 expected);
        QCOMPARE(s->current().tes, *Scoring::totalErrorScore(current));
    }

    // Each test's plotted sequence and their entry-wise mean (both pinned in tst_scoring):
    // the further curves are worked out when drawn, and must match the full tables.
    void curvesOfTheSelection()
    {
        const QVector<int> c85 = TestSupport::cap85InTray2();
        const Arrangements scorable{c85, TestSupport::tray2Reversed(), tes4(0),
                                    TestSupport::swapped(CapOrder::untouched(), 0, 84)};
        const auto s =
            ScoredSelection::build(CapOrder::untouched(), Arrangements(scorable) << c85.mid(2));
        const auto alone = ScoredSelection::build(c85);
        QVERIFY(s && alone && s->furtherCount() == scorable.size());
        for (const bool kinnear : {false, true}) {
            for (const bool filter : {false, true}) {
                QVector<QVector<double>> further;
                for (const QVector<int> &a : scorable)
                    further << Scoring::score(a)->plotted(kinnear, filter);
                QCOMPARE(s->currentCurve(kinnear, filter), QVector<double>(85, 2.0));
                QCOMPARE(s->furtherCurves(kinnear, filter), further);
                QCOMPARE(s->averagedCurve(kinnear, filter),
                         Scoring::averagedCurve(QVector<QVector<double>>{QVector<double>(85, 2.0)}
                                                << further));
                QCOMPARE(alone->averagedCurve(kinnear, filter), further.first());
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestScoredSelection)
#include "tst_scoredselection.moc"
