#include "rowreader.h"

#include "caporder.h"
#include "storesql.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QVariant>
#include <sqlite3.h>

RowReader::RowReader(const QSqlDatabase &db, const char *statement) : query(db)
{
    if (sqlite3 *connection = StoreSql::handle(db)) {
        if (sqlite3_prepare_v2(connection, statement, -1, &stmt, nullptr) != SQLITE_OK) {
            error = QString::fromUtf8(sqlite3_errmsg(connection));
            sqlite3_finalize(stmt);
            stmt = nullptr;
        }
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

int RowReader::columnCount() const
{
    return stmt ? sqlite3_column_count(stmt) : 0;
}

ColumnBytes RowReader::bytes(int column) const
{
    // The text first, then its length: SQLite's order for a value it may convert.
    ColumnBytes b;
    b.data = reinterpret_cast<const char *>(sqlite3_column_text(stmt, column));
    b.size = sqlite3_column_bytes(stmt, column);
    return b;
}

QString RowReader::text(int column) const
{
    return stmt ? ColumnText::text(bytes(column)) : query.value(column).toString();
}

void RowReader::text(int column, QString &out) const
{
    if (stmt)
        ColumnText::text(bytes(column), out);
    else
        out = text(column);
}

qint64 RowReader::integer(int column) const
{
    return stmt ? sqlite3_column_int64(stmt, column) : query.value(column).toLongLong();
}

QString RowReader::unquoted(int column) const
{
    if (stmt)
        return ColumnText::unquoted(bytes(column));
    return query.value(column).toString().remove(QLatin1Char('"'));
}

void RowReader::unquoted(int column, QString &out) const
{
    if (stmt)
        ColumnText::unquoted(bytes(column), out);
    else
        out = unquoted(column);
}

QVector<int> RowReader::capOrder(int column) const
{
    return stmt ? ColumnText::capOrder(bytes(column)) : CapOrder::read(unquoted(column));
}

QString RowReader::shared(int column)
{
    return stmt ? texts.shared(column, bytes(column)) : text(column);
}
