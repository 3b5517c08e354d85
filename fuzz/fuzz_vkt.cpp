// Property-list files of the second database version.
#include "fuzzcheck.h"
#include "fuzzstore.h"
#include "legacyimport.h"
#include "vktreader.h"

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    FuzzStore::init(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), int(size));
    const VktReader::Content content = VktReader::read(bytes);

    // A test comes only from a dictionary that was closed. The whole file counts: a
    // zero byte ends nothing.
    const QStringList lines =
        VktReader::splitLines(QString::fromUtf8(bytes.constData(), bytes.size()));
    int closings = 0;
    for (int i = VktReader::HeaderLines; i < lines.size(); ++i) {
        if (QString(lines.at(i)).remove(QLatin1Char('\t')) == QLatin1String("</dict>"))
            ++closings;
    }
    FUZZ_CHECK(content.tests.size() <= closings);
    FUZZ_CHECK(content.capSets.size() <= closings);

    // Cap sets: each serial number once, in ascending text order, with a date.
    for (int i = 0; i < content.capSets.size(); ++i) {
        FUZZ_CHECK(!content.capSets.at(i).serialNum.isEmpty());
        FUZZ_CHECK(!content.capSets.at(i).purchaseDate.isEmpty());
        if (i > 0)
            FUZZ_CHECK(content.capSets.at(i - 1).serialNum < content.capSets.at(i).serialNum);
    }

    // Coded fields hold a word of their table or nothing.
    static const QStringList genders{QStringLiteral("Unspecified"), QStringLiteral("Female"),
                                     QStringLiteral("Male")};
    for (const databaseEntry &e : content.tests) {
        FUZZ_CHECK(e.gender.isEmpty() || genders.contains(e.gender));
        FUZZ_CHECK(e.testID.isEmpty() && e.tes.isEmpty());
    }

    // The import stores every test the file holds, and the cap sets not yet registered;
    // a file with neither is refused, and says so.
    const int before = FuzzStore::tests();
    const int capSetsBefore = FuzzStore::count("serialNums");
    const LegacyImport::Result r = LegacyImport::importVKT(FuzzStore::file(bytes));
    FUZZ_CHECK(r.ok == (!content.tests.isEmpty() || !content.capSets.isEmpty()));
    FUZZ_CHECK(r.ok || !r.error.isEmpty());
    FUZZ_CHECK(r.tests == content.tests.size());
    FUZZ_CHECK(FuzzStore::count("tests") - before == r.tests);
    FUZZ_CHECK(r.capSets <= content.capSets.size());
    FUZZ_CHECK(FuzzStore::count("serialNums") - capSetsBefore == r.capSets);
    return 0;
}
