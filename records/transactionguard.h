#pragma once

#include <QString>

class database;

// One transaction on the store's current connection: begun by the constructor,
// ended by commit() or rollback(), and rolled back when the guard leaves scope
// still open, so an early return never leaves half a write behind.
class TransactionGuard
{
public:
    enum class Lock
    {
        Deferred, // BEGIN: the first write takes the write lock
        Immediate // BEGIN IMMEDIATE: the write lock now, or the guard does not begin
    };

    explicit TransactionGuard(database *store, Lock lock = Lock::Deferred);
    ~TransactionGuard();
    TransactionGuard(const TransactionGuard &) = delete;
    TransactionGuard &operator=(const TransactionGuard &) = delete;

    // Begun and not yet ended.
    bool isOpen() const { return open; }
    // False, with error() telling why, when it did not begin or could not
    // commit; a commit that failed leaves nothing of the transaction behind.
    bool commit();
    void rollback();
    QString error() const { return lastError; }

private:
    bool exec(const QString &statement);

    QString connectionName;
    bool open = false;
    QString lastError;
};
