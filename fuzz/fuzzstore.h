#pragma once

#include "database.h"

#include <QCoreApplication>
#include <QFile>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QVariant>

// One store for a whole fuzzing run, for the importers' promise: an import that reports
// success stored every record the file holds, and one that fails stored nothing.
namespace FuzzStore {

// From LLVMFuzzerInitialize: the SQL driver is a plugin that needs the application.
inline void init(int *argc, char ***argv)
{
    static QCoreApplication app(*argc, *argv);
    static QTemporaryDir dir;
    database::setInitialPath(dir.filePath(QStringLiteral("fuzz.sqlite")));
    QSqlQuery q(database::instance()->currentConnection());
    // Speed over durability: the file lives as long as the run.
    q.exec(QStringLiteral("PRAGMA synchronous = OFF"));
    q.exec(QStringLiteral("PRAGMA journal_mode = MEMORY"));
}

inline int count(const char *table)
{
    QSqlQuery q(database::instance()->currentConnection());
    if (q.exec(QStringLiteral("SELECT count(*) FROM ") + QLatin1String(table)) && q.next())
        return q.value(0).toInt();
    return -1;
}

// The tests stored so far; emptied now and then so every input meets a small file.
inline int tests()
{
    int n = count("tests");
    if (n > 2000) {
        QSqlQuery q(database::instance()->currentConnection());
        q.exec(QStringLiteral("DELETE FROM tests"));
        q.exec(QStringLiteral("DELETE FROM users"));
        q.exec(QStringLiteral("DELETE FROM serialNums"));
        n = 0;
    }
    return n;
}

// The bytes as a file, for an importer that reads one.
inline QString file(const QByteArray &bytes)
{
    static QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("input"));
    QFile f(path);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        f.write(bytes);
    return path;
}

} // namespace FuzzStore
