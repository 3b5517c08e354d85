#include "testsupport.h"
#include "testtablemodel.h"

#include <QtTest>

class TestTestTableModel : public QObject
{
    Q_OBJECT

    // Records with ids 1, 2, ...; the column given holds the values (column 0 numbers them).
    static QList<databaseEntry> records(int column, const QStringList &values)
    {
        QList<databaseEntry> list;
        for (int i = 0; i < values.size(); ++i) {
            databaseEntry e = TestSupport::sampleEntry(QStringLiteral("F"), QStringLiteral("L"));
            e.testID = QString::number(i + 1);
            if (column > 0)
                const_cast<QString &>(TestTableModel::field(e, column)) = values.at(i);
            list.append(e);
        }
        return list;
    }
    static void row(const char *name, int col, const char *values, const char *up, const char *down)
    {
        QTest::newRow(name) << col << TestSupport::texts({values, up, down});
    }
    static QString column(const TestTableModel &m, int c)
    {
        QStringList texts;
        for (int r = 0; r < m.rowCount(); ++r)
            texts.append(m.text(r, c));
        return texts.join(QLatin1Char(' '));
    }

private slots:
    void sort_data()
    {
        QTest::addColumn<int>("col");
        // Values one per record, comma-separated; test ids in row order, ascending and descending.
        QTest::addColumn<QStringList>("r");
        // Text columns sort by character codes: capitals first, numbers and dates as text.
        row("capitals first", 3, "apple,Banana,banana,Apple", "4 2 1 3", "3 1 2 4");
        row("time as text", 7, "20,100,3,9", "2 1 3 4", "4 3 1 2");
        row("TES as text", 16, "12,4,104,", "4 3 1 2", "2 1 3 4");
        row("dates as text", 5, "12/01/1990,02/28/2001", "2 1", "1 2");
        row("equal cells keep their order", 3, "B,A,B,A", "2 4 1 3", "1 3 2 4");
        row("number as a number", 0, ",,,,,,,,,,,", "1 2 3 4 5 6 7 8 9 10 11 12",
            "12 11 10 9 8 7 6 5 4 3 2 1");
    }
    void sort()
    {
        QFETCH(int, col);
        QFETCH(QStringList, r);
        TestTableModel m;
        m.setEntries(records(col, r.at(0).split(QLatin1Char(','))));
        QCOMPARE(m.sortColumn(), -1);
        m.sort(col, Qt::AscendingOrder);
        QCOMPARE(column(m, TestTableModel::IdColumn), r.at(1));
        m.sort(col, Qt::DescendingOrder);
        QCOMPARE(column(m, TestTableModel::IdColumn), r.at(2));
        // A row keeps its record and its number whatever the order.
        QCOMPARE(column(m, 0), column(m, TestTableModel::IdColumn));
    }

    void cellsFillAndHeldIndexes()
    {
        TestTableModel m;
        databaseEntry e = TestSupport::sampleEntry(QStringLiteral("Ann"), QStringLiteral("Lee"));
        e.testID = QStringLiteral("42");
        e.tes = QStringLiteral("8");
        m.setEntries({e});
        QCOMPARE(m.columnCount(), 18);
        QString cells;
        for (int c = 0; c < 18; ++c)
            cells += m.text(0, c) + QLatin1Char('|');
        QCOMPARE(cells,
                 QStringLiteral("1|Ann|M|Lee|R-Ann|01/02/1980|03/04/2025|12|no remarks|Female|"
                                "1 - 2 years|D65|Textiles|Quality Control|Europe|1234|8|42|"));
        // The running number is a number; the whole comment is the tooltip of its column only.
        QCOMPARE(m.data(m.index(0, 0)).userType(), int(QMetaType::Int));
        QCOMPARE(m.data(m.index(0, 8), Qt::ToolTipRole), QVariant(e.comments));
        QVERIFY(!m.data(m.index(0, 7), Qt::ToolTipRole).isValid() &&
                !m.data(m.index(1, 0)).isValid());
        QCOMPARE(m.flags(m.index(0, 3)), Qt::ItemIsSelectable | Qt::ItemIsEnabled); // not editable

        // A fill keeps the sort and numbers the rows in fill order.
        m.sort(3, Qt::DescendingOrder);
        m.setEntries(records(3, TestSupport::texts({"A", "Z", "M"})));
        QVERIFY(m.sortColumn() == 3 && m.sortOrder() == Qt::DescendingOrder);
        QCOMPARE(column(m, 3), QStringLiteral("Z M A"));
        QCOMPARE(column(m, 0), QStringLiteral("2 3 1"));
        const QPersistentModelIndex held(m.index(0, 5)); // held indexes follow their records
        m.sort(3, Qt::AscendingOrder);
        QVERIFY(held.row() == 2 && held.column() == 5);
        QCOMPARE(m.rowsOfTests({QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("99")}),
                 (QHash<QString, int>{{QStringLiteral("1"), 0}, {QStringLiteral("2"), 2}}));
    }
};

QTEST_GUILESS_MAIN(TestTestTableModel)
#include "tst_testtablemodel.moc"
