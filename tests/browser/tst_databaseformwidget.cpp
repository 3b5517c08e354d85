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
using Tests = QList<databaseEntry>;

// The page with its boxes answered (every question with `yes`) and what it said and sent kept.
struct Page : DatabaseFormWidget
{
    bool yes = true;
    QStringList asked, warned, status;
    QList<Tests> selected, updated;
    Page()
    {
        setBoxes([this](const QString &, const QString &text) { return asked.append(text), yes; },
                 [this](const QString &, const QString &text) { warned.append(text); });
        connect(this, &Page::statusMessage, [this](const QString &t) { status.append(t); });
        connect(this, &Page::testSelected, [this](const Tests &l) { selected.append(l); });
        connect(this, &Page::updateAnalysis, [this](const Tests &l) { updated.append(l); });
    }
    TestTableModel *model() const { return Probe::model(*this); }
    QTableView *table() const { return findChild<QTableView *>(); }
    // Criterion, method and typed text.
    void search(const QStringList &how)
    {
        for (const auto &[box, item] :
             {std::pair("searchCriteria", how.at(0)), {"searchMethod", how.at(1)}}) {
            auto *b = TestSupport::child<QComboBox>(*this, box);
            b->setCurrentIndex(b->findText(item));
            QVERIFY(b->currentIndex() >= 0);
        }
        TestSupport::child<QLineEdit>(*this, "dbSearch")->setText(how.at(2));
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
};

class TestDatabaseFormWidget : public QObject
{
    Q_OBJECT

    static int store(const char *first, const char *last, const QString &comments = {},
                     const QVector<int> &caps = {}, const char *time = "12")
    {
        databaseEntry e = TestSupport::sampleEntry(QLatin1String(first), QLatin1String(last), caps);
        e.comments = comments.isEmpty() ? e.comments : comments;
        e.time = QLatin1String(time);
        return TestSupport::storeEntry(e);
    }
    // While on, the file refuses writes, and so the page's searches.
    static void queryOnly(bool on)
    {
        QVERIFY(QSqlQuery(database::instance()->currentConnection())
                    .exec(QStringLiteral("PRAGMA query_only = %1").arg(on)));
    }

private slots:
    void init() { TestSupport::useFreshDatabase(); }

    // Criterion, method, typed text and the first names found, sorted.
    void search_data()
    {
        QTest::addColumn<QStringList>("row");
        QTest::newRow("contains") << texts({"First", "Contains", "an", "Daniel Jan Joanna"});
        QTest::newRow("exactly is case-sensitive") << texts({"First", "Is Exactly", "ann", ""});
        QTest::newRow("exactly") << texts({"First", "Is Exactly", "Ann", "Ann"});
        QTest::newRow("star is a wildcard") << texts({"First", "Is Exactly", "J*n", "Jan John"});
        QTest::newRow("begins with") << texts({"First", "Begins With", "Jo", "Joanna John"});
        QTest::newRow("ends with") << texts({"First", "Ends With", "NE", "ANNE"});
        QTest::newRow("last name") << texts({"Last", "Contains", "'B", "John"});
        QTest::newRow("quote typed is a value")
            << texts({"Last", "Is Exactly", "x' OR '1'='1", ""});
        QTest::newRow("tests side") << texts({"Comments", "Contains", "blue", "Daniel"});
        QTest::newRow("time") << texts({"Time", "Is Exactly", "7", "Jan"});
        QTest::newRow("empty shows all")
            << texts({"Time", "Is Exactly", "", "ANNE Ann Daniel Jan Joanna John"});
    }
    void search()
    {
        QFETCH(QStringList, row);
        store("Joanna", "Fox");
        store("Daniel", "Ray", QStringLiteral("blue caps"));
        store("Ann", "Lee", {}, TestSupport::swapped(CapOrder::untouched(), 3, 9)); // TES 40
        store("ANNE", "Roe");
        store("John", "O'Brien");
        store("Jan", "Berg", {}, {}, "7");
        Page w;
        // The newest test on top, numbered in fill order, with its own TES; the id column hidden.
        QCOMPARE(w.shown(1), QStringLiteral("Jan John ANNE Ann Daniel Joanna"));
        QCOMPARE(w.shown(0), QStringLiteral("6 5 4 3 2 1"));
        QCOMPARE(w.shown(16), QStringLiteral("0 0 0 40 0 0"));
        QVERIFY(w.table()->isColumnHidden(17));
        QCOMPARE(w.model()->headerData(13, Qt::Horizontal).toString(),
                 QLatin1String("Job Function"));
        w.search(row);
        QCOMPARE(w.shown(1, true), row.at(3));
    }

    // A comment of thousands of characters, or of hundreds of lines, leaves the other
    // columns and rows in view. A header click sorts, each column with its own direction,
    // and never selects.
    void longCommentsAndHeaderClicks()
    {
        store("A", "b", QStringLiteral("tired ").repeated(500));
        store("C", "A", QStringLiteral("a line\n").repeated(200));
        store("B", "B");
        Page w;
        w.resize(1280, 800);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QTableView *t = w.table();
        const int width = t->viewport()->width(), height = t->viewport()->height();
        QVERIFY(t->columnViewportPosition(9) + t->columnWidth(9) < width);
        QVERIFY(t->columnWidth(8) <= w.commentsColumnLimit() &&
                w.commentsColumnLimit() < width / 3);
        QVERIFY(t->rowHeight(1) < height / 3 && t->rowHeight(2) < height / 3);
        QCOMPARE(w.model()->index(2, 8).data(Qt::ToolTipRole).toString().size(), 3000);
        QCOMPARE(t->horizontalHeader()->sortIndicatorSection(), 0);
        w.click(1);
        const std::pair<int, const char *> steps[] = {{3, "A B b"}, {1, "A B C"}, {3, "b B A"},
                                                      {1, "C B A"}, {3, "A B b"}, {0, "1 2 3"}};
        for (const auto &step : steps) {
            w.clickHeader(step.first);
            QVERIFY(w.shown(step.first) == QLatin1String(step.second) &&
                    w.chosen() == QLatin1String("C"));
        }
        QCOMPARE(t->horizontalHeader()->sortIndicatorOrder(), Qt::AscendingOrder);
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
            store(qPrintable(QStringLiteral("R%1").arg(i)), "L");
        Page w;
        w.yes = yes;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.deleteClick(); // nothing selected: nothing asked, nothing deleted, an empty list sent
        w.selectTestClick();
        QVERIFY(w.asked.isEmpty() && w.selected.size() == 1 && w.selected.first().isEmpty());
        w.click(4);
        for (int column : {1, 3, 4}) // three cells of one row count once
            w.click(1, Qt::ControlModifier, column);
        QCOMPARE(w.chosen(), QStringLiteral("R1 R4"));
        w.findChild<QPushButton *>(QStringLiteral("selectTest"))->click();
        QCOMPARE(Probe::analysedRows(w), (QList<int>{4, 1}));
        const QList<databaseEntry> l = w.selected.last(); // cap orders read, TES left to the page
        QVERIFY(l.size() == 2 && l[0].first == QLatin1String("R1") && l[0].tes.isEmpty() &&
                l[1].testID == w.model()->text(1, 17));
        QCOMPARE(CapOrder::read(l[0].scores), CapOrder::untouched());
        if (refused)
            queryOnly(true);
        w.findChild<QPushButton *>(QStringLiteral("deleteButton"))->click();
        queryOnly(false);
        const bool deleted = yes && !refused;
        QCOMPARE(w.asked, texts({"Delete 2 test(s)? This cannot be undone."}));
        QCOMPARE(w.shown(1), QLatin1String(deleted ? "R5 R3 R2 R0" : "R5 R4 R3 R2 R1 R0"));
        QCOMPARE(database::instance()->getAllTests().size(), deleted ? 4 : 6);
        QCOMPARE(w.warned.size(), int(refused));
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
        QVERIFY(w.selected.last().size() == 1 &&
                w.selected.last().first().testID == w.model()->text(2, 17));
    }

    // After changes made elsewhere the page shows exactly the file's tests and re-sends
    // the tests last handed over, wherever they now sit.
    void outsideChangesShowAndRefresh()
    {
        const int a = store("Ann", "Lee"), b = store("Bob", "Kay"), c = store("Cy", "Orr");
        Page w;
        w.table()->selectRow(1);
        w.table()->selectionModel()->select(w.model()->index(2, 0), QItemSelectionModel::Select);
        w.selectTestClick();
        database *db = database::instance();
        const QString caps = db->getScores(QString::number(b));
        QVERIFY(
            QSqlQuery(db->currentConnection())
                .exec(QStringLiteral("UPDATE tests SET comments = 'edited' WHERE id = %1").arg(b)));
        QVERIFY(db->deleteTest(c));
        const int d =
            store("Dan", "Fox", {}, TestSupport::swapped(CapOrder::untouched(), 1, 2), "100");
        w.columnClicked(1);
        w.columnClicked(1);
        w.displaySearchResults(); // sorted by first name, descending
        QCOMPARE(w.shown(17), QStringLiteral("%1 %2 %3").arg(d).arg(b).arg(a));
        QCOMPARE(w.shown(8), QStringLiteral("no remarks edited no remarks"));
        QCOMPARE(w.shown(16), QStringLiteral("4 0 0"));
        QCOMPARE(w.shown(7), QStringLiteral("100 12 12"));
        w.search(texts({"First", "Begins With", "A"}));
        w.viewUpdated();
        QCOMPARE(w.updated.size(), 1);
        const QList<databaseEntry> l = w.updated.first();
        QVERIFY(l.size() == 2 && l[0].testID == QString::number(b) &&
                l[1].testID == QString::number(a));
        QVERIFY(l[0].comments == QLatin1String("edited") && l[0].scores == caps &&
                l[1].first == QLatin1String("Ann"));
        QCOMPARE(Probe::selectedRows(w), (QList<int>{0})); // only Ann is listed
        // A search the file refuses says so and shows none of an earlier search's rows.
        queryOnly(true);
        w.search(texts({"First", "Begins With", "Dan"}));
        QVERIFY(w.model()->rowCount() == 0 && w.status.size() == 1);
        QVERIFY(w.status.first().startsWith(QLatin1String("The search could not be run: ")));
        queryOnly(false);
        w.search(texts({"First", "Begins With", "D"}));
        QCOMPARE(w.shown(1), QStringLiteral("Dan"));
    }

    // Two rows in selection order; over 200 rows the cap orders are read in one pass,
    // which takes the quotes off a quoted one (N9's) as well.
    void csvLinesOfTheSelection()
    {
        const auto caps = [](int i) {
            return TestSupport::swapped(CapOrder::untouched(), i % 84, 84);
        };
        database::instance()->currentConnection().transaction();
        for (int i = 0; i < 250; ++i) {
            databaseEntry e = TestSupport::sampleEntry(QStringLiteral("N%1").arg(i), {}, caps(i));
            e.scores = i == 9 ? QStringLiteral("\"%1\"").arg(e.scores) : e.scores;
            TestSupport::storeEntry(e);
        }
        database::instance()->currentConnection().commit();
        Page w;
        QCOMPARE(Probe::csvLines(w), QStringList{CsvFormat::headerLine()});
        w.table()->selectRow(5);
        w.table()->selectionModel()->select(w.model()->index(242, 3), QItemSelectionModel::Select);
        for (const QList<int> &rows : {QList<int>{5, 242}, QList<int>()}) {
            const QStringList lines = Probe::csvLines(w);
            QCOMPARE(lines.size(), rows.isEmpty() ? 251 : 3);
            for (int n = 1; n < lines.size(); ++n) {
                databaseEntry e = w.model()->entry(rows.value(n - 1, n - 1));
                e.scores = CapOrder::write(caps(e.first.mid(1).toInt()));
                QCOMPARE(lines.at(n), CsvFormat::recordLine(e, e.tes));
            }
            w.table()->selectAll();
        }
    }
};

QTEST_MAIN(TestDatabaseFormWidget)
#include "tst_databaseformwidget.moc"
