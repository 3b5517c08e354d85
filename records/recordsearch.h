#pragma once

#include "databaseentry.h"

#include <QList>
#include <QString>
#include <QVector>

class database;

// The browser's search: copies the matching subject or test rows into the
// working tables userSearch / testSearch of the open file and joins them with
// the other side. The pattern is SQLite GLOB (case-sensitive; "*", "?" and "["
// typed by the examiner act as wildcards) and is always a bound value.
class RecordSearch
{
public:
    // In the order of the page's criterion box.
    enum Criterion
    {
        Comments,
        DOB,
        Experience,
        First,
        Middle,
        Last,
        Gender,
        Illumination,
        Industry,
        Job,
        Location,
        ReferenceNumber,
        SerialNumber,
        TestDate,
        Time,
        CriterionCount
    };
    // In the order of the page's method box.
    enum Method
    {
        Contains,
        IsExactly,
        BeginsWith,
        EndsWith,
        MethodCount
    };

    // The GLOB pattern for a text; empty for a method outside the four.
    static QString pattern(int method, const QString &text);

    // Tests matching the text, in the order the engine returns them, with fields
    // and TES filled and scores left empty. A criterion outside the fifteen
    // finds nothing. A failing statement yields no rows, never the rows of an
    // earlier search, and puts its reason into *error (emptied otherwise).
    static QList<databaseEntry> run(database *store, int criterion, int method, const QString &text,
                                    QString *error = nullptr);
    // The same search, giving only the ids of the matching tests, in the same order.
    static QVector<qint64> testIds(database *store, int criterion, int method, const QString &text,
                                   QString *error = nullptr);

    // One test with its subject by test id, with its cap-order text (quotes
    // removed) and no TES; found is false when no listed test has that id.
    static databaseEntry testById(database *store, const QString &testID, bool *found);

private:
    // Fills the working tables; the joined statement that reads them, or null with *error set.
    static const char *fill(database *store, int criterion, int method, const QString &text,
                            QString *error);
};
