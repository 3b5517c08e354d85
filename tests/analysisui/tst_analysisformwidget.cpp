#include "analysisdisplay.h"
#include "analysisformwidget.h"
#include "caporder.h"
#include "chartgraphicsview.h"
#include "scoring.h"
#include "testsupport.h"

#include <QCheckBox>
#include <QGraphicsItem>
#include <QGraphicsScene>
#include <QGraphicsTextItem>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QStackedWidget>
#include <QValidator>
#include <QtTest>

namespace {

QVector<int> twoSwapped()
{
    return TestSupport::swapped(CapOrder::untouched(), 30, 31);
}

databaseEntry entry(const QString &first, const QVector<int> &caps)
{
    return TestSupport::sampleEntry(first, QStringLiteral("Lee"), caps);
}

QList<bool> all(bool on)
{
    QList<bool> switches;
    for (int i = 0; i < AnalysisText::SwitchCount; ++i)
        switches << on;
    return switches;
}

// 2 everywhere but at the given indexes, which hold 3.
QVector<double> twosWithThreesAt(std::initializer_list<int> indexes)
{
    QVector<double> v(85, 2.0);
    for (int i : indexes)
        v[i] = 3.0;
    return v;
}

QVector<double> toDoubles(const QVector<int> &v)
{
    QVector<double> d;
    for (int x : v)
        d << x;
    return d;
}

int countKind(QGraphicsScene *scene, chartGraphicsView::ItemKind kind)
{
    int n = 0;
    const QList<QGraphicsItem *> items = scene->items();
    for (const QGraphicsItem *item : items)
        n += item->data(chartGraphicsView::ItemKindKey).toInt() == kind;
    return n;
}

using TestSupport::child;

} // namespace

class tst_AnalysisFormWidget : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TestSupport::useFreshDatabase(); }

    void widgetsAndInitialState();
    void scaleValueValidator_data();
    void scaleValueValidator();
    void beforeTheFirstTest();
    void currentTestFillsTextLabelsBadgeAndCharts();
    void kinnearPlotsPositionScores();
    void unscorableTestShowsNoOtherTestsFigures();
    void selectionOfThreeShowsThreeCurves();
    void averageAndFilterAverageTheChosenSequences();
    void averageLabelsShowTheAveragedTes();
    void numberOfSteps();
    void graphStyle();
    void sizingRule();
    void filterDoesNotRebuildTheTextButAverageDoes();
    void switchesRebuildTheTextOnceLoaded();
    void confusionAxesAreDrawnOnce();
    void retranslateResetsBadgeAndClass();
};

void tst_AnalysisFormWidget::widgetsAndInitialState()
{
    AnalysisFormWidget page;
    QVERIFY(child<QRadioButton>(page, "autoCheckbox")->isChecked());
    QVERIFY(page.isPolarSelected());
    QVERIFY(child<QPlainTextEdit>(page, "analysisInfoBox")->isReadOnly());
    auto *stack = child<QStackedWidget>(page, "graphStack");
    QCOMPARE(stack->currentWidget(), page.polarView());
    QVERIFY(page.polarView()->isPolar());
    QVERIFY(!page.linearView()->isPolar());
    QCOMPARE(page.polarScene(), page.polarView()->scene());
    QCOMPARE(page.linearScene(), page.linearView()->scene());
    // Prepared at the views' initial size.
    QCOMPARE(page.polarScene()->sceneRect(), QRectF(0, 0, 600, 600));
}

void tst_AnalysisFormWidget::scaleValueValidator_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("digits") << QStringLiteral("12") << true;
    QTest::newRow("three") << QStringLiteral("999") << true;
    QTest::newRow("underscore") << QStringLiteral("_") << true;
    QTest::newRow("mixed") << QStringLiteral("1_2") << true;
    QTest::newRow("four") << QStringLiteral("1234") << false;
    QTest::newRow("letter") << QStringLiteral("a") << false;
    QTest::newRow("minus") << QStringLiteral("-1") << false;
}

void tst_AnalysisFormWidget::scaleValueValidator()
{
    QFETCH(QString, text);
    QFETCH(bool, accepted);
    AnalysisFormWidget page;
    auto *edit = child<QLineEdit>(page, "scaleValue");
    QVERIFY(edit->validator());
    int pos = 0;
    QCOMPARE(edit->validator()->validate(text, pos) == QValidator::Acceptable, accepted);
}

void tst_AnalysisFormWidget::beforeTheFirstTest()
{
    AnalysisFormWidget page;
    page.setAnalysisSwitches(all(true));
    page.setScoreMode(true);
    child<QCheckBox>(page, "averageCheckbox")->setChecked(true);
    child<QCheckBox>(page, "filterCheckbox")->setChecked(true);
    page.setOtherTests({entry(QStringLiteral("B"), twoSwapped())});
    page.retranslate();

    QVERIFY(!page.isLoaded());
    QCOMPARE(child<QPlainTextEdit>(page, "analysisInfoBox")->toPlainText(), QString());
    QCOMPARE(page.analysisText(), QString());
    QCOMPARE(page.reportTextPart1(), QString());
    QCOMPARE(page.reportTextPart2(), QString());
    QCOMPARE(page.nameAndAnalysisText(), QString());
    QCOMPARE(child<QLabel>(page, "TESDisplay")->text(),
             QStringLiteral("Total Error Score (TES): "));
    QVERIFY(page.polarView()->curves().isEmpty());
    QVERIFY(page.linearView()->curves().isEmpty());
}

void tst_AnalysisFormWidget::currentTestFillsTextLabelsBadgeAndCharts()
{
    AnalysisFormWidget page;
    page.setAnalysisSwitches(all(false));
    page.setCurrentTest(entry(QStringLiteral("Ann"), twoSwapped()));

    QVERIFY(page.isLoaded());
    QCOMPARE(child<QPlainTextEdit>(page, "analysisInfoBox")->toPlainText(),
             QStringLiteral("Subject: Ann M Lee\nReference: R-Ann\nDate of Birth: 01/02/1980\n"
                            "Date of Test: 03/04/2025\nComments: no remarks\n"));
    QCOMPARE(child<QLabel>(page, "TESDisplay")->text(),
             QStringLiteral("Total Error Score (TES): 4"));
    QCOMPARE(child<QLabel>(page, "classificationDisplay")->text(),
             QStringLiteral("Classification: Superior Discrimination"));
    QCOMPARE(page.discriminationDisplay()->word(), QStringLiteral("Superior"));
    QCOMPARE(page.discriminationDisplay()->scoreItem()->toPlainText(), QStringLiteral("4"));

    // Standard: cap scores, caps 29 to 32 (indexes 28 to 31) score 3.
    const QVector<double> expected = twosWithThreesAt({28, 29, 30, 31});
    QCOMPARE(page.polarView()->curves(), QVector<QVector<double>>{expected});
    QCOMPARE(page.linearView()->curves(), QVector<QVector<double>>{expected});
    QVERIFY(page.reportTextPart1().contains(QStringLiteral("Subject: Ann M Lee\n")));
}

void tst_AnalysisFormWidget::kinnearPlotsPositionScores()
{
    AnalysisFormWidget page;
    page.setCurrentTest(entry(QStringLiteral("Ann"), twoSwapped()));
    page.setScoreMode(true);
    QVERIFY(page.isKinnear());
    // Positions 29 to 32 score 3.
    QCOMPARE(page.polarView()->curves(),
             QVector<QVector<double>>{twosWithThreesAt({29, 30, 31, 32})});
    page.setScoreMode(false);
    QCOMPARE(page.polarView()->curves(),
             QVector<QVector<double>>{twosWithThreesAt({28, 29, 30, 31})});
}

void tst_AnalysisFormWidget::unscorableTestShowsNoOtherTestsFigures()
{
    AnalysisFormWidget page;
    page.setAnalysisSwitches(all(true));
    page.setCurrentTest(entry(QStringLiteral("Ann"), TestSupport::cap85InTray2()));
    const QString text = child<QPlainTextEdit>(page, "analysisInfoBox")->toPlainText();
    QCOMPARE(child<QLabel>(page, "TESDisplay")->text(),
             QStringLiteral("Total Error Score (TES): 207"));
    QCOMPARE(page.polarView()->curves().size(), 1);

    databaseEntry shortEntry = entry(QStringLiteral("Bob"), CapOrder::untouched());
    // 84 values: without the closing separator there is no empty 85th piece.
    shortEntry.scores = CapOrder::write(CapOrder::untouched().mid(0, 84)).chopped(2);
    page.setCurrentTest(shortEntry);
    // Everything on the page is Bob's: his particulars, and no figures or curves of Ann's.
    const QString shown = child<QPlainTextEdit>(page, "analysisInfoBox")->toPlainText();
    QVERIFY(shown != text);
    QVERIFY(shown.contains(QStringLiteral("Subject: Bob M Lee\n")));
    QCOMPARE(child<QLabel>(page, "TESDisplay")->text(),
             QStringLiteral("Total Error Score (TES): "));
    QCOMPARE(child<QLabel>(page, "classificationDisplay")->text(),
             QStringLiteral("Classification: "));
    QCOMPARE(page.discriminationDisplay()->word(), QString());
    QVERIFY(page.polarView()->curves().isEmpty());
    QVERIFY(page.linearView()->curves().isEmpty());
    // Chart options find nothing to draw either.
    child<QCheckBox>(page, "filterCheckbox")->setChecked(true);
    child<QCheckBox>(page, "averageCheckbox")->setChecked(true);
    child<QRadioButton>(page, "linearCheckbox")->setChecked(true);
    QVERIFY(page.polarView()->curves().isEmpty());
    QVERIFY(page.linearView()->curves().isEmpty());
    QCOMPARE(child<QLabel>(page, "TESDisplay")->text(),
             QStringLiteral("Total Error Score (TES): "));

    // The report describes the record it was given, never the previous test's figures.
    QVERIFY(page.reportTextPart1().startsWith(QStringLiteral("Total Error Score (TES): \n")));
    QVERIFY(page.reportTextPart1().contains(QStringLiteral("Subject: Bob M Lee\n")));
}

void tst_AnalysisFormWidget::selectionOfThreeShowsThreeCurves()
{
    AnalysisFormWidget page;
    page.setCurrentTest(entry(QStringLiteral("A"), twoSwapped()));
    QCOMPARE(page.polarView()->curves().size(), 1);
    page.setOtherTests({entry(QStringLiteral("B"), CapOrder::untouched()),
                        entry(QStringLiteral("C"), TestSupport::cap85InTray2())});
    const auto curves = page.polarView()->curves();
    QCOMPARE(curves.size(), 3);
    QCOMPARE(page.linearView()->curves().size(), 3);
    // The current test first, in the first colour.
    QCOMPARE(curves.at(0), twosWithThreesAt({28, 29, 30, 31}));
    QCOMPARE(curves.at(1), QVector<double>(85, 2.0));
    QCOMPARE(curves.at(2), toDoubles(Scoring::capScores(TestSupport::cap85InTray2())));

    // An empty further list keeps them.
    page.setOtherTests({});
    QCOMPARE(page.polarView()->curves().size(), 3);

    // A new current test starts a new selection.
    page.setCurrentTest(entry(QStringLiteral("D"), CapOrder::untouched()));
    QCOMPARE(page.polarView()->curves().size(), 1);
}

void tst_AnalysisFormWidget::averageAndFilterAverageTheChosenSequences()
{
    AnalysisFormWidget page;
    const QVector<QVector<int>> arrangements = {twoSwapped(), CapOrder::untouched(),
                                                TestSupport::cap85InTray2()};
    page.setCurrentTest(entry(QStringLiteral("A"), arrangements[0]));
    page.setOtherTests(
        {entry(QStringLiteral("B"), arrangements[1]), entry(QStringLiteral("C"), arrangements[2])});

    auto mean = [&](bool filter) {
        QVector<double> m(85, 0.0);
        for (const QVector<int> &a : arrangements) {
            const QVector<int> caps = Scoring::capScores(a);
            const QVector<double> seq = filter ? Scoring::filtered(caps) : toDoubles(caps);
            for (int k = 0; k < 85; ++k)
                m[k] += seq[k];
        }
        for (double &x : m)
            x /= 3.0;
        return m;
    };

    child<QCheckBox>(page, "averageCheckbox")->setChecked(true);
    QCOMPARE(page.polarView()->curves().size(), 1);
    QCOMPARE(page.polarView()->curves().at(0), mean(false));

    child<QCheckBox>(page, "filterCheckbox")->setChecked(true);
    QCOMPARE(page.polarView()->curves().size(), 1);
    QCOMPARE(page.polarView()->curves().at(0), mean(true));
    QCOMPARE(page.linearView()->curves().at(0), mean(true));

    // Filter alone: every test's filtered sequence.
    child<QCheckBox>(page, "averageCheckbox")->setChecked(false);
    const auto curves = page.polarView()->curves();
    QCOMPARE(curves.size(), 3);
    QCOMPARE(curves.at(2), Scoring::filtered(Scoring::capScores(arrangements[2])));
}

void tst_AnalysisFormWidget::averageLabelsShowTheAveragedTes()
{
    AnalysisFormWidget page;
    page.setCurrentTest(entry(QStringLiteral("A"), twoSwapped()));
    page.setOtherTests({entry(QStringLiteral("B"), TestSupport::cap85InTray2())});
    child<QCheckBox>(page, "averageCheckbox")->setChecked(true);
    // (4 + 207) / 2 = 105
    QCOMPARE(child<QLabel>(page, "TESDisplay")->text(),
             QStringLiteral("Total Error Score (TES): 105"));
    QCOMPARE(child<QLabel>(page, "classificationDisplay")->text(),
             QStringLiteral("Classification: Low Discrimination"));
    QCOMPARE(page.discriminationDisplay()->word(), QStringLiteral("Low"));
    QCOMPARE(child<QPlainTextEdit>(page, "analysisInfoBox")->toPlainText(),
             QStringLiteral("Subject: Averaged Results\n"));

    child<QCheckBox>(page, "averageCheckbox")->setChecked(false);
    QCOMPARE(child<QLabel>(page, "TESDisplay")->text(),
             QStringLiteral("Total Error Score (TES): 4"));
    QCOMPARE(page.discriminationDisplay()->word(), QStringLiteral("Superior"));
}

void tst_AnalysisFormWidget::numberOfSteps()
{
    AnalysisFormWidget page;
    page.setCurrentTest(entry(QStringLiteral("A"), TestSupport::cap85InTray2()));
    auto *manual = child<QRadioButton>(page, "manualCheckbox");
    auto *automatic = child<QRadioButton>(page, "autoCheckbox");
    auto *value = child<QLineEdit>(page, "scaleValue");

    QCOMPARE(page.numberOfSteps(), -1);
    QCOMPARE(page.polarView()->scaleMax(), 125);
    manual->setChecked(true);
    QCOMPARE(page.numberOfSteps(), -1); // manual with no value scales automatically
    QCOMPARE(page.polarView()->scaleMax(), 125);
    value->setText(QStringLiteral("7"));
    QCOMPARE(page.numberOfSteps(), 7);
    QCOMPARE(page.polarView()->scaleMax(), 7);
    QCOMPARE(page.linearView()->scaleMax(), 7);
    value->setText(QStringLiteral("_"));
    QCOMPARE(page.numberOfSteps(), 0);
    automatic->setChecked(true);
    QCOMPARE(page.numberOfSteps(), -1);
    QCOMPARE(page.polarView()->scaleMax(), 125);
    // With Filter ticked the steps still apply.
    child<QCheckBox>(page, "filterCheckbox")->setChecked(true);
    manual->setChecked(true);
    value->setText(QStringLiteral("12"));
    QCOMPARE(page.polarView()->scaleMax(), 12);
}

void tst_AnalysisFormWidget::graphStyle()
{
    AnalysisFormWidget page;
    auto *stack = child<QStackedWidget>(page, "graphStack");
    page.setCurrentTest(entry(QStringLiteral("A"), twoSwapped()));

    page.setGraphStyle(QStringLiteral("Polar"));
    QVERIFY(child<QRadioButton>(page, "linearCheckbox")->isChecked());
    QVERIFY(!page.isPolarSelected());
    QCOMPARE(stack->currentWidget(), page.linearView());

    page.setGraphStyle(QStringLiteral("polar"));
    QVERIFY(page.isPolarSelected());
    QCOMPARE(stack->currentWidget(), page.polarView());

    page.setGraphStyle(QStringLiteral("linear"));
    QVERIFY(!page.isPolarSelected());
    // Choosing a view applies the sizing rule with the page's own size (1000 x 600).
    QCOMPARE(stack->size(), QSize(450, 450));
}

void tst_AnalysisFormWidget::sizingRule()
{
    AnalysisFormWidget page;
    page.resizeCharts(1200, 500);
    QCOMPARE(child<QStackedWidget>(page, "graphStack")->size(), QSize(450, 450));
    QCOMPARE(page.polarView()->size(), QSize(425, 425));
    QCOMPARE(page.linearView()->size(), QSize(425, 425));
    QCOMPARE(page.discriminationDisplay()->width(), 240);

    // Wide window: the height decides.
    page.resizeCharts(2000, 300);
    QCOMPARE(child<QStackedWidget>(page, "graphStack")->size(), QSize(270, 270));
    QCOMPARE(page.polarView()->size(), QSize(255, 255));
    QCOMPARE(page.discriminationDisplay()->width(), 400);

    // Degenerate sizes do not produce negative widgets.
    page.resizeCharts(-10, -10);
    QCOMPARE(child<QStackedWidget>(page, "graphStack")->size(), QSize(0, 0));
}

void tst_AnalysisFormWidget::filterDoesNotRebuildTheTextButAverageDoes()
{
    AnalysisFormWidget page;
    page.setAnalysisSwitches(all(false));
    page.setCurrentTest(entry(QStringLiteral("A"), twoSwapped()));
    auto *box = child<QPlainTextEdit>(page, "analysisInfoBox");
    box->setPlainText(QStringLiteral("marker"));

    child<QCheckBox>(page, "filterCheckbox")->setChecked(true);
    QCOMPARE(box->toPlainText(), QStringLiteral("marker"));
    child<QCheckBox>(page, "filterCheckbox")->setChecked(false);
    QCOMPARE(box->toPlainText(), QStringLiteral("marker"));

    child<QCheckBox>(page, "averageCheckbox")->setChecked(true);
    QCOMPARE(box->toPlainText(), QStringLiteral("Subject: Averaged Results\n"));
    child<QCheckBox>(page, "averageCheckbox")->setChecked(false);
    QVERIFY(box->toPlainText().startsWith(QStringLiteral("Subject: A M Lee\n")));
}

void tst_AnalysisFormWidget::switchesRebuildTheTextOnceLoaded()
{
    AnalysisFormWidget page;
    page.setAnalysisSwitches(all(false));
    page.setCurrentTest(entry(QStringLiteral("A"), twoSwapped()));
    auto *box = child<QPlainTextEdit>(page, "analysisInfoBox");
    const QString plain = box->toPlainText();

    QList<bool> tesOnScreen = all(false);
    tesOnScreen[AnalysisText::TesGui] = true;
    page.setAnalysisSwitches(tesOnScreen);
    QCOMPARE(box->toPlainText(), plain + QStringLiteral("Total Error Score (TES): 4\n"));
    QCOMPARE(page.analysisText(), box->toPlainText());
}

void tst_AnalysisFormWidget::confusionAxesAreDrawnOnce()
{
    AnalysisFormWidget page;
    page.setCurrentTest(entry(QStringLiteral("A"), twoSwapped()));
    auto *axis = child<QCheckBox>(page, "confusionAxisCheckbox");
    axis->setChecked(true);
    QCOMPARE(countKind(page.polarScene(), chartGraphicsView::ConfusionAxis), 6);
    // A chart refresh and a view change keep exactly one set.
    child<QCheckBox>(page, "filterCheckbox")->setChecked(true);
    QCOMPARE(countKind(page.polarScene(), chartGraphicsView::ConfusionAxis), 6);
    page.setGraphStyle(QStringLiteral("linear"));
    page.setGraphStyle(QStringLiteral("polar"));
    QCOMPARE(countKind(page.polarScene(), chartGraphicsView::ConfusionAxis), 6);
    QCOMPARE(countKind(page.linearScene(), chartGraphicsView::ConfusionAxis), 0);

    axis->setChecked(false);
    QCOMPARE(countKind(page.polarScene(), chartGraphicsView::ConfusionAxis), 0);
    // The curve survives the removal of the axes.
    QVERIFY(countKind(page.polarScene(), chartGraphicsView::Curve) > 0);
}

void tst_AnalysisFormWidget::retranslateResetsBadgeAndClass()
{
    AnalysisFormWidget page;
    page.retranslate();
    QCOMPARE(page.discriminationDisplay()->word(), QString());
    QCOMPARE(page.discriminationDisplay()->scoreItem()->toPlainText(), QStringLiteral("0"));
    QCOMPARE(child<QLabel>(page, "classificationDisplay")->text(),
             QStringLiteral("Classification: "));
    QCOMPARE(child<QLabel>(page, "analysisLabel")->text(), QStringLiteral("User Analysis Info"));

    // With a test loaded the recompute fills the labels again.
    page.setCurrentTest(entry(QStringLiteral("A"), TestSupport::cap85InTray2()));
    page.retranslate();
    QCOMPARE(page.discriminationDisplay()->word(), QStringLiteral("Low"));
    QCOMPARE(child<QLabel>(page, "TESDisplay")->text(),
             QStringLiteral("Total Error Score (TES): 207"));
}

QTEST_MAIN(tst_AnalysisFormWidget)
#include "tst_analysisformwidget.moc"
