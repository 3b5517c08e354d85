#include "recordinserter.h"

#include "database.h"
#include "storesql.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

// Each statement is prepared on its first use: a lone insertTest() prepares no subject insert.
struct RecordInserter::Statements
{
    explicit Statements(const QSqlDatabase &db) : user(db), test(db) {}
    QSqlQuery &subjectInsert()
    {
        if (!subjectReady) {
            user.prepare(QStringLiteral(
                "INSERT INTO users (first, middle, last, refNum, DOB, gender, location, industry, "
                "experience, job) VALUES (:first, :middle, :last, :refNum, :DOB, :gender, "
                ":location, :industry, :experience, :job)"));
            subjectReady = true;
        }
        return user;
    }
    QSqlQuery &testInsert()
    {
        if (!testReady) {
            test.prepare(QStringLiteral(
                "INSERT INTO tests (userID, illumination, testDate, comments, scores, serialNum, "
                "time) VALUES (:userID, :illumination, :testDate, :comments, :scores, "
                ":serialNum, :time)"));
            testReady = true;
        }
        return test;
    }
    QSqlQuery user;
    QSqlQuery test;
    bool subjectReady = false;
    bool testReady = false;
};

RecordInserter::RecordInserter(database *s)
    : store(s), statements(std::make_unique<Statements>(s->currentConnection()))
{
}

RecordInserter::~RecordInserter() = default;

int RecordInserter::insertSubject(const databaseEntry &e)
{
    QSqlQuery &q = statements->subjectInsert();
    StoreSql::bindSubject(q, e);
    if (!q.exec()) {
        store->fail(database::tr("The subject could not be stored"), q.lastError().text());
        return 0;
    }
    // The driver asks SQLite for the new row's id: no statement of its own per row.
    return q.lastInsertId().toInt();
}

bool RecordInserter::insertTest(int subjectId, const databaseEntry &e)
{
    QSqlQuery &q = statements->testInsert();
    q.bindValue(QStringLiteral(":userID"), subjectId);
    StoreSql::bindTest(q, e);
    if (!q.exec())
        return store->fail(database::tr("The test could not be stored"), q.lastError().text());
    return true;
}

bool RecordInserter::insert(const databaseEntry &e)
{
    const int id = insertSubject(e);
    return id != 0 && insertTest(id, e);
}
