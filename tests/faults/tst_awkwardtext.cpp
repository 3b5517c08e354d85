#include "caporder.h"
#include "database.h"
#include "recordsearch.h"
#include "storefixture.h"
#include "testsupport.h"

#include <QtTest>

using namespace StoreFixture;

// Text that would break a statement built by pasting (quotes, semicolons, SQL
// keywords), that LIKE or GLOB treat as wildcards, and names beyond ASCII: each
// is stored and found exactly as typed.
class TestAwkwardText : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        TestSupport::useFreshDatabase(QStringLiteral("awkward.sqlite"));
        // First, middle and last name, reference number, comments.
        const char *const texts[][5] = {
            {"O'Brien", "\"Bo\"", "D'Arcy \"the 2nd\"", "R-'1'", "She said \"it's fine\" ''"},
            {"Robert'); DROP TABLE users;--", "", "Tables", "1' OR '1'='1",
             ";;; DELETE FROM tests; --"},
            {"Per", "Cent", "100%_done", "%", "50% of 10_000"},
            {"St*r", "Qu?", "[Brackets]", "[!x]", "a*b?c[d-f]^"},
            {"Zoë", "Øre", "Ångström-Łukasiewicz", "№ 5", "山田 太郎 😀 ß"},
            {"Line", "M", "Smith, Jr.", "a,b", "first line,\nsecond; line\r\nthird"}};
        for (const auto &t : texts) {
            databaseEntry e = TestSupport::sampleEntry(
                QString::fromUtf8(t[0]), QString::fromUtf8(t[2]),
                TestSupport::swapped(CapOrder::untouched(), awkward.size(), 50));
            e.middle = QString::fromUtf8(t[1]);
            e.refNum = QString::fromUtf8(t[3]);
            e.comments = QString::fromUtf8(t[4]);
            e.testID = QString::number(TestSupport::storeEntry(e));
            e.tes = database::calcTES(e.scores);
            awkward << e;
        }
    }

    void storedUnchanged()
    {
        database *store = database::instance();
        const QList<databaseEntry> all = store->getAllTests();
        QCOMPARE(all.size(), awkward.size());
        for (int i = 0; i < awkward.size(); ++i) {
            databaseEntry e = awkward.at(i);
            QCOMPARE(store->getScores(e.testID), e.scores);
            e.scores.clear();
            QCOMPARE(all.at(i), e);
        }
    }

    // Percent and underscore are plain characters; GLOB characters typed by the
    // examiner act as wildcards, and bracket classes find a literal star or bracket.
    void foundBySearch_data()
    {
        QTest::addColumn<int>("criterion");
        QTest::addColumn<int>("method");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("found"); // first names, sorted
        using R = RecordSearch;
        const QString robert = "Robert'); DROP TABLE users;--"_q;
        QTest::newRow("quotes") << +R::Last << +R::IsExactly << "D'Arcy \"the 2nd\""_q
                                << QStringList{"O'Brien"_q};
        QTest::newRow("double quotes alone")
            << +R::Middle << +R::IsExactly << "\"Bo\""_q << QStringList{"O'Brien"_q};
        QTest::newRow("statement in a name")
            << +R::First << +R::IsExactly << robert << QStringList{robert};
        QTest::newRow("always-true condition")
            << +R::ReferenceNumber << +R::Contains << "' OR '"_q << QStringList{robert};
        QTest::newRow("semicolons")
            << +R::Comments << +R::Contains << "DELETE FROM tests;"_q << QStringList{robert};
        QTest::newRow("percent and underscore")
            << +R::Last << +R::Contains << "0%_d"_q << QStringList{"Per"_q};
        QTest::newRow("underscore is no wildcard")
            << +R::Last << +R::IsExactly << "100%_don_"_q << QStringList{};
        QTest::newRow("question mark")
            << +R::First << +R::BeginsWith << "?o"_q << QStringList{robert, "Zoë"_q};
        QTest::newRow("literal star")
            << +R::First << +R::Contains << "[*]"_q << QStringList{"St*r"_q};
        QTest::newRow("literal bracket")
            << +R::Last << +R::BeginsWith << "[[]Br"_q << QStringList{"St*r"_q};
        QTest::newRow("unclosed bracket") << +R::Last << +R::Contains << "["_q << QStringList{};
        QTest::newRow("non-ASCII name")
            << +R::Last << +R::IsExactly << "Ångström-Łukasiewicz"_q << QStringList{"Zoë"_q};
        QTest::newRow("non-ASCII end")
            << +R::First << +R::EndsWith << "ë"_q << QStringList{"Zoë"_q};
        QTest::newRow("emoji in comments")
            << +R::Comments << +R::Contains << "😀"_q << QStringList{"Zoë"_q};
    }
    void foundBySearch()
    {
        QFETCH(int, criterion);
        QFETCH(int, method);
        QFETCH(QString, text);
        QFETCH(QStringList, found);
        QString error;
        QStringList names;
        for (const databaseEntry &e :
             RecordSearch::run(database::instance(), criterion, method, text, &error))
            names << e.first;
        names.sort();
        QCOMPARE(names, found);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        // The search ran no text as a statement: every table and row is still there.
        QCOMPARE(database::instance()->getAllTests().size(), awkward.size());
    }

private:
    QList<databaseEntry> awkward;
};

QTEST_GUILESS_MAIN(TestAwkwardText)
#include "tst_awkwardtext.moc"
