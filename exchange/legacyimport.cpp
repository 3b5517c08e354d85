#include "legacyimport.h"

#include "database.h"
#include "hdbreader.h"
#include "recordinserter.h"
#include "transactionguard.h"
#include "vktreader.h"

#include <QDir>
#include <QFile>
#include <QSet>

namespace {

bool readAll(const QString &path, QByteArray *bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    *bytes = file.readAll();
    return file.error() == QFileDevice::NoError;
}

} // namespace

LegacyImport::Result LegacyImport::importHDB(const QString &path)
{
    QByteArray bytes;
    if (!readAll(path, &bytes)) {
        Result r;
        r.error = tr("The file %1 could not be read.").arg(QDir::toNativeSeparators(path));
        return r;
    }
    int skipped = 0;
    const QList<databaseEntry> records = HdbReader::read(bytes, &skipped);
    if (records.isEmpty()) {
        Result r;
        r.skipped = skipped;
        r.error = tr("The file %1 holds no test record that could be read; nothing was imported.")
                      .arg(QDir::toNativeSeparators(path));
        return r;
    }
    Result r = write(records);
    r.skipped = skipped;
    return r;
}

LegacyImport::Result LegacyImport::importVKT(const QString &path)
{
    QByteArray bytes;
    if (!readAll(path, &bytes)) {
        Result r;
        r.error = tr("The file %1 could not be read.").arg(QDir::toNativeSeparators(path));
        return r;
    }
    const VktReader::Content content = VktReader::read(bytes);
    if (content.tests.isEmpty() && content.capSets.isEmpty()) {
        Result r;
        r.error = tr("The file %1 holds no test record that could be read; nothing was imported.")
                      .arg(QDir::toNativeSeparators(path));
        return r;
    }
    return write(content.tests, content.capSets);
}

LegacyImport::Result LegacyImport::write(const QList<databaseEntry> &tests,
                                         const QList<CapSet> &capSets)
{
    Result result;
    database *store = database::instance();
    // The write lock first: another program's writes cannot come between the
    // register read below and the rows written after it.
    TransactionGuard transaction(store, TransactionGuard::Lock::Immediate);
    if (!transaction.isOpen()) {
        result.error = tr("The database could not be written: %1").arg(transaction.error());
        return result;
    }

    const auto refuse = [&](const QString &detail) {
        transaction.rollback();
        result = Result();
        result.error = tr("Nothing was imported: %1").arg(detail);
        return result;
    };

    // A set, so a file of many cap sets is checked in time proportional to its size.
    QSet<QString> registered;
    for (const CapSet &c : store->getSerialNums())
        registered.insert(c.serialNum);
    for (const CapSet &c : capSets) {
        if (registered.contains(c.serialNum))
            continue;
        if (!store->insertSerialNum(c.serialNum, c.purchaseDate))
            return refuse(store->lastError());
        registered.insert(c.serialNum);
        ++result.capSets;
    }

    RecordInserter inserter(store);
    for (const databaseEntry &e : tests) {
        if (!inserter.insert(e))
            return refuse(store->lastError());
        ++result.tests;
    }

    if (!transaction.commit())
        return refuse(transaction.error());
    result.ok = true;
    return result;
}
