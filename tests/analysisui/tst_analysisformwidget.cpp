#include "analysisdisplay.h"
#include "analysisformwidget.h"
#include "caporder.h"
#include "chartgraphicsview.h"
#include "testsupport.h"

#include <QtTest>
#include <QtWidgets>

using Curves = QVector<QVector<double>>;
using TestSupport::child;

class tst_AnalysisFormWidget : public QObject
{
    Q_OBJECT

    AnalysisFormWidget *page = nullptr;

    static databaseEntry entry(const char *first, const QVector<int> &caps)
    {
        return TestSupport::sampleEntry(QString::fromLatin1(first), QStringLiteral("Lee"), caps);
    }
    // Both charts' curves; the plotted sequences themselves are pinned in tst_scoring.
    static Curves plotted(const QVector<QVector<int>> &tests, bool filter = false,
                          bool kinnear = false)
    {
        Curves curves;
        for (const QVector<int> &caps : tests)
            curves << Scoring::score(caps)->plotted(kinnear, filter);
        return curves + curves;
    }
    Curves shown() const { return page->polarView()->curves() + page->linearView()->curves(); }
    // The information text's first line, the TES and class labels, the badge's word and number.
    QString figures() const
    {
        const QString info = child<QPlainTextEdit>(*page, "analysisInfoBox")->toPlainText();
        return QStringList({info.section(QLatin1Char('\n'), 0, 0), label("TESDisplay"),
                            label("classificationDisplay"), page->discriminationDisplay()->word(),
                            page->discriminationDisplay()->scoreItem()->toPlainText()})
            .join(QLatin1Char('|'));
    }
    QString label(const char *name) const { return child<QLabel>(*page, name)->text(); }
    void tick(const char *box, bool on) { child<QCheckBox>(*page, box)->setChecked(on); }

private slots:
    void initTestCase() { TestSupport::useFreshDatabase(); }
    void init() { page = new AnalysisFormWidget; }
    void cleanup() { delete page; }

    void figuresOfTheSelectedTests()
    {
        const QVector<int> ann = TestSupport::swapped(CapOrder::untouched(), 30, 31); // TES 4
        const QVector<int> bob = CapOrder::untouched();                               // TES 0
        const QVector<int> cy = TestSupport::cap85InTray2();                          // TES 207
        const QString annFigures =
            QStringLiteral("Subject: Ann M Lee|Total Error Score (TES): 4|"
                           "Classification: Superior Discrimination|Superior|4");
        page->setCurrentTest(entry("Ann", ann));
        QCOMPARE(figures(), annFigures);
        QCOMPARE(shown(), plotted({ann}));
        page->setScoreMode(true); // Kinnear plots by position, Standard by cap
        QCOMPARE(shown(), plotted({ann}, false, true));
        page->setScoreMode(false);
        // The current test first, so that it keeps the first colour.
        page->setOtherTests({entry("Bob", bob), entry("Cy", cy)});
        QCOMPARE(shown(), plotted({ann, bob, cy}));
        // Average: one mean curve, the averaged TES (4 + 0 + 207) / 3 = 70 and its class.
        tick("averageCheckbox", true);
        QCOMPARE(shown(), Curves(2, Scoring::averagedCurve(plotted({ann, bob, cy}).mid(0, 3))));
        QCOMPARE(figures(), QStringLiteral("Subject: Averaged Results|Total Error Score (TES): 70|"
                                           "Classification: Average Discrimination|Average|70"));
        tick("filterCheckbox", true);
        QCOMPARE(shown(),
                 Curves(2, Scoring::averagedCurve(plotted({ann, bob, cy}, true).mid(0, 3))));
        // Filter alone: every test's filtered sequence, and the current test's figures again.
        tick("averageCheckbox", false);
        QCOMPARE(shown(), plotted({ann, bob, cy}, true));
        QCOMPARE(figures(), annFigures);
        // An empty further list keeps the selection; a new current test starts a new one.
        page->setOtherTests({});
        QCOMPARE(shown(), plotted({ann, bob, cy}, true));
        page->setCurrentTest(entry("Dee", bob));
        QCOMPARE(shown(), plotted({bob}, true));
    }

    // Mended fault: a record that cannot be scored showed the previous test's figures
    // and curves beside its own particulars.
    void unscorableTestShowsNoOtherTestsFigures()
    {
        page->setCurrentTest(entry("Ann", TestSupport::cap85InTray2()));
        QCOMPARE(figures(), QStringLiteral("Subject: Ann M Lee|Total Error Score (TES): 207|"
                                           "Classification: Low Discrimination|Low|207"));
        databaseEntry bob = entry("Bob", {});
        // 84 values: without the closing separator there is no empty 85th piece.
        bob.scores = CapOrder::write(CapOrder::untouched().mid(0, 84)).chopped(2);
        page->setCurrentTest(bob);
        const QString blank =
            QStringLiteral("Subject: Bob M Lee|Total Error Score (TES): |Classification: ||");
        QCOMPARE(figures(), blank);
        QCOMPARE(shown(), Curves());
        // Chart options find nothing to draw either, and the report shows Bob alone.
        tick("filterCheckbox", true);
        tick("averageCheckbox", true);
        page->setGraphStyle(QStringLiteral("linear"));
        QCOMPARE(shown(), Curves());
        QCOMPARE(figures(), blank.mid(18).prepend(QStringLiteral("Subject: Averaged Results")));
        QVERIFY(page->reportTextPart1().startsWith(QStringLiteral("Subject: Bob M Lee\n")));
    }
};

QTEST_MAIN(tst_AnalysisFormWidget)
#include "tst_analysisformwidget.moc"
