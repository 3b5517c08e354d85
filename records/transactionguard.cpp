#include "transactionguard.h"

#include "database.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

TransactionGuard::TransactionGuard(database *store, Lock lock)
    : connectionName(store->currentConnection().connectionName())
{
    if (!store->isUsable()) {
        lastError = store->refusalReason();
        return;
    }
    open =
        exec(lock == Lock::Immediate ? QStringLiteral("BEGIN IMMEDIATE") : QStringLiteral("BEGIN"));
}

TransactionGuard::~TransactionGuard()
{
    rollback();
}

bool TransactionGuard::exec(const QString &statement)
{
    QSqlQuery q(QSqlDatabase::database(connectionName, false));
    if (q.exec(statement))
        return true;
    lastError = q.lastError().text();
    return false;
}

bool TransactionGuard::commit()
{
    if (!open)
        return false;
    if (exec(QStringLiteral("COMMIT"))) {
        open = false;
        return true;
    }
    // A commit the engine refused (a lock, a full disk) leaves the transaction open.
    rollback();
    return false;
}

void TransactionGuard::rollback()
{
    if (!open)
        return;
    open = false;
    // Fails only when the engine has already ended the transaction: nothing to undo,
    // and the reason of the failure that led here is the one worth keeping.
    const QString why = lastError;
    exec(QStringLiteral("ROLLBACK"));
    lastError = why;
}
