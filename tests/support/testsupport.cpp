#include "testsupport.h"

#include "caporder.h"
#include "database.h"

#include <QSqlQuery>
#include <QVariant>
#include <algorithm>
#include <numeric>
#include <utility>

namespace TestSupport {

namespace {
QTemporaryDir &dir()
{
    static QTemporaryDir d;
    return d;
}
int filesMade = 0; // the store is created with the first
} // namespace

QString tempDir()
{
    return dir().path();
}

QString useFreshDatabase(const QString &name)
{
    const QString path = dir().filePath(QString::number(++filesMade) + QLatin1Char('-') + name);
    if (filesMade == 1) {
        database::setInitialPath(path);
        database::instance();
    } else {
        database::instance()->newDatabase(path);
        database::instance()->openDatabase(path);
    }
    return path;
}

databaseEntry sampleEntry(const QString &first, const QString &last, const QVector<int> &caps)
{
    databaseEntry e;
    e.first = first;
    e.middle = QStringLiteral("M");
    e.last = last;
    e.refNum = QStringLiteral("R-") + first;
    e.DOB = QStringLiteral("01/02/1980");
    e.testDate = QStringLiteral("03/04/2025");
    e.time = QStringLiteral("12");
    e.comments = QStringLiteral("no remarks");
    e.gender = QStringLiteral("Female");
    e.experience = QStringLiteral("1 - 2 years");
    e.illumination = QStringLiteral("D65");
    e.industry = QStringLiteral("Textiles");
    e.job = QStringLiteral("Quality Control");
    e.location = QStringLiteral("Europe");
    e.serialNum = QStringLiteral("1234");
    e.scores = CapOrder::write(caps.isEmpty() ? CapOrder::untouched() : caps);
    return e;
}

int storeEntry(const databaseEntry &e)
{
    database *db = database::instance();
    const int userId = db->insertUser(e.first, e.middle, e.last, e.refNum, e.DOB, e.gender,
                                      e.location, e.industry, e.experience, e.job);
    if (userId == 0)
        return 0;
    QSqlQuery q(db->currentConnection());
    return db->insertTest(userId, e.illumination, e.testDate, e.comments, e.scores, e.serialNum,
                          e.time) &&
                   q.exec(QStringLiteral("SELECT max(id) FROM tests")) && q.next()
               ? q.value(0).toInt()
               : 0;
}

QString olderCsvLine(const databaseEntry &e, const QString &tes)
{
    const QStringList fields{
        e.first, e.middle,   e.last,      e.refNum,     e.DOB,          e.testDate,
        e.time,  e.comments, e.gender,    e.experience, e.illumination, e.industry,
        e.job,   e.location, e.serialNum, tes,          e.scores};
    return fields.join(QLatin1Char(','));
}

QVector<int> ascending()
{
    QVector<int> caps(85);
    std::iota(caps.begin(), caps.end(), 1);
    return caps;
}

QVector<int> cap85InTray2()
{
    QVector<int> caps = ascending();
    caps.removeLast();
    caps.insert(22, 85);
    return caps;
}

QVector<int> swapped(QVector<int> caps, int a, int b)
{
    std::swap(caps[a], caps[b]);
    return caps;
}

QStringList texts(std::initializer_list<const char *> utf8)
{
    QStringList out;
    for (const char *text : utf8)
        out.append(QString::fromUtf8(text));
    return out;
}

QVector<int> withValue(int position, int value)
{
    QVector<int> caps = CapOrder::untouched();
    caps[position] = value;
    return caps;
}

QVector<int> tray2Reversed()
{
    QVector<int> caps = CapOrder::untouched();
    std::reverse(caps.begin() + 22, caps.begin() + 43);
    return caps;
}

} // namespace TestSupport
