#include "database.h"

#include "caporder.h"
#include "recordinserter.h"
#include "rowreader.h"
#include "scoring.h"
#include "storesql.h"
#include "transactionguard.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QSysInfo>
#include <QTemporaryFile>
#include <QVariant>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace {

const char *const DriverName = "QSQLITE";
const char *const FileName = "VK100DB.sqlite";

QString &initialPathOverride()
{
    static QString path;
    return path;
}

const char *const CreateUsers =
    "CREATE TABLE IF NOT EXISTS users (id INTEGER PRIMARY KEY AUTOINCREMENT, first TEXT, "
    "middle TEXT, last TEXT, refNum TEXT, DOB TEXT, gender TEXT, location TEXT, industry TEXT, "
    "experience TEXT, job TEXT)";
const char *const CreateTests =
    "CREATE TABLE IF NOT EXISTS tests (id INTEGER PRIMARY KEY AUTOINCREMENT, userID INTEGER, "
    "illumination TEXT, testDate TEXT, comments TEXT, scores TEXT, serialNum TEXT, time TEXT, "
    "FOREIGN KEY(userID) REFERENCES users(id))";
const char *const CreateSerialNums =
    "CREATE TABLE IF NOT EXISTS serialNums (id INTEGER PRIMARY KEY AUTOINCREMENT, serialNum "
    "TEXT, purchaseDate TEXT)";
const char *const CreateSettings =
    "CREATE TABLE IF NOT EXISTS settings (id INTEGER PRIMARY KEY AUTOINCREMENT, scoreMode "
    "INTEGER, testGui INTEGER, testReport INTEGER, tesGui INTEGER, tesReport INTEGER,"
    "sqrtTesGui INTEGER, sqrtTesReport INTEGER, vingrysGui INTEGER, vingrysReport INTEGER,"
    "classGui INTEGER, classReport INTEGER, percentFirstGui INTEGER, percentFirstReport INTEGER,"
    "percentSomeGui INTEGER, percentSomeReport INTEGER, percentExpGui INTEGER, percentExpReport "
    "INTEGER,"
    "language INTEGER, illumination INTEGER, location INTEGER, industry INTEGER, job INTEGER, "
    "experience INTEGER, serialNum INTEGER,"
    "footerImgPath TEXT, footerText TEXT)";

const char *const InsertSettings =
    "INSERT INTO settings (scoreMode, testGui, testReport, tesGui, tesReport,"
    "sqrtTesGui, sqrtTesReport, vingrysGui, vingrysReport, classGui, classReport,"
    "percentFirstGui, percentFirstReport, percentSomeGui, percentSomeReport,"
    "percentExpGui, percentExpReport, language, illumination, location, industry, job,"
    "experience, serialNum, footerImgPath, footerText)"
    " VALUES "
    "(:scoreMode, :testGui, :testReport, :tesGui, :tesReport,"
    ":sqrtTesGui, :sqrtTesReport, :vingrysGui, :vingrysReport, :classGui, :classReport,"
    ":percentFirstGui, :percentFirstReport, :percentSomeGui, :percentSomeReport,"
    ":percentExpGui, :percentExpReport, :language, :illumination, :location, :industry, :job,"
    ":experience, :serialNum, :footerImgPath, :footerText)";

const char *const UpdateSettings =
    "UPDATE settings SET scoreMode = :scoreMode, testGui = :testGui, testReport = :testReport, "
    "tesGui = :tesGui, tesReport = :tesReport,"
    "sqrtTesGui = :sqrtTesGui, sqrtTesReport = :sqrtTesReport, vingrysGui = :vingrysGui, "
    "vingrysReport = :vingrysReport,"
    "classgui = :classGui, classReport = :classReport, percentFirstGui = :percentFirstGui, "
    "percentFirstReport = :percentFirstReport,"
    "percentSomeGui = :percentSomeGui, percentSomeReport = :percentSomeReport, percentExpGui = "
    ":percentExpGui, percentExpReport = :percentExpReport,"
    "language = :language, illumination = :illumination, location = :location, industry = "
    ":industry, job = :job, experience = :experience, serialNum = :serialNum,"
    "footerImgPath = :footerImgPath, footerText = :footerText";

// Binds the 24 integers and two texts of a settings record to the placeholders
// shared by the insert and update statements.
void bindSettings(QSqlQuery &q, const SettingsRecord &s)
{
    q.bindValue(QStringLiteral(":scoreMode"), int(s.scoreMode));
    q.bindValue(QStringLiteral(":testGui"), int(s.testGui));
    q.bindValue(QStringLiteral(":testReport"), int(s.testReport));
    q.bindValue(QStringLiteral(":tesGui"), int(s.tesGui));
    q.bindValue(QStringLiteral(":tesReport"), int(s.tesReport));
    q.bindValue(QStringLiteral(":sqrtTesGui"), int(s.sqrtTesGui));
    q.bindValue(QStringLiteral(":sqrtTesReport"), int(s.sqrtTesReport));
    q.bindValue(QStringLiteral(":vingrysGui"), int(s.vingrysGui));
    q.bindValue(QStringLiteral(":vingrysReport"), int(s.vingrysReport));
    q.bindValue(QStringLiteral(":classGui"), int(s.classGui));
    q.bindValue(QStringLiteral(":classReport"), int(s.classReport));
    q.bindValue(QStringLiteral(":percentFirstGui"), int(s.percentFirstGui));
    q.bindValue(QStringLiteral(":percentFirstReport"), int(s.percentFirstReport));
    q.bindValue(QStringLiteral(":percentSomeGui"), int(s.percentSomeGui));
    q.bindValue(QStringLiteral(":percentSomeReport"), int(s.percentSomeReport));
    q.bindValue(QStringLiteral(":percentExpGui"), int(s.percentExpGui));
    q.bindValue(QStringLiteral(":percentExpReport"), int(s.percentExpReport));
    q.bindValue(QStringLiteral(":language"), s.language);
    q.bindValue(QStringLiteral(":illumination"), s.illumination);
    q.bindValue(QStringLiteral(":location"), s.location);
    q.bindValue(QStringLiteral(":industry"), s.industry);
    q.bindValue(QStringLiteral(":job"), s.job);
    q.bindValue(QStringLiteral(":experience"), s.experience);
    q.bindValue(QStringLiteral(":serialNum"), s.serialNum);
    // Empty text, never NULL: a fresh row holds '' like every row written later.
    q.bindValue(QStringLiteral(":footerImgPath"), StoreSql::text(s.footerImgPath));
    q.bindValue(QStringLiteral(":footerText"), StoreSql::text(s.footerText));
}

using StoreSql::text;
using StoreSql::withoutQuotes;

// A name of a new, empty file beside the given one; empty when the folder refuses it.
QString uniqueNameBeside(const QString &path, const QString &purpose)
{
    QTemporaryFile file(path + QLatin1Char('.') + purpose + QLatin1String("-XXXXXX"));
    file.setAutoRemove(false);
    if (!file.open())
        return QString();
    return file.fileName();
}

// Removes what an earlier copy to the same target left behind when it was cut short
// (the program killed, the machine off): its partial file and that file's journals.
void removeStalePartials(const QString &path)
{
    const QFileInfo target(path);
    QDir folder = target.absoluteDir();
    // Compared as text: the target's own name may hold wildcard characters.
    const QString prefix = target.fileName() + QLatin1String(".partial-");
    const QStringList candidates =
        folder.entryList({QStringLiteral("*.partial-*")}, QDir::Files | QDir::Hidden);
    for (const QString &name : candidates)
        if (name.startsWith(prefix))
            folder.remove(name);
}

// Puts a finished copy in the place of path. A file already there is moved aside first and
// comes back if the copy cannot take its place. Returns why it failed, or nothing.
QString moveIntoPlace(const QString &partial, const QString &path)
{
    QString replaced;
    if (QFileInfo::exists(path)) {
        replaced = uniqueNameBeside(path, QStringLiteral("replaced"));
        if (replaced.isEmpty() || !QFile::remove(replaced) || !QFile::rename(path, replaced))
            return database::tr("%1 could not be replaced").arg(path);
    }
    if (!QFile::rename(partial, path)) {
        if (!replaced.isEmpty())
            QFile::rename(replaced, path);
        return database::tr("%1 could not be written").arg(path);
    }
    if (!replaced.isEmpty())
        QFile::remove(replaced);
    return QString();
}

// The columns a table of this program starts with, in order: the records are read by
// position. The subject and test tables are read joined, so they may hold no more.
struct ExpectedTable
{
    const char *name;
    QList<const char *> columns;
    bool exact;
};

const QList<ExpectedTable> &expectedTables()
{
    static const QList<ExpectedTable> tables = {
        {"users",
         {"id", "first", "middle", "last", "refNum", "DOB", "gender", "location", "industry",
          "experience", "job"},
         true},
        {"tests",
         {"id", "userID", "illumination", "testDate", "comments", "scores", "serialNum", "time"},
         true},
        {"serialNums", {"id", "serialNum", "purchaseDate"}, false},
        {"settings",
         {"id",
          "scoreMode",
          "testGui",
          "testReport",
          "tesGui",
          "tesReport",
          "sqrtTesGui",
          "sqrtTesReport",
          "vingrysGui",
          "vingrysReport",
          "classGui",
          "classReport",
          "percentFirstGui",
          "percentFirstReport",
          "percentSomeGui",
          "percentSomeReport",
          "percentExpGui",
          "percentExpReport",
          "language",
          "illumination",
          "location",
          "industry",
          "job",
          "experience",
          "serialNum",
          "footerImgPath",
          "footerText"},
         false},
    };
    return tables;
}

// Whether a table's columns are those the store reads; a missing table (no columns)
// is created later and fits.
bool columnsFit(const QStringList &found, const ExpectedTable &table)
{
    if (found.isEmpty())
        return true;
    if (found.size() < table.columns.size() ||
        (table.exact && found.size() != table.columns.size()))
        return false;
    for (int i = 0; i < table.columns.size(); ++i)
        if (found.at(i).compare(QLatin1String(table.columns.at(i)), Qt::CaseInsensitive) != 0)
            return false;
    return true;
}

bool isLocked(const QSqlError &error)
{
    // SQLITE_BUSY and SQLITE_LOCKED.
    return error.nativeErrorCode() == QLatin1String("5") ||
           error.nativeErrorCode() == QLatin1String("6") ||
           error.text().contains(QLatin1String("locked"));
}

// Which file a path names now: another file renamed over it has another identity.
// Empty where the system does not tell (the check is then skipped).
QString identityOf(const QString &path)
{
#ifdef Q_OS_UNIX
    struct stat info
    {
    };
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return QStringLiteral("gone");
    return QString::number(quint64(info.st_dev)) + QLatin1Char(':') +
           QString::number(quint64(info.st_ino));
#else
    Q_UNUSED(path)
    return QString();
#endif
}

} // namespace

database *database::instance()
{
    static database *store = nullptr;
    if (!store) {
        store = new database;
        store->initDatabase();
    }
    return store;
}

void database::setInitialPath(const QString &path)
{
    initialPathOverride() = path;
}

QString database::defaultPath(const QString &appDir, bool appDirWritable,
                              const QString &productType, const QString &appDataDir)
{
    if (productType == QLatin1String("windows") || productType == QLatin1String("winrt"))
        return QStringLiteral("C:\\ProgramData\\Veskora\\") + QLatin1String(FileName);
    // An installed program's folder is read-only: saving there would fail on every test.
    const QString dir = appDirWritable ? appDir : appDataDir;
    return dir + QLatin1Char('/') + QLatin1String(FileName);
}

database::database()
{
    if (!initialPathOverride().isEmpty()) {
        dbPath = initialPathOverride();
    } else {
        const QString appDir = QCoreApplication::applicationDirPath();
        dbPath = defaultPath(appDir, QFileInfo(appDir).isWritable(), QSysInfo::productType(),
                             QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    }
    QDir().mkpath(QFileInfo(QDir::fromNativeSeparators(dbPath)).absolutePath());
}

bool database::fail(const QString &what, const QString &detail)
{
    QString why = detail;
    if (!refusal.isEmpty()) {
        why = refusal;
    } else if (wasReplaced()) {
        // SQLite's own words ("attempt to write a readonly database") would not say what happened.
        why = tr("another program replaced or removed %1 since it was opened")
                  .arg(QDir::toNativeSeparators(dbPath));
        if (!replacedReported) {
            replacedReported = true;
            emit fileReplaced();
        }
    }
    lastErrorText = why.isEmpty() ? what : what + QLatin1String(": ") + why;
    return false;
}

bool database::failOpening(const QString &problem)
{
    // Not through fail(): the reason is this file's, whatever the store's current file is.
    lastErrorText = tr("The database file could not be opened: %1").arg(problem);
    return false;
}

bool database::wasReplaced() const
{
    return !fileIdentity.isEmpty() && identityOf(dbPath) != fileIdentity;
}

void database::switchedFile()
{
    refusal.clear();
    settingsUnread = false;
    fileIdentity = identityOf(dbPath);
    replacedReported = false;
}

QString database::checkFile(QSqlDatabase &db, const QString &path)
{
    const QString name = QDir::toNativeSeparators(path);
    if (QFileInfo(path).isDir())
        return tr("%1 is a folder").arg(name);
    if (!db.isOpen())
        return tr("%1 is not a readable database (%2)").arg(name, db.lastError().text());
    // A file that is not a database opens without complaint; the first read tells.
    {
        QSqlQuery probe(db);
        if (!probe.exec(QStringLiteral("SELECT count(*) FROM sqlite_master"))) {
            if (isLocked(probe.lastError()))
                return tr("%1 is in use by another program (%2)")
                    .arg(name, probe.lastError().text());
            return tr("%1 is not a readable database (%2)").arg(name, probe.lastError().text());
        }
    }
    {
        // A damaged page would read as missing records, and writes could spread the damage.
        QSqlQuery check(db);
        if (!check.exec(QStringLiteral("PRAGMA quick_check(1)")) || !check.next())
            return tr("%1 is damaged (%2)").arg(name, check.lastError().text());
        const QString verdict = check.value(0).toString();
        if (verdict != QLatin1String("ok"))
            return tr("%1 is damaged (%2)").arg(name, verdict);
    }
    for (const ExpectedTable &table : expectedTables()) {
        QSqlQuery info(db);
        if (!info.exec(QStringLiteral("PRAGMA table_info(%1)").arg(QLatin1String(table.name))))
            return tr("%1 is not a readable database (%2)").arg(name, info.lastError().text());
        QStringList found;
        while (info.next())
            found.append(info.value(1).toString());
        if (!columnsFit(found, table))
            return tr("%1 is not a database of this program: its table %2 has other columns")
                .arg(name, QLatin1String(table.name));
    }
    return QString();
}

QSqlDatabase database::addConnection(const QString &name, const QString &path)
{
    if (QSqlDatabase::contains(name))
        QSqlDatabase::removeDatabase(name);
    QSqlDatabase db = QSqlDatabase::addDatabase(QLatin1String(DriverName), name);
    db.setDatabaseName(path);
    if (db.open()) {
        // Searches read much of a large file on every keystroke: keep more of it at hand
        // than SQLite's default of about 8 MB.
        QSqlQuery(db).exec(QStringLiteral("PRAGMA cache_size = -32768"));
    }
    return db;
}

QSqlDatabase database::currentConnection()
{
    // A refused file is not touched: statements run on no connection and fail.
    if (!refusal.isEmpty())
        return QSqlDatabase();
    const QString name = currentConnectionName();
    QSqlDatabase db = QSqlDatabase::database(name, false);
    if (!db.isValid())
        db = addConnection(name, dbPath);
    else if (!db.isOpen())
        db.open();
    return db;
}

bool database::createTables(QSqlDatabase &db)
{
    if (!db.isOpen())
        return fail(tr("The database file could not be opened"), db.lastError().text());
    for (const char *statement : {CreateUsers, CreateTests, CreateSerialNums, CreateSettings}) {
        QSqlQuery q(db);
        q.prepare(QLatin1String(statement));
        if (!q.exec())
            return fail(tr("The database tables could not be created"), q.lastError().text());
    }
    // Without it every search by a subject's field scans all tests. Made once per
    // opened file; a file that cannot take it (read-only) is searched without it.
    {
        QSqlQuery q(db);
        q.exec(QStringLiteral("CREATE INDEX IF NOT EXISTS testsUserID ON tests(userID)"));
    }
    return true;
}

bool database::insertSettingsRow(QSqlDatabase &db, const SettingsRecord &s)
{
    QSqlQuery q(db);
    q.prepare(QLatin1String(InsertSettings));
    bindSettings(q, s);
    if (!q.exec())
        return fail(tr("The settings could not be stored"), q.lastError().text());
    return true;
}

bool database::ensureSettingsRow(QSqlDatabase &db, const QString &select)
{
    bool hasRow = false;
    {
        QSqlQuery q(db);
        q.prepare(select);
        if (!q.exec())
            return fail(tr("The settings could not be read"), q.lastError().text());
        hasRow = q.next();
    }
    return hasRow || insertSettingsRow(db, SettingsRecord());
}

void database::initDatabase()
{
    attach(true);
}

void database::attach(bool check)
{
    rows.invalidate();
    connectionNumber = 0;
    switchedFile();
    const QString name = QStringLiteral("0");
    bool ok = false;
    {
        QSqlDatabase db = addConnection(name, dbPath);
        // Opening creates a missing file: its identity is known only now.
        fileIdentity = identityOf(dbPath);
        const QString problem = check ? checkFile(db, dbPath) : QString();
        ok = problem.isEmpty() ? createTables(db) &&
                                     ensureSettingsRow(db, QStringLiteral("SELECT * FROM settings"))
                               : failOpening(problem);
        if (!ok)
            db.close();
    }
    if (ok)
        return;
    refusal = lastErrorText;
    QSqlDatabase::removeDatabase(name);
}

int database::insertUser(const QString &first, const QString &middle, const QString &last,
                         const QString &refNum, const QString &DOB, const QString &gender,
                         const QString &location, const QString &industry,
                         const QString &experience, const QString &job)
{
    return RecordInserter(this).insertSubject(StoreSql::subjectOf(
        {first, middle, last, refNum, DOB, gender, location, industry, experience, job}));
}

bool database::insertTest(int userID, const QString &illumination, const QString &testDate,
                          const QString &comments, const QString &scores, const QString &serialNum,
                          const QString &time)
{
    return RecordInserter(this).insertTest(
        userID, StoreSql::testOf({illumination, testDate, comments, scores, serialNum, time}));
}

bool database::insertUserAndTest(const databaseEntry &e)
{
    TransactionGuard transaction(this);
    if (!transaction.isOpen())
        return fail(tr("The test could not be stored"), transaction.error());
    if (!RecordInserter(this).insert(e))
        return false;
    QString id;
    {
        QSqlQuery q(currentConnection());
        if (q.exec(QStringLiteral("SELECT last_insert_rowid()")) && q.next())
            id = q.value(0).toString();
    }
    if (!transaction.commit())
        return fail(tr("The test could not be stored"), transaction.error());
    lastTestId = id;
    return true;
}

bool database::updateUserAndTest(const databaseEntry &edited, const databaseEntry &asLoaded)
{
    const bool held = rows.isCurrent();
    TransactionGuard transaction(this);
    if (!transaction.isOpen())
        return fail(tr("The test could not be updated"), transaction.error());
    if (!updateUser(edited.first, edited.middle, edited.last, edited.refNum, edited.DOB,
                    edited.gender, edited.location, edited.industry, edited.experience, edited.job,
                    asLoaded.first, asLoaded.middle, asLoaded.last, asLoaded.DOB) ||
        !updateTest(asLoaded.testID.toInt(), edited.illumination, edited.testDate, edited.comments,
                    edited.scores, edited.serialNum, edited.time, asLoaded.illumination,
                    asLoaded.testDate, asLoaded.scores, asLoaded.serialNum))
        return false;
    if (!transaction.commit())
        return fail(tr("The test could not be updated"), transaction.error());
    // Only the rows of this subject changed: they are read again, not all of them.
    if (held) {
        rows.resume();
        rows.reread(currentConnection(), edited, asLoaded.testID);
    }
    return true;
}

bool database::updateUser(const QString &first, const QString &middle, const QString &last,
                          const QString &refNum, const QString &DOB, const QString &gender,
                          const QString &location, const QString &industry,
                          const QString &experience, const QString &job, const QString &oldFirst,
                          const QString &oldMiddle, const QString &oldLast, const QString &oldDOB)
{
    rows.invalidate();
    QSqlDatabase db = currentConnection();
    QSqlQuery q(db);
    q.prepare(QStringLiteral(
        "UPDATE users SET first = :first, middle = :middle, last = :last, refNum = :refNum, DOB "
        "= :DOB, gender = :gender, location = :location, industry = :industry, experience = "
        ":experience, job = :job WHERE first = :oldFirst AND middle = :oldMiddle AND last = "
        ":oldLast AND DOB = :OLDDOB"));
    StoreSql::bindSubject(q, StoreSql::subjectOf({first, middle, last, refNum, DOB, gender,
                                                  location, industry, experience, job}));
    q.bindValue(QStringLiteral(":oldFirst"), text(oldFirst));
    q.bindValue(QStringLiteral(":oldMiddle"), text(oldMiddle));
    q.bindValue(QStringLiteral(":oldLast"), text(oldLast));
    q.bindValue(QStringLiteral(":OLDDOB"), text(oldDOB));
    if (!q.exec())
        return fail(tr("The subject could not be updated"), q.lastError().text());
    if (q.numRowsAffected() <= 0)
        return fail(tr("The subject could not be updated"), tr("no stored subject matched"));
    return true;
}

bool database::updateTest(int testID, const QString &illumination, const QString &testDate,
                          const QString &comments, const QString &scores, const QString &serialNum,
                          const QString &time, const QString &oldIll, const QString &oldTD,
                          const QString &oldScores, const QString &oldSerialNum)
{
    rows.invalidate();
    QSqlDatabase db = currentConnection();
    // The caller knows the cap order as getScores() handed it out, quotes removed;
    // the row is matched by the text it stores (older files wrap it in quotes).
    QString storedScores = oldScores;
    {
        QSqlQuery s(db);
        s.prepare(QStringLiteral("SELECT scores FROM tests WHERE id = :id"));
        s.bindValue(QStringLiteral(":id"), testID);
        if (s.exec() && s.next()) {
            const QString stored = s.value(0).toString();
            if (withoutQuotes(stored) == oldScores)
                storedScores = stored;
        }
    }
    QSqlQuery q(db);
    q.prepare(QStringLiteral(
        "UPDATE tests SET illumination = :illumination, testDate = :testDate, comments = "
        ":comments, scores = :scores, serialNum = :serialNum, time = :time WHERE id = :testID "
        "AND scores = :oldScores AND illumination = :oldIll AND testDate = :oldTD  AND "
        "serialNum = :oldSerialNum"));
    q.bindValue(QStringLiteral(":testID"), testID);
    StoreSql::bindTest(
        q, StoreSql::testOf({illumination, testDate, comments, scores, serialNum, time}));
    q.bindValue(QStringLiteral(":oldIll"), text(oldIll));
    q.bindValue(QStringLiteral(":oldTD"), text(oldTD));
    q.bindValue(QStringLiteral(":oldScores"), text(storedScores));
    q.bindValue(QStringLiteral(":oldSerialNum"), text(oldSerialNum));
    if (!q.exec())
        return fail(tr("The test could not be updated"), q.lastError().text());
    if (q.numRowsAffected() <= 0)
        return fail(tr("The test could not be updated"), tr("no stored test matched"));
    return true;
}

bool database::deleteTest(int testID)
{
    rows.invalidate();
    QSqlDatabase db = currentConnection();
    QSqlQuery q(db);
    q.prepare(QStringLiteral("DELETE FROM tests WHERE id = :testID"));
    q.bindValue(QStringLiteral(":testID"), testID);
    if (!q.exec())
        return fail(tr("The test could not be deleted"), q.lastError().text());
    return true;
}

bool database::deleteUser(const QString &first, const QString &middle, const QString &last,
                          const QString &DOB)
{
    rows.invalidate();
    QSqlDatabase db = currentConnection();
    QSqlQuery q(db);
    q.prepare(QStringLiteral("DELETE FROM users WHERE first = :first AND middle = :middle AND "
                             "last = :last AND DOB = :DOB"));
    q.bindValue(QStringLiteral(":first"), text(first));
    q.bindValue(QStringLiteral(":middle"), text(middle));
    q.bindValue(QStringLiteral(":last"), text(last));
    q.bindValue(QStringLiteral(":DOB"), text(DOB));
    if (!q.exec())
        return fail(tr("The subject could not be deleted"), q.lastError().text());
    return true;
}

bool database::deleteUnusedUsers(const QString &first, const QString &middle, const QString &last,
                                 const QString &DOB)
{
    rows.invalidate();
    QSqlDatabase db = currentConnection();
    QSqlQuery q(db);
    q.prepare(QStringLiteral(
        "DELETE FROM users WHERE first = :first AND middle = :middle AND last = :last AND DOB = "
        ":DOB AND NOT EXISTS (SELECT 1 FROM tests WHERE tests.userID = users.id)"));
    q.bindValue(QStringLiteral(":first"), text(first));
    q.bindValue(QStringLiteral(":middle"), text(middle));
    q.bindValue(QStringLiteral(":last"), text(last));
    q.bindValue(QStringLiteral(":DOB"), text(DOB));
    if (!q.exec())
        return fail(tr("The subject could not be deleted"), q.lastError().text());
    return true;
}

bool database::deleteTests(const QList<databaseEntry> &tests)
{
    const bool held = rows.isCurrent();
    TransactionGuard transaction(this);
    if (!transaction.isOpen())
        return fail(tr("The test could not be deleted"), transaction.error());
    bool ok = true;
    for (const databaseEntry &e : tests) {
        bool isNumber = false;
        const int id = e.testID.toInt(&isNumber);
        if (!isNumber)
            ok = fail(tr("The test could not be deleted"), tr("no stored test matched"));
        ok = ok && deleteTest(id) && deleteUnusedUsers(e.first, e.middle, e.last, e.DOB);
        if (!ok)
            break;
    }
    if (!ok)
        return false;
    if (!transaction.commit())
        return fail(tr("The test could not be deleted"), transaction.error());
    if (held) {
        QSet<QString> gone;
        for (const databaseEntry &e : tests)
            gone.insert(e.testID);
        rows.resume();
        rows.remove(gone);
    }
    return true;
}

QString database::getScores(const QString &id)
{
    QSqlDatabase db = currentConnection();
    QSqlQuery q(db);
    q.prepare(QStringLiteral("SELECT scores FROM tests WHERE id = :id"));
    q.bindValue(QStringLiteral(":id"), id);
    QString scores;
    if (q.exec() && q.next())
        scores = withoutQuotes(q.value(0).toString());
    return scores;
}

QHash<QString, QString> database::scoresOf(const QStringList &testIDs)
{
    QHash<QString, QString> scores;
    QSet<qint64> wanted;
    wanted.reserve(testIDs.size());
    scores.reserve(testIDs.size());
    for (const QString &id : testIDs) {
        bool isNumber = false;
        const qint64 n = id.toLongLong(&isNumber);
        if (isNumber)
            wanted.insert(n);
    }
    RowReader r(currentConnection(), "SELECT id, scores FROM tests");
    while (r.next()) {
        const qint64 id = r.integer(0);
        if (wanted.contains(id))
            scores.insert(r.text(0), r.unquoted(1));
    }
    return scores;
}

QString database::calcTES(const QString &scores)
{
    const std::optional<int> tes = Scoring::totalErrorScore(CapOrder::read(scores));
    return tes ? QString::number(*tes) : QString();
}

QList<databaseEntry> database::getAllTests()
{
    QList<databaseEntry> list;
    // A statement that fails leaves the list empty.
    if (!TestRows::readAll(currentConnection(), list, nullptr))
        list.clear();
    return list;
}

const TestRows &database::heldTests()
{
    rows.sync(currentConnection());
    return rows;
}

bool database::newDatabase(const QString &path)
{
    if (path.isEmpty())
        return false;
    const int previous = connectionNumber;
    const QString name = QString::number(previous + 1);
    {
        QSqlDatabase db = addConnection(name, path);
        // An existing file chosen by mistake is checked like any other: never written to
        // unless it is a database of this program.
        const QString problem = checkFile(db, path);
        if (!problem.isEmpty() || !createTables(db) ||
            !ensureSettingsRow(db, QStringLiteral("SELECT * FROM settings LIMIT 1"))) {
            if (!problem.isEmpty())
                failOpening(problem);
            db = QSqlDatabase();
            QSqlDatabase::removeDatabase(name);
            return false;
        }
    }
    connectionNumber = previous + 1;
    dbPath = path;
    rows.invalidate();
    switchedFile();
    return true;
}

bool database::openDatabase(const QString &path)
{
    if (path.isEmpty())
        return false;
    if (!QFileInfo::exists(path))
        return fail(tr("The database file could not be opened"), tr("%1 does not exist").arg(path));
    const int previous = connectionNumber;
    const QString name = QString::number(previous + 1);
    {
        // Try the file on a connection of its own first, so a file that is not a
        // database leaves the store where it was.
        QSqlDatabase db = addConnection(name, path);
        const QString problem = checkFile(db, path);
        if (!problem.isEmpty() || !createTables(db) ||
            !ensureSettingsRow(db, QStringLiteral("SELECT * FROM settings"))) {
            if (!problem.isEmpty())
                failOpening(problem);
            db = QSqlDatabase();
            QSqlDatabase::removeDatabase(name);
            return false;
        }
    }
    connectionNumber = previous + 1;
    dbPath = path;
    attach(false);
    return isUsable();
}

bool database::saveDatabaseAs(const QString &path)
{
    if (path.isEmpty())
        return false;
    // QFileInfo compares canonical paths: a link or another spelling of this file is this file.
    if (QFileInfo(path) == QFileInfo(dbPath))
        return fail(tr("The database could not be saved"), tr("it cannot be copied onto itself"));
    if (QFileInfo(path).isDir())
        return fail(tr("The database could not be saved"), tr("%1 is a folder").arg(path));

    // A file that could not be opened has nothing to copy.
    if (!isUsable())
        return fail(tr("The database could not be read"), refusal);
    // Everything the examiner has in the current file: tests with their
    // arrangements (below), the settings row and the cap-set register.
    const SettingsRecord currentSettings = getSettings();
    const QList<CapSet> capSets = getSerialNums();

    // The copy is built beside the target and takes its place only when complete,
    // so a file the examiner chose to replace is replaced, never merged into,
    // and a failed copy leaves it as it was.
    removeStalePartials(path);
    const QString partial = uniqueNameBeside(path, QStringLiteral("partial"));
    if (partial.isEmpty())
        return fail(tr("The database could not be saved"), tr("%1 could not be written").arg(path));
    const int previous = connectionNumber;
    const QString name = QString::number(previous + 1);
    bool ok = false;
    {
        const QSqlDatabase original = currentConnection();
        QSqlDatabase db = addConnection(name, partial);
        // A partial copy is never used after a crash, only removed: it needs no journal
        // on disk, whose writes and flushes would cost more than the rows.
        QSqlQuery(db).exec(QStringLiteral("PRAGMA journal_mode = MEMORY"));
        if (createTables(db)) {
            connectionNumber = previous + 1; // the statements below run on the copy
            TransactionGuard transaction(this);
            RecordInserter inserter(this);
            ok = transaction.isOpen() ||
                 fail(tr("The database could not be saved"), transaction.error());
            // Each test is stored as it is read: years of tests are never held at once.
            QString error;
            const auto copyRow = [&](const databaseEntry &e) { return ok = inserter.insert(e); };
            if (ok && !TestRows::readEach(original, copyRow, &error))
                ok = fail(tr("The database could not be read"), error);
            for (const CapSet &c : capSets)
                ok = ok && insertSerialNum(c.serialNum, c.purchaseDate);
            ok = ok && insertSettingsRow(db, currentSettings);
            if (ok && !transaction.commit())
                ok = fail(tr("The database could not be saved"), transaction.error());
        }
        db.close();
        db = QSqlDatabase();
    }
    connectionNumber = previous;
    QSqlDatabase::removeDatabase(name);
    if (!ok) {
        QFile::remove(partial);
        return false;
    }
    const QString refused = moveIntoPlace(partial, path);
    if (!refused.isEmpty()) {
        QFile::remove(partial);
        return fail(tr("The database could not be saved"), refused);
    }
    // The copy was begun as a private temporary file: it gets the original's permissions.
    QFile::setPermissions(path, QFile::permissions(dbPath));

    QSqlDatabase copy = addConnection(name, path);
    if (!copy.isOpen())
        return fail(tr("The database file could not be opened"), copy.lastError().text());
    connectionNumber = previous + 1;
    dbPath = path;
    rows.invalidate();
    switchedFile();
    return true;
}

bool database::writeSettings(QSqlDatabase &db, const SettingsRecord &s)
{
    QSqlQuery q(db);
    q.prepare(QLatin1String(UpdateSettings));
    bindSettings(q, s);
    if (!q.exec())
        return fail(tr("The settings could not be stored"), q.lastError().text());
    return true;
}

SettingsRecord database::getSettings()
{
    QSqlDatabase db = currentConnection();
    QSqlQuery q(db);
    q.prepare(QStringLiteral("SELECT * FROM settings"));
    if (q.exec() && q.next()) {
        SettingsRecord s;
        bool *const switches[] = {
            &s.scoreMode,          &s.testGui,        &s.testReport,        &s.tesGui,
            &s.tesReport,          &s.sqrtTesGui,     &s.sqrtTesReport,     &s.vingrysGui,
            &s.vingrysReport,      &s.classGui,       &s.classReport,       &s.percentFirstGui,
            &s.percentFirstReport, &s.percentSomeGui, &s.percentSomeReport, &s.percentExpGui,
            &s.percentExpReport};
        int column = 1;
        for (bool *b : switches)
            *b = q.value(column++).toInt() != 0;
        int *const numbers[] = {&s.language, &s.illumination, &s.location, &s.industry,
                                &s.job,      &s.experience,   &s.serialNum};
        for (int *n : numbers)
            *n = q.value(column++).toInt();
        s.footerImgPath = q.value(column++).toString();
        s.footerText = q.value(column).toString();
        settings = s;
        settingsUnread = false;
    } else {
        // The caller gets the kept record, which is not this file's.
        settingsUnread = true;
    }
    return settings;
}

bool database::updateSettings(const SettingsRecord &s)
{
    if (settingsUnread)
        return fail(tr("The settings could not be stored"),
                    tr("they could not be read from this file, and what is shown in their place "
                       "must not replace them"));
    QSqlDatabase db = currentConnection();
    return writeSettings(db, s);
}

bool database::insertSerialNum(const QString &serialNum, const QString &purchaseDate)
{
    QSqlDatabase db = currentConnection();
    QSqlQuery q(db);
    q.prepare(QStringLiteral(
        "INSERT INTO serialNums (serialNum, purchaseDate) VALUES (:serialNum, :purchaseDate)"));
    q.bindValue(QStringLiteral(":serialNum"), text(serialNum));
    q.bindValue(QStringLiteral(":purchaseDate"), text(purchaseDate));
    if (!q.exec())
        return fail(tr("The cap set could not be stored"), q.lastError().text());
    return true;
}

bool database::updateSerialNum(const QString &oldSerialNum, const QString &serialNum,
                               const QString &purchaseDate)
{
    QSqlDatabase db = currentConnection();
    QSqlQuery q(db);
    q.prepare(QStringLiteral("UPDATE serialNums SET serialNum = :serialNum, purchaseDate = "
                             ":purchaseDate WHERE serialNum = :oldSerialNum"));
    q.bindValue(QStringLiteral(":oldSerialNum"), text(oldSerialNum));
    q.bindValue(QStringLiteral(":serialNum"), text(serialNum));
    q.bindValue(QStringLiteral(":purchaseDate"), text(purchaseDate));
    if (!q.exec())
        return fail(tr("The cap set could not be updated"), q.lastError().text());
    return true;
}

bool database::deleteSerialNum(const QString &serialNum)
{
    QSqlDatabase db = currentConnection();
    QSqlQuery q(db);
    q.prepare(QStringLiteral("DELETE FROM serialNums WHERE serialNum = :serialNum"));
    q.bindValue(QStringLiteral(":serialNum"), text(serialNum));
    if (!q.exec())
        return fail(tr("The cap set could not be removed"), q.lastError().text());
    return true;
}

QList<CapSet> database::getSerialNums()
{
    QList<CapSet> list;
    QSqlDatabase db = currentConnection();
    QSqlQuery q(db);
    q.prepare(QStringLiteral("SELECT * FROM serialNums"));
    if (q.exec())
        while (q.next())
            list.append({q.value(1).toString(), q.value(2).toString()});
    return list;
}
