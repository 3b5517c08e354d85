#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QVector>

// A column's value as the bytes SQLite holds it; data is null for NULL.
struct ColumnBytes
{
    const char *data = nullptr;
    int size = 0;
};

// Turns the bytes of read columns into the texts and numbers of the records,
// the same whether they are read off the statement or off a copy of its rows.
class ColumnText
{
public:
    static QString text(ColumnBytes b);
    // The text with every double quote removed.
    static QString unquoted(ColumnBytes b);
    // The cap numbers of a cap-order text, quotes ignored, read without a string
    // of their own: for a score worked out from each of many rows.
    static QVector<int> capOrder(ColumnBytes b);

    // The text, one string for equal texts of the column: rows held together then
    // share the names and choices that repeat from test to test.
    QString shared(int column, ColumnBytes b);

private:
    // Bounded, so a column of mostly distinct texts costs no more than plain reads.
    static constexpr int MaxShared = 4096;

    QVector<QHash<QByteArray, QString>> pools;
};
