#include "analysisdisplay.h"
#include "analysisformwidget.h"
#include "caporder.h"
#include "chartgraphicsview.h"
#include "scoring.h"
#include "testsupport.h"

#include <QCheckBox>
#include <QGraphicsTextItem>
#include <QLabel>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QtTest>

namespace {

using Curves = QVector<QVector<double>>;
using TestSupport::child;

databaseEntry entry(const char *first, const QVector<int> &caps)
{
    return TestSupport::sampleEntry(QString::fromLatin1(first), QStringLiteral("Lee"), caps);
}

// What each chart shows for these tests (the plotted sequences are pinned in tst_scoring).
Curves curvesOf(const QVector<QVector<int>> &tests, bool kinnear = false, bool filter = false)
{
    Curves curves;
    for (const QVector<int> &caps : tests)
        curves << Scoring::score(caps)->plotted(kinnear, filter);
    return curves;
}

void checkCurves(const AnalysisFormWidget &page, const Curves &expected)
{
    QCOMPARE(page.polarView()->curves(), expected);
    QCOMPARE(page.linearView()->curves(), expected);
}

// The TES and class labels and the badge's word and number.
QString figures(const AnalysisFormWidget &page)
{
    return QStringList({child<QLabel>(page, "TESDisplay")->text(),
                        child<QLabel>(page, "classificationDisplay")->text(),
                        page.discriminationDisplay()->word(),
                        page.discriminationDisplay()->scoreItem()->toPlainText()})
        .join(QLatin1Char('|'));
}

QString infoText(const AnalysisFormWidget &page)
{
    return child<QPlainTextEdit>(page, "analysisInfoBox")->toPlainText();
}

} // namespace

class tst_AnalysisFormWidget : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TestSupport::useFreshDatabase(); }

    void figuresOfTheSelectedTests()
    {
        const QVector<int> ann = TestSupport::swapped(CapOrder::untouched(), 30, 31); // TES 4
        const QVector<int> bob = CapOrder::untouched();                               // TES 0
        const QVector<int> cy = TestSupport::cap85InTray2();                          // TES 207
        AnalysisFormWidget page;
        page.setAnalysisSwitches(QVector<bool>(AnalysisText::SwitchCount, false).toList());
        page.setCurrentTest(entry("Ann", ann));
        QVERIFY(infoText(page).startsWith(QStringLiteral("Subject: Ann M Lee\n")));
        const QString annFigures = QStringLiteral(
            "Total Error Score (TES): 4|Classification: Superior Discrimination|Superior|4");
        QCOMPARE(figures(page), annFigures);
        checkCurves(page, curvesOf({ann}));
        // Kinnear plots by position, Standard by cap.
        page.setScoreMode(true);
        checkCurves(page, curvesOf({ann}, true));
        page.setScoreMode(false);

        // The current test first, so that it keeps the first colour.
        page.setOtherTests({entry("Bob", bob), entry("Cy", cy)});
        checkCurves(page, curvesOf({ann, bob, cy}));

        // Average: one mean curve, the averaged TES (4 + 0 + 207) / 3 = 70 and its class.
        child<QCheckBox>(page, "averageCheckbox")->setChecked(true);
        checkCurves(page, {Scoring::averagedCurve(curvesOf({ann, bob, cy}))});
        QCOMPARE(figures(page), QStringLiteral("Total Error Score (TES): 70|Classification: "
                                               "Average Discrimination|Average|70"));
        QCOMPARE(infoText(page), QStringLiteral("Subject: Averaged Results\n"));
        child<QCheckBox>(page, "filterCheckbox")->setChecked(true);
        checkCurves(page, {Scoring::averagedCurve(curvesOf({ann, bob, cy}, false, true))});

        // Filter alone: every test's filtered sequence; the current test's figures again.
        child<QCheckBox>(page, "averageCheckbox")->setChecked(false);
        checkCurves(page, curvesOf({ann, bob, cy}, false, true));
        QCOMPARE(figures(page), annFigures);
        QVERIFY(infoText(page).startsWith(QStringLiteral("Subject: Ann M Lee\n")));

        // An empty further list keeps the selection; a new current test starts a new one.
        page.setOtherTests({});
        QCOMPARE(page.polarView()->curves().size(), 3);
        page.setCurrentTest(entry("Dee", bob));
        checkCurves(page, curvesOf({bob}, false, true));
    }

    // Mended fault: a record that cannot be scored showed the previous test's figures
    // and curves beside its own particulars.
    void unscorableTestShowsNoOtherTestsFigures()
    {
        AnalysisFormWidget page;
        page.setAnalysisSwitches(QVector<bool>(AnalysisText::SwitchCount, true).toList());
        page.setCurrentTest(entry("Ann", TestSupport::cap85InTray2()));
        QCOMPARE(figures(page), QStringLiteral("Total Error Score (TES): 207|Classification: Low "
                                               "Discrimination|Low|207"));
        databaseEntry bob = entry("Bob", CapOrder::untouched());
        // 84 values: without the closing separator there is no empty 85th piece.
        bob.scores = CapOrder::write(CapOrder::untouched().mid(0, 84)).chopped(2);
        page.setCurrentTest(bob);
        const QString blank = QStringLiteral("Total Error Score (TES): |Classification: ||");
        QVERIFY(infoText(page).contains(QStringLiteral("Subject: Bob M Lee\n")));
        QCOMPARE(figures(page), blank);
        checkCurves(page, {});
        // Chart options find nothing to draw either.
        child<QCheckBox>(page, "filterCheckbox")->setChecked(true);
        child<QCheckBox>(page, "averageCheckbox")->setChecked(true);
        child<QRadioButton>(page, "linearCheckbox")->setChecked(true);
        checkCurves(page, {});
        QCOMPARE(figures(page), blank);
        // The report describes the record it was given.
        QVERIFY(page.reportTextPart1().startsWith(QStringLiteral("Total Error Score (TES): \n")));
        QVERIFY(page.reportTextPart1().contains(QStringLiteral("Subject: Bob M Lee\n")));
    }
};

QTEST_MAIN(tst_AnalysisFormWidget)
#include "tst_analysisformwidget.moc"
