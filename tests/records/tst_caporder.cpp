#include "caporder.h"
#include "entryfixture.h"
#include "storefixture.h"

#include <QtTest>

using V = QVector<int>;
using namespace StoreFixture;

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
    void readPieces()
    {
        const std::pair<QString, V> rows[] = {
            {" 7,8"_q, {7, 8}},                          // blank before
            {"7\n,8"_q, {7, 8}},                         // line break after
            {"\t7\r\n,\t 8 "_q, {7, 8}},                 // tabs and CR LF
            {"abc,5"_q, {0, 5}},                         // letters read 0
            {"5x,5"_q, {0, 5}},                          // digits then letter
            {"1,,2,"_q, {1, 0, 2, 0}},                   // empty pieces kept
            {QString(), {0}},                            // empty text
            {"1"_q, {1}},                                // one piece
            {joined(range(1, 84), ","_q), range(1, 84)}, // 84 pieces
            {"-3,+4"_q, {-3, 4}},                        // signs
            {"-,+"_q, {0, 0}},                           // lone sign
            {"99999999999,2147483647,-2147483648"_q, {0, 2147483647, -2147483647 - 1}},
            {"\"85,1"_q, {0, 1}},                                          // quote is not a digit
            {"1 2,3"_q, {0, 3}},                                           // inner blank
            {joined(CapOrder::untouched(), ","_q), CapOrder::untouched()}, // bare commas
            {CapOrder::write(CapOrder::untouched()) + "7, 8, 9, "_q, CapOrder::untouched()}};
        for (const auto &row : rows) {
            const V caps = CapOrder::read(row.first);
            QCOMPARE(caps, row.second);
            // The same text as the file's bytes reads the same.
            const QByteArray bytes = row.first.toLatin1();
            QCOMPARE(CapOrder::read(QLatin1String(bytes.constData(), bytes.size())), row.second);
            QCOMPARE(CapOrder::isComplete(caps), row.second.size() == CapOrder::Positions);
        }
    }

    // The text, the full set made of it, and whether it already was one.
    void fullSetHoldsEachCapOnce()
    {
        const V ascending = range(1, 85), untouched = CapOrder::untouched();
        const std::tuple<QString, V, bool> rows[] = {
            {CapOrder::write(untouched), untouched, true},
            {"85, 3, 1, "_q, V{85, 3, 1, 2} + range(4, 84), false},
            {"85,1,2,,"_q, untouched, false}, // trailing empty pieces
            // Zero, repeat, out of range; a lone repeat; in full-length texts.
            {CapOrder::write(V{0, 5, 5, 86, -1} + range(6, 85)),
             V{5} + range(6, 85) + V{1, 2, 3, 4}, false},
            {CapOrder::write(V{85, 85} + range(2, 84)), V{85} + range(2, 84) + V{1}, false},
            {QString(), ascending, false},
            {CapOrder::write(ascending + V{0, 0}), ascending, true}}; // values past 85 ignored
        for (const auto &[text, expected, alreadyFull] : rows) {
            const V caps = CapOrder::read(text);
            QCOMPARE(CapOrder::fullSet(caps), expected);
            QCOMPARE(CapOrder::isFullSet(caps), alreadyFull);
            QVERIFY(CapOrder::isFullSet(CapOrder::fullSet(caps)));
        }
    }
};

QTEST_GUILESS_MAIN(TestCapOrder)
#include "tst_caporder.moc"
