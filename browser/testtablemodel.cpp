#include "testtablemodel.h"

#include <algorithm>
#include <numeric>

TestTableModel::TestTableModel(QObject *parent) : QAbstractTableModel(parent) {}

const QString &TestTableModel::field(const databaseEntry &e, int column)
{
    static const QString none;
    switch (column) {
    case 1:
        return e.first;
    case 2:
        return e.middle;
    case 3:
        return e.last;
    case 4:
        return e.refNum;
    case 5:
        return e.DOB;
    case 6:
        return e.testDate;
    case 7:
        return e.time;
    case 8:
        return e.comments;
    case 9:
        return e.gender;
    case 10:
        return e.experience;
    case 11:
        return e.illumination;
    case 12:
        return e.industry;
    case 13:
        return e.job;
    case 14:
        return e.location;
    case 15:
        return e.serialNum;
    case TesColumn:
        return e.tes;
    case IdColumn:
        return e.testID;
    default:
        return none;
    }
}

void TestTableModel::setEntries(const QList<databaseEntry> &entries)
{
    QVector<int> picked(entries.size());
    std::iota(picked.begin(), picked.end(), 0);
    setEntries(entries.toVector(), picked);
}

void TestTableModel::setEntries(const QVector<databaseEntry> &records, const QVector<int> &picked)
{
    beginResetModel();
    source = records;
    rows.clear();
    rows.reserve(picked.size());
    int number = 0;
    for (int i : picked)
        rows.append(Row{++number, i});
    if (currentSortColumn >= 0) {
        const QVector<int> order = sortedOrder(currentSortColumn, currentSortOrder);
        QVector<Row> sorted;
        sorted.reserve(rows.size());
        for (int old : order)
            sorted.append(rows[old]);
        rows = std::move(sorted);
    }
    endResetModel();
}

void TestTableModel::setHeaderLabels(const QStringList &newLabels)
{
    labels = newLabels;
    emit headerDataChanged(Qt::Horizontal, 0, ColumnCount - 1);
}

QString TestTableModel::text(int row, int column) const
{
    if (row < 0 || row >= rows.size())
        return QString();
    if (column == NumberColumn)
        return QString::number(rows.at(row).number);
    return field(entry(row), column);
}

QHash<QString, int> TestTableModel::rowsOfTests(const QSet<QString> &testIDs) const
{
    QHash<QString, int> found;
    if (testIDs.isEmpty())
        return found;
    for (int r = 0; r < rows.size(); ++r) {
        const QString &id = entry(r).testID;
        if (testIDs.contains(id) && !found.contains(id))
            found.insert(id, r);
    }
    return found;
}

int TestTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : rows.size();
}

int TestTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(ColumnCount);
}

QVariant TestTableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rows.size() || index.column() >= ColumnCount)
        return QVariant();
    const Row &row = rows.at(index.row());
    // The column keeps a moderate width; the whole comment shows on hovering.
    if (role == Qt::ToolTipRole && index.column() == CommentsColumn)
        return field(source.at(row.index), CommentsColumn);
    if (role != Qt::DisplayRole && role != Qt::EditRole)
        return QVariant();
    if (index.column() == NumberColumn)
        return row.number;
    return field(source.at(row.index), index.column());
}

QVariant TestTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    if (section < 0 || section >= labels.size())
        return QString();
    return labels.at(section);
}

Qt::ItemFlags TestTableModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsSelectable | Qt::ItemIsEnabled;
}

QVector<int> TestTableModel::sortedOrder(int column, Qt::SortOrder order) const
{
    QVector<int> idx(rows.size());
    std::iota(idx.begin(), idx.end(), 0);
    const bool ascending = order == Qt::AscendingOrder;
    // Stable both ways, so equal cells keep their relative order.
    if (column == NumberColumn) {
        std::stable_sort(idx.begin(), idx.end(), [&](int a, int b) {
            const int x = rows.at(a).number;
            const int y = rows.at(b).number;
            return ascending ? x < y : y < x;
        });
    } else {
        std::stable_sort(idx.begin(), idx.end(), [&](int a, int b) {
            const QString &x = field(entry(a), column);
            const QString &y = field(entry(b), column);
            return ascending ? x < y : y < x;
        });
    }
    return idx;
}

void TestTableModel::sort(int column, Qt::SortOrder order)
{
    if (column < 0 || column >= ColumnCount)
        return;
    currentSortColumn = column;
    currentSortOrder = order;
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    const QVector<int> permutation = sortedOrder(column, order);
    QVector<int> newRowOf(rows.size());
    QVector<Row> sorted;
    sorted.reserve(rows.size());
    for (int i = 0; i < permutation.size(); ++i) {
        newRowOf[permutation[i]] = i;
        sorted.append(rows[permutation[i]]);
    }
    rows = std::move(sorted);
    // Selections and other held indexes follow their records.
    const QModelIndexList before = persistentIndexList();
    QModelIndexList after;
    after.reserve(before.size());
    for (const QModelIndex &i : before)
        after.append(index(newRowOf.value(i.row()), i.column()));
    changePersistentIndexList(before, after);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}
