#include "storesql.h"

#include "database.h"

#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlQuery>
#include <QVariant>
#include <iterator>
#include <sqlite3.h>

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

// A text all ASCII, as its UTF-8 bytes; false for any other. Two plain passes,
// which the compiler turns into vector code.
bool asAscii(const QString &v, std::string &bytes)
{
    const auto *c = reinterpret_cast<const ushort *>(v.constData());
    const int n = v.size();
    ushort all = 0;
    for (int i = 0; i < n; ++i)
        all |= c[i];
    if (all >= 0x80)
        return false;
    bytes.resize(size_t(n));
    for (int i = 0; i < n; ++i)
        bytes[size_t(i)] = char(c[i]);
    return true;
}

template <int N>
int bind(sqlite3_stmt *s, int first, const Column (&columns)[N], const databaseEntry &e,
         std::string *held)
{
    for (int i = 0; i < N; ++i) {
        const QString &v = e.*columns[i].field;
        // Stored as the bytes Qt's driver stores: it binds UTF-16, which SQLite turns
        // into the file's encoding. An ASCII text goes as its own UTF-8 bytes, sparing
        // SQLite that conversion (most texts); a null text as an empty one, as text() does.
        int result;
        if (v.isNull())
            result = sqlite3_bind_text(s, first + i, "", 0, SQLITE_STATIC);
        else if (asAscii(v, held[i]))
            result = sqlite3_bind_text(s, first + i, held[i].data(), v.size(), SQLITE_STATIC);
        else
            result = sqlite3_bind_text64(
                s, first + i, reinterpret_cast<const char *>(v.constData()),
                sqlite3_uint64(v.size()) * sizeof(QChar), SQLITE_STATIC, SQLITE_UTF16);
        if (result != SQLITE_OK)
            return result;
    }
    return SQLITE_OK;
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

int bindSubject(sqlite3_stmt *s, int first, const databaseEntry &e, std::string *held)
{
    static_assert(std::size(SubjectColumns) == SubjectFields, "room for every text");
    return bind(s, first, SubjectColumns, e, held);
}

int bindTest(sqlite3_stmt *s, int first, const databaseEntry &e, std::string *held)
{
    static_assert(std::size(TestColumns) == TestFields, "room for every text");
    return bind(s, first, TestColumns, e, held);
}

sqlite3 *handle(const QSqlDatabase &db)
{
    const QVariant h = db.isOpen() ? db.driver()->handle() : QVariant();
    if (!h.isValid() || qstrcmp(h.typeName(), "sqlite3*") != 0)
        return nullptr;
    return *static_cast<sqlite3 *const *>(h.constData());
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
