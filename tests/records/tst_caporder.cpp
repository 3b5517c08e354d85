#include "caporder.h"
#include "entryfixture.h"

#include <QtTest>

class TestCapOrder : public QObject, EntryFixture
{
    Q_OBJECT

private slots:
    void writtenFormAndTrays()
    {
        const QString text = CapOrder::write(CapOrder::untouched());
        QVERIFY(text.startsWith(QLatin1String("85, 1, 2, 3, ")) &&
                text.endsWith(QLatin1String("83, 84, ")));
        QCOMPARE(text.split(QLatin1Char(',')).size(), 86); // empty after the final comma
        QCOMPARE(CapOrder::read(text), CapOrder::untouched());
        QVERIFY(CapOrder::trayStart(0) == 0 && CapOrder::trayStart(1) == 22);
        QVERIFY(CapOrder::trayStart(3) == 64 &&
                CapOrder::trayStart(3) + CapOrder::traySize(3) == 85);
    }

    // Short texts are returned short, never padded, and are not complete.
    void readPieces_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QVector<int>>("expected");
        using V = QVector<int>;
        QTest::newRow("blank before") << QStringLiteral(" 7,8") << V{7, 8};
        QTest::newRow("line break after") << QStringLiteral("7\n,8") << V{7, 8};
        QTest::newRow("tabs and CR LF") << QStringLiteral("\t7\r\n,\t 8 ") << V{7, 8};
        QTest::newRow("letters read 0") << QStringLiteral("abc,5") << V{0, 5};
        QTest::newRow("digits then letter") << QStringLiteral("5x,5") << V{0, 5};
        QTest::newRow("empty pieces kept") << QStringLiteral("1,,2,") << V{1, 0, 2, 0};
        QTest::newRow("empty text") << QString() << V{0};
        QTest::newRow("one piece") << QStringLiteral("1") << V{1};
        QTest::newRow("84 pieces") << joined(range(1, 84), QStringLiteral(",")) << range(1, 84);
        QTest::newRow("signs") << QStringLiteral("-3,+4") << V{-3, 4};
        QTest::newRow("lone sign") << QStringLiteral("-,+") << V{0, 0};
        QTest::newRow("overflow reads 0") << QStringLiteral("99999999999,2147483647,-2147483648")
                                          << V{0, 2147483647, -2147483647 - 1};
        QTest::newRow("quote is not a digit") << QStringLiteral("\"85,1") << V{0, 1};
        QTest::newRow("inner blank") << QStringLiteral("1 2,3") << V{0, 3};
        QTest::newRow("bare commas")
            << joined(CapOrder::untouched(), QStringLiteral(",")) << CapOrder::untouched();
        QTest::newRow("only the first 85")
            << CapOrder::write(CapOrder::untouched()) + QLatin1String("7, 8, 9, ")
            << CapOrder::untouched();
    }
    void readPieces()
    {
        QFETCH(QString, text);
        QFETCH(QVector<int>, expected);
        const QVector<int> caps = CapOrder::read(text);
        QCOMPARE(caps, expected);
        QCOMPARE(CapOrder::isComplete(caps), expected.size() == CapOrder::Positions);
    }

    void fullSetHoldsEachCapOnce_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QVector<int>>("expected");
        QTest::addColumn<bool>("alreadyFull");
        using V = QVector<int>;
        const V ascending = range(1, 85);
        const V untouched = CapOrder::untouched();
        QTest::newRow("untouched") << CapOrder::write(untouched) << untouched << true;
        QTest::newRow("short, written form")
            << QStringLiteral("85, 3, 1, ") << V{85, 3, 1, 2} + range(4, 84) << false;
        QTest::newRow("trailing empty pieces") << QStringLiteral("85,1,2,,") << untouched << false;
        QTest::newRow("zero, repeat, out of range in a full-length text")
            << CapOrder::write(V{0, 5, 5, 86, -1} + range(6, 85))
            << V{5} + range(6, 85) + V{1, 2, 3, 4} << false;
        QTest::newRow("one repeat in a full-length text")
            << CapOrder::write(V{85, 85} + range(2, 84)) << V{85} + range(2, 84) + V{1} << false;
        QTest::newRow("empty text") << QString() << ascending << false;
        QTest::newRow("values past 85 ignored")
            << CapOrder::write(ascending + V{0, 0}) << ascending << true;
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
};

QTEST_GUILESS_MAIN(TestCapOrder)
#include "tst_caporder.moc"
