#include "analysistext.h"
#include "caporder.h"
#include "clock.h"
#include "database.h"
#include "testsupport.h"

#include <QtTest>

namespace {

using S = AnalysisText;

const auto str = [](const char *text) { return QString::fromUtf8(text); };

const QList<CapSet> registerOf1234 = {{str("1234"), str("03/04/2025")}};
const QString subject4 = str(
    "Subject: Ann M Lee\nReference: R-Ann\nDate of Birth: 01/02/1980\nDate of Test: 03/04/2025\n");
const QString particulars = str("Gender: Female\nGeographic Location: Europe\nIndustry Type: "
                                "Textiles\nPrimary Job Function: Quality Control\nYears of "
                                "Experience: 1 - 2 years\nIllumination Type: D65");
// The arrangement with caps 30 and 31 exchanged (TES 4) as the report prints it.
const QString capListText = str("85, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, \n"
                                "13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25, \n"
                                "26, 27, 28, 29, 31, 30, 32, 33, 34, 35, 36, 37, 38, \n"
                                "39, 40, 41, 42, 43, 44, 45, 46, 47, 48, 49, 50, 51, \n"
                                "52, 53, 54, 55, 56, 57, 58, 59, 60, 61, 62, 63, 64, \n"
                                "65, 66, 67, 68, 69, 70, 71, 72, 73, 74, 75, 76, 77, \n"
                                "78, 79, 80, 81, 82, 83, 84");
const QString vingrysReport = str("\nVingrys Analysis\nAngle: 51.11\nC-Index: 1.05\nS-Index: "
                                  "1.34\nSuggested Diagnosis: Ambigious Deficiency\n");
const QString duration = str("Test Duration: 12 (mins)\n");
const QString plainFive = subject4 + str("Comments: no remarks\n");
const QString part1Base = subject4 + particulars + str("\n");
const QString part2Base = str("Test Serial Number: 1234\n\nCap Order: ") + capListText +
                          str("\n\nCertified.\n\nComments: no remarks\n");
const QString nameBase = subject4 + particulars;
const QString old =
    str("Veskora results not certified (The cap set is more than two years old).\n\n");

} // namespace

class tst_AnalysisText : public QObject
{
    Q_OBJECT

    static QVector<int> twoSwapped() { return TestSupport::swapped(CapOrder::untouched(), 30, 31); }
    static QList<bool> all(bool on) { return QVector<bool>(S::SwitchCount, on).toList(); }
    static QList<bool> only(int i) { return all(false).mid(0, i) << true << all(false).mid(i + 1); }
    static AnalysisText loaded(const QList<bool> &switches,
                               const QString &scores = CapOrder::write(twoSwapped()))
    {
        databaseEntry e = TestSupport::sampleEntry(str("Ann"), str("Lee"));
        e.scores = scores;
        AnalysisText t;
        t.setSwitches(switches);
        t.setEntry(e);
        return t;
    }

private slots:
    void initTestCase() { Clock::setToday(QDate(2025, 6, 15)); }
    void cleanupTestCase() { Clock::setToday(QDate()); }

    void beforeAnyTestAndShortSwitchLists()
    {
        AnalysisText t;
        t.setSwitches(all(true));
        t.setAverage(true);
        QVERIFY(!t.isLoaded());
        QCOMPARE(t.analysisText() + t.reportTextPart1() + t.reportTextPart2(registerOf1234) +
                     t.nameAndAnalysisText(),
                 QString());
        // Missing switches count as off.
        const AnalysisText s = loaded({true, true});
        QVERIFY(s.isOn(S::TestReport) && s.isOn(S::TesReport) && !s.isOn(S::PercentExpGui));
        QCOMPARE(s.analysisText(), plainFive);
        // Without a middle name the subject line keeps both spaces.
        databaseEntry e = TestSupport::sampleEntry(str("Ann"), str("Lee"));
        e.middle.clear();
        t.setEntry(e);
        QVERIFY(t.nameAndAnalysisText().startsWith(str("Subject: Ann  Lee\n")));
    }

    void allSwitchesOn()
    {
        const AnalysisText t = loaded(all(true));
        const QString percentiles =
            str("\nPercentile\nUnselected: 90%\nIn Plant: 90%\nExperienced: 70%\n");
        QCOMPARE(t.analysisText(),
                 plainFive +
                     str("Test Duration: 12\nTotal Error Score (TES): 4\nSqrt Total Error "
                         "Score (TES): 2\nClassification: Superior Discrimination\n") +
                     percentiles +
                     str("\nVingrys Analysis\nAngle: 51.1097\nC-Index: 1.05031\nS-Index: "
                         "1.34332\nSuggested Diagnosis: Ambigious Deficiency\n"));
        QCOMPARE(t.reportTextPart1(),
                 str("Total Error Score (TES): 4\nClassification: Superior Discrimination\n\n") +
                     subject4 + duration + particulars + str("\n") + vingrysReport);
        QCOMPARE(t.reportTextPart2(registerOf1234),
                 str("Square Root Total Error Score: 2\n") + part2Base + percentiles);
        QCOMPARE(t.nameAndAnalysisText(),
                 subject4 + duration + particulars +
                     str("\n\nTotal Error Score (TES): 4\nSqrt Total Error Score (TES): "
                         "2\nClassification: Superior Discrimination\n") +
                     percentiles + vingrysReport);
    }

    // One report switch on: the report texts it changes (a null text stays as with
    // every switch off); the screen text never changes.
    void oneReportSwitch_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QStringList>("texts"); // report part 1, part 2, name and analysis
        const auto row = [](const char *tag, int index, const QString &part1, const QString &part2,
                            const QString &name) {
            QTest::newRow(tag) << index << QStringList{part1, part2, name};
        };
        const auto percent = [&](const char *tag, int index, const char *line) {
            const QString block = str("Percentile\n") + str(line) + str("\n");
            row(tag, index, {}, part2Base + str("\n") + block, nameBase + str("\n\n") + block);
        };
        const QString tes = str("Total Error Score (TES): 4\n");
        const QString cls = str("Classification: Superior Discrimination");
        row("test", S::TestReport, subject4 + duration + particulars + str("\n"), {},
            subject4 + duration + particulars);
        row("tes", S::TesReport, tes + part1Base, {}, nameBase + str("\n\n") + tes);
        row("sqrtTes", S::SqrtTesReport, {}, str("Square Root Total Error Score: 2\n") + part2Base,
            nameBase + str("\n\nSqrt Total Error Score (TES): 2\n"));
        row("vingrys", S::VingrysReport, part1Base + vingrysReport, {}, nameBase + vingrysReport);
        row("class", S::ClassReport, cls + str("\n\n") + part1Base, {},
            nameBase + str("\n\n") + cls);
        percent("percentFirst", S::PercentFirstReport, "Unselected: 90%");
        percent("percentSome", S::PercentSomeReport, "In Plant: 90%");
        percent("percentExp", S::PercentExpReport, "Experienced: 70%");
    }
    void oneReportSwitch()
    {
        QFETCH(int, index);
        QFETCH(QStringList, texts);
        const QString part1 = texts.at(0), part2 = texts.at(1), name = texts.at(2);
        const AnalysisText t = loaded(only(index));
        QCOMPARE(t.analysisText(), plainFive);
        QCOMPARE(t.reportTextPart1(), part1.isNull() ? part1Base : part1);
        QCOMPARE(t.reportTextPart2(registerOf1234), part2.isNull() ? part2Base : part2);
        QCOMPARE(t.nameAndAnalysisText(), name.isNull() ? nameBase : name);
        // Its screen twin changes the screen text alone.
        const AnalysisText screen = loaded(only(index + S::TestGui));
        QCOMPARE(screen.reportTextPart1() + screen.reportTextPart2(registerOf1234),
                 part1Base + part2Base);
        QCOMPARE(screen.nameAndAnalysisText(), nameBase);
        QVERIFY(screen.analysisText().startsWith(plainFive) && screen.analysisText() != plainFive);
    }

    void averageFormWithTwoFurtherTests()
    {
        AnalysisText t = loaded(all(true));
        const QVector<int> tes12 =
            TestSupport::swapped(TestSupport::swapped(twoSwapped(), 50, 51), 70, 71);
        t.setFurther({TestSupport::cap85InTray2(), tes12});
        t.setAverage(true);
        // (4 + 207 + 12) / 3 = 74.33, truncated.
        QCOMPARE(t.analysisText(),
                 str("Subject: Averaged Results\nTotal Error Score (totalScores): 74\nSqrt Total "
                     "Error Score (TES): 8.60233\nClassification: Average Discrimination\n"
                     "\nPercentile\nUnselected 30%\nIn Plant: 0%\nExperienced: 0%\n"));
        t.setSwitches(only(S::ClassGui));
        QCOMPARE(t.analysisText(),
                 str("Subject: Averaged Results\nClassification: Average Discrimination\n"));
        // The report and the clipboard always describe the current test alone.
        t.setSwitches(all(true));
        QVERIFY(t.reportTextPart1().startsWith(str("Total Error Score (TES): 4\n")));
        QVERIFY(t.nameAndAnalysisText().contains(str("\nTotal Error Score (TES): 4\n")));
        // A new current test starts a selection of its own.
        t.setEntry(t.entry());
        QCOMPARE(t.figures().averagedTes, std::optional<int>(4));
    }

    // More than 80 values are printed, 13 to a line, never more than 85 or past the end.
    void capList()
    {
        QCOMPARE(AnalysisText::capList(twoSwapped()), capListText);
        QCOMPARE(AnalysisText::capList(twoSwapped() + QVector<int>{7}), capListText);
        QCOMPARE(AnalysisText::capList(twoSwapped().mid(0, 82)),
                 capListText.section(str(", 82"), 0, 0));
        QCOMPARE(AnalysisText::capList(twoSwapped().mid(0, 81)),
                 capListText.section(str(", 81"), 0, 0));
        QCOMPARE(AnalysisText::capList(twoSwapped().mid(0, 80)), QString());
    }

    // Without 85 values the result lines keep their labels and show no figures.
    void shortArrangementKeepsLabelsWithoutFigures()
    {
        QList<bool> switches = only(S::TesReport);
        switches[S::VingrysReport] = true;
        // Written without the closing separator, whose empty piece would be an 81st value.
        const AnalysisText t =
            loaded(switches, CapOrder::write(CapOrder::untouched().mid(0, 80)).chopped(2));
        QCOMPARE(
            t.reportTextPart1(),
            str("Total Error Score (TES): \n") + part1Base +
                str("\nVingrys Analysis\nAngle: \nC-Index: \nS-Index: \nSuggested Diagnosis: \n"));
        QCOMPARE(
            t.reportTextPart2(registerOf1234),
            str("Test Serial Number: 1234\n\nCap Order: \n\nCertified.\n\nComments: no remarks\n"));
    }

    // Serial, the register as serial=date pairs, today and the verdict.
    void certification_data()
    {
        QTest::addColumn<QStringList>("r");
        QTest::addColumn<QDate>("today");
        QTest::addColumn<QString>("expected");
        const QString ok = str("Certified.\n\n");
        const auto row = [](const char *tag, std::initializer_list<const char *> r,
                            const QString &verdict, const QDate &today = QDate(2025, 6, 15)) {
            QTest::newRow(tag) << TestSupport::texts(r) << today << verdict;
        };
        row("empty serial", {"", "A-7=06/15/2025"},
            str("Veskora results not certified (No Serial Number)\n\n"));
        row("serial must match exactly", {"A-", "A-7=01/01/2000"}, ok);
        row("first entry wins", {"A-7", "A-7=01/01/2010", "A-7=01/01/2025"}, old);
        row("later match after other serials", {"A-7", "Z=01/01/2010", "A-7=01/01/2025"}, ok);
        row("two pieces", {"A-7", "A-7=06/2019"}, ok);
        row("month 13 day 45", {"A-7", "A-7=13/45/2024"}, old);
        row("exactly two years", {"A-7", "A-7=06/15/2023"}, ok);
        row("one day more", {"A-7", "A-7=06/14/2023"}, old);
        // Two years before 29 February is 28 February.
        row("leap day, limit", {"A-7", "A-7=2/28/2022"}, ok, QDate(2024, 2, 29));
        row("leap day, before", {"A-7", "A-7=2/27/2022"}, old, QDate(2024, 2, 29));
        // Mended fault: cap sets imported from VKT files carry property-list dates, which
        // were certified however old; they are judged by their date.
        row("property-list date, years old", {"A-7", "A-7=2010-03-04T00:00:00Z"}, old);
        row("property-list date, exactly two years", {"A-7", "A-7=2023-06-15T00:00:00Z"}, ok);
        row("property-list date, one day more", {"A-7", "A-7=2023-06-14T23:59:59Z"}, old);
        row("property-list date without time", {"A-7", "A-7=2010-03-04"}, old);
        row("property-list date that does not exist", {"A-7", "A-7=2024-02-30T00:00:00Z"}, old);
        row("dashes of another form", {"A-7", "A-7=2010-3-4"}, ok);
    }
    void certification()
    {
        QFETCH(QStringList, r);
        QFETCH(QDate, today);
        QFETCH(QString, expected);
        QList<CapSet> capSets;
        for (const QString &set : r.mid(1))
            capSets.append({set.section(QLatin1Char('='), 0, 0), set.section(QLatin1Char('='), 1)});
        QCOMPARE(AnalysisText::certification(r.at(0), capSets, today), expected);
    }

    void certificationReadsTheStoresRegister()
    {
        TestSupport::useFreshDatabase();
        QVERIFY(database::instance()->insertSerialNum(str("1234"), str("06/15/2023")));
        const AnalysisText t = loaded(all(false));
        QCOMPARE(t.reportTextPart2(), part2Base);
        Clock::setToday(QDate(2025, 6, 16));
        QVERIFY(t.reportTextPart2().contains(old));
        Clock::setToday(QDate(2025, 6, 15));
    }
};

QTEST_GUILESS_MAIN(tst_AnalysisText)
#include "tst_analysistext.moc"
