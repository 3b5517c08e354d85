#include "capentrycheck.h"
#include "caporder.h"
#include "entryfixture.h"
#include "storefixture.h"
#include "testsupport.h"
#include "traycheck.h"

#include <QtTest>

using namespace StoreFixture;
using V = QVector<int>;
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

    // Each row: tray, text, entries typed, problems. The problem text names every
    // list of the check (missing, other trays, repeats, entries that are no caps),
    // so it stands for them on incomplete trays.
    void checkTray()
    {
        const struct
        {
            int tray;
            QString text;
            int typed;
            QString problems;
        } rows[] = {
            // Correct trays, however they are separated.
            {0, joined(Tray1), 22, {}},
            {0, CapOrder::write(Tray1), 22, {}},
            {0, ";;\n "_q + joined(Tray1, QStringLiteral(";\t\r\n, ")) + "\n"_q, 22, {}},
            {0, "\""_q + joined(Tray1, QStringLiteral(",")) + "\""_q, 22, {}},
            {0, "\uFF18\uFF15\u3001\uFF11\u3000"_q + joined(range(2, 21)), 22, {}},
            {0, joined(Tray1, QStringLiteral("\u2028")) + "\u2029"_q, 22, {}},
            {0, "085 01 002 "_q + joined(range(3, 21)), 22, {}},
            {3, "84 83 82 81 80 79 78 77 76 75 74 73 72 71 70 69 68 67 66 65 64"_q, 21, {}},
            // Each kind of problem alone.
            {0, " ,; "_q, 0, "missing 1–21, 85"_q},
            {1, joined(range(22, 32)), 11, "missing 33–42"_q},
            {1, joined(V{85} + range(23, 42)), 21, "missing 22 · 85 belongs to tray 1"_q},
            {2, joined(V{50, 50, 50} + range(43, 49) + range(52, 63)), 22,
             "missing 51 · 50 typed more than twice"_q},
            {0, "0 "_q + joined(range(1, 21)), 22, "missing 85 · 0 is not a cap number"_q},
            {3, joined(range(64, 80)) + " 86 x7 +81 -82 99999999999999999999 83 84"_q, 24,
             "missing 81, 82 · 86, x7, +81, -82, 999999999999… are not cap numbers"_q},
            {0, joined(Tray1) + " 21"_q, 23, "21 typed twice"_q},
            // Several kinds at once: the example the form shows, and every kind.
            {0, joined(V{85} + range(1, 16) + V{24, 9, 19, 20, 21}), 22,
             "missing 17, 18 · 24 belongs to tray 2 · 9 typed twice"_q},
            {1, "22 23 23 1 2 64 65 66 43 0 abc 30, 31;32\n33"_q, 15,
             "missing 24–29, 34–42 · 1, 2 belong to tray 1 · 43 belongs to tray 3 · 64–66 belong "
             "to tray 4 · 23 typed twice · 0, abc are not cap numbers"_q},
            {1, "a b c d e f g h i j "_q + joined(range(22, 42)), 31,
             "a, b, c, d, e, f, g, h, … are not cap numbers"_q},
        };
        for (const auto &r : rows) {
            const TrayCheck check = TrayCheck::check(r.tray, r.text);
            QCOMPARE(check.problemText(), r.problems);
            QVERIFY2(check.tray() == r.tray && check.typedCount() == r.typed, qPrintable(r.text));
            QCOMPARE(check.isComplete(), r.problems.isEmpty());
            if (check.isComplete()) {
                QVERIFY(check.missing().isEmpty() && check.repeated().isEmpty());
                QVERIFY(check.otherTray().isEmpty() && check.notCapCount() == 0);
                // The new order is exactly what was typed.
                const V own = TrayCheck::capsOf(r.tray), caps = check.caps();
                QVERIFY(std::is_permutation(own.begin(), own.end(), caps.begin(), caps.end()));
            }
        }
    }

    void typedOrderKeptAndLongInputBounded()
    {
        const TrayCheck typed = TrayCheck::check(0, QStringLiteral("3 85 x 1 2 2"));
        QCOMPARE(typed.caps(), (V{3, 85, 1, 2, 2}));
        QVERIFY(typed.timesTyped(2) == 2 && typed.timesTyped(86) == 0);
        // A whole page pasted into one line: counted in full, kept within bounds.
        QStringList entries;
        for (int i = 0; i < 30000; ++i)
            entries << QString::number(i % 90);
        entries << QString(100000, QLatin1Char('7'));
        const TrayCheck check = TrayCheck::check(0, entries.join(QLatin1Char(' ')));
        QCOMPARE(check.typedCount(), 30001);
        QVERIFY(check.caps().size() == TrayCheck::MaxCap && check.timesTyped(5) == 255);
        QCOMPARE(check.notCaps().size(), TrayCheck::MaxNamed);
        // 0 and 86-89 in every 90, 0 once more in the last 30, and the long run.
        QCOMPARE(check.notCapCount(), 333 * 5 + 1 + 1);
        QVERIFY(!check.isComplete() && check.missing().isEmpty());
    }

    // A whole text falls to the trays by position; each row gives the four trays'
    // problems, and the four tray texts split from it read back as the same check.
    void wholeText()
    {
        const V untouched = CapOrder::untouched();
        const V swapped = TestSupport::swapped(untouched, 3, 70);
        V short84 = untouched;
        short84.removeOne(30);
        const QString rows[][2] = {
            {CapOrder::write(untouched), "|||"_q},
            {joined(untouched, QStringLiteral(",")), "|||"_q},
            {joined(untouched, QStringLiteral(",")) + ",,"_q, "|||"_q}, // a CSV line's part
            {joined(untouched.mid(0, 22)) + "\n"_q + joined(untouched.mid(22, 21)) + "\r\n"_q +
                 joined(untouched.mid(43, 21)) + "\n"_q + joined(untouched.mid(64)),
             "|||"_q},
            {joined(swapped),
             "missing 3 · 70 belongs to tray 4|||missing 70 · 3 belongs to tray 1"_q},
            // One cap left out shifts the later trays; one more goes to the last.
            {joined(short84), "|missing 30 · 43 belongs to tray 3|missing 43 · 64 belongs to "
                              "tray 4|missing 64"_q},
            {joined(untouched) + " 7"_q, "|||7 belongs to tray 1"_q},
            {QString(), "missing 1–21, 85|missing 22–42|missing 43–63|missing 64–84"_q}};
        for (const auto &row : rows) {
            const CapEntryCheck check = CapEntryCheck::check(row[0]);
            QStringList found;
            for (int t = 0; t < TrayCheck::Trays; ++t)
                found << check.tray(t).problemText();
            QCOMPARE(found.join(QLatin1Char('|')), row[1]);
            QCOMPARE(check.arrangement(), row[1] == "|||"_q ? untouched : V());
            QCOMPARE(check.isComplete(), row[1] == "|||"_q);
            const CapEntryCheck again = CapEntryCheck::check(CapEntryCheck::splitTrays(row[0]));
            QVERIFY(again.arrangement() == check.arrangement() &&
                    again.typedCount() == check.typedCount());
        }
        const QStringList parts =
            CapEntryCheck::splitTrays(QString("  "_q + CapOrder::write(CapOrder::untouched())));
        QCOMPARE(parts.size(), 4);
        QCOMPARE(parts.at(0), joined(Tray1, QStringLiteral(", ")));
        QCOMPARE(parts.at(3), joined(range(64, 84), QStringLiteral(", ")));
        QCOMPARE(CapEntryCheck::splitTrays(QStringLiteral("1 2")),
                 (QStringList{"1 2"_q, {}, {}, {}}));
        // Trays without a text read as empty.
        const CapEntryCheck check = CapEntryCheck::check(QStringList{joined(Tray1)});
        QVERIFY(check.tray(0).isComplete());
        QCOMPARE(check.tray(3).typedCount(), 0);
        QCOMPARE(check.tray(3).missing(), range(64, 84));
        QVERIFY(check.arrangement().isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestCapEntryCheck)
#include "tst_capentrycheck.moc"
