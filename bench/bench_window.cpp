// What an examiner waits for on a file of years of records, driven through the
// main window as a person drives it: start-up, the database page's actions,
// choosing tests for the analysis page. Times are per action; the memory counters
// are the growth of resident memory the action leaves behind.
#include "analysisformwidget.h"
#include "benchfile.h"
#include "database.h"
#include "databaseformwidget.h"
#include "huetestformwidget.h"
#include "mainwindow.h"
#include "vkresources.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTableView>
#include <benchmark/benchmark.h>
#include <unistd.h>

namespace {

template <typename T> T *child(QObject *parent, const char *name)
{
    T *found = parent->findChild<T *>(QLatin1String(name));
    if (!found)
        qFatal("no child %s", name);
    return found;
}

// One window on the benchmark file for the whole run: what the examiner keeps open.
MainWindow &window()
{
    static MainWindow *w = [] {
        // A copy: the benchmarks delete, save and update tests.
        database::instance()->openDatabase(
            BenchFile::copy(BenchFile::tests(), QStringLiteral("window.sqlite")));
        auto *made = new MainWindow;
        made->show();
        QApplication::processEvents();
        DatabaseFormWidget *page = child<DatabaseFormWidget>(made, "databaseWidget");
        // Deletion asks; the benchmark answers yes.
        page->setBoxes([](const QString &, const QString &) { return true; },
                       [](const QString &, const QString &) {});
        // The search an examiner types most: part of the surname.
        auto *criterion = child<QComboBox>(page, "searchCriteria");
        criterion->setCurrentIndex(criterion->findText(QStringLiteral("Last")));
        auto *method = child<QComboBox>(page, "searchMethod");
        method->setCurrentIndex(method->findText(QStringLiteral("Contains")));
        return made;
    }();
    return *w;
}

DatabaseFormWidget *databasePage()
{
    return child<DatabaseFormWidget>(&window(), "databaseWidget");
}
QLineEdit *searchBox()
{
    return child<QLineEdit>(databasePage(), "dbSearch");
}
QTableView *table()
{
    return child<QTableView>(databasePage(), "tableDisplay");
}
int rows()
{
    return table()->model()->rowCount();
}

void settle()
{
    QApplication::processEvents();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Back to the database page with an empty search, out of the timing.
void onDatabasePage()
{
    MainWindow &w = window();
    if (child<QStackedWidget>(&w, "stackedWidget")->currentIndex() != 3)
        w.databaseClicked();
    if (!searchBox()->text().isEmpty())
        searchBox()->clear();
    settle();
}

void selectFirstRows(int count)
{
    QAbstractItemModel *model = table()->model();
    const int n = qMin(count, model->rowCount());
    table()->clearSelection();
    if (n > 0)
        table()->selectionModel()->select(
            QItemSelection(model->index(0, 0), model->index(n - 1, model->columnCount() - 1)),
            QItemSelectionModel::Select);
}

void setAverage(bool on)
{
    auto *box = child<QCheckBox>(&window(), "averageCheckbox");
    if (box->isChecked() != on)
        box->click();
}

void reportMemory(benchmark::State &state, qint64 grown, int curves)
{
    state.counters["MB"] = double(grown) / 1e6;
    if (curves > 0)
        state.counters["bytes/curve"] = double(grown) / curves;
}

// --- start-up --------------------------------------------------------------------

void BM_StartUp(benchmark::State &state)
{
    const QString file = BenchFile::path(BenchFile::tests());
    for (auto _ : state) {
        database::instance()->openDatabase(file);
        auto *w = new MainWindow;
        w->show();
        settle();
        state.PauseTiming();
        delete w;
        settle();
        // A program starting holds no rows yet: let the store drop this run's.
        database::instance()->openDatabase(
            BenchFile::scratch(QStringLiteral("window-start.sqlite")));
        database::instance()->heldTests();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StartUp)->Unit(benchmark::kMillisecond)->Iterations(5);

// --- the database page -----------------------------------------------------------

void BM_ShowDatabasePage(benchmark::State &state)
{
    MainWindow &w = window();
    for (auto _ : state) {
        state.PauseTiming();
        w.newClicked();
        settle();
        state.ResumeTiming();
        w.databaseClicked();
        settle();
    }
    state.counters["rows"] = rows();
}
BENCHMARK(BM_ShowDatabasePage)->Unit(benchmark::kMillisecond)->Iterations(5);

// One keystroke into an empty search box: Last, Contains.
void BM_SearchKeystroke(benchmark::State &state, const char *text)
{
    onDatabasePage();
    for (auto _ : state) {
        state.PauseTiming();
        searchBox()->clear();
        settle();
        searchBox()->setText(QLatin1String(text).left(QLatin1String(text).size() - 1));
        settle();
        state.ResumeTiming();
        searchBox()->insert(QLatin1String(text).right(1));
        settle();
    }
    state.counters["rows"] = rows();
    searchBox()->clear();
}
BENCHMARK_CAPTURE(BM_SearchKeystroke, e, "e")->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK_CAPTURE(BM_SearchKeystroke, ka, "ka")->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK_CAPTURE(BM_SearchKeystroke, kabo, "kabo")->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_ClearSearch(benchmark::State &state)
{
    onDatabasePage();
    for (auto _ : state) {
        state.PauseTiming();
        searchBox()->setText(QStringLiteral("e"));
        settle();
        state.ResumeTiming();
        child<QPushButton>(databasePage(), "clearSearch")->click();
        settle();
    }
    state.counters["rows"] = rows();
}
BENCHMARK(BM_ClearSearch)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_DeleteOneTest(benchmark::State &state)
{
    onDatabasePage();
    for (auto _ : state) {
        state.PauseTiming();
        selectFirstRows(1);
        settle();
        state.ResumeTiming();
        databasePage()->deleteClick();
        settle();
    }
    state.counters["rows"] = rows();
}
BENCHMARK(BM_DeleteOneTest)->Unit(benchmark::kMillisecond)->Iterations(5);

// Save on the new-test page: the test is stored and shown on View/Arrange and the
// analysis page.
void BM_SaveNewTest(benchmark::State &state)
{
    MainWindow &w = window();
    auto *form = child<HueTestFormWidget>(&w, "newHueTestWidget");
    for (auto _ : state) {
        state.PauseTiming();
        w.newClicked();
        child<QLineEdit>(form, "firstName")->setText(QStringLiteral("Bench"));
        child<QLineEdit>(form, "lastName")->setText(QStringLiteral("Mark"));
        child<QLineEdit>(form, "dob")->setText(QStringLiteral("01/02/1990"));
        settle();
        state.ResumeTiming();
        child<QPushButton>(form, "saveButton")->click();
        settle();
    }
}
BENCHMARK(BM_SaveNewTest)->Unit(benchmark::kMillisecond)->Iterations(5);

// Update on View/Arrange: the database page and the analysis page follow.
void BM_UpdateTest(benchmark::State &state)
{
    onDatabasePage();
    selectFirstRows(1);
    child<QPushButton>(databasePage(), "selectTest")->click();
    MainWindow &w = window();
    auto *form = child<HueTestFormWidget>(&w, "viewHueTestWidget");
    int n = 0;
    for (auto _ : state) {
        state.PauseTiming();
        w.viewArrangeClicked();
        child<QPlainTextEdit>(form, "comments")->setPlainText(QStringLiteral("edit %1").arg(++n));
        settle();
        state.ResumeTiming();
        child<QPushButton>(form, "saveButton")->click();
        settle();
    }
}
BENCHMARK(BM_UpdateTest)->Unit(benchmark::kMillisecond)->Iterations(5);

// Resident memory after one refill of the page and after 50.
void BM_FiftyRefills(benchmark::State &state)
{
    onDatabasePage();
    qint64 afterFirst = 0;
    qint64 afterFifty = 0;
    for (auto _ : state) {
        for (int i = 1; i <= 50; ++i) {
            searchBox()->setText(QStringLiteral("e"));
            searchBox()->clear();
            settle();
            if (i == 1)
                afterFirst = BenchFile::residentBytes();
        }
        afterFifty = BenchFile::residentBytes();
    }
    state.counters["MB after 1"] = double(afterFirst) / 1e6;
    state.counters["MB after 50"] = double(afterFifty) / 1e6;
    state.counters["growth %"] = 100.0 * double(afterFifty - afterFirst) / double(afterFirst);
}
BENCHMARK(BM_FiftyRefills)->Unit(benchmark::kMillisecond)->Iterations(1);

// --- choosing tests for the analysis page -------------------------------------------

// Select Test with the first `count` rows selected (all rows for a count of 0).
void selectTests(benchmark::State &state, int count, bool average)
{
    onDatabasePage();
    setAverage(average);
    const int wanted = count > 0 ? count : rows();
    qint64 grown = 0;
    for (auto _ : state) {
        state.PauseTiming();
        onDatabasePage();
        selectFirstRows(wanted);
        settle();
        const qint64 before = BenchFile::residentBytes();
        state.ResumeTiming();
        child<QPushButton>(databasePage(), "selectTest")->click();
        settle();
        state.PauseTiming();
        // Freed memory stays with the process: the first click shows the growth.
        grown = qMax(grown, BenchFile::residentBytes() - before);
        state.ResumeTiming();
    }
    reportMemory(state, grown, average ? 1 : wanted);
    state.counters["rows"] = wanted;
    setAverage(false);
}

void BM_SelectTests(benchmark::State &state)
{
    selectTests(state, int(state.range(0)), false);
}
BENCHMARK(BM_SelectTests)
    ->Arg(10)
    ->Arg(1000)
    ->Arg(10000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

void BM_SelectAllTestsAveraged(benchmark::State &state)
{
    selectTests(state, 0, true);
}
BENCHMARK(BM_SelectAllTestsAveraged)->Unit(benchmark::kMillisecond)->Iterations(3);

// After many curves, a small selection must draw as fast as on a fresh page.
void BM_SmallSelectionAfterLargeOne(benchmark::State &state)
{
    onDatabasePage();
    selectFirstRows(10000);
    child<QPushButton>(databasePage(), "selectTest")->click();
    settle();
    selectTests(state, 10, false);
}
BENCHMARK(BM_SmallSelectionAfterLargeOne)->Unit(benchmark::kMillisecond)->Iterations(3);

// Redrawing the chart of a large selection (the Filter switch), and again.
void BM_RedrawLargeSelection(benchmark::State &state)
{
    onDatabasePage();
    selectFirstRows(int(state.range(0)));
    child<QPushButton>(databasePage(), "selectTest")->click();
    settle();
    auto *filter = child<QCheckBox>(&window(), "filterCheckbox");
    for (auto _ : state) {
        filter->click();
        settle();
    }
    if (filter->isChecked())
        filter->click();
}
BENCHMARK(BM_RedrawLargeSelection)
    ->Arg(1000)
    ->Arg(10000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(4);

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    vkInitResources();
    database::setInitialPath(BenchFile::scratch(QStringLiteral("window-start.sqlite")));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    // The window lives to the end of the run, like the examiner's.
    _exit(0);
}
