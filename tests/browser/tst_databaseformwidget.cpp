#include "caporder.h"
#include "csvformat.h"
#include "database.h"
#include "databaseformwidget.h"
#include "pageprobe.h"
#include "recordsearch.h"
#include "testsupport.h"
#include "testtablemodel.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QSqlQuery>
#include <QTableView>
#include <QtTest>

using Probe = DatabaseFormWidgetProbe;

namespace {

int store(const QString &first, const QString &last, const QString &comments = QString(),
          const QVector<int> &caps = {}, const QString &time = QStringLiteral("12"))
{
    databaseEntry e = TestSupport::sampleEntry(first, last, caps);
    if (!comments.isEmpty())
        e.comments = comments;
    e.time = time;
    return TestSupport::storeEntry(e);
}

QTableView *table(DatabaseFormWidget &w)
{
    return w.findChild<QTableView *>(QStringLiteral("tableDisplay"));
}

void searchFor(DatabaseFormWidget &w, const QString &criterion, const QString &method,
               const QString &text)
{
    auto *c = w.findChild<QComboBox *>(QStringLiteral("searchCriteria"));
    auto *m = w.findChild<QComboBox *>(QStringLiteral("searchMethod"));
    QVERIFY(c->findText(criterion) >= 0);
    QVERIFY(m->findText(method) >= 0);
    c->setCurrentIndex(c->findText(criterion));
    m->setCurrentIndex(m->findText(method));
    w.findChild<QLineEdit *>(QStringLiteral("dbSearch"))->setText(text);
}

QStringList shown(DatabaseFormWidget &w, int column)
{
    QStringList texts;
    for (int r = 0; r < Probe::model(w)->rowCount(); ++r)
        texts.append(Probe::model(w)->text(r, column));
    return texts;
}

QStringList sorted(QStringList l)
{
    l.sort();
    return l;
}

void clickRow(DatabaseFormWidget &w, int row, Qt::KeyboardModifiers mods = Qt::NoModifier,
              int column = 1)
{
    QTableView *t = table(w);
    const QRect rect = t->visualRect(Probe::model(w)->index(row, column));
    QVERIFY(rect.isValid());
    QTest::mouseClick(t->viewport(), Qt::LeftButton, mods, rect.center());
}

int countUsers(const QString &first)
{
    QSqlQuery q(database::instance()->currentConnection());
    q.prepare(QStringLiteral("SELECT count(*) FROM users WHERE first = :f"));
    q.bindValue(QStringLiteral(":f"), first);
    return q.exec() && q.next() ? q.value(0).toInt() : -1;
}

QList<bool> allTrue()
{
    QList<bool> flags;
    for (int i = 0; i < 17; ++i)
        flags.append(true);
    return flags;
}

// Answers the page's boxes: every question with `yes`; what was asked and warned is kept.
struct Boxes
{
    bool yes = true;
    QStringList asked;
    QStringList warned;
    QStringList status;
    void answer(DatabaseFormWidget &w)
    {
        w.setBoxes(
            [this](const QString &, const QString &text) {
                asked.append(text);
                return yes;
            },
            [this](const QString &, const QString &text) { warned.append(text); });
        QObject::connect(&w, &DatabaseFormWidget::statusMessage,
                         [this](const QString &text) { status.append(text); });
    }
};

struct Catcher
{
    QList<QList<databaseEntry>> selected;
    QList<QList<databaseEntry>> updated;
    void watch(DatabaseFormWidget &w)
    {
        QObject::connect(&w, &DatabaseFormWidget::testSelected,
                         [this](const QList<databaseEntry> &l) { selected.append(l); });
        QObject::connect(&w, &DatabaseFormWidget::updateAnalysis,
                         [this](const QList<databaseEntry> &l) { updated.append(l); });
    }
};

} // namespace

class TestDatabaseFormWidget : public QObject
{
    Q_OBJECT

private slots:
    void init() { TestSupport::useFreshDatabase(); }

    void pageLayout()
    {
        DatabaseFormWidget w;
        QCOMPARE(w.windowTitle(), QStringLiteral("Form"));
        QCOMPARE(w.findChild<QComboBox *>(QStringLiteral("searchCriteria"))->count(), 15);
        QCOMPARE(w.findChild<QComboBox *>(QStringLiteral("searchMethod"))->count(), 4);
        QCOMPARE(w.findChild<QLineEdit *>(QStringLiteral("dbSearch"))->placeholderText(),
                 QStringLiteral("Enter..."));
        for (const char *name : {"clearSearch", "selectTest", "deleteButton"})
            QVERIFY(w.findChild<QPushButton *>(QLatin1String(name)));
        QTableView *t = table(w);
        QVERIFY(t->alternatingRowColors());
        QVERIFY(!t->verticalHeader()->isVisible() || t->verticalHeader()->isHidden());
        QCOMPARE(t->model()->columnCount(), 18);
        QCOMPARE(t->model()->headerData(13, Qt::Horizontal).toString(),
                 QStringLiteral("Job Function"));
        QCOMPARE(Probe::sortAscendingNext(w), allTrue());
    }

    void fillShowsEveryTestNewestFirst()
    {
        const int a = store(QStringLiteral("Ann"), QStringLiteral("Lee"));
        const int b = store(QStringLiteral("Bob"), QStringLiteral("Kay"), QString(),
                            TestSupport::swapped(CapOrder::untouched(), 3, 9));
        DatabaseFormWidget w;
        QCOMPARE(shown(w, 17), (QStringList{QString::number(b), QString::number(a)}));
        QCOMPARE(shown(w, 0), TestSupport::texts({"2", "1"}));
        QCOMPARE(shown(w, 1), TestSupport::texts({"Bob", "Ann"}));
        QCOMPARE(shown(w, 16).at(1), QStringLiteral("0"));
        QCOMPARE(shown(w, 16).at(0), database::calcTES(CapOrder::write(
                                         TestSupport::swapped(CapOrder::untouched(), 3, 9))));
        QVERIFY(table(w)->isColumnHidden(17));
        QCOMPARE(table(w)->horizontalHeader()->sortIndicatorSection(), 0);
    }

    void search_data()
    {
        QTest::addColumn<QString>("criterion");
        QTest::addColumn<QString>("method");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("firsts");
        QTest::newRow("contains an") << "First"
                                     << "Contains"
                                     << "an" << TestSupport::texts({"Daniel", "Jan", "Joanna"});
        QTest::newRow("exactly is case-sensitive") << "First"
                                                   << "Is Exactly"
                                                   << "ann" << QStringList{};
        QTest::newRow("exactly Ann") << "First"
                                     << "Is Exactly"
                                     << "Ann" << TestSupport::texts({"Ann"});
        QTest::newRow("star is a wildcard") << "First"
                                            << "Is Exactly"
                                            << "J*n" << TestSupport::texts({"Jan", "John"});
        QTest::newRow("begins with") << "First"
                                     << "Begins With"
                                     << "Jo" << TestSupport::texts({"Joanna", "John"});
        QTest::newRow("ends with") << "First"
                                   << "Ends With"
                                   << "NE" << TestSupport::texts({"ANNE"});
        QTest::newRow("last name") << "Last"
                                   << "Contains"
                                   << "'B" << TestSupport::texts({"John"});
        QTest::newRow("quote typed is a value") << "Last"
                                                << "Is Exactly"
                                                << "x' OR '1'='1" << QStringList{};
        QTest::newRow("tests side") << "Comments"
                                    << "Contains"
                                    << "blue" << TestSupport::texts({"Daniel"});
        QTest::newRow("time") << "Time"
                              << "Is Exactly"
                              << "7" << TestSupport::texts({"Jan"});
        QTest::newRow("empty shows all")
            << "Time"
            << "Is Exactly"
            << "" << TestSupport::texts({"ANNE", "Ann", "Daniel", "Jan", "Joanna", "John"});
    }
    void search()
    {
        QFETCH(QString, criterion);
        QFETCH(QString, method);
        QFETCH(QString, text);
        QFETCH(QStringList, firsts);
        store(QStringLiteral("Joanna"), QStringLiteral("Fox"));
        store(QStringLiteral("Daniel"), QStringLiteral("Ray"), QStringLiteral("blue caps"));
        store(QStringLiteral("Ann"), QStringLiteral("Lee"));
        store(QStringLiteral("ANNE"), QStringLiteral("Roe"));
        store(QStringLiteral("John"), QStringLiteral("O'Brien"));
        store(QStringLiteral("Jan"), QStringLiteral("Berg"), QString(), {}, QStringLiteral("7"));
        DatabaseFormWidget w;
        searchFor(w, criterion, method, text);
        QCOMPARE(sorted(shown(w, 1)), firsts);
        // Every row carries its own test's TES.
        for (const QString &tes : shown(w, 16))
            QCOMPARE(tes, QStringLiteral("0"));
    }

    void subjectWithThreeTests()
    {
        for (int i = 0; i < 3; ++i)
            store(QStringLiteral("Eva"), QStringLiteral("Ott"), QStringLiteral("visit %1").arg(i));
        store(QStringLiteral("Max"), QStringLiteral("Ott2"));
        DatabaseFormWidget w;
        searchFor(w, QStringLiteral("Last"), QStringLiteral("Is Exactly"), QStringLiteral("Ott"));
        QCOMPARE(sorted(shown(w, 8)), TestSupport::texts({"visit 0", "visit 1", "visit 2"}));
        // The working tables stay in the file with the last search in them.
        QSqlQuery q(database::instance()->currentConnection());
        QVERIFY(q.exec(QStringLiteral("SELECT count(*) FROM userSearch")) && q.next());
        QCOMPARE(q.value(0).toInt(), 3);
    }

    // A comment of thousands of characters, or of hundreds of lines, leaves the
    // other columns and rows in view.
    void longCommentKeepsTheTableReadable()
    {
        QString lines;
        for (int i = 0; i < 200; ++i)
            lines += QStringLiteral("line %1\n").arg(i);
        const QString words = QStringLiteral("tired ").repeated(500);
        store(QStringLiteral("Ann"), QStringLiteral("Lee"), words);
        store(QStringLiteral("Bob"), QStringLiteral("Kay"), lines);
        DatabaseFormWidget w;
        w.resize(1280, 800);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QTableView *t = table(w);
        const int viewport = t->viewport()->width();
        QVERIFY2(t->columnViewportPosition(9) + t->columnWidth(9) < viewport,
                 qPrintable(QString::number(t->columnViewportPosition(9))));
        QVERIFY(t->columnWidth(8) <= w.commentsColumnLimit());
        QVERIFY(w.commentsColumnLimit() < viewport / 3);
        for (int r = 0; r < 2; ++r)
            QVERIFY2(t->rowHeight(r) < t->viewport()->height() / 3,
                     qPrintable(QString::number(t->rowHeight(r))));
        const QModelIndex comment = Probe::model(w)->index(0, 8);
        QCOMPARE(comment.data(Qt::ToolTipRole).toString().size(), comment.data().toString().size());
    }

    // A search the file refuses says so and shows none of an earlier search's rows.
    void failedSearchShowsNoStaleRows()
    {
        store(QStringLiteral("Ann"), QStringLiteral("Lee"));
        store(QStringLiteral("Bob"), QStringLiteral("Kay"));
        DatabaseFormWidget w;
        Boxes boxes;
        boxes.answer(w);
        searchFor(w, QStringLiteral("First"), QStringLiteral("Is Exactly"), QStringLiteral("Ann"));
        QCOMPARE(shown(w, 1), TestSupport::texts({"Ann"}));
        QVERIFY(boxes.status.isEmpty());
        {
            QSqlQuery q(database::instance()->currentConnection());
            QVERIFY(q.exec(QStringLiteral("PRAGMA query_only = ON")));
        }
        w.findChild<QLineEdit *>(QStringLiteral("dbSearch"))->setText(QStringLiteral("Bob"));
        QCOMPARE(Probe::model(w)->rowCount(), 0);
        QCOMPARE(boxes.status.size(), 1);
        QVERIFY2(boxes.status.first().startsWith(QLatin1String("The search could not be run: ")),
                 qPrintable(boxes.status.first()));
        QString error;
        QVERIFY(RecordSearch::run(database::instance(), RecordSearch::First,
                                  RecordSearch::IsExactly, QStringLiteral("Ann"), &error)
                    .isEmpty());
        QVERIFY(!error.isEmpty());
        {
            QSqlQuery q(database::instance()->currentConnection());
            QVERIFY(q.exec(QStringLiteral("PRAGMA query_only = OFF")));
        }
        w.findChild<QLineEdit *>(QStringLiteral("dbSearch"))->setText(QStringLiteral("Bo*"));
        QCOMPARE(shown(w, 1), TestSupport::texts({"Bob"}));
    }

    // The index the subject searches need comes with the file, not with each keystroke.
    void searchIndexMadeWhenTheFileOpens()
    {
        const auto hasIndex = [] {
            QSqlQuery q(database::instance()->currentConnection());
            return q.exec(QStringLiteral("SELECT count(*) FROM sqlite_master WHERE type = 'index' "
                                         "AND name = 'testsUserID'")) &&
                   q.next() && q.value(0).toInt() == 1;
        };
        QVERIFY(hasIndex());
        {
            QSqlQuery q(database::instance()->currentConnection());
            QVERIFY(q.exec(QStringLiteral("DROP INDEX testsUserID")));
        }
        store(QStringLiteral("Ann"), QStringLiteral("Lee"));
        DatabaseFormWidget w;
        searchFor(w, QStringLiteral("First"), QStringLiteral("Contains"), QStringLiteral("nn"));
        QCOMPARE(shown(w, 1), TestSupport::texts({"Ann"}));
        QVERIFY(!hasIndex());
        QVERIFY(database::instance()->openDatabase(database::instance()->path()));
        QVERIFY(hasIndex());
    }

    void unknownCriterionFindsNothing()
    {
        store(QStringLiteral("Ann"), QStringLiteral("Lee"));
        database *db = database::instance();
        QVERIFY(RecordSearch::run(db, -1, RecordSearch::Contains, QStringLiteral("A")).isEmpty());
        QCOMPARE(
            RecordSearch::run(db, RecordSearch::First, RecordSearch::Contains, QStringLiteral("A"))
                .size(),
            1);
        QCOMPARE(RecordSearch::pattern(7, QStringLiteral("A")), QString());
        QVERIFY(RecordSearch::run(db, RecordSearch::First, 7, QStringLiteral("A")).isEmpty());
    }

    void columnFlagsAlternatePerColumn()
    {
        store(QStringLiteral("A"), QStringLiteral("b"));
        store(QStringLiteral("C"), QStringLiteral("A"));
        store(QStringLiteral("B"), QStringLiteral("B"));
        DatabaseFormWidget w;
        w.columnClicked(3);
        QCOMPARE(shown(w, 3), TestSupport::texts({"A", "B", "b"}));
        w.columnClicked(1);
        QCOMPARE(shown(w, 1), TestSupport::texts({"A", "B", "C"}));
        w.columnClicked(3);
        QCOMPARE(shown(w, 3), TestSupport::texts({"b", "B", "A"}));
        w.columnClicked(1);
        QCOMPARE(shown(w, 1), TestSupport::texts({"C", "B", "A"}));
        w.columnClicked(3);
        QCOMPARE(shown(w, 3), TestSupport::texts({"A", "B", "b"}));
        QCOMPARE(table(w)->horizontalHeader()->sortIndicatorSection(), 3);
        QCOMPARE(table(w)->horizontalHeader()->sortIndicatorOrder(), Qt::AscendingOrder);
        QList<bool> flags = allTrue();
        flags[3] = false;
        QCOMPARE(Probe::sortAscendingNext(w), flags);
    }

    void headerClicksSort()
    {
        store(QStringLiteral("A"), QStringLiteral("b"));
        store(QStringLiteral("C"), QStringLiteral("A"));
        DatabaseFormWidget w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QHeaderView *h = table(w)->horizontalHeader();
        const QPoint last(h->sectionViewportPosition(3) + h->sectionSize(3) / 2, h->height() / 2);
        QTest::mouseClick(h->viewport(), Qt::LeftButton, Qt::NoModifier, last);
        QCOMPARE(shown(w, 3), TestSupport::texts({"A", "b"}));
        QTest::mouseClick(h->viewport(), Qt::LeftButton, Qt::NoModifier, last);
        QCOMPARE(shown(w, 3), TestSupport::texts({"b", "A"}));
        QCOMPARE(h->sortIndicatorOrder(), Qt::DescendingOrder);
    }

    // A header click sorts and never selects: neither a whole column nor, after
    // it, every row for the Delete button.
    void headerClicksNeverChangeTheSelection_data()
    {
        QTest::addColumn<bool>("rowSelected");
        QTest::newRow("nothing selected") << false;
        QTest::newRow("one row selected") << true;
    }
    void headerClicksNeverChangeTheSelection()
    {
        QFETCH(bool, rowSelected);
        store(QStringLiteral("A"), QStringLiteral("b"));
        store(QStringLiteral("C"), QStringLiteral("A"));
        store(QStringLiteral("B"), QStringLiteral("c"));
        DatabaseFormWidget w;
        Boxes boxes;
        boxes.answer(w);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        if (rowSelected)
            clickRow(w, 1);
        const QStringList chosen =
            rowSelected ? QStringList{Probe::model(w)->text(1, 1)} : QStringList();
        QHeaderView *h = table(w)->horizontalHeader();
        for (int column : {3, 1, 3}) {
            const QPoint at(h->sectionViewportPosition(column) + h->sectionSize(column) / 2,
                            h->height() / 2);
            QTest::mouseClick(h->viewport(), Qt::LeftButton, Qt::NoModifier, at);
            QStringList selected;
            for (int r : Probe::selectedRows(w))
                selected.append(Probe::model(w)->text(r, 1));
            QCOMPARE(selected, chosen);
        }
        // Shift and Ctrl clicks, and a drag across headers, select nothing either.
        const QPoint first(h->sectionViewportPosition(1) + 2, h->height() / 2);
        const QPoint fifth(h->sectionViewportPosition(5) + 2, h->height() / 2);
        QTest::mouseClick(h->viewport(), Qt::LeftButton, Qt::ShiftModifier, fifth);
        QTest::mouseClick(h->viewport(), Qt::LeftButton, Qt::ControlModifier, first);
        QTest::mousePress(h->viewport(), Qt::LeftButton, Qt::NoModifier, first);
        QMouseEvent move(QEvent::MouseMove, fifth, Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(h->viewport(), &move);
        QTest::mouseRelease(h->viewport(), Qt::LeftButton, Qt::NoModifier, fifth);
        QCOMPARE(Probe::selectedRows(w).size(), chosen.size());

        w.findChild<QPushButton *>(QStringLiteral("deleteButton"))->click();
        QCOMPARE(database::instance()->getAllTests().size(), rowSelected ? 2 : 3);
        QCOMPARE(boxes.asked.size(), rowSelected ? 1 : 0);
    }

    void numbersAndTextSortAfterARefill()
    {
        // TES 0, 4 and something of three digits: as text the order differs from numbers.
        QVector<int> far = CapOrder::untouched();
        std::reverse(far.begin() + 1, far.end());
        const QVector<QVector<int>> orders{
            CapOrder::untouched(), TestSupport::swapped(CapOrder::untouched(), 10, 11), far};
        const QStringList times = TestSupport::texts({"100", "20", "3"});
        for (int i = 0; i < 12; ++i)
            store(QStringLiteral("P%1").arg(i), QStringLiteral("L"), QString(), orders.at(i % 3),
                  times.at(i % 3));
        DatabaseFormWidget w;
        QStringList tes = shown(w, 16);
        tes.removeDuplicates();
        QCOMPARE(tes.size(), 3);
        QVERIFY(tes.contains(QStringLiteral("4")));
        QVERIFY(
            std::any_of(tes.begin(), tes.end(), [](const QString &t) { return t.size() == 3; }));

        w.columnClicked(16);
        tes = shown(w, 16);
        QVERIFY(std::is_sorted(tes.begin(), tes.end()));
        QVERIFY(tes.indexOf(QRegularExpression(QStringLiteral("^\\d{3}$"))) <
                tes.indexOf(QStringLiteral("4")));
        w.columnClicked(7);
        QCOMPARE(shown(w, 7).first(), QStringLiteral("100"));
        QCOMPARE(shown(w, 7).last(), QStringLiteral("3"));
        w.columnClicked(0);
        QStringList numbers;
        for (int i = 1; i <= 12; ++i)
            numbers.append(QString::number(i));
        QCOMPARE(shown(w, 0), numbers);

        // A refill keeps the order and every row holds one test's fields, TES and id.
        w.columnClicked(3);
        w.columnClicked(16);
        w.displaySearchResults();
        const QList<databaseEntry> all = database::instance()->getAllTests();
        QCOMPARE(Probe::model(w)->rowCount(), all.size());
        for (int r = 0; r < Probe::model(w)->rowCount(); ++r) {
            const QString id = Probe::model(w)->text(r, 17);
            const auto it = std::find_if(all.begin(), all.end(),
                                         [&](const databaseEntry &e) { return e.testID == id; });
            QVERIFY(it != all.end());
            QCOMPARE(Probe::model(w)->text(r, 1), it->first);
            QCOMPARE(Probe::model(w)->text(r, 7), it->time);
            QCOMPARE(Probe::model(w)->text(r, 16), it->tes);
        }
        const QStringList descending = shown(w, 16);
        QVERIFY(std::is_sorted(descending.rbegin(), descending.rend()));
    }

    void selectionOrderIsHandedOver()
    {
        for (int i = 0; i < 8; ++i)
            store(QStringLiteral("S%1").arg(i), QStringLiteral("L"));
        DatabaseFormWidget w;
        Catcher c;
        c.watch(w);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        clickRow(w, 5);
        clickRow(w, 2, Qt::ControlModifier);
        clickRow(w, 2, Qt::ControlModifier, 3);
        clickRow(w, 2, Qt::ControlModifier, 4);
        // Three cells of row 2 count once.
        QCOMPARE(Probe::selectedRows(w), (QList<int>{5, 2}));
        w.findChild<QPushButton *>(QStringLiteral("selectTest"))->click();
        QCOMPARE(c.selected.size(), 1);
        const QList<databaseEntry> &list = c.selected.first();
        QCOMPARE(list.size(), 2);
        QCOMPARE(list.at(0).testID, Probe::model(w)->text(5, 17));
        QCOMPARE(list.at(1).testID, Probe::model(w)->text(2, 17));
        QCOMPARE(list.at(0).first, Probe::model(w)->text(5, 1));
        QCOMPARE(CapOrder::read(list.at(0).scores), CapOrder::untouched());
        QVERIFY(list.at(0).tes.isEmpty());
        QCOMPARE(Probe::analysedRows(w), (QList<int>{5, 2}));
    }

    void nothingSelectedEmitsAnEmptyList()
    {
        store(QStringLiteral("A"), QStringLiteral("L"));
        DatabaseFormWidget w;
        Catcher c;
        c.watch(w);
        w.selectTestClick();
        QCOMPARE(c.selected.size(), 1);
        QVERIFY(c.selected.first().isEmpty());
    }

    void doubleClickHandsOverThatRow()
    {
        for (int i = 0; i < 3; ++i)
            store(QStringLiteral("D%1").arg(i), QStringLiteral("L"));
        DatabaseFormWidget w;
        Catcher c;
        c.watch(w);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QTableView *t = table(w);
        const QPoint p = t->visualRect(Probe::model(w)->index(1, 2)).center();
        QTest::mouseClick(t->viewport(), Qt::LeftButton, Qt::NoModifier, p);
        QTest::mouseDClick(t->viewport(), Qt::LeftButton, Qt::NoModifier, p);
        QVERIFY(!c.selected.isEmpty());
        QCOMPARE(c.selected.last().size(), 1);
        QCOMPARE(c.selected.last().first().testID, Probe::model(w)->text(1, 17));
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
        DatabaseFormWidget w;
        Boxes boxes;
        boxes.yes = yes;
        boxes.answer(w);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        const QString row4 = Probe::model(w)->text(4, 1);
        const QString row1 = Probe::model(w)->text(1, 1);
        clickRow(w, 4);
        clickRow(w, 1, Qt::ControlModifier);
        if (refused) {
            QSqlQuery q(database::instance()->currentConnection());
            QVERIFY(q.exec(QStringLiteral("PRAGMA query_only = ON")));
        }
        w.findChild<QPushButton *>(QStringLiteral("deleteButton"))->click();
        QCOMPARE(boxes.asked, TestSupport::texts({"Delete 2 test(s)? This cannot be undone."}));
        const bool deleted = yes && !refused;
        QCOMPARE(Probe::model(w)->rowCount(), deleted ? 4 : 6);
        QCOMPARE(shown(w, 1).contains(row4), !deleted);
        QCOMPARE(shown(w, 1).contains(row1), !deleted);
        QCOMPARE(countUsers(row4), deleted ? 0 : 1);
        QCOMPARE(countUsers(row1), deleted ? 0 : 1);
        QCOMPARE(boxes.warned.size(), refused ? 1 : 0);
        if (refused)
            QVERIFY2(
                boxes.warned.first().startsWith(QLatin1String("The tests could not be deleted: ")),
                qPrintable(boxes.warned.first()));
        QCOMPARE(boxes.status,
                 deleted ? TestSupport::texts({"2 test(s) deleted."}) : QStringList());
        // After a deletion nothing is selected: a further click deletes nothing.
        QCOMPARE(Probe::selectedRows(w).size(), deleted ? 0 : 2);
        if (deleted) {
            w.findChild<QPushButton *>(QStringLiteral("deleteButton"))->click();
            QCOMPARE(boxes.asked.size(), 1);
            QCOMPARE(database::instance()->getAllTests().size(), 4);
        }
    }

    void deleteWithNothingSelectedDeletesNothing()
    {
        store(QStringLiteral("A"), QStringLiteral("L"));
        DatabaseFormWidget w;
        Boxes boxes;
        boxes.answer(w);
        w.deleteClick();
        QCOMPARE(database::instance()->getAllTests().size(), 1);
        QVERIFY(boxes.asked.isEmpty());
    }

    void deleteKeepsASubjectWithHiddenTests()
    {
        store(QStringLiteral("Eva"), QStringLiteral("Ott"), QStringLiteral("alpha"));
        store(QStringLiteral("Eva"), QStringLiteral("Ott"), QStringLiteral("beta"));
        DatabaseFormWidget w;
        Boxes boxes;
        boxes.answer(w);
        searchFor(w, QStringLiteral("Comments"), QStringLiteral("Is Exactly"),
                  QStringLiteral("alpha"));
        QCOMPARE(Probe::model(w)->rowCount(), 1);
        table(w)->selectRow(0);
        w.deleteClick();
        const QList<databaseEntry> left = database::instance()->getAllTests();
        QCOMPARE(left.size(), 1);
        QCOMPARE(left.first().comments, QStringLiteral("beta"));
        QCOMPARE(countUsers(QStringLiteral("Eva")), 1);
    }

    void deleteKeepsASharedSubjectRow()
    {
        // Two tests pointing at one subject row, as older files hold them.
        database *db = database::instance();
        const int user =
            db->insertUser(QStringLiteral("Ida"), QStringLiteral("M"), QStringLiteral("Sun"),
                           QStringLiteral("R"), QStringLiteral("01/01/1970"), QStringLiteral("F"),
                           QString(), QString(), QString(), QString());
        const QString caps = CapOrder::write(CapOrder::untouched());
        QVERIFY(db->insertTest(user, QStringLiteral("D65"), QStringLiteral("01/01/2020"),
                               QStringLiteral("one"), caps, QStringLiteral("1"),
                               QStringLiteral("5")));
        QVERIFY(db->insertTest(user, QStringLiteral("D65"), QStringLiteral("01/01/2021"),
                               QStringLiteral("two"), caps, QStringLiteral("1"),
                               QStringLiteral("5")));
        DatabaseFormWidget w;
        Boxes boxes;
        boxes.answer(w);
        table(w)->selectRow(0);
        w.deleteClick();
        QCOMPARE(db->getAllTests().size(), 1);
        QCOMPARE(countUsers(QStringLiteral("Ida")), 1);
        table(w)->selectRow(0);
        w.deleteClick();
        QCOMPARE(db->getAllTests().size(), 0);
        QCOMPARE(countUsers(QStringLiteral("Ida")), 0);
    }

    void refreshResendsTheSameTests()
    {
        const int a = store(QStringLiteral("Ann"), QStringLiteral("Lee"));
        const int b = store(QStringLiteral("Bob"), QStringLiteral("Kay"));
        store(QStringLiteral("Cy"), QStringLiteral("Orr"));
        DatabaseFormWidget w;
        Catcher c;
        c.watch(w);
        const QHash<QString, int> rows =
            Probe::model(w)->rowsOfTests({QString::number(a), QString::number(b)});
        table(w)->selectRow(rows.value(QString::number(b)));
        table(w)->selectionModel()->select(
            Probe::model(w)->index(rows.value(QString::number(a)), 0), QItemSelectionModel::Select);
        w.selectTestClick();

        // The test is edited, and the table now shows another order and search.
        database *db = database::instance();
        const QString caps = db->getScores(QString::number(b));
        QVERIFY(db->updateTest(b, QStringLiteral("D65"), QStringLiteral("03/04/2025"),
                               QStringLiteral("edited"), caps, QStringLiteral("1234"),
                               QStringLiteral("12"), QStringLiteral("D65"),
                               QStringLiteral("03/04/2025"), caps, QStringLiteral("1234")));
        w.columnClicked(1);
        searchFor(w, QStringLiteral("First"), QStringLiteral("Begins With"), QStringLiteral("A"));
        w.viewUpdated();
        QCOMPARE(c.updated.size(), 1);
        const QList<databaseEntry> &list = c.updated.first();
        QCOMPARE(list.size(), 2);
        QCOMPARE(list.at(0).testID, QString::number(b));
        QCOMPARE(list.at(0).comments, QStringLiteral("edited"));
        QCOMPARE(list.at(0).scores, caps);
        QCOMPARE(list.at(1).testID, QString::number(a));
        QCOMPARE(list.at(1).first, QStringLiteral("Ann"));
        // Only Ann is listed; she is the selected row now.
        QCOMPARE(Probe::selectedRows(w), (QList<int>{0}));
    }

    void csvLinesOfTheSelection()
    {
        const int a =
            store(QStringLiteral("Ann"), QStringLiteral("Lee"), QStringLiteral("a, \"b\"\nc"));
        const int b = store(QStringLiteral("Bob"), QStringLiteral("Kay"), QString(),
                            TestSupport::swapped(CapOrder::untouched(), 1, 2));
        DatabaseFormWidget w;
        QCOMPARE(Probe::csvLines(w), QStringList{CsvFormat::headerLine()});
        const QHash<QString, int> rows =
            Probe::model(w)->rowsOfTests({QString::number(a), QString::number(b)});
        table(w)->selectRow(rows.value(QString::number(a)));
        table(w)->selectionModel()->select(
            Probe::model(w)->index(rows.value(QString::number(b)), 3), QItemSelectionModel::Select);
        const QStringList lines = Probe::csvLines(w);
        QCOMPARE(lines.size(), 3);
        QCOMPARE(lines.at(0), CsvFormat::headerLine());
        QVERIFY(lines.at(1).startsWith(QStringLiteral("Ann,M,Lee,R-Ann,01/02/1980,03/04/2025,12,"
                                                      "\"a, \"\"b\"\"\nc\",Female,")));
        databaseEntry bob =
            TestSupport::sampleEntry(QStringLiteral("Bob"), QStringLiteral("Kay"),
                                     TestSupport::swapped(CapOrder::untouched(), 1, 2));
        QCOMPARE(lines.at(2), CsvFormat::recordLine(bob, database::calcTES(bob.scores)));
        QVERIFY(lines.at(2).contains(QStringLiteral(",1234,") + database::calcTES(bob.scores) +
                                     QStringLiteral(",85, 2, 1, 3, ")));
    }

    void csvLinesOfALargeSelection()
    {
        database *db = database::instance();
        db->currentConnection().transaction();
        for (int i = 0; i < 250; ++i) {
            databaseEntry e =
                TestSupport::sampleEntry(QStringLiteral("N%1").arg(i), QStringLiteral("L"),
                                         TestSupport::swapped(CapOrder::untouched(), i % 84, 84));
            if (i == 7)
                e.scores = QLatin1Char('"') + e.scores + QLatin1Char('"');
            TestSupport::storeEntry(e);
        }
        db->currentConnection().commit();
        DatabaseFormWidget w;
        table(w)->selectAll();
        const QStringList lines = Probe::csvLines(w);
        QCOMPARE(lines.size(), 251);
        for (int r = 0; r < 250; ++r) {
            databaseEntry e = Probe::model(w)->entry(r);
            e.scores = db->getScores(e.testID);
            QCOMPARE(lines.at(r + 1), CsvFormat::recordLine(e, e.tes));
        }
    }

    void retranslateKeepsChoices()
    {
        DatabaseFormWidget w;
        auto *c = w.findChild<QComboBox *>(QStringLiteral("searchCriteria"));
        c->setCurrentIndex(5);
        w.retranslate();
        QCOMPARE(c->currentIndex(), 5);
        QCOMPARE(c->currentText(), QStringLiteral("Last"));
        QCOMPARE(c->count(), 15);
    }
};

QTEST_MAIN(TestDatabaseFormWidget)
#include "tst_databaseformwidget.moc"
