#include "caporder.h"
#include "csvformat.h"
#include "database.h"
#include "databaseformwidget.h"
#include "pageprobe.h"
#include "testsupport.h"
#include "testtablemodel.h"

#include <QSqlQuery>
#include <QtTest>
#include <QtWidgets>

using Probe = DatabaseFormWidgetProbe;
using TestSupport::texts;

// The page with its boxes answered (every question with `yes`) and what it said and sent kept.
struct Page : DatabaseFormWidget
{
    bool yes = true;
    QStringList asked, warned, status;
    QList<QList<databaseEntry>> selected, updated;
    Page()
    {
        setBoxes([this](const QString &, const QString &text) { return asked.append(text), yes; },
                 [this](const QString &, const QString &text) { warned.append(text); });
        connect(this, &DatabaseFormWidget::statusMessage,
                [this](const QString &t) { status.append(t); });
        connect(this, &DatabaseFormWidget::testSelected,
                [this](const QList<databaseEntry> &l) { selected.append(l); });
        connect(this, &DatabaseFormWidget::updateAnalysis,
                [this](const QList<databaseEntry> &l) { updated.append(l); });
    }
    TestTableModel *model() const { return Probe::model(*this); }
    QTableView *table() const { return findChild<QTableView *>(); }
    void search(const char *criterion, const char *method, const QString &text)
    {
        auto *c = findChild<QComboBox *>(QStringLiteral("searchCriteria"));
        auto *m = findChild<QComboBox *>(QStringLiteral("searchMethod"));
        QVERIFY(c->findText(QLatin1String(criterion)) >= 0 &&
                m->findText(QLatin1String(method)) >= 0);
        c->setCurrentIndex(c->findText(QLatin1String(criterion)));
        m->setCurrentIndex(m->findText(QLatin1String(method)));
        findChild<QLineEdit *>(QStringLiteral("dbSearch"))->setText(text);
    }
    // The cells of one column, in row order.
    QString shown(int column, bool sorted = false) const
    {
        QStringList cells;
        for (int r = 0; r < model()->rowCount(); ++r)
            cells.append(model()->text(r, column));
        if (sorted)
            cells.sort();
        return cells.join(QLatin1Char(' '));
    }
    void click(int row, Qt::KeyboardModifiers mods = Qt::NoModifier, int column = 1,
               bool twice = false)
    {
        const QPoint at = table()->visualRect(model()->index(row, column)).center();
        twice ? QTest::mouseDClick(table()->viewport(), Qt::LeftButton, mods, at)
              : QTest::mouseClick(table()->viewport(), Qt::LeftButton, mods, at);
    }
    void clickHeader(int c)
    {
        QHeaderView *h = table()->horizontalHeader();
        const QPoint at(h->sectionViewportPosition(c) + h->sectionSize(c) / 2, h->height() / 2);
        QTest::mouseClick(h->viewport(), Qt::LeftButton, {}, at);
    }
    // The first names of the selected rows, in selection order.
    QString chosen() const
    {
        QStringList names;
        for (int r : Probe::selectedRows(*this))
            names.append(model()->text(r, 1));
        return names.join(QLatin1Char(' '));
    }
    void showAndWait()
    {
        show();
        QVERIFY(QTest::qWaitForWindowExposed(this));
    }
};

class TestDatabaseFormWidget : public QObject
{
    Q_OBJECT

    static int store(const QString &first, const QString &last, const QString &comments = QString(),
                     const QVector<int> &caps = {}, const char *time = "12")
    {
        databaseEntry e = TestSupport::sampleEntry(first, last, caps);
        e.comments = comments.isEmpty() ? e.comments : comments;
        e.time = QLatin1String(time);
        return TestSupport::storeEntry(e);
    }
    static void row(const char *name, const char *criterion, const char *method, const char *text,
                    const char *firsts)
    {
        QTest::newRow(name) << QString::fromUtf8(criterion) << QString::fromUtf8(method)
                            << QString::fromUtf8(text) << QString::fromUtf8(firsts);
    }
    static void queryOnly(bool on)
    {
        QSqlQuery q(database::instance()->currentConnection());
        QVERIFY(q.exec(on ? QStringLiteral("PRAGMA query_only = ON")
                          : QStringLiteral("PRAGMA query_only = OFF")));
    }

private slots:
    void init() { TestSupport::useFreshDatabase(); }

    void search_data()
    {
        QTest::addColumn<QString>("criterion");
        QTest::addColumn<QString>("method");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("firsts");
        row("contains", "First", "Contains", "an", "Daniel Jan Joanna");
        row("exactly is case-sensitive", "First", "Is Exactly", "ann", "");
        row("exactly", "First", "Is Exactly", "Ann", "Ann");
        row("star is a wildcard", "First", "Is Exactly", "J*n", "Jan John");
        row("begins with", "First", "Begins With", "Jo", "Joanna John");
        row("ends with", "First", "Ends With", "NE", "ANNE");
        row("last name", "Last", "Contains", "'B", "John");
        row("quote typed is a value", "Last", "Is Exactly", "x' OR '1'='1", "");
        row("tests side", "Comments", "Contains", "blue", "Daniel");
        row("time", "Time", "Is Exactly", "7", "Jan");
        row("empty shows all", "Time", "Is Exactly", "", "ANNE Ann Daniel Jan Joanna John");
    }
    void search()
    {
        QFETCH(QString, criterion);
        QFETCH(QString, method);
        QFETCH(QString, text);
        QFETCH(QString, firsts);
        store(QStringLiteral("Joanna"), QStringLiteral("Fox"));
        store(QStringLiteral("Daniel"), QStringLiteral("Ray"), QStringLiteral("blue caps"));
        store(QStringLiteral("Ann"), QStringLiteral("Lee"), QString(),
              TestSupport::swapped(CapOrder::untouched(), 3, 9));
        store(QStringLiteral("ANNE"), QStringLiteral("Roe"));
        store(QStringLiteral("John"), QStringLiteral("O'Brien"));
        store(QStringLiteral("Jan"), QStringLiteral("Berg"), QString(), {}, "7");
        Page w;
        // The newest test on top, numbered in fill order, with its own TES; the id column hidden.
        QCOMPARE(w.shown(1), QStringLiteral("Jan John ANNE Ann Daniel Joanna"));
        QCOMPARE(w.shown(0), QStringLiteral("6 5 4 3 2 1"));
        QCOMPARE(w.shown(16), QStringLiteral("0 0 0 %1 0 0")
                                  .arg(database::calcTES(CapOrder::write(
                                      TestSupport::swapped(CapOrder::untouched(), 3, 9)))));
        QVERIFY(w.table()->isColumnHidden(17));
        QCOMPARE(w.model()->headerData(13, Qt::Horizontal).toString(),
                 QStringLiteral("Job Function"));
        w.search(qPrintable(criterion), qPrintable(method), text);
        QCOMPARE(w.shown(1, true), firsts);
    }

    // A header click sorts, each column with its own direction, and never selects.
    void headerClicksOnlySort()
    {
        store(QStringLiteral("A"), QStringLiteral("b"));
        store(QStringLiteral("C"), QStringLiteral("A"));
        store(QStringLiteral("B"), QStringLiteral("B"));
        Page w;
        w.showAndWait();
        QCOMPARE(w.table()->horizontalHeader()->sortIndicatorSection(), 0);
        w.click(1);
        const std::pair<int, const char *> steps[] = {
            {3, "A B b"}, {1, "A B C"}, {3, "b B A"}, {1, "C B A"}, {3, "A B b"}};
        for (const auto &step : steps) {
            w.clickHeader(step.first);
            QVERIFY(w.shown(step.first) == QLatin1String(step.second) &&
                    w.chosen() == QLatin1String("C"));
        }
        QCOMPARE(w.table()->horizontalHeader()->sortIndicatorOrder(), Qt::AscendingOrder);
        w.deleteClick();
        QCOMPARE(database::instance()->getAllTests().size(), 2);
    }

    // Delete asks once, naming how many tests; it removes them all or none.
    void deleteAsksOnceForTheSelectedTests_data()
    {
        QTest::addColumn<bool>("yes");
        QTest::addColumn<bool>("refused");
        QTest::newRow("confirmed") << true << false;
        QTest::newRow("declined") << false << false;
        QTest::newRow("the file refuses") << true << true;
    }
    void deleteAsksOnceForTheSelectedTests()
    {
        QFETCH(bool, yes);
        QFETCH(bool, refused);
        for (int i = 0; i < 6; ++i)
            store(QStringLiteral("R%1").arg(i), QStringLiteral("L"));
        Page w;
        w.yes = yes;
        w.showAndWait();
        w.deleteClick(); // nothing selected: nothing asked, nothing deleted, an empty list sent
        w.selectTestClick();
        QVERIFY(w.asked.isEmpty() && w.selected.size() == 1 && w.selected.first().isEmpty());
        w.click(4);
        w.click(1, Qt::ControlModifier);
        w.click(1, Qt::ControlModifier, 3);
        w.click(1, Qt::ControlModifier, 4); // three cells of one row count once
        QCOMPARE(w.chosen(), QStringLiteral("R1 R4"));
        w.findChild<QPushButton *>(QStringLiteral("selectTest"))->click();
        QCOMPARE(Probe::analysedRows(w), (QList<int>{4, 1}));
        const QList<databaseEntry> list = w.selected.last();
        QVERIFY(list.size() == 2 && list.at(1).testID == w.model()->text(1, 17));
        QVERIFY(list.at(0).first == QLatin1String("R1") && list.at(0).tes.isEmpty());
        QCOMPARE(CapOrder::read(list.at(0).scores), CapOrder::untouched());
        if (refused)
            queryOnly(true);
        w.findChild<QPushButton *>(QStringLiteral("deleteButton"))->click();
        queryOnly(false);
        const bool deleted = yes && !refused;
        QCOMPARE(w.asked, texts({"Delete 2 test(s)? This cannot be undone."}));
        QCOMPARE(w.shown(1), QLatin1String(deleted ? "R5 R3 R2 R0" : "R5 R4 R3 R2 R1 R0"));
        QCOMPARE(database::instance()->getAllTests().size(), deleted ? 4 : 6);
        QCOMPARE(w.warned.size(), refused ? 1 : 0);
        QVERIFY(!refused ||
                w.warned.first().startsWith(QLatin1String("The tests could not be deleted: ")));
        QCOMPARE(w.status, deleted ? texts({"2 test(s) deleted."}) : QStringList());
        // After a deletion nothing is selected: a further click deletes nothing.
        QCOMPARE(w.chosen(), QLatin1String(deleted ? "" : "R1 R4"));
        if (deleted)
            w.deleteClick();
        QCOMPARE(w.asked.size(), 1);
        w.click(2, {}, 2);
        w.click(2, {}, 2, true); // a double click hands over that row
        QCOMPARE(w.selected.last().size(), 1);
        QCOMPARE(w.selected.last().first().testID, w.model()->text(2, 17));
    }

    // After changes made elsewhere the page shows exactly the file's tests and re-sends
    // the tests last handed over, wherever they now sit.
    void outsideChangesShowAndRefresh()
    {
        const int a = store(QStringLiteral("Ann"), QStringLiteral("Lee"));
        const int b = store(QStringLiteral("Bob"), QStringLiteral("Kay"));
        const int c = store(QStringLiteral("Cy"), QStringLiteral("Orr"));
        Page w;
        w.table()->selectRow(1);
        w.table()->selectionModel()->select(w.model()->index(2, 0), QItemSelectionModel::Select);
        w.selectTestClick();
        database *db = database::instance();
        const QString caps = db->getScores(QString::number(b));
        QVERIFY(db->updateTest(b, QStringLiteral("D65"), QStringLiteral("03/04/2025"),
                               QStringLiteral("edited"), caps, QStringLiteral("1234"),
                               QStringLiteral("12"), QStringLiteral("D65"),
                               QStringLiteral("03/04/2025"), caps, QStringLiteral("1234")));
        QVERIFY(db->deleteTest(c));
        const int d = store(QStringLiteral("Dan"), QStringLiteral("Fox"), QString(),
                            TestSupport::swapped(CapOrder::untouched(), 1, 2), "100");
        w.columnClicked(1);
        w.columnClicked(1);
        w.displaySearchResults(); // sorted by first name, descending
        QCOMPARE(w.shown(17), QStringLiteral("%1 %2 %3").arg(d).arg(b).arg(a));
        QCOMPARE(w.shown(8), QStringLiteral("no remarks edited no remarks"));
        QCOMPARE(w.shown(16), db->getAllTests().last().tes + QStringLiteral(" 0 0"));
        QCOMPARE(w.shown(7), QStringLiteral("100 12 12"));
        w.search("First", "Begins With", QStringLiteral("A"));
        w.viewUpdated();
        QCOMPARE(w.updated.size(), 1);
        const QList<databaseEntry> list = w.updated.first();
        QCOMPARE(list.size(), 2);
        QVERIFY(list.at(0).testID == QString::number(b) &&
                list.at(0).comments == QLatin1String("edited") && list.at(0).scores == caps);
        QVERIFY(list.at(1).testID == QString::number(a) &&
                list.at(1).first == QLatin1String("Ann"));
        QCOMPARE(Probe::selectedRows(w), (QList<int>{0})); // only Ann is listed
        // A search the file refuses says so and shows none of an earlier search's rows.
        queryOnly(true);
        w.search("First", "Begins With", QStringLiteral("Dan"));
        QVERIFY(w.model()->rowCount() == 0 && w.status.size() == 1);
        QVERIFY(w.status.first().startsWith(QLatin1String("The search could not be run: ")));
        queryOnly(false);
        w.search("First", "Begins With", QStringLiteral("D"));
        QCOMPARE(w.shown(1), QStringLiteral("Dan"));
    }

    void csvLinesOfTheSelection()
    {
        database *db = database::instance();
        db->currentConnection().transaction();
        for (int i = 0; i < 250; ++i) {
            databaseEntry e =
                TestSupport::sampleEntry(QStringLiteral("N%1").arg(i), QStringLiteral("L"),
                                         TestSupport::swapped(CapOrder::untouched(), i % 84, 84));
            if (i == 9)
                e.scores = QLatin1Char('"') + e.scores + QLatin1Char('"');
            TestSupport::storeEntry(e);
        }
        db->currentConnection().commit();
        Page w;
        QCOMPARE(Probe::csvLines(w), QStringList{CsvFormat::headerLine()});
        // Two rows in selection order; then every row, whose cap orders are read in one pass.
        w.table()->selectRow(5);
        w.table()->selectionModel()->select(w.model()->index(242, 3), QItemSelectionModel::Select);
        for (const QList<int> &rows : {QList<int>{5, 242}, QList<int>()}) {
            const QStringList lines = Probe::csvLines(w);
            QCOMPARE(lines.size(), rows.isEmpty() ? 251 : 3);
            for (int n = 1; n < lines.size(); ++n) {
                databaseEntry e = w.model()->entry(rows.isEmpty() ? n - 1 : rows.at(n - 1));
                e.scores = CapOrder::write(
                    TestSupport::swapped(CapOrder::untouched(), e.first.mid(1).toInt() % 84, 84));
                QCOMPARE(lines.at(n), CsvFormat::recordLine(e, e.tes));
            }
            w.table()->selectAll();
        }
    }

    // A comment of thousands of characters, or of hundreds of lines, leaves the
    // other columns and rows in view.
    void longCommentKeepsTheTableReadable()
    {
        QString lines;
        for (int i = 0; i < 200; ++i)
            lines += QStringLiteral("line %1\n").arg(i);
        store(QStringLiteral("Ann"), QStringLiteral("Lee"), QStringLiteral("tired ").repeated(500));
        store(QStringLiteral("Bob"), QStringLiteral("Kay"), lines);
        Page w;
        w.resize(1280, 800);
        w.showAndWait();
        QTableView *t = w.table();
        QVERIFY(t->columnViewportPosition(9) + t->columnWidth(9) < t->viewport()->width());
        QVERIFY(t->columnWidth(8) <= w.commentsColumnLimit() &&
                w.commentsColumnLimit() < t->viewport()->width() / 3);
        QVERIFY(t->rowHeight(0) < t->viewport()->height() / 3 &&
                t->rowHeight(1) < t->viewport()->height() / 3);
        QCOMPARE(w.model()->index(1, 8).data(Qt::ToolTipRole).toString().size(), 3000);
    }
};

QTEST_MAIN(TestDatabaseFormWidget)
#include "tst_databaseformwidget.moc"
