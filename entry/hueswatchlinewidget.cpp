#include "hueswatchlinewidget.h"
#include "scorewidget.h"
#include "ui_hueswatchlinewidget.h"

#include <QIcon>
#include <QListWidgetItem>
#include <QScrollBar>

namespace {
const QSize SwatchSize(52, 53);
}

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
    removeAllItems();
    for (int i = 0; i < caps.size(); ++i) {
        const int n = caps.at(i);
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
    QString text;
    for (int row = 0; row < ui->listWidget->count(); ++row) {
        if (const ScoreWidget *tile = tileAt(row))
            text += QString::number(tile->capNumber()) + QLatin1String(", ");
    }
    return text;
}

void HueSwatchLineWidget::setScores(const QStringList &scores)
{
    const int rows = qMin(scores.size(), ui->listWidget->count());
    for (int row = 0; row < rows; ++row) {
        if (ScoreWidget *tile = tileAt(row))
            tile->setScore(scores.at(row));
    }
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
    const int n = ui->listWidget->count();
    if (n == 0)
        return;
    const int spacing = ui->listWidget->spacing();
    auto share = [n, spacing](int total) {
        return qMax(0, int(float(total) * 0.96F / float(n) - float(2 * spacing)));
    };
    const int itemWidth = share(width);
    const int swatchSide = share(this->width());
    for (int row = 0; row < n; ++row) {
        ui->listWidget->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        ui->listWidget->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        QListWidgetItem *item = ui->listWidget->item(row);
        item->setSizeHint(QSize(itemWidth, ui->listWidget->viewport()->height()));
        if (ScoreWidget *tile = tileAt(row))
            tile->resizeSwatch(QSize(swatchSide, swatchSide));
    }
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
