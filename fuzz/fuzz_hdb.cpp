// Files of the first database version: fixed-layout records found by scanning.
#include "caporder.h"
#include "fuzzcheck.h"
#include "fuzzstore.h"
#include "hdbreader.h"
#include "legacyimport.h"

#include <algorithm>
#include <numeric>

namespace {

// Text of a field up to its first zero: no control character but tab and line breaks.
bool plainText(const QString &field)
{
    const QString text = field.left(field.indexOf(QChar(0)));
    return std::none_of(text.cbegin(), text.cend(), [](QChar c) {
        return (c.unicode() < 0x20 && c != QLatin1Char('\t') && c != QLatin1Char('\r') &&
                c != QLatin1Char('\n')) ||
               c.unicode() == 0x7f || c == QChar::ReplacementCharacter;
    });
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    FuzzStore::init(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), int(size));
    int skipped = 0;
    const QList<databaseEntry> records = HdbReader::read(bytes, &skipped);

    // Records never overlap, and each one lies wholly inside the data.
    FUZZ_CHECK(records.size() <= (bytes.size() + 1) / HdbReader::RecordStride);
    FUZZ_CHECK(skipped >= 0 && skipped <= bytes.size() / HdbReader::RecordStride + 1);

    // Random bytes yield no record: each one holds caps 1 to 84 once each after cap 85,
    // and text in its text fields.
    QVector<int> all(84);
    std::iota(all.begin(), all.end(), 1);
    for (const databaseEntry &e : records) {
        QVector<int> caps = CapOrder::read(e.scores);
        FUZZ_CHECK(caps.size() == CapOrder::Positions && caps.at(0) == 85);
        caps.removeFirst();
        std::sort(caps.begin(), caps.end());
        FUZZ_CHECK(caps == all);
        for (const QString *field :
             {&e.last, &e.first, &e.middle, &e.refNum, &e.DOB, &e.testDate, &e.comments})
            FUZZ_CHECK(plainText(*field));
        FUZZ_CHECK(e.testID.isEmpty() && e.tes.isEmpty() && e.gender.isEmpty());
    }

    // The scan by itself: a letter where a record fits and is one starts it; the
    // scan goes on one byte further after any other letter.
    int i = 0;
    int n = 0;
    while (i < bytes.size()) {
        if (!HdbReader::startsRecord(bytes.at(i)) || bytes.size() - i < HdbReader::RecordSize ||
            !HdbReader::isRecord(bytes, i)) {
            ++i;
            continue;
        }
        FUZZ_CHECK(n < records.size());
        const databaseEntry &e = records.at(n);
        FUZZ_CHECK(e.last == QString::fromUtf8(bytes.constData() + i, HdbReader::NameWidth));
        FUZZ_CHECK(e.time == QString::number(static_cast<signed char>(bytes.at(i + 100))));
        const QVector<int> caps = CapOrder::read(e.scores);
        for (int slot = 0; slot < HdbReader::CapSlots; ++slot) {
            const int offset = i + HdbReader::CapsOffset + 2 * slot;
            FUZZ_CHECK(caps.at(slot + 1) == static_cast<signed char>(bytes.at(offset)));
        }
        ++n;
        i += HdbReader::RecordStride;
    }
    FUZZ_CHECK(n == records.size());

    // The import stores every record read, or refuses a file without one and stores
    // nothing. Most inputs hold no record; a sample of those keeps the reader's pace up.
    static unsigned calls = 0;
    if (records.isEmpty() && calls++ % 64 != 0)
        return 0;
    const int before = FuzzStore::tests();
    const LegacyImport::Result r = LegacyImport::importHDB(FuzzStore::file(bytes));
    const int added = FuzzStore::count("tests") - before;
    FUZZ_CHECK(r.ok == !records.isEmpty());
    FUZZ_CHECK(r.tests == (r.ok ? records.size() : 0));
    FUZZ_CHECK(added == r.tests);
    FUZZ_CHECK(r.skipped == skipped);
    return 0;
}
