#include "analysistext.h"
#include "caporder.h"
#include "clock.h"
#include "database.h"
#include "testsupport.h"

#include <QtTest>

Q_DECLARE_METATYPE(QList<CapSet>)

namespace {

using S = AnalysisText;

// Untouched arrangement with the caps at positions 30 and 31 exchanged: TES 4.
QVector<int> twoSwapped()
{
    return TestSupport::swapped(CapOrder::untouched(), 30, 31);
}

// TES 12: three separate exchanges of neighbours.
QVector<int> threeSwapped()
{
    QVector<int> caps = TestSupport::swapped(CapOrder::untouched(), 30, 31);
    caps = TestSupport::swapped(caps, 50, 51);
    return TestSupport::swapped(caps, 70, 71);
}

databaseEntry sample()
{
    return TestSupport::sampleEntry(QStringLiteral("Ann"), QStringLiteral("Lee"), twoSwapped());
}

QList<bool> only(int index)
{
    QList<bool> switches;
    for (int i = 0; i < S::SwitchCount; ++i)
        switches << (i == index);
    return switches;
}
QList<bool> all(bool on)
{
    QList<bool> switches;
    for (int i = 0; i < S::SwitchCount; ++i)
        switches << on;
    return switches;
}

AnalysisText loaded(const QList<bool> &switches, const databaseEntry &e = sample())
{
    AnalysisText t;
    t.setSwitches(switches);
    t.setEntry(e);
    return t;
}

const QList<CapSet> registerOf1234 = {{QStringLiteral("1234"), QStringLiteral("03/04/2025")}};

const QString subject4 = QStringLiteral("Subject: Ann M Lee\nReference: R-Ann\n"
                                        "Date of Birth: 01/02/1980\nDate of Test: 03/04/2025\n");
const QString particulars =
    QStringLiteral("Gender: Female\nGeographic Location: Europe\nIndustry Type: Textiles\n"
                   "Primary Job Function: Quality Control\nYears of Experience: 1 - 2 years\n"
                   "Illumination Type: D65");
const QString capListText = QStringLiteral("85, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, \n"
                                           "13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25, \n"
                                           "26, 27, 28, 29, 31, 30, 32, 33, 34, 35, 36, 37, 38, \n"
                                           "39, 40, 41, 42, 43, 44, 45, 46, 47, 48, 49, 50, 51, \n"
                                           "52, 53, 54, 55, 56, 57, 58, 59, 60, 61, 62, 63, 64, \n"
                                           "65, 66, 67, 68, 69, 70, 71, 72, 73, 74, 75, 76, 77, \n"
                                           "78, 79, 80, 81, 82, 83, 84");
const QString vingrysReport =
    QStringLiteral("\nVingrys Analysis\nAngle: 51.11\nC-Index: 1.05\nS-Index: 1.34\n"
                   "Suggested Diagnosis: Ambigious Deficiency\n");

const QString plainFive = subject4 + QStringLiteral("Comments: no remarks\n");
const QString part1Base = subject4 + particulars + QStringLiteral("\n");
const QString part2Base = QStringLiteral("Test Serial Number: 1234\n\nCap Order: ") + capListText +
                          QStringLiteral("\n\nCertified.\n\nComments: no remarks\n");
const QString nameBase = subject4 + particulars;

} // namespace

class tst_AnalysisText : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { Clock::setToday(QDate(2025, 6, 15)); }
    void cleanupTestCase() { Clock::setToday(QDate()); }

    void beforeAnyTestEveryTextIsEmpty();
    void allSwitchesOffShowsTheFiveSubjectLines();
    void allSwitchesOn();
    void reportSwitchAlone_data();
    void reportSwitchAlone();
    void screenSwitchAlone_data();
    void screenSwitchAlone();
    void averageFormWithTwoFurtherTests();
    void noMiddleNameLeavesTwoBlanks();
    void capList_data();
    void capList();
    void shortArrangementKeepsLabelsWithoutFigures();
    void shortSwitchListCountsAsOff();
    void certification_data();
    void certification();
    void certificationReadsTheStoresRegister();
};

void tst_AnalysisText::beforeAnyTestEveryTextIsEmpty()
{
    AnalysisText t;
    t.setSwitches(all(true));
    QVERIFY(!t.isLoaded());
    QCOMPARE(t.analysisText(), QString());
    QCOMPARE(t.reportTextPart1(), QString());
    QCOMPARE(t.reportTextPart2(registerOf1234), QString());
    QCOMPARE(t.nameAndAnalysisText(), QString());
    t.setAverage(true);
    QCOMPARE(t.analysisText(), QString());
}

void tst_AnalysisText::allSwitchesOffShowsTheFiveSubjectLines()
{
    const AnalysisText t = loaded(all(false));
    QCOMPARE(t.analysisText(), plainFive);
    QCOMPARE(t.reportTextPart1(), part1Base);
    QCOMPARE(t.reportTextPart2(registerOf1234), part2Base);
    QCOMPARE(t.nameAndAnalysisText(), nameBase);
}

void tst_AnalysisText::allSwitchesOn()
{
    const AnalysisText t = loaded(all(true));
    QCOMPARE(t.analysisText(),
             plainFive +
                 QStringLiteral("Test Duration: 12\n"
                                "Total Error Score (TES): 4\n"
                                "Sqrt Total Error Score (TES): 2\n"
                                "Classification: Superior Discrimination\n"
                                "\nPercentile\nUnselected: 90%\nIn Plant: 90%\nExperienced: 70%\n"
                                "\nVingrys Analysis\nAngle: 51.1097\nC-Index: 1.05031\n"
                                "S-Index: 1.34332\nSuggested Diagnosis: Ambigious Deficiency\n"));
    QCOMPARE(
        t.reportTextPart1(),
        QStringLiteral("Total Error Score (TES): 4\nClassification: Superior Discrimination\n\n") +
            subject4 + QStringLiteral("Test Duration: 12 (mins)\n") + particulars +
            QStringLiteral("\n") + vingrysReport);
    QCOMPARE(
        t.reportTextPart2(registerOf1234),
        QStringLiteral("Square Root Total Error Score: 2\n") + part2Base +
            QStringLiteral("\nPercentile\nUnselected: 90%\nIn Plant: 90%\nExperienced: 70%\n"));
    QCOMPARE(t.nameAndAnalysisText(),
             subject4 + QStringLiteral("Test Duration: 12 (mins)\n") + particulars +
                 QStringLiteral("\n\nTotal Error Score (TES): 4\nSqrt Total Error Score (TES): 2\n"
                                "Classification: Superior Discrimination"
                                "\n\nPercentile\nUnselected: 90%\nIn Plant: 90%\n"
                                "Experienced: 70%\n") +
                 vingrysReport);
}

void tst_AnalysisText::reportSwitchAlone_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("part1");
    QTest::addColumn<QString>("part2");
    QTest::addColumn<QString>("nameAndAnalysis");

    const QString duration = QStringLiteral("Test Duration: 12 (mins)\n");
    QTest::newRow("testReport") << int(S::TestReport)
                                << QString(subject4 + duration + particulars + QStringLiteral("\n"))
                                << part2Base << QString(subject4 + duration + particulars);
    QTest::newRow("tesReport")
        << int(S::TesReport) << QString(QStringLiteral("Total Error Score (TES): 4\n") + part1Base)
        << part2Base << QString(nameBase + QStringLiteral("\n\nTotal Error Score (TES): 4\n"));
    QTest::newRow("sqrtTesReport")
        << int(S::SqrtTesReport) << part1Base
        << QString(QStringLiteral("Square Root Total Error Score: 2\n") + part2Base)
        << QString(nameBase + QStringLiteral("\n\nSqrt Total Error Score (TES): 2\n"));
    QTest::newRow("vingrysReport") << int(S::VingrysReport) << QString(part1Base + vingrysReport)
                                   << part2Base << QString(nameBase + vingrysReport);
    QTest::newRow("classReport")
        << int(S::ClassReport)
        << QString(QStringLiteral("Classification: Superior Discrimination\n\n") + part1Base)
        << part2Base
        << QString(nameBase + QStringLiteral("\n\nClassification: Superior Discrimination"));
    QTest::newRow("percentFirstReport")
        << int(S::PercentFirstReport) << part1Base
        << QString(part2Base + QStringLiteral("\nPercentile\nUnselected: 90%\n"))
        << QString(nameBase + QStringLiteral("\n\nPercentile\nUnselected: 90%\n"));
    QTest::newRow("percentSomeReport")
        << int(S::PercentSomeReport) << part1Base
        << QString(part2Base + QStringLiteral("\nPercentile\nIn Plant: 90%\n"))
        << QString(nameBase + QStringLiteral("\n\nPercentile\nIn Plant: 90%\n"));
    QTest::newRow("percentExpReport")
        << int(S::PercentExpReport) << part1Base
        << QString(part2Base + QStringLiteral("\nPercentile\nExperienced: 70%\n"))
        << QString(nameBase + QStringLiteral("\n\nPercentile\nExperienced: 70%\n"));
}

void tst_AnalysisText::reportSwitchAlone()
{
    QFETCH(int, index);
    QFETCH(QString, part1);
    QFETCH(QString, part2);
    QFETCH(QString, nameAndAnalysis);

    const AnalysisText t = loaded(only(index));
    QCOMPARE(t.reportTextPart1(), part1);
    QCOMPARE(t.reportTextPart2(registerOf1234), part2);
    QCOMPARE(t.nameAndAnalysisText(), nameAndAnalysis);
    // A report switch never reaches the screen text.
    QCOMPARE(t.analysisText(), plainFive);
}

void tst_AnalysisText::screenSwitchAlone_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("added");

    QTest::newRow("testGui") << int(S::TestGui) << QStringLiteral("Test Duration: 12\n");
    QTest::newRow("tesGui") << int(S::TesGui) << QStringLiteral("Total Error Score (TES): 4\n");
    QTest::newRow("sqrtTesGui") << int(S::SqrtTesGui)
                                << QStringLiteral("Sqrt Total Error Score (TES): 2\n");
    QTest::newRow("vingrysGui") << int(S::VingrysGui)
                                << QStringLiteral("\nVingrys Analysis\nAngle: 51.1097\n"
                                                  "C-Index: 1.05031\nS-Index: 1.34332\n"
                                                  "Suggested Diagnosis: Ambigious Deficiency\n");
    QTest::newRow("classGui") << int(S::ClassGui)
                              << QStringLiteral("Classification: Superior Discrimination\n");
    QTest::newRow("percentFirstGui")
        << int(S::PercentFirstGui) << QStringLiteral("\nPercentile\nUnselected: 90%\n");
    QTest::newRow("percentSomeGui")
        << int(S::PercentSomeGui) << QStringLiteral("\nPercentile\nIn Plant: 90%\n");
    QTest::newRow("percentExpGui")
        << int(S::PercentExpGui) << QStringLiteral("\nPercentile\nExperienced: 70%\n");
}

void tst_AnalysisText::screenSwitchAlone()
{
    QFETCH(int, index);
    QFETCH(QString, added);

    const AnalysisText t = loaded(only(index));
    QCOMPARE(t.analysisText(), plainFive + added);
    // A screen switch never reaches the report texts.
    QCOMPARE(t.reportTextPart1(), part1Base);
    QCOMPARE(t.reportTextPart2(registerOf1234), part2Base);
    QCOMPARE(t.nameAndAnalysisText(), nameBase);
}

void tst_AnalysisText::averageFormWithTwoFurtherTests()
{
    AnalysisText t = loaded(all(true));
    // (4 + 207 + 12) / 3 = 74.33, truncated.
    t.setFurther({TestSupport::cap85InTray2(), threeSwapped()});
    t.setAverage(true);
    QCOMPARE(t.figures().averagedTes, std::optional<int>(74));
    QCOMPARE(t.analysisText(),
             QStringLiteral("Subject: Averaged Results\n"
                            "Total Error Score (totalScores): 74\n"
                            "Sqrt Total Error Score (TES): 8.60233\n"
                            "Classification: Average Discrimination\n"
                            "\nPercentile\nUnselected 30%\nIn Plant: 0%\nExperienced: 0%\n"));

    // Only the class switch: no percentile block, no Vingrys block, no subject particulars.
    t.setSwitches(only(S::ClassGui));
    QCOMPARE(t.analysisText(), QStringLiteral("Subject: Averaged Results\n"
                                              "Classification: Average Discrimination\n"));

    // The report and the clipboard always describe the current test alone.
    t.setSwitches(all(true));
    QVERIFY(t.reportTextPart1().startsWith(QStringLiteral("Total Error Score (TES): 4\n")));
    QVERIFY(t.nameAndAnalysisText().contains(QStringLiteral("\nTotal Error Score (TES): 4\n")));

    // A new current test starts a selection of its own.
    t.setEntry(sample());
    QCOMPARE(t.figures().averagedTes, std::optional<int>(4));
}

void tst_AnalysisText::noMiddleNameLeavesTwoBlanks()
{
    databaseEntry e = sample();
    e.middle.clear();
    const AnalysisText t = loaded(all(false), e);
    QVERIFY(t.analysisText().startsWith(QStringLiteral("Subject: Ann  Lee\n")));
    QVERIFY(t.reportTextPart1().startsWith(QStringLiteral("Subject: Ann  Lee\n")));
    QVERIFY(t.nameAndAnalysisText().startsWith(QStringLiteral("Subject: Ann  Lee\n")));
}

void tst_AnalysisText::capList_data()
{
    QTest::addColumn<QVector<int>>("arrangement");
    QTest::addColumn<QString>("expected");

    QVector<int> eighty;
    for (int i = 1; i <= 80; ++i)
        eighty << i;
    QTest::newRow("empty") << QVector<int>() << QString();
    QTest::newRow("80 values") << eighty << QString();
    QTest::newRow("85 values") << twoSwapped() << capListText;
    // Longer than 80 yet short of 85: only what is there, never past it.
    QTest::newRow("82 values") << QVector<int>(eighty + QVector<int>{81, 82})
                               << QStringLiteral(
                                      "1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, \n"
                                      "14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26, \n"
                                      "27, 28, 29, 30, 31, 32, 33, 34, 35, 36, 37, 38, 39, \n"
                                      "40, 41, 42, 43, 44, 45, 46, 47, 48, 49, 50, 51, 52, \n"
                                      "53, 54, 55, 56, 57, 58, 59, 60, 61, 62, 63, 64, 65, \n"
                                      "66, 67, 68, 69, 70, 71, 72, 73, 74, 75, 76, 77, 78, \n"
                                      "79, 80, 81, 82");
}

void tst_AnalysisText::capList()
{
    QFETCH(QVector<int>, arrangement);
    QFETCH(QString, expected);
    QCOMPARE(AnalysisText::capList(arrangement), expected);
}

void tst_AnalysisText::shortArrangementKeepsLabelsWithoutFigures()
{
    databaseEntry e = sample();
    // Written without the closing separator, whose empty piece would be an 81st value.
    e.scores = CapOrder::write(CapOrder::untouched().mid(0, 80)).chopped(2);
    QCOMPARE(CapOrder::read(e.scores).size(), 80);
    const AnalysisText t = loaded(only(S::TesReport), e);
    QVERIFY(!t.figures().tes);
    QVERIFY(!t.figures().vingrys);
    QCOMPARE(t.reportTextPart1(), QStringLiteral("Total Error Score (TES): \n") + part1Base);
    QCOMPARE(t.reportTextPart2(registerOf1234),
             QStringLiteral("Test Serial Number: 1234\n\nCap Order: \n\nCertified.\n\n"
                            "Comments: no remarks\n"));

    AnalysisText v = loaded(only(S::VingrysReport), e);
    QCOMPARE(v.reportTextPart1(),
             part1Base + QStringLiteral("\nVingrys Analysis\nAngle: \nC-Index: \nS-Index: \n"
                                        "Suggested Diagnosis: \n"));
}

void tst_AnalysisText::shortSwitchListCountsAsOff()
{
    const AnalysisText t = loaded({true, true});
    QVERIFY(t.isOn(S::TestReport));
    QVERIFY(t.isOn(S::TesReport));
    QVERIFY(!t.isOn(S::PercentExpGui));
    QCOMPARE(t.analysisText(), plainFive);
}

void tst_AnalysisText::certification_data()
{
    QTest::addColumn<QString>("serial");
    QTest::addColumn<QList<CapSet>>("capSets");
    QTest::addColumn<QDate>("today");
    QTest::addColumn<QString>("expected");

    const QString none = QStringLiteral("Veskora results not certified (No Serial Number)\n\n");
    const QString old = QStringLiteral(
        "Veskora results not certified (The cap set is more than two years old).\n\n");
    const QString ok = QStringLiteral("Certified.\n\n");
    const QString s = QStringLiteral("A-7");
    const QDate today(2025, 6, 15);
    auto reg = [&](const QString &date) { return QList<CapSet>{{s, date}}; };

    QTest::newRow("empty serial") << QString() << reg(QStringLiteral("06/15/2025")) << today
                                  << none;
    QTest::newRow("empty serial, register holds an empty serial")
        << QString() << QList<CapSet>{{QString(), QStringLiteral("01/01/2000")}} << today << none;
    QTest::newRow("unknown serial")
        << QStringLiteral("B-1") << reg(QStringLiteral("01/01/2000")) << today << ok;
    QTest::newRow("serial must match exactly")
        << QStringLiteral("A-") << reg(QStringLiteral("01/01/2000")) << today << ok;
    QTest::newRow("empty register") << s << QList<CapSet>() << today << ok;
    QTest::newRow("one piece") << s << reg(QStringLiteral("2019")) << today << ok;
    QTest::newRow("two pieces") << s << reg(QStringLiteral("06/2019")) << today << ok;
    QTest::newRow("month 13 day 45") << s << reg(QStringLiteral("13/45/2024")) << today << old;
    QTest::newRow("not numbers") << s << reg(QStringLiteral("aa/bb/cccc")) << today << old;
    QTest::newRow("empty pieces") << s << reg(QStringLiteral("//")) << today << old;
    QTest::newRow("exactly two years") << s << reg(QStringLiteral("06/15/2023")) << today << ok;
    QTest::newRow("one day more") << s << reg(QStringLiteral("06/14/2023")) << today << old;
    QTest::newRow("recent") << s << reg(QStringLiteral("1/2/2025")) << today << ok;
    QTest::newRow("bought after today") << s << reg(QStringLiteral("12/31/2030")) << today << ok;
    // Cap sets imported from VKT files: property-list dates, judged by their date.
    QTest::newRow("property-list date, years old")
        << s << reg(QStringLiteral("2010-03-04T00:00:00Z")) << today << old;
    QTest::newRow("property-list date, exactly two years")
        << s << reg(QStringLiteral("2023-06-15T00:00:00Z")) << today << ok;
    QTest::newRow("property-list date, one day more")
        << s << reg(QStringLiteral("2023-06-14T23:59:59Z")) << today << old;
    QTest::newRow("property-list date without time")
        << s << reg(QStringLiteral("2010-03-04")) << today << old;
    QTest::newRow("property-list date that does not exist")
        << s << reg(QStringLiteral("2024-02-30T00:00:00Z")) << today << old;
    QTest::newRow("dashes of another form") << s << reg(QStringLiteral("2010-3-4")) << today << ok;
    QTest::newRow("extra pieces ignored")
        << s << reg(QStringLiteral("06/15/2023/x")) << today << ok;
    QTest::newRow("first entry wins")
        << s << QList<CapSet>{{s, QStringLiteral("01/01/2010")}, {s, QStringLiteral("01/01/2025")}}
        << today << old;
    QTest::newRow("later match after other serials")
        << s
        << QList<CapSet>{{QStringLiteral("Z"), QStringLiteral("01/01/2010")},
                         {s, QStringLiteral("01/01/2025")}}
        << today << ok;
    // Two years before 29 February is 28 February.
    QTest::newRow("leap day, limit")
        << s << reg(QStringLiteral("2/28/2022")) << QDate(2024, 2, 29) << ok;
    QTest::newRow("leap day, before")
        << s << reg(QStringLiteral("2/27/2022")) << QDate(2024, 2, 29) << old;
}

void tst_AnalysisText::certification()
{
    QFETCH(QString, serial);
    QFETCH(QList<CapSet>, capSets);
    QFETCH(QDate, today);
    QFETCH(QString, expected);
    QCOMPARE(AnalysisText::certification(serial, capSets, today), expected);
}

void tst_AnalysisText::certificationReadsTheStoresRegister()
{
    TestSupport::useFreshDatabase();
    database *db = database::instance();
    QVERIFY(db->insertSerialNum(QStringLiteral("1234"), QStringLiteral("06/15/2023")));

    const AnalysisText t = loaded(all(false));
    Clock::setToday(QDate(2025, 6, 15));
    QCOMPARE(t.reportTextPart2(), part2Base);
    Clock::setToday(QDate(2025, 6, 16));
    QCOMPARE(t.reportTextPart2(),
             QStringLiteral("Test Serial Number: 1234\n\nCap Order: ") + capListText +
                 QStringLiteral("\n\nVeskora results not certified (The cap set is more than "
                                "two years old).\n\nComments: no remarks\n"));
    Clock::setToday(QDate(2025, 6, 15));
}

QTEST_GUILESS_MAIN(tst_AnalysisText)
#include "tst_analysistext.moc"
