#include "benchfile.h"

#include "caporder.h"
#include "database.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QStringList>
#include <algorithm>
#include <sqlite3.h>
#include <unistd.h>

namespace {

QString cacheDir()
{
    const QString dir = qEnvironmentVariableIsSet("VK_BENCH_DIR")
                            ? qEnvironmentVariable("VK_BENCH_DIR")
                            : QStringLiteral("/tmp/vk-bench");
    QDir().mkpath(dir);
    return dir;
}

QString pick(QRandomGenerator &rng, const QStringList &list)
{
    return list.at(static_cast<int>(rng.bounded(static_cast<quint32>(list.size()))));
}

QString date(QRandomGenerator &rng, int firstYear, int years)
{
    return QStringLiteral("%1/%2/%3")
        .arg(rng.bounded(1, 13), 2, 10, QLatin1Char('0'))
        .arg(rng.bounded(1, 29), 2, 10, QLatin1Char('0'))
        .arg(firstYear + rng.bounded(years));
}

QString capOrder(QRandomGenerator &rng)
{
    QVector<int> caps = CapOrder::untouched();
    const int swaps = rng.bounded(13);
    for (int s = 0; s < swaps; ++s) {
        const int p = rng.bounded(84);
        std::swap(caps[p], caps[p + 1]);
    }
    return CapOrder::write(caps);
}

struct Statement
{
    Statement(sqlite3 *db, const char *sql) { sqlite3_prepare_v2(db, sql, -1, &stmt, nullptr); }
    ~Statement() { sqlite3_finalize(stmt); }
    Statement(const Statement &) = delete;
    Statement &operator=(const Statement &) = delete;
    void bind(int column, const QString &text)
    {
        const QByteArray bytes = text.toUtf8();
        sqlite3_bind_text(stmt, column, bytes.constData(), bytes.size(), SQLITE_TRANSIENT);
    }
    bool step()
    {
        const bool done = sqlite3_step(stmt) == SQLITE_DONE;
        sqlite3_reset(stmt);
        return done;
    }
    sqlite3_stmt *stmt = nullptr;
};

bool fill(const QString &file, int tests)
{
    sqlite3 *db = nullptr;
    if (sqlite3_open(QFile::encodeName(file).constData(), &db) != SQLITE_OK)
        return false;
    sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
    bool ok = true;
    {
        Statement user(db, "INSERT INTO users (first, middle, last, refNum, DOB, gender, "
                           "location, industry, experience, job) VALUES (?,?,?,?,?,?,?,?,?,?)");
        Statement test(db, "INSERT INTO tests (userID, illumination, testDate, comments, "
                           "scores, serialNum, time) VALUES (?,?,?,?,?,?,?)");
        QRandomGenerator rng(20240307);
        const QStringList firsts =
            QStringLiteral("Anna Ben Carla Dario Eva Felix Greta Hugo Ines Jonas Kaja "
                           "Luca Mira Nils Olga Paul Rosa Sven Tara Ugo Vera Wim Yuki "
                           "Zoe Aiko Bruno Chen Dana Emil Fatma")
                .split(QLatin1Char(' '));
        const QStringList locations{QStringLiteral("Europe"), QStringLiteral("Asia"),
                                    QStringLiteral("North America"), QString()};
        const QStringList industries{QStringLiteral("Paint"), QStringLiteral("Textile - Creative"),
                                     QStringLiteral("Automotive"), QStringLiteral("Food"),
                                     QString()};
        const QStringList lights{QStringLiteral("D65"), QStringLiteral("D50"),
                                 QStringLiteral("TL84"), QString()};
        const QStringList comments{QStringLiteral("tired"), QStringLiteral("wears glasses"),
                                   QStringLiteral("retest, first session interrupted"),
                                   QStringLiteral("slow, careful")};
        const int subjects = std::max(1, tests * 71 / 100);
        for (int s = 0; s < subjects && ok; ++s) {
            user.bind(1, pick(rng, firsts));
            user.bind(2, rng.bounded(3) == 0 ? QStringLiteral("M") : QString());
            user.bind(3, BenchFile::surname(rng));
            user.bind(4, QString::number(100000 + s));
            user.bind(5, date(rng, 1950, 55));
            user.bind(6, rng.bounded(2) ? QStringLiteral("Female") : QStringLiteral("Male"));
            user.bind(7, pick(rng, locations));
            user.bind(8, pick(rng, industries));
            user.bind(9, QStringLiteral("3 - 5 years"));
            user.bind(10, QStringLiteral("Quality Control"));
            ok = user.step();
        }
        for (int t = 0; t < tests && ok; ++t) {
            // The first tests one per subject, the rest second tests of subjects spread over all.
            const qint64 subject = t < subjects ? t + 1 : (qint64(t) * 7919) % subjects + 1;
            sqlite3_bind_int64(test.stmt, 1, subject);
            test.bind(2, pick(rng, lights));
            test.bind(3, date(rng, 2010, 16));
            test.bind(4, rng.bounded(5) == 0 ? pick(rng, comments) : QString());
            test.bind(5, capOrder(rng));
            test.bind(6, QStringLiteral("1234"));
            test.bind(7, QString::number(8 + rng.bounded(20)));
            ok = test.step();
        }
    }
    ok = ok && sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr) == SQLITE_OK;
    sqlite3_close(db);
    return ok;
}

} // namespace

int BenchFile::tests()
{
    bool ok = false;
    const int n = qEnvironmentVariableIntValue("VK_BENCH_TESTS", &ok);
    return ok && n > 0 ? n : 100000;
}

QString BenchFile::path(int tests)
{
    const QString file = cacheDir() + QStringLiteral("/tests-%1.sqlite").arg(tests);
    if (QFileInfo::exists(file))
        return file;
    // The store makes the tables, as it does for a file the examiner creates.
    const QString partial = file + QStringLiteral(".partial");
    QFile::remove(partial);
    database *store = database::instance();
    if (!store->newDatabase(partial) || !fill(partial, tests))
        qFatal("cannot generate %s", qPrintable(partial));
    QFile::rename(partial, file);
    // The store leaves the partial file's name; the benchmark opens what it needs.
    store->openDatabase(file);
    return file;
}

QString BenchFile::copy(int tests, const QString &name)
{
    const QString target = cacheDir() + QLatin1Char('/') + name;
    QFile::remove(target);
    QFile::copy(path(tests), target);
    QFile(target).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup |
                                 QFile::ReadOther);
    return target;
}

QString BenchFile::scratch(const QString &name)
{
    return cacheDir() + QLatin1Char('/') + name;
}

qint64 BenchFile::residentBytes()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields.at(1).toLongLong() * sysconf(_SC_PAGESIZE) : 0;
}

QString BenchFile::surname(QRandomGenerator &rng)
{
    static const char *const syllables[] = {"ka",  "mo",  "ri", "sen", "tal", "ber", "lin",
                                            "dor", "ves", "nu", "pa",  "gor", "hel", "fi",
                                            "wan", "ost", "ru", "ce",  "bo",  "ly"};
    QString s =
        QLatin1String(syllables[rng.bounded(20)]) + QLatin1String(syllables[rng.bounded(20)]);
    s[0] = s.at(0).toUpper();
    return s;
}
