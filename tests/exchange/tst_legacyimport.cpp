#include "caporder.h"
#include "exchangefixture.h"
#include "legacyimport.h"
#include "vktfixture.h"

#include <QtTest>

using namespace ExchangeFixture;

namespace {

// Three tests (the third with the comment) and two cap sets.
QByteArray threeTestsAndTwoCapSets(const QString &comment = QString())
{
    QString dicts;
    for (const QString &name : {"Ann"_q, "Bob"_q, QString("Cy|Comments="_q + comment)})
        dicts +=
            "LastName=Lee|SerialNumber=SN-7|Gender#2|Illumination#1|TestDate@2012|CapOrder="_q +
            CapOrder::write(CapOrder::untouched()) + "|FirstName="_q + name + QLatin1Char(';');
    return VktFixture::vkt(
        dicts + "SerialNumber=SN-7|PurchaseDate@2010;SerialNumber=SN-0|PurchaseDate@2009"_q);
}

} // namespace

class TestLegacyImport : public QObject
{
    Q_OBJECT

private slots:
    void init() { TestSupport::useFreshDatabase(); }

    // A damaged record between two good ones is passed over and counted.
    void hdbRecordsStored()
    {
        const QByteArray bad = patched(hdbRecord("Bad"), HdbReader::CapsOffset, "\x02"_ba);
        const LegacyImport::Result r = LegacyImport::importHDB(
            writeFile("two.hdb"_q, hdbRecord("Smith") + bad + hdbRecord("Jones", '\0')));
        QVERIFY2(r.ok, qPrintable(r.error));
        QCOMPARE(QList<int>({r.tests, r.capSets, r.skipped}), QList<int>({2, 0, 1}));
        const QList<databaseEntry> all = database::instance()->getAllTests();
        QCOMPARE(all.size(), 2);
        QCOMPARE(all.at(1).last, "Jones"_q + QString(15, QChar(0))); // zero filler kept
        QCOMPARE(CapOrder::read(database::instance()->getScores(all.at(0).testID)),
                 CapOrder::untouched());
        QCOMPARE(all.at(0).tes, "0"_q); // the untouched order scores as a perfect arrangement
    }

    // A file that holds nothing to import is refused, naming it; nothing is stored.
    void filesRefused()
    {
        const QList<QPair<QString, QByteArray>> files{
            {"empty.hdb"_q, ""_ba},
            {"bad.hdb"_q, patched(hdbRecord("Bad"), HdbReader::CapsOffset, "\x55"_ba)},
            {"none.vkt"_q, VktFixture::vkt({})}};
        for (const auto &f : files) {
            const QString path = writeFile(f.first, f.second);
            const LegacyImport::Result r = f.first.endsWith(QLatin1String(".hdb"))
                                               ? LegacyImport::importHDB(path)
                                               : LegacyImport::importVKT(path);
            QVERIFY(!r.ok);
            QCOMPARE(QList<int>({r.tests, r.capSets, r.skipped}),
                     QList<int>({0, 0, f.first == "bad.hdb"_q ? 1 : 0}));
            QVERIFY2(r.error.contains(QDir::toNativeSeparators(path)), qPrintable(r.error));
            QCOMPARE(rowCounts(), QList<int>({0, 0, 0}));
        }
    }

    // The store refuses the third test: nothing of the file may remain, not the first
    // two subjects and tests, nor the cap sets. The connection works afterwards, and
    // a serial number registered before keeps its date.
    void vktImportedWholeOrNotAtAll()
    {
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
        QCOMPARE(all.size(), 3);
        QCOMPARE(all.at(2).first, "Cy"_q);
        QCOMPARE(all.at(0).gender + all.at(0).illumination + all.at(0).serialNum + all.at(0).tes,
                 "MaleD65SN-70"_q);
        const QList<CapSet> expected{{"SN-0"_q, "old"_q}, {"SN-7"_q, "2010"_q}};
        QCOMPARE(database::instance()->getSerialNums(), expected);
    }
};

QTEST_GUILESS_MAIN(TestLegacyImport)
#include "tst_legacyimport.moc"
