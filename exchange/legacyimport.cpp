#include "legacyimport.h"

#include "database.h"
#include "hdbreader.h"
#include "vktreader.h"

#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <algorithm>

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
    return write(HdbReader::read(bytes));
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
    return write(content.tests, content.capSets);
}

LegacyImport::Result LegacyImport::write(const QList<databaseEntry> &tests,
                                         const QList<CapSet> &capSets)
{
    Result result;
    database *store = database::instance();
    QSqlDatabase db = store->currentConnection();
    if (!db.transaction()) {
        result.error = tr("The database could not be written: %1").arg(db.lastError().text());
        return result;
    }

    const auto refuse = [&](const QString &detail) {
        db.rollback();
        result = Result();
        result.error = tr("Nothing was imported: %1").arg(detail);
        return result;
    };

    QList<CapSet> registered = store->getSerialNums();
    const auto isRegistered = [&registered](const QString &serialNum) {
        return std::any_of(registered.cbegin(), registered.cend(),
                           [&serialNum](const CapSet &c) { return c.serialNum == serialNum; });
    };
    for (const CapSet &c : capSets) {
        if (isRegistered(c.serialNum))
            continue;
        if (!store->insertSerialNum(c.serialNum, c.purchaseDate))
            return refuse(store->lastError());
        registered.append(c);
        ++result.capSets;
    }

    for (const databaseEntry &e : tests) {
        const int userId = store->insertUser(e.first, e.middle, e.last, e.refNum, e.DOB, e.gender,
                                             e.location, e.industry, e.experience, e.job);
        if (userId == 0)
            return refuse(store->lastError());
        if (!store->insertTest(userId, e.illumination, e.testDate, e.comments, e.scores,
                               e.serialNum, e.time))
            return refuse(store->lastError());
        ++result.tests;
    }

    if (!db.commit())
        return refuse(db.lastError().text());
    result.ok = true;
    return result;
}
