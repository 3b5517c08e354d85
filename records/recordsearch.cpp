#include "recordsearch.h"

#include "database.h"
#include "rowreader.h"
#include "storesql.h"
#include "transactionguard.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

namespace {

struct CriterionStatement
{
    const char *insert;
    bool testsSide;
};

// Indexed by RecordSearch::Criterion.
const CriterionStatement Statements[RecordSearch::CriterionCount] = {
    {"INSERT INTO testSearch SELECT * FROM tests WHERE comments GLOB :search", true},
    {"INSERT INTO userSearch SELECT * FROM users WHERE DOB GLOB :search", false},
    {"INSERT INTO userSearch SELECT * FROM users WHERE experience GLOB :search", false},
    {"INSERT INTO userSearch SELECT * FROM users WHERE first GLOB :search", false},
    {"INSERT INTO userSearch SELECT * FROM users WHERE middle GLOB :search", false},
    {"INSERT INTO userSearch SELECT * FROM users WHERE last GLOB :search", false},
    {"INSERT INTO userSearch SELECT * FROM users WHERE gender GLOB :search", false},
    {"INSERT INTO testSearch SELECT * FROM tests WHERE illumination GLOB :search", true},
    {"INSERT INTO userSearch SELECT * FROM users WHERE industry GLOB :search", false},
    {"INSERT INTO userSearch SELECT * FROM users WHERE job GLOB :search", false},
    {"INSERT INTO userSearch SELECT * FROM users WHERE location GLOB :search", false},
    {"INSERT INTO userSearch SELECT * FROM users WHERE refNum GLOB :search", false},
    {"INSERT INTO testSearch SELECT * FROM tests WHERE serialNum GLOB :search", true},
    {"INSERT INTO testSearch SELECT * FROM tests WHERE testDate GLOB :search", true},
    {"INSERT INTO testSearch SELECT * FROM tests WHERE time GLOB :search", true},
};

const char *const CreateUserSearch =
    "CREATE TABLE IF NOT EXISTS userSearch (id INTEGER, first TEXT, middle TEXT, last TEXT, "
    "refNum TEXT, DOB TEXT, gender TEXT, location TEXT, industry TEXT, experience TEXT, job "
    "TEXT)";
const char *const CreateTestSearch =
    "CREATE TABLE IF NOT EXISTS testSearch (id INTEGER, userID INTEGER, illumination TEXT, "
    "testDate TEXT, comments TEXT, scores TEXT, serialNum TEXT, time TEXT)";
const char *const UsersSideJoin =
    "SELECT tests.* , userSearch.* FROM tests INNER JOIN userSearch ON tests.userID = "
    "userSearch.id";
const char *const TestsSideJoin =
    "SELECT testSearch.* , users.* FROM testSearch INNER JOIN users ON testSearch.userID = "
    "users.id";

bool execStatement(QSqlDatabase &db, const char *statement, QString &error)
{
    QSqlQuery q(db);
    q.prepare(QLatin1String(statement));
    if (q.exec())
        return true;
    error = q.lastError().text();
    return false;
}

} // namespace

QString RecordSearch::pattern(int method, const QString &text)
{
    const QString star = QStringLiteral("*");
    switch (method) {
    case Contains:
        return star + text + star;
    case IsExactly:
        return text;
    case BeginsWith:
        return text + star;
    case EndsWith:
        return star + text;
    default:
        return QString();
    }
}

const char *RecordSearch::fill(database *store, int criterion, int method, const QString &text,
                               QString *error)
{
    QString reason;
    const bool known = criterion >= 0 && criterion < CriterionCount;
    QSqlDatabase db = store->currentConnection();
    // The working tables change on every keystroke: one commit for all of it.
    TransactionGuard transaction(store);
    // A working table left as the last search filled it would show that
    // search's rows: any statement that fails ends the search.
    bool ok = transaction.isOpen();
    if (!ok)
        reason = transaction.error();
    ok = ok && execStatement(db, CreateUserSearch, reason) &&
         execStatement(db, CreateTestSearch, reason) &&
         execStatement(db, "DELETE FROM userSearch", reason) &&
         execStatement(db, "DELETE FROM testSearch", reason);
    if (ok && known) {
        QSqlQuery q(db);
        q.prepare(QLatin1String(Statements[criterion].insert));
        // Never a null value: GLOB against NULL would match nothing at all.
        q.bindValue(QStringLiteral(":search"), StoreSql::text(pattern(method, text)));
        ok = q.exec();
        if (!ok)
            reason = q.lastError().text();
    }
    if (ok && !transaction.commit()) {
        ok = false;
        reason = transaction.error();
    }
    if (!ok) {
        if (error)
            *error = reason;
        return nullptr;
    }
    return known && Statements[criterion].testsSide ? TestsSideJoin : UsersSideJoin;
}

QList<databaseEntry> RecordSearch::run(database *store, int criterion, int method,
                                       const QString &text, QString *error)
{
    QList<databaseEntry> list;
    const char *joined = fill(store, criterion, method, text, error);
    if (!joined)
        return list;
    QSqlQuery q(store->currentConnection());
    q.setForwardOnly(true);
    q.prepare(QLatin1String(joined));
    if (!q.exec()) {
        if (error)
            *error = q.lastError().text();
        return list;
    }
    if (error)
        error->clear();
    while (q.next())
        list.append(StoreSql::joinedRow(q, StoreSql::ScoresToTes));
    return list;
}

QVector<qint64> RecordSearch::testIds(database *store, int criterion, int method,
                                      const QString &text, QString *error)
{
    QVector<qint64> ids;
    const char *joined = fill(store, criterion, method, text, error);
    if (!joined)
        return ids;
    // The joined statement itself, so the order is the one run() gives; only the id is read.
    RowReader r(store->currentConnection(), joined);
    while (r.next())
        ids.append(r.integer(0));
    if (error)
        *error = r.lastError();
    if (!r.isValid())
        ids.clear();
    return ids;
}

databaseEntry RecordSearch::testById(database *store, const QString &testID, bool *found)
{
    QSqlQuery q(store->currentConnection());
    q.prepare(QStringLiteral("SELECT tests.* , users.* FROM tests INNER JOIN users ON "
                             "tests.userID = users.id WHERE tests.id = :id"));
    q.bindValue(QStringLiteral(":id"), testID);
    databaseEntry e;
    const bool ok = q.exec() && q.next();
    if (ok)
        e = StoreSql::joinedRow(q, StoreSql::ScoresAsText);
    if (found)
        *found = ok;
    return e;
}
