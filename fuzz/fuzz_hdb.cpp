// Files of the first database version: fixed-layout records found by scanning.
#include "caporder.h"
#include "fuzzcheck.h"
#include "hdbreader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), int(size));
    const QList<databaseEntry> records = HdbReader::read(bytes);

    // Records never overlap, and each one lies wholly inside the data.
    FUZZ_CHECK(records.size() <= (bytes.size() + 1) / HdbReader::RecordStride);

    // The scan by itself: where each record must start.
    int i = 0;
    int n = 0;
    while (i < bytes.size()) {
        if (!HdbReader::startsRecord(bytes.at(i))) {
            ++i;
            continue;
        }
        if (bytes.size() - i < HdbReader::RecordSize)
            break;
        FUZZ_CHECK(n < records.size());
        const databaseEntry &e = records.at(n);
        FUZZ_CHECK(e.last == QString::fromUtf8(bytes.constData() + i, HdbReader::NameWidth));
        FUZZ_CHECK(e.time == QString::number(static_cast<signed char>(bytes.at(i + 100))));
        // Cap 85 in position 0, then one value per slot: always a full arrangement.
        const QVector<int> caps = CapOrder::read(e.scores);
        FUZZ_CHECK(caps.size() == CapOrder::Positions);
        FUZZ_CHECK(caps.at(0) == 85);
        for (int slot = 0; slot < HdbReader::CapSlots; ++slot) {
            const int offset = i + HdbReader::CapsOffset + 2 * slot;
            FUZZ_CHECK(caps.at(slot + 1) == static_cast<signed char>(bytes.at(offset)));
        }
        FUZZ_CHECK(e.testID.isEmpty() && e.tes.isEmpty() && e.gender.isEmpty());
        ++n;
        i += HdbReader::RecordStride;
    }
    FUZZ_CHECK(n == records.size());
    return 0;
}
