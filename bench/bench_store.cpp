// The load of all tests against a plain walk over the same joined query.
#include "caporder.h"
#include "database.h"

#include <QCoreApplication>
#include <QRandomGenerator>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QVariant>
#include <algorithm>
#include <benchmark/benchmark.h>

namespace {

constexpr int Tests = 100000;

void fill(database *db)
{
    QSqlDatabase conn = db->currentConnection();
    conn.transaction();
    QRandomGenerator rng(7);
    for (int i = 0; i < Tests; ++i) {
        QVector<int> caps = CapOrder::untouched();
        // A few local swaps so the scores are not all the same.
        for (int s = 0; s < 6; ++s) {
            const int p = int(rng.bounded(84));
            std::swap(caps[p], caps[p + 1]);
        }
        const QString n = QString::number(i);
        const int user = db->insertUser(
            QLatin1String("First") + n, QStringLiteral("M"), QLatin1String("Last") + n, n,
            QStringLiteral("01/02/1980"), QStringLiteral("Female"), QStringLiteral("Europe"),
            QStringLiteral("Food"), QStringLiteral("3 - 5 years"), QStringLiteral("Creative"));
        db->insertTest(user, QStringLiteral("D65"), QStringLiteral("03/04/2025"),
                       QStringLiteral("comment"), CapOrder::write(caps), QStringLiteral("1234"),
                       QStringLiteral("12"));
    }
    conn.commit();
}

database *store()
{
    static QTemporaryDir dir;
    static database *db = [] {
        database::setInitialPath(dir.filePath(QStringLiteral("bench.sqlite")));
        database *d = database::instance();
        fill(d);
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
        if (all.size() != Tests)
            state.SkipWithError("wrong number of tests");
    }
    state.SetItemsProcessed(state.iterations() * Tests);
}
BENCHMARK(BM_getAllTests)->Unit(benchmark::kMillisecond);

// Baseline: step through the same joined query and read every column as text.
void BM_joinedQueryBaseline(benchmark::State &state)
{
    database *db = store();
    for (auto _ : state) {
        QSqlQuery q(db->currentConnection());
        q.setForwardOnly(true);
        q.exec(QStringLiteral(
            "SELECT tests.* , users.* FROM tests INNER JOIN users ON tests.userID = users.id"));
        int rows = 0;
        qsizetype chars = 0;
        while (q.next()) {
            for (int c = 0; c < 19; ++c)
                chars += q.value(c).toString().size();
            ++rows;
        }
        benchmark::DoNotOptimize(chars);
        if (rows != Tests)
            state.SkipWithError("wrong number of rows");
    }
    state.SetItemsProcessed(state.iterations() * Tests);
}
BENCHMARK(BM_joinedQueryBaseline)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
