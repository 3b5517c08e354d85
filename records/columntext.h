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
    // The same text in `out`, whose memory is reused when the text is ASCII: for
    // rows read one at a time into one record.
    static void text(ColumnBytes b, QString &out);
    // The text with every double quote removed, into a string of its own or into
    // `out` as text(b, out) does.
    static QString unquoted(ColumnBytes b);
    static void unquoted(ColumnBytes b, QString &out);
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
