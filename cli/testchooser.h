#pragma once

#include "databaseentry.h"

#include <QCommandLineOption>
#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>

class QCommandLineParser;

// The tests a command works on from a database file: all of them, the ones named
// by --ids (in that order), or those a --search FIELD=TEXT finds (as the
// database page's "contains" search finds them).
class TestChooser
{
    Q_DECLARE_TR_FUNCTIONS(TestChooser)

public:
    TestChooser();
    void addOptions(QCommandLineParser &parser) const;

    // Opens the store on the file. Without `create`, a missing file is an error
    // rather than a new, empty database. False, with *error set, on failure.
    static bool openStore(const QString &path, bool create, QString *error);

    // Checks --ids and --search; false, with *error set, when they are malformed.
    bool readOptions(const QCommandLineParser &parser, QString *error);
    // Whether --ids or --search narrowed the choice.
    bool narrowed() const { return !ids.isEmpty() || searchField >= 0; }

    // The chosen tests with their cap-order text and TES, on the open store.
    // Ids that name no test are listed in *unknown. False, with *error set, when
    // the file cannot be read.
    bool choose(QList<databaseEntry> *tests, QStringList *unknown, QString *error) const;

    // All of the above for a command: reads --ids and --search, opens the --db file
    // and chooses its tests, reporting each problem on standard error. Returns the
    // exit status the problems call for; with UsageOrFileError nothing was chosen.
    int openAndChoose(const QCommandLineParser &parser, QList<databaseEntry> *tests);

    // Field names --search accepts, in the order of the database page's criteria.
    static QStringList fieldNames();

    QCommandLineOption dbOption;
    QCommandLineOption idsOption;
    QCommandLineOption searchOption;

private:
    QStringList ids;
    int searchField = -1;
    QString searchText;
};
