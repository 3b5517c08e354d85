#include "testchooser.h"

#include "commandline.h"
#include "database.h"
#include "recordsearch.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <QHash>

namespace {
// A choice this large reads every cap order in one pass rather than one query per test.
constexpr int BulkScores = 50;
} // namespace

TestChooser::TestChooser()
    : dbOption(QStringLiteral("db"), tr("The database file."), tr("FILE")),
      idsOption(QStringLiteral("ids"), tr("Only the tests with these ids, in this order."),
                tr("ID,ID,...")),
      searchOption(QStringLiteral("search"),
                   tr("Only the tests whose FIELD contains TEXT (%1).")
                       .arg(fieldNames().join(QLatin1String(", "))),
                   tr("FIELD=TEXT"))
{
}

void TestChooser::addOptions(QCommandLineParser &parser) const
{
    parser.addOptions({dbOption, idsOption, searchOption});
}

QStringList TestChooser::fieldNames()
{
    // RecordSearch::Criterion order.
    return {
        QStringLiteral("comments"), QStringLiteral("dob"),          QStringLiteral("experience"),
        QStringLiteral("first"),    QStringLiteral("middle"),       QStringLiteral("last"),
        QStringLiteral("gender"),   QStringLiteral("illumination"), QStringLiteral("industry"),
        QStringLiteral("job"),      QStringLiteral("location"),     QStringLiteral("reference"),
        QStringLiteral("serial"),   QStringLiteral("date"),         QStringLiteral("time")};
}

bool TestChooser::openStore(const QString &path, bool create, QString *error)
{
    if (!create && !QFileInfo::exists(path)) {
        *error = tr("%1: no such database file").arg(path);
        return false;
    }
    if (QFileInfo(path).isDir()) {
        *error = tr("%1: is a folder, not a database file").arg(path);
        return false;
    }
    database::setInitialPath(path);
    database *store = database::instance();
    if (!store->lastError().isEmpty()) {
        *error = path + QLatin1String(": ") + store->lastError();
        return false;
    }
    return true;
}

bool TestChooser::readOptions(const QCommandLineParser &parser, QString *error)
{
    ids.clear();
    searchField = -1;
    if (parser.isSet(idsOption) && parser.isSet(searchOption)) {
        *error = tr("--ids and --search cannot be used together");
        return false;
    }
    if (parser.isSet(idsOption)) {
        const QStringList pieces = parser.value(idsOption).split(QLatin1Char(','));
        for (const QString &piece : pieces) {
            bool ok = false;
            const qlonglong id = piece.trimmed().toLongLong(&ok);
            if (!ok || id <= 0) {
                *error = tr("--ids: '%1' is not a test id").arg(piece);
                return false;
            }
            ids.append(QString::number(id));
        }
    }
    if (parser.isSet(searchOption)) {
        const QString value = parser.value(searchOption);
        const int equals = value.indexOf(QLatin1Char('='));
        searchField = fieldNames().indexOf(value.left(equals).trimmed().toLower());
        if (equals < 0 || searchField < 0) {
            *error = tr("--search: '%1' is not FIELD=TEXT with FIELD one of %2")
                         .arg(value, fieldNames().join(QLatin1String(", ")));
            searchField = -1;
            return false;
        }
        searchText = value.mid(equals + 1);
    }
    return true;
}

bool TestChooser::choose(QList<databaseEntry> *tests, QStringList *unknown, QString *error) const
{
    database *store = database::instance();
    tests->clear();
    if (!ids.isEmpty()) {
        for (const QString &id : ids) {
            bool found = false;
            databaseEntry e = RecordSearch::testById(store, id, &found);
            if (!found) {
                unknown->append(id);
                continue;
            }
            e.tes = database::calcTES(e.scores);
            tests->append(e);
        }
        return true;
    }
    QString failure;
    *tests = searchField >= 0 ? RecordSearch::run(store, searchField, RecordSearch::Contains,
                                                  searchText, &failure)
                              : store->getAllTests();
    if (!failure.isEmpty() || (!store->lastError().isEmpty() && tests->isEmpty())) {
        *error = failure.isEmpty() ? store->lastError() : failure;
        return false;
    }
    const bool bulk = tests->size() > BulkScores;
    QStringList chosenIds;
    for (const databaseEntry &e : qAsConst(*tests))
        chosenIds.append(e.testID);
    const QHash<QString, QString> all =
        bulk ? store->scoresOf(chosenIds) : QHash<QString, QString>();
    for (databaseEntry &e : *tests)
        e.scores = bulk ? all.value(e.testID) : store->getScores(e.testID);
    return true;
}

int TestChooser::openAndChoose(const QCommandLineParser &parser, QList<databaseEntry> *tests)
{
    QString error;
    const QString path = parser.value(dbOption);
    QStringList unknown;
    if (!readOptions(parser, &error) || !openStore(path, false, &error) ||
        !choose(tests, &unknown, &error)) {
        CommandLine::error(error);
        return CommandLine::UsageOrFileError;
    }
    for (const QString &id : qAsConst(unknown))
        CommandLine::error(tr("%1: no test with id %2").arg(path, id));
    if (tests->isEmpty() && unknown.isEmpty())
        CommandLine::error(tr("%1: no test chosen").arg(path));
    return unknown.isEmpty() && !tests->isEmpty() ? CommandLine::Ok : CommandLine::InputProblems;
}
