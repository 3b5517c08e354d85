#include "caporder.h"

#include <QtTest>

class TestCapOrder : public QObject
{
    Q_OBJECT

private slots:
    void writtenFormOfUntouched()
    {
        const QString text = CapOrder::write(CapOrder::untouched());
        QVERIFY(text.startsWith(QLatin1String("85, 1, 2, 3, ")));
        QVERIFY(text.endsWith(QLatin1String("83, 84, ")));
        QCOMPARE(text.count(QLatin1Char(',')), 85);
        // 86 pieces: the last one, after the final comma, is empty.
        QCOMPARE(text.split(QLatin1Char(',')).size(), 86);
        QCOMPARE(CapOrder::read(text), CapOrder::untouched());
    }

    void readPieces_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QVector<int>>("expected");
        QTest::newRow("blank before") << QStringLiteral(" 7,8") << QVector<int>{7, 8};
        QTest::newRow("line break after") << QStringLiteral("7\n,8") << QVector<int>{7, 8};
        QTest::newRow("tabs and CR LF") << QStringLiteral("\t7\r\n,\t 8 ") << QVector<int>{7, 8};
        QTest::newRow("letters read 0") << QStringLiteral("abc,5") << QVector<int>{0, 5};
        QTest::newRow("digits then letter") << QStringLiteral("5x,5") << QVector<int>{0, 5};
        QTest::newRow("empty pieces kept") << QStringLiteral("1,,2,") << QVector<int>{1, 0, 2, 0};
        QTest::newRow("empty text") << QString() << QVector<int>{0};
        QTest::newRow("signs") << QStringLiteral("-3,+4") << QVector<int>{-3, 4};
        QTest::newRow("lone sign") << QStringLiteral("-,+") << QVector<int>{0, 0};
        QTest::newRow("overflow reads 0") << QStringLiteral("99999999999,2147483647,-2147483648")
                                          << QVector<int>{0, 2147483647, -2147483647 - 1};
        QTest::newRow("quote is not a digit") << QStringLiteral("\"85,1") << QVector<int>{0, 1};
        QTest::newRow("inner blank") << QStringLiteral("1 2,3") << QVector<int>{0, 3};
    }
    void readPieces()
    {
        QFETCH(QString, text);
        QFETCH(QVector<int>, expected);
        QCOMPARE(CapOrder::read(text), expected);
    }

    void bareCommasReadLikeWrittenForm()
    {
        QStringList numbers;
        for (int cap : CapOrder::untouched())
            numbers << QString::number(cap);
        QCOMPARE(CapOrder::read(numbers.join(QLatin1Char(','))), CapOrder::untouched());
    }

    void onlyFirst85Values()
    {
        QVector<int> caps = CapOrder::untouched();
        QString text = CapOrder::write(caps) + QLatin1String("7, 8, 9, ");
        QCOMPARE(CapOrder::read(text), caps);
    }

    void shortTextIsReportedNotPadded_data()
    {
        QTest::addColumn<int>("count");
        QTest::newRow("none") << 0;
        QTest::newRow("one") << 1;
        QTest::newRow("80") << 80;
        QTest::newRow("84") << 84;
    }
    void shortTextIsReportedNotPadded()
    {
        QFETCH(int, count);
        QStringList numbers;
        for (int i = 1; i <= count; ++i)
            numbers << QString::number(i);
        const QVector<int> caps = CapOrder::read(numbers.join(QLatin1Char(',')));
        QCOMPARE(caps.size(), qMax(count, 1));
        QVERIFY(!CapOrder::isComplete(caps));
    }

    void fullSetHoldsEachCapOnce_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QVector<int>>("expected");
        QTest::addColumn<bool>("alreadyFull");
        QVector<int> ascending;
        for (int cap = 1; cap <= 85; ++cap)
            ascending.append(cap);
        const QVector<int> untouched = CapOrder::untouched();
        QTest::newRow("untouched") << CapOrder::write(untouched) << untouched << true;
        QTest::newRow("short, written form")
            << QStringLiteral("85, 3, 1, ") << QVector<int>{85, 3, 1, 2} + ascending.mid(3, 81)
            << false;
        QTest::newRow("trailing empty pieces") << QStringLiteral("85,1,2,,") << untouched << false;
        QTest::newRow("zero, repeat, out of range in a full-length text")
            << CapOrder::write(QVector<int>{0, 5, 5, 86, -1} + ascending.mid(5, 80))
            << QVector<int>{5} + ascending.mid(5, 80) + QVector<int>{1, 2, 3, 4} << false;
        QTest::newRow("one repeat in a full-length text")
            << CapOrder::write(QVector<int>{85, 85} + ascending.mid(1, 83))
            << QVector<int>{85} + ascending.mid(1, 83) + QVector<int>{1} << false;
        QTest::newRow("empty text") << QString() << ascending << false;
        QTest::newRow("values past 85 ignored")
            << CapOrder::write(ascending + QVector<int>{0, 0}) << ascending << true;
    }
    void fullSetHoldsEachCapOnce()
    {
        QFETCH(QString, text);
        QFETCH(QVector<int>, expected);
        QFETCH(bool, alreadyFull);
        const QVector<int> caps = CapOrder::read(text);
        QCOMPARE(CapOrder::fullSet(caps), expected);
        QCOMPARE(CapOrder::isFullSet(caps), alreadyFull);
        QVERIFY(CapOrder::isFullSet(CapOrder::fullSet(caps)));
    }

    void trayBounds()
    {
        QCOMPARE(CapOrder::trayStart(0), 0);
        QCOMPARE(CapOrder::trayStart(1), 22);
        QCOMPARE(CapOrder::trayStart(2), 43);
        QCOMPARE(CapOrder::trayStart(3), 64);
        QCOMPARE(CapOrder::trayStart(3) + CapOrder::traySize(3), CapOrder::Positions);
    }
};

QTEST_GUILESS_MAIN(TestCapOrder)
#include "tst_caporder.moc"
