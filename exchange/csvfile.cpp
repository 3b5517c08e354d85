#include "csvfile.h"

#include "csvformat.h"
#include "database.h"
#include "recordinserter.h"
#include "transactionguard.h"

#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>
#include <QTextCodec>
#include <algorithm>
#include <initializer_list>

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("CsvFile", text);
}

// Line ends between from and to; CR LF counts once.
int lineEnds(const QString &text, int from, int to)
{
    int count = 0;
    for (int i = from; i < to; ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('\n') ||
            (c == QLatin1Char('\r') && (i + 1 >= to || text.at(i + 1) != QLatin1Char('\n'))))
            ++count;
    }
    return count;
}

// A line of nothing but commas and blanks (earlier imports stored the line end
// inside the cap order, and their exports then wrote ",," on a line of its own).
bool isBlank(const databaseEntry &e)
{
    const std::initializer_list<const QString *> fields = {
        &e.first,        &e.middle,   &e.last,     &e.refNum,   &e.DOB,
        &e.testDate,     &e.time,     &e.comments, &e.gender,   &e.experience,
        &e.illumination, &e.industry, &e.job,      &e.location, &e.serialNum};
    return std::all_of(fields.begin(), fields.end(),
                       [](const QString *f) { return f->trimmed().isEmpty(); });
}

} // namespace

QString CsvFile::exportFileName(const QString &chosen)
{
    if (chosen.isEmpty())
        return QString();
    if (chosen.endsWith(QLatin1String(".txt"), Qt::CaseInsensitive) ||
        chosen.endsWith(QLatin1String(".csv"), Qt::CaseInsensitive))
        return chosen;
    return chosen + QLatin1String(".txt");
}

CsvFile::WriteResult CsvFile::writeLines(const QString &chosen, const QStringList &lines)
{
    return writeLines(chosen, lines.size(), [&lines](int i) { return lines.at(i); });
}

CsvFile::WriteResult CsvFile::writeLines(const QString &chosen, int count,
                                         const std::function<QString(int)> &lineAt)
{
    WriteResult result;
    result.fileName = exportFileName(chosen);
    if (result.fileName.isEmpty())
        return result;

    QSaveFile file(result.fileName);
    bool written = file.open(QIODevice::WriteOnly);
    // Lines go out in blocks of about a megabyte through one reused buffer.
    constexpr int BlockSize = 1 << 20;
    QByteArray block;
    block.reserve(BlockSize + 4096);
    for (int i = 0; written && i < count; ++i) {
        block += lineAt(i).toUtf8();
        block += '\n';
        if (block.size() >= BlockSize || i == count - 1) {
            written = file.write(block) == block.size();
            block.resize(0);
        }
    }
    if (!written || !file.commit()) {
        result.error =
            tr("The file %1 could not be written: %2").arg(result.fileName, file.errorString());
        file.cancelWriting();
        return result;
    }
    result.ok = true;
    return result;
}

QString CsvFile::decode(const QByteArray &bytes)
{
    QTextCodec *utf8 = QTextCodec::codecForName("UTF-8");
    QTextCodec::ConverterState state;
    QString text = utf8->toUnicode(bytes.constData(), bytes.size(), &state);
    if (state.invalidChars == 0 && state.remainingChars == 0)
        return text;
    return QTextCodec::codecForLocale()->toUnicode(bytes);
}

CsvFile::ImportResult CsvFile::importFile(const QString &fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        ImportResult result;
        result.error = tr("The file %1 could not be read: %2").arg(fileName, file.errorString());
        return result;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        ImportResult result;
        result.error = tr("The file %1 could not be read: %2").arg(fileName, file.errorString());
        return result;
    }
    file.close();
    return importText(decode(bytes));
}

CsvFile::ImportResult CsvFile::importText(const QString &text)
{
    ImportResult result;
    database *store = database::instance();
    // One transaction for the whole file: one disk write instead of two per line.
    TransactionGuard transaction(store);
    if (!transaction.isOpen()) {
        result.error = tr("The database is not open: %1").arg(transaction.error());
        return result;
    }
    RecordInserter inserter(store);

    QStringList header;
    // The header line is not checked: earlier versions wrote other captions.
    int pos = CsvFormat::readLine(text, 0, header);
    const int size = text.size();
    int line = 1 + lineEnds(text, 0, pos);
    int firstUnreadable = 0;
    databaseEntry e;
    int fieldCount = 0;
    while (pos < size) {
        const int start = pos;
        const int startLine = line;
        pos = CsvFormat::readRecord(text, pos, e, fieldCount);
        line += lineEnds(text, start, pos);
        if (fieldCount < CsvFormat::MinimumFields) {
            // A blank line holds no test; any other short line is reported.
            if (!isBlank(e)) {
                ++result.skipped;
                if (firstUnreadable == 0)
                    firstUnreadable = startLine;
            }
            continue;
        }
        int userId = 0;
        if (!inserter.insert(e, &userId)) {
            // A subject row whose test could not be stored would be listed nowhere.
            if (userId != 0)
                store->deleteUnusedUsers(e.first, e.middle, e.last, e.DOB);
            ++result.failed;
            // A full disk or an I/O error can make the engine cancel the whole
            // transaction; the lines after it would then be stored one by one outside
            // it while the commit reports failure.
            if (transaction.cancelledByEngine()) {
                result.failed += result.imported;
                result.imported = 0;
                result.error =
                    tr("The imported tests could not be stored: %1").arg(store->lastError());
                return result;
            }
            continue;
        }
        ++result.imported;
    }
    if (!transaction.commit()) {
        result.error = tr("The imported tests could not be stored: %1").arg(transaction.error());
        result.imported = 0;
        return result;
    }
    QStringList problems;
    if (result.skipped > 0)
        problems.append(QCoreApplication::translate(
                            "CsvFile",
                            "%n line(s) could not be read as a test and were not imported; "
                            "the first is line %1.",
                            nullptr, result.skipped)
                            .arg(firstUnreadable));
    if (result.failed > 0)
        problems.append(QCoreApplication::translate("CsvFile", "%n line(s) could not be stored: %1",
                                                    nullptr, result.failed)
                            .arg(store->lastError()));
    result.error = problems.join(QLatin1Char('\n'));
    result.ok = true;
    return result;
}
