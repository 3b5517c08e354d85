#include "recordinserter.h"

#include "database.h"
#include "storesql.h"

#include <QCoreApplication>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>
#include <sqlite3.h>

namespace {

enum Kind
{
    Subject,
    Test
};

const char *const Statement[] = {
    "INSERT INTO users (first, middle, last, refNum, DOB, gender, location, industry, experience, "
    "job) VALUES (:first, :middle, :last, :refNum, :DOB, :gender, :location, :industry, "
    ":experience, :job)",
    "INSERT INTO tests (userID, illumination, testDate, comments, scores, serialNum, time) VALUES "
    "(:userID, :illumination, :testDate, :comments, :scores, :serialNum, :time)"};

// SQLite's reason, then the words Qt's driver puts after it (from the driver's
// own translations): a refusal reads the same whichever way the row went.
QString refusal(sqlite3 *connection, const char *driverWords)
{
    static const char DriverContext[] = "QSQLiteResult";
    return QString(static_cast<const QChar *>(sqlite3_errmsg16(connection))) + QLatin1Char(' ') +
           QCoreApplication::translate(DriverContext, driverWords);
}

} // namespace

// Each statement is prepared on its first use: a lone insertTest() prepares no
// subject insert. Rows go straight through SQLite on the connection's own handle,
// without a QVariant per value; through QSqlQuery where the driver gives no handle.
struct RecordInserter::Statements
{
    explicit Statements(const QSqlDatabase &db)
        : connection(StoreSql::handle(db)), query{QSqlQuery(db), QSqlQuery(db)}
    {
    }
    ~Statements()
    {
        // Before the connection closes: SQLite refuses to close one with live statements.
        for (sqlite3_stmt *s : direct)
            sqlite3_finalize(s);
    }
    Statements(const Statements &) = delete;
    Statements &operator=(const Statements &) = delete;

    // The record's values (and the subject id of a test) stored by one statement;
    // false with the reason when refused.
    bool run(Kind k, const databaseEntry &e, int subjectId, QString &why)
    {
        if (!connection)
            return runQuery(k, e, subjectId, why);
        if (!prepared[k]) {
            prepared[k] = true;
            if (sqlite3_prepare_v3(connection, Statement[k], -1, SQLITE_PREPARE_PERSISTENT,
                                   &direct[k], nullptr) != SQLITE_OK) {
                notPrepared[k] = refusal(connection, "Unable to execute statement");
                sqlite3_finalize(direct[k]);
                direct[k] = nullptr;
            }
        }
        sqlite3_stmt *s = direct[k];
        if (!s) {
            why = notPrepared[k];
            return false;
        }
        int bound =
            k == Subject ? StoreSql::bindSubject(s, 1, e, held) : sqlite3_bind_int(s, 1, subjectId);
        if (k == Test && bound == SQLITE_OK)
            bound = StoreSql::bindTest(s, 2, e, held);
        bool ok = false;
        if (bound != SQLITE_OK) {
            why = refusal(connection, "Unable to bind parameters");
        } else if (sqlite3_step(s) != SQLITE_DONE) {
            why = refusal(connection, "Unable to fetch row");
        } else {
            ok = true;
            lastId = sqlite3_last_insert_rowid(connection);
        }
        sqlite3_reset(s);
        // The texts were bound without a copy: no pointer into the record stays behind.
        sqlite3_clear_bindings(s);
        return ok;
    }

    bool runQuery(Kind k, const databaseEntry &e, int subjectId, QString &why)
    {
        QSqlQuery &q = query[k];
        if (!prepared[k]) {
            q.prepare(QLatin1String(Statement[k]));
            prepared[k] = true;
        }
        if (k == Subject) {
            StoreSql::bindSubject(q, e);
        } else {
            q.bindValue(QStringLiteral(":userID"), subjectId);
            StoreSql::bindTest(q, e);
        }
        if (!q.exec()) {
            why = q.lastError().text();
            return false;
        }
        // The driver asks SQLite for the new row's id: no statement of its own per row.
        lastId = q.lastInsertId().toLongLong();
        return true;
    }

    sqlite3 *const connection;
    sqlite3_stmt *direct[2] = {};
    QSqlQuery query[2];
    bool prepared[2] = {};
    QString notPrepared[2];
    // The texts of the row being stored, as bound (one statement runs at a time).
    std::string held[StoreSql::SubjectFields];
    qint64 lastId = 0;
};

RecordInserter::RecordInserter(database *s)
    : store(s), statements(std::make_unique<Statements>(s->currentConnection()))
{
}

RecordInserter::~RecordInserter() = default;

int RecordInserter::insertSubject(const databaseEntry &e)
{
    QString why;
    if (!statements->run(Subject, e, 0, why)) {
        store->fail(database::tr("The subject could not be stored"), why);
        return 0;
    }
    return int(statements->lastId);
}

bool RecordInserter::insertTest(int subjectId, const databaseEntry &e)
{
    QString why;
    if (!statements->run(Test, e, subjectId, why))
        return store->fail(database::tr("The test could not be stored"), why);
    return true;
}

bool RecordInserter::insert(const databaseEntry &e)
{
    const int id = insertSubject(e);
    return id != 0 && insertTest(id, e);
}
