#pragma once

#include "databaseentry.h"

#include <QString>
#include <QStringList>
#include <string>

class QSqlDatabase;
class QSqlQuery;
struct sqlite3;
struct sqlite3_stmt;

// What the store's statements share, for the classes of this folder only:
// how record fields are bound and how a joined row becomes a record.
namespace StoreSql {

// A text as bound: never NULL, which would be stored as NULL and would then
// never match the "= :old" comparisons of the updates.
QString text(const QString &s);

// The cap-order text as the store hands it out: every double quote removed.
QString withoutQuotes(QString s);

// The ten subject placeholders (:first ... :job) shared by the insert and the
// update of a subject.
void bindSubject(QSqlQuery &q, const databaseEntry &e);
// The six test placeholders (:illumination, :testDate, :comments, :scores,
// :serialNum, :time) shared by the insert and the update of a test.
void bindTest(QSqlQuery &q, const databaseEntry &e);

// The same values bound by number to a statement prepared straight through
// SQLite, from placeholder number `first` on; SQLite's result code (SQLITE_OK).
// The texts are not copied: the record and `held` (room for SubjectFields or
// TestFields texts, reused from row to row) must outlive the statement's next step.
enum
{
    SubjectFields = 10,
    TestFields = 6
};
int bindSubject(sqlite3_stmt *s, int first, const databaseEntry &e, std::string *held);
int bindTest(sqlite3_stmt *s, int first, const databaseEntry &e, std::string *held);

// SQLite's own handle of an open connection of Qt's SQLite driver; null otherwise.
sqlite3 *handle(const QSqlDatabase &db);

// A record holding only these values, in the order of the placeholders above
// (first ... job, or illumination ... time): for the operations that take
// their values one by one.
databaseEntry subjectOf(const QStringList &values);
databaseEntry testOf(const QStringList &values);

// A record from one row of a tests-then-users join (8 test columns, then the
// 11 subject columns), as the load of all tests and the searches read it. The
// row's cap-order text, quotes removed, goes to `scores` or becomes the TES.
enum JoinedRowArrangement
{
    ScoresToTes,
    ScoresAsText
};
databaseEntry joinedRow(const QSqlQuery &q, JoinedRowArrangement arrangement);

} // namespace StoreSql
