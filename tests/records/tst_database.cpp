#include "caporder.h"
#include "database.h"
#include "recordinserter.h"
#include "testsupport.h"
#include "transactionguard.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>
#include <QtTest>
#include <functional>

using TestSupport::sampleEntry;
using TestSupport::storeEntry;

namespace {

int count(const QString &sql, const QString &connection = QString())
{
    QSqlDatabase db = connection.isEmpty() ? database::instance()->currentConnection()
                                           : QSqlDatabase::database(connection);
    QSqlQuery q(db);
    if (!q.exec(sql) || !q.next())
        return -1;
    return q.value(0).toInt();
}

QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QStringList tables()
{
    return database::instance()->currentConnection().tables();
}

SettingsRecord everySwitchOn()
{
    SettingsRecord s;
    s.scoreMode = true;
    s.testGui = s.testReport = s.tesGui = s.tesReport = true;
    s.sqrtTesGui = s.sqrtTesReport = s.vingrysGui = s.vingrysReport = true;
    s.classGui = s.classReport = s.percentFirstGui = s.percentFirstReport = true;
    s.percentSomeGui = s.percentSomeReport = s.percentExpGui = s.percentExpReport = true;
    s.language = 4;
    s.illumination = 2;
    s.location = 3;
    s.industry = 24;
    s.job = 5;
    s.experience = 1;
    s.serialNum = 2;
    s.footerImgPath = QStringLiteral("/tmp/logo.png");
    s.footerText = QStringLiteral("Lab \"Nord\", 2nd floor");
    return s;
}

} // namespace

class TestDatabase : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TestSupport::useFreshDatabase(); }
    void init() { TestSupport::useFreshDatabase(); }

    // --- life cycle ---

    void freshFileHasFourTablesAndOneSettingsRow()
    {
        QStringList t = tables();
        t.sort();
        QVERIFY(t.contains(QLatin1String("users")));
        QVERIFY(t.contains(QLatin1String("tests")));
        QVERIFY(t.contains(QLatin1String("serialNums")));
        QVERIFY(t.contains(QLatin1String("settings")));
        QCOMPARE(count(QStringLiteral("SELECT count(*) FROM settings")), 1);
        QCOMPARE(database::instance()->getSettings(), SettingsRecord());
        // Empty text, not NULL, like every row written later.
        QCOMPARE(count(QStringLiteral(
                     "SELECT count(*) FROM settings WHERE typeof(footerImgPath) = 'text' AND "
                     "typeof(footerText) = 'text' AND footerImgPath = '' AND footerText = ''")),
                 1);
    }

    void reopeningAddsNothing()
    {
        database *db = database::instance();
        const QString path = db->path();
        QVERIFY(db->openDatabase(path));
        QVERIFY(db->openDatabase(path));
        QCOMPARE(count(QStringLiteral("SELECT count(*) FROM settings")), 1);
    }

    void connectionNames()
    {
        database *db = database::instance();
        QVERIFY(db->newDatabase(TestSupport::tempDir() + QLatin1String("/named.sqlite")));
        QCOMPARE(db->currentConnectionName(), QStringLiteral("1"));
        QCOMPARE(db->currentConnection().connectionName(), QStringLiteral("1"));
        QVERIFY(db->openDatabase(TestSupport::tempDir() + QLatin1String("/named.sqlite")));
        QCOMPARE(db->currentConnectionName(), QStringLiteral("0"));
        QCOMPARE(db->path(), TestSupport::tempDir() + QLatin1String("/named.sqlite"));
    }

    void emptyPathsChangeNothing()
    {
        database *db = database::instance();
        const int id = storeEntry(sampleEntry(QStringLiteral("Ann"), QStringLiteral("Lee")));
        QVERIFY(id > 0);
        const QString path = db->path();
        const QString name = db->currentConnectionName();
        QVERIFY(!db->newDatabase(QString()));
        QVERIFY(!db->openDatabase(QString()));
        QVERIFY(!db->saveDatabaseAs(QString()));
        QCOMPARE(db->path(), path);
        QCOMPARE(db->currentConnectionName(), name);
        QCOMPARE(db->getAllTests().size(), 1);
    }

    // A file is checked before anything is read from it or written to it: one the
    // store cannot use is refused, left byte for byte as it was, and the store stays
    // on its file. What older versions and other tools leave in a good file is taken.
    void openChecksTheFile_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QStringList>("changes"); // run on a fresh file of the store
        QTest::addColumn<QString>("refusal");     // empty: the file is opened
        const QStringList none;
        QTest::newRow("random bytes") << "random" << none << "is not a readable database";
        QTest::newRow("text file") << "text" << none << "is not a readable database";
        QTest::newRow("missing file") << "missing" << none << "does not exist";
        QTest::newRow("folder") << "folder" << none << "is a folder";
        QTest::newRow("damaged page") << "damaged" << none << "is damaged";
        QTest::newRow("locked by another program")
            << "locked" << none << "is in use by another program";
        QTest::newRow("foreign tests table")
            << "store"
            << TestSupport::texts(
                   {"DROP TABLE tests",
                    "CREATE TABLE tests (id INTEGER PRIMARY KEY, userID INTEGER, name TEXT, "
                    "testDate TEXT, comments TEXT, scores TEXT, serialNum TEXT, time TEXT)"})
            << "its table tests has other columns";
        QTest::newRow("foreign users table")
            << "store"
            << TestSupport::texts(
                   {"DROP TABLE users", "CREATE TABLE users (id INTEGER, login TEXT)"})
            << "its table users has other columns";
        QTest::newRow("zero-byte file") << "empty" << none << "";
        QTest::newRow("write-ahead log")
            << "store" << TestSupport::texts({"PRAGMA journal_mode=WAL"}) << "";
        QTest::newRow("settings without a row")
            << "store" << TestSupport::texts({"DELETE FROM settings"}) << "";
        QTest::newRow("two settings rows")
            << "store" << TestSupport::texts({"INSERT INTO settings (scoreMode) VALUES (1)"}) << "";
        QTest::newRow("copy of tests alone, values missing")
            << "store"
            << TestSupport::texts({"DROP TABLE settings", "DROP TABLE serialNums",
                                   "INSERT INTO users (id) VALUES (1)",
                                   "INSERT INTO tests (userID) VALUES (1)"})
            << "";
        QTest::newRow("register with a column of its own")
            << "store" << TestSupport::texts({"ALTER TABLE serialNums ADD COLUMN note TEXT"}) << "";
    }
    void openChecksTheFile()
    {
        QFETCH(QString, kind);
        QFETCH(QStringList, changes);
        QFETCH(QString, refusal);
        database *db = database::instance();
        QVERIFY(storeEntry(sampleEntry(QStringLiteral("Ann"), QStringLiteral("Lee"))) > 0);
        const QString path = db->path();
        const QString file = TestSupport::tempDir() + QLatin1String("/checked-") +
                             QString::fromLatin1(QTest::currentDataTag())
                                 .replace(QLatin1Char(' '), QLatin1Char('-'));
        if (kind == QLatin1String("folder")) {
            QVERIFY(QDir().mkpath(file));
        } else if (kind == QLatin1String("store") || kind == QLatin1String("damaged") ||
                   kind == QLatin1String("locked")) {
            QVERIFY(db->newDatabase(file));
            QVERIFY(db->openDatabase(path));
        } else if (kind != QLatin1String("missing")) {
            QFile f(file);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(kind == QLatin1String("random") ? QByteArray(4096, '\x5a')
                    : kind == QLatin1String("text") ? QByteArray("first,last\nAnn,Lee\n")
                                                    : QByteArray());
        }
        const QString other = QStringLiteral("fixture");
        {
            QSqlDatabase fixture = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), other);
            fixture.setDatabaseName(file);
            QSqlQuery q(fixture);
            if (kind == QLatin1String("store") || kind == QLatin1String("damaged") ||
                kind == QLatin1String("locked")) {
                QVERIFY(fixture.open());
                q = QSqlQuery(fixture);
            }
            for (const QString &change : changes)
                QVERIFY2(q.exec(change), qPrintable(q.lastError().text()));
            if (kind == QLatin1String("damaged")) {
                // Enough rows for several pages, then one page overwritten with junk.
                QVERIFY(q.exec(QStringLiteral("PRAGMA page_size")) && q.next());
                const int pageSize = q.value(0).toInt();
                for (int i = 0; i < 40; ++i)
                    QVERIFY(q.exec(QStringLiteral("INSERT INTO users (first) VALUES ('%1')")
                                       .arg(QString(500, QChar(u'a' + i % 26)))));
                fixture.close();
                QFile f(file);
                QVERIFY(f.open(QIODevice::ReadWrite) && f.seek(3 * pageSize));
                f.write(QByteArray(pageSize, '\x5a'));
            } else if (kind == QLatin1String("locked")) {
                QVERIFY(q.exec(QStringLiteral("BEGIN EXCLUSIVE")));
            } else {
                fixture.close();
            }
        }
        const QByteArray bytes = QFileInfo(file).isFile() ? readFile(file) : QByteArray();

        const bool opened = db->openDatabase(file);
        QSqlDatabase::database(other, false).close();
        QSqlDatabase::removeDatabase(other);
        if (refusal.isEmpty()) {
            QVERIFY2(opened, qPrintable(db->lastError()));
            QCOMPARE(db->path(), file);
            QCOMPARE(db->getAllTests().size(),
                     kind == QLatin1String("store") && changes.size() == 4 ? 1 : 0);
            QCOMPARE(count(QStringLiteral("SELECT count(*) FROM settings")),
                     changes.value(0).startsWith(QLatin1String("INSERT")) ? 2 : 1);
            QVERIFY(
                db->insertUserAndTest(sampleEntry(QStringLiteral("New"), QStringLiteral("One"))));
            return;
        }
        QVERIFY(!opened);
        QVERIFY2(db->lastError().contains(refusal), qPrintable(db->lastError()));
        QCOMPARE(db->path(), path);
        QCOMPARE(db->getAllTests().size(), 1);
        if (!bytes.isEmpty())
            QCOMPARE(readFile(file), bytes); // never written to
    }

    void defaultLocation_data()
    {
        QTest::addColumn<bool>("writable");
        QTest::addColumn<QString>("productType");
        QTest::addColumn<QString>("expected");
        QTest::newRow("writable program folder")
            << true << QStringLiteral("debian") << QStringLiteral("/opt/v/VK100DB.sqlite");
        QTest::newRow("installed program")
            << false << QStringLiteral("debian")
            << QStringLiteral("/home/u/.local/share/Veskora/VK100DB.sqlite");
        QTest::newRow("windows") << true << QStringLiteral("windows")
                                 << QStringLiteral("C:\\ProgramData\\Veskora\\VK100DB.sqlite");
        QTest::newRow("winrt") << false << QStringLiteral("winrt")
                               << QStringLiteral("C:\\ProgramData\\Veskora\\VK100DB.sqlite");
    }
    void defaultLocation()
    {
        QFETCH(bool, writable);
        QFETCH(QString, productType);
        QFETCH(QString, expected);
        QCOMPARE(database::defaultPath(QStringLiteral("/opt/v"), writable, productType,
                                       QStringLiteral("/home/u/.local/share/Veskora")),
                 expected);
    }

    // --- records ---

    void insertedTestIsListedLastWithTes()
    {
        database *db = database::instance();
        storeEntry(sampleEntry(QStringLiteral("Ann"), QStringLiteral("Lee")));
        const databaseEntry e = sampleEntry(QStringLiteral("Bob"), QStringLiteral("Ray"),
                                            TestSupport::swapped(CapOrder::untouched(), 30, 31));
        const int id = storeEntry(e);
        const QList<databaseEntry> all = db->getAllTests();
        QCOMPARE(all.size(), 2);
        const databaseEntry &last = all.last();
        QCOMPARE(last.testID, QString::number(id));
        QCOMPARE(last.first, e.first);
        QCOMPARE(last.middle, e.middle);
        QCOMPARE(last.last, e.last);
        QCOMPARE(last.refNum, e.refNum);
        QCOMPARE(last.DOB, e.DOB);
        QCOMPARE(last.testDate, e.testDate);
        QCOMPARE(last.time, e.time);
        QCOMPARE(last.comments, e.comments);
        QCOMPARE(last.gender, e.gender);
        QCOMPARE(last.experience, e.experience);
        QCOMPARE(last.illumination, e.illumination);
        QCOMPARE(last.industry, e.industry);
        QCOMPARE(last.job, e.job);
        QCOMPARE(last.location, e.location);
        QCOMPARE(last.serialNum, e.serialNum);
        QVERIFY(last.scores.isEmpty());
        QCOMPARE(last.tes, QStringLiteral("4"));
        QCOMPARE(all.first().tes, QStringLiteral("0"));
    }

    void tesOfStoredTexts_data()
    {
        QTest::addColumn<QString>("scores");
        QTest::addColumn<QString>("tes");
        QStringList bare;
        for (int cap : CapOrder::untouched())
            bare << QString::number(cap);
        QTest::newRow("quoted") << QLatin1Char('"') + CapOrder::write(CapOrder::untouched()) +
                                       QLatin1Char('"')
                                << QStringLiteral("0");
        QTest::newRow("bare commas") << bare.join(QLatin1Char(',')) << QStringLiteral("0");
        QTest::newRow("short text has no score") << QStringLiteral("1, 2, 3, ") << QString();
        QTest::newRow("empty text has no score") << QString() << QString();
        QTest::newRow("text beyond ASCII has no score")
            << QStringLiteral("1, 2, \u00e9, ") << QString();
    }
    void tesOfStoredTexts()
    {
        QFETCH(QString, scores);
        QFETCH(QString, tes);
        databaseEntry e = sampleEntry(QStringLiteral("Ann"), QStringLiteral("Lee"));
        e.scores = scores;
        storeEntry(e);
        QCOMPARE(database::instance()->getAllTests().last().tes, tes);
        QCOMPARE(database::instance()->heldTests().rows().last().tes, tes);
    }

    // The rows held for the browser follow every write as a fresh load would give them.
    void heldRowsFollowTheFile()
    {
        database *db = database::instance();
        const databaseEntry ann = sampleEntry(QStringLiteral("Ann"), QStringLiteral("Lee"));
        for (const databaseEntry &e :
             {ann, ann, sampleEntry(QStringLiteral("Bob"), QStringLiteral("Ray"))})
            storeEntry(e);
        const std::function<void()> steps[] = {
            [] {},
            [db] { QVERIFY(db->deleteTests({db->getAllTests().last()})); },
            [db] {
                databaseEntry loaded = db->getAllTests().first();
                loaded.scores = db->getScores(loaded.testID);
                databaseEntry edited = loaded;
                edited.last = QStringLiteral("Lane");
                edited.comments = QStringLiteral("edited");
                QVERIFY(db->updateUserAndTest(edited, loaded));
            },
            [] { storeEntry(sampleEntry(QStringLiteral("Cy"), QStringLiteral("Ng"))); },
            [db] { QVERIFY(db->deleteTest(db->getAllTests().first().testID.toInt())); },
        };
        for (const auto &step : steps) {
            step();
            QCOMPARE(db->heldTests().rows().toList(), db->getAllTests());
        }
        QCOMPARE(db->heldTests().rows().size(), 2);
        QCOMPARE(db->heldTests().rows().first().last, QStringLiteral("Lane"));
        QCOMPARE(db->heldTests().indexOf(db->getAllTests().last().testID), 1);
    }

    void getScoresStripsQuotes()
    {
        databaseEntry e = sampleEntry(QStringLiteral("Ann"), QStringLiteral("Lee"));
        const QString text = CapOrder::write(CapOrder::untouched());
        e.scores = QLatin1Char('"') + text + QLatin1Char('"');
        const int id = storeEntry(e);
        QCOMPARE(database::instance()->getScores(QString::number(id)), text);
        QCOMPARE(CapOrder::read(database::instance()->getScores(QString::number(id))),
                 CapOrder::untouched());
        QCOMPARE(database::instance()->getScores(QStringLiteral("999999")), QString());
        QCOMPARE(database::instance()->getScores(QStringLiteral("not a number")), QString());
    }

    void testWithoutSubjectIsNotListed()
    {
        QVERIFY(database::instance()->insertTest(4242, QStringLiteral("D65"), QString(), QString(),
                                                 QString(), QString(), QString()));
        QCOMPARE(database::instance()->getAllTests().size(), 0);
    }

    void updateTestNeedsMatchingOldValues_data()
    {
        QTest::addColumn<QString>("oldIll");
        QTest::addColumn<bool>("oldScoresMatch");
        QTest::addColumn<bool>("updated");
        // Older files store cap orders in quotes; the form knows them as getScores() hands them
        // out.
        QTest::addColumn<bool>("quotedInStore");
        QTest::newRow("all match") << QStringLiteral("D65") << true << true << false;
        QTest::newRow("illumination differs") << QStringLiteral("D50") << true << false << false;
        QTest::newRow("scores differ") << QStringLiteral("D65") << false << false << false;
        QTest::newRow("quoted in the store") << QStringLiteral("D65") << true << true << true;
        QTest::newRow("quoted in the store, scores differ")
            << QStringLiteral("D65") << false << false << true;
    }
    void updateTestNeedsMatchingOldValues()
    {
        QFETCH(QString, oldIll);
        QFETCH(bool, oldScoresMatch);
        QFETCH(bool, updated);
        QFETCH(bool, quotedInStore);
        database *db = database::instance();
        const databaseEntry e = sampleEntry(QStringLiteral("Ann"), QStringLiteral("Lee"));
        databaseEntry stored = e;
        if (quotedInStore)
            stored.scores = QLatin1Char('"') + e.scores + QLatin1Char('"');
        const int id = storeEntry(stored);
        const QString newScores =
            CapOrder::write(TestSupport::swapped(CapOrder::untouched(), 1, 2));
        QCOMPARE(db->updateTest(id, QStringLiteral("A"), QStringLiteral("05/06/2026"),
                                QStringLiteral("edited"), newScores, QStringLiteral("77"),
                                QStringLiteral("9"), oldIll, e.testDate,
                                oldScoresMatch ? e.scores : newScores, e.serialNum),
                 updated);
        const databaseEntry after = db->getAllTests().last();
        QCOMPARE(after.illumination, updated ? QStringLiteral("A") : e.illumination);
        QCOMPARE(after.comments, updated ? QStringLiteral("edited") : e.comments);
        QCOMPARE(db->getScores(QString::number(id)), updated ? newScores : e.scores);
    }

    void updateUserBySubjectValues()
    {
        database *db = database::instance();
        const databaseEntry e = sampleEntry(QStringLiteral("Ann"), QStringLiteral("Lee"));
        storeEntry(e);
        storeEntry(e); // a second test of the same subject: its own subject row
        QVERIFY(db->updateUser(QStringLiteral("Anne"), e.middle, e.last, e.refNum, e.DOB, e.gender,
                               e.location, e.industry, e.experience, e.job, e.first, e.middle,
                               e.last, e.DOB));
        const QList<databaseEntry> all = db->getAllTests();
        QCOMPARE(all.size(), 2);
        QCOMPARE(all[0].first, QStringLiteral("Anne"));
        QCOMPARE(all[1].first, QStringLiteral("Anne"));
        QVERIFY(!db->updateUser(QStringLiteral("X"), e.middle, e.last, e.refNum, e.DOB, e.gender,
                                e.location, e.industry, e.experience, e.job,
                                QStringLiteral("Nobody"), e.middle, e.last, e.DOB));
    }

    void emptyFieldsStayMatchable()
    {
        // A record with empty middle name and DOB must still be found by the
        // subject's four values: empty text, never NULL.
        database *db = database::instance();
        databaseEntry e = sampleEntry(QStringLiteral("Ann"), QStringLiteral("Lee"));
        e.middle = QString();
        e.DOB = QString();
        storeEntry(e);
        QCOMPARE(count(QStringLiteral("SELECT count(*) FROM users WHERE middle IS NULL")), 0);
        QVERIFY(db->deleteUser(e.first, QString(), e.last, QString()));
        QCOMPARE(count(QStringLiteral("SELECT count(*) FROM users")), 0);
    }

    // The guard every write of the store goes through: what stays in the file.
    void transactionGuard_data()
    {
        QTest::addColumn<QString>("ending");
        QTest::addColumn<bool>("kept");
        QTest::newRow("commit") << QStringLiteral("commit") << true;
        QTest::newRow("early return") << QStringLiteral("scope") << false;
        QTest::newRow("rollback") << QStringLiteral("rollback") << false;
        QTest::newRow("full disk") << QStringLiteral("full disk") << false;
    }
    void transactionGuard()
    {
        QFETCH(QString, ending);
        QFETCH(bool, kept);
        database *db = database::instance();
        const QString path = db->path();
        {
            TransactionGuard transaction(db);
            QVERIFY(transaction.isOpen());
            RecordInserter inserter(db);
            QVERIFY(inserter.insert(sampleEntry(QStringLiteral("Ann"), QStringLiteral("Lee"))));
            if (ending == QLatin1String("commit")) {
                QVERIFY(transaction.commit());
                QVERIFY(!transaction.isOpen());
            } else if (ending == QLatin1String("rollback")) {
                transaction.rollback();
                QVERIFY(!transaction.isOpen());
            } else if (ending == QLatin1String("full disk")) {
                QVERIFY(!transaction.cancelledByEngine());
                QSqlQuery q(db->currentConnection());
                QVERIFY(q.exec(QStringLiteral("PRAGMA page_count")) && q.next());
                const int pages = q.value(0).toInt();
                QVERIFY(q.exec(QStringLiteral("PRAGMA max_page_count = %1").arg(pages + 1)));
                databaseEntry big = sampleEntry(QStringLiteral("Bo"), QStringLiteral("Kay"));
                big.comments = QString(3000, QLatin1Char('x'));
                int stored = 0;
                while (stored < 100 && inserter.insert(big))
                    ++stored;
                QVERIFY(stored < 100);
                QVERIFY2(db->lastError().contains(QLatin1String("full")),
                         qPrintable(db->lastError()));
                // SQLite has cancelled the whole transaction, and the guard tells.
                QVERIFY(transaction.cancelledByEngine());
                QVERIFY(!transaction.isOpen());
                QVERIFY(!transaction.commit());
                QVERIFY(q.exec(QStringLiteral("PRAGMA max_page_count = 1073741823")));
            } else {
                QVERIFY(!transaction.cancelledByEngine());
            }
        }
        // Another connection sees what the file holds.
        {
            QSqlDatabase other =
                QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("reader"));
            other.setDatabaseName(path);
            QVERIFY(other.open());
        }
        QCOMPARE(count(QStringLiteral("SELECT count(*) FROM users"), QStringLiteral("reader")),
                 kept ? 1 : 0);
        QCOMPARE(count(QStringLiteral("SELECT count(*) FROM tests"), QStringLiteral("reader")),
                 kept ? 1 : 0);
        QSqlDatabase::removeDatabase(QStringLiteral("reader"));
        // The store writes on as before.
        QVERIFY(db->insertUserAndTest(sampleEntry(QStringLiteral("Cy"), QStringLiteral("Ng"))));
        QCOMPARE(db->getAllTests().size(), kept ? 2 : 1);
    }

    // An import can take the write lock before it starts, so no other program
    // slips its own writes in between; a deferred guard takes it on its first write.
    void transactionGuardLock_data()
    {
        QTest::addColumn<bool>("immediate");
        QTest::newRow("deferred") << false;
        QTest::newRow("immediate") << true;
    }
    void transactionGuardLock()
    {
        QFETCH(bool, immediate);
        database *db = database::instance();
        TransactionGuard transaction(db, immediate ? TransactionGuard::Lock::Immediate
                                                   : TransactionGuard::Lock::Deferred);
        QVERIFY(transaction.isOpen());
        {
            QSqlDatabase other =
                QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("writer"));
            other.setDatabaseName(db->path());
            other.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=0"));
            QVERIFY(other.open());
            QSqlQuery q(other);
            QCOMPARE(q.exec(QStringLiteral("BEGIN IMMEDIATE")), !immediate);
            if (immediate)
                QVERIFY2(q.lastError().text().contains(QLatin1String("locked")),
                         qPrintable(q.lastError().text()));
            else
                QVERIFY(q.exec(QStringLiteral("ROLLBACK")));
        }
        QSqlDatabase::removeDatabase(QStringLiteral("writer"));
        QVERIFY(transaction.commit());
    }

    // One inserter stores row after row with the statements it prepared once.
    void inserterStoresRowAfterRow()
    {
        database *db = database::instance();
        RecordInserter inserter(db);
        QList<int> subjects;
        for (const char *name : {"Ann", "Bo", "Cy"}) {
            int id = 0;
            QVERIFY(inserter.insert(sampleEntry(QLatin1String(name), QStringLiteral("Lee")), &id));
            subjects.append(id);
        }
        QCOMPARE(subjects, (QList<int>{1, 2, 3}));
        const QList<databaseEntry> all = db->getAllTests();
        QCOMPARE(all.size(), 3);
        QCOMPARE(all.at(2).first, QStringLiteral("Cy"));
        QCOMPARE(all.at(2).comments, QStringLiteral("no remarks"));
        // A test the file refuses leaves the subject stored before it, and says so.
        {
            QSqlQuery q(db->currentConnection());
            QVERIFY(q.exec(QStringLiteral("DROP TABLE tests")));
        }
        int id = 0;
        QVERIFY(!inserter.insert(sampleEntry(QStringLiteral("Di"), QStringLiteral("Lee")), &id));
        QCOMPARE(id, 4);
        QVERIFY(db->lastError().startsWith(QLatin1String("The test could not be stored")));
    }

    void deleteUnusedUsersKeepsSubjectsWithTests()
    {
        database *db = database::instance();
        const databaseEntry e = sampleEntry(QStringLiteral("Ann"), QStringLiteral("Lee"));
        const int first = storeEntry(e);
        storeEntry(e);
        QVERIFY(db->deleteTest(first));
        QVERIFY(db->deleteUnusedUsers(e.first, e.middle, e.last, e.DOB));
        QCOMPARE(count(QStringLiteral("SELECT count(*) FROM users")), 1);
        QCOMPARE(db->getAllTests().size(), 1);
    }

    // --- Save As ---

    void saveAsCopiesEverything()
    {
        database *db = database::instance();
        for (int i = 0; i < 3; ++i)
            storeEntry(sampleEntry(QStringLiteral("P%1").arg(i), QStringLiteral("Q"),
                                   TestSupport::swapped(CapOrder::untouched(), i, i + 40)));
        QVERIFY(db->updateSettings(everySwitchOn()));
        QVERIFY(db->insertSerialNum(QStringLiteral("111"), QStringLiteral("01/02/2020")));
        QVERIFY(db->insertSerialNum(QStringLiteral("222"), QStringLiteral("03/04/2024")));
        const QList<databaseEntry> before = db->getAllTests();
        QStringList scoresBefore;
        for (const databaseEntry &e : before)
            scoresBefore << db->getScores(e.testID);

        const QString copy = TestSupport::tempDir() + QLatin1String("/copy.sqlite");
        const QFile::Permissions shared =
            QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther;
        QVERIFY(QFile::setPermissions(db->path(), shared));
        QVERIFY2(db->saveDatabaseAs(copy), qPrintable(db->lastError()));
        // Readable by whoever could read the original.
        QCOMPARE(QFile::permissions(copy) & ~(QFile::ReadUser | QFile::WriteUser), shared);
        QCOMPARE(db->path(), copy);
        QCOMPARE(db->currentConnection().databaseName(), copy);

        const QList<databaseEntry> after = db->getAllTests();
        QCOMPARE(after.size(), before.size());
        for (int i = 0; i < after.size(); ++i) {
            databaseEntry a = after[i];
            databaseEntry b = before[i];
            a.testID = b.testID; // fresh rows may be numbered anew
            QCOMPARE(a, b);
            QCOMPARE(db->getScores(after[i].testID), scoresBefore[i]);
        }
        QCOMPARE(db->getSettings(), everySwitchOn());
        const QList<CapSet> sets = db->getSerialNums();
        QCOMPARE(sets.size(), 2);
        QCOMPARE(sets[1].serialNum, QStringLiteral("222"));
        QCOMPARE(sets[1].purchaseDate, QStringLiteral("03/04/2024"));

        // Opened again later, the copy still holds all of it.
        QVERIFY(db->openDatabase(copy));
        QCOMPARE(db->getAllTests().size(), 3);
        QCOMPARE(db->getSettings(), everySwitchOn());
        QCOMPARE(count(QStringLiteral("SELECT count(*) FROM settings")), 1);
    }

    void saveAsReplacesAnExistingFile()
    {
        database *db = database::instance();
        const QString other = TestSupport::tempDir() + QLatin1String("/existing.sqlite");
        QVERIFY(db->newDatabase(other));
        storeEntry(sampleEntry(QStringLiteral("Old"), QStringLiteral("Stranger")));
        QVERIFY(db->insertSerialNum(QStringLiteral("999"), QStringLiteral("01/01/2001")));

        TestSupport::useFreshDatabase();
        storeEntry(sampleEntry(QStringLiteral("Ann"), QStringLiteral("Lee")));
        QVERIFY(db->updateSettings(everySwitchOn()));
        // What an earlier Save As to the same file left when it was killed goes; a partial
        // copy for another file stays.
        const QString stale = other + QLatin1String(".partial-Ab12Cd");
        const QString elsewhere =
            TestSupport::tempDir() + QLatin1String("/else.sqlite.partial-Ab12Cd");
        for (const QString &left : {stale, QString(stale + QLatin1String("-journal")), elsewhere}) {
            QFile f(left);
            QVERIFY(f.open(QIODevice::WriteOnly) && f.write("left behind") > 0);
        }
        QVERIFY2(db->saveDatabaseAs(other), qPrintable(db->lastError()));
        QVERIFY(QDir(TestSupport::tempDir())
                    .entryList({QStringLiteral("existing.sqlite.*")}, QDir::Files | QDir::Hidden)
                    .isEmpty());
        QVERIFY(QFile::exists(elsewhere));

        // The examiner chose to replace the file: nothing of its old contents is merged in.
        const QList<databaseEntry> all = db->getAllTests();
        QCOMPARE(all.size(), 1);
        QCOMPARE(all[0].first, QStringLiteral("Ann"));
        QVERIFY(db->getSerialNums().isEmpty());
        QCOMPARE(db->getSettings(), everySwitchOn());
        QCOMPARE(count(QStringLiteral("SELECT count(*) FROM settings")), 1);
    }

    void saveAsRefusedKeepsTheFile_data()
    {
        QTest::addColumn<QString>("target"); // "@" stands for the open file's own path
        QTest::newRow("missing folder") << QStringLiteral("/no/such/dir/x.sqlite");
        QTest::newRow("link to itself") << QStringLiteral("/link.sqlite");
        QTest::newRow("itself") << QStringLiteral("@");
    }
    void saveAsRefusedKeepsTheFile()
    {
        QFETCH(QString, target);
        database *db = database::instance();
        storeEntry(sampleEntry(QStringLiteral("Ann"), QStringLiteral("Lee")));
        const QString path = db->path();
        if (target == QLatin1String("@")) {
            target = path;
        } else {
            target.prepend(TestSupport::tempDir());
            if (target.endsWith(QLatin1String("link.sqlite"))) {
                QFile::remove(target);
                QVERIFY(QFile::link(path, target));
            }
        }
        QVERIFY(!db->saveDatabaseAs(target));
        QVERIFY(!db->lastError().isEmpty());
        QCOMPARE(db->path(), path);
        QVERIFY(storeEntry(sampleEntry(QStringLiteral("Bob"), QStringLiteral("Ray"))) > 0);
        QCOMPARE(db->getAllTests().size(), 2);
    }

    // --- settings and register ---

    void settingsRoundTrip()
    {
        database *db = database::instance();
        QVERIFY(db->updateSettings(everySwitchOn()));
        QCOMPARE(db->getSettings(), everySwitchOn());
        SettingsRecord kinnearOnly;
        kinnearOnly.scoreMode = true;
        QVERIFY(db->updateSettings(kinnearOnly));
        const SettingsRecord back = db->getSettings();
        QVERIFY(back.scoreMode);
        QCOMPARE(back.analysisSwitches(), QVector<bool>(16, false).toList());
    }

    void analysisSwitchOrder()
    {
        SettingsRecord s;
        s.percentExpReport = true; // last report switch
        s.testGui = true;          // first screen switch
        const QList<bool> sw = s.analysisSwitches();
        QCOMPARE(sw.size(), 16);
        QCOMPARE(sw.indexOf(true), 7);
        QCOMPARE(sw.lastIndexOf(true), 8);
    }

    // Settings that could not be read are kept from the last read, and what was shown
    // in their place never overwrites the stored ones.
    void settingsKeptWhenUnreadable_data()
    {
        QTest::addColumn<bool>("locked");
        QTest::newRow("table missing") << false;
        QTest::newRow("file locked by another program") << true;
    }
    void settingsKeptWhenUnreadable()
    {
        QFETCH(bool, locked);
        database *db = database::instance();
        SettingsRecord stored;
        stored.scoreMode = true;
        stored.language = 1;
        QVERIFY(db->updateSettings(everySwitchOn()));
        QCOMPARE(db->getSettings(), everySwitchOn());
        QSqlQuery q(db->currentConnection());
        if (locked) {
            QVERIFY(db->updateSettings(stored));
            QVERIFY(q.exec(QStringLiteral("PRAGMA busy_timeout = 50")));
            QSqlDatabase other =
                QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("holder"));
            other.setDatabaseName(db->path());
            QVERIFY(other.open());
            QSqlQuery hold(other);
            QVERIFY(hold.exec(QStringLiteral("BEGIN EXCLUSIVE")));
            QCOMPARE(db->getSettings(), everySwitchOn()); // the kept record, not the file's
            QVERIFY(hold.exec(QStringLiteral("ROLLBACK")));
        } else {
            QVERIFY(q.exec(QStringLiteral("DROP TABLE settings")));
            QCOMPARE(db->getSettings(), everySwitchOn());
        }
        QVERIFY(!db->updateSettings(SettingsRecord()));
        QVERIFY2(db->lastError().contains(QLatin1String("could not be read")),
                 qPrintable(db->lastError()));
        if (locked) {
            QSqlDatabase::removeDatabase(QStringLiteral("holder"));
            QVERIFY(q.exec(QStringLiteral("PRAGMA busy_timeout = 5000")));
            // Read again, they may be written again.
            QCOMPARE(db->getSettings(), stored);
            QVERIFY(db->updateSettings(everySwitchOn()));
        } else {
            QCOMPARE(db->getSerialNums().size(), 0);
        }
    }

    void serialNumbersSharedByTwoRows()
    {
        database *db = database::instance();
        QVERIFY(db->getSerialNums().isEmpty());
        QVERIFY(db->insertSerialNum(QStringLiteral("100"), QStringLiteral("01/01/2020")));
        QVERIFY(db->insertSerialNum(QStringLiteral("100"), QStringLiteral("02/02/2021")));
        QVERIFY(db->insertSerialNum(QStringLiteral("200"), QStringLiteral("03/03/2022")));
        QVERIFY(db->updateSerialNum(QStringLiteral("100"), QStringLiteral("101"),
                                    QStringLiteral("04/04/2023")));
        QList<CapSet> sets = db->getSerialNums();
        QCOMPARE(sets.size(), 3);
        QCOMPARE(sets[0], (CapSet{QStringLiteral("101"), QStringLiteral("04/04/2023")}));
        QCOMPARE(sets[1], (CapSet{QStringLiteral("101"), QStringLiteral("04/04/2023")}));
        QCOMPARE(sets[2], (CapSet{QStringLiteral("200"), QStringLiteral("03/03/2022")}));
        QVERIFY(db->deleteSerialNum(QStringLiteral("101")));
        sets = db->getSerialNums();
        QCOMPARE(sets.size(), 1);
        QCOMPARE(sets[0].serialNum, QStringLiteral("200"));
    }

    void textIsBoundNeverSpliced()
    {
        database *db = database::instance();
        const QString nasty = QStringLiteral("O'Brien\"; DROP TABLE users; -- %_*?[Zoë]");
        databaseEntry e = sampleEntry(nasty, nasty);
        e.comments = nasty + QLatin1String("\nline two");
        storeEntry(e);
        const databaseEntry back = db->getAllTests().last();
        QCOMPARE(back.first, nasty);
        QCOMPARE(back.comments, e.comments);
        QVERIFY(tables().contains(QLatin1String("users")));
    }
};

QTEST_GUILESS_MAIN(TestDatabase)
#include "tst_database.moc"
