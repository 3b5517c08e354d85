#include "testrows.h"

#include "caporder.h"
#include "rowreader.h"
#include "scoring.h"
#include "storesql.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QVariant>
#include <algorithm>
#include <initializer_list>

namespace {

const char *const AllRows =
    "SELECT tests.* , users.* FROM tests INNER JOIN users ON tests.userID = users.id";
const char *const RowsAfter = "SELECT tests.* , users.* FROM tests INNER JOIN users ON "
                              "tests.userID = users.id WHERE tests.id > ?1";

// The texts of the scores met so far, by score: most tests share a few hundred.
using ScoreTexts = QVector<QString>;

databaseEntry rowOf(RowReader &r, bool withScores, ScoreTexts &scoreTexts)
{
    // Names and choices repeat from test to test: those columns are shared.
    databaseEntry e;
    e.testID = r.text(0);
    e.illumination = r.shared(2);
    e.testDate = r.text(3);
    e.comments = r.text(4);
    e.serialNum = r.shared(6);
    e.time = r.shared(7);
    e.first = r.shared(9);
    e.middle = r.shared(10);
    e.last = r.shared(11);
    e.refNum = r.text(12);
    e.DOB = r.text(13);
    e.gender = r.shared(14);
    e.location = r.shared(15);
    e.industry = r.shared(16);
    e.experience = r.shared(17);
    e.job = r.shared(18);
    if (withScores) {
        e.scores = r.unquoted(5);
        return e;
    }
    // The TES of the text getScores() would hand out, read without keeping the text.
    const std::optional<int> tes = Scoring::totalErrorScore(r.capOrder(5));
    if (tes) {
        if (*tes >= 0 && *tes < 4096) {
            if (scoreTexts.size() <= *tes)
                scoreTexts.resize(*tes + 1);
            QString &text = scoreTexts[*tes];
            if (text.isNull())
                text = QString::number(*tes);
            e.tes = text;
        } else {
            e.tes = QString::number(*tes);
        }
    }
    return e;
}

bool hasLineBreak(const databaseEntry &e)
{
    const std::initializer_list<const QString *> texts = {
        &e.testID,   &e.first, &e.middle,   &e.last,      &e.refNum,     &e.DOB,
        &e.testDate, &e.time,  &e.comments, &e.gender,    &e.experience, &e.illumination,
        &e.industry, &e.job,   &e.location, &e.serialNum, &e.tes};
    return std::any_of(texts.begin(), texts.end(), [](const QString *text) {
        return text->contains(QLatin1Char('\n')) || text->contains(QLatin1Char('\r'));
    });
}

} // namespace

template <typename Rows>
bool TestRows::readInto(const QSqlDatabase &db, const char *statement, qint64 bound, Rows &out,
                        qint64 &largest, QString *error, bool withScores)
{
    RowReader r(db, statement);
    if (bound >= 0)
        r.bind(1, bound);
    ScoreTexts scoreTexts;
    while (r.next()) {
        out.append(rowOf(r, withScores, scoreTexts));
        largest = qMax(largest, r.integer(0));
    }
    if (error)
        *error = r.lastError();
    return r.isValid();
}

qint64 TestRows::dataVersion(const QSqlDatabase &db) const
{
    QSqlQuery q(db);
    return q.exec(QStringLiteral("PRAGMA data_version")) && q.next() ? q.value(0).toLongLong() : -1;
}

bool TestRows::sync(const QSqlDatabase &db, QString *error)
{
    const qint64 now = dataVersion(db);
    if (current && now == version && now >= 0) {
        const int before = held.size();
        if (!readInto(db, RowsAfter, largestId, held, largestId, error)) {
            current = false;
            held.clear();
            position.clear();
            lineBreaks.clear();
            return false;
        }
        for (int i = before; i < held.size(); ++i)
            index(i);
        return true;
    }
    held.clear();
    position.clear();
    lineBreaks.clear();
    largestId = 0;
    current = readInto(db, AllRows, -1, held, largestId, error);
    if (!current) {
        held.clear();
        return false;
    }
    version = now;
    reindex();
    return true;
}

bool TestRows::readAll(const QSqlDatabase &db, QList<databaseEntry> &out, QString *error,
                       bool withScores)
{
    qint64 largest = 0;
    return readInto(db, AllRows, -1, out, largest, error, withScores);
}

void TestRows::reindex()
{
    position.clear();
    lineBreaks.clear();
    position.reserve(held.size());
    for (int i = 0; i < held.size(); ++i)
        index(i);
}

void TestRows::index(int i)
{
    const databaseEntry &e = held.at(i);
    position.insert(e.testID.toLongLong(), i);
    if (hasLineBreak(e))
        lineBreaks.insert(i);
    else
        lineBreaks.remove(i);
}

void TestRows::remove(const QSet<QString> &testIDs)
{
    if (!current || testIDs.isEmpty())
        return;
    held.erase(std::remove_if(held.begin(), held.end(),
                              [&](const databaseEntry &e) { return testIDs.contains(e.testID); }),
               held.end());
    reindex();
}

void TestRows::reread(const QSqlDatabase &db, const databaseEntry &subject, const QString &testID)
{
    if (!current)
        return;
    QSqlQuery q(db);
    q.setForwardOnly(true);
    q.prepare(QLatin1String(AllRows) +
              // Each side of the OR by an index: the test's id, the subject rows' ids.
              QLatin1String(" WHERE tests.id = :id OR tests.userID IN (SELECT id FROM users WHERE "
                            "first = :first AND middle = :middle AND last = :last AND DOB = "
                            ":DOB)"));
    q.bindValue(QStringLiteral(":id"), testID);
    q.bindValue(QStringLiteral(":first"), StoreSql::text(subject.first));
    q.bindValue(QStringLiteral(":middle"), StoreSql::text(subject.middle));
    q.bindValue(QStringLiteral(":last"), StoreSql::text(subject.last));
    q.bindValue(QStringLiteral(":DOB"), StoreSql::text(subject.DOB));
    if (!q.exec()) {
        invalidate();
        return;
    }
    while (q.next()) {
        const databaseEntry e = StoreSql::joinedRow(q, StoreSql::ScoresToTes);
        const int i = indexOf(e.testID);
        if (i < 0) {
            // Not held, yet in the file: the rows no longer match it.
            invalidate();
            return;
        }
        held[i] = e;
        index(i);
    }
}
