// The readers of the two older record files over growing inputs: the time per byte
// must stay flat (complexity O(n)).
#include "hdbreader.h"
#include "vktreader.h"

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

} // namespace

BENCHMARK_MAIN();
