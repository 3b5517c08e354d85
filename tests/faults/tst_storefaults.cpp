#include "caporder.h"
#include "csvfile.h"
#include "database.h"
#include "hdbreader.h"
#include "legacyimport.h"
#include "storefixture.h"
#include "testsupport.h"

#include <QSemaphore>
#include <QThread>
#include <QtTest>
#include <optional>

using namespace StoreFixture;

namespace {

// An old record file of count records, each with a long comment so that a few
// of them fill a database page.
QByteArray hdbFile(int count)
{
    QByteArray file;
    for (int n = 0; n < count; ++n) {
        QByteArray r(HdbReader::RecordStride, ' ');
        r.replace(HdbReader::LastOffset, 12, "Imported" + QByteArray::number(n + 1000));
        r.replace(HdbReader::FirstOffset, 3, "Eve");
        r.replace(HdbReader::CommentsOffset, HdbReader::CommentsWidth,
                  QByteArray(HdbReader::CommentsWidth, char('a' + n % 26)));
        r[HdbReader::TimeOffset] = char(10);
        for (int slot = 0; slot < HdbReader::CapSlots; ++slot)
            r[HdbReader::CapsOffset + 2 * slot] = char(slot + 1);
        file += r;
    }
    return file;
}

QByteArray csvFile(int count)
{
    QByteArray file = "First,Middle,Last,Reference,DOB,Date,Time (mins),Comments,Gender,Experience,"
                      "Illumination,Industry,JobFunction,Location,Serial Number,TES,Cap Order\n";
    const QByteArray caps = CapOrder::write(CapOrder::untouched()).toUtf8();
    for (int n = 0; n < count; ++n)
        file += "Csv" + QByteArray::number(n) + ",M,Line,R,01/01/1990,02/02/2020,9," +
                QByteArray(200, char('a' + n % 26)) + ",Male,,D65,,,,S1,0," + caps + '\n';
    return file;
}

// Three tests and a cap set in a fresh file.
QString freshStore()
{
    const QString path = TestSupport::useFreshDatabase(QStringLiteral("faults.sqlite"));
    for (const char *name : {"Ann", "Bo", "Cy"})
        TestSupport::storeEntry(TestSupport::sampleEntry(
            QLatin1String(name), "Lee"_q, TestSupport::swapped(CapOrder::untouched(), 3, 7)));
    database::instance()->insertSerialNum("SN-1"_q, "2019-04-05"_q);
    return path;
}

// Whether the store is still on its file and takes new records there.
bool stillWorks(const QString &path, int testsBefore)
{
    database *store = database::instance();
    return store->path() == path &&
           store->insertUserAndTest(TestSupport::sampleEntry("After"_q, "Fault"_q)) &&
           store->getAllTests().size() == testsBefore + 1;
}

} // namespace

// The store and the importers against a file that refuses writes or fills up:
// every failure is reported and leaves every stored row exactly as it was.
class TestStoreFaults : public QObject
{
    Q_OBJECT

private slots:
    void writesRefused_data()
    {
        QTest::addColumn<QString>("reason"); // in every message; empty: any
        QTest::newRow("engine read-only") << QString();
        QTest::newRow("locked by a writer") << "locked"_q;
    }
    void writesRefused()
    {
        QFETCH(QString, reason);
        const QString path = freshStore();
        const QStringList before = snapshot(path);
        const QString hdb = TestSupport::tempDir() + "/three.hdb"_q;
        const QString csv = TestSupport::tempDir() + "/three.csv"_q;
        QVERIFY(writeFile(hdb, hdbFile(3)) && writeFile(csv, csvFile(3)));
        database *store = database::instance();
        QSqlQuery own(store->currentConnection());
        std::optional<Other> writer;
        if (reason.isEmpty()) {
            QVERIFY(own.exec("PRAGMA query_only = ON"_q));
        } else {
            // Every write waits this long for the lock, then gives up.
            QVERIFY(own.exec("PRAGMA busy_timeout = 100"_q));
            writer.emplace(path);
            QVERIFY(writer->exec("BEGIN IMMEDIATE"_q));
            QVERIFY(writer->exec("INSERT INTO users (first) VALUES ('uncommitted')"_q));
        }
        const auto refused = [&reason](bool ok, const QString &error) {
            return !ok && !error.isEmpty() && error.contains(reason);
        };
        const databaseEntry e = TestSupport::sampleEntry("New"_q, "One"_q);
        QVERIFY(!store->insertUserAndTest(e));
        QVERIFY(refused(false, store->lastError()));
        QVERIFY(!store->updateTest(1, "D50"_q, e.testDate, e.comments, e.scores, e.serialNum,
                                   e.time, e.illumination, e.testDate, e.scores, e.serialNum));
        QVERIFY(refused(false, store->lastError()));
        QVERIFY(!store->deleteTests(store->getAllTests().mid(1, 1)));
        QVERIFY(refused(false, store->lastError()));
        QVERIFY(!store->insertSerialNum("SN-2"_q, "2020-01-01"_q));
        QVERIFY(refused(false, store->lastError()));
        const LegacyImport::Result h = LegacyImport::importHDB(hdb);
        QVERIFY2(refused(h.ok, h.error) && h.tests == 0, qPrintable(h.error));
        const CsvFile::ImportResult c = CsvFile::importFile(csv);
        QVERIFY2(refused(c.ok, c.error) && c.imported == 0, qPrintable(c.error));
        // Reading goes on.
        QCOMPARE(store->getAllTests().size(), 3);
        QCOMPARE(snapshot(path), before);
        writer.reset();
        QVERIFY(own.exec(reason.isEmpty() ? "PRAGMA query_only = OFF"_q
                                          : "PRAGMA busy_timeout = 5000"_q));
        QVERIFY(stillWorks(path, 3));
    }

    // Another program holds the lock when the import starts and lets go of it a
    // moment later: the import is stored whole or not at all.
    void lockReleasedDuringImport_data()
    {
        QTest::addColumn<int>("releaseAfterMs");
        QTest::newRow("released after the wait") << 1500;
        QTest::newRow("released within the wait") << 50;
    }
    void lockReleasedDuringImport()
    {
        QFETCH(int, releaseAfterMs);
        const int lines = 200;
        const QString file = TestSupport::tempDir() + "/released.csv"_q;
        QVERIFY(writeFile(file, csvFile(lines)));
        const QString path = freshStore();
        const QStringList before = snapshot(path);
        QSqlQuery own(database::instance()->currentConnection());
        QVERIFY(own.exec("PRAGMA busy_timeout = 400"_q));
        QSemaphore locked;
        QThread *other = QThread::create([&path, &locked, releaseAfterMs] {
            Other holder(path, QString(), "holder"_q);
            const bool holding = holder.exec("BEGIN EXCLUSIVE"_q);
            locked.release();
            if (holding) {
                QThread::msleep(ulong(releaseAfterMs));
                holder.exec("ROLLBACK"_q);
            }
        });
        other->start();
        locked.acquire();
        const CsvFile::ImportResult r = CsvFile::importFile(file);
        QVERIFY(other->wait(10000));
        delete other;
        QVERIFY(own.exec("PRAGMA busy_timeout = 5000"_q));
        if (releaseAfterMs > 400) {
            QVERIFY2(!r.ok && r.imported == 0 && r.error.contains("locked"_q), qPrintable(r.error));
            QCOMPARE(snapshot(path), before);
        } else {
            QVERIFY2(r.ok && r.error.isEmpty(), qPrintable(r.error));
            QCOMPARE(r.imported, lines);
            QCOMPARE(snapshot(path).size(), before.size() + 2 * lines);
        }
        QVERIFY(stillWorks(path, 3 + r.imported));
    }

    // One transaction per import: the records stored before the disk filled up go
    // with it, and the import says why.
    void diskFullDuringImport_data()
    {
        QTest::addColumn<bool>("hdb");
        QTest::newRow("HDB") << true;
        QTest::newRow("CSV") << false;
    }
    void diskFullDuringImport()
    {
        QFETCH(bool, hdb);
        const QString file = TestSupport::tempDir() + (hdb ? "/many.hdb"_q : "/many.csv"_q);
        QVERIFY(writeFile(file, hdb ? hdbFile(300) : csvFile(300)));
        const QString path = freshStore();
        const QStringList before = snapshot(path);
        QSqlQuery own(database::instance()->currentConnection());
        // The file may grow by two pages: the import runs out of room after a few records.
        QVERIFY(own.exec("PRAGMA page_count"_q) && own.next());
        QVERIFY(own.exec("PRAGMA max_page_count = %1"_q.arg(own.value(0).toInt() + 2)));
        const LegacyImport::Result h = hdb ? LegacyImport::importHDB(file) : LegacyImport::Result();
        const CsvFile::ImportResult c = hdb ? CsvFile::ImportResult() : CsvFile::importFile(file);
        const QString error = hdb ? h.error : c.error;
        QVERIFY(!h.ok && !c.ok && h.tests == 0 && c.imported == 0);
        QVERIFY2(error.contains("full"_q), qPrintable(error));
        QCOMPARE(snapshot(path), before);
        QVERIFY(own.exec("PRAGMA max_page_count = 1073741823"_q));
        QVERIFY(stillWorks(path, 3));
    }
};

QTEST_GUILESS_MAIN(TestStoreFaults)
#include "tst_storefaults.moc"
