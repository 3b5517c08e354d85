#include "rowreader.h"

#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlError>
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

QStringView RowReader::unquoted(int column)
{
    buffer.clear();
    if (stmt) {
        const auto *bytes = reinterpret_cast<const char *>(sqlite3_column_text(stmt, column));
        const int size = sqlite3_column_bytes(stmt, column);
        bool ascii = true;
        for (int i = 0; i < size && ascii; ++i)
            ascii = static_cast<unsigned char>(bytes[i]) < 0x80;
        // Cap orders are ASCII: widened in place, without a string of their own.
        if (ascii) {
            for (int i = 0; i < size; ++i) {
                if (bytes[i] != '"')
                    buffer.append(QLatin1Char(bytes[i]));
            }
            return QStringView(buffer.constData(), buffer.size());
        }
    }
    held = text(column);
    held.remove(QLatin1Char('"'));
    return held;
}
