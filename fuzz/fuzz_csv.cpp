// Comma-separated files: the import's line reader and the export's line writer.
#include "caporder.h"
#include "csvfile.h"
#include "csvformat.h"
#include "fuzzcheck.h"
#include "fuzzstore.h"

namespace {

// Whether a line of the text, read on its own, holds a whole test of the older
// form; the last line only when `includingLast`. A quoted field never runs over
// such a line, so a written record holding one may read back otherwise.
bool holdsOlderTest(const QString &text, bool includingLast)
{
    int start = 0;
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c != QLatin1Char('\n') && c != QLatin1Char('\r'))
            continue;
        if (CsvFormat::lineHoldsTest(text, start))
            return true;
        if (c == QLatin1Char('\r') && i + 1 < text.size() && text.at(i + 1) == QLatin1Char('\n'))
            ++i;
        start = i + 1;
    }
    return includingLast && CsvFormat::lineHoldsTest(text, start);
}

// Whatever the fields hold, a written line reads back as the same fields.
void checkRoundTrip(const QString &text, bool validCapOrder)
{
    databaseEntry e;
    QString *const fields[] = {&e.first,  &e.middle,     &e.last,         &e.refNum,
                               &e.DOB,    &e.testDate,   &e.time,         &e.comments,
                               &e.gender, &e.experience, &e.illumination, &e.industry,
                               &e.job,    &e.location,   &e.serialNum};
    const int parts = 17;
    const int step = text.size() / parts;
    for (int i = 0; i < 15; ++i)
        *fields[i] = text.mid(i * step, step);
    const QString tes = text.mid(15 * step, step);
    e.scores = validCapOrder ? CapOrder::write(CapOrder::untouched()) : text.mid(16 * step);

    const QString line = CsvFormat::recordLine(e, tes);
    // With a cap order of the fuzzer's own, only a record that holds no line
    // that could be an older test is sure to read back.
    if (holdsOlderTest(line, !validCapOrder))
        return;
    QStringList read;
    FUZZ_CHECK(CsvFormat::readLine(line, 0, read) == line.size());
    FUZZ_CHECK(read.size() >= 17);
    for (int i = 0; i < 15; ++i)
        FUZZ_CHECK(read.at(i) == *fields[i]);
    FUZZ_CHECK(read.at(15) == tes);
    const databaseEntry back = CsvFormat::recordFromFields(read);
    FUZZ_CHECK(back.scores == e.scores + QLatin1String(",,"));
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    FuzzStore::init(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // Odd first byte: a file's bytes as the import decodes them; even: any UTF-16.
    const QString text =
        size > 0 && (data[0] & 1)
            ? CsvFile::decode(QByteArray(reinterpret_cast<const char *>(data) + 1, int(size - 1)))
            : FuzzInput::text(data, size);

    // The import's walk over the lines: every step moves on and stays inside the text,
    // and both ways of reading a line agree.
    const int textSize = text.size();
    int pos = 0;
    int records = 0;
    int tests = 0; // records after the header with the fields of a test
    while (pos < textSize) {
        QStringList fields;
        const int next = CsvFormat::readLine(text, pos, fields);
        FUZZ_CHECK(next > pos && next <= textSize);
        FUZZ_CHECK(!fields.isEmpty());

        databaseEntry e;
        int fieldCount = 0;
        FUZZ_CHECK(CsvFormat::readRecord(text, pos, e, fieldCount) == next);
        FUZZ_CHECK(fieldCount == fields.size());
        FUZZ_CHECK(e == CsvFormat::recordFromFields(fields));
        if (records++ > 0 && fieldCount >= CsvFormat::MinimumFields)
            ++tests;
        pos = next;
    }

    // The import stores every test of the text, and says so.
    const int before = FuzzStore::tests();
    const CsvFile::ImportResult r = CsvFile::importText(text);
    FUZZ_CHECK(r.ok);
    FUZZ_CHECK(r.imported == tests);
    FUZZ_CHECK(FuzzStore::count("tests") - before == tests);

    checkRoundTrip(text, false);
    checkRoundTrip(text, true);
    return 0;
}
