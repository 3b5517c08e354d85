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

// Windows-1252 at 0x80 to 0x9F; the five codes it leaves free read as the control
// characters of the same number, as in Latin-1, which it equals everywhere else.
const char16_t Windows1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// By hand, so no system codec (and no locale) decides what an old file says.
QString fromWindows1252(const QByteArray &bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar *out = text.data();
    for (const char byte : bytes) {
        const auto b = static_cast<unsigned char>(byte);
        *out++ = QChar(b >= 0x80 && b < 0xA0 ? Windows1252High[b - 0x80] : char16_t(b));
    }
    return text;
}

// The UTF-16 codec a file needs, if any: by its byte-order mark, or by the zero byte
// that Latin text has on one side of every pair (sampled from the start).
QTextCodec *utf16Codec(const QByteArray &bytes, int *bomLength)
{
    *bomLength = 0;
    if (bytes.startsWith("\xff\xfe") || bytes.startsWith("\xfe\xff")) {
        *bomLength = 2;
        return QTextCodec::codecForName(bytes.at(0) == '\xff' ? "UTF-16LE" : "UTF-16BE");
    }
    const int pairs = std::min(bytes.size(), 4096) / 2;
    int zerosFirst = 0;
    int zerosSecond = 0;
    for (int i = 0; i < pairs; ++i) {
        zerosFirst += bytes.at(2 * i) == '\0' ? 1 : 0;
        zerosSecond += bytes.at(2 * i + 1) == '\0' ? 1 : 0;
    }
    if (pairs > 0 && 2 * zerosSecond > pairs && 10 * zerosFirst < pairs)
        return QTextCodec::codecForName("UTF-16LE");
    if (pairs > 0 && 2 * zerosFirst > pairs && 10 * zerosSecond < pairs)
        return QTextCodec::codecForName("UTF-16BE");
    return nullptr;
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
    int bomLength = 0;
    if (QTextCodec *utf16 = utf16Codec(bytes, &bomLength)) {
        QTextCodec::ConverterState state(QTextCodec::IgnoreHeader);
        return utf16->toUnicode(bytes.constData() + bomLength, bytes.size() - bomLength, &state);
    }
    QTextCodec *utf8 = QTextCodec::codecForName("UTF-8");
    QTextCodec::ConverterState state;
    QString text = utf8->toUnicode(bytes.constData(), bytes.size(), &state);
    if (state.invalidChars == 0 && state.remainingChars == 0)
        return text;
    return fromWindows1252(bytes);
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
    // The write lock before the first line: another program that holds it makes the
    // whole import wait or fail, never a few lines of it. One transaction for the file.
    TransactionGuard transaction(store, TransactionGuard::Lock::Immediate);
    if (!transaction.isOpen()) {
        result.error = tr("Nothing was imported: %1").arg(transaction.error());
        return result;
    }
    RecordInserter inserter(store);

    QStringList header;
    // The header line is not checked: earlier versions wrote other captions.
    int pos = CsvFormat::readLine(text, 0, header);
    const int size = text.size();
    int line = 1 + CsvFormat::lineEnds(text, 0, pos);
    int firstUnreadable = 0;
    databaseEntry e;
    int fieldCount = 0;
    while (pos < size) {
        const int start = pos;
        const int startLine = line;
        pos = CsvFormat::readRecord(text, pos, e, fieldCount);
        line += CsvFormat::lineEnds(text, start, pos);
        if (fieldCount < CsvFormat::MinimumFields) {
            // A blank line holds no test; any other short line is reported.
            if (!isBlank(e)) {
                ++result.skipped;
                if (firstUnreadable == 0)
                    firstUnreadable = startLine;
            }
            continue;
        }
        // A line the store refuses (a lock, a full disk, an I/O error) ends the import:
        // keeping the rest would leave the file half imported, and importing it again
        // would store those lines twice.
        if (!inserter.insert(e)) {
            transaction.rollback();
            result.imported = 0;
            result.skipped = 0;
            result.error = tr("Nothing was imported: line %1 could not be stored: %2")
                               .arg(startLine)
                               .arg(store->lastError());
            return result;
        }
        ++result.imported;
    }
    if (!transaction.commit()) {
        result.error = tr("Nothing was imported: %1").arg(transaction.error());
        result.imported = 0;
        result.skipped = 0;
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
    result.error = problems.join(QLatin1Char('\n'));
    result.ok = true;
    return result;
}
