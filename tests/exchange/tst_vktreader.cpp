#include "vktfixture.h"
#include "vktreader.h"

#include <QTranslator>
#include <QtTest>

using namespace VktFixture;

namespace {

QList<Field> test(const char *first, const char *last)
{
    return {str("FirstName", QLatin1String(first)),
            str("MiddleName", QStringLiteral("Q")),
            str("LastName", QLatin1String(last)),
            str("Reference", QStringLiteral("R-") + QLatin1String(first)),
            str("TimeTaken", QStringLiteral("14")),
            str("Comments", QStringLiteral("calm")),
            str("SerialNumber", QStringLiteral("SN-100")),
            str("CapOrder", QStringLiteral("85, 1, 2, 3, ")),
            integer("Gender", QStringLiteral("1")),
            integer("Location", QStringLiteral("4")),
            integer("Industry", QStringLiteral("9")),
            integer("JobFunction", QStringLiteral("1")),
            integer("Illumination", QStringLiteral("2")),
            integer("Experience", QStringLiteral("3")),
            date("DOB", QStringLiteral("1970-01-02T00:00:00Z")),
            date("TestDate", QStringLiteral("2011-05-06T10:00:00Z"))};
}

QList<Field> capSet(const char *serial, const char *purchased)
{
    return {str("SerialNumber", QLatin1String(serial)),
            date("PurchaseDate", QLatin1String(purchased))};
}

// Marks every text looked up in the main window's context.
class MarkingTranslator : public QTranslator
{
public:
    QString translate(const char *context, const char *source, const char * = nullptr,
                      int = -1) const override
    {
        if (qstrcmp(context, "MainWindow") == 0)
            return QStringLiteral("tr:") + QLatin1String(source);
        return QString();
    }
    bool isEmpty() const override { return false; }
};

} // namespace

class TestVktReader : public QObject
{
    Q_OBJECT

private slots:
    void threeTestsAndACapSet()
    {
        const VktReader::Content c =
            VktReader::read(file({test("Ann", "Lee"), test("Bob", "Ray"), test("Cy", "Oz"),
                                  capSet("SN-100", "2010-03-04T00:00:00Z")}));
        QCOMPARE(c.tests.size(), 3);
        QCOMPARE(c.tests.at(0).first, QStringLiteral("Ann"));
        QCOMPARE(c.tests.at(1).first, QStringLiteral("Bob"));
        QCOMPARE(c.tests.at(2).first, QStringLiteral("Cy"));
        QCOMPARE(c.capSets.size(), 1);
        QCOMPARE(c.capSets.first().serialNum, QStringLiteral("SN-100"));
        QCOMPARE(c.capSets.first().purchaseDate, QStringLiteral("2010-03-04T00:00:00Z"));
    }

    void everyFieldOfATest()
    {
        const VktReader::Content c = VktReader::read(file({test("Ann", "Lee")}));
        // The last dictionary of a file is a test too.
        QCOMPARE(c.tests.size(), 1);
        databaseEntry expected;
        expected.first = QStringLiteral("Ann");
        expected.middle = QStringLiteral("Q");
        expected.last = QStringLiteral("Lee");
        expected.refNum = QStringLiteral("R-Ann");
        expected.time = QStringLiteral("14");
        expected.comments = QStringLiteral("calm");
        expected.serialNum = QStringLiteral("SN-100");
        expected.scores = QStringLiteral("85, 1, 2, 3, ");
        expected.gender = QStringLiteral("Female");
        expected.location = QStringLiteral("Europe");
        expected.industry = QStringLiteral("Pigment/Colorant Manufacturer");
        expected.job = QStringLiteral("Quality Control");
        expected.illumination = QStringLiteral("D50");
        expected.experience = QStringLiteral("6 - 10 years");
        expected.DOB = QStringLiteral("1970-01-02T00:00:00Z");
        expected.testDate = QStringLiteral("2011-05-06T10:00:00Z");
        QCOMPARE(c.tests.first(), expected);
        QVERIFY(c.capSets.isEmpty());
    }

    void serialWithoutPurchaseDate()
    {
        const VktReader::Content c = VktReader::read(file({test("Ann", "Lee")}));
        QCOMPARE(c.tests.first().serialNum, QStringLiteral("SN-100"));
        QVERIFY(c.capSets.isEmpty());
        // Nor does a cap-set dictionary whose date is missing register anything.
        const VktReader::Content d =
            VktReader::read(file({{str("SerialNumber", QStringLiteral("X"))}}));
        QVERIFY(d.capSets.isEmpty());
        QVERIFY(d.tests.isEmpty());
    }

    void capSetsAscendingLaterDateWins()
    {
        const VktReader::Content c =
            VktReader::read(file({capSet("b-2", "2001"), capSet("A-9", "2002"),
                                  capSet("b-2", "2003"), capSet("a-1", "2004")}));
        QVERIFY(c.tests.isEmpty());
        const QList<CapSet> expected{{QStringLiteral("A-9"), QStringLiteral("2002")},
                                     {QStringLiteral("a-1"), QStringLiteral("2004")},
                                     {QStringLiteral("b-2"), QStringLiteral("2003")}};
        QCOMPARE(c.capSets, expected);
    }

    void codes_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("text");
        const auto row = [](const char *key, const char *code, const char *text) {
            QTest::addRow("%s %s", key, code)
                << QString::fromLatin1(key) << QString::fromLatin1(code)
                << QString::fromLatin1(text);
        };
        row("Gender", "0", "Unspecified");
        row("Gender", "1", "Female");
        row("Gender", "2", "Male");
        row("Gender", "01", "Male");
        row("Gender", "", "Male");
        row("Location", "0", "Unspecified");
        row("Location", "1", "North America");
        row("Location", "7", "Australia");
        row("Location", "8", "");
        row("Location", "-1", "");
        row("Industry", "0", "Unspecified");
        row("Industry", "4", "Gov't");
        row("Industry", "9", "Pigment/Colorant Manufacturer");
        row("Industry", "17", "Other");
        row("Industry", "21", "Design - Architectural/Interior");
        row("Industry", "24", "Design - Product");
        row("Industry", "25", "");
        row("JobFunction", "0", "");
        row("JobFunction", "3", "Color Specification");
        row("JobFunction", "5", "Other");
        row("JobFunction", "6", "");
        row("Illumination", "0", "Unspecified");
        row("Illumination", "1", "D65");
        row("Illumination", "2", "D50");
        row("Illumination", "8", "Other");
        row("Illumination", "01", "");
        row("Illumination", " 1", "");
        row("Illumination", "9", "");
        row("Experience", "0", "Unspecified");
        row("Experience", "1", "0 - 2 years");
        row("Experience", "5", "20 + years");
        row("Experience", "6", "");
    }
    void codes()
    {
        QFETCH(QString, key);
        QFETCH(QString, code);
        QFETCH(QString, text);
        const QList<Field> fields{
            str("LastName", QStringLiteral("Lee")),
            {key, QStringLiteral("<integer>") + code + QStringLiteral("</integer>")}};
        const databaseEntry e = VktReader::read(file({fields})).tests.value(0);
        const QString stored = key == QLatin1String("Gender")         ? e.gender
                               : key == QLatin1String("Location")     ? e.location
                               : key == QLatin1String("Industry")     ? e.industry
                               : key == QLatin1String("JobFunction")  ? e.job
                               : key == QLatin1String("Illumination") ? e.illumination
                                                                      : e.experience;
        QCOMPARE(stored, text);
    }

    void codesGoThroughTheMainWindowContext()
    {
        MarkingTranslator translator;
        QCoreApplication::installTranslator(&translator);
        const databaseEntry e = VktReader::read(file({{integer("Gender", QStringLiteral("2")),
                                                       integer("Illumination", QStringLiteral("1")),
                                                       integer("JobFunction", QStringLiteral("0")),
                                                       integer("Industry", QStringLiteral("25"))}}))
                                    .tests.value(0);
        QCoreApplication::removeTranslator(&translator);
        QCOMPARE(e.gender, QStringLiteral("tr:Male"));
        QCOMPARE(e.illumination, QStringLiteral("tr:D65"));
        QVERIFY(e.job.isEmpty());
        QVERIFY(e.industry.isEmpty());
    }

    void lineEnds_data()
    {
        QTest::addColumn<QString>("lineEnd");
        QTest::newRow("CR") << QStringLiteral("\r");
        QTest::newRow("LF") << QStringLiteral("\n");
        QTest::newRow("CR LF") << QStringLiteral("\r\n");
    }
    void lineEnds()
    {
        QFETCH(QString, lineEnd);
        const QList<QList<Field>> dicts{test("Ann", "Lee"), test("Bob", "Ray"),
                                        capSet("SN-100", "2010")};
        const VktReader::Content expected = VktReader::read(file(dicts));
        QCOMPARE(expected.tests.size(), 2);
        const VktReader::Content c = VktReader::read(file(dicts, lineEnd));
        QCOMPARE(c.tests, expected.tests);
        QCOMPARE(c.capSets, expected.capSets);
    }

    void lineBreakInsideACrValue()
    {
        const VktReader::Content c =
            VktReader::read(file({{str("Comments", QStringLiteral("one\ntwo"))}}));
        QCOMPARE(c.tests.value(0).comments, QStringLiteral("one\ntwo"));
    }

    void tabsGoBlanksStay()
    {
        const VktReader::Content c = VktReader::read(
            file({{{QStringLiteral("\tFirst\tName"), QStringLiteral("<string> A\tnn </string>\t")},
                   integer("Gender", QStringLiteral("\t0"))}}));
        QCOMPARE(c.tests.value(0).first, QStringLiteral(" Ann "));
        QCOMPARE(c.tests.value(0).gender, QStringLiteral("Unspecified"));
    }

    void valueWithoutTagsKeptAsItIs()
    {
        const VktReader::Content c =
            VktReader::read(file({{{QStringLiteral("LastName"), QStringLiteral("<str>Lee")},
                                   {QStringLiteral("Reference"), QStringLiteral("<string>R1")}}}));
        QCOMPARE(c.tests.value(0).last, QStringLiteral("<str>Lee"));
        QCOMPARE(c.tests.value(0).refNum, QStringLiteral("R1"));
    }

    void unknownKeysIgnored()
    {
        const VktReader::Content c = VktReader::read(
            file({{str("Nickname", QStringLiteral("Al")), str("firstname", QStringLiteral("x")),
                   str("LastName", QStringLiteral("Lee"))}}));
        QCOMPARE(c.tests.size(), 1);
        databaseEntry expected;
        expected.last = QStringLiteral("Lee");
        QCOMPARE(c.tests.first(), expected);
    }

    void headerLinesNotRead()
    {
        // A whole dictionary inside the 17 header lines is passed over.
        QStringList lines = dict({str("LastName", QStringLiteral("Hidden"))});
        while (lines.size() < 17)
            lines.prepend(QStringLiteral("<!-- -->"));
        lines += dict({str("LastName", QStringLiteral("Seen"))});
        const VktReader::Content c = VktReader::read(lines.join(QLatin1Char('\r')).toUtf8());
        QCOMPARE(c.tests.size(), 1);
        QCOMPARE(c.tests.first().last, QStringLiteral("Seen"));
    }

    void keysOutsideADictionaryIgnored()
    {
        QStringList lines = header();
        lines << QStringLiteral("<key>LastName</key>") << QStringLiteral("<string>Stray</string>")
              << QStringLiteral("<key>SerialNumber</key>") << QStringLiteral("<string>S</string>")
              << QStringLiteral("<key>PurchaseDate</key>") << QStringLiteral("<date>D</date>");
        lines += dict({str("FirstName", QStringLiteral("Ann"))});
        lines << QStringLiteral("<key>LastName</key>") << QStringLiteral("<string>Late</string>");
        lines << QStringLiteral("</dict>") << QStringLiteral("</dict>")
              << QStringLiteral("</plist>");
        const VktReader::Content c = VktReader::read(lines.join(QLatin1Char('\r')).toUtf8());
        // Neither the stray fields nor the closing tags make or change a test.
        QCOMPARE(c.tests.size(), 1);
        QCOMPARE(c.tests.first().first, QStringLiteral("Ann"));
        QVERIFY(c.tests.first().last.isEmpty());
        QVERIFY(c.capSets.isEmpty());
    }

    void dictionaryRightAfterAClosingTag()
    {
        QStringList lines = header();
        lines << QStringLiteral("<dict>") << QStringLiteral("<key>LastName</key>")
              << QStringLiteral("<string>One</string>") << QStringLiteral("</dict>")
              << QStringLiteral("\t<dict>") << QStringLiteral("<key>LastName</key>")
              << QStringLiteral("<string>Two</string>") << QStringLiteral("</dict>");
        const VktReader::Content c = VktReader::read(lines.join(QLatin1Char('\n')).toUtf8());
        QCOMPARE(c.tests.size(), 2);
        QCOMPARE(c.tests.at(0).last, QStringLiteral("One"));
        QCOMPARE(c.tests.at(1).last, QStringLiteral("Two"));
    }

    void keyOnTheLastLine()
    {
        QStringList lines = header();
        lines << QStringLiteral("<dict>") << QStringLiteral("<key>LastName</key>")
              << QStringLiteral("<string>Lee</string>") << QStringLiteral("<key>FirstName</key>");
        // Never closed: no test, and no read beyond the last line.
        QVERIFY(VktReader::read(lines.join(QLatin1Char('\r')).toUtf8()).tests.isEmpty());
    }

    void shortAndOddInput_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("17 lines") << QByteArray(16, '\r');
        QTest::newRow("closing only") << QByteArray(17, '\n') + "</dict>";
        QTest::newRow("binary") << QByteArray("\xff\xfe\r\0\r<dict>\r\xc3", 12);
        QTest::newRow("header only") << header().join(QLatin1Char('\r')).toUtf8();
    }
    void shortAndOddInput()
    {
        QFETCH(QByteArray, bytes);
        const VktReader::Content c = VktReader::read(bytes);
        QVERIFY(c.tests.isEmpty());
        QVERIFY(c.capSets.isEmpty());
    }

    // A zero byte is a character like any other: the tests after it are still read.
    void zeroBytesDoNotEndTheFile_data()
    {
        QTest::addColumn<int>("dictionary"); // where the zero byte goes; -1: the header
        QTest::addColumn<QString>("comments");
        const QString zero = QStringLiteral("a") + QChar(0) + QStringLiteral("b");
        QTest::newRow("in the header") << -1 << QStringLiteral("calm");
        QTest::newRow("in the first test") << 0 << zero;
        QTest::newRow("in the eighth test") << 7 << zero;
        QTest::newRow("in the last test") << 9 << zero;
    }
    void zeroBytesDoNotEndTheFile()
    {
        QFETCH(int, dictionary);
        QFETCH(QString, comments);
        QList<QList<Field>> dicts;
        for (int i = 0; i < 10; ++i)
            dicts.append(test("Ann", "Lee"));
        if (dictionary >= 0)
            dicts[dictionary][5] = str("Comments", comments);
        dicts.append(capSet("SN-9", "2012"));
        QByteArray bytes = file(dicts);
        if (dictionary < 0)
            bytes.replace("Header5", QByteArray("Head\0er5", 8));
        QVERIFY(bytes.contains('\0'));
        const VktReader::Content c = VktReader::read(bytes);
        QCOMPARE(c.tests.size(), 10);
        QCOMPARE(c.tests.at(qMax(dictionary, 0)).comments, comments);
        QCOMPARE(c.tests.at(9).last, QStringLiteral("Lee"));
        QCOMPARE(c.capSets.size(), 1);
    }

    // Every prefix of a good file must read without trouble.
    void truncatedFiles()
    {
        const QByteArray whole =
            file({test("Ann", "Lee"), test("Bob", "Ray"), capSet("SN-1", "2010")});
        for (int length = 0; length <= whole.size(); ++length) {
            const QByteArray cut(whole.constData(), length);
            QVERIFY(VktReader::read(cut).tests.size() <= 2);
        }
        QCOMPARE(VktReader::read(whole).tests.size(), 2);
    }
};

QTEST_GUILESS_MAIN(TestVktReader)
#include "tst_vktreader.moc"
