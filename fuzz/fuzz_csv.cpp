// Comma-separated files: the import's line reader and the export's line writer.
#include "csvfile.h"
#include "csvformat.h"
#include "fuzzcheck.h"

namespace {

// Whatever the fields hold, a written line reads back as the same fields.
void checkRoundTrip(const QString &text)
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
    e.scores = text.mid(16 * step);

    const QString line = CsvFormat::recordLine(e, tes);
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
        pos = next;
    }

    checkRoundTrip(text);
    return 0;
}
