// The load of all tests against plain reads of the same joined rows, and copying the
// file with Save As. The file: BenchFile (VK_BENCH_TESTS tests, 100,000 by default).
#include "benchfile.h"
#include "database.h"

#include <QCoreApplication>
#include <QFile>
#include <QSqlQuery>
#include <QVariant>
#include <benchmark/benchmark.h>
#include <sqlite3.h>

namespace {

const char *const JoinedRows =
    "SELECT tests.* , users.* FROM tests INNER JOIN users ON tests.userID = users.id";

database *store()
{
    static database *db = [] {
        database *d = database::instance();
        d->openDatabase(BenchFile::path(BenchFile::tests()));
        return d;
    }();
    return db;
}

void BM_getAllTests(benchmark::State &state)
{
    database *db = store();
    for (auto _ : state) {
        const QList<databaseEntry> all = db->getAllTests();
        benchmark::DoNotOptimize(all.size());
        if (all.size() != BenchFile::tests())
            state.SkipWithError("wrong number of tests");
    }
    state.SetItemsProcessed(state.iterations() * BenchFile::tests());
}
BENCHMARK(BM_getAllTests)->Unit(benchmark::kMillisecond);

// Baseline through Qt: step through the same joined query and read every column as text.
void BM_joinedRowsQSqlQuery(benchmark::State &state)
{
    database *db = store();
    for (auto _ : state) {
        QSqlQuery q(db->currentConnection());
        q.setForwardOnly(true);
        q.exec(QLatin1String(JoinedRows));
        int rows = 0;
        qsizetype chars = 0;
        while (q.next()) {
            for (int c = 0; c < 19; ++c)
                chars += q.value(c).toString().size();
            ++rows;
        }
        benchmark::DoNotOptimize(chars);
        if (rows != BenchFile::tests())
            state.SkipWithError("wrong number of rows");
    }
    state.SetItemsProcessed(state.iterations() * BenchFile::tests());
}
BENCHMARK(BM_joinedRowsQSqlQuery)->Unit(benchmark::kMillisecond);

// Baseline without Qt: the SQLite C API on a connection of its own, every column's
// text touched where SQLite holds it.
void BM_joinedRowsSqliteCApi(benchmark::State &state)
{
    sqlite3 *db = nullptr;
    if (sqlite3_open_v2(QFile::encodeName(store()->path()).constData(), &db, SQLITE_OPEN_READONLY,
                        nullptr) != SQLITE_OK) {
        state.SkipWithError("cannot open");
        sqlite3_close(db);
        return;
    }
    for (auto _ : state) {
        sqlite3_stmt *stmt = nullptr;
        sqlite3_prepare_v2(db, JoinedRows, -1, &stmt, nullptr);
        int rows = 0;
        qint64 bytes = 0;
        while (sqlite3_step(stmt) == SQLITE_ROW) {
            for (int c = 0; c < 19; ++c) {
                const unsigned char *text = sqlite3_column_text(stmt, c);
                bytes += sqlite3_column_bytes(stmt, c) + (text ? text[0] : 0);
            }
            ++rows;
        }
        sqlite3_finalize(stmt);
        benchmark::DoNotOptimize(bytes);
        if (rows != BenchFile::tests())
            state.SkipWithError("wrong number of rows");
    }
    sqlite3_close(db);
    state.SetItemsProcessed(state.iterations() * BenchFile::tests());
}
BENCHMARK(BM_joinedRowsSqliteCApi)->Unit(benchmark::kMillisecond);

// File ▸ Save As: every test, the settings and the cap sets into a new file.
void BM_saveDatabaseAs(benchmark::State &state)
{
    database *db = store();
    const QString target = BenchFile::scratch(QStringLiteral("saved-as.sqlite"));
    for (auto _ : state) {
        state.PauseTiming();
        QFile::remove(target);
        db->openDatabase(BenchFile::path(BenchFile::tests()));
        state.ResumeTiming();
        if (!db->saveDatabaseAs(target))
            state.SkipWithError("Save As failed");
    }
    db->openDatabase(BenchFile::path(BenchFile::tests()));
}
BENCHMARK(BM_saveDatabaseAs)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    database::setInitialPath(BenchFile::scratch(QStringLiteral("store-start.sqlite")));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
