#include "csvfile.h"
#include "csvformat.h"
#include "database.h"
#include "exchangefixture.h"
#include "legacyimport.h"

#include <QScopeGuard>
#include <QSemaphore>
#include <QThread>
#include <QtTest>

using namespace StoreFixture;

namespace {

// 300 records in a file of the kind given.
QByteArray manyRecords(bool hdb)
{
    const QString csv = TestSupport::olderCsvLine(TestSupport::sampleEntry("Csv"_q, "Line"_q));
    return hdb ? ExchangeFixture::hdbRecord("Imported").repeated(300)
               : CsvFormat::headerLine().toUtf8() + '\n' + csv.toUtf8().append('\n').repeated(300);
}

} // namespace

// The store and the importers against a file that refuses writes, is locked by
// another program or fills up: every failure is reported, an import is stored
// whole or not at all, and every stored row stays exactly as it was.
class TestStoreFaults : public QObject
{
    Q_OBJECT

private slots:
    void faultDuringWrites_data()
    {
        // The fault, or how long another program holds the lock (ms); then what every
        // message names (nothing: the import is stored).
        QTest::addColumn<QString>("row");
        for (const char *kind : {"HDB", "CSV"})
            for (const char *row :
                 {"read-only|readonly", "locked|locked", "full|full", "missing|no-such"})
                QTest::addRow("%s, %s", QByteArray(row).split('|')[0].constData(), kind)
                    << QString::fromUtf8(row);
        QTest::newRow("lock released after the wait, CSV") << "1500|locked"_q;
        QTest::newRow("lock released within the wait, CSV") << "50|"_q;
    }
    void faultDuringWrites()
    {
        QFETCH(QString, row);
        const QString fault = row.section(QLatin1Char('|'), 0, 0);
        const QString reason = row.section(QLatin1Char('|'), 1);
        const bool hdb = QByteArray(QTest::currentDataTag()).endsWith("HDB");
        const QString file = TestSupport::tempDir() +
                             (fault == "missing"_q ? "/no-such/"_q : "/"_q) +
                             (hdb ? "many.hdb"_q : "many.csv"_q);
        QVERIFY(fault == "missing"_q || writeFile(file, manyRecords(hdb)));
        // Three tests and a cap set in a fresh file.
        const QString path = TestSupport::useFreshDatabase(QStringLiteral("faults.sqlite"));
        database *store = database::instance();
        for (const char *name : {"Ann", "Bo", "Cy"})
            TestSupport::storeEntry(TestSupport::sampleEntry(QLatin1String(name), "Lee"_q));
        QVERIFY(store->insertSerialNum("SN-1"_q, "2019-04-05"_q));
        const QStringList before = snapshot(path);
        QSqlQuery own(store->currentConnection());
        QVERIFY(own.exec("PRAGMA page_count"_q) && own.next());
        // A full disk: the file may grow by two pages, a few records.
        const int pages = fault == "full"_q ? own.value(0).toInt() + 2 : 1073741823;
        QVERIFY(own.exec("PRAGMA max_page_count = %1"_q.arg(pages)));
        QVERIFY(own.exec("PRAGMA busy_timeout = 400"_q));
        QVERIFY(own.exec(fault == "read-only"_q ? "PRAGMA query_only = ON"_q : "SELECT 1"_q));
        const int hold = fault == "locked"_q ? -1 : fault.toInt(); // -1: until the end
        LegacyImport::Result h;
        CsvFile::ImportResult c;
        {
            QSemaphore locked, done;
            QThread *other = QThread::create([&path, &locked, &done, hold] {
                Other holder(path, QString(), "holder"_q);
                // Held to the end, the lock still lets the store read.
                const bool holding =
                    hold && holder.exec(hold < 0 ? "BEGIN IMMEDIATE"_q : "BEGIN EXCLUSIVE"_q);
                locked.release();
                hold < 0 ? done.acquire() : QThread::msleep(ulong(hold));
                if (holding)
                    holder.exec("ROLLBACK"_q);
            });
            other->start();
            locked.acquire();
            const auto join = qScopeGuard([&] {
                done.release();
                other->wait();
                delete other;
            });
            if (fault == "read-only"_q || hold < 0) {
                // Every write of the store is refused and says why; reading goes on.
                const auto refused = [&](bool ok) {
                    return !ok && store->lastError().contains(reason);
                };
                const databaseEntry e = TestSupport::sampleEntry("New"_q, "One"_q);
                QVERIFY(refused(store->insertUserAndTest(e)));
                QVERIFY(
                    refused(store->updateTest(1, "D50"_q, e.testDate, e.comments, e.scores, {}, {},
                                              e.illumination, e.testDate, e.scores, e.serialNum)));
                QVERIFY(refused(store->deleteTests(store->getAllTests().mid(1, 1))));
                QVERIFY(refused(store->insertSerialNum("SN-2"_q, "2020-01-01"_q)));
                QCOMPARE(store->getAllTests().size(), 3);
            }
            if (hdb)
                h = LegacyImport::importHDB(file);
            else
                c = CsvFile::importFile(file);
        }
        for (const char *pragma :
             {"busy_timeout = 5000", "max_page_count = 1073741823", "query_only = OFF"})
            QVERIFY(own.exec("PRAGMA "_q + QLatin1String(pragma)));
        const QString error = hdb ? h.error : c.error;
        const int imported = hdb ? h.tests : c.imported;
        QVERIFY2((hdb ? h.ok : c.ok) == error.isEmpty() && error.contains(reason),
                 qPrintable(error));
        QCOMPARE(imported, reason.isEmpty() ? 300 : 0);
        QVERIFY(imported || snapshot(path) == before);
        // The store is still on its file and takes new records there.
        QVERIFY(store->path() == path &&
                store->insertUserAndTest(TestSupport::sampleEntry("After"_q, "Fault"_q)));
        QCOMPARE(store->getAllTests().size(), 4 + imported);
    }

    // Every piece from the cap-order field on joins the cap order. How the time grows
    // with the line: bench_readers.
    void csvLineOfManyFields()
    {
        const QString line(1000, QLatin1Char(','));
        databaseEntry e;
        int fields = 0;
        QCOMPARE(CsvFormat::readRecord(line, 0, e, fields), line.size());
        QVERIFY(fields == 1001 && e.scores.size() == fields - CsvFormat::CapOrderField + 1);
    }

    // Each new cap set of a file is stored once (time per cap set: bench_readers).
    void vktManyCapSets()
    {
        TestSupport::useFreshDatabase(QStringLiteral("capsets.sqlite"));
        QByteArray file = QByteArray("header\r").repeated(17);
        for (int i = 0; i < 300; ++i)
            file += "<dict>\r<key>SerialNumber</key>\r<string>" + QByteArray::number(i % 200) +
                    "</string>\r<key>PurchaseDate</key>\r<date>2010</date>\r</dict>\r";
        const LegacyImport::Result r =
            LegacyImport::importVKT(ExchangeFixture::writeFile("capsets.vkt"_q, file));
        QVERIFY2(r.ok && r.capSets == 200, qPrintable(r.error));
        QCOMPARE(Other(database::instance()->path()).value("SELECT count(*) FROM serialNums"_q),
                 200);
    }
};

QTEST_GUILESS_MAIN(TestStoreFaults)
#include "tst_storefaults.moc"
