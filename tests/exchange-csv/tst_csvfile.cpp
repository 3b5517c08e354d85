#include "caporder.h"
#include "csvfile.h"
#include "csvformat.h"
#include "database.h"
#include "testsupport.h"

#include <QSqlQuery>
#include <QTextCodec>
#include <QtTest>

namespace {

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

QString tempFile(const QString &name)
{
    return TestSupport::tempDir() + QLatin1Char('/') + name;
}

int countRows(const QString &table)
{
    QSqlQuery q(database::instance()->currentConnection());
    return q.exec(QStringLiteral("SELECT count(*) FROM ") + table) && q.next() ? q.value(0).toInt()
                                                                               : -1;
}

QString lineOf(const databaseEntry &e)
{
    return CsvFormat::recordLine(e, database::calcTES(e.scores));
}

// Stored records without their ids, for comparing two imports.
QList<databaseEntry> storedWithoutIds()
{
    QList<databaseEntry> list = database::instance()->getAllTests();
    for (databaseEntry &e : list) {
        e.scores = database::instance()->getScores(e.testID);
        e.testID.clear();
    }
    return list;
}

} // namespace

class TestCsvFile : public QObject
{
    Q_OBJECT

private slots:
    void init() { TestSupport::useFreshDatabase(); }

    void exportFileName_data()
    {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("written");
        QTest::newRow("bare name") << QStringLiteral("records") << QStringLiteral("records.txt");
        QTest::newRow("csv kept") << QStringLiteral("records.csv") << QStringLiteral("records.csv");
        QTest::newRow("txt kept") << QStringLiteral("records.txt") << QStringLiteral("records.txt");
        QTest::newRow("upper case kept") << QStringLiteral("R.CSV") << QStringLiteral("R.CSV");
        QTest::newRow("other suffix")
            << QStringLiteral("r.csv.bak") << QStringLiteral("r.csv.bak.txt");
        QTest::newRow("folder with suffix")
            << QStringLiteral("/x.csv/records") << QStringLiteral("/x.csv/records.txt");
        QTest::newRow("cancelled") << QString() << QString();
    }
    void exportFileName()
    {
        QFETCH(QString, chosen);
        QFETCH(QString, written);
        QCOMPARE(CsvFile::exportFileName(chosen), written);
    }

    void writesLinesWithLineFeeds()
    {
        const QString path = tempFile(QStringLiteral("three"));
        const CsvFile::WriteResult r = CsvFile::writeLines(
            path, {QStringLiteral("h"), QStringLiteral("Zoë,1"), QStringLiteral("b,2")});
        QVERIFY(r.ok);
        QVERIFY(r.error.isEmpty());
        QCOMPARE(r.fileName, path + QStringLiteral(".txt"));
        QCOMPARE(readAll(r.fileName), QByteArray("h\nZo\xc3\xab,1\nb,2\n"));
        // Writing again replaces the content.
        QVERIFY(CsvFile::writeLines(path, {QStringLiteral("x")}).ok);
        QCOMPARE(readAll(r.fileName), QByteArray("x\n"));
    }

    void cancelledExportWritesNothing()
    {
        const QString txt = QDir::current().filePath(QStringLiteral(".txt"));
        QFile::remove(txt);
        const CsvFile::WriteResult r = CsvFile::writeLines(QString(), {QStringLiteral("h")});
        QVERIFY(!r.ok);
        QVERIFY(r.error.isEmpty());
        QVERIFY(!QFile::exists(txt));
    }

    void writeFailureIsReported()
    {
        const QString path = tempFile(QStringLiteral("no-such-folder/records.csv"));
        const CsvFile::WriteResult r = CsvFile::writeLines(path, {QStringLiteral("h")});
        QVERIFY(!r.ok);
        QVERIFY(r.error.contains(path));
        QVERIFY(!QFile::exists(path));
    }

    void importsLinesAndSkipsShortOnes()
    {
        const databaseEntry a =
            TestSupport::sampleEntry(QStringLiteral("Ann"), QStringLiteral("Lee"));
        const databaseEntry b =
            TestSupport::sampleEntry(QStringLiteral("Bob"), QStringLiteral("Kay"),
                                     TestSupport::swapped(CapOrder::untouched(), 10, 30));
        // Blank lines and lines of bare commas hold nothing; a short line is reported.
        const QString text = CsvFormat::headerLine() + QLatin1Char('\n') + lineOf(a) +
                             QStringLiteral("\n\n1,2,3,4,5,6,7,8,9,10,11,12,13,14\n ,,\r\n") +
                             lineOf(b) + QStringLiteral("\nx\n");
        const CsvFile::ImportResult r = CsvFile::importText(text);
        QVERIFY(r.ok);
        QCOMPARE(r.imported, 2);
        QCOMPARE(r.skipped, 2);
        QCOMPARE(r.error, QStringLiteral("2 line(s) could not be read as a test and were not "
                                         "imported; the first is line 4."));
        const QList<databaseEntry> stored = database::instance()->getAllTests();
        QCOMPARE(stored.size(), 2);
        QCOMPARE(stored.at(0).first, QStringLiteral("Ann"));
        QCOMPARE(stored.at(0).tes, QStringLiteral("0"));
        QCOMPARE(stored.at(1).first, QStringLiteral("Bob"));
        QCOMPARE(stored.at(1).job, QStringLiteral("Quality Control"));
        QCOMPARE(stored.at(1).tes, database::calcTES(b.scores));
        QVERIFY(stored.at(1).tes != QStringLiteral("0"));
        QCOMPARE(countRows(QStringLiteral("users")), 2);
    }

    void headerOnlyAndEmptyFilesAddNothing_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("header only") << CsvFormat::headerLine().toUtf8();
        QTest::newRow("header and LF") << (CsvFormat::headerLine().toUtf8() + '\n');
        QTest::newRow("empty file") << QByteArray();
    }
    void headerOnlyAndEmptyFilesAddNothing()
    {
        QFETCH(QByteArray, bytes);
        const QString path = tempFile(QStringLiteral("header.csv"));
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bytes);
        f.close();
        const CsvFile::ImportResult r = CsvFile::importFile(path);
        QVERIFY(r.ok);
        QCOMPARE(r.imported, 0);
        QCOMPARE(r.skipped, 0);
        QCOMPARE(countRows(QStringLiteral("tests")), 0);
    }

    void unreadableFileIsReported()
    {
        const QString path = tempFile(QStringLiteral("missing.csv"));
        const CsvFile::ImportResult r = CsvFile::importFile(path);
        QVERIFY(!r.ok);
        QVERIFY(r.error.contains(path));
    }

    void windowsLineEndsImportLikeUnix()
    {
        databaseEntry a = TestSupport::sampleEntry(QStringLiteral("Ann"), QStringLiteral("Lee"));
        a.comments = QStringLiteral("two\nlines");
        const databaseEntry b =
            TestSupport::sampleEntry(QStringLiteral("Bo"), QStringLiteral("Ek"));
        const QString lf = CsvFormat::headerLine() + QLatin1Char('\n') + lineOf(a) +
                           QLatin1Char('\n') + lineOf(b) + QLatin1Char('\n');
        QString crlf = lf;
        crlf.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
        // The line break inside the quoted comment changes too: put it back.
        crlf.replace(QStringLiteral("two\r\nlines"), QStringLiteral("two\nlines"));

        QCOMPARE(CsvFile::importText(lf).imported, 2);
        const QList<databaseEntry> fromLf = storedWithoutIds();
        TestSupport::useFreshDatabase();
        QCOMPARE(CsvFile::importText(crlf).imported, 2);
        const QList<databaseEntry> fromCrLf = storedWithoutIds();
        QCOMPARE(fromCrLf, fromLf);
        QCOMPARE(fromLf.at(0).comments, a.comments);
        QVERIFY(!fromLf.at(1).scores.contains(QLatin1Char('\r')));
    }

    // Files this version writes: every field comes back as it was, whatever it holds.
    void exportImportRoundTrip_data()
    {
        QTest::addColumn<QString>("comment");
        QTest::newRow("commas, quotes, CR LF")
            << QStringLiteral("tired, \"very\"\r\nretest in May");
        QTest::newRow("many commas before the break")
            << QStringLiteral("a, b, c, d, e, f, g, h, i, j, k, l, m, n, o, p, q\nr");
        QTest::newRow("numbers before the break")
            << QStringLiteral("caps 12, 13, 14, 40, 41, 42, 43, 44, 45, 46\nretest");
        QTest::newRow("quoted word, then a break") << QStringLiteral("\"tired\"\nok");
        QTest::newRow("lone quotes on their own lines") << QStringLiteral("\"\n\"");
        QTest::newRow("quote and comma at a line end") << QStringLiteral("x\",\ny");
        QTest::newRow("blank lines") << QStringLiteral("a\n\n\nb");
        QTest::newRow("ends with a break") << QStringLiteral("tired\n");
        QTest::newRow("lone CR") << QStringLiteral("a\rb");
    }
    void exportImportRoundTrip()
    {
        QFETCH(QString, comment);
        databaseEntry a =
            TestSupport::sampleEntry(QStringLiteral("Zoë"), QStringLiteral("O'Neil, Jr."),
                                     TestSupport::swapped(CapOrder::untouched(), 5, 70));
        a.comments = comment;
        // Neighbours: a plain test, and one whose cap order an earlier import stored
        // with the line end inside it.
        const databaseEntry before =
            TestSupport::sampleEntry(QStringLiteral("Al"), QStringLiteral("Bo"));
        databaseEntry after = TestSupport::sampleEntry(QStringLiteral("Cy"), QStringLiteral("Di"));
        after.scores += QStringLiteral("\r\n,,");
        const QList<databaseEntry> written{before, a, after};
        const QString path = tempFile(QStringLiteral("round.csv"));
        QVERIFY(CsvFile::writeLines(
                    path, {CsvFormat::headerLine(), lineOf(before), lineOf(a), lineOf(after)})
                    .ok);
        const CsvFile::ImportResult r = CsvFile::importFile(path);
        QVERIFY2(r.ok && r.error.isEmpty(), qPrintable(r.error));
        QCOMPARE(r.imported, 3);
        const QList<databaseEntry> stored = database::instance()->getAllTests();
        QCOMPARE(stored.size(), 3);
        for (int i = 0; i < 3; ++i) {
            databaseEntry back = stored.at(i);
            QCOMPARE(back.tes, database::calcTES(written.at(i).scores));
            QCOMPARE(CapOrder::read(database::instance()->getScores(back.testID)),
                     CapOrder::read(written.at(i).scores));
            back.testID.clear();
            back.tes.clear();
            back.scores = written.at(i).scores;
            QCOMPARE(back, written.at(i));
        }
    }

    // Files of earlier versions never quote: one test per line whatever quotes
    // the fields hold, each field as it stands.
    void olderFilesImportOneTestPerLine_data()
    {
        QTest::addColumn<QStringList>("comments");
        QTest::addColumn<QStringList>("jobs");
        QTest::addColumn<bool>("quotedCapOrder");
        const QString job = QStringLiteral("Quality Control");
        const QStringList jobs{job, job, job};
        QTest::newRow("lone quote") << TestSupport::texts({"\"", "x", "\""}) << jobs << false;
        QTest::newRow("quote at the start, closing quote two lines on")
            << TestSupport::texts({"\"tired", "fine", "ok\""}) << jobs << false;
        QTest::newRow("closed by a later field")
            << TestSupport::texts({"x", "\"tired", "y"})
            << QStringList{job, job, QStringLiteral("Control\"")} << false;
        QTest::newRow("quote in the middle")
            << TestSupport::texts({"a\"b", "say \"hi\" now", "x"}) << jobs << false;
        QTest::newRow("quote at the end")
            << TestSupport::texts({"tired\"", "x\"", "y"}) << jobs << false;
        QTest::newRow("quotes round a word")
            << TestSupport::texts({"\"tired\"", "\"\"", "x"}) << jobs << false;
        QTest::newRow("quotes pairing up on one line")
            << TestSupport::texts({"\"tired", "x", "y"})
            << QStringList{QStringLiteral("Control\""), job, job} << false;
        QTest::newRow("stored cap order in quotes")
            << TestSupport::texts({"\"tired", "x", "y\""}) << jobs << true;
    }
    void olderFilesImportOneTestPerLine()
    {
        QFETCH(QStringList, comments);
        QFETCH(QStringList, jobs);
        QFETCH(bool, quotedCapOrder);
        QString text = CsvFormat::headerLine() + QLatin1Char('\n');
        QList<databaseEntry> lines;
        for (int i = 0; i < 3; ++i) {
            databaseEntry e =
                TestSupport::sampleEntry(QStringLiteral("P%1").arg(i), QStringLiteral("Lee"),
                                         TestSupport::swapped(CapOrder::untouched(), i + 1, 40));
            e.comments = comments.at(i);
            e.job = jobs.at(i);
            if (quotedCapOrder)
                e.scores = QLatin1Char('"') + e.scores + QLatin1Char('"');
            lines.append(e);
            text += TestSupport::olderCsvLine(e) + QLatin1Char('\n');
        }
        const CsvFile::ImportResult r = CsvFile::importText(text);
        QVERIFY2(r.ok && r.error.isEmpty(), qPrintable(r.error));
        QCOMPARE(r.imported, 3);
        const QList<databaseEntry> stored = database::instance()->getAllTests();
        QCOMPARE(stored.size(), 3);
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(stored.at(i).first, lines.at(i).first);
            QCOMPARE(stored.at(i).comments, lines.at(i).comments);
            QCOMPARE(stored.at(i).job, lines.at(i).job);
            QCOMPARE(stored.at(i).location, lines.at(i).location);
            QCOMPARE(CapOrder::read(database::instance()->getScores(stored.at(i).testID)),
                     CapOrder::read(QString(lines.at(i).scores).remove(QLatin1Char('"'))));
        }
    }

    // A line the store refuses ends the import; the lines before it are not kept.
    void storeRefusalImportsNothing()
    {
        {
            QSqlQuery q(database::instance()->currentConnection());
            QVERIFY(q.exec(QStringLiteral(
                "CREATE TRIGGER refuse BEFORE INSERT ON tests WHEN NEW.comments = 'refuse' "
                "BEGIN SELECT RAISE(ABORT, 'refused'); END")));
        }
        databaseEntry bad = TestSupport::sampleEntry(QStringLiteral("Bad"), QStringLiteral("X"));
        bad.comments = QStringLiteral("refuse");
        const databaseEntry good =
            TestSupport::sampleEntry(QStringLiteral("Good"), QStringLiteral("Y"));
        const QString text = CsvFormat::headerLine() + QLatin1Char('\n') + lineOf(good) +
                             QLatin1Char('\n') + lineOf(bad) + QLatin1Char('\n') + lineOf(good);
        const CsvFile::ImportResult r = CsvFile::importText(text);
        QVERIFY(!r.ok);
        QCOMPARE(r.imported, 0);
        QVERIFY2(r.error.contains(QLatin1String("line 3")), qPrintable(r.error));
        QVERIFY2(r.error.contains(QLatin1String("refused")), qPrintable(r.error));
        QCOMPARE(countRows(QStringLiteral("tests")), 0);
        QCOMPARE(countRows(QStringLiteral("users")), 0);
    }

    // Files come as UTF-8 (this version), Windows-1252 (earlier versions on Windows,
    // read so on every system) or UTF-16 (saved from a spreadsheet).
    void decodeEveryEncoding_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        const QString jose = QStringLiteral("Jos\u00e9,\u00c5sa");
        QTest::newRow("UTF-8") << jose.toUtf8() << jose;
        QTest::newRow("UTF-8 with BOM") << QByteArray("\xef\xbb\xbf") + jose.toUtf8() << jose;
        QTest::newRow("Windows-1252") << QByteArray("Jos\xe9,\xc5sa") << jose;
        QTest::newRow("Windows-1252 beyond Latin-1")
            << QByteArray("\x80 \x93q\x94 \x8a\x9f \x81")
            << QStringLiteral("\u20ac \u201cq\u201d \u0160\u0178 \u0081");
        QByteArray le;
        QByteArray be;
        for (const QChar c : jose) {
            le.append(char(c.unicode() & 0xff)).append(char(c.unicode() >> 8));
            be.append(char(c.unicode() >> 8)).append(char(c.unicode() & 0xff));
        }
        QTest::newRow("UTF-16LE with BOM") << QByteArray("\xff\xfe") + le << jose;
        QTest::newRow("UTF-16BE with BOM") << QByteArray("\xfe\xff") + be << jose;
        QTest::newRow("UTF-16LE without BOM") << le << jose;
        QTest::newRow("UTF-16BE without BOM") << be << jose;
        QTest::newRow("empty") << QByteArray() << QString();
    }
    void decodeEveryEncoding()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        QCOMPARE(CsvFile::decode(bytes), text);
    }

    // A whole file in each encoding imports as the same test.
    void importEveryEncoding_data()
    {
        QTest::addColumn<QString>("codec");
        QTest::addColumn<bool>("bom");
        QTest::newRow("UTF-8") << QStringLiteral("UTF-8") << false;
        QTest::newRow("Windows-1252") << QStringLiteral("windows-1252") << false;
        QTest::newRow("UTF-16LE") << QStringLiteral("UTF-16LE") << true;
        QTest::newRow("UTF-16BE") << QStringLiteral("UTF-16BE") << true;
        QTest::newRow("UTF-16LE without BOM") << QStringLiteral("UTF-16LE") << false;
    }
    void importEveryEncoding()
    {
        QFETCH(QString, codec);
        QFETCH(bool, bom);
        const databaseEntry e =
            TestSupport::sampleEntry(QStringLiteral("Jos\u00e9"), QStringLiteral("M\u00fcller"));
        const QString text =
            CsvFormat::headerLine() + QStringLiteral("\r\n") + lineOf(e) + QStringLiteral("\r\n");
        QTextEncoder encoder(QTextCodec::codecForName(codec.toLatin1()),
                             bom ? QTextCodec::DefaultConversion : QTextCodec::IgnoreHeader);
        QByteArray bytes = encoder.fromUnicode(text);
        if (bom && !bytes.startsWith("\xff\xfe") && !bytes.startsWith("\xfe\xff"))
            bytes.prepend(codec.endsWith(QLatin1String("LE")) ? "\xff\xfe" : "\xfe\xff");
        const QString path = tempFile(QStringLiteral("encoded.csv"));
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        QCOMPARE(f.write(bytes), qint64(bytes.size()));
        f.close();
        const CsvFile::ImportResult r = CsvFile::importFile(path);
        QVERIFY2(r.ok, qPrintable(r.error));
        QCOMPARE(r.imported, 1);
        QCOMPARE(r.skipped, 0);
        const QList<databaseEntry> stored = storedWithoutIds();
        QCOMPARE(stored.size(), 1);
        QCOMPARE(stored.at(0).first, e.first);
        QCOMPARE(stored.at(0).last, e.last);
        QCOMPARE(CapOrder::read(stored.at(0).scores), CapOrder::read(e.scores));
    }
};

QTEST_GUILESS_MAIN(TestCsvFile)
#include "tst_csvfile.moc"
