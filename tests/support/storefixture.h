#pragma once

#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStringList>
#include <QVariant>

namespace StoreFixture {

// UTF-8 text for expected values: the build forbids casts from plain literals.
inline QString operator""_q(const char *text, size_t size)
{
    return QString::fromUtf8(text, int(size));
}

inline bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

inline QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The first value of a statement's first row; -1 when it fails.
inline int firstValue(const QSqlDatabase &db, const QString &sql)
{
    QSqlQuery q(db);
    return q.exec(sql) && q.next() ? q.value(0).toInt() : -1;
}

// Another program's connection to a file, so the file itself is seen and changed,
// not what the store believes it holds.
struct Other
{
    explicit Other(const QString &path, const QString &options = QString(),
                   const QString &connection = QStringLiteral("other"))
        : name(connection), db(QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection))
    {
        db.setDatabaseName(path);
        db.setConnectOptions(options);
        db.open();
    }
    ~Other()
    {
        db.close();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(name);
    }
    bool exec(const QString &sql)
    {
        QSqlQuery q(db);
        const bool ok = q.exec(sql);
        error = q.lastError().text();
        return ok;
    }
    int value(const QString &sql) { return firstValue(db, sql); }
    QString name;
    QSqlDatabase db;
    QString error;
};

// Every row of the subject, test and cap-set tables, one text each.
inline QStringList snapshot(const QString &path)
{
    Other file(path, QString(), QStringLiteral("snapshot"));
    QStringList rows;
    for (const char *table : {"users", "tests", "serialNums"}) {
        QSqlQuery q(file.db);
        q.exec(QStringLiteral("SELECT * FROM %1 ORDER BY id").arg(QLatin1String(table)));
        for (QStringList row; q.next(); rows << row.join(QLatin1Char('|')), row.clear())
            for (int c = 0; c < q.record().count(); ++c)
                row << q.value(c).toString();
    }
    return rows;
}

} // namespace StoreFixture
