#include "caporder.h"
#include "csvformat.h"
#include "exchangefixture.h"

#include <QtTest>

namespace {

// A test line as earlier versions wrote it: every field as it stands, unquoted.
QString older(const char *comment, const char *job = "Quality Control")
{
    databaseEntry e = TestSupport::sampleEntry("Ann"_q, "Smith"_q);
    e.comments = QString::fromUtf8(comment);
    e.job = QString::fromUtf8(job);
    return TestSupport::olderCsvLine(e);
}

} // namespace

class TestCsvFormat : public QObject
{
    Q_OBJECT

private slots:
    void headerAndLineAreExact()
    {
        QCOMPARE(CsvFormat::headerLine(),
                 "First,Middle,Last,Reference,DOB,Date,Time (mins),Comments,Gender,Experience,"
                 "Illumination,Industry,JobFunction,Location,Serial Number,TES,Cap Order"_q);
        databaseEntry e = TestSupport::sampleEntry("Ann"_q, "Smith"_q);
        QString line = "Ann,M,Smith,R-Ann,01/02/1980,03/04/2025,12,no remarks,Female,1 - 2 years,"
                       "D65,Textiles,Quality Control,Europe,1234,7,85, "_q;
        for (int k = 1; k <= 84; ++k)
            line += QString::number(k) + ", "_q;
        QCOMPARE(CsvFormat::recordLine(e, "7"_q), line);
        // A cap order stored with a line end inside keeps its pieces on the line.
        e.scores += "\r\n,,"_q;
        QVERIFY(CsvFormat::recordLine(e, "0"_q).endsWith(", 84,\" \r\n\",,"_q));
    }

    // Quoted only when needed, and read back as the only field of a line.
    void quoting()
    {
        const QString rows = "no remarks>no remarks|>| a > a |O'Brien>O'Brien|a,b>\"a,b\"|"
                             "say \"hi\">\"say \"\"hi\"\"\"|a\nb>\"a\nb\"|a\rb>\"a\rb\""_q;
        for (const QString &row : rows.split(QLatin1Char('|'))) {
            const QString value = row.section(QLatin1Char('>'), 0, 0);
            QCOMPARE(CsvFormat::field(value), row.section(QLatin1Char('>'), 1));
            QCOMPARE(CsvFormat::splitLine(row.section(QLatin1Char('>'), 1)), QStringList{value});
        }
    }

    void readLine_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("fields");
        QTest::addColumn<int>("next");
        const auto row = [](const char *name, const QString &text,
                            std::initializer_list<const char *> fields, int next) {
            QTest::newRow(name) << text << TestSupport::texts(fields) << next;
        };
        row("plain LF", "a,b\nc"_q, {"a", "b"}, 4);
        row("CR LF", "a,b\r\nc"_q, {"a", "b"}, 5);
        row("lone CR", "a,b\rc"_q, {"a", "b"}, 4);
        row("no line end", "a,,b"_q, {"a", "", "b"}, 4);
        row("trailing comma", "a,\n"_q, {"a", ""}, 3);
        row("empty line", "\nx"_q, {""}, 1);
        row("quoted comma", "\"a,b\",c"_q, {"a,b", "c"}, 7);
        row("quoted LF", "\"a\nb\",c\nd"_q, {"a\nb", "c"}, 8);
        row("doubled quote", "\"a\"\"b\""_q, {"a\"b"}, 6);
        row("quoted CR LF", "\"x\r\ny\",2\r\n3"_q, {"x\r\ny", "2"}, 10);
        // Quotes round a text that needs none are part of the text (earlier versions).
        row("empty quoted", "\"\",x"_q, {"\"\"", "x"}, 4);
        row("quotes round a plain word", "\"tired\",x"_q, {"\"tired\"", "x"}, 9);
        row("quote inside plain", "a\"b,c"_q, {"a\"b", "c"}, 5);
        row("text after closing quote is plain", "\"a\"b,c"_q, {"\"a\"b", "c"}, 6);
        row("unclosed quote stays on its line", "\"a,b\nc,d"_q, {"\"a", "b"}, 5);
        row("quoted field never runs over a whole test", "x,\"a\n"_q + older("b") + "\nc\",d"_q,
            {"x", "\"a"}, 5);
        // Lines of plain fields, around the 15 a test needs and the 16 before its cap order.
        for (const QString &plain :
             {CsvFormat::recordLine(TestSupport::sampleEntry("A"_q, "B"_q), "0"_q),
              "1,2,3,4,5,6,7,8,9,10,11,12,13,14"_q, "x,x,x,x,x,x,x,x,x,x,x,x,x,x,x"_q,
              "x,x,x,x,x,x,x,x,x,x,x,x,x,x,x,x"_q, "x,x,x,x,x,x,x,x,x,x,x,x,x,x,x,x,x"_q})
            QTest::addRow("%d fields", int(plain.count(QLatin1Char(','))) + 1)
                << plain + "\r\nnext"_q << plain.split(QLatin1Char(',')) << int(plain.size()) + 2;
        row("end of text", QString(), {""}, 0);
        row("quoted fields", "\"a,1\",b,c,d,e,f,g,\"x\ny\",i,j,k,l,m,n,o,p,\"1\n\",2"_q,
            {"a,1", "b", "c", "d", "e", "f", "g", "x\ny", "i", "j", "k", "l", "m", "n", "o", "p",
             "1\n", "2"},
            46);
        // A line of an earlier version is one test, whatever quotes its fields hold.
        const QList<QPair<const char *, QString>> olderLines{
            {"lone quote", older("\"")},
            {"stray quote closed on the next line", older("\"tired")},
            {"quote at the end", older("tired\"")},
            {"quote in the middle", older("say \"hi\" now")},
            {"quotes pairing up across fields", older("\"tired", "Control\"")},
            {"cap order in quotes",
             older("\"tired").replace(",0,85,"_q, ",0,\"85,"_q) + QLatin1Char('"')}};
        for (const auto &l : olderLines)
            QTest::newRow(l.first) << l.second + "\n"_q + older("ok\"")
                                   << l.second.split(QLatin1Char(',')) << int(l.second.size()) + 1;
        // A cap that is no number makes no whole test: its quote runs on to the next line's.
        const QString gap = older("\"tired").replace(", 5, "_q, ", x, "_q);
        const int quote = int(gap.indexOf(QLatin1Char('"')));
        QTest::newRow("cap that is no number")
            << gap + "\na\",b"_q
            << gap.left(quote - 1).split(QLatin1Char(',')) +
                   QStringList{gap.mid(quote + 1) + "\na"_q, "b"_q}
            << int(gap.size()) + 5;
    }
    void readLine()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, fields);
        QFETCH(int, next);
        QStringList read;
        QCOMPARE(CsvFormat::readLine(text, 0, read), next);
        QCOMPARE(read, fields);
        // Straight into a record, as the fields of the line would give it.
        databaseEntry e = TestSupport::sampleEntry("stale"_q, "stale"_q); // all of it replaced
        int count = -1;
        QCOMPARE(CsvFormat::readRecord(text, 0, e, count), next);
        QCOMPARE(count, int(fields.size()));
        QCOMPARE(e, CsvFormat::recordFromFields(fields));
    }
};

QTEST_GUILESS_MAIN(TestCsvFormat)
#include "tst_csvformat.moc"
