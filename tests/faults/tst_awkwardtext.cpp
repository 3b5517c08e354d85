#include "caporder.h"
#include "csvfile.h"
#include "csvformat.h"
#include "database.h"
#include "databaseformwidget.h"
#include "faultfiles.h"
#include "pageprobe.h"
#include "recordsearch.h"
#include "testsupport.h"
#include "testtablemodel.h"

#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QTableView>
#include <QtTest>

// Text that would break a statement built by pasting (quotes, semicolons, SQL
// keywords), that LIKE or GLOB treat as wildcards, and names beyond ASCII: each
// is stored, found and exported exactly as typed.
class TestAwkwardText : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void storedUnchanged();
    void foundBySearch_data();
    void foundBySearch();
    void exportedAndImportedUnchanged();

private:
    QList<databaseEntry> awkward;
};

using Probe = DatabaseFormWidgetProbe;

namespace {

databaseEntry entry(const QString &first, const QString &middle, const QString &last,
                    const QString &refNum, const QString &comments, int swap)
{
    databaseEntry e = TestSupport::sampleEntry(
        first, last, TestSupport::swapped(CapOrder::untouched(), swap, swap + 1));
    e.middle = middle;
    e.refNum = refNum;
    e.comments = comments;
    return e;
}

QStringList firstNames(const TestTableModel *model)
{
    QStringList names;
    for (int r = 0; r < model->rowCount(); ++r)
        names.append(model->entry(r).first);
    names.sort();
    return names;
}

QStringList sorted(QStringList l)
{
    l.sort();
    return l;
}

// The sixteen texts a test carries, in the order of a CSV line.
QStringList fieldsOf(const databaseEntry &e)
{
    return {e.first,        e.middle,   e.last,     e.refNum,   e.DOB,
            e.testDate,     e.time,     e.comments, e.gender,   e.experience,
            e.illumination, e.industry, e.job,      e.location, e.serialNum};
}

} // namespace

void TestAwkwardText::initTestCase()
{
    TestSupport::useFreshDatabase(QStringLiteral("awkward.sqlite"));
    awkward = {
        entry(QStringLiteral("O'Brien"), QStringLiteral("\"Bo\""),
              QStringLiteral("D'Arcy \"the 2nd\""), QStringLiteral("R-'1'"),
              QStringLiteral("She said \"it's fine\" ''"), 1),
        entry(QStringLiteral("Robert'); DROP TABLE users;--"), QString(), QStringLiteral("Tables"),
              QStringLiteral("1' OR '1'='1"), QStringLiteral(";;; DELETE FROM tests; --"), 5),
        entry(QStringLiteral("Per"), QStringLiteral("Cent"), QStringLiteral("100%_done"),
              QStringLiteral("%"), QStringLiteral("50% of 10_000"), 9),
        entry(QStringLiteral("St*r"), QStringLiteral("Qu?"), QStringLiteral("[Brackets]"),
              QStringLiteral("[!x]"), QStringLiteral("a*b?c[d-f]^"), 13),
        entry(QStringLiteral("Zo\u00eb"), QStringLiteral("\u00d8re"),
              QStringLiteral("\u00c5ngstr\u00f6m-\u0141ukasiewicz"), QStringLiteral("\u2116 5"),
              QStringLiteral("\u5c71\u7530 \u592a\u90ce \U0001F600 \u00df"), 17),
        entry(QStringLiteral("Line"), QStringLiteral("M"), QStringLiteral("Smith, Jr."),
              QStringLiteral("a,b"), QStringLiteral("first line,\nsecond; line\r\nthird"), 21),
    };
    for (databaseEntry &e : awkward) {
        const int id = TestSupport::storeEntry(e);
        QVERIFY(id > 0);
        e.testID = QString::number(id);
    }
}

void TestAwkwardText::storedUnchanged()
{
    database *store = database::instance();
    const QList<databaseEntry> all = store->getAllTests();
    QCOMPARE(all.size(), awkward.size());
    for (int i = 0; i < awkward.size(); ++i) {
        QCOMPARE(all.at(i).testID, awkward.at(i).testID);
        QCOMPARE(fieldsOf(all.at(i)), fieldsOf(awkward.at(i)));
        QCOMPARE(store->getScores(awkward.at(i).testID), awkward.at(i).scores);
    }
}

void TestAwkwardText::foundBySearch_data()
{
    QTest::addColumn<int>("criterion");
    QTest::addColumn<int>("method");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("found"); // first names

    const QString robert = QStringLiteral("Robert'); DROP TABLE users;--");
    const QString zoe = QStringLiteral("Zo\u00eb");
    using R = RecordSearch;
    QTest::newRow("quotes, exactly")
        << int(R::Last) << int(R::IsExactly) << QStringLiteral("D'Arcy \"the 2nd\"")
        << QStringList{QStringLiteral("O'Brien")};
    QTest::newRow("double quotes alone")
        << int(R::Middle) << int(R::IsExactly) << QStringLiteral("\"Bo\"")
        << QStringList{QStringLiteral("O'Brien")};
    QTest::newRow("statement in a name")
        << int(R::First) << int(R::IsExactly) << robert << QStringList{robert};
    QTest::newRow("always-true condition") << int(R::ReferenceNumber) << int(R::Contains)
                                           << QStringLiteral("' OR '") << QStringList{robert};
    QTest::newRow("semicolons") << int(R::Comments) << int(R::Contains)
                                << QStringLiteral("DELETE FROM tests;") << QStringList{robert};
    // Percent and underscore are plain characters here, not LIKE's wildcards.
    QTest::newRow("percent") << int(R::Comments) << int(R::Contains) << QStringLiteral("%")
                             << QStringList{QStringLiteral("Per")};
    QTest::newRow("percent and underscore")
        << int(R::Last) << int(R::Contains) << QStringLiteral("0%_d")
        << QStringList{QStringLiteral("Per")};
    QTest::newRow("underscore is no wildcard")
        << int(R::Last) << int(R::IsExactly) << QStringLiteral("100%_don_") << QStringList{};
    // GLOB characters typed by the examiner act as wildcards, and bracket
    // classes let a literal star or bracket be found.
    QTest::newRow("question mark")
        << int(R::First) << int(R::BeginsWith) << QStringLiteral("?o") << sorted({robert, zoe});
    QTest::newRow("literal star") << int(R::First) << int(R::Contains) << QStringLiteral("[*]")
                                  << QStringList{QStringLiteral("St*r")};
    QTest::newRow("literal bracket")
        << int(R::Last) << int(R::BeginsWith) << QStringLiteral("[[]Br")
        << QStringList{QStringLiteral("St*r")};
    QTest::newRow("unclosed bracket")
        << int(R::Last) << int(R::Contains) << QStringLiteral("[") << QStringList{};
    QTest::newRow("non-ASCII name")
        << int(R::Last) << int(R::IsExactly)
        << QStringLiteral("\u00c5ngstr\u00f6m-\u0141ukasiewicz") << QStringList{zoe};
    QTest::newRow("non-ASCII beginning")
        << int(R::First) << int(R::EndsWith) << QStringLiteral("\u00eb") << QStringList{zoe};
    QTest::newRow("emoji in comments")
        << int(R::Comments) << int(R::Contains) << QStringLiteral("\U0001F600") << QStringList{zoe};
    QTest::newRow("comma in a name")
        << int(R::Last) << int(R::IsExactly) << QStringLiteral("Smith, Jr.")
        << QStringList{QStringLiteral("Line")};
}

void TestAwkwardText::foundBySearch()
{
    QFETCH(int, criterion);
    QFETCH(int, method);
    QFETCH(QString, text);
    QFETCH(QStringList, found);

    DatabaseFormWidget page;
    auto *criteria = page.findChild<QComboBox *>(QStringLiteral("searchCriteria"));
    auto *methods = page.findChild<QComboBox *>(QStringLiteral("searchMethod"));
    auto *search = page.findChild<QLineEdit *>(QStringLiteral("dbSearch"));
    QVERIFY(criteria && methods && search);
    criteria->setCurrentIndex(criterion);
    methods->setCurrentIndex(method);
    search->setText(text);
    page.displaySearchResults();
    QCOMPARE(firstNames(Probe::model(page)), found);

    // The search ran no text as a statement: every table and row is still there.
    QCOMPARE(database::instance()->getAllTests().size(), awkward.size());
}

void TestAwkwardText::exportedAndImportedUnchanged()
{
    DatabaseFormWidget page;
    page.clearSearchClick();
    QCOMPARE(Probe::model(page)->rowCount(), awkward.size());
    auto *table = page.findChild<QTableView *>(QStringLiteral("tableDisplay"));
    QVERIFY(table);
    table->selectAll();
    page.selectionChanged();
    QCOMPARE(Probe::selectedRows(page).size(), awkward.size());

    const QString file = QDir(TestSupport::tempDir()).filePath(QStringLiteral("awkward.csv"));
    const CsvFile::WriteResult written = CsvFile::writeLines(file, Probe::csvLines(page));
    QVERIFY2(written.ok, qPrintable(written.error));
    QCOMPARE(written.fileName, file);

    // Every field of every line reads back as stored, whatever it holds.
    const QString text = CsvFile::decode(FaultFiles::readFile(file));
    QStringList fields;
    int pos = CsvFormat::readLine(text, 0, fields);
    QCOMPARE(fields.join(QLatin1Char(',')), CsvFormat::headerLine());
    QMap<QString, databaseEntry> byFirst;
    for (const databaseEntry &e : qAsConst(awkward))
        byFirst.insert(e.first, e);
    int lines = 0;
    while (pos < text.size()) {
        pos = CsvFormat::readLine(text, pos, fields);
        QVERIFY(byFirst.contains(fields.value(0)));
        const databaseEntry &e = byFirst.value(fields.value(0));
        QCOMPARE(fields.mid(0, 15), fieldsOf(e));
        QCOMPARE(CapOrder::read(CsvFormat::recordFromFields(fields).scores),
                 CapOrder::read(e.scores));
        ++lines;
    }
    QCOMPARE(lines, awkward.size());

    // Into another file and back out of it: the same tests.
    TestSupport::useFreshDatabase(QStringLiteral("reimported.sqlite"));
    const CsvFile::ImportResult imported = CsvFile::importFile(file);
    QVERIFY2(imported.ok, qPrintable(imported.error));
    QCOMPARE(imported.imported, awkward.size());
    database *store = database::instance();
    const QList<databaseEntry> all = store->getAllTests();
    QCOMPARE(all.size(), awkward.size());
    for (const databaseEntry &e : all) {
        const databaseEntry &original = byFirst.value(e.first);
        QCOMPARE(fieldsOf(e), fieldsOf(original));
        QCOMPARE(CapOrder::read(store->getScores(e.testID)), CapOrder::read(original.scores));
        QCOMPARE(e.tes, database::calcTES(original.scores));
    }
}

QTEST_MAIN(TestAwkwardText)
#include "tst_awkwardtext.moc"
