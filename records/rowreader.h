#pragma once

#include "columntext.h"

#include <QSqlQuery>
#include <QString>
#include <QVector>

class QSqlDatabase;
struct sqlite3_stmt;

// Steps through the rows of one read statement, for the classes of this folder
// that read many rows at once. It reads the file's rows straight through SQLite
// where the connection lets it reach SQLite's own handle, and through QSqlQuery
// otherwise: a row's columns are then turned into text only when asked for.
class RowReader
{
public:
    RowReader(const QSqlDatabase &db, const char *statement);
    ~RowReader();
    RowReader(const RowReader &) = delete;
    RowReader &operator=(const RowReader &) = delete;

    // Binds an integer to the placeholder number (from 1) of the statement, before next().
    void bind(int placeholder, qint64 value);
    // The first row, then each further one; false after the last or on failure.
    bool next();
    // True while the statement has not failed; its reason otherwise.
    bool isValid() const { return error.isEmpty(); }
    QString lastError() const { return error; }

    // Whether the rows come straight from SQLite, so that bytes() can be asked.
    bool isDirect() const { return stmt != nullptr; }
    int columnCount() const;
    // The column's bytes, valid until the next call of next(); direct readers only.
    ColumnBytes bytes(int column) const;

    QString text(int column) const;
    // The same text in `out`, whose memory is reused when the text is ASCII: for
    // rows read one at a time into one record.
    void text(int column, QString &out) const;
    qint64 integer(int column) const;
    // The column's text with every double quote removed.
    QString unquoted(int column) const;
    // The same in `out`, whose memory is reused as text(column, out) does.
    void unquoted(int column, QString &out) const;
    // The cap numbers of a cap-order column, quotes ignored, read without a string
    // of their own: for a score worked out from each of many rows.
    QVector<int> capOrder(int column) const;
    // The column's text, one string for equal texts of the column: rows held
    // together then share the names and choices that repeat from test to test.
    QString shared(int column);

private:
    sqlite3_stmt *stmt = nullptr;
    QSqlQuery query;
    bool started = false;
    QString error;
    ColumnText texts;
};
