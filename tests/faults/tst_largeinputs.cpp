#include "caporder.h"
#include "csvformat.h"
#include "hdbreader.h"
#include "vktreader.h"

#include <QElapsedTimer>
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

void TestLargeInputs::hdbManyRecords()
{
    QByteArray record(HdbReader::RecordStride, '\0');
    record[0] = 'A';
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
