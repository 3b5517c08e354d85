#pragma once

#include "databaseentry.h"
#include "settingsrecord.h"

#include <QCoreApplication>
#include <QList>
#include <QString>

// Writes what the readers of the two older record files produced into the open
// database: every record as a new subject with a new test, and the cap sets the
// register does not know yet. One import is one transaction: when the store
// refuses anything, nothing of the file remains.
class LegacyImport
{
    Q_DECLARE_TR_FUNCTIONS(LegacyImport)

public:
    struct Result
    {
        bool ok = false;
        int tests = 0;   // tests written
        int capSets = 0; // cap sets added to the register
        int skipped = 0; // places of an HDB file that held no readable record
        QString error;   // why nothing was imported, for the examiner
    };

    // Read the file at path and write its contents. A file that cannot be read, or
    // one without a readable record (nor, in a VKT file, a cap set), imports nothing
    // and says so.
    static Result importHDB(const QString &path);
    static Result importVKT(const QString &path);

    // The writing step on its own. Cap sets already registered (by serial
    // number) are left as they are, with their purchase dates.
    static Result write(const QList<databaseEntry> &tests, const QList<CapSet> &capSets = {});
};
