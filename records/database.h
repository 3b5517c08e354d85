#pragma once

#include "databaseentry.h"
#include "settingsrecord.h"
#include "testrows.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QString>

class QSqlDatabase;

// The one owner of the SQLite file that holds subjects, tests, the settings row
// and the cap-set register. One instance per process, created on first use.
//
// Every statement runs on the current connection, named by the decimal text of
// connectionNumber ("0", "1", ...). Write operations report whether they took
// effect; reads of a broken or missing file yield nothing (empty list or text).
class database : public QObject
{
    Q_OBJECT

public:
    static database *instance();

    // Before the first instance() call: use this file instead of the default
    // location. Lets tests and tools run against a file of their own.
    static void setInitialPath(const QString &path);

    // Where the file lives by default: the program's folder when it is writable,
    // else the per-user application-data folder; on Windows the machine-wide
    // program-data folder. Pure, so the rule can be tested on any platform.
    static QString defaultPath(const QString &appDir, bool appDirWritable,
                               const QString &productType, const QString &appDataDir);

    // Opens dbPath as connection "0". A file that cannot be read (locked by another
    // program, damaged, not a database of this program) is refused: nothing is read
    // from it or written to it until a later initDatabase() or a file operation succeeds.
    void initDatabase();
    // Whether the current file was opened and checked; why not, when it was refused.
    bool isUsable() const { return refusal.isEmpty(); }
    QString refusalReason() const { return refusal; }

    // A new subject and its test (insertUser, then insertTest with the new id), both
    // or neither. Imports and copies of many rows use a RecordInserter of their own.
    bool insertUserAndTest(const databaseEntry &e);
    // An edited test and its subject (updateUser, then updateTest), found by the
    // values they had when loaded; both or neither.
    bool updateUserAndTest(const databaseEntry &edited, const databaseEntry &asLoaded);

    int insertUser(const QString &first, const QString &middle, const QString &last,
                   const QString &refNum, const QString &DOB, const QString &gender,
                   const QString &location, const QString &industry, const QString &experience,
                   const QString &job);
    bool insertTest(int userID, const QString &illumination, const QString &testDate,
                    const QString &comments, const QString &scores, const QString &serialNum,
                    const QString &time);
    // True when a subject row matched the old values and was rewritten.
    bool updateUser(const QString &first, const QString &middle, const QString &last,
                    const QString &refNum, const QString &DOB, const QString &gender,
                    const QString &location, const QString &industry, const QString &experience,
                    const QString &job, const QString &oldFirst, const QString &oldMiddle,
                    const QString &oldLast, const QString &oldDOB);
    // True when the test row matched the old values and was rewritten.
    bool updateTest(int testID, const QString &illumination, const QString &testDate,
                    const QString &comments, const QString &scores, const QString &serialNum,
                    const QString &time, const QString &oldIll, const QString &oldTD,
                    const QString &oldScores, const QString &oldSerialNum);
    bool deleteTest(int testID);
    bool deleteUser(const QString &first, const QString &middle, const QString &last,
                    const QString &DOB);
    // Removes the subject rows with these four values that no test refers to any more.
    bool deleteUnusedUsers(const QString &first, const QString &middle, const QString &last,
                           const QString &DOB);

    // Deletes these tests, and each subject row that no test refers to any more,
    // all or nothing. False, with nothing deleted, when the file refuses.
    bool deleteTests(const QList<databaseEntry> &tests);

    QString getScores(const QString &id);

    // The cap-order texts of these tests by test id, as getScores() hands each out,
    // read in one pass over the tests.
    QHash<QString, QString> scoresOf(const QStringList &testIDs);
    QList<databaseEntry> getAllTests();
    // The same rows as getAllTests(), held between calls and brought up to date
    // with the file at each call; for the browser, which lists them on every action.
    const TestRows &heldTests();
    // The id of the test the last successful insertUserAndTest() stored.
    QString lastStoredTestId() const { return lastTestId; }
    // TES of a cap-order text as decimal text; empty for a text that is not a full set.
    static QString calcTES(const QString &scores);

    // File operations. Each returns false, and leaves the store on the file it
    // had, when the new file cannot be opened or written. An empty path does nothing.
    bool newDatabase(const QString &path);
    bool openDatabase(const QString &path);
    bool saveDatabaseAs(const QString &path);

    QSqlDatabase currentConnection();
    QString currentConnectionName() const { return QString::number(connectionNumber); }
    QString path() const { return dbPath; }
    // Text of the last failure, for the message that tells the examiner.
    QString lastError() const { return lastErrorText; }

    // Settings row and cap-set register. After a getSettings() that could not read the
    // file's row, updateSettings() refuses: what was shown in its place (defaults, or
    // another file's settings) never overwrites the stored settings.
    SettingsRecord getSettings();
    bool updateSettings(const SettingsRecord &s);
    bool insertSerialNum(const QString &serialNum, const QString &purchaseDate);
    bool updateSerialNum(const QString &oldSerialNum, const QString &serialNum,
                         const QString &purchaseDate);
    bool deleteSerialNum(const QString &serialNum);
    QList<CapSet> getSerialNums();

signals:
    // A statement failed because another program replaced or removed the open file;
    // emitted once per opened file.
    void fileReplaced();

private:
    friend class RecordInserter;

    database();

    // Why the file on this connection cannot be used, or nothing when it can.
    QString checkFile(QSqlDatabase &db, const QString &path);
    // Connection "0" on dbPath, checked unless the caller has just checked it.
    void attach(bool check);
    // The store now works on dbPath: what it knew of the previous file is forgotten.
    void switchedFile();
    bool wasReplaced() const;
    bool failOpening(const QString &problem);

    bool createTables(QSqlDatabase &db);
    bool ensureSettingsRow(QSqlDatabase &db, const QString &select);
    bool insertSettingsRow(QSqlDatabase &db, const SettingsRecord &s);
    bool writeSettings(QSqlDatabase &db, const SettingsRecord &s);
    QSqlDatabase addConnection(const QString &name, const QString &path);
    bool fail(const QString &what, const QString &detail);

    QString dbPath;
    SettingsRecord settings;
    int connectionNumber = 0;
    QString lastErrorText;
    TestRows rows;
    QString lastTestId;
    QString refusal;
    bool settingsUnread = false;
    QString fileIdentity;
    bool replacedReported = false;
};
