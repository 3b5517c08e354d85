#include "csvfile.h"
#include "database.h"
#include "faultfiles.h"
#include "legacyimport.h"
#include "testsupport.h"

#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSemaphore>
#include <QSqlError>
#include <QThread>
#include <QtTest>

#include <csignal>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace FaultFiles;

// Each case puts three tests and a cap set into a fresh file, makes the file or
// the disk fail, and checks that the store and the importers say so, keep
// running, and leave every stored row exactly as it was.
class TestStoreFaults : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void readOnlyFile_data();
    void readOnlyFile();
    void missingFolder();
    void notADatabase_data();
    void notADatabase();
    void lockedByWriter();
    void lockReleasedDuringImport_data();
    void lockReleasedDuringImport();
    void diskFullDuringImport_data();
    void diskFullDuringImport();
    void fileSizeLimitDuringImport();

private:
    QString freshStore();
    void checkStillWorks(const QString &path, int testsBefore);
    QString tempFile(const QString &name) const
    {
        return QDir(TestSupport::tempDir()).filePath(name);
    }

    QString hdbPath;
    QString csvPath;
    QList<int> storedIds;
};

void TestStoreFaults::initTestCase()
{
    hdbPath = tempFile(QStringLiteral("three.hdb"));
    csvPath = tempFile(QStringLiteral("three.csv"));
    QVERIFY(writeFile(hdbPath, hdbFile(3)));
    QVERIFY(writeFile(csvPath, csvFile(3)));
}

QString TestStoreFaults::freshStore()
{
    const QString path = TestSupport::useFreshDatabase(QStringLiteral("faults.sqlite"));
    database *store = database::instance();
    storedIds.clear();
    for (const char *name : {"Ann", "Bo", "Cy"}) {
        const databaseEntry e =
            TestSupport::sampleEntry(QLatin1String(name), QStringLiteral("Lee"),
                                     TestSupport::swapped(CapOrder::untouched(), 3, 7));
        storedIds.append(TestSupport::storeEntry(e));
    }
    store->insertSerialNum(QStringLiteral("SN-1"), QStringLiteral("2019-04-05"));
    return path;
}

// The store is still on its file and takes new records there.
void TestStoreFaults::checkStillWorks(const QString &path, int testsBefore)
{
    database *store = database::instance();
    QCOMPARE(store->path(), path);
    QVERIFY(TestSupport::storeEntry(
                TestSupport::sampleEntry(QStringLiteral("After"), QStringLiteral("Fault"))) > 0);
    QCOMPARE(store->getAllTests().size(), testsBefore + 1);
    QCOMPARE(store->getAllTests().constLast().first, QStringLiteral("After"));
}

void TestStoreFaults::readOnlyFile_data()
{
    QTest::addColumn<bool>("byPermissions");
    QTest::newRow("file mode 0444") << true;
    // The engine's own read-only switch: holds for root as well.
    QTest::newRow("query_only") << false;
}

void TestStoreFaults::readOnlyFile()
{
    QFETCH(bool, byPermissions);
    if (byPermissions && geteuid() == 0)
        QSKIP("root may write to any file whatever its mode; the query_only row covers root");

    const QString path = freshStore();
    const QStringList before = snapshot(path);
    database *store = database::instance();
    if (byPermissions) {
        QVERIFY(QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ReadGroup));
        // A file that can only be read still opens, for looking at its records.
        QVERIFY2(store->openDatabase(path), qPrintable(store->lastError()));
    } else {
        QSqlQuery q(store->currentConnection());
        QVERIFY(q.exec(QStringLiteral("PRAGMA query_only = ON")));
    }

    QCOMPARE(store->insertUser(QStringLiteral("New"), {}, QStringLiteral("One"), {}, {}, {}, {}, {},
                               {}, {}),
             0);
    QVERIFY(!store->lastError().isEmpty());
    const databaseEntry e =
        TestSupport::sampleEntry(QStringLiteral("Ann"), QStringLiteral("Lee"),
                                 TestSupport::swapped(CapOrder::untouched(), 3, 7));
    QVERIFY(!store->updateTest(storedIds.first(), QStringLiteral("D50"), e.testDate, e.comments,
                               e.scores, e.serialNum, e.time, e.illumination, e.testDate, e.scores,
                               e.serialNum));
    QVERIFY(!store->deleteTest(storedIds.first()));
    QVERIFY(!store->insertSerialNum(QStringLiteral("SN-2"), QStringLiteral("2020-01-01")));

    const LegacyImport::Result hdb = LegacyImport::importHDB(hdbPath);
    QVERIFY(!hdb.ok);
    QCOMPARE(hdb.tests, 0);
    QVERIFY(!hdb.error.isEmpty());
    const CsvFile::ImportResult csv = CsvFile::importFile(csvPath);
    QCOMPARE(csv.imported, 0);
    QVERIFY(!csv.error.isEmpty());

    // Reading goes on.
    QCOMPARE(store->getAllTests().size(), 3);
    QCOMPARE(snapshot(path), before);

    if (byPermissions) {
        QVERIFY(QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner));
        QVERIFY(store->openDatabase(path));
    } else {
        QSqlQuery q(store->currentConnection());
        QVERIFY(q.exec(QStringLiteral("PRAGMA query_only = OFF")));
    }
    checkStillWorks(path, 3);
}

void TestStoreFaults::missingFolder()
{
    const QString path = freshStore();
    const QStringList before = snapshot(path);
    database *store = database::instance();
    const QString connection = store->currentConnectionName();
    const QString folder = tempFile(QStringLiteral("no-such-folder"));
    const QString missing = folder + QStringLiteral("/inner/records.sqlite");

    QVERIFY(!store->openDatabase(missing));
    QVERIFY(!store->lastError().isEmpty());
    QVERIFY(!store->newDatabase(missing));
    QVERIFY(!store->lastError().isEmpty());
    QVERIFY(!store->saveDatabaseAs(missing));
    QVERIFY(!store->lastError().isEmpty());
    QVERIFY(!QFileInfo::exists(folder));
    QCOMPARE(store->currentConnectionName(), connection);

    const QString missingFile = folder + QStringLiteral("/old.hdb");
    const LegacyImport::Result hdb = LegacyImport::importHDB(missingFile);
    QVERIFY(!hdb.ok);
    QVERIFY(!hdb.error.isEmpty());
    const LegacyImport::Result vkt = LegacyImport::importVKT(missingFile);
    QVERIFY(!vkt.ok);
    QVERIFY(!vkt.error.isEmpty());
    const CsvFile::ImportResult csv = CsvFile::importFile(missingFile);
    QVERIFY(!csv.ok);
    QVERIFY(!csv.error.isEmpty());

    QCOMPARE(snapshot(path), before);
    checkStillWorks(path, 3);
}

void TestStoreFaults::notADatabase_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("folder");

    QRandomGenerator random(12);
    QByteArray noise(4096, '\0');
    for (char &c : noise)
        c = char(random.bounded(256));
    QTest::newRow("random bytes") << noise << false;
    QTest::newRow("comma-separated text") << csvFile(2) << false;
    QTest::newRow("database header, then noise")
        << QByteArray("SQLite format 3\0", 16) + noise.left(4080) << false;
    QTest::newRow("a folder in its place") << QByteArray() << true;
}

void TestStoreFaults::notADatabase()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, folder);

    const QString path = freshStore();
    const QStringList before = snapshot(path);
    database *store = database::instance();
    const QString connection = store->currentConnectionName();
    static int n = 0;
    const QString bad = tempFile(QStringLiteral("bad%1.sqlite").arg(++n));
    if (folder)
        QVERIFY(QDir().mkpath(bad));
    else
        QVERIFY(writeFile(bad, content));

    QVERIFY(!store->openDatabase(bad));
    QVERIFY(!store->lastError().isEmpty());
    QCOMPARE(store->path(), path);
    QVERIFY(!store->newDatabase(bad));
    QVERIFY(!store->lastError().isEmpty());
    QCOMPARE(store->path(), path);
    QCOMPARE(store->currentConnectionName(), connection);
    if (folder)
        QVERIFY(QFileInfo(bad).isDir());
    else
        QCOMPARE(readFile(bad), content);

    QCOMPARE(store->getAllTests().size(), 3);
    QCOMPARE(snapshot(path), before);
    checkStillWorks(path, 3);

    // Save As onto it replaces it (the examiner confirmed that in the dialog) with a
    // full copy; a folder cannot be replaced and stays, and so does the store.
    const QStringList current = snapshot(path);
    const QList<databaseEntry> listed = store->getAllTests();
    if (folder) {
        QVERIFY(!store->saveDatabaseAs(bad));
        QVERIFY(!store->lastError().isEmpty());
        QVERIFY(QFileInfo(bad).isDir());
        QCOMPARE(store->path(), path);
        QCOMPARE(store->getAllTests(), listed);
    } else {
        QVERIFY2(store->saveDatabaseAs(bad), qPrintable(store->lastError()));
        QCOMPARE(store->path(), bad);
        QCOMPARE(store->getAllTests(), listed);
    }
    QCOMPARE(snapshot(path), current);
}

void TestStoreFaults::lockedByWriter()
{
    const QString path = freshStore();
    const QStringList before = snapshot(path);
    database *store = database::instance();
    const QString name = QStringLiteral("other program");
    {
        QSqlDatabase other = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        other.setDatabaseName(path);
        QVERIFY(other.open());
        QSqlQuery q(other);
        QVERIFY(q.exec(QStringLiteral("BEGIN IMMEDIATE")));
        QVERIFY(q.exec(QStringLiteral("INSERT INTO users (first) VALUES ('uncommitted')")));

        // Every write waits for the engine's busy timeout, then gives up and says why.
        QCOMPARE(store->insertUser(QStringLiteral("New"), {}, QStringLiteral("One"), {}, {}, {}, {},
                                   {}, {}, {}),
                 0);
        QVERIFY2(store->lastError().contains(QLatin1String("locked")),
                 qPrintable(store->lastError()));
        QVERIFY(!store->deleteTest(storedIds.at(1)));
        QVERIFY(!store->lastError().isEmpty());

        const LegacyImport::Result hdb = LegacyImport::importHDB(hdbPath);
        QVERIFY(!hdb.ok);
        QCOMPARE(hdb.tests, 0);
        QVERIFY2(hdb.error.contains(QLatin1String("locked")), qPrintable(hdb.error));

        QVERIFY(writeFile(tempFile(QStringLiteral("one.csv")), csvFile(1)));
        const CsvFile::ImportResult csv = CsvFile::importFile(tempFile(QStringLiteral("one.csv")));
        QVERIFY(!csv.ok);
        QCOMPARE(csv.imported, 0);
        QVERIFY2(csv.error.contains(QLatin1String("locked")), qPrintable(csv.error));

        // The committed records can still be read while the other program writes.
        QCOMPARE(store->getAllTests().size(), 3);
        QVERIFY(q.exec(QStringLiteral("ROLLBACK")));
    }
    QSqlDatabase::removeDatabase(name);

    QCOMPARE(snapshot(path), before);
    checkStillWorks(path, 3);
}

void TestStoreFaults::lockReleasedDuringImport_data()
{
    QTest::addColumn<int>("releaseAfterMs");
    // The import gives up before the other program lets go: nothing of it is stored.
    QTest::newRow("released after the wait") << 1500;
    // The other program lets go within the wait: the import stores everything.
    QTest::newRow("released within the wait") << 50;
}

// Another program holds the lock when the import starts and lets go of it a moment
// later, on a thread of its own: the import is stored whole or not at all.
void TestStoreFaults::lockReleasedDuringImport()
{
    QFETCH(int, releaseAfterMs);
    const int lines = 200;
    const QString file = tempFile(QStringLiteral("released.csv"));
    QVERIFY(writeFile(file, csvFile(lines)));
    const QString path = freshStore();
    const QStringList before = snapshot(path);
    database *store = database::instance();
    {
        QSqlQuery q(store->currentConnection());
        QVERIFY(q.exec(QStringLiteral("PRAGMA busy_timeout = 400")));
    }
    QSemaphore locked;
    QThread *other = QThread::create([&path, &locked, releaseAfterMs] {
        const QString name = QStringLiteral("other program");
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
            db.setDatabaseName(path);
            const bool opened = db.open();
            QSqlQuery q(db);
            const bool holding = opened && q.exec(QStringLiteral("BEGIN EXCLUSIVE"));
            locked.release();
            if (holding) {
                QThread::msleep(ulong(releaseAfterMs));
                q.exec(QStringLiteral("ROLLBACK"));
            }
        }
        QSqlDatabase::removeDatabase(name);
    });
    other->start();
    locked.acquire();
    const CsvFile::ImportResult r = CsvFile::importFile(file);
    QVERIFY(other->wait(10000));
    delete other;
    {
        QSqlQuery q(store->currentConnection());
        QVERIFY(q.exec(QStringLiteral("PRAGMA busy_timeout = 5000")));
    }
    if (releaseAfterMs > 400) {
        QVERIFY(!r.ok);
        QCOMPARE(r.imported, 0);
        QVERIFY2(r.error.contains(QLatin1String("locked")), qPrintable(r.error));
        QCOMPARE(snapshot(path), before);
    } else {
        QVERIFY2(r.ok && r.error.isEmpty(), qPrintable(r.error));
        QCOMPARE(r.imported, lines);
        QCOMPARE(snapshot(path).size(), before.size() + 2 * lines);
    }
    checkStillWorks(path, 3 + r.imported);
}

void TestStoreFaults::diskFullDuringImport_data()
{
    QTest::addColumn<QString>("format");
    QTest::newRow("HDB") << QStringLiteral("hdb");
    QTest::newRow("CSV") << QStringLiteral("csv");
}

void TestStoreFaults::diskFullDuringImport()
{
    QFETCH(QString, format);
    const int lines = 300;
    const QString file = tempFile(QStringLiteral("many.") + format);
    QVERIFY(writeFile(file, format == QLatin1String("hdb") ? hdbFile(lines) : csvFile(lines)));

    const QString path = freshStore();
    const QStringList before = snapshot(path);
    database *store = database::instance();
    {
        // The file may grow by two pages: the import runs out of room after a few records.
        QSqlQuery q(store->currentConnection());
        QVERIFY(q.exec(QStringLiteral("PRAGMA page_count")) && q.next());
        const int pages = q.value(0).toInt();
        QVERIFY(q.exec(QStringLiteral("PRAGMA max_page_count = %1").arg(pages + 2)));
    }

    if (format == QLatin1String("hdb")) {
        // One transaction: nothing of the file stays.
        const LegacyImport::Result r = LegacyImport::importHDB(file);
        QVERIFY(!r.ok);
        QCOMPARE(r.tests, 0);
        QVERIFY2(r.error.contains(QLatin1String("full")), qPrintable(r.error));
        QCOMPARE(snapshot(path), before);
        QCOMPARE(store->getAllTests().size(), 3);
    } else {
        // One transaction as well: the lines stored before the disk filled up go with it.
        const CsvFile::ImportResult r = CsvFile::importFile(file);
        QVERIFY(!r.ok);
        QCOMPARE(r.imported, 0);
        QVERIFY2(r.error.contains(QLatin1String("full")), qPrintable(r.error));
        QCOMPARE(snapshot(path), before);
        QCOMPARE(store->getAllTests().size(), 3);
    }

    {
        QSqlQuery q(store->currentConnection());
        QVERIFY(q.exec(QStringLiteral("PRAGMA max_page_count = 1073741823")));
    }
    checkStillWorks(path, store->getAllTests().size());
}

// The operating system refuses to let the file grow: a child process runs the
// import under a file size limit, the parent checks the file afterwards.
void TestStoreFaults::fileSizeLimitDuringImport()
{
    const QString file = tempFile(QStringLiteral("limited.hdb"));
    QVERIFY(writeFile(file, hdbFile(400)));
    const QString path = freshStore();
    const QStringList before = snapshot(path);
    const qint64 size = QFileInfo(path).size();

    int channel[2];
    QCOMPARE(pipe(channel), 0);
    const pid_t child = fork();
    QVERIFY(child >= 0);
    if (child == 0) {
        close(channel[0]);
        // Writing past the limit must fail with an error, not end the process.
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{rlim_t(size + 8192), rlim_t(size + 8192)};
        QByteArray report = "setrlimit failed";
        if (setrlimit(RLIMIT_FSIZE, &limit) == 0) {
            // Connections of its own: the parent's stay untouched.
            database::instance()->openDatabase(path);
            const LegacyImport::Result r = LegacyImport::importHDB(file);
            report = QByteArray::number(int(r.ok)) + ' ' + QByteArray::number(r.tests) + ' ' +
                     r.error.toUtf8();
        }
        const ssize_t written = write(channel[1], report.constData(), size_t(report.size()));
        close(channel[1]);
        _exit(written == report.size() ? 0 : 1);
    }
    close(channel[1]);
    QByteArray report;
    char buffer[512];
    ssize_t n;
    while ((n = read(channel[0], buffer, sizeof buffer)) > 0)
        report.append(buffer, int(n));
    close(channel[0]);
    int status = 0;
    QCOMPARE(waitpid(child, &status, 0), child);
    QVERIFY2(WIFEXITED(status) && WEXITSTATUS(status) == 0, report.constData());

    // Refused as a whole, with a reason.
    QVERIFY2(report.startsWith("0 0 "), report.constData());
    QVERIFY2(report.contains("disk"), report.constData());
    QCOMPARE(snapshot(path), before);
    checkStillWorks(path, 3);
}

QTEST_GUILESS_MAIN(TestStoreFaults)
#include "tst_storefaults.moc"
