#include "caporder.h"
#include "hdbreader.h"

#include <QRandomGenerator>
#include <QtTest>

namespace {

// One record laid out as the old program wrote it: 325 bytes, names padded
// with blanks, caps in order unless given.
QByteArray hdbRecord(const QByteArray &last, QVector<int> caps = {}, char filler = ' ')
{
    QByteArray r(HdbReader::RecordStride, filler);
    auto put = [&r](int offset, const QByteArray &text) { r.replace(offset, text.size(), text); };
    put(HdbReader::LastOffset, last);
    put(HdbReader::FirstOffset, "Anna");
    put(HdbReader::MiddleOffset, "B");
    put(HdbReader::RefNumOffset, "REF-7");
    put(HdbReader::DobOffset, "01/02/1970");
    put(HdbReader::TestDateOffset, "03/04/1999");
    r[HdbReader::TimeOffset] = char(12);
    r[101] = char(0x5a); // unused byte, a letter on purpose
    put(HdbReader::CommentsOffset, "steady hands");
    put(152, "ZZZZ"); // unused
    if (caps.isEmpty()) {
        for (int c = 1; c <= 84; ++c)
            caps.append(c);
    }
    for (int slot = 0; slot < HdbReader::CapSlots; ++slot) {
        r[HdbReader::CapsOffset + 2 * slot] = char(caps.value(slot));
        r[HdbReader::CapsOffset + 2 * slot + 1] = char(0x63); // never read
    }
    r[324] = 'Q';
    return r;
}

QString padded(const char *text, int width, QChar filler = QLatin1Char(' '))
{
    const QString s = QString::fromUtf8(text);
    return s + QString(width - s.size(), filler);
}

QString inOrderText()
{
    QString s = QStringLiteral("85,");
    for (int c = 1; c <= 84; ++c)
        s += QString::number(c) + QLatin1Char(',');
    return s;
}

} // namespace

class TestHdbReader : public QObject
{
    Q_OBJECT

private slots:
    void emptyInputHasNoRecords()
    {
        QVERIFY(HdbReader::read(QByteArray()).isEmpty());
        QVERIFY(HdbReader::read(QByteArray(700, '\0')).isEmpty());
        QVERIFY(HdbReader::read(QByteArray(700, '7')).isEmpty());
    }

    void fieldsAtTheirOffsets()
    {
        const QList<databaseEntry> list = HdbReader::read(hdbRecord("Smith"));
        QCOMPARE(list.size(), 1);
        const databaseEntry &e = list.first();
        QCOMPARE(e.last, padded("Smith", 20));
        QCOMPARE(e.last.size(), 20);
        QCOMPARE(e.first, padded("Anna", 20));
        QCOMPARE(e.middle, padded("B", 20));
        QCOMPARE(e.refNum, padded("REF-7", 20));
        QCOMPARE(e.DOB, QStringLiteral("01/02/1970"));
        QCOMPARE(e.testDate, QStringLiteral("03/04/1999"));
        QCOMPARE(e.time, QStringLiteral("12"));
        QCOMPARE(e.comments, padded("steady hands", 50));
        QCOMPARE(e.scores, inOrderText());
        // The format carries none of these.
        for (const QString *empty : {&e.testID, &e.gender, &e.location, &e.industry, &e.experience,
                                     &e.job, &e.illumination, &e.serialNum, &e.tes})
            QVERIFY(empty->isEmpty());
    }

    void zeroFillerKept()
    {
        const databaseEntry e = HdbReader::read(hdbRecord("Smith", {}, '\0')).value(0);
        QCOMPARE(e.last, padded("Smith", 20, QChar(0)));
        QCOMPARE(e.last.size(), 20);
    }

    void utf8Decoded()
    {
        const databaseEntry e = HdbReader::read(hdbRecord("M\xc3\xbcller")).value(0);
        QCOMPARE(e.last, QString::fromUtf8("M\xc3\xbcller") + QString(13, QLatin1Char(' ')));
    }

    void secondRecordAtStride()
    {
        QByteArray file = hdbRecord("Smith") + hdbRecord("Jones");
        const QList<databaseEntry> list = HdbReader::read(file);
        QCOMPARE(list.size(), 2);
        QCOMPARE(list.at(0).last, padded("Smith", 20));
        QCOMPARE(list.at(1).last, padded("Jones", 20));

        // Byte 324 is a letter, and a non-letter at 325 does not make the scan
        // go back to it. The damaged second record is passed over, counted once.
        file[325] = '\0';
        file[326] = '\0';
        int skipped = 0;
        const QList<databaseEntry> shifted = HdbReader::read(file + QByteArray(2, ' '), &skipped);
        QCOMPARE(shifted.size(), 1);
        QCOMPARE(skipped, 1);
    }

    void recordStart_data()
    {
        QTest::addColumn<char>("lead");
        QTest::addColumn<bool>("starts");
        QTest::newRow("A") << 'A' << true;
        QTest::newRow("Z") << 'Z' << true;
        QTest::newRow("a") << 'a' << true;
        QTest::newRow("z") << 'z' << true;
        QTest::newRow("@") << '@' << false;
        QTest::newRow("[") << '[' << false;
        QTest::newRow("`") << '`' << false;
        QTest::newRow("{") << '{' << false;
        QTest::newRow("digit") << '5' << false;
        QTest::newRow("blank") << ' ' << false;
        QTest::newRow("zero") << '\0' << false;
        QTest::newRow("0x80") << char(0x80) << false;
        QTest::newRow("0xC1") << char(0xc1) << false;
        QTest::newRow("0xE1") << char(0xe1) << false;
        QTest::newRow("0xFF") << char(0xff) << false;
    }
    void recordStart()
    {
        QFETCH(char, lead);
        QFETCH(bool, starts);
        QCOMPARE(HdbReader::startsRecord(lead), starts);
        // In a file: a letter before a record starts no record of its own (the caps
        // one byte off are none) and is counted; the record after it is found.
        const QByteArray file = QByteArray(1, lead) + hdbRecord("Smith");
        int skipped = -1;
        const QList<databaseEntry> list = HdbReader::read(file, &skipped);
        QCOMPARE(list.size(), 1);
        QVERIFY(list.first().last.startsWith(QLatin1String("Smith")));
        QCOMPARE(skipped, starts ? 1 : 0);
    }

    void minutesSigned_data()
    {
        QTest::addColumn<int>("byte");
        QTest::addColumn<QString>("time");
        QTest::newRow("0") << 0x00 << QStringLiteral("0");
        QTest::newRow("12") << 0x0c << QStringLiteral("12");
        QTest::newRow("127") << 0x7f << QStringLiteral("127");
        QTest::newRow("-128") << 0x80 << QStringLiteral("-128");
        QTest::newRow("-1") << 0xff << QStringLiteral("-1");
    }
    void minutesSigned()
    {
        QFETCH(int, byte);
        QFETCH(QString, time);
        QByteArray r = hdbRecord("Smith");
        r[HdbReader::TimeOffset] = char(byte);
        QCOMPARE(HdbReader::read(r).value(0).time, time);
    }

    void capSlot_data()
    {
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("second");
        QTest::addColumn<int>("cap");
        QTest::newRow("0x15 0x00") << 0x15 << 0x00 << 21;
        QTest::newRow("second byte ignored") << 0x15 << 0xff << 21;
        QTest::newRow("84") << 0x54 << 0x00 << 84;
        QTest::newRow("1") << 0x01 << 0x80 << 1;
    }
    void capSlot()
    {
        QFETCH(int, first);
        QFETCH(int, second);
        QFETCH(int, cap);
        QByteArray r = hdbRecord("Smith");
        const int slot = 40; // position 41
        r[HdbReader::CapsOffset + 2 * slot] = char(first);
        r[HdbReader::CapsOffset + 2 * slot + 1] = char(second);
        // Cap 41 goes where the cap came from, so every cap is there once.
        r[HdbReader::CapsOffset + 2 * (cap - 1)] = char(41);
        const QVector<int> caps = CapOrder::read(HdbReader::read(r).value(0).scores);
        QCOMPARE(caps.size(), 85);
        QCOMPARE(caps.at(0), 85);
        QCOMPARE(caps.at(41), cap);
        QCOMPARE(caps.at(cap), 41);
        QCOMPARE(caps.at(40), cap == 40 ? 41 : 40);
        QCOMPARE(caps.at(42), 42);
    }

    void inOrderArrangement()
    {
        const QString scores = HdbReader::read(hdbRecord("Smith")).value(0).scores;
        QVERIFY(scores.startsWith(QLatin1String("85,1,2,3,")));
        QVERIFY(scores.endsWith(QLatin1String(",83,84,")));
        QVERIFY(!scores.contains(QLatin1Char(' ')));
        QCOMPARE(scores.count(QLatin1Char(',')), 85);
        QCOMPARE(CapOrder::read(scores), CapOrder::untouched());
    }

    void shuffledArrangement()
    {
        QVector<int> caps;
        for (int c = 84; c >= 1; --c)
            caps.append(c);
        const QString scores = HdbReader::read(hdbRecord("Smith", caps)).value(0).scores;
        QVector<int> expected{85};
        expected += caps;
        QCOMPARE(CapOrder::read(scores), expected);
    }

    // Bytes that are no record file yield no record, however many letters they hold.
    void garbageYieldsNoRecord_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QByteArray random(1 << 20, '\0');
        QRandomGenerator rng(19);
        for (char &b : random)
            b = char(rng.bounded(256));
        QTest::newRow("random bytes") << random;
        QTest::newRow("one letter") << QByteArray(1 << 20, 'A');
        QTest::newRow("text") << QByteArray("The quick brown fox. ").repeated(50000);
    }
    void garbageYieldsNoRecord()
    {
        QFETCH(QByteArray, bytes);
        int skipped = 0;
        QCOMPARE(HdbReader::read(bytes, &skipped).size(), 0);
        // Counted once per record length, however many letters the stretch holds.
        QVERIFY(skipped > 0);
        QVERIFY(skipped <= bytes.size() / HdbReader::RecordStride + 1);
    }

    // A record is taken when its 84 slots hold caps 1 to 84 once each and its text
    // fields are text up to their first zero byte; otherwise it is passed over.
    void onlyWholeRecordsTaken_data()
    {
        QTest::addColumn<int>("offset");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("taken");
        const int slot41 = HdbReader::CapsOffset + 2 * 40;
        QTest::newRow("cap twice") << slot41 << QByteArray(1, char(40)) << false;
        QTest::newRow("cap 85") << slot41 << QByteArray(1, char(85)) << false;
        QTest::newRow("cap 0") << slot41 << QByteArray(1, char(0)) << false;
        QTest::newRow("cap -10") << slot41 << QByteArray(1, char(-10)) << false;
        QTest::newRow("cap 127") << slot41 << QByteArray(1, char(127)) << false;
        QTest::newRow("two caps exchanged") << slot41 - 2 << QByteArray("\x29\x00\x28", 3) << true;
        QTest::newRow("name not UTF-8") << HdbReader::FirstOffset << QByteArray("An\xff") << false;
        QTest::newRow("control character")
            << HdbReader::CommentsOffset << QByteArray("calm\x01") << false;
        QTest::newRow("line break and tab in comments")
            << HdbReader::CommentsOffset << QByteArray("calm\r\nsteady\tok") << true;
        QTest::newRow("leftovers after a zero byte")
            << HdbReader::FirstOffset << QByteArray("Ann\0\xff\x01zz", 8) << true;
        QTest::newRow("date not UTF-8") << HdbReader::DobOffset << QByteArray("\xc3(") << false;
    }
    void onlyWholeRecordsTaken()
    {
        QFETCH(int, offset);
        QFETCH(QByteArray, bytes);
        QFETCH(bool, taken);
        QByteArray bad = hdbRecord("Jones");
        bad.replace(offset, bytes.size(), bytes);
        const QByteArray file = hdbRecord("Smith") + bad + hdbRecord("Brown");
        int skipped = -1;
        const QList<databaseEntry> list = HdbReader::read(file, &skipped);
        QCOMPARE(list.size(), taken ? 3 : 2);
        QCOMPARE(skipped, taken ? 0 : 1);
        QCOMPARE(list.first().last, padded("Smith", 20));
        QCOMPARE(list.last().last, padded("Brown", 20));
    }

    // A record is found again after a stretch that is none, wherever it starts.
    void recordAfterGarbageFound()
    {
        for (int lead = 0; lead < 400; lead += 37) {
            QByteArray garbage(lead, 'g');
            const QList<databaseEntry> list =
                HdbReader::read(garbage + hdbRecord("Smith") + hdbRecord("Jones"));
            QCOMPARE(list.size(), 2);
            QCOMPARE(list.at(1).last, padded("Jones", 20));
        }
    }

    // A record needs its 324 field bytes; byte 324 itself is never read.
    void recordCutShort_data()
    {
        QTest::addColumn<int>("length");
        QTest::addColumn<int>("records");
        QTest::newRow("323") << 323 << 0;
        QTest::newRow("324") << 324 << 1;
        QTest::newRow("325") << 325 << 1;
        QTest::newRow("648") << 648 << 1;
        QTest::newRow("649") << 649 << 2;
        QTest::newRow("650") << 650 << 2;
    }
    void recordCutShort()
    {
        QFETCH(int, length);
        QFETCH(int, records);
        const QByteArray whole = hdbRecord("Smith") + hdbRecord("Jones");
        const QByteArray file = whole.left(length);
        QCOMPARE(HdbReader::read(file).size(), records);
    }

    // Every length of a two-record file, and of a file of nothing but letters
    // (a record may start at every byte), under the sanitizers.
    void truncatedFilesNeverReadPastTheData()
    {
        const QByteArray full = hdbRecord("Smith") + hdbRecord("Jones") + QByteArray(50, 'x');
        const QList<databaseEntry> whole = HdbReader::read(full.left(650));
        QCOMPARE(whole.size(), 2);
        const QByteArray letters(700, 'k');
        for (int length = 0; length <= 700; ++length) {
            // A copy of exactly this length, so reading past it is caught.
            const QByteArray cut(full.constData(), length);
            const QList<databaseEntry> list = HdbReader::read(cut);
            const int expected = (length >= 324 ? 1 : 0) + (length >= 649 ? 1 : 0);
            QCOMPARE(list.size(), expected);
            for (int k = 0; k < list.size(); ++k)
                QCOMPARE(list.at(k), whole.at(k));

            const QByteArray cutLetters(letters.constData(), length);
            int skipped = 0;
            QCOMPARE(HdbReader::read(cutLetters, &skipped).size(), 0);
            // Counted once per record length at most, never for no letter at all.
            QVERIFY(skipped >= (length > 0 ? 1 : 0));
            QVERIFY(skipped <= (length + HdbReader::RecordStride - 1) / HdbReader::RecordStride);
        }
    }
};

QTEST_GUILESS_MAIN(TestHdbReader)
#include "tst_hdbreader.moc"
