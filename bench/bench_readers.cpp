// The readers of the two older record files, a CSV line and the import of cap sets
// over growing inputs: the time per byte must stay flat (complexity O(n)).
#include "csvformat.h"
#include "database.h"
#include "hdbreader.h"
#include "legacyimport.h"
#include "vktreader.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

QByteArray vktFile(int dictionaries)
{
    QByteArray file;
    for (int i = 0; i < VktReader::HeaderLines; ++i)
        file.append("header\r");
    for (int i = 0; i < dictionaries; ++i) {
        file.append("\t<dict>\r\t\t<key>FirstName</key>\r\t\t<string>Ann</string>\r"
                    "\t\t<key>LastName</key>\r\t\t<string>Lee</string>\r"
                    "\t\t<key>SerialNumber</key>\r\t\t<string>SN-");
        file.append(QByteArray::number(i));
        file.append("</string>\r\t\t<key>PurchaseDate</key>\r\t\t<date>2010</date>\r"
                    "\t\t<key>CapOrder</key>\r\t\t<string>85, 1, 2, 3, 4, 5</string>\r"
                    "\t</dict>\r\t<key>next</key>\r");
    }
    return file;
}

void BM_vktRead(benchmark::State &state)
{
    const QByteArray file = vktFile(int(state.range(0)));
    for (auto _ : state) {
        const VktReader::Content c = VktReader::read(file);
        if (c.tests.size() != state.range(0))
            state.SkipWithError("wrong number of tests");
        benchmark::DoNotOptimize(c.capSets.size());
    }
    state.SetBytesProcessed(state.iterations() * file.size());
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_vktRead)->RangeMultiplier(4)->Range(1 << 10, 1 << 16)->Complexity(benchmark::oN);

void BM_hdbRead(benchmark::State &state)
{
    QByteArray record(HdbReader::RecordStride, '\0');
    record.replace(HdbReader::LastOffset, 3, "Lee");
    for (int slot = 0; slot < HdbReader::CapSlots; ++slot)
        record[HdbReader::CapsOffset + 2 * slot] = char(slot + 1);
    QByteArray file;
    for (int i = 0; i < state.range(0); ++i)
        file.append(record);
    for (auto _ : state) {
        const QList<databaseEntry> records = HdbReader::read(file);
        if (records.size() != state.range(0))
            state.SkipWithError("wrong number of records");
    }
    state.SetBytesProcessed(state.iterations() * file.size());
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_hdbRead)->RangeMultiplier(4)->Range(1 << 10, 1 << 16)->Complexity(benchmark::oN);

// A line of nothing but commas: every piece from the cap-order field on joins the
// cap order. A reader that copied its growing result per piece took minutes.
void BM_csvLineOfManyFields(benchmark::State &state)
{
    const QString line(int(state.range(0)), QLatin1Char(','));
    for (auto _ : state) {
        databaseEntry e;
        int fields = 0;
        if (CsvFormat::readRecord(line, 0, e, fields) != line.size() || fields != line.size() + 1) {
            state.SkipWithError("line not read whole");
            break;
        }
        benchmark::DoNotOptimize(e.scores.size());
    }
    state.SetBytesProcessed(state.iterations() * line.size() * qint64(sizeof(QChar)));
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_csvLineOfManyFields)
    ->RangeMultiplier(8)
    ->Range(1 << 12, 1 << 21)
    ->Complexity(benchmark::oN);

// A file of nothing but new cap sets imported into an empty store: each is checked
// against those registered by a look-up, not a walk through every earlier one.
void BM_vktImportCapSets(benchmark::State &state)
{
    static QTemporaryDir dir;
    QByteArray file = QByteArray("header\r").repeated(VktReader::HeaderLines);
    for (int i = 0; i < state.range(0); ++i)
        file.append("<dict>\r<key>SerialNumber</key>\r<string>")
            .append(QByteArray::number(i))
            .append("</string>\r<key>PurchaseDate</key>\r<date>2010</date>\r</dict>\r");
    const QString path = dir.filePath(QStringLiteral("capsets.vkt"));
    QFile out(path);
    if (!out.open(QIODevice::WriteOnly) || out.write(file) != file.size())
        state.SkipWithError("cannot write the file");
    out.close();
    static int round = 0; // a new store for every run
    for (auto _ : state) {
        state.PauseTiming();
        const QString store = dir.filePath(QStringLiteral("capsets-%1.sqlite").arg(++round));
        database::instance()->newDatabase(store);
        database::instance()->openDatabase(store);
        state.ResumeTiming();
        const LegacyImport::Result r = LegacyImport::importVKT(path);
        if (r.capSets != state.range(0)) {
            state.SkipWithError(r.ok ? "not every cap set stored" : qPrintable(r.error));
            break;
        }
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_vktImportCapSets)
    ->RangeMultiplier(4)
    ->Range(1 << 10, 1 << 16)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    database::setInitialPath(dir.filePath(QStringLiteral("start.sqlite")));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
