#include "caporder.h"
#include "vingrys.h"

#include "testsupport.h"
#include <QRandomGenerator>

#include <QtTest>
#include <algorithm>
#include <climits>
#include <cmath>
#include <numeric>

Q_DECLARE_METATYPE(Vingrys::Diagnosis)

namespace {

QVector<int> tray2Reversed()
{
    QVector<int> caps = CapOrder::untouched();
    std::reverse(caps.begin() + 22, caps.begin() + 43);
    return caps;
}

} // namespace

class TestVingrys : public QObject
{
    Q_OBJECT

private slots:
    // The figures are known to the digits given: each must lie within one unit
    // of its last digit.
    void workedExamples_data()
    {
        QTest::addColumn<QVector<int>>("arrangement");
        QTest::addColumn<double>("angle");
        QTest::addColumn<double>("angleUnit");
        QTest::addColumn<double>("cIndex");
        QTest::addColumn<double>("cUnit");
        QTest::addColumn<double>("sIndex");
        QTest::addColumn<double>("sUnit");
        QTest::addColumn<QStringList>("reportTexts");

        const QStringList perfect{QStringLiteral("54.15"), QStringLiteral("1.00"),
                                  QStringLiteral("1.28")};
        QTest::newRow("untouched") << CapOrder::untouched() << 54.149 << 0.001 << 0.99994 << 0.00001
                                   << 1.2842 << 0.0001 << perfect;
        QTest::newRow("1 to 85") << TestSupport::ascending() << 54.149 << 0.001 << 0.99994
                                 << 0.00001 << 1.2842 << 0.0001 << perfect;
        QTest::newRow("tray 2 reversed")
            << tray2Reversed() << 46.684 << 0.001 << 3.7558 << 0.0001 << 4.7978 << 0.0001
            << QStringList{QStringLiteral("46.68"), QStringLiteral("3.76"), QStringLiteral("4.80")};
    }
    void workedExamples()
    {
        QFETCH(QVector<int>, arrangement);
        QFETCH(double, angle);
        QFETCH(double, angleUnit);
        QFETCH(double, cIndex);
        QFETCH(double, cUnit);
        QFETCH(double, sIndex);
        QFETCH(double, sUnit);
        QFETCH(QStringList, reportTexts);

        const std::optional<Vingrys::Result> r = Vingrys::analyse(arrangement);
        QVERIFY(r);
        QVERIFY2(qAbs(r->angle - angle) < angleUnit,
                 qPrintable(QString::number(r->angle, 'g', 10)));
        QVERIFY2(qAbs(r->cIndex - cIndex) < cUnit, qPrintable(QString::number(r->cIndex, 'g', 10)));
        QVERIFY2(qAbs(r->sIndex - sIndex) < sUnit, qPrintable(QString::number(r->sIndex, 'g', 10)));
        QCOMPARE(r->diagnosis, Vingrys::Diagnosis::Ambiguous);
        QCOMPARE(r->diagnosisText(), QStringLiteral("Ambigious Deficiency"));
        QCOMPARE((QStringList{r->angleReportText(), r->cIndexReportText(), r->sIndexReportText()}),
                 reportTexts);
        QCOMPARE(r->values(), (QVector<double>{r->angle, r->cIndex, r->sIndex}));

        // Screen form: six significant digits, beginning with the known ones.
        const QString angleText = r->angleScreenText();
        QVERIFY2(angleText.startsWith(QString::number(angle, 'f', 3)), qPrintable(angleText));
        QCOMPARE(angleText.size(), 7); // "dd.dddd"
        QCOMPARE(Vingrys::reportNumber(r->sIndexScreenText().toDouble()), reportTexts[2]);
    }

    // Every step of zero length: the sums vanish, the trial angle is the fixed
    // 0.7854 and both moments tie, so the trial angle itself is kept.
    void tieKeepsTheTrialAngle_data()
    {
        QTest::addColumn<QVector<int>>("arrangement");
        QTest::newRow("all 7") << QVector<int>(85, 7);
        QVector<int> zeroAnd85(85, 0);
        for (int i = 0; i < 85; i += 2)
            zeroAnd85[i] = 85; // rows 0 and 85 are the same point
        QTest::newRow("0 and 85") << zeroAnd85;
    }
    void tieKeepsTheTrialAngle()
    {
        QFETCH(QVector<int>, arrangement);
        const std::optional<Vingrys::Result> r = Vingrys::analyse(arrangement);
        QVERIFY(r);
        QCOMPARE(r->angle, 0.7854 * 57.3);
        QCOMPARE(r->cIndex, 0.0);
        QVERIFY(std::isnan(r->sIndex));
        QCOMPARE(r->diagnosis, Vingrys::Diagnosis::Ambiguous);
    }

    // Steps along one line only: hardly any spread across it. The rounded
    // right angle leaves a sliver, so the S-index is huge rather than infinite.
    void collinearSteps()
    {
        QVector<int> caps(85, 1);
        for (int i = 1; i < 85; i += 2)
            caps[i] = 2;
        const std::optional<Vingrys::Result> r = Vingrys::analyse(caps);
        QVERIFY(r);
        QVERIFY(r->cIndex > 0.0);
        QVERIFY2(r->sIndex > 1e4, qPrintable(QString::number(r->sIndex)));
        QVERIFY(std::isfinite(r->angle));
    }

    void diagnosis_data()
    {
        QTest::addColumn<double>("angle");
        QTest::addColumn<Vingrys::Diagnosis>("diagnosis");
        QTest::addColumn<QString>("text");
        const QString protan = QStringLiteral("Protan");
        const QString duetan = QStringLiteral("Duetan");
        const QString tritan = QStringLiteral("Tritan");
        const QString other = QStringLiteral("Ambigious Deficiency");
        using D = Vingrys::Diagnosis;
        QTest::newRow("-4") << -4.0 << D::Duetan << duetan;
        QTest::newRow("-3.999") << -3.999 << D::Ambiguous << other;
        QTest::newRow("-10.999") << -10.999 << D::Duetan << duetan;
        QTest::newRow("-11") << -11.0 << D::Ambiguous << other;
        QTest::newRow("0") << 0.0 << D::Ambiguous << other;
        QTest::newRow("0.001") << 0.001 << D::Protan << protan;
        QTest::newRow("30") << 30.0 << D::Protan << protan;
        QTest::newRow("30.001") << 30.001 << D::Ambiguous << other;
        QTest::newRow("-70") << -70.0 << D::Ambiguous << other;
        QTest::newRow("-70.001") << -70.001 << D::Tritan << tritan;
        QTest::newRow("-90") << -90.0 << D::Tritan << tritan;
        QTest::newRow("54.15") << 54.15 << D::Ambiguous << other;
        QTest::newRow("NaN") << qQNaN() << D::Ambiguous << other;
    }
    void diagnosis()
    {
        QFETCH(double, angle);
        QFETCH(Vingrys::Diagnosis, diagnosis);
        QFETCH(QString, text);
        QCOMPARE(Vingrys::diagnose(angle), diagnosis);
        QCOMPARE(Vingrys::diagnosisText(diagnosis), text);
    }

    void negativeAngleTextsDropTheSign_data()
    {
        QTest::addColumn<double>("angle");
        QTest::addColumn<QString>("report");
        QTest::addColumn<QString>("screen");
        QTest::newRow("-7.5") << -7.5 << QStringLiteral("7.50") << QStringLiteral("7.5");
        QTest::newRow("-75.123456")
            << -75.123456 << QStringLiteral("75.12") << QStringLiteral("75.1235");
        QTest::newRow("12.3") << 12.3 << QStringLiteral("12.30") << QStringLiteral("12.3");
        QTest::newRow("-0.004") << -0.004 << QStringLiteral("0.00") << QStringLiteral("0.004");
    }
    void negativeAngleTextsDropTheSign()
    {
        QFETCH(double, angle);
        QFETCH(QString, report);
        QFETCH(QString, screen);
        Vingrys::Result r;
        r.angle = angle;
        QCOMPARE(r.angleReportText(), report);
        QCOMPARE(r.angleScreenText(), screen);
    }

    void numberForms_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("report");
        QTest::addColumn<QString>("screen");
        QTest::newRow("0.99994") << 0.99994 << QStringLiteral("1.00") << QStringLiteral("0.99994");
        QTest::newRow("4.79785") << 4.797851 << QStringLiteral("4.80") << QStringLiteral("4.79785");
        QTest::newRow("1234567") << 1234567.0 << QStringLiteral("1234567.00")
                                 << QStringLiteral("1.23457e+06");
        QTest::newRow("0") << 0.0 << QStringLiteral("0.00") << QStringLiteral("0");
    }
    void numberForms()
    {
        QFETCH(double, value);
        QFETCH(QString, report);
        QFETCH(QString, screen);
        QCOMPARE(Vingrys::reportNumber(value), report);
        QCOMPARE(Vingrys::screenNumber(value), screen);
    }

    void noResult_data()
    {
        QTest::addColumn<QVector<int>>("arrangement");
        QTest::newRow("empty") << QVector<int>();
        QTest::newRow("84 values") << CapOrder::untouched().mid(0, 84);
        auto withValue = [](int position, int value) {
            QVector<int> caps = CapOrder::untouched();
            caps[position] = value;
            return caps;
        };
        QTest::newRow("86") << withValue(10, 86);
        QTest::newRow("-1 last") << withValue(84, -1);
        QTest::newRow("INT_MAX first") << withValue(0, INT_MAX);
        QTest::newRow("INT_MIN") << withValue(42, INT_MIN);
    }
    void noResult()
    {
        QFETCH(QVector<int>, arrangement);
        QVERIFY(!Vingrys::analyse(arrangement));
    }

    void onlyFirst85ValuesCount()
    {
        QVector<int> longer = tray2Reversed();
        const Vingrys::Result plain = *Vingrys::analyse(longer);
        longer << 999 << -1;
        const std::optional<Vingrys::Result> r = Vingrys::analyse(longer);
        QVERIFY(r);
        QCOMPARE(r->values(), plain.values());
    }

    // Over any permutation the chosen axis is the one with the smaller moment,
    // so the S-index is at least 1, and the angle lies within a quarter turn
    // either side (with the rounded constants: 90.0 degrees at most).
    void randomPermutations()
    {
        QRandomGenerator rng(77);
        QVector<int> caps = TestSupport::ascending();
        for (int round = 0; round < 2000; ++round) {
            for (int i = caps.size() - 1; i > 0; --i)
                std::swap(caps[i], caps[rng.bounded(i + 1)]);
            const Vingrys::Result r = *Vingrys::analyse(caps);
            QVERIFY(std::isfinite(r.angle) && std::isfinite(r.cIndex) && std::isfinite(r.sIndex));
            QVERIFY2(r.sIndex >= 1.0, qPrintable(QString::number(r.sIndex)));
            QVERIFY(qAbs(r.angle) <= 1.5708 * 57.3);
            // A shuffled order has far longer steps than the ordered one.
            QVERIFY(r.cIndex > 1.0);
            QCOMPARE(r.diagnosis, Vingrys::diagnose(r.angle));
        }
    }
};

QTEST_GUILESS_MAIN(TestVingrys)
#include "tst_vingrys.moc"
