#include "caporder.h"
#include "testsupport.h"
#include "vingrys.h"

#include <QtTest>
#include <climits>
#include <cmath>

using TestSupport::tray2Reversed;
using TestSupport::withValue;

class TestVingrys : public QObject
{
    Q_OBJECT

private slots:
    // Angle, C-index and S-index to the digits known, within one unit of each last digit,
    // and as the report shows them.
    void workedExamples()
    {
        using V = QVector<double>;
        const std::tuple<QVector<int>, V, V, const char *> rows[] = {
            {CapOrder::untouched(),
             {54.149, 0.99994, 1.2842},
             {1e-3, 1e-5, 1e-4},
             "54.15 1.00 1.28"},
            {tray2Reversed(), {46.684, 3.7558, 4.7978}, {1e-3, 1e-4, 1e-4}, "46.68 3.76 4.80"}};
        for (const auto &[caps, known, unit, report] : rows) {
            const std::optional<Vingrys::Result> r = Vingrys::analyse(caps);
            QVERIFY(r);
            for (int i = 0; i < 3; ++i)
                QVERIFY2(qAbs(r->values()[i] - known[i]) < unit[i],
                         qPrintable(QString::number(r->values()[i], 'g', 10)));
            QCOMPARE(r->diagnosisText(), QStringLiteral("Ambigious Deficiency"));
            QCOMPARE(
                QStringList({r->angleReportText(), r->cIndexReportText(), r->sIndexReportText()}),
                QString::fromLatin1(report).split(QLatin1Char(' ')));
        }
    }

    void degenerateArrangements()
    {
        // Every step of zero length (rows 0 and 85 are the same point): the sums vanish,
        // the trial angle is the fixed 0.7854 and both moments tie, so it is kept.
        QVector<int> zeroAnd85(85, 0);
        for (int i = 0; i < 85; i += 2)
            zeroAnd85[i] = 85;
        const std::optional<Vingrys::Result> r = Vingrys::analyse(zeroAnd85);
        QVERIFY(r && r->angle == 0.7854 * 57.3 && r->cIndex == 0.0 && std::isnan(r->sIndex));
        // Steps along one line only: the rounded right angle leaves a sliver of spread
        // across it, so the S-index is huge rather than infinite.
        QVector<int> caps(85, 1);
        for (int i = 1; i < 85; i += 2)
            caps[i] = 2;
        const std::optional<Vingrys::Result> c = Vingrys::analyse(caps);
        QVERIFY(c && c->cIndex > 0.0 && c->sIndex > 1e4 && std::isfinite(c->angle));
    }

    void diagnosis()
    {
        const char *const A = "Ambigious Deficiency";
        const std::pair<double, const char *> rows[] = {
            {-4.0, "Duetan"}, {-3.999, A},         {-10.999, "Duetan"}, {-11.0, A},
            {0.0, A},         {0.001, "Protan"},   {30.0, "Protan"},    {30.001, A},
            {-70.0, A},       {-70.001, "Tritan"}, {-90.0, "Tritan"},   {qQNaN(), A}};
        for (const auto &[angle, text] : rows)
            QCOMPARE(Vingrys::diagnosisText(Vingrys::diagnose(angle)), QLatin1String(text));
    }

    // Report form: two decimals; screen form: six significant digits; the angle unsigned.
    void numberForms()
    {
        const std::tuple<double, const char *, const char *> rows[] = {
            {-75.123456, "75.12", "75.1235"},
            {-0.004, "0.00", "0.004"},
            {0.99994, "1.00", "0.99994"},
            {1234567.0, "1234567.00", "1.23457e+06"}};
        for (const auto &[value, report, screen] : rows) {
            Vingrys::Result r;
            r.angle = value;
            r.cIndex = r.sIndex = std::abs(value);
            const QString rep = QLatin1String(report), scr = QLatin1String(screen);
            QCOMPARE(QStringList({r.angleReportText(), r.cIndexReportText(), r.sIndexReportText(),
                                  r.angleScreenText(), r.cIndexScreenText(), r.sIndexScreenText()}),
                     QStringList({rep, rep, rep, scr, scr, scr}));
        }
    }

    // Only the first 85 values count, and each must be a row of the cap table.
    void noResult()
    {
        for (const QVector<int> &caps :
             {QVector<int>(), CapOrder::untouched().mid(0, 84), withValue(10, 86),
              withValue(84, -1), withValue(0, INT_MAX), withValue(42, INT_MIN)})
            QVERIFY(!Vingrys::analyse(caps));
        const QVector<int> longer = tray2Reversed() + QVector<int>{999, -1};
        QCOMPARE(Vingrys::analyse(longer)->values(), Vingrys::analyse(tray2Reversed())->values());
    }

    // Over any permutation the chosen axis has the smaller moment, so the S-index is
    // at least 1, and the angle lies within a quarter turn either side.
    void randomPermutations()
    {
        QRandomGenerator rng(77);
        QVector<int> caps = TestSupport::ascending();
        for (int round = 0; round < 2000; ++round) {
            std::shuffle(caps.begin(), caps.end(), rng);
            const Vingrys::Result r = *Vingrys::analyse(caps);
            QVERIFY(std::isfinite(r.angle) && std::isfinite(r.sIndex) && r.sIndex >= 1.0);
            QVERIFY(qAbs(r.angle) <= 1.5708 * 57.3);
            QVERIFY(r.cIndex > 1.0); // far longer steps than the ordered arrangement
            QCOMPARE(r.diagnosis, Vingrys::diagnose(r.angle));
        }
    }
};

QTEST_GUILESS_MAIN(TestVingrys)
#include "tst_vingrys.moc"
