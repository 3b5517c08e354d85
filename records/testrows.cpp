#include "testrows.h"

#include "caporder.h"
#include "copiedrows.h"
#include "rowreader.h"
#include "scoring.h"
#include "storesql.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QVariant>
#include <algorithm>
#include <condition_variable>
#include <deque>
#include <initializer_list>
#include <mutex>
#include <thread>

namespace {

const char *const AllRows =
    "SELECT tests.* , users.* FROM tests INNER JOIN users ON tests.userID = users.id";
const char *const RowsAfter = "SELECT tests.* , users.* FROM tests INNER JOIN users ON "
                              "tests.userID = users.id WHERE tests.id > ?1";

// The texts of the scores met so far, by score: most tests share a few hundred.
using ScoreTexts = QVector<QString>;

struct TextColumn
{
    int column;
    QString databaseEntry::*field;
    // Names and choices repeat from test to test: held rows share their strings.
    bool repeats;
};

// The texts of a joined row by column; the cap-order text (column 5) apart.
const TextColumn TextColumns[] = {
    {0, &databaseEntry::testID, false},     {2, &databaseEntry::illumination, true},
    {3, &databaseEntry::testDate, false},   {4, &databaseEntry::comments, false},
    {6, &databaseEntry::serialNum, true},   {7, &databaseEntry::time, true},
    {9, &databaseEntry::first, true},       {10, &databaseEntry::middle, true},
    {11, &databaseEntry::last, true},       {12, &databaseEntry::refNum, false},
    {13, &databaseEntry::DOB, false},       {14, &databaseEntry::gender, true},
    {15, &databaseEntry::location, true},   {16, &databaseEntry::industry, true},
    {17, &databaseEntry::experience, true}, {18, &databaseEntry::job, true}};

// A row with its TES, from a RowReader or a CopiedRow.
template <typename Row> databaseEntry rowOf(Row &r, ScoreTexts &scoreTexts)
{
    databaseEntry e;
    for (const TextColumn &c : TextColumns)
        e.*c.field = c.repeats ? r.shared(c.column) : r.text(c.column);
    // The TES of the text getScores() would hand out, read without keeping the text.
    const std::optional<int> tes = Scoring::totalErrorScore(r.capOrder(5));
    if (tes) {
        if (*tes >= 0 && *tes < 4096) {
            if (scoreTexts.size() <= *tes)
                scoreTexts.resize(*tes + 1);
            QString &text = scoreTexts[*tes];
            if (text.isNull())
                text = QString::number(*tes);
            e.tes = text;
        } else {
            e.tes = QString::number(*tes);
        }
    }
    return e;
}

bool hasLineBreak(const databaseEntry &e)
{
    const std::initializer_list<const QString *> texts = {
        &e.testID,   &e.first, &e.middle,   &e.last,      &e.refNum,     &e.DOB,
        &e.testDate, &e.time,  &e.comments, &e.gender,    &e.experience, &e.illumination,
        &e.industry, &e.job,   &e.location, &e.serialNum, &e.tes};
    return std::any_of(texts.begin(), texts.end(), [](const QString *text) {
        return text->contains(QLatin1Char('\n')) || text->contains(QLatin1Char('\r'));
    });
}

// One row of CopiedRows, read as rowOf() reads a RowReader.
class CopiedRow
{
public:
    CopiedRow(const CopiedRows &copied, int at, ColumnText &columnTexts)
        : rows(copied), row(at), texts(columnTexts)
    {
    }
    QString text(int column) const { return ColumnText::text(rows.bytes(row, column)); }
    QString shared(int column) { return texts.shared(column, rows.bytes(row, column)); }
    QVector<int> capOrder(int column) const
    {
        return ColumnText::capOrder(rows.bytes(row, column));
    }

private:
    const CopiedRows &rows;
    int row;
    ColumnText &texts;
};

// Turns rows into records on a thread of its own while the statement steps on.
// Turning bytes into texts and scores takes about as long as SQLite's reading, so
// a load of every test takes little more than the reading itself. A read of a
// few rows (the tests added since the last look) needs no thread.
class BackgroundRows
{
public:
    BackgroundRows() = default;
    ~BackgroundRows() { stop(); }
    BackgroundRows(const BackgroundRows &) = delete;
    BackgroundRows &operator=(const BackgroundRows &) = delete;

    // A row of a direct reader.
    void add(const RowReader &r)
    {
        filling.append(r);
        if (filling.size() >= ChunkRows || filling.byteSize() >= ChunkBytes)
            handOver();
    }

    // Every row added, as records, in their order.
    template <typename Rows> void finish(Rows &out)
    {
        stop();
        // The thread is done: its texts and its output are this thread's now.
        QVector<databaseEntry> last;
        convert(filling, last);
        int total = last.size();
        for (const QVector<databaseEntry> &part : qAsConst(parts))
            total += part.size();
        out.reserve(out.size() + total);
        parts.append(std::move(last));
        for (QVector<databaseEntry> &part : parts) {
            for (databaseEntry &e : part)
                out.append(std::move(e));
        }
        parts.clear();
    }

private:
    static constexpr int ChunkRows = 1024;
    static constexpr size_t ChunkBytes = 4 << 20;
    // Chunks copied but not yet converted: bounds the memory when the thread lags.
    static constexpr size_t MaxWaiting = 4;

    void handOver()
    {
        std::unique_lock<std::mutex> lock(mutex);
        changed.wait(lock, [this] { return waiting.size() < MaxWaiting; });
        waiting.push_back(std::move(filling));
        filling = CopiedRows();
        if (!spare.empty()) {
            filling = std::move(spare.back());
            spare.pop_back();
        }
        lock.unlock();
        changed.notify_all();
        if (!worker.joinable())
            worker = std::thread([this] { run(); });
    }

    void run()
    {
        for (;;) {
            std::unique_lock<std::mutex> lock(mutex);
            changed.wait(lock, [this] { return !waiting.empty() || closing; });
            if (waiting.empty())
                return;
            CopiedRows rows = std::move(waiting.front());
            waiting.pop_front();
            lock.unlock();
            changed.notify_all();
            QVector<databaseEntry> part;
            convert(rows, part);
            parts.append(std::move(part));
            rows.clear();
            lock.lock();
            spare.push_back(std::move(rows));
        }
    }

    void stop()
    {
        if (!worker.joinable())
            return;
        {
            const std::lock_guard<std::mutex> lock(mutex);
            closing = true;
        }
        changed.notify_all();
        worker.join();
    }

    void convert(const CopiedRows &rows, QVector<databaseEntry> &out)
    {
        out.reserve(rows.size());
        for (int i = 0; i < rows.size(); ++i) {
            CopiedRow row(rows, i, texts);
            out.append(rowOf(row, scoreTexts));
        }
    }

    CopiedRows filling;
    // The converting thread's own while it runs.
    ColumnText texts;
    ScoreTexts scoreTexts;
    QVector<QVector<databaseEntry>> parts;

    std::mutex mutex;
    std::condition_variable changed;
    std::deque<CopiedRows> waiting;
    std::vector<CopiedRows> spare;
    bool closing = false;
    std::thread worker;
};

} // namespace

template <typename Rows>
bool TestRows::readInto(const QSqlDatabase &db, const char *statement, qint64 bound, Rows &out,
                        qint64 &largest, QString *error)
{
    RowReader r(db, statement);
    if (bound >= 0)
        r.bind(1, bound);
    if (r.isDirect()) {
        BackgroundRows rows;
        while (r.next()) {
            rows.add(r);
            largest = qMax(largest, r.integer(0));
        }
        rows.finish(out);
    } else {
        ScoreTexts scoreTexts;
        while (r.next()) {
            out.append(rowOf(r, scoreTexts));
            largest = qMax(largest, r.integer(0));
        }
    }
    if (error)
        *error = r.lastError();
    return r.isValid();
}

qint64 TestRows::dataVersion(const QSqlDatabase &db) const
{
    QSqlQuery q(db);
    return q.exec(QStringLiteral("PRAGMA data_version")) && q.next() ? q.value(0).toLongLong() : -1;
}

bool TestRows::sync(const QSqlDatabase &db, QString *error)
{
    const qint64 now = dataVersion(db);
    if (current && now == version && now >= 0) {
        const int before = held.size();
        if (!readInto(db, RowsAfter, largestId, held, largestId, error)) {
            current = false;
            held.clear();
            position.clear();
            lineBreaks.clear();
            return false;
        }
        for (int i = before; i < held.size(); ++i)
            index(i);
        return true;
    }
    held.clear();
    position.clear();
    lineBreaks.clear();
    largestId = 0;
    current = readInto(db, AllRows, -1, held, largestId, error);
    if (!current) {
        held.clear();
        return false;
    }
    version = now;
    reindex();
    return true;
}

bool TestRows::readAll(const QSqlDatabase &db, QList<databaseEntry> &out, QString *error)
{
    qint64 largest = 0;
    return readInto(db, AllRows, -1, out, largest, error);
}

bool TestRows::readEach(const QSqlDatabase &db,
                        const std::function<bool(const databaseEntry &)> &each, QString *error)
{
    RowReader r(db, AllRows);
    // One record refilled row after row: its texts keep their memory.
    databaseEntry e;
    while (r.next()) {
        for (const TextColumn &c : TextColumns)
            r.text(c.column, e.*c.field);
        r.unquoted(5, e.scores);
        if (!each(e))
            break;
    }
    if (error)
        *error = r.lastError();
    return r.isValid();
}

void TestRows::reindex()
{
    position.clear();
    lineBreaks.clear();
    position.reserve(held.size());
    for (int i = 0; i < held.size(); ++i)
        index(i);
}

void TestRows::index(int i)
{
    const databaseEntry &e = held.at(i);
    position.insert(e.testID.toLongLong(), i);
    if (hasLineBreak(e))
        lineBreaks.insert(i);
    else
        lineBreaks.remove(i);
}

void TestRows::remove(const QSet<QString> &testIDs)
{
    if (!current || testIDs.isEmpty())
        return;
    held.erase(std::remove_if(held.begin(), held.end(),
                              [&](const databaseEntry &e) { return testIDs.contains(e.testID); }),
               held.end());
    reindex();
}

void TestRows::reread(const QSqlDatabase &db, const databaseEntry &subject, const QString &testID)
{
    if (!current)
        return;
    QSqlQuery q(db);
    q.setForwardOnly(true);
    q.prepare(QLatin1String(AllRows) +
              // Each side of the OR by an index: the test's id, the subject rows' ids.
              QLatin1String(" WHERE tests.id = :id OR tests.userID IN (SELECT id FROM users WHERE "
                            "first = :first AND middle = :middle AND last = :last AND DOB = "
                            ":DOB)"));
    q.bindValue(QStringLiteral(":id"), testID);
    q.bindValue(QStringLiteral(":first"), StoreSql::text(subject.first));
    q.bindValue(QStringLiteral(":middle"), StoreSql::text(subject.middle));
    q.bindValue(QStringLiteral(":last"), StoreSql::text(subject.last));
    q.bindValue(QStringLiteral(":DOB"), StoreSql::text(subject.DOB));
    if (!q.exec()) {
        invalidate();
        return;
    }
    while (q.next()) {
        const databaseEntry e = StoreSql::joinedRow(q, StoreSql::ScoresToTes);
        const int i = indexOf(e.testID);
        if (i < 0) {
            // Not held, yet in the file: the rows no longer match it.
            invalidate();
            return;
        }
        held[i] = e;
        index(i);
    }
}
