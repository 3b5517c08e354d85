#pragma once

#include "databaseentry.h"

#include <QAbstractTableModel>
#include <QHash>
#include <QList>
#include <QSet>
#include <QStringList>
#include <QVector>

// The browser's record table: one row per test, 18 read-only columns.
// Column 0 is the running number given at the fill (sorted as a number),
// columns 1-15 the record's fields, 16 the TES, 17 the test id (all sorted as
// text by character codes, case-sensitive). A fill keeps the current sort.
class TestTableModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column
    {
        NumberColumn = 0,
        CommentsColumn = 8,
        TesColumn = 16,
        IdColumn = 17,
        ColumnCount = 18
    };

    explicit TestTableModel(QObject *parent = nullptr);

    // Replaces every row: record i gets the running number i + 1; then the rows
    // are ordered by the current sort column, if any.
    void setEntries(const QList<databaseEntry> &entries);
    // The same for records[i] for each i of picked, in that order. The
    // records are shared with the caller, not copied.
    void setEntries(const QVector<databaseEntry> &records, const QVector<int> &picked);
    void setHeaderLabels(const QStringList &labels);

    const databaseEntry &entry(int row) const { return source.at(rows.at(row).index); }
    int number(int row) const { return rows.at(row).number; }
    // Where the record of a row sits in the records the model was given.
    int sourceIndex(int row) const { return rows.at(row).index; }
    // Text of a cell as shown (column 0 as decimal text).
    QString text(int row, int column) const;
    // Rows now holding the given test ids.
    QHash<QString, int> rowsOfTests(const QSet<QString> &testIDs) const;

    int sortColumn() const { return currentSortColumn; }
    Qt::SortOrder sortOrder() const { return currentSortOrder; }

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

    // The text of a record's field in one of the columns 1-17.
    static const QString &field(const databaseEntry &e, int column);

private:
    struct Row
    {
        int number = 0;
        int index = 0; // in source
    };

    QVector<int> sortedOrder(int column, Qt::SortOrder order) const;

    QVector<databaseEntry> source;
    QVector<Row> rows;
    QStringList labels;
    int currentSortColumn = -1;
    Qt::SortOrder currentSortOrder = Qt::AscendingOrder;
};
