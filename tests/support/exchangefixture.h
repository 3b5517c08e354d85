#pragma once

#include "database.h"
#include "hdbreader.h"
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

// Record files of the older versions and the files and rows of an import.
namespace ExchangeFixture {

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

inline QByteArray patched(QByteArray bytes, int offset, const QByteArray &patch)
{
    return bytes.replace(offset, patch.size(), patch);
}

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
    for (const char *table : {"tests", "users", "serialNums"}) {
        const bool read = q.exec("SELECT count(*) FROM "_q + QLatin1String(table)) && q.next();
        counts << (read ? q.value(0).toInt() : -1);
    }
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
