#include "hueswatchlinewidget.h"
#include "caporder.h"
#include "scorewidget.h"
#include "ui_hueswatchlinewidget.h"

#include <QIcon>
#include <QListWidgetItem>
#include <QResizeEvent>
#include <QScrollBar>

namespace {
const QSize SwatchSize(52, 53);
// Below this a swatch no longer shows its colour well.
constexpr int MinimumSwatch = 12;
} // namespace

HueSwatchLineWidget::HueSwatchLineWidget(QWidget *parent)
    : QWidget(parent), ui(new Ui::HueSwatchLineWidget)
{
    ui->setupUi(this);
    // The designer part allows drops from anywhere; only moves within the tray count.
    ui->listWidget->setDragDropMode(QAbstractItemView::InternalMove);
    model = ui->listWidget->model();

    connect(model, &QAbstractItemModel::rowsMoved, this, &HueSwatchLineWidget::listDragOccurred);
    connect(ui->listWidget, &QListWidget::itemPressed, this, &HueSwatchLineWidget::itemDragging);
    connect(ui->listWidget, &QListWidget::clicked, this, &HueSwatchLineWidget::clearIconsSlot);
    connect(ui->listWidget, &QListWidget::currentItemChanged, this,
            &HueSwatchLineWidget::clearIconsSlot);
    // A drag that was refused or cancelled moves nothing; its picture must still go.
    connect(ui->listWidget, &TrayListWidget::dragEnded, this, &HueSwatchLineWidget::dropAllIcons);
    connect(ui->listWidget, &TrayListWidget::neighbourRequested, this,
            &HueSwatchLineWidget::neighbourRequested);
}

HueSwatchLineWidget::~HueSwatchLineWidget()
{
    // The list still signals while the base class takes it down.
    disconnect(ui->listWidget, nullptr, this, nullptr);
    disconnect(model, nullptr, this, nullptr);
}

QString HueSwatchLineWidget::swatchPath(int cap)
{
    return QLatin1String(":/HueSwatches/VK") + QString::number(cap - 1) + QLatin1String(".png");
}

void HueSwatchLineWidget::setCapList(const QVector<int> &newCaps)
{
    caps = newCaps;
    rebuildTiles();
}

void HueSwatchLineWidget::removeAllItems()
{
    // Items still on the list would otherwise sit beside the new ones.
    ui->listWidget->clear();
    itemMap.clear();
    for (const QPointer<ScoreWidget> &tile : qAsConst(tiles))
        delete tile.data();
    tiles.clear();
}

void HueSwatchLineWidget::rebuildTiles()
{
    buildTiles(caps);
}

void HueSwatchLineWidget::showOrder(const QVector<int> &order)
{
    // The keyboard stays where it was: an undo of a keyboard move can be followed by another.
    const int row = ui->listWidget->currentRow();
    buildTiles(order);
    if (windowWidth > 0)
        resizeTiles(windowWidth);
    if (row >= 0 && row < ui->listWidget->count())
        ui->listWidget->setCurrentRow(row);
}

QVector<int> HueSwatchLineWidget::order() const
{
    QVector<int> list;
    for (int row = 0; row < ui->listWidget->count(); ++row) {
        if (const ScoreWidget *tile = tileAt(row))
            list.append(tile->capNumber());
    }
    return list;
}

void HueSwatchLineWidget::focusCap(int row)
{
    const int n = ui->listWidget->count();
    if (n == 0)
        return;
    ui->listWidget->setCurrentRow(qBound(0, row, n - 1));
    ui->listWidget->setFocus(Qt::OtherFocusReason);
}

int HueSwatchLineWidget::focusedRow() const
{
    return ui->listWidget->currentRow();
}

void HueSwatchLineWidget::buildTiles(const QVector<int> &order)
{
    removeAllItems();
    for (int i = 0; i < order.size(); ++i) {
        const int n = order.at(i);
        auto *item = new QListWidgetItem;
        auto *tile = new ScoreWidget;
        tiles.append(tile);
        tile->setNumber(n);
        tile->setSwatch(QIcon(swatchPath(n)), SwatchSize);
        itemMap.insert(i, item);
        ui->listWidget->insertItem(ui->listWidget->count(), item);
        ui->listWidget->setItemWidget(item, tile);
    }
}

ScoreWidget *HueSwatchLineWidget::tileAt(int row) const
{
    QListWidgetItem *item = ui->listWidget->item(row);
    return item ? qobject_cast<ScoreWidget *>(ui->listWidget->itemWidget(item)) : nullptr;
}

int HueSwatchLineWidget::count() const
{
    return ui->listWidget->count();
}

QString HueSwatchLineWidget::capOrderText() const
{
    return CapOrder::write(order());
}

void HueSwatchLineWidget::setScores(const QStringList &scores)
{
    const int rows = qMin(scores.size(), ui->listWidget->count());
    for (int row = 0; row < rows; ++row) {
        if (ScoreWidget *tile = tileAt(row))
            tile->setScore(scores.at(row));
    }
    // The score row takes room from the swatches, never from the numbers.
    if (windowWidth > 0)
        resizeTiles(windowWidth);
}

void HueSwatchLineWidget::clearScores()
{
    for (int row = 0; row < ui->listWidget->count(); ++row) {
        if (ScoreWidget *tile = tileAt(row))
            tile->setScore(QString());
    }
}

void HueSwatchLineWidget::resetTray()
{
    removeAllItems();
    rebuildTiles();
}

void HueSwatchLineWidget::clearTray()
{
    for (auto it = itemMap.begin(); it != itemMap.end(); it = itemMap.erase(it)) {
        QListWidgetItem *item = it.value();
        ui->listWidget->removeItemWidget(item);
        delete item;
    }
    tiles.clear();
}

void HueSwatchLineWidget::removeSelectedIcons()
{
    const QList<QListWidgetItem *> selected = ui->listWidget->selectedItems();
    for (QListWidgetItem *item : selected)
        item->setIcon(QIcon());
}

void HueSwatchLineWidget::dropAllIcons()
{
    for (int row = 0; row < ui->listWidget->count(); ++row)
        ui->listWidget->item(row)->setIcon(QIcon());
}

void HueSwatchLineWidget::resizeTiles(int width)
{
    windowWidth = width;
    const int n = ui->listWidget->count();
    if (n == 0)
        return;
    const int spacing = ui->listWidget->spacing();
    auto share = [n, spacing](int total) {
        return qMax(0, int(float(total) * 0.96F / float(n) - float(2 * spacing)));
    };
    const ScoreWidget *first = tileAt(0);
    const int labels = first ? first->labelsHeight() : 0;
    // The list keeps room for one row of tiles with the smallest swatch; the tiles
    // stand inside its spacing, above and below.
    const int least = labels + MinimumSwatch + 2 * spacing + 2 * ui->listWidget->frameWidth();
    if (ui->listWidget->minimumHeight() != least)
        ui->listWidget->setMinimumHeight(least);
    const int rowHeight = qMax(0, ui->listWidget->viewport()->height() - 2 * spacing);
    // The number under every cap shows whole in any font: the swatch takes what the
    // number and the score row leave of the row.
    const int swatchSide = qMin(share(this->width()), qMax(MinimumSwatch, rowHeight - labels));
    const QSize itemSize(share(width), qMax(rowHeight, labels + swatchSide));
    ui->listWidget->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ui->listWidget->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    for (int row = 0; row < n; ++row) {
        ui->listWidget->item(row)->setSizeHint(itemSize);
        if (ScoreWidget *tile = tileAt(row))
            tile->resizeSwatch(QSize(swatchSide, swatchSide));
    }
}

void HueSwatchLineWidget::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    // The window's width decides the tiles' widths; the tray's own height their swatches.
    if (windowWidth > 0)
        resizeTiles(windowWidth);
}

void HueSwatchLineWidget::listDragOccurred()
{
    removeSelectedIcons();
    ui->listWidget->clearSelection();
    emit hasChanges();
}

void HueSwatchLineWidget::itemDragging()
{
    // The list paints a dragged item from its icon, not from the tile on it.
    QListWidgetItem *item = ui->listWidget->currentItem();
    ScoreWidget *tile = tileAt(ui->listWidget->currentRow());
    if (!item || !tile)
        return;
    const QIcon picture = tile->grabIcon();
    ui->listWidget->setIconSize(item->sizeHint());
    item->setIcon(picture);
    emit itemBeingDragged();
}

void HueSwatchLineWidget::clearIconsSlot()
{
    emit clearIcons();
}
