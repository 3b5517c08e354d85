#pragma once

#include "database.h"
#include "storefixture.h"
#include "testsupport.h"

using StoreFixture::operator""_q;

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
    const QString path = TestSupport::tempDir() + QLatin1Char('/') + name;
    return StoreFixture::writeFile(path, bytes) ? path : QString();
}

// One record as the first database version wrote it: last, first, middle name and
// reference (20 bytes each), two dates (10 each), minutes, an unused byte, comments
// (50), four unused bytes, 84 cap slots of two bytes, one last byte. The unused bytes
// hold letters and the second byte of every slot is set, so a field read at a wrong
// offset shows.
inline QByteArray hdbRecord(const QByteArray &last, char filler = ' ')
{
    const auto field = [filler](const QByteArray &text, int width) -> QByteArray {
        return text + QByteArray(width - text.size(), filler);
    };
    QByteArray r = field(last, 20) + field("Anna", 20) + field("B", 20) + field("REF-7", 20) +
                   "01/02/1970" + "03/04/1999" + char(12) + 'Z' + field("steady hands", 50) +
                   "ZZZZ";
    for (int cap = 1; cap <= 84; ++cap)
        r += QByteArray(1, char(cap)) + 'c';
    return r + 'Q';
}

// Rows of the tests, users and serialNums tables of the open store.
inline QList<int> rowCounts()
{
    QList<int> counts;
    for (const QString &table : {"tests"_q, "users"_q, "serialNums"_q})
        counts << StoreFixture::firstValue(database::instance()->currentConnection(),
                                           "SELECT count(*) FROM "_q + table);
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
