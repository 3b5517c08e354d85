#pragma once

#include "databaseentry.h"

#include <QHash>
#include <QList>
#include <QSet>
#include <QString>
#include <QVector>
#include <functional>

class QSqlDatabase;

// Every stored test joined with its subject, with its TES, as the load of all
// tests gives them and in the same order: held between the browser's actions so
// that a keystroke, a deletion or a saved test does not read the whole file
// again. The store keeps it in step with what it writes; what it cannot follow
// (a write by another program, an operation that is not tracked) makes it read
// everything again. The rows carry the TES, not the cap-order text.
class TestRows
{
public:
    // Brings the rows up to date with the file on this connection: everything
    // when they are not current or another connection changed the file, else only
    // the tests added since (their ids are larger than any held). False, with the
    // rows emptied, when the file cannot be read.
    bool sync(const QSqlDatabase &db, QString *error = nullptr);
    // The next sync reads everything.
    void invalidate() { current = false; }
    // After invalidate(): the rows still are the file's but for changes the caller
    // applies with remove() or reread() right away.
    void resume() { current = true; }
    bool isCurrent() const { return current; }

    // Every joined row, read afresh, in the file's order, with the TES; false when
    // the file cannot be read.
    static bool readAll(const QSqlDatabase &db, QList<databaseEntry> &out, QString *error);
    // The same rows with the cap-order text (quotes removed) instead, handed to
    // `each` one at a time and never held, until it returns false; false when the
    // file cannot be read.
    static bool readEach(const QSqlDatabase &db,
                         const std::function<bool(const databaseEntry &)> &each, QString *error);

    const QVector<databaseEntry> &rows() const { return held; }
    // Position of a test in rows(); -1 when it is not held.
    int indexOf(const QString &testID) const { return position.value(testID.toLongLong(), -1); }
    int indexOf(qint64 testID) const { return position.value(testID, -1); }
    // Positions of the rows with a line break in one of their texts: the browser
    // gives only those rows a height of their own.
    const QSet<int> &rowsWithLineBreaks() const { return lineBreaks; }

    // Tests that are gone from the file.
    void remove(const QSet<QString> &testIDs);
    // Tests of subjects now stored with these four values, and the test with this
    // id: read again in place after an update of a test and its subject.
    void reread(const QSqlDatabase &db, const databaseEntry &subject, const QString &testID);

private:
    template <typename Rows>
    static bool readInto(const QSqlDatabase &db, const char *statement, qint64 bound, Rows &out,
                         qint64 &largest, QString *error);
    void reindex();
    void index(int i);
    qint64 dataVersion(const QSqlDatabase &db) const;

    QVector<databaseEntry> held;
    QHash<qint64, int> position;
    QSet<int> lineBreaks;
    qint64 largestId = 0;
    qint64 version = -1;
    bool current = false;
};
