#pragma once

#include "database.h"
#include "testsupport.h"

#include <QFile>
#include <QSqlQuery>
#include <QVariant>

// A text written as a UTF-8 literal, zero bytes included: "Ann"_q.
inline QString operator""_q(const char *text, size_t size)
{
    return QString::fromUtf8(text, int(size));
}

// Bytes written as a literal, zero bytes included: "\x29\x00\x28"_ba.
inline QByteArray operator""_ba(const char *bytes, size_t size)
{
    return QByteArray(bytes, int(size));
}

// Files to import and the rows they leave in the store.
namespace ExchangeFixture {

// The file in the test's temporary folder, written with these bytes.
inline QString writeFile(const QString &name, const QByteArray &bytes)
{
    QFile f(TestSupport::tempDir() + QLatin1Char('/') + name);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size() ? f.fileName()
                                                                          : QString();
}

// Rows of the tests, users and serialNums tables of the open store.
inline QList<int> rowCounts()
{
    QList<int> counts;
    QSqlQuery q(database::instance()->currentConnection());
    for (const QString &table : {"tests"_q, "users"_q, "serialNums"_q})
        counts << (q.exec("SELECT count(*) FROM "_q + table) && q.next() ? q.value(0).toInt() : -1);
    return counts;
}

// A trigger that makes the store refuse a test whose comments read "refuse".
inline bool refuseComment()
{
    QSqlQuery q(database::instance()->currentConnection());
    return q.exec(
        QStringLiteral("CREATE TRIGGER refuse BEFORE INSERT ON tests WHEN NEW.comments = 'refuse' "
                       "BEGIN SELECT RAISE(ABORT, 'refused by trigger'); END"));
}

} // namespace ExchangeFixture
