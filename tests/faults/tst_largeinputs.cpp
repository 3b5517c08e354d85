#include "csvformat.h"
#include "database.h"
#include "legacyimport.h"
#include "storefixture.h"
#include "testsupport.h"

#include <QElapsedTimer>
#include <QtTest>

using namespace StoreFixture;

// Megabytes of hostile input must be read in time proportional to their size: a
// reader that copies its growing result on every piece, or walks everything read
// before for each new piece, hangs the program. The limits are generous.
class TestLargeInputs : public QObject
{
    Q_OBJECT

private slots:
    void csvLineOfManyFields()
    {
        const int many = 1000000;
        const QString line(many, QLatin1Char(','));
        QElapsedTimer timer;
        timer.start();
        databaseEntry e;
        int fields = 0;
        QCOMPARE(CsvFormat::readRecord(line, 0, e, fields), line.size());
        QVERIFY2(timer.elapsed() < 10000, qPrintable(QString::number(timer.elapsed())));
        QCOMPARE(fields, many + 1);
        // One comma behind each of the pieces from the cap-order field on, and one more.
        QCOMPARE(e.scores.size(), many + 1 - CsvFormat::CapOrderField + 1);
    }

    // Each cap set of the file is checked against those already registered: with a
    // look-up per check, not a walk through every earlier one (many minutes here).
    void vktManyCapSets()
    {
        TestSupport::useFreshDatabase(QStringLiteral("capsets.sqlite"));
        const int count = 200000;
        QByteArray file = QByteArray("header\r").repeated(17);
        for (int i = 0; i < count; ++i) {
            file.append("<dict>\r<key>SerialNumber</key>\r<string>SN-");
            file.append(QByteArray::number(i));
            file.append("</string>\r<key>PurchaseDate</key>\r<date>2010</date>\r</dict>\r");
        }
        const QString path = TestSupport::tempDir() + "/capsets.vkt"_q;
        QVERIFY(writeFile(path, file));
        QElapsedTimer timer;
        timer.start();
        const LegacyImport::Result r = LegacyImport::importVKT(path);
        QVERIFY2(timer.elapsed() < 120000, qPrintable(QString::number(timer.elapsed())));
        QVERIFY2(r.ok, qPrintable(r.error));
        QCOMPARE(r.capSets, count);
        QCOMPARE(Other(database::instance()->path())
                     .value("SELECT count(DISTINCT serialNum) FROM serialNums"_q),
                 count);
    }
};

QTEST_GUILESS_MAIN(TestLargeInputs)
#include "tst_largeinputs.moc"
