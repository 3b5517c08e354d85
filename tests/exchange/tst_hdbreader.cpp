#include "caporder.h"
#include "exchangefixture.h"
#include "hdbreader.h"
#include "legacyimport.h"

#include <QtTest>

using namespace ExchangeFixture;

namespace {

QByteArray patched(QByteArray bytes, int offset, const QByteArray &patch)
{
    return bytes.replace(offset, patch.size(), patch);
}

const int Slot41 = HdbReader::CapsOffset + 2 * 40;

QString padded(const QString &text, int width)
{
    return text + QString(width - text.size(), QLatin1Char(' '));
}

} // namespace

class TestHdbReader : public QObject
{
    Q_OBJECT

private slots:
    void fieldsAtTheirOffsets()
    {
        QByteArray r = hdbRecord("Smith");
        QString scores = "85,"_q;
        for (int slot = 0; slot < 84; ++slot) {
            r[HdbReader::CapsOffset + 2 * slot] = char(84 - slot);
            r[HdbReader::CapsOffset + 2 * slot + 1] = char(slot % 2 ? 0xff : 0x80); // never read
            scores += QString::number(84 - slot) + QLatin1Char(',');
        }
        const databaseEntry e = HdbReader::read(r).value(0);
        QCOMPARE(QStringList({e.first, e.middle, e.last, e.refNum, e.comments}),
                 QStringList({padded("Anna"_q, 20), padded("B"_q, 20), padded("Smith"_q, 20),
                              padded("REF-7"_q, 20), padded("steady hands"_q, 50)}));
        QCOMPARE(e.DOB + e.testDate + e.time + e.scores, "01/02/197003/04/199912"_q + scores);
        // The format carries no other field.
        QCOMPARE(e.testID + e.gender + e.experience + e.illumination + e.industry + e.job +
                     e.location + e.serialNum + e.tes,
                 QString());
        // UTF-8 is decoded; minutes are a signed byte.
        QCOMPARE(HdbReader::read(hdbRecord("M\xc3\xbcller")).value(0).last,
                 "M\xc3\xbcller"_q + QString(13, QLatin1Char(' ')));
        r[HdbReader::TimeOffset] = char(0x80);
        QCOMPARE(HdbReader::read(r).value(0).time, "-128"_q);
    }

    void onlyAsciiLettersStartRecords()
    {
        for (int b = 0; b < 256; ++b)
            QCOMPARE(HdbReader::startsRecord(char(b)), b < 128 && QChar(b).isLetter());
    }

    // A record is taken where a letter starts 84 slots holding caps 1 to 84 once each
    // and text fields that are text up to their first zero byte. Elsewhere the scan
    // goes on at the next byte; places passed over count once per record length.
    void files_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("records");
        QTest::addColumn<int>("skipped");
        const QByteArray smith = hdbRecord("Smith");
        const auto around = [&smith](int offset, const QByteArray &patch) -> QByteArray {
            return smith + patched(hdbRecord("Jones"), offset, patch) + hdbRecord("Brown");
        };
        QTest::newRow("empty") << QByteArray() << 0 << 0;
        QTest::newRow("zero bytes") << QByteArray(700, '\0') << 0 << 0;
        QTest::newRow("digits") << QByteArray(700, '7') << 0 << 0;
        QTest::newRow("one letter") << QByteArray(100000, 'A') << 0 << 307;
        QTest::newRow("letter first") << QByteArray(1, 'z') + smith << 1 << 1;
        QTest::newRow("other byte first") << QByteArray(1, '{') + smith << 1 << 0;
        QTest::newRow("garbage first") << QByteArray(333, 'g') + smith + smith << 2 << 2;
        // Byte 324 is a letter; a non-letter at 325 does not send the scan back to it.
        QTest::newRow("second record damaged")
            << patched(smith + smith, 325, QByteArray(2, '\0')) + "  " << 1 << 1;
        QTest::newRow("cap twice") << around(Slot41, QByteArray(1, 40)) << 2 << 1;
        QTest::newRow("cap 85") << around(Slot41, QByteArray(1, 85)) << 2 << 1;
        QTest::newRow("cap 0") << around(Slot41, QByteArray(1, 0)) << 2 << 1;
        QTest::newRow("two caps exchanged") << around(Slot41 - 2, "\x29\x00\x28"_ba) << 3 << 0;
        QTest::newRow("name not UTF-8") << around(HdbReader::FirstOffset, "An\xff"_ba) << 2 << 1;
        QTest::newRow("control") << around(HdbReader::CommentsOffset, "calm\x01"_ba) << 2 << 1;
        QTest::newRow("DEL") << around(HdbReader::RefNumOffset, "R\x7f"_ba) << 2 << 1;
        QTest::newRow("line breaks, tab")
            << around(HdbReader::CommentsOffset, "calm\r\nsteady\tok"_ba) << 3 << 0;
        QTest::newRow("leftovers after a zero byte")
            << around(HdbReader::FirstOffset, "Ann\0\xff\x01zz"_ba) << 3 << 0;
        QTest::newRow("date not UTF-8") << around(HdbReader::DobOffset, "\xc3("_ba) << 2 << 1;
        QTest::newRow("last date byte")
            << around(HdbReader::TestDateOffset + 9, "\x02"_ba) << 2 << 1;
    }
    void files()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, records);
        QFETCH(int, skipped);
        int passedOver = -2;
        QCOMPARE(HdbReader::read(bytes, &passedOver).size(), records);
        QCOMPARE(passedOver, skipped);
    }

    // Every length of a two-record file, under the sanitizers: a record needs its 324
    // field bytes, byte 324 itself is never read.
    void truncatedFilesNeverReadPastTheData()
    {
        const QByteArray full = hdbRecord("Smith") + hdbRecord("Jones") + QByteArray(50, 'x');
        const QList<databaseEntry> whole = HdbReader::read(full.left(650));
        QCOMPARE(whole.size(), 2);
        QCOMPARE(whole.at(1).last, padded("Jones"_q, 20));
        for (int length = 0; length <= 700; ++length) {
            // A copy of exactly this length, so reading past it is caught.
            const QList<databaseEntry> list = HdbReader::read(QByteArray(full.constData(), length));
            QCOMPARE(list.size(), (length >= 324 ? 1 : 0) + (length >= 649 ? 1 : 0));
            for (int k = 0; k < list.size(); ++k)
                QCOMPARE(list.at(k), whole.at(k));
        }
    }

    // Into the store: a damaged record between two good ones is passed over and counted;
    // a file without a readable record is refused, naming it, and changes nothing.
    void importedIntoTheStore()
    {
        TestSupport::useFreshDatabase();
        const QByteArray bad = patched(hdbRecord("Bad"), HdbReader::CapsOffset, "\x02"_ba);
        LegacyImport::Result r = LegacyImport::importHDB(
            writeFile("two.hdb"_q, hdbRecord("Smith") + bad + hdbRecord("Jones", '\0')));
        QVERIFY2(r.ok, qPrintable(r.error));
        QCOMPARE(QList<int>({r.tests, r.capSets, r.skipped}), QList<int>({2, 0, 1}));
        const QList<databaseEntry> all = database::instance()->getAllTests();
        QCOMPARE(all.value(1).last, "Jones"_q + QString(15, QChar(0))); // zero filler kept
        QCOMPARE(CapOrder::read(database::instance()->getScores(all.at(0).testID)),
                 CapOrder::untouched());
        QCOMPARE(all.at(0).tes, "0"_q); // the untouched order scores as a perfect arrangement
        for (const QByteArray &bytes : {QByteArray(), bad}) {
            const QString path = writeFile("none.hdb"_q, bytes);
            r = LegacyImport::importHDB(path);
            QVERIFY(!r.ok);
            QCOMPARE(QList<int>({r.tests, r.capSets, r.skipped}),
                     QList<int>({0, 0, bytes.isEmpty() ? 0 : 1}));
            QVERIFY2(r.error.contains(QDir::toNativeSeparators(path)), qPrintable(r.error));
            QCOMPARE(rowCounts(), QList<int>({2, 2, 0}));
        }
    }
};

QTEST_GUILESS_MAIN(TestHdbReader)
#include "tst_hdbreader.moc"
