#pragma once

#include "databaseentry.h"

#include <memory>

class database;

// Stores new tests on the store's current connection: a record's subject by the
// store's insertUser statement, then its test by the insertTest statement with
// the new subject's id. The statements are prepared once per inserter, so an
// import or a copy reuses them for every row. A failure is the store's
// lastError().
class RecordInserter
{
public:
    explicit RecordInserter(database *store);
    ~RecordInserter();
    RecordInserter(const RecordInserter &) = delete;
    RecordInserter &operator=(const RecordInserter &) = delete;

    // The new subject row's id; 0 when the subject could not be stored.
    int insertSubject(const databaseEntry &e);
    bool insertTest(int subjectId, const databaseEntry &e);
    // Both, in that order: a subject stored before its test failed stays.
    bool insert(const databaseEntry &e);

private:
    struct Statements;
    database *store;
    std::unique_ptr<Statements> statements;
};
