// The database page and the CSV exchange on a file of 100,000 tests.
#include "benchfile.h"
#include "caporder.h"
#include "csvfile.h"
#include "csvformat.h"
#include "database.h"
#include "databaseformwidget.h"
#include "pageprobe.h"
#include "recordsearch.h"
#include "testtablemodel.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QRandomGenerator>
#include <QSignalBlocker>
#include <QTableView>
#include <QTemporaryDir>
#include <algorithm>
#include <benchmark/benchmark.h>

using Probe = DatabaseFormWidgetProbe;

namespace {

const int Tests = BenchFile::tests();

QTemporaryDir &dir()
{
    static QTemporaryDir d;
    return d;
}

QString capOrder(QRandomGenerator &rng)
{
    QVector<int> caps = CapOrder::untouched();
    for (int s = 0; s < 6; ++s) {
        const int p = int(rng.bounded(84));
        std::swap(caps[p], caps[p + 1]);
    }
    return CapOrder::write(caps);
}

QString mainFile()
{
    return BenchFile::path(Tests);
}

database *store()
{
    database *db = database::instance();
    // The import benchmark leaves the store on files of its own.
    if (db->path() != mainFile())
        db->openDatabase(mainFile());
    return db;
}

DatabaseFormWidget &page()
{
    store();
    static DatabaseFormWidget *w = new DatabaseFormWidget;
    return *w;
}

void setSearch(DatabaseFormWidget &w, const QString &criterion, const QString &method,
               const QString &text)
{
    auto *c = w.findChild<QComboBox *>(QStringLiteral("searchCriteria"));
    auto *m = w.findChild<QComboBox *>(QStringLiteral("searchMethod"));
    auto *e = w.findChild<QLineEdit *>(QStringLiteral("dbSearch"));
    const QSignalBlocker bc(c), bm(m), be(e);
    c->setCurrentIndex(c->findText(criterion));
    m->setCurrentIndex(m->findText(method));
    e->setText(text);
}

QString csvText()
{
    static const QString text = [] {
        QRandomGenerator rng(11);
        QString t = CsvFormat::headerLine() + QLatin1Char('\n');
        for (int i = 0; i < Tests; ++i) {
            databaseEntry e;
            e.first = QLatin1String("First") + QString::number(i);
            e.middle = QStringLiteral("M");
            e.last = BenchFile::surname(rng);
            e.refNum = QString::number(i);
            e.DOB = QStringLiteral("01/02/1980");
            e.testDate = QStringLiteral("03/04/2025");
            e.time = QStringLiteral("12");
            e.comments = QStringLiteral("comment, with a comma");
            e.gender = QStringLiteral("Female");
            e.experience = QStringLiteral("3 - 5 years");
            e.illumination = QStringLiteral("D65");
            e.industry = QStringLiteral("Food");
            e.job = QStringLiteral("Creative");
            e.location = QStringLiteral("Europe");
            e.serialNum = QStringLiteral("1234");
            e.scores = capOrder(rng);
            t += CsvFormat::recordLine(e, database::calcTES(e.scores)) + QLatin1Char('\n');
        }
        return t;
    }();
    return text;
}

void BM_getAllTests(benchmark::State &state)
{
    database *db = store();
    for (auto _ : state) {
        const QList<databaseEntry> all = db->getAllTests();
        if (all.size() != Tests)
            state.SkipWithError("wrong number of tests");
    }
}
BENCHMARK(BM_getAllTests)->Unit(benchmark::kMillisecond);

void BM_fillTable(benchmark::State &state)
{
    DatabaseFormWidget &w = page();
    setSearch(w, QStringLiteral("Last"), QStringLiteral("Contains"), QString());
    for (auto _ : state) {
        w.displaySearchResults();
        if (Probe::model(w)->rowCount() != Tests)
            state.SkipWithError("wrong number of rows");
    }
}
BENCHMARK(BM_fillTable)->Unit(benchmark::kMillisecond);

// One keystroke: the text grows to the given one and the table is rebuilt.
void BM_searchKeystroke(benchmark::State &state, const char *text)
{
    DatabaseFormWidget &w = page();
    setSearch(w, QStringLiteral("Last"), QStringLiteral("Contains"), QLatin1String(text));
    int rows = 0;
    for (auto _ : state) {
        w.displaySearchResults();
        rows = Probe::model(w)->rowCount();
    }
    state.counters["rows"] = rows;
    setSearch(w, QStringLiteral("Last"), QStringLiteral("Contains"), QString());
}
BENCHMARK_CAPTURE(BM_searchKeystroke, aber, "aber")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_searchKeystroke, ka, "ka")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_searchKeystroke, e, "e")->Unit(benchmark::kMillisecond);

// The statements alone, without the table.
void BM_searchStatements(benchmark::State &state)
{
    database *db = store();
    int rows = 0;
    for (auto _ : state)
        rows =
            RecordSearch::run(db, RecordSearch::Last, RecordSearch::Contains, QStringLiteral("ka"))
                .size();
    state.counters["rows"] = rows;
}
BENCHMARK(BM_searchStatements)->Unit(benchmark::kMillisecond);

// Reading the 100,000 lines into fields and records, without the store.
void BM_parseCsv(benchmark::State &state)
{
    const QString text = csvText();
    for (auto _ : state) {
        QStringList fields;
        int pos = CsvFormat::readLine(text, 0, fields);
        int n = 0;
        databaseEntry e;
        int count = 0;
        while (pos < text.size()) {
            pos = CsvFormat::readRecord(text, pos, e, count);
            n += count > CsvFormat::MinimumFields;
        }
        if (n != Tests)
            state.SkipWithError("wrong number of lines");
    }
}
BENCHMARK(BM_parseCsv)->Unit(benchmark::kMillisecond);

void BM_importCsv(benchmark::State &state)
{
    const QString text = csvText();
    database *db = store();
    int n = 0;
    for (auto _ : state) {
        state.PauseTiming();
        // New on an existing file opens it: the import would add to the last run's tests.
        const QString target = BenchFile::scratch(QStringLiteral("import%1.sqlite").arg(++n));
        QFile::remove(target);
        db->newDatabase(target);
        state.ResumeTiming();
        const CsvFile::ImportResult r = CsvFile::importText(text);
        if (r.imported != Tests)
            state.SkipWithError("not every line imported");
    }
}
BENCHMARK(BM_importCsv)->Unit(benchmark::kMillisecond)->Iterations(2);

void BM_exportLines(benchmark::State &state)
{
    DatabaseFormWidget &w = page();
    setSearch(w, QStringLiteral("Last"), QStringLiteral("Contains"), QString());
    w.displaySearchResults();
    w.findChild<QTableView *>(QStringLiteral("tableDisplay"))->selectAll();
    for (auto _ : state) {
        const QStringList lines = Probe::csvLines(w);
        if (lines.size() != Tests + 1)
            state.SkipWithError("wrong number of lines");
    }
}
BENCHMARK(BM_exportLines)->Unit(benchmark::kMillisecond);

// A refill keeps the selection by test id: with every row selected it must not
// cost more than the fill itself.
void BM_refillWithAllSelected(benchmark::State &state)
{
    DatabaseFormWidget &w = page();
    setSearch(w, QStringLiteral("Last"), QStringLiteral("Contains"), QString());
    w.displaySearchResults();
    w.findChild<QTableView *>(QStringLiteral("tableDisplay"))->selectAll();
    for (auto _ : state) {
        w.displaySearchResults();
        if (Probe::selectedRows(w).size() != Tests)
            state.SkipWithError("selection lost");
    }
}
BENCHMARK(BM_refillWithAllSelected)->Unit(benchmark::kMillisecond);

// The whole export as the window runs it: selected rows straight to the file.
void BM_exportFile(benchmark::State &state)
{
    DatabaseFormWidget &w = page();
    setSearch(w, QStringLiteral("Last"), QStringLiteral("Contains"), QString());
    w.displaySearchResults();
    w.findChild<QTableView *>(QStringLiteral("tableDisplay"))->selectAll();
    const QString name = dir().filePath(QStringLiteral("selected.csv"));
    for (auto _ : state) {
        if (!w.exportCsv(name).ok)
            state.SkipWithError("export failed");
    }
}
BENCHMARK(BM_exportFile)->Unit(benchmark::kMillisecond);

// The lines alone, from records already at hand.
void BM_formatLines(benchmark::State &state)
{
    const QList<databaseEntry> all = store()->getAllTests();
    const QString caps = CapOrder::write(CapOrder::untouched());
    for (auto _ : state) {
        QStringList lines;
        lines.reserve(all.size());
        for (databaseEntry e : all) {
            e.scores = caps;
            lines.append(CsvFormat::recordLine(e, e.tes));
        }
        benchmark::DoNotOptimize(lines.size());
    }
}
BENCHMARK(BM_formatLines)->Unit(benchmark::kMillisecond);

void BM_writeCsvFile(benchmark::State &state)
{
    const QStringList lines = csvText().split(QLatin1Char('\n'));
    const QString name = dir().filePath(QStringLiteral("export.csv"));
    for (auto _ : state) {
        if (!CsvFile::writeLines(name, lines).ok)
            state.SkipWithError("write failed");
    }
}
BENCHMARK(BM_writeCsvFile)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    database::setInitialPath(BenchFile::scratch(QStringLiteral("browser-start.sqlite")));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
