#include "caporder.h"
#include "csvformat.h"
#include "database.h"
#include "hdbreader.h"
#include "legacyimport.h"
#include "testsupport.h"
#include "vktreader.h"

#include <QElapsedTimer>
#include <QSqlQuery>
#include <QtTest>

// Megabytes of hostile input must be read in time proportional to their size: a
// reader that copies its growing result on every piece hangs the program on a file
// with one very long line. The limits are generous; the readers need milliseconds.
class TestLargeInputs : public QObject
{
    Q_OBJECT

private slots:
    void csvLineOfManyFields();
    void csvManyQuotedLines();
    void capOrderOfManyPieces();
    void vktManyLines();
    void vktManyCapSets();
    void hdbManyRecords();
};

namespace {
constexpr qint64 LimitMs = 10000;
constexpr int Many = 1000000;
} // namespace

void TestLargeInputs::csvLineOfManyFields()
{
    const QString line = QString(Many, QLatin1Char(','));
    QElapsedTimer timer;
    timer.start();
    databaseEntry e;
    int fields = 0;
    QCOMPARE(CsvFormat::readRecord(line, 0, e, fields), line.size());
    QVERIFY2(timer.elapsed() < LimitMs, qPrintable(QString::number(timer.elapsed())));
    QCOMPARE(fields, Many + 1);
    // One comma behind each of the pieces from position 16 on, and one more.
    QCOMPARE(e.scores.size(), Many + 1 - CsvFormat::CapOrderField + 1);
}

void TestLargeInputs::csvManyQuotedLines()
{
    QString text;
    for (int i = 0; i < Many / 10; ++i)
        text += QStringLiteral("\"a\"\"b\",\"x\n");
    QElapsedTimer timer;
    timer.start();
    int pos = 0;
    int lines = 0;
    QStringList fields;
    while (pos < text.size()) {
        pos = CsvFormat::readLine(text, pos, fields);
        ++lines;
    }
    QVERIFY2(timer.elapsed() < LimitMs, qPrintable(QString::number(timer.elapsed())));
    QCOMPARE(lines, Many / 10);
    QCOMPARE(fields, (QStringList{QStringLiteral("a\"b"), QStringLiteral("\"x")}));
}

void TestLargeInputs::capOrderOfManyPieces()
{
    const QString text = QString(Many, QLatin1Char('7')) + QString(Many, QLatin1Char(','));
    QElapsedTimer timer;
    timer.start();
    const QVector<int> caps = CapOrder::read(text);
    QVERIFY2(timer.elapsed() < LimitMs, qPrintable(QString::number(timer.elapsed())));
    QCOMPARE(caps.size(), CapOrder::Positions);
    QCOMPARE(caps.at(0), 0); // a million digits do not fit an integer
    QCOMPARE(caps.at(1), 0);
}

void TestLargeInputs::vktManyLines()
{
    QByteArray file;
    for (int i = 0; i < 17; ++i)
        file += "header\r";
    for (int i = 0; i < Many / 100; ++i)
        file += "<dict>\r<key>FirstName</key>\r<string>Ann</string>\r</dict>\r";
    QElapsedTimer timer;
    timer.start();
    const VktReader::Content content = VktReader::read(file);
    QVERIFY2(timer.elapsed() < LimitMs, qPrintable(QString::number(timer.elapsed())));
    QCOMPARE(content.tests.size(), Many / 100);
}

// Each cap set of the file is checked against those already registered: with a look-up
// per check, not a walk through every earlier one.
void TestLargeInputs::vktManyCapSets()
{
    TestSupport::useFreshDatabase(QStringLiteral("capsets.sqlite"));
    const int count = Many / 5;
    QByteArray file;
    for (int i = 0; i < 17; ++i)
        file += "header\r";
    // append() grows geometrically; += of a concatenation would reserve exactly, every time.
    for (int i = 0; i < count; ++i) {
        file.append("<dict>\r<key>SerialNumber</key>\r<string>SN-");
        file.append(QByteArray::number(i));
        file.append("</string>\r<key>PurchaseDate</key>\r<date>2010</date>\r</dict>\r");
    }
    const QString path = TestSupport::tempDir() + QStringLiteral("/capsets.vkt");
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly) && f.write(file) == file.size());
    f.close();
    QElapsedTimer timer;
    timer.start();
    const LegacyImport::Result r = LegacyImport::importVKT(path);
    // A walk through the earlier ones takes many minutes here.
    QVERIFY2(timer.elapsed() < 12 * LimitMs, qPrintable(QString::number(timer.elapsed())));
    QVERIFY2(r.ok, qPrintable(r.error));
    QCOMPARE(r.capSets, count);
    QSqlQuery q(database::instance()->currentConnection());
    QVERIFY(q.exec(QStringLiteral("SELECT count(DISTINCT serialNum) FROM serialNums")) && q.next());
    QCOMPARE(q.value(0).toInt(), count);
}

void TestLargeInputs::hdbManyRecords()
{
    QByteArray record(HdbReader::RecordStride, '\0');
    record[0] = 'A';
    for (int slot = 0; slot < HdbReader::CapSlots; ++slot)
        record[HdbReader::CapsOffset + 2 * slot] = char(slot + 1);
    QByteArray file;
    for (int i = 0; i < 2000; ++i)
        file += record;
    QElapsedTimer timer;
    timer.start();
    const QList<databaseEntry> records = HdbReader::read(file);
    QVERIFY2(timer.elapsed() < LimitMs, qPrintable(QString::number(timer.elapsed())));
    QCOMPARE(records.size(), 2000);
}

QTEST_GUILESS_MAIN(TestLargeInputs)
#include "tst_largeinputs.moc"
