#include "capentrycheck.h"
#include "caporder.h"
#include "entryfixture.h"
#include "storefixture.h"
#include "traycheck.h"

#include <QtTest>

using namespace StoreFixture;
using V = QVector<int>;
using L = QStringList;
const V Tray1 = EntryFixture::tray1();

class TestCapEntryCheck : public QObject, EntryFixture
{
    Q_OBJECT

private slots:
    void trayOfAndListText()
    {
        const int trays[][2] = {{-1, -1}, {0, -1}, {1, 0},  {21, 0}, {22, 1}, {42, 1},
                                {43, 2},  {63, 2}, {64, 3}, {84, 3}, {85, 0}, {86, -1}};
        for (const auto &row : trays)
            QVERIFY2(TrayCheck::trayOf(row[0]) == row[1], qPrintable(QString::number(row[0])));
        // Runs of three or more are shortened, two in a row stay apart.
        QCOMPARE(TrayCheck::listText({}), QString());
        QCOMPARE(TrayCheck::listText({5}), QStringLiteral("5"));
        QCOMPARE(TrayCheck::listText({5, 6}), QStringLiteral("5, 6"));
        QCOMPARE(TrayCheck::listText({5, 6, 7}), "5–7"_q);
        QCOMPARE(TrayCheck::listText({1, 2, 3, 5, 7, 8, 9, 10, 85}), "1–3, 5, 7–10, 85"_q);
    }

    // The problem text names every list of the check (missing, other trays,
    // repeats, entries that are no caps), so it stands for them on incomplete trays.
    void checkTray_data()
    {
        QTest::addColumn<int>("tray");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("typed");
        QTest::addColumn<QString>("problems");
        const QString fine;
        // Correct trays, however they are separated.
        QTest::newRow("blanks") << 0 << joined(Tray1) << 22 << fine;
        QTest::newRow("stored form") << 0 << CapOrder::write(Tray1) << 22 << fine;
        QTest::newRow("semicolons, tabs, line breaks, runs")
            << 0 << ";;\n "_q + joined(Tray1, QStringLiteral(";\t\r\n, ")) + "\n"_q << 22 << fine;
        QTest::newRow("quoted as exported")
            << 0 << "\""_q + joined(Tray1, QStringLiteral(",")) + "\""_q << 22 << fine;
        QTest::newRow("full-width digits, ideographic comma and blank")
            << 0 << "\uFF18\uFF15\u3001\uFF11\u3000"_q + joined(range(2, 21)) << 22 << fine;
        QTest::newRow("line and paragraph separators")
            << 0 << joined(Tray1, QStringLiteral("\u2028")) + "\u2029"_q << 22 << fine;
        QTest::newRow("leading zeros") << 0 << "085 01 002 "_q + joined(range(3, 21)) << 22 << fine;
        QTest::newRow("last tray reversed")
            << 3 << "84 83 82 81 80 79 78 77 76 75 74 73 72 71 70 69 68 67 66 65 64"_q << 21
            << fine;
        // Each kind of problem alone.
        QTest::newRow("nothing typed") << 0 << " ,; "_q << 0 << "missing 1–21, 85"_q;
        QTest::newRow("missing 17, 18")
            << 0 << joined(V{85} + range(1, 16) + range(19, 21)) << 20 << "missing 17, 18"_q;
        QTest::newRow("half typed") << 1 << joined(range(22, 32)) << 11 << "missing 33–42"_q;
        QTest::newRow("cap of tray 2 instead of 20")
            << 0 << joined(V{85} + range(1, 19) + V{24, 21}) << 22
            << "missing 20 · 24 belongs to tray 2"_q;
        QTest::newRow("85 in tray 2")
            << 1 << joined(V{85} + range(23, 42)) << 21 << "missing 22 · 85 belongs to tray 1"_q;
        QTest::newRow("a cap typed twice")
            << 0 << joined(V{85} + range(1, 9) + V{9} + range(11, 21)) << 22
            << "missing 10 · 9 typed twice"_q;
        QTest::newRow("a cap typed three times")
            << 2 << joined(V{50, 50, 50} + range(43, 49) + range(52, 63)) << 22
            << "missing 51 · 50 typed more than twice"_q;
        QTest::newRow("zero is no cap")
            << 0 << "0 "_q + joined(range(1, 21)) << 22 << "missing 85 · 0 is not a cap number"_q;
        QTest::newRow("86, a word, a sign, a huge number")
            << 3 << joined(range(64, 80)) + " 86 x7 +81 -82 99999999999999999999 83 84"_q << 24
            << "missing 81, 82 · 86, x7, +81, -82, 999999999999… are not cap numbers"_q;
        QTest::newRow("too many entries")
            << 0 << joined(Tray1) + " 21"_q << 23 << "21 typed twice"_q;
        // The example the form shows, and everything at once.
        QTest::newRow("missing, other tray, twice")
            << 0 << joined(V{85} + range(1, 16) + V{24, 9, 19, 20, 21}) << 22
            << "missing 17, 18 · 24 belongs to tray 2 · 9 typed twice"_q;
        QTest::newRow("every kind")
            << 1 << "22 23 23 1 2 64 65 66 43 0 abc 30, 31;32\n33"_q << 15
            << "missing 24–29, 34–42 · 1, 2 belong to tray 1 · 43 belongs to "
               "tray 3 · 64–66 belong to tray 4 · 23 typed twice · 0, abc "
               "are not cap numbers"_q;
        QTest::newRow("more entries than are named")
            << 1 << "a b c d e f g h i j "_q + joined(range(22, 42)) << 31
            << "a, b, c, d, e, f, g, h, … are not cap numbers"_q;
    }
    void checkTray()
    {
        QFETCH(int, tray);
        QFETCH(QString, text);
        QFETCH(int, typed);
        QFETCH(QString, problems);
        const TrayCheck check = TrayCheck::check(tray, text);
        QCOMPARE(check.tray(), tray);
        QCOMPARE(check.typedCount(), typed);
        QCOMPARE(check.problemText(), problems);
        QCOMPARE(check.isComplete(), problems.isEmpty());
        if (check.isComplete()) {
            QVERIFY(check.missing().isEmpty() && check.repeated().isEmpty());
            QVERIFY(check.otherTray().isEmpty() && check.notCapCount() == 0);
            // The new order is exactly what was typed.
            V sorted = check.caps();
            V own = TrayCheck::capsOf(tray);
            std::sort(sorted.begin(), sorted.end());
            std::sort(own.begin(), own.end());
            QCOMPARE(sorted, own);
        }
    }

    void typedOrderKeptAndLongInputBounded()
    {
        const TrayCheck typed = TrayCheck::check(0, QStringLiteral("3 85 x 1 2 2"));
        QCOMPARE(typed.caps(), (V{3, 85, 1, 2, 2}));
        QCOMPARE(typed.timesTyped(2), 2);
        QCOMPARE(typed.timesTyped(86), 0);
        // A whole page pasted into one line: counted in full, kept within bounds.
        QStringList entries;
        for (int i = 0; i < 30000; ++i)
            entries << QString::number(i % 90);
        const TrayCheck check =
            TrayCheck::check(0, entries.join(QLatin1Char(' ')) + QLatin1Char(' ') +
                                    QString(100000, QLatin1Char('7')));
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
        QTest::addColumn<V>("arrangement");
        QTest::addColumn<L>("problems");
        const V untouched = CapOrder::untouched();
        const L fine{QString(), QString(), QString(), QString()};
        QTest::newRow("stored form") << CapOrder::write(untouched) << untouched << fine;
        QTest::newRow("bare commas") << joined(untouched, QStringLiteral(",")) << untouched << fine;
        QTest::newRow("CSV cap-order part")
            << joined(untouched, QStringLiteral(",")) + ",,"_q << untouched << fine;
        QTest::newRow("one tray per line")
            << joined(untouched.mid(0, 22)) + "\n"_q + joined(untouched.mid(22, 21)) + "\r\n"_q +
                   joined(untouched.mid(43, 21)) + "\n"_q + joined(untouched.mid(64))
            << untouched << fine;
        V swapped = untouched;
        std::swap(swapped[3], swapped[70]);
        QTest::newRow("caps exchanged across trays")
            << joined(swapped) << V{}
            << L{"missing 3 · 70 belongs to tray 4"_q, QString(), QString(),
                 "missing 70 · 3 belongs to tray 1"_q};
        V short84 = untouched;
        short84.removeOne(30);
        QTest::newRow("one cap left out shifts the later trays")
            << joined(short84) << V{}
            << L{QString(), "missing 30 · 43 belongs to tray 3"_q,
                 "missing 43 · 64 belongs to tray 4"_q, "missing 64"_q};
        QTest::newRow("one more goes to the last tray")
            << joined(untouched) + " 7"_q << V{} << L{{}, {}, {}, "7 belongs to tray 1"_q};
        QTest::newRow("empty") << QString() << V{}
                               << L{"missing 1–21, 85"_q, "missing 22–42"_q, "missing 43–63"_q,
                                    "missing 64–84"_q};
    }
    void wholeText()
    {
        QFETCH(QString, text);
        QFETCH(V, arrangement);
        QFETCH(L, problems);
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

    void splitTraysAndFewerTrayTexts()
    {
        const QStringList parts =
            CapEntryCheck::splitTrays(QString("  "_q + CapOrder::write(CapOrder::untouched())));
        QCOMPARE(parts.size(), 4);
        QCOMPARE(parts.at(0), joined(Tray1, QStringLiteral(", ")));
        QCOMPARE(parts.at(3), joined(range(64, 84), QStringLiteral(", ")));
        QCOMPARE(CapEntryCheck::splitTrays(QStringLiteral("1 2")), (L{"1 2"_q, {}, {}, {}}));
        // Trays without a text read as empty.
        const CapEntryCheck check = CapEntryCheck::check(L{joined(Tray1)});
        QVERIFY(check.tray(0).isComplete());
        QCOMPARE(check.tray(3).typedCount(), 0);
        QCOMPARE(check.tray(3).missing(), range(64, 84));
        QVERIFY(check.arrangement().isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestCapEntryCheck)
#include "tst_capentrycheck.moc"
