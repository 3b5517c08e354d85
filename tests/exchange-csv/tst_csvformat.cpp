#include "caporder.h"
#include "csvformat.h"
#include "testsupport.h"

#include <QtTest>

namespace {

// A test line as earlier versions wrote it, with the given comment and job.
QString olderLine(const QString &comment, const QString &job = QStringLiteral("Quality Control"))
{
    databaseEntry e = TestSupport::sampleEntry(QStringLiteral("Ann"), QStringLiteral("Smith"));
    e.comments = comment;
    e.job = job;
    return TestSupport::olderCsvLine(e);
}

} // namespace

class TestCsvFormat : public QObject
{
    Q_OBJECT

private slots:
    void headerIsExact()
    {
        QCOMPARE(CsvFormat::headerLine(),
                 QStringLiteral("First,Middle,Last,Reference,DOB,Date,Time (mins),Comments,"
                                "Gender,Experience,Illumination,Industry,JobFunction,Location,"
                                "Serial Number,TES,Cap Order"));
    }

    void plainLineIsByteForByte()
    {
        const databaseEntry e =
            TestSupport::sampleEntry(QStringLiteral("Ann"), QStringLiteral("Smith"));
        QString expected = QStringLiteral("Ann,M,Smith,R-Ann,01/02/1980,03/04/2025,12,no remarks,"
                                          "Female,1 - 2 years,D65,Textiles,Quality Control,"
                                          "Europe,1234,0,85, ");
        for (int k = 1; k <= 84; ++k)
            expected += QString::number(k) + QStringLiteral(", ");
        QCOMPARE(CsvFormat::recordLine(e, QStringLiteral("0")), expected);
        // 85 numbers at positions 16 to 100, then the blank after the last comma.
        const QStringList fields = CsvFormat::splitLine(expected);
        QCOMPARE(fields.size(), 102);
        QCOMPARE(fields.at(16), QStringLiteral("85"));
        QCOMPARE(fields.at(17), QStringLiteral(" 1"));
        QCOMPARE(fields.at(100), QStringLiteral(" 84"));
        QCOMPARE(fields.at(101), QStringLiteral(" "));
    }

    void quoting_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("written");
        QTest::newRow("plain") << QStringLiteral("no remarks") << QStringLiteral("no remarks");
        QTest::newRow("empty") << QString() << QString();
        QTest::newRow("blanks kept") << QStringLiteral(" a ") << QStringLiteral(" a ");
        QTest::newRow("comma") << QStringLiteral("a,b") << QStringLiteral("\"a,b\"");
        QTest::newRow("quote") << QStringLiteral("say \"hi\"")
                               << QStringLiteral("\"say \"\"hi\"\"\"");
        QTest::newRow("LF") << QStringLiteral("a\nb") << QStringLiteral("\"a\nb\"");
        QTest::newRow("CR") << QStringLiteral("a\rb") << QStringLiteral("\"a\rb\"");
        QTest::newRow("apostrophe") << QStringLiteral("O'Brien") << QStringLiteral("O'Brien");
    }
    void quoting()
    {
        QFETCH(QString, value);
        QFETCH(QString, written);
        QCOMPARE(CsvFormat::field(value), written);
        // Read back as the only field of a line.
        QCOMPARE(CsvFormat::splitLine(written), QStringList{value});
    }

    void awkwardFieldsKeepTheirPlace()
    {
        databaseEntry e = TestSupport::sampleEntry(QStringLiteral("Ann"), QStringLiteral("Smith"));
        e.comments = QStringLiteral("left eye, \"tired\"\r\nsecond line");
        e.last = QStringLiteral("Smith, Jr.");
        const QString line = CsvFormat::recordLine(e, QStringLiteral("17"));
        QVERIFY(line.startsWith(QStringLiteral("Ann,M,\"Smith, Jr.\",R-Ann,")));
        const QStringList fields = CsvFormat::splitLine(line);
        QCOMPARE(fields.size(), 102);
        QCOMPARE(fields.at(2), e.last);
        QCOMPARE(fields.at(7), e.comments);
        QCOMPARE(fields.at(8), QStringLiteral("Female"));
        QCOMPARE(fields.at(15), QStringLiteral("17"));
        QCOMPARE(fields.at(16), QStringLiteral("85"));
    }

    void capOrderWithLineBreakStaysOnOneLine()
    {
        // Texts stored by earlier imports carry the line end inside the cap order.
        databaseEntry e = TestSupport::sampleEntry(QStringLiteral("Ann"), QStringLiteral("Smith"));
        e.scores = CapOrder::write(CapOrder::untouched()) + QStringLiteral("\r\n,,");
        const QString line = CsvFormat::recordLine(e, QStringLiteral("0"));
        QVERIFY(line.endsWith(QStringLiteral(", 84,\" \r\n\",,")));
        QStringList fields;
        QCOMPARE(CsvFormat::readLine(line, 0, fields), line.size());
        QCOMPARE(CapOrder::read(CsvFormat::recordFromFields(fields).scores), CapOrder::untouched());
    }

    void readLine_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("fields");
        QTest::addColumn<int>("next");
        QTest::newRow("plain LF") << QStringLiteral("a,b\nc") << TestSupport::texts({"a", "b"})
                                  << 4;
        QTest::newRow("CR LF") << QStringLiteral("a,b\r\nc") << TestSupport::texts({"a", "b"}) << 5;
        QTest::newRow("lone CR") << QStringLiteral("a,b\rc") << TestSupport::texts({"a", "b"}) << 4;
        QTest::newRow("no line end")
            << QStringLiteral("a,,b") << TestSupport::texts({"a", "", "b"}) << 4;
        QTest::newRow("trailing comma")
            << QStringLiteral("a,\n") << TestSupport::texts({"a", ""}) << 3;
        QTest::newRow("empty line") << QStringLiteral("\nx") << TestSupport::texts({""}) << 1;
        QTest::newRow("quoted comma")
            << QStringLiteral("\"a,b\",c") << TestSupport::texts({"a,b", "c"}) << 7;
        QTest::newRow("quoted LF")
            << QStringLiteral("\"a\nb\",c\nd") << TestSupport::texts({"a\nb", "c"}) << 8;
        QTest::newRow("doubled quote")
            << QStringLiteral("\"a\"\"b\"") << TestSupport::texts({"a\"b"}) << 6;
        // Quotes round a text that needs none are part of the text (earlier versions).
        QTest::newRow("empty quoted")
            << QStringLiteral("\"\",x") << TestSupport::texts({"\"\"", "x"}) << 4;
        QTest::newRow("quotes round a plain word")
            << QStringLiteral("\"tired\",x") << TestSupport::texts({"\"tired\"", "x"}) << 9;
        QTest::newRow("quote inside plain")
            << QStringLiteral("a\"b,c") << TestSupport::texts({"a\"b", "c"}) << 5;
        QTest::newRow("text after closing quote is plain")
            << QStringLiteral("\"a\"b,c") << TestSupport::texts({"\"a\"b", "c"}) << 6;
        // A line of an earlier version is one test, whatever quotes its fields hold.
        const QString tired = olderLine(QStringLiteral("\"tired"));
        QTest::newRow("stray quote closed on the next line")
            << tired + QLatin1Char('\n') + olderLine(QStringLiteral("ok\"")) + QLatin1Char('\n')
            << tired.split(QLatin1Char(',')) << int(tired.size()) + 1;
        const QString paired = olderLine(QStringLiteral("\"tired"), QStringLiteral("Control\""));
        QTest::newRow("quotes pairing up across fields of one line")
            << paired << paired.split(QLatin1Char(',')) << int(paired.size());
        QTest::newRow("quoted field never runs over a whole test")
            << QStringLiteral("x,\"a\n") + olderLine(QStringLiteral("b")) +
                   QStringLiteral("\nc\",d")
            << TestSupport::texts({"x", "\"a"}) << 5;
        QTest::newRow("unclosed quote stays on its line")
            << QStringLiteral("\"a,b\nc,d") << TestSupport::texts({"\"a", "b"}) << 5;
    }
    void readLine()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, fields);
        QFETCH(int, next);
        QStringList read;
        QCOMPARE(CsvFormat::readLine(text, 0, read), next);
        QCOMPARE(read, fields);
    }

    void readsConsecutiveLines()
    {
        const QString text = QStringLiteral("h1,h2\r\n\"x\r\ny\",2\r\n3,4\r\n");
        QStringList fields;
        int pos = CsvFormat::readLine(text, 0, fields);
        QCOMPARE(fields, TestSupport::texts({"h1", "h2"}));
        pos = CsvFormat::readLine(text, pos, fields);
        QCOMPARE(fields, TestSupport::texts({"x\r\ny", "2"}));
        pos = CsvFormat::readLine(text, pos, fields);
        QCOMPARE(fields, TestSupport::texts({"3", "4"}));
        QCOMPARE(pos, text.size());
    }

    void recordFromFieldsPositions()
    {
        QStringList f;
        for (int i = 0; i < 19; ++i)
            f.append(QStringLiteral("f%1").arg(i));
        const databaseEntry e = CsvFormat::recordFromFields(f);
        QCOMPARE(e.first, QStringLiteral("f0"));
        QCOMPARE(e.middle, QStringLiteral("f1"));
        QCOMPARE(e.last, QStringLiteral("f2"));
        QCOMPARE(e.refNum, QStringLiteral("f3"));
        QCOMPARE(e.DOB, QStringLiteral("f4"));
        QCOMPARE(e.testDate, QStringLiteral("f5"));
        QCOMPARE(e.time, QStringLiteral("f6"));
        QCOMPARE(e.comments, QStringLiteral("f7"));
        QCOMPARE(e.gender, QStringLiteral("f8"));
        QCOMPARE(e.experience, QStringLiteral("f9"));
        QCOMPARE(e.illumination, QStringLiteral("f10"));
        QCOMPARE(e.industry, QStringLiteral("f11"));
        QCOMPARE(e.job, QStringLiteral("f12"));
        QCOMPARE(e.location, QStringLiteral("f13"));
        QCOMPARE(e.serialNum, QStringLiteral("f14"));
        QCOMPARE(e.scores, QStringLiteral("f16,f17,f18,,"));
        QVERIFY(e.testID.isEmpty());
        QVERIFY(e.tes.isEmpty());
    }

    void capOrderText_data()
    {
        QTest::addColumn<int>("fieldCount");
        QTest::addColumn<QString>("scores");
        QTest::newRow("15 fields") << 15 << QStringLiteral(",");
        QTest::newRow("16 fields") << 16 << QStringLiteral(",");
        QTest::newRow("17 fields") << 17 << QStringLiteral("x,,");
        QTest::newRow("short list") << 3 << QStringLiteral(",");
    }
    void capOrderText()
    {
        QFETCH(int, fieldCount);
        QFETCH(QString, scores);
        QStringList f;
        for (int i = 0; i < fieldCount; ++i)
            f.append(QStringLiteral("x"));
        const databaseEntry e = CsvFormat::recordFromFields(f);
        QCOMPARE(e.scores, scores);
        QCOMPARE(e.serialNum, fieldCount > 14 ? QStringLiteral("x") : QString());
    }

    void readRecordMatchesTheFields_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("export line")
            << CsvFormat::recordLine(
                   TestSupport::sampleEntry(QStringLiteral("A"), QStringLiteral("B")),
                   QStringLiteral("0")) +
                   QStringLiteral("\r\nnext");
        QTest::newRow("quoted fields") << QStringLiteral("\"a,1\",b,c,d,e,f,g,\"x\ny\",i,j,k,l,m,"
                                                         "n,o,p,\"1\n\",2");
        QTest::newRow("14 fields") << QStringLiteral("1,2,3,4,5,6,7,8,9,10,11,12,13,14\n");
        QTest::newRow("empty line") << QStringLiteral("\n1,2");
        QTest::newRow("end of text") << QString();
    }
    void readRecordMatchesTheFields()
    {
        QFETCH(QString, text);
        QStringList fields;
        const int next = CsvFormat::readLine(text, 0, fields);
        databaseEntry e;
        e.testID = QStringLiteral("stale");
        int count = -1;
        QCOMPARE(CsvFormat::readRecord(text, 0, e, count), next);
        QCOMPARE(count, fields.size());
        QCOMPARE(e, CsvFormat::recordFromFields(fields));
    }

    void roundTripKeepsEveryField()
    {
        databaseEntry e =
            TestSupport::sampleEntry(QStringLiteral("Zoë"), QStringLiteral("Ng"),
                                     TestSupport::swapped(CapOrder::untouched(), 3, 50));
        e.comments = QStringLiteral("a, b \"c\"\nd");
        const QStringList fields =
            CsvFormat::splitLine(CsvFormat::recordLine(e, QStringLiteral("99")));
        databaseEntry back = CsvFormat::recordFromFields(fields);
        QCOMPARE(CapOrder::read(back.scores), CapOrder::read(e.scores));
        back.scores = e.scores;
        QCOMPARE(back, e);
    }
};

QTEST_GUILESS_MAIN(TestCsvFormat)
#include "tst_csvformat.moc"
