#pragma once

#include "caporder.h"
#include "hdbreader.h"

#include <QByteArray>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QString>
#include <QStringList>
#include <QVariant>

namespace FaultFiles {

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

// An old record file of count records, each with a long comment so that a few
// of them fill a database page.
inline QByteArray hdbFile(int count)
{
    QByteArray file;
    for (int n = 0; n < count; ++n) {
        QByteArray r(HdbReader::RecordStride, ' ');
        const QByteArray last = "Imported" + QByteArray::number(n);
        r.replace(HdbReader::LastOffset, last.size(), last);
        r.replace(HdbReader::FirstOffset, 3, "Eve");
        r.replace(HdbReader::CommentsOffset, HdbReader::CommentsWidth,
                  QByteArray(HdbReader::CommentsWidth, char('a' + n % 26)));
        r[HdbReader::TimeOffset] = char(10);
        for (int slot = 0; slot < HdbReader::CapSlots; ++slot)
            r[HdbReader::CapsOffset + 2 * slot] = char(slot + 1);
        file += r;
    }
    return file;
}

// A comma-separated file with a header and count data lines.
inline QByteArray csvFile(int count)
{
    QByteArray file = "First,Middle,Last,Reference,DOB,Date,Time (mins),Comments,Gender,"
                      "Experience,Illumination,Industry,JobFunction,Location,Serial Number,TES,"
                      "Cap Order\n";
    const QByteArray caps = CapOrder::write(CapOrder::untouched()).toUtf8();
    for (int n = 0; n < count; ++n) {
        file += "Csv" + QByteArray::number(n) + ",M,Line,R,01/01/1990,02/02/2020,9," +
                QByteArray(200, char('a' + n % 26)) + ",Male,,D65,,,,S1,0," + caps + '\n';
    }
    return file;
}

// Every row of the subject and test tables, read through a connection of its
// own, so the file itself is checked and not what the store believes it holds.
inline QStringList snapshot(const QString &path)
{
    QStringList rows;
    const QString name = QStringLiteral("snapshot");
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        if (db.open()) {
            for (const char *table : {"users", "tests", "serialNums"}) {
                QSqlQuery q(db);
                if (!q.exec(QStringLiteral("SELECT * FROM ") + QLatin1String(table) +
                            QStringLiteral(" ORDER BY id"))) {
                    rows.append(QStringLiteral("unreadable ") + QLatin1String(table));
                    continue;
                }
                while (q.next()) {
                    QStringList values{QLatin1String(table)};
                    for (int c = 0; c < q.record().count(); ++c)
                        values.append(q.value(c).toString());
                    rows.append(values.join(QLatin1Char('|')));
                }
            }
        } else {
            rows.append(QStringLiteral("unopenable"));
        }
    }
    QSqlDatabase::removeDatabase(name);
    return rows;
}

} // namespace FaultFiles
