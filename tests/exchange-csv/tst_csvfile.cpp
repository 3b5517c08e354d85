#include "caporder.h"
#include "csvfile.h"
#include "csvformat.h"
#include "exchangefixture.h"

#include <QTextCodec>
#include <QtTest>

using namespace ExchangeFixture;

namespace {

QString lineOf(const databaseEntry &e)
{
    return CsvFormat::recordLine(e, database::calcTES(e.scores));
}

} // namespace

class TestCsvFile : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        TestSupport::useFreshDatabase();
        QVERIFY(refuseComment());
    }

    // ".txt" is added unless the name ends in ".txt" or ".csv"; cancelled stays empty.
    void exportFileName()
    {
        for (const QString &pair :
             "records>records.txt|records.csv>records.csv|records.txt>records.txt|"
             "R.CSV>R.CSV|r.csv.bak>r.csv.bak.txt|/x.csv/r>/x.csv/r.txt|>"_q.split(
                 QLatin1Char('|')))
            QCOMPARE(CsvFile::exportFileName(pair.section(QLatin1Char('>'), 0, 0)),
                     pair.section(QLatin1Char('>'), 1));
    }

    void writeLines()
    {
        const QString path = TestSupport::tempDir() + "/three"_q;
        const CsvFile::WriteResult r = CsvFile::writeLines(path, {"h"_q, "Zoë,1"_q, "b,2"_q});
        QVERIFY(r.ok && r.error.isEmpty());
        QCOMPARE(r.fileName, path + ".txt"_q);
        QCOMPARE(StoreFixture::readFile(r.fileName), "h\nZo\xc3\xab,1\nb,2\n"_ba);
        QVERIFY(CsvFile::writeLines(path, {"x"_q}).ok); // replaces the content
        QCOMPARE(StoreFixture::readFile(r.fileName), "x\n"_ba);
        // Cancelled: nothing written and no error; a missing folder: an error naming the file.
        const QString txt = QDir::current().filePath(".txt"_q);
        QFile::remove(txt);
        const CsvFile::WriteResult cancelled = CsvFile::writeLines(QString(), {"h"_q});
        QVERIFY(!cancelled.ok && cancelled.error.isEmpty() && !QFile::exists(txt));
        const QString missing = TestSupport::tempDir() + "/no-such-folder/records.csv"_q;
        const CsvFile::WriteResult failed = CsvFile::writeLines(missing, {"h"_q});
        QVERIFY(!failed.ok && failed.error.contains(missing) && !QFile::exists(missing));
    }

    // Blank lines and lines of bare commas hold nothing; other short lines are counted
    // and the first is named by its line number, whatever line ends came before it. A
    // line the store refuses (firstSkipped < 0) ends the import, keeping nothing.
    void imports_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("imported");
        QTest::addColumn<int>("skipped");
        QTest::addColumn<int>("firstSkipped");
        QTest::addColumn<QString>("comments"); // of the tests stored, in order
        const QString head = CsvFormat::headerLine() + "\r\n"_q;
        databaseEntry a = TestSupport::sampleEntry("Ann"_q, "Lee"_q);
        const QString b = lineOf(TestSupport::sampleEntry("Bob"_q, "Kay"_q));
        const QString short14 = "1,2,3,4,5,6,7,8,9,10,11,12,13,14"_q;
        const auto row = [&head](const char *name, const QString &text, int imported, int skipped,
                                 int first, const QString &comments) {
            QTest::newRow(name) << (head + text).toUtf8() << imported << skipped << first
                                << comments;
        };
        row("LF", lineOf(a) + "\n\n"_q + short14 + "\n ,,\r\n"_q + b + "\nx\n"_q, 2, 2, 4,
            "no remarks|no remarks"_q);
        row("lone CR", lineOf(a) + "\r\r"_q + short14 + "\r"_q + b, 2, 1, 4,
            "no remarks|no remarks"_q);
        a.comments = "refuse"_q;
        row("refused at line 3", b + "\n"_q + lineOf(a) + "\n"_q + b, 0, 0, -3, QString());
        a.comments = "two\r\nlines\nand\rthree"_q;
        row("CR LF, a record over four lines", lineOf(a) + "\r\nx\r\n"_q + b, 2, 1, 6,
            a.comments + "|no remarks"_q);
        row("header and line end", QString(), 0, 0, 0, QString());
        QTest::newRow("header only")
            << CsvFormat::headerLine().toUtf8() << 0 << 0 << 0 << QString();
        QTest::newRow("empty") << QByteArray() << 0 << 0 << 0 << QString();
        a.comments = "Åsa José"_q;
        QTest::newRow("UTF-16")
            << QTextCodec::codecForName("UTF-16LE")->fromUnicode(head + lineOf(a)) << 1 << 0 << 0
            << a.comments;
    }
    void imports()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, imported);
        QFETCH(int, skipped);
        QFETCH(int, firstSkipped);
        QFETCH(QString, comments);
        const CsvFile::ImportResult r = CsvFile::importFile(writeFile("in.csv"_q, bytes));
        QCOMPARE(r.ok, firstSkipped >= 0);
        QCOMPARE(r.imported, imported);
        QCOMPARE(r.skipped, skipped);
        QString message = "%1 line(s) could not be read as a test and were not imported; the first "
                          "is line %2."_q.arg(skipped)
                              .arg(firstSkipped);
        if (skipped == 0)
            message =
                firstSkipped < 0
                    ? "Nothing was imported: line %1 could not be stored: "_q.arg(-firstSkipped)
                    : QString();
        QCOMPARE(r.error.left(message.size()), message); // the store may add detail
        QCOMPARE(r.error.isEmpty(), message.isEmpty());
        QStringList stored;
        for (const databaseEntry &e : database::instance()->getAllTests())
            stored << e.comments;
        QCOMPARE(stored.join(QLatin1Char('|')), comments);
        QCOMPARE(rowCounts(), QList<int>({imported, imported, 0}));
    }

    // Files this version writes: every field comes back as it was, whatever it holds,
    // next to a test whose cap order an earlier import stored with a line end inside.
    void exportImportRoundTrip()
    {
        const QStringList comments =
            "tired, \"very\"\r\nretest in May|a, b, c, d, e, f, g, h, i, j, "
            "k, l, m, n, o, p, q\nr|caps 12, 13, 14, 40, 41, 42, 43, 44, "
            "45, 46\nretest|\"tired\"\nok|\"\n\"|x\",\ny|a\n\n\nb|tired\n|a\rb"_q.split(
                QLatin1Char('|'));
        QList<databaseEntry> written;
        QStringList lines{CsvFormat::headerLine()};
        for (int i = 0; i < comments.size(); ++i) {
            databaseEntry e = TestSupport::sampleEntry(
                "Zoë"_q, "O'Neil, Jr."_q, TestSupport::swapped(CapOrder::untouched(), i + 1, 70));
            e.comments = comments.at(i);
            databaseEntry stored = TestSupport::sampleEntry("Cy"_q, "Di"_q);
            stored.scores += "\r\n,,"_q;
            written << e << stored;
            lines << lineOf(e) << lineOf(stored);
        }
        const QString path = TestSupport::tempDir() + "/round.csv"_q;
        QVERIFY(CsvFile::writeLines(path, lines).ok);
        const CsvFile::ImportResult r = CsvFile::importFile(path);
        QVERIFY2(r.ok && r.error.isEmpty(), qPrintable(r.error));
        const QList<databaseEntry> stored = database::instance()->getAllTests();
        QCOMPARE(stored.size(), written.size());
        for (int i = 0; i < stored.size(); ++i) {
            databaseEntry back = stored.at(i);
            QCOMPARE(back.tes, database::calcTES(written.at(i).scores));
            QCOMPARE(CapOrder::read(database::instance()->getScores(back.testID)),
                     CapOrder::read(written.at(i).scores));
            back.testID = back.tes = QString();
            back.scores = written.at(i).scores;
            QCOMPARE(back, written.at(i));
        }
    }

    // UTF-8 (this version), Windows-1252 (earlier versions on Windows, read so on every
    // system) or UTF-16 (saved from a spreadsheet).
    void decode()
    {
        const QString jose = "José,Åsa"_q;
        // With their byte-order marks; mid(2) drops them.
        const QByteArray le = QTextCodec::codecForName("UTF-16LE")->fromUnicode(jose);
        const QByteArray be = QTextCodec::codecForName("UTF-16BE")->fromUnicode(jose);
        for (const QByteArray &bytes :
             {jose.toUtf8(), QByteArray("\xef\xbb\xbf"_ba + jose.toUtf8()), jose.toLatin1(), le, be,
              le.mid(2), be.mid(2)})
            QCOMPARE(CsvFile::decode(bytes), jose);
        QCOMPARE(CsvFile::decode("\x80 \x93q\x94 \x8a\x9f \x81"_ba), "€ “q” ŠŸ \u0081"_q);
        QCOMPARE(CsvFile::decode(QByteArray()), QString());
    }
};

QTEST_GUILESS_MAIN(TestCsvFile)
#include "tst_csvfile.moc"
