#include "caporder.h"
#include "database.h"
#include "recordinserter.h"
#include "recordsearch.h"
#include "storefixture.h"
#include "testsupport.h"
#include "transactionguard.h"

#include <QDir>
#include <QFileInfo>
#include <QtTest>
#include <functional>
#include <optional>

using namespace StoreFixture;
using TestSupport::sampleEntry;
using TestSupport::storeEntry;

namespace {
// Every column of the settings row with a value unlike its neighbours'.
// clang-format off
const SettingsRecord Mixed{true, true, false, true, false, false, true, true, false, true, false,
    false, true, false, true, true, false, 4, 2, 3, 24, 5, 1, 2, "/tmp/logo.png"_q, "Lab \"N\""_q};
// clang-format on
} // namespace

class TestDatabase : public QObject
{
    Q_OBJECT
    database *db = nullptr;
    int count(const QString &sql) { return firstValue(db->currentConnection(), sql); }
    static databaseEntry ann() { return sampleEntry("Ann"_q, "Lee"_q); }

private slots:
    void init()
    {
        TestSupport::useFreshDatabase();
        db = database::instance();
    }

    void freshFileSettingsAndRegister()
    {
        QCOMPARE(db->getSettings(), SettingsRecord());
        // Empty text, not NULL, like every row written later; opening again adds nothing.
        QVERIFY(db->openDatabase(db->path()) && db->openDatabase(db->path()));
        QCOMPARE(count("SELECT count(*) FROM settings WHERE footerImgPath || footerText = ''"_q),
                 1);
        QCOMPARE(count("SELECT count(*) FROM settings"_q), 1);
        // Writable program folder, installed program, Windows.
        const char *const places[][3] = {
            {"y", "debian", "/opt/v/VK100DB.sqlite"},
            {"", "debian", "/home/u/VK100DB.sqlite"},
            {"y", "windows", "C:\\ProgramData\\Veskora\\VK100DB.sqlite"},
            {"", "winrt", "C:\\ProgramData\\Veskora\\VK100DB.sqlite"}};
        for (const auto &p : places)
            QCOMPARE(database::defaultPath("/opt/v"_q, *p[0], QLatin1String(p[1]), "/home/u"_q),
                     QLatin1String(p[2]));
        // Settings that could not be read are kept from the last read, and what was
        // shown in their place never overwrites the stored ones until read again.
        QVERIFY(db->updateSettings(Mixed) && db->getSettings() == Mixed);
        QSqlQuery q(db->currentConnection());
        QVERIFY(q.exec("ALTER TABLE settings RENAME TO hidden"_q));
        QVERIFY(db->getSettings() == Mixed && !db->updateSettings(SettingsRecord()));
        QVERIFY2(db->lastError().contains("could not be read"_q), qPrintable(db->lastError()));
        QVERIFY(q.exec("ALTER TABLE hidden RENAME TO settings"_q));
        QVERIFY(db->getSettings() == Mixed && db->updateSettings(SettingsRecord()));
        QCOMPARE(db->getSettings(), SettingsRecord());
        // Two rows may share a serial number; an update or removal reaches both.
        QVERIFY(db->getSerialNums().isEmpty() && db->insertSerialNum("100"_q, "01/01/2020"_q));
        QVERIFY(db->insertSerialNum("100"_q, "02/02/2021"_q) &&
                db->insertSerialNum("200"_q, "03/03/2022"_q) &&
                db->updateSerialNum("100"_q, "101"_q, "04/04/2023"_q));
        const CapSet updated{"101"_q, "04/04/2023"_q};
        QCOMPARE(db->getSerialNums(), (QList<CapSet>{updated, updated, {"200"_q, "03/03/2022"_q}}));
        QVERIFY(db->deleteSerialNum("101"_q));
        QCOMPARE(db->getSerialNums(), (QList<CapSet>{{"200"_q, "03/03/2022"_q}}));
    }

    // A file is checked before anything is read from it or written to it: one the
    // store cannot use is refused, left byte for byte as it was, and the store stays
    // on its file. What older versions and other tools leave in a good file is taken.
    void openChecksTheFile_data()
    {
        // A kind of file, or statements run on a fresh file of the store; then the
        // refusal, when there is one.
        QTest::addColumn<QString>("row");
        QTest::newRow("random bytes") << "random|is not a readable database"_q;
        QTest::newRow("missing file") << "missing|does not exist"_q;
        QTest::newRow("folder") << "folder|is a folder"_q;
        QTest::newRow("damaged page")
            << "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 40) "
               "INSERT "
               "INTO users (first) SELECT hex(randomblob(250)) FROM n;DAMAGE|is damaged"_q;
        QTest::newRow("locked") << "BEGIN EXCLUSIVE|is in use by another program"_q;
        QTest::newRow("foreign tests table")
            << "DROP TABLE tests;CREATE TABLE tests (id INTEGER PRIMARY KEY, userID INTEGER, name "
               "TEXT, testDate TEXT, comments TEXT, scores TEXT, serialNum TEXT, time TEXT)|its "
               "table tests has other columns"_q;
        QTest::newRow("foreign users table") << "DROP TABLE users;CREATE TABLE users (id INTEGER, "
                                                "login TEXT)|its table users has other columns"_q;
        QTest::newRow("zero-byte file") << "empty"_q;
        QTest::newRow("write-ahead log") << "PRAGMA journal_mode=WAL"_q;
        QTest::newRow("settings without a row") << "DELETE FROM settings"_q;
        QTest::newRow("two settings rows") << "INSERT INTO settings (scoreMode) VALUES (1)"_q;
        QTest::newRow("copy of tests alone, values missing")
            << "DROP TABLE settings;DROP TABLE serialNums;INSERT INTO users (id) VALUES (1);INSERT "
               "INTO tests (userID) VALUES (1)"_q;
        QTest::newRow("register with a column of its own")
            << "ALTER TABLE serialNums ADD COLUMN note TEXT"_q;
    }
    void openChecksTheFile()
    {
        QFETCH(QString, row);
        const QString kind = row.section(QLatin1Char('|'), 0, 0);
        const QString refusal = row.section(QLatin1Char('|'), 1);
        const QStringList changes =
            kind.contains(QLatin1Char(' ')) ? kind.split(QLatin1Char(';')) : QStringList();
        QVERIFY(storeEntry(ann()) > 0);
        const QString path = db->path();
        const QString file = TestSupport::tempDir() + "/checked-"_q + QString::number(qHash(row));
        if (kind == "folder"_q)
            QVERIFY(QDir().mkpath(file));
        else if (!changes.isEmpty())
            QVERIFY(db->newDatabase(file) && db->openDatabase(path));
        else if (kind != "missing"_q)
            QVERIFY(writeFile(file, kind == "random"_q ? QByteArray(4096, 'Z') : QByteArray()));
        std::optional<Other> fixture;
        if (!changes.isEmpty())
            fixture.emplace(file);
        for (const QString &change : changes) {
            if (change != "DAMAGE"_q) {
                QVERIFY2(fixture->exec(change), qPrintable(fixture->error));
                continue;
            }
            // One page of several overwritten with junk.
            const int pageSize = fixture->value("PRAGMA page_size"_q);
            fixture.reset();
            QFile f(file);
            QVERIFY(f.open(QIODevice::ReadWrite) && f.seek(3 * pageSize));
            f.write(QByteArray(pageSize, 'Z'));
        }
        if (!kind.startsWith("BEGIN"_q)) // else held while the store opens the file
            fixture.reset();
        const QByteArray bytes = QFileInfo(file).isFile() ? readFile(file) : QByteArray();
        const bool opened = db->openDatabase(file);
        const QString why = db->lastError();
        if (refusal.isEmpty()) {
            QVERIFY2(opened && db->path() == file, qPrintable(why));
            QCOMPARE(db->getAllTests().size(), changes.size() == 4 ? 1 : 0);
            QCOMPARE(count("SELECT count(*) FROM settings"_q), kind.startsWith("INSERT"_q) ? 2 : 1);
            QVERIFY(db->insertUserAndTest(sampleEntry("New"_q, "One"_q)));
            return;
        }
        QVERIFY2(!opened && why.contains(refusal), qPrintable(why));
        // New File on a file that is there checks it the same way.
        QVERIFY(kind == "missing"_q || kind.startsWith("BEGIN"_q) || !db->newDatabase(file));
        QVERIFY(db->path() == path && db->getAllTests().size() == 1);
        QCOMPARE(readFile(file), bytes); // never written to
    }

    // A stored test is listed with its TES, the cap-order text handed out without
    // the quotes older files wrap it in; a test without its subject is not listed.
    void storedTestsAndTheirScores()
    {
        const QString swapped =
            CapOrder::write(TestSupport::swapped(CapOrder::untouched(), 30, 31));
        const QString written = CapOrder::write(CapOrder::untouched());
        const QString rows[][2] = {
            {swapped, "4"_q},
            {"\""_q + written + "\""_q, "0"_q},
            {QString(written).remove(QLatin1Char(' ')), "0"_q}, // bare commas
            {"1, 2, 3, "_q, QString()},                         // short texts have no score
            {QString(), QString()},
            {"1, 2, é, "_q, QString()}};
        QList<databaseEntry> listed;
        // Names that repeat and names that differ, as the load shares repeated texts.
        const QString firstNames[] = {"Ann"_q, "Zoë"_q, "Ann"_q, QString(), "Zoë"_q, "Bo"_q};
        for (const auto &row : rows) {
            databaseEntry e = ann();
            e.first = firstNames[listed.size()];
            e.scores = row[0];
            e.testID = QString::number(storeEntry(e));
            const QString handedOut = e.scores.remove(QLatin1Char('"'));
            QCOMPARE(db->getScores(e.testID), handedOut);
            QCOMPARE(db->scoresOf({e.testID, "x"_q}),
                     (QHash<QString, QString>{{e.testID, handedOut}}));
            e.scores.clear();
            e.tes = row[1];
            listed << e;
        }
        QVERIFY(db->insertTest(4242, "D65"_q, {}, {}, {}, {}, {}));
        QCOMPARE(db->getAllTests(), listed);
        QCOMPARE(db->heldTests().rows().toList(), listed);
        QVERIFY(db->getScores("999999"_q).isNull() && db->getScores("not a number"_q).isNull());
        // A test the file refuses leaves the subject stored before it, and says so.
        RecordInserter inserter(db);
        QVERIFY(inserter.insert(ann()) &&
                QSqlQuery(db->currentConnection()).exec("DROP TABLE tests"_q));
        QVERIFY(!inserter.insert(sampleEntry("Di"_q, "Lee"_q)) &&
                count("SELECT count(*) FROM users"_q) == 8);
        QVERIFY(db->lastError().startsWith("The test could not be stored"_q));
    }

    // A load of thousands of rows turns them into records on a second thread, a
    // chunk at a time: every row arrives, in the file's order, with its own values.
    void manyRowsArriveInOrder()
    {
        const QString moved = CapOrder::write(TestSupport::swapped(CapOrder::untouched(), 30, 31));
        const QString untouched = CapOrder::write(CapOrder::untouched());
        QList<databaseEntry> expected;
        {
            TransactionGuard transaction(db);
            RecordInserter inserter(db);
            for (int i = 0; i < 2600; ++i) {
                databaseEntry e = sampleEntry(i % 3 ? "Ann"_q : QString::number(i), "Lee"_q);
                e.comments = i % 7 ? QString() : "c%1"_q.arg(i);
                e.scores = i % 2 ? untouched : moved;
                QVERIFY(inserter.insert(e));
                e.testID = QString::number(i + 1);
                e.tes = i % 2 ? "0"_q : "4"_q;
                e.scores.clear();
                expected << e;
            }
            QVERIFY(transaction.commit());
        }
        QCOMPARE(db->getAllTests(), expected);
        QCOMPARE(db->heldTests().rows().toList(), expected);
    }

    // Every write, refused or not, and a change by another program: the rows held
    // for the browser stay as a fresh load gives them. A test and its subject are
    // found by the values they had when loaded: the cap order as the form knows it,
    // without the quotes older files wrap it in, and empty fields stored as empty
    // text, never NULL, so that they still match.
    void writesKeepTheHeldRowsCurrent()
    {
        databaseEntry quoted = ann();
        quoted.scores = "\""_q + quoted.scores + "\""_q;
        databaseEntry blank = sampleEntry("Bo"_q, "Ek"_q);
        blank.middle = blank.DOB = QString();
        for (const databaseEntry &e : {quoted, ann(), blank})
            storeEntry(e);
        QCOMPARE(count("SELECT count(*) FROM users WHERE middle IS NULL OR DOB IS NULL"_q), 0);
        const QString moved = CapOrder::write(TestSupport::swapped(CapOrder::untouched(), 1, 2));
        // The first test updated, from its values as loaded but for the illumination (0),
        // the cap order (1) or the first name (2).
        const auto update = [&](int wrong, const QString &value) {
            databaseEntry loaded = db->getAllTests().first();
            loaded.scores = db->getScores(loaded.testID);
            databaseEntry edited = loaded;
            edited.last = "Lane"_q;
            edited.illumination = "A"_q;
            edited.scores = moved;
            QString *const old[] = {&loaded.illumination, &loaded.scores, &loaded.first};
            if (wrong >= 0)
                *old[wrong] = value;
            return db->updateUserAndTest(edited, loaded);
        };
        const std::function<void()> steps[] = {
            [] {},
            [&] { QVERIFY(!update(0, "D50"_q) && !update(1, moved) && !update(2, "X"_q)); },
            [&] {
                QVERIFY(update(-1, QString()));
                QCOMPARE(db->getScores(db->getAllTests().first().testID), moved);
            },
            [this] { QVERIFY(db->deleteTests({db->getAllTests().last()})); },
            [] { storeEntry(sampleEntry("Cy"_q, "Ng"_q)); },
            [this] {
                QVERIFY(Other(db->path()).exec("UPDATE users SET last = 'Out' WHERE id = 4"_q));
            },
            [this] { QVERIFY(db->deleteTest(db->getAllTests().first().testID.toInt())); },
        };
        for (const auto &step : steps) {
            step();
            QCOMPARE(db->heldTests().rows().toList(), db->getAllTests());
        }
        // Both rows of the renamed subject follow; the blank one went with its test.
        const TestRows &held = db->heldTests();
        QCOMPARE(held.rows().size(), 2);
        QVERIFY(held.rows().first().last == "Lane"_q && held.rows().last().last == "Out"_q);
        QVERIFY(held.rows().first().illumination == "D65"_q && held.indexOf("4"_q) == 1);
        QVERIFY(count("SELECT count(*) FROM users"_q) == 3 &&
                db->deleteUser("Cy"_q, "M"_q, "Out"_q, ann().DOB));
        QCOMPARE(count("SELECT count(*) FROM users"_q), 2);
    }

    // The guard every write of the store goes through: what stays in the file. An
    // import can take the write lock before it starts, so no other program slips
    // its own writes in between; a deferred guard takes it on its first write.
    void transactionGuard_data()
    {
        QTest::addColumn<QString>("ending");
        for (const char *ending : {"commit", "immediate commit", "scope", "rollback", "full disk"})
            QTest::newRow(ending) << QString::fromLatin1(ending).remove("immediate "_q);
    }
    void transactionGuard()
    {
        QFETCH(QString, ending);
        const bool immediate = QByteArray(QTest::currentDataTag()).startsWith("immediate");
        const bool kept = ending == "commit"_q;
        {
            TransactionGuard transaction(db, immediate ? TransactionGuard::Lock::Immediate
                                                       : TransactionGuard::Lock::Deferred);
            QVERIFY(transaction.isOpen());
            {
                Other writer(db->path(), "QSQLITE_BUSY_TIMEOUT=0"_q);
                QCOMPARE(writer.exec("BEGIN IMMEDIATE"_q), !immediate);
                QVERIFY(immediate ? writer.error.contains("locked"_q) : writer.exec("ROLLBACK"_q));
            }
            RecordInserter inserter(db);
            QVERIFY(inserter.insert(ann()));
            if (ending == "full disk"_q) {
                QVERIFY(
                    QSqlQuery(db->currentConnection())
                        .exec("PRAGMA max_page_count = %1"_q.arg(count("PRAGMA page_count"_q))));
                databaseEntry big = sampleEntry("Bo"_q, "Kay"_q);
                big.comments = QString(10000, QLatin1Char('x'));
                QVERIFY(!inserter.insert(big));
                QCOMPARE(
                    db->lastError(),
                    "The test could not be stored: database or disk is full Unable to fetch row"_q);
                // SQLite has cancelled the whole transaction: nothing to commit.
                QVERIFY(!transaction.commit() && QSqlQuery(db->currentConnection())
                                                     .exec("PRAGMA max_page_count = 1073741823"_q));
            }
            if (ending == "commit"_q)
                QVERIFY(transaction.commit());
            else if (ending == "rollback"_q)
                transaction.rollback();
            QCOMPARE(transaction.isOpen(), ending == "scope"_q);
        }
        QCOMPARE(snapshot(db->path()).size(), kept ? 2 : 0); // a subject and its test
        // The store writes on as before.
        QVERIFY(db->insertUserAndTest(sampleEntry("Cy"_q, "Ng"_q)));
        QCOMPARE(db->getAllTests().size(), kept ? 2 : 1);
    }

    // Save As onto an existing file replaces it with a full copy of the open one,
    // readable by whoever could read the original; what an earlier Save As to the
    // same file left when it was killed goes, a partial copy for another file stays.
    void saveAsReplacesWithACopy()
    {
        const QString other = TestSupport::tempDir() + "/existing.sqlite"_q;
        QVERIFY(db->newDatabase(other) && db->insertSerialNum("999"_q, "01/01/2001"_q));
        storeEntry(sampleEntry("Old"_q, "Stranger"_q));
        TestSupport::useFreshDatabase();
        for (int i = 0; i < 3; ++i)
            storeEntry(sampleEntry("P%1"_q.arg(i), "Q"_q,
                                   TestSupport::swapped(CapOrder::untouched(), i, i + 40)));
        // Texts beyond ASCII, long, with a NUL, or NULL (an older file's): copied as
        // the same bytes, NULL as an empty text.
        databaseEntry odd = sampleEntry("Zoë 😀"_q, QString(3000, QLatin1Char('x')) + QChar());
        odd.comments = "a"_q + QChar() + "ß\r\n"_q;
        odd.refNum = QChar(0x80);
        QVERIFY(storeEntry(odd) > 0 && QSqlQuery(db->currentConnection())
                                           .exec("UPDATE users SET middle = NULL WHERE id = 4"_q));
        QVERIFY(db->updateSettings(Mixed) && db->insertSerialNum("111"_q, "01/02/2020"_q) &&
                db->insertSerialNum("222"_q, "03/04/2024"_q));
        const QStringList before = snapshot(db->path());
        const auto shared =
            QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther;
        QVERIFY(QFile::setPermissions(db->path(), shared));
        const QString elsewhere = TestSupport::tempDir() + "/else.sqlite.partial-Ab12Cd"_q;
        for (const QString &left : QStringList{other + ".partial-Ab12Cd"_q,
                                               other + ".partial-Ab12Cd-journal"_q, elsewhere})
            QVERIFY(writeFile(left, "left behind"));
        QVERIFY2(db->saveDatabaseAs(other), qPrintable(db->lastError()));
        QCOMPARE(QFile::permissions(other) & ~(QFile::ReadUser | QFile::WriteUser), shared);
        QVERIFY(db->path() == other && db->currentConnection().databaseName() == other);
        QVERIFY(QDir(TestSupport::tempDir()).entryList({"existing.sqlite.*"_q}).isEmpty());
        QVERIFY(QFile::exists(elsewhere));
        // Opened again later, the copy holds every row, the settings and the register.
        QVERIFY(db->openDatabase(other) && db->getSettings() == Mixed);
        QCOMPARE(snapshot(other), before);
        QCOMPARE(count("SELECT count(*) FROM settings"_q), 1);
        const QString bytes = QString::fromLatin1(
            (odd.first + odd.refNum + odd.last + odd.comments).toUtf8().toHex());
        QCOMPARE(
            count("SELECT count(*) FROM users JOIN tests ON userID = users.id WHERE middle = '' "
                  "AND hex(first) || hex(refNum) || hex(last) || hex(comments) = upper('%1')"_q.arg(
                      bytes)),
            1);
    }

    // A refused New, Open or Save As leaves the store on its file, writing on.
    void fileOperationRefused()
    {
        const QString path = db->path(), folder = TestSupport::tempDir();
        const QString missing = folder + "/no/such/dir/x.sqlite"_q, link = folder + "/l.sqlite"_q;
        QVERIFY(QFile::link(path, link) && QDir().mkpath(folder + "/folder"_q));
        // New, Open or Save As; the file; what the refusal says (empty paths say nothing).
        const std::tuple<char, QString, const char *> rows[] = {
            {'n', {}, ""},
            {'o', {}, ""},
            {'s', {}, ""},
            {'s', link, "onto itself"},
            {'s', missing, "could not be written"},
            {'s', path, "onto itself"},
            {'n', missing, "could not be opened"},
            {'s', folder + "/folder"_q, "is a folder"}};
        int stored = 0;
        for (const auto &[op, file, says] : rows) {
            QVERIFY(!(op == 'n'   ? db->newDatabase(file)
                      : op == 'o' ? db->openDatabase(file)
                                  : db->saveDatabaseAs(file)));
            QVERIFY2(db->lastError().contains(QLatin1String(says)), qPrintable(db->lastError()));
            QVERIFY(db->path() == path && db->currentConnectionName() == "0"_q);
            QVERIFY(storeEntry(ann()) > 0 && db->getAllTests().size() == ++stored);
        }
    }

    // Text that would break a statement built by pasting (quotes, semicolons, SQL
    // keywords), that LIKE or GLOB treat as wildcards, and names beyond ASCII: each
    // is stored and found exactly as typed.
    void awkwardTextStoredAndFound()
    {
        // First, middle and last name, reference number, comments.
        const char *const texts[][5] = {
            {"O'Brien", "\"Bo\"", "D'Arcy \"the 2nd\"", "R-'1'", "She said \"it's fine\" ''"},
            {"Robert'); DROP TABLE users;--", "", "Tables", "1' OR '1'='1", "; DELETE FROM tests;"},
            {"Per", "Cent", "100%_done", "%", "50% of 10_000"},
            {"St*r", "Qu?", "[Brackets]", "[!x]", "a*b?c[d-f]^"},
            {"Zoë", "Øre", "Ångström-Łukasiewicz", "№ 5", "山田 太郎 😀 ß\nline, two\r\n"}};
        QList<databaseEntry> stored;
        for (const auto &t : texts) {
            databaseEntry e = sampleEntry(QString::fromUtf8(t[0]), QString::fromUtf8(t[2]));
            e.middle = QString::fromUtf8(t[1]);
            e.refNum = QString::fromUtf8(t[3]);
            e.comments = QString::fromUtf8(t[4]);
            e.testID = QString::number(storeEntry(e));
            e.scores.clear();
            e.tes = "0"_q;
            stored << e;
        }
        QCOMPARE(db->getAllTests(), stored);
        // Percent and underscore are plain characters; GLOB characters typed by the
        // examiner act as wildcards, and bracket classes find a literal star or bracket.
        using R = RecordSearch;
        // Criterion, method, text, and the first names found, sorted, joined by "|".
        const std::tuple<int, int, const char *, const char *> rows[] = {
            {R::Last, R::IsExactly, "D'Arcy \"the 2nd\"", "O'Brien"},
            {R::First, R::IsExactly, texts[1][0], texts[1][0]},
            {R::ReferenceNumber, R::Contains, "' OR '", texts[1][0]},
            {R::Last, R::Contains, "0%_d", "Per"},
            {R::Last, R::IsExactly, "100%_don_", ""},
            {R::First, R::BeginsWith, "?o", "Robert'); DROP TABLE users;--|Zoë"},
            {R::First, R::Contains, "[*]", "St*r"},
            {R::Last, R::BeginsWith, "[[]Br", "St*r"},
            {R::Last, R::Contains, "[", ""},
            {R::Last, R::EndsWith, "Łukasiewicz", "Zoë"},
            {R::Comments, R::Contains, "😀", "Zoë"}};
        for (const auto &[criterion, method, text, found] : rows) {
            QString error;
            QStringList names;
            for (const databaseEntry &e :
                 RecordSearch::run(db, criterion, method, QString::fromUtf8(text), &error))
                names << e.first;
            names.sort();
            QCOMPARE(names.join(QLatin1Char('|')), QString::fromUtf8(found));
            QVERIFY2(error.isEmpty(), qPrintable(error));
        }
        // No text ran as a statement: every table and row is still there.
        QCOMPARE(db->getAllTests(), stored);
    }
};

QTEST_GUILESS_MAIN(TestDatabase)
#include "tst_database.moc"
