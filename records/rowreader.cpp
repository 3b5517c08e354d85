#include "rowreader.h"

#include "caporder.h"

#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlError>
#include <QVarLengthArray>
#include <QVariant>
#include <sqlite3.h>

RowReader::RowReader(const QSqlDatabase &db, const char *statement) : query(db)
{
    const QVariant handle = db.isOpen() ? db.driver()->handle() : QVariant();
    if (handle.isValid() && qstrcmp(handle.typeName(), "sqlite3*") == 0) {
        sqlite3 *connection = *static_cast<sqlite3 *const *>(handle.constData());
        if (connection &&
            sqlite3_prepare_v2(connection, statement, -1, &stmt, nullptr) != SQLITE_OK) {
            error = QString::fromUtf8(sqlite3_errmsg(connection));
            sqlite3_finalize(stmt);
            stmt = nullptr;
        }
        if (connection)
            return;
    }
    query.setForwardOnly(true);
    if (!query.prepare(QLatin1String(statement)))
        error = query.lastError().text();
}

RowReader::~RowReader()
{
    sqlite3_finalize(stmt);
}

void RowReader::bind(int placeholder, qint64 value)
{
    if (stmt)
        sqlite3_bind_int64(stmt, placeholder, value);
    else
        query.bindValue(placeholder - 1, value);
}

bool RowReader::next()
{
    if (!isValid())
        return false;
    if (stmt) {
        const int step = sqlite3_step(stmt);
        if (step == SQLITE_ROW)
            return true;
        if (step != SQLITE_DONE)
            error = QString::fromUtf8(sqlite3_errmsg(sqlite3_db_handle(stmt)));
        return false;
    }
    if (!started) {
        started = true;
        if (!query.exec()) {
            error = query.lastError().text();
            return false;
        }
    }
    return query.next();
}

QString RowReader::text(int column) const
{
    if (!stmt)
        return query.value(column).toString();
    const auto *bytes = reinterpret_cast<const char *>(sqlite3_column_text(stmt, column));
    return QString::fromUtf8(bytes, sqlite3_column_bytes(stmt, column));
}

qint64 RowReader::integer(int column) const
{
    return stmt ? sqlite3_column_int64(stmt, column) : query.value(column).toLongLong();
}

QString RowReader::unquoted(int column) const
{
    const auto *bytes =
        stmt ? reinterpret_cast<const char *>(sqlite3_column_text(stmt, column)) : nullptr;
    const int size = stmt ? sqlite3_column_bytes(stmt, column) : 0;
    if (size > 0) {
        // Cap orders are ASCII: widened straight into the string, quotes left out.
        QString t(size, Qt::Uninitialized);
        QChar *out = t.data();
        int i = 0;
        for (; i < size && static_cast<unsigned char>(bytes[i]) < 0x80; ++i) {
            if (bytes[i] != '"')
                *out++ = QLatin1Char(bytes[i]);
        }
        if (i == size) {
            t.truncate(int(out - t.constData()));
            return t;
        }
    }
    QString t = text(column);
    t.remove(QLatin1Char('"'));
    return t;
}

QVector<int> RowReader::capOrder(int column) const
{
    if (stmt) {
        const auto *bytes = reinterpret_cast<const char *>(sqlite3_column_text(stmt, column));
        const int size = sqlite3_column_bytes(stmt, column);
        QVarLengthArray<char, 512> ascii;
        bool isAscii = true;
        for (int i = 0; i < size && isAscii; ++i) {
            isAscii = static_cast<unsigned char>(bytes[i]) < 0x80;
            if (bytes[i] != '"')
                ascii.append(bytes[i]);
        }
        // Cap orders are ASCII: read where SQLite holds them.
        if (isAscii)
            return CapOrder::read(QLatin1String(ascii.constData(), ascii.size()));
    }
    return CapOrder::read(unquoted(column));
}

QString RowReader::shared(int column)
{
    if (!stmt)
        return text(column);
    const auto *bytes = reinterpret_cast<const char *>(sqlite3_column_text(stmt, column));
    const int size = sqlite3_column_bytes(stmt, column);
    if (size == 0)
        return text(column);
    if (pools.size() <= column)
        pools.resize(column + 1);
    QHash<QByteArray, QString> &pool = pools[column];
    const auto found = pool.constFind(QByteArray::fromRawData(bytes, size));
    if (found != pool.cend())
        return found.value();
    QString t = QString::fromUtf8(bytes, size);
    // Bounded, so a column of mostly distinct texts costs no more than plain reads.
    if (pool.size() < MaxShared)
        pool.insert(QByteArray(bytes, size), t);
    return t;
}
