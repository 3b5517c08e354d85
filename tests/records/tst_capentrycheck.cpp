#include "capentrycheck.h"
#include "caporder.h"
#include "traycheck.h"

#include <QtTest>

namespace {

// Cap numbers joined by the given separator.
QString joined(const QVector<int> &caps, const QString &separator = QStringLiteral(" "))
{
    QStringList parts;
    for (int cap : caps)
        parts << QString::number(cap);
    return parts.join(separator);
}

QVector<int> range(int first, int last)
{
    QVector<int> caps;
    for (int cap = first; cap <= last; ++cap)
        caps << cap;
    return caps;
}

const QVector<int> Tray1 = QVector<int>{85} + range(1, 21);

} // namespace

class TestCapEntryCheck : public QObject
{
    Q_OBJECT

private slots:
    void trayOf_data()
    {
        QTest::addColumn<int>("cap");
        QTest::addColumn<int>("tray");
        const int rows[][2] = {{-1, -1}, {0, -1}, {1, 0},  {21, 0}, {22, 1}, {42, 1},
                               {43, 2},  {63, 2}, {64, 3}, {84, 3}, {85, 0}, {86, -1}};
        for (const auto &row : rows)
            QTest::addRow("cap %d", row[0]) << row[0] << row[1];
    }
    void trayOf()
    {
        QFETCH(int, cap);
        QFETCH(int, tray);
        QCOMPARE(TrayCheck::trayOf(cap), tray);
    }

    void listText_data()
    {
        QTest::addColumn<QVector<int>>("caps");
        QTest::addColumn<QString>("text");
        QTest::newRow("none") << QVector<int>{} << QString();
        QTest::newRow("one") << QVector<int>{5} << QStringLiteral("5");
        QTest::newRow("two in a row stay apart") << QVector<int>{5, 6} << QStringLiteral("5, 6");
        QTest::newRow("three make a run") << QVector<int>{5, 6, 7} << QStringLiteral("5\u20137");
        QTest::newRow("mixed") << QVector<int>{1, 2, 3, 5, 7, 8, 9, 10, 85}
                               << QStringLiteral("1\u20133, 5, 7\u201310, 85");
    }
    void listText()
    {
        QFETCH(QVector<int>, caps);
        QFETCH(QString, text);
        QCOMPARE(TrayCheck::listText(caps), text);
    }

    void checkTray_data()
    {
        QTest::addColumn<int>("tray");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("typed");
        QTest::addColumn<QVector<int>>("missing");
        QTest::addColumn<QVector<int>>("repeated");
        QTest::addColumn<QVector<int>>("otherTray");
        QTest::addColumn<QStringList>("notCaps");
        QTest::addColumn<QString>("problems");
        const QVector<int> none;
        const QStringList noText;
        const QString dot = QStringLiteral(" \u00B7 ");

        // Correct trays, however they are separated.
        QTest::newRow("blanks") << 0 << joined(Tray1) << 22 << none << none << none << noText
                                << QString();
        QTest::newRow("stored form")
            << 0 << CapOrder::write(Tray1) << 22 << none << none << none << noText << QString();
        QTest::newRow("semicolons, tabs, line breaks, runs")
            << 0
            << QStringLiteral(";;\n ") + joined(Tray1, QStringLiteral(";\t\r\n, ")) +
                   QStringLiteral("\n")
            << 22 << none << none << none << noText << QString();
        QTest::newRow("quoted as exported")
            << 0 << QStringLiteral("\"") + joined(Tray1, QStringLiteral(",")) + QStringLiteral("\"")
            << 22 << none << none << none << noText << QString();
        QTest::newRow("full-width digits, ideographic comma and blank")
            << 0 << QStringLiteral("\uFF18\uFF15\u3001\uFF11\u3000") + joined(range(2, 21)) << 22
            << none << none << none << noText << QString();
        QTest::newRow("line and paragraph separators")
            << 0 << joined(Tray1, QStringLiteral("\u2028")) + QStringLiteral("\u2029") << 22 << none
            << none << none << noText << QString();
        QTest::newRow("leading zeros") << 0 << QStringLiteral("085 01 002 ") + joined(range(3, 21))
                                       << 22 << none << none << none << noText << QString();
        QTest::newRow("last tray reversed")
            << 3 << joined({84, 83, 82, 81, 80, 79, 78, 77, 76, 75, 74,
                            73, 72, 71, 70, 69, 68, 67, 66, 65, 64})
            << 21 << none << none << none << noText << QString();

        // Each kind of problem alone.
        QTest::newRow("nothing typed")
            << 0 << QStringLiteral(" ,; ") << 0 << range(1, 21) + QVector<int>{85} << none << none
            << noText << QStringLiteral("missing 1\u201321, 85");
        QTest::newRow("missing 17, 18")
            << 0 << joined(QVector<int>{85} + range(1, 16) + range(19, 21)) << 20
            << QVector<int>{17, 18} << none << none << noText << QStringLiteral("missing 17, 18");
        QTest::newRow("half typed") << 1 << joined(range(22, 32)) << 11 << range(33, 42) << none
                                    << none << noText << QStringLiteral("missing 33\u201342");
        QTest::newRow("cap of tray 2 instead of 20")
            << 0 << joined(QVector<int>{85} + range(1, 19) + QVector<int>{24, 21}) << 22
            << QVector<int>{20} << none << QVector<int>{24} << noText
            << QStringLiteral("missing 20") + dot + QStringLiteral("24 belongs to tray 2");
        QTest::newRow("85 in tray 2")
            << 1 << joined(QVector<int>{85} + range(23, 42)) << 21 << QVector<int>{22} << none
            << QVector<int>{85} << noText
            << QStringLiteral("missing 22") + dot + QStringLiteral("85 belongs to tray 1");
        QTest::newRow("a cap typed twice")
            << 0 << joined(QVector<int>{85} + range(1, 9) + QVector<int>{9} + range(11, 21)) << 22
            << QVector<int>{10} << QVector<int>{9} << none << noText
            << QStringLiteral("missing 10") + dot + QStringLiteral("9 typed twice");
        QTest::newRow("a cap typed three times")
            << 2 << joined(QVector<int>{50, 50, 50} + range(43, 49) + range(52, 63)) << 22
            << QVector<int>{51} << QVector<int>{50} << none << noText
            << QStringLiteral("missing 51") + dot + QStringLiteral("50 typed more than twice");
        QTest::newRow("zero is no cap")
            << 0 << QStringLiteral("0 ") + joined(range(1, 21)) << 22 << QVector<int>{85} << none
            << none << QStringList{QStringLiteral("0")}
            << QStringLiteral("missing 85") + dot + QStringLiteral("0 is not a cap number");
        QTest::newRow("86, a word, a sign, a huge number")
            << 3
            << joined(range(64, 80)) + QStringLiteral(" 86 x7 +81 -82 99999999999999999999 83 84")
            << 24 << QVector<int>{81, 82} << none << none
            << QStringList{QStringLiteral("86"), QStringLiteral("x7"), QStringLiteral("+81"),
                           QStringLiteral("-82"), QStringLiteral("999999999999\u2026")}
            << QStringLiteral("missing 81, 82") + dot +
                   QStringLiteral("86, x7, +81, -82, 999999999999\u2026 are not cap numbers");
        QTest::newRow("too many entries")
            << 0 << joined(Tray1) + QStringLiteral(" 21") << 23 << none << QVector<int>{21} << none
            << noText << QStringLiteral("21 typed twice");

        // The example the form shows, and everything at once.
        QTest::newRow("missing, other tray, twice")
            << 0 << joined(QVector<int>{85} + range(1, 16) + QVector<int>{24, 9, 19, 20, 21}) << 22
            << QVector<int>{17, 18} << QVector<int>{9} << QVector<int>{24} << noText
            << QStringLiteral("missing 17, 18") + dot + QStringLiteral("24 belongs to tray 2") +
                   dot + QStringLiteral("9 typed twice");
        QTest::newRow("every kind")
            << 1 << QStringLiteral("22 23 23 1 2 64 65 66 43 0 abc 30, 31;32\n33") << 15
            << range(24, 29) + range(34, 42) << QVector<int>{23}
            << QVector<int>{1, 2, 43, 64, 65, 66}
            << QStringList{QStringLiteral("0"), QStringLiteral("abc")}
            << QStringLiteral("missing 24\u201329, 34\u201342") + dot +
                   QStringLiteral("1, 2 belong to tray 1") + dot +
                   QStringLiteral("43 belongs to tray 3") + dot +
                   QStringLiteral("64\u201366 belong to tray 4") + dot +
                   QStringLiteral("23 typed twice") + dot +
                   QStringLiteral("0, abc are not cap numbers");
        QTest::newRow("more entries than are named")
            << 1 << QStringLiteral("a b c d e f g h i j ") + joined(range(22, 42)) << 31 << none
            << none << none
            << QStringList{QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"),
                           QStringLiteral("d"), QStringLiteral("e"), QStringLiteral("f"),
                           QStringLiteral("g"), QStringLiteral("h")}
            << QStringLiteral("a, b, c, d, e, f, g, h, \u2026 are not cap numbers");
    }
    void checkTray()
    {
        QFETCH(int, tray);
        QFETCH(QString, text);
        QFETCH(int, typed);
        QFETCH(QVector<int>, missing);
        QFETCH(QVector<int>, repeated);
        QFETCH(QVector<int>, otherTray);
        QFETCH(QStringList, notCaps);
        QFETCH(QString, problems);

        const TrayCheck check = TrayCheck::check(tray, text);
        QCOMPARE(check.tray(), tray);
        QCOMPARE(check.typedCount(), typed);
        QCOMPARE(check.missing(), missing);
        QCOMPARE(check.repeated(), repeated);
        QCOMPARE(check.otherTray(), otherTray);
        QCOMPARE(check.notCaps(), notCaps);
        QCOMPARE(check.notCapCount() > 0, !notCaps.isEmpty());
        QCOMPARE(check.problemText(), problems);
        QCOMPARE(check.isComplete(), problems.isEmpty());
        if (check.isComplete()) {
            // The new order is exactly what was typed.
            QCOMPARE(check.caps().size(), check.size());
            QVector<int> sorted = check.caps();
            std::sort(sorted.begin(), sorted.end());
            QVector<int> own = TrayCheck::capsOf(tray);
            std::sort(own.begin(), own.end());
            QCOMPARE(sorted, own);
        }
    }

    void typedOrderKept()
    {
        const TrayCheck check = TrayCheck::check(0, QStringLiteral("3 85 x 1 2 2"));
        QCOMPARE(check.caps(), (QVector<int>{3, 85, 1, 2, 2}));
        QCOMPARE(check.timesTyped(2), 2);
        QCOMPARE(check.timesTyped(86), 0);
    }

    void veryLongInput()
    {
        // A whole page pasted into one line: counted in full, kept within bounds.
        QStringList entries;
        for (int i = 0; i < 30000; ++i)
            entries << QString::number(i % 90);
        QString text = entries.join(QLatin1Char(' ')) + QLatin1Char(' ');
        text += QString(100000, QLatin1Char('7'));
        const TrayCheck check = TrayCheck::check(0, text);
        QCOMPARE(check.typedCount(), 30001);
        QCOMPARE(check.caps().size(), TrayCheck::MaxCap);
        QCOMPARE(check.notCaps().size(), TrayCheck::MaxNamed);
        // 0 and 86-89 in every 90, 0 once more in the last 30, and the long run.
        QCOMPARE(check.notCapCount(), 333 * 5 + 1 + 1);
        QCOMPARE(check.timesTyped(5), 255);
        QVERIFY(!check.isComplete());
        QVERIFY(check.missing().isEmpty());
    }

    void wholeText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QVector<int>>("arrangement");
        QTest::addColumn<QStringList>("problems");
        const QVector<int> untouched = CapOrder::untouched();
        const QStringList fine{QString(), QString(), QString(), QString()};
        const QString dot = QStringLiteral(" \u00B7 ");

        QTest::newRow("stored form") << CapOrder::write(untouched) << untouched << fine;
        QTest::newRow("bare commas") << joined(untouched, QStringLiteral(",")) << untouched << fine;
        QTest::newRow("CSV cap-order part")
            << joined(untouched, QStringLiteral(",")) + QStringLiteral(",,") << untouched << fine;
        QTest::newRow("one tray per line")
            << joined(untouched.mid(0, 22)) + QStringLiteral("\n") + joined(untouched.mid(22, 21)) +
                   QStringLiteral("\r\n") + joined(untouched.mid(43, 21)) + QStringLiteral("\n") +
                   joined(untouched.mid(64))
            << untouched << fine;
        QVector<int> swapped = untouched;
        std::swap(swapped[3], swapped[70]);
        QTest::newRow("caps exchanged across trays")
            << joined(swapped) << QVector<int>{}
            << QStringList{
                   QStringLiteral("missing 3") + dot + QStringLiteral("70 belongs to tray 4"),
                   QString(), QString(),
                   QStringLiteral("missing 70") + dot + QStringLiteral("3 belongs to tray 1")};
        QVector<int> short84 = untouched;
        short84.removeOne(30);
        QTest::newRow("one cap left out shifts the later trays")
            << joined(short84) << QVector<int>{}
            << QStringList{
                   QString(),
                   QStringLiteral("missing 30") + dot + QStringLiteral("43 belongs to tray 3"),
                   QStringLiteral("missing 43") + dot + QStringLiteral("64 belongs to tray 4"),
                   QStringLiteral("missing 64")};
        QTest::newRow("one more goes to the last tray")
            << joined(untouched) + QStringLiteral(" 7") << QVector<int>{}
            << QStringList{QString(), QString(), QString(), QStringLiteral("7 belongs to tray 1")};
        QTest::newRow("empty") << QString() << QVector<int>{}
                               << QStringList{QStringLiteral("missing 1\u201321, 85"),
                                              QStringLiteral("missing 22\u201342"),
                                              QStringLiteral("missing 43\u201363"),
                                              QStringLiteral("missing 64\u201384")};
    }
    void wholeText()
    {
        QFETCH(QString, text);
        QFETCH(QVector<int>, arrangement);
        QFETCH(QStringList, problems);
        const CapEntryCheck check = CapEntryCheck::check(text);
        QStringList found;
        for (int t = 0; t < TrayCheck::Trays; ++t)
            found << check.tray(t).problemText();
        QCOMPARE(found, problems);
        QCOMPARE(check.arrangement(), arrangement);
        QCOMPARE(check.isComplete(), !arrangement.isEmpty());
        // The four tray texts read back as the same check.
        const CapEntryCheck again = CapEntryCheck::check(CapEntryCheck::splitTrays(text));
        QCOMPARE(again.arrangement(), arrangement);
        QCOMPARE(again.typedCount(), check.typedCount());
    }

    void splitTraysKeepsInnerSeparators()
    {
        const QStringList parts = CapEntryCheck::splitTrays(
            QString(QStringLiteral("  ") + CapOrder::write(CapOrder::untouched())));
        QCOMPARE(parts.size(), 4);
        QCOMPARE(parts.at(0), joined(Tray1, QStringLiteral(", ")));
        QCOMPARE(parts.at(3), joined(range(64, 84), QStringLiteral(", ")));
        QCOMPARE(CapEntryCheck::splitTrays(QStringLiteral("1 2")),
                 (QStringList{QStringLiteral("1 2"), QString(), QString(), QString()}));
    }

    void fewerTrayTextsReadEmpty()
    {
        const CapEntryCheck check = CapEntryCheck::check(QStringList{joined(Tray1)});
        QVERIFY(check.tray(0).isComplete());
        QCOMPARE(check.tray(3).typedCount(), 0);
        QCOMPARE(check.tray(3).missing(), range(64, 84));
        QVERIFY(check.arrangement().isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestCapEntryCheck)
#include "tst_capentrycheck.moc"
