// veskora-cli end to end, as a script runs it: a separate process over files on disk.
//   score  of 100,000 arrangements from a CSV file, with JSON output (goal: under 2 s)
//   report of 100 stored tests into one PDF                          (goal: 20 pages/s or more)
//   import of 100,000 CSV lines into a new database file              (goal: under 5 s)
#include "caporder.h"
#include "csvformat.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

QTemporaryDir &folder()
{
    static QTemporaryDir dir;
    return dir;
}

// Every cap stays in its tray, shuffled a little, as real arrangements are.
QVector<int> arrangement(QRandomGenerator &rng)
{
    QVector<int> caps = CapOrder::untouched();
    for (int swaps = 0; swaps < 6; ++swaps) {
        const int tray = int(rng.bounded(4));
        const int at = CapOrder::trayStart(tray) + int(rng.bounded(CapOrder::traySize(tray) - 1));
        std::swap(caps[at], caps[at + 1]);
    }
    return caps;
}

// An exported CSV file of n tests; made once per size.
QString csvFile(int n)
{
    const QString name = folder().filePath(QStringLiteral("tests-%1.csv").arg(n));
    if (QFile::exists(name))
        return name;
    QRandomGenerator rng(n);
    QFile file(name);
    if (!file.open(QIODevice::WriteOnly))
        qFatal("cannot write %s", qPrintable(name));
    file.write(CsvFormat::headerLine().toUtf8() + '\n');
    databaseEntry e;
    e.middle = QStringLiteral("M");
    e.DOB = QStringLiteral("01/02/1980");
    e.testDate = QStringLiteral("03/04/2025");
    e.time = QStringLiteral("12");
    e.comments = QStringLiteral("screening");
    e.gender = QStringLiteral("Female");
    e.illumination = QStringLiteral("D65");
    e.serialNum = QStringLiteral("SN-1");
    for (int i = 0; i < n; ++i) {
        e.first = QStringLiteral("Subject%1").arg(i);
        e.last = QStringLiteral("Family%1").arg(i % 997);
        e.refNum = QString::number(100000 + i);
        e.scores = CapOrder::write(arrangement(rng));
        file.write(CsvFormat::recordLine(e, QString()).toUtf8() + '\n');
    }
    return name;
}

void cli(benchmark::State &state, const QStringList &args)
{
    QProcess p;
    p.setStandardOutputFile(QProcess::nullDevice());
    p.start(QStringLiteral(VK_CLI_PATH), args);
    if (!p.waitForFinished(600000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        state.SkipWithError(p.readAllStandardError().constData());
}

void BM_cliScoreJson(benchmark::State &state)
{
    const QString csv = csvFile(int(state.range(0)));
    for (auto _ : state)
        cli(state, {QStringLiteral("score"), QStringLiteral("--json"), csv});
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_cliScoreJson)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(3);

void BM_cliReport(benchmark::State &state)
{
    const int pages = int(state.range(0));
    const QString db = folder().filePath(QStringLiteral("report.sqlite"));
    if (!QFile::exists(db))
        cli(state, {QStringLiteral("import"), QStringLiteral("--db"), db, csvFile(pages)});
    const QString pdf = folder().filePath(QStringLiteral("report.pdf"));
    for (auto _ : state)
        cli(state,
            {QStringLiteral("report"), QStringLiteral("--db"), db, QStringLiteral("-o"), pdf});
    state.counters["pages_per_second"] =
        benchmark::Counter(double(state.iterations() * pages), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_cliReport)->Arg(100)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

void BM_cliImport(benchmark::State &state)
{
    const QString csv = csvFile(int(state.range(0)));
    const QString db = folder().filePath(QStringLiteral("import.sqlite"));
    for (auto _ : state) {
        state.PauseTiming();
        QFile::remove(db);
        state.ResumeTiming();
        cli(state, {QStringLiteral("import"), QStringLiteral("--db"), db, csv});
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_cliImport)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
