#include "caporder.h"
#include "database.h"
#include "hdbreader.h"
#include "legacyimport.h"
#include "testsupport.h"
#include "vktfixture.h"

#include <QSqlQuery>
#include <QtTest>

using namespace VktFixture;

namespace {

QByteArray hdbRecord(const QByteArray &last, char filler, int firstCap)
{
    QByteArray r(HdbReader::RecordStride, filler);
    r.replace(HdbReader::LastOffset, last.size(), last);
    r.replace(HdbReader::FirstOffset, 3, "Ann");
    r.replace(HdbReader::DobOffset, 10, "01/02/1970");
    r[HdbReader::TimeOffset] = char(-3);
    for (int slot = 0; slot < HdbReader::CapSlots; ++slot)
        r[HdbReader::CapsOffset + 2 * slot] = char(slot + 1);
    r[HdbReader::CapsOffset] = char(firstCap);
    return r;
}

QString writeFile(const QString &name, const QByteArray &bytes)
{
    const QString path = TestSupport::tempDir() + QLatin1Char('/') + name;
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size())
        return QString();
    return path;
}

int count(const char *table)
{
    QSqlQuery q(database::instance()->currentConnection());
    if (q.exec(QStringLiteral("SELECT count(*) FROM ") + QLatin1String(table)) && q.next())
        return q.value(0).toInt();
    return -1;
}

QList<QList<Field>> threeTestsAndACapSet()
{
    QList<QList<Field>> dicts;
    for (const char *name : {"Ann", "Bob", "Cy"})
        dicts.append({str("FirstName", QLatin1String(name)), str("LastName", QStringLiteral("Lee")),
                      str("SerialNumber", QStringLiteral("SN-7")),
                      str("CapOrder", CapOrder::write(CapOrder::untouched())),
                      integer("Gender", QStringLiteral("2")),
                      integer("Illumination", QStringLiteral("1")),
                      date("TestDate", QStringLiteral("2012-01-01T00:00:00Z"))});
    dicts.append({str("SerialNumber", QStringLiteral("SN-7")),
                  date("PurchaseDate", QStringLiteral("2010-03-04T00:00:00Z"))});
    return dicts;
}

} // namespace

class TestLegacyImport : public QObject
{
    Q_OBJECT

private slots:
    void init() { TestSupport::useFreshDatabase(); }

    void hdbRecordsStored()
    {
        const QString path = writeFile(QStringLiteral("two.hdb"),
                                       hdbRecord("Smith", ' ', 1) + hdbRecord("Jones", '\0', 1));
        const LegacyImport::Result r = LegacyImport::importHDB(path);
        QVERIFY2(r.ok, qPrintable(r.error));
        QCOMPARE(r.tests, 2);
        QCOMPARE(r.capSets, 0);

        const QList<databaseEntry> all = database::instance()->getAllTests();
        QCOMPARE(all.size(), 2);
        QCOMPARE(all.at(0).last, QStringLiteral("Smith") + QString(15, QLatin1Char(' ')));
        QCOMPARE(all.at(1).last, QStringLiteral("Jones") + QString(15, QChar(0)));
        QCOMPARE(all.at(0).first, QStringLiteral("Ann") + QString(17, QLatin1Char(' ')));
        QCOMPARE(all.at(0).time, QStringLiteral("-3"));
        QVERIFY(all.at(0).gender.isEmpty());
        QVERIFY(all.at(0).serialNum.isEmpty());
        QCOMPARE(CapOrder::read(database::instance()->getScores(all.at(0).testID)),
                 CapOrder::untouched());
        // The untouched order scores as a perfect arrangement.
        QCOMPARE(all.at(0).tes, QStringLiteral("0"));
    }

    // A record whose caps are not 1 to 84 once each is no test: it is passed over and
    // counted, and a file of nothing else (or nothing at all) is refused.
    void damagedRecordsPassedOver_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("tests");
        QTest::addColumn<int>("skipped");
        const QByteArray good = hdbRecord("Smith", ' ', 1);
        for (int cap : {-128, -10, 0, 2, 85, 127}) {
            const QByteArray bad = hdbRecord("Jones", ' ', cap);
            QTest::addRow("cap %d alone", cap) << bad << 0 << 1;
            QTest::addRow("cap %d between good ones", cap) << good + bad + good << 2 << 1;
        }
        QTest::newRow("empty") << QByteArray() << 0 << 0;
        QTest::newRow("one letter") << QByteArray(100000, 'A') << 0 << 307;
    }
    void damagedRecordsPassedOver()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, tests);
        QFETCH(int, skipped);
        const QString path = writeFile(QStringLiteral("odd.hdb"), bytes);
        const LegacyImport::Result r = LegacyImport::importHDB(path);
        QCOMPARE(r.ok, tests > 0);
        QCOMPARE(r.tests, tests);
        QCOMPARE(r.skipped, skipped);
        QCOMPARE(r.error.isEmpty(), tests > 0);
        if (!r.ok)
            QVERIFY2(r.error.contains(QDir::toNativeSeparators(path)), qPrintable(r.error));
        QCOMPARE(count("tests"), tests);
        QCOMPARE(count("users"), tests);
    }

    void unreadableFileReported()
    {
        const QString missing = TestSupport::tempDir() + QStringLiteral("/missing.hdb");
        const LegacyImport::Result hdb = LegacyImport::importHDB(missing);
        QVERIFY(!hdb.ok);
        QVERIFY(hdb.error.contains(missing));
        const LegacyImport::Result vkt = LegacyImport::importVKT(TestSupport::tempDir());
        QVERIFY(!vkt.ok);
        QVERIFY(!vkt.error.isEmpty());
        QCOMPARE(count("tests"), 0);
        QCOMPARE(count("users"), 0);
    }

    void vktTestsAndCapSet()
    {
        const QString path = writeFile(QStringLiteral("three.vkt"), file(threeTestsAndACapSet()));
        const LegacyImport::Result r = LegacyImport::importVKT(path);
        QVERIFY2(r.ok, qPrintable(r.error));
        QCOMPARE(r.tests, 3);
        QCOMPARE(r.capSets, 1);
        const QList<databaseEntry> all = database::instance()->getAllTests();
        QCOMPARE(all.size(), 3);
        QCOMPARE(all.at(2).first, QStringLiteral("Cy"));
        QCOMPARE(all.at(0).gender, QStringLiteral("Male"));
        QCOMPARE(all.at(0).illumination, QStringLiteral("D65"));
        QCOMPARE(all.at(0).serialNum, QStringLiteral("SN-7"));
        QCOMPARE(all.at(0).testDate, QStringLiteral("2012-01-01T00:00:00Z"));
        const QList<CapSet> expected{
            {QStringLiteral("SN-7"), QStringLiteral("2010-03-04T00:00:00Z")}};
        QCOMPARE(database::instance()->getSerialNums(), expected);
    }

    void registeredSerialKeepsItsDate()
    {
        QVERIFY(database::instance()->insertSerialNum(QStringLiteral("SN-7"),
                                                      QStringLiteral("01/01/2009")));
        const QString path = writeFile(QStringLiteral("again.vkt"), file(threeTestsAndACapSet()));
        const LegacyImport::Result r = LegacyImport::importVKT(path);
        QVERIFY2(r.ok, qPrintable(r.error));
        QCOMPARE(r.tests, 3);
        QCOMPARE(r.capSets, 0);
        const QList<CapSet> expected{{QStringLiteral("SN-7"), QStringLiteral("01/01/2009")}};
        QCOMPARE(database::instance()->getSerialNums(), expected);
    }

    void capSetsRegisteredInAscendingOrder()
    {
        QVERIFY(database::instance()->insertSerialNum(QStringLiteral("M"), QStringLiteral("old")));
        const LegacyImport::Result r =
            LegacyImport::write({}, {{QStringLiteral("B"), QStringLiteral("1")},
                                     {QStringLiteral("M"), QStringLiteral("2")},
                                     {QStringLiteral("Z"), QStringLiteral("3")}});
        QVERIFY(r.ok);
        QCOMPARE(r.capSets, 2);
        const QList<CapSet> expected{{QStringLiteral("M"), QStringLiteral("old")},
                                     {QStringLiteral("B"), QStringLiteral("1")},
                                     {QStringLiteral("Z"), QStringLiteral("3")}};
        QCOMPARE(database::instance()->getSerialNums(), expected);
    }

    // The store refuses the third test: nothing of the file may remain, not the
    // first two subjects and tests, nor the cap set.
    void refusedImportLeavesNothing()
    {
        TestSupport::storeEntry(
            TestSupport::sampleEntry(QStringLiteral("Kept"), QStringLiteral("Before")));
        {
            QSqlQuery q(database::instance()->currentConnection());
            QVERIFY(q.exec(QStringLiteral(
                "CREATE TRIGGER refuse BEFORE INSERT ON tests WHEN NEW.comments = 'refuse' "
                "BEGIN SELECT RAISE(ABORT, 'refused by trigger'); END")));
        }
        QList<QList<Field>> dicts = threeTestsAndACapSet();
        dicts[2].append(str("Comments", QStringLiteral("refuse")));
        const QString path = writeFile(QStringLiteral("refused.vkt"), file(dicts));
        const LegacyImport::Result r = LegacyImport::importVKT(path);
        QVERIFY(!r.ok);
        QCOMPARE(r.tests, 0);
        QCOMPARE(r.capSets, 0);
        QVERIFY2(r.error.contains(QLatin1String("refused by trigger")), qPrintable(r.error));
        QCOMPARE(count("tests"), 1);
        QCOMPARE(count("users"), 1);
        QCOMPARE(count("serialNums"), 0);

        // The connection is usable again afterwards: a later import goes through.
        dicts[2].removeLast();
        const LegacyImport::Result again =
            LegacyImport::importVKT(writeFile(QStringLiteral("fine.vkt"), file(dicts)));
        QVERIFY2(again.ok, qPrintable(again.error));
        QCOMPARE(count("tests"), 4);
    }

    void openTransactionElsewhereIsReported()
    {
        QSqlDatabase db = database::instance()->currentConnection();
        QVERIFY(db.transaction());
        const LegacyImport::Result r = LegacyImport::write(
            {TestSupport::sampleEntry(QStringLiteral("A"), QStringLiteral("B"))});
        QVERIFY(db.rollback());
        QVERIFY(!r.ok);
        QVERIFY(!r.error.isEmpty());
        QCOMPARE(count("tests"), 0);
    }
};

QTEST_GUILESS_MAIN(TestLegacyImport)
#include "tst_legacyimport.moc"
