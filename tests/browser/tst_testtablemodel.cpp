#include "testsupport.h"
#include "testtablemodel.h"

#include <QPersistentModelIndex>
#include <QtTest>

namespace {

databaseEntry entry(const QString &id, const QString &last, const QString &time = QString(),
                    const QString &tes = QString())
{
    databaseEntry e;
    e.testID = id;
    e.first = QStringLiteral("F") + id;
    e.last = last;
    e.time = time;
    e.tes = tes;
    return e;
}

databaseEntry entry(const char *id, const char *last)
{
    return entry(QString::fromUtf8(id), QString::fromUtf8(last));
}

void setField(databaseEntry &e, int col, const QString &value)
{
    switch (col) {
    case 3:
        e.last = value;
        break;
    case 5:
        e.DOB = value;
        break;
    case 7:
        e.time = value;
        break;
    case 16:
        e.tes = value;
        break;
    default:
        QFAIL("column not used here");
    }
}

QStringList column(const TestTableModel &m, int c)
{
    QStringList texts;
    for (int r = 0; r < m.rowCount(); ++r)
        texts.append(m.text(r, c));
    return texts;
}

} // namespace

class TestTestTableModel : public QObject
{
    Q_OBJECT

private slots:
    void cellsOfARow()
    {
        TestTableModel m;
        databaseEntry e = entry(QStringLiteral("42"), QStringLiteral("Lee"), QStringLiteral("12"),
                                QStringLiteral("8"));
        e.middle = QStringLiteral("M");
        e.refNum = QStringLiteral("R");
        e.DOB = QStringLiteral("D");
        e.testDate = QStringLiteral("TD");
        e.comments = QStringLiteral("C");
        e.gender = QStringLiteral("G");
        e.experience = QStringLiteral("E");
        e.illumination = QStringLiteral("I");
        e.industry = QStringLiteral("IN");
        e.job = QStringLiteral("J");
        e.location = QStringLiteral("L");
        e.serialNum = QStringLiteral("S");
        e.scores = QStringLiteral("not shown");
        m.setEntries({e});
        QCOMPARE(m.columnCount(), 18);
        QCOMPARE(m.rowCount(), 1);
        const QStringList expected =
            TestSupport::texts({"1", "F42", "M", "Lee", "R", "D", "TD", "12", "C", "G", "E", "I",
                                "IN", "J", "L", "S", "8", "42"});
        for (int c = 0; c < 18; ++c)
            QCOMPARE(m.text(0, c), expected.at(c));
        // The running number is a number, so views and sorts treat it as one.
        QCOMPARE(m.data(m.index(0, 0)).userType(), int(QMetaType::Int));
        QCOMPARE(m.data(m.index(0, 3)).toString(), QStringLiteral("Lee"));
        for (int c = 0; c < 18; ++c) {
            const Qt::ItemFlags f = m.flags(m.index(0, c));
            QVERIFY(f & Qt::ItemIsSelectable);
            QVERIFY(!(f & Qt::ItemIsEditable));
            // The comment, shown in a column of moderate width, is whole in its tooltip.
            QCOMPARE(m.data(m.index(0, c), Qt::ToolTipRole),
                     c == 8 ? QVariant(QStringLiteral("C")) : QVariant());
        }
        QVERIFY(!m.data(m.index(1, 0)).isValid());
    }

    void textOrder_data()
    {
        QTest::addColumn<int>("col");
        QTest::addColumn<QStringList>("values");
        QTest::addColumn<QStringList>("ascending");
        QTest::newRow("capitals first")
            << 3 << TestSupport::texts({"apple", "Banana", "banana", "Apple"})
            << TestSupport::texts({"Apple", "Banana", "apple", "banana"});
        QTest::newRow("time as text") << 7 << TestSupport::texts({"20", "100", "3", "9"})
                                      << TestSupport::texts({"100", "20", "3", "9"});
        QTest::newRow("TES as text") << 16 << TestSupport::texts({"12", "4", "104", ""})
                                     << TestSupport::texts({"", "104", "12", "4"});
        QTest::newRow("dates as text") << 5 << TestSupport::texts({"12/01/1990", "02/28/2001"})
                                       << TestSupport::texts({"02/28/2001", "12/01/1990"});
    }
    void textOrder()
    {
        QFETCH(int, col);
        QFETCH(QStringList, values);
        QFETCH(QStringList, ascending);
        QList<databaseEntry> list;
        for (int i = 0; i < values.size(); ++i) {
            databaseEntry e = entry(QString::number(i + 1), QString());
            setField(e, col, values.at(i));
            list.append(e);
        }
        TestTableModel m;
        m.setEntries(list);
        m.sort(col, Qt::AscendingOrder);
        QCOMPARE(column(m, col), ascending);
        m.sort(col, Qt::DescendingOrder);
        std::reverse(ascending.begin(), ascending.end());
        QCOMPARE(column(m, col), ascending);
    }

    void numberSortsAsNumber()
    {
        QList<databaseEntry> list;
        for (int i = 1; i <= 12; ++i)
            list.append(entry(QString::number(100 + i), QStringLiteral("L")));
        TestTableModel m;
        m.setEntries(list);
        m.sort(0, Qt::DescendingOrder);
        QCOMPARE(m.number(0), 12);
        QCOMPARE(m.number(11), 1);
        m.sort(0, Qt::AscendingOrder);
        QStringList expected;
        for (int i = 1; i <= 12; ++i)
            expected.append(QString::number(i));
        QCOMPARE(column(m, 0), expected);
        // A row keeps its record whatever the order.
        for (int r = 0; r < m.rowCount(); ++r)
            QCOMPARE(m.text(r, 17), QString::number(100 + m.number(r)));
    }

    void equalCellsKeepTheirOrder()
    {
        TestTableModel m;
        m.setEntries({entry("1", "B"), entry("2", "A"), entry("3", "B"), entry("4", "A")});
        m.sort(3, Qt::AscendingOrder);
        QCOMPARE(column(m, 17), TestSupport::texts({"2", "4", "1", "3"}));
        m.sort(3, Qt::DescendingOrder);
        QCOMPARE(column(m, 17), TestSupport::texts({"1", "3", "2", "4"}));
    }

    void fillKeepsTheSortAndNumbersInFillOrder()
    {
        TestTableModel m;
        m.setEntries({entry("1", "C"), entry("2", "A")});
        QCOMPARE(m.sortColumn(), -1);
        QCOMPARE(column(m, 3), TestSupport::texts({"C", "A"}));
        m.sort(3, Qt::DescendingOrder);
        m.setEntries({entry("7", "A"), entry("8", "Z"), entry("9", "M")});
        QCOMPARE(m.sortColumn(), 3);
        QCOMPARE(m.sortOrder(), Qt::DescendingOrder);
        QCOMPARE(column(m, 3), TestSupport::texts({"Z", "M", "A"}));
        QCOMPARE(column(m, 0), TestSupport::texts({"2", "3", "1"}));
        QCOMPARE(column(m, 17), TestSupport::texts({"8", "9", "7"}));
    }

    void heldIndexesFollowTheirRecords()
    {
        TestTableModel m;
        m.setEntries({entry("1", "C"), entry("2", "A"), entry("3", "B")});
        const QPersistentModelIndex held(m.index(0, 5));
        m.sort(3, Qt::AscendingOrder);
        QCOMPARE(held.row(), 2);
        QCOMPARE(held.column(), 5);
        QCOMPARE(m.text(held.row(), 17), QStringLiteral("1"));
    }

    void rowsOfTests()
    {
        TestTableModel m;
        m.setEntries({entry("1", "C"), entry("2", "A"), entry("3", "B")});
        m.sort(3, Qt::AscendingOrder);
        const QHash<QString, int> rows =
            m.rowsOfTests({QStringLiteral("1"), QStringLiteral("3"), QStringLiteral("99")});
        QCOMPARE(rows.size(), 2);
        QCOMPARE(rows.value(QStringLiteral("1")), 2);
        QCOMPARE(rows.value(QStringLiteral("3")), 1);
        QVERIFY(m.rowsOfTests({}).isEmpty());
    }

    void headerLabels()
    {
        TestTableModel m;
        QSignalSpy changed(&m, &QAbstractItemModel::headerDataChanged);
        QStringList labels = TestSupport::texts({"#", "First"});
        m.setHeaderLabels(labels);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(m.headerData(1, Qt::Horizontal).toString(), QStringLiteral("First"));
        QCOMPARE(m.headerData(17, Qt::Horizontal).toString(), QString());
    }
};

QTEST_GUILESS_MAIN(TestTestTableModel)
#include "tst_testtablemodel.moc"
