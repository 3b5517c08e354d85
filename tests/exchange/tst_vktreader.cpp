#include "caporder.h"
#include "exchangefixture.h"
#include "legacyimport.h"
#include "vktfixture.h"
#include "vktreader.h"

#include <QTranslator>
#include <QtTest>

using namespace ExchangeFixture;
using namespace VktFixture;

namespace {

// What a file yields: the non-empty fields of every test, then every cap set.
QString summary(const VktReader::Content &c)
{
    QStringList parts;
    for (const databaseEntry &e : c.tests)
        parts << TestSupport::olderCsvLine(e, e.testID + e.tes)
                     .split(QLatin1Char(','), Qt::SkipEmptyParts)
                     .join(QLatin1Char('/'));
    for (const CapSet &s : c.capSets)
        parts << s.serialNum + QLatin1Char('=') + s.purchaseDate;
    return parts.join(QLatin1Char(';'));
}

// Lines given with '|' between them, joined by the line end.
QByteArray raw(QString lines, char end = '\r')
{
    return lines.replace(QLatin1Char('|'), QLatin1Char(end)).toUtf8();
}

// Marks every text looked up in the main window's context.
struct MarkingTranslator : QTranslator
{
    QString translate(const char *context, const char *text, const char *, int) const override
    {
        return qstrcmp(context, "MainWindow") ? QString() : QString("tr:"_q + QLatin1String(text));
    }
    bool isEmpty() const override { return false; }
};

// Three tests (the third with the comment) and two cap sets.
QByteArray threeTestsAndTwoCapSets(const QString &comment = QString())
{
    const QString test = "LastName=Lee|SerialNumber=SN-7|Gender#2|Illumination#1|CapOrder="_q +
                         CapOrder::write(CapOrder::untouched()) + "|FirstName="_q;
    return vkt(test + "Ann;"_q + test + "Bob;"_q + test + "Cy|Comments="_q + comment +
               ";SerialNumber=SN-7|PurchaseDate@2010;SerialNumber=SN-0|PurchaseDate@2009"_q);
}

} // namespace

class TestVktReader : public QObject
{
    Q_OBJECT

private:
    MarkingTranslator translator;

private slots:
    // Code texts are looked up in the main window's context: "tr:" marks them.
    void initTestCase() { QCoreApplication::installTranslator(&translator); }

    void files_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("read");
        // The last dictionary of a file is a test too; a serial number without a
        // purchase date registers no cap set.
        QTest::newRow("every field")
            << vkt("FirstName=Ann|MiddleName=Q|LastName=Lee|Reference=R-1|TimeTaken=14|"
                   "Comments=calm|SerialNumber=SN-100|CapOrder=85, 1, 2, 3, |Gender#1|Location#4|"
                   "Industry#9|JobFunction#1|Illumination#2|Experience#3|DOB@1970-01-02|"
                   "TestDate@2011-05-06"_q)
            << "Ann/Q/Lee/R-1/1970-01-02/2011-05-06/14/calm/tr:Female/tr:6 - 10 years/tr:D50/"
               "tr:Pigment/Colorant Manufacturer/tr:Quality Control/tr:Europe/SN-100/85/ 1/ 2/ 3/ "_q;
        const QString two =
            "FirstName=Ann|LastName=Lee;FirstName=Bob|Comments=c;SerialNumber=S|PurchaseDate@1"_q;
        QTest::newRow("CR") << vkt(two) << "Ann/Lee;Bob/c;S=1"_q;
        QTest::newRow("LF") << vkt(two, "\n"_q) << "Ann/Lee;Bob/c;S=1"_q;
        QTest::newRow("CR LF") << vkt(two, "\r\n"_q) << "Ann/Lee;Bob/c;S=1"_q;
        QTest::newRow("cap sets ascending, later date wins")
            << vkt("SerialNumber=b-2|PurchaseDate@2001;SerialNumber=A-9|PurchaseDate@2002;"
                   "SerialNumber=b-2|PurchaseDate@2003;SerialNumber=a-1|PurchaseDate@2004"_q)
            << "A-9=2002;a-1=2004;b-2=2003"_q;
        QTest::newRow("serial alone") << vkt("SerialNumber=X"_q) << QString();
        QTest::newRow("tabs go, blanks stay") << vkt("\tFirst\tName= A\tnn "_q) << " Ann "_q;
        QTest::newRow("value without tags")
            << file({{{"LastName"_q, "<str>Lee"_q}, {"Comments"_q, "<string>R1"_q}}})
            << "<str>Lee/R1"_q;
        QTest::newRow("unknown keys") << vkt("Nickname=Al|firstname=x|LastName=Lee"_q) << "Lee"_q;
        QTest::newRow("LF inside a value of a CR file")
            << vkt("Comments=one\ntwo"_q) << "one\ntwo"_q;
        const QString dictOf = "<dict>|<key>LastName</key>|<string>%1</string>|</dict>"_q;
        QTest::newRow("dictionary in the header lines")
            << raw(QString(12, QLatin1Char('|')) + dictOf.arg("Hidden"_q) + "|next|"_q +
                   dictOf.arg("Seen"_q))
            << "Seen"_q;
        const QString head = header().join(QLatin1Char('|')) + QLatin1Char('|');
        const QString stray = "<key>LastName</key>|<string>Stray</string>|<key>SerialNumber</key>|"
                              "<string>S</string>|<key>PurchaseDate</key>|<date>D</date>|"_q;
        QTest::newRow("keys outside a dictionary")
            << raw(head + stray + dictOf.arg("Ann"_q) + "|next|"_q + stray + "</dict>|</dict>"_q)
            << "Ann"_q;
        QTest::newRow("dictionary right after a closing tag")
            << raw(head + dictOf.arg("One"_q) + "|\t"_q + dictOf.arg("Two"_q), '\n') << "One;Two"_q;
        // Never closed: no test, and no read beyond the last line.
        QTest::newRow("key on the last line")
            << raw(head + dictOf.arg("One"_q).replace("</dict>"_q, "<key>FirstName</key>"_q))
            << QString();
        QTest::newRow("empty") << QByteArray() << QString();
        QTest::newRow("header only") << raw(head) << QString();
        // The ends of the code tables; codes outside them and undecimal ones read as nothing.
        const QString codes =
            "Gender#0=Unspecified|Gender#1=Female|Gender#2=Male|Gender#01=Male|Gender#=Male|"
            "Location#0=Unspecified|Location#1=North America|Location#7=Australia|Location#8=|"
            "Location#-1=|Industry#0=Unspecified|Industry#4=Gov't|Industry#17=Other|"
            "Industry#24=Design - Product|Industry#25=|JobFunction#0=|JobFunction#5=Other|"
            "JobFunction#3=Color Specification|JobFunction#6=|Illumination#0=Unspecified|"
            "Illumination#1=D65|Illumination#8=Other|Illumination#01=|Illumination# 1=|"
            "Illumination#9=|Experience#0=Unspecified|Experience#1=0 - 2 years|"
            "Experience#5=20 + years|Experience#6="_q;
        for (const QString &pair : codes.split(QLatin1Char('|')))
            QTest::newRow(qPrintable(pair))
                << vkt(pair.section(QLatin1Char('='), 0, 0))
                << pair.section(QLatin1Char('='), 1)
                       .replace(QRegularExpression("^(?=.)"_q), "tr:"_q);
        // A zero byte is a character like any other: the tests after it are still read.
        const QString lee =
            "LastName=Lee;"_q.repeated(7) + "LastName=L\0e"_q + ";LastName=Lee"_q.repeated(2);
        // "Header5" is one of the fixture's seventeen header lines.
        QTest::newRow("zero bytes in the header and the eighth test")
            << vkt(lee).replace("Header5", "Head\0er5"_ba)
            << "Lee;"_q.repeated(7) + "L\0e"_q + ";Lee"_q.repeated(2);
    }
    void files()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, read);
        QCOMPARE(summary(VktReader::read(bytes)), read);
    }

    // Every prefix of a good file must read without trouble.
    void truncatedFiles()
    {
        const QByteArray whole =
            vkt("LastName=A;LastName=B|Gender#1;SerialNumber=S|PurchaseDate@1"_q);
        for (int length = 0; length <= whole.size(); ++length)
            QVERIFY(VktReader::read(QByteArray(whole.constData(), length)).tests.size() <= 2);
        QCOMPARE(VktReader::read(whole).tests.size(), 2);
    }

    // Into the store, whole or not at all: when the store refuses the third test nothing
    // of the file remains, not the first two tests nor the cap sets, and the connection
    // works afterwards. A serial number registered before keeps its date; a file of
    // nothing is refused, naming it.
    void importedIntoTheStore()
    {
        TestSupport::useFreshDatabase();
        QVERIFY(database::instance()->insertSerialNum("SN-0"_q, "old"_q));
        QVERIFY(refuseComment());
        LegacyImport::Result r = LegacyImport::importVKT(
            writeFile("refused.vkt"_q, threeTestsAndTwoCapSets("refuse"_q)));
        QVERIFY(!r.ok);
        QCOMPARE(r.tests + r.capSets, 0);
        QVERIFY2(r.error.contains(QLatin1String("refused by trigger")), qPrintable(r.error));
        QCOMPARE(rowCounts(), QList<int>({0, 0, 1}));
        r = LegacyImport::importVKT(writeFile("three.vkt"_q, threeTestsAndTwoCapSets()));
        QVERIFY2(r.ok, qPrintable(r.error));
        QCOMPARE(QList<int>({r.tests, r.capSets}), QList<int>({3, 1}));
        const QList<databaseEntry> all = database::instance()->getAllTests();
        QCOMPARE(all.value(2).first, "Cy"_q);
        QCOMPARE(all.at(0).gender + all.at(0).illumination + all.at(0).serialNum + all.at(0).tes,
                 "tr:Maletr:D65SN-70"_q);
        const QList<CapSet> expected{{"SN-0"_q, "old"_q}, {"SN-7"_q, "2010"_q}};
        QCOMPARE(database::instance()->getSerialNums(), expected);
        const QString none = writeFile("none.vkt"_q, vkt({}));
        r = LegacyImport::importVKT(none);
        QVERIFY(!r.ok);
        QVERIFY2(r.error.contains(QDir::toNativeSeparators(none)), qPrintable(r.error));
        QCOMPARE(rowCounts(), QList<int>({3, 3, 2}));
    }
};

QTEST_GUILESS_MAIN(TestVktReader)
#include "tst_vktreader.moc"
