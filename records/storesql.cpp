#include "storesql.h"

#include "database.h"

#include <QSqlQuery>
#include <QVariant>

namespace StoreSql {

QString text(const QString &s)
{
    return s.isNull() ? QStringLiteral("") : s;
}

QString withoutQuotes(QString s)
{
    return s.remove(QLatin1Char('"'));
}

namespace {

struct Column
{
    const char *placeholder;
    QString databaseEntry::*field;
};

const Column SubjectColumns[] = {{":first", &databaseEntry::first},
                                 {":middle", &databaseEntry::middle},
                                 {":last", &databaseEntry::last},
                                 {":refNum", &databaseEntry::refNum},
                                 {":DOB", &databaseEntry::DOB},
                                 {":gender", &databaseEntry::gender},
                                 {":location", &databaseEntry::location},
                                 {":industry", &databaseEntry::industry},
                                 {":experience", &databaseEntry::experience},
                                 {":job", &databaseEntry::job}};

const Column TestColumns[] = {
    {":illumination", &databaseEntry::illumination}, {":testDate", &databaseEntry::testDate},
    {":comments", &databaseEntry::comments},         {":scores", &databaseEntry::scores},
    {":serialNum", &databaseEntry::serialNum},       {":time", &databaseEntry::time}};

template <int N> void bind(QSqlQuery &q, const Column (&columns)[N], const databaseEntry &e)
{
    for (const Column &c : columns)
        q.bindValue(QLatin1String(c.placeholder), text(e.*c.field));
}

template <int N> databaseEntry recordOf(const Column (&columns)[N], const QStringList &values)
{
    databaseEntry e;
    for (int i = 0; i < N && i < values.size(); ++i)
        e.*columns[i].field = values.at(i);
    return e;
}

} // namespace

void bindSubject(QSqlQuery &q, const databaseEntry &e)
{
    bind(q, SubjectColumns, e);
}

void bindTest(QSqlQuery &q, const databaseEntry &e)
{
    bind(q, TestColumns, e);
}

databaseEntry subjectOf(const QStringList &values)
{
    return recordOf(SubjectColumns, values);
}

databaseEntry testOf(const QStringList &values)
{
    return recordOf(TestColumns, values);
}

databaseEntry joinedRow(const QSqlQuery &q, JoinedRowArrangement arrangement)
{
    databaseEntry e;
    e.testID = q.value(0).toString();
    e.illumination = q.value(2).toString();
    e.testDate = q.value(3).toString();
    e.comments = q.value(4).toString();
    e.serialNum = q.value(6).toString();
    e.time = q.value(7).toString();
    e.first = q.value(9).toString();
    e.middle = q.value(10).toString();
    e.last = q.value(11).toString();
    e.refNum = q.value(12).toString();
    e.DOB = q.value(13).toString();
    e.gender = q.value(14).toString();
    e.location = q.value(15).toString();
    e.industry = q.value(16).toString();
    e.experience = q.value(17).toString();
    e.job = q.value(18).toString();
    // Same text getScores() would hand out, taken from the row already at hand.
    const QString scores = withoutQuotes(q.value(5).toString());
    if (arrangement == ScoresToTes)
        e.tes = database::calcTES(scores);
    else
        e.scores = scores;
    return e;
}

} // namespace StoreSql
