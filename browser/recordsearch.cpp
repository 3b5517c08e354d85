#include "recordsearch.h"

#include "database.h"

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

bool execStatement(QSqlDatabase &db, const char *statement)
{
    QSqlQuery q(db);
    q.prepare(QLatin1String(statement));
    return q.exec();
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

QList<databaseEntry> RecordSearch::run(QSqlDatabase db, int criterion, int method,
                                       const QString &text)
{
    QList<databaseEntry> list;
    const bool known = criterion >= 0 && criterion < CriterionCount;
    const bool testsSide = known && Statements[criterion].testsSide;
    {
        // The working tables change on every keystroke: one commit for all of it.
        const bool inTransaction = db.transaction();
        execStatement(db, CreateUserSearch);
        execStatement(db, CreateTestSearch);
        // Without it every users-side join scans all tests; harmless to older readers.
        execStatement(db, "CREATE INDEX IF NOT EXISTS testsUserID ON tests(userID)");
        execStatement(db, "DELETE FROM userSearch");
        execStatement(db, "DELETE FROM testSearch");
        if (known) {
            QSqlQuery q(db);
            q.prepare(QLatin1String(Statements[criterion].insert));
            // Never a null value: GLOB against NULL would match nothing at all.
            const QString p = pattern(method, text);
            q.bindValue(QStringLiteral(":search"), p.isNull() ? QStringLiteral("") : p);
            q.exec();
        }
        if (inTransaction && !db.commit())
            db.rollback();
    }
    QSqlQuery q(db);
    q.setForwardOnly(true);
    q.prepare(QLatin1String(testsSide ? TestsSideJoin : UsersSideJoin));
    if (!q.exec())
        return list;
    while (q.next()) {
        list.append(database::fromJoinedRow(q, database::ScoresToTes));
    }
    return list;
}

databaseEntry RecordSearch::testById(QSqlDatabase db, const QString &testID, bool *found)
{
    QSqlQuery q(db);
    q.prepare(QStringLiteral("SELECT tests.* , users.* FROM tests INNER JOIN users ON "
                             "tests.userID = users.id WHERE tests.id = :id"));
    q.bindValue(QStringLiteral(":id"), testID);
    databaseEntry e;
    const bool ok = q.exec() && q.next();
    if (ok)
        e = database::fromJoinedRow(q, database::ScoresAsText);
    if (found)
        *found = ok;
    return e;
}
